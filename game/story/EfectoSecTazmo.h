// The atmosphere of the story scenes: sun rays, falling leaves and petals,
// dust, sparks, smoke, lit windows, wandering spirits, characters gathering
// power, seals charged and received, mist and evening light. A scene declares
// an effect by name; the factory makes the right kind of object; the script
// starts, stops and clears it. Particle effects throw fire-and-forget sprites
// into three layers of the effects cache (51 in front of the backgrounds, 50
// in front of the characters, 49 in front of the illustrations); drawn
// effects paint a veil over the field themselves.
#pragma once
#include <memory>

class Sprite;

// The layers of the effects cache a scene borrows.
enum {
    CAPA_ESCENA_ILUSTRACIONES = 49,
    CAPA_ESCENA_PERSONAJES = 50,
    CAPA_ESCENA_FONDOS = 51,
};

// The effect kinds, by the index of their name.
constexpr int NUM_EFECTOS_ESCENA = 42;
constexpr int EFECTO_ESCENA_NINGUNO = 43;

// How a particle kind emits: each particle takes a random sprite among
// `numSprites` from `primerSprite` and a random point of the x and y ranges;
// z is a rotation speed, a scale or a rotation, by kind.
struct Rango2 {
    float desde, hasta;
};
struct FilaEfectoEscena {
    const char* nombre; // what scripts write
    bool emite;         // a particle kind
    bool dibujado;      // a drawn veil
    int periodo;        // frames between emissions
    int vida;           // life L of a particle, in frames
    Rango2 x, y, z;
    int primerSprite, numSprites;
};
const FilaEfectoEscena& FilaEfecto(int iTipo);
// The kind of a name (without regard to case), EFECTO_ESCENA_NINGUNO for none.
int BuscaTipoEfecto(const char* szNombre);

class CEfectoSecTazmo {
public:
    CEfectoSecTazmo() = default;
    CEfectoSecTazmo(const CEfectoSecTazmo&) = delete;
    CEfectoSecTazmo& operator=(const CEfectoSecTazmo&) = delete;

    // ---- Virtual operations, in their fixed order ----
    virtual ~CEfectoSecTazmo();
    // Takes the kind; loaded unless it is none.
    virtual bool Carga(int iTipo);
    virtual void Actualiza() = 0;
    // Called twice per scene draw: in front of the backgrounds (bDelante) and
    // in front of the characters.
    virtual void Dibuja(bool bDelante, Sprite* pDestino) = 0;
    virtual void CargaRecursos() = 0;
    virtual void DescargaRecursos() = 0;
    virtual void Lanza() = 0;
    virtual void Para() = 0;
    virtual void Limpia() = 0;

    bool EstaCargado() const { return m_bCargado; }
    int Tipo() const { return m_iTipo; }

    bool m_bCargado = false;
    int m_iTipo = EFECTO_ESCENA_NINGUNO;
};

// The effect of a name, loaded; none for an unknown name and for the kinds
// that make nothing (16, 17, 34).
std::unique_ptr<CEfectoSecTazmo> CreaEfectoSecuencia(const char* szNombre);
