#include "game/play/herramientas/HerramientaResumen.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/play/MenuJuego.h"
#include "game/play/herramientas/Herramienta.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// The plate in the middle of the field; a start summary's title and lines
// lower on it than a final one's, the lines following each other down: a
// separator 40 points, a one-line paragraph 50 (and each line it wraps to
// beyond the first one more paragraph line height), any other line 32.
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kTituloInicialY = 175.0f, kTituloFinalY = 64.0f;
constexpr float kLineasInicialY = 230.0f, kLineasFinalY = 128.0f;
constexpr float kAvanceSeparador = 40.0f, kAvanceParrafo = 50.0f, kAvanceLinea = 32.0f;

// Text sprites: a box of 512 by 64 about its centre.
constexpr float kAnchoTexto = CHerramientaResumen::kAnchoTexto, kAltoTexto = CHerramientaResumen::kAltoTexto;
constexpr float kHotspotX = 256.0f, kHotspotY = 32.0f;
constexpr float kHotspotEtiquetaDerechaX = -128.0f;
// The separator's picture: 512 by 16 about its centre.
constexpr float kAnchoSeparador = 512.0f, kAltoSeparador = 16.0f;

// Fonts and text flags (0x01 centre, 0x02 right, 0x04 left, 0x08 middle,
// 0x20 top, 0x40 wrap).
constexpr int kFuenteTitulo = 0, kFormatoTitulo = 0x08 | 0x01;
constexpr int kFuenteCabecera = 0, kFormatoCabecera = 0x20 | 0x01;
constexpr int kFuenteParrafo = CHerramientaResumen::kFuenteParrafo, kFormatoParrafo = 0x40 | 0x20 | 0x01;
constexpr float kEscalaParrafo = CHerramientaResumen::kEscalaParrafo;
constexpr int kFuenteEtiqueta = CHerramientaResumen::kFuenteEtiqueta, kFormatoEtiqueta = 0x20 | 0x04, kFormatoValor = 0x20 | 0x02;

// The buttons' places.
constexpr float kContinuarInicialX = 512.0f, kContinuarInicialY = 650.0f;
constexpr float kContinuarFinalX = 320.0f, kContinuarFinalY = 720.0f;
constexpr float kReiniciarX = 704.0f, kReiniciarY = 720.0f;
constexpr const char* kNombreContinuar = "m_pBotonContinuar";
constexpr const char* kNombreReiniciar = "m_pBotonReiniciar";

constexpr float kPasoFundido = 0.1f;
constexpr float kPasoRevelado = 0.1f;   // a new line every ten steps

Sprite* Marca(Sprite* p)
{
    if (p && g_pSistema2D) g_pSistema2D->MarcaSpriteEnUs(p);
    return p;
}

// A text of the box above; by its code when it has one (so that it follows
// the language), else the literal.
Sprite* CreaTexto(int iFuente, const char* szTexto, int iCodigo, int iFormato, float fEscala,
                  float fHotspotX = kHotspotX)
{
    if (!g_pSistema2D) return nullptr;
    if (iCodigo == -1 && (!szTexto || !*szTexto)) szTexto = " ";
    return Marca(g_pSistema2D->CreaSpriteText(iFuente, iCodigo == -1 ? szTexto : nullptr, iCodigo, iFormato, fEscala,
                                              fEscala, kAnchoTexto, kAltoTexto, fHotspotX, kHotspotY, 0.0f, 0.0f,
                                              kAnchoTexto, kAltoTexto, false));
}

int Alfa(float f) { return static_cast<int>(std::clamp(f, 0.0f, 1.0f) * 255.0f); }

