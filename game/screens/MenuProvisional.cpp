#include "game/screens/MenuProvisional.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuOpcionesTazmo.h"
#include "game/screens/MenuPresentacion.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/cofre/MenuPersonajes.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

// The back button sits in the bottom-right corner, as on every menu.
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;
constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
const int32_t kTextoBloqueado = CodigoFLI(juego::texto::BLOQ);
// The name over the title bar's pill, the note in the middle.
constexpr int kFuenteTitulo = 1;
constexpr float kTituloX = 612.0f, kTituloY = 80.0f;
constexpr float kTituloAncho = 600.0f, kTituloAlto = 64.0f;
constexpr int kFuenteNota = 1;
constexpr float kNotaX = 512.0f, kNotaY = 360.0f;
constexpr float kNotaAncho = 800.0f, kNotaAlto = 96.0f;
constexpr int kFormatoCentrado = 9;

Sprite* Texto(int iFuente, const char* szLiteral, int iCodigo, float w, float h)
{
    if (!g_pSistema2D) return nullptr;
    return g_pSistema2D->CreaSpriteText(iFuente, szLiteral, szLiteral ? -1 : iCodigo, kFormatoCentrado, 1.0f, 1.0f, w,
                                        h, w / 2.0f, h / 2.0f, 0.0f, 0.0f, -1.0f, -1.0f, false);
}

void Suelta(Sprite*& p)
{
    if (p && g_pSistema2D) g_pSistema2D->AlliberaSprite(p, false);
    p = nullptr;
}

void Marca(Sprite* p, bool bEnUso)
{
    if (!p || !g_pSistema2D) return;
    if (bEnUso)
        g_pSistema2D->MarcaSpriteEnUs(p);
    else
        g_pSistema2D->DesmarcaSpriteEnUs(p);
}

void DibujaTexto(Sprite* pDestino, Sprite* p, float x, float y, float fProgreso)
{
    if (!p || !g_pSistema2D) return;
    const int iAlfa = std::clamp(static_cast<int>(fProgreso * 255.0f), 0, 255);
    g_pSistema2D->DibuixaSpriteEX(pDestino, p, x, y, false, iAlfa, 0.0f, 1.0f, 1.0f);
}

} // namespace

CMenuProvisional::AccionVolver CMenuProvisional::DecideVolver(bool bHijoDeOtra, bool bSeCierraSolo,
                                                             const CMenuObj* pDestino)
{
    if (bHijoDeOtra || bSeCierraSolo) return VOLVER_CIERRA;
    return pDestino ? VOLVER_CAMBIA : VOLVER_NADA;
}

CMenuProvisional::~CMenuProvisional() { LiberaPropios(); }

void CMenuProvisional::LiberaPropios()
{
    delete m_pBotonVolver;
    m_pBotonVolver = nullptr;
    Suelta(m_pTitulo);
    Suelta(m_pNota);
}

void CMenuProvisional::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
}

bool CMenuProvisional::CreaProvisional(const char* szNombre, const char* szTitulo, const char* szCodigoVolver)
{
    LiberaPropios();
    if (!CBaseMenu::Crea(szNombre, nullptr, nullptr, juego::musica::RAN_MENUS, nullptr, true, true, true)) return false;
    // Widgets are named after their screen in capitals.
    std::string sBoton = szNombre ? szNombre : "";
    for (char& c : sBoton) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    sBoton += "_BUT_Volver";
    m_pBotonVolver = new CBotonTazmo;
    if (!m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(szCodigoVolver),
                                kTextoBloqueado, -1, -1, 0, ID_VOLVER, sBoton.c_str())) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    AnadeHijo(false, m_pBotonVolver, false, false);
    PonCancelar(m_pBotonVolver);
    m_pTitulo = Texto(kFuenteTitulo, szTitulo, -1, kTituloAncho, kTituloAlto);
    m_pNota = Texto(kFuenteNota, nullptr, CodigoFLI(juego::texto::PROV), kNotaAncho, kNotaAlto);
    return true;
}

bool CMenuProvisional::CreaProvisional(const char* szNombre, const char* szTitulo)
{
    return CreaProvisional(szNombre, szTitulo, juego::texto::MP05);
}

void CMenuProvisional::Volver()
{
    const bool bHijoDeOtra = Padre() && Padre() != g_pMenuMaestro;
    CMenuObj* pDestino = bHijoDeOtra || SeCierraSolo() ? nullptr : PreparaVolver();
    switch (DecideVolver(bHijoDeOtra, SeCierraSolo(), pDestino)) {
    case VOLVER_CIERRA:
        Cierra(false);
        break;
    case VOLVER_CAMBIA:
        if (g_pMenuMaestro) g_pMenuMaestro->CambiaMenu(pDestino);
        break;
    case VOLVER_NADA:
        break;
    }
}

CMenuObj* CMenuProvisional::Principal() { return g_pMenuMaestro ? g_pMenuMaestro->m_pMenuPrincipal : nullptr; }
CMenuObj* CMenuProvisional::Opciones() { return g_pMenuMaestro ? g_pMenuMaestro->m_pMenuOpciones : nullptr; }
CMenuObj* CMenuProvisional::Presentacion() { return g_pMenuMaestro ? g_pMenuMaestro->m_pMenuPresentacion : nullptr; }
CMenuObj* CMenuProvisional::Cofre() { return g_pMenuMaestro ? g_pMenuMaestro->m_pMenuCofreTesoro : nullptr; }
CMenuObj* CMenuProvisional::Personajes() { return g_pMenuMaestro ? g_pMenuMaestro->m_pMenuPersonajes : nullptr; }

CMenuObj* CMenuProvisional::PerfilEnModoEleccion()
{
    return g_pMenuMaestro ? g_pMenuMaestro->PerfilParaElegir() : nullptr;
}

void CMenuProvisional::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo == EVENTO_PULSADO) {
        if (iIdEmisor == ID_VOLVER) {
            Volver();
            return;
        }
        if (TrataPulsado(iIdEmisor)) return;
    }
    CBaseMenu::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
}

void CMenuProvisional::DibujaContenido(Sprite* pDestino)
{
    DibujaTexto(pDestino, m_pNota, kNotaX, kNotaY, ProgresoApertura());
}

void CMenuProvisional::DibujaEncima(Sprite* pDestino)
{
    DibujaTexto(pDestino, m_pTitulo, kTituloX, kTituloY, ProgresoApertura());
}

void CMenuProvisional::CargaRecursos()
{
    if (RecursosCargados()) return;
    Marca(m_pTitulo, true);
    Marca(m_pNota, true);
    CBaseMenu::CargaRecursos();
}

void CMenuProvisional::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    Marca(m_pTitulo, false);
    Marca(m_pNota, false);
    CBaseMenu::DescargaRecursos();
}
