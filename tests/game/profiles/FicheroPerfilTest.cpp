#include "PerfilPrueba.h"

#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "game/CatalogoJuego.h"
#include "game/profiles/Perfiles.h"
#include "kit/ServeisFitxers.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <signal.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Gives every field a value of its own so that a mix-up shows.
void Rellena(RegistroPerfil& p, const char* nombre, int semilla)
{
    p.CambiaNombre(nombre);
    for (int d = 0; d < NUM_DIFICULTADES; ++d) {
        int32_t* v = p.m_aBloques[d].m_aiDatos;
        v[BloqueDificultad::CONTADOR_MAPA] = (semilla + d) % 10;
        v[BloqueDificultad::PROGRESO_HISTORIA] = (semilla * 3 + d) % 70;
        v[BloqueDificultad::LINEA_MAXIMA] = 4 + d;
        v[BloqueDificultad::RESERVADO] = semilla + 100 * d;
        for (int i = BloqueDificultad::PRIMERA_PUNTUACION; i < BloqueDificultad::PRIMER_TIEMPO; ++i)
            v[i] = semilla * 1000 + d * 100 + i;
        for (int i = BloqueDificultad::PRIMER_TIEMPO; i < BloqueDificultad::PRIMERA_JUGADA; ++i)
            v[i] = semilla * 10000 + d * 1000 + i;
        for (int i = BloqueDificultad::PRIMERA_JUGADA; i < BloqueDificultad::NUM_DATOS; ++i)
            v[i] = 1 + (semilla + d + i) % 998;
    }
    p.m_bModificado = 1;
}

// The full content of a record as one comparable text; list names sorted,
// as their order flips with each load.
std::string Resumen(RegistroPerfil& p)
{
    std::ostringstream o;
    o << p.m_szNombre << '|';
    for (const BloqueDificultad& b : p.m_aBloques)
        for (int32_t v : b.m_aiDatos) o << v << ',';
    for (CLista* l : {&p.m_ListaRecienDesbloqueados, &p.m_ListaBloqueados, &p.m_ListaNovedades}) {
        o << '|';
        auto nombres = Nombres(*l);
        std::sort(nombres.begin(), nombres.end());
        for (const std::string& n : nombres) o << n << ',';
    }
    return o.str();
}

// The unlock cascade on a record that is not the current profile.
void DesbloqueaEn(RegistroPerfil& p, const char* nombre)
{
    for (int i = BuscaMarcador(nombre); i != MARCADOR_NINGUNO; i = PadreMarcador(i)) p.MarcaDesbloqueado(NombreMarcador(i));
}

std::vector<std::string> Lineas(const std::string& texto)
{
    std::vector<std::string> out;
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

std::string Une(const std::vector<std::string>& lineas, size_t hasta)
{
    std::string s;
    for (size_t i = 0; i < hasta && i < lineas.size(); ++i) s += lineas[i] + "\n";
    return s;
}

class FicheroPerfil : public PerfilPrueba {
protected:
    void SetUp() override
    {
        PerfilPrueba::SetUp();
        ASSERT_TRUE(serveis.Correcte());
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        carpeta = mgtest::CarpetaNova(std::string("perfiles_") + info->name());
        ruta = (carpeta / "Perfil2.SVG").string();
    }
    // A fresh profile with values in every field, saved at `ruta`.
    std::string GuardaEjemplo(const char* nombre = "Ada", int semilla = 1)
    {
        RegistroPerfil p;
        EXPECT_TRUE(p.Carga(ruta.c_str(), true));
        Rellena(p, nombre, semilla);
        DesbloqueaEn(p, "MGalSello_3");
        EXPECT_TRUE(p.Guarda());
        return mgtest::LlegeixFitxer(ruta);
    }
    // Loads `texto` as the slot's file; returns the load's result.
    bool CargaTexto(RegistroPerfil& p, const std::string& texto)
    {
        mgtest::EscriuFitxer(ruta, texto);
        return p.Carga(ruta.c_str(), false);
    }

    mgtest::ServeisFitxers serveis;
    fs::path carpeta;
    std::string ruta;
};

} // namespace

