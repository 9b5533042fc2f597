#include "game/play/GeneradorOleadas.h"

#include "engine/core/Lista.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Geometria.h"
#include "engine/graphics/Sistema2D.h"

#include <algorithm>
#include <cmath>

namespace {

// The two families of curse kinds, each kind with the weight that scales
// its number of attacks.
struct PesoTipo {
    int iTipo;
    float fPeso;
};
constexpr std::array<PesoTipo, 7> kPrimeraFamilia{{{1, 4.0f}, {2, 1.0f}, {3, 0.2f}, {4, 2.0f}, {5, 1.5f},
                                                  {6, 2.0f}, {7, 0.2f}}};
constexpr std::array<PesoTipo, 3> kSegundaFamilia{{{8, 0.3f}, {10, 1.0f}, {11, 0.5f}}};

// Layouts of a group.
enum { DISPOSICION_DISPERSA = 0, DISPOSICION_CAMINO = 1, DISPOSICION_ANILLO = 2, DISPOSICION_ANILLO_PUNTO = 3 };

constexpr float kRadioCampo = 350.0f;                // attacks lie within this of the centre
constexpr float kRadioMinimoCamino = 350.0f / 3.0f;
constexpr float kRadioMaximoCamino = 210.0f;
constexpr float kGiroCamino = 0.026179934f;          // 1.5 degrees a frame
constexpr float kVelocidadCamino = 1.5f;
constexpr int kPasosCaminoPorAtaque = 15;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;

template <size_t N>
void SorteaGrupo(const std::array<PesoTipo, N>& familia, int m, int* piTipo, int* piNumero)
{
    const PesoTipo& p = familia[static_cast<size_t>(EnteroAleatorio(0, static_cast<int>(N) - 1))];
    *piTipo = p.iTipo;
    *piNumero = static_cast<int>(static_cast<float>(EnteroAleatorio(m / 2, m)) * p.fPeso);
}

// One value for every group slot, or a value of its own for each.
void SorteaAjuste(std::array<int, CGeneradorOleadas::kMaxGrupos>& a, int iMaximo)
{
    if (RealAleatorio(0.0f, 1.0f) > 0.5f) {
        a.fill(EnteroAleatorio(0, iMaximo));
    } else {
        for (int& v : a) v = EnteroAleatorio(0, iMaximo);
    }
}

} // namespace

void VaciaOleada(CLista* pLista)
{
    if (!pLista) return;
    for (NodoLista* p = pLista->m_pCabeza; p; p = p->m_pSiguiente) {
        auto* a = static_cast<AtaqueOleada*>(p->m_pItem);
        if (a && a->m_pEtiqueta && g_pSistema2D) g_pSistema2D->AlliberaSprite(a->m_pEtiqueta, true);
        delete a;
    }
    pLista->Vacia();
}

CGeneradorOleadas::~CGeneradorOleadas()
{
    if (m_bCreado) Libera();
}

bool CGeneradorOleadas::Crea()
{
    if (m_bCreado) Libera();
    m_iGruposA = m_iGruposB = 0;
    for (auto* a : {&m_aiTipo, &m_aiNumero, &m_aiDisposicion, &m_aiSimetria, &m_aiEspaciado, &m_aiPaso}) a->fill(0);
    m_iFrame = m_iPedidos = 0;
    m_fAnguloAnillo = m_fCentroX = m_fCentroY = m_fRadio = m_fPasoAngulo = 0.0f;
    m_pCamino = new CCaminoMoneda;
    m_pCamino->Reinicia();
    m_bCreado = 1;
    return true;
}

void CGeneradorOleadas::Libera()
{
    delete m_pCamino;
    m_pCamino = nullptr;
    m_bCreado = 0;
}

int CGeneradorOleadas::NumGrupos(int n)
{
    return std::min(std::max(n, 0) / 5 + 3, kMaxGrupos);
}

int CGeneradorOleadas::GruposPrimeraFamilia(int b, float c)
{
    const int a = static_cast<int>(static_cast<float>(b) * c);
    return std::clamp(a, 0, b);
}

bool CGeneradorOleadas::CreceDesplazamiento(int iModo, int iPedidos)
{
    switch (iModo) {
    case 0: return true;
    case 1:
    case 2:
    case 3:
    case 4: {
        // Records come in runs of 2, 4, 8 or 16 that share an offset.
        const int n = 1 << iModo;
        return iPedidos > 0 && iPedidos % n == 0;
    }
    default: return false;
    }
}

int CGeneradorOleadas::FramesPaso(int iPaso)
{
    return 1 << std::clamp(iPaso, 0, 4);
}

float CGeneradorOleadas::RumboAtaque(int iTipo, float x, float y)
{
    switch (iTipo) {
    case 1:
    case 5: return kPi / 2.0f;
    case 2: return std::atan2(-y, -x);
    default: return 0.0f;
    }
}

