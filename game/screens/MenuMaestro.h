// The menu manager: the one top-level object of the game. It owns every
// screen for the whole run and shows exactly one of them as its child (the
// current screen); CambiaMenu is the only way the current screen changes:
// the picture fades to black over 10 steps, the old screen finishes
// closing, the new one is attached and the picture fades back in. It also
// owns the game's key/value store, the loading sign, the hint box, the
// unlock manager, the menus' effects package, the level table and the
// record of the level being played, which screens, play screens and story
// hosts reach through g_pMenuMaestro. Its update is the only place that
// moves the frame count every timer of the game reads.
#pragma once
#include "engine/ui/MenuObj.h"
#include "game/play/RegistroNivel.h"
#include "game/play/TablaNiveles.h"

#include <string>

class CMenuOpcionesTazmo;
class CMenuIdiomas;
class CMenuAudio;
class CMenuVideo;
class CMenuControles;
class CMenuPrincipal;
class CMenuJuego;
class CMenuJuegoSoloSellos;
class CMenuJuegoSoloConcentrar;
class CMenuJuegoSoloAtaques;
class CMenuPerfil;
class CMenuInGame;
class CMenuCofreTesoro;
class CMenuJapSecuencia;
class CMenuSeleccionAvatar;
class CMenuModoHistoria;
class CMenuAyuda;
class CMenuAyudaAnimado;
class CMenuPresentacionCapitulo;
class CMenuBolsasDePiezas;
class CMenuPersonajes;
class CVisorPersonaje;
class CMenuGaleria;
class CMenuSellos;
class CMenuTrofeos;
class CMenuCapitulos;
class CMenuPresentacion;
class CMenuParametrosModosExtra;
class CMenuCreditos;
class CCartelCargando;
class CCuadroHint;
class CGestorDesbloqueos;
class CMultiPreferencias;
class CSPM;

enum EstadoTransicion {
    TRANSICION_NINGUNA = 0,
    TRANSICION_ENTRANDO = 1, // the new current screen is fading in
    TRANSICION_SALIENDO = 2, // the old screen is fading out; the next one waits
};

class CMenuMaestro : public CMenuObj {
public:
    static constexpr const char* kNombre = "MenuMaestro";
    static constexpr const char* kClaveVolumenSonido = "VOLSONIDO";
    static constexpr const char* kClaveVolumenMusica = "VOLMUSICA";
    static constexpr const char* kClaveVersion = "Version";
    static constexpr const char* kVersion = "0.0001a";
    static constexpr int kVolumenSonidoDefecto = 50;
    static constexpr int kVolumenMusicaDefecto = 25;
    static constexpr int kPasosFundido = 10;
    static constexpr float kUmbralCarga = 200.0f;
    static constexpr int kNumPantallas = 29;

    CMenuMaestro();
    ~CMenuMaestro() override;

    void Actualiza() override;
    // Black under everything, then every child.
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;

    // Builds everything in order; on a failure releases what it built. The
    // picture is left fully black either way, so the first screen fades in.
    bool Crea();
    // Writes the store, then deletes every screen, the loading sign, the
    // hint box, the unlock manager, the effects package and the store.
    void Libera();
    bool EstaCreado() const { return m_bCreado; }
    // The only way the current screen changes. Null is ignored.
    void CambiaMenu(CMenuObj* pMenu);
    CGestorDesbloqueos* GestorDesbloqueos() { return m_pGestorDesbloqueos; }
    // The profile screen put in its mode of choosing a profile, as the title
    // screen and the main menu open it (null without one).
    CMenuObj* PerfilParaElegir();

    // The store's file in the per-user folder ("" without one), and a save
    // of the store there.
    static std::string RutaPreferencias();
    bool GuardaPreferencias();
    // A store value in 0..100 as a master volume in 0..1: clamped, and the
    // key's default when the value is not a number.
    static float VolumenDeAlmacen(const char* szValor, int iDefecto);
    // A volume in 0..1 as the store keeps it, 0..100: rounded to the nearest
    // (0.7 is 70, never 69) and clamped.
    static int VolumenParaAlmacen(float fVolumen);
    // The master volumes of the store, each in 0..1.
    float VolumenMusica();
    float VolumenSonido();

