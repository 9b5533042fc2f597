#include "game/screens/MenuAyuda.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "game/CatalogoJuego.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <cstdio>
#include <new>

namespace {

constexpr Rectangulo kRect{0.0f, 0.0f, 1024.0f, 768.0f};
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;

// The backdrop.
constexpr uint8_t kAlfaFondo = 200;
constexpr float kAnchoFondo = 1100.0f, kAltoFondo = 850.0f;

// The three buttons, in the order of their ids.
struct FilaBoton {
    float x, y;
    const char* szTexto;
    int iFlags;
    const char* szSufijo;
};
const FilaBoton kBotones[3] = {
    {512.0f, 700.0f, juego::texto::MA00, 0, "_BUT_Volver"},
    {100.0f, 700.0f, juego::texto::MH06, CBotonTazmo::ESTRECHO, "_BUT_RePag"},
    {924.0f, 700.0f, juego::texto::MH07, CBotonTazmo::ESTRECHO, "_BUT_AvPag"},
};

// The frame, the four pictures of the page (slots 10 p .. 10 p + 3), their
// four overlays (slots 20..23) and the page's text below them.
constexpr float kMarcoX = 512.0f, kMarcoY = 512.0f;
struct Punto {
    float x, y;
};
constexpr Punto kDibujos[4] = {{40.0f, 40.0f}, {400.0f, 40.0f}, {760.0f, 40.0f}, {760.0f, 383.0f}};
constexpr int kSlotsPorPagina = 10, kSlotMarcos = 20;
constexpr int kFuenteTexto = 0, kFormatoTexto = 64;
constexpr float kAnchoTexto = 768.0f, kAltoTexto = 512.0f;
constexpr float kTextoX = 100.0f, kTextoY = 384.0f;

} // namespace

// ---- The opening ----

void AperturaAyuda::Abre()
{
    iContador = kPasos;
    fZoom = kZoomInicial;
    ucAlfa = 0;
    fFondoY = kFondoInicial;
}

void AperturaAyuda::Paso()
{
    const int g = iContador;
    if (g > 0) {
        fZoom += kPasoZoom;
        fFondoY += kPasoFondo;
        ucAlfa = static_cast<uint8_t>((16 - g) * 255 / 15);
        --iContador;
    } else if (g < 0) {
        fZoom -= kPasoZoom;
        fFondoY -= kPasoFondo;
        ucAlfa = static_cast<uint8_t>((g + 1) * -255 / 15);
        ++iContador;
    }
}

// ---- Shared pieces ----

bool ayuda::CreaBotones(CBotonTazmo* (&apBotones)[3], const char* szPrefijo)
{
    const int iBloqueado = CodigoFLI(juego::texto::BLOQ);
    for (int i = 0; i < 3; ++i) {
        char szNombre[CMenuObj::kLongitudNombre];
        std::snprintf(szNombre, sizeof szNombre, "%s%s", szPrefijo, kBotones[i].szSufijo);
        apBotones[i] = new (std::nothrow) CBotonTazmo;
        if (!apBotones[i] ||
            !apBotones[i]->Inicia(juego::sonido::SELECCIONAR_BOTON, juego::sonido::PULSAR_BOTON_POSITIVO,
                                  kBotones[i].x, kBotones[i].y, CodigoFLI(kBotones[i].szTexto), iBloqueado, -1, -1,
                                  kBotones[i].iFlags, i, szNombre))
            return false;
    }
    return true;
}

CSPM* ayuda::CreaFondo()
{
    CSPM* p = tazmo::CopiaSPM(motor::paquete::CUADRO_BLANCO);
    if (!p) return nullptr;
    p->PonColor(0, 0, 0);
    p->PonAlfa(kAlfaFondo);
    if (const Sprite* s = p->GetSprite(0); s && s->GetAmplada() > 0.0f && s->GetAlcada() > 0.0f)
        p->PonEscala(kAnchoFondo / s->GetAmplada(), kAltoFondo / s->GetAlcada());
    return p;
}

int ayuda::PaginaVecina(int iPagina, int n, int iPaso)
{
    if (n <= 0 || iPagina < 0 || iPagina >= n) return iPagina;
    return ((iPagina + iPaso) % n + n) % n;
}

// ---- What both panels share ----

void CPanelAyuda::InicializaComunes()
{
    for (CBotonTazmo*& p : m_apBotones) p = nullptr;
    m_pSPMFondo = nullptr;
    m_pTexto = nullptr;
    m_iPagina = 0;
    m_Apertura = AperturaAyuda{};
}

void CPanelAyuda::LiberaComunes()
{
    for (CBotonTazmo*& p : m_apBotones) tazmo::Borra(p);
    tazmo::BorraSPM(m_pSPMFondo);
    if (m_pTexto && g_pSistema2D) g_pSistema2D->AlliberaSprite(m_pTexto, false);
    m_pTexto = nullptr;
    m_bCreado = false;
}

void CPanelAyuda::IniciaTransicion(bool bEntrada)
{
    if (bEntrada)
        m_Apertura.Abre();
    else
        m_Apertura.Cierra();
    CMenuObj::IniciaTransicion(bEntrada);
}

