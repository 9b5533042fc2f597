// The text box: a literal or a text code of the text tables rendered into a
// text sprite the size of the box, with a font, text flags, two scales and a
// colour that can be changed later. Kind name "CUADRETEXT".
//
// The sprite is made once, at creation, with the rectangle's size of that
// moment. A box made with neither a literal nor a code never gets a sprite:
// later texts are stored but not shown.
#pragma once
#include "engine/ui/MenuObj.h"

#include <cstdint>

// The text sprites of the widgets that show a caption or a typed line: made
// empty at a given size (not rendered until their resources are loaded),
// given a literal or a code, marked in use with their owner's resources and
// drawn with their top-left corner at the owner's. Every helper does nothing
// without a sprite or without the graphics system.
namespace texto_widget {
// An empty text sprite of that font, scales and size; null when it cannot be
// made. bCargaAra renders it at once (its owner's resources are loaded).
Sprite* Crea(int iFuente, float fEscalaX, float fEscalaY, float fAncho, float fAlto, bool bCargaAra);
// Shows the literal when there is one, else the code, with these flags and
// scales (nothing when both are missing).
void Muestra(Sprite* pSprite, const char* szLiteral, int iCodigo, int iFlags, float fEscalaX, float fEscalaY);
void Marca(Sprite* pSprite, bool bEnUso);
void Libera(Sprite*& pSprite);
void Dibuja(Sprite* pDestino, Sprite* pSprite, const Rectangulo& r);
// A widget's own drawing and resource steps around its text sprite: the base
// object is drawn first and the sprite over it; the sprite is marked in use
// before the base loads its resources and unmarked before it releases them.
void DibujaObjeto(CMenuObj& obj, Sprite* pSprite, CMenuObj* pHastaHijo, Sprite* pDestino);
void CargaRecursos(CMenuObj& obj, Sprite* pSprite);
void DescargaRecursos(CMenuObj& obj, Sprite* pSprite);
} // namespace texto_widget

class CCuadreText : public CMenuObj {
public:
    static constexpr const char* kTipo = "CUADRETEXT";
    // The default names of the two initialisers, each spelled as it gives it.
    static constexpr const char* kNombreTexto = "GEN_QuadreText";
    static constexpr const char* kNombreIdTexto = "GEN_CuadreText";

    CCuadreText() = default;
    ~CCuadreText() override;

    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;

    // A box showing a literal (copied; null for none).
    bool IniciaConTexto(float x, float y, float ancho, float alto, int estilo, int fuente, const char* texto,
                        int formato, float escalaX, float escalaY);
    // A box showing the text of a code in the current language.
    bool IniciaConIdTexto(float x, float y, float ancho, float alto, int estilo, int fuente, int idTexto,
                          int formato, float escalaX, float escalaY);

    // The old literal is freed; a given text is copied and shown with these
    // flags and scales; null only drops the literal.
    void PonTexto(const char* texto, int formato, float escalaX, float escalaY);
    // Drops the literal and shows the code.
    void PonIdTexto(int idTexto, int formato, float escalaX, float escalaY);
    // New colour (alpha kept) and new alpha, on all four corners.
    void PonColor(uint8_t r, uint8_t g, uint8_t b);
    void PonAlfa(uint8_t a);

    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    const char* Literal() const { return m_szTexto; }
    int IdTexto() const { return m_iIdTexto; }
    Sprite* SpriteTexto() const { return m_pSprite; }

    bool m_bCreado = false;
    char* m_szTexto = nullptr;
    int32_t m_iFuente = -1;
    Sprite* m_pSprite = nullptr;
    int32_t m_iFormato = 0;
    float m_fEscalaX = 1.0f;
    float m_fEscalaY = 1.0f;
    int32_t m_iIdTexto = -1;
    uint8_t m_ucAlfa = 255;
    uint8_t m_ucRojo = 255;
    uint8_t m_ucVerde = 255;
    uint8_t m_ucAzul = 255;

private:
    void InicializaCampos();
    void Libera();
    bool IniciaComun(float x, float y, float ancho, float alto, int estilo, int fuente, const char* nombre,
                     int formato, float escalaX, float escalaY);
    void CreaTextura();
    void Muestra();
    void AplicaColor();
};