// The four slots' files lie in the per-user folder, one file each.
TEST_F(FicheroPerfil, SlotFilesLieInTheUserFolder)
{
    const std::string usuario = g_pSistemaFitxers->CarpetaUsuari();
    ASSERT_FALSE(usuario.empty());
    std::vector<std::string> rutas;
    for (int i = 0; i < NUM_PERFILES; ++i) {
        char nombre[32];
        std::snprintf(nombre, sizeof nombre, juego::fichero::PERFIL, i);
        rutas.push_back(CPerfiles::RutaRanura(i));
        EXPECT_EQ(rutas.back(), usuario + "/" + nombre);
        EXPECT_EQ(std::count(rutas.begin(), rutas.end(), rutas.back()), 1);
    }
    EXPECT_EQ(CPerfiles::RutaRanura(-1), "");
    EXPECT_EQ(CPerfiles::RutaRanura(NUM_PERFILES), "");
}

TEST_F(FicheroPerfil, MissingFileGivesFreshProfile)
{
    RegistroPerfil p;
    EXPECT_TRUE(p.Carga(ruta.c_str(), false));
    EXPECT_TRUE(p.m_bCargado);
    EXPECT_STREQ(p.m_szNombre, "");
    EXPECT_STREQ(p.m_szRuta, ruta.c_str());
    EXPECT_EQ(p.m_ListaBloqueados.m_iNumElementos, 266);
    EXPECT_EQ(Nombres(p.m_ListaNovedades), std::vector<std::string>{"MPrin_ModoHistoria"});
    EXPECT_TRUE(p.m_ListaRecienDesbloqueados.EstaVacia());
    // The first name added (marker 1) ends at the tail.
    EXPECT_EQ(Nombres(p.m_ListaBloqueados).back(), "MPrin_BotonRapida");
    EXPECT_EQ(Nombres(p.m_ListaBloqueados).front(), "Tuto12");
    // Unmodified, so nothing is written: the slot stays empty on disk.
    EXPECT_FALSE(fs::exists(ruta));
}

TEST_F(FicheroPerfil, FileLayout)
{
    const auto lineas = Lineas(GuardaEjemplo("Ann, the; Bold // x"));
    ASSERT_EQ(lineas.size(), 1u + 1 + 4 + 4 + 80 + 3);
    EXPECT_EQ(lineas[0], "PERFILVELQUISTVER = \"0.0001A\";");
    EXPECT_EQ(lineas[1].rfind("DATA = \"Ann, the; Bold // x\",1,3,4,1,2,4,5,101,", 0), 0u) << lineas[1];
    // DATA2 of difficulty 0: rank 0 of tables 0..3, then rank 1...
    EXPECT_EQ(lineas[2].rfind("DATA2 = 1004,1008,1012,1016,1005,", 0), 0u) << lineas[2];
    // DATA3: rank 0 of tables 0..10, then rank 1.
    EXPECT_EQ(lineas[6].rfind("DATA3 = 10020,10024,10028,10032,10036,10040,10044,10048,10052,10056,10060,10021,", 0), 0u)
        << lineas[6];
    EXPECT_EQ(lineas[10].rfind("DATA4 = ", 0), 0u);
    EXPECT_EQ(lineas[89].rfind("DATA4 = ", 0), 0u);
    EXPECT_EQ(lineas[90].rfind("BOTON_RECIEN_DESBLOQUEADO = \"MPrin_BotonCofreTesoro\",\"MCofre_Sellos\",", 0), 0u);
    EXPECT_EQ(lineas[91].rfind("BOTON_BLOQUEADO = \"Tuto12\",", 0), 0u);
    EXPECT_EQ(lineas[92].rfind("BOTON_CON_NOVEDADES = ", 0), 0u);
    EXPECT_FALSE(fs::exists(ruta + ".tmp"));
}

