// The credits: an opening unlocks its ten markers in order; the trophy of a
// whole pass comes only when the last block has left the top; picture i
// comes in as the progress crosses its entry and fades in over 30 steps,
// never more than two are held and none once the credits are gone, over
// two passes; only a left release leaves (to the main menu, or closing as a
// child with the finish code 0).
#include "engine/core/GestorFLIs.h"
#include "engine/core/Lista.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Sprite.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/RegistroPerfil.h"
#include "game/CatalogoJuego.h"
#include "game/screens/EntornoPantallas.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPrincipal.h"
#include "kit/Entrada.h"
#include "kit/game/JuegoPrueba.h"
#include "platform/Input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

class Creditos : public pantallas::EntornoPantallas {
protected:
    void SetUp() override
    {
        pantallas::EntornoPantallas::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(m_gestor.Inicia());
        m_maestro.m_pGestorDesbloqueos = &m_gestor;
        RegistraGestorDesbloqueos(&m_gestor);
    }
    void TearDown() override
    {
        RegistraGestorDesbloqueos(nullptr);
        m_maestro.m_pGestorDesbloqueos = nullptr;
        pantallas::EntornoPantallas::TearDown();
    }
    CMenuCreditos* Abre()
    {
        if (!m_pCreditos) {
            m_pCreditos = Nuevo<CMenuCreditos>();
            EXPECT_TRUE(m_pCreditos->Crea());
        }
        Anade(m_pCreditos);
        m_arbol->Pasos(1); // a screen is attached at its parent's next update
        return m_pCreditos;
    }
    // One update of the credits alone, as the manager's step would run it.
    void Paso()
    {
        m_pCreditos->Actualiza();
        AvanzaFrame();
    }

    CGestorDesbloqueos m_gestor;
    CMenuCreditos* m_pCreditos = nullptr;
};

// The names of a profile list from the oldest insertion to the newest.
std::vector<std::string> DesdeElFinal(CLista& l)
{
    std::vector<std::string> v;
    for (NodoLista* n = l.m_pCola; n; n = n->m_pAnterior) v.push_back(static_cast<const char*>(n->m_pItem));
    return v;
}

} // namespace

TEST_F(Creditos, AnOpeningUnlocksItsTenMarkersInOrder)
{
    RegistroPerfil& perfil = ConPerfil();
    ASSERT_FALSE(perfil.EstaDesbloqueado("BoxDif_3"));
    Abre();
    std::vector<std::string> vistos;
    for (const std::string& s : DesdeElFinal(perfil.m_ListaRecienDesbloqueados))
        for (const char* m : CMenuCreditos::kMarcadores)
            if (s == m) vistos.push_back(s);
    ASSERT_EQ(vistos.size(), 10u);
    for (int i = 0; i < CMenuCreditos::kNumMarcadores; ++i) EXPECT_EQ(vistos[i], CMenuCreditos::kMarcadores[i]);
    // The hardest difficulty and the credits' own button are open now.
    EXPECT_TRUE(perfil.EstaDesbloqueado("BoxDif_3"));
    EXPECT_TRUE(perfil.EstaDesbloqueado("MPrin_BotonCreditos"));
    EXPECT_FALSE(perfil.EstaDesbloqueado(CMenuCreditos::kTrofeoFinal));
}

// The blocks are stacked by their measured heights: one that does not end
// in an empty line runs its last line straight into the next block's
// heading.
TEST_F(Creditos, EveryBlockButTheLastEndsInOneEmptyLineInEveryLanguage)
{
    const char* const codigos[] = {
        juego::texto::MCR0, juego::texto::MCR1, juego::texto::MCR2, juego::texto::MCR3, juego::texto::MCR4,
        juego::texto::MCR5, juego::texto::MCR6, juego::texto::MCR7, juego::texto::MCR8,
    };
    for (int idioma = 0; idioma < 3; ++idioma)
        for (const char* codigo : codigos) {
            SCOPED_TRACE(testing::Message() << "language " << idioma << " " << codigo);
            const char* szTexto = g_GestorFLIs.GetTexto(CodigoFLI(codigo), idioma);
            ASSERT_NE(szTexto, nullptr);
            const std::string texto(szTexto);
            ASSERT_GE(texto.size(), 3u);
            EXPECT_EQ(texto.back(), '\n');
            EXPECT_NE(texto[texto.size() - 2], '\n');
        }
}

