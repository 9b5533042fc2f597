#include "game/screens/MenuPresentacionCapitulo.h"

#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sprite.h"
#include "game/CatalogoJuego.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/RegistroPerfil.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/Personajes.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <cmath>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr const char* kNombreBoton = "MENUMODOHISTORIA_BUT_Jugar";
constexpr const char* kCanalFanfarria = "CANAL_FANFARRIAS_ODL";

constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kBotonY = 712.0f, kBotonesY = 710.0f;
constexpr float kUnBotonX = 512.0f, kJugarX = 256.0f, kSaltarX = 768.0f;
constexpr float kZoomInicial = 0.7f, kPasoZoom = 0.02f;
// The drift starts at the float nearest pi/2.
constexpr float kAnguloInicial = 1.5707964f, kPasoAngulo = 0.001f;
// The silhouettes behind: tinted, at half the card's alpha, twice the size.
constexpr uint8_t kTinteR = 215, kTinteG = 5, kTinteB = 96;
constexpr float kEscalaSilueta = 2.0f;
constexpr float kSiluetaIzqX = 356.0f, kSiluetaDerX = 668.0f, kSiluetaY = 1024.0f, kDeriva = 256.0f;
constexpr float kPersonajeIzqX = CMenuPresentacionCapitulo::kPersonajeIzqX;
constexpr float kPersonajeDerX = CMenuPresentacionCapitulo::kPersonajeDerX;
constexpr float kPersonajeY = CMenuPresentacionCapitulo::kPersonajeY;

// The title's scale at zoom 1: its own size, or less to keep between the
// characters.
float EscalaTitulo(CSPM* p)
{
    const Sprite* s = p ? p->GetSprite(1) : nullptr;
    const float w = s ? s->GetAmplada() : 0.0f;
    return w > CMenuPresentacionCapitulo::kAnchoTitulo ? CMenuPresentacionCapitulo::kAnchoTitulo / w : 1.0f;
}

} // namespace

const std::array<CMenuPresentacionCapitulo::FilaCapitulo, CMenuPresentacionCapitulo::kNumCapitulos>
    CMenuPresentacionCapitulo::Capitulos = {{
        {juego::paquete::FONDO_JARDIN, juego::paquete::TEXTO_CAPITULO_01, 7, 6, "Tuto01"},
        {juego::paquete::FONDO_PRISION, juego::paquete::TEXTO_CAPITULO_02, 2, 5, "Tuto02"},
        {juego::paquete::FONDO_COCINAS, juego::paquete::TEXTO_CAPITULO_03, 6, 1, "Tuto03"},
        {juego::paquete::FONDO_ADELETIA, juego::paquete::TEXTO_CAPITULO_04, 2, 0, "Tuto04"},
        {juego::paquete::FONDO_MAIDA, juego::paquete::TEXTO_CAPITULO_05, 6, 1, "Tuto05"},
        {juego::paquete::FONDO_LABORATORIO, juego::paquete::TEXTO_CAPITULO_06, 7, 2, "Tuto06"},
        {juego::paquete::FONDO_PASILLOS, juego::paquete::TEXTO_CAPITULO_07, 7, 3, "Tuto07"},
        {juego::paquete::FONDO_LIMBO, juego::paquete::TEXTO_CAPITULO_08, 6, 8, "Tuto08"},
        {juego::paquete::FONDO_LIMBO, juego::paquete::TEXTO_CAPITULO_09, 4, 3, "Tuto09"},
        {juego::paquete::FONDO_LIMBO, juego::paquete::TEXTO_CAPITULO_10, 7, 8, "Tuto10"},
        {juego::paquete::FONDO_MAIDA, juego::paquete::TEXTO_CAPITULO_11, 6, 8, "Tuto11"},
        {juego::paquete::FONDO_BLANCO, juego::paquete::TEXTO_CAPITULO_12, 8, 6, "Tuto12"},
    }};

