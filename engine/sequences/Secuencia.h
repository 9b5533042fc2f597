// The animated-sequence player: a small timeline read from a .sec file and
// played one frame per logic step. Sprite objects move, jump, fade, scale,
// spin and animate; tiled scroll layers drift; nested sequences run on their
// own clocks; samples, long sounds and music slots play at their frames; lines
// are stretched between objects; clock jumps, a loop frame, an end frame and
// pause points shape the timeline; and two button descriptions (skip and
// pause) are kept for the host that builds the buttons.
//
// A host (a screen, a transition, a parent sequence) owns the player, calls
// Actualiza once per logic step and Dibuja once per frame, and loads and
// unloads its resources with its own. Update and draw belong together: an
// angular speed turns the angle the object was last drawn with.
#pragma once
#include "engine/sequences/RegistroSecuencia.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CBancoRanuras;
class CFlujoOgg;
class CMuestraSonido;
class CRanuraMusica;
class CSPM;
class Sprite;
class CSecuencia;

// Movement modes of an object.
enum { MOVIMIENTO_NINGUNO = 0, MOVIMIENTO_RECTO = 4, MOVIMIENTO_SALTO = 5 };

// What the timed changes of objects and layers share: when they run, the
// animation they start, and the alpha, scale and tint they set or change
// gradually.
struct EventoSecuencia {
    int iTipo = 0;
    int iContador = 0; // counts frames while the event is the active one
    int iFrame = -1;
    int iFrameFin = -1;
    int iAnimacion = 0;
    uint8_t ucAlfa = 0, ucAlfaDesde = 0, ucAlfaHasta = 0;
    float fEscalaX = 1.0f, fEscalaY = 1.0f;
    float fEscalaXDesde = 1.0f, fEscalaYDesde = 1.0f, fEscalaXHasta = 1.0f, fEscalaYHasta = 1.0f;
    uint8_t r = 255, g = 255, b = 255;
};

// One timed change of an object (types 1..16, the order of the object
// keywords from SETPOS).
struct EventoObjeto : EventoSecuencia {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0, iAltura = 0;
    float fAngulo = 0.0f; // an angle, or an angular speed per frame
};

struct ObjetoSecuencia {
    ObjetoSecuencia();
    ~ObjetoSecuencia();
    ObjetoSecuencia(const ObjetoSecuencia&) = delete;
    ObjetoSecuencia& operator=(const ObjetoSecuencia&) = delete;

    std::unique_ptr<CSPM> pSPM; // an own copy, a text package or an empty one
    std::string sRuta;
    bool bCargado = false;
    // Off the field until an event places it.
    float x = 5000.0f, y = 5000.0f;
    float vx = 0.0f, vy = 0.0f;
    // Invisible until it is given an alpha.
    uint8_t ucAlfa = 0;
    float fEscalaX = 1.0f, fEscalaY = 1.0f;
    float fAngulo = 0.0f;
    float fBaseY = 0.0f, fFase = 0.0f, fPasoFase = 0.0f;
    int iAltura = 0;
    int iContador = 0;
    int iInicioMovimiento = 0, iFinMovimiento = 0;
    int iModo = MOVIMIENTO_NINGUNO;
    float fDestinoX = 0.0f, fDestinoY = 0.0f; // where the movement ends
    std::vector<EventoObjeto> eventos; // in frame order
    size_t iCursor = 0;
    // The active interpolations and angle event: indices into eventos, -1 none.
    int iInterpolacionAlfa = -1;
    int iInterpolacionEscala = -1;
    int iEventoAngulo = -1;
    std::vector<int> lineas; // line slots whose first end is this object, in order
    uint8_t ucAlfaHeredada = 255;
    float fEscalaHeredadaX = 1.0f, fEscalaHeredadaY = 1.0f;
};

// One timed change of a scroll layer (types 1..13, the order of the layer
// keywords from SCROLLMOV).
struct EventoCapa : EventoSecuencia {
    float vx = 0.0f, vy = 0.0f;
    float x = 0.0f, y = 0.0f;
};

struct CapaScroll {
    CapaScroll();
    ~CapaScroll();
    CapaScroll(const CapaScroll&) = delete;
    CapaScroll& operator=(const CapaScroll&) = delete;

    bool bCargada = false, bMoviendo = false, bVisible = false;
    float x = 0.0f, y = 0.0f, vx = 0.0f, vy = 0.0f;
    float fAnchoTesela = 0.0f, fAltoTesela = 0.0f;
    std::vector<EventoCapa> eventos;
    size_t iCursor = 0;
    std::unique_ptr<CSPM> pSPM;
    std::string sRuta;
    int iInterpolacionAlfa = -1;
    int iInterpolacionEscala = -1;
};

// Sub-sequence events: 0 visibility, 1 launch, 2 stop.
struct EventoSubSecuencia {
    int iTipo = 0;
    int iFrame = -1;
    int iValor = 0;
};

