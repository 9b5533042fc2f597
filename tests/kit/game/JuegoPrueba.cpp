#include "kit/game/JuegoPrueba.h"

#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorRatones.h"
#include "engine/core/Temporizador.h"
#include "engine/ui/MenuObj.h"
#include "game/Programa.h"
#include "game/screens/MenuMaestro.h"
#include "kit/BucleAplicacion.h"
#include "kit/Entrada.h"
#include "platform/Input.h"
#include "platform/Paths.h"
#include "platform/Window.h"

#include <algorithm>
#include <system_error>

namespace kit {

namespace {

// Depth first from p: p, then its children from the top one down.
CMenuObj* BuscaEn(CMenuObj* p, const std::string& nombre)
{
    if (!p) return nullptr;
    if (nombre == p->Nombre()) return p;
    for (NodoLista* n = p->m_lHijos.m_pCabeza; n; n = n->m_pSiguiente)
        if (CMenuObj* r = BuscaEn(static_cast<CMenuObj*>(n->m_pItem), nombre)) return r;
    return nullptr;
}

void Lista(const CMenuObj* p, int iNivel, std::string& texto)
{
    texto.append(2 * static_cast<size_t>(iNivel), ' ');
    texto += p->Nombre()[0] ? p->Nombre() : "?";
    texto += '\n';
    for (NodoLista* n = p->m_lHijos.m_pCabeza; n; n = n->m_pSiguiente)
        Lista(static_cast<const CMenuObj*>(n->m_pItem), iNivel + 1, texto);
}

} // namespace

CJuegoPrueba::CJuegoPrueba(const std::string& nombre) : CJuegoPrueba(nombre, {}) {}

CJuegoPrueba::CJuegoPrueba(const std::string& nombre, const std::vector<std::pair<std::string, std::string>>& ficheros,
                           Arranque arranque)
    : m_carpeta("juego_" + nombre)
{
    bool bPreferencias = false;
    for (const auto& [sNombre, sBytes] : ficheros) {
        mgtest::EscriuFitxer(m_carpeta.Carpeta() / sNombre, sBytes);
        bPreferencias = bPreferencias || sNombre == "Preferencias.PRF";
    }
    if (arranque == CON_INGLES && !bPreferencias)
        mgtest::EscriuFitxer(m_carpeta.Carpeta() / "Preferencias.PRF", kPreferenciasIngles);
    m_sRaizAnterior = plat::DataRoot();
    plat::SetDataRoot(MG_TEST_DATA_ROOT);
    FijaRelojManual(true, 1000);
    ReiniciaFrames();
    ReiniciaAleatorio();
    m_bSistemas = IniciaPrograma();
    m_bIniciado = m_bSistemas && CreaBuclePrincipal();
}

CJuegoPrueba::~CJuegoPrueba()
{
    LiberaBuclePrincipal();
    if (m_bSistemas) LiberaSistemas();
    FijaRelojManual(false);
    plat::SetDataRoot(m_sRaizAnterior);
}

bool CJuegoPrueba::Reinicia()
{
    LiberaBuclePrincipal();
    if (m_bSistemas) LiberaSistemas();
    m_bTerminado = false;
    ReiniciaFrames();
    ReiniciaAleatorio();
    m_bSistemas = IniciaPrograma();
    m_bIniciado = m_bSistemas && CreaBuclePrincipal();
    return m_bIniciado;
}

bool CJuegoPrueba::Paso()
{
    if (!m_bIniciado || m_bTerminado) return m_bTerminado;
    m_bTerminado = PasoLogico(*g_pAplicacion);
    return m_bTerminado;
}

bool CJuegoPrueba::Pasos(int n)
{
    for (int i = 0; i < n && !m_bTerminado; ++i) Paso();
    return m_bTerminado;
}

CMenuObj* CJuegoPrueba::Raiz() const { return ObjetoPrincipal(); }

CMenuObj* CJuegoPrueba::Pantalla() const
{
    CMenuObj* pRaiz = Raiz();
    if (!pRaiz) return nullptr;
    // The menu manager's current screen while it is attached (or closing);
    // else the top child, or the top-level object itself.
    CMenuObj* pActual = g_pMenuMaestro ? g_pMenuMaestro->m_pMenuActual : nullptr;
    for (NodoLista* n = pRaiz->m_lHijos.m_pCabeza; pActual && n; n = n->m_pSiguiente)
        if (n->m_pItem == pActual) return pActual;
    NodoLista* pArriba = pRaiz->m_lHijos.m_pCabeza;
    return pArriba ? static_cast<CMenuObj*>(pArriba->m_pItem) : pRaiz;
}

std::string CJuegoPrueba::NombrePantalla() const
{
    CMenuObj* p = Pantalla();
    return p ? p->Nombre() : "";
}

CMenuObj* CJuegoPrueba::Busca(const std::string& nombre) const { return BuscaEn(Pantalla(), nombre); }

std::string CJuegoPrueba::Widgets() const
{
    std::string texto;
    if (CMenuObj* p = Pantalla()) Lista(p, 0, texto);
    return texto;
}

bool CJuegoPrueba::Ventana(float x, float y, int* px, int* py) const { return plat::MainFieldToWindow(x, y, px, py); }

void CJuegoPrueba::MueveRaton(float x, float y)
{
    int px = 0, py = 0;
    if (!Ventana(x, y, &px, &py)) return;
    m_fRatonX = x;
    m_fRatonY = y;
    kit::MueveRaton(px, py);
    Paso();
}

void CJuegoPrueba::BotonRaton(bool abajo) { BotonRaton(0, abajo); }

void CJuegoPrueba::BotonRaton(int boton, bool abajo)
{
    int px = 0, py = 0;
    if (!Ventana(m_fRatonX, m_fRatonY, &px, &py)) return;
    kit::BotonRaton(boton, abajo, px, py);
    Paso();
}

bool CJuegoPrueba::Pulsa(const std::string& nombre)
{
    CMenuObj* p = Busca(nombre);
    if (!p || !p->EsVisible()) return false;
    const Rectangulo& r = p->Rect();
    MueveRaton(r.x + r.ancho / 2.0f, r.y + r.alto / 2.0f);
    BotonRaton(true);
    BotonRaton(false);
    return true;
}

bool CJuegoPrueba::Escribe(const std::string& nombre, const std::string& texto)
{
    if (!Pulsa(nombre)) return false;
    kit::Escribe(texto.c_str());
    Paso();
    return true;
}

void CJuegoPrueba::Tecla(uint8_t tecla)
{
    kit::PulsaTecla(tecla);
    Paso();
    kit::SueltaTecla(tecla);
    Paso();
}

bool CJuegoPrueba::Puntero(float* x, float* y) const
{
    CRaton* pRaton = g_pRatones ? g_pRatones->Raton(0) : nullptr;
    if (!pRaton) return false;
    *x = pRaton->X();
    *y = pRaton->Y();
    return true;
}

bool CJuegoPrueba::DibujaPuntero() const { return g_pAplicacion && g_pAplicacion->DibujaCursores(); }

float CJuegoPrueba::NivelFundido() const { return g_pAplicacion ? g_pAplicacion->NivelFundido() : 0.0f; }

int CJuegoPrueba::AlfaFundido() const { return g_pAplicacion ? g_pAplicacion->AlfaVeloDibujado() : 0; }

std::vector<uint8_t> CJuegoPrueba::Fotograma() const
{
    std::vector<uint8_t> rgba;
    if (!plat::ReadBackBuffer(&rgba)) rgba.clear();
    return rgba;
}

std::string CJuegoPrueba::Musica() const { return g_pAplicacion ? g_pAplicacion->NombreMusica() : ""; }

std::string CJuegoPrueba::MusicaCanal(const char* szCanal) const
{
    return g_pGestorSonido ? g_pGestorSonido->MusicaDeCanal(szCanal) : "";
}

std::vector<std::string> CJuegoPrueba::FicherosUsuario() const
{
    std::vector<std::string> nombres;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(CarpetaUsuario(), ec))
        if (e.is_regular_file()) nombres.push_back(e.path().filename().string());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

bool CJuegoPrueba::ExisteFicheroUsuario(const std::string& nombre) const
{
    std::error_code ec;
    return std::filesystem::is_regular_file(CarpetaUsuario() / nombre, ec);
}

std::string CJuegoPrueba::LeeFicheroUsuario(const std::string& nombre) const
{
    return mgtest::LlegeixFitxer(CarpetaUsuario() / nombre);
}

} // namespace kit
