#include "engine/core/Teclado.h"
#include "kit/Entrada.h"
#include "platform/Input.h"
#include "platform/InputInjection.h"

#include <gtest/gtest.h>

using kit::LlamadaEntrada;

namespace {

class Teclado : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ventana.ok);
        ASSERT_TRUE(teclado.Inicia());
    }

    std::vector<int> Teclas() const
    {
        std::vector<int> r;
        for (const LlamadaEntrada& l : receptor.De(LlamadaEntrada::Tecla)) r.push_back(l.a);
        return r;
    }
    std::vector<int> Caracteres() const
    {
        std::vector<int> r;
        for (const LlamadaEntrada& l : receptor.De(LlamadaEntrada::Caracter)) r.push_back(l.a);
        return r;
    }

    kit::VentanaPrueba ventana;
    kit::ReceptorGrabador receptor;
    CTeclado teclado;
};

} // namespace

TEST_F(Teclado, HoldingAKeyGivesOneKeyAndOneStepPressed)
{
    kit::PulsaTecla(plat::kKeyA);
    teclado.Actualiza();
    EXPECT_TRUE(teclado.TeclaAbajo(plat::kKeyA));
    EXPECT_TRUE(teclado.TeclaPulsada(plat::kKeyA));
    // Held over several steps, with the keyboard's repeats coming in.
    for (int step = 0; step < 5; ++step) {
        plat::inject::Key(plat::kKeyA, true, true);
        kit::Bombea();
        teclado.Actualiza();
        EXPECT_TRUE(teclado.TeclaAbajo(plat::kKeyA)) << step;
        EXPECT_FALSE(teclado.TeclaPulsada(plat::kKeyA)) << step;
    }
    kit::SueltaTecla(plat::kKeyA);
    teclado.Actualiza();
    EXPECT_FALSE(teclado.TeclaAbajo(plat::kKeyA));
    EXPECT_FALSE(teclado.TeclaPulsada(plat::kKeyA));
    EXPECT_EQ(Teclas(), std::vector<int>{plat::kKeyA});
    // Out-of-range keys are never held.
    EXPECT_FALSE(teclado.TeclaAbajo(-1));
    EXPECT_FALSE(teclado.TeclaAbajo(256));
}

TEST_F(Teclado, PressAndReleaseWithinOneStepStillGivesTheKey)
{
    kit::TocaTecla(plat::kKeyEscape);
    kit::TocaTecla(plat::kKeySpace);
    teclado.Actualiza();
    EXPECT_EQ(Teclas(), (std::vector<int>{plat::kKeyEscape, plat::kKeySpace}));
    EXPECT_FALSE(teclado.TeclaAbajo(plat::kKeyEscape));
    EXPECT_EQ(TeclaEscape(), 1);
}

TEST_F(Teclado, LeftAltEnterSwitchesTheDisplayRightAltEnterIsEnter)
{
    kit::PulsaTecla(plat::kKeyLeftAlt);
    kit::PulsaTecla(plat::kKeyEnter);
    teclado.Actualiza();
    EXPECT_EQ(receptor.De(LlamadaEntrada::AlternaPantalla).size(), 1u);
    EXPECT_EQ(Teclas(), std::vector<int>{plat::kKeyLeftAlt}) << receptor.Resumen();
    kit::SueltaTecla(plat::kKeyEnter);
    kit::SueltaTecla(plat::kKeyLeftAlt);
    teclado.Actualiza();

    receptor.llamadas.clear();
    kit::PulsaTecla(plat::kKeyRightAlt);
    kit::PulsaTecla(plat::kKeyEnter);
    teclado.Actualiza();
    EXPECT_TRUE(receptor.De(LlamadaEntrada::AlternaPantalla).empty());
    EXPECT_EQ(Teclas(), (std::vector<int>{plat::kKeyRightAlt, plat::kKeyEnter}));
    // No Enter character comes with Alt held (a system key combination).
    EXPECT_TRUE(Caracteres().empty());
    kit::SueltaTecla(plat::kKeyEnter);
    kit::SueltaTecla(plat::kKeyRightAlt);

    // Left Alt + keypad Enter is just the keypad Enter.
    receptor.llamadas.clear();
    teclado.Actualiza();
    kit::PulsaTecla(plat::kKeyLeftAlt);
    kit::PulsaTecla(plat::kKeyNumpadEnter);
    teclado.Actualiza();
    EXPECT_TRUE(receptor.De(LlamadaEntrada::AlternaPantalla).empty());
    EXPECT_EQ(Teclas(), (std::vector<int>{plat::kKeyLeftAlt, plat::kKeyNumpadEnter}));
}

