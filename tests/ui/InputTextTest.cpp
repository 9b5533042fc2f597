// The text input: the mode filter, the maximum length, Backspace, the accept
// sent one update after Enter and cancelled by a focus change, Enter kept
// from the parent, a hidden line, PonTexto bounded by the line's length.
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/Buto.h"
#include "engine/ui/InputText.h"
#include "ui/TextoEntorno.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class InputText : public uitest::EntornoTexto {
protected:
    // A line over (100, 100, 400, 50), attached on top of the root, focused.
    void Linea(int iLongitud, int iModo)
    {
        if (m_linea.Padre()) {
            Raiz()->QuitaHijo(false, &m_linea);
            m_arbol->Pasos(1);
        }
        ASSERT_TRUE(m_linea.Inicia(100, 100, 400, 50, iLongitud, iModo, uitest::kFuenteTexto, 1, 4, "linea", 1, 1));
        Anade(&m_linea);
        Raiz()->m_bReenviaEventos = false;
    }
    void TearDown() override
    {
        Raiz()->QuitaHijo(false, &m_linea);
        Raiz()->QuitaHijo(false, &m_boton);
        m_arbol->Pasos(1);
        m_linea.LiberaSiCreado();
        m_boton.LiberaSiCreado();
        uitest::EntornoTexto::TearDown();
    }
    // Characters typed through the application core; one letter per
    // character of the result: u used, - not used.
    std::string Escribe(const std::string& s)
    {
        std::string r;
        for (char c : s) r += m_arbol->Caracter(c) ? 'u' : '-';
        return r;
    }

    CInputText m_linea;
    CButo m_boton;
};

} // namespace

TEST(InputTextModos, FilterOfEachMode)
{
    using C = CInputText;
    struct Caso {
        int modo;
        const char* caracteres; // Windows-1252
        C::Clase clase;
    };
    const Caso casos[] = {
        {0, "0123456789", C::ANADIR},
        {0, ".-aZ ?", C::NADA},
        {1, "0123456789.", C::ANADIR},
        {1, "-, a", C::NADA},
        {2, "09azAZmQ", C::ANADIR},
        {2, ". \xE9\xF1?", C::NADA},                              // é ñ
        {3, "aZ5\xE9\xC9\xF1\xD1\xE7\xC7\xDF\xE6\xC6\xFF\xDD\xE5", C::ANADIR}, // é É ñ Ñ ç Ç ß æ Æ ÿ Ý å
        {3, "? .-\xA1\xBF\xF8", C::NADA},                         // ¡ ¿ ø
        {4, "a\xE9?!\xA1\xBF\x5C@#~|=\xAA\xBA\xB7\xA8\xB4", C::ANADIR}, // ¡ ¿ ª º · ¨ ´
        {4, " \xF8\xA3\x80\t", C::NADA},                          // ø £ €
    };
    for (const Caso& c : casos)
        for (const char* p = c.caracteres; *p; ++p)
            EXPECT_EQ(C::Clasifica(c.modo, *p), c.clase) << "mode " << c.modo << " char " << int(uint8_t(*p));
    // Backspace and Enter in the five modes, and nothing in any other.
    for (int m = 0; m <= 4; ++m) {
        EXPECT_EQ(C::Clasifica(m, 8), C::BORRAR);
        EXPECT_EQ(C::Clasifica(m, 13), C::ACEPTAR);
    }
    for (int m : {-1, 5, 6, 100})
        for (char ch : {'1', 'a', char(8), char(13)}) EXPECT_EQ(C::Clasifica(m, ch), C::NADA) << m;
}

TEST_F(InputText, TypedCharactersThroughTheCore)
{
    struct Caso {
        int modo, longitud;
        std::string escrito, texto, usados;
    };
    const Caso casos[] = {
        {0, 3, "1234", "123", "uuuu"},          // full: still used
        {1, 10, "3.14-", "3.14", "uuuu-"},
        {2, 10, "Ab \xE9z", "Abz", "uu--u"},
        {3, 10, "Jos\xE9?", "Jos\xE9", "uuuu-"},
        {4, 10, "Hey?!", "Hey?!", "uuuuu"},
        {0, 5, "\b", "", "u"},                  // Backspace on an empty line
        {0, 5, "12\b3", "13", "uuuu"},
        {5, 5, "1a\b\r", "", "----"},
    };
    for (const Caso& c : casos) {
        Linea(c.longitud, c.modo);
        EXPECT_EQ(Escribe(c.escrito), c.usados) << c.escrito;
        EXPECT_EQ(std::string(m_linea.Texto()), c.texto) << c.escrito;
        EXPECT_EQ(m_linea.m_iLongitud, int(c.texto.size()));
        // The sprite shows the buffer.
        if (!c.texto.empty()) {
            EXPECT_EQ(uitest::Muestra(m_linea.m_pSprite), c.texto);
        }
    }
}

