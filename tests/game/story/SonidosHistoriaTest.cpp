// The story scenes' sounds and tunes as a listener hears them: the story
// tunes last a minute at least, are neither faint nor clipped, and every
// tune and looping sound of the scenes joins its end to its start with no
// click and no gap.
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "game/CatalogoJuego.h"
#include "kit/ServeisFitxers.h"
#include "kit/SonidoPrueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <utility>
#include <string>
#include <vector>

namespace {

TEST(SonidosHistoria, TheStoryTunesLastAMinuteAtAnEvenLevel)
{
    mgtest::ServeisFitxers serveis;
    ASSERT_TRUE(serveis.Correcte());
    for (const char* pieza : {juego::pieza::HISTORIA_CALMA, juego::pieza::HISTORIA_INQUIETUD, juego::pieza::HISTORIA_PELIGRO,
                              juego::pieza::HISTORIA_DUELO, juego::pieza::HISTORIA_TRIUNFO}) {
        SCOPED_TRACE(pieza);
        const auto s = mgtest::DecodificaSonido(pieza);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->canales, 2);
        EXPECT_GE(s->Segundos(), 60.0);
        EXPECT_LT(s->Pico(), 0.98f);
        EXPECT_GT(s->Rms(), 0.05f);
        // No stretch of ten seconds drops out: the level holds through the tune.
        const size_t diez = size_t(s->tasa) * 10;
        for (size_t i = 0; i + diez <= s->Cuadros(); i += diez) EXPECT_GT(s->Rms(i, diez), 0.4f * s->Rms()) << i / size_t(s->tasa);
    }
}

// The files of the slots a slot file names, by record: `nombre` the name
// record, `fichero` the record of the files wanted.
std::vector<std::pair<std::string, std::string>> FicherosDeRanuras(const char* ranuras, const char* nombre,
                                                                   const char* fichero)
{
    std::vector<std::pair<std::string, std::string>> v;
    FitxerComandes* f = g_pGestorComandes->ObreLectura(ranuras);
    if (!f) return v;
    std::string actual;
    do {
        const std::string registro = g_pGestorComandes->NomComanda(f);
        if (registro == nombre) actual = g_pGestorComandes->LlegeixText(f);
        if (registro == fichero) v.emplace_back(actual, g_pGestorComandes->LlegeixText(f));
    } while (g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);
    return v;
}

// The music slots of the scenes and the loop samples of their sound slots
// (the CJapSecTazmo rows) play over and over: each joins cleanly.
TEST(SonidosHistoria, EveryLoopOfTheScenesJoinsCleanly)
{
    mgtest::ServeisFitxers serveis;
    ASSERT_TRUE(serveis.Correcte());
    auto ficheros = FicherosDeRanuras(motor::fichero::CONFIG_MUSICA, "RANURAMUSICA_NOMBRE", "RANURAMUSICA_PIEZA");
    for (const auto& b : FicherosDeRanuras(motor::fichero::CONFIG_SONIDO, "RANURASONIDO_NOMBRE", "RANURASONIDO_MUESTRA_BUCLE"))
        ficheros.push_back(b);
    std::vector<std::string> bucles;
    for (const FilaCatalogo& f : juego::kCatalogo) {
        if (std::strcmp(f.clase, "CJapSecTazmo") != 0 ||
            (f.tipo != TipoContenido::RanuraMusica && f.tipo != TipoContenido::RanuraSonido))
            continue;
        for (const auto& [ranura, fichero] : ficheros)
            if (ranura == f.nombre) bucles.push_back(fichero);
    }
    // The five story tunes and the seven ambiences at least.
    EXPECT_GE(bucles.size(), 12u);
    for (const std::string& b : bucles) {
        SCOPED_TRACE(b);
        const auto s = mgtest::DecodificaSonido(b);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(mgtest::CosturaDelBucle(*s), "");
    }
}

// The check itself: a tone cut mid-cycle clicks, one of whole cycles does
// not, and a loop that ends in silence has a gap.
TEST(SonidosHistoria, TheSeamCheckHearsClicksAndGaps)
{
    const auto tono = [](double ciclos, size_t silencio) {
        mgtest::SonidoPrueba s;
        s.canales = 1;
        s.tasa = 8000;
        const size_t n = 8000;
        for (size_t i = 0; i < n; ++i)
            s.m.push_back(i + silencio >= n ? 0.0f : float(0.5 * std::sin(2 * 3.14159265358979 * ciclos * double(i) / double(n))));
        return s;
    };
    EXPECT_EQ(mgtest::CosturaDelBucle(tono(220.0, 0)), "");
    EXPECT_NE(mgtest::CosturaDelBucle(tono(220.25, 0)).find("jumps"), std::string::npos);
    EXPECT_NE(mgtest::CosturaDelBucle(tono(220.0, 4000)).find("nearly silent"), std::string::npos);
}

} // namespace
