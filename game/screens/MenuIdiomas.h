// The language screen: English, Castilian and Catalan. Opened over the
// options screen as its child it closes itself once a language is chosen;
// as the very first screen of a run (no language in the engine's
// preferences yet) it goes on to the title screen, and until a language has
// been chosen it will not let the player go back without one.
#pragma once
#include "game/screens/BaseMenu.h"

class CBotonTazmo;
class CMsgBoxTazmo;

class CMenuIdiomas : public CBaseMenu {
public:
    enum { ID_CATALA = 0, ID_CASTELLANO = 1, ID_INGLES = 2, ID_VOLVER = 3, ID_MSGBOX = 0 };
    // 0 normal (a child of the options screen), 1 the first screen of a run.
    enum { MODO_NORMAL = 0, MODO_PRIMERA_VEZ = 1 };
    static constexpr int kNumBotones = 4;

    CMenuIdiomas() = default;
    ~CMenuIdiomas() override;

    void Actualiza() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    // Language key (0..2) and file-system code of each language button; -1
    // and no code for any other id.
    static int ClaveIdioma(int iId);
    static const char* CodigoIdioma(int iId);
    // Where leaving goes: back to the options screen (closing) or on to the
    // title screen.
    enum Salida { SALIDA_CIERRA, SALIDA_PRESENTACION };
    static Salida DecideSalida(int iModo) { return iModo == MODO_PRIMERA_VEZ ? SALIDA_PRESENTACION : SALIDA_CIERRA; }

    // Builds the message that asks for a language (false when it cannot);
    // showing it also attaches it over the screen.
    bool PreparaAviso();

    bool m_bCreado = false;
    CBotonTazmo* m_apBotones[kNumBotones] = {};
    CMsgBoxTazmo* m_pMsgBox = nullptr;
    bool m_bPrimeraActualizacion = true;
    bool m_bMsgBoxMostrado = false;
    int m_iModo = MODO_NORMAL;

private:
    void InicializaCampos();
    void LiberaPropios();
    void Sale();
    void MuestraAviso();
    void AtiendeAviso();
};
