// The loading indicator: the full-field object that the application core's
// loading-sign thread shows while the main loop is stalled. The engine fixes
// its protocol; the game's sign supplies the drawing.
//
// Calling order, kept by the loading-sign thread: AsignaCaptura, Activa, then
// at each frame of the stall Actualiza and Dibuja, all under the core's render
// mutex; Desactiva without it once the main loop runs again, while the main
// loop may be updating and drawing the sign. So the state the two threads
// share is atomic: the capture and whether the sign shows. A derived sign
// calls the base's Activa and Desactiva and keeps no other state that both
// threads write without that mutex.
#pragma once
#include "engine/ui/MenuObj.h"

#include <atomic>

class CCargandoObj : public CMenuObj {
public:
    static constexpr const char* kNombre = "CCargandoObj";

    CCargandoObj() = default;
    ~CCargandoObj() override;

    // Draws the sign over the capture when one is set, else alone.
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;

    // The sign starts / stops showing.
    virtual void Activa();
    virtual void Desactiva();
    virtual void DibujaSobreCaptura(Sprite* pDestino, Sprite* pCaptura) = 0;
    virtual void DibujaSinCaptura(Sprite* pDestino) = 0;

    // Over the whole field, no style, identifier -1.
    bool Inicia();
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    // The picture of the screen taken when the stall began (null: none); not
    // owned.
    void AsignaCaptura(Sprite* pCaptura) { m_pCaptura.store(pCaptura); }
    Sprite* Captura() const { return m_pCaptura.load(); }
    // Between Activa and Desactiva.
    bool EstaActivo() const { return m_bActivo.load(); }

    bool m_bCreado = false;

private:
    std::atomic<Sprite*> m_pCaptura{nullptr};
    std::atomic<bool> m_bActivo{false};
};
