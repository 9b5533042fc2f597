// The game's picture button: one frame of a sprite package that flies from
// a start to an end point while its screen opens (15 steps) and back while
// it closes, with a round or rectangular hit area, a glow that pulses, a
// press animation after which the press event goes up, a hint, and the
// locked, newly unlocked and news states of its marker name. A newly
// unlocked icon fades in from black once: opening it takes the name out of
// the profile's newly-unlocked list.
#pragma once
#include "engine/core/Temporizador.h"
#include "engine/ui/Buto.h"

#include <cstdint>

class CBotonIconoTazmo : public CButo {
public:
    enum {
        PULSACION_CORTA = 0x01, // a press of 5 steps, half a sine
        NUNCA_TOCADO = 0x02,    // never hit
        SIN_CRECER = 0x04,      // no growth with the focus
        AYUDA_SIN_FOCO = 0x08,  // the hint shows under the pointer without focus
    };
    static constexpr int kPasosPulso = 30;
    static constexpr int kPasosVuelo = 15;
    static constexpr int kPasosDesbloqueo = 90;
    static constexpr int kPasosFoco = 10;
    static constexpr int kPasosPulsacion = 30;
    static constexpr int kPasosPulsacionCorta = 5;

    CBotonIconoTazmo() = default;
    ~CBotonIconoTazmo() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void Pulsa(int iOrigen) override;
    bool Contiene(float x, float y) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool UsaTransicion() override { return true; }
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion) override;
    bool EntradaBloqueada() override { return m_bPulsando; }
    void IniciaTransicion(bool bEntrada) override;

    // szSPM may be null (nothing is drawn). The hit area has radii
    // (fRadioX, fRadioY) times fEscala around the flying point.
    bool Inicia(const char* szSPM, int iFrame, const char* szSonidoFoco, const char* szSonidoPulsar, float fXInicio,
                float fYInicio, float fXFin, float fYFin, bool bRectangular, float fRadioX, float fRadioY,
                float fEscala, int iCodigoAyuda, int iFlags, int iId, const char* szNombre);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    // Whether (px, py) hits an area of radii (rx, ry) around (x, y).
    static bool Toca(float px, float py, float x, float y, float rx, float ry, bool bRectangular);
    // The flying point at flight progress p.
    void Posicion(float p, float* px, float* py) const;

    bool Bloqueado() const { return m_bBloqueado; }
    bool RecienDesbloqueado() const { return m_bRecienDesbloqueado; }
    bool TieneNovedades() const { return m_bNovedades; }
    bool Pulsando() const { return m_bPulsando; }

    bool m_bCreado = false;
    CSPM* m_pSPM = nullptr;
    CSPM* m_pSPMPaneles = nullptr;
    int32_t m_iFrame = 0;
    int32_t m_iCodigoAyuda = -1;
    int32_t m_iFlags = 0;
    float m_fXInicio = 0.0f, m_fYInicio = 0.0f;
    float m_fXFin = 0.0f, m_fYFin = 0.0f;
    bool m_bRectangular = true;
    float m_fRadioX = 0.0f, m_fRadioY = 0.0f;
    float m_fEscala = 1.0f;
    CTemporizador m_tPulso;
    CTemporizador m_tVuelo;
    CTemporizador m_tDesbloqueo;
    CTemporizador m_tFoco;
    CTemporizador m_tPulsacion;
    int32_t m_iSonidoFoco = -1;
    int32_t m_iSonidoPulsar = -1;
    bool m_bSobre = false;
    bool m_bDentro = false;
    bool m_bBloqueado = false;
    bool m_bRecienDesbloqueado = false;
    bool m_bNovedades = false;
    bool m_bPulsando = false;

private:
    void InicializaCampos();
    void Libera();
    void Coloca();
    float RadioX() const { return m_fRadioX * m_fEscala; }
    float RadioY() const { return m_fRadioY * m_fEscala; }
};
