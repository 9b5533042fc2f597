// The message box: its layout for a count of buttons (ten at most, the box
// keeping the height asked), the ring of links, the text shrunk to fit, the
// answer (-1 until a button answers, cleared by each focus), the input line's
// answer, the hint line following the focus, the veil, and the failures.
#include "engine/core/CatalogoMotor.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/SPM.h"
#include "engine/ui/Buto.h"
#include "engine/ui/CuadreText.h"
#include "engine/ui/InputText.h"
#include "engine/ui/MessageBox.h"
#include "ui/TextoEntorno.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const int32_t kOk = CodigoFLI(motor::texto::ACEPTAR);
const int32_t kCancelar = CodigoFLI(motor::texto::CANCELAR);

class MessageBox : public uitest::EntornoTexto {
protected:
    void TearDown() override
    {
        if (m_caja.Padre()) {
            Raiz()->QuitaHijo(false, &m_caja);
            m_arbol->Pasos(1);
        }
        m_caja.LiberaSiCreado();
        uitest::EntornoTexto::TearDown();
    }

    // n buttons: 0 "OK", the others "Cancel"; the last cancels.
    static std::vector<BotonMensaje> Botones(int n)
    {
        std::vector<BotonMensaje> v(size_t(n > 0 ? n : 1));
        for (int i = 0; i < n; ++i) v[size_t(i)].idTexto = i == 0 ? kOk : kCancelar;
        if (n > 0) v[size_t(n - 1)].bCancelar = true;
        return v;
    }
    bool Crea(const char* texto, float ancho, float alto, const std::vector<BotonMensaje>& b, int n, int flags)
    {
        return m_caja.Inicia(texto, ancho, alto, n, b.data(), uitest::kFuenteTexto, flags, 33, "caja", nullptr);
    }
    void Muestra()
    {
        Anade(&m_caja);
        Raiz()->m_bReenviaEventos = false;
        m_arbol->Pasos(1);
    }
    std::vector<kit::EventoRecibido>& Eventos() { return Raiz()->m_eventos; }

    CMessageBox m_caja;
};

} // namespace

TEST_F(MessageBox, TwoButtonsAroundTheText)
{
    ASSERT_TRUE(Crea("Quit the game?", 400, 100, Botones(2), 2, 0));
    // The box: the text's area plus margins, the buttons' height, centred.
    EXPECT_FLOAT_EQ(m_caja.m_fCajaAncho, 460);
    EXPECT_FLOAT_EQ(m_caja.m_fCajaAlto, 128 + 100 + 60);
    EXPECT_FLOAT_EQ(m_caja.m_fCajaX + m_caja.m_fCajaAncho / 2, 512);
    EXPECT_FLOAT_EQ(m_caja.m_fCajaY + m_caja.m_fCajaAlto / 2, 384);
    const Rectangulo& panel = m_caja.m_pPanel->Rect();
    EXPECT_FLOAT_EQ(panel.x, 282);
    EXPECT_FLOAT_EQ(panel.y, 240);
    EXPECT_EQ(m_caja.m_pPanel->m_iEstilo, 2);
    // The text above the buttons, both centred as a group.
    const Rectangulo& texto = m_caja.m_pTexto->Rect();
    EXPECT_FLOAT_EQ(texto.x, 312);
    EXPECT_FLOAT_EQ(texto.y, 384 - 50 - 64);
    EXPECT_EQ(m_caja.m_pTexto->SpriteTexto()->m_pBitmap->m_iFlagsText, 73);
    for (int i = 0; i < 2; ++i) {
        CButo* b = m_caja.m_apBotones[i];
        ASSERT_NE(b, nullptr);
        EXPECT_FLOAT_EQ(b->Rect().x, 391);
        EXPECT_FLOAT_EQ(b->Rect().y, texto.y + 100 + 64 * i + 20);
        EXPECT_FLOAT_EQ(b->Rect().ancho, 242);
        EXPECT_EQ(b->m_iId, i);
        EXPECT_EQ(b->m_iFormato, 73);
        EXPECT_EQ(std::string(b->Nombre()), "NSGBOX_BUT_Boton" + std::to_string(i));
    }
    EXPECT_EQ(m_caja.m_apBotones[2], nullptr);
    EXPECT_EQ(m_caja.m_apBotones[1]->Arriba(), m_caja.m_apBotones[0]);
    EXPECT_EQ(m_caja.m_apBotones[1]->Abajo(), m_caja.m_apBotones[0]);
    EXPECT_EQ(m_caja.m_pAyuda, nullptr);
    EXPECT_EQ(m_caja.m_pEntrada, nullptr);
    EXPECT_STREQ(m_caja.TextoEntrada(), "");
    // Drawn in attach order: panel, buttons, text.
    EXPECT_EQ(kit::Hijos(&m_caja), "GEN_QuadreText,NSGBOX_BUT_Boton1,NSGBOX_BUT_Boton0,GEN_QuadreText");
    EXPECT_EQ(m_caja.m_pTexto, m_caja.m_lHijos.m_pCabeza->m_pItem);
    // The whole field, modal, no transition.
    EXPECT_TRUE(m_caja.Contiene(0, 0));
    EXPECT_TRUE(m_caja.Contiene(1024, 768));
    EXPECT_TRUE(m_caja.EsModal());
    // Flag 2: the text is wrapped only.
    ASSERT_TRUE(Crea("Quit the game?", 400, 100, Botones(2), 2, CMessageBox::FLAG_TEXTO_SIMPLE));
    EXPECT_EQ(m_caja.m_pTexto->SpriteTexto()->m_pBitmap->m_iFlagsText, 64);
}

