// The scroll bar: a button at each end and a draggable thumb between them
// that choose a real value in a range. The end buttons step the value; the
// thumb sets it from its place along the track. Every change is reported to
// the parent as EVENTO_VALOR_SCROLL with the value truncated to an integer.
// The bar's own kind text is "SCROLL_BAR"; the widget factory does not make
// bars (they are parts of the viewers).
//
// Layout, b being the bar's thickness (its height when horizontal, its width
// when vertical): a b by b button at each end, the track from the start + b
// over the length - 3 b, and a b by b thumb moving along it.
#pragma once
#include "engine/ui/MenuObj.h"

class CButo;
class CArrastrable;

class CScrollBar : public CMenuObj {
public:
    static constexpr const char* kTipo = "SCROLL_BAR";
    // Identifiers and names of the parts.
    static constexpr int kIdAvPag = 0;
    static constexpr int kIdRePag = 1;
    static constexpr int kIdArrastrable = 2;
    static constexpr const char* kNombreAvPag = "SCROLLBAR_BUT_AvPag";
    static constexpr const char* kNombreRePag = "SCROLLBAR_BUT_RePag";
    static constexpr const char* kNombreArrastrable = "SCROLLBAR_BUT_Arrastrable";

    CScrollBar() = default;
    ~CScrollBar() override;

    void PonEnfocado(bool bEnfocado) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    // estilo: the bar's; estiloBotones: the end buttons' and the thumb's.
    bool Inicia(float x, float y, float ancho, float alto, bool bHorizontal, int estilo, int estiloBotones,
                float minimo, float maximo, float paso, int id, const char* nombre);
    // The value goes to the middle of the new range.
    void PonRango(float minimo, float maximo, float paso);
    // Limited to the range.
    void PonValor(float v);
    float Valor() const { return m_fValor; }
    float Minimo() const { return m_fMinimo; }
    float Maximo() const { return m_fMaximo; }
    float InicioPista() const { return m_fInicioPista; }
    float LargoPista() const { return m_fLargoPista; }

    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    bool m_bCreado = false;
    CButo* m_pRePag = nullptr;
    CButo* m_pAvPag = nullptr;
    CArrastrable* m_pArrastrable = nullptr;
    float m_fMinimo = 0.0f;
    float m_fMaximo = 0.0f;
    float m_fPaso = 0.0f;
    float m_fValor = 0.0f;
    bool m_bHorizontal = true;
    float m_fInicioPista = 0.0f;
    float m_fLargoPista = 0.0f;

private:
    void InicializaCampos();
    void Libera();
    // Puts the thumb where the value is.
    void ColocaArrastrable();
    void EnviaValor();
    void GuardaRango(float minimo, float maximo, float paso);
};