void CGeneradorOleadas::PreparaDisposicion(int i)
{
    const int s = (m_aiSimetria[i] == 1 || m_aiSimetria[i] == 2) ? 2 : (m_aiSimetria[i] == 3 ? 4 : 1);
    const int k = (m_aiNumero[i] + s - 1) / s;
    const float fPaso = k > 0 ? kDosPi / static_cast<float>(k) : 0.0f;
    switch (m_aiDisposicion[i]) {
    case DISPOSICION_CAMINO: {
        const float a = RealAleatorio(0.0f, kDosPi);
        const float r = RealAleatorio(kRadioMinimoCamino, kRadioMaximoCamino);
        m_pCamino->Inicia(r * std::cos(a), r * std::sin(a), kRadioMinimoCamino, kRadioMaximoCamino, kGiroCamino,
                          kVelocidadCamino, EnteroAleatorio(1, 5) * 30);
        break;
    }
    case DISPOSICION_ANILLO:
        m_fCentroX = m_fCentroY = 0.0f;
        m_fAnguloAnillo = 0.0f;
        m_fRadio = RealAleatorio(kRadioMinimoCamino, kRadioCampo);
        m_fPasoAngulo = fPaso;
        break;
    case DISPOSICION_ANILLO_PUNTO: {
        const float a = RealAleatorio(0.0f, kDosPi);
        const float r = RealAleatorio(kRadioMinimoCamino, kRadioMaximoCamino);
        m_fCentroX = r * std::cos(a);
        m_fCentroY = r * std::sin(a);
        m_fAnguloAnillo = 0.0f;
        m_fRadio = RealAleatorio((kRadioCampo - r) / 3.0f, kRadioCampo - r);
        m_fPasoAngulo = fPaso;
        break;
    }
    default: break;
    }
}

void CGeneradorOleadas::SiguientePosicion(int i, float* px, float* py)
{
    switch (m_aiDisposicion[i]) {
    case DISPOSICION_CAMINO:
        for (int k = 0; k < kPasosCaminoPorAtaque; ++k) m_pCamino->Actualiza();
        *px = m_pCamino->m_fX;
        *py = m_pCamino->m_fY;
        break;
    case DISPOSICION_ANILLO:
    case DISPOSICION_ANILLO_PUNTO:
        *px = m_fCentroX + m_fRadio * std::cos(m_fAnguloAnillo);
        *py = m_fCentroY + m_fRadio * std::sin(m_fAnguloAnillo);
        m_fAnguloAnillo += m_fPasoAngulo;
        break;
    default: {
        float x = 0.0f, y = 0.0f;
        do {
            x = RealAleatorio(-kRadioCampo, kRadioCampo);
            y = RealAleatorio(-kRadioCampo, kRadioCampo);
        } while (x * x + y * y > kRadioCampo * kRadioCampo);
        *px = x;
        *py = y;
        break;
    }
    }
}

void CGeneradorOleadas::CreaOleada(int n, CLista* pLista)
{
    if (!pLista) return;
    VaciaOleada(pLista);
    if (!m_bCreado) Crea();
    n = std::max(n, 0);

    // Groups of the two families.
    const int b = NumGrupos(n);
    float c = 0.2f;
    if (n <= 30) c = 0.2f + 0.6f * RealAleatorio(0.0f, 1.0f - static_cast<float>(n - 30) / 30.0f);
    m_iGruposA = GruposPrimeraFamilia(b, c);
    m_iGruposB = b - m_iGruposA;

    // Kinds and numbers.
    const int m = n + 10;
    for (int i = 0; i < m_iGruposA; ++i) SorteaGrupo(kPrimeraFamilia, m, &m_aiTipo[i], &m_aiNumero[i]);
    for (int i = m_iGruposA; i < b; ++i) SorteaGrupo(kSegundaFamilia, m, &m_aiTipo[i], &m_aiNumero[i]);

    SorteaAjuste(m_aiDisposicion, 3);
    SorteaAjuste(m_aiSimetria, 5);
    SorteaAjuste(m_aiEspaciado, 5);
    SorteaAjuste(m_aiPaso, 4);

    for (int i = 0; i < b && pLista->m_iNumElementos < kMaxAtaquesOleada; ++i) ColocaGrupo(i, pLista);
}

void CGeneradorOleadas::ColocaGrupo(int i, CLista* pLista)
{
    if (i < 0 || i >= kMaxGrupos || !pLista) return;
    if (!m_bCreado) Crea();
    PreparaDisposicion(i);
    m_iFrame = 0;
    m_iPedidos = 0;
    int iRestantes = m_aiNumero[i];
    while (iRestantes > 0 && pLista->m_iNumElementos < kMaxAtaquesOleada) {
        if (CreceDesplazamiento(m_aiEspaciado[i], m_iPedidos)) m_iFrame += FramesPaso(m_aiPaso[i]);
        ++m_iPedidos;
        float x = 0.0f, y = 0.0f;
        SiguientePosicion(i, &x, &y);
        // The record and its mirrored copies.
        float aPuntos[4][2] = {{x, y}, {x, y}, {x, y}, {x, y}};
        int iPuntos = 1;
        switch (m_aiSimetria[i]) {
        case 1: aPuntos[iPuntos++][0] = -x; break;
        case 2: aPuntos[iPuntos++][1] = -y; break;
        case 3:
            aPuntos[iPuntos++][0] = -x;
            aPuntos[iPuntos++][1] = -y;
            aPuntos[iPuntos][0] = -x;
            aPuntos[iPuntos++][1] = -y;
            break;
        default: break;
        }
        for (int k = 0; k < iPuntos && pLista->m_iNumElementos < kMaxAtaquesOleada; ++k) {
            auto* a = new AtaqueOleada;
            a->m_iTipo = m_aiTipo[i];
            a->m_iDesfase = m_iFrame;
            a->m_fAngulo = RumboAtaque(a->m_iTipo, aPuntos[k][0], aPuntos[k][1]);
            a->m_fX = aPuntos[k][0] + kCentroX;
            a->m_fY = aPuntos[k][1] + kCentroY;
            pLista->InsertaAlPrincipio(a);
        }
        iRestantes -= iPuntos;
    }
}
