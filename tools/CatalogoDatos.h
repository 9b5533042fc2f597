// The content catalogues as the data tools see them: both catalogues' rows,
// looked up by name. Header-only: the tools do not link the engine.
#pragma once
#include "engine/core/CatalogoMotor.h"
#include "game/CatalogoJuego.h"

#include <span>
#include <string>
#include <string_view>

namespace datos {

// A data name with '/' for every '\' (the form the build passes on).
inline std::string FormaBarra(std::string_view nombre)
{
    std::string s(nombre);
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

// The row whose name is `nombre` (in either form), or null.
inline const FilaCatalogo* BuscaFila(std::string_view nombre)
{
    const std::string buscado = FormaBarra(nombre);
    for (std::span<const FilaCatalogo> c : {std::span<const FilaCatalogo>(motor::kCatalogo),
                                            std::span<const FilaCatalogo>(juego::kCatalogo)})
        for (const FilaCatalogo& f : c)
            if (FormaBarra(f.nombre) == buscado) return &f;
    return nullptr;
}

} // namespace datos
