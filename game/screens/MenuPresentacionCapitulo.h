// A chapter's title card, shown by the story map when the player starts a
// chapter's first stage: the chapter's background, its title, its two
// characters as large tinted silhouettes drifting behind and as pictures in
// front, and after four seconds one button (the first time the chapter is
// introduced in the profile) or two (play, or pass over the first stage).
// The card never changes screens itself: a press raises m_bTerminado and
// tells in m_bJugarYa which button it was; the story map reads both each step.
#pragma once
#include "engine/ui/MenuObj.h"

#include <array>
#include <cstdint>

class CBotonTazmo;
class CSPM;

class CMenuPresentacionCapitulo : public CMenuObj {
public:
    static constexpr int kNumCapitulos = 12;
    static constexpr int kNumPersonajes = 9;
    static constexpr int kPasosApertura = 15;
    // Steps from the opening until the buttons come.
    static constexpr int kPasosBotones = 120;
    enum { ID_JUGAR = 0, ID_SALTAR = 1 };
    // The two characters stand at these x (their feet at kPersonajeY), each
    // some 2 x kMitadPersonaje wide; the chapter's title goes between them,
    // under the card's medallion, never wider than the room they leave.
    static constexpr float kPersonajeIzqX = 176.0f, kPersonajeDerX = 848.0f, kPersonajeY = 675.0f;
    static constexpr float kMitadPersonaje = 110.0f;
    static constexpr float kTituloY = 345.0f;
    static constexpr float kAnchoTitulo = kPersonajeDerX - kPersonajeIzqX - 2.0f * kMitadPersonaje - 24.0f;

    // One chapter: its background, its title package, its two characters
    // (pictures of the story map) and the marker of its first introduction.
    struct FilaCapitulo {
        const char* szFondo;
        const char* szTexto;
        int iIzquierda, iDerecha;
        const char* szMarcador;
    };
    static const std::array<FilaCapitulo, kNumCapitulos> Capitulos;

    CMenuPresentacionCapitulo() = default;
    ~CMenuPresentacionCapitulo() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsExclusivo() override { return true; }
    bool UsaTransicion() override { return true; }
    bool EnTransicion() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void IniciaTransicion(bool bEntrada) override;

    // False, with nothing built, for a chapter outside 0..11 or a package
    // or button that cannot be made.
    bool Crea(int iCapitulo);
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    int Capitulo() const { return m_iCapitulo; }
    // The title's box at rest (full zoom); false without a title.
    bool CajaTitulo(float* x0, float* y0, float* x1, float* y1) const;
    int PasosDesdeApertura() const { return m_iPasos; }
    CBotonTazmo* BotonJugar() const { return m_pBotonJugar; }
    CBotonTazmo* BotonSaltar() const { return m_pBotonSaltar; }

    bool m_bCreado = false;
    bool m_bTerminado = false;
    bool m_bJugarYa = false;

private:
    void InicializaCampos();
    void LiberaPropios();
    void DibujaPersonaje(Sprite* pDestino, int k, float x, float y, float o);

    int m_iIzquierda = -1, m_iDerecha = -1;
    int m_iCapitulo = -1;
    float m_fAngulo = 0.0f;
    CSPM* m_pSPMFondo = nullptr;
    CSPM* m_pSPMElemsTitulo = nullptr;
    CSPM* m_pSPMElemsCarta = nullptr;
    CSPM* m_pSPMTexto = nullptr;
    std::array<CSPM*, kNumPersonajes> m_apPersonajes{};
    int m_iContadorApertura = 0;
    uint8_t m_iAlfa = 0;
    float m_fZoom = 0.0f;
    int m_iPasos = 0;
    CBotonTazmo* m_pBotonJugar = nullptr;
    CBotonTazmo* m_pBotonSaltar = nullptr;
};
