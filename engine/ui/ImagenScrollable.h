// The picture viewer: a picture or a package animation shown in a grey
// canvas that two scroll bars pan (a third, the zoom bar, moves but is not
// applied). Kind name "IMAGEN_SCROLLABLE".
//
// Layout with thickness g: the canvas (ancho by alto) at (x + g, y), the X
// bar under it, the Y bar at its right, the zoom bar at its left. Flags 1, 2
// and 4 show the X, Y and zoom bars (the others exist, unseen).
#pragma once
#include "engine/ui/MenuObj.h"

class CScrollBar;

class CImagenScrollable : public CMenuObj {
public:
    static constexpr const char* kTipo = "IMAGEN_SCROLLABLE";
    static constexpr int FLAG_BARRA_X = 1;
    static constexpr int FLAG_BARRA_Y = 2;
    static constexpr int FLAG_BARRA_ZOOM = 4;
    static constexpr const char* kNombreBarraX = "IMG2D_ScrollBarX";
    static constexpr const char* kNombreBarraY = "IMG2D_ScrollBarY";
    static constexpr const char* kNombreBarraZoom = "IMG2D_ScrollBarZoom";

    CImagenScrollable() = default;
    ~CImagenScrollable() override;

    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;

    virtual bool Inicia(float x, float y, float ancho, float alto, float grosor, int estilo, int estiloBotones,
                        int estiloBarras, int flags, int id, const char* nombre);
    virtual void LiberaSiCreado();
    virtual bool EstaCreado() { return m_bCreado; }
    // A copy of the picture (the package goes).
    virtual void PonImagen(const Sprite* pImagen);
    // A copy of the package (the picture goes).
    virtual void PonSPM(const CSPM* pSPM);
    virtual void PonAnimacion(int i);

    // Where the picture's hotspot (or the package) is drawn in the canvas.
    void PuntoDibujo(float* px, float* py) const;

    bool m_bCreado = false;
    Sprite* m_pLienzo = nullptr;
    Sprite* m_pImagen = nullptr;
    CSPM* m_pSPM = nullptr;
    CScrollBar* m_pBarraX = nullptr;
    CScrollBar* m_pBarraY = nullptr;
    CScrollBar* m_pBarraZoom = nullptr;
    float m_fLienzoX = 0.0f;
    float m_fLienzoY = 0.0f;
    float m_fUltimoX = 0.0f;
    float m_fUltimoY = 0.0f;

private:
    void InicializaCampos();
    void Libera();
    void LiberaContenido();
    // The bars' ranges for a content of that size.
    void AjustaBarras(float w, float h);
};
