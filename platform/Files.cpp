#include "platform/Files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

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

std::string KeepAside(const std::string& path, KeepAsidePolicy policy)
{
    if (path.empty()) return std::string();
    std::string oldest;
    struct timespec oldestTime {};
    for (int i = 0; i < 10; ++i) {
        const std::string aside = path + ".bad" + (i ? std::to_string(i) : std::string());
        struct stat st;
        if (::lstat(aside.c_str(), &st) == 0) {
            // Only a regular file may give way (never a link, a folder...).
            if (!S_ISREG(st.st_mode)) continue;
            const bool older = st.st_mtim.tv_sec < oldestTime.tv_sec ||
                               (st.st_mtim.tv_sec == oldestTime.tv_sec && st.st_mtim.tv_nsec < oldestTime.tv_nsec);
            if (oldest.empty() || older) {
                oldest = aside;
                oldestTime = st.st_mtim;
            }
            continue;
        }
        if (errno != ENOENT) continue;
        return ReplaceFile(path, aside) ? aside : std::string();
    }
    if (policy != KeepAsidePolicy::ReplaceOldest || oldest.empty()) return std::string();
    return ReplaceFile(path, oldest) ? oldest : std::string();
}

bool RemoveFile(const std::string& path)
{
    if (path.empty()) return false;
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool ListFolder(const std::string& path, std::vector<FolderEntry>* entries)
{
    if (!entries) return false;
    entries->clear();
    std::error_code ec;
    fs::directory_iterator it(path.empty() ? fs::path(".") : fs::path(path), ec);
    if (ec) return false;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return false;
        std::error_code e2;
        FolderEntry e;
        e.name = it->path().filename().string();
        e.folder = it->is_directory(e2);
        entries->push_back(std::move(e));
    }
    return !ec;
}

bool IsFolder(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

std::string WorkingFolder()
{
    std::error_code ec;
    fs::path p = fs::current_path(ec);
    return ec ? std::string() : p.string();
}

std::string AbsolutePath(const std::string& path, const std::string& base)
{
    fs::path p(path);
    if (!p.is_absolute()) p = fs::path(base.empty() ? WorkingFolder() : base) / p;
    std::string clean = p.lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/') clean.pop_back();
    return clean;
}

bool IsWithinFolder(const std::string& path, const std::string& folder)
{
    if (folder.empty() || path.size() < folder.size() || path.compare(0, folder.size(), folder) != 0) return false;
    return path.size() == folder.size() || folder == "/" || path[folder.size()] == '/';
}

} // namespace plat
