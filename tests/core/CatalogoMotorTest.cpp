// The engine's content catalogue against the built data (the content
// audit), and the audit itself against a small data folder holding one fault
// of each kind.
#include "engine/core/CatalogoMotor.h"
#include "kit/AuditoriaContenido.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

TEST(CatalogoMotor, EveryRowIsBuiltAndSound)
{
    mgtest::ServeisFitxers serveis;
    ASSERT_TRUE(serveis.Correcte());
    ASSERT_TRUE(serveis.AmbArxiu());
    const std::vector<std::string> faltas = mgtest::AuditaContenido(motor::kCatalogo, mgtest::ReferenciasMotor());
    EXPECT_TRUE(faltas.empty()) << mgtest::UnaPorLinea(faltas);
}

TEST(CatalogoMotor, NoNameIsWrittenTwice)
{
    const std::vector<std::string> repetidos = mgtest::NombresRepetidos({motor::kCatalogo});
    EXPECT_TRUE(repetidos.empty()) << mgtest::UnaPorLinea(repetidos);
}

// One sound and one faulty instance of everything the audit looks at.
class Auditoria : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = mgtest::CarpetaNova("auditoria_contenido");
        const std::string marca = "\x89PNG the placeholder's own bytes";
        const std::string tono = mgtest::LlegeixFitxer(Tono("UnaMitad.ogg"));
        const std::string silencio = mgtest::LlegeixFitxer(Tono("Silencio.ogg"));
        ASSERT_FALSE(tono.empty());
        ASSERT_FALSE(silencio.empty());
        Escribe("T/A.FLI", "FLI = \"HOLA\", \"hola\";\nFLI = \"SOLO\", \"only here\";\nFLI = \"VACI\", \"x\";\n");
        Escribe("T/B.FLI", "FLI = \"HOLA\", \"hello\";\nFLI = \"VACI\", \"\";\n");
        Escribe("M/Marca.png", marca);
        Escribe("G/Copia.png", marca);
        Escribe("G/Bien.png", "\x89PNG a picture of its own");
        Escribe("G/Bien.SPM", "SPMVER = 1;\nSPRITE = 0, \"G\\Bien.png\", 0, 0, 8, 8, 4, 4, 0;\n"
                              "TXTFLI = 1, 100, 20, 0, 0, 0, \"HOLA\";\n");
        Escribe("G/Copia.SPM", "SPMVER = 1;\nSPRITE = 0, \"G\\Copia.png\", 0, 0, 8, 8, 4, 4, 0;\n");
        Escribe("G/PorNombre.SPM", "SPMVER = 1;\nSPRITE = 0, \"M\\Marca.png\", 0, 0, 8, 8, 4, 4, 0;\n");
        Escribe("G/SinDibujo.SPM", "SPMVER = 1;\nSPRITE = 0, \"G\\Nada.png\", 0, 0, 8, 8, 4, 4, 0;\n");
        Escribe("G/Vacio.SPM", "SPMVER = 1;\n");
        Escribe("G/Texto.SPM", "SPMVER = 1;\nTXTFLI = 0, 100, 20, 0, 0, 0, \"SOLO\";\n");
        Escribe("F/Defecto.png", "\x89PNG default glyphs");
        Escribe("F/Copia.png", "\x89PNG default glyphs");
        Escribe("F/Propia.png", "\x89PNG glyphs of its own");
        Escribe("F/A.ANC", std::string(512, '\0'));
        const auto fuente = [](const std::string& imagen, const std::string& anchos) {
            return "FONTSETTYPE = 1;\nI = \"" + imagen + "\";\nW = \"" + anchos + "\";\nH = 20;\nS = 0;\nO = 0, 0;\n";
        };
        Escribe("F/Defecto.Set", fuente("F\\Defecto.png", "F\\A.ANC"));
        Escribe("F/Copia.Set", fuente("F\\Copia.png", "F\\A.ANC"));
        Escribe("F/Propia.Set", fuente("F\\Propia.png", "F\\A.ANC"));
        Escribe("F/SinAnchos.Set", fuente("F\\Propia.png", "F\\Nada.ANC"));
        Escribe("S/Suena.wav", WavDe(8000));
        Escribe("S/Calla.wav", WavDe(0));
        Escribe("S/Roto.wav", "RIFF but nothing after");
        Escribe("S/Tono.ogg", tono);
        Escribe("S/Silencio.ogg", silencio);
        Escribe("S/R.crs", Sonido("SUENA", "S\\Suena.wav", "1.0") + Sonido("CALLA", "S\\Calla.wav", "1.0") +
                               Sonido("SINVOLUMEN", "S\\Suena.wav", "0") + Sonido("PERDIDA", "S\\Nada.wav", "1.0"));
        Escribe("S/R.crm", Musica("TONO", "S\\Tono.ogg") + Musica("SILENCIO", "S\\Silencio.ogg"));
        Escribe("D/Dato.txt", "x");
        serveis = std::make_unique<mgtest::ServeisFitxers>(carpeta.string());
        ASSERT_TRUE(serveis->Correcte());
        ref.tablasTextos = {"T\\A.FLI", "T\\B.FLI"};
        ref.marcadores = {"M\\Marca.png"};
        ref.fuenteDefecto = "F\\Defecto.Set";
        ref.ranurasMusica = "S\\R.crm";
        ref.ranurasSonido = "S\\R.crs";
    }
    void TearDown() override { serveis.reset(); }

    static std::string Tono(const char* nombre)
    {
        return (std::filesystem::path(MG_TEST_TMP).parent_path() / "test-data" / "audio" / nombre).string();
    }
    void Escribe(const std::string& ruta, const std::string& bytes) { mgtest::EscriuFitxer(carpeta / ruta, bytes); }
    // A tenth of a second of mono 16-bit samples of one value.
    static std::string WavDe(int valor)
    {
        const int n = 4410;
        std::string s = "RIFF";
        const auto pon = [&s](uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i) s.push_back(char((v >> (8 * i)) & 0xff));
        };
        pon(36 + 2 * n, 4);
        s += "WAVEfmt ";
        pon(16, 4);
        pon(1, 2);
        pon(1, 2);
        pon(44100, 4);
        pon(88200, 4);
        pon(2, 2);
        pon(16, 2);
        s += "data";
        pon(2 * n, 4);
        for (int i = 0; i < n; ++i) pon(uint16_t(int16_t(i % 2 ? valor : -valor)), 2);
        return s;
    }
    static std::string Sonido(const char* nombre, const char* muestra, const char* volumen)
    {
        return std::string("RANURASONIDO = ;\nRANURASONIDO_VER = 1;\nRANURASONIDO_NOMBRE = \"") + nombre +
               "\";\nRANURASONIDO_MUESTRA_ENTRADA = \"" + muestra + "\";\nRANURASONIDO_VOLUMEN = " + volumen +
               ";\nRANURASONIDO_FIN = ;\n";
    }
    static std::string Musica(const char* nombre, const char* pieza)
    {
        return std::string("RANURAMUSICA = ;\nRANURAMUSICA_VER = 1;\nRANURAMUSICA_NOMBRE = \"") + nombre +
               "\";\nRANURAMUSICA_PIEZA = \"" + pieza + "\";\nRANURAMUSICA_FIN = ;\n";
    }

    std::filesystem::path carpeta;
    std::unique_ptr<mgtest::ServeisFitxers> serveis;
    mgtest::ReferenciasAuditoria ref;
};

