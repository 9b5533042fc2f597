// The game's dialogs and its slider knob: the message box's buttons and
// ring, its fit in tenths, its answers (a press after its animation, Enter
// in the input line, cleared by every focus change), the cancel button
// pressed by Escape and the right button, what it refuses to build; the
// difficulty box's back and its locked hardest difficulty; a knob whose
// draggable part fails.
#include "engine/app/Aplicacion.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/CuadreText.h"
#include "engine/ui/InputText.h"
#include "game/CatalogoJuego.h"
#include "game//screens/EntornoPantallas.h"
#include "game/screens/widgets/ArrastrableTazmo.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxDificultad.h"
#include "game/screens/widgets/MsgBoxTazmo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const int32_t kAcep = CodigoFLI("ACEP");
const int32_t kCanc = CodigoFLI("CANC");
constexpr int kIdCaja = 33;

class Cajas : public pantallas::EntornoPantallas {
protected:
    // n buttons: the first accepts, the others cancel; the last is the
    // cancel target.
    static std::vector<BotonMensaje> Botones(int n)
    {
        std::vector<BotonMensaje> v(size_t(n > 0 ? n : 1));
        for (int i = 0; i < n; ++i) v[size_t(i)].idTexto = i == 0 ? kAcep : kCanc;
        if (n > 0) v[size_t(n - 1)].bCancelar = true;
        return v;
    }
    CMsgBoxTazmo* Caja(int n, int flags, const char* texto = "Is this the end?")
    {
        auto* c = Nuevo<CMsgBoxTazmo>();
        const auto b = Botones(n);
        EXPECT_TRUE(c->Inicia(true, texto, 0, n, b.data(), flags, kIdCaja, "CAJA_MsgBox0"));
        return c;
    }
    void Muestra(CMenuObj* c)
    {
        Anade(c);
        m_arbol->Pasos(20);
        Eventos();
    }
    std::vector<int> Respuestas(int iId = kIdCaja)
    {
        std::vector<int> v;
        for (const auto& e : Eventos())
            if (e.tipo == EVENTO_RESPUESTA_MENSAJE) {
                EXPECT_EQ(e.emisor, iId);
                v.push_back(e.valor);
            }
        return v;
    }
};

} // namespace

TEST_F(Cajas, ElevenButtonsGiveTenInARingWithTheInputLine)
{
    CMsgBoxTazmo* c = Caja(11, CMsgBoxTazmo::CON_ENTRADA);
    ASSERT_TRUE(c->EstaCreado());
    for (int i = 0; i < 10; ++i) ASSERT_NE(c->m_apBotones[i], nullptr) << i;
    ASSERT_NE(c->m_pEntrada, nullptr);
    EXPECT_STREQ(c->m_pEntrada->Nombre(), "CAJA_MsgBox0_Input");
    EXPECT_STREQ(c->m_apBotones[3]->Nombre(), "MSGBOXTAZMO_Boton3");
    // Down from the last button to the input line, and on to the first.
    EXPECT_EQ(c->m_apBotones[9]->Abajo(), c->m_pEntrada);
    EXPECT_EQ(c->m_pEntrada->Abajo(), c->m_apBotones[0]);
    EXPECT_EQ(c->m_apBotones[0]->Arriba(), c->m_pEntrada);
    EXPECT_EQ(c->m_apBotones[4]->Abajo(), c->m_apBotones[5]);
    EXPECT_EQ(c->m_apBotones[5]->Arriba(), c->m_apBotones[4]);

    Muestra(c);
    EXPECT_EQ(c->HijoEnfocado(), c->m_pEntrada);
    m_arbol->Tecla(TECLA_ABAJO);
    EXPECT_EQ(c->HijoEnfocado(), c->m_apBotones[0]);
    m_arbol->Tecla(TECLA_ARRIBA);
    m_arbol->Tecla(TECLA_ARRIBA);
    EXPECT_EQ(c->HijoEnfocado(), c->m_apBotones[9]);
}

