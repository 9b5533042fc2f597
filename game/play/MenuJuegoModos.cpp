// The play screen's operations that the extra modes' screens call to chain
// figures, change the colours, give back time and set the target.
#include "game/play/MenuJuego.h"

#include "engine/graphics/Sistema2D.h"
#include "game/play/BolaTablero.h"
#include "game/CatalogoJuego.h"
#include "game/play/herramientas/HerramientaCirculoCabalistico.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"
#include "game/play/herramientas/HerramientaResumen.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/widgets/BotonTazmo.h"
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

bool CMenuJuego::IniciaNivelModo(const RegistroNivel& nivel, bool bUltimaDeCapitulo, bool bMensajeVictoria)
{
    const RegistroNivel copia = nivel;
    LiberaNivel();
    InicializaModo(copia);
    m_bVueltaPedida = false;
    if (!CMenuJuego::IniciaNivel(copia, bUltimaDeCapitulo, bMensajeVictoria) || !CreaModo()) {
        LiberaNivel();
        return false;
    }
    return true;
}

void CMenuJuego::LiberaNivelModo()
{
    CMenuJuego::LiberaNivel();
    LiberaModo();
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

bool CMenuJuego::ModoEnJuego() const { return !m_bPausado && ResumenOculto() && m_iResultado == RESULTADO_EN_JUEGO; }

void CMenuJuego::TerminaPasoModo()
{
    const bool bTerminada = m_iResultado == RESULTADO_VICTORIA || m_iResultado == RESULTADO_DERROTA ||
                            m_iResultado == RESULTADO_ABANDONO;
    if (bTerminada && !m_bVueltaPedida && m_pEstadosCursor) m_pEstadosCursor->LimpiaEstados();
    VuelveAModosSiTermina();
}

void CMenuJuego::QuitaBotonesPartida()
{
    if (m_pBotonAyuda && m_pBotonAyuda->Padre() == this) QuitaHijo(false, m_pBotonAyuda);
    if (m_pBotonPausa && m_pBotonPausa->Padre() == this) QuitaHijo(false, m_pBotonPausa);
}

CMenuJuego::RecordsPuntuacion CMenuJuego::RecordsDeTabla(int iTabla)
{
    RecordsPuntuacion r;
    RegistroPerfil* p = PerfilActualJuego();
    if (!p) return r;
    const int d = p->m_iDificultad;
    r.iMejorPropio = p->Puntuacion(d, iTabla, 0);
    r.iCuartoPropio = p->Puntuacion(d, iTabla, NUM_RANGOS - 1);
    CPerfiles* pPerfiles = PerfilesJuego();
    if (!pPerfiles) return r;
    auto ranking = [&](int n) -> const EntradaRanking* {
        switch (iTabla) {
        case TABLA_ATAQUES: return pPerfiles->RankingAtaques(d, n);
        case TABLA_ATAQUES_SIN_FIN: return pPerfiles->RankingAtaquesSinFin(d, n);
        case TABLA_CONCENTRAR: return pPerfiles->RankingConcentrar(d, n);
        case TABLA_CONCENTRAR_SIN_FIN: return pPerfiles->RankingConcentrarSinFin(d, n);
        default: return nullptr;
        }
    };
    auto valor = [](const EntradaRanking* e) { return (e && e->m_pszNombre && e->m_pszNombre[0]) ? e->m_iValor : 0; };
    r.iMejorRanking = valor(ranking(0));
    r.iCuartoRanking = valor(ranking(NUM_RANGOS - 1));
    return r;
}

void CMenuJuego::AnadeRecordsInicio(DatosResumen& d, int iTabla)
{
    const RecordsPuntuacion r = RecordsDeTabla(iTabla);
    d.AnadeEntero(CodigoFLI(juego::texto::PM35), r.iMejorPropio);
    d.AnadeEntero(CodigoFLI(juego::texto::PM36), r.iMejorRanking);
}

void CMenuJuego::CierraResumenPuntuacion(DatosResumen& d, int iTabla, int iPuntuacion)
{
    const RecordsPuntuacion r = RecordsDeTabla(iTabla);
    d.AnadeEntero(CodigoFLI(juego::texto::PM36), r.iMejorRanking);
    d.AnadeParrafo(ParrafoRecord(iPuntuacion, r.iCuartoPropio, r.iCuartoRanking, false));
    EntregaResumen(d);
    RegistroPerfil* p = PerfilActualJuego();
    if (!p) return;
    const int dif = p->m_iDificultad;
    switch (iTabla) {
    case TABLA_ATAQUES: p->InsertaPuntuacionAtaques(dif, iPuntuacion); break;
    case TABLA_ATAQUES_SIN_FIN: p->InsertaPuntuacionAtaquesSinFin(dif, iPuntuacion); break;
    case TABLA_CONCENTRAR: p->InsertaPuntuacionConcentrar(dif, iPuntuacion); break;
    case TABLA_CONCENTRAR_SIN_FIN: p->InsertaPuntuacionConcentrarSinFin(dif, iPuntuacion); break;
    default: break;
    }
}
