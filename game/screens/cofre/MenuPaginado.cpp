#include "game/screens/cofre/MenuPaginado.h"

#include "engine/core/GestorFLIs.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;
// The arrows fly in from the centre to either side.
constexpr float kRadioFlechaX = 64.0f, kRadioFlechaY = 128.0f, kEscalaFlecha = 0.5f;
constexpr float kFlechaIzquierdaX = 50.0f, kFlechaDerechaX = 973.0f, kFlechaY = 410.0f;
constexpr int kIdVolver = 0, kIdPrimerHueco = 1;

} // namespace

CMenuPaginado::CMenuPaginado(const Disposicion& d) : m_paginas(d.iPaginas), m_d(d)
{
    m_d.iHuecos = std::clamp(d.iHuecos, 0, kMaxHuecos);
}

CMenuPaginado::~CMenuPaginado()
{
    // A gallery releases its own part in its destructor; what is left here
    // is the shared part.
    if (!m_bCreado) return;
    LiberaSiIniciado();
    LiberaComunes();
    CBaseMenu::Libera();
    m_bCreado = false;
}

// ---------------------------------------------------------------------------
// Decisions

int CMenuPaginado::ElementoDeHueco(int p, int k, int iHuecos, int iElementos)
{
    const int i = iHuecos * p + k;
    return p >= 0 && k >= 0 && k < iHuecos && i < iElementos ? i : -1;
}

int CMenuPaginado::NumHuecosMostrados() const
{
    int n = 0;
    for (CBotonIconoTazmo* p : m_apHuecos)
        if (p && p->EstaCreado() && p->Padre() == this) ++n;
    return n;
}

bool CMenuPaginado::ElementoAbierto() const { return m_pImagen && m_pImagen->Padre() == this; }

bool CMenuPaginado::HuecosEnTransicion() const
{
    for (CBotonIconoTazmo* p : m_apHuecos)
        if (p && p->EstaCreado() && p->EnTransicion()) return true;
    return false;
}

// ---------------------------------------------------------------------------
// Creation and release

void CMenuPaginado::LiberaComunes()
{
    for (CBotonIconoTazmo*& p : m_apHuecos) tazmo::Borra(p);
    tazmo::Borra(m_pAnterior);
    tazmo::Borra(m_pSiguiente);
    tazmo::Borra(m_pImagen);
    tazmo::Borra(m_pBotonVolver);
}

void CMenuPaginado::Libera()
{
    LiberaPropios();
    LiberaComunes();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuPaginado::CreaPaginado(const char* szNombre, const char* szTitulo, const char* szIcono)
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    m_paginas.Reinicia();
    if (!CBaseMenu::Crea(szNombre, szTitulo, nullptr, juego::musica::RAN_MENUS, szIcono, true, true, true))
        return false;
    if (!ConstruyeComunes() || !ConstruyePropios()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuPaginado::ConstruyeComunes()
{
    // The slot icons and the item's icon are made now and set up when used.
    for (int k = 0; k < m_d.iHuecos; ++k)
        if (!(m_apHuecos[k] = new (std::nothrow) CBotonIconoTazmo)) return false;
    if (!(m_pImagen = new (std::nothrow) CBotonIconoTazmo)) return false;
    m_pAnterior = new (std::nothrow) CBotonIconoTazmo;
    m_pSiguiente = new (std::nothrow) CBotonIconoTazmo;
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    const int iAyuda = m_d.szAyudaFlechas ? CodigoFLI(m_d.szAyudaFlechas) : -1;
    if (!m_pAnterior || !m_pSiguiente || !m_pBotonVolver ||
        !m_pAnterior->Inicia(juego::paquete::FLECHA_IZQUIERDA, 0, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY,
                             kFlechaIzquierdaX, kFlechaY, false, kRadioFlechaX, kRadioFlechaY, kEscalaFlecha, iAyuda,
                             0, m_d.iIdAnterior, m_d.szNombreAnterior) ||
        !m_pSiguiente->Inicia(juego::paquete::FLECHA_DERECHA, 0, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY,
                              kFlechaDerechaX, kFlechaY, false, kRadioFlechaX, kRadioFlechaY, kEscalaFlecha, iAyuda,
                              0, m_d.iIdSiguiente, m_d.szNombreSiguiente) ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MP05),
                                CodigoFLI(juego::texto::BLOQ), -1, -1, 0, kIdVolver, m_d.szNombreVolver))
        return false;
    AnadeHijo(false, m_pAnterior, false, false);
    AnadeHijo(false, m_pSiguiente, false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    return true;
}

// ---------------------------------------------------------------------------
// Pages

void CMenuPaginado::ConstruyePagina(int p)
{
    for (int k = 0; k < m_d.iHuecos; ++k) {
        CBotonIconoTazmo* pIcono = m_apHuecos[k];
        const int i = ElementoDeHueco(p, k);
        if (i < 0) {
            pIcono->LiberaSiCreado();
            continue;
        }
        if (IniciaHueco(pIcono, k, i)) AnadeHijo(true, pIcono, false, false);
    }
}

void CMenuPaginado::QuitaPagina()
{
    for (CBotonIconoTazmo* p : m_apHuecos)
        if (p && p->Padre() == this) QuitaHijo(false, p);
}

void CMenuPaginado::Actualiza()
{
    if (m_bCreado) {
        switch (m_paginas.Paso(HuecosEnTransicion(), ElementoAbierto())) {
        case CPaginacion::CONSTRUYE_PAGINA: ConstruyePagina(m_paginas.Pagina()); break;
        case CPaginacion::ABRE_ELEMENTO: {
            const int k = m_paginas.Elegido();
            const int i = ElementoDeHueco(m_paginas.Pagina(), k);
            if (i >= 0 && AbreElemento(k, i)) AnadeHijo(true, m_pImagen, false, false);
            break;
        }
        case CPaginacion::QUITA_PAGINA: QuitaPagina(); break;
        case CPaginacion::NADA: break;
        }
    }
    CBaseMenu::Actualiza();
}

void CMenuPaginado::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO || !m_bCreado) return;
    if (iIdEmisor == kIdVolver) {
        if (CMenuObj* pDestino = DestinoVolver(); pDestino && g_pMenuMaestro) g_pMenuMaestro->CambiaMenu(pDestino);
    } else if (iIdEmisor >= kIdPrimerHueco && iIdEmisor < kIdPrimerHueco + m_d.iHuecos) {
        m_paginas.Elige(iIdEmisor - kIdPrimerHueco);
    } else if (iIdEmisor == m_d.iIdAnterior) {
        m_paginas.PideAnterior();
    } else if (iIdEmisor == m_d.iIdSiguiente) {
        m_paginas.PideSiguiente();
    } else if (iIdEmisor == m_d.iIdImagen) {
        QuitaHijo(false, m_pImagen);
    }
}
