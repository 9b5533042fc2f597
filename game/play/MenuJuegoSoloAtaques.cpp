#include "game/play/MenuJuegoSoloAtaques.h"

#include "engine/core/GestorFLIs.h"
#include "engine/core/Teclado.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/play/CaminoMoneda.h"
#include "game/play/GeneradorOleadas.h"
#include "game/play/Maldicion.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/play/herramientas/HerramientaEfectos.h"
#include "game/play/herramientas/HerramientaEstadosCursor.h"
#include "game/play/herramientas/HerramientaMarcadores.h"
#include "game/play/herramientas/HerramientaMonedas.h"
#include "game/profiles/Perfiles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// The HUD: score, clock, multiplier and wave, each under its label.
enum { HUD_ETIQUETA_PUNTOS, HUD_PUNTOS, HUD_ETIQUETA_RELOJ, HUD_RELOJ, HUD_ETIQUETA_MULTI, HUD_MULTI,
       HUD_ETIQUETA_OLEADA, HUD_OLEADA };
const std::vector<CHudModo::FilaTexto>& TextosHud()
{
    static const std::vector<CHudModo::FilaTexto> filas = {
        {CodigoFLI(juego::texto::ME00), 120.0f, 621.0f}, {-1, 120.0f, 685.0f},
        {CodigoFLI(juego::texto::ME01), 120.0f, 42.0f},  {-1, 120.0f, 130.0f},
        {CodigoFLI(juego::texto::ME02), 330.0f, 676.0f}, {-1, 330.0f, 715.0f},
        {CodigoFLI(juego::texto::ME03), 900.0f, 42.0f},  {-1, 900.0f, 130.0f},
    };
    return filas;
}
// One plate under each label and its value, inside the screen's edges.
const std::vector<CHudModo::Placa> kPlacas = {{120.0f, 92.0f, 0.75f, 1.96f},
                                              {900.0f, 92.0f, 0.7f, 1.96f},
                                              {120.0f, 656.0f, 0.75f, 1.7f},
                                              {330.0f, 698.0f, 0.55f, 1.3f}};

constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kRadioSeguro2 = 140625.0f;   // 375 points, squared
constexpr int kPerdidaLejos = 10;
constexpr int kPerdidaPersecucion = 3;
constexpr int kDanyoPorPunto = 100;
constexpr float kBrilloPorMoneda = 0.2f;
constexpr float kBrilloPorPaso = 1.0f / 90.0f;
constexpr int kPasosSegundo = 30;
constexpr int kChispasPorPaso = 5;
constexpr float kGiroChispas = 0.028002866f;
constexpr float kCrecimientoChispas = 40.0f;
constexpr float kRadioChispasMaximo = 600.0f;
constexpr float kRadioSeleccion2 = 256.0f;   // 16 points, squared
constexpr float kEscalaEtiqueta = 2.5f;
constexpr int kTipoEditorMaximo = 11;
// The editor's labels: the HUD's font, which is not loaded, gives the default.
constexpr int kFuenteEtiqueta = 9;
constexpr int kFormatoEtiqueta = 0x01 | 0x08;

int Codigo(const char* sz) { return CodigoFLI(sz); }

bool TeclaPulsada(int t) { return g_pTeclado && g_pTeclado->TeclaPulsada(t); }
bool TeclaAbajo(int t) { return g_pTeclado && g_pTeclado->TeclaAbajo(t); }

Sprite* CreaEtiqueta(int iDesfase)
{
    if (!g_pSistema2D) return nullptr;
    char sz[16];
    std::snprintf(sz, sizeof sz, "%d", iDesfase);
    Sprite* s = g_pSistema2D->CreaSpriteText(kFuenteEtiqueta, sz, -1, kFormatoEtiqueta, 1.0f, 1.0f, 64.0f, 32.0f,
                                             32.0f, 16.0f, 0.0f, 0.0f, -1.0f, -1.0f, true);
    return s;
}

} // namespace

// ---------------------------------------------------------------------------
// Decisions