CMenuPresentacionCapitulo::~CMenuPresentacionCapitulo()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuPresentacionCapitulo::InicializaCampos()
{
    m_iIzquierda = m_iDerecha = -1;
    m_iCapitulo = -1;
    m_fAngulo = kAnguloInicial;
    m_pSPMFondo = m_pSPMElemsTitulo = m_pSPMElemsCarta = m_pSPMTexto = nullptr;
    m_apPersonajes.fill(nullptr);
    m_iContadorApertura = 0;
    m_iAlfa = 0;
    m_fZoom = 0.0f;
    m_iPasos = 0;
    m_pBotonJugar = m_pBotonSaltar = nullptr;
    m_bTerminado = m_bJugarYa = false;
}

void CMenuPresentacionCapitulo::LiberaPropios()
{
    for (CSPM** pp : {&m_pSPMFondo, &m_pSPMElemsTitulo, &m_pSPMElemsCarta, &m_pSPMTexto}) tazmo::BorraSPM(*pp);
    for (CSPM*& p : m_apPersonajes) tazmo::BorraSPM(p);
    tazmo::Borra(m_pBotonJugar);
    tazmo::Borra(m_pBotonSaltar);
}

void CMenuPresentacionCapitulo::Libera()
{
    LiberaPropios();
    m_bCreado = false;
}

bool CMenuPresentacionCapitulo::Crea(int iCapitulo)
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (iCapitulo < 0 || iCapitulo >= kNumCapitulos) return false;
    if (!CMenuObj::Inicia(-1, "MenuPresCapitulo", Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    auto falla = [this] {
        LiberaSiIniciado();
        Libera();
        return false;
    };
    m_iCapitulo = iCapitulo;
    const FilaCapitulo& c = Capitulos[static_cast<size_t>(iCapitulo)];
    m_iIzquierda = c.iIzquierda;
    m_iDerecha = c.iDerecha;
    if (!(m_pSPMFondo = tazmo::CopiaSPM(c.szFondo))) return falla();
    if (!(m_pSPMElemsTitulo = tazmo::CopiaSPM(juego::paquete::ELEMS_TITULO_MENU_FLOTANTE))) return falla();
    if (!(m_pSPMElemsCarta = tazmo::CopiaSPM(juego::paquete::ELEMS_INTRO_CAPITULO))) return falla();
    if (!(m_pSPMTexto = tazmo::CopiaSPM(c.szTexto))) return falla();
    const int32_t iBloq = CodigoFLI(juego::texto::BLOQ);
    m_pBotonJugar = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonJugar || !m_pBotonJugar->Inicia(kSonidoFoco, kSonidoPulsar, kUnBotonX, kBotonY,
                                                 CodigoFLI(juego::texto::CZ20), iBloq, -1, -1, 0, ID_JUGAR,
                                                 kNombreBoton))
        return falla();
    m_pBotonSaltar = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonSaltar || !m_pBotonSaltar->Inicia(kSonidoFoco, kSonidoPulsar, kUnBotonX, kBotonY,
                                                   CodigoFLI(juego::texto::CZ21), iBloq, -1, -1, 0, ID_SALTAR,
                                                   kNombreBoton))
        return falla();
    for (int k : {m_iIzquierda, m_iDerecha}) {
        CSPM*& p = m_apPersonajes[static_cast<size_t>(k)];
        if (p) continue;
        if (!(p = tazmo::CopiaSPM(CMenuModoHistoria::RetratosMapa[static_cast<size_t>(k)].szPaquete))) return falla();
    }
    m_bCreado = true;
    return true;
}

bool CMenuPresentacionCapitulo::EnTransicion() { return m_iContadorApertura != 0 || CMenuObj::EnTransicion(); }

void CMenuPresentacionCapitulo::IniciaTransicion(bool bEntrada)
{
    if (bEntrada) {
        m_bTerminado = false;
        m_fZoom = kZoomInicial;
        m_iPasos = 0;
        m_iContadorApertura = kPasosApertura;
        m_iAlfa = 0;
    } else {
        m_iContadorApertura = -kPasosApertura;
    }
    CMenuObj::IniciaTransicion(bEntrada);
}