// The height a paragraph's text takes in its box, in the language in force:
// its lines once wrapped as its sprite wraps them, times the line height at
// the paragraph's scale, no more than the box shows. 0 without the font.
float AltoParrafo(int iCodigo)
{
    CFont* f = g_pSistema2D ? g_pSistema2D->GetFont(kFuenteParrafo) : nullptr;
    if (!f || !f->EstaCargada()) return 0.0f;
    // Without a code the sprite shows a blank line.
    const char* szTexto = iCodigo != -1 ? g_GestorFLIs.GetTexto(iCodigo, -1) : nullptr;
    if (!szTexto || !*szTexto) szTexto = " ";
    std::string sEnvuelto;
    f->AjustaComoCaja(sEnvuelto, szTexto, kAnchoTexto / kEscalaParrafo);
    return std::min(f->CalculaAlto(sEnvuelto.c_str()) * kEscalaParrafo, kAltoTexto);
}

// How far down the next line goes: a paragraph that wraps pushes it down by
// what its lines after the first take, so that it never runs into it.
float Avance(const LineaResumen& l)
{
    if (l.m_iTipo == LINEA_SEPARADOR) return kAvanceSeparador;
    if (l.m_iTipo != LINEA_PARRAFO) return kAvanceLinea;
    const CFont* f = g_pSistema2D ? g_pSistema2D->GetFont(kFuenteParrafo) : nullptr;
    const float fUnaLinea = f && f->EstaCargada() ? f->AltoLinea() * kEscalaParrafo : 0.0f;
    return kAvanceParrafo + std::max(0.0f, AltoParrafo(l.m_iTexto) - fUnaLinea);
}

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

std::string CHerramientaResumen::TextoValor(const LineaResumen& l)
{
    char sz[64];
    switch (l.m_iTipo) {
    case LINEA_ENTERO: std::snprintf(sz, sizeof sz, "%d", l.m_iEntero); return sz;
    case LINEA_REAL: std::snprintf(sz, sizeof sz, "%1.2f", static_cast<double>(l.m_fReal)); return sz;
    case LINEA_TIEMPO: return TextoTiempo(l.m_iPasos);
    default: return "";
    }
}

CHerramientaResumen::~CHerramientaResumen()
{
    if (m_bCreado) Libera();
}

bool CHerramientaResumen::Carga(CMenuJuego* pJuego, RegistroNivel* pNivel, CBotonTazmo* pContinuar,
                                CBotonTazmo* pReiniciar)
{
    if (m_bCreado) Libera();
    m_pJuego = pJuego;
    m_pNivel = pNivel;
    m_pContinuar = pContinuar;
    m_pReiniciar = pReiniciar;
    m_Datos.Inicializa();
    m_bPosicionesValidas = false;
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
    // The buttons are the play screen's: only taken off it.
    if (m_pJuego)
        for (CBotonTazmo* b : {m_pContinuar, m_pReiniciar})
            if (b && b->Padre() == m_pJuego) m_pJuego->QuitaHijo(false, b);
    LiberaSprites();
    m_SPM.Libera();
    m_Datos.Inicializa();
    m_bPosicionesValidas = false;
    m_pJuego = nullptr;
    m_pNivel = nullptr;
    m_pContinuar = m_pReiniciar = nullptr;
    m_bVisible = false;
    m_fFundido = m_fRevelado = 0.0f;
    m_bCreado = false;
}

void CHerramientaResumen::CargaRecursos()
{
    if (!m_bCreado) return;
    if (m_SPM.EstaCargado()) m_SPM.MarcaEnUso();
    if (!g_pSistema2D) return;
    if (m_pTitulo) g_pSistema2D->MarcaSpriteEnUs(m_pTitulo);
    for (LineaResumen& l : m_Datos.m_aLineas)
        for (Sprite* p : l.m_apSprites)
            if (p) g_pSistema2D->MarcaSpriteEnUs(p);
}

void CHerramientaResumen::DescargaRecursos()
{
    if (!m_bCreado) return;
    if (m_SPM.EstaCargado()) m_SPM.DesmarcaEnUso();
    if (!g_pSistema2D) return;
    if (m_pTitulo) g_pSistema2D->DesmarcaSpriteEnUs(m_pTitulo);
    for (LineaResumen& l : m_Datos.m_aLineas)
        for (Sprite* p : l.m_apSprites)
            if (p) g_pSistema2D->DesmarcaSpriteEnUs(p);
}

