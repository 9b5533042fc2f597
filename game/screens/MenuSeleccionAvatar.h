// The avatar chooser: a panel over the screen that attaches it, with the
// portraits of nine characters. Each press picks one character for the
// level about to be played: it is written into the current level's
// character record, its portrait turns grey and its button goes. When the
// number of picks the opener asked for has been made, the panel tells its
// parent (an event of kind 21) and closes; back closes it at any time. Every
// opening starts afresh with all nine characters.
#pragma once
#include "engine/ui/MenuObj.h"

#include <cstdint>

class CBotonTazmo;
class CSPM;

// The event the chooser sends its parent when the picks are complete
// (value 0, no text).
constexpr int EVENTO_AVATARES_ELEGIDOS = 21;

class CMenuSeleccionAvatar : public CMenuObj {
public:
    static constexpr int kNumPersonajes = 9;
    enum { ID_VOLVER = 0, ID_PRIMER_PERSONAJE = 1 };
    static constexpr int kPasosApertura = 15;

    CMenuSeleccionAvatar() = default;
    ~CMenuSeleccionAvatar() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsModal() override { return true; }
    bool UsaTransicion() override { return true; }
    bool EnTransicion() override { return m_iContador != 0; }
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void IniciaTransicion(bool bEntrada) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    // How many picks complete the choice: set by the opener before it
    // attaches the panel, always within 1..9.
    void PonEleccionesPedidas(int n);
    static int LimitaElecciones(int n);

    // Button i shows portrait i of the portraits package (laid out in the
    // order of the level files' character keys), writes the character of key
    // i and is captioned with that character's name: -1 outside 0..8.
    static int PersonajeDeBoton(int i);
    static int CodigoNombre(int i);

    bool m_bCreado = false;
    CSPM* m_pSPMFondo = nullptr;
    CSPM* m_pSPMMarco = nullptr;
    CSPM* m_pSPMRetratos = nullptr;
    CBotonTazmo* m_apBotones[kNumPersonajes] = {};
    CBotonTazmo* m_pBotonVolver = nullptr;
    bool m_abElegido[kNumPersonajes] = {};
    int m_iEleccionesPedidas = 1;
    int m_iEleccionesHechas = 0;
    int m_iContador = 0;
    uint8_t m_ucAlfa = 0;
    float m_fZoom = 1.0f;
    float m_fFondoY = 384.0f;

private:
    void InicializaCampos();
    void LiberaPropios();
    bool Construye();
    void Elige(int i);
    void Reinicia();
};
