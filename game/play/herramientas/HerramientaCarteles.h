// The banners that sweep across the board (entering a phase, victory, time
// out, defeat). Until they are built nothing shows.
#pragma once

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaCarteles {
public:
    CHerramientaCarteles() = default;
    virtual ~CHerramientaCarteles() = default;
    CHerramientaCarteles(const CHerramientaCarteles&) = delete;
    CHerramientaCarteles& operator=(const CHerramientaCarteles&) = delete;

    bool Carga(CMenuJuego*, RegistroNivel*)
    {
        m_bCreado = true;
        return true;
    }
    void Libera() { m_bCreado = false; }
    void CargaRecursos() {}
    void DescargaRecursos() {}
    // Banner n for that many steps.
    void Muestra(int, int) {}
    void Actualiza() {}
    void Dibuja(Sprite*) {}

    bool m_bCreado = false;
};
