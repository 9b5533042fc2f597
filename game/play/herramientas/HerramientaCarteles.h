// The banners of play: one large wordless emblem in the middle of the field
// for a given number of frames, fading in over the first tenth and out over
// the last, with a shine of four streaks sweeping across it in between.
#pragma once
#include "engine/graphics/SPM.h"

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaCarteles {
public:
    // Kinds: 0 diamonds, 1 tracing, 3 time out, 4 victory, 5 defeat, 6 attacks;
    // 7 none.
    static constexpr int kNinguno = 7;

    CHerramientaCarteles() = default;
    virtual ~CHerramientaCarteles();
    CHerramientaCarteles(const CHerramientaCarteles&) = delete;
    CHerramientaCarteles& operator=(const CHerramientaCarteles&) = delete;

    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    // Banner of that kind for that many frames, from its start; a kind with
    // no picture, or no frames, shows nothing.
    void Muestra(int iTipo, int iPasos);
    void Actualiza();
    void Dibuja(Sprite* pDestino);

    // The picture of a kind (-1 for none) and the banner's alpha 0..1 after
    // that many of its frames.
    static int SpriteDeCartel(int iTipo);
    static float Alfa(int iContador, int iDuracion);
    int Tipo() const { return m_iTipo; }
    int Contador() const { return m_iContador; }

    bool m_bCreado = false;
    CSPM m_SPM;
    int m_iDuracion = 0;
    int m_iContador = 0;
    int m_iTipo = kNinguno;
};
