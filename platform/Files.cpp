#include "platform/Files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

namespace {

// A rename is durable only once its folder is on disk as well.
bool SyncFolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

bool FlushToDisk(FILE* stream)
{
    if (!stream) return false;
    if (std::fflush(stream) != 0 || std::ferror(stream)) return false;
    const int fd = ::fileno(stream);
    if (fd < 0) return false;
    while (::fsync(fd) != 0)
        if (errno != EINTR) return false;
    return true;
}

bool IsReplaceableFile(const std::string& path)
{
    if (path.empty()) return false;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT;
    return S_ISREG(st.st_mode);
}

bool ReplaceFile(const std::string& from, const std::string& to)
{
    if (from.empty() || to.empty() || !IsReplaceableFile(to)) return false;
    if (std::rename(from.c_str(), to.c_str()) != 0) return false;
    return SyncFolderOf(to);
}

std::string KeepAside(const std::string& path)
{
    if (path.empty()) return std::string();
    for (int i = 0; i < 10; ++i) {
        const std::string aside = path + ".bad" + (i ? std::to_string(i) : std::string());
        struct stat st;
        if (::lstat(aside.c_str(), &st) == 0 || errno != ENOENT) continue;
        return ReplaceFile(path, aside) ? aside : std::string();
    }
    return std::string();
}

bool RemoveFile(const std::string& path)
{
    if (path.empty()) return false;
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

} // namespace plat
