#include "game/play/herramientas/HerramientaResumen.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/play/MenuJuego.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <cstdio>

namespace {

// Where the texts go: a start summary in the middle of the board, a final
// one from the top; the lines follow each other down.
constexpr float kCentroX = 512.0f;
constexpr float kTituloInicialY = 175.0f, kTituloFinalY = 64.0f;
constexpr float kLineasInicialY = 230.0f, kLineasFinalY = 128.0f;
constexpr float kAvanceSeparador = 40.0f, kAvanceParrafo = 50.0f, kAvanceLinea = 32.0f;
constexpr float kAnchoTexto = 760.0f, kAltoTexto = 48.0f;
constexpr int kFuenteTitulo = 1, kFuenteCabecera = 1, kFuenteLinea = 0;
constexpr int kFormatoCentrado = 9;
constexpr int kFormatoParrafo = 0x40 | 9;  // centred and wrapped
constexpr float kEscalaParrafo = 0.8f;
// The plate behind the texts and the separators' rule.
constexpr float kPlacaInicialY = 130.0f, kPlacaFinalY = 24.0f, kPlacaAncho = 820.0f;
constexpr float kPlacaInicialAlto = 480.0f, kPlacaFinalAlto = 650.0f;
constexpr float kAnchoRegla = 420.0f;

// The buttons' places and captions.
constexpr float kContinuarInicialX = 512.0f, kContinuarInicialY = 650.0f;
constexpr float kContinuarFinalX = 320.0f, kContinuarFinalY = 720.0f;
constexpr float kReiniciarX = 704.0f, kReiniciarY = 720.0f;

constexpr float kPasoFundido = 0.1f;
constexpr float kPasoRevelado = 0.1f;

const char* Texto(int iCodigo)
{
    const char* sz = iCodigo != -1 ? g_GestorFLIs.GetTexto(iCodigo, -1) : nullptr;
    return sz ? sz : "";
}

Sprite* CreaTexto(int iFuente, const std::string& s, int iFormato, float fEscala)
{
    if (!g_pSistema2D) return nullptr;
    Sprite* p = g_pSistema2D->CreaSpriteText(iFuente, s.empty() ? " " : s.c_str(), -1, iFormato, fEscala, fEscala,
                                             kAnchoTexto, kAltoTexto, kAnchoTexto / 2.0f, kAltoTexto / 2.0f, 0.0f, 0.0f,
                                             -1.0f, -1.0f, false);
    if (p) g_pSistema2D->MarcaSpriteEnUs(p);
    return p;
}

uint8_t Alfa(float f) { return static_cast<uint8_t>(std::clamp(f, 0.0f, 1.0f) * 255.0f); }

} // namespace

void DatosResumen::Inicializa() { *this = DatosResumen{}; }

bool DatosResumen::Anade(const LineaResumen& linea)
{
    const int n = NumLineas();
    if (n >= kNumLineas) return false;
    m_aLineas[static_cast<size_t>(n)] = linea;
    m_aLineas[static_cast<size_t>(n)].m_apSprites = {};
    return true;
}

bool DatosResumen::AnadeSeparador()
{
    LineaResumen l;
    l.m_iTipo = LINEA_SEPARADOR;
    return Anade(l);
}

bool DatosResumen::AnadeCabecera(int iCodigo)
{
    LineaResumen l;
    l.m_iTipo = LINEA_CABECERA;
    l.m_iTexto = iCodigo;
    return Anade(l);
}

bool DatosResumen::AnadeParrafo(int iCodigo)
{
    LineaResumen l;
    l.m_iTipo = LINEA_PARRAFO;
    l.m_iTexto = iCodigo;
    return Anade(l);
}

bool DatosResumen::AnadeEntero(int iEtiqueta, int iValor)
{
    LineaResumen l;
    l.m_iTipo = LINEA_ENTERO;
    l.m_iEtiqueta = iEtiqueta;
    l.m_iEntero = iValor;
    return Anade(l);
}

bool DatosResumen::AnadeReal(int iEtiqueta, float fValor)
{
    LineaResumen l;
    l.m_iTipo = LINEA_REAL;
    l.m_iEtiqueta = iEtiqueta;
    l.m_fReal = fValor;
    return Anade(l);
}

bool DatosResumen::AnadeTiempo(int iEtiqueta, int iPasos)
{
    LineaResumen l;
    l.m_iTipo = LINEA_TIEMPO;
    l.m_iEtiqueta = iEtiqueta;
    l.m_iPasos = iPasos;
    return Anade(l);
}

bool DatosResumen::AnadeTexto(int iEtiqueta, int iCodigo)
{
    LineaResumen l;
    l.m_iTipo = LINEA_TEXTO;
    l.m_iEtiqueta = iEtiqueta;
    l.m_iTexto = iCodigo;
    return Anade(l);
}

