// The tutorial manager: the play screen makes one for every level it starts.
// On a chapter's first stage it runs that chapter's tutorial, a fixed chain
// of steps written as tables below: a step shows one to three pages of text
// with a button to go on, or hands the play screen a set of pieces (for a
// seal, with the seal's pictures) under an instruction line and waits for its
// goal. When the chain's last step is done the level is won. Elsewhere it is
// an empty, invisible child that changes nothing.
#pragma once
#include "engine/core/Lista.h"
#include "engine/ui/MenuObj.h"

#include <array>
#include <cstdint>

class CBotonTazmo;
class CMenuJuego;
class Sprite;
struct RegistroNivel;

// ---- The tutorials as data ----

// A page set: up to five records, its pages being those before the first end
// record.
struct PaginaTutorial {
    enum { PAGINA = 1, FIN = 3 };
    int iTipo = FIN;
    const char* szCodigo = nullptr;
};
struct ConjuntoPaginas {
    static constexpr int kRegistros = 5;
    std::array<PaginaTutorial, kRegistros> a{};
};

// What a step wants before the chain goes on.
enum MetaTutorial {
    META_NINGUNA,          // never by a check of its own
    META_BOTON,            // a page step: the button after its last page
    META_PRIMERA,          // the first line check
    META_PUNTOS_MINIMO,    // score at least n
    META_PUNTOS_MAS_DE,    // score above n
    META_LINEA_MINIMO,     // the last ended line's points at least n (with the guide)
    META_LANZADAS_MAS_DE,  // the attacks tool launched more than n curses
    META_FACTOR_BAJO,      // the attacks' interval factor below n / 100
};

// What a step does when it starts, beyond its pages or its play.
enum AccionTutorial : unsigned {
    ACCION_ASISTENCIA_NO = 1u << 0,       // the visual help off
    ACCION_ASISTENCIA_SI = 1u << 1,       // the visual help on and showing at once
    ACCION_PRIMERA_FIGURA = 1u << 2,      // the play screen's next figure shows its banner
    ACCION_REINTENTOS_CERO = 1u << 3,     // the retry counter back to 0
    ACCION_GUIA_DESVANECE = 1u << 4,      // the guide fades out over 90 frames
    ACCION_DESBLOQUEA_LINAJE = 1u << 5,   // the lineage seals unlocked
    ACCION_AYUDA_ANIMADA = 1u << 6,       // closing the animated help also reaches the goal
};

struct PasoTutorial {
    enum Tipo { PAGINAS, JUEGA, SELLO };
    static constexpr int kMaxSellos = 3;
    int iPaso = 0;
    Tipo tipo = PAGINAS;
    int iConjunto = -1;          // PAGINAS: the page set
    int iLista = -1;             // JUEGA/SELLO: the piece list, -1 for none
    const char* szTexto = nullptr;
    std::array<const char*, kMaxSellos> apszSellos{};
    unsigned uAcciones = 0;
    MetaTutorial meta = META_NINGUNA;
    int iUmbral = 0;
    int iListaGuia = -1;         // META_LINEA_MINIMO: the list the guide shows
};

// A tutorial's chain: its first and final steps.
struct CadenaTutorial {
    int iPrimero = 0;
    int iFinal = 0;
};

// A piece list filled when a tutorial starts: a built-in figure by number,
// or a figure file below "Data\Tapices\".
struct PiezasTutorial {
    int iPrimerPaso = 0;
    int iLista = 0;
    int iFigura = -1;
    const char* szFichero = nullptr;
};

