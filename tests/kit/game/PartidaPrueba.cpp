#include "kit/game/PartidaPrueba.h"

#include "kit/game/MapaPrueba.h"

#include "engine/core/Temporizador.h"
#include "game/play/BolaTablero.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/GestorTutoriales.h"
#include "game/play/MenuJuego.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "game/play/Solucionador.h"
#include "game/profiles/Marcadores.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>

namespace kit {

CPartidaPrueba::CPartidaPrueba(const std::string& nombre, int iDificultad)
    : m_juego("partida_" + nombre), m_iDificultad(iDificultad)
{
    m_perfiles.m_iPerfilActual = 0;
    m_perfiles.CargaRanura(0);
    m_perfiles.m_aPerfiles[0].FijaDificultad(iDificultad);
    RegistraPerfilesJuego(&m_perfiles);
}

CPartidaPrueba::CPartidaPrueba(const std::string& nombre,
                               const std::vector<std::pair<std::string, std::string>>& ficheros)
    : m_juego("partida_" + nombre, ficheros), m_iDificultad(0), m_bPerfilesDelJuego(true)
{
}

CPartidaPrueba::~CPartidaPrueba()
{
    // The game goes first: nothing of it may reach the profiles afterwards.
    if (!m_bPerfilesDelJuego) RegistraPerfilesJuego(nullptr);
}

RegistroPerfil& CPartidaPrueba::Perfil()
{
    if (m_bPerfilesDelJuego && PerfilActualJuego()) return *PerfilActualJuego();
    return m_perfiles.m_aPerfiles[0];
}

CMenuJuego* CPartidaPrueba::Juego() const { return g_pMenuMaestro ? g_pMenuMaestro->m_pMenuJuego : nullptr; }

bool CPartidaPrueba::JuegoAbierto() const
{
    CMenuJuego* j = Juego();
    return j && g_pMenuMaestro && j->Padre() == g_pMenuMaestro->m_pMenuModoHistoria;
}

bool CPartidaPrueba::EmpiezaEtapa(int iGrupo, int iParte, int iFase) { return Empieza(iGrupo, iParte, iFase, false); }

bool CPartidaPrueba::EmpiezaEtapaDirecta(int iGrupo, int iParte, int iFase)
{
    return Empieza(iGrupo, iParte, iFase, true);
}

bool CPartidaPrueba::Empieza(int iGrupo, int iParte, int iFase, bool bDirecta)
{
    if (!Iniciado() || !g_pMenuMaestro || !g_pMenuMaestro->m_pMenuModoHistoria) return false;
    CMenuModoHistoria* m = g_pMenuMaestro->m_pMenuModoHistoria;
    const int iEtapa = EtapaHistoria(iGrupo, iParte);
    if (iEtapa < 0) return false;
    RegistroPerfil& p = Perfil();
    while (p.ProgresoHistoria(m_iDificultad) < iEtapa) p.AvanzaHistoria();
    if (g_pMenuMaestro->m_pMenuActual != m) {
        m_juego.Pasos(2);
        g_pMenuMaestro->CambiaMenu(m);
        for (int i = 0; i < 300 && m_juego.NombrePantalla() != "MenuModoHistoria"; ++i) m_juego.Paso();
    }
    if (bDirecta) {
        // Once the map is in, its chain starts at once.
        for (int i = 0; i < 300 && g_pMenuMaestro->m_iEstadoTransicion != TRANSICION_NINGUNA; ++i) m_juego.Paso();
        ReiniciaAleatorio();
        m->EmpiezaEtapa(iEtapa);
    } else {
        // The map tells what it has to tell before it takes a press.
        if (!EsperaMapaQuieto(m_juego, 1200)) return false;
        ReiniciaAleatorio();
        if (!m_juego.Pulsa(CMenuModoHistoria::NombreBoton(iEtapa))) return false;
    }
    // The chapter's card is answered with play; an opening scene is clicked
    // through.
    if (!SigueCadena(m_juego, true, 2000)) return false;
    return EsperaFase(iFase, 200);
}

bool CPartidaPrueba::Pulsa(const std::string& nombre)
{
    CMenuJuego* j = Juego();
    for (int i = 0; i < 120 && j && j->EnTransicion(); ++i) m_juego.Paso();
    return m_juego.Pulsa(nombre);
}

bool CPartidaPrueba::CierraAviso()
{
    CMenuJuego* j = Juego();
    CMenuObj* pCaja = j ? static_cast<CMenuObj*>(j->Mensaje()) : nullptr;
    if (!pCaja || pCaja->Padre() != j) return false;
    // The box opens before it takes a press.
    for (int i = 0; i < 60 && pCaja->EnTransicion(); ++i) m_juego.Paso();
    m_juego.Pasos(5);
    m_juego.Pulsa("MSGBOXTAZMO_Boton0");
    for (int i = 0; i < 90 && pCaja->Padre() == j; ++i) m_juego.Paso();
    m_juego.Pasos(10);
    return true;
}

bool CPartidaPrueba::Continua()
{
    CierraAviso();
    CMenuJuego* j = Juego();
    if (!j) return false;
    const int iFase = j->Fase();
    const int iResultado = j->Resultado();
    if (!Pulsa("m_pBotonContinuar")) return false;
    // The button's press plays out before it answers.
    for (int i = 0; i < 60 && j->Fase() == iFase && j->Resultado() == iResultado; ++i) m_juego.Paso();
    return j->Fase() != iFase || j->Resultado() != iResultado;
}

bool CPartidaPrueba::EsperaFase(int iFase, int iPasosMaximos)
{
    for (int i = 0; i < iPasosMaximos; ++i) {
        CMenuJuego* j = Juego();
        if (j && j->EstaCreado() && JuegoAbierto() && j->Fase() == iFase) return true;
        m_juego.Paso();
    }
    CMenuJuego* j = Juego();
    return j && j->EstaCreado() && j->Fase() == iFase;
}

bool CPartidaPrueba::EsperaFaseAbreviada(int iFase, int iPasosMaximos)
{
    for (int i = 0; i < iPasosMaximos; ++i) {
        CMenuJuego* j = Juego();
        if (!j || !j->EstaCreado()) return false;
        if (JuegoAbierto() && j->Fase() == iFase) return true;
        int iUmbral = 0;
        switch (j->Fase()) {
        case FASE_ESPERA_FIN:
        case FASE_ESPERA_RUSH: iUmbral = 120; break;
        case FASE_VICTORIA:
        case FASE_TIEMPO_AGOTADO:
        case FASE_DERROTA: iUmbral = CMenuJuego::kPasosFinal; break;
        default: break;
        }
        if (iUmbral > 0 && j->m_iPasosFase < iUmbral - 3) j->m_iPasosFase = iUmbral - 3;
        m_juego.Paso();
    }
    CMenuJuego* j = Juego();
    return j && j->EstaCreado() && j->Fase() == iFase;
}

void CPartidaPrueba::SinAvisos() { Perfil().MarcaDesbloqueado(NombreMarcador(MARCADOR_PRIMER_AVISO + 3)); }

std::vector<CBolaTablero*> CPartidaPrueba::Piezas() const
{
    std::vector<CBolaTablero*> v;
    CMenuJuego* j = Juego();
    if (!j || !j->ListaActual()) return v;
    for (NodoLista* n = j->ListaActual()->m_pCabeza; n; n = n->m_pSiguiente)
        v.push_back(static_cast<CBolaTablero*>(n->m_pItem));
    return v;
}

bool CPartidaPrueba::EsperaTableroQuieto(int iPasosMaximos)
{
    for (int i = 0; i < iPasosMaximos; ++i) {
        CMenuJuego* j = Juego();
        if (!j) return false;
        bool bQuieto = !j->m_bLineaCompleta && !j->m_bPiezaSaliendo;
        for (CBolaTablero* b : Piezas()) {
            const int e = b->Estado();
            if (e == BOLA_APARECIENDO || e == BOLA_COGIENDO || e == BOLA_SOLTANDO || b->EstaSaliendo()) bQuieto = false;
        }
        if (bQuieto) return true;
        m_juego.Paso();
    }
    return false;
}

void CPartidaPrueba::PulsaEn(float x, float y)
{
    m_juego.MueveRaton(x, y);
    m_juego.BotonRaton(true);
    m_juego.BotonRaton(false);
}

void CPartidaPrueba::PulsaPieza(const CBolaTablero* pPieza)
{
    if (pPieza) PulsaEn(pPieza->PosicionX(), pPieza->PosicionY());
}

int CPartidaPrueba::JuegaLinea()
{
    CMenuJuego* j = Juego();
    if (!j || j->Fase() != FASE_DIAMANTES) return -1;
    if (!EsperaTableroQuieto(300)) return -1;
    const std::vector<CBolaTablero*> piezas = Piezas();
    std::vector<Punt2D> puntos;
    for (const CBolaTablero* b : piezas) puntos.push_back({b->PosicionX(), b->PosicionY()});
    PlanLinea mejor;
    bool bHay = false;
    for (int c = 0; c < 8; ++c) {
        std::vector<int> candidatos;
        for (size_t i = 0; i < piezas.size(); ++i)
            if (piezas[i]->PuedeCogerse() && piezas[i]->Color() == c) candidatos.push_back(static_cast<int>(i));
        if (candidatos.empty()) continue;
        PlanLinea plan = MejorLinea(puntos, candidatos, j->m_iMaximoLinea);
        plan.m_iColor = c;
        if (!bHay || plan.m_iCruces > mejor.m_iCruces ||
            (plan.m_iCruces == mejor.m_iCruces && plan.m_aPiezas.size() > mejor.m_aPiezas.size())) {
            mejor = plan;
            bHay = true;
        }
    }
    if (!bHay) return -1;
    for (int i : mejor.m_aPiezas) {
        if (j->Fase() != FASE_DIAMANTES) break;
        PulsaPieza(piezas[static_cast<size_t>(i)]);
    }
    return mejor.m_iCruces;
}

std::vector<CBolaTablero*> CPartidaPrueba::PiezasEnOrden() const
{
    std::vector<CBolaTablero*> v = Piezas();
    std::sort(v.begin(), v.end(), [](const CBolaTablero* a, const CBolaTablero* b) { return a->Orden() < b->Orden(); });
    return v;
}

void CPartidaPrueba::TrazaSello()
{
    CMenuJuego* j = Juego();
    if (!j || j->Fase() != FASE_TRAZADO) return;
    EsperaTableroQuieto(300);
    for (CBolaTablero* b : PiezasEnOrden()) {
        if (j->Fase() != FASE_TRAZADO) break;
        PulsaPieza(b);
    }
}

// ---- Tutorials ----

namespace {

// Where the pointer waits while curses fall (they fall at x 150..874).
constexpr float kAparcadoX = 60.0f, kAparcadoY = 384.0f;

} // namespace

bool CPartidaPrueba::EmpiezaTutorial(int iCapitulo)
{
    if (!EmpiezaEtapaDirecta(iCapitulo, 0, FASE_DIAMANTES)) return false;
    // The hint's box is attached once the play screen has opened.
    for (int i = 0; i < 200 && Juego()->m_bHintMostrado; ++i)
        if (!CierraAviso()) m_juego.Paso();
    for (int i = 0; i < 120 && Juego()->EnTransicion(); ++i) m_juego.Paso();
    return true;
}

bool CPartidaPrueba::PulsaBotonTutorial()
{
    auto* b = dynamic_cast<CBotonTazmo*>(m_juego.Busca("GESTORTUTORIALES_BUT_Tutorial"));
    for (int i = 0; i < 60 && b && (b->EnTransicion() || !b->Abierto()); ++i) m_juego.Paso();
    if (!b || !m_juego.Pulsa("GESTORTUTORIALES_BUT_Tutorial")) return false;
    // The button's press plays out before it answers.
    const CGestorTutoriales* t = Juego()->m_pTutoriales;
    const int iPaso = t->m_iPaso, iPagina = t->m_iPagina;
    for (int i = 0; i < 60 && t->m_iPaso == iPaso && t->m_iPagina == iPagina; ++i) m_juego.Paso();
    m_juego.Paso();
    return true;
}

void CPartidaPrueba::JuegaTutorial()
{
    CMenuJuego* j = Juego();
    CGestorTutoriales* t = j ? j->m_pTutoriales : nullptr;
    if (!t) {
        m_juego.Paso();
        return;
    }
    if (CierraAviso()) return;
    const PasoTutorial* s = CGestorTutoriales::Paso(t->m_iPaso);
    const int iUmbral = j->Fase() == FASE_ESPERA_FIN ? 120 : j->Fase() == FASE_VICTORIA ? CMenuJuego::kPasosFinal : 0;
    if (iUmbral > 0 && j->m_iPasosFase < iUmbral - 3) j->m_iPasosFase = iUmbral - 3;
    if (!s || j->Fase() >= FASE_VICTORIA) {
        m_juego.Paso();
        return;
    }
    if (s->tipo == PasoTutorial::PAGINAS) {
        if (!PulsaBotonTutorial()) m_juego.Paso();
        return;
    }
    switch (s->meta) {
    case META_LANZADAS_MAS_DE:
    case META_FACTOR_BAJO:
        m_juego.MueveRaton(kAparcadoX, kAparcadoY);
        m_juego.Pasos(30);
        return;
    case META_PRIMERA:
        if (s->tipo == PasoTutorial::SELLO) {
            if (j->Fase() == FASE_TRAZADO)
                TrazaSello();
            else
                m_juego.Paso();
            return;
        }
        [[fallthrough]];
    case META_LINEA_MINIMO: {
        // The figure's own order is its best line.
        if (j->Fase() != FASE_DIAMANTES || !EsperaTableroQuieto(300)) {
            m_juego.Paso();
            return;
        }
        std::vector<CBolaTablero*> v = PiezasEnOrden();
        if (v.size() > size_t(j->m_iMaximoLinea)) v.resize(size_t(j->m_iMaximoLinea));
        for (CBolaTablero* b : v) PulsaPieza(b);
        m_juego.Pasos(10);
        return;
    }
    default:
        if (j->Fase() != FASE_DIAMANTES || JuegaLinea() < 0) m_juego.Paso();
        return;
    }
}

} // namespace kit
