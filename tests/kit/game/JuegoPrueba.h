// The game kit: the real game started for one scenario test, driven as a
// player drives it and read as a player sees it.
//
//     TEST(MenuPrincipal, SalirTerminaElJuego)
//     {
//         kit::CJuegoPrueba juego;             // the real start-up, once per scenario
//         ASSERT_TRUE(juego.Iniciado());
//         juego.Pasos(30);                      // 30 logic steps, each updates and draws
//         EXPECT_EQ(juego.NombrePantalla(), "MENUPRINCIPAL");
//         ASSERT_TRUE(juego.Pulsa("MENUPRINCIPAL_BUT_Salir")) << juego.Widgets();
//         EXPECT_TRUE(juego.Pasos(60));         // true: the program asked to quit
//         EXPECT_TRUE(juego.ExisteFicheroUsuario("MultiPrefs.PRF"));
//     }
//
// What it does: points the data root at the built data and the per-user
// folder at an empty folder of the scenario's own, puts the clocks on the
// manual clock (the random generator reset), runs the program's start-up
// (IniciaPrograma) and makes its top-level object (CreaBuclePrincipal) on
// the off-screen window; the destructor releases both in one process. A
// start costs about a second under the sanitizers: start once per scenario
// and assert along the way, never once per assertion.
//
// Input goes through the platform's event path (injected events, taken by
// the devices at the next step), widgets are found by their object name
// within the current screen, and field coordinates are the game's
// 1024x768 points whatever the window's size.
#pragma once
#include "kit/ServeisFitxers.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

class CMenuObj;

namespace kit {

class CJuegoPrueba {
public:
    // How the scenario's player starts: as one who chose English on an
    // earlier run (the engine preferences hold it, so the game opens on the
    // title screen in English), or on the very first run, with no
    // preferences at all (the game opens on the language screen).
    enum Arranque { CON_INGLES, PRIMERA_VEZ };
    // The preferences file a player who chose English left.
    static constexpr const char* kPreferenciasIngles = "IDIOMA = 2;\n";

    // nombre names the scenario's per-user folder.
    explicit CJuegoPrueba(const std::string& nombre = "juego");
    // The same over a per-user folder that already holds these files (name,
    // bytes), as a player's earlier run left them; without a
    // Preferencias.PRF among them, as CON_INGLES writes it.
    CJuegoPrueba(const std::string& nombre, const std::vector<std::pair<std::string, std::string>>& ficheros,
                 Arranque arranque = CON_INGLES);
    ~CJuegoPrueba();
    CJuegoPrueba(const CJuegoPrueba&) = delete;
    CJuegoPrueba& operator=(const CJuegoPrueba&) = delete;

    // Start-up and the top-level object both succeeded.
    bool Iniciado() const { return m_bIniciado; }
    // Ends the program as quitting does (the manager's release writes its
    // files) and starts it again over the same per-user folder, as a player
    // starting the game a second time; true when it started.
    bool Reinicia();

    // ---- Steps ----
    // One logic step of the main loop (input taken, every object updated,
    // one frame drawn and presented); true when the program asked to quit,
    // after which no step runs any more.
    bool Paso();
    // n steps, fewer when the program quits; true when it asked to quit.
    bool Pasos(int n);
    bool Terminado() const { return m_bTerminado; }

    // ---- Screens and widgets ----
    // The top-level object of the program.
    CMenuObj* Raiz() const;
    // The screen the player sees now: the menu manager's current screen
    // while it is attached (also while it closes), else the top-level
    // object's top child, or the top-level object itself while it has none.
    CMenuObj* Pantalla() const;
    std::string NombrePantalla() const;
    // The widget of that name within the current screen (the screen itself
    // included, children searched from the top one down), or null.
    CMenuObj* Busca(const std::string& nombre) const;
    // The names of the current screen's tree, one per line and indented by
    // depth: for failure messages.
    std::string Widgets() const;

    // ---- Input, through the platform's events ----
    // Moves the pointer to the widget's centre, presses and releases the
    // left button there, one step after each. False (nothing done) when no
    // visible widget has that name.
    bool Pulsa(const std::string& nombre);
    // Clicks the widget (as Pulsa) so that it takes the focus, then types
    // the text (UTF-8) and steps once.
    bool Escribe(const std::string& nombre, const std::string& texto);
    // A key (engine key code) pressed and released, one step after each.
    void Tecla(uint8_t tecla);
    // The pointer moved to a point of the field, then one step.
    void MueveRaton(float x, float y);
    // The left button pressed or released where the pointer is, one step.
    void BotonRaton(bool abajo);
    // The same for any button: 0 left, 1 right, 2 middle.
    void BotonRaton(int boton, bool abajo);

    // ---- What the player sees and hears ----
    // Where the in-game pointer is (field points); false without a mouse.
    bool Puntero(float* x, float* y) const;
    // The pointer is drawn over the frame.
    bool DibujaPuntero() const;
    // The fade overlay: its level 0..1 and the alpha 0..255 it was last
    // drawn with.
    float NivelFundido() const;
    int AlfaFundido() const;
    // The last frame drawn: 1024x768 RGBA, row 0 on top (empty on failure).
    std::vector<uint8_t> Fotograma() const;
    // The background music's file name ("" for none), and the music slot a
    // channel of the sound manager plays ("" for none).
    std::string Musica() const;
    std::string MusicaCanal(const char* szCanal) const;

    // ---- The player's files ----
    // The per-user folder the game writes its preferences and profiles in.
    std::filesystem::path CarpetaUsuario() const { return m_carpeta.Carpeta(); }
    // The names of the files in it, sorted.
    std::vector<std::string> FicherosUsuario() const;
    bool ExisteFicheroUsuario(const std::string& nombre) const;
    // Every byte of one of them ("" when missing).
    std::string LeeFicheroUsuario(const std::string& nombre) const;

private:
    // A window pixel over a field point.
    bool Ventana(float x, float y, int* px, int* py) const;

    mgtest::CarpetaUsuariProva m_carpeta;
    std::string m_sRaizAnterior;
    bool m_bIniciado = false;
    bool m_bSistemas = false;
    bool m_bTerminado = false;
    float m_fRatonX = 0.0f, m_fRatonY = 0.0f;
};

} // namespace kit
