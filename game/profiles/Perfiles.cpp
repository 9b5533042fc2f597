#include "game/profiles/Perfiles.h"

#include "engine/core/SistemaFitxers.h"
#include "game/CatalogoJuego.h"
#include "game/profiles/GestorDesbloqueos.h"

#include <cstdio>

namespace {
CPerfiles* g_pPerfilesJuego = nullptr;
CGestorDesbloqueos* g_pGestorDesbloqueosJuego = nullptr;

// The ranking lists in rebuild order, with the table of the profile each one
// is taken from.
struct OrigenRanking {
    bool puntos;
    int tabla;
};
constexpr OrigenRanking kOrigen[NUM_LISTAS_RANKING] = {
    {true, TABLA_ATAQUES},     {true, TABLA_ATAQUES_SIN_FIN}, {true, TABLA_CONCENTRAR},
    {true, TABLA_CONCENTRAR_SIN_FIN},
    {false, 0}, {false, 1}, {false, 2}, {false, 3}, {false, 4}, {false, 5}, {false, 6}, {false, 7}, {false, 8},
    {false, TABLA_SELLOS_MULTI}, {false, TABLA_SELLOS_AZAR},
};
} // namespace

void RegistraPerfilesJuego(CPerfiles* perfiles) { g_pPerfilesJuego = perfiles; }
CPerfiles* PerfilesJuego() { return g_pPerfilesJuego; }
RegistroPerfil* PerfilActualJuego() { return g_pPerfilesJuego ? g_pPerfilesJuego->PerfilActual() : nullptr; }
void RegistraGestorDesbloqueos(CGestorDesbloqueos* gestor) { g_pGestorDesbloqueosJuego = gestor; }
CGestorDesbloqueos* GestorDesbloqueosJuego() { return g_pGestorDesbloqueosJuego; }

CPerfiles::CPerfiles()
{
    for (auto& dificultad : m_aRankings)
        for (CLista& l : dificultad) l.Inicia();
}

CPerfiles::~CPerfiles()
{
    VaciaRankings();
    if (g_pPerfilesJuego == this) g_pPerfilesJuego = nullptr;
}

RegistroPerfil* CPerfiles::PerfilActual()
{
    if (m_iPerfilActual < 0 || m_iPerfilActual >= NUM_PERFILES) return nullptr;
    return &m_aPerfiles[m_iPerfilActual];
}

void CPerfiles::VaciaRankings()
{
    for (auto& dificultad : m_aRankings)
        for (CLista& l : dificultad) {
            l.VaAlFinal();
            while (!l.EstaVacia()) {
                delete static_cast<EntradaRanking*>(l.Actual());
                l.BorraActual();
            }
        }
}

void CPerfiles::ActualizaRankings()
{
    bool actualizados = true;
    for (const RegistroPerfil& p : m_aPerfiles) actualizados = actualizados && p.m_bRankingsActualizados;
    if (actualizados) return;

    VaciaRankings();
    for (RegistroPerfil& p : m_aPerfiles)
        for (int d = 0; d < NUM_DIFICULTADES; ++d)
            for (int r = 0; r < NUM_RANGOS; ++r)
                for (int l = 0; l < NUM_LISTAS_RANKING; ++l) {
                    const OrigenRanking& o = kOrigen[l];
                    EntradaRanking* e = new EntradaRanking;
                    e->m_pszNombre = p.m_szNombre;
                    e->m_iValor = o.puntos ? p.Puntuacion(d, o.tabla, r) : p.Tiempo(d, o.tabla, r);
                    InsertaEnRanking(e, m_aRankings[d][l], !o.puntos);
                }
    for (RegistroPerfil& p : m_aPerfiles) p.m_bRankingsActualizados = 1;
}

void CPerfiles::InsertaEnRanking(EntradaRanking* entrada, CLista& lista, bool ascendente)
{
    if (lista.EstaVacia()) {
        lista.InsertaAlFinal(entrada);
        return;
    }
    for (lista.VaAlPrincipio(); !lista.EsFinal(); lista.Avanza()) {
        const EntradaRanking* e = static_cast<const EntradaRanking*>(lista.Actual());
        if (!e->m_pszNombre || !e->m_pszNombre[0]) break;
        const bool pasa = ascendente ? e->m_iValor <= entrada->m_iValor : e->m_iValor >= entrada->m_iValor;
        if (!pasa) break;
    }
    if (lista.EsFinal())
        lista.InsertaAlFinal(entrada);
    else
        lista.InsertaAntes(entrada);
}

const EntradaRanking* CPerfiles::Ranking(int d, int lista, int n)
{
    ActualizaRankings();
    if (d < 0 || d >= NUM_DIFICULTADES || lista < 0 || lista >= NUM_LISTAS_RANKING) return nullptr;
    return static_cast<const EntradaRanking*>(m_aRankings[d][lista].Elemento(n));
}

const EntradaRanking* CPerfiles::RankingAtaques(int d, int n) { return Ranking(d, RANKING_ATAQUES, n); }
const EntradaRanking* CPerfiles::RankingAtaquesSinFin(int d, int n) { return Ranking(d, RANKING_ATAQUES_SIN_FIN, n); }
const EntradaRanking* CPerfiles::RankingConcentrar(int d, int n) { return Ranking(d, RANKING_CONCENTRAR, n); }
const EntradaRanking* CPerfiles::RankingConcentrarSinFin(int d, int n)
{
    return Ranking(d, RANKING_CONCENTRAR_SIN_FIN, n);
}
const EntradaRanking* CPerfiles::RankingSellos(int d, int nivel, int n)
{
    if (nivel < 0 || nivel > 8) return nullptr;
    return Ranking(d, RANKING_PRIMERO_SELLOS + nivel, n);
}
const EntradaRanking* CPerfiles::RankingMultiSellos(int d, int n) { return Ranking(d, RANKING_MULTI_SELLOS, n); }
const EntradaRanking* CPerfiles::RankingSellosAzar(int d, int n) { return Ranking(d, RANKING_SELLOS_AZAR, n); }


std::string CPerfiles::RutaRanura(int i)
{
    CSistemaFitxers* sf = g_pSistemaFitxersUsuari ? g_pSistemaFitxersUsuari : g_pSistemaFitxers;
    if (i < 0 || i >= NUM_PERFILES || !sf) return std::string();
    const std::string carpeta = sf->CarpetaUsuari();
    if (carpeta.empty()) return std::string();
    char nombre[32];
    std::snprintf(nombre, sizeof nombre, juego::fichero::PERFIL, i);
    return carpeta + "/" + nombre;
}

bool CPerfiles::CargaRanura(int i)
{
    if (i < 0 || i >= NUM_PERFILES) return false;
    return m_aPerfiles[i].Carga(RutaRanura(i).c_str(), false);
}

void CPerfiles::CargaTodos()
{
    for (int i = 0; i < NUM_PERFILES; ++i) CargaRanura(i);
}
