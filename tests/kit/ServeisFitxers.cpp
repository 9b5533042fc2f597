#include "kit/ServeisFitxers.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "platform/Paths.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace mgtest {

namespace {

// The tests run in parallel, one process each, and several tests of a
// fixture ask for the same name: every process gets a folder of its own,
// removed when it exits normally (not by a child it forked).
const fs::path& CarpetaProceso()
{
    static const pid_t propietario = ::getpid();
    static const fs::path carpeta = fs::path(MG_TEST_TMP) / ("proceso-" + std::to_string(propietario));
    static struct Limpieza {
        ~Limpieza()
        {
            std::error_code ec;
            if (::getpid() == propietario) fs::remove_all(carpeta, ec);
        }
    } limpieza;
    return carpeta;
}

} // namespace

fs::path CarpetaNova(const std::string& nom)
{
    fs::path p = CarpetaProceso() / nom;
    std::error_code ec;
    fs::remove_all(p, ec);
    fs::create_directories(p, ec);
    return p;
}

void EscriuFitxer(const fs::path& ruta, const std::string& bytes)
{
    std::error_code ec;
    if (ruta.has_parent_path()) fs::create_directories(ruta.parent_path(), ec);
    std::ofstream out(ruta, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string LlegeixFitxer(const fs::path& ruta)
{
    std::ifstream in(ruta, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string RutaDeDades(const char* nom)
{
    std::string ruta = nom ? nom : "";
    for (char& c : ruta)
        if (c == '\\') c = '/';
    return ruta;
}

ServeisFitxers::ServeisFitxers(const std::string& arrel)
{
    m_sArrelAnterior = plat::DataRoot();
    plat::SetDataRoot(arrel);
    g_pSistemaFitxers = new CSistemaFitxers;
    std::error_code ec;
    m_bArxiu = fs::exists(fs::path(arrel) / motor::fichero::ARCHIVO, ec) &&
               fs::exists(fs::path(arrel) / motor::fichero::INDICE_ARCHIVO, ec);
    m_bCorrecte = m_bArxiu ? g_pSistemaFitxers->IniciaAmbArxiu(motor::fichero::ARCHIVO, motor::fichero::INDICE_ARCHIVO,
                                                               "Kestrune", "Marrowgate")
                           : g_pSistemaFitxers->Inicia("Kestrune", "Marrowgate");
    g_pGestorComandes = new CGestorComandes;
    m_bCorrecte = g_pGestorComandes->Inicia() && m_bCorrecte;
}

ServeisFitxers::~ServeisFitxers()
{
    delete g_pGestorComandes;
    g_pGestorComandes = nullptr;
    delete g_pSistemaFitxers;
    g_pSistemaFitxers = nullptr;
    plat::SetDataRoot(m_sArrelAnterior);
}

CarpetaUsuariProva::CarpetaUsuariProva(const std::string& nom) : m_home(CarpetaNova("home_" + nom))
{
    const char* v = std::getenv("XDG_DATA_HOME");
    m_bTeniaValor = v != nullptr;
    if (v) m_sValorAnterior = v;
    setenv("XDG_DATA_HOME", m_home.c_str(), 1);
}

CarpetaUsuariProva::~CarpetaUsuariProva()
{
    if (m_bTeniaValor)
        setenv("XDG_DATA_HOME", m_sValorAnterior.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

} // namespace mgtest
