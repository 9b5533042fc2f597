// The engine's modal dialog: a text in a framed box centred in the field over
// a tinted veil that covers the whole screen, up to ten buttons stacked under
// the text and linked in a ring, an optional input line and an optional hint
// line under the box that shows the focused button's help text. It opens and
// closes at once. Kind name "MESSAGE_BOX".
//
// Answer protocol: a button press, or Enter in the input line, stores the
// answering button's index in m_iRespuesta and sends EVENTO_RESPUESTA_MENSAJE
// with it up the tree. The answer is -1 until a button answers; an owner that
// polls it sets it back to -1 after reading it, and every PonEnfocado of the
// box clears it.
#pragma once
#include "engine/ui/MenuObj.h"

#include <cstdint>

class CButo;
class CCuadreText;
class CInputText;

// One button of a message box.
struct BotonMensaje {
    int32_t idTexto = -1;      // caption text code, -1 none
    int32_t idTextoAyuda = -1; // help text shown while it has the focus, -1 none
    bool bCancelar = false;    // pressed by Escape, the right button, controller button 2
    bool bRespuestaEntrada = false; // its index answers Enter typed in the input line
};

// What the message boxes share, the engine's and the game's own.
namespace mensaje {

// Links n buttons in a ring, up to the previous and down to the next,
// wrapping round; an input line, when there is one, sits in the ring
// between the last button and the first.
template <class B>
void EnlazaAnillo(B* const* apBotones, int n, CMenuObj* pEntrada)
{
    if (n <= 0) return;
    for (int i = 0; i < n; ++i) {
        apBotones[i]->PonArriba(apBotones[(i + n - 1) % n]);
        apBotones[i]->PonAbajo(apBotones[(i + 1) % n]);
    }
    if (!pEntrada) return;
    pEntrada->PonAbajo(apBotones[0]);
    pEntrada->PonArriba(apBotones[n - 1]);
    apBotones[0]->PonArriba(pEntrada);
    apBotones[n - 1]->PonAbajo(pEntrada);
}

// Whether any of the n buttons has a hint.
bool TieneAyudas(const int32_t* aiAyuda, int n);

// Button i of a box's description, made: attached to the box (pCaja), with
// what it answers kept: the box's cancel, the input line's answer
// (*piRespuestaEntrada) and its hint (aiAyuda[i]).
void AnadeBoton(CMenuObj* pCaja, CMenuObj* pBoton, const BotonMensaje& boton, int i, int32_t* piRespuestaEntrada,
                int32_t* aiAyuda);

// The hint line across the field below a box whose bottom is at y, in the
// font and the hints' scale, attached to the box when any of its n buttons
// has a hint (*ppAyuda stays null when none has); false when it cannot be
// made.
constexpr float kEscalaAyuda = 0.8f;
bool CreaAyuda(CMenuObj* pCaja, const int32_t* aiAyuda, int n, float y, int iFuente, CCuadreText** ppAyuda);

// The hint line follows the focus: the hint of the button that takes it,
// or nothing for a button without one (another child leaves it as it is).
void SigueAyuda(CCuadreText* pAyuda, CMenuObj* const* apBotones, const int32_t* aiAyuda, int n, CMenuObj* pHijo,
                int iFormato, float fEscala);

// A box's answer to an event of one of its children: the sender's id for a
// press, the input line's answer for Enter typed in it; false (no answer)
// for any other kind.
bool Respuesta(int iTipo, int iIdEmisor, int iRespuestaEntrada, int* piRespuesta);

} // namespace mensaje

class CMessageBox : public CMenuObj {
public:
    static constexpr const char* kTipo = "MESSAGE_BOX";
    static constexpr int kMaxBotones = 10;
    // Creation flags.
    static constexpr int FLAG_AJUSTA_TEXTO = 1;  // shrink the text until it fits
    static constexpr int FLAG_TEXTO_SIMPLE = 2;  // text flags 64 instead of 73
    static constexpr int FLAG_ENTRADA = 4;       // add the input line
    static constexpr int kFlagsTexto = 73;       // word-wrap, centred both ways
    static constexpr int kFlagsTextoSimple = 64; // word-wrap only

    CMessageBox() = default;
    ~CMessageBox() override;

    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsModal() override { return true; }
    bool EnTransicion() override { return false; }
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void EnfocaHijo(CMenuObj* pHijo) override;
    void IniciaTransicion(bool) override {}

    // ancho and alto are the text's area; pColorVelo points to the veil's
    // alpha, red, green and blue, or is null for the default.
    bool Inicia(const char* texto, float ancho, float alto, int nBotones, const BotonMensaje* pBotones, int fuente,
                int flags, int id, const char* nombre, const uint8_t* pColorVelo);
    // Inicia with the text of a code in the current language.
    bool IniciaConIdTexto(int idTexto, float ancho, float alto, int nBotones, const BotonMensaje* pBotones,
                          int fuente, int flags, int id, const char* nombre, const uint8_t* pColorVelo);
    // The input line's text, or "" without one.
    const char* TextoEntrada() const;

    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    bool m_bCreado = false;
    CSPM* m_pVelo = nullptr;
    CCuadreText* m_pTexto = nullptr;
    CCuadreText* m_pPanel = nullptr;
    CCuadreText* m_pAyuda = nullptr;
    CInputText* m_pEntrada = nullptr;
    CButo* m_apBotones[kMaxBotones] = {};
    int32_t m_aiAyuda[kMaxBotones] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int32_t m_iRespuesta = -1;
    float m_fCajaX = -1.0f;
    float m_fCajaY = -1.0f;
    float m_fCajaAlto = -1.0f;
    float m_fCajaAncho = -1.0f;
    int32_t m_iRespuestaEntrada = -1;
    int32_t m_iFlagsTexto = kFlagsTexto;

private:
    void InicializaCampos();
    void Libera();
    bool Construye(const char* texto, float ancho, float alto, int nBotones, const BotonMensaje* pBotones,
                   int fuente, int flags);
    void CreaVelo(const uint8_t* pColorVelo);
};
