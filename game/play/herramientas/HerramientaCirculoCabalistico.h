// The cabalistic circle behind the board: it glows with the score against
// the target and bursts the seal pictures of the figure. Until it is built
// it keeps its values and draws nothing.
#pragma once

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaCirculoCabalistico {
public:
    static constexpr int kNumImagenes = 5;

    CHerramientaCirculoCabalistico() = default;
    virtual ~CHerramientaCirculoCabalistico() = default;
    CHerramientaCirculoCabalistico(const CHerramientaCirculoCabalistico&) = delete;
    CHerramientaCirculoCabalistico& operator=(const CHerramientaCirculoCabalistico&) = delete;

    bool Carga(CMenuJuego*, RegistroNivel*)
    {
        m_bCreado = true;
        return true;
    }
    void Libera() { m_bCreado = false; }
    void CargaRecursos() {}
    void DescargaRecursos() {}
    void PonObjetivo(int iObjetivo) { m_iObjetivo = iObjetivo; }
    void PonPuntuacion(int iPuntuacion) { m_iPuntuacion = iPuntuacion; }
    // The pictures of the figure to come (five names, empty for none).
    void PonPendiente(const char* const*) {}
    // The picture of that colour bursts.
    void Destella(int) {}
    void Actualiza() {}
    void Dibuja(Sprite*) {}

    bool m_bCreado = false;
    int m_iObjetivo = 0;
    int m_iPuntuacion = 0;
};
