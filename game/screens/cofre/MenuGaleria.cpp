#include "game/screens/cofre/MenuGaleria.h"

#include "engine/core/GestorFLIs.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/story/ImagenSecTazmo.h"

#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;

struct Punto {
    float x, y;
};
const Punto kPosHuecos[CMenuGaleria::kHuecos] = {
    {256.0f, 220.0f}, {512.0f, 220.0f}, {768.0f, 220.0f}, {256.0f, 400.0f}, {512.0f, 400.0f},
    {768.0f, 400.0f}, {256.0f, 580.0f}, {512.0f, 580.0f}, {768.0f, 580.0f},
};
// A thumbnail's hit area; the arrows' and the full picture's.
constexpr float kRadioMiniaturaX = 90.0f, kRadioMiniaturaY = 65.0f;
constexpr float kRadioFlechaX = 64.0f, kRadioFlechaY = 128.0f, kEscalaFlecha = 0.5f;
constexpr float kFlechaIzquierdaX = 50.0f, kFlechaDerechaX = 973.0f, kFlechaY = 410.0f;

// The thumbnails in gallery order: backgrounds 0..16, illustrations 17..27,
// vignettes 28..44, as the scenes' picture table numbers them.
const char* const kMiniaturas[CMenuGaleria::kElementos] = {
    juego::paquete::MINI_FONDO_MAIDA,
    juego::paquete::MINI_FONDO_ALDUNIA,
    juego::paquete::MINI_FONDO_ADELETIA,
    juego::paquete::MINI_FONDO_PASILLOS,
    juego::paquete::MINI_FONDO_PRISION,
    juego::paquete::MINI_FONDO_JARDIN,
    juego::paquete::MINI_FONDO_COCINAS,
    juego::paquete::MINI_FONDO_LABORATORIO,
    juego::paquete::MINI_FONDO_IRINA,
    juego::paquete::MINI_FONDO_NEGRO,
    juego::paquete::MINI_FONDO_BLANCO,
    juego::paquete::MINI_FONDO_LIMBO,
    juego::paquete::MINI_FONDO_LIMBO_MALVADO,
    juego::paquete::MINI_FONDO_ADELETIA_DIA,
    juego::paquete::MINI_FONDO_PASILLOS_DIA,
    juego::paquete::MINI_FONDO_MAIDA_NOCHE,
    juego::paquete::MINI_FONDO_JARDIN_TARDE,
    juego::paquete::MINI_ALDUNIA_VENENO,
    juego::paquete::MINI_ASESINO_HUYENDO,
    juego::paquete::MINI_ASESINO_IRINA_VENENO,
    juego::paquete::MINI_IRINA_DESCUBRE_MAIDA,
    juego::paquete::MINI_MAIDA_BEBE_VENENO,
    juego::paquete::MINI_MAIDA_DESPIERTA,
    juego::paquete::MINI_MAIDA_VENCE_TERESIA,
    juego::paquete::MINI_STOKINNEN_CAMBIA_NINYAS,
    juego::paquete::MINI_STOKINNEN_INVOCA_SELLO,
    juego::paquete::MINI_STOKINNEN_MAIDA_JUEGAN,
    juego::paquete::MINI_TUMBA_REINA,
    juego::paquete::MINI_VINY_MANO_MAIDA,
    juego::paquete::MINI_VINY_ADELETIA_COGE_MANO,
    juego::paquete::MINI_VINY_ALDUNIA_COGE_MANO,
    juego::paquete::MINI_VINY_ALFATIMA_COGE_MANO,
    juego::paquete::MINI_VINY_VENENO,
    juego::paquete::MINI_VINY_ANTIDOTO,
    juego::paquete::MINI_VINY_BARRO_EN_CALZADO,
    juego::paquete::MINI_VINY_CANDELABRO,
    juego::paquete::MINI_VINY_CANDIL_EN_VENTANA,
    juego::paquete::MINI_VINY_MAIDA_BEBE_ANTIDOTO,
    juego::paquete::MINI_VINY_MAIDA_EN_CAMA,
    juego::paquete::MINI_VINY_BOLSITA_MAIDA,
    juego::paquete::MINI_VINY_MAIDA_RECUPERA_EL_COLOR,
    juego::paquete::MINI_VINY_MAIDA_SUFRIENDO,
    juego::paquete::MINI_VINY_STOKINNEN_HUELE_TAZA,
    juego::paquete::MINI_VINY_PLATO_VACIO,
    juego::paquete::MINI_VINY_HUEVOS_REVUELTOS
};

} // namespace

// ---------------------------------------------------------------------------
// Decisions

int CMenuGaleria::ElementoDeHueco(int p, int k)
{
    const int i = kHuecos * p + k;
    return p >= 0 && k >= 0 && k < kHuecos && i < kElementos ? i : -1;
}

const char* CMenuGaleria::Miniatura(int i) { return i >= 0 && i < kElementos ? kMiniaturas[i] : nullptr; }

const char* CMenuGaleria::Imagen(int i) { return i >= 0 && i < kElementos ? FilaImagen(i).paquete : nullptr; }

std::string CMenuGaleria::Marcador(int i) { return "MGaleria_" + std::to_string(i); }

int CMenuGaleria::NumHuecosMostrados() const
{
    int n = 0;
    for (CBotonIconoTazmo* p : m_apHuecos)
        if (p && p->EstaCreado() && p->Padre() == this) ++n;
    return n;
}

bool CMenuGaleria::ImagenAbierta() const { return m_pImagen && m_pImagen->Padre() == this; }

bool CMenuGaleria::HuecosEnTransicion() const
{
    for (CBotonIconoTazmo* p : m_apHuecos)
        if (p && p->EstaCreado() && p->EnTransicion()) return true;
    return false;
}