TEST(AjusteCaja, ShrinksByTenthsCountingTheScaleTwice)
{
    // A text of n pieces 100 wide, each line 40 high: K(width) lines.
    auto Texto = [](int piezas) {
        return [piezas](float ancho) {
            const int porLinea = std::max(1, int(ancho / 100.0f));
            return float((piezas + porLinea - 1) / porLinea) * 40.0f;
        };
    };
    struct Caso {
        int piezas;
        float escala;
        bool cabe;
        float alto;
    };
    const Caso casos[] = {
        {9, 1.0f, true, 40.0f},       // one line at full size
        {99, 1.0f, true, 440.0f},     // 11 lines: 440 x 1 fits
        {200, 0.7f, true, 476.0f},    // 17 lines of 12 at 0.7: h = 476, h s = 333.2
        {20000, 0.1f, true, 892.0f},  // fits only at the last tenth: 223 lines
        {200000, 1.0f, false, 0.0f},  // not even at 0.1: full size, no fit
    };
    for (const Caso& c : casos) {
        const CMsgBoxTazmo::Ajuste a = CMsgBoxTazmo::CalculaAjuste(Texto(c.piezas), 900.0f);
        EXPECT_EQ(a.bCabe, c.cabe) << c.piezas;
        EXPECT_NEAR(a.fEscala, c.escala, 1e-4f) << c.piezas;
        if (c.cabe) {
            EXPECT_NEAR(a.fAlto, c.alto, 0.01f) << c.piezas;
        }
    }
}

TEST_F(Cajas, ATextTooTallEvenAtATenthShowsAtFullSizeInTheWholeFrame)
{
    // Lines no width can join: 2400 of them never fit, even at a tenth.
    std::string largo;
    for (int i = 0; i < 2400; ++i) largo += "x\n";
    CMsgBoxTazmo* c = Caja(1, CMsgBoxTazmo::AJUSTA_TEXTO, largo.c_str());
    ASSERT_TRUE(c->EstaCreado());
    EXPECT_FLOAT_EQ(c->m_pTexto->m_fEscalaX, 1.0f);
    EXPECT_FLOAT_EQ(c->m_fCajaAlto, 450.0f);
    EXPECT_FLOAT_EQ(c->m_fCajaY, 159.0f);

    // A short one fits at full size and the frame closes round it.
    CMsgBoxTazmo* corta = Caja(2, CMsgBoxTazmo::AJUSTA_TEXTO, "Yes?");
    EXPECT_FLOAT_EQ(corta->m_pTexto->m_fEscalaX, 1.0f);
    EXPECT_LT(corta->m_fCajaAlto, 450.0f);
    EXPECT_FLOAT_EQ(corta->m_fCajaY + corta->m_fCajaAlto / 2, 384.0f);
}

TEST_F(Cajas, AnswersComeFromPressesAndEnterAndFocusClearsThem)
{
    CMsgBoxTazmo* c = Caja(2, CMsgBoxTazmo::CON_ENTRADA);
    Muestra(c);
    EXPECT_EQ(c->m_iResultado, -1);

    // Enter in the input line, with no button answering for it: -1, but
    // the event goes up all the same.
    m_arbol->Caracter('M');
    m_arbol->Caracter(CInputText::kAceptar);
    m_arbol->Pasos(2);
    EXPECT_EQ(Respuestas(), std::vector<int>{-1});
    EXPECT_EQ(c->m_iResultado, -1);

    // A press answers once its animation has run.
    const Rectangulo& r = c->m_apBotones[0]->Rect();
    m_arbol->Clic(r.x + r.ancho / 2, r.y + 40);
    m_arbol->Pasos(29);
    EXPECT_EQ(c->m_iResultado, -1);
    m_arbol->Pasos(1);
    EXPECT_EQ(c->m_iResultado, 0);
    EXPECT_EQ(Respuestas(), std::vector<int>{0});

    // Losing or taking the focus clears the answer.
    Raiz()->EnfocaHijo(nullptr);
    EXPECT_EQ(c->m_iResultado, -1);
    c->m_iResultado = 1;
    Raiz()->EnfocaHijo(c);
    EXPECT_EQ(c->m_iResultado, -1);
    EXPECT_EQ(c->HijoEnfocado(), c->m_pEntrada);
}

