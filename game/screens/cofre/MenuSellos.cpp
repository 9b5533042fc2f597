#include "game/screens/cofre/MenuSellos.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sprite.h"
#include "game/CatalogoJuego.h"
#include "game/play/Figuras.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"

#include <algorithm>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kDosPi = 6.2831853f;

struct Punto {
    float x, y;
};
const Punto kPosHuecos[CMenuSellos::kHuecos] = {
    {256.0f, 300.0f}, {512.0f, 300.0f}, {768.0f, 300.0f}, {256.0f, 560.0f}, {512.0f, 560.0f}, {768.0f, 560.0f},
};
constexpr float kRadioSello = 128.0f, kEscalaSello = 0.5f;
// The veil that closes the view: a small black square scaled over the field.
constexpr float kRadioVelo = 30.0f, kEscalaVelo = 35.0f;
// The small circles behind the page's seals; the dark backdrop of the view.
constexpr float kEscalaCirculoHueco = 0.4f;
constexpr float kAnchoFondo = 1100.0f, kAltoFondo = 850.0f;
constexpr float kAlfaFondo = 200.0f;

struct FilaSello {
    const char* szPaquete;
    const char* szCodigo;
};
// In gallery order.
const FilaSello kSellos[CMenuSellos::kElementos] = {
    {juego::paquete::SELLO_01_ELVENENO, juego::texto::SE01},
    {juego::paquete::SELLO_02_LASOSPECHA, juego::texto::SE02},
    {juego::paquete::SELLO_08_ELESCUDO, juego::texto::SE08},
    {juego::paquete::SELLO_03_ELPAN, juego::texto::SE03},
    {juego::paquete::SELLO_06_LARISA, juego::texto::SE06},
    {juego::paquete::SELLO_09_LADUDA, juego::texto::SE09},
    {juego::paquete::SELLO_18_19_LAAMISTAD, juego::texto::SE18},
    {juego::paquete::SELLO_21_ELMIEDO, juego::texto::SE21},
    {juego::paquete::SELLO_24_LABURLA, juego::texto::SE24},
    {juego::paquete::SELLO_05_LATRISTEZA, juego::texto::SE05},
    {juego::paquete::SELLO_13_LAENVIDIA, juego::texto::SE13},
    {juego::paquete::SELLO_20_LAALEGRIA, juego::texto::SE20},
    {juego::paquete::SELLO_12_ELENFADO, juego::texto::SE12},
    {juego::paquete::SELLO_25_LAGUERRADEPODERES, juego::texto::SE25},
    {juego::paquete::SELLO_29_LAAUTORIDAD, juego::texto::SE29},
    {juego::paquete::SELLO_30_LAINOCENCIA, juego::texto::SE30},
    {juego::paquete::SELLO_14_LAINTRIGA, juego::texto::SE14},
    {juego::paquete::SELLO_28_ELGRITO, juego::texto::SE28},
    {juego::paquete::SELLO_23_LAPESADILLA, juego::texto::SE23},
    {juego::paquete::SELLO_17_LAFUERZA, juego::texto::SE17},
    {juego::paquete::SELLO_27_LADAGADELASESINO, juego::texto::SE27},
    {juego::paquete::SELLO_32_LAMUERTE, juego::texto::SE3X},
    {juego::paquete::SELLO_53_LAINOCENCIA, juego::texto::SE53},
    {juego::paquete::SELLO_34_LARABIA, juego::texto::SE34},
    {juego::paquete::SELLO_22_LAVERDAD, juego::texto::SE22},
    {juego::paquete::SELLO_56_ELESCUDOVICTORIOSO, juego::texto::SE56},
    {juego::paquete::SELLO_57_ELLIBROVICTORIOSO, juego::texto::SE57},
    {juego::paquete::SELLO_31_LAESPERANZA, juego::texto::SE31},
    {juego::paquete::SELLO_32_ELLOCO, juego::texto::SE32},
    {juego::paquete::SELLO_33_LAMUERTE, juego::texto::SE33},
    {juego::paquete::SELLO_35_LAMALDAD, juego::texto::SE35},
    {juego::paquete::SELLO_26_ELCANDIL, juego::texto::SE26},
    {juego::paquete::SELLO_26_ELCANDIL, juego::texto::SE68},
    {juego::paquete::SELLO_55_ELAMORDEMADRE, juego::texto::SE55},
    {juego::paquete::SELLO_48_ELCORAZONLLAMEANTE, juego::texto::SE48},
    {juego::paquete::SELLO_54_ELAMORFRATERNAL, juego::texto::SE54},
    {juego::paquete::SELLO_42_LOSTRESCORAZONES, juego::texto::SE42},
    {juego::paquete::SELLO_38_ELPODER, juego::texto::SE38},
    {juego::paquete::SELLO_47_LANOBLEZA, juego::texto::SE47},
    {juego::paquete::SELLO_37_LAVIDA, juego::texto::SE37},
    {juego::paquete::SELLO_41_ELCOMPROMISO, juego::texto::SE41},
    {juego::paquete::SELLO_39_LASBUENASGENTES, juego::texto::SE39},
    {juego::paquete::SELLO_40_ELRECHAZO, juego::texto::SE40},
    {juego::paquete::SELLO_43_ELCORAZONROTO, juego::texto::SE43},
    {juego::paquete::SELLO_36_ELBEBEMUERTO, juego::texto::SE36},
    {juego::paquete::SELLO_46_LAVENGANZA, juego::texto::SE46},
    {juego::paquete::SELLO_50_ELCUERVO, juego::texto::SE50},
    {juego::paquete::SELLO_52_LATRAICION, juego::texto::SE52},
    {juego::paquete::SELLO_51_LAMADREYELNINYO, juego::texto::SE51},
    {juego::paquete::SELLO_44_LABELLEZA, juego::texto::SE44},
    {juego::paquete::SELLO_49_LAROSA, juego::texto::SE49},
    {juego::paquete::SELLO_45_LACORONA, juego::texto::SE45}
};

