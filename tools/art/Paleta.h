// The game's one palette. Every painter takes its colours from here: deep
// night blues and violets for backgrounds, candle gold and amber for frames,
// highlights and light, parchment cream for what is written on.
#pragma once
#include "Pinceles.h"

namespace art::paleta {

// Night: from the deepest shadow to the moonlit sky.
inline const Color NocheProfunda = Hex(0x07061A);
inline const Color Noche = Hex(0x110F33);
inline const Color NocheAzul = Hex(0x1A2450);
inline const Color Azul = Hex(0x2B3A6E);
inline const Color Violeta = Hex(0x3B2669);
inline const Color VioletaClaro = Hex(0x7A5CB8);
inline const Color Lavanda = Hex(0xB9A6E8);
inline const Color LuzDeLuna = Hex(0xDCE6FF);
inline const Color Piedra = Hex(0x2A2640);
inline const Color PiedraClara = Hex(0x453F63);

// Candlelight: gold from its shadow to its shine, amber and the flame.
inline const Color OroOscuro = Hex(0x6B4411);
inline const Color Oro = Hex(0xC48B30);
inline const Color OroMedio = Hex(0xD9A441);
inline const Color OroClaro = Hex(0xFFE9A8);
inline const Color Ambar = Hex(0xF2A93B);
inline const Color LuzDeVela = Hex(0xFFD27A);
inline const Color Brasa = Hex(0xE0572A);

// Parchment and ink.
inline const Color Pergamino = Hex(0xF3E6C4);
inline const Color PergaminoOscuro = Hex(0xC9B386);
inline const Color Tinta = Hex(0x2E1B05);

// Gems and living things.
inline const Color Rubi = Hex(0xD0203A);
inline const Color Esmeralda = Hex(0x2FB58A);
inline const Color Hoja = Hex(0x1E3B34);

// The eight piece colours, clear and kept apart for colour-blind players;
// every piece set paints its colour i with colour i.
inline constexpr unsigned ColoresPieza[8] = {
    0xD7263D, // 0 ruby
    0x2E6FD8, // 1 sapphire
    0x1FA37A, // 2 emerald
    0xF2C230, // 3 topaz
    0x9B4DCA, // 4 amethyst
    0xF07F22, // 5 amber
    0x5CC8F0, // 6 aquamarine
    0xDCE6FF, // 7 the shard's moonlit crystal
};

} // namespace art::paleta