TEST_F(MessageBox, TwelveButtonsAskedTenMade)
{
    ASSERT_TRUE(Crea("Pick one", 300, 40, Botones(12), 12, 0));
    EXPECT_FLOAT_EQ(m_caja.m_fCajaAlto, 12 * 64 + 40 + 60);
    for (int i = 0; i < 10; ++i) EXPECT_NE(m_caja.m_apBotones[i], nullptr) << i;
    // The ring closes on the tenth.
    EXPECT_EQ(m_caja.m_apBotones[9]->Abajo(), m_caja.m_apBotones[0]);
    EXPECT_EQ(m_caja.m_apBotones[0]->Arriba(), m_caja.m_apBotones[9]);
    // The cancelling eleventh and twelfth were never made.
    EXPECT_EQ(m_caja.m_pCancelar, nullptr);
}

TEST_F(MessageBox, FailuresLeaveNothingBehind)
{
    std::vector<BotonMensaje> b = Botones(2);
    // An input line with no button to answer through.
    EXPECT_FALSE(Crea("Name?", 400, 60, b, 0, CMessageBox::FLAG_ENTRADA));
    EXPECT_FALSE(m_caja.EstaCreado());
    EXPECT_FALSE(m_caja.EstaIniciado());
    EXPECT_EQ(m_caja.m_pEntrada, nullptr);
    EXPECT_EQ(m_caja.m_pPanel, nullptr);
    EXPECT_EQ(m_caja.m_pTexto, nullptr);
    EXPECT_FALSE(m_caja.Inicia(nullptr, 400, 60, 2, b.data(), 0, 0, 1, "c", nullptr));
    EXPECT_FALSE(m_caja.Inicia("Hi", 400, 60, 2, nullptr, 0, 0, 1, "c", nullptr));
    EXPECT_FALSE(Crea("Hi", 400, 60, b, -1, 0));
    // After a good box, a bad one releases it.
    ASSERT_TRUE(Crea("Hi", 400, 60, b, 2, 0));
    EXPECT_FALSE(Crea("Hi", 400, 60, b, 0, CMessageBox::FLAG_ENTRADA));
    EXPECT_EQ(m_caja.m_apBotones[0], nullptr);
    // No buttons and no input line is a plain notice.
    ASSERT_TRUE(Crea("Wait", 400, 60, b, 0, 0));
    Muestra();
    EXPECT_TRUE(m_arbol->Tecla(TECLA_ENTER));
    m_arbol->Pasos(1);
    EXPECT_EQ(m_caja.m_iRespuesta, -1);
}

