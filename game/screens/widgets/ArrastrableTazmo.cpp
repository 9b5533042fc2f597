#include "game/screens/widgets/ArrastrableTazmo.h"

#include "engine/graphics/SPM.h"
#include "game/screens/widgets/AyudasTazmo.h"

namespace {
constexpr int kEstilo = 0;
}

CArrastrableTazmo::~CArrastrableTazmo() { CArrastrableTazmo::LiberaSiCreado(); }

void CArrastrableTazmo::LiberaSiCreado()
{
    // The draggable part has its own mark; this level's is the package.
    CArrastrable::LiberaSiCreado();
    tazmo::BorraSPM(m_pSPM);
    m_bCreado = false;
}

bool CArrastrableTazmo::Inicia(float fXMin, float fYMin, float fXMax, float fYMax, float fAncho, float fAlto,
                               const char* szSPM, int iFrame, int iId, const char* szNombre)
{
    LiberaSiCreado();
    m_iFrame = iFrame;
    m_tApertura = CTemporizador();
    if (!CArrastrable::Inicia(fXMin, fYMin, fAncho, fAlto, fXMin, fYMin, fXMax, fYMax, kEstilo, iId, szNombre))
        return false;
    m_pSPM = tazmo::CopiaSPM(szSPM);
    if (!m_pSPM) {
        CArrastrable::LiberaSiCreado();
        return false;
    }
    m_bCreado = true;
    return true;
}

void CArrastrableTazmo::Dibuja(CMenuObj*, Sprite* pDestino)
{
    if (m_pSPM) m_pSPM->DibujaSpriteEnDestino(pDestino, m_iFrame, m_rect.x, m_rect.y);
}

void CArrastrableTazmo::CargaRecursos()
{
    if (RecursosCargados()) return;
    tazmo::MarcaSPM(m_pSPM, true);
    CArrastrable::CargaRecursos();
}

void CArrastrableTazmo::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    tazmo::MarcaSPM(m_pSPM, false);
    CArrastrable::DescargaRecursos();
}
