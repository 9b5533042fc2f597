// The play screen's chains: presses take pieces into moves, moves score
// their crossings, the line check closes lines and undo takes moves back;
// and the drawing of the path, the crossing markers and the seal's outline.
#include "game/play/MenuJuego.h"

#include "engine/core/Temporizador.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/Sistema2D.h"
#include "game/play/BolaTablero.h"
#include "game/play/GestorTutoriales.h"
#include "game/play/herramientas/HerramientaAsistenciaVisual.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "game/play/herramientas/HerramientaCarteles.h"
#include "game/play/herramientas/HerramientaCirculoCabalistico.h"
#include "game/play/herramientas/HerramientaEfectos.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"
#include "game/play/herramientas/HerramientaEventoSonido.h"
#include "game/play/herramientas/HerramientaMarcadores.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kNumColores = 8;
constexpr int kAnimoMalo = 2;
constexpr int kAnimoBueno = 6;
constexpr int kBannerDiamantes = 0, kBannerTrazado = 1;
constexpr int kFanfarriaTrazado = 0, kFanfarriaSello = 1, kFanfarriaDiamantes = 2;
constexpr int kMarcadorUsadoDeshacer = MARCADOR_PRIMER_AVISO + 3;
// Lines of 6 to 12 moves with every crossing earn the crossing trophies.
constexpr int kMovimientosTrofeo0 = 6, kMovimientosTrofeoUltimo = 12;
constexpr int kCrucesSonidoMax = 3;
constexpr int kCrucesSonidoTope = 10;

// The lines' look.
const ColorRGB kColorContorno{210, 255, 255};
constexpr float kAlfaContorno = 75.0f;
constexpr float kPasosAparecerContorno = 30.0f;
constexpr float kEscalaLinea = 1.0f;
constexpr float kGrosorLinea = 1.0f;
// The tutorial's guide: a pale cyan band over the best line, added on.
constexpr float kEscalaGuia = 4.0f, kGrosorGuia = 0.5f, kAlfaGuia = 75.0f;
constexpr int kFusionGuia = 0x03;
const ColorRGB kColorGuia{210, 255, 255};
constexpr float kUmbralPasoGuia = 0.00001f;
constexpr float kPasosDesvanecerCamino = 15.0f;
constexpr float kPasosDesvanecerSello = 120.0f;

bool EsFaseFinal(int f) { return f == FASE_VICTORIA || f == FASE_TIEMPO_AGOTADO || f == FASE_DERROTA; }

CBolaTablero* Bola(NodoLista* n) { return static_cast<CBolaTablero*>(n->m_pItem); }
JugadaTrazada* Jugada(NodoLista* n) { return static_cast<JugadaTrazada*>(n->m_pItem); }

} // namespace

std::vector<Punt2D> CMenuJuego::CentrosJugadas() const
{
    std::vector<Punt2D> c;
    c.reserve(static_cast<size_t>(m_Jugadas.m_iNumElementos));
    for (NodoLista* n = m_Jugadas.m_pCabeza; n; n = n->m_pSiguiente) c.push_back(Jugada(n)->Centro());
    return c;
}

void CMenuJuego::LiberaJugadas()
{
    for (NodoLista* n = m_Jugadas.m_pCabeza; n; n = n->m_pSiguiente) {
        JugadaTrazada* j = Jugada(n);
        for (NodoLista* p = j->m_Piezas.m_pCabeza; p; p = p->m_pSiguiente)
            if (Bola(p)->m_pJugada == j) Bola(p)->m_pJugada = nullptr;
        j->m_Piezas.Libera();
        delete j;
    }
    m_Jugadas.Libera();
}

