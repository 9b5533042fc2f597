// The model viewer: a mesh or a piece-animated sprite in a grey canvas with a
// depth buffer, seen by a camera that four scroll bars orbit (X: yaw), tilt
// (Y: pitch), roll (Z) and move in and out (zoom: the distance). It can turn
// on its own, pausing for a while after the player moves the X bar. Kind name
// "IMAGEN_3D_ROTABLE".
//
// Layout with thickness g: the canvas (ancho by alto) at (x + g, y + g), the
// Z bar above it, the X bar below, the Y bar at its right, the zoom bar at
// its left. Flags: 1 the X bar, 2 the Y and Z bars, 4 the zoom bar, 8 the
// automatic turn. The bars start where the view stands.
#pragma once
#include "engine/ui/MenuObj.h"

class CScrollBar;
class CSprite3D;
struct Malla3D;

class CImagen3DRotable : public CMenuObj {
public:
    static constexpr const char* kTipo = "IMAGEN_3D_ROTABLE";
    static constexpr int FLAG_BARRA_X = 1;
    static constexpr int FLAG_BARRAS_YZ = 2;
    static constexpr int FLAG_BARRA_ZOOM = 4;
    static constexpr int FLAG_GIRA = 8;
    static constexpr float kVelocidadGiro = 0.03141592f; // radians per step
    static constexpr int kPausaGiro = 125;               // steps after the X bar moves
    static constexpr float kRangoBarras = 1000.0f;
    static constexpr const char* kNombreBarraX = "IMG3D_ScrollBarX";
    static constexpr const char* kNombreBarraY = "IMG3D_ScrollBarY";
    static constexpr const char* kNombreBarraZ = "IMG3D_ScrollBarZ";
    static constexpr const char* kNombreBarraZoom = "IMG3D_ScrollBarZoom";

    CImagen3DRotable() = default;
    ~CImagen3DRotable() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    virtual bool Inicia(float x, float y, float ancho, float alto, float grosor, int estilo, int estiloBotones,
                        int estiloBarras, int flags, int id, const char* nombre);
    virtual void LiberaSiCreado();
    virtual bool EstaCreado() { return m_bCreado; }
    // A copy of the model (the previous one goes), drawn at that scale.
    virtual void PonMalla(const Malla3D* pMalla, float fEscala);
    virtual void PonSprite3D(const CSprite3D* pSprite, float fEscala);
    virtual void PonMinimoY(float f);
    virtual void PonMaximoY(float f);
    virtual void PonMinimoZ(float f);
    virtual void PonMaximoZ(float f);
    virtual void PonMinimoZoom(float f);
    virtual void PonMaximoZoom(float f);

    bool m_bCreado = false;
    Sprite* m_pLienzo = nullptr;
    Malla3D* m_pMalla = nullptr;
    CSprite3D* m_pSprite3D = nullptr;
    float m_fEscala = 1.0f;
    CScrollBar* m_pBarraX = nullptr;
    CScrollBar* m_pBarraY = nullptr;
    CScrollBar* m_pBarraZ = nullptr;
    CScrollBar* m_pBarraZoom = nullptr;
    float m_fLienzoX = 0.0f;
    float m_fLienzoY = 0.0f;
    float m_fDistancia = 0.0f;
    float m_fDistanciaMin = 1.0f;
    float m_fDistanciaMax = 100.0f;
    float m_fYaw = 0.0f;
    float m_fPitch = 0.0f;
    float m_fPitchMin = 0.0f;
    float m_fPitchMax = 0.0f;
    float m_fRoll = 0.0f;
    float m_fRollMin = 0.0f;
    float m_fRollMax = 0.0f;
    float m_fVelocidadGiro = 0.0f;
    int32_t m_iPausaGiro = 0;

private:
    void InicializaCampos();
    void Libera();
    void LiberaModelo();
    void MarcaModelo(bool bEnUso);
    // Puts the bars where the view stands.
    void SituaBarras();
};
