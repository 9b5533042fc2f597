// The music transition: switches the application core's background music to
// its own track when its parent opens and back to the music that played
// before when the parent closes. It never holds the parent in transition,
// never takes the pointer and draws nothing.
#pragma once
#include "engine/ui/MenuObj.h"

class CTransMusica : public CMenuObj {
public:
    static constexpr const char* kNombre = "GEN_TransMusica";
    static constexpr int kLongitudPista = 256;

    CTransMusica() = default;
    ~CTransMusica() override;

    bool Contiene(float x, float y) override;
    bool EnTransicion() override;
    void IniciaTransicion(bool bEntrada) override;

    // The file name of its music (null or empty: the music stops while the
    // parent is open); at most 255 characters are kept.
    bool Inicia(const char* szPista);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    const char* Pista() const { return m_szPista; }
    const char* PistaGuardada() const { return m_szGuardada; }

    bool m_bCreado = false;
    char m_szPista[kLongitudPista] = {};
    char m_szGuardada[kLongitudPista] = {}; // what played when the parent opened
};