TEST_F(InputText, AcceptGoesOutAtTheNextUpdateUnlessTheFocusMoves)
{
    Linea(20, 2);
    ASSERT_TRUE(m_boton.Inicia(100, 300, 200, 50, 0, 9, "boton"));
    Raiz()->AnadeHijo(false, &m_boton, false, true);
    Raiz()->EnfocaHijo(&m_linea);
    Escribe("Kay");
    // The Enter key is the line's: the parent presses nothing with it.
    EXPECT_TRUE(m_arbol->Tecla(TECLA_ENTER));
    EXPECT_TRUE(Raiz()->m_eventos.empty());
    EXPECT_EQ(Escribe("\r"), "u");
    EXPECT_TRUE(Raiz()->m_eventos.empty());
    m_arbol->Pasos(1);
    ASSERT_EQ(Raiz()->m_eventos.size(), 1u);
    EXPECT_EQ(Raiz()->m_eventos[0].tipo, EVENTO_TEXTO_ACEPTADO);
    EXPECT_EQ(Raiz()->m_eventos[0].valor, 0);
    EXPECT_EQ(Raiz()->m_eventos[0].texto, "Kay");
    EXPECT_EQ(Raiz()->m_eventos[0].emisor, 4);
    m_arbol->Pasos(2);
    EXPECT_EQ(Raiz()->m_eventos.size(), 1u);

    // Enter, then the focus moves away before the update: nothing is sent.
    Raiz()->m_eventos.clear();
    Escribe("\r");
    m_arbol->MueveRaton(150, 320);
    EXPECT_EQ(kit::CadenaFoco(Raiz()), "raiz>boton");
    m_arbol->Pasos(2);
    EXPECT_TRUE(Raiz()->m_eventos.empty());
    // Other keys follow the parent's rules.
    Raiz()->EnfocaHijo(&m_linea);
    m_linea.PonAbajo(&m_boton);
    EXPECT_TRUE(m_arbol->Tecla(TECLA_ABAJO));
    EXPECT_EQ(kit::CadenaFoco(Raiz()), "raiz>boton");
}

TEST_F(InputText, HiddenLineIgnoresEveryCharacter)
{
    Linea(10, 4);
    Escribe("ab");
    m_linea.PonVisible(false);
    EXPECT_EQ(Escribe("cd\b\r"), "----");
    EXPECT_STREQ(m_linea.Texto(), "ab");
    EXPECT_FALSE(m_linea.AceptacionPendiente());
    m_linea.PonVisible(true);
    Raiz()->PonVisible(false);
    EXPECT_EQ(Escribe("c"), "-");
    Raiz()->PonVisible(true);
    EXPECT_EQ(Escribe("c"), "u");
    EXPECT_STREQ(m_linea.Texto(), "abc");
}

TEST_F(InputText, PonTextoKeepsToTheLength)
{
    Linea(4, 0);
    m_linea.PonTexto("123456");
    EXPECT_STREQ(m_linea.Texto(), "1234");
    EXPECT_EQ(m_linea.m_iLongitud, 4);
    EXPECT_EQ(uitest::Muestra(m_linea.m_pSprite), "1234");
    m_linea.PonTexto(nullptr);
    EXPECT_STREQ(m_linea.Texto(), "1234");
    // Whatever it was given, the line goes on from its length.
    EXPECT_EQ(Escribe("\b5"), "uu");
    EXPECT_STREQ(m_linea.Texto(), "1235");
    m_linea.PonTexto("");
    EXPECT_STREQ(m_linea.Texto(), "");
    // A line of no characters holds nothing; a negative length is refused.
    CInputText vacia;
    ASSERT_TRUE(vacia.Inicia(0, 0, 100, 40, 0, 0, -1, -1, 1, "v", 1, 1));
    EXPECT_TRUE(vacia.TrataCaracter('1'));
    EXPECT_STREQ(vacia.Texto(), "");
    EXPECT_FALSE(vacia.Inicia(0, 0, 100, 40, -2, 0, -1, -1, 1, "v", 1, 1));
    EXPECT_FALSE(vacia.EstaCreado());
    EXPECT_STREQ(vacia.Texto(), "");
}