TEST_F(FicheroPerfil, RoundTripReversesListsEachTime)
{
    GuardaEjemplo("Ann, the; Bold // x", 3);
    RegistroPerfil a;
    ASSERT_TRUE(a.Carga(ruta.c_str(), false));
    EXPECT_TRUE(a.m_bCargado);
    EXPECT_STREQ(a.m_szNombre, "Ann, the; Bold // x");
    EXPECT_EQ(a.m_iDificultad, 1);
    RegistroPerfil esperado;
    esperado.Carga("", false);
    Rellena(esperado, "x", 3);
    for (int d = 0; d < NUM_DIFICULTADES; ++d)
        for (int i = 0; i < BloqueDificultad::NUM_DATOS; ++i)
            ASSERT_EQ(a.m_aBloques[d].m_aiDatos[i], esperado.m_aBloques[d].m_aiDatos[i]) << d << "/" << i;
    const auto recien = Nombres(a.m_ListaRecienDesbloqueados);
    EXPECT_EQ(recien, (std::vector<std::string>{"MGalSello_3", "MCofre_Sellos", "MPrin_BotonCofreTesoro"}));
    const auto bloqueados = Nombres(a.m_ListaBloqueados);
    EXPECT_EQ(bloqueados.front(), "MPrin_BotonRapida");
    EXPECT_EQ(bloqueados.size(), 263u);

    // Saving writes from the head: the file's order flips, the meaning stays.
    a.m_bModificado = 1;
    ASSERT_TRUE(a.Guarda());
    EXPECT_FALSE(a.m_bModificado);
    RegistroPerfil b;
    ASSERT_TRUE(b.Carga(ruta.c_str(), false));
    auto invertidos = recien;
    std::reverse(invertidos.begin(), invertidos.end());
    EXPECT_EQ(Nombres(b.m_ListaRecienDesbloqueados), invertidos);
    EXPECT_EQ(Nombres(b.m_ListaBloqueados).front(), "Tuto12");
    b.m_bModificado = 1;
    ASSERT_TRUE(b.Guarda());
    RegistroPerfil c;
    ASSERT_TRUE(c.Carga(ruta.c_str(), false));
    EXPECT_EQ(Resumen(c), Resumen(a));
}

TEST_F(FicheroPerfil, FileEndingAfterLineCountsLoadsWithEmptyLists)
{
    const auto lineas = Lineas(GuardaEjemplo());
    RegistroPerfil p;
    ASSERT_TRUE(CargaTexto(p, Une(lineas, 90)));
    EXPECT_TRUE(p.m_bCargado);
    EXPECT_STREQ(p.m_szNombre, "Ada");
    EXPECT_TRUE(p.m_ListaBloqueados.EstaVacia());
    EXPECT_TRUE(p.m_ListaNovedades.EstaVacia());
    EXPECT_TRUE(p.m_ListaRecienDesbloqueados.EstaVacia());
    EXPECT_TRUE(p.EstaDesbloqueado("BoxDif_3"));
    // Lists stop at the first record of another name.
    ASSERT_TRUE(CargaTexto(p, Une(lineas, 90) + "OTRO = \"x\";\n" + lineas[91] + "\n"));
    EXPECT_TRUE(p.m_ListaBloqueados.EstaVacia());
    // Record names are compared ignoring case.
    ASSERT_TRUE(CargaTexto(p, Une(lineas, 90) + "boton_bloqueado = \"BoxDif_3\";\n"));
    EXPECT_FALSE(p.EstaDesbloqueado("BoxDif_3"));
}

TEST_F(FicheroPerfil, RejectedFilesAreKeptAsideAndSlotStartsFresh)
{
    const std::string bueno = GuardaEjemplo();
    const auto lineas = Lineas(bueno);
    auto cambia = [&](size_t linea, const std::string& nueva) {
        auto l = lineas;
        l[linea] = nueva;
        return Une(l, l.size());
    };
    struct Caso {
        const char* que;
        std::string texto;
    };
    const Caso casos[] = {
        {"other version", cambia(0, "PERFILVELQUISTVER = \"0.0002A\";")},
        {"version unquoted with space", cambia(0, "PERFILVELQUISTVER = 0.0001 A B;")},
        {"no version parameter", cambia(0, "PERFILVELQUISTVER;")},
        {"other first record", cambia(0, "PERFIL = \"0.0001A\";")},
        {"DATA3 where DATA2 belongs", cambia(2, lineas[6])},
        {"DATA4 missing", Une(lineas, 60) + Une(std::vector<std::string>(lineas.begin() + 61, lineas.end()), 99)},
        {"cut inside the DATA4 records", Une(lineas, 50)},
        {"cut inside a record", Une(lineas, 50) + lineas[50].substr(0, 10)},
        {"no complete command", "PERFILVELQUISTVER = \"0.0001A\""},
        {"empty file", ""},
        {"binary noise", std::string("\x01\x02\xff\"\x00;;", 7)},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        fs::remove(ruta + ".bad");
        RegistroPerfil p;
        EXPECT_TRUE(CargaTexto(p, c.texto));
        // Never a slot with everything unlocked, never the damaged data.
        EXPECT_EQ(p.m_ListaBloqueados.m_iNumElementos, 266);
        EXPECT_STREQ(p.m_szNombre, "");
        EXPECT_EQ(p.ProgresoHistoria(0), 0);
        // The damaged file is kept whole beside the slot, which is now empty.
        EXPECT_EQ(mgtest::LlegeixFitxer(ruta + ".bad"), c.texto);
        EXPECT_FALSE(fs::exists(ruta));
        // A save writes the slot without touching the kept file.
        p.CambiaNombre("New");
        EXPECT_TRUE(p.Guarda());
        EXPECT_EQ(mgtest::LlegeixFitxer(ruta + ".bad"), c.texto);
    }
}