class CGestorTutoriales : public CMenuObj {
public:
    static constexpr int kNumTutoriales = 12;   // 12 and above: none
    static constexpr int kNumListas = 19;
    static constexpr int kPrimerConjunto = 8;
    static constexpr int kNumConjuntos = 34;
    static constexpr int kPrimerPaso = 14;
    static constexpr int kUltimoPaso = 67;
    // The two texts: font 1, centred in the middle of a 512 x 128 box and
    // wrapped to it, at three quarters of the font's size (three lines).
    static constexpr int kFuenteTexto = 1, kFormatoTexto = 73;
    static constexpr float kAnchoTexto = 512.0f, kAltoTexto = 128.0f, kEscalaTexto = 0.75f;
    // The centre lines of the instruction below the board and of the pages
    // above it; the tutorials' figures keep their pieces clear of the first.
    static constexpr float kAbajoY = 600.0f, kArribaY = 150.0f;
    static constexpr int kNivelFlash = 512;
    static constexpr int kNivelTexto = 256;
    static constexpr int kPasoNivelTexto = 5;
    static constexpr float kPasoGuia = 1.0f / 90.0f;
    static constexpr int kReintentosGuia = 2;
    static constexpr int kLineaTutorial0 = 4, kLineaTutorial1 = 5;
    static constexpr int kObjetivoTutorial2 = 30;

    static const std::array<ConjuntoPaginas, kNumConjuntos> TablaConjuntos;
    static const std::array<PasoTutorial, kUltimoPaso - kPrimerPaso + 1> TablaPasos;
    static const std::array<CadenaTutorial, kNumTutoriales> TablaCadenas;
    static const std::array<PiezasTutorial, 16> TablaPiezas;

    CGestorTutoriales() = default;
    ~CGestorTutoriales() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void QuitaHijo(bool bRecarga, CMenuObj* pHijo) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    // Loads the manager for a level of the play screen (released first);
    // false, with everything released, when a part cannot be built.
    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();

    bool Activo() const { return m_iPaso != 0; }
    // The values the play screen takes from a running tutorial.
    int LineaMaxima() const;
    int PuntuacionObjetivo() const;
    int NumeroColores() const;
    // The line check's goal test, once the board has settled after a line.
    bool CompruebaObjetivo();

    // ---- The tables, read ----
    static int PrimerPaso(int iTutorial);
    static bool EsPasoFinal(int iPaso);
    static const PasoTutorial* Paso(int iPaso);
    static const ConjuntoPaginas* Conjunto(int iConjunto);
    static int NumPaginas(const ConjuntoPaginas& c);
    // The goal of a line check: S the score, L the last ended line's points.
    static bool MetaDeLinea(const PasoTutorial& p, int S, int L);
    // The goal of a frame: launched curses and the interval factor.
    static bool MetaDeFotograma(const PasoTutorial& p, int iLanzadas, float fFactor);
    // The alphas of a text at a level: itself and its white flash.
    static int AlfaTexto(int iNivel);
    static int AlfaDestello(int iNivel);
    // A text level one frame nearer its target.
    static int AcercaNivel(int iNivel, int iObjetivo);

    // ---- State (read by the play screen and the tests) ----
    bool m_bCreado = false;
    int m_iPaso = 0;
    std::array<CLista, kNumListas> m_aListas{};
    bool m_bObjetivo = false;
    Sprite* m_pTextoAbajo = nullptr;
    int m_iObjetivoAbajo = 0, m_iNivelAbajo = 0;
    Sprite* m_pTextoArriba = nullptr;
    int m_iObjetivoArriba = 0, m_iNivelArriba = 0;
    int m_iPagina = 0, m_iNumPaginas = 0;
    const ConjuntoPaginas* m_pPaginas = nullptr;
    CBotonTazmo* m_pBoton = nullptr;
    CMenuJuego* m_pJuego = nullptr;
    RegistroNivel* m_pNivel = nullptr;
    bool m_bPermiteJugar = false;
    int m_iReintentos = 0;
    // Read once at the level's start.
    int m_iLineaPerfil = 0;
    int m_iObjetivoNivel = 0;

private:
    void InicializaCampos();
    void EjecutaPaso(int iPaso);
    void MuestraPaginas(int iConjunto);
    void Juega(CLista* pLista, const char* szTexto, bool bSello, const char* const* apszSellos);
    void MuestraTexto(Sprite* pTexto, const char* szCodigo);
    void DibujaTexto(Sprite* pDestino, Sprite* pTexto, float y, int iNivel);
};
