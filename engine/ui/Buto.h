// The engine's push button: a CMenuObj whose frame and look come from its
// style, with an optional caption rendered as a text sprite the size of the
// button, from a literal text or from a text code of the text tables (a
// literal wins). Pressing it by mouse, Enter or controller button 0 sends
// EVENTO_PULSADO to its parent; a button that is not visible ignores presses
// entirely. Kind name "BUTO".
//
// The caption sprite is made once, with the button's size at that moment:
// enlarging the button later leaves the caption's box as it was.
#pragma once
#include "engine/ui/MenuObj.h"

#include <cstdint>

class CButo : public CMenuObj {
public:
    static constexpr const char* kTipo = "BUTO";
    static constexpr const char* kVersionParametros = "CBUTO_PAR_V0001";

    CButo() = default;
    ~CButo() override;

    bool LeeParametros(FitxerComandes* f) override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void Pulsa(int iOrigen) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void EscribeParametros(FitxerComandes* f) override;
    // Drops the literal, stores the code and updates the caption (-1: none).
    virtual void PonIdTexto(int idTexto);
    // Drops the literal; with a text, shows a copy of it from then on.
    virtual void PonTexto(const char* texto);

    // A button without caption.
    bool Inicia(float x, float y, float ancho, float alto, int estilo, int id, const char* nombre);
    // A literal caption (copied; null for none).
    bool IniciaConTexto(float x, float y, float ancho, float alto, int estilo, int fuente, const char* texto,
                        float escala, int formato, int id, const char* nombre);
    // A caption from a text code.
    bool IniciaConIdTexto(float x, float y, float ancho, float alto, int estilo, int fuente, int idTexto,
                          float escala, int formato, int id, const char* nombre);

    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    bool m_bCreado = false;
    int32_t m_iIdTexto = -1;
    int32_t m_iFuente = -1;
    Sprite* m_pTexto = nullptr;
    char* m_szTexto = nullptr;
    float m_fEscala = 1.0f;
    int32_t m_iFormato = 0;

private:
    void InicializaCampos();
    void Libera();
    bool IniciaBase(float x, float y, float ancho, float alto, int estilo, int id, const char* nombre);
    void CreaTextoBoton();
};