bool CMenuJuego::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    const bool bUsado = CMenuObj::TrataBotonRaton(iRaton, iEvento, x, y);
    if (!m_bCreado || m_bPausado) return bUsado;
    if (m_bLineaCompleta || m_bPiezaSaliendo) {
        // The line before is still settling: the press is kept and answers
        // as soon as it has (ActualizaPulsacionPendiente).
        // A press on one of the screen's buttons is the button's alone.
        auto enBoton = [&](CBotonTazmo* b) { return b && b->Padre() == this && b->Contiene(x, y); };
        if (iEvento == BOTON_IZQUIERDO_ABAJO && (m_iFase == FASE_DIAMANTES || m_iFase == FASE_TRAZADO) &&
            !enBoton(m_pBotonPausa) && !enBoton(m_pBotonAyuda)) {
            m_PulsacionPendiente = Punt2D{x, y};
            m_iPasosPulsacionPendiente = kPasosPulsacionPendiente;
        }
        return bUsado;
    }
    if (m_pEstadosCursor && !m_pEstadosCursor->PuedeTrazar()) return bUsado;
    if (m_iFase == FASE_DIAMANTES) {
        if (iEvento == BOTON_IZQUIERDO_ABAJO)
            RecogePiezasCercanas(x, y, kRadioBusca2, BUSCA_PULSACION);
        else if (iEvento == BOTON_DERECHO_ABAJO)
            DeshaceLinea();
    } else if (m_iFase == FASE_TRAZADO && iEvento == BOTON_IZQUIERDO_ABAJO) {
        RecogePiezasCercanas(x, y, kRadioBusca2, BUSCA_PULSACION);
    }
    return bUsado;
}

void CMenuJuego::ActualizaPulsacionPendiente()
{
    if (m_iPasosPulsacionPendiente <= 0) return;
    --m_iPasosPulsacionPendiente;
    if (m_bLineaCompleta || m_bPiezaSaliendo) return;
    m_iPasosPulsacionPendiente = 0;
    if (m_iFase != FASE_DIAMANTES && m_iFase != FASE_TRAZADO) return;
    if (m_pEstadosCursor && !m_pEstadosCursor->PuedeTrazar()) return;
    RecogePiezasCercanas(m_PulsacionPendiente.x, m_PulsacionPendiente.y, kRadioBusca2, BUSCA_PULSACION);
}

void CMenuJuego::RecogePiezasCercanas(float x, float y, float fCota, ModoBusca modo)
{
    if (!m_pListaActual) return;
    struct Cercana {
        CBolaTablero* pieza;
        float d2;
    };
    std::vector<Cercana> cercanas;
    bool bSobrevoladaCerca = false;
    for (NodoLista* n = m_pListaActual->m_pCabeza; n; n = n->m_pSiguiente) {
        CBolaTablero* b = Bola(n);
        const float dx = x - b->PosicionX(), dy = y - b->PosicionY();
        const float d2 = dx * dx + dy * dy;
        if (d2 < fCota) {
            cercanas.push_back({b, d2});
            if (b == m_pSobrevolada) bSobrevoladaCerca = true;
        }
    }
    std::stable_sort(cercanas.begin(), cercanas.end(), [](const Cercana& a, const Cercana& b) { return a.d2 < b.d2; });
    if (!bSobrevoladaCerca) m_pSobrevolada = nullptr;

    if (modo == BUSCA_SOBREVUELO) {
        for (const Cercana& c : cercanas) AnyadePiezaALinea(c.pieza, BUSCA_SOBREVUELO, nullptr);
        return;
    }
    m_Pulsacion = Punt2D{x, y};
    for (const Cercana& c : cercanas) {
        auto* j = new JugadaTrazada;
        j->m_Piezas.Inicia();
        AnyadePiezaALinea(c.pieza, BUSCA_PULSACION, j);
        if (j->m_Piezas.m_iNumElementos == 0) {
            j->m_Piezas.Libera();
            delete j;
            continue;
        }
        if (!m_Jugadas.m_bIniciada) m_Jugadas.Inicia();
        m_Jugadas.InsertaAlFinal(j);
        if (m_iFase == FASE_DIAMANTES) {
            ++m_iMovimientosLinea;
            ++m_iMovimientosTotal;
            const int iPuntos = PuntuaCruces();
            m_iPuntuacion += iPuntos;
            j->m_iPuntos = iPuntos;
        } else if (m_iFase == FASE_TRAZADO) {
            CuentaTrazo();
        }
        return;
    }
}