int CMenuJuegoSoloAtaques::PasoEnergia(int iEnergia, float px, float py, bool bPersecucion)
{
    const float dx = px - kCentroX, dy = py - kCentroY;
    if (dx * dx + dy * dy > kRadioSeguro2)
        iEnergia -= kPerdidaLejos;
    else if (bPersecucion)
        iEnergia -= kPerdidaPersecucion;
    else if (iEnergia > 0)
        iEnergia += 1;
    return std::clamp(iEnergia, 0, kEnergiaMaxima);
}

int CMenuJuegoSoloAtaques::PuntosMoneda(int iTipo, int iMultiplicador)
{
    switch (iTipo) {
    case 0: return 10 * iMultiplicador;
    case 1: return 5 * iMultiplicador;
    case 2: return iMultiplicador;
    default: return 0;
    }
}

int CMenuJuegoSoloAtaques::TipoMonedaPorBrillo(float fBrillo) { return fBrillo < 0.33f ? 2 : fBrillo < 0.66f ? 1 : 0; }

bool CMenuJuegoSoloAtaques::TocaMoneda(int iReloj, int iDuracion)
{
    const int iPaso = std::max(1, iDuracion / 16);
    return iReloj % iPaso == 0;
}

int CMenuJuegoSoloAtaques::CaminosActivos(int iDificultad) { return std::clamp(iDificultad, 0, kNumCaminos - 1) + 1; }

bool CMenuJuegoSoloAtaques::EditorPermitido()
{
    const char* sz = std::getenv("MG_EDITOR_OLEADAS");
    return sz && std::strcmp(sz, "1") == 0;
}

// ---------------------------------------------------------------------------
// Life

CMenuJuegoSoloAtaques::CMenuJuegoSoloAtaques() = default;

CMenuJuegoSoloAtaques::~CMenuJuegoSoloAtaques() { CMenuJuegoSoloAtaques::LiberaNivel(); }

void CMenuJuegoSoloAtaques::InicializaModo(const RegistroNivel& nivel)
{
    m_NivelModo = nivel;
    m_iEnergia = kEnergiaInicial;
    m_iEstadoOleadas = OLEADAS_PARADAS;
    m_iCuentaAtras = m_iNumeroOleada = m_iRelojOleada = 0;
    m_iDuracion = DURACION_MINIMA_OLEADA;
    m_iIndiceGenerada = 0;
    m_pOleadaActual = nullptr;
    m_iPuntuacionModo = m_iTemporizadorCombo = m_iReloj = 0;
    m_iMultiplicador = m_iMultiplicadorMaximo = 1;
    m_llSumaMultiplicador = 0;
    m_iAtaquesLanzados = m_iTocadas = m_iMonedas = 0;
    m_fBrilloCombo = 0.0f;
    m_fAnguloChispas = 0.0f;
    m_fRadioChispas = kRadioChispasInicial;
    m_iEstadoEditor = EDITOR_CERRADO;
    m_iTipoEditor = 1;
    m_iDesfaseEditor = 0;
    m_fAnguloEditor = 0.0f;
    m_iOleadaEditada = 0;
    m_iSeleccionado = -1;
    m_iUltimaPuntuacion = m_iUltimoMultiplicador = -1;
    m_bEditorPermitido = EditorPermitido();
}

void CMenuJuegoSoloAtaques::LiberaModo()
{
    m_Hud.Libera();
    for (auto& c : m_apCaminos) c.reset();
    if (m_pGenerador) {
        m_pGenerador->Libera();
        delete m_pGenerador;
        m_pGenerador = nullptr;
    }
    m_SPMMarcadores.Libera();
    for (Oleada& o : m_Guardadas) VaciaOleada(o);
    for (Oleada& o : m_aGeneradas) VaciaOleada(o);
    m_pOleadaActual = nullptr;
    if (m_pMonedas) {
        m_pMonedas->Libera();
        delete m_pMonedas;
        m_pMonedas = nullptr;
    }
    m_bModoCreado = false;
}