TEST_F(Auditoria, ReportsEachFaultOnItsRow)
{
    using T = TipoContenido;
    struct Caso {
        FilaCatalogo fila;
        const char* falta; // what the row's one fault says, or null when sound
    };
    const Caso casos[] = {
        {{T::Paquete, "CPrueba", "paquete::BIEN", "G\\Bien.SPM"}, nullptr},
        {{T::Paquete, "CPrueba", "paquete::COPIA", "G\\Copia.SPM"}, "picture G\\Copia.PNG is a placeholder"},
        {{T::Paquete, "CPrueba", "paquete::POR_NOMBRE", "G\\PorNombre.SPM"}, "picture M\\Marca.PNG is a placeholder"},
        {{T::Paquete, "CPrueba", "paquete::SIN_DIBUJO", "G\\SinDibujo.SPM"}, "picture G\\Nada.PNG is missing"},
        {{T::Paquete, "CPrueba", "paquete::VACIO", "G\\Vacio.SPM"}, "holds no sprite"},
        {{T::Paquete, "CPrueba", "paquete::TEXTO", "G\\Texto.SPM"}, "text slot 0: text SOLO is missing from T\\B.FLI"},
        {{T::Paquete, "CPrueba", "paquete::FALTA", "G\\Falta.SPM"}, "missing"},
        {{T::Imagen, "CPrueba", "imagen::BIEN", "G\\Bien.png"}, nullptr},
        {{T::Imagen, "CPrueba", "imagen::COPIA", "G\\Copia.png"}, "is a placeholder"},
        {{T::Imagen, "CPrueba", "imagen::FALTA", "G\\Falta.png"}, "is missing"},
        {{T::Marcador, "CPrueba", "marcador::MARCA", "M\\Marca.png"}, nullptr},
        {{T::Fuente, "CPrueba", "fuente::DEFECTO", "F\\Defecto.Set"}, nullptr},
        {{T::Fuente, "CPrueba", "fuente::PROPIA", "F\\Propia.Set"}, nullptr},
        {{T::Fuente, "CPrueba", "fuente::COPIA", "F\\Copia.Set"}, "is the default font standing in"},
        {{T::Fuente, "CPrueba", "fuente::SIN_ANCHOS", "F\\SinAnchos.Set"}, "widths F\\Nada.ANC are missing"},
        {{T::Fuente, "CPrueba", "fuente::FALTA", "F\\Falta.Set"}, "missing"},
        {{T::TablaTextos, "CPrueba", "fichero::TABLA", "T\\A.FLI"}, nullptr},
        {{T::TablaTextos, "CPrueba", "fichero::SIN_TABLA", "T\\Falta.FLI"}, "missing or empty"},
        {{T::Texto, "CPrueba", "texto::HOLA", "HOLA"}, nullptr},
        {{T::Texto, "CPrueba", "texto::SOLO", "SOLO"}, "text SOLO is missing from T\\B.FLI"},
        {{T::Texto, "CPrueba", "texto::VACIO", "VACI"}, "text VACI is empty in T\\B.FLI"},
        {{T::RanuraSonido, "CPrueba", "sonido::SUENA", "SUENA"}, nullptr},
        {{T::RanuraSonido, "CPrueba", "sonido::CALLA", "CALLA"}, "its sample S\\Calla.wav is silent"},
        {{T::RanuraSonido, "CPrueba", "sonido::SIN_VOLUMEN", "SINVOLUMEN"}, "has no volume"},
        {{T::RanuraSonido, "CPrueba", "sonido::PERDIDA", "PERDIDA"}, "its sample S\\Nada.wav is missing"},
        {{T::RanuraSonido, "CPrueba", "sonido::NADA", "NADA"}, "no record of S\\R.crs"},
        {{T::RanuraMusica, "CPrueba", "musica::TONO", "TONO"}, nullptr},
        {{T::RanuraMusica, "CPrueba", "musica::SILENCIO", "SILENCIO"}, "its piece S\\Silencio.ogg is silent"},
        {{T::RanuraMusica, "CPrueba", "musica::NADA", "NADA"}, "no record of S\\R.crm"},
        {{T::Muestra, "CPrueba", "muestra::SUENA", "S\\Suena.wav"}, nullptr},
        {{T::Muestra, "CPrueba", "muestra::ROTA", "S\\Roto.wav"}, "S\\Roto.wav is no WAV file"},
        {{T::Pieza, "CPrueba", "pieza::TONO", "S\\Tono.ogg"}, nullptr},
        {{T::Pieza, "CPrueba", "pieza::SILENCIO", "S\\Silencio.ogg"}, "S\\Silencio.ogg is silent"},
        {{T::Pieza, "CPrueba", "pieza::ROTA", "S\\Suena.wav"}, "S\\Suena.wav is no Ogg Vorbis stream"},
        {{T::Fichero, "CPrueba", "fichero::DATO", "D\\Dato.txt"}, nullptr},
        {{T::Fichero, "CPrueba", "fichero::FALTA", "D\\Falta.txt"}, "missing from the data"},
        {{T::FicheroUsuario, "CPrueba", "fichero::USUARIO", "Nunca%d.SVG"}, nullptr},
    };
    std::vector<FilaCatalogo> filas;
    for (const Caso& c : casos) filas.push_back(c.fila);
    const std::vector<std::string> faltas = mgtest::AuditaContenido(filas, ref);
    for (const Caso& c : casos) {
        const std::string fila = std::string("CPrueba ") + c.fila.id + " (";
        std::vector<std::string> suyas;
        for (const std::string& f : faltas)
            if (f.rfind(fila, 0) == 0) suyas.push_back(f);
        if (!c.falta) {
            EXPECT_TRUE(suyas.empty()) << mgtest::UnaPorLinea(suyas);
            continue;
        }
        ASSERT_EQ(suyas.size(), 1u) << c.fila.id << "\n" << mgtest::UnaPorLinea(suyas);
        EXPECT_NE(suyas[0].find(c.falta), std::string::npos) << suyas[0];
    }
}

