// The profile a finished story leaves, made without playing it (the profile
// tool's): what the whole-story test finds in the profile the real story
// leaves, and what the credits and the menus' first visits leave besides.
#include "game/play/CatalogoNiveles.h"
#include "game/play/Figuras.h"
#include "game/play/TablaNiveles.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/RegistroPerfil.h"
#include "game/screens/HistoriaTerminada.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <string>
#include <strings.h>
#include <vector>

namespace {

std::vector<std::string> Serie(const std::string& prefijo, int desde, int hasta, size_t ancho = 1)
{
    std::vector<std::string> v;
    for (int i = desde; i <= hasta; ++i) {
        std::string n = std::to_string(i);
        if (n.size() < ancho) n.insert(0, ancho - n.size(), '0');
        v.push_back(prefijo + n);
    }
    return v;
}

} // namespace

TEST(HistoriaTerminada, TheProfileHoldsWhatTheWholeStoryLeaves)
{
    kit::CJuegoPrueba juego("historia_terminada");
    ASSERT_TRUE(juego.Iniciado());
    CPerfiles perfiles;
    perfiles.m_iPerfilActual = 0;
    RegistraPerfilesJuego(&perfiles);
    RegistroPerfil& p = perfiles.m_aPerfiles[0];
    ASSERT_TRUE(p.Carga(CPerfiles::RutaRanura(0).c_str(), true));
    p.CambiaNombre("Ada");
    CGestorDesbloqueos* gestor = g_pMenuMaestro->GestorDesbloqueos();
    ASSERT_NE(gestor, nullptr);
    const CTablaNiveles& niveles = g_pMenuMaestro->m_TablaNiveles;
    TerminaHistoria(p, *gestor, &niveles);

    for (int d = 0; d < NUM_DIFICULTADES; ++d) {
        SCOPED_TRACE(d);
        p.FijaDificultad(d);
        EXPECT_EQ(p.ProgresoHistoria(d), 53);
        EXPECT_EQ(p.Bloque().m_aiDatos[BloqueDificultad::CONTADOR_MAPA], 9);
    }
    p.FijaDificultad(0);
    EXPECT_EQ(p.Bloque().m_aiDatos[BloqueDificultad::LINEA_MAXIMA], LINEA_MAXIMA_PRIMERA_ETAPA + 8);
    EXPECT_STREQ(p.m_szNombre, "Ada");

    // What the whole-story test finds after the real story.
    std::vector<std::vector<std::string>> series = {
        Serie("Tuto", 1, 12, 2), Serie("MCapitulos_", 0, 11), Serie("MPerso_", 0, 10), Serie("MGaleria_", 0, 44),
        Serie("MTrofeo_", 10, 10), Serie("MTrofeo_", 33, 38)};
    for (const char* s : {"m_pBoton_Concentrar_JugarA20_Dif", "m_pBoton_Sellos_Peque1_Dif", "m_pBoton_Ataques_Jugar_Dif"})
        series.push_back(Serie(s, 0, 3));
    // The chest and the credits open on the main menu; the credits open the
    // fourth difficulty; the main menu's first-visit box and the chest's
    // notice were told.
    series.push_back({"MPrin_BotonCofreTesoro", "MPrin_BotonCreditos", "BoxDif_3", "MCofre_Personajes",
                      "MCofre_Capitulos", "MCofre_Galeria", "MCofre_Sellos", "ExplicacionMenuPrincipal",
                      "AvisoCofreTesoro"});
    // Every story stage's seal in the gallery.
    std::vector<std::string> sellos;
    for (int e = 0; e < CMenuModoHistoria::kNumEtapas; ++e) {
        int c = 0, parte = 0;
        ASSERT_TRUE(CapituloYParte(e, c, parte));
        const EntradaNivel* entrada = niveles.Entrada(0, c, parte);
        ASSERT_NE(entrada, nullptr);
        const std::string& figura = entrada->m_Registro.FIGURA;
        for (const FilaFiguraGaleria& f : TablaFigurasGaleria)
            if (figura.size() > 7 && strcasecmp(figura.c_str() + 7, f.m_pszFigura) == 0)
                sellos.push_back("MGalSello_" + std::to_string(f.m_iSello));
    }
    EXPECT_GT(sellos.size(), 30u);
    // The trophies for levels won at one difficulty count the stages with a
    // best line count: the story's stages with a par keep one at their par.
    EXPECT_GE(p.CuentaNivelesJugados(0), 31);
    series.push_back(sellos);
    for (const auto& serie : series)
        for (const std::string& m : serie) EXPECT_TRUE(p.EstaDesbloqueado(m.c_str())) << m;
    RegistraPerfilesJuego(nullptr);
}
