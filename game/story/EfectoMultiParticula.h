// The particle effects of the story scenes: each kind emits, once per period
// while it is active, particles of its own look into the effects cache's
// scene layers; the seal kinds also draw their seal themselves. Two kinds
// emit along ten wandering paths.
#pragma once
#include "engine/core/Temporizador.h"
#include "game/play/CaminoMoneda.h"
#include "game/story/EfectoSecTazmo.h"

#include <memory>

class CSPM;
struct DescripcionEfecto;

class CEfectoMultiParticula : public CEfectoSecTazmo {
public:
    static constexpr int kNumCaminos = 10;

    CEfectoMultiParticula();
    ~CEfectoMultiParticula() override;

    bool Carga(int iTipo) override;
    void Actualiza() override;
    void Dibuja(bool bDelante, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    // Active, its frame counter back to 0.
    void Lanza() override;
    // No new particles; those emitted live on.
    void Para() override;
    // Empties the cache layers of its kind.
    void Limpia() override;
    void Libera();

    bool Activo() const { return m_bActivo; }
    int Contador() const { return m_iContador; }
    // The alpha the seal kinds draw their seal with at a frame count.
    static int AlfaSello(int n);

    bool m_bCreado = false;
    CTemporizador m_Emision;
    std::unique_ptr<CSPM> m_pPaquete;
    std::unique_ptr<CSPM> m_pPaquete2;
    bool m_bActivo = false;
    int m_iContador = 0;
    CCaminoMoneda m_aCaminos[kNumCaminos];

private:
    void Emite();
    // A particle of the kind's defaults: a random sprite, a random point.
    DescripcionEfecto Defecto() const;
    // Starts a particle in a layer.
    static void Suelta(int iCapa, const DescripcionEfecto& d);
    // The glow behind a character gathering power, at (x, y).
    void Brillo(float x, float y, int iSprite);
};