TEST(InputTextSinGraficos, WithoutATextSpriteTheLineFails)
{
    CInputText l;
    EXPECT_FALSE(l.Inicia(0, 0, 100, 40, 8, 0, -1, -1, 1, "l", 1, 1));
    EXPECT_FALSE(l.EstaCreado());
    EXPECT_FALSE(l.EstaIniciado());
    EXPECT_FALSE(l.TrataCaracter('1'));
}

// The typed line sits in the middle of its field's height and starts at the
// field's left, where a caret drawn after its last letter expects it, unless
// the field is asked to centre it.
TEST_F(InputText, TheLineIsDrawnInTheMiddleOfTheFieldsHeightFromItsLeft)
{
    CInputText linea;
    ASSERT_TRUE(linea.Inicia(100, 100, 400, 64, 32, 4, uitest::kFuenteTexto, -1, 4, "medio", 1, 1));
    linea.PonTexto("HHHH");
    Anade(&linea);
    Fondo(0, 0, 0);
    linea.Dibuja(nullptr, nullptr);
    const uitest::Pixel negro{0, 0, 0};
    int arriba = -1, abajo = -1, izquierda = -1;
    for (int y = 90; y < 175; ++y)
        if (Distintos(100, y, 500, y + 1, negro) > 0) {
            if (arriba < 0) arriba = y;
            abajo = y;
        }
    for (int x = 95; x < 500 && izquierda < 0; ++x)
        if (Distintos(x, 100, x + 1, 164, negro) > 0) izquierda = x;
    ASSERT_GE(arriba, 0);
    EXPECT_NEAR((arriba + abajo) / 2.0, 100 + 64 / 2.0, 4.0) << arriba << ".." << abajo;
    EXPECT_GE(izquierda, 100);
    EXPECT_LE(izquierda, 110);

    // Asked to, the line grows from the middle of the field instead.
    linea.PonFormato(TEXTO_CENTRADO | TEXTO_MEDIO);
    Fondo(0, 0, 0);
    linea.Dibuja(nullptr, nullptr);
    int izq = -1, der = -1;
    for (int x = 95; x < 505; ++x)
        if (Distintos(x, 100, x + 1, 164, negro) > 0) {
            if (izq < 0) izq = x;
            der = x;
        }
    ASSERT_GE(izq, 0);
    EXPECT_NEAR((izq + der) / 2.0, 100 + 400 / 2.0, 4.0) << izq << ".." << der;
    Raiz()->QuitaHijo(false, &linea);
    m_arbol->Pasos(1);
}

// What is typed stays inside the field: a letter that would run past its
// right edge is taken and dropped, as one past the length limit is.
TEST_F(InputText, ALetterThatWouldRunPastTheFieldIsDropped)
{
    CInputText linea;
    ASSERT_TRUE(linea.Inicia(100, 100, 120, 40, 64, 4, uitest::kFuenteTexto, -1, 4, "estrecha", 1, 1));
    Anade(&linea);
    const CFont* f = g_pSistema2D->GetFont(uitest::kFuenteTexto);
    ASSERT_TRUE(f && f->EstaCargada());
    for (int i = 0; i < 40; ++i) EXPECT_TRUE(linea.TrataCaracter('W'));
    const std::string tecleado = linea.Texto();
    EXPECT_GT(tecleado.size(), 0u);
    EXPECT_LT(tecleado.size(), 40u);
    EXPECT_LE(f->CalculaAncho(tecleado.c_str()), 120.0f);
    EXPECT_GT(f->CalculaAncho((tecleado + "W").c_str()), 120.0f);
    // Rubbing out makes room again.
    EXPECT_TRUE(linea.TrataCaracter(CInputText::kBorrar));
    EXPECT_TRUE(linea.TrataCaracter('i'));
    EXPECT_EQ(std::string(linea.Texto()), tecleado.substr(0, tecleado.size() - 1) + "i");
    Raiz()->QuitaHijo(false, &linea);
    m_arbol->Pasos(1);
}
