// The play screen's operations that the extra modes' screens call to chain
// figures, change the colours, give back time and set the target.
#include "game/play/MenuJuego.h"

#include "engine/graphics/Sistema2D.h"
#include "game/play/BolaTablero.h"
#include "game/CatalogoJuego.h"
#include "game/play/herramientas/HerramientaCirculoCabalistico.h"
#include "game/play/herramientas/HerramientaResumen.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuParametrosModosExtra.h"

#include <algorithm>

namespace {
constexpr int kColoresMinimo = 1;
constexpr int kColoresMaximo = 8;
} // namespace

void CMenuJuego::PreparaSiguienteFigura(CLista* pLista, bool bInicio, const TransformacionFigura& transformacion,
                                        const char* const* apszImagenes)
{
    for (size_t i = 0; i < m_asImagenes.size(); ++i)
        m_asImagenes[i] = (apszImagenes && apszImagenes[i]) ? apszImagenes[i] : "";
    m_TransformacionEsquirlas = transformacion;
    if (!bInicio) {
        m_pListaSiguiente = pLista;
        return;
    }
    m_pListaActual = pLista;
    m_pListaSiguiente = nullptr;
    m_iNumEsquirlas = pLista ? pLista->m_iNumElementos : 0;
    m_TransformacionDiamantes = transformacion;
    CBolaTablero::s_Transformacion = transformacion;
    if (m_pCirculo) {
        const char* apsz[CHerramientaCirculoCabalistico::kNumPendientes];
        for (size_t i = 0; i < m_asImagenes.size(); ++i) apsz[i] = m_asImagenes[i].c_str();
        m_pCirculo->PonPendiente(apsz);
    }
    if (m_Nivel.RUSHDESELLOS && pLista) {
        std::vector<int> colores;
        for (NodoLista* p = pLista->m_pCabeza; p; p = p->m_pSiguiente)
            colores.push_back(static_cast<CBolaTablero*>(p->m_pItem)->Color());
        m_Rush = PreparaSellosRush(colores);
    }
    if (g_pSistema2D) {
        g_pSistema2D->CarregaBitmapsEnUs();
        g_pSistema2D->DescarregaBitmapsSenseUs();
    }
}

void CMenuJuego::FijaNumeroColores(int iColores)
{
    m_Nivel.NUMCOLORES = std::clamp(iColores, kColoresMinimo, kColoresMaximo);
}

void CMenuJuego::DescuentaTiempo(int iPasos) { m_iTiempoUsado = std::max(0, m_iTiempoUsado - iPasos); }

void CMenuJuego::PonObjetivo(int iObjetivo)
{
    m_iObjetivo = iObjetivo;
    m_iPuntuacion = 0;
    if (m_pCirculo) m_pCirculo->PonObjetivo(iObjetivo);
}

bool CMenuJuego::ResumenOculto() const { return !m_pResumen || (!m_pResumen->Visible() && m_pResumen->Fundido() <= 0.0f); }

void CMenuJuego::VuelveAModosSiTermina()
{
    const bool bTerminada = m_iResultado == RESULTADO_VICTORIA || m_iResultado == RESULTADO_DERROTA ||
                            m_iResultado == RESULTADO_ABANDONO;
    if (!bTerminada) {
        m_bVueltaPedida = false;
        return;
    }
    if (m_bVueltaPedida) return;
    m_bVueltaPedida = true;
    if (g_pMenuMaestro) g_pMenuMaestro->CambiaMenu(static_cast<CMenuObj*>(g_pMenuMaestro->m_pMenuParametrosModosExtra));
}

int CMenuJuego::ParrafoRecord(int iValor, int iCuartoPropio, int iCuartoRanking, bool bTiempo)
{
    const bool bEntraPropio = bTiempo ? iValor < iCuartoPropio : iValor > iCuartoPropio;
    if (!bEntraPropio) return CodigoFLI(juego::texto::RE80);
    const bool bEntraRanking = bTiempo ? iValor < iCuartoRanking : iValor > iCuartoRanking;
    return CodigoFLI(bEntraRanking ? juego::texto::RE82 : juego::texto::RE81);
}