TEST_F(MessageBox, AnswerIsMinusOneUntilAButtonAnswers)
{
    ASSERT_TRUE(Crea("Quit the game?", 400, 100, Botones(3), 3, 0));
    Muestra();
    EXPECT_EQ(kit::CadenaFoco(Raiz()), "raiz>caja>NSGBOX_BUT_Boton0");
    EXPECT_EQ(m_caja.m_iRespuesta, -1);
    // Moving about answers nothing; every input is swallowed.
    EXPECT_TRUE(m_arbol->Tecla(TECLA_ABAJO));
    EXPECT_TRUE(m_arbol->Tecla(TECLA_ABAJO));
    EXPECT_TRUE(m_arbol->Tecla(TECLA_ABAJO));
    EXPECT_EQ(kit::CadenaFoco(Raiz()), "raiz>caja>NSGBOX_BUT_Boton0");
    EXPECT_TRUE(m_arbol->Tecla(TECLA_ARRIBA));
    EXPECT_EQ(kit::CadenaFoco(Raiz()), "raiz>caja>NSGBOX_BUT_Boton2");
    EXPECT_TRUE(m_arbol->Caracter('x'));
    EXPECT_TRUE(m_arbol->BotonRaton(BOTON_IZQUIERDO_ABAJO, 5, 5));
    m_arbol->Pasos(2);
    EXPECT_EQ(m_caja.m_iRespuesta, -1);
    EXPECT_TRUE(Eventos().empty());

    // A click on the second button answers 1, at once, and the owner
    // hears it from the box.
    const Rectangulo& r = m_caja.m_apBotones[1]->Rect();
    m_arbol->Clic(r.x + 20, r.y + 20);
    EXPECT_EQ(m_caja.m_iRespuesta, 1);
    ASSERT_EQ(Eventos().size(), 1u);
    EXPECT_EQ(Eventos()[0].tipo, EVENTO_RESPUESTA_MENSAJE);
    EXPECT_EQ(Eventos()[0].valor, 1);
    EXPECT_EQ(Eventos()[0].emisor, 33);
    // The owner sets it back; Escape presses the cancel button.
    m_caja.m_iRespuesta = -1;
    m_arbol->Tecla(TECLA_ESCAPE);
    EXPECT_EQ(m_caja.m_iRespuesta, 2);
    m_arbol->BotonMando(BOTON_MANDO_PULSAR);
    EXPECT_EQ(m_caja.m_iRespuesta, 2);
    // Each focus of the box clears the answer.
    m_caja.PonEnfocado(true);
    EXPECT_EQ(m_caja.m_iRespuesta, -1);
    EXPECT_EQ(kit::CadenaFoco(Raiz()), "raiz>caja>NSGBOX_BUT_Boton0");
    EXPECT_FALSE(m_caja.EstaEnfocado());
    // Other events of the children are dropped.
    Eventos().clear();
    m_caja.EnviaEvento(EVENTO_OPCION_ELEGIDA, 3, nullptr, 0);
    EXPECT_TRUE(Eventos().empty());
}

TEST_F(MessageBox, EnterInTheInputLineAnswersWithItsButton)
{
    std::vector<BotonMensaje> b = Botones(2);
    b[0].bRespuestaEntrada = true;
    ASSERT_TRUE(Crea("Your name?", 400, 60, b, 2, CMessageBox::FLAG_ENTRADA));
    ASSERT_NE(m_caja.m_pEntrada, nullptr);
    EXPECT_FLOAT_EQ(m_caja.m_fCajaAlto, 128 + 79 + 60 + 60);
    const Rectangulo& texto = m_caja.m_pTexto->Rect();
    EXPECT_FLOAT_EQ(m_caja.m_pEntrada->Rect().y, texto.y + 60 + 20);
    EXPECT_FLOAT_EQ(m_caja.m_apBotones[0]->Rect().y, texto.y + 60 + 20 + 79);
    EXPECT_STREQ(m_caja.m_pEntrada->Nombre(), "MSGBOX_INPUT_Input");
    // The input line joins the ring.
    EXPECT_EQ(m_caja.m_pEntrada->Abajo(), m_caja.m_apBotones[0]);
    EXPECT_EQ(m_caja.m_pEntrada->Arriba(), m_caja.m_apBotones[1]);
    EXPECT_EQ(m_caja.m_apBotones[0]->Arriba(), m_caja.m_pEntrada);
    EXPECT_EQ(m_caja.m_apBotones[1]->Abajo(), m_caja.m_pEntrada);

    Muestra();
    EXPECT_EQ(kit::CadenaFoco(Raiz()), "raiz>caja>MSGBOX_INPUT_Input");
    for (char c : std::string("Aldo \xC9tienne")) m_arbol->Caracter(c);
    EXPECT_STREQ(m_caja.TextoEntrada(), "Aldo\xC9tienne");
    // Enter as a key presses no button; as a character it answers at the
    // next update.
    m_arbol->Tecla(TECLA_ENTER);
    m_arbol->Caracter('\r');
    EXPECT_EQ(m_caja.m_iRespuesta, -1);
    m_arbol->Pasos(1);
    EXPECT_EQ(m_caja.m_iRespuesta, 0);
    ASSERT_EQ(Eventos().size(), 1u);
    EXPECT_EQ(Eventos()[0].valor, 0);

    // Without a button for it, the answer stays -1 and the event says so.
    b[0].bRespuestaEntrada = false;
    Raiz()->QuitaHijo(false, &m_caja);
    m_arbol->Pasos(1);
    ASSERT_TRUE(Crea("Your name?", 400, 60, b, 2, CMessageBox::FLAG_ENTRADA));
    Muestra();
    Eventos().clear();
    m_arbol->Caracter('\r');
    m_arbol->Pasos(1);
    EXPECT_EQ(m_caja.m_iRespuesta, -1);
    ASSERT_EQ(Eventos().size(), 1u);
    EXPECT_EQ(Eventos()[0].tipo, EVENTO_RESPUESTA_MENSAJE);
    EXPECT_EQ(Eventos()[0].valor, -1);
}

