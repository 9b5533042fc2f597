#include "kit/ServidorX.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kit {

ServidorX::~ServidorX()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

std::string ServidorX::Inicia(const char* pantalla)
{
    int fds[2];
    if (pipe(fds) != 0) return {};
    m_pid = fork();
    if (m_pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", pantalla, "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string numero;
    if (m_pid > 0) {
        pollfd p{fds[0], POLLIN, 0};
        char c = 0;
        while (poll(&p, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') numero += c;
    }
    close(fds[0]);
    return numero.empty() ? std::string() : ":" + numero;
}

int EjecutaBajoX(const std::string& display, void (*sonda)())
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        sonda();
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int estado = 0;
    if (pid < 0 || waitpid(pid, &estado, 0) != pid) return -1;
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

namespace {

Display* Conexion()
{
    static Display* d = XOpenDisplay(nullptr);
    return d;
}

} // namespace

bool MuevePunteroReal(int dx, int dy)
{
    Display* d = Conexion();
    if (!d) return false;
    XWarpPointer(d, None, None, 0, 0, 0, 0, dx, dy);
    XSync(d, False);
    return true;
}

bool PunteroReal(int* x, int* y)
{
    Display* d = Conexion();
    if (!d) return false;
    ::Window raiz = 0, hijo = 0;
    int wx = 0, wy = 0;
    unsigned mascara = 0;
    return XQueryPointer(d, DefaultRootWindow(d), &raiz, &hijo, x, y, &wx, &wy, &mascara);
}

} // namespace kit
