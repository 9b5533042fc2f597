#include "engine/core/FaltasContenido.h"

#include <algorithm>
#include <mutex>

namespace {
std::mutex g_mutexFaltas;
std::vector<FaltaContenido> g_faltas;
} // namespace

bool AnotaFaltaContenido(TipoFalta tipo, const std::string& nombre)
{
    std::lock_guard<std::mutex> lock(g_mutexFaltas);
    const FaltaContenido f{tipo, nombre};
    if (std::find(g_faltas.begin(), g_faltas.end(), f) != g_faltas.end()) return false;
    g_faltas.push_back(f);
    return true;
}

std::vector<FaltaContenido> FaltasContenido()
{
    std::lock_guard<std::mutex> lock(g_mutexFaltas);
    return g_faltas;
}

void OlvidaFaltasContenido()
{
    std::lock_guard<std::mutex> lock(g_mutexFaltas);
    g_faltas.clear();
}

const char* NombreTipoFalta(TipoFalta tipo)
{
    switch (tipo) {
    case TipoFalta::Paquete: return "package";
    case TipoFalta::Sprite: return "sprite";
    case TipoFalta::Imagen: return "picture";
    case TipoFalta::Texto: return "text code";
    case TipoFalta::RanuraSonido: return "sound slot";
    case TipoFalta::RanuraMusica: return "music slot";
    }
    return "?";
}