bool CMenuJuego::AnyadePiezaALinea(CBolaTablero* pPieza, ModoBusca modo, JugadaTrazada* pJugada)
{
    if (!pPieza) return false;
    bool bValida = false;
    if (m_iFase == FASE_DIAMANTES) {
        bValida = pPieza->PuedeCogerse() && (m_iColorSeleccionado == -1 || pPieza->Color() == m_iColorSeleccionado);
        if (!bValida && modo == BUSCA_PULSACION && pPieza->EstaCogida() && m_Jugadas.m_pCola &&
            pPieza->m_pJugada == Jugada(m_Jugadas.m_pCola))
            DeshaceLinea();
    } else if (m_iFase == FASE_TRAZADO) {
        bValida = pPieza->PuedeCogerse() && EsquirlaSiguiente(pPieza->Orden(), m_iUltimaEsquirla, m_iNumEsquirlas,
                                                              m_Nivel.RUSHDESELLOS, m_Rush, m_iColorSeleccionado);
    }
    if (!bValida) return false;

    if (modo == BUSCA_SOBREVUELO) {
        if (!m_pSobrevolada) {
            m_pSobrevolada = pPieza;
            if (m_iFase == FASE_TRAZADO) {
                m_iEsperaMaxima = std::max(m_iEsperaMaxima, m_iPasosDesdeEsquirla);
                m_iPasosDesdeEsquirla = 0;
                if (m_pEfectos) m_pEfectos->DestelloPieza(pPieza->PosicionX(), pPieza->PosicionY());
                TocaSonido(SONIDO_ESQUIRLA_CORRECTA);
            }
        }
        return true;
    }
    if (!pJugada) return false;

    pPieza->Coge();
    if (m_iFase == FASE_DIAMANTES) {
        const int c = pPieza->Color();
        if (c >= 0 && c < kNumColores) TocaSonido(SONIDO_TOCA_COLOR_0 + c);
        if (m_iColorSeleccionado == -1) m_iInicioLinea = m_iPasosJugados;
        ++m_iDiamantesCogidos;
    } else {
        TocaSonido(SONIDO_COGER_ESQUIRLA);
        ++m_iEsquirlasTrazadas;
        ++m_iEsquirlasRush;
        m_iUltimaEsquirla = pPieza->Orden();
        if (m_Nivel.RUSHDESELLOS && m_iColorSeleccionado == -1) m_iColorSeleccionado = pPieza->Color();
    }
    pJugada->m_Piezas.InsertaAlFinal(pPieza);
    pPieza->m_pJugada = pJugada;
    m_iColorSeleccionado = pPieza->Color();
    if (m_pEfectos) m_pEfectos->ChispasPieza(pPieza->PosicionX(), pPieza->PosicionY());
    m_bJugadaNueva = true;
    m_pSobrevolada = nullptr;
    return true;
}

int CMenuJuego::PuntuaCruces()
{
    if (m_Jugadas.m_iNumElementos < 4) return 0;
    // The pointer where it pressed.
    const float px = m_Pulsacion.x;
    const float py = m_Pulsacion.y;
    const int c = CrucesNuevaJugada(CentrosJugadas(), Punt2D{px, py});
    const int iMultiplicador = m_pBonuses ? m_pBonuses->Multiplicador() : 1;
    if (c > 0 && m_pEfectos)
        for (int i = 0; i < c * iMultiplicador; ++i) m_pEfectos->CruzAlMarcador(px, py);
    if (iMultiplicador > 1 && c > 0 && m_pBonuses) m_pBonuses->PulsaInsignia();
    if (c > 0) {
        m_iCrucesLinea += c;
        if (m_Jugadas.m_pCola) Jugada(m_Jugadas.m_pCola)->m_iCruces = c;
        if (m_iCrucesLinea == TablaMaximoCruces(m_iMovimientosLinea) && c >= kCrucesSonidoMax) {
            TocaSonido(c > kCrucesSonidoTope ? SONIDO_MAS_ESQUIRLAS_MAX_POR_LINEA
                                             : SONIDO_ESQUIRLAS_MAX_POR_LINEA_3 + (c - kCrucesSonidoMax));
            if (m_iMovimientosLinea >= kMovimientosTrofeo0 && m_iMovimientosLinea <= kMovimientosTrofeoUltimo) {
                const char* szTrofeo = NombreMarcador(MARCADOR_PRIMER_TROFEO + m_iMovimientosLinea - kMovimientosTrofeo0);
                RegistroPerfil* pPerfil = PerfilActualJuego();
                CGestorDesbloqueos* pGestor = GestorDesbloqueosJuego();
                if (pPerfil && pGestor && !pPerfil->EstaDesbloqueado(szTrofeo)) pGestor->Desbloquea(szTrofeo, false);
            }
        } else {
            TocaSonido(c > kCrucesSonidoTope ? SONIDO_MAS_ESQUIRLAS_POR_LINEA : SONIDO_ESQUIRLAS_POR_LINEA_1 + (c - 1));
        }
    }
    return iMultiplicador * c;
}