bool CMenuJuegoSoloAtaques::CreaModo()
{
    CSPM* pMarcadores = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(juego::paquete::MINI_ATAQUES) : nullptr;
    bool bOk = pMarcadores && m_SPMMarcadores.Copia(pMarcadores);
    // The level's waves: without them there is nothing to play.
    if (bOk) bOk = CargaOleadas();
    if (bOk) {
        m_pMonedas = new CHerramientaMonedas;
        bOk = m_pMonedas->Carga(this);
    }
    for (auto& c : m_apCaminos) {
        c = std::make_unique<CCaminoMoneda>();
        c->Reinicia();
    }
    if (bOk) {
        m_pGenerador = new CGeneradorOleadas;
        bOk = m_pGenerador->Crea();
    }
    if (bOk) bOk = m_Hud.Crea(TextosHud(), kPlacas);
    if (bOk && m_pAtaques) bOk = m_pAtaques->CargaIndicador(0, 1);
    if (!bOk) return false;
    m_bModoCreado = true;
    m_Hud.Escribe(HUD_OLEADA, "1");
    m_Hud.Escribe(HUD_RELOJ, CHudModo::Reloj(0));
    ActualizaTextosHud();
    // The countdown to the first wave runs once the start summary is gone.
    m_iEstadoOleadas = OLEADAS_CUENTA_ATRAS;
    m_iCuentaAtras = 0;
    return true;
}

void CMenuJuegoSoloAtaques::CargaRecursos()
{
    m_Hud.CargaRecursos();
    if (m_pMonedas) m_pMonedas->CargaRecursos();
    if (m_bModoCreado) m_SPMMarcadores.MarcaEnUso();
    CMenuJuego::CargaRecursos();
}

void CMenuJuegoSoloAtaques::DescargaRecursos()
{
    m_Hud.DescargaRecursos();
    if (m_pMonedas) m_pMonedas->DescargaRecursos();
    if (m_bModoCreado) m_SPMMarcadores.DesmarcaEnUso();
    CMenuJuego::DescargaRecursos();
}

// ---------------------------------------------------------------------------
// The waves' file

std::string CMenuJuegoSoloAtaques::RutaLectura() const
{
    const std::string& sRuta = m_NivelModo.ATAQUES_SOLOATAQUES;
    if (m_bEditorPermitido) {
        const std::string sCopia = RutaOleadasUsuario(sRuta.c_str());
        std::error_code ec;
        if (!sCopia.empty() && std::filesystem::is_regular_file(sCopia, ec)) return sCopia;
    }
    return sRuta;
}

bool CMenuJuegoSoloAtaques::CargaOleadas()
{
    m_iSeleccionado = -1;
    const std::string sRuta = RutaLectura();
    if (!LeeOleadas(sRuta.c_str(), m_Guardadas)) {
        std::fprintf(stderr, "marrowgate: the waves file %s cannot be read\n", sRuta.c_str());
        return false;
    }
    return true;
}

