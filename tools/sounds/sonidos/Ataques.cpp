// The sounds of what crosses the board: a coin collected, a bonus that
// appears and one that is picked, a curse that enters.
#include "Sonidos.h"

#include "game/CatalogoJuego.h"

namespace sintesis {
namespace {

// A bright double clink, a fifth apart, as of a coin on a coin.
Pista Moneda()
{
    Pista p;
    Chasquido(p, 0.0, 0.25f, 0.9f);
    Campana(p, 0.0, 88.0f, 0.25f, 0.45f, -0.15f);
    Campana(p, 0.06, 95.0f, 0.35f, 0.5f, 0.15f);
    p.Asegura(size_t(0.7 * kTasa));
    Reverbera(p, 0.2f, 0.5f);
    Recorta(p, size_t(0.6 * kTasa));
    Normaliza(p, 0.55f);
    return p;
}

// A low, short swell of a minor second with a dull knock: something hostile
// has entered the board.
Pista AparicionAtaque()
{
    Pista p;
    Chasquido(p, 0.0, 0.15f, 0.1f);
    Colchon(p, 0.0, 45.0f, 0.45f, 0.22f, -0.25f);
    Colchon(p, 0.02, 46.0f, 0.45f, 0.18f, 0.25f);
    Bajo(p, 0.0, 33.0f, 0.35f, 0.3f);
    p.Asegura(size_t(0.9 * kTasa));
    Reverbera(p, 0.3f, 0.7f);
    Recorta(p, size_t(0.8 * kTasa));
    Normaliza(p, 0.5f);
    return p;
}

// A soft rising pair of glassy plucks: a bonus has come out.
Pista AparicionBonus()
{
    Pista p;
    Pulsada(p, 0.0, 79.0f, 0.25f, 0.35f, -0.2f);
    Pulsada(p, 0.07, 86.0f, 0.3f, 0.35f, 0.2f);
    p.Asegura(size_t(0.8 * kTasa));
    Reverbera(p, 0.35f, 0.7f);
    Recorta(p, size_t(0.7 * kTasa));
    Normaliza(p, 0.45f);
    return p;
}

// A bright rising arpeggio of bells: a bonus picked.
Pista CogerBonus()
{
    Pista p;
    const float notas[] = {79.0f, 83.0f, 86.0f, 91.0f};
    for (int i = 0; i < 4; ++i)
        Campana(p, 0.05 * i, notas[i], 0.45f, 0.4f, -0.3f + 0.2f * float(i));
    p.Asegura(size_t(1.0 * kTasa));
    Reverbera(p, 0.3f, 0.7f);
    Recorta(p, size_t(0.9 * kTasa));
    Normaliza(p, 0.65f);
    return p;
}

RegistroMuestra g_moneda(juego::muestra::MONEDA, 2, [] { return Moneda(); });
RegistroMuestra g_aparicionAtaque(juego::muestra::APARICION_ATAQUE, 2, [] { return AparicionAtaque(); });
RegistroMuestra g_aparicionBonus(juego::muestra::APARICION_BONUS, 2, [] { return AparicionBonus(); });
RegistroMuestra g_cogerBonus(juego::muestra::COGER_BONUS, 2, [] { return CogerBonus(); });

} // namespace
} // namespace sintesis
