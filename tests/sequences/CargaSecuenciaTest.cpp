// Loading sequence files: which records take effect, in what order events
// are kept, and the records refused because the player could not use them
// safely (indices outside the tables, changes over no frames, over-long
// names, nesting without end).
#include "EntornoSecuencia.h"

#include <functional>
#include <string>

using sectest::Carpeta;

namespace {

struct Caso {
    const char* szNombre;
    std::string contenido;
    std::function<void(const CSecuencia&)> comprueba;
};

std::string Repite(const std::string& linea, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i) s += linea;
    return s;
}

} // namespace

TEST(CargaSecuencia, RecordsTakeEffectOnlyWhereThePlayerCanUseThem)
{
    Carpeta carpeta;
    ASSERT_TRUE(carpeta.Correcta());
    const Caso casos[] = {
        {"an event before its declaration is lost",
         "SETPOS = 0, 0, 10, 10; OBJETOEXTREMO = 0; SETPOS = 0, 1, 20, 20;",
         [](const CSecuencia& s) { EXPECT_EQ(s.NumEventosObjeto(0), 1); }},
        {"a second declaration keeps the first",
         "OBJETO = 3, \"a.spm\"; OBJETO = 3, \"b.spm\"; OBJETOEXTREMO = 3;",
         [](const CSecuencia& s) {
             EXPECT_TRUE(s.Objeto(3).bCargado);
             EXPECT_EQ(s.Objeto(3).sRuta, "a.spm");
         }},
        {"SONIDO empty or repeated changes nothing",
         "SONIDO = 0, \"\"; SONIDO = 1, \"a.wav\"; SONIDO = 1, \"b.wav\"; SONIDO = 2;",
         [](const CSecuencia& s) {
             EXPECT_EQ(s.Sonidos().asMuestras[0], "");
             EXPECT_EQ(s.Sonidos().asMuestras[1], "a.wav");
             EXPECT_EQ(s.Sonidos().asMuestras[2], "");
         }},
        {"a sound at frame -1 (a missing frame) is dropped",
         "TOCASONIDO = 0; TOCASONIDO = 0, -1; PARASONIDOLARGO = 1; TOCASONIDO = 0, 0;",
         [](const CSecuencia& s) { EXPECT_EQ(s.Sonidos().eventos.size(), 1u); }},
        {"only unknown records: an empty sequence",
         "NADA = 1; OTRA = \"x\";",
         [](const CSecuencia& s) {
             EXPECT_TRUE(s.EstaCargada());
             EXPECT_EQ(s.FrameFin(), -1);
             for (int i = 0; i < kNumObjetosSecuencia; ++i) EXPECT_FALSE(s.Objeto(i).bCargado);
         }},
        {"object slots -1 and 256 are outside the table",
         "OBJETOEXTREMO = -1; OBJETOEXTREMO = 256; OBJETOEXTREMO = 255; SETPOS = 256, 0, 1, 1;",
         [](const CSecuencia& s) {
             EXPECT_FALSE(s.Objeto(0).bCargado);
             EXPECT_TRUE(s.Objeto(255).bCargado);
             EXPECT_EQ(s.NumEventosObjeto(255), 0);
         }},
        {"layers -1 and 10 are outside the table",
         "SCROLL = -1, \"a.spm\"; SCROLL = 10, \"a.spm\"; SCROLL = 9, \"a.spm\"; SCROLLMOSTRAR = 10, 0;",
         [](const CSecuencia& s) {
             EXPECT_FALSE(s.Capa(0).bCargada);
             EXPECT_TRUE(s.Capa(9).bCargada);
             EXPECT_EQ(s.Capa(9).eventos.size(), 0u);
         }},
        {"sub-sequence slot 128 and its jumps are outside the table",
         "SUBSECUENCIA = 128, \"vacia.sec\"; SUBSECUENCIA = 127, \"vacia.sec\"; SUBSEC_LANZA = 128, 0;"
         "SUBSEC_LANZA = 127, 0; SUBSECCAMBIACRONO = 5, 1, 128; SUBSECCAMBIACRONO = 5, 1, 127;",
         [](const CSecuencia& s) {
             EXPECT_TRUE(s.Sub(127).bPresente);
             EXPECT_EQ(s.Sub(127).eventos.size(), 1u);
             EXPECT_EQ(s.NumSaltosSub(), 1);
         }},
        {"line 64, a line end or sprite outside the tables",
         "OBJETOEXTREMO = 0; PONLINEA = 64, 0, 0, 0, 0, 0; PONLINEA = 1, 0, 0, 256, 0, 0;"
         "PONLINEA = 1, 0, 0, 0, -1, 0; PONLINEA = 1, 0, 0, 0, 0, 256; QUITALINEA = 64, 3;"
         "PONLINEA = 63, 0, 0, 0, 0, 255;",
         [](const CSecuencia& s) { EXPECT_EQ(s.NumEventosLinea(), 1); }},
        {"the 65th clock jump is dropped",
         Repite("CAMBIACRONO = 500, 0;", 70),
         [](const CSecuencia& s) { EXPECT_EQ(s.NumSaltos(), kNumSaltosSecuencia); }},
        {"sample indices and channels outside their tables",
         "SONIDO = 128, \"a.wav\"; TOCASONIDO = 128, 0; TOCASONIDOLARGO = 8, \"a.ogg\", 0;"
         "PARASONIDOLARGO = -1, 0; TOCARANURAMUSICA = 3, 0, \"M\"; TOCASONIDO = 127, 0;",
         [](const CSecuencia& s) { EXPECT_EQ(s.Sonidos().eventos.size(), 1u); }},
        {"movements and changes over no frames are dropped",
         "OBJETOEXTREMO = 0; VEPOS = 0, 10, 10, 5, 5; VELINEA = 0, 10, 9, 0, 0, 5, 5;"
         "VEPOSSALTO = 0, 10, 11, 5, 5, 9; VESALTO = 0, 3, 4, 0, 0, 5, 5, 9; INTERPOLAALFA = 0, 7, 7, 0, 255;"
         "INTERPOLAESCALA = 0, 8, 2, 1, 1, 2, 2; VEPOSSALTO = 0, 10, 12, 5, 5, 9; VEPOS = 0, 1, 2, 0, 0;",
         [](const CSecuencia& s) { EXPECT_EQ(s.NumEventosObjeto(0), 2); }},
        {"animation indices outside 0..255",
         "OBJETOEXTREMO = 0; PONANIM = 0, 0, 256; PONANIMPUNTUAL = 0, 0, -1; PONANIM = 0, 0, 255;",
         [](const CSecuencia& s) { EXPECT_EQ(s.NumEventosObjeto(0), 1); }},
        {"over-long long-sound and music-slot names are refused, not cut",
         "TOCASONIDOLARGO = 0, \"" + std::string(256, 'a') + "\", 0; TOCASONIDOLARGO = 0, \"" +
             std::string(255, 'a') + "\", 0; TOCARANURAMUSICA = 0, 0, \"" + std::string(64, 'm') +
             "\"; TOCARANURAMUSICA = 0, 0, \"" + std::string(63, 'm') + "\";",
         [](const CSecuencia& s) {
             ASSERT_EQ(s.Sonidos().eventos.size(), 2u);
             EXPECT_EQ(s.Sonidos().eventos[0].sFichero.size(), 255u);
             EXPECT_EQ(s.Sonidos().eventos[1].sRanura.size(), 63u);
         }},
        {"reals that are not numbers or far beyond the field",
         "OBJETOEXTREMO = 0; SETESCALA = 0, 0, nan, 1; SETESCALA = 0, 0, 1, 1e30; SETANGULO = 0, 0, inf;"
         "SETVELANG = 0, 0, 0.5;",
         [](const CSecuencia& s) { EXPECT_EQ(s.NumEventosObjeto(0), 1); }},
        {"pause frames: the second value, ascending, once each, at most 256",
         "BOTONPAUSA = 9, 40; BOTONPAUSA = 0, 20; BOTONPAUSA = 0, 40; BOTONPAUSA = 0, -1;" +
             Repite("BOTONPAUSA = 0, 1000;", 1) + [] {
                 std::string s;
                 for (int i = 0; i < 300; ++i) s += "BOTONPAUSA = 0, " + std::to_string(2000 + i) + ";";
                 return s;
             }(),
         [](const CSecuencia& s) {
             EXPECT_EQ(s.NumPausas(), kNumPausasSecuencia);
             EXPECT_EQ(s.Pausa(0), 20);
             EXPECT_EQ(s.Pausa(1), 40);
             EXPECT_EQ(s.Pausa(2), 1000);
             EXPECT_EQ(s.Pausa(3), 2000);
         }},
        {"buttons and timeline",
         "FIN = 100; LOOP = 50; FIN = -3; SETBOTONPASAR = 1, 0, 900, 700, 200, 60, 0.8, \"SQ01\";",
         [](const CSecuencia& s) {
             EXPECT_EQ(s.FrameFin(), 100);
             EXPECT_EQ(s.FrameLoop(), 50);
             EXPECT_TRUE(s.GetBotonPasar().bPresente);
             EXPECT_FALSE(s.GetBotonPausa().bPresente);
             EXPECT_EQ(s.GetBotonPasar().iCodigoTexto, int('S') << 24 | int('Q') << 16 | int('0') << 8 | int('1'));
             EXPECT_FLOAT_EQ(s.GetBotonPasar().fEscalaTexto, 0.8f);
         }},
    };
    carpeta.Escribe("vacia.sec", "FIN = 1;");
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.szNombre);
        CSecuencia s;
        ASSERT_TRUE(s.Carga(carpeta.Escribe("caso.sec", c.contenido).c_str()));
        c.comprueba(s);
    }
}

