// The one-line text entry: takes the characters the player types while it
// has the focus, filtered by a mode, deletes with Backspace and reports the
// text (EVENTO_TEXTO_ACEPTADO) at the update after Enter was typed; losing or
// taking the focus before then cancels the report. A line that is not
// visible ignores every character. Kind name "INPUT_TEXT".
//
// Modes (characters in the Windows-1252 code page; none adds a space):
//   0 digits; 1 digits and "."; 2 ASCII letters and digits; 3 as 2 plus the
//   accented letters of the game's languages; 4 as 3 plus common signs;
//   any other mode takes nothing, not even Backspace and Enter.
#pragma once
#include "engine/graphics/ElementoTexto.h"
#include "engine/ui/MenuObj.h"

#include <cstdint>

class CInputText : public CMenuObj {
public:
    static constexpr const char* kTipo = "INPUT_TEXT";
    static constexpr char kBorrar = 8;
    static constexpr char kAceptar = 13;

    enum Clase { NADA, ANADIR, BORRAR, ACEPTAR };
    // What a mode does with a character.
    static Clase Clasifica(int iModo, char c);

    CInputText() = default;
    ~CInputText() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool TrataTecla(int iTecla) override;
    bool TrataCaracter(char c) override;

    bool Inicia(float x, float y, float ancho, float alto, int longitudMax, int modo, int fuente, int estilo, int id,
                const char* nombre, float escalaX, float escalaY);
    const char* Texto() const { return m_szTexto ? m_szTexto : ""; }
    // Copies at most the maximum length of characters and shows them; null
    // does nothing.
    void PonTexto(const char* texto);
    // How the line lies in the field (text format flags); by default in the
    // middle of its height from its left.
    void PonFormato(int iFormato);

    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    bool AceptacionPendiente() const { return m_bAceptar; }

    bool m_bCreado = false;
    int32_t m_iLongitudMax = 0;
    Sprite* m_pSprite = nullptr;
    char* m_szTexto = nullptr;
    int32_t m_iLongitud = 0;
    int32_t m_iModo = 0;
    float m_fEscalaX = 1.0f;
    float m_fEscalaY = 1.0f;
    bool m_bAceptar = false;
    int32_t m_iFormato = TEXTO_MEDIO;
    int32_t m_iFuente = -1;

private:
    void InicializaCampos();
    void Libera();
    void Muestra();
    // The line with c added still fits the field's width.
    bool Cabe(char c) const;
};