struct SubSecuencia {
    SubSecuencia();
    ~SubSecuencia();
    SubSecuencia(const SubSecuencia&) = delete;
    SubSecuencia& operator=(const SubSecuencia&) = delete;

    bool bPresente = false;
    bool bParada = true;
    bool bVisible = false;
    std::unique_ptr<CSecuencia> pSecuencia;
    std::vector<EventoSubSecuencia> eventos;
    size_t iCursor = 0;
};

// Sound events: 0 sample, 1 long sound, 2 stop long sound, 3 music, 4 stop music.
struct EventoSonido {
    int iTipo = 0;
    int iIndice = 0; // sample index, channel or music place
    int iFrame = 0;
    std::string sFichero;
    std::string sRanura;
};

struct SonidosSecuencia {
    std::string asMuestras[kNumMuestrasSecuencia];
    CMuestraSonido* apMuestras[kNumMuestrasSecuencia] = {};
    CFlujoOgg* apCanales[kNumCanalesSecuencia] = {};
    // Each place plays its own copy of a bank slot.
    std::unique_ptr<CRanuraMusica> apPlazas[kNumPlazasMusicaSecuencia];
    std::vector<EventoSonido> eventos; // in file order
    size_t iCursor = 0;
};

struct LineaSecuencia {
    int iObjetoA = -1, iObjetoB = -1, iObjetoSprite = -1, iSprite = -1;
    bool bEnUso = false;
};

// Line events: 1 put, 2 remove.
struct EventoLinea {
    int iTipo = 0;
    int iLinea = 0;
    int iFrame = 0;
    int iObjetoA = -1, iObjetoB = -1, iObjetoSprite = -1, iSprite = -1;
};

struct SaltoCrono {
    int iFrame = -1;
    int iNuevoFrame = -1;
};

struct SaltoSubSecuencia {
    int iFrame = -1;
    int iNuevoFrame = -1;
    int iSlot = -1;
};

// A button the host builds for the sequence.
struct BotonSecuencia {
    bool bPresente = false;
    float x = -1.0f, y = -1.0f, fAncho = -1.0f, fAlto = -1.0f;
    int iEstilo = -1, iFont = -1;
    float fEscalaTexto = 1.0f;
    int iCodigoTexto = -1;
};

class CSecuencia {
public:
    // Sequences nest at most this deep; one load reads at most this many
    // nested files in all.
    static constexpr int kMaxAnidamiento = 8;
    static constexpr int kMaxSubSecuenciasPorCarga = 256;

    CSecuencia();
    ~CSecuencia();
    CSecuencia(const CSecuencia&) = delete;
    CSecuencia& operator=(const CSecuencia&) = delete;

    // Loads a .sec file; false (and nothing loaded) for a null name, a file
    // that cannot be opened or one without a complete command. Empties the
    // package cache afterwards: objects and layers keep their own copies.
    bool Carga(const char* szFichero);
    void Libera();
    bool EstaCargada() const { return m_bCargada; }

    // One frame.
    void Actualiza();
    // The current state into a render-target sprite, or the screen (null).
    void Dibuja(Sprite* pDestino);
    // Back to frame 0 with every object at its start state.
    void Rebobina();
    // Sets the clock and moves every event cursor to it; no state is replayed.
    void SituaCrono(int iFrame);
    // SituaCrono, the changed flag cleared, then one frame.
    void SituaYActualiza(int iFrame);

    // An end frame is set and the clock has reached it.
    bool HaTerminado() const;
    // A loop, a clock jump or the end frame happened since the last load or
    // SituaYActualiza.
    bool HaCambiado() const { return m_bCambiado; }
    // True once for each pause point reached.
    bool ConsumeLlegadaPausa();
    bool EstaPausada() const { return m_bPausada; }
    // A paused sequence runs on from the next update (the host's pause
    // button); nothing happens while it is not paused.
    void PideReanudar();

    // Values passed down to the next draw (and from it to the sub-sequences):
    // each call sets its value and marks it for the next Dibuja, which clears
    // the marks; the values stay.
    void PonAlfaHeredada(uint8_t ucAlfa);
    void PonEscalaHeredadaX(float f);
    void PonEscalaHeredadaY(float f);

    // Marks the packages in use and takes the samples again; the host then
    // lets the graphics and sound systems load what is in use.
    void CargaRecursos();
    void DescargaRecursos();
    bool RecursosCargados() const { return m_bRecursosCargados; }
    // After a sequence took or dropped its resources: the graphics and sound
    // systems load what is in use and let go of what is not.
    static void CargaEnUso();

    const BotonSecuencia& GetBotonPasar() const { return m_BotonPasar; }
    const BotonSecuencia& GetBotonPausa() const { return m_BotonPausa; }

    // The slot bank the music places take their slots from (set at start-up
    // once the bank has loaded; null before and after).
    static void PonBancoRanuras(CBancoRanuras* pBanco);
    static CBancoRanuras* BancoRanuras();

