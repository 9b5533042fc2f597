// The in-game pointer and its seven states, which the curses set: slowed,
// frozen, shaking, inverted, paralysed, chasing a mark and blocked; a bonus
// may shield it. Each frame the tool filters the player's movement through
// the states that run and moves the system pointer where the filter put it;
// it draws the in-game pointer with the overlays of its states (the core
// hides its own pointer while play has the focus).
//
// The system pointer is moved only when the filter changed where the player
// put it: while no state runs the pointer is the player's own, and may leave
// a window at its edge.
//
// A tool whose Carga failed does nothing and answers as a pointer with no
// state: tracing, contact and curses allowed, no chase, no darkening.
#pragma once
#include "engine/graphics/SPM.h"

#include <array>

class CMaldicion;
class CMenuJuego;
class Sprite;
struct RegistroNivel;

enum EstadoCursor {
    CURSOR_LENTO = 0,
    CURSOR_CONGELADO = 1,
    CURSOR_TEMBLOROSO = 2,
    CURSOR_INVERTIDO = 3,
    CURSOR_PARALIZADO = 4,
    CURSOR_PERSECUCION = 5,
    CURSOR_BLOQUEADO = 6,
    NUM_ESTADOS_CURSOR = 7,
};

class CHerramientaEstadosCursor {
public:
    // The chase scene's three parts.
    enum { PERSECUCION_ENTRADA = 0, PERSECUCION_CAZA = 1, PERSECUCION_SALIDA = 2 };
    static constexpr int kPasosEscudo = 900;
    static constexpr int kPasosDestello = 30;
    static constexpr int kPasosFundidoPersecucion = 90;
    static constexpr float kRadioEscudo = 25.0f;

    CHerramientaEstadosCursor() = default;
    virtual ~CHerramientaEstadosCursor();
    CHerramientaEstadosCursor(const CHerramientaEstadosCursor&) = delete;
    CHerramientaEstadosCursor& operator=(const CHerramientaEstadosCursor&) = delete;

    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    void Actualiza();
    void Dibuja(Sprite* pDestino);

    // A curse of that kind (1..11) touched the pointer: its state starts
    // (see TablaMaldiciones). Other kinds do nothing.
    void AplicaMaldicion(int iTipo);
    // The curse itself, as the play screen's event hands it over.
    void AplicaMaldicion(const CMaldicion* pMaldicion);
    void Escudo();
    bool EscudoActivo() const { return m_iEscudo > 0; }
    float RadioEscudo() const { return kRadioEscudo; }
    void DestelloGolpe();

    bool PuedeTrazar() const;
    bool PermiteContacto() const;
    bool EnPersecucion() const;
    bool PermiteMaldiciones() const;
    // Every state ends at once, the chase scene with everything it dimmed.
    void LimpiaEstados();
    // The chase scene's darkening of the background, the pieces and the
    // HUD, 0..1.
    float Oscurecimiento() const { return m_bCreado ? m_fFundidoPersecucion : 0.0f; }
    float PunteroX() const;
    float PunteroY() const;

    // One frame of the pointer filter: from the last pointer and where the
    // player put it (px, py), where the pointer goes (held within the
    // field's margins). Runs the chase scene's parts and sets whether curses
    // may come. Public for tests.
    void FiltraPuntero(float px, float py, float* pfX, float* pfY);
    // Whether any state acts on the pointer now.
    bool AlgunEstadoActivo() const;

    // What a curse kind does: its state and frames (-1: nothing).
    struct EfectoMaldicion {
        int iEstado;
        int iPasos;
    };
    static EfectoMaldicion TablaMaldiciones(int iTipo);

    bool m_bCreado = false;
    CMenuJuego* m_pJuego = nullptr;
    RegistroNivel* m_pNivel = nullptr;
    CSPM m_SPMCursor;
    CSPM m_SPMMaldiciones;
    int m_iTipoLento = 1;
    int m_iFrames = 0;
    std::array<int, NUM_ESTADOS_CURSOR> m_aiPasos{};
    std::array<float, NUM_ESTADOS_CURSOR> m_afIntensidad{};
    int m_iEscudo = 0;
    bool m_bPermiteMaldiciones = true;
    float m_fUltimoX = 512.0f, m_fUltimoY = 384.0f;
    // The system pointer's reading of the last frame, before the filter.
    float m_fLecturaX = 512.0f, m_fLecturaY = 384.0f;
    float m_fEscala = 1.0f, m_fEscalaObjetivo = 1.0f;
    float m_fGiro = 0.0f, m_fGiroObjetivo = 0.0f;
    int m_iSubPersecucion = PERSECUCION_ENTRADA;
    float m_fFundidoPersecucion = 0.0f;
    int m_iContadorPersecucion = 0;
    float m_fMarcaX = 512.0f, m_fMarcaY = 384.0f;
    float m_fVelocidadPersecucion = 1.0f;
    int m_iDestello = 0;
    Sprite* m_pFondo = nullptr;
};
