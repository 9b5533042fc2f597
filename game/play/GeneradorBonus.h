// A bonus generator: at the period of its level record it draws a bonus
// kind from the record's nine shares and releases it at its place. The
// general generator (0) releases anywhere within 250 points of the centre
// and shows nothing; the four characters' (1..4) stand at fixed points as
// sigils that glow in the last 90 frames before a release.
#pragma once
#include "engine/graphics/SPM.h"

#include <cstdint>

class CMenuJuego;
class CHerramientaBonuses;
class Sprite;
struct PorcentajesBonus;

// Where a generator releases: a fixed point (1) or a disc (2).
struct LugarBonus {
    int iTipo;
    float x, y, fRadio;
};

class CGeneradorBonus {
public:
    static constexpr int kNumGeneradores = 5;
    static constexpr int kPasosAviso = 90;

    CGeneradorBonus() = default;
    virtual ~CGeneradorBonus();
    CGeneradorBonus(const CGeneradorBonus&) = delete;
    CGeneradorBonus& operator=(const CGeneradorBonus&) = delete;

    // Starts (or restarts) generator iIndice (0..4) with its record; the
    // tool receives the bonuses. False when the sigils could not be copied
    // (it still releases, and draws nothing).
    bool Inicia(CMenuJuego* pJuego, CHerramientaBonuses* pHerramienta, const PorcentajesBonus* pRegistro,
                int iIndice);
    void Libera();
    void Actualiza();
    void Dibuja(Sprite* pDestino);
    void MarcaEnUso();
    void DesmarcaEnUso();

    // The place of generator i (0..4).
    static const LugarBonus& Lugar(int i);
    // The kind a draw u in [0, 1] picks from the shares, -1 for none: the
    // first share at which the running sum exceeds u.
    static int EligeTipo(const PorcentajesBonus& r, float u);

    uint8_t m_bCreado = 0;
    CSPM m_SPM;
    const PorcentajesBonus* m_pRegistro = nullptr;
    const LugarBonus* m_pLugar = nullptr;
    CMenuJuego* m_pJuego = nullptr;
    CHerramientaBonuses* m_pHerramienta = nullptr;
    int m_iCuenta = 0;
    float m_fAlfa = 0.0f;
    int m_iIndice = 0;
    uint8_t m_bVisible = 1;
    bool m_bEnUso = false;
};
