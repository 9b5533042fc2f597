// The game's content catalogue against the built data (the content audit):
// every package, picture, font, text code, sound and music slot, sample and
// data file a game row names is built, present and sound.
#include "engine/core/CatalogoMotor.h"
#include "game/CatalogoJuego.h"
#include "kit/AuditoriaContenido.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CatalogoJuego, EveryRowIsBuiltAndSound)
{
    mgtest::ServeisFitxers serveis;
    ASSERT_TRUE(serveis.Correcte());
    ASSERT_TRUE(serveis.AmbArxiu());
    const std::vector<std::string> faltas = mgtest::AuditaContenido(juego::kCatalogo, mgtest::ReferenciasMotor());
    EXPECT_TRUE(faltas.empty()) << mgtest::UnaPorLinea(faltas);
}

// Neither catalogue repeats a name, nor repeats one of the other's.
TEST(CatalogoJuego, NoNameIsWrittenTwice)
{
    const std::vector<std::string> repetidos = mgtest::NombresRepetidos({motor::kCatalogo, juego::kCatalogo});
    EXPECT_TRUE(repetidos.empty()) << mgtest::UnaPorLinea(repetidos);
}

} // namespace
