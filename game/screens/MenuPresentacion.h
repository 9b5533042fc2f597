// The title screen, the first screen of every run: a keyframed presentation
// of 3000 steps. The publisher's and the maker's marks fade in and out,
// eight captions follow one another at the bottom, the pieces, lines and
// turning ornaments of a large seal come in one by one while the seal grows,
// the game's logo shows in its centre, and the title flashes in with the
// subtitle under it; sparkles drift from the top and bottom all the time
// and burst from the centre once the title is there. A press of the left
// mouse button leaves for the profile screen; keys and controller buttons
// do not. Every opening plays the presentation from its start.
#pragma once
#include "engine/core/Temporizador.h"
#include "engine/ui/MenuObj.h"

class CSPM;

class CMenuPresentacion : public CMenuObj {
public:
    static constexpr int kPasos = 3000;
    static constexpr int kNumLeyendas = 8;
    static constexpr int kCapaDeriva = 53;
    static constexpr int kCapaEstallido = 54;

    CMenuPresentacion() = default;
    ~CMenuPresentacion() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsExclusivo() override { return true; }
    bool UsaTransicion() override { return true; }
    bool EnTransicion() override;
    void IniciaTransicion(bool bEntrada) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    // ---- The timeline (pure) ----
    // The fraction of a window [a, b]: 0 before, 1 after.
    static float Ventana(float t, float a, float b);
    static float EscalaSello(float t);
    // The marks' alphas (0..255) at t; the maker's depends on whether the
    // publisher's is shown.
    static int AlfaDistribuidor(float t);
    static int AlfaEstudio(float t, bool bDistribuidor);
    // The caption shown at t (-1 none) and its strength 0..1.
    struct Leyenda {
        int iIndice;
        float fFuerza;
    };
    static Leyenda LeyendaEn(float t, bool bDistribuidor);
    // The title's white flash (its second pass's alpha) and the subtitle's
    // strength 0..1.
    static int DestelloTitulo(float t);
    static float FuerzaSubtitulo(float t);

    // The timeline's fraction now.
    float Tiempo();
    bool ConDistribuidor() const { return m_pLogoDistribuidor != nullptr; }
    // The presses that left this opening (0 or 1).
    int Salidas() const { return m_iSalidas; }

    bool m_bCreado = false;
    CSPM* m_pFondo = nullptr;
    CSPM* m_pElementos = nullptr;
    CSPM* m_pLogo = nullptr;
    CSPM* m_pTitulo = nullptr;
    CSPM* m_pSubtitulo = nullptr;
    CSPM* m_pLogoEstudio = nullptr;
    CSPM* m_pLogoDistribuidor = nullptr;
    CSPM* m_pLeyendas = nullptr;
    CSPM* m_pEfectos = nullptr;
    CTemporizador* m_pLinea = nullptr;
    int m_iSonidoPulsar = -1;
    float m_fEscalaSello = 0.0f;
    float m_fGiro = 0.0f;
    bool m_bBotonAntes = false;
    int m_iSalidas = 0;

private:
    void InicializaCampos();
    void LanzaDestellos();
    void DibujaSello(Sprite* pDestino, float t);
    void DibujaTitulos(Sprite* pDestino, float t);
    void DibujaLogos(Sprite* pDestino, float t);
    void DibujaLeyenda(Sprite* pDestino, float t);
};
