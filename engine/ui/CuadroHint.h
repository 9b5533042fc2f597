// The hint box: the tooltip of the whole game, one object handed to the
// application core, which updates and draws it above everything else each
// step. Screens ask for a text code at every step while the hint should show
// (CAplicacion::MuestraHint); the box fades in beside the pointer, follows it
// smoothly, keeps itself inside the field, and fades out a few steps after
// nobody asks any more. A new text waits for the old one to fade out.
//
// It is part of no object tree: its initialiser leaves the CMenuObj part
// alone, and only Actualiza, Dibuja, CargaRecursos and DescargaRecursos are
// ever called on it.
#pragma once
#include "engine/graphics/Color.h"
#include "engine/ui/MenuObj.h"

class CFont;

class CCuadroHint : public CMenuObj {
public:
    // The asked text stays asked for this many steps.
    static constexpr int kPasosRetencion = 5;
    static constexpr float kPasoFundido = 0.15f;
    // Offset of the box from the pointer.
    static constexpr float kDesplazamientoX = 50.0f;
    static constexpr float kDesplazamientoY = 25.0f;
    // The text area: this wide, at most this high.
    static constexpr float kAnchoTexto = 256.0f;
    static constexpr float kAltoMaximo = 128.0f;
    static constexpr float kAltoDefecto = 64.0f;
    static constexpr float kPasoEscala = 0.1f;
    // Position before the first placement.
    static constexpr float kSinColocar = -101.0f;

    CCuadroHint() = default;
    ~CCuadroHint() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;

    bool Inicia(int iFuente, const ColorARGB* pColorBorde, const ColorARGB* pColorFondo);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    void PideTexto(int idTexto, int iRaton);

    // The scale and box height of a text wrapped in the text area: the
    // largest scale from 1 down by 0.1 that fits; scale 1 and the default
    // height when none does.
    static void CalculaCaja(const CFont* pFont, const char* szTexto, float* pfEscala, float* pfAlto);

    float X() const { return m_fX; }
    float Y() const { return m_fY; }
    float Fundido() const { return m_fFundido; }
    int CodigoMostrado() const { return m_iCodigoMostrado; }
    Sprite* SpriteTexto() const { return m_pTexto; }

    bool m_bCreado = false;
    Sprite* m_pTexto = nullptr;   // the rendered hint text, null when none
    int32_t m_iRetencion = 0;     // steps the asked text stays asked
    float m_fFundido = 0.0f;      // 0 invisible .. 1 opaque
    int32_t m_iCodigoMostrado = -1;
    int32_t m_iCodigoPedido = -1;
    float m_fX = kSinColocar, m_fY = kSinColocar;             // smoothed top-left
    float m_fXObjetivo = kSinColocar, m_fYObjetivo = kSinColocar;
    int32_t m_iRaton = 0;
    int32_t m_iFuente = 0;
    ColorARGB m_colorBorde;
    ColorARGB m_colorFondo;

private:
    void Libera();
    // Rebuilds the text sprite for the shown code.
    void CreaTextura();
    // Where the box goes for a pointer at (px, py).
    void ColocaJuntoA(float px, float py);
};
