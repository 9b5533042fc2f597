#include "game/screens/MenuAyudaAnimado.h"

#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "game/CatalogoJuego.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr Rectangulo kRect{0.0f, 0.0f, 1024.0f, 768.0f};
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kAdornoX = 768.0f;

// The caption: wrapped, at 0.8 of the font's size; its sprite's hotspot sits
// above the box, so that drawn at the field's centre it reads below the
// animation.
constexpr int kFuenteTitulo = 0, kFormatoTitulo = 64 | 0x01;
constexpr float kEscalaTitulo = 0.8f;
constexpr float kAnchoTitulo = 760.0f, kAltoTitulo = 110.0f;
constexpr float kTituloBajoCentro = 190.0f;
const ColorRGB kBlanco{255, 255, 255};
constexpr int kFusionDestello = 0x01;

struct FilaPagina {
    const char* szCodigo;
    const char* szFichero;
};
const FilaPagina kPaginasJuego[CMenuAyudaAnimado::kNumPaginasJuego] = {
    {juego::texto::HL00, juego::fichero::AYUDA_00}, {juego::texto::HL01, juego::fichero::AYUDA_01},
    {juego::texto::HL02, juego::fichero::AYUDA_02}, {juego::texto::HL03, juego::fichero::AYUDA_03},
    {juego::texto::HL04, juego::fichero::AYUDA_04}, {juego::texto::HL05, juego::fichero::AYUDA_05},
    {juego::texto::HL06, juego::fichero::AYUDA_06},
};

} // namespace

int CMenuAyudaAnimado::AlfaDestello(int iPasos, int iAlfa)
{
    if (iPasos < 0 || iPasos >= kPasosDestello) return 0;
    return static_cast<int>(static_cast<float>(kPasosDestello - iPasos) / kPasosDestello *
                            static_cast<float>(iAlfa) / 255.0f * 255.0f);
}

