// The play harness: the real game (CJuegoPrueba) with four profiles of its
// own, a story stage started from the story map as a player starts it, and
// a bot that reads the board and plays it with the level tool's player
// model (game/play/Solucionador.h).
//
//     kit::CPartidaPrueba partida("victoria");
//     ASSERT_TRUE(partida.EmpiezaEtapa(0, 1));   // start summary shown
//     partida.Continua();                         // diamonds
//     while (partida.Juego()->Fase() == FASE_DIAMANTES) partida.JuegaLinea();
//
// The random generator is reset just before the stage starts, so two runs
// of one scenario see the same boards. Pieces are pressed by moving the
// pointer to them and clicking, through the platform's input path.
#pragma once
#include "game/play/MenuJuego.h"
#include "game/profiles/Perfiles.h"
#include "kit/game/JuegoPrueba.h"

#include <string>
#include <utility>
#include <vector>

class CBolaTablero;
class CMenuJuego;

namespace kit {

class CPartidaPrueba {
public:
    explicit CPartidaPrueba(const std::string& nombre, int iDificultad = 0);
    // The game over a per-user folder that already holds these files (name,
    // bytes), played on the game's own profiles as the profile screen loads
    // them: Perfil() is then the game's current profile.
    CPartidaPrueba(const std::string& nombre, const std::vector<std::pair<std::string, std::string>>& ficheros);
    ~CPartidaPrueba();
    CPartidaPrueba(const CPartidaPrueba&) = delete;
    CPartidaPrueba& operator=(const CPartidaPrueba&) = delete;

    CJuegoPrueba& JuegoPrueba() { return m_juego; }
    bool Iniciado() const { return m_juego.Iniciado(); }
    RegistroPerfil& Perfil();

    // Opens the story map with the profile's progress raised to the stage,
    // presses the stage's button and steps until its start summary shows (a
    // tutorial has none: it goes straight to the diamonds' phase).
    bool EmpiezaEtapa(int iGrupo, int iParte, int iFase = FASE_RESUMEN_INICIAL);
    // The same without waiting for the map's own opening (its reveal, its
    // messages) or pressing the stage's button: the map's chain starts the
    // stage as soon as the map is the current screen. For scenarios about
    // the play that follows.
    bool EmpiezaEtapaDirecta(int iGrupo, int iParte, int iFase = FASE_RESUMEN_INICIAL);
    // The play screen, and whether it is attached to the story map.
    CMenuJuego* Juego() const;
    bool JuegoAbierto() const;
    // Presses a button of the play screen by name (the summaries' continue
    // is "m_pBotonContinuar").
    // Waits until the play screen is out of any transition (a press in one
    // is dropped, as it is for a player).
    bool Pulsa(const std::string& nombre);
    // Answers the hint the start may show, then presses continue.
    bool Continua();
    // Answers the hint box when it is open (true when it was).
    bool CierraAviso();
    // Moves the pointer to a piece and clicks it (three steps).
    void PulsaPieza(const CBolaTablero* pPieza);
    void PulsaEn(float x, float y);
    // Steps until the phase is reached (true) or the steps run out.
    bool EsperaFase(int iFase, int iPasosMaximos);
    // The same, cutting the long fixed waits short (the seal shown, the
    // victory, the time-out and the defeat run their last few steps only):
    // for scenarios that are not about those steps.
    bool EsperaFaseAbreviada(int iFase, int iPasosMaximos);
    // Marks the first undo as done in the profile, so that the start shows
    // no hint to answer.
    void SinAvisos();
    // Steps until no piece is appearing, being taken or released, or
    // leaving, and no line blocks presses.
    bool EsperaTableroQuieto(int iPasosMaximos);
    // The bot: plans the best line the model finds over the free pieces of
    // each colour and presses it; the crossings it planned (-1 when there
    // was nothing to press).
    int JuegaLinea();
    // The shards of the figure, pressed in order from the first.
    void TrazaSello();
    // The pieces of the current list.
    std::vector<CBolaTablero*> Piezas() const;
    // The same in their order in the figure.
    std::vector<CBolaTablero*> PiezasEnOrden() const;

    // ---- Tutorials ----
    // Starts a chapter's tutorial from the map, answers the hint the start
    // may show once the play screen has opened and waits for it to settle.
    bool EmpiezaTutorial(int iCapitulo);
    // Presses the tutorial's button once it takes presses and lets the press
    // play out; false without one.
    bool PulsaBotonTutorial();
    // One move of the scripted player for the step the tutorial is on: turns
    // the pages with the tutorial's button, answers the hint box, plays each
    // line in its best-crossing order (a lesson about the best line in the
    // figure's own order), traces the seals shard by shard and keeps the
    // pointer away from the curses while an attack lesson waits for them.
    // The fixed waits of a sealed figure and of the victory run their last
    // few steps only.
    void JuegaTutorial();

private:
    bool Empieza(int iGrupo, int iParte, int iFase, bool bDirecta);

    CJuegoPrueba m_juego;
    CPerfiles m_perfiles;
    int m_iDificultad;
    bool m_bPerfilesDelJuego = false;
};

} // namespace kit
