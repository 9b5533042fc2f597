// The graphic panel: one picture at a point, either the running animation of
// a sprite package or a sprite on an image file. With a frame count it is a
// sliding picture: when its parent opens it slides in from an away point to
// its resting point, and when the parent closes it slides back out. It never
// takes the focus or the pointer.
#pragma once
#include "engine/ui/MenuObj.h"

class CQuadreGrafic : public CMenuObj {
public:
    static constexpr const char* kTipo = "QUADRE_GRAFIC";
    static constexpr const char* kNombre = "GEN_QuadreGrafic";

    CQuadreGrafic() = default;
    ~CQuadreGrafic() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    bool Contiene(float x, float y) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EnTransicion() override;
    void IniciaTransicion(bool bEntrada) override;

    // The package at szRuta, animation 0, not sliding.
    bool IniciaSPM(float x, float y, const char* szRuta);
    // A sprite on the whole image file (bOpaco: the image's opacity key),
    // not sliding.
    bool IniciaImagen(float x, float y, const char* szFichero, bool bOpaco);
    // A sliding image: from (xFuera, yFuera) to (x, y) over nFrames steps.
    // bEspera: the slide holds the parent's transition.
    bool IniciaImagenMovil(bool bEspera, float xFuera, float yFuera, float x, float y, int nFrames,
                           const char* szFichero, bool bOpaco);
    // A sliding package with animation iAnimacion started.
    bool IniciaSPMMovil(bool bEspera, float xFuera, float yFuera, float x, float y, int nFrames, const char* szRuta,
                        int iAnimacion);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    // The point the picture is drawn at in this step.
    void PuntoDibujo(float* px, float* py) const;
    int Contador() const { return m_iContador; }
    int Frames() const { return m_iFrames; }

    bool m_bCreado = false;
    CSPM* m_pSPM = nullptr;        // own copy of a package, or null
    Sprite* m_pImagen = nullptr;   // sprite on an image file, or null
    float m_fXFuera = -1.0f, m_fYFuera = -1.0f;
    float m_fX = -1.0f, m_fY = -1.0f;
    int32_t m_iFrames = -1;        // slide length; -1 for a picture that does not slide
    int32_t m_iContador = -1;      // -1 at rest, else the step of the slide (frames: away)
    int32_t m_iAnimacion = 0;
    bool m_bEspera = false;        // the slide counts as a transition of the parent
    int32_t m_iPaso = -1;          // -1 sliding in, +1 sliding out

private:
    void InicializaCampos();
    void Libera();
    // The common part of the four initialisers: the base and the fields.
    bool IniciaBase(float x, float y);
    bool CreaPaquete(const char* szRuta, int iAnimacion);
    bool CreaImagen(const char* szFichero, bool bOpaco);
    void PonMovimiento(bool bEspera, float xFuera, float yFuera, int nFrames);
    // The end of the moving initialisers: everything released when the build
    // failed, else the slide set and the object created.
    bool TerminaInicio(bool bHecho, bool bEspera, float xFuera, float yFuera, int nFrames);
};
