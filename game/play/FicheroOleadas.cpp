#include "game/play/FicheroOleadas.h"

#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cmath>
#include <strings.h>

namespace {

constexpr const char* kOleada = "OLEADA";
constexpr const char* kAtaque = "ATAQUE";

constexpr std::array<int, 12> kDanyo = {0, 2, 3, 0, 1, 4, 3, 10, 10, 1, 5, 15};

} // namespace

void LiberaEtiquetas(Oleada& oleada)
{
    for (AtaqueOleada& a : oleada) {
        if (a.m_pEtiqueta && g_pSistema2D) g_pSistema2D->AlliberaSprite(a.m_pEtiqueta, false);
        a.m_pEtiqueta = nullptr;
    }
}

void VaciaOleada(Oleada& oleada)
{
    LiberaEtiquetas(oleada);
    oleada.clear();
}

bool LeeOleadas(const char* szRuta, OleadasGuardadas& oleadas)
{
    for (Oleada& o : oleadas) VaciaOleada(o);
    if (!g_pGestorComandes || !szRuta || !szRuta[0]) return false;
    FitxerComandes* f = g_pGestorComandes->ObreLectura(szRuta);
    if (!f) return false;
    // -1 while the records follow an OLEADA that names no stored wave.
    int iOleada = 0;
    do {
        const char* szNombre = g_pGestorComandes->NomComanda(f);
        if (!szNombre) continue;
        if (strcasecmp(szNombre, kOleada) == 0) {
            const int n = g_pGestorComandes->LlegeixEnter(f);
            iOleada = (n >= 0 && n < NUM_OLEADAS_GUARDADAS) ? n : -1;
        } else if (strcasecmp(szNombre, kAtaque) == 0 && iOleada >= 0) {
            AtaqueOleada a;
            a.m_iTipo = g_pGestorComandes->LlegeixEnter(f);
            a.m_iDesfase = g_pGestorComandes->LlegeixEnter(f);
            a.m_fX = g_pGestorComandes->LlegeixReal(f);
            a.m_fY = g_pGestorComandes->LlegeixReal(f);
            a.m_fAngulo = g_pGestorComandes->LlegeixReal(f);
            if (a.m_iTipo < TIPO_MALDICION_MINIMO || a.m_iTipo > TIPO_MALDICION_MAXIMO) continue;
            if (!std::isfinite(a.m_fX) || !std::isfinite(a.m_fY) || !std::isfinite(a.m_fAngulo)) continue;
            Oleada& o = oleadas[static_cast<size_t>(iOleada)];
            o.insert(o.begin(), a);
        }
    } while (g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);
    return true;
}

bool EscribeOleadas(const char* szRutaDisco, const OleadasGuardadas& oleadas)
{
    if (!g_pGestorComandes || !szRutaDisco || !szRutaDisco[0]) return false;
    return g_pGestorComandes->EscriuFitxerSegur(szRutaDisco, [&oleadas](FitxerComandes* f) {
        bool ok = true;
        for (int n = 0; n < NUM_OLEADAS_GUARDADAS; ++n) {
            g_pGestorComandes->EscriuNomComanda(f, kOleada);
            g_pGestorComandes->EscriuEnter(f, n);
            ok = g_pGestorComandes->EscriuComanda(f) && ok;
            for (const AtaqueOleada& a : oleadas[static_cast<size_t>(n)]) {
                g_pGestorComandes->EscriuNomComanda(f, kAtaque);
                g_pGestorComandes->EscriuEnter(f, a.m_iTipo);
                g_pGestorComandes->EscriuEnter(f, a.m_iDesfase);
                g_pGestorComandes->EscriuReal(f, a.m_fX);
                g_pGestorComandes->EscriuReal(f, a.m_fY);
                g_pGestorComandes->EscriuReal(f, a.m_fAngulo);
                ok = g_pGestorComandes->EscriuComanda(f) && ok;
            }
        }
        return ok;
    });
}

int DanyoMaldicion(int iTipo)
{
    if (iTipo < 0 || iTipo >= static_cast<int>(kDanyo.size())) return 0;
    return kDanyo[static_cast<size_t>(iTipo)];
}

int DuracionOleada(int iNumero, int iInicial, int iFinal)
{
    const long k = iNumero < 0 ? 0 : iNumero / NUM_OLEADAS_GUARDADAS;
    const long d = static_cast<long>(iFinal) + k * (static_cast<long>(iInicial) - iFinal);
    if (d < DURACION_MINIMA_OLEADA) return DURACION_MINIMA_OLEADA;
    // Far beyond any game's length; kept within an int.
    constexpr long kMaxima = 1L << 30;
    return static_cast<int>(d > kMaxima ? kMaxima : d);
}

std::string RutaOleadasUsuario(const char* szRutaDatos)
{
    if (!szRutaDatos || !szRutaDatos[0]) return std::string();
    CSistemaFitxers* sf = g_pSistemaFitxersUsuari ? g_pSistemaFitxersUsuari : g_pSistemaFitxers;
    if (!sf) return std::string();
    const char* szCarpeta = sf->CarpetaUsuari();
    if (!szCarpeta || !szCarpeta[0]) return std::string();
    // The file's own name under the folder it sits in, so that the four
    // difficulties' files (all of one name) keep apart copies.
    std::string sRuta = szRutaDatos;
    std::replace(sRuta.begin(), sRuta.end(), '\\', '/');
    const size_t barra = sRuta.find_last_of('/');
    const std::string sNombre = barra == std::string::npos ? sRuta : sRuta.substr(barra + 1);
    std::string sPadre;
    if (barra != std::string::npos && barra > 0) {
        const size_t antes = sRuta.find_last_of('/', barra - 1);
        sPadre = sRuta.substr(antes == std::string::npos ? 0 : antes + 1, barra - (antes == std::string::npos ? 0 : antes + 1));
    }
    auto valido = [](const std::string& s) { return !s.empty() && s != "." && s != ".."; };
    if (!valido(sNombre)) return std::string();
    std::string sCarpeta = std::string(szCarpeta) + "/" + juego::fichero::CARPETA_OLEADAS;
    if (valido(sPadre)) sCarpeta += "/" + sPadre;
    if (!plat::MakeFolders(sCarpeta)) return std::string();
    return sCarpeta + "/" + sNombre;
}
