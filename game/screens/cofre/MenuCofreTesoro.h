// The treasure chest: the hub of the unlockable extras. Five icons lead to
// the characters, the chapter replays, the gallery, the trophies and the
// seals (a piece-bag icon and a music icon are built but not shown). Each
// icon carries its chest marker as its name, so a group still locked in the
// current profile shows locked and one with news glows. The main menu, the
// story map and the extra-modes menu open it, each setting m_pMenuRetorno
// to itself right before CambiaMenu; back returns there (to the main menu
// when no opener is set). The sub-screens' backs return to the chest.
#pragma once
#include "game/screens/BaseMenu.h"

class CBotonIconoTazmo;
class CBotonTazmo;

class CMenuCofreTesoro : public CBaseMenu {
public:
    enum {
        ID_PERSONAJES = 0,
        ID_CAPITULOS = 1,
        ID_GALERIA = 2,
        ID_BOLSAS = 3,
        ID_TROFEOS = 4,
        ID_SELLOS = 5,
        ID_MUSICA = 6,
        ID_VOLVER = 7,
    };
    static constexpr int kNumIconos = 7;

    CMenuCofreTesoro() = default;
    ~CMenuCofreTesoro() override;

    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    bool Crea();
    void Libera();

    // ---- The screen's decisions ----
    // Where back goes: the opener, or the main menu without one.
    static CMenuObj* DestinoVolver(CMenuObj* pRetorno, CMenuObj* pPrincipal);
    // Whether a sub-screen can be opened: it exists and its Crea succeeded
    // (one that failed at start-up would open empty, with no way back).
    static bool SePuedeAbrir(CMenuObj* pPantalla);
    // The manager's screen an icon leads to (null for none).
    static CMenuObj* PantallaDeIcono(int iId);

    CBotonIconoTazmo* m_apIconos[kNumIconos] = {};
    CBotonTazmo* m_pBotonVolver = nullptr;
    // The screen that opened the chest, set right before CambiaMenu.
    CMenuObj* m_pMenuRetorno = nullptr;

private:
    void InicializaCampos();
    void LiberaPropios();
    bool Construye();
};