int DatosResumen::NumLineas() const
{
    int n = 0;
    while (n < kNumLineas && m_aLineas[static_cast<size_t>(n)].m_iTipo != LINEA_FIN) ++n;
    return n;
}

std::string CHerramientaResumen::TextoTiempo(int iPasos)
{
    if (iPasos < 0) return "--:--";
    const int iMinutos = iPasos / 1800;
    const int iSegundos = iPasos / 30 - 60 * iMinutos;
    char sz[32];
    std::snprintf(sz, sizeof sz, "%d:%02d", iMinutos, iSegundos);
    return sz;
}

std::string CHerramientaResumen::TextoLinea(const LineaResumen& l)
{
    std::string valor;
    switch (l.m_iTipo) {
    case LINEA_CABECERA:
    case LINEA_PARRAFO: return Texto(l.m_iTexto);
    case LINEA_ENTERO: valor = std::to_string(l.m_iEntero); break;
    case LINEA_REAL: {
        char sz[48];
        std::snprintf(sz, sizeof sz, "%1.2f", static_cast<double>(l.m_fReal));
        valor = sz;
        break;
    }
    case LINEA_TIEMPO: valor = TextoTiempo(l.m_iPasos); break;
    case LINEA_TEXTO: valor = Texto(l.m_iTexto); break;
    default: return "";
    }
    std::string s = Texto(l.m_iEtiqueta);
    s += "  ";
    s += valor;
    if (l.m_iEtiquetaDerecha != -1) {
        s += ' ';
        s += Texto(l.m_iEtiquetaDerecha);
    }
    return s;
}

CHerramientaResumen::~CHerramientaResumen()
{
    if (m_bCreado) Libera();
}

bool CHerramientaResumen::Carga(CMenuJuego* pJuego, RegistroNivel*, CBotonTazmo* pContinuar, CBotonTazmo* pReiniciar)
{
    if (m_bCreado) Libera();
    m_pJuego = pJuego;
    m_pContinuar = pContinuar;
    m_pReiniciar = pReiniciar;
    m_Datos.Inicializa();
    m_bVisible = false;
    m_fFundido = 0.0f;
    m_fRevelado = 0.0f;
    m_bCreado = true;
    return true;
}

void CHerramientaResumen::LiberaSprites()
{
    auto libera = [](Sprite*& p) {
        if (p && g_pSistema2D) g_pSistema2D->AlliberaSprite(p, false);
        p = nullptr;
    };
    libera(m_pTitulo);
    for (LineaResumen& l : m_Datos.m_aLineas)
        for (Sprite*& p : l.m_apSprites) libera(p);
}

void CHerramientaResumen::Libera()
{
    LiberaSprites();
    m_pJuego = nullptr;
    m_pContinuar = m_pReiniciar = nullptr;
    m_bVisible = false;
    m_bCreado = false;
}

void CHerramientaResumen::CargaRecursos()
{
    if (!m_bCreado || !g_pSistema2D) return;
    if (m_pTitulo) g_pSistema2D->MarcaSpriteEnUs(m_pTitulo);
    for (LineaResumen& l : m_Datos.m_aLineas)
        for (Sprite* p : l.m_apSprites)
            if (p) g_pSistema2D->MarcaSpriteEnUs(p);
}

void CHerramientaResumen::DescargaRecursos()
{
    if (!m_bCreado || !g_pSistema2D) return;
    if (m_pTitulo) g_pSistema2D->DesmarcaSpriteEnUs(m_pTitulo);
    for (LineaResumen& l : m_Datos.m_aLineas)
        for (Sprite* p : l.m_apSprites)
            if (p) g_pSistema2D->DesmarcaSpriteEnUs(p);
}