TEST_F(FicheroPerfil, AFileKeptAsideIsNeverReplacedByALaterOne)
{
    // The first damaged file is the player's old profile: a second damaged
    // load must not rename over it.
    RegistroPerfil p;
    EXPECT_TRUE(CargaTexto(p, "damaged one"));
    p.CambiaNombre("New");
    ASSERT_TRUE(p.Guarda());
    EXPECT_TRUE(CargaTexto(p, "damaged two"));
    EXPECT_EQ(mgtest::LlegeixFitxer(ruta + ".bad"), "damaged one");
    EXPECT_EQ(mgtest::LlegeixFitxer(ruta + ".bad1"), "damaged two");
    EXPECT_FALSE(fs::exists(ruta));

    // With every kept name taken the file stays where it is and no save
    // can replace it.
    for (int i = 2; i < 10; ++i) mgtest::EscriuFitxer(ruta + ".bad" + std::to_string(i), "kept");
    EXPECT_FALSE(CargaTexto(p, "damaged three"));
    EXPECT_EQ(mgtest::LlegeixFitxer(ruta), "damaged three");
    EXPECT_EQ(mgtest::LlegeixFitxer(ruta + ".bad"), "damaged one");
    p.CambiaNombre("Other");
    EXPECT_FALSE(p.Guarda());
    EXPECT_EQ(mgtest::LlegeixFitxer(ruta), "damaged three");
}

// A save killed halfway leaves its temporary file beside the profile: the
// next load (of a saved profile, of an empty slot, or a reset) removes it
// and reads the real file; a folder in its place is not touched.
TEST_F(FicheroPerfil, ALoadRemovesTheTemporaryFileOfACutSave)
{
    const std::string temporal = ruta + ".tmp";
    struct Cas {
        const char* nom;
        bool bGuardado, bReinicio;
    } casos[] = {{"a saved profile", true, false}, {"an empty slot", false, false}, {"a reset", true, true}};
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.nom);
        fs::remove(ruta);
        if (c.bGuardado) GuardaEjemplo("Ada");
        mgtest::EscriuFitxer(temporal, "PERFILVELQUISTVER = \"0.0001A\";\nDATA = \"Cut");
        RegistroPerfil p;
        EXPECT_TRUE(p.Carga(ruta.c_str(), c.bReinicio));
        EXPECT_FALSE(fs::exists(temporal));
        EXPECT_STREQ(p.m_szNombre, c.bGuardado && !c.bReinicio ? "Ada" : "");
    }
    fs::create_directories(temporal);
    RegistroPerfil p;
    EXPECT_TRUE(p.Carga(ruta.c_str(), false));
    EXPECT_TRUE(fs::is_directory(temporal));
    fs::remove(temporal);
}

TEST_F(FicheroPerfil, VersionAndRecordNamesIgnoreCase)
{
    auto lineas = Lineas(GuardaEjemplo());
    lineas[0] = "perfilvelquistver = \"0.0001a\";";
    lineas[1].replace(0, 4, "data");
    lineas[2].replace(0, 5, "Data2");
    RegistroPerfil p;
    EXPECT_TRUE(CargaTexto(p, Une(lineas, lineas.size())));
    EXPECT_STREQ(p.m_szNombre, "Ada");
    EXPECT_FALSE(fs::exists(ruta + ".bad"));
}