bool CMenuJuegoSoloAtaques::GuardaOleadas()
{
    // Only ever the per-user copy: the shipped file stays as it is.
    const std::string sCopia = RutaOleadasUsuario(m_NivelModo.ATAQUES_SOLOATAQUES.c_str());
    if (sCopia.empty() || !EscribeOleadas(sCopia.c_str(), m_Guardadas)) {
        std::fprintf(stderr, "marrowgate: the waves could not be saved to %s\n", sCopia.c_str());
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Waves

void CMenuJuegoSoloAtaques::IniciaOleada(int w)
{
    const int N = m_iNumeroOleada;
    const int w0 = w;
    if (N < NUM_OLEADAS_GUARDADAS) {
        w = std::clamp(w, 0, NUM_OLEADAS_GUARDADAS - 1);
        m_pOleadaActual = &m_Guardadas[static_cast<size_t>(w)];
        m_iEstadoEditor = EDITOR_CERRADO;
        m_iSeleccionado = -1;
        m_iNumeroOleada = w + 1;
    } else {
        Oleada& o = m_aGeneradas[static_cast<size_t>(m_iIndiceGenerada)];
        VaciaOleada(o);
        if (m_pGenerador) {
            CLista lista;
            lista.Inicia();
            m_pGenerador->CreaOleada(N - NUM_OLEADAS_GUARDADAS, &lista);
            // The generator lays each attack at the head: the list is read
            // as it stands, the order has no effect on play.
            for (NodoLista* p = lista.m_pCabeza; p; p = p->m_pSiguiente) o.push_back(*static_cast<AtaqueOleada*>(p->m_pItem));
            for (AtaqueOleada& a : o) a.m_pEtiqueta = nullptr;
            VaciaOleada(&lista);
            lista.Libera();
        }
        m_pOleadaActual = &o;
        m_iIndiceGenerada = (m_iIndiceGenerada + 1) % kNumGeneradas;
        m_iNumeroOleada = N + 1;
    }
    m_iRelojOleada = 0;
    m_iEstadoOleadas = OLEADAS_EN_CURSO;
    // Stored waves last the final time; every fifty generated ones add a
    // difference more.
    m_iDuracion = DuracionOleada(N < NUM_OLEADAS_GUARDADAS ? std::clamp(w0, 0, NUM_OLEADAS_GUARDADAS - 1) : N, m_NivelModo.TIEMPOINICIALENTREOLEADAS_SOLOATAQUES,
                                 m_NivelModo.TIEMPOFINALENTREOLEADAS_SOLOATAQUES);
    m_Hud.Escribe(HUD_OLEADA, std::to_string(m_iNumeroOleada));
}

void CMenuJuegoSoloAtaques::CuentaAtras()
{
    if (++m_iCuentaAtras == kPasosCuentaAtras) IniciaOleada(0);
}

void CMenuJuegoSoloAtaques::ActualizaOleada()
{
    if (m_pOleadaActual && m_pAtaques) {
        const bool bModoAtaques = m_Nivel.MODOJUEGO == MODO_SOLO_ATAQUES;
        for (const AtaqueOleada& a : *m_pOleadaActual)
            if (a.m_iDesfase == m_iRelojOleada) {
                m_pAtaques->LanzaMaldicionEn(a.m_iTipo, bModoAtaques, a.m_fX, a.m_fY, a.m_fAngulo);
                ++m_iAtaquesLanzados;
            }
    }
    if (++m_iRelojOleada == m_iDuracion) {
        if (m_iNumeroOleada < NUM_OLEADAS_GUARDADAS || m_NivelModo.m_iNivelModoExtra == NIVEL_SIN_FIN)
            IniciaOleada(m_iNumeroOleada);
        else
            TerminaNivel();
    }
    if (m_pMonedas && TocaMoneda(m_iRelojOleada, m_iDuracion)) {
        RegistroPerfil* p = PerfilActualJuego();
        const int n = CaminosActivos(p ? p->m_iDificultad : 0);
        const int iTipo = TipoMonedaPorBrillo(m_fBrilloCombo);
        for (int i = 0; i < n; ++i) {
            const CCaminoMoneda* c = m_apCaminos[static_cast<size_t>(i)].get();
            if (c) m_pMonedas->CreaMoneda(iTipo, kCentroX + c->m_fX, kCentroY + c->m_fY);
        }
    }
}

void CMenuJuegoSoloAtaques::PasoOleadas()
{
    if (m_pEstadosCursor && !m_pEstadosCursor->PermiteContacto()) return;
    if (m_iEstadoOleadas == OLEADAS_CUENTA_ATRAS)
        CuentaAtras();
    else if (m_iEstadoOleadas == OLEADAS_EN_CURSO)
        ActualizaOleada();
}

void CMenuJuegoSoloAtaques::RecogeMonedas()
{
    if (!m_pMonedas) return;
    if (m_pEstadosCursor && m_pEstadosCursor->EnPersecucion()) return;
    m_pMonedas->Actualiza();
    if (!m_pEstadosCursor || m_pEstadosCursor->PuedeTrazar()) m_pMonedas->Recoge(PunteroX(), PunteroY());
}

void CMenuJuegoSoloAtaques::LanzaChispas()
{
    m_fAnguloChispas += kGiroChispas;
    m_fRadioChispas += kCrecimientoChispas;
    if (m_fRadioChispas > kRadioChispasMaximo) m_fRadioChispas = kRadioChispasInicial;
    if (m_pEfectos)
        m_pEfectos->Chispa(kCentroX + m_fRadioChispas * std::sin(m_fAnguloChispas),
                           kCentroY + m_fRadioChispas * std::cos(m_fAnguloChispas), false, false);
}

void CMenuJuegoSoloAtaques::ActualizaTextosHud()
{
    if (m_iPuntuacionModo != m_iUltimaPuntuacion) {
        m_iUltimaPuntuacion = m_iPuntuacionModo;
        m_Hud.Escribe(HUD_PUNTOS, std::to_string(m_iPuntuacionModo));
    }
    if (m_iReloj % kPasosSegundo == 0) m_Hud.Escribe(HUD_RELOJ, CHudModo::Reloj(m_iReloj));
    if (m_iMultiplicador != m_iUltimoMultiplicador) {
        m_iUltimoMultiplicador = m_iMultiplicador;
        m_Hud.Escribe(HUD_MULTI, std::to_string(m_iMultiplicador) + "x");
    }
}

float CMenuJuegoSoloAtaques::PunteroX() const { return m_pEstadosCursor ? m_pEstadosCursor->PunteroX() : kCentroX; }
float CMenuJuegoSoloAtaques::PunteroY() const { return m_pEstadosCursor ? m_pEstadosCursor->PunteroY() : kCentroY; }

void CMenuJuegoSoloAtaques::Actualiza()
{
    CMenuJuego::Actualiza();
    if (!m_bCreado || !m_bModoCreado) return;
    if (ModoEnJuego()) {
        ++m_iReloj;
        m_llSumaMultiplicador += m_iMultiplicador;
        const bool bLejos = [&] {
            const float dx = PunteroX() - kCentroX, dy = PunteroY() - kCentroY;
            return dx * dx + dy * dy > kRadioSeguro2;
        }();
        const bool bPersecucion = m_pEstadosCursor && m_pEstadosCursor->EnPersecucion();
        if ((bLejos || bPersecucion) && m_pEstadosCursor) m_pEstadosCursor->DestelloGolpe();
        m_iEnergia = PasoEnergia(m_iEnergia, PunteroX(), PunteroY(), bPersecucion);
        if (--m_iTemporizadorCombo < 0) {
            m_iTemporizadorCombo = 0;
            m_iMultiplicador = std::max(1, m_iMultiplicador - 1);
        }
        m_fBrilloCombo = std::max(0.0f, m_fBrilloCombo - kBrilloPorPaso);
        for (auto& c : m_apCaminos)
            if (c) c->Actualiza();
        if (m_bEditorPermitido && TeclaPulsada(TECLA_W)) {
            m_iEstadoOleadas = OLEADAS_PARADAS;
            m_iEstadoEditor = m_iEstadoEditor == EDITOR_CERRADO ? EDITOR_ABIERTO : EDITOR_CERRADO;
            m_iSeleccionado = -1;
        }
        PasoOleadas();
        RecogeMonedas();
        TeclasEditor();
        ActualizaTextosHud();
        for (int i = 0; i < kChispasPorPaso; ++i) LanzaChispas();
        Derrota(static_cast<float>(m_iEnergia));
        if (m_iEnergia == 0) {
            if (m_pAtaques) m_pAtaques->DesvaneceTodas();
            if (m_pEstadosCursor) m_pEstadosCursor->LimpiaEstados();
            m_iEstadoOleadas = OLEADAS_TERMINADAS;
        }
    }
    TerminaPasoModo();
}

// ---------------------------------------------------------------------------
// Events

void CMenuJuegoSoloAtaques::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    switch (iTipo) {
    case EVENTO_MONEDA_RECOGIDA: {
        ++m_iMonedas;
        m_iPuntuacionModo += PuntosMoneda(iValor, m_iMultiplicador);
        if (m_iTemporizadorCombo > 0) {
            ++m_iMultiplicador;
            m_iMultiplicadorMaximo = std::max(m_iMultiplicadorMaximo, m_iMultiplicador);
            m_fBrilloCombo = std::min(1.0f, m_fBrilloCombo + kBrilloPorMoneda);
        }
        m_iTemporizadorCombo = kPasosCombo;
        return;
    }
    case EVENTO_MALDICION_TOCADA: {
        const auto* m = reinterpret_cast<const CMaldicion*>(szTexto);
        const int d = m ? DanyoMaldicion(m->Tipo()) : 0;
        CMenuJuego::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        if (d > 0) {
            m_iEnergia = std::max(0, m_iEnergia - kDanyoPorPunto * d);
            ++m_iTocadas;
            if (m_pEstadosCursor) m_pEstadosCursor->DestelloGolpe();
        }
        return;
    }
    default: CMenuJuego::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor); return;
    }
}

