// The story scenes' text box, measured as the game lays it out: a line's
// text wrapped by CFont::AjustaComoCaja to the box's width
// (CJapSecTazmo::ConfigCaja) must be no taller than the box shows at once,
// in each font the scenes are drawn with.
#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace escena {

class MedidaCaja {
public:
    MedidaCaja();
    ~MedidaCaja();
    MedidaCaja(const MedidaCaja&) = delete;
    MedidaCaja& operator=(const MedidaCaja&) = delete;

    // Reads the fonts' metrics (no glyph is made): each font from the stage,
    // or else from the data sources. Needs the file services. False, with
    // why in `fallo`, when a font cannot be read.
    bool Carga(const std::filesystem::path& etapa, const std::filesystem::path& datos, std::string* fallo);

    // "" when the text (in the game's character set, markup allowed) fits
    // the box in every font, else how it does not.
    std::string Comprueba(const std::string& texto) const;

private:
    struct Fuente;
    std::vector<std::unique_ptr<Fuente>> m_aFuentes;
    float m_fAncho = 0.0f, m_fAlto = 0.0f;
};

} // namespace escena
