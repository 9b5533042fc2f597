#include "engine/ui/CirculoSprites.h"

#include "engine/graphics/Geometria.h"
#include "engine/graphics/RegistroSprite3D.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sistema3D.h"
#include "engine/graphics/Sprite3D.h"

#include <cmath>

namespace {

// The field's centre: a projection shifted by (x - 512, y - 384) puts the
// ring's centre on (x, y).
constexpr float kCentroCampoX = 512.0f;
constexpr float kCentroCampoY = 384.0f;

bool Graficos() { return g_pSistema2D && g_pSistema2D->EstaIniciat(); }

} // namespace

CCirculoSprites::~CCirculoSprites() { LiberaSiCreado(); }

void CCirculoSprites::InicializaCampos()
{
    m_iEstado = QUIETO;
    m_fCentroX = m_fCentroY = 0.0f;
    m_fDireccion = 1.0f;
    m_pSprite = nullptr;
    m_fObjetivo = m_fAngulo = m_fVelocidad = 0.0f;
    m_fDistancia = 1.0f;
    m_fRadio = 0.0f;
    m_iNumPiezas = 0;
    m_bCambiado = true;
}

void CCirculoSprites::Libera()
{
    delete m_pSprite;
    m_pSprite = nullptr;
}

void CCirculoSprites::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CCirculoSprites::Inicia(int xCentro, int yCentro, float radio, float distancia)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(-1, kNombre, Rectangulo{0.0f, 0.0f, 0.0f, 0.0f}, -1)) return false;
    m_fCentroX = float(xCentro);
    m_fCentroY = float(yCentro);
    m_fRadio = radio;
    m_fDistancia = distancia;
    m_pSprite = new CSprite3D;
    if (!m_pSprite->Carga("", true)) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

int CCirculoSprites::Anadida(bool bHecho)
{
    if (!bHecho) return 0;
    ++m_iNumPiezas;
    m_bCambiado = true;
    return m_iNumPiezas;
}

int CCirculoSprites::AnadeSprite(const Sprite* pSprite)
{
    if (!m_pSprite || !pSprite || m_iNumPiezas >= kNumPiezasSprite3D) return 0;
    return Anadida(m_pSprite->PonSprite(m_iNumPiezas, pSprite));
}

int CCirculoSprites::AnadeSPM(const CSPM* pSPM)
{
    if (!m_pSprite || !pSPM || m_iNumPiezas >= kNumPiezasSprite3D) return 0;
    return Anadida(m_pSprite->PonSPM(m_iNumPiezas, pSPM));
}

int CCirculoSprites::AnadeSPMPorNombre(const char* szRuta)
{
    if (!m_pSprite || !szRuta || m_iNumPiezas >= kNumPiezasSprite3D) return 0;
    const int i = m_iNumPiezas;
    if (!m_pSprite->PonSPMPorNombre(i, szRuta)) return 0;
    m_pSprite->PonVisible(i, false);
    return Anadida(true);
}

void CCirculoSprites::GiraA(int i)
{
    // Without pieces there is no place to turn to.
    if (m_iNumPiezas <= 0) return;
    m_fObjetivo = float(i) * kDosPi / float(m_iNumPiezas);
    m_iEstado = QUIETO;
}

void CCirculoSprites::Gira(float fVelocidad)
{
    m_fVelocidad = std::isfinite(fVelocidad) ? fVelocidad : 0.0f;
    m_iEstado = GIRANDO;
}

void CCirculoSprites::Actualiza()
{
    switch (m_iEstado) {
    case QUIETO: {
        const float d = DiferenciaAngles(m_fObjetivo, m_fAngulo);
        if (std::fabs(d) > kZonaMuerta) {
            m_iEstado = GIRANDO_A;
            m_fDireccion = d > 0.0f ? 1.0f : -1.0f;
        }
        break;
    }
    case GIRANDO_A:
        m_fVelocidad = std::fmin(m_fVelocidad + kAceleracion, kVelocidadMaxima);
        m_fAngulo = NormalitzaAngle(m_fAngulo + m_fVelocidad * m_fDireccion);
        if (std::fabs(DiferenciaAngles(m_fObjetivo, m_fAngulo)) <= m_fVelocidad) {
            m_fVelocidad = 0.0f;
            m_fAngulo = NormalitzaAngle(m_fObjetivo);
            m_iEstado = QUIETO;
        }
        break;
    case GIRANDO:
        m_fAngulo = NormalitzaAngle(m_fAngulo + m_fVelocidad);
        break;
    default:
        break;
    }
    CMenuObj::Actualiza();
}

void CCirculoSprites::ColocaPiezas()
{
    for (int i = 0; i < m_iNumPiezas; ++i) {
        const PiezaSprite3D* p = m_pSprite->GetPieza(i);
        if (!p) continue;
        AtributosPieza a = p->m_actual;
        const float t = float(i) * kDosPi / float(m_iNumPiezas);
        a.x = std::cos(t) * m_fRadio;
        a.z = std::sin(t) * m_fRadio;
        m_pSprite->PonAtributosPieza(i, a);
    }
    m_bCambiado = false;
}

void CCirculoSprites::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    CMenuObj::Dibuja(pHastaHijo, pDestino);
    if (!m_pSprite || !Graficos()) return;
    CSistema3D* p3D = g_pSistema2D->Get3D();
    if (!p3D) return;
    if (m_bCambiado) ColocaPiezas();
    p3D->PosaCamera(Vector3D{std::cos(m_fAngulo) * m_fDistancia, 0.0f, std::sin(m_fAngulo) * m_fDistancia},
                    Vector3D{}, 0.0f);
    p3D->PosaProjeccio(m_fCentroX - kCentroCampoX, m_fCentroY - kCentroCampoY, 1.0f, CSistema3D::kFovPerDefecte);
    m_pSprite->Dibuja(pDestino, Vector3D{}, 0.0f, 1.0f, false, false);
}

void CCirculoSprites::CargaRecursos()
{
    if (m_pSprite) m_pSprite->MarcaEnUso();
    CMenuObj::CargaRecursos();
}

void CCirculoSprites::DescargaRecursos()
{
    if (m_pSprite) m_pSprite->DesmarcaEnUso();
    CMenuObj::DescargaRecursos();
}