// ---------------------------------------------------------------------------
// The wave editor

AtaqueOleada* CMenuJuegoSoloAtaques::Seleccionado()
{
    Oleada& o = m_Guardadas[static_cast<size_t>(m_iOleadaEditada)];
    if (m_iSeleccionado < 0 || m_iSeleccionado >= static_cast<int>(o.size())) return nullptr;
    return &o[static_cast<size_t>(m_iSeleccionado)];
}

void CMenuJuegoSoloAtaques::TeclasEditor()
{
    // Behind the developer switch, and only while the editor is open.
    if (!m_bEditorPermitido || m_iEstadoEditor == EDITOR_CERRADO) return;
    Oleada& o = m_Guardadas[static_cast<size_t>(m_iOleadaEditada)];
    AtaqueOleada* a = Seleccionado();
    if (TeclaPulsada(TECLA_E)) m_iTipoEditor = m_iTipoEditor >= kTipoEditorMaximo ? 0 : m_iTipoEditor + 1;
    if (TeclaPulsada(TECLA_Q)) m_iTipoEditor = m_iTipoEditor <= 0 ? kTipoEditorMaximo : m_iTipoEditor - 1;
    if (TeclaPulsada(TECLA_MAS_NUMERICO) || TeclaPulsada(TECLA_MENOS_NUMERICO)) {
        if (a) m_iDesfaseEditor = a->m_iDesfase;
        m_iDesfaseEditor = TeclaPulsada(TECLA_MAS_NUMERICO) ? m_iDesfaseEditor + 1 : std::max(0, m_iDesfaseEditor - 1);
        if (a) {
            a->m_iDesfase = m_iDesfaseEditor;
            if (a->m_pEtiqueta && g_pSistema2D) g_pSistema2D->AlliberaSprite(a->m_pEtiqueta, false);
            a->m_pEtiqueta = CreaEtiqueta(a->m_iDesfase);
        }
    }
    if (TeclaPulsada(TECLA_SUPRIMIR) && a) {
        if (a->m_pEtiqueta && g_pSistema2D) g_pSistema2D->AlliberaSprite(a->m_pEtiqueta, false);
        o.erase(o.begin() + m_iSeleccionado);
        m_iSeleccionado = -1;
    }
    if (TeclaPulsada(TECLA_AVPAG) || TeclaPulsada(TECLA_REPAG)) {
        const int d = TeclaPulsada(TECLA_AVPAG) ? 1 : -1;
        m_iOleadaEditada = std::clamp(m_iOleadaEditada + d, 0, NUM_OLEADAS_GUARDADAS - 1);
        m_iSeleccionado = -1;
        m_iEstadoEditor = EDITOR_ABIERTO;
    }
    const bool bCtrl = TeclaAbajo(TECLA_CTRL_IZQUIERDO) || TeclaAbajo(TECLA_CTRL_DERECHO);
    if (bCtrl && TeclaPulsada(TECLA_S)) GuardaOleadas();
    if (bCtrl && TeclaPulsada(TECLA_L)) CargaOleadas();
    if (TeclaPulsada(TECLA_INTRO)) IniciaOleada(m_iOleadaEditada);
}

