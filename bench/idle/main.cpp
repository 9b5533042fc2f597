// The game's idle cost and start-up next to a minimal SDL2 + OpenGL 3.3
// program (bench_minimal_gl), both under Xvfb at 1280x1024.
//
// Idle: the game (a first run: black field and pointer) and the minimal
// program run side by side, each on an X server of its own, windowed and
// then full screen; the CPU both use over the same seconds is compared.
// Start-up: from exec to the first frame shown (seen through first_swap.c),
// each program started several times in turn; the medians are compared.
//
//   bench_idle [seconds]     prints the figures and idle_cpu_ratio, startup_ratio
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kScreen = "1280x1024x24";

double Now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Xvfb on a display number of its own choosing, stopped on destruction.
class XServer {
public:
    ~XServer()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    std::string Start()
    {
        int fds[2];
        if (pipe(fds) != 0) return {};
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            int null = open("/dev/null", O_WRONLY);
            if (null >= 0) dup2(null, 2);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", kScreen, "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        if (m_pid > 0) {
            pollfd p{fds[0], POLLIN, 0};
            char c = 0;
            while (poll(&p, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        }
        close(fds[0]);
        return number.empty() ? std::string() : ":" + number;
    }

private:
    pid_t m_pid = -1;
};

struct Program {
    std::string exe;
    std::vector<std::string> args;
};

// One measured program, started with the first-frame probe loaded.
class Run {
public:
    Run(const Program& p, const std::string& display, const std::string& home)
    {
        int fds[2];
        if (pipe(fds) != 0) return;
        m_start = Now();
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            setenv("DISPLAY", display.c_str(), 1);
            setenv("SDL_VIDEODRIVER", "x11", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("XDG_DATA_HOME", home.c_str(), 1);
            setenv("LD_PRELOAD", MG_FIRST_SWAP_PROBE, 1);
            setenv("MG_BENCH_FIRST_SWAP_FD", std::to_string(fds[1]).c_str(), 1);
            int null = open("/dev/null", O_WRONLY);
            if (null >= 0) {
                dup2(null, 1);
                dup2(null, 2);
            }
            if (chdir(fs::path(p.exe).parent_path().c_str()) != 0) _exit(127);
            std::vector<char*> argv{const_cast<char*>(p.exe.c_str())};
            for (const std::string& a : p.args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(p.exe.c_str(), argv.data());
            _exit(127);
        }
        close(fds[1]);
        m_fd = fds[0];
    }
    ~Run()
    {
        if (m_fd >= 0) close(m_fd);
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    // Seconds from exec to the first frame shown; negative when none came.
    double FirstFrame(double timeout)
    {
        std::string line;
        pollfd p{m_fd, POLLIN, 0};
        char c = 0;
        while (poll(&p, 1, static_cast<int>(timeout * 1000)) > 0 && read(m_fd, &c, 1) == 1 && c != '\n') line += c;
        if (line.empty()) return -1.0;
        return static_cast<double>(std::atoll(line.c_str())) * 1e-9 - m_start;
    }
    // CPU seconds used so far by every thread of the program.
    double CpuSeconds() const
    {
        std::ifstream in("/proc/" + std::to_string(m_pid) + "/stat");
        std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const size_t end = stat.rfind(')');
        if (end == std::string::npos) return -1.0;
        // Fields after the name: state is field 3; utime and stime are 14, 15.
        std::vector<std::string> fields;
        size_t p = end + 2;
        while (p < stat.size()) {
            size_t q = stat.find(' ', p);
            if (q == std::string::npos) q = stat.size();
            fields.push_back(stat.substr(p, q - p));
            p = q + 1;
        }
        if (fields.size() < 13) return -1.0;
        const double tick = static_cast<double>(sysconf(_SC_CLK_TCK));
        return (std::atof(fields[11].c_str()) + std::atof(fields[12].c_str())) / tick;
    }
    bool Alive() const { return m_pid > 0 && waitpid(m_pid, nullptr, WNOHANG) == 0; }

private:
    pid_t m_pid = -1;
    int m_fd = -1;
    double m_start = 0;
};

// A per-user folder whose preferences ask for the mode.
std::string MakeHome(const std::string& base, bool fullscreen)
{
    const fs::path home = fs::path(base) / (fullscreen ? "full" : "windowed");
    const fs::path folder = home / "Kestrune" / "Marrowgate";
    fs::create_directories(folder);
    std::ofstream(folder / "Preferencias.PRF") << "FLAGS = " << (fullscreen ? 3 : 1) << ";\n";
    return home.string();
}

double Median(std::vector<double> v)
{
    if (v.empty()) return -1.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::max(1.0, std::atof(argv[1])) : 6.0;
    const Program game{MG_GAME_EXE, {}};
    XServer serverA, serverB;
    const std::string displayA = serverA.Start(), displayB = serverB.Start();
    if (displayA.empty() || displayB.empty()) {
        std::fprintf(stderr, "bench_idle: no Xvfb could be started\n");
        return 1;
    }
    const std::string base = (fs::temp_directory_path() / ("bench_idle." + std::to_string(getpid()))).string();
    bool failed = false;

    for (bool fullscreen : {false, true}) {
        const Program minimal{MG_MINIMAL_EXE, fullscreen ? std::vector<std::string>{"--fullscreen"}
                                                         : std::vector<std::string>{}};
        const std::string home = MakeHome(base, fullscreen);
        Run g(game, displayA, home), m(minimal, displayB, home);
        if (g.FirstFrame(60) < 0 || m.FirstFrame(60) < 0) {
            std::fprintf(stderr, "bench_idle: a program showed no frame\n");
            failed = true;
            break;
        }
        // Past start-up before counting.
        std::this_thread::sleep_for(std::chrono::seconds(2));
        const double t0 = Now(), g0 = g.CpuSeconds(), m0 = m.CpuSeconds();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const double t1 = Now(), g1 = g.CpuSeconds(), m1 = m.CpuSeconds();
        if (!g.Alive() || !m.Alive()) {
            std::fprintf(stderr, "bench_idle: a program ended while measured\n");
            failed = true;
            break;
        }
        const double gp = 100.0 * (g1 - g0) / (t1 - t0), mp = 100.0 * (m1 - m0) / (t1 - t0);
        std::printf("idle %-11s game %6.1f%%  minimal %6.1f%%  idle_cpu_ratio %.2f\n",
                    fullscreen ? "full screen" : "windowed", gp, mp, mp > 0 ? gp / mp : 0.0);
    }

    if (!failed) {
        const Program minimal{MG_MINIMAL_EXE, {"--fullscreen"}};
        const std::string home = MakeHome(base, true);
        std::vector<double> gt, mt;
        for (int i = 0; i < 7; ++i) {
            {
                Run g(game, displayA, home);
                gt.push_back(g.FirstFrame(60));
            }
            {
                Run m(minimal, displayA, home);
                mt.push_back(m.FirstFrame(60));
            }
        }
        const double gs = Median(gt), ms = Median(mt);
        std::printf("start-up to first frame   game %6.3f s  minimal %6.3f s  startup_ratio %.2f\n", gs, ms,
                    ms > 0 ? gs / ms : 0.0);
    }
    std::error_code ec;
    fs::remove_all(base, ec);
    return failed ? 1 : 0;
}