void CPanelAyuda::Actualiza()
{
    m_Apertura.Paso();
    CMenuObj::Actualiza();
}

void CPanelAyuda::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo == EVENTO_PULSADO) {
        switch (iIdEmisor) {
        case ayuda::ID_VOLVER: Cierra(m_bRecargaAlCerrar); break;
        case ayuda::ID_ANTERIOR: CambiaPagina(-1); break;
        case ayuda::ID_SIGUIENTE: CambiaPagina(1); break;
        default: break;
        }
    }
    CMenuObj::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
}

void CPanelAyuda::MarcaEnUso(bool bEnUso, std::initializer_list<CSPM*> apPaquetes)
{
    tazmo::MarcaSPM(m_pSPMFondo, bEnUso);
    for (CSPM* p : apPaquetes) tazmo::MarcaSPM(p, bEnUso);
    if (!m_pTexto || !g_pSistema2D) return;
    if (bEnUso)
        g_pSistema2D->MarcaSpriteEnUs(m_pTexto);
    else
        g_pSistema2D->DesmarcaSpriteEnUs(m_pTexto);
}

void CPanelAyuda::DibujaFondo(Sprite* pDestino, std::initializer_list<CSPM*> apPaquetes)
{
    const AperturaAyuda& a = m_Apertura;
    if (m_pSPMFondo) m_pSPMFondo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, a.fFondoY);
    for (CSPM* p : apPaquetes) {
        if (!p) continue;
        p->PonEscala(a.fZoom, a.fZoom);
        p->PonAlfa(a.ucAlfa);
    }
}

// ---- The two pages ----

int CMenuAyuda::CodigoPagina(int p) { return CodigoFLI(p == 1 ? juego::texto::HLP1 : juego::texto::HLP0); }

CMenuAyuda::~CMenuAyuda()
{
    if (!m_bCreado && !m_bIniciado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuAyuda::Libera()
{
    tazmo::BorraSPM(m_pSPMMarco);
    tazmo::BorraSPM(m_pSPMDibujos);
    LiberaComunes();
}

bool CMenuAyuda::Crea()
{
    if (m_bCreado || m_bIniciado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaComunes();
    m_pSPMMarco = m_pSPMDibujos = nullptr;
    if (!CMenuObj::Inicia(-1, "MenuAyuda", kRect, -1)) return false;
    if (!(m_pSPMFondo = ayuda::CreaFondo())) return false;
    if (!(m_pSPMMarco = tazmo::CopiaSPM(juego::paquete::MSGBOX_GRANDE))) return false;
    if (!(m_pSPMDibujos = tazmo::CopiaSPM(juego::paquete::AYUDA))) return false;
    if (!ayuda::CreaBotones(m_apBotones, "MENUAYUDA")) return false;
    m_pTexto = g_pSistema2D ? g_pSistema2D->CreaSpriteText(kFuenteTexto, nullptr, CodigoPagina(0), kFormatoTexto, 1.0f,
                                                           1.0f, kAnchoTexto, kAltoTexto, 0.0f, 0.0f, 0.0f, 0.0f,
                                                           -1.0f, -1.0f, false)
                            : nullptr;
    if (!m_pTexto) return false;
    for (CBotonTazmo* p : m_apBotones) AnadeHijo(false, p, false, false);
    m_bCreado = true;
    return true;
}

void CMenuAyuda::CambiaPagina(int iPaso)
{
    m_iPagina = ayuda::PaginaVecina(m_iPagina, kNumPaginas, iPaso);
    if (m_pTexto && g_pSistema2D)
        g_pSistema2D->CanviaTextSprite(m_pTexto, nullptr, CodigoPagina(m_iPagina), kFormatoTexto, 1.0f, 1.0f, 0.0f,
                                       0.0f, -1.0f, -1.0f);
}

void CMenuAyuda::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    const AperturaAyuda& a = m_Apertura;
    DibujaFondo(pDestino, {m_pSPMMarco, m_pSPMDibujos});
    if (m_pSPMMarco) m_pSPMMarco->DibujaSpriteEnDestino(pDestino, 0, kMarcoX, kMarcoY);
    if (m_pSPMDibujos) {
        for (int i = 0; i < 4; ++i)
            m_pSPMDibujos->DibujaSpriteEnDestino(pDestino, kSlotsPorPagina * m_iPagina + i, kDibujos[i].x,
                                                 kDibujos[i].y);
        for (int i = 0; i < 4; ++i)
            m_pSPMDibujos->DibujaSpriteEnDestino(pDestino, kSlotMarcos + i, kDibujos[i].x, kDibujos[i].y);
    }
    if (m_pTexto && g_pSistema2D)
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pTexto, kTextoX, kTextoY, false, a.ucAlfa, 0.0f, a.fZoom, a.fZoom);
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}

void CMenuAyuda::CargaRecursos()
{
    if (RecursosCargados()) return;
    MarcaEnUso(true, {m_pSPMMarco, m_pSPMDibujos});
    CMenuObj::CargaRecursos();
}

void CMenuAyuda::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    MarcaEnUso(false, {m_pSPMMarco, m_pSPMDibujos});
    CMenuObj::DescargaRecursos();
}
