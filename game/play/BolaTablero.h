// One piece of a figure on the board: a coloured diamond of the diamond phase
// or a shard of the seal. It appears, waits free, is taken and settles, is
// released, dissolves or vanishes; it glows near the pointer and a shard's
// glow fades. Its state and what it draws are worked out here; BolaTableroDibujo.cpp
// puts the worked-out passes on screen with the piece's two sprite packages.
#pragma once
#include "engine/graphics/Color.h"
#include "engine/graphics/SPM.h"

#include <array>
#include <cstdint>

class Sprite;
struct JugadaTrazada;

// The ring of a taken piece (drawn with the loading sign's art).
#define PAQUETE_ARO_BOLA "Data\\Graficos\\Ingame\\SeleccionYLineas\\AroDeTextoMaida.SPM"

enum EstadoBola {
    BOLA_VACIA = 0,        // gone
    BOLA_APARECIENDO = 1,
    BOLA_LIBRE = 2,
    BOLA_COGIENDO = 3,     // being taken
    BOLA_COGIDA = 4,       // taken and settled
    BOLA_SOLTANDO = 5,     // released
    BOLA_DISOLVIENDO = 6,
    BOLA_DESVANECIENDO = 7,
};

// Slot of the shard in the diamonds package, and the high-contrast offset.
constexpr int SLOT_ESQUIRLA = 7;
constexpr int DESPLAZAMIENTO_ALTO_CONTRASTE = 10;

// The displacement and the two scales of a figure in play: a piece's place
// on the field is (x, y) x position scale + (512, 384) + displacement; its
// sprites are drawn at the sprite scale.
struct TransformacionFigura {
    float m_fDespX = 0.0f;
    float m_fDespY = 0.0f;
    float m_fEscala = 1.0f;
    float m_fEscalaGrafica = 1.0f;
    bool operator==(const TransformacionFigura&) const = default;
};

// One drawing of a sprite of the piece's packages: the alpha of the first
// pass and of the diamonds' second (complement) pass, 0..255.
struct PasadaBola {
    enum Paquete { DIAMANTES, ARO };
    Paquete m_Paquete = DIAMANTES;
    int m_iSlot = 0;
    float m_fX = 0.0f, m_fY = 0.0f;
    float m_fEscalaX = 1.0f, m_fEscalaY = 1.0f;
    float m_fRotacion = 0.0f;
    uint8_t m_ucAlfa = 0;
    uint8_t m_ucAlfa2 = 0;
    int m_iFusion = 0;          // first-pass blend flags
    ColorRGB m_ColorFusion{255, 255, 255};
};

// The drawings of one frame, in order.
struct PasadasBola {
    std::array<PasadaBola, 6> m_a{};
    int m_iNum = 0;
    void Anade(const PasadaBola& p)
    {
        if (m_iNum < static_cast<int>(m_a.size())) m_a[static_cast<size_t>(m_iNum++)] = p;
    }
};

class CBolaTablero {
public:
    CBolaTablero() = default;
    virtual ~CBolaTablero();
    CBolaTablero(const CBolaTablero&) = delete;
    CBolaTablero& operator=(const CBolaTablero&) = delete;

    // Releases what it held, sets every default (gone, colour -1, glow 1),
    // the order (and age), the position in figure units, the fade time and
    // the glow time (both in steps, -1 for never and always), then copies
    // both packages from the package cache. False, without packages, when one
    // of them is missing: the piece still works.
    bool Inicia(int orden, float x, float y, int tiempoDesvanecer, int tiempoBrillo);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();

    void PonColor(int color) { m_iColor = color; }
    void PonEsquirla(bool esquirla) { m_bEsquirla = esquirla; }
    // One step, with the pointer's place on the field.
    void Actualiza(float punteroX, float punteroY);
    // One step with the system pointer.
    void Actualiza();
    // Draws the piece with the cursor tool's darkening level (0..1).
    void Dibuja(Sprite* destino, float oscurecer);
    // What Dibuja draws, worked out.
    void CalculaPasadas(float oscurecer, PasadasBola& pasadas) const;

    void Aparece();
    void Coge();
    void Suelta();
    void Disuelve();
    void Desvanece();
    void Retira();
    void ColorSeleccionado(int color);
    void MarcaSobrevolada() { m_bSobrevolada = true; }

    float PosicionX() const;
    float PosicionY() const;

    // The play screen's questions.
    bool PuedeCogerse() const { return m_iEstado == BOLA_LIBRE || m_iEstado == BOLA_SOLTANDO; }
    bool EstaCogida() const { return m_iEstado == BOLA_COGIENDO || m_iEstado == BOLA_COGIDA; }
    bool EstaAsentada() const { return m_iEstado == BOLA_COGIDA; }
    bool EstaSaliendo() const { return m_iEstado == BOLA_DISOLVIENDO || m_iEstado == BOLA_DESVANECIENDO; }
    bool HaDesaparecido() const { return m_iEstado == BOLA_VACIA; }

    int Estado() const { return m_iEstado; }
    int Contador() const { return m_iContador; }
    int Edad() const { return m_iEdad; }
    int Orden() const { return m_iOrden; }
    int Color() const { return m_iColor; }
    float Brillo() const { return m_fBrillo; }
    bool EsEsquirla() const { return m_bEsquirla; }
    float X() const { return m_fX; }
    float Y() const { return m_fY; }
    bool PaquetesCargados() const { return m_bCargada; }

    JugadaTrazada* m_pJugada = nullptr;  // the move that took it

    // The transform of the figure in play, shared by every piece, and the
    // high-contrast look (diamond slots + 10).
    static TransformacionFigura s_Transformacion;
    static bool s_bAltoContraste;

private:
    void DibujaPasada(Sprite* destino, const PasadaBola& p);

    bool m_bCargada = false;
    int m_iEstado = BOLA_VACIA;
    int m_iEdad = 0;
    int m_iContador = 0;
    int m_iOrden = 0;
    int m_iColor = -1;
    bool m_bSobrevolada = false;
    int m_iColorSeleccionado = -1;
    float m_fX = 0.0f, m_fY = 0.0f;
    CSPM m_Diamantes;
    CSPM m_Aro;
    int m_iTiempoDesvanecer = -1;
    int m_iTiempoBrillo = -1;
    int m_iContadorBrillo = -1;
    float m_fBrillo = 1.0f;
    bool m_bEsquirla = false;
    bool m_bRetirada = false;
};