void CMenuJuego::CompruebaLinea()
{
    if (!m_pListaActual) return;
    const int iMaximo = m_iMaximoLinea + (m_pBonuses ? m_pBonuses->PiezasExtra() : 0);
    m_bLineaCompleta = false;
    m_bPiezaSaliendo = false;

    int aiCuenta[kNumColores] = {};
    int iAsentadas = 0, iCogidas = 0;
    for (NodoLista* n = m_pListaActual->m_pCabeza; n; n = n->m_pSiguiente) {
        const CBolaTablero* b = Bola(n);
        if (b->EstaSaliendo()) m_bPiezaSaliendo = true;
        if (b->HaDesaparecido()) continue;
        const int c = b->Color();
        if (c >= 0 && c < kNumColores) ++aiCuenta[c];
        if (m_iColorSeleccionado >= 0 && c == m_iColorSeleccionado) {
            if (b->EstaAsentada()) ++iAsentadas;
            if (b->EstaCogida()) ++iCogidas;
        }
    }
    const bool bDiamantes = m_iFase == FASE_DIAMANTES;
    bool bTerminada = false;
    if (m_iColorSeleccionado >= 0 && m_iColorSeleccionado < kNumColores) {
        const EstadoLinea e =
            EvaluaLinea(bDiamantes, aiCuenta[m_iColorSeleccionado], iAsentadas, iCogidas, iMaximo);
        bTerminada = e.bTerminada;
        m_bLineaCompleta = e.bCompleta;
    }

    bool bSello = false;
    bool bObjetivo = false;
    if (bDiamantes && m_iPuntuacion >= m_iObjetivo) {
        if (iAsentadas + 1 >= iMaximo && m_iCrucesLinea == TablaMaximoCruces(iMaximo)) AlcanzaLineaMaxima(iMaximo);
        bObjetivo = ConcentraEnergia();
        m_iPasosFase = 0;
        TocaSonido(SONIDO_DIAMANTES_TRASCIENDEN);
        if (m_pMarcadores) m_pMarcadores->PonAnimo(kAnimoBueno);
        ++m_iLineasUsadas;
        bSello = true;
    }
    if (m_iFase == FASE_TRAZADO && m_iEsquirlasTrazadas == m_iNumEsquirlas && m_iNumEsquirlas > 0) {
        bObjetivo = CompletaSello() || bObjetivo;
        m_iPasosFase = 0;
        TocaSonido(SONIDO_ESQUIRLAS_TRASCIENDEN);
        if (m_pMarcadores) m_pMarcadores->PonAnimo(kAnimoBueno);
        bSello = true;
    }
    if (m_iFase == FASE_TRAZADO && m_Nivel.RUSHDESELLOS && m_iEsquirlasRush > 0 && m_iColorSeleccionado >= 0 &&
        m_iColorSeleccionado < NUM_COLORES_RUSH &&
        m_iEsquirlasRush == m_Rush.m_aiCuenta[static_cast<size_t>(m_iColorSeleccionado)]) {
        m_iFase = FASE_SELLO_RUSH_COMPLETADO;
        if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(kFanfarriaSello);
        m_iPasosFase = 0;
        TocaSonido(SONIDO_ESQUIRLAS_TRASCIENDEN);
        if (m_pMarcadores) m_pMarcadores->PonAnimo(kAnimoBueno);
        bSello = true;
    }

    if (bTerminada) {
        if (!bSello) {
            TocaSonido(SONIDO_FINALIZAR_JUGADA);
            if (m_pMarcadores) m_pMarcadores->PonAnimo(AnimoPorCalidad(m_iCrucesLinea, m_iMovimientosLinea));
        }
        if (m_iFase == FASE_DIAMANTES && m_iCrucesLinea == TablaMaximoCruces(iMaximo)) AlcanzaLineaMaxima(iMaximo);
        PuntuaLinea(m_iCrucesLinea);
        LimpiaJugadas(true);
        ++m_iLineasUsadas;
    }
    if (bTerminada || bObjetivo) m_bObjetivoTutorialPendiente = true;
    if (m_iColorSeleccionado == -1) PreparaFigura();
}

