#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorMandos.h"
#include "engine/core/Preferencias.h"
#include "engine/core/SistemaFitxers.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace fs = std::filesystem;
using mgtest::EscriuFitxer;

namespace {

// Per-user folder of its own, file system and command files started.
struct Entorn {
    explicit Entorn(const char* nom) : usuari(nom), serveis(mgtest::CarpetaNova(std::string("prefs_root_") + nom).string()) {}
    fs::path Fitxer() const { return usuari.Carpeta() / motor::fichero::PREFERENCIAS; }
    mgtest::CarpetaUsuariProva usuari;
    mgtest::ServeisFitxers serveis;
};

void EsperaDefectes(const CPreferencias& p)
{
    const int teclas[kNumControles] = {203, 205, 157, 54, 200, 30, 32, 29, 42, 17};
    for (int i = 0; i < kNumControles; ++i) {
        EXPECT_EQ(p.m_aControles[i].m_iTipo, CONTROL_TECLA) << i;
        EXPECT_EQ(p.m_aControles[i].m_wTecla, teclas[i]) << i;
    }
    EXPECT_EQ(p.m_iIdioma, -1);
    EXPECT_EQ(p.m_iFlags, PREF_PANTALLA_COMPLETA);
    EXPECT_FLOAT_EQ(p.m_fVolMusica, 1.0f);
    EXPECT_FLOAT_EQ(p.m_fVolSonido, 1.0f);
    EXPECT_EQ(p.m_cLuminosidad, 255);
}

bool Iguals(const AsignacionControl& a, const AsignacionControl& b)
{
    return a.m_iTipo == b.m_iTipo && a.m_iRaton == b.m_iRaton && a.m_cBotonRaton == b.m_cBotonRaton &&
           a.m_wTecla == b.m_wTecla && std::memcmp(a.m_aGuid, b.m_aGuid, 16) == 0 && a.m_iEje == b.m_iEje &&
           a.m_iDireccion == b.m_iDireccion && a.m_iBoton == b.m_iBoton;
}

} // namespace

TEST(Preferencias, MissingOrEmptyFileGivesDefaults)
{
    Entorn e("defaults");
    CPreferencias p;
    EXPECT_TRUE(p.Carga());
    EXPECT_TRUE(p.m_bCargado);
    EsperaDefectes(p);
    EXPECT_FALSE(fs::exists(e.Fitxer())); // not written until a setting changes
    for (const char* text : {"", "// nothing\n", "IDIOMA = 1"}) {
        EscriuFitxer(e.Fitxer(), text);
        CPreferencias q;
        q.m_fVolMusica = 0.2f;
        EXPECT_TRUE(q.Carga());
        EsperaDefectes(q);
    }
}