// Key names: every key of the keyboard needs its text, and none else.
TEST_F(Auditoria, KeyNamesAreCheckedForEveryKeyOfTheKeyboard)
{
    const FilaCatalogo teclas[] = {{TipoContenido::TextosTecla, "CPrueba", "texto::TECLA", "K%02X"}};
    const std::vector<std::string> faltas = mgtest::AuditaContenido(teclas, ref);
    const auto tiene = [&](const char* codigo) {
        for (const std::string& f : faltas)
            if (f.find(std::string("text ") + codigo + " is missing from T\\A.FLI") != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(tiene("K01"));  // Escape
    EXPECT_TRUE(tiene("KC8"));  // up arrow
    EXPECT_FALSE(tiene("K00")); // no key
    EXPECT_FALSE(tiene("KFF"));
}

TEST(CatalogoAuditoria, NamesWrittenTwiceAreFound)
{
    using T = TipoContenido;
    const FilaCatalogo a[] = {{T::Paquete, "CA", "paquete::X", "Data\\X.SPM"}, {T::Texto, "CA", "texto::X", "ABCD"},
                              {T::RanuraSonido, "CA", "sonido::X", "XX"}};
    const FilaCatalogo b[] = {{T::Fichero, "CB", "fichero::X", "data\\x.spm"}, // the same file in other case
                              {T::RanuraMusica, "CB", "musica::X", "XX"},     // a music slot may share a sound's name
                              {T::Muestra, "CB", "muestra::X", "ABCD"}};       // a file may share a text code's name
    const std::vector<std::string> repetidos = mgtest::NombresRepetidos({a, b});
    ASSERT_EQ(repetidos.size(), 1u) << mgtest::UnaPorLinea(repetidos);
    EXPECT_NE(repetidos[0].find("paquete::X"), std::string::npos);
    EXPECT_NE(repetidos[0].find("fichero::X"), std::string::npos);
}

} // namespace