void CMenuJuego::DeshaceLinea()
{
    JugadaTrazada* n = m_Jugadas.m_pCola ? Jugada(m_Jugadas.m_pCola) : nullptr;
    if (n) {
        if (m_iFase == FASE_DIAMANTES) --m_iDiamantesCogidos;
        m_iPuntuacion -= n->m_iPuntos;
        --m_iMovimientosLinea;
        --m_iMovimientosTotal;
        m_iCrucesLinea -= n->m_iCruces;
        for (NodoLista* p = n->m_Piezas.m_pCabeza; p; p = p->m_pSiguiente) {
            CBolaTablero* b = Bola(p);
            b->Suelta();
            b->m_pJugada = nullptr;
            m_iColorSeleccionado = b->Color();
        }
        m_Jugadas.BuscaYBorra(n);
        const Punt2D c = n->Centro();
        const float px = m_pEstadosCursor ? m_pEstadosCursor->PunteroX() : c.x;
        const float py = m_pEstadosCursor ? m_pEstadosCursor->PunteroY() : c.y;
        if (m_pEfectos) m_pEfectos->RastroDeshacer(c.x, c.y, px, py);
        if (m_Jugadas.m_pCola) {
            const Punt2D u = Jugada(m_Jugadas.m_pCola)->Centro();
            if (m_pEfectos) m_pEfectos->RastroDeshacer(c.x, c.y, u.x, u.y);
            TocaSonido(SONIDO_SOLTAR_DIAMANTE);
        } else {
            TocaSonido(SONIDO_DESHACER_JUGADA);
            if (m_pMarcadores) m_pMarcadores->PonAnimo(kAnimoMalo);
            LimpiaJugadas(true);
        }
        n->m_Piezas.Libera();
        delete n;
    }
    if (RegistroPerfil* pPerfil = PerfilActualJuego()) pPerfil->MarcaDesbloqueado(NombreMarcador(kMarcadorUsadoDeshacer));
}

void CMenuJuego::DeshaceTodo()
{
    while (m_Jugadas.m_pCola) DeshaceLinea();
}

void CMenuJuego::LimpiaJugadas(bool bNotifica)
{
    int iPuntos = 0;
    for (NodoLista* n = m_Jugadas.m_pCabeza; n; n = n->m_pSiguiente) {
        iPuntos += Jugada(n)->m_iPuntos;
        for (NodoLista* p = Jugada(n)->m_Piezas.m_pCabeza; p; p = p->m_pSiguiente) {
            CBolaTablero* b = Bola(p);
            b->Disuelve();
            if (m_pEfectos) m_pEfectos->Estallido(b->PosicionX(), b->PosicionY());
        }
    }
    // The tutorial reads the points of the line just ended.
    m_iPuntosUltimaLinea = iPuntos;
    LiberaJugadas();
    ReiniciaSeleccion(bNotifica);
}

void CMenuJuego::ReiniciaSeleccion(bool bNotifica)
{
    if (bNotifica && m_pAsistencia) m_pAsistencia->FinDeLinea(m_iCrucesLinea);
    m_iColorSeleccionado = -1;
    m_iUltimaEsquirla = -1;
    m_iEsquirlasTrazadas = 0;
    m_iMovimientosLinea = 0;
    m_iDiamantesCogidos = -1;
    m_iCrucesLinea = 0;
}

void CMenuJuego::PreparaFigura()
{
    if (!m_pListaActual) return;
    // Colours are given only where they mean something.
    if (m_iFase != FASE_DIAMANTES && m_iFase != FASE_TRAZADO) return;
    if (m_bPrimeraFigura) {
        m_bPrimeraFigura = false;
        LiberaJugadas();
        const bool bTrazado = m_iFase == FASE_TRAZADO;
        if (m_pCarteles) m_pCarteles->Muestra(bTrazado ? kBannerTrazado : kBannerDiamantes, kPasosBanner);
        if (m_pEventoSonido) m_pEventoSonido->TocaFanfarria(bTrazado ? kFanfarriaTrazado : kFanfarriaDiamantes);
    }
    const bool bTutorial = m_pTutoriales && m_pTutoriales->Activo();
    const int iColores = std::clamp(bTutorial ? m_pTutoriales->NumeroColores() : m_Nivel.NUMCOLORES, 1,
                                    kNumColores);
    const bool bEsquirlas = m_iFase == FASE_TRAZADO || EmpiezaEnTrazado();
    for (NodoLista* n = m_pListaActual->m_pCabeza; n; n = n->m_pSiguiente) {
        CBolaTablero* b = Bola(n);
        if (!b->HaDesaparecido()) continue;
        if (bEsquirlas) {
            if (!m_Nivel.RUSHDESELLOS) b->PonColor(0);
            b->PonEsquirla(true);
        } else if (!m_Nivel.RUSHDESELLOS) {
            b->PonColor(EnteroAleatorio(0, iColores - 1));
            b->PonEsquirla(false);
        }
        b->Aparece();
    }
}