void CHerramientaResumen::CreaSpritesLinea(LineaResumen& l)
{
    l.m_apSprites = {};
    switch (l.m_iTipo) {
    case LINEA_SEPARADOR:
        if (g_pSistema2D)
            l.m_apSprites[0] = Marca(g_pSistema2D->CreaSpriteFitxer(juego::imagen::LINEA_RESUMEN, 0.0f, 0.0f,
                                                                    kAnchoSeparador, kAltoSeparador,
                                                                    kAnchoSeparador / 2.0f, kAltoSeparador / 2.0f,
                                                                    false, false));
        return;
    case LINEA_CABECERA:
        l.m_apSprites[0] = CreaTexto(kFuenteCabecera, nullptr, l.m_iTexto, kFormatoCabecera, 1.0f);
        return;
    case LINEA_PARRAFO:
        l.m_apSprites[0] = CreaTexto(kFuenteParrafo, nullptr, l.m_iTexto, kFormatoParrafo, kEscalaParrafo);
        return;
    case LINEA_ENTERO:
    case LINEA_REAL:
    case LINEA_TIEMPO:
    case LINEA_TEXTO:
        l.m_apSprites[0] = CreaTexto(kFuenteEtiqueta, nullptr, l.m_iEtiqueta, kFormatoEtiqueta, 1.0f);
        if (l.m_iTipo == LINEA_TEXTO)
            l.m_apSprites[1] = CreaTexto(kFuenteEtiqueta, nullptr, l.m_iTexto, kFormatoValor, 1.0f);
        else
            l.m_apSprites[1] = CreaTexto(kFuenteEtiqueta, TextoValor(l).c_str(), -1, kFormatoValor, 1.0f);
        if (l.m_iEtiquetaDerecha != -1)
            l.m_apSprites[2] = CreaTexto(kFuenteEtiqueta, nullptr, l.m_iEtiquetaDerecha, kFormatoEtiqueta, 1.0f,
                                         kHotspotEtiquetaDerechaX);
        return;
    default: return;
    }
}

void CHerramientaResumen::Prepara(const DatosResumen& datos)
{
    if (!m_bCreado) return;
    LiberaSprites();
    m_Datos = datos;
    m_bPosicionesValidas = false;
    for (LineaResumen& l : m_Datos.m_aLineas) l.m_apSprites = {};

    const bool bInicial = m_Datos.m_bInicial;
    CopiaPaqueteHerramienta(m_SPM, bInicial ? juego::paquete::RESUMEN_INICIAL : juego::paquete::RESUMEN_FINAL);
    if (m_SPM.EstaCargado()) {
        if (!m_SPM.EstaEnUso()) m_SPM.MarcaEnUso();
        m_SPM.IniciaAnimacion(0);
    }

    m_pTitulo = CreaTexto(kFuenteTitulo, m_Datos.m_sTitulo.c_str(), m_Datos.m_iCodigoTitulo, kFormatoTitulo, 1.0f);
    for (LineaResumen& l : m_Datos.m_aLineas) CreaSpritesLinea(l);

    const char* szFoco = juego::sonido::SELECCIONAR_BOTON;
    const char* szPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
    const int iBloqueado = CodigoFLI(juego::texto::BLOQ);
    if (m_pContinuar)
        m_pContinuar->Inicia(szFoco, szPulsar, bInicial ? kContinuarInicialX : kContinuarFinalX,
                             bInicial ? kContinuarInicialY : kContinuarFinalY,
                             CodigoFLI(bInicial ? juego::texto::RE40 : juego::texto::RE41), iBloqueado, -1, -1, 0,
                             kIdContinuar, kNombreContinuar);
    if (m_pReiniciar && !bInicial)
        m_pReiniciar->Inicia(szFoco, szPulsar, kReiniciarX, kReiniciarY, CodigoFLI(juego::texto::RE42), iBloqueado,
                             -1, -1, 0, kIdReiniciar, kNombreReiniciar);
}

