// The profile screen: the four profile slots, and the one place where a
// profile is created, chosen, reset, deleted and saved. It holds the slots
// (CPerfiles) and registers them as the game's, so the current profile that
// every button and screen reads is this screen's.
//
// It works in one of four modes: choosing a profile (the slots, sliding in
// on the shared look), a quiet save of the current profile that another
// screen runs by attaching this one as its child (it removes itself when the
// save is done, and shows nothing unless the save fails), the same save with
// a message while saving and one when saved, and idle. Every step of every
// mode is a small dialogue of the game's message boxes driven by a state
// number; the two boxes swap roles, so a new one is built while the old one
// is still closing.
#pragma once
#include "game/profiles/Perfiles.h"
#include "game/screens/BaseMenu.h"

#include <string>

class CBotonTazmo;
class CMsgBoxTazmo;
class CQuadreGrafic;

class CMenuPerfil : public CBaseMenu, public CPerfiles {
public:
    enum { MODO_GUARDA = 0, MODO_GUARDA_AVISANDO = 1, MODO_ELECCION = 2, MODO_INACTIVO = 3 };
    // What a slot's button left to do once the dialogue is free.
    enum { ACCION_NINGUNA = 0, ACCION_BORRAR = 1, ACCION_REINICIAR = 2, ACCION_ELEGIR = 3 };
    // Widget ids.
    enum {
        ID_SALIR = 0,
        ID_PRESENTACION = 1,
        ID_MENSAJE = 3,      // the name box, the saving box and the "not saved" box of a new profile
        ID_MENSAJE_OTRO = 4, // every other box
        ID_NOMBRE = 50,      // + slot
        ID_REINICIAR = 70,
        ID_BORRAR = 90,
        ID_NUEVO = 110,
    };
    // Dialogue states that are no box of their own.
    enum { ESTADO_GUARDA = 15, ESTADO_ESPERA = 19, ESTADO_FIN = 22, ESTADO_TERMINADO = 30 };
    static constexpr int kPasosDeslizamiento = 15;
    // The answers of the boxes, by their buttons.
    enum { RESPUESTA_ACEP = 0, RESPUESTA_CANC = 1, RESPUESTA_RETR = 0, RESPUESTA_CANC_RETR = 1, RESPUESTA_AYUD = 2 };

    CMenuPerfil() = default;
    ~CMenuPerfil() override;

    void Actualiza() override;
    void PonEnfocado(bool bEnfocado) override;
    bool EsExclusivo() override;
    bool EnTransicion() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void IniciaTransicion(bool bEntrada) override;
    void NotificaHijoQuitado(CMenuObj* pHijo) override;
    bool SeDibuja() override;
    bool TieneDestellos() override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bIniciadoPerfil; }

    void CambiaModo(int iModo);
    int Modo() const { return m_iModo; }
    int Estado() const { return m_iEstado; }
    // The current profile (null when the index is outside 0..3).
    RegistroPerfil* PerfilActual() { return CPerfiles::PerfilActual(); }

    // ---- The slots ----
    bool CargaRanura(int i);
    void CargaTodos();
    // 0 saved (or nothing to save), 1 not saved.
    int GuardaPerfilActual();
    // 0 done, 1 failed: the profile back to a fresh one under the same name.
    int ReiniciaPerfilActual();
    // 0 saved, 1 not saved (always 1 when it is kept unsaved).
    int CreaPerfil(const char* szNombre, bool bSinGuardar);
    // 0 deleted (also when it had no file), 2 the file could not be deleted.
    int BorraPerfil(int i);
    void ActualizaEtiquetas();
    // Takes the slots' widgets and both boxes off the screen.
    void QuitaBotones();

    // ---- The dialogue ----
    // Prepares the box of that type (or acts on a type that has none).
    void AbreMensaje(int iTipo);
    void CierraMensaje();
    // The box a type shows ("" for none) in a mode, for the tables.
    struct FilaMensaje {
        int iTipo;
        const char* szNombre;
        const char* szTexto;
        int nBotones;
        const char* aszBotones[3];
        bool bGrande;
        int iFlags;
    };
    static const FilaMensaje* FilaDeTipo(int iTipo);
    // A typed name as a profile keeps it: double quotes (which the save file
    // cannot carry) made single, the spaces round it cut, at most 31
    // characters; "" for no name.
    static std::string NombreDeEntrada(const char* szEscrito);
    // The box of that type exists in that mode.
    static bool TieneCaja(int iTipo, int iModo);

    CMsgBoxTazmo* Mensaje() const { return m_pMensaje; }
    CBotonTazmo* BotonNombre(int i) const { return m_apNombre[i]; }
    CBotonTazmo* BotonNuevo(int i) const { return m_apNuevo[i]; }
    bool SinGuardar() const { return m_bSinGuardar != 0; }
    const char* NombreEscrito() const { return m_sNombre.c_str(); }

    int32_t m_iEstado = 0;
    int32_t m_iModo = MODO_INACTIVO;
    CQuadreGrafic* m_apMarcos[NUM_PERFILES] = {};
    CBotonTazmo* m_apNombre[NUM_PERFILES] = {};
    CBotonTazmo* m_apReiniciar[NUM_PERFILES] = {};
    CBotonTazmo* m_apBorrar[NUM_PERFILES] = {};
    CBotonTazmo* m_apNuevo[NUM_PERFILES] = {};
    CBotonTazmo* m_pBotonPresentacion = nullptr;
    CBotonTazmo* m_pBotonSalir = nullptr;
    CMsgBoxTazmo* m_pMensaje = nullptr;
    CMsgBoxTazmo* m_pMensajeSiguiente = nullptr;
    int32_t m_iAccion = ACCION_NINGUNA;
    uint8_t m_bSinGuardar = 0;
    uint8_t m_bSiguienteListo = 0;
    uint8_t m_bAnteriorQuitado = 1;
    uint8_t m_bDialogoTerminado = 0;
    int32_t m_iDeslizamiento = 0;
    bool m_bIniciadoPerfil = false;

private:
    void InicializaPropios();
    void LiberaPropios();
    bool CreaRanuras();
    // One step of the dialogue by the mode's table.
    void PasoGuarda();
    void PasoEleccion();
    // The current box's answer, taken once (-1 for none).
    int TomaRespuesta();
    void Termina();
    void Adjunta(CMenuObj* p);
    void Suelta(CMenuObj* p);
    // The safe save when the screen goes: a modified current profile with
    // a name is written.
    void GuardaAlSalir();

    std::string m_sNombre;
};