TEST(Preferencias, RoundTripOfEveryBindingKind)
{
    Entorn e("roundtrip");
    CPreferencias p;
    AsignacionControl raton;
    raton.m_iTipo = CONTROL_RATON;
    raton.m_iRaton = 3;
    raton.m_cBotonRaton = 4;
    AsignacionControl eje;
    eje.m_iTipo = CONTROL_EJE;
    eje.m_iEje = 2;
    eje.m_iDireccion = -100;
    ASSERT_TRUE(eje.LeeGuid("00112233445566778899AABBCCDDEEFF"));
    AsignacionControl boton;
    boton.m_iTipo = CONTROL_BOTON;
    boton.m_iBoton = 31;
    ASSERT_TRUE(boton.LeeGuid("ffeeddccbbaa99887766554433221100"));
    p.AsignaControl(0, raton);
    p.AsignaControl(1, AsignacionControl::Tecla(255));
    p.AsignaControl(2, eje);
    p.AsignaControl(9, boton);
    p.AsignaControl(10, raton); // no such slot
    p.CambiaIdioma(2);
    p.CambiaPantallaCompleta(false);
    p.m_iFlags |= 0x100 | PREF_FILTRADO_BILINEAL; // unknown bits are kept
    p.m_fVolMusica = 0.7f;
    p.m_fVolSonido = 0.25f;
    p.m_cLuminosidad = 128;
    ASSERT_TRUE(p.Guarda());
    std::string text = mgtest::LlegeixFitxer(e.Fitxer());
    EXPECT_EQ(text.substr(0, text.find("CONTROL")),
              "IDIOMA = 2;\nFLAGS = 257;\nVOLMUSICA = 0.700;\nVOLSONIDO = 0.250;\nLUMINOSIDAD = 128;\n");
    EXPECT_NE(text.find("CONTROL = 0,3,4;\nCONTROL = 1,255;\nCONTROL = 2,2,-100,\"00112233445566778899AABBCCDDEEFF\";\n"),
              std::string::npos);
    EXPECT_NE(text.find("CONTROL = 3,31,\"FFEEDDCCBBAA99887766554433221100\";\n"), std::string::npos);

    CPreferencias q;
    ASSERT_TRUE(q.Carga());
    for (int i = 0; i < kNumControles; ++i) EXPECT_TRUE(Iguals(p.m_aControles[i], q.m_aControles[i])) << i;
    EXPECT_EQ(q.m_aControles[2].m_aGuid[0], 0x00);
    EXPECT_EQ(q.m_aControles[2].m_aGuid[15], 0xFF);
    EXPECT_EQ(q.m_aControles[9].m_aGuid[0], 0xFF);
    EXPECT_EQ(q.m_iIdioma, 2);
    EXPECT_EQ(q.m_iFlags, 0x101);
    EXPECT_FALSE(q.PantallaCompleta());
    EXPECT_FLOAT_EQ(q.m_fVolMusica, 0.7f);
    EXPECT_FLOAT_EQ(q.m_fVolSonido, 0.25f);
    EXPECT_EQ(q.m_cLuminosidad, 128);
}

TEST(Preferencias, BindingRecordsAreCheckedOnReading)
{
    // Each record goes into slot 0; a rejected one leaves the slot's default
    // key (203).
    Entorn e("bindings");
    struct Cas {
        const char* registro;
        bool aceptado;
    } casos[] = {
        {"CONTROL = 1, 0;", true},
        {"CONTROL = 1, 255;", true},
        {"CONTROL = 1, 256;", false},
        {"CONTROL = 1, -1;", false},
        {"CONTROL = 1, 99999999999;", false},
        {"CONTROL = 1;", false},
        {"CONTROL = 0, 0, 0;", true},
        {"CONTROL = 0, 3, 5;", true},
        {"CONTROL = 0, 4, 0;", false},
        {"CONTROL = 0, -1, 0;", false},
        {"CONTROL = 0, 0, 6;", false},
        {"CONTROL = 2, 0, -100, \"00112233445566778899AABBCCDDEEFF\";", true},
        {"CONTROL = 2, 2, 512, \"00112233445566778899aabbccddeeff\";", true},
        {"CONTROL = 2, 3, 100, \"00112233445566778899AABBCCDDEEFF\";", false},
        {"CONTROL = 2, 0, 100, \"00112233445566778899AABBCCDDEEF\";", false},   // 31 digits
        {"CONTROL = 2, 0, 100, \"00112233445566778899AABBCCDDEEFF0\";", false}, // 33 digits
        {"CONTROL = 2, 0, 100, \"0011223344556677889GAABBCCDDEEFF\";", false},  // not hex
        {"CONTROL = 3, 0, \"00112233445566778899AABBCCDDEEFF\";", true},
        {"CONTROL = 3, 31, \"00112233445566778899AABBCCDDEEFF\";", true},
        {"CONTROL = 3, 32, \"00112233445566778899AABBCCDDEEFF\";", false},
        {"CONTROL = 3, -1, \"00112233445566778899AABBCCDDEEFF\";", false},
        {"CONTROL = 7, 1, 2;", false},
        {"CONTROL = ;", false},
    };
    for (const Cas& c : casos) {
        EscriuFitxer(e.Fitxer(), c.registro);
        CPreferencias p;
        ASSERT_TRUE(p.Carga());
        const AsignacionControl& a = p.m_aControles[0];
        bool defecto = a.m_iTipo == CONTROL_TECLA && a.m_wTecla == 203;
        EXPECT_EQ(!defecto, c.aceptado) << c.registro;
        EXPECT_TRUE(a.EsValida()) << c.registro;
        // The slots without a record keep their default key.
        EXPECT_TRUE(Iguals(p.m_aControles[1], CPreferencias::ControlPorDefecto(1))) << c.registro;
    }
}

