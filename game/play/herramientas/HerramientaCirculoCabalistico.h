// The cabalistic circle behind the board: it glows as the score approaches
// the level's target and fades when the score stands still, and over it the
// pictures of the seals in play light up in a staggered burst when a seal
// is completed. Pictures named for the next figure wait until no burst runs.
#pragma once
#include "engine/graphics/SPM.h"

#include <array>
#include <string>

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaCirculoCabalistico {
public:
    static constexpr int kNumImagenes = 4;     // picture slots
    static constexpr int kNumPendientes = 5;   // names the play screen hands over
    static constexpr int kNumDestellos = 4;
    static constexpr int kSinObjetivo = 500000;
    static constexpr int kPasosDestello = 120;

    // One glow of a burst.
    struct Destello {
        int m_iContador = 0;
        int m_iImagen = -1;     // the picture it shows, -1 none
        float m_fAlfa = 0.0f;
        float m_fEscala = 1.0f;
    };

    CHerramientaCirculoCabalistico() = default;
    virtual ~CHerramientaCirculoCabalistico();
    CHerramientaCirculoCabalistico(const CHerramientaCirculoCabalistico&) = delete;
    CHerramientaCirculoCabalistico& operator=(const CHerramientaCirculoCabalistico&) = delete;

    // The circle's package and the level's final pictures.
    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    void PonObjetivo(int iObjetivo) { m_iObjetivo = iObjetivo; }
    void PonPuntuacion(int iPuntuacion) { m_iValor = iPuntuacion; }
    // Replaces picture 0..3 at once (an empty name empties it).
    void CargaImagen(int iHueco, const char* szRuta);
    // A name for picture slot 0..4 (null or "" for none), loaded once no
    // burst runs; the fifth is never shown.
    void PonPendiente(int iHueco, const char* szRuta);
    // The five names at once.
    void PonPendiente(const char* const* apszRutas);
    // The picture of that index bursts (-1: nothing).
    void Destella(int iImagen);
    void Actualiza();
    void Dibuja(Sprite* pDestino);

    // ---- What tests and the play screen read ----
    bool EstaCreado() const { return m_bCreado; }
    float Fraccion() const { return m_fFraccion; }
    float FraccionSuavizada() const { return m_fFraccionSuavizada; }
    int ContadorDestello() const { return m_iContadorDestello; }
    const Destello& Brillo(int i) const { return m_aDestellos[static_cast<size_t>(i)]; }
    bool DestelloEnCurso() const;
    bool ImagenCargada(int i) const;
    const std::string& Pendiente(int i) const { return m_asPendientes[static_cast<size_t>(i)]; }
    // The alpha the circle is drawn with now (0 when it is not drawn).
    int AlfaCirculo() const;
    // The alpha and scale of a glow step c of glow k (0 the first).
    static void PasoDestello(int k, int c, float* pfAlfa, float* pfEscala);

    bool m_bCreado = false;
    int m_iContadorDestello = 0;
    float m_fRotacion = 0.0f;
    int m_iValor = 0;
    int m_iObjetivo = 0;
    int m_iUltimoValor = 0;
    float m_fFraccion = 0.0f;
    float m_fFraccionSuavizada = 0.0f;
    std::array<Destello, kNumDestellos> m_aDestellos{};
    CSPM m_SPMCirculo;
    std::array<CSPM, kNumImagenes> m_aImagenes;
    bool m_bRecursosCargados = false;
    bool m_bDestelloIniciado = false;
    std::array<std::string, kNumPendientes> m_asPendientes;
};
