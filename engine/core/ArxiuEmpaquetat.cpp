#include "engine/core/ArxiuEmpaquetat.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr size_t kMidaNom = 1024;

struct Sortida {
    FILE* f = nullptr;
    ~Sortida()
    {
        if (f) std::fclose(f);
    }
    bool Tanca()
    {
        bool ok = f && std::fclose(f) == 0;
        f = nullptr;
        return ok;
    }
};

bool Falla(std::string* error, const std::string& text)
{
    if (error) *error = text;
    return false;
}

} // namespace

bool EmpaquetaCarpeta(const std::string& carpeta, const std::string& rutaArxiu, const std::string& rutaIndex,
                      std::vector<std::string>* solts, std::string* error)
{
    std::error_code ec;
    if (solts) solts->clear();
    // Directory (as stored) -> files (name, source path), both in name order.
    std::map<std::string, std::map<std::string, fs::path>> dirs;
    if (fs::is_directory(carpeta, ec)) {
        for (fs::recursive_directory_iterator it(carpeta, ec), end; !ec && it != end; it.increment(ec)) {
            if (!it->is_regular_file(ec)) continue;
            fs::path rel = fs::relative(it->path(), carpeta, ec);
            if (ec) return Falla(error, "cannot name " + it->path().string());
            if (!rel.has_parent_path()) {
                if (solts) solts->push_back(rel.string());
                continue;
            }
            std::string dir;
            for (const fs::path& part : rel.parent_path()) {
                dir += '\\';
                dir += part.string();
            }
            std::string nom = rel.filename().string();
            if (dir.size() >= kMidaNom || nom.size() >= kMidaNom || dir.find('\n') != std::string::npos ||
                nom.find('\n') != std::string::npos)
                return Falla(error, "name cannot be stored in the index: " + rel.string());
            dirs[dir][nom] = it->path();
        }
        if (ec) return Falla(error, "cannot walk " + carpeta + ": " + ec.message());
    }
    if (solts) std::sort(solts->begin(), solts->end());

    Sortida arxiu, index;
    arxiu.f = std::fopen(rutaArxiu.c_str(), "wb");
    index.f = std::fopen(rutaIndex.c_str(), "wb");
    if (!arxiu.f || !index.f) return Falla(error, "cannot create " + rutaArxiu + " or " + rutaIndex);

    int64_t offset = 0;
    int64_t k = 0;
    std::vector<unsigned char> dades;
    for (const auto& [dir, fitxers] : dirs) {
        std::fprintf(index.f, "D=%s\n", dir.c_str());
        for (const auto& [nom, font] : fitxers) {
            FILE* in = std::fopen(font.string().c_str(), "rb");
            if (!in) return Falla(error, "cannot read " + font.string());
            dades.clear();
            unsigned char buf[65536];
            size_t n;
            while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) dades.insert(dades.end(), buf, buf + n);
            bool llegit = !std::ferror(in);
            std::fclose(in);
            if (!llegit) return Falla(error, "cannot read " + font.string());
            for (size_t j = 0; j < dades.size(); ++j) dades[j] ^= static_cast<unsigned char>(j & 0xFF);
            if (!dades.empty() && std::fwrite(dades.data(), 1, dades.size(), arxiu.f) != dades.size())
                return Falla(error, "cannot write " + rutaArxiu);
            int64_t mida = static_cast<int64_t>(dades.size());
            int64_t a = k % 256;
            int64_t b = (256 - (k % 256)) % 256;
            std::fprintf(index.f, "F=%s %lld %lld\n", nom.c_str(), static_cast<long long>(offset + a),
                         static_cast<long long>(mida + b));
            offset += mida;
            ++k;
        }
    }
    if (!arxiu.Tanca() || !index.Tanca()) return Falla(error, "cannot finish " + rutaArxiu + " or " + rutaIndex);
    return true;
}