TEST_F(FicheroPerfil, ValuesAreCheckedOnLoad)
{
    auto lineas = Lineas(GuardaEjemplo());
    // A name too long, progress beyond the table, a missing count, a negative
    // score and a time past "no time"; the DATA4 record short of values.
    lineas[1] = "DATA = \"0123456789012345678901234567890123456789\",12,500,,-3";
    lineas[1] += ";";
    lineas[2] = "DATA2 = -5,7;";
    lineas[6] = "DATA3 = 1798201,-1,0;";
    lineas[10] = "DATA4 = 5,0,-1,1000;";
    RegistroPerfil p;
    ASSERT_TRUE(CargaTexto(p, Une(lineas, lineas.size())));
    const int32_t* d0 = p.m_aBloques[0].m_aiDatos;
    EXPECT_STREQ(p.m_szNombre, "0123456789012345678901234567890");
    EXPECT_EQ(d0[BloqueDificultad::CONTADOR_MAPA], 9);
    EXPECT_EQ(d0[BloqueDificultad::PROGRESO_HISTORIA], 69);
    EXPECT_EQ(d0[BloqueDificultad::LINEA_MAXIMA], 4);   // empty
    EXPECT_EQ(d0[BloqueDificultad::RESERVADO], -3);     // kept, never used
    EXPECT_EQ(p.m_aBloques[1].m_aiDatos[BloqueDificultad::PROGRESO_HISTORIA], 0);  // missing
    EXPECT_EQ(d0[BloqueDificultad::IndicePuntuacion(0, 0)], 0);
    EXPECT_EQ(d0[BloqueDificultad::IndicePuntuacion(1, 0)], 7);
    EXPECT_EQ(d0[BloqueDificultad::IndicePuntuacion(2, 0)], 0);
    EXPECT_EQ(d0[BloqueDificultad::IndiceTiempo(0, 0)], SIN_TIEMPO);
    EXPECT_EQ(d0[BloqueDificultad::IndiceTiempo(1, 0)], SIN_TIEMPO);
    EXPECT_EQ(d0[BloqueDificultad::IndiceTiempo(2, 0)], 0);
    EXPECT_EQ(d0[BloqueDificultad::IndiceTiempo(3, 0)], SIN_TIEMPO);
    p.FijaDificultad(0);
    EXPECT_EQ(p.MejorJugada(0, 0), 5);
    EXPECT_EQ(p.MejorJugada(0, 1), 999);
    EXPECT_EQ(p.MejorJugada(0, 2), 999);
    EXPECT_EQ(p.MejorJugada(0, 3), 999);
    EXPECT_EQ(p.MejorJugada(0, 4), 999);
    EXPECT_EQ(p.CuentaNivelesJugados(0), 1 + 190);  // chapters 1..19 as saved
}

TEST_F(FicheroPerfil, ResetIgnoresTheFile)
{
    GuardaEjemplo();
    const std::string antes = mgtest::LlegeixFitxer(ruta);
    RegistroPerfil p;
    ASSERT_TRUE(p.Carga(ruta.c_str(), true));
    EXPECT_STREQ(p.m_szNombre, "");
    EXPECT_EQ(p.m_ListaBloqueados.m_iNumElementos, 266);
    EXPECT_EQ(mgtest::LlegeixFitxer(ruta), antes);  // unmodified: not written
    p.CambiaNombre("Ada");
    ASSERT_TRUE(p.Guarda());
    RegistroPerfil q;
    ASSERT_TRUE(q.Carga(ruta.c_str(), false));
    EXPECT_EQ(Resumen(q), Resumen(p));
}

