#include "engine/ui/FondoScroll.h"

#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sprite.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr float kAnchoCampo = 1024.0f;
constexpr float kAltoCampo = 768.0f;
// Tiles beyond those that fill the field, for the shift and the wrap.
constexpr int kTeselasExtra = 3;
} // namespace

CFondoScroll::~CFondoScroll() { LiberaSiCreado(); }

void CFondoScroll::InicializaCampos()
{
    m_pSPM = nullptr;
    m_szRuta[0] = '\0';
    m_fAnchoTesela = m_fAltoTesela = 0.0f;
    m_iColumnas = m_iFilas = 0;
    m_fVelocidadX = m_fVelocidadY = 0.0f;
    m_fOffsetX = m_fOffsetY = 0.0f;
}

void CFondoScroll::Libera()
{
    delete m_pSPM;
    m_pSPM = nullptr;
}

void CFondoScroll::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CFondoScroll::Inicia(const char* szRuta, float vx, float vy)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(-1, kNombre, Rectangulo{0.0f, 0.0f, kAnchoCampo, kAltoCampo}, -1)) return false;
    std::snprintf(m_szRuta, sizeof m_szRuta, "%s", szRuta ? szRuta : "");
    const CSPM* pOrigen = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(szRuta) : nullptr;
    m_pSPM = new CSPM;
    const Sprite* s = nullptr;
    if (pOrigen && m_pSPM->Copia(pOrigen)) s = m_pSPM->GetSprite(0);
    // A tile of no size would never fill the field.
    if (!s || !(s->GetAmplada() >= 1.0f) || !(s->GetAlcada() >= 1.0f)) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_fAnchoTesela = s->GetAmplada();
    m_fAltoTesela = s->GetAlcada();
    m_iColumnas = int(kAnchoCampo / m_fAnchoTesela) + kTeselasExtra;
    m_iFilas = int(kAltoCampo / m_fAltoTesela) + kTeselasExtra;
    m_fVelocidadX = std::isfinite(vx) ? vx : 0.0f;
    m_fVelocidadY = std::isfinite(vy) ? vy : 0.0f;
    m_bCreado = true;
    return true;
}

float CFondoScroll::Desplaza(float offset, float velocidad, float periodo)
{
    // The remainder keeps any velocity inside one period, in one step.
    float r = std::fmod(offset + velocidad, periodo);
    if (!std::isfinite(r)) return -periodo;
    if (r >= 0.0f) r -= periodo;
    return r;
}

void CFondoScroll::Actualiza()
{
    if (!m_bCreado) return;
    m_fOffsetX = Desplaza(m_fOffsetX, m_fVelocidadX, 2.0f * m_fAnchoTesela);
    m_fOffsetY = Desplaza(m_fOffsetY, m_fVelocidadY, m_fAltoTesela);
}

void CFondoScroll::Dibuja(CMenuObj*, Sprite* pDestino)
{
    if (!m_pSPM) return;
    for (int i = 0; i < m_iColumnas; ++i) {
        const float x = float(i) * m_fAnchoTesela + m_fOffsetX;
        const float desnivel = (i % 2) ? m_fAltoTesela / 2.0f : 0.0f;
        for (int j = 0; j < m_iFilas; ++j)
            m_pSPM->DibujaSpriteEnDestino(pDestino, 0, x, m_fOffsetY + float(j) * m_fAltoTesela - desnivel);
    }
}

void CFondoScroll::CargaRecursos()
{
    if (m_pSPM) m_pSPM->MarcaEnUso();
}

void CFondoScroll::DescargaRecursos()
{
    if (m_pSPM) m_pSPM->DesmarcaEnUso();
    CMenuObj::DescargaRecursos();
}
