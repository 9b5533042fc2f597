#include "Caja.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/DescripcionFont.h"
#include "engine/graphics/Font.h"
#include "game/story/JapSecTazmo.h"

#include <algorithm>
#include <cmath>

namespace escena {

namespace fs = std::filesystem;

namespace {

// The fonts the scenes' box is drawn with: the story mode plays the scenes
// with font 1, the chapters screen with font 0, which is also the font the
// box measures its scrolling with.
const char* const kFuentesCaja[] = {motor::fuente::LA_BRIT, motor::fuente::VILLAGE_FONT};

std::string FormaBarra(std::string s)
{
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

} // namespace

// A font's metrics in a CFont without glyphs (the layout reads only its
// advances and spacing), and its line height.
struct MedidaCaja::Fuente {
    std::string nombre;
    CFont font;
    float altoLinea = 0.0f;
};

MedidaCaja::MedidaCaja() = default;
MedidaCaja::~MedidaCaja() = default;

bool MedidaCaja::Carga(const fs::path& etapa, const fs::path& datos, std::string* fallo)
{
    const ConfigSecuenciador c = CJapSecTazmo::ConfigCaja();
    m_fAncho = c.m_fAnchoAjuste / c.m_fEscala;
    m_fAlto = c.m_fAltoVisible;
    m_aFuentes.clear();
    for (const char* nombre : kFuentesCaja) {
        // A name of the stage is read as the game reads it; one of the
        // sources by its path.
        const std::string ruta = FormaBarra(nombre);
        std::error_code ec;
        const bool enEtapa = fs::exists(etapa / ruta, ec);
        const auto Nombre = [&](const std::string& n) {
            return enEtapa ? n : fs::absolute(datos / FormaBarra(n), ec).string();
        };
        DescripcionFont d;
        if (!LeeDescripcionFont(Nombre(nombre).c_str(), d)) {
            *fallo = std::string("the font ") + nombre + " cannot be read: the lines cannot be measured";
            return false;
        }
        auto f = std::make_unique<Fuente>();
        f->nombre = fs::path(ruta).stem().string();
        f->font.m_fSeparacion = d.m_fSeparacion;
        if (d.m_bRejilla) {
            if (!d.m_bTieneAnchos || !LeeAnchosFont(Nombre(d.m_sAnchos).c_str(), f->font.m_afAnchos)) {
                *fallo = std::string("the widths of the font ") + nombre + " cannot be read";
                return false;
            }
            f->altoLinea = d.m_fAlto;
        } else {
            for (const LetraFont& l : d.m_aLetras) {
                f->font.m_afAnchos[l.m_iCodigo] = l.m_fW;
                if (l.m_iCodigo == ' ') f->altoLinea = l.m_fH;
            }
        }
        if (!(f->altoLinea > 0.0f)) {
            *fallo = std::string("the font ") + nombre + " has no line height (no space glyph)";
            return false;
        }
        m_aFuentes.push_back(std::move(f));
    }
    return true;
}

std::string MedidaCaja::Comprueba(const std::string& texto) const
{
    for (const auto& f : m_aFuentes) {
        std::string ajustado;
        f->font.AjustaComoCaja(ajustado, texto.c_str(), m_fAncho);
        // As the box measures it: whole lines of the font, the height floored.
        const int lineas = 1 + int(std::count(ajustado.begin(), ajustado.end(), '\n'));
        const float alto = std::floor(float(lineas) * f->altoLinea);
        if (alto > m_fAlto) {
            const int caben = int(m_fAlto / f->altoLinea);
            return "it takes " + std::to_string(lineas) + " lines of " + f->nombre + ", the box shows " +
                   std::to_string(caben) + " (shorten it by about " +
                   std::to_string(std::max<size_t>(1, texto.size() * size_t(lineas - caben) / size_t(lineas))) +
                   " characters)";
        }
    }
    return "";
}

} // namespace escena