TEST_F(Creditos, TheWholePassTrophyComesWhenTheLastBlockHasLeftTheTop)
{
    RegistroPerfil& perfil = ConPerfil();
    CMenuCreditos* p = Abre();
    ASSERT_GT(p->m_fAltoTotal, 300.0f);
    for (float h : p->m_afAltos) {
        EXPECT_GT(h, 0.0f);
        EXPECT_LE(h, CMenuCreditos::kLadoBloque * CMenuCreditos::kEscalaTexto);
    }
    // One step was run at the opening.
    const int n = static_cast<int>(std::floor(p->m_fAltoTotal + CMenuCreditos::kInicioScroll));
    for (int i = 1; i < n; ++i) Paso();
    EXPECT_FALSE(perfil.EstaDesbloqueado(CMenuCreditos::kTrofeoFinal));
    EXPECT_GT(p->m_fProgreso, 0.99f);
    Paso();
    Paso();
    EXPECT_TRUE(perfil.EstaDesbloqueado(CMenuCreditos::kTrofeoFinal));
    // And they start again from the bottom.
    EXPECT_GT(p->m_fScrollY, 1000.0f);
}

TEST_F(Creditos, PicturesComeOnScheduleFadeInAndNeverMoreThanTwoOverTwoPasses)
{
    const struct {
        int i;
        float entrada, salida;
    } horario[] = {{0, 0.1f, 0.17272727f}, {1, 0.17272727f, 0.24545454f}, {10, 0.8272727f, 0.9f}};
    for (const auto& h : horario) {
        EXPECT_NEAR(CMenuCreditos::EntradaIlustracion(h.i), h.entrada, 1e-5f);
        EXPECT_NEAR(CMenuCreditos::SalidaIlustracion(h.i), h.salida, 1e-5f);
    }
    EXPECT_TRUE(CMenuCreditos::Cruza(0.09f, 0.1f, 0.11f));
    EXPECT_TRUE(CMenuCreditos::Cruza(0.1f, 0.1f, 0.11f));
    EXPECT_FALSE(CMenuCreditos::Cruza(0.101f, 0.1f, 0.11f));
    EXPECT_FALSE(CMenuCreditos::Cruza(0.09f, 0.1f, 0.1f));

    CMenuCreditos* p = Abre();
    std::vector<int> llegadas;
    int iMaximo = 0;
    for (int pasada = 0; pasada < 2; ++pasada) {
        const int n = static_cast<int>(p->m_fAltoTotal + CMenuCreditos::kInicioScroll) + 2;
        for (int k = 0; k < n; ++k) {
            const float fAntes = p->m_fProgreso;
            int aAntes[2] = {p->m_aiIlustracion[0], p->m_aiIlustracion[1]};
            Paso();
            for (int h = 0; h < 2; ++h) {
                if (p->m_aiIlustracion[h] == aAntes[h] || p->m_aiIlustracion[h] < 0) continue;
                const int i = p->m_aiIlustracion[h];
                llegadas.push_back(i);
                EXPECT_EQ(h, i % 2);
                EXPECT_TRUE(CMenuCreditos::Cruza(fAntes, CMenuCreditos::EntradaIlustracion(i), p->m_fProgreso));
                EXPECT_NEAR(p->m_afAlfa[h], 1.0f / 30.0f, 1e-5f);
                if (i == 3) {
                    // Fully in after 30 steps.
                    for (int s = 0; s < 29; ++s) Paso();
                    k += 29;
                    EXPECT_NEAR(p->m_afAlfa[h], 1.0f, 1e-4f);
                }
            }
            iMaximo = std::max(iMaximo, p->IlustracionesCargadas());
        }
    }
    ASSERT_EQ(llegadas.size(), 22u);
    for (int i = 0; i < 22; ++i) EXPECT_EQ(llegadas[i], i % 11);
    EXPECT_EQ(iMaximo, 2);

    // Closed and gone: nothing of the pictures is held.
    Raiz()->QuitaHijo(false, p);
    m_arbol->Pasos(30);
    EXPECT_EQ(p->Padre(), nullptr);
    EXPECT_EQ(p->IlustracionesCargadas(), 0);
    // Opened again, the scroll starts over.
    Abre();
    EXPECT_GT(p->m_fScrollY, 1000.0f);
    m_arbol->Pasos(2);
}