uint8_t Alfa(float f) { return static_cast<uint8_t>(std::clamp(f, 0.0f, 1.0f) * 255.0f); }

} // namespace

// ---------------------------------------------------------------------------
// Decisions

const char* CMenuSellos::PaqueteSello(int i) { return i >= 0 && i < kElementos ? kSellos[i].szPaquete : nullptr; }

const char* CMenuSellos::CodigoSello(int i) { return i >= 0 && i < kElementos ? kSellos[i].szCodigo : nullptr; }

std::string CMenuSellos::Marcador(int i)
{
    // The figures' table says which marker a won figure unlocks; the seal
    // shows that one, so a won figure always shows its own seal.
    if (i < 0 || i >= kElementos) return {};
    return "MGalSello_" + std::to_string(TablaFigurasGaleria[static_cast<size_t>(i)].m_iSello);
}

float CMenuSellos::PasoVista(float v, bool bAbierto)
{
    return bAbierto ? std::min(v + kPasoVista, 1.0f) : std::max(v - kPasoVista, 0.0f);
}

// ---------------------------------------------------------------------------
// Creation and release

CMenuSellos::CMenuSellos()
    : CMenuPaginado({kHuecos, kPaginas, kElementos, ID_ANTERIOR, ID_SIGUIENTE, ID_IMAGEN, "MenuSellos_BUT_Anterior",
                     "MenuSellos_BUT_Anterior", "MenuSellos_BUT_Volver", nullptr})
{
}

CMenuSellos::~CMenuSellos()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuSellos::LiberaPropios()
{
    tazmo::BorraSPM(m_pSPMCirculo);
    tazmo::BorraSPM(m_pSPMFondo);
    tazmo::BorraSPM(m_pSPMSelloGrande);
}

bool CMenuSellos::Crea()
{
    m_fVista = 0.0f;
    m_fAnguloCirculo = 0.0f;
    return CreaPaginado("MenuSellos", juego::paquete::TITULO_SELLOS, juego::paquete::ICO_SELLOS);
}

bool CMenuSellos::ConstruyePropios()
{
    if (!(m_pSPMCirculo = tazmo::CopiaSPM(juego::paquete::CIRCULO_CABALISTICO))) return false;
    if (!(m_pSPMFondo = tazmo::CopiaSPM(motor::paquete::CUADRO_BLANCO))) return false;
    m_pSPMFondo->PonColor(0, 0, 0);
    if (const Sprite* s = m_pSPMFondo->GetSprite(0); s && s->GetAmplada() > 0.0f && s->GetAlcada() > 0.0f)
        m_pSPMFondo->PonEscala(kAnchoFondo / s->GetAmplada(), kAltoFondo / s->GetAlcada());
    return true;
}

