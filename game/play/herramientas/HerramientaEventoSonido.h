// The fanfares of play, by index (0 shards, 1 seal, 2 diamonds, 3 energy,
// 4 time out or defeat, 5 chapter won, 6 stage won). Until they are built
// none plays.
#pragma once

class CMenuJuego;
struct RegistroNivel;

class CHerramientaEventoSonido {
public:
    CHerramientaEventoSonido() = default;
    virtual ~CHerramientaEventoSonido() = default;
    CHerramientaEventoSonido(const CHerramientaEventoSonido&) = delete;
    CHerramientaEventoSonido& operator=(const CHerramientaEventoSonido&) = delete;

    bool Carga(CMenuJuego*, RegistroNivel*)
    {
        m_bCreado = true;
        return true;
    }
    void Libera() { m_bCreado = false; }
    void CargaRecursos() {}
    void DescargaRecursos() {}
    void TocaFanfarria(int iFanfarria) { m_iUltima = iFanfarria; }

    bool m_bCreado = false;
    int m_iUltima = -1;  // the last fanfare asked for
};