TEST(CreditosJuego, OnlyALeftReleaseLeavesToTheMainMenuOrClosingWithTheFinishCode)
{
    kit::CJuegoPrueba juego("creditos_salida");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(30);
    CMenuCreditos* c = g_pMenuMaestro->m_pMenuCreditos;
    c->m_iModo = CMenuCreditos::MODO_DESDE_MENU;
    g_pMenuMaestro->CambiaMenu(c);
    juego.Pasos(60);
    ASSERT_EQ(juego.Pantalla(), c);
    EXPECT_EQ(juego.MusicaCanal("CANAL_MUSICA_ODL"), "RAN_CAPITULOS_EPICO_SECUENCIA");

    // Keys and the right button do not leave.
    juego.Tecla(1);
    juego.Tecla(28);
    juego.MueveRaton(512, 384);
    int px = 0, py = 0;
    ASSERT_TRUE(plat::MainFieldToWindow(512, 384, &px, &py));
    kit::BotonRaton(1, true, px, py);
    juego.Pasos(1);
    kit::BotonRaton(1, false, px, py);
    juego.Pasos(40);
    EXPECT_EQ(juego.Pantalla(), c);
    EXPECT_EQ(g_pMenuMaestro->m_iEstadoTransicion, TRANSICION_NINGUNA);

    // A left click goes back to the main menu.
    juego.BotonRaton(true);
    juego.BotonRaton(false);
    juego.Pasos(60);
    EXPECT_EQ(juego.Pantalla(), g_pMenuMaestro->m_pMenuPrincipal);

    // As the child of the story's last screen: a click closes them and
    // tells so by the finish code.
    CMenuObj* pMapa = g_pMenuMaestro->m_pMenuPrincipal;
    c->m_iModo = CMenuCreditos::MODO_HIJO;
    c->m_iCodigoFin = -1;
    pMapa->AnadeHijo(true, c, true, false);
    juego.Pasos(60);
    ASSERT_EQ(c->Padre(), pMapa);
    juego.BotonRaton(true);
    EXPECT_EQ(c->m_iCodigoFin, -1);
    juego.BotonRaton(false);
    EXPECT_EQ(c->m_iCodigoFin, 0);
    juego.Pasos(60);
    EXPECT_EQ(c->Padre(), nullptr);
    EXPECT_EQ(juego.Pantalla(), pMapa);
    EXPECT_EQ(c->IlustracionesCargadas(), 0);
}

// The credits tell their way out in the bottom bar, in every language; the
// text, cut to the band between the bars for each frame, keeps its blocks
// whole from one frame to the next.
TEST(CreditosJuego, TheBottomBarTellsTheWayOutAndTheTextStaysWhole)
{
    kit::CJuegoPrueba juego("creditos_salida_dicha");
    ASSERT_TRUE(juego.Iniciado());
    juego.Pasos(30);
    CMenuCreditos* c = g_pMenuMaestro->m_pMenuCreditos;
    ASSERT_NE(c->m_pTextoSalida, nullptr);
    for (int idioma = 0; idioma < 3; ++idioma) {
        const char* sz = g_GestorFLIs.GetTexto(CodigoFLI("MCRS"), idioma);
        ASSERT_NE(sz, nullptr);
        EXPECT_GE(std::string(sz).size(), 5u);
    }
    c->m_iModo = CMenuCreditos::MODO_DESDE_MENU;
    g_pMenuMaestro->CambiaMenu(c);
    juego.Pasos(60);
    ASSERT_EQ(juego.Pantalla(), c);
    float afAltos[CMenuCreditos::kNumBloques];
    float afY[CMenuCreditos::kNumBloques];
    for (int i = 0; i < CMenuCreditos::kNumBloques; ++i) {
        afAltos[i] = c->m_apTextos[i]->GetAlcada();
        afY[i] = c->m_apTextos[i]->m_fY;
    }
    juego.Pasos(300);
    for (int i = 0; i < CMenuCreditos::kNumBloques; ++i) {
        EXPECT_EQ(c->m_apTextos[i]->GetAlcada(), afAltos[i]);
        EXPECT_EQ(c->m_apTextos[i]->m_fY, afY[i]);
    }
}
