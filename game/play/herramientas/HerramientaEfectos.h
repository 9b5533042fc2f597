// The play screen's effect launcher: bursts, sparkles, trails, crosses
// flying to the HUD and fireworks, in three layers of the effects cache.
// Until it is built it launches nothing.
#pragma once

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaEfectos {
public:
    CHerramientaEfectos() = default;
    virtual ~CHerramientaEfectos() = default;
    CHerramientaEfectos(const CHerramientaEfectos&) = delete;
    CHerramientaEfectos& operator=(const CHerramientaEfectos&) = delete;

    bool Carga(CMenuJuego*, RegistroNivel*)
    {
        m_bCreado = true;
        return true;
    }
    void Libera() { m_bCreado = false; }
    void CargaRecursos() {}
    void DescargaRecursos() {}
    void Actualiza() {}
    // Layer 1 (under the circle), 2 (over the pieces) or 3 (over the HUD).
    void Dibuja(int, Sprite*) {}

    void Estallido(float, float) {}
    void DestelloPieza(float, float) {}
    void ChispasPieza(float, float) {}
    void Rastro(float, float, float, float) {}
    void RastroDeshacer(float, float, float, float) {}
    void CruzAlMarcador(float, float) {}
    void Fuegos(float, float) { ++m_iFuegos; }
    // The pointer's states: a spark (burnt, bright), an ice burst, the chase
    // mark and the hit flash.
    void Chispa(float, float, bool, bool) {}
    void Hielo(float, float) {}
    void Marca(float, float) {}
    void Golpe(float, float) {}

    bool m_bCreado = false;
    int m_iFuegos = 0;  // fireworks launched, for those who watch
};