bool CMenuJuegoSoloAtaques::TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion)
{
    if (m_bEditorPermitido && m_bModoCreado && m_iEstadoEditor != EDITOR_CERRADO) {
        Oleada& o = m_Guardadas[static_cast<size_t>(m_iOleadaEditada)];
        if (m_iEstadoEditor == EDITOR_ABIERTO) {
            m_iSeleccionado = -1;
            float fMejor = kRadioSeleccion2;
            for (size_t i = 0; i < o.size(); ++i) {
                const float dx = o[i].m_fX - x, dy = o[i].m_fY - y;
                if (dx * dx + dy * dy < fMejor) {
                    fMejor = dx * dx + dy * dy;
                    m_iSeleccionado = static_cast<int>(i);
                }
            }
            if (const AtaqueOleada* a = Seleccionado()) {
                m_iTipoEditor = a->m_iTipo;
                m_iDesfaseEditor = a->m_iDesfase;
                m_fAnguloEditor = a->m_fAngulo;
            }
        } else if (AtaqueOleada* a = Seleccionado()) {
            if (m_iEstadoEditor == EDITOR_MOVIENDO) {
                a->m_fX = x + m_fArrastreX;
                a->m_fY = y + m_fArrastreY;
            } else if (m_iEstadoEditor == EDITOR_GIRANDO) {
                a->m_fAngulo = std::atan2(y - a->m_fY, x - a->m_fX);
                m_fAnguloEditor = a->m_fAngulo;
            }
        }
        m_fRatonX = x;
        m_fRatonY = y;
    }
    return CMenuJuego::TrataMovimientoRaton(iRaton, x, y, bPorPulsacion);
}