// Alt down, Enter down and up, Alt up, all before one step reads them: the
// chord is taken from the order the keys came in, every time; Enter after
// Alt was let go is plain Enter.
TEST_F(Teclado, AQuickAltEnterBetweenTwoStepsSwitchesOnce)
{
    for (int vez = 0; vez < 7; ++vez) {
        SCOPED_TRACE(vez);
        receptor.llamadas.clear();
        plat::inject::Key(plat::kKeyLeftAlt, true);
        plat::inject::Key(plat::kKeyEnter, true);
        plat::inject::Key(plat::kKeyEnter, false);
        plat::inject::Key(plat::kKeyLeftAlt, false);
        kit::Bombea();
        teclado.Actualiza();
        EXPECT_EQ(receptor.De(LlamadaEntrada::AlternaPantalla).size(), 1u) << receptor.Resumen();
        EXPECT_EQ(Teclas(), std::vector<int>{plat::kKeyLeftAlt}) << receptor.Resumen();
    }
    receptor.llamadas.clear();
    plat::inject::Key(plat::kKeyLeftAlt, true);
    plat::inject::Key(plat::kKeyLeftAlt, false);
    plat::inject::Key(plat::kKeyEnter, true);
    plat::inject::Key(plat::kKeyEnter, false);
    kit::Bombea();
    teclado.Actualiza();
    EXPECT_TRUE(receptor.De(LlamadaEntrada::AlternaPantalla).empty());
    EXPECT_EQ(Teclas(), (std::vector<int>{plat::kKeyLeftAlt, plat::kKeyEnter}));
}

TEST_F(Teclado, QueueKeepsThirtyChangesAndTheStateStaysTrue)
{
    // 20 keys pressed and released in one step: 40 changes, 30 kept.
    const uint8_t keys[] = {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 30, 31, 32, 33, 34, 35, 36, 37, 38, 44};
    for (uint8_t k : keys) {
        plat::inject::Key(k, true);
        plat::inject::Key(k, false);
    }
    plat::inject::Key(plat::kKeyZ, true); // the 41st change, held on
    kit::Bombea();
    teclado.Actualiza();
    std::vector<int> expected;
    for (int i = 0; i < 15; ++i) expected.push_back(keys[i]);
    EXPECT_EQ(Teclas(), expected);
    EXPECT_TRUE(teclado.TeclaAbajo(plat::kKeyZ));
    EXPECT_FALSE(teclado.TeclaAbajo(keys[0]));
    // Once read, the queue takes changes again.
    receptor.llamadas.clear();
    kit::PulsaTecla(plat::kKeyP);
    teclado.Actualiza();
    EXPECT_EQ(Teclas(), std::vector<int>{plat::kKeyP});
}

TEST_F(Teclado, FlushAndLostKeyboard)
{
    kit::PulsaTecla(plat::kKeyW);
    teclado.VaciaBuffer();
    teclado.Actualiza();
    EXPECT_TRUE(Teclas().empty());
    EXPECT_TRUE(teclado.TeclaAbajo(plat::kKeyW)); // still held
    kit::SueltaTecla(plat::kKeyW);
    teclado.Actualiza();

    // Losing the focus loses the keyboard: the next step takes it back and
    // its keys are gone; the step after works again.
    plat::inject::FocusLost();
    plat::inject::Key(plat::kKeyD, true);
    kit::Bombea();
    teclado.Actualiza();
    EXPECT_TRUE(Teclas().empty());
    EXPECT_FALSE(teclado.TeclaAbajo(plat::kKeyD));
    kit::SueltaTecla(plat::kKeyD);
    kit::PulsaTecla(plat::kKeyS);
    teclado.Actualiza();
    EXPECT_EQ(Teclas(), std::vector<int>{plat::kKeyS});
}

TEST_F(Teclado, CharactersFromTextBackspaceAndEnter)
{
    kit::Escribe("a\xC3\xA9\xE2\x82\xAC\xE6\x97\xA5Z");
    kit::PulsaTecla(plat::kKeyBackspace);
    plat::inject::Key(plat::kKeyBackspace, true, true); // repeat
    kit::Bombea();
    kit::SueltaTecla(plat::kKeyBackspace);
    kit::TocaTecla(plat::kKeyEnter);
    kit::TocaTecla(plat::kKeyNumpadEnter);
    kit::TocaTecla(plat::kKeyA); // a key alone gives no character (text does)
    EXPECT_EQ(Caracteres(), (std::vector<int>{'a', 0xE9, 0x80, 'Z', 8, 8, 13, 13}));
    // Characters arrive as the events are pumped, keys only at the step.
    EXPECT_TRUE(Teclas().empty());

    // Nothing while the core is inactive.
    receptor.llamadas.clear();
    receptor.activo = false;
    kit::Escribe("x");
    EXPECT_TRUE(Caracteres().empty());
    receptor.activo = true;

    // After release nothing is heard any more.
    teclado.Libera();
    kit::Escribe("y");
    EXPECT_TRUE(Caracteres().empty());
}