TEST(CargaSecuencia, MissingFilesAndNamesLoadNothing)
{
    Carpeta carpeta;
    ASSERT_TRUE(carpeta.Correcta());
    CSecuencia s;
    EXPECT_FALSE(s.Carga(nullptr));
    EXPECT_FALSE(s.Carga("no-existe.sec"));
    EXPECT_FALSE(s.Carga(carpeta.Escribe("sin-comando.sec", "// nothing but a comment\nFIN = 3").c_str()));
    EXPECT_FALSE(s.EstaCargada());
    // A failed load after a good one leaves nothing of the first.
    ASSERT_TRUE(s.Carga(carpeta.Escribe("bien.sec", "FIN = 3; OBJETOEXTREMO = 1;").c_str()));
    EXPECT_FALSE(s.Carga("no-existe.sec"));
    EXPECT_FALSE(s.EstaCargada());
    EXPECT_FALSE(s.Objeto(1).bCargado);
    EXPECT_EQ(s.FrameFin(), -1);
}

TEST(CargaSecuencia, FilesThatIncludeThemselvesLoadWithoutRecursing)
{
    Carpeta carpeta;
    ASSERT_TRUE(carpeta.Correcta());
    // Itself, under its own name and another spelling of it.
    carpeta.Escribe("yo.sec", "FIN = 5; SUBSECUENCIA = 0, \"yo.sec\"; SUBSECUENCIA = 1, \"./YO.SEC\";"
                              "SUBSECUENCIA = 2, \"otra.sec\";");
    carpeta.Escribe("otra.sec", "FIN = 7;");
    CSecuencia yo;
    ASSERT_TRUE(yo.Carga("yo.sec"));
    EXPECT_FALSE(yo.Sub(0).bPresente);
    EXPECT_FALSE(yo.Sub(1).bPresente);
    EXPECT_TRUE(yo.Sub(2).bPresente);

    // A -> B -> A: B is there, and A inside it is refused.
    carpeta.Escribe("a.sec", "FIN = 1; SUBSECUENCIA = 0, \"b.sec\";");
    carpeta.Escribe("b.sec", "FIN = 2; SUBSECUENCIA = 0, \"a.sec\"; SUBSECUENCIA = 1, \"otra.sec\";");
    CSecuencia a;
    ASSERT_TRUE(a.Carga("a.sec"));
    ASSERT_TRUE(a.Sub(0).bPresente);
    const CSecuencia& b = *a.Sub(0).pSecuencia;
    EXPECT_EQ(b.FrameFin(), 2);
    EXPECT_FALSE(b.Sub(0).bPresente);
    EXPECT_TRUE(b.Sub(1).bPresente);

    // A chain of distinct files stops at its nesting limit.
    for (int i = 0; i < 12; ++i)
        carpeta.Escribe("n" + std::to_string(i) + ".sec",
                        "FIN = 1; SUBSECUENCIA = 0, \"n" + std::to_string(i + 1) + ".sec\";");
    CSecuencia n;
    ASSERT_TRUE(n.Carga("n0.sec"));
    int profundidad = 0;
    for (const CSecuencia* p = &n; p->Sub(0).bPresente; p = p->Sub(0).pSecuencia.get()) ++profundidad;
    EXPECT_EQ(profundidad, CSecuencia::kMaxAnidamiento - 1);
}