TEST(Preferencias, RecordsByNameInAnyCase)
{
    Entorn e("records");
    g_GestorFLIs.Inicia();
    std::string text = "idioma = 1;\nFlags = 0;\nluminosidad = 300;\nVOLSONIDO = nan;\nUNKNOWN = 5;\n";
    for (int i = 0; i < 12; ++i) text += "CONTROL = 1, " + std::to_string(i + 1) + ";\n";
    EscriuFitxer(e.Fitxer(), text);
    CPreferencias p;
    ASSERT_TRUE(p.Carga());
    EXPECT_EQ(p.m_iIdioma, 1);
    EXPECT_EQ(g_GestorFLIs.IdiomaActual(), 1);
    EXPECT_EQ(p.m_iFlags, 0);
    EXPECT_EQ(p.m_cLuminosidad, 255);
    EXPECT_FLOAT_EQ(p.m_fVolSonido, 1.0f); // not a number: full
    EXPECT_FLOAT_EQ(p.m_fVolMusica, 1.0f); // missing: full
    for (int i = 0; i < kNumControles; ++i) EXPECT_EQ(p.m_aControles[i].m_wTecla, i + 1);
    EscriuFitxer(e.Fitxer(), "VOLMUSICA = 7.5; VOLSONIDO = -2;");
    ASSERT_TRUE(p.Carga());
    EXPECT_FLOAT_EQ(p.m_fVolMusica, 1.0f);
    EXPECT_FLOAT_EQ(p.m_fVolSonido, 0.0f);
    g_GestorFLIs.Libera();
}

TEST(Preferencias, VolumeStepsStayInRange)
{
    CPreferencias p;
    p.m_fVolMusica = 0.95f;
    p.SubeVolumenMusica();
    EXPECT_FLOAT_EQ(p.m_fVolMusica, 1.0f);
    p.BajaVolumenMusica();
    EXPECT_NEAR(p.m_fVolMusica, 0.9f, 1e-6);
    p.m_fVolSonido = 0.05f;
    p.BajaVolumenSonido();
    EXPECT_FLOAT_EQ(p.m_fVolSonido, 0.0f);
    p.SubeVolumenSonido();
    EXPECT_NEAR(p.m_fVolSonido, 0.1f, 1e-6);
    p.Limpia();
    EXPECT_NEAR(p.m_fVolSonido, 0.1f, 1e-6); // untouched by the reset
    EXPECT_EQ(p.m_iFlags, 0);
    EXPECT_EQ(p.m_aControles[0].m_iTipo, CONTROL_RATON);
    p.CambiaPantallaCompleta(true);
    EXPECT_TRUE(p.PantallaCompleta());
}

TEST(Preferencias, DisplayTexts)
{
    g_GestorFLIs.Inicia();
    char flechaIzquierda[8];
    std::snprintf(flechaIzquierda, sizeof flechaIzquierda, motor::texto::NOMBRE_TECLA, 203);
    g_GestorFLIs.AnadeTexto(2, flechaIzquierda, "Left arrow");
    g_GestorFLIs.AnadeTexto(2, motor::texto::BOTON_RATON, "Mouse");
    g_GestorFLIs.AnadeTexto(2, motor::texto::EJE_MANDO, "Axis");
    g_GestorFLIs.AnadeTexto(2, motor::texto::BOTON_MANDO, std::string(300, 'B').c_str());
    g_GestorFLIs.SeleccionaIdioma(2);
    AsignacionControl a = AsignacionControl::Tecla(203);
    EXPECT_STREQ(a.NombreVisible(), "Left arrow");
    a.m_iTipo = CONTROL_RATON;
    a.m_cBotonRaton = 2;
    EXPECT_STREQ(a.NombreVisible(), "Mouse 2 ");
    a.m_iTipo = CONTROL_EJE;
    a.m_iEje = 1;
    for (auto [dir, texto] : {std::pair{-5, "Axis 1 -"}, {0, "Axis 1 "}, {300, "Axis 1 +"}}) {
        a.m_iDireccion = dir;
        EXPECT_STREQ(a.NombreVisible(), texto);
    }
    // A long text is cut to the field.
    a.m_iTipo = CONTROL_BOTON;
    EXPECT_EQ(std::strlen(a.NombreVisible()), sizeof a.m_szNombre - 1);
    g_GestorFLIs.Libera();
}