TEST_F(MessageBox, HintLineFollowsTheFocus)
{
    std::vector<BotonMensaje> b = Botones(3);
    b[0].idTextoAyuda = kOk;
    b[2].idTextoAyuda = kCancelar;
    ASSERT_TRUE(Crea("Save?", 400, 60, b, 3, 0));
    ASSERT_NE(m_caja.m_pAyuda, nullptr);
    const Rectangulo& r = m_caja.m_pAyuda->Rect();
    EXPECT_FLOAT_EQ(r.x, 112);
    EXPECT_FLOAT_EQ(r.y, m_caja.m_fCajaY + m_caja.m_fCajaAlto);
    EXPECT_FLOAT_EQ(r.ancho, 800);
    Muestra();
    EXPECT_EQ(uitest::Muestra(m_caja.m_pAyuda->SpriteTexto()), std::string("#") + motor::texto::ACEPTAR);
    m_arbol->Tecla(TECLA_ABAJO); // button 1 has no help
    EXPECT_EQ(uitest::Muestra(m_caja.m_pAyuda->SpriteTexto()), "");
    m_arbol->Tecla(TECLA_ABAJO);
    EXPECT_EQ(uitest::Muestra(m_caja.m_pAyuda->SpriteTexto()), std::string("#") + motor::texto::CANCELAR);
    EXPECT_EQ(m_caja.m_pAyuda->SpriteTexto()->m_pBitmap->m_iFlagsText, 73);
    EXPECT_FLOAT_EQ(m_caja.m_pAyuda->SpriteTexto()->m_pBitmap->m_fEscalaX, 0.8f);
    // The pointer moves the focus, and the hint with it.
    const Rectangulo& b0 = m_caja.m_apBotones[0]->Rect();
    m_arbol->MueveRaton(b0.x + 5, b0.y + 5);
    EXPECT_EQ(uitest::Muestra(m_caja.m_pAyuda->SpriteTexto()), std::string("#") + motor::texto::ACEPTAR);
}

TEST_F(MessageBox, LongTextShrinksByTenthsUntilItFits)
{
    CFont* f = g_pSistema2D->GetFont(uitest::kFuenteTexto);
    ASSERT_NE(f, nullptr);
    const float fLinea = f->AltoLinea();
    ASSERT_GT(fLinea, 0.0f);
    // L short lines: at scale s the text is L x line x s high, and it fits
    // when that times s is at most the box's height.
    auto texto = [](int iLineas) {
        std::string s = "Line";
        for (int i = 1; i < iLineas; ++i) s += "\nLine";
        return s;
    };
    struct Caso {
        int lineas;
    };
    const float alto = 40;
    const float fCaja = 128 + alto + 60;
    for (int iLineas : {2, 8, 12, 20, 40}) {
        ASSERT_TRUE(Crea(texto(iLineas).c_str(), 400, alto, Botones(2), 2, CMessageBox::FLAG_AJUSTA_TEXTO));
        float fEsperada = 1.0f;
        for (int k = 10; k >= 1; --k) {
            float s = float(k) / 10.0f;
            if (float(iLineas) * fLinea * s * s <= fCaja) {
                fEsperada = s;
                break;
            }
        }
        const CCuadreText* t = m_caja.m_pTexto;
        EXPECT_FLOAT_EQ(t->m_fEscalaX, fEsperada) << iLineas;
        EXPECT_FLOAT_EQ(t->m_fEscalaY, fEsperada) << iLineas;
        float h = float(iLineas) * fLinea * fEsperada;
        EXPECT_FLOAT_EQ(t->Rect().alto, h + 10) << iLineas;
        EXPECT_FLOAT_EQ(m_caja.m_fCajaAlto, 128 + h + 80) << iLineas;
        EXPECT_FLOAT_EQ(m_caja.m_fCajaY + m_caja.m_fCajaAlto / 2, 384) << iLineas;
    }
    // One that never fits is drawn at full size in the box asked for.
    ASSERT_TRUE(Crea(texto(3000).c_str(), 400, alto, Botones(2), 2, CMessageBox::FLAG_AJUSTA_TEXTO));
    EXPECT_FLOAT_EQ(m_caja.m_pTexto->m_fEscalaX, 1.0f);
    EXPECT_FLOAT_EQ(m_caja.m_pTexto->Rect().alto, alto);
    EXPECT_FLOAT_EQ(m_caja.m_fCajaAlto, fCaja);
    // Without the flag the text keeps its scale whatever its length.
    ASSERT_TRUE(Crea(texto(40).c_str(), 400, alto, Botones(2), 2, 0));
    EXPECT_FLOAT_EQ(m_caja.m_pTexto->m_fEscalaX, 1.0f);
}