// ---------------------------------------------------------------------------
// Creation and release

CMenuGaleria::~CMenuGaleria()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuGaleria::LiberaPropios()
{
    for (CBotonIconoTazmo*& p : m_apHuecos) tazmo::Borra(p);
    tazmo::Borra(m_pAnterior);
    tazmo::Borra(m_pSiguiente);
    tazmo::Borra(m_pImagen);
    tazmo::Borra(m_pBotonVolver);
}

void CMenuGaleria::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuGaleria::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    m_paginas.Reinicia();
    if (!CBaseMenu::Crea("MenuGaleria", juego::paquete::TITULO_GALERIA, nullptr, juego::musica::RAN_MENUS,
                         juego::paquete::ICO_GALERIA, true, true, true))
        return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuGaleria::Construye()
{
    // The slot icons and the picture are made now and set up when used.
    for (CBotonIconoTazmo*& p : m_apHuecos)
        if (!(p = new (std::nothrow) CBotonIconoTazmo)) return false;
    if (!(m_pImagen = new (std::nothrow) CBotonIconoTazmo)) return false;
    m_pAnterior = new (std::nothrow) CBotonIconoTazmo;
    m_pSiguiente = new (std::nothrow) CBotonIconoTazmo;
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    const int iAyuda = CodigoFLI(juego::texto::MP01);
    if (!m_pAnterior || !m_pSiguiente || !m_pBotonVolver ||
        !m_pAnterior->Inicia(juego::paquete::FLECHA_IZQUIERDA, 0, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY,
                             kFlechaIzquierdaX, kFlechaY, false, kRadioFlechaX, kRadioFlechaY, kEscalaFlecha, iAyuda,
                             0, ID_ANTERIOR, "MenuPersonajes_BUT_Anterior") ||
        !m_pSiguiente->Inicia(juego::paquete::FLECHA_DERECHA, 0, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY,
                              kFlechaDerechaX, kFlechaY, false, kRadioFlechaX, kRadioFlechaY, kEscalaFlecha, iAyuda,
                              0, ID_SIGUIENTE, "MenuPersonajes_BUT_Anterior") ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MP05),
                                CodigoFLI(juego::texto::BLOQ), -1, -1, 0, ID_VOLVER, "MenuPersonajes_BUT_Volver"))
        return false;
    AnadeHijo(false, m_pAnterior, false, false);
    AnadeHijo(false, m_pSiguiente, false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    return true;
}

// ---------------------------------------------------------------------------
// Pages

void CMenuGaleria::ConstruyePagina(int p)
{
    const int iAyuda = CodigoFLI(juego::texto::GA00);
    for (int k = 0; k < kHuecos; ++k) {
        CBotonIconoTazmo* pIcono = m_apHuecos[k];
        const int i = ElementoDeHueco(p, k);
        if (i < 0) {
            pIcono->LiberaSiCreado();
            continue;
        }
        if (!pIcono->Inicia(kMiniaturas[i], 0, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY, kPosHuecos[k].x,
                            kPosHuecos[k].y, true, kRadioMiniaturaX, kRadioMiniaturaY, 1.0f, iAyuda, 0,
                            ID_PRIMER_HUECO + k, Marcador(i).c_str()))
            continue;
        AnadeHijo(true, pIcono, false, false);
    }
}

void CMenuGaleria::QuitaPagina()
{
    for (CBotonIconoTazmo* p : m_apHuecos)
        if (p && p->Padre() == this) QuitaHijo(false, p);
}

void CMenuGaleria::AbreElemento(int k)
{
    const int i = ElementoDeHueco(m_paginas.Pagina(), k);
    const char* szImagen = Imagen(i);
    if (!szImagen ||
        !m_pImagen->Inicia(szImagen, 0, kSonidoFoco, kSonidoPulsar, kPosHuecos[k].x, kPosHuecos[k].y, kCentroX, kCentroY,
                           true, kCentroX, kCentroY, 1.0f, -1,
                           CBotonIconoTazmo::PULSACION_CORTA | CBotonIconoTazmo::SIN_CRECER, ID_IMAGEN,
                           "MenuPersonajes_BUT_Imagen"))
        return;
    AnadeHijo(true, m_pImagen, false, false);
}

void CMenuGaleria::Actualiza()
{
    if (m_bCreado) {
        switch (m_paginas.Paso(HuecosEnTransicion(), ImagenAbierta())) {
        case CPaginacion::CONSTRUYE_PAGINA: ConstruyePagina(m_paginas.Pagina()); break;
        case CPaginacion::ABRE_ELEMENTO: AbreElemento(m_paginas.Elegido()); break;
        case CPaginacion::QUITA_PAGINA: QuitaPagina(); break;
        case CPaginacion::NADA: break;
        }
    }
    CBaseMenu::Actualiza();
}

void CMenuGaleria::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO || !m_bCreado) return;
    if (iIdEmisor == ID_VOLVER) {
        if (g_pMenuMaestro)
            g_pMenuMaestro->CambiaMenu(CMenuCofreTesoro::DestinoVolver(m_pMenuRetorno, g_pMenuMaestro->m_pMenuCofreTesoro));
    } else if (iIdEmisor >= ID_PRIMER_HUECO && iIdEmisor < ID_PRIMER_HUECO + kHuecos) {
        m_paginas.Elige(iIdEmisor - ID_PRIMER_HUECO);
    } else if (iIdEmisor == ID_ANTERIOR) {
        m_paginas.PideAnterior();
    } else if (iIdEmisor == ID_SIGUIENTE) {
        m_paginas.PideSiguiente();
    } else if (iIdEmisor == ID_IMAGEN) {
        QuitaHijo(false, m_pImagen);
    }
}