bool CMenuJuegoSoloAtaques::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    if (m_bEditorPermitido && m_bModoCreado && m_iEstadoEditor != EDITOR_CERRADO) {
        Oleada& o = m_Guardadas[static_cast<size_t>(m_iOleadaEditada)];
        if (iEvento == BOTON_IZQUIERDO_ABAJO && m_iEstadoEditor == EDITOR_ABIERTO) {
            if (const AtaqueOleada* a = Seleccionado()) {
                m_iEstadoEditor = EDITOR_MOVIENDO;
                m_fArrastreX = a->m_fX - x;
                m_fArrastreY = a->m_fY - y;
            } else {
                AtaqueOleada n;
                // Kind 0 is no curse: the reader would skip it, so the
                // editor places the nearest kind that is one.
                n.m_iTipo = std::clamp(m_iTipoEditor, TIPO_MALDICION_MINIMO, TIPO_MALDICION_MAXIMO);
                n.m_iDesfase = m_iDesfaseEditor;
                n.m_fAngulo = m_fAnguloEditor;
                n.m_fX = x;
                n.m_fY = y;
                n.m_pEtiqueta = CreaEtiqueta(n.m_iDesfase);
                o.insert(o.begin(), n);
                m_iSeleccionado = 0;
                m_iEstadoEditor = EDITOR_GIRANDO;
            }
        } else if (iEvento == BOTON_IZQUIERDO_ARRIBA &&
                   (m_iEstadoEditor == EDITOR_MOVIENDO || m_iEstadoEditor == EDITOR_GIRANDO)) {
            m_iEstadoEditor = EDITOR_ABIERTO;
        } else if (iEvento == BOTON_DERECHO_ABAJO && m_iEstadoEditor == EDITOR_ABIERTO && Seleccionado()) {
            m_iEstadoEditor = EDITOR_GIRANDO;
        }
    }
    return CMenuJuego::TrataBotonRaton(iRaton, iEvento, x, y);
}

// ---------------------------------------------------------------------------
// Drawing

void CMenuJuegoSoloAtaques::DibujaSobreEfectos(Sprite* pDestino)
{
    if (m_pMonedas) m_pMonedas->Dibuja(pDestino);
    if (m_iEstadoEditor != EDITOR_ABIERTO || !m_bModoCreado) return;
    for (const AtaqueOleada& a : m_Guardadas[static_cast<size_t>(m_iOleadaEditada)]) {
        m_SPMMarcadores.PonRotacion(a.m_fAngulo + kPi);
        m_SPMMarcadores.DibujaSpriteEnDestino(pDestino, a.m_iTipo - 1, a.m_fX, a.m_fY);
        if (a.m_pEtiqueta && g_pSistema2D)
            g_pSistema2D->DibuixaSpriteEX(pDestino, a.m_pEtiqueta, a.m_fX, a.m_fY, false, 255, 0.0f, kEscalaEtiqueta,
                                          kEscalaEtiqueta);
    }
    m_SPMMarcadores.PonRotacion(0.0f);
}

