// The level table and the level-file reader, over small files on disk.
#include "engine/core/GestorComandes.h"
#include "game/Personajes.h"
#include "game/play/TablaNiveles.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>

namespace {

class LectorNiveles : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = mgtest::CarpetaNova("niveles");
        servicios = std::make_unique<mgtest::ServeisFitxers>(carpeta.string());
        ASSERT_TRUE(servicios->Correcte());
    }
    void TearDown() override { servicios.reset(); }

    // The record that a file with `texto` leaves in the slot of row `fila`.
    RegistroNivel Lee(const std::string& texto, int fila = 0)
    {
        mgtest::EscriuFitxer(carpeta / "nivel.lvl", texto);
        FitxerComandes* f = g_pGestorComandes->ObreLectura("nivel.lvl");
        EXPECT_NE(f, nullptr);
        if (!f) return {};
        const FilaCatalogoNiveles& r = CatalogoNiveles()[static_cast<size_t>(fila)];
        EXPECT_TRUE(tabla.LeeNivel(r, *g_pGestorComandes, f));
        g_pGestorComandes->Tanca(f);
        return tabla.Entrada(r.m_iDificultad, r.m_iGrupo, r.m_iParte)->m_Registro;
    }

    // Every catalogue file with its own row number as PAR, but for the row
    // `falta` (none when -1).
    void EscribeCatalogo(int falta = -1)
    {
        int i = 0;
        for (const FilaCatalogoNiveles& f : CatalogoNiveles()) {
            std::string ruta = f.m_sRuta;
            for (char& c : ruta)
                if (c == '\\') c = '/';
            if (i != falta) mgtest::EscriuFitxer(carpeta / ruta, "PAR = " + std::to_string(i) + ";\n");
            ++i;
        }
    }

    std::filesystem::path carpeta;
    std::unique_ptr<mgtest::ServeisFitxers> servicios;
    CTablaNiveles tabla;
};

int Codigo(const char* c) { return (c[0] << 24) | (c[1] << 16) | (c[2] << 8) | c[3]; }

struct Caso {
    const char* nombre;
    std::string texto;
    std::function<void(RegistroNivel&)> esperado;  // applied to the defaults
};