void CMenuPresentacionCapitulo::Actualiza()
{
    ++m_iPasos;
    const int g = m_iContadorApertura;
    if (g > 0) {
        m_fZoom += kPasoZoom;
        m_iContadorApertura = g - 1;
        m_iAlfa = static_cast<uint8_t>((16 - g) * 255 / 15);
        if (g_pGestorSonido)
            g_pGestorSonido->TocaRanuraMusica(juego::musica::RAN_FANFARRIA_PRESENTACION_CAPITULO, kCanalFanfarria, 1);
    } else if (g < 0) {
        m_iContadorApertura = g + 1;
        m_fZoom -= kPasoZoom;
        m_iAlfa = static_cast<uint8_t>((g + 1) * -255 / 15);
    }
    m_fAngulo += kPasoAngulo;
    if (m_iPasos == kPasosBotones && m_bCreado && m_iCapitulo >= 0) {
        const char* szMarcador = Capitulos[static_cast<size_t>(m_iCapitulo)].szMarcador;
        RegistroPerfil* pPerfil = PerfilActualJuego();
        if (pPerfil && pPerfil->EstaDesbloqueado(szMarcador)) {
            m_pBotonJugar->ColocaEnCentro(kJugarX, kBotonesY);
            m_pBotonSaltar->ColocaEnCentro(kSaltarX, kBotonesY);
            AnadeHijo(false, m_pBotonJugar, false, false);
            AnadeHijo(false, m_pBotonSaltar, false, false);
        } else {
            m_pBotonJugar->ColocaEnCentro(kUnBotonX, kBotonesY);
            if (CGestorDesbloqueos* d = g_pMenuMaestro ? g_pMenuMaestro->GestorDesbloqueos() : nullptr)
                d->Desbloquea(szMarcador, false);
            AnadeHijo(false, m_pBotonJugar, false, false);
        }
    }
    CMenuObj::Actualiza();
}

void CMenuPresentacionCapitulo::PonEnfocado(bool bEnfocado) { CMenuObj::PonEnfocado(bEnfocado); }

void CMenuPresentacionCapitulo::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    // The card's two buttons are all it answers; nothing goes further up.
    if (iTipo != EVENTO_PULSADO || (iIdEmisor != ID_JUGAR && iIdEmisor != ID_SALTAR)) return;
    m_bJugarYa = iIdEmisor == ID_JUGAR;
    m_bTerminado = true;
}

void CMenuPresentacionCapitulo::CargaRecursos()
{
    if (RecursosCargados()) return;
    for (CSPM* p : {m_pSPMFondo, m_pSPMElemsTitulo, m_pSPMElemsCarta, m_pSPMTexto}) tazmo::MarcaSPM(p, true);
    for (CSPM* p : m_apPersonajes) tazmo::MarcaSPM(p, true);
    CMenuObj::CargaRecursos();
}

void CMenuPresentacionCapitulo::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    for (CSPM* p : {m_pSPMFondo, m_pSPMElemsTitulo, m_pSPMElemsCarta, m_pSPMTexto}) tazmo::MarcaSPM(p, false);
    for (CSPM* p : m_apPersonajes) tazmo::MarcaSPM(p, false);
    CMenuObj::DescargaRecursos();
}

bool CMenuPresentacionCapitulo::CajaTitulo(float* x0, float* y0, float* x1, float* y1) const
{
    const Sprite* s = m_pSPMTexto ? m_pSPMTexto->GetSprite(1) : nullptr;
    if (!s) return false;
    const float e = EscalaTitulo(m_pSPMTexto);
    *x0 = 512.0f - s->m_fHotspotX * e;
    *y0 = kTituloY - s->m_fHotspotY * e;
    *x1 = *x0 + s->GetAmplada() * e;
    *y1 = *y0 + s->GetAlcada() * e;
    return true;
}

