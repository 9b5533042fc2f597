// The avatar chooser: each pick writes the character of its portrait into
// the current level's record and takes the button away; the required count
// of picks sends one event of kind 21 and closes the panel; a reopened
// panel offers all nine again; back closes it without a pick; the required
// count stays within 1..9.
#include "engine/core/GestorFLIs.h"
#include "game/screens/EntornoPantallas.h"
#include "game/screens/MenuSeleccionAvatar.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <gtest/gtest.h>

namespace {

class Avatar : public pantallas::EntornoPantallas {
protected:
    CMenuSeleccionAvatar* Abre(int iElecciones)
    {
        if (!m_pPanel) {
            m_pPanel = Nuevo<CMenuSeleccionAvatar>();
            EXPECT_TRUE(m_pPanel->Crea());
        }
        m_pPanel->PonEleccionesPedidas(iElecciones);
        Anade(m_pPanel);
        m_arbol->Pasos(20);
        return m_pPanel;
    }
    // A click on character button i, and the steps of its press.
    void Elige(int i)
    {
        const Rectangulo& r = m_pPanel->m_apBotones[i]->Rect();
        m_arbol->Clic(r.x + r.ancho / 2.0f, r.y + 30.0f);
        m_arbol->Pasos(32);
    }
    int EventosDe(int iTipo)
    {
        int n = 0;
        for (const kit::EventoRecibido& e : Eventos()) n += e.tipo == iTipo;
        return n;
    }
    const PersonajeNivel& Registro() { return m_maestro.m_NivelActual.m_Personaje; }

    CMenuSeleccionAvatar* m_pPanel = nullptr;
};

} // namespace

TEST(AvatarTabla, EachButtonShowsWritesAndNamesTheSameCharacter)
{
    // Button i shows portrait i (the level files' key i), writes that key's
    // character and is captioned with its name.
    const struct {
        int personaje;
        const char* nombre;
    } esperado[CMenuSeleccionAvatar::kNumPersonajes] = {
        {0, "MAID"}, {3, "ALDU"}, {6, "IRIN"}, {1, "ADEL"}, {5, "ALFT"},
        {2, "FRAN"}, {7, "STOC"}, {4, "ASES"}, {8, "TERE"},
    };
    for (int i = 0; i < CMenuSeleccionAvatar::kNumPersonajes; ++i) {
        EXPECT_EQ(CMenuSeleccionAvatar::PersonajeDeBoton(i), esperado[i].personaje) << i;
        EXPECT_EQ(CMenuSeleccionAvatar::CodigoNombre(i), CodigoFLI(esperado[i].nombre)) << i;
    }
    EXPECT_EQ(CMenuSeleccionAvatar::PersonajeDeBoton(9), -1);
    EXPECT_EQ(CMenuSeleccionAvatar::CodigoNombre(-1), -1);
    for (const auto& c : {std::pair{0, 1}, std::pair{-4, 1}, std::pair{1, 1}, std::pair{5, 5}, std::pair{9, 9},
                          std::pair{12, 9}})
        EXPECT_EQ(CMenuSeleccionAvatar::LimitaElecciones(c.first), c.second) << c.first;
}

TEST_F(Avatar, PicksWriteTheLevelsCharacterAndTheLastOneCompletesTheChoice)
{
    CMenuSeleccionAvatar* p = Abre(2);
    ASSERT_EQ(p->Padre(), Raiz());
    Eventos();
    Elige(1);
    EXPECT_TRUE(Registro().m_bElegido);
    EXPECT_TRUE(Registro().m_bFijado);
    EXPECT_EQ(Registro().m_iPersonaje, 3);
    EXPECT_TRUE(p->m_abElegido[1]);
    EXPECT_EQ(p->m_apBotones[1]->Padre(), nullptr);
    EXPECT_EQ(p->Padre(), Raiz());
    EXPECT_EQ(EventosDe(EVENTO_AVATARES_ELEGIDOS), 0);

    // The second pick is the last: it stays in the record, one event goes
    // up and the panel closes.
    Elige(7);
    EXPECT_EQ(Registro().m_iPersonaje, 4);
    EXPECT_EQ(EventosDe(EVENTO_AVATARES_ELEGIDOS), 1);
    m_arbol->Pasos(20);
    EXPECT_EQ(p->Padre(), nullptr);
    EXPECT_EQ(Raiz()->m_lHijos.m_iNumElementos, 0);
}

TEST_F(Avatar, AReopenedChooserOffersAllNineAndBackClosesWithoutAPick)
{
    CMenuSeleccionAvatar* p = Abre(1);
    Elige(4);
    EXPECT_EQ(Registro().m_iPersonaje, 5);
    m_arbol->Pasos(20);
    ASSERT_EQ(p->Padre(), nullptr);

    m_maestro.m_NivelActual.m_Personaje.Inicializa();
    Abre(3);
    for (int i = 0; i < CMenuSeleccionAvatar::kNumPersonajes; ++i) {
        EXPECT_FALSE(p->m_abElegido[i]) << i;
        EXPECT_EQ(p->m_apBotones[i]->Padre(), p) << i;
    }
    EXPECT_EQ(p->m_iEleccionesHechas, 0);
    // The character taken last time can be taken again.
    Elige(4);
    EXPECT_EQ(Registro().m_iPersonaje, 5);
    Eventos();

    // Back: the panel goes, nothing more is written and nothing is told.
    m_maestro.m_NivelActual.m_Personaje.Inicializa();
    const Rectangulo& r = p->m_pBotonVolver->Rect();
    m_arbol->Clic(r.x + r.ancho / 2.0f, r.y + 30.0f);
    m_arbol->Pasos(60);
    EXPECT_EQ(p->Padre(), nullptr);
    EXPECT_FALSE(Registro().m_bElegido);
    EXPECT_EQ(EventosDe(EVENTO_AVATARES_ELEGIDOS), 0);
}

TEST_F(Avatar, BuiltReleasedAndBuiltAgain)
{
    CMenuSeleccionAvatar* p = Abre(9);
    Elige(0);
    Raiz()->QuitaHijo(false, p);
    m_arbol->Pasos(20);
    p->Libera();
    EXPECT_FALSE(p->EstaCreado());
    ASSERT_TRUE(p->Crea());
    ASSERT_TRUE(p->Crea());
    Abre(9);
    EXPECT_EQ(p->m_apBotones[0]->Padre(), p);
    p->Dibuja(nullptr, nullptr);
}
