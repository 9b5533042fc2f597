// The game's modal dialog: a big or small frame in the middle of the field
// over a dark backdrop, a text (literal or by code) that can shrink to fit,
// up to ten game buttons stacked under it and linked in a ring, an optional
// input line and an optional hint line under the frame. The box slides in
// and out in 15 steps and never closes itself: its owner attaches it,
// learns the answer from the EVENTO_RESPUESTA_MENSAJE it sends up or by
// reading m_iResultado each step (-1 until a button answers, cleared
// whenever the box gains or loses the focus), and removes it.
#pragma once
#include "engine/ui/MenuObj.h"
#include "engine/ui/MessageBox.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <cstdint>

class CBotonTazmo;
class CCuadreText;
class CInputText;
class CTransTiempo;

class CMsgBoxTazmo : public CMenuObj {
public:
    static constexpr int kMaxBotones = 10;
    enum {
        AJUSTA_TEXTO = 1,  // shrink the text to fit
        TEXTO_SIMPLE = 2,  // text flags 64 instead of 73
        CON_ENTRADA = 4,   // add the input line
        SIN_FONDO = 8,     // no dark backdrop
        // The focus starts on the cancel button rather than the first: Return
        // gives the safe answer where the action cannot be undone.
        CANCELAR_POR_DEFECTO = 16,
    };
    static constexpr int kFormatoTexto = 73;
    static constexpr int kFormatoTextoSimple = 64;
    static constexpr int kFuente = 1;
    static constexpr float kAltoMarco = 450.0f;
    // The widths the text wraps at. The big frame's ornamented border ends
    // at x 55 and 965 inside: its text, centred, keeps some 70 points clear
    // of it on each side; the small frame's text keeps some 45 points clear
    // of its border.
    static constexpr float kAnchoTextoGrande = 770.0f, kAnchoTextoPequeno = 400.0f;
    static constexpr int kAltoBoton = 64;
    static constexpr int kAltoEntrada = 79;

    CMsgBoxTazmo() = default;
    ~CMsgBoxTazmo() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsModal() override { return true; }
    bool UsaTransicion() override { return true; }
    bool EnTransicion() override { return m_marco.desliza.EnCurso(); }
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void EnfocaHijo(CMenuObj* pHijo) override;
    // The pointer moves the focus among the buttons and the input line only:
    // over the text it leaves the focus where it was, so Return still
    // answers with the focused button.
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion) override;
    void IniciaTransicion(bool bEntrada) override;

    // szTexto wins over iCodigoTexto (0: no code). False, with nothing
    // built, for a negative count, buttons without descriptors, an input
    // line without a button to answer with, or no text at all.
    bool Inicia(bool bGrande, const char* szTexto, int iCodigoTexto, int nBotones, const BotonMensaje* pBotones,
                int iFlags, int iId, const char* szNombre);
    // The input line's text, "" without one.
    const char* TextoEntrada() const;
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    // The fit of a text of height K (lines times line height at scale 1)
    // into the frame, in tenths of scale: the first scale s from 1.0 down by
    // 0.1 whose height h = K(s) s satisfies h s <= 450, where K(s) is the
    // height of the text wrapped at width / s; 1.0 and no fit when none does.
    struct Ajuste {
        float fEscala = 1.0f;
        float fAlto = 0.0f; // h, when it fits
        bool bCabe = false;
    };
    template <class AltoEnvuelto>
    static Ajuste CalculaAjuste(AltoEnvuelto altoEnvuelto, float fAnchoTexto)
    {
        for (int iDecimas = 10; iDecimas >= 1; --iDecimas) {
            const float s = static_cast<float>(iDecimas) / 10.0f;
            const float h = altoEnvuelto(fAnchoTexto / s) * s;
            if (h * s <= kAltoMarco) return {s, h, true};
        }
        return {};
    }

    bool m_bCreado = false;
    tazmo::MarcoCaja m_marco;
    CCuadreText* m_pTexto = nullptr;
    CCuadreText* m_pAyuda = nullptr;
    CInputText* m_pEntrada = nullptr;
    CBotonTazmo* m_apBotones[kMaxBotones] = {};
    int32_t m_aiAyuda[kMaxBotones] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    float m_fCajaX = 0.0f, m_fCajaY = 0.0f, m_fCajaAncho = 0.0f, m_fCajaAlto = 0.0f;
    int32_t m_iResultado = -1;
    int32_t m_iRespuestaEntrada = -1;
    // The button that takes the focus when the box gets it (without an
    // input line).
    int32_t m_iBotonInicial = 0;
    CTransTiempo* m_pRetardo = nullptr;
    int32_t m_iFormatoTexto = kFormatoTexto;

private:
    void InicializaCampos();
    void Libera();
    bool Construye(bool bGrande, const char* szTexto, int nBotones, const BotonMensaje* pBotones, int iFlags);
};