void CMenuPresentacionCapitulo::DibujaPersonaje(Sprite* pDestino, int k, float x, float y, float o)
{
    if (k < 0 || k >= kNumPersonajes) return;
    const Personaje* pPersonaje = BuscaPersonaje(CMenuModoHistoria::RetratosMapa[static_cast<size_t>(k)].szPersonaje);
    if (!pPersonaje) return;
    tazmo::DibujaFiguraCompleta(m_apPersonajes[static_cast<size_t>(k)], *pPersonaje, pDestino, x, y, o);
}

void CMenuPresentacionCapitulo::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    if (!m_bCreado) {
        CMenuObj::Dibuja(pHastaHijo, pDestino);
        return;
    }
    m_pSPMFondo->PonColor(kTinteR, kTinteG, kTinteB);
    m_pSPMFondo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);

    const float fDeriva = std::trunc(kDeriva * std::cos(m_fAngulo));
    for (int k : {m_iIzquierda, m_iDerecha})
        if (CSPM* p = k >= 0 ? m_apPersonajes[static_cast<size_t>(k)] : nullptr) {
            p->PonColor(kTinteR, kTinteG, kTinteB);
            p->PonAlfa(static_cast<uint8_t>(m_iAlfa / 2));
        }
    DibujaPersonaje(pDestino, m_iIzquierda, kSiluetaIzqX, kSiluetaY + fDeriva, kEscalaSilueta);
    DibujaPersonaje(pDestino, m_iDerecha, kSiluetaDerX, kSiluetaY - fDeriva, kEscalaSilueta);

    m_pSPMElemsCarta->PonAlfa(m_iAlfa);
    m_pSPMElemsCarta->PonEscala(m_fZoom, m_fZoom);
    m_pSPMElemsCarta->DibujaSpriteEnDestino(pDestino, 0, 512.0f, 225.0f);
    m_pSPMElemsCarta->DibujaSpriteEnDestino(pDestino, 1, 512.0f, 685.0f);

    m_pSPMElemsTitulo->PonAlfa(m_iAlfa);
    m_pSPMElemsTitulo->PonEscala(1.0f, 1.0f);
    m_pSPMElemsTitulo->DesactivaEspejo();
    for (int i = 0; i < 8; ++i) m_pSPMElemsTitulo->DibujaSpriteEnDestino(pDestino, 0, 128.0f * i, 36.0f);
    m_pSPMElemsTitulo->PonEscala(m_fZoom, m_fZoom);
    m_pSPMElemsTitulo->ActivaEspejo();
    m_pSPMElemsTitulo->DibujaSpriteEnDestino(pDestino, 1, 128.0f, 100.0f);
    m_pSPMElemsTitulo->DesactivaEspejo();
    m_pSPMElemsTitulo->DibujaSpriteEnDestino(pDestino, 1, 896.0f, 100.0f);

    for (int k : {m_iIzquierda, m_iDerecha})
        if (CSPM* p = k >= 0 ? m_apPersonajes[static_cast<size_t>(k)] : nullptr) {
            p->PonColor(255, 255, 255);
            p->PonAlfa(m_iAlfa);
        }
    DibujaPersonaje(pDestino, m_iIzquierda, kPersonajeIzqX, kPersonajeY, 1.0f);
    DibujaPersonaje(pDestino, m_iDerecha, kPersonajeDerX, kPersonajeY, 1.0f);

    m_pSPMTexto->PonAlfa(m_iAlfa);
    m_pSPMTexto->PonEscala(2.0f * m_fZoom, 2.0f * m_fZoom);
    m_pSPMTexto->DibujaSpriteEnDestino(pDestino, 0, 512.0f, 100.0f);
    const float e = EscalaTitulo(m_pSPMTexto) * m_fZoom;
    m_pSPMTexto->PonEscala(e, e);
    m_pSPMTexto->DibujaSpriteEnDestino(pDestino, 1, 512.0f, kTituloY);
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}