void CHerramientaResumen::Muestra()
{
    if (!m_bCreado) return;
    if (m_pJuego) {
        // A button that was never set up (the restart button before a
        // start summary) is not shown.
        if (m_pContinuar && m_pContinuar->EstaIniciado() && m_pContinuar->Padre() != m_pJuego)
            m_pJuego->AnadeHijo(true, m_pContinuar, false, false);
        if (!m_Datos.m_bInicial && m_pReiniciar && m_pReiniciar->EstaIniciado() && m_pReiniciar->Padre() != m_pJuego)
            m_pJuego->AnadeHijo(true, m_pReiniciar, false, false);
    }
    if (g_pSistema2D) {
        g_pSistema2D->DescarregaBitmapsSenseUs();
        g_pSistema2D->CarregaBitmapsEnUs();
    }
    m_fRevelado = 0.0f;
    m_bVisible = true;
}

void CHerramientaResumen::Oculta()
{
    if (!m_bCreado) return;
    if (m_pJuego)
        for (CBotonTazmo* b : {m_pContinuar, m_pReiniciar})
            if (b && b->Padre() == m_pJuego) m_pJuego->QuitaHijo(true, b);
    if (g_pSistema2D) {
        g_pSistema2D->DescarregaBitmapsSenseUs();
        g_pSistema2D->CarregaBitmapsEnUs();
    }
    m_bVisible = false;
}

void CHerramientaResumen::Actualiza()
{
    if (!m_bCreado) return;
    m_fFundido = std::clamp(m_fFundido + (m_bVisible ? kPasoFundido : -kPasoFundido), 0.0f, 1.0f);
    if (m_bVisible) m_fRevelado += kPasoRevelado;
}

std::vector<float> CHerramientaResumen::PosicionesLineas() const
{
    std::vector<float> v;
    float y = m_Datos.m_bInicial ? kLineasInicialY : kLineasFinalY;
    for (const LineaResumen& l : m_Datos.m_aLineas) {
        if (l.m_iTipo == LINEA_FIN) break;
        v.push_back(y);
        y += Avance(l);
    }
    return v;
}

const std::vector<float>& CHerramientaResumen::PosicionesEnUso()
{
    const int iIdioma = g_GestorFLIs.IdiomaActual();
    if (!m_bPosicionesValidas || m_iIdiomaPosiciones != iIdioma) {
        m_afPosiciones = PosicionesLineas();
        m_iIdiomaPosiciones = iIdioma;
        m_bPosicionesValidas = true;
    }
    return m_afPosiciones;
}

void CHerramientaResumen::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado || m_fFundido <= 0.0f || !g_pSistema2D) return;
    const bool bInicial = m_Datos.m_bInicial;
    if (m_SPM.EstaCargado()) {
        m_SPM.PonAlfa(static_cast<uint8_t>(Alfa(m_fFundido)));
        m_SPM.DibujaEnDestino(pDestino, kCentroX, kCentroY);
    }
    if (m_pTitulo)
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTitulo, kCentroX, bInicial ? kTituloInicialY : kTituloFinalY, false,
                                      Alfa(m_fFundido), 0.0f, 1.0f, 1.0f);
    const std::vector<float>& ys = PosicionesEnUso();
    for (size_t i = 0; i < ys.size(); ++i) {
        const LineaResumen& l = m_Datos.m_aLineas[i];
        const float a = m_fFundido * std::clamp(m_fRevelado - static_cast<float>(i), 0.0f, 1.0f);
        if (a <= 0.0f) continue;
        for (Sprite* p : l.m_apSprites)
            if (p) g_pSistema2D->DibuixaSpriteEX(pDestino, p, kCentroX, ys[i], false, Alfa(a), 0.0f, 1.0f, 1.0f);
    }
}