TEST_F(Cajas, EscapeAndTheRightButtonPressTheCancelButtonWithItsAnimation)
{
    CMsgBoxTazmo* c = Caja(3, 0);
    Muestra(c);
    // The right button over a button presses the cancel button.
    const Rectangulo& r = c->m_apBotones[0]->Rect();
    m_arbol->BotonRaton(BOTON_DERECHO_ABAJO, r.x + r.ancho / 2, r.y + 40);
    EXPECT_TRUE(c->m_apBotones[2]->Pulsando());
    m_arbol->Pasos(29);
    EXPECT_EQ(c->m_iResultado, -1);
    m_arbol->Pasos(1);
    EXPECT_EQ(c->m_iResultado, 2);
    EXPECT_TRUE(c->EstaCreado()); // the box never closes itself
    EXPECT_EQ(c->Padre(), Raiz());

    c->m_iResultado = -1;
    m_arbol->Tecla(TECLA_ESCAPE);
    m_arbol->Pasos(30);
    EXPECT_EQ(c->m_iResultado, 2);
}

TEST_F(Cajas, RefusesWhatItCannotBuild)
{
    const auto b = Botones(2);
    struct Caso {
        const char* que;
        const char* texto;
        int codigo;
        int n;
        const BotonMensaje* botones;
        int flags;
    };
    const Caso casos[] = {
        {"a negative count", "Text", 0, -1, b.data(), 0},
        {"an input line without a button", "Text", 0, 0, b.data(), CMsgBoxTazmo::CON_ENTRADA},
        {"buttons without descriptors", "Text", 0, 2, nullptr, 0},
        {"no text", nullptr, 0, 2, b.data(), 0},
    };
    for (const Caso& c : casos) {
        CMsgBoxTazmo caja;
        EXPECT_FALSE(caja.Inicia(false, c.texto, c.codigo, c.n, c.botones, c.flags, 1, "X")) << c.que;
        EXPECT_FALSE(caja.EstaCreado()) << c.que;
        EXPECT_FALSE(caja.EstaIniciado()) << c.que;
        for (CBotonTazmo* p : caja.m_apBotones) EXPECT_EQ(p, nullptr) << c.que;
    }
    // A code stands for the text; a box with no buttons at all is fine.
    CMsgBoxTazmo caja;
    EXPECT_TRUE(caja.Inicia(false, nullptr, CodigoFLI("MP05"), 0, nullptr, 0, 1, "X"));
}

TEST_F(Cajas, DifficultyBoxGoesBackOnEscapeAndTheRightButton)
{
    auto* d = Nuevo<CMsgBoxDificultad>();
    ASSERT_TRUE(d->Inicia(10, "Box_Dificultad"));
    Muestra(d);
    EXPECT_EQ(d->HijoEnfocado(), d->m_apBotones[0]);
    for (int via = 0; via < 2; ++via) {
        d->m_iResultado = -1;
        if (via == 0) {
            m_arbol->Tecla(TECLA_ESCAPE);
        } else {
            m_arbol->BotonRaton(BOTON_DERECHO_ABAJO, 340, 332);
        }
        m_arbol->Pasos(29);
        EXPECT_EQ(d->m_iResultado, -1) << via;
        m_arbol->Pasos(1);
        EXPECT_EQ(d->m_iResultado, CMsgBoxDificultad::kRespuestaVolver) << via;
    }
}