TEST_F(LectorNiveles, KeysAndTheirConversions)
{
    // (4, 0) of difficulty 0: a chapter's first stage, tutorial 4.
    const Caso casos[] = {
        {"only a name", "FLINOMBRE = C020;", [](RegistroNivel& r) { r.FLINOMBRE = Codigo("C020"); }},
        {"seconds to steps", "SECSPARAINICIO = 2; TIEMPOLIMITE = 90;",
         [](RegistroNivel& r) {
             r.SECSPARAINICIO = 60.0f;
             r.TIEMPOLIMITE = 2700;
         }},
        {"mode word", "MODOJUEGO = SOLO_CONCENTRAR;", [](RegistroNivel& r) { r.MODOJUEGO = 3; }},
        {"mode word in lower case", "MODOJUEGO = solo_concentrar;", [](RegistroNivel& r) { r.MODOJUEGO = 3; }},
        {"unknown mode word keeps the mode", "MODOJUEGO = SOLO_ATAQUES; MODOJUEGO = ARCADE;",
         [](RegistroNivel& r) { r.MODOJUEGO = 2; }},
        {"keys in any case", "numColores = 5; Par = 7; fondo = \"AlAzar\";",
         [](RegistroNivel& r) {
             r.NUMCOLORES = 5;
             r.PAR = 7;
             r.FONDO = "AlAzar";
         }},
        {"character through the key table", "IDPERSO = 2; IDPERSOVS = 6;",
         [](RegistroNivel& r) {
             r.m_Personaje = {true, 6, true};
             r.IDPERSOVS = 7;
         }},
        {"no character", "IDPERSO = -1; IDPERSOVS = -1;", [](RegistroNivel&) {}},
        {"bonus record by word", "PORCENTAJEBONUSES = ALDUNIA, 5, 1, 1, 2, 0, 0, 0, 0, 0, 0;",
         [](RegistroNivel& r) { r.PORCENTAJEBONUSES[2] = {{0.25f, 0.25f, 0.5f}, 5, true}; }},
        {"bonus record without weights", "PORCENTAJEBONUSES = aldunia, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0;",
         [](RegistroNivel& r) { r.PORCENTAJEBONUSES[2].m_iPeriodo = 5; }},
        {"unknown word selects the general record", "PORCENTAJEBONUSESSOLOCONCENTRAR = NADIE, 3, 0, 4;",
         [](RegistroNivel& r) { r.PORCENTAJEBONUSESSOLOCONCENTRAR[0] = {{0.0f, 1.0f}, 3, true}; }},
        {"two attacks", "ATAQUEENEMIGO = 5, 60, 300, 20; ATAQUEENEMIGO = 7, 1, 2, 3;",
         [](RegistroNivel& r) {
             r.ATAQUEENEMIGO.m_aiTipo = {5, 7, 0};
             r.ATAQUEENEMIGO.m_aiEspera = {60, 1, 0};
             r.ATAQUEENEMIGO.m_aiDuracion = {300, 2, 0};
             r.ATAQUEENEMIGO.m_aiIntervalo = {20, 3, 0};
         }},
        {"rush without values", "RUSHDESELLOS = ;", [](RegistroNivel& r) { r.RUSHDESELLOS = true; }},
        {"missing integers read -1", "TIEMPOEXTRAPORNIVELSOLOCONCENTRAR = 5, 6;",
         [](RegistroNivel& r) {
             r.TIEMPOEXTRAPORNIVELSOLOCONCENTRAR.fill(-1);
             r.TIEMPOEXTRAPORNIVELSOLOCONCENTRAR[0] = 5;
             r.TIEMPOEXTRAPORNIVELSOLOCONCENTRAR[1] = 6;
         }},
        {"flags", "JUGABLE = 3; ATAQUEINCREMENTAL = 1; PERSOS_SON_ENEMIGOS = 2;",
         [](RegistroNivel& r) {
             r.JUGABLE = true;
             r.ATAQUEINCREMENTAL = true;
             r.PERSOS_SON_ENEMIGOS = false;
         }},
        {"lists grow", "FIGURA_SOLO_SELLOS = \"a\"; FIGURA_SOLO_SELLOS = \"b\"; CONSEJO = K001; CONSEJO = NONE;",
         [](RegistroNivel& r) {
             r.FIGURA_SOLO_SELLOS[0] = "a";
             r.FIGURA_SOLO_SELLOS[1] = "b";
             r.m_iNumFigurasSoloSellos = 2;
             r.CONSEJO[0] = Codigo("K001");
             r.m_iNumConsejos = 2;
         }},
        {"a multi row keeps its missing texts", "MULTIIMAGENFINAL_SOLO_SELLOS = \"a\", \"b\";",
         [](RegistroNivel& r) {
             r.MULTIIMAGENFINAL_SOLO_SELLOS[0][0] = "a";
             r.MULTIIMAGENFINAL_SOLO_SELLOS[0][1] = "b";
             r.m_iNumMultiImagenesSoloSellos = 1;
         }},
        {"pool entries in order", "FIGURASSOLOCONCENTRARMITAD = \"x\", \"\", \"z\";",
         [](RegistroNivel& r) {
             r.FIGURASSOLOCONCENTRARMITAD[0] = "x";
             r.FIGURASSOLOCONCENTRARMITAD[2] = "z";
         }},
        {"unknown commands are skipped", "NADA = 1; FIN; PAR = 4;", [](RegistroNivel& r) { r.PAR = 4; }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        tabla.Reinicia();
        RegistroNivel esperado;
        esperado.m_iGrupo = 4;
        esperado.m_iParte = 0;
        esperado.m_iTutorial = 4;
        c.esperado(esperado);
        EXPECT_TRUE(Lee(c.texto, IndiceCatalogo(0, 4, 0)) == esperado);
    }
}

TEST_F(LectorNiveles, LimitsTheFilesMustKeepAreEnforced)
{
    std::string largo(2000, 'x');
    std::string muchos;
    for (int i = 0; i < 22; ++i)
        muchos += "FIGURA_SOLO_SELLOS = \"f\"; IMAGENFINAL_SOLO_SELLOS = \"i\"; MULTIFIGURA_SOLO_SELLOS = \"m\"; "
                  "MULTIIMAGENFINAL_SOLO_SELLOS = \"r\"; CONSEJO = K" + std::to_string(100 + i) + ";\n";
    const Caso casos[] = {
        {"a fourth attack", "ATAQUEENEMIGO = 1,1,1,1; ATAQUEENEMIGO = 2,2,2,2; ATAQUEENEMIGO = 3,3,3,3; "
                            "ATAQUEENEMIGO = 4,4,4,4;",
         [](RegistroNivel& r) {
             r.ATAQUEENEMIGO.m_aiTipo = {1, 2, 3};
             r.ATAQUEENEMIGO.m_aiEspera = {1, 2, 3};
             r.ATAQUEENEMIGO.m_aiDuracion = {1, 2, 3};
             r.ATAQUEENEMIGO.m_aiIntervalo = {1, 2, 3};
         }},
        {"lists at their length", muchos,
         [](RegistroNivel& r) {
             r.FIGURA_SOLO_SELLOS.fill("f");
             r.IMAGENFINAL_SOLO_SELLOS.fill("i");
             r.MULTIFIGURA_SOLO_SELLOS.fill("m");
             for (auto& fila : r.MULTIIMAGENFINAL_SOLO_SELLOS) fila[0] = "r";
             r.m_iNumFigurasSoloSellos = r.m_iNumImagenesSoloSellos = 15;
             r.m_iNumMultiFigurasSoloSellos = r.m_iNumMultiImagenesSoloSellos = 5;
             for (int i = 0; i < 20; ++i) r.CONSEJO[static_cast<size_t>(i)] = Codigo(("K" + std::to_string(100 + i)).c_str());
             r.m_iNumConsejos = 20;
         }},
        {"picture index outside 0..3", "IMAGENFINAL = 4, \"a\"; IMAGENFINAL = -1, \"b\"; IMAGENFINAL = 3, \"c\";",
         [](RegistroNivel& r) { r.IMAGENFINAL[3] = "c"; }},
        {"character keys outside the table", "IDPERSO = 11; IDPERSOVS = 12; IDPERSO = -7; IDPERSOVS = 10;",
         [](RegistroNivel& r) { r.IDPERSOVS = 10; }},
        {"texts cut to their field", "FIGURA = \"" + largo + "\"; RANURAMUSICA = \"" + largo + "\";",
         [&](RegistroNivel& r) {
             r.FIGURA = largo.substr(0, 1023);
             r.RANURAMUSICA = largo.substr(0, 255);
         }},
        {"colours 0", "NUMCOLORES = 0;", [](RegistroNivel& r) { r.NUMCOLORES = 1; }},
        {"colours 9", "NUMCOLORES = 9;", [](RegistroNivel& r) { r.NUMCOLORES = 8; }},
        {"figure number past the built-ins", "TAPIZ = 300;", [](RegistroNivel&) {}},
        {"last built-in figure", "TAPIZ = 46;", [](RegistroNivel& r) { r.TAPIZ = 46; }},
        {"a time limit whose steps overflow", "TIEMPOLIMITE = 2000000000;",
         [](RegistroNivel& r) { r.TIEMPOLIMITE = 71582788 * 30; }},
        {"a negative time limit is none", "TIEMPOLIMITE = 90; TIEMPOLIMITE = -5;", [](RegistroNivel&) {}},
        {"curse kinds outside 0..11", "ATAQUEENEMIGO = 12, 1, 2, 3; ATAQUEENEMIGO = -4, 1, 2, 3;",
         [](RegistroNivel& r) {
             r.ATAQUEENEMIGO.m_aiEspera = {1, 1, 0};
             r.ATAQUEENEMIGO.m_aiDuracion = {2, 2, 0};
             r.ATAQUEENEMIGO.m_aiIntervalo = {3, 3, 0};
         }},
        {"negative weights count as 0", "PORCENTAJEBONUSES = GENERAL, 9, 0, -5, 1, 1;",
         [](RegistroNivel& r) { r.PORCENTAJEBONUSES[0] = {{0.0f, 0.0f, 0.5f, 0.5f}, 9, true}; }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        tabla.Reinicia();
        RegistroNivel esperado;
        esperado.m_iGrupo = 0;
        esperado.m_iParte = 0;
        esperado.m_iTutorial = 0;
        c.esperado(esperado);
        const RegistroNivel r = Lee(c.texto, 0);
        EXPECT_TRUE(r == esperado);
        EXPECT_EQ(r.TIEMPOLIMITE, esperado.TIEMPOLIMITE);
    }
}

TEST_F(LectorNiveles, SlotHeadKeysAndExtraModeDefault)
{
    const RegistroNivel r = Lee("JAPSECINTRO = \"Intro\"; JAPSECOUTRO = \"Outro\"; CAPDESBLOQ = 3; PARTEDESBLOQ = 1;", 1);
    const EntradaNivel* e = tabla.Entrada(0, 0, 1);
    EXPECT_EQ(e->JAPSECINTRO, "Intro");
    EXPECT_EQ(e->JAPSECOUTRO, "Outro");
    EXPECT_EQ(e->CAPDESBLOQ, 3);
    EXPECT_EQ(e->PARTEDESBLOQ, 1);
    EXPECT_EQ(r.m_iTutorial, TUTORIAL_NINGUNO);
    EXPECT_EQ(r.m_iNivelModoExtra, -1);
    EXPECT_EQ(r.m_iMarcadorAlGanar, 271);
    EXPECT_EQ(r.NIVELACTIVACIONBONUSESSOLOCONCENTRAR[4], -1);
}

TEST_F(LectorNiveles, WholeCatalogueAndChoosingLevels)
{
    EscribeCatalogo();
    ASSERT_TRUE(tabla.CargaNiveles(*g_pGestorComandes));
    for (int d = 0; d < 4; ++d) {
        SCOPED_TRACE(d);
        RegistroNivel r;
        ASSERT_TRUE(tabla.EligeNivel(13, 10, d, r));
        EXPECT_EQ(r.PAR, IndiceCatalogo(d, 13, 10));
        EXPECT_EQ(CatalogoNiveles()[static_cast<size_t>(r.PAR)].m_sRuta,
                  std::string("Data\\Niveles\\SoloSellos\\") + NombresDificultad[d] + "\\Azar.lvl");
        EXPECT_EQ(r.m_iGrupo, 13);
        EXPECT_EQ(r.m_iParte, 10);
        ASSERT_TRUE(tabla.EligeNivel(14, 0, d, r));
        EXPECT_EQ(CatalogoNiveles()[static_cast<size_t>(r.PAR)].m_sRuta,
                  std::string("Data\\Niveles\\SoloAtaques\\") + NombresDificultad[d] + "\\Jugar.lvl");
        EXPECT_EQ(r.m_iGrupo, 14);
    }
    // Outside the catalogue: the defaults.
    for (auto [g, p, d] : {std::tuple{0, 3, 0}, {16, 0, 0}, {15, 2, 1}, {-1, 0, 0}, {0, 0, 4}}) {
        RegistroNivel r;
        r.PAR = 5;
        EXPECT_FALSE(tabla.EligeNivel(g, p, d, r));
        EXPECT_TRUE(r == RegistroNivel{});
    }
}

TEST_F(LectorNiveles, MissingFileStopsTheReadingThere)
{
    const int falta = 100;
    EscribeCatalogo(falta);
    EXPECT_FALSE(tabla.CargaNiveles(*g_pGestorComandes));
    EXPECT_EQ(tabla.FicheroQueFalta(), CatalogoNiveles()[falta].m_sRuta);
    for (int i = 0; i < NUM_FILAS_CATALOGO; ++i) {
        const FilaCatalogoNiveles& f = CatalogoNiveles()[static_cast<size_t>(i)];
        const EntradaNivel* e = tabla.Entrada(f.m_iDificultad, f.m_iGrupo, f.m_iParte);
        if (i < falta)
            ASSERT_EQ(e->m_Registro.PAR, i);
        else
            ASSERT_TRUE(*e == EntradaNivel{}) << i;
    }
}

// A level file that does not read whole (a record that is no level record,
// a cut last record) stops the reading there like a missing one, naming it.
TEST_F(LectorNiveles, ADamagedFileStopsTheReadingThere)
{
    const int danado = 40;
    std::string ruta = CatalogoNiveles()[danado].m_sRuta;
    for (char& c : ruta)
        if (c == '\\') c = '/';
    for (const char* texto : {"PAR = 40;\nP\x01R\xfe = 3;\n", "PAR = 40;\nTIEMPOLIMITE = 3"}) {
        SCOPED_TRACE(texto);
        EscribeCatalogo();
        mgtest::EscriuFitxer(carpeta / ruta, texto);
        EXPECT_FALSE(tabla.CargaNiveles(*g_pGestorComandes));
        EXPECT_EQ(tabla.FicheroQueFalta(), CatalogoNiveles()[danado].m_sRuta);
        const FilaCatalogoNiveles& f = CatalogoNiveles()[danado + 1];
        EXPECT_TRUE(*tabla.Entrada(f.m_iDificultad, f.m_iGrupo, f.m_iParte) == EntradaNivel{});
    }
    EscribeCatalogo();
    EXPECT_TRUE(tabla.CargaNiveles(*g_pGestorComandes));
    EXPECT_EQ(tabla.FicheroQueFalta(), "");
}

TEST(CatalogoNiveles, RowsFollowTheRule)
{
    const auto& filas = CatalogoNiveles();
    const struct {
        int fila;
        const char* ruta;
        int tutorial;
    } muestras[] = {
        {0, "Data\\Niveles\\ModoHistoria\\Pasatiempos\\Cap_02_0.lvl", 0},
        {3, "Data\\Niveles\\ModoHistoria\\Pasatiempos\\Cap_03_0.lvl", 1},
        {52, "Data\\Niveles\\ModoHistoria\\Pasatiempos\\Cap_13_3.lvl", 12},
        {53, "Data\\Niveles\\ModoHistoria\\Pasatiempos\\Rapida.lvl", 12},
        {54, "Data\\Niveles\\SoloSellos\\Pasatiempos\\Primero.lvl", 12},
        {63, "Data\\Niveles\\SoloSellos\\Pasatiempos\\MultiSellos.lvl", 12},
        {66, "Data\\Niveles\\SoloAtaques\\Pasatiempos\\JugarSinFin.lvl", 12},
        {67, "Data\\Niveles\\SoloConcentrar\\Pasatiempos\\JugarA10.lvl", 12},
        {69 + 49, "Data\\Niveles\\ModoHistoria\\Puzzle\\Cap_13_0.lvl", 11},
        {207 + 68, "Data\\Niveles\\SoloConcentrar\\Heroico\\JugarSinFin.lvl", 12},
    };
    for (const auto& m : muestras) {
        EXPECT_EQ(filas[static_cast<size_t>(m.fila)].m_sRuta, m.ruta);
        EXPECT_EQ(filas[static_cast<size_t>(m.fila)].m_iTutorial, m.tutorial);
    }
    int i = 0;
    for (const FilaCatalogoNiveles& f : filas) {
        SCOPED_TRACE(i);
        EXPECT_EQ(f.m_iDificultad, i / 69);
        EXPECT_EQ(IndiceCatalogo(f.m_iDificultad, f.m_iGrupo, f.m_iParte), i);
        EXPECT_NE(f.m_sRuta.find(std::string("\\") + NombresDificultad[f.m_iDificultad] + "\\"), std::string::npos);
        EXPECT_EQ(f.m_iTutorial, f.m_iGrupo < 12 && f.m_iParte == 0 ? f.m_iGrupo : 12);
        if (f.m_iGrupo < 12) {
            char nombre[32];
            std::snprintf(nombre, sizeof nombre, "Cap_%02d_%d.lvl", f.m_iGrupo + 2, f.m_iParte);
            EXPECT_EQ(f.m_sRuta.substr(f.m_sRuta.size() - 12), nombre);
        }
        // Blocks are alike but for the difficulty.
        const FilaCatalogoNiveles& f0 = filas[static_cast<size_t>(i % 69)];
        EXPECT_EQ(f.m_iGrupo, f0.m_iGrupo);
        EXPECT_EQ(f.m_iParte, f0.m_iParte);
        ++i;
    }
    EXPECT_EQ(IndiceCatalogo(0, 13, 10) + 1, IndiceCatalogo(0, 14, 0));
}

TEST(CatalogoNiveles, LineMaximumWhenReachingAStage)
{
    EXPECT_EQ(LineaMaximaAlLlegar(0, 0), 4);
    EXPECT_EQ(LineaMaximaAlLlegar(0, 2), 4);
    EXPECT_EQ(LineaMaximaAlLlegar(1, 0), 5);
    EXPECT_EQ(LineaMaximaAlLlegar(2, 2), 6);
    EXPECT_EQ(LineaMaximaAlLlegar(4, 0), 6);
    EXPECT_EQ(LineaMaximaAlLlegar(10, 3), 12);
    EXPECT_EQ(LineaMaximaAlLlegar(11, 3), 12);
}

TEST(RegistroPersonajes, EveryNumberedTableNamesTheSameCharacter)
{
    EXPECT_EQ(TablaIdPerso, (std::array<int, 11>{0, 3, 6, 1, 5, 2, 7, 4, 8, 9, 10}));
    // The HUD's order, with its portrait folders and voice prefixes.
    const char* const hud[] = {"Maida",    "Adeletia", "Franz",     "Aldunia", "Asesino",       "Alfatima",
                               "Irina",    "Stokinnen", "Teresia",  "Soldado", "TeresiaSalvada"};
    // The portrait sheet follows the level files' keys.
    const char* const retratos[] = {"Maida",     "Aldunia", "Irina",   "Adeletia", "Alfatima",   "Franz",
                                    "Stokinnen", "Asesino", "Teresia", "Soldado",  "TeresiaViva"};
    // The story map's nine pictures, by folder.
    const char* const mapa[] = {"Adeletia", "Aldunia",   "Alfatima", "Asesino", "Franz",
                                "Irina",    "Maida",     "Stokinnen", "Teresia"};
    for (int n = 0; n < NUM_PERSONAJES; ++n) {
        const Personaje* p = PersonajePorNumero(n);
        ASSERT_NE(p, nullptr);
        EXPECT_STREQ(p->m_pszCarpeta, hud[n]);
        EXPECT_EQ(BuscaPersonaje(p->m_pszNombre), p);
        EXPECT_STREQ(PersonajePorClaveNivel(p->m_iClaveNivel)->m_pszNombre, p->m_pszNombre);
        EXPECT_STREQ(retratos[p->m_iClaveNivel], p->m_pszNombre);
        EXPECT_EQ(BuscaMarcador(("MPerso_" + std::to_string(p->m_iMarcador)).c_str()),
                  MARCADOR_PRIMER_PERSONAJE + n);
        if (p->m_iRetratoMapa >= 0) {
            EXPECT_STREQ(mapa[p->m_iRetratoMapa], p->m_pszCarpeta);
        }
    }
    EXPECT_EQ(BuscaPersonaje("maida"), PersonajePorNumero(0));
    EXPECT_EQ(BuscaPersonaje("Nadie"), nullptr);
    EXPECT_EQ(PersonajePorClaveNivel(11), nullptr);
    EXPECT_EQ(PersonajePorClaveNivel(-1), nullptr);
}

} // namespace
