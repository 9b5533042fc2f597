// Figure shapes: the boards of the diamond phase, and the seals, drawn as
// paths of strokes whose shards the player traces in order. A seal's picture
// is drawn by the art tool from the same strokes, so the circle shows the
// seal being traced.
#pragma once
#include "Fuentes.h"

#include <map>
#include <string>
#include <vector>

namespace niveles {

struct Punto {
    double x = 0.0, y = 0.0;
};

// Places of the field a figure may use (clear of the HUD and the buttons)
// and the least distance between two pieces.
constexpr double kCampoX0 = 160.0, kCampoX1 = 864.0, kCampoY0 = 90.0, kCampoY1 = 700.0;
constexpr double kDistanciaMinima = 36.0;

// A colour run of a seal (a whole seal has one): its picture, the strokes
// (dense polylines, in the run's own coordinates, y down) and its shards.
struct Tramo {
    std::string imagen;   // picture package name ("01_ElVeneno"), empty for none
    Punto origen;         // the run's place from the field's centre
    std::vector<std::vector<Punto>> trazos;
    std::vector<Punto> piezas;  // run coordinates
};

struct Figura {
    std::string fichero;          // below Data\Tapices ("Figura\03_01_LaAmpolla.TPZ")
    std::vector<Tramo> tramos;
    bool sello = true;            // shards (drawn at the seal's sprite scale) or board pieces
    std::string origen;

    // Field positions and colours in order.
    std::vector<Punto> Posiciones() const;
    std::vector<int> Colores() const;
    size_t NumPiezas() const;
};

// Boards: Tableros.txt. Seals and tutorial figures: Sellos.txt, Tutoriales.txt.
std::vector<Figura> LeeTableros(const std::string& ruta);
std::vector<Figura> LeeSellos(const std::string& ruta, const std::vector<Figura>* previas = nullptr);

// Errors of a figure's places: outside the field's allowed part, or two
// pieces nearer than the least distance. Empty when sound.
std::string CompruebaPosiciones(const Figura& f);

// The figure file: BOLA records first (orders 0..n-1), then the transform.
std::string TextoTPZ(const Figura& f);
// The shapes the art tool draws pictures from: one IMAGEN per run with a
// picture, its strokes and shards.
std::string TextoFormas(const std::vector<Figura>& figuras);

} // namespace niveles
