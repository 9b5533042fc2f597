// The engine's own settings, kept in Preferencias.PRF in the per-user folder:
// ten control bindings, the language, display flags, two volumes and the
// brightness. Read at start-up (a missing file gives the defaults), written
// whenever a screen changes a setting, never at shutdown.
#pragma once
#include <cstdint>
#include <string>

struct FitxerComandes;

enum {
    CONTROL_RATON = 0, // mouse button
    CONTROL_TECLA = 1, // key
    CONTROL_EJE = 2,   // controller axis
    CONTROL_BOTON = 3, // controller button
};

// FLAGS bits.
enum {
    PREF_FILTRADO_BILINEAL = 0x01,
    PREF_PANTALLA_COMPLETA = 0x02,
};

constexpr int kNumControles = 10;

// One control binding.
struct AsignacionControl {
    // Limits of what a binding may hold; the readers of these values index
    // arrays of these sizes.
    static constexpr int kMaxRatones = 4;
    static constexpr int kMaxBotonRaton = 5; // press and release events 0..5
    static constexpr int kNumTeclas = 256;
    static constexpr int kNumEjes = 3;
    static constexpr int kNumBotonesMando = 32;
    static constexpr int kMidaNombre = 100;

    int32_t m_iTipo = CONTROL_RATON;
    // Mouse binding.
    int32_t m_iRaton = 0;
    uint8_t m_cBotonRaton = 0;
    // Key binding: the key code.
    uint16_t m_wTecla = 0;
    // Controller bindings: the controller's instance GUID.
    uint8_t m_aGuid[16] = {};
    // Axis binding: axis 0..2 and direction (its sign: negative, 0, positive).
    int32_t m_iEje = 0;
    int32_t m_iDireccion = 0;
    // Controller button binding: button 0..31.
    int32_t m_iBoton = 0;
    char m_szNombre[kMidaNombre] = {};

    // All-zero binding (a mouse binding of mouse 0, button 0).
    void Limpia();
    static AsignacionControl Tecla(int codigo);
    // True when every value lies in the range its users can take.
    bool EsValida() const;
    // Mouse and key bindings always; controller bindings only while their
    // controller is known and not lost.
    bool EstaDisponible() const;
    // 32 hexadecimal digits into the 16 GUID bytes (byte i from digits 2i and
    // 2i + 1, high nibble first). A null text clears the GUID; any other text
    // that is not exactly 32 hexadecimal digits also clears it and gives false.
    bool LeeGuid(const char* texto);
    std::string TextoGuid() const;
    // Builds the display text into m_szNombre and returns it.
    const char* NombreVisible();
};

class CPreferencias {
public:
    CPreferencias();

    // Reads Preferencias.PRF from the per-user folder; a missing file gives
    // the defaults (not written), a missing or unreadable value its default.
    // A file that does not read whole is kept aside (<file>.bad, .bad1..;
    // with every name taken, over the oldest kept copy): when it cannot be
    // moved, nothing is saved over it. Always true.
    bool Carga();
    // Writes the file; false (and one line on standard error) when it cannot
    // be created or written: the previous file then stays.
    bool Guarda();
    void Limpia();
    void ValoresPorDefecto();

    void CambiaIdioma(int clave) { m_iIdioma = clave; }
    void CambiaPantallaCompleta(bool completa);
    bool PantallaCompleta() const { return (m_iFlags & PREF_PANTALLA_COMPLETA) != 0; }
    void SubeVolumenSonido();
    void BajaVolumenSonido();
    void SubeVolumenMusica();
    void BajaVolumenMusica();
    void AsignaControl(int i, const AsignacionControl& asignacion);

    // One CONTROL record; false when the record is not a usable binding (the
    // binding is then left as it was).
    bool LeeControl(FitxerComandes* f, AsignacionControl* asignacion);
    void EscribeControl(FitxerComandes* f, const AsignacionControl& asignacion);
    void LeeIdioma(FitxerComandes* f);

    // The default binding of slot i (a key).
    static AsignacionControl ControlPorDefecto(int i);
    // Preferencias.PRF in the per-user folder ("" when there is none).
    static std::string RutaFichero();

    uint8_t m_bCargado = 0;
    // Cleared when a damaged file could not be moved aside.
    uint8_t m_bGuardable = 1;
    AsignacionControl m_aControles[kNumControles];
    int32_t m_iIdioma = -1;
    int32_t m_iFlags = 0;
    float m_fVolMusica = 1.0f;
    float m_fVolSonido = 1.0f;
    uint8_t m_cLuminosidad = 255;

private:
    // One record of the file; false when it is not one this file holds, or
    // its values cannot be read whole.
    bool LeeRegistro(FitxerComandes* f, int* control);
    void ApartaDanado(const std::string& real);
    bool Escribe();
};

extern CPreferencias* g_pPreferencias;
