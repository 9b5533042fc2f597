// The fanfares of play, by index: 0 the tracing begins, 1 a seal completed,
// 2 the diamonds begin, 3 the energy gathered, 4 time out or defeat, 5 a
// chapter won, 6 a stage won. Each plays once on the fanfares' own channel,
// weighted over the level's music, which goes down while it sounds.
#pragma once

class CMenuJuego;
struct RegistroNivel;

class CHerramientaEventoSonido {
public:
    static constexpr int kNumFanfarrias = 7;
    static constexpr const char* kCanal = "CANAL_FANFARRIAS_ODL";

    CHerramientaEventoSonido() = default;
    virtual ~CHerramientaEventoSonido() = default;
    CHerramientaEventoSonido(const CHerramientaEventoSonido&) = delete;
    CHerramientaEventoSonido& operator=(const CHerramientaEventoSonido&) = delete;

    bool Carga(CMenuJuego*, RegistroNivel*)
    {
        m_bCreado = true;
        m_iUltima = -1;
        return true;
    }
    void Libera() { m_bCreado = false; }
    void CargaRecursos() {}
    void DescargaRecursos() {}
    // Fanfare 0..6; any other index plays nothing.
    void TocaFanfarria(int iFanfarria);

    // The music slot of a fanfare, null outside 0..6.
    static const char* RanuraFanfarria(int iFanfarria);

    bool m_bCreado = false;
    int m_iUltima = -1;  // the last fanfare played
};