TEST(Preferencias, GuidTextsAndAvailability)
{
    AsignacionControl a;
    EXPECT_TRUE(a.LeeGuid("0123456789abcdefFEDCBA9876543210"));
    EXPECT_EQ(a.TextoGuid(), "0123456789ABCDEFFEDCBA9876543210");
    EXPECT_EQ(a.m_aGuid[0], 0x01);
    EXPECT_EQ(a.m_aGuid[7], 0xEF);
    for (const char* malo : {"", "0123", "0123456789abcdefFEDCBA987654321", "0123456789abcdefFEDCBA98765432100",
                             "0123456789abcdefFEDCBA98765432 0", "zz23456789abcdefFEDCBA9876543210"}) {
        ASSERT_TRUE(a.LeeGuid("0123456789abcdefFEDCBA9876543210"));
        EXPECT_FALSE(a.LeeGuid(malo)) << malo;
        EXPECT_EQ(a.TextoGuid(), std::string(32, '0')) << malo;
    }
    EXPECT_TRUE(a.LeeGuid(nullptr));
    EXPECT_EQ(a.TextoGuid(), std::string(32, '0'));

    EXPECT_TRUE(AsignacionControl::Tecla(30).EstaDisponible());
    AsignacionControl raton;
    EXPECT_TRUE(raton.EstaDisponible());
    AsignacionControl boton;
    boton.m_iTipo = CONTROL_BOTON;
    ASSERT_TRUE(boton.LeeGuid("00112233445566778899AABBCCDDEEFF"));
    AsignacionControl eje = boton;
    eje.m_iTipo = CONTROL_EJE;
    EXPECT_FALSE(boton.EstaDisponible()); // no controller manager

    // A controller binding is available only while its controller is known
    // and not lost.
    CGestorMandos mandos;
    CGestorMandos* anterior = g_pMandos;
    g_pMandos = &mandos;
    EXPECT_FALSE(boton.EstaDisponible());
    ASSERT_TRUE(mandos.AnadeMando(boton.m_aGuid, "pad", nullptr));
    EXPECT_TRUE(boton.EstaDisponible());
    EXPECT_TRUE(eje.EstaDisponible());
    mandos.Mando(0)->m_bPerdido = 1; // not found by a search
    EXPECT_FALSE(boton.EstaDisponible());
    EXPECT_FALSE(eje.EstaDisponible());
    ASSERT_TRUE(mandos.AnadeMando(boton.m_aGuid, "pad", nullptr)); // found again
    EXPECT_TRUE(eje.EstaDisponible());
    AsignacionControl otro = boton;
    otro.m_aGuid[15] ^= 1;
    EXPECT_FALSE(otro.EstaDisponible());
    g_pMandos = anterior;
}

TEST(Preferencias, SaveFailsWithoutAPerUserFolder)
{
    mgtest::ServeisFitxers serveis(mgtest::CarpetaNova("prefs_nofolder").string());
    mgtest::CarpetaUsuariProva usuari("nofolder");
    // A file where the folder should be: the folder cannot be made.
    EscriuFitxer(usuari.Carpeta().parent_path(), "not a folder");
    CPreferencias p;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(p.Guarda());
    const std::string dicho = testing::internal::GetCapturedStderr();
    EXPECT_NE(dicho.find("preferences could not be saved"), std::string::npos) << dicho;
    EXPECT_EQ(std::count(dicho.begin(), dicho.end(), '\n'), 1) << dicho;
    EXPECT_TRUE(p.Carga());
    EsperaDefectes(p);
}