// ---------------------------------------------------------------------------
// Pages

bool CMenuSellos::IniciaHueco(CBotonIconoTazmo* pIcono, int k, int i)
{
    return pIcono->Inicia(kSellos[i].szPaquete, 0, kSonidoFoco, kSonidoPulsar, kPosHuecos[k].x, kPosHuecos[k].y,
                          kPosHuecos[k].x, kPosHuecos[k].y, true, kRadioSello, kRadioSello, kEscalaSello,
                          CodigoFLI(kSellos[i].szCodigo), 0, ID_PRIMER_HUECO + k, Marcador(i).c_str());
}

bool CMenuSellos::AbreElemento(int, int i)
{
    // The seal shown before goes first, whatever it was.
    if (m_pSPMSelloGrande) {
        tazmo::MarcaSPM(m_pSPMSelloGrande, false);
        tazmo::BorraSPM(m_pSPMSelloGrande);
    }
    m_pSPMSelloGrande = tazmo::CopiaSPM(kSellos[i].szPaquete);
    if (RecursosCargados()) tazmo::MarcaSPM(m_pSPMSelloGrande, true);
    return m_pImagen->Inicia(juego::paquete::CUADRO_NEGRO, 0, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY, kCentroX,
                             kCentroY, true, kRadioVelo, kRadioVelo, kEscalaVelo, -1, 0, ID_IMAGEN,
                             "MenuSellos_BUT_Imagen");
}

CMenuObj* CMenuSellos::DestinoVolver() { return g_pMenuMaestro ? g_pMenuMaestro->m_pMenuCofreTesoro : nullptr; }

void CMenuSellos::Actualiza()
{
    // The page's step first: the view follows the state it leaves.
    CMenuPaginado::Actualiza();
    if (!m_bCreado) return;
    m_fVista = PasoVista(m_fVista, m_paginas.Estado() == CPaginacion::ABIERTO);
    m_fAnguloCirculo += kDosPi / static_cast<float>(kPasosGiro);
    if (m_fAnguloCirculo > kDosPi) m_fAnguloCirculo -= kDosPi;
}

// ---------------------------------------------------------------------------
// Drawing and resources

void CMenuSellos::DibujaContenido(Sprite* pDestino)
{
    if (!m_pSPMCirculo) return;
    const float p = ProgresoApertura();
    m_pSPMCirculo->PonEscala(kEscalaCirculoHueco * p, kEscalaCirculoHueco * p);
    m_pSPMCirculo->PonRotacion(0.0f);
    m_pSPMCirculo->PonAlfa(Alfa(p));
    for (const Punto& h : kPosHuecos) m_pSPMCirculo->DibujaSpriteEnDestino(pDestino, 0, h.x, h.y);
}

void CMenuSellos::DibujaEncima(Sprite* pDestino)
{
    const float v = m_fVista;
    if (v <= 0.0f) return;
    if (m_pSPMFondo) {
        m_pSPMFondo->PonAlfa(static_cast<uint8_t>(std::clamp(v, 0.0f, 1.0f) * kAlfaFondo));
        m_pSPMFondo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    }
    const float s = std::max(0.0f, v + 1.0f);
    if (m_pSPMCirculo) {
        m_pSPMCirculo->PonEscala(s, s);
        m_pSPMCirculo->PonRotacion(m_fAnguloCirculo);
        m_pSPMCirculo->PonAlfa(Alfa(v));
        m_pSPMCirculo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    }
    if (m_pSPMSelloGrande) {
        m_pSPMSelloGrande->PonEscala(s, s);
        m_pSPMSelloGrande->PonRotacion(0.0f);
        m_pSPMSelloGrande->PonAlfa(Alfa(v));
        m_pSPMSelloGrande->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    }
}

void CMenuSellos::CargaRecursos()
{
    if (RecursosCargados()) return;
    for (CSPM* p : {m_pSPMCirculo, m_pSPMFondo, m_pSPMSelloGrande}) tazmo::MarcaSPM(p, true);
    CMenuPaginado::CargaRecursos();
}

void CMenuSellos::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    for (CSPM* p : {m_pSPMCirculo, m_pSPMFondo, m_pSPMSelloGrande}) tazmo::MarcaSPM(p, false);
    CMenuPaginado::DescargaRecursos();
}
