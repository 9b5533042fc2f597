#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <strings.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace plat {
namespace {
std::mutex g_rootMutex;
std::string g_dataRoot;
bool g_dataRootSet = false;

std::string FindEntryNoCase(const std::string& folder, const std::string& name)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (strcasecmp(entry.c_str(), name.c_str()) == 0) return entry;
    }
    return std::string();
}
} // namespace

std::string ExecutableDir()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return std::string();
    return exe.parent_path().string();
}

std::string DataRoot()
{
    std::lock_guard<std::mutex> lock(g_rootMutex);
    if (!g_dataRootSet) {
        std::string exeDir = ExecutableDir();
        std::error_code ec;
        if (!exeDir.empty() && fs::is_directory(fs::path(exeDir) / "data", ec))
            g_dataRoot = (fs::path(exeDir) / "data").string();
        else
            g_dataRoot = fs::current_path(ec).string();
        g_dataRootSet = true;
    }
    return g_dataRoot;
}

std::vector<std::string> DataRootCandidates()
{
    std::vector<std::string> out;
    const std::string exeDir = ExecutableDir();
    std::error_code ec;
    const std::string beside = exeDir.empty() ? std::string() : (fs::path(exeDir) / "data").string();
    const std::string current = fs::current_path(ec).string();
    // A root set elsewhere is the only place looked in.
    const std::string root = DataRoot();
    if (root != beside && root != current) return {root};
    if (!beside.empty()) out.push_back(beside);
    if (current != beside) out.push_back(current);
    return out;
}

void SetDataRoot(const std::string& folder)
{
    std::lock_guard<std::mutex> lock(g_rootMutex);
    g_dataRoot = folder;
    g_dataRootSet = true;
}

std::vector<std::string> SplitPathComponents(const std::string& name, bool* absolute)
{
    std::vector<std::string> parts;
    if (absolute) *absolute = !name.empty() && (name[0] == '/' || name[0] == '\\');
    std::string cur;
    for (char c : name) {
        if (c == '\\' || c == '/') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

std::string ResolvePath(const std::string& name, const std::string& base)
{
    bool absolute = false;
    std::vector<std::string> parts = SplitPathComponents(name, &absolute);
    std::string path = absolute ? std::string() : (base.empty() ? DataRoot() : base);
    bool exists = true;
    for (const std::string& part : parts) {
        const std::string folder = path;
        path += '/';
        path += part;
        if (exists) {
            std::error_code ec;
            if (part != "." && part != ".." && !fs::exists(path, ec)) {
                std::string found = FindEntryNoCase(folder.empty() ? "/" : folder, part);
                if (!found.empty()) {
                    path.resize(folder.size() + 1);
                    path += found;
                } else {
                    exists = false;
                }
            }
        }
    }
    if (path.empty()) path.assign(1, '/');
    return path;
}

bool ResolveExisting(const std::string& name, std::string* out, const std::string& base)
{
    std::string p = ResolvePath(name, base);
    std::error_code ec;
    bool ok = fs::exists(p, ec);
    if (out) *out = p;
    return ok;
}

bool MakeFolders(const std::string& path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

std::string UserDataHome()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0]) return std::string(home) + "/.local/share";
    return std::string();
}

std::string UserFolder(const std::string& maker, const std::string& product, bool create)
{
    std::string home = UserDataHome();
    if (home.empty() || maker.empty()) return std::string();
    std::string folder = home + "/" + maker;
    if (!product.empty()) folder += "/" + product;
    if (create && !MakeFolders(folder)) return std::string();
    return folder;
}

} // namespace plat
