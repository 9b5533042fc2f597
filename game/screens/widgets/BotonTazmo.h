// The game's text button: a frame from the buttons' package in one of four
// widths and two heights, a caption by text code, a glow that grows with the
// focus, a 15-step slide in and out with its screen, hover hints, and a press
// animation after which the press event goes up (input is blocked
// meanwhile). Its object name is a marker name: at each opening it reads
// from the current profile whether it is locked (black, its locked caption,
// presses do nothing), newly unlocked (fades in from black) or has news
// (sparks; a press clears the news).
#pragma once
#include "engine/ui/Buto.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include "engine/core/Temporizador.h"

#include <cstdint>

class CBotonTazmo : public CButo {
public:
    // Size and look flags.
    enum {
        SIN_MARCO = 0x01,    // caption and glow only
        ESTRECHO = 0x02,     // 150 wide; frame 2 and glow 3
        BAJO = 0x04,         // 40 high; the focus scale rests at 0.7 and grows to 0.9
        ANCHO = 0x08,        // 600 wide (without ESTRECHO)
        MINIMO = 0x10,       // 50 wide (without the two above); no frame; glow x scale / 12
        SIN_BRILLO = 0x20,   // no glow
        PULSACION_CORTA = 0x40, // a press of 5 steps, half a sine
        AYUDA_SIN_FOCO = 0x80,  // the locked hint shows under the pointer without focus
    };
    static constexpr int kPasosPulsacion = 30;
    static constexpr int kPasosPulsacionCorta = 5;
    static constexpr int kPasosDesbloqueo = 90;
    static constexpr float kPasoFaseBrillo = 0.069813155f; // 4 degrees

    CBotonTazmo() = default;
    ~CBotonTazmo() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void Pulsa(int iOrigen) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool UsaTransicion() override { return true; }
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion) override;
    bool EnTransicion() override { return m_desliza.EnCurso(); }
    bool EntradaBloqueada() override { return m_bPulsando; }
    void IniciaTransicion(bool bEntrada) override;
    // Flash, no codes, then the literal.
    void PonTexto(const char* texto) override;
    // The caption by code, rendered small enough to fit inside the frame.
    void PonIdTexto(int idTexto) override;

    // (fX, fY) is the centre of the top band: the rectangle is
    // (fX - w/2, fY - 30, w, h). Codes are -1 for none.
    bool Inicia(const char* szSonidoFoco, const char* szSonidoPulsar, float fX, float fY, int iCodigoTexto,
                int iCodigoTextoBloqueado, int iCodigoAyudaBloqueado, int iCodigoAyuda, int iFlags, int iId,
                const char* szNombre);
    // Moves the rectangle so that its size is centred on (x, y).
    void ColocaEnCentro(float x, float y);
    // Both captions; shows the one of the present state, with a flash.
    void CambiaTextos(int iCodigoTextoBloqueado, int iCodigoTexto);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    // The size a flag word gives.
    static float AnchoDeFlags(int iFlags);
    static float AltoDeFlags(int iFlags);
    // The press animation's extra scale at progress f (0..1).
    static float Pulso(float f, int iFlags);
    // The scale, at most `fEscala`, at which a caption `fAncho` wide at
    // scale 1 keeps inside `fAnchoUtil` (a frame's width less its ends).
    static float EscalaQueCabe(float fEscala, float fAncho, float fAnchoUtil);
    // The room a frame of this width leaves its caption between its ends.
    static float AnchoUtil(float fAnchoMarco);

    bool Bloqueado() const { return m_bBloqueado; }
    bool RecienDesbloqueado() const { return m_bRecienDesbloqueado; }
    bool TieneNovedades() const { return m_bNovedades; }
    bool Pulsando() const { return m_bPulsando; }
    bool Abierto() const { return m_bAbierto; }
    int CodigoMostrado() const { return m_iIdTexto; }
    const tazmo::Deslizamiento& Desliza() const { return m_desliza; }

    float EscalaCaption(int idTexto) const;

    bool m_bCreado = false;
    CSPM* m_pSPM = nullptr;
    int32_t m_iFlags = 0;
    float m_fEscalaFoco = 1.0f;
    float m_fFaseBrillo = 0.0f;
    int32_t m_iAlfaBrillo = 0;
    float m_fDestello = 0.0f; // the caption's flash after a change
    float m_fAnchoTexto = 0.0f; // the caption's width as rendered
    tazmo::Deslizamiento m_desliza;
    bool m_bSonidoFocoTocado = false;
    CTemporizador m_tPulsacion;
    CTemporizador m_tDesbloqueo;
    bool m_bBloqueado = false;
    bool m_bRecienDesbloqueado = false;
    bool m_bNovedades = false;
    bool m_bPulsando = false;
    int32_t m_iSonidoFoco = -1;
    int32_t m_iSonidoPulsar = -1;
    int32_t m_iCodigoTextoBloqueado = -1;
    int32_t m_iCodigoTexto = -1;
    int32_t m_iCodigoAyudaBloqueado = -1;
    int32_t m_iCodigoAyuda = -1;
    bool m_bSobre = false;   // pointer inside, focused and not locked
    bool m_bDentro = false;  // pointer inside the rectangle
    bool m_bAbierto = false; // between opening and closing

private:
    void InicializaCampos();
    void Libera();
    float EscalaFocoReposo() const;
    float EscalaFocoMaxima() const;
    void PideAyuda();
    void CentroRect(float* px, float* py) const;
};
