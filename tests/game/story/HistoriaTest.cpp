// The story's scenes as the game reads them: every stage of every difficulty
// names its closing scene, and its opening unless it starts a chapter (the
// chapter's card stands in); every scene plays to its end in each language
// with clicks and never shows a missing text; and together they declare
// every character and every picture of the scenes' tables, which unlocks
// each one's chest marker.
#include "EntornoEscena.h"
#include "engine/core/Catalogo.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "game/CatalogoJuego.h"
#include "game/Personajes.h"
#include "game/profiles/Marcadores.h"
#include "game/play/CatalogoNiveles.h"
#include "game/screens/MenuMaestro.h"
#include "game/story/ImagenSecTazmo.h"
#include "game/story/PersoSecTazmo.h"

#include <cstdio>
#include <set>
#include <string>
#include <vector>

using escenatest::EntornoEscena;

namespace {

// The story scenes of the catalogue: (stage, opening?) -> file.
struct EscenaEtapa {
    int iEtapa;
    bool bInicio;
    const char* szFichero;
};

std::vector<EscenaEtapa> EscenasDelCatalogo()
{
    std::vector<EscenaEtapa> v;
    for (const FilaCatalogo& f : juego::kCatalogo) {
        int e = -1;
        char tipo[8] = {};
        if (std::sscanf(f.id, "fichero::ESCENA_ETAPA_%d_%7s", &e, tipo) == 2)
            v.push_back({e, std::string(tipo) == "INICIO", f.nombre});
    }
    return v;
}

using Historia = EntornoEscena;

} // namespace

TEST_F(Historia, EveryStageOfEveryDifficultyNamesItsScenes)
{
    const std::vector<EscenaEtapa> escenas = EscenasDelCatalogo();
    ASSERT_NE(g_pMenuMaestro, nullptr);
    for (int d = 0; d < NUM_DIFICULTADES_NIVEL; ++d)
        for (int s = 0; s < NUM_ETAPAS_HISTORIA; ++s) {
            int c = 0, p = 0;
            ASSERT_TRUE(CapituloYParte(s, c, p));
            const EntradaNivel* e = g_pMenuMaestro->m_TablaNiveles.Entrada(d, c, p);
            ASSERT_NE(e, nullptr);
            std::string sInicio, sFin;
            for (const EscenaEtapa& x : escenas)
                if (x.iEtapa == s) (x.bInicio ? sInicio : sFin) = x.szFichero;
            SCOPED_TRACE("difficulty " + std::to_string(d) + ", stage " + std::to_string(s));
            EXPECT_FALSE(sFin.empty());
            EXPECT_EQ(sInicio.empty(), p == 0);
            EXPECT_EQ(e->JAPSECOUTRO, sFin);
            EXPECT_EQ(e->JAPSECINTRO, sInicio);
        }
}

TEST_F(Historia, EveryScenePlaysToItsEndAndAllAreDeclared)
{
    const std::vector<EscenaEtapa> escenas = EscenasDelCatalogo();
    ASSERT_EQ(escenas.size(), 94u);
    std::set<int> personajes;
    std::set<int> imagenes;
    int n = 0;
    for (const EscenaEtapa& x : escenas) {
        // Each scene played through in one of the languages, in turn; the
        // texts of every language are read below.
        const int idioma = n++ % 3;
        g_GestorFLIs.SeleccionaIdioma(idioma);
        SCOPED_TRACE(std::string(x.szFichero) + ", language " + std::to_string(idioma));
        ASSERT_TRUE(CargaFichero(x.szFichero));
        // Every record understood: a shipped scene is never taken for a
        // damaged one.
        EXPECT_TRUE(m_escena->LeidoEntero());
        for (const auto& pj : m_escena->Personajes()) personajes.insert(pj->m_iFila);
        for (const auto* lista : {&m_escena->Fondos(), &m_escena->Imagenes()})
            for (const auto& im : *lista) imagenes.insert(im->m_iFila);
        int pasos = 0, lineas = 0;
        while (m_escena->GetResultado() == -1 && pasos < 4000) {
            if (m_escena->Estado() == SECUENCIADOR_ESPERA_JUGADOR) {
                Clic();
                ++lineas;
            }
            m_escena->Actualiza();
            AvanzaFrame();
            ++pasos;
            ASSERT_EQ(m_escena->TextoEscrito().find("***"), std::string::npos) << m_escena->TextoEscrito();
        }
        EXPECT_EQ(m_escena->GetResultado(), 1);
        EXPECT_GE(lineas, 1);
        // Every line of the scene is written in the three languages.
        FitxerComandes* f = g_pGestorComandes->ObreLectura(x.szFichero);
        ASSERT_NE(f, nullptr);
        do {
            if (std::string(g_pGestorComandes->NomComanda(f)) != "JAPTXTLINE") continue;
            g_pGestorComandes->LlegeixCodi(f);
            const int c = g_pGestorComandes->LlegeixCodi(f);
            for (int i = 0; i < 3; ++i) EXPECT_EQ(std::string(g_GestorFLIs.GetTexto(c, i)).find("***"), std::string::npos);
        } while (g_pGestorComandes->LlegeixComanda(f));
        g_pGestorComandes->Tanca(f);
    }
    g_GestorFLIs.SeleccionaIdioma(2);
    EXPECT_EQ(personajes.size(), static_cast<size_t>(NUM_PERSONAJES_ESCENA));
    EXPECT_EQ(imagenes.size(), static_cast<size_t>(NUM_IMAGENES_ESCENA));
    // Loading them unlocked every character's and every picture's marker.
    for (int i = 0; i < NUM_IMAGENES_ESCENA; ++i)
        EXPECT_TRUE(Perfil().EstaDesbloqueado(NombreMarcador(MARCADOR_PRIMERA_GALERIA + i))) << i;
    for (const Personaje& pj : RegistroPersonajes)
        EXPECT_TRUE(Perfil().EstaDesbloqueado(NombreMarcador(MARCADOR_PRIMER_PERSONAJE + pj.m_iMarcador))) << pj.m_pszNombre;
}