void CMenuJuego::AsignaFigura(CLista* pLista, bool bInicio, const char* const* apszImagenes)
{
    m_pListaActual = pLista;
    CBolaTablero::s_Transformacion = TransformacionFigura{};
    if (bInicio) {
        PonFase(FASE_TRAZADO);
        m_iNumEsquirlas = pLista ? pLista->m_iNumElementos : 0;
        m_iEsquirlasTrazadas = 0;
        m_iUltimaEsquirla = -1;
        m_iColorSeleccionado = -1;
        if (m_Nivel.RUSHDESELLOS && pLista) {
            std::vector<int> colores;
            for (NodoLista* n = pLista->m_pCabeza; n; n = n->m_pSiguiente) colores.push_back(Bola(n)->Color());
            m_Rush = PreparaSellosRush(colores);
            if (m_pCirculo) m_pCirculo->PonPendiente(apszImagenes);
        } else if (m_pCirculo && apszImagenes) {
            const char* apsz[CHerramientaCirculoCabalistico::kNumPendientes] = {apszImagenes[0], "", "", "", ""};
            m_pCirculo->PonPendiente(apsz);
        }
    }
    ReiniciaSeleccion(false);
    PreparaFigura();
    LiberaJugadas();
}

// ---- Drawing ----

void CMenuJuego::DibujaSegmento(Sprite* pDestino, const Punt2D& a, const Punt2D& b, int iAlfa, const ColorRGB* pColor)
{
    Sprite* s = m_SPMLineas.GetSprite(0);
    if (!s || iAlfa <= 0) return;
    DibuixaLiniaSprites(pDestino, s, a.x, a.y, b.x, b.y, kEscalaLinea, kGrosorLinea, m_fScroll, iAlfa, iAlfa,
                        pColor ? 0x01 : 0, pColor);
}

void CMenuJuego::ActualizaGuia()
{
    if (std::fabs(m_fPasoGuia) < kUmbralPasoGuia) return;
    m_fNivelGuia = std::clamp(m_fNivelGuia + m_fPasoGuia, 0.0f, 1.0f);
}

void CMenuJuego::DibujaGuia(Sprite* pDestino)
{
    if (!m_pListaGuia || !m_pListaGuia->m_pCabeza) return;
    Sprite* s = m_SPMLineas.GetSprite(0);
    const int iAlfa = static_cast<int>(kAlfaGuia * m_fNivelGuia);
    if (!s || iAlfa <= 0) return;
    for (NodoLista* n = m_pListaGuia->m_pCabeza; n && n->m_pSiguiente; n = n->m_pSiguiente) {
        const CBolaTablero* a = Bola(n);
        const CBolaTablero* b = Bola(n->m_pSiguiente);
        DibuixaLiniaSprites(pDestino, s, a->PosicionX(), a->PosicionY(), b->PosicionX(), b->PosicionY(), kEscalaGuia,
                            kGrosorGuia, m_fScroll, iAlfa, iAlfa, kFusionGuia, &kColorGuia);
    }
}

Punt2D CMenuJuego::DestinoElastico() const
{
    if (m_pSobrevolada) return Punt2D{m_pSobrevolada->PosicionX(), m_pSobrevolada->PosicionY()};
    return Punt2D{m_pEstadosCursor ? m_pEstadosCursor->PunteroX() : 0.0f,
                  m_pEstadosCursor ? m_pEstadosCursor->PunteroY() : 0.0f};
}