    // Reading the state (hosts, tools and tests).
    int Crono() const { return m_iCrono; }
    int FrameFin() const { return m_iFrameFin; }
    int FrameLoop() const { return m_iFrameLoop; }
    const ObjetoSecuencia& Objeto(int i) const { return m_aObjetos[Acota(i, kNumObjetosSecuencia)]; }
    const CapaScroll& Capa(int i) const { return m_aCapas[Acota(i, kNumCapasSecuencia)]; }
    const SubSecuencia& Sub(int i) const { return m_aSubs[Acota(i, kNumSubSecuencias)]; }
    const SonidosSecuencia& Sonidos() const { return m_Sonidos; }
    const LineaSecuencia& Linea(int i) const { return m_aLineas[Acota(i, kNumLineasSecuencia)]; }
    int NumLineasEnLista(int iObjeto) const { return int(Objeto(iObjeto).lineas.size()); }
    int NumPausas() const { return m_iNumPausas; }
    int Pausa(int i) const { return m_aiPausas[Acota(i, kNumPausasSecuencia)]; }
    int NumSaltos() const { return m_iNumSaltos; }
    int NumSaltosSub() const { return m_iNumSaltosSub; }
    int NumEventosLinea() const { return int(m_EventosLinea.size()); }
    int NumEventosObjeto(int iObjeto) const { return int(Objeto(iObjeto).eventos.size()); }

private:
    // The files being loaded, outermost first, and the nested files read so
    // far in this load.
    struct CadenaCarga {
        std::vector<std::string> ficheros;
        int iLeidos = 0;
    };
    static int Acota(int i, int n) { return i < 0 ? 0 : (i >= n ? n - 1 : i); }

    bool CargaEnCadena(const char* szFichero, CadenaCarga& cadena);
    void Reinicia();
    void AplicaRegistro(const RegistroSecuencia& r, CadenaCarga& cadena);
    void DeclaraObjeto(const RegistroSecuencia& r);
    void DeclaraCapa(const RegistroSecuencia& r);
    void DeclaraSubSecuencia(const RegistroSecuencia& r, CadenaCarga& cadena);
    void AnadeEventoObjeto(const RegistroSecuencia& r);
    void AnadeEventoCapa(const RegistroSecuencia& r);
    void AnadeEventoSubSecuencia(const RegistroSecuencia& r);
    void AnadeEventoSonido(const RegistroSecuencia& r);
    void AnadeEventoLinea(const RegistroSecuencia& r);
    void AnadePausa(int iFrame);

    void PasoSubSecuencias();
    void PasoCapa(CapaScroll& c);
    void PasoObjeto(ObjetoSecuencia& o);
    void EjecutaEventoObjeto(ObjetoSecuencia& o, int iEvento);
    void EjecutaEventoCapa(CapaScroll& c, int iEvento);
    void EjecutaEventoSubSecuencia(SubSecuencia& s, const EventoSubSecuencia& e);
    void PasoLineas();
    void PasoSonidos();
    void EjecutaEventoSonido(const EventoSonido& e);
    void ReiniciaObjeto(ObjetoSecuencia& o);
    void QuitaLineaDeLista(int iLinea);
    void DibujaCapa(CapaScroll& c, Sprite* pDestino);
    void DibujaObjeto(ObjetoSecuencia& o, Sprite* pDestino);
    void DibujaLinea(const LineaSecuencia& l, Sprite* pDestino);
    void CierraCanal(int iCanal);
    void ParaPlaza(int iPlaza);
    void LiberaSonidos();

    bool m_bCargada = false;
    int m_iFrameFin = -1;
    int m_iFrameLoop = -1;
    int m_iCrono = 0;
    ObjetoSecuencia m_aObjetos[kNumObjetosSecuencia];
    CapaScroll m_aCapas[kNumCapasSecuencia];
    SubSecuencia m_aSubs[kNumSubSecuencias];
    SonidosSecuencia m_Sonidos;
    bool m_bRecursosCargados = false;
    BotonSecuencia m_BotonPasar;
    BotonSecuencia m_BotonPausa;
    int m_aiPausas[kNumPausasSecuencia];
    int m_iNumPausas = 0;
    int m_iSiguientePausa = 0;
    SaltoCrono m_aSaltos[kNumSaltosSecuencia];
    SaltoSubSecuencia m_aSaltosSub[kNumSaltosSecuencia];
    int m_iNumSaltos = 0;
    int m_iNumSaltosSub = 0;
    bool m_bLlegadaPausa = false;
    bool m_bPausada = false;
    bool m_bReanudar = false;
    bool m_bCambiado = false;
    LineaSecuencia m_aLineas[kNumLineasSecuencia];
    std::vector<EventoLinea> m_EventosLinea; // in frame order
    uint8_t m_ucAlfaHeredada = 255;
    float m_fEscalaHeredadaX = 1.0f, m_fEscalaHeredadaY = 1.0f;
    int m_iMarcasHeredadas = 0;
};