// A damaged file (garbage, cut short, values that do not read) starts every
// setting it cannot give at its default, full screen and the ten default
// keys included; it is kept aside before anything is saved, and the next
// save writes the defaults, never empty bindings.
TEST(Preferencias, ADamagedFileKeepsTheDefaultsAndIsKeptAside)
{
    Entorn e("damaged");
    const std::string completo = "IDIOMA = 1;\nFLAGS = 1;\nVOLMUSICA = 0.500;\nVOLSONIDO = 0.250;\n"
                                 "LUMINOSIDAD = 200;\nCONTROL = 1,57;\nCONTROL = 1,28;\n";
    struct Cas {
        std::string texto;
        bool pantallaCompleta;
        int teclaControl0; // 203: the default
    } casos[] = {
        {std::string("\x01\xff\x7fgarbage;;=\x00\x02;", 14), true, 203},
        {"PK\x03\x04 not a settings file", true, 203},
        {completo.substr(0, 25), false, 203},  // cut inside VOLMUSICA
        {completo.substr(0, completo.size() - 6), false, 57}, // cut inside the last binding
        {"FLAGS = windowed;\nCONTROL = 1, forty;\nVOLMUSICA = loud;", true, 203},
        {"FLAGS = 1;\nSOMETHING = 3;\n", false, 203},
        {"", true, 203},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(testing::PrintToString(c.texto));
        fs::remove(e.Fitxer().string() + ".bad");
        EscriuFitxer(e.Fitxer(), c.texto);
        testing::internal::CaptureStderr();
        CPreferencias p;
        ASSERT_TRUE(p.Carga());
        const std::string dicho = testing::internal::GetCapturedStderr();
        EXPECT_NE(dicho.find(".bad"), std::string::npos) << dicho;
        EXPECT_EQ(p.PantallaCompleta(), c.pantallaCompleta);
        EXPECT_EQ(p.m_aControles[0].m_wTecla, c.teclaControl0);
        for (int i = 2; i < kNumControles; ++i) EXPECT_TRUE(Iguals(p.m_aControles[i], CPreferencias::ControlPorDefecto(i))) << i;
        EXPECT_FALSE(fs::exists(e.Fitxer()));
        EXPECT_EQ(mgtest::LlegeixFitxer(e.Fitxer().string() + ".bad"), c.texto);

        ASSERT_TRUE(p.Guarda());
        CPreferencias q;
        testing::internal::CaptureStderr();
        ASSERT_TRUE(q.Carga());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the saved file reads whole";
        EXPECT_EQ(q.PantallaCompleta(), c.pantallaCompleta);
        for (int i = 0; i < kNumControles; ++i) EXPECT_TRUE(Iguals(q.m_aControles[i], p.m_aControles[i])) << i;
        EXPECT_EQ(q.m_aControles[9].m_wTecla, 17);
    }
}

