// Markup tokens, text widths and word wrap, independent of any loaded font.
#include "engine/graphics/ElementoTexto.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

struct CasoElemento {
    const char* texto;
    int tipo;
    int valor;
    int avance; // characters consumed
};

TEST(TextMarkup, TokensFromTheCurrentPosition)
{
    const CasoElemento casos[] = {
        {"", ELEMENTO_FIN, -1, 0},
        {"\r", ELEMENTO_FIN, -1, 0},
        {"\r\n", ELEMENTO_CARACTER, '\r', 1},
        {"ab", ELEMENTO_CARACTER, 'a', 1},
        {"\xE9", ELEMENTO_CARACTER, 0xE9, 1},
        {"\\<R255>", ELEMENTO_CARACTER, '<', 2},
        {"\\a", ELEMENTO_CARACTER, '\\', 1},
        {"\\", ELEMENTO_CARACTER, '\\', 1},
        {"<", ELEMENTO_FIN, -1, 0},
        {"<A128>x", ELEMENTO_ALFA, 128, 6},
        {"<R255>x", ELEMENTO_ROJO, 255, 6},
        {"<G0>x", ELEMENTO_VERDE, 0, 4},
        {"<B17>", ELEMENTO_AZUL, 17, 5},
        {"<R300>", ELEMENTO_ROJO, 300, 6},
        {"<c65>", ELEMENTO_CARACTER, 65, 5},
        {"<c0255>", ELEMENTO_CARACTER, 255, 7},
        {"<c256>", ELEMENTO_DESCONOCIDO, -1, 6},
        {"<c99999999999999999999999>z", ELEMENTO_DESCONOCIDO, -1, 26},
        {"<R99999999999999999999999>z", ELEMENTO_DESCONOCIDO, -1, 26},
        {"<x12>", ELEMENTO_DESCONOCIDO, -1, 5},
        {"<r12>", ELEMENTO_DESCONOCIDO, -1, 5},
        {"<R1x2>", ELEMENTO_DESCONOCIDO, -1, 6},
        {"<R>", ELEMENTO_DESCONOCIDO, -1, 3},
        {"<R12", ELEMENTO_FIN, -1, 0},
        {"<c", ELEMENTO_FIN, -1, 0},
    };
    for (const CasoElemento& c : casos) {
        SCOPED_TRACE(c.texto);
        ElementoTexto e = LeeElementoTexto(c.texto);
        EXPECT_EQ(e.m_iTipo, c.tipo);
        if (c.tipo != ELEMENTO_FIN && c.tipo != ELEMENTO_DESCONOCIDO) {
            EXPECT_EQ(e.m_iValor, c.valor);
        }
        EXPECT_EQ(e.m_pSiguiente - c.texto, c.avance);
    }
    EXPECT_EQ(LeeElementoTexto(nullptr).m_iTipo, ELEMENTO_FIN);
}

TEST(TextMarkup, WalkingATextVisitsEveryToken)
{
    const char* texto = "<R255><G0><B0>Hi\\<<c65>";
    std::string caracteres;
    int colores = 0;
    for (ElementoTexto e = LeeElementoTexto(texto); e.m_iTipo != ELEMENTO_FIN;
         e = LeeElementoTexto(e.m_pSiguiente)) {
        if (e.m_iTipo == ELEMENTO_CARACTER) caracteres += static_cast<char>(e.m_iValor);
        else if (e.m_iTipo >= ELEMENTO_ALFA && e.m_iTipo <= ELEMENTO_AZUL) ++colores;
    }
    EXPECT_EQ(caracteres, "Hi<A");
    EXPECT_EQ(colores, 3);
}

// Advances: 'a' 10, 'b' 20, ' ' 5, '<' 0, everything else 0.
struct Anchos {
    float a[256] = {};
    Anchos()
    {
        a['a'] = 10;
        a['b'] = 20;
        a[' '] = 5;
    }
};

TEST(TextWidth, WidestLineWithSpacingOverPositiveAdvances)
{
    const Anchos anchos;
    const struct {
        const char* texto;
        float ancho;
    } casos[] = {
        {"", 0.0f},
        {"ab", 11.0f + 21.0f},
        {"ab\na", 32.0f},
        {"a\nab", 32.0f},
        {"a a", 11.0f + 6.0f + 11.0f},
        {"<R255><G0>ab", 32.0f},
        {"<c97>", 11.0f},
        {"\x01" "a\\<", 11.0f},
        {"<q5>a", 11.0f},
        {"\n\n", 0.0f},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_FLOAT_EQ(AnchoTextoMarcado(c.texto, anchos.a, 1.0f), c.ancho);
    }
}

TEST(TextWrap, PiecesGoOnTheLineWhileTheyFit)
{
    Anchos anchos;
    anchos.a[' '] = 10; // every character 10 wide, no spacing
    const struct {
        const char* texto;
        float ancho;
        const char* esperado;
    } casos[] = {
        {"", 100, ""},
        {"aa aa", 0, ""},
        {"aa aa", -5, ""},
        {"aa aa", 100, "aa aa"},                      // narrower than the box: unchanged
        {"aa aa aa", 60, "aa \naa aa"},               // 30 + 30 is not below 60
        {"aa aa aa", 61, "aa aa \naa"},
        {"aaaaaa", 30, "\naaaaaa"},                   // a first piece too wide: empty line first
        {"a aaaaaa a", 40, "a \naaaaaa \na"},         // a word wider than the box keeps its own line
        {"aa\naa aa", 50, "aa\naa \naa"},             // a newline restarts the running width
        {"aa\n\naa", 50, "aa\n\naa"},
        {"a  a", 100, "a  a"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        std::string destino = "previous";
        AjustaTextoMarcado(destino, c.texto, c.ancho, anchos.a, 0.0f);
        EXPECT_EQ(destino, c.esperado);
    }
}

TEST(TextWrap, MarkupCountsNothingInTheWidths)
{
    Anchos anchos;
    anchos.a[' '] = 10;
    std::string destino;
    AjustaTextoMarcado(destino, "<R255>aa <G0>aa", 60, anchos.a, 0.0f);
    EXPECT_EQ(destino, "<R255>aa <G0>aa");
}

// The loading sign lays out text on its own thread while the main thread
// does too: tokens are per call, so both get their own results.
TEST(TextWrap, TwoThreadsLayOutAtOnce)
{
    Anchos anchos;
    anchos.a[' '] = 10;
    const char* textos[2] = {"<R255>aa <G0>aaaa a<c97> aaa\\< aa", "a a a a <B7>aaaaaa a a aa aaa a"};
    std::string esperado[2];
    for (int i = 0; i < 2; ++i) AjustaTextoMarcado(esperado[i], textos[i], 45, anchos.a, 1.0f);
    bool iguales[2] = {true, true};
    std::vector<std::thread> hilos;
    for (int i = 0; i < 2; ++i) {
        hilos.emplace_back([&, i] {
            std::string destino;
            for (int n = 0; n < 3000; ++n) {
                AjustaTextoMarcado(destino, textos[i], 45, anchos.a, 1.0f);
                if (destino != esperado[i]) iguales[i] = false;
            }
        });
    }
    for (std::thread& h : hilos) h.join();
    EXPECT_TRUE(iguales[0]);
    EXPECT_TRUE(iguales[1]);
}

} // namespace
