// The line gauge down the left edge of play: the twelve slots that show the
// pieces the current line may take. The HUD draws the gauge on these points
// and the effects fly the line-length bonus to them, so both read this one
// table.
#pragma once
#include "engine/graphics/Geometria.h"

#include <algorithm>
#include <array>

constexpr int NUM_HUECOS_INDICADOR_LINEA = 12;

// Slot 1 first.
constexpr std::array<Punt2D, NUM_HUECOS_INDICADOR_LINEA> TablaHuecosIndicadorLinea = {{
    {85.0f, 286.0f},
    {45.0f, 375.0f},
    {45.0f, 485.0f},
    {85.0f, 550.0f},
    {115.0f, 495.0f},
    {125.0f, 425.0f},
    {115.0f, 365.0f},
    {85.0f, 345.0f},
    {60.0f, 430.0f},
    {85.0f, 475.0f},
    {100.0f, 435.0f},
    {95.0f, 400.0f},
}};

// The point of slot 1..12; a slot outside that range takes the nearest one.
constexpr Punt2D HuecoIndicadorLinea(int iHueco)
{
    return TablaHuecosIndicadorLinea[static_cast<size_t>(std::clamp(iHueco, 1, NUM_HUECOS_INDICADOR_LINEA) - 1)];
}