// With every kept name taken, the oldest kept copy gives way to the newest
// damaged file and saving goes on; a damaged file that cannot be moved aside
// at all (no kept name is a regular file) is never saved over.
TEST(Preferencias, ADamagedFileReplacesTheOldestKeptCopyAndSavingGoesOn)
{
    Entorn e("aside");
    const auto kept = [&](int i) { return e.Fitxer().string() + ".bad" + (i ? std::to_string(i) : std::string()); };
    const auto ahora = fs::file_time_type::clock::now();
    for (int i = 0; i < 10; ++i) {
        EscriuFitxer(kept(i), "earlier " + std::to_string(i));
        // .bad4 is the oldest, then .bad0, .bad1... in their order.
        const int edad = i == 4 ? 100 : 50 - i;
        fs::last_write_time(kept(i), ahora - std::chrono::hours(edad));
    }
    for (int ronda = 0; ronda < 2; ++ronda) {
        SCOPED_TRACE(ronda);
        EscriuFitxer(e.Fitxer(), "FLAGS = 0;\nVOLMU" + std::to_string(ronda));
        testing::internal::CaptureStderr();
        CPreferencias p;
        ASSERT_TRUE(p.Carga());
        const std::string dicho = testing::internal::GetCapturedStderr();
        // The first round replaces the oldest (.bad4), the second the next
        // oldest (.bad0): the newest copies stay.
        const std::string sustituido = kept(ronda == 0 ? 4 : 0);
        EXPECT_NE(dicho.find(sustituido), std::string::npos) << dicho;
        EXPECT_EQ(mgtest::LlegeixFitxer(sustituido), "FLAGS = 0;\nVOLMU" + std::to_string(ronda));
        EXPECT_FALSE(p.PantallaCompleta());
        EXPECT_TRUE(p.Guarda());
        CPreferencias q;
        testing::internal::CaptureStderr();
        ASSERT_TRUE(q.Carga());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the saved file reads whole";
        EXPECT_FALSE(q.PantallaCompleta());
        for (int i : {1, 2, 3, 5, 6, 7, 8, 9}) EXPECT_EQ(mgtest::LlegeixFitxer(kept(i)), "earlier " + std::to_string(i));
    }

    // No kept name may give way: nothing is saved over the file.
    for (int i = 0; i < 10; ++i) {
        fs::remove(kept(i));
        fs::create_directory(kept(i));
    }
    EscriuFitxer(e.Fitxer(), "FLAGS = 0;\nVOLMU");
    testing::internal::CaptureStderr();
    CPreferencias p;
    ASSERT_TRUE(p.Carga());
    EXPECT_FALSE(p.PantallaCompleta());
    EXPECT_FALSE(p.Guarda());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(mgtest::LlegeixFitxer(e.Fitxer()), "FLAGS = 0;\nVOLMU");
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(fs::is_directory(kept(i))) << i;
}

// A save killed halfway leaves its temporary file beside the real one: the
// next load removes it and the real settings are read.
TEST(Preferencias, ALoadRemovesTheTemporaryFileOfACutSave)
{
    Entorn e("temporal");
    CPreferencias p;
    p.m_cLuminosidad = 100;
    ASSERT_TRUE(p.Guarda());
    const std::string temporal = e.Fitxer().string() + ".tmp";
    EscriuFitxer(temporal, "IDIOMA = 1;\nLUMINOS");
    CPreferencias q;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(q.Carga());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(fs::exists(temporal));
    EXPECT_EQ(q.m_cLuminosidad, 100);
}

TEST(Preferencias, ASaveCutShortKeepsThePreviousFile)
{
    Entorn e("cutshort");
    CPreferencias p;
    p.AsignaControl(4, AsignacionControl::Tecla(57));
    p.m_cLuminosidad = 100;
    ASSERT_TRUE(p.Guarda());
    const std::string antes = mgtest::LlegeixFitxer(e.Fitxer());
    ASSERT_GT(antes.size(), 120u);
    {
        // A full disk, as far as this process can tell: writes stop after
        // 120 bytes of any file.
        rlimit anterior{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &anterior), 0);
        auto senyal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit curt = anterior;
        curt.rlim_cur = 120;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &curt), 0);
        p.m_cLuminosidad = 50;
        const bool guardat = p.Guarda();
        setrlimit(RLIMIT_FSIZE, &anterior);
        std::signal(SIGXFSZ, senyal);
        EXPECT_FALSE(guardat);
    }
    EXPECT_EQ(mgtest::LlegeixFitxer(e.Fitxer()), antes);
    int fitxers = 0;
    for (const auto& entrada : fs::directory_iterator(e.usuari.Carpeta())) fitxers += entrada.is_regular_file();
    EXPECT_EQ(fitxers, 1) << "only the settings file is left";
    CPreferencias q;
    ASSERT_TRUE(q.Carga());
    EXPECT_EQ(q.m_cLuminosidad, 100);
    EXPECT_EQ(q.m_aControles[4].m_wTecla, 57);
    EXPECT_EQ(q.m_aControles[9].m_wTecla, 17);
}