CMenuAyudaAnimado::~CMenuAyudaAnimado()
{
    if (!m_bCreado && !m_bIniciado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuAyudaAnimado::Libera()
{
    tazmo::BorraSPM(m_pSPMPanel);
    tazmo::BorraSPM(m_pSPMAdorno);
    m_Secuencia.Libera();
    LiberaComunes();
}

bool CMenuAyudaAnimado::Crea()
{
    if (m_bCreado || m_bIniciado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaComunes();
    m_pSPMPanel = m_pSPMAdorno = nullptr;
    m_iPasos = m_iNumPaginas = 0;
    bool bOk = CMenuObj::Inicia(-1, "MenuAyudaAnimado", kRect, -1);
    if (bOk) bOk = (m_pSPMFondo = ayuda::CreaFondo()) != nullptr;
    if (bOk) bOk = (m_pSPMPanel = tazmo::CopiaSPM(juego::paquete::PANEL_AYUDA)) != nullptr;
    if (bOk) bOk = (m_pSPMAdorno = tazmo::CopiaSPM(juego::paquete::ADORNO_AYUDA)) != nullptr;
    if (bOk) bOk = ayuda::CreaBotones(m_apBotones, "MENUAYUDAANIMADO");
    if (bOk) {
        m_pTexto = g_pSistema2D ? g_pSistema2D->CreaSpriteText(kFuenteTitulo, " ", -1, kFormatoTitulo,
                                                               kEscalaTitulo, kEscalaTitulo, kAnchoTitulo,
                                                               kAltoTitulo, kAnchoTitulo / 2.0f, -kTituloBajoCentro,
                                                               0.0f, 0.0f, -1.0f, -1.0f, false)
                                : nullptr;
        bOk = m_pTexto != nullptr;
    }
    if (!bOk) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    Pagina paginas[kNumPaginasJuego];
    for (int i = 0; i < kNumPaginasJuego; ++i) {
        paginas[i].iTipo = PAGINA_SECUENCIA;
        paginas[i].iCodigo = CodigoFLI(kPaginasJuego[i].szCodigo);
        std::strncpy(paginas[i].szFichero, kPaginasJuego[i].szFichero, kLongitudFichero - 1);
    }
    PonPaginas(paginas, kNumPaginasJuego);
    for (CBotonTazmo* p : m_apBotones) AnadeHijo(false, p, false, false);
    m_bCreado = true;
    IniciaPagina(0);
    return true;
}

void CMenuAyudaAnimado::PonPaginas(const Pagina* pPaginas, int n)
{
    m_iNumPaginas = std::clamp(n, 0, kMaxPaginas);
    for (int i = 0; i < m_iNumPaginas; ++i) m_aPaginas[static_cast<size_t>(i)] = pPaginas[i];
    m_iPagina = 0;
}

void CMenuAyudaAnimado::IniciaPagina(int iPagina)
{
    if (iPagina < 0 || iPagina >= m_iNumPaginas) return;
    m_iPagina = iPagina;
    const Pagina& p = m_aPaginas[static_cast<size_t>(iPagina)];
    if (m_pTexto && g_pSistema2D)
        g_pSistema2D->CanviaTextSprite(m_pTexto, nullptr, p.iCodigo, kFormatoTitulo, kEscalaTitulo, kEscalaTitulo,
                                       0.0f, 0.0f, -1.0f, -1.0f);
    if (p.iTipo == PAGINA_SECUENCIA && m_Secuencia.Carga(p.szFichero)) {
        if (RecursosCargados()) {
            m_Secuencia.CargaRecursos();
            CSecuencia::CargaEnUso();
        }
    } else {
        m_Secuencia.Libera();
    }
    m_iPasos = 0;
}

void CMenuAyudaAnimado::Actualiza()
{
    ++m_iPasos;
    if (m_Secuencia.EstaCargada()) m_Secuencia.Actualiza();
    CPanelAyuda::Actualiza();
}

void CMenuAyudaAnimado::CambiaPagina(int iPaso)
{
    // Without pages, paging does nothing (a wrap by 0 is no page).
    if (m_iNumPaginas <= 0) return;
    IniciaPagina(ayuda::PaginaVecina(m_iPagina, m_iNumPaginas, iPaso));
}

void CMenuAyudaAnimado::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    const AperturaAyuda& a = m_Apertura;
    DibujaFondo(pDestino, {m_pSPMPanel, m_pSPMAdorno});
    if (m_pSPMPanel) m_pSPMPanel->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    if (m_pSPMAdorno) m_pSPMAdorno->DibujaSpriteEnDestino(pDestino, 0, kAdornoX, kCentroY);
    if (m_pTexto && g_pSistema2D) {
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTexto, kCentroX, kCentroY, false, a.ucAlfa, 0.0f, a.fZoom, a.fZoom);
        if (const int d = AlfaDestello(m_iPasos, a.ucAlfa); d > 0)
            g_pSistema2D->DibuixaSpriteEX2(pDestino, m_pTexto, kFusionDestello, &kBlanco, kCentroX, kCentroY, false, d,
                                           0.0f, a.fZoom, a.fZoom);
    }
    if (m_Secuencia.EstaCargada()) {
        m_Secuencia.PonAlfaHeredada(a.ucAlfa);
        m_Secuencia.PonEscalaHeredadaX(a.fZoom);
        m_Secuencia.PonEscalaHeredadaY(a.fZoom);
        m_Secuencia.Dibuja(pDestino);
    }
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}

void CMenuAyudaAnimado::CargaRecursos()
{
    if (RecursosCargados()) return;
    MarcaEnUso(true, {m_pSPMPanel, m_pSPMAdorno});
    if (m_Secuencia.EstaCargada()) m_Secuencia.CargaRecursos();
    CMenuObj::CargaRecursos();
}

void CMenuAyudaAnimado::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    MarcaEnUso(false, {m_pSPMPanel, m_pSPMAdorno});
    if (m_Secuencia.EstaCargada()) m_Secuencia.DescargaRecursos();
    CMenuObj::DescargaRecursos();
}
