// The shared look of the menu screens: a background picked at random once
// per Crea, a slowly turning cabalistic circle at a random place and scale
// at each opening, a dark gradient, a top and a bottom bar that slide in and
// out, four title pieces that fly into the corners, a title bar with the
// screen's title and icon, sparkles under the pointer, the screen's music,
// and an opening and closing of 20 steps. A screen builds its own widgets
// after CBaseMenu::Crea and draws its own pictures through six hooks that the
// shared drawing calls at fixed points:
//
//   DibujaAntes, [stop unless SeDibuja], background, circle, gradient, title
//   pieces, lower sparkle layer, DibujaContenido, the children, upper
//   sparkle layer (the sparkles), DibujaSobreHijos, title bar, DibujaEncima.
#pragma once
#include "engine/core/Temporizador.h"
#include "engine/ui/MenuObj.h"

class CQuadreGrafic;

class CBaseMenu : public CMenuObj {
public:
    static constexpr int kNumFondos = 9;
    // The backgrounds in the order of the random pick.
    static const char* const kFondos[kNumFondos];
    // The music channel of the menus.
    static constexpr const char* kCanalMusica = "CANAL_MUSICA_ODL";
    static constexpr int kPasosApertura = 20;
    static constexpr int kPasosGiroCirculo = 900;
    static constexpr int kLongitudMusica = 128;

    CBaseMenu() = default;
    ~CBaseMenu() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsExclusivo() override { return true; }
    bool EsModal() override { return true; }
    bool UsaTransicion() override { return true; }
    bool EnTransicion() override;
    void IniciaTransicion(bool bEntrada) override;

    // ---- The six hooks, after the base's operations ----
    // False skips everything of the draw after DibujaAntes.
    virtual bool SeDibuja() { return true; }
    // Sparkles under the pointer and the two sparkle layers.
    virtual bool TieneDestellos() { return true; }
    virtual void DibujaAntes(Sprite*) {}
    virtual void DibujaContenido(Sprite*) {}
    virtual void DibujaSobreHijos(Sprite*) {}
    virtual void DibujaEncima(Sprite*) {}

    // Called first by every screen's Crea. szSPMTitulo and szSPMIcono may be
    // null; pNoUsado is not read. False, with nothing kept, when a required
    // package or bar fails.
    bool Crea(const char* szNombre, const char* szSPMTitulo, const void* pNoUsado, const char* szRanuraMusica,
              const char* szSPMIcono, bool bFondo, bool bBarraTitulo, bool bPiezasTitulo);
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    // The opening (0 closed .. 1 open), for a screen's own pictures.
    float ProgresoApertura();
    // Plays the screen's music slot on the menus' channel.
    void IniciaMusica();
    // The title bar icon's scale for a picture of that size: 0.85, or less
    // for a picture that would not fit the bar at that scale.
    static float EscalaIcono(float fAncho, float fAlto);
    // Where title piece i (0..3) is at eased progress t.
    static void PosicionPiezaTitulo(float t, int i, float* px, float* py);
    // The circle's place and scale for the random draws of one opening.
    static void PosicionCirculo(float fDistancia, float fAngulo, float* px, float* py);

    int Fondo() const { return m_iFondo; }
    float CirculoX() const { return m_fCirculoX; }
    float CirculoY() const { return m_fCirculoY; }
    float EscalaCirculo() const { return m_fEscalaCirculo; }
    const char* RanuraMusica() const { return m_szRanuraMusica; }

    bool m_bCreado = false;
    CQuadreGrafic* m_pBarraSuperior = nullptr;
    CQuadreGrafic* m_pBarraInferior = nullptr;
    CSPM* m_pSPMFondo = nullptr;
    CSPM* m_pSPMGradiente = nullptr;
    CSPM* m_pSPMPiezasTitulo = nullptr;
    CSPM* m_pSPMIcono = nullptr;
    CSPM* m_pSPMCirculo = nullptr;
    CSPM* m_pSPMTitulo = nullptr;
    CSPM* m_pSPMBarraTitulo = nullptr;
    bool bFondo = false;
    bool bBarraTitulo = false;
    bool bPiezasTitulo = false;
    CTemporizador m_tApertura;
    CTemporizador m_tCirculo;
    float m_fCirculoX = 512.0f, m_fCirculoY = 384.0f;
    float m_fEscalaCirculo = 1.0f;
    char m_szRanuraMusica[kLongitudMusica] = {};
    int m_iFondo = -1;

protected:
    void InicializaCampos();

private:
    void LiberaPartes();
    void EmiteDestellos();
};