void CMenuJuegoSoloAtaques::DibujaHudModo(Sprite* pDestino)
{
    if (!m_bModoCreado) return;
    if (m_iEstadoEditor == EDITOR_ABIERTO && m_iSeleccionado < 0 && m_iTipoEditor >= 1) {
        m_SPMMarcadores.PonRotacion(m_fAnguloEditor + kPi);
        m_SPMMarcadores.DibujaSpriteEnDestino(pDestino, m_iTipoEditor - 1, m_fRatonX, m_fRatonY);
        m_SPMMarcadores.PonRotacion(0.0f);
    }
    m_Hud.Dibuja(pDestino);
    if (m_pAtaques) {
        const float fProgreso = m_iDuracion > 0 ? static_cast<float>(m_iRelojOleada) / static_cast<float>(m_iDuracion) : 0.0f;
        m_pAtaques->DibujaIndicadorEnergia(pDestino, fProgreso,
                                           m_pEstadosCursor ? m_pEstadosCursor->Oscurecimiento() : 0.0f);
    }
}

void CMenuJuegoSoloAtaques::DibujaMarcadores(Sprite* pDestino)
{
    if (!m_pMarcadores) return;
    const float fProgreso = m_iDuracion > 0 ? static_cast<float>(m_iRelojOleada) / static_cast<float>(m_iDuracion) : 0.0f;
    m_pMarcadores->DibujaModoAtaques(pDestino, m_pEstadosCursor ? m_pEstadosCursor->Oscurecimiento() : 0.0f,
                                     fProgreso, 1.0f - static_cast<float>(m_iEnergia) / kEnergiaMaxima);
}

// ---------------------------------------------------------------------------
// Summaries

void CMenuJuegoSoloAtaques::PreparaResumenInicial()
{
    const bool bSinFin = m_NivelModo.m_iNivelModoExtra == NIVEL_SIN_FIN;
    DatosResumen d;
    d.Inicializa();
    d.m_bInicial = true;
    d.m_iCodigoTitulo = Codigo(juego::texto::MR00);
    d.AnadeSeparador();
    d.AnadeCabecera(Codigo(juego::texto::RE02));
    d.AnadeParrafo(Codigo(juego::texto::RE73));
    d.AnadeParrafo(Codigo(juego::texto::RE74));
    d.AnadeCabecera(Codigo(juego::texto::RE72));
    d.AnadeSeparador();
    AnadeRecordsInicio(d, bSinFin ? TABLA_ATAQUES_SIN_FIN : TABLA_ATAQUES);
    d.AnadeSeparador();
    EntregaResumen(d);
}

void CMenuJuegoSoloAtaques::PreparaResumenFinal()
{
    QuitaBotonesPartida();
    const bool bConFin = m_NivelModo.MAXNIVEL_SOLOATAQUES != -1;
    const bool bSinFin = m_NivelModo.m_iNivelModoExtra == NIVEL_SIN_FIN;
    const bool bVictoria = m_iResultadoGuardado == RESULTADO_VICTORIA;
    DatosResumen d;
    d.Inicializa();
    d.m_bInicial = false;
    d.m_iCodigoTitulo = Codigo(juego::texto::MR00);
    d.AnadeSeparador();
    d.AnadeCabecera(Codigo(bConFin ? juego::texto::PM30 : juego::texto::PM31));
    d.AnadeCabecera(Codigo(!bConFin ? juego::texto::RE90 : bVictoria ? juego::texto::RE00 : juego::texto::RE01));
    d.AnadeEntero(Codigo(juego::texto::RE56), m_iAtaquesLanzados - m_iTocadas);
    d.AnadeEntero(Codigo(juego::texto::RE57), m_iTocadas);
    d.AnadeEntero(Codigo(juego::texto::RE58), m_iMonedas);
    d.AnadeTiempo(Codigo(juego::texto::RE51), m_iReloj);
    d.AnadeReal(Codigo(juego::texto::RE59),
                m_iReloj > 0 ? static_cast<float>(static_cast<double>(m_llSumaMultiplicador) / m_iReloj) : 1.0f);
    d.AnadeEntero(Codigo(juego::texto::RE54), m_iMultiplicadorMaximo);
    d.AnadeSeparador();
    d.AnadeEntero(Codigo(juego::texto::RE55), m_iPuntuacionModo);
    CierraResumenPuntuacion(d, bSinFin ? TABLA_ATAQUES_SIN_FIN : TABLA_ATAQUES, m_iPuntuacionModo);
}
