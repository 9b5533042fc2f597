// Test helpers for anything that reads files: fresh folders, writing bytes,
// and the data file system and command-file reader started for one test.
#pragma once
#include <filesystem>
#include <string>

namespace mgtest {

// An empty folder <nom> in a folder of this process's own under MG_TEST_TMP,
// removed first when it exists. The process's folder goes at exit.
std::filesystem::path CarpetaNova(const std::string& nom);

// Writes bytes exactly as given (binary), creating parent folders.
void EscriuFitxer(const std::filesystem::path& ruta, const std::string& bytes);

// Every byte of a file on disk ("" when missing).
std::string LlegeixFitxer(const std::filesystem::path& ruta);

// A data name ("Data\Graficos\X.png") as a path below a data root on disk.
std::string RutaDeDades(const char* nom);

// Starts g_pSistemaFitxers over `arrel` (as the data root; with its archive
// and index when both exist, else disk only) and g_pGestorComandes;
// the destructor releases both and restores the earlier data root. Maker and
// product folder names are the game's. AmbArxiu: started over the archive.
class ServeisFitxers {
public:
    explicit ServeisFitxers(const std::string& arrel = MG_TEST_DATA_ROOT);
    ~ServeisFitxers();
    ServeisFitxers(const ServeisFitxers&) = delete;
    ServeisFitxers& operator=(const ServeisFitxers&) = delete;
    bool Correcte() const { return m_bCorrecte; }
    bool AmbArxiu() const { return m_bArxiu; }

private:
    std::string m_sArrelAnterior;
    bool m_bCorrecte = false;
    bool m_bArxiu = false;
};

// Points the per-user folder ($XDG_DATA_HOME) at a fresh folder of its own
// for the lifetime of the object, so that tests running in parallel never
// share preference or profile files; restores the earlier value.
class CarpetaUsuariProva {
public:
    explicit CarpetaUsuariProva(const std::string& nom);
    ~CarpetaUsuariProva();
    CarpetaUsuariProva(const CarpetaUsuariProva&) = delete;
    CarpetaUsuariProva& operator=(const CarpetaUsuariProva&) = delete;
    // <folder>/Kestrune/Marrowgate, where the game's per-user files go.
    std::filesystem::path Carpeta() const { return m_home / "Kestrune" / "Marrowgate"; }

private:
    std::filesystem::path m_home;
    bool m_bTeniaValor = false;
    std::string m_sValorAnterior;
};

} // namespace mgtest