void CMenuJuego::DibujaContorno(Sprite* pDestino)
{
    if (m_iFase != FASE_TRAZADO || !m_pListaActual || !m_pListaActual->m_pCabeza) return;
    const int t = m_Nivel.TRAZAR_TIEMPODESVANECIMIENTOLINEA_MS;
    const float f = static_cast<float>(m_iPasosFase);
    float fF = 1.0f;
    if (t == 0)
        fF = 0.0f;
    else if (t > 0)
        fF = std::max(0.0f, 1.0f - f / static_cast<float>(t));
    const int iAlfa = static_cast<int>(kAlfaContorno * fF * std::min(f / kPasosAparecerContorno, 1.0f));
    if (iAlfa <= 0) return;
    auto visible = [](const CBolaTablero* b) { return !b->HaDesaparecido() && !b->EstaSaliendo(); };
    auto une = [&](const CBolaTablero* a, const CBolaTablero* b) {
        if (a == b || !visible(a) || !visible(b)) return;
        DibujaSegmento(pDestino, Punt2D{a->PosicionX(), a->PosicionY()}, Punt2D{b->PosicionX(), b->PosicionY()},
                       iAlfa, &kColorContorno);
    };
    // Runs of one colour are joined in order and each closes back on itself.
    const CBolaTablero* pPrimera = Bola(m_pListaActual->m_pCabeza);
    const CBolaTablero* pAnterior = pPrimera;
    for (NodoLista* n = m_pListaActual->m_pCabeza->m_pSiguiente; n; n = n->m_pSiguiente) {
        const CBolaTablero* b = Bola(n);
        if (b->Color() == pAnterior->Color()) {
            une(pAnterior, b);
        } else {
            une(pAnterior, pPrimera);
            pPrimera = b;
        }
        pAnterior = b;
    }
    une(pAnterior, pPrimera);
}

void CMenuJuego::DibujaCamino(Sprite* pDestino)
{
    if (EsFaseFinal(m_iFase) || !m_Jugadas.m_pCabeza) return;
    float a = 1.0f;
    const float p = static_cast<float>(m_iPasosFase);
    if (m_iFase == FASE_CAMBIO_A_TRAZADO || m_iFase == FASE_CONCENTRA_ENERGIA_BIS)
        a = (kPasosDesvanecerCamino - std::min(p, kPasosDesvanecerCamino)) / kPasosDesvanecerCamino;
    else if (m_iFase == FASE_ESPERA_FIN)
        a = (kPasosDesvanecerSello - std::min(p, kPasosDesvanecerSello)) / kPasosDesvanecerSello;
    else if (m_bLineaCompleta)
        a = 0.5f + 0.25f * std::sin(static_cast<float>(m_iPasosCambioLinea) * static_cast<float>(M_PI) / 4.0f);
    const int iAlfa = static_cast<int>(255.0f * a);
    const std::vector<Punt2D> c = CentrosJugadas();
    for (size_t i = 1; i < c.size(); ++i) DibujaSegmento(pDestino, c[i - 1], c[i], iAlfa, nullptr);
    const bool bCierra = m_bLineaCompleta && (m_iFase == FASE_SELLO_COMPLETADO || m_iFase == FASE_SELLO_RUSH_COMPLETADO ||
                                              m_Nivel.MODOJUEGO == MODO_SOLO_SELLOS);
    if (bCierra && c.size() > 2) DibujaSegmento(pDestino, c.back(), c.front(), iAlfa, nullptr);
    if ((m_iFase == FASE_DIAMANTES || m_iFase == FASE_TRAZADO) && !m_bLineaCompleta)
        DibujaSegmento(pDestino, c.back(), DestinoElastico(), iAlfa, nullptr);
}

void CMenuJuego::DibujaMarcasCruce(Sprite* pDestino)
{
    if (EsFaseFinal(m_iFase) || m_bLineaCompleta || m_iPuntuacion >= m_iObjetivo || m_Jugadas.m_iNumElementos < 3)
        return;
    Sprite* s = m_SPMCruz.GetSprite(0);
    if (!s || !g_pSistema2D) return;
    for (const MarcaCruce& m : MarcasDeCruce(CentrosJugadas(), DestinoElastico())) {
        const float fGiro = 10.0f * m_fGiro + static_cast<float>(m.k) * static_cast<float>(M_PI) / 8.0f;
        g_pSistema2D->DibuixaSpriteEX(pDestino, s, m.punto.x, m.punto.y, false, 255, fGiro, 1.0f, 1.0f);
    }
}
