// The game's loading sign: a ring of runes turning in the bottom-right
// corner while the main loop is stalled by long work, drawn over a captured
// picture of the screen that it darkens (or over flat black without one).
// The core's loading-sign thread switches it on and off and draws it during
// a stall, and the main loop updates and draws it every step, so it fades in
// over 5 calls, out over 5 after the stall, and turns once every 60 calls.
//
// Both threads write its state (the thread under the render mutex, the main
// loop's Desactiva without it): the fade and the turn are atomics, and the
// active flag is the base's.
#pragma once
#include "engine/ui/CargandoObj.h"

#include <atomic>

class CSPM;

class CCartelCargando : public CCargandoObj {
public:
    // The fade goes by fifths, so that 5 calls take it exactly in or out.
    static constexpr int kQuintos = 5;
    static constexpr float kPasoGiro = 0.016666668f; // 1/60 of a turn
    static constexpr float kX = 960.0f, kY = 704.0f;

    CCartelCargando() = default;
    ~CCartelCargando() override;

    void Actualiza() override;
    void DibujaSobreCaptura(Sprite* pDestino, Sprite* pCaptura) override;
    void DibujaSinCaptura(Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;

    // False only when the base fails; a ring that cannot be copied leaves
    // the sign without one.
    bool Inicia();
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    float Alfa() const { return static_cast<float>(m_iQuintos.load()) / kQuintos; }
    float Giro() const { return m_fGiro.load(); }

    bool m_bCreado = false;
    CSPM* m_pAro = nullptr;

private:
    void DibujaAro(Sprite* pDestino, float fAlfa, float fGiro, bool bTriple);

    std::atomic<int> m_iQuintos{0};
    std::atomic<float> m_fGiro{0.0f};
};
