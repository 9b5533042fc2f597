// The loading indicator: the full-field object that the application core's
// loading-sign thread shows while the main loop is stalled. The game's sign
// supplies the drawing.
//
// Calling order, kept by the loading-sign thread: AsignaCaptura, Activa, then
// at each frame of the stall Actualiza and Dibuja, all under the core's render
// mutex; Desactiva without it once the main loop runs again. The capture is
// set from that thread and read by the main loop's drawing, so it is atomic.
#pragma once
#include "engine/ui/MenuObj.h"

#include <atomic>

class CCargandoObj : public CMenuObj {
public:
    CCargandoObj() = default;
    ~CCargandoObj() override;

    bool Inicia();
    void Libera();
    void AsignaCaptura(Sprite* pCaptura) { m_pCaptura.store(pCaptura); }
    Sprite* Captura() const { return m_pCaptura.load(); }

    // Draws the sign over the capture when one is set, else alone.
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;

    virtual void Activa() {}
    virtual void Desactiva() {}
    virtual void DibujaSobreCaptura(Sprite* pDestino, Sprite* pCaptura) = 0;
    virtual void DibujaSinCaptura(Sprite* pDestino) = 0;

    bool m_bCreado = false;

private:
    std::atomic<Sprite*> m_pCaptura{nullptr};
};