TEST_F(FicheroPerfil, FailedSavesReportFalseAndKeepTheOldFile)
{
    const std::string viejo = GuardaEjemplo("Old", 1);
    RegistroPerfil p;
    ASSERT_TRUE(p.Carga(ruta.c_str(), false));
    Rellena(p, "New", 2);

    // The file cannot be created: its folder is gone.
    RegistroPerfil sinCarpeta;
    ASSERT_TRUE(sinCarpeta.Carga((carpeta / "no" / "Perfil0.SVG").string().c_str(), false));
    sinCarpeta.CambiaNombre("X");
    EXPECT_FALSE(sinCarpeta.Guarda());
    EXPECT_TRUE(sinCarpeta.m_bModificado);

    // Writing fails part way: the file-size limit of a child process.
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limite{2000, 2000};
        setrlimit(RLIMIT_FSIZE, &limite);
        const bool guardado = p.Guarda();
        _exit(guardado ? 1 : p.m_bModificado ? 0 : 2);
    }
    int estado = 0;
    waitpid(hijo, &estado, 0);
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 0) << "1: reported saved, 2: modified cleared";
    EXPECT_EQ(mgtest::LlegeixFitxer(ruta), viejo);
    EXPECT_FALSE(fs::exists(ruta + ".tmp"));

    // The rename fails: a folder with something in it stands at the path.
    const std::string apartado = ruta + ".aparte";
    fs::rename(ruta, apartado);
    fs::create_directories(fs::path(ruta) / "dentro");
    EXPECT_FALSE(p.Guarda());
    EXPECT_TRUE(p.m_bModificado);
    EXPECT_FALSE(fs::exists(ruta + ".tmp"));
    fs::remove_all(ruta);
    fs::rename(apartado, ruta);

    // Once the cause is gone, the next save writes the profile.
    EXPECT_TRUE(p.Guarda());
    EXPECT_FALSE(p.m_bModificado);
    RegistroPerfil q;
    ASSERT_TRUE(q.Carga(ruta.c_str(), false));
    EXPECT_EQ(Resumen(q), Resumen(p));
}

TEST_F(FicheroPerfil, FreshProfileWhoseSaveFailsKeepsItsLocks)
{
    RegistroPerfil p;
    p.m_bModificado = 1;  // left from earlier changes, so the load saves
    EXPECT_FALSE(p.Carga((carpeta / "no" / "Perfil0.SVG").string().c_str(), false));
    EXPECT_FALSE(p.m_bCargado);
    EXPECT_EQ(p.m_ListaBloqueados.m_iNumElementos, 266);
    EXPECT_FALSE(p.Carga(std::string(2000, 'a').c_str(), false));
    EXPECT_EQ(p.m_ListaBloqueados.m_iNumElementos, 266);
    EXPECT_FALSE(p.Guarda());
}

// A process killed at any moment while it saves leaves the old or the new
// profile, whole.
TEST_F(FicheroPerfil, KilledWhileSavingLeavesOldOrNew)
{
    RegistroPerfil a, b;
    ASSERT_TRUE(a.Carga(ruta.c_str(), true));
    ASSERT_TRUE(b.Carga(ruta.c_str(), true));
    Rellena(a, "Alpha", 4);
    Rellena(b, "Beta", 5);
    DesbloqueaEn(b, "MPerso_3");
    ASSERT_TRUE(a.Guarda());
    const std::string resumenA = Resumen(a), resumenB = Resumen(b);
    ASSERT_NE(resumenA, resumenB);

    std::mt19937 azar(12345);
    int vistosA = 0, vistosB = 0;
    const int rondas = 300;
    for (int ronda = 0; ronda < rondas; ++ronda) {
        int tubo[2];
        ASSERT_EQ(pipe(tubo), 0);
        const pid_t hijo = fork();
        ASSERT_GE(hijo, 0);
        if (hijo == 0) {
            close(tubo[0]);
            for (bool primero = true;; primero = false) {
                RegistroPerfil& r = primero || (azar() & 1) ? b : a;
                r.m_bModificado = 1;
                r.Guarda();
                if (primero) {
                    char c = 1;
                    if (write(tubo[1], &c, 1) != 1) _exit(3);
                }
            }
        }
        close(tubo[1]);
        char c;
        ASSERT_EQ(read(tubo[0], &c, 1), 1);
        close(tubo[0]);
        usleep(std::uniform_int_distribution<int>(0, 3000)(azar));
        kill(hijo, SIGKILL);
        waitpid(hijo, nullptr, 0);

        RegistroPerfil r;
        ASSERT_TRUE(r.Carga(ruta.c_str(), false)) << "round " << ronda;
        ASSERT_FALSE(fs::exists(ruta + ".bad")) << "round " << ronda;
        const std::string leido = Resumen(r);
        if (leido == resumenA)
            ++vistosA;
        else if (leido == resumenB)
            ++vistosB;
        else
            FAIL() << "round " << ronda << ": neither profile";
    }
    EXPECT_EQ(vistosA + vistosB, rondas);
    EXPECT_GT(vistosA, 0);
    EXPECT_GT(vistosB, 0);
}