void CHerramientaResumen::Prepara(const DatosResumen& datos)
{
    if (!m_bCreado) return;
    LiberaSprites();
    m_Datos = datos;
    const std::string titulo = m_Datos.m_iCodigoTitulo != -1 ? Texto(m_Datos.m_iCodigoTitulo) : m_Datos.m_sTitulo;
    m_pTitulo = CreaTexto(kFuenteTitulo, titulo, kFormatoCentrado, 1.0f);
    for (LineaResumen& l : m_Datos.m_aLineas) {
        l.m_apSprites = {};
        if (l.m_iTipo == LINEA_FIN) break;
        if (l.m_iTipo == LINEA_SEPARADOR) continue;
        const bool bParrafo = l.m_iTipo == LINEA_PARRAFO;
        const int iFuente = l.m_iTipo == LINEA_CABECERA ? kFuenteCabecera : kFuenteLinea;
        l.m_apSprites[0] = CreaTexto(iFuente, TextoLinea(l), bParrafo ? kFormatoParrafo : kFormatoCentrado,
                                     bParrafo ? kEscalaParrafo : 1.0f);
    }

    const bool bInicial = m_Datos.m_bInicial;
    const char* szFoco = juego::sonido::SELECCIONAR_BOTON;
    const char* szPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
    const int iBloqueado = CodigoFLI(juego::texto::BLOQ);
    if (m_pContinuar)
        m_pContinuar->Inicia(szFoco, szPulsar, bInicial ? kContinuarInicialX : kContinuarFinalX,
                             bInicial ? kContinuarInicialY : kContinuarFinalY,
                             CodigoFLI(bInicial ? juego::texto::RE40 : juego::texto::RE41), iBloqueado, -1, -1, 0,
                             kIdContinuar, "m_pBotonContinuar");
    if (m_pReiniciar && !bInicial)
        m_pReiniciar->Inicia(szFoco, szPulsar, kReiniciarX, kReiniciarY, CodigoFLI(juego::texto::RE42), iBloqueado, -1,
                             -1, 0, kIdReiniciar, "m_pBotonReiniciar");
}

void CHerramientaResumen::Muestra()
{
    if (!m_bCreado) return;
    if (m_pJuego) {
        if (m_pContinuar && m_pContinuar->EstaIniciado()) m_pJuego->AnadeHijo(true, m_pContinuar, false, false);
        if (m_pReiniciar && m_pReiniciar->EstaIniciado()) m_pJuego->AnadeHijo(true, m_pReiniciar, false, false);
    }
    m_bVisible = true;
}

void CHerramientaResumen::Oculta()
{
    if (!m_bCreado) return;
    if (m_pJuego) {
        if (m_pContinuar && m_pContinuar->Padre() == m_pJuego) m_pJuego->QuitaHijo(true, m_pContinuar);
        if (m_pReiniciar && m_pReiniciar->Padre() == m_pJuego) m_pJuego->QuitaHijo(true, m_pReiniciar);
    }
    m_bVisible = false;
}

void CHerramientaResumen::Actualiza()
{
    if (!m_bCreado) return;
    m_fFundido = std::clamp(m_fFundido + (m_bVisible ? kPasoFundido : -kPasoFundido), 0.0f, 1.0f);
    if (m_bVisible) m_fRevelado += kPasoRevelado;
}

void CHerramientaResumen::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado || m_fFundido <= 0.0f || !g_pSistema2D) return;
    const bool bInicial = m_Datos.m_bInicial;
    const float fPlacaY = bInicial ? kPlacaInicialY : kPlacaFinalY;
    const float fPlacaAlto = bInicial ? kPlacaInicialAlto : kPlacaFinalAlto;
    DibuixaRectangle(pDestino, kCentroX - kPlacaAncho / 2.0f, fPlacaY, kPlacaAncho, fPlacaAlto, true,
                     ColorARGB(Alfa(0.75f * m_fFundido), 10, 8, 30));
    DibuixaRectangle(pDestino, kCentroX - kPlacaAncho / 2.0f, fPlacaY, kPlacaAncho, fPlacaAlto, false,
                     ColorARGB(Alfa(m_fFundido), 196, 139, 48));
    if (m_pTitulo)
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTitulo, kCentroX, bInicial ? kTituloInicialY : kTituloFinalY, false,
                                      Alfa(m_fFundido), 0.0f, 1.0f, 1.0f);
    float y = bInicial ? kLineasInicialY : kLineasFinalY;
    for (int i = 0; i < DatosResumen::kNumLineas; ++i) {
        const LineaResumen& l = m_Datos.m_aLineas[static_cast<size_t>(i)];
        if (l.m_iTipo == LINEA_FIN) break;
        const float a = m_fFundido * std::min(1.0f, std::max(0.0f, m_fRevelado - static_cast<float>(i)));
        if (l.m_iTipo == LINEA_SEPARADOR)
            DibuixaRectangle(pDestino, kCentroX - kAnchoRegla / 2.0f, y, kAnchoRegla, 1.0f, true,
                             ColorARGB(Alfa(a), 196, 139, 48));
        else if (l.m_apSprites[0])
            g_pSistema2D->DibuixaSpriteEX(pDestino, l.m_apSprites[0], kCentroX, y, false, Alfa(a), 0.0f, 1.0f, 1.0f);
        y += l.m_iTipo == LINEA_SEPARADOR ? kAvanceSeparador
             : l.m_iTipo == LINEA_PARRAFO ? kAvanceParrafo
                                          : kAvanceLinea;
    }
}