TEST_F(MessageBox, IniciaConIdTextoShowsTheCodesText)
{
    std::vector<BotonMensaje> b = Botones(1);
    ASSERT_TRUE(m_caja.IniciaConIdTexto(kCancelar, 300, 50, 1, b.data(), 0, 0, 2, "c", nullptr));
    EXPECT_STREQ(m_caja.m_pTexto->Literal(), "Cancel");
    g_GestorFLIs.SeleccionaIdioma(1);
    ASSERT_TRUE(m_caja.IniciaConIdTexto(kCancelar, 300, 50, 1, b.data(), 0, 0, 2, "c", nullptr));
    EXPECT_STRNE(m_caja.m_pTexto->Literal(), "Cancel");
    g_GestorFLIs.SeleccionaIdioma(2);
}

TEST_F(MessageBox, DrawnOverAVeilAsTheGamesDialog)
{
    const uint8_t velo[4] = {255, 40, 0, 0};
    std::vector<BotonMensaje> b = Botones(2);
    ASSERT_TRUE(m_caja.Inicia("Quit the game?", 400, 100, 2, b.data(), uitest::kFuenteTexto, 0, 1, "c", velo));
    ASSERT_NE(m_caja.m_pVelo, nullptr);
    Muestra();
    EXPECT_TRUE(m_caja.m_pVelo->EstaEnUso());
    Fondo(0, 255, 0);
    m_caja.Dibuja(nullptr, nullptr);
    // The veil covers every corner of the field with its tint.
    for (auto [x, y] : {std::pair{0, 0}, {1023, 0}, {0, 767}, {1023, 767}}) {
        uitest::Pixel p = En(x, y);
        EXPECT_EQ(p.g, 0) << x << "," << y;
        EXPECT_NEAR(p.r, 40, 2) << x << "," << y;
    }
    // The panel's body lies between the veil and the text: neither green nor
    // the veil's red.
    uitest::Pixel cuerpo = En(300, 384);
    EXPECT_GT(cuerpo.b, cuerpo.r);
    // The default veil lets the screen through.
    ASSERT_TRUE(m_caja.Inicia("Quit the game?", 400, 100, 2, b.data(), uitest::kFuenteTexto, 0, 1, "c", nullptr));
    Raiz()->QuitaHijo(false, &m_caja);
    m_arbol->Pasos(1);
    Muestra();
    Fondo(0, 255, 0);
    m_caja.Dibuja(nullptr, nullptr);
    uitest::Pixel p = En(5, 5);
    EXPECT_GT(p.g, 30);
    EXPECT_LT(p.g, 100);
    EXPECT_GT(p.b, p.r);
}

TEST_F(MessageBox, RegisteredAsATopLevelObjectItIsPolled)
{
    ASSERT_TRUE(Crea("Press a key", 400, 60, Botones(2), 2, 0));
    CAplicacion& app = m_arbol->App();
    app.AnadeMenu(&m_caja);
    EXPECT_EQ(kit::CadenaFoco(&m_caja), "caja>NSGBOX_BUT_Boton0");
    int iAntes = app.NumEventos();
    app.ProcesaTecla(TECLA_ESCAPE);
    // The owner polls the answer and sets it back; the event ends in the
    // core's list.
    EXPECT_EQ(m_caja.m_iRespuesta, 1);
    EXPECT_EQ(app.NumEventos(), iAntes + 1);
    m_caja.m_iRespuesta = -1;
    m_arbol->Pasos(2);
    EXPECT_EQ(m_caja.m_iRespuesta, -1);
    app.QuitaMenu(&m_caja);
}
