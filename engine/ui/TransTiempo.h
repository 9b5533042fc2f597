// Invisible transition children that give their parent an opening and
// closing behaviour: CTransTiempo holds the parent in transition for a fixed
// number of steps after it opens and after it closes; CTransMusica switches
// the background music when the parent opens and back when it closes. Both
// cover the whole field, never take the pointer and draw nothing.
#pragma once
#include "engine/ui/MenuObj.h"

class CTransTiempo : public CMenuObj {
public:
    static constexpr const char* kNombre = "GEN_TransTiempo";

    CTransTiempo() = default;
    ~CTransTiempo() override;

    void Actualiza() override;
    bool Contiene(float x, float y) override;
    bool EnTransicion() override;
    void IniciaTransicion(bool bEntrada) override;

    // With n frames the parent is held for n + 1 updates after its
    // transition starts (so 0 holds it for one); -1 does not hold it.
    bool Inicia(int iFramesEntrada, int iFramesSalida);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    int Contador() const { return m_iContador; }

    bool m_bCreado = false;
    int32_t m_iFramesEntrada = -1;
    int32_t m_iFramesSalida = -1;
    int32_t m_iContador = -1; // -1 when idle
};
