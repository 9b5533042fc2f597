// The visual help that pulses over the board when lines score poorly. Until
// it is built it shows nothing.
#pragma once

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaAsistenciaVisual {
public:
    CHerramientaAsistenciaVisual() = default;
    virtual ~CHerramientaAsistenciaVisual() = default;
    CHerramientaAsistenciaVisual(const CHerramientaAsistenciaVisual&) = delete;
    CHerramientaAsistenciaVisual& operator=(const CHerramientaAsistenciaVisual&) = delete;

    bool Carga(CMenuJuego*, RegistroNivel*)
    {
        m_bCreado = true;
        return true;
    }
    void Libera() { m_bCreado = false; }
    void CargaRecursos() {}
    void DescargaRecursos() {}
    void Actualiza() {}
    void Dibuja(Sprite*) {}
    // A line ended with that many crossings.
    void FinDeLinea(int) {}
    void Activa() {}
    void Desactiva() {}

    bool m_bCreado = false;
    bool m_bMostrando = false;  // the hint is up
};