    // The level table: every slot to its defaults; every level file of the
    // catalogue read (false at the first that cannot be opened).
    void ReiniciaTablaNiveles();
    bool CargaNiveles();
    // Copies the slot of (group, part, difficulty) into m_NivelActual; a
    // slot outside the catalogue gives the defaults.
    void EligeNivel(int iGrupo, int iParte, int iDificultad);
    static int NumeroNivelesPorDificultad() { return NIVELES_POR_DIFICULTAD; }

    // One step of the screen-change state machine (pure): the next state,
    // and whether the waiting screen is attached now.
    struct PasoTransicion {
        int iEstado;
        bool bAdjunta;
    };
    static PasoTransicion SiguientePaso(int iEstado, bool bFundidoParado, bool bActualCerrando);

    // Screen i (0..kNumPantallas - 1) in member order, null while it does
    // not exist, and the name of its member ("m_pMenuOpciones").
    CMenuObj* Pantalla(int i);
    static const char* MiembroPantalla(int i);

    // Test seam: the screen of that member name ("m_pMenuCreditos") fails
    // its Crea as if it had failed itself; null for none.
    static void FuerzaFalloPantalla(const char* szMiembro);
    // Why the last Crea failed, in words naming what could not be had (a
    // level file that cannot be read, a screen that could not be made); ""
    // after one that did not fail.
    static const std::string& MotivoFallo();

    bool m_bCreado = false;
    int m_bPrimerMenuElegido = 0;
    CMenuOpcionesTazmo* m_pMenuOpciones = nullptr;
    CMenuIdiomas* m_pMenuIdiomas = nullptr;
    CMenuAudio* m_pMenuAudio = nullptr;
    CMenuVideo* m_pMenuVideo = nullptr;
    CMenuControles* m_pMenuControles = nullptr;
    CMenuPrincipal* m_pMenuPrincipal = nullptr;
    CMenuJuego* m_pMenuJuego = nullptr;
    CMenuJuegoSoloSellos* m_pMenuJuegoSoloSellos = nullptr;
    CMenuJuegoSoloConcentrar* m_pMenuJuegoSoloConcentrar = nullptr;
    CMenuJuegoSoloAtaques* m_pMenuJuegoSoloAtaques = nullptr;
    CMenuPerfil* m_pMenuPerfil = nullptr;
    CMenuInGame* m_pMenuInGame = nullptr;
    CMenuCofreTesoro* m_pMenuCofreTesoro = nullptr;
    CMenuJapSecuencia* m_pMenuJapSecuencia = nullptr;
    CMenuSeleccionAvatar* m_pMenuSeleccionAvatar = nullptr;
    CMenuModoHistoria* m_pMenuModoHistoria = nullptr;
    CMenuAyuda* m_pMenuAyuda = nullptr;
    CMenuAyudaAnimado* m_pMenuAyudaAnimado = nullptr;
    CMenuPresentacionCapitulo* m_pMenuPresentacionCapitulo = nullptr;
    CMenuBolsasDePiezas* m_pMenuBolsasDePiezas = nullptr;
    CMenuPersonajes* m_pMenuPersonajes = nullptr;
    CVisorPersonaje* m_pVisorPersonaje = nullptr;
    CMenuGaleria* m_pMenuGaleria = nullptr;
    CMenuSellos* m_pMenuSellos = nullptr;
    CMenuTrofeos* m_pMenuTrofeos = nullptr;
    CMenuCapitulos* m_pMenuCapitulos = nullptr;
    CMenuPresentacion* m_pMenuPresentacion = nullptr;
    CMenuParametrosModosExtra* m_pMenuParametrosModosExtra = nullptr;
    CMenuCreditos* m_pMenuCreditos = nullptr;
    CCartelCargando* m_pCartelCargando = nullptr;
    CCuadroHint* m_pCuadroHint = nullptr;
    CGestorDesbloqueos* m_pGestorDesbloqueos = nullptr;
    CSPM* m_pSPMEfectos = nullptr;
    RegistroNivel m_NivelActual;
    int m_iEstadoTransicion = TRANSICION_NINGUNA;
    CMenuObj* m_pMenuSiguiente = nullptr;
    CMenuObj* m_pMenuActual = nullptr;
    CTablaNiveles m_TablaNiveles;
    CMultiPreferencias* m_pMultiPreferencias = nullptr;

private:
    void InicializaCampos();
    bool CreaPreferencias();
    bool CreaCartelYHint();
    bool CreaPantallas();
    void LiberaPantallas();
    void EligePrimerMenu();
    void EjecutaTransicion();
};

extern CMenuMaestro* g_pMenuMaestro;
