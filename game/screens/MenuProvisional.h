// The one stand-in that every screen not built yet stands on: the shared
// menu look with the screen's name in the title bar, a note that the screen
// is not built yet, and one back button that goes where the screen's real
// back goes (a fixed screen, or the screen that opened it), or closes the
// screen when it was attached as another screen's child or opened from
// play. Each such screen is a thin class under its final name that names
// itself and its way back; it is replaced, not kept, when it is built.
#pragma once
#include "game/screens/BaseMenu.h"

class CBotonTazmo;
class CCuadreText;

class CMenuProvisional : public CBaseMenu {
public:
    enum { ID_VOLVER = 0, ID_PRIMERO_PROPIO = 1 };

    enum AccionVolver { VOLVER_NADA, VOLVER_CIERRA, VOLVER_CAMBIA };
    // What the back button does: a screen opened as another's child (or
    // from play) closes itself; the current screen goes to its way back;
    // without one it stays.
    static AccionVolver DecideVolver(bool bHijoDeOtra, bool bSeCierraSolo, const CMenuObj* pDestino);

    CMenuProvisional() = default;
    ~CMenuProvisional() override;

    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void DibujaContenido(Sprite* pDestino) override;
    // The name over the title bar's pill.
    void DibujaEncima(Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;

    void Libera();
    CBotonTazmo* BotonVolver() const { return m_pBotonVolver; }

protected:
    // The shared look named szNombre (the object name, in capitals for the
    // widgets), with szTitulo as the name the player reads, and the back
    // button (caption iCodigoVolver) in the corner.
    bool CreaProvisional(const char* szNombre, const char* szTitulo, const char* szCodigoVolver);
    bool CreaProvisional(const char* szNombre, const char* szTitulo);
    // Where back goes while the screen is current (null: nowhere); a screen
    // that needs it made ready (a mode set) does so here.
    virtual CMenuObj* PreparaVolver() { return nullptr; }
    // Back closes the screen whatever its parent (opened from play).
    virtual bool SeCierraSolo() { return false; }
    // A press of one of a derived stand-in's own widgets; false when the id
    // is not its own.
    virtual bool TrataPulsado(int) { return false; }
    void Volver();

    // The manager's screens that backs lead to (null without a manager).
    static CMenuObj* Principal();
    static CMenuObj* Opciones();
    static CMenuObj* Presentacion();
    static CMenuObj* Cofre();
    static CMenuObj* Personajes();
    // The profile screen, put in its mode of choosing a profile.
    static CMenuObj* PerfilEnModoEleccion();

    CBotonTazmo* m_pBotonVolver = nullptr;
    Sprite* m_pTitulo = nullptr;
    Sprite* m_pNota = nullptr;

private:
    void LiberaPropios();
};