// The back button used to sit across the frame's bottom edge, over its
// corner ornament: every button's area stays inside the frame.
TEST_F(Cajas, TheDifficultyBoxsButtonsStayInsideItsFrame)
{
    CSPM* marco = tazmo::CopiaSPM(juego::paquete::MSGBOX_GRANDE);
    ASSERT_NE(marco, nullptr);
    const float w = marco->GetAnchoMaximo(), h = marco->GetAltoMaximo();
    delete marco;
    auto* d = Nuevo<CMsgBoxDificultad>();
    ASSERT_TRUE(d->Inicia(10, "Box_Dificultad"));
    Muestra(d);
    for (int i = 0; i < CMsgBoxDificultad::kNumBotones; ++i) {
        SCOPED_TRACE(testing::Message() << "button " << i);
        const Rectangulo& r = d->m_apBotones[i]->Rect();
        EXPECT_GE(r.x, 512.0f - w / 2);
        EXPECT_LE(r.x + r.ancho, 512.0f + w / 2);
        EXPECT_GE(r.y, 384.0f - h / 2);
        EXPECT_LE(r.y + r.alto, 384.0f + h / 2);
    }
}

TEST_F(Cajas, LockedHardestDifficultyShowsItselfLockedAndAnswersNothing)
{
    ConPerfil();
    auto* d = Nuevo<CMsgBoxDificultad>();
    ASSERT_TRUE(d->Inicia(10, "Box_Dificultad"));
    Muestra(d);
    CBotonTazmo* heroico = d->m_apBotones[3];
    ASSERT_TRUE(heroico->Bloqueado());
    EXPECT_EQ(heroico->CodigoMostrado(), CodigoFLI("BLOQ"));
    EXPECT_FALSE(d->m_apBotones[0]->Bloqueado());

    const float x = heroico->Rect().x + 150, y = heroico->Rect().y + 40;
    m_arbol->MueveRaton(x, y);
    m_arbol->Pasos(1);
    EXPECT_EQ(HintPedido(), CodigoFLI("MP31"));
    m_arbol->Clic(x, y);
    m_arbol->Pasos(40);
    EXPECT_EQ(d->m_iResultado, -1);
    EXPECT_TRUE(Respuestas(10).empty());

    // An open difficulty answers with its row.
    const Rectangulo& r = d->m_apBotones[1]->Rect();
    m_arbol->Clic(r.x + 150, r.y + 40);
    m_arbol->Pasos(30);
    EXPECT_EQ(d->m_iResultado, 1);
    EXPECT_EQ(Respuestas(10), std::vector<int>{1});
}

TEST_F(Cajas, AKnobWhoseDraggablePartFailsFails)
{
    CArrastrableTazmo k;
    ASSERT_TRUE(k.Inicia(100, 200, 400, 200, 32, 32, juego::paquete::BOTONES, 0, 3, "Knob"));
    EXPECT_TRUE(k.EstaCreado());
    k.LiberaSiCreado();
    // Without drawing, a style whose frames have sprites cannot be copied,
    // so the draggable part fails; a knob package without sprites still
    // copies. The knob fails with its part.
    EstiloObjeto e;
    e.Limpia();
    std::snprintf(e.m_szCapa1, sizeof e.m_szCapa1, "%s", "Data\\SPM\\Lineas.spm");
    g_pAplicacion->CambiaEstilo(0, e);
    ASSERT_NE(m_cache.GetSPM(e.m_szCapa1), nullptr); // cached with its sprites
    CSistema2D* pSistema = g_pSistema2D;
    g_pSistema2D = nullptr;
    const bool bCreado = k.Inicia(100, 200, 400, 200, 32, 32, "Data\\Textos\\English.FLI", 0, 3, "Knob");
    g_pSistema2D = pSistema;
    EXPECT_FALSE(bCreado);
    EXPECT_FALSE(k.EstaCreado());
    EXPECT_EQ(k.m_pSPM, nullptr);
}
