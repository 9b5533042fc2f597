// The game's buttons: the press event comes when the press animation ends
// and a second press meanwhile is lost; a locked button does nothing for any
// input and shows its locked caption and hint; one press clears a button's
// news in the profile; an icon's unlock fade plays once, a text button's at
// every opening; the slide and the icon's hit area.
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game//profiles/RegistroPerfil.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/EntornoPantallas.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int32_t kDif3 = CodigoFLI("DIF3");
const int32_t kDifD = CodigoFLI("DIFD");
const int32_t kBloq = CodigoFLI("BLOQ");
const int32_t kMp31 = CodigoFLI("MP31");
const int32_t kAcep = CodigoFLI("ACEP");

class Botones : public pantallas::EntornoPantallas {
protected:
    // A text button whose top band is centred on (512, 300), attached and
    // opened.
    CBotonTazmo* Boton(const char* nombre, int flags, int32_t texto = kAcep, int32_t ayuda = -1,
                       int32_t ayudaBloqueado = -1)
    {
        auto* b = Nuevo<CBotonTazmo>();
        EXPECT_TRUE(b->Inicia(juego::sonido::SELECCIONAR_BOTON, juego::sonido::PULSAR_BOTON_POSITIVO, 512, 300, texto, kBloq, ayudaBloqueado,
                              ayuda, flags, 7, nombre));
        Anade(b);
        m_arbol->Pasos(20);
        return b;
    }
    CBotonIconoTazmo* Icono(const char* nombre)
    {
        auto* b = Nuevo<CBotonIconoTazmo>();
        EXPECT_TRUE(b->Inicia(juego::paquete::BOTONES, 0, juego::sonido::SELECCIONAR_BOTON, juego::sonido::PULSAR_BOTON_POSITIVO, 200, 600, 200,
                              200, false, 64, 64, 1.0f, kAcep, 0, 8, nombre));
        Anade(b);
        m_arbol->Pasos(20);
        return b;
    }
    void Reabre(CMenuObj* b)
    {
        Raiz()->QuitaHijo(false, b);
        m_arbol->Pasos(20);
        Anade(b);
        m_arbol->Pasos(20);
    }
    int Pulsados()
    {
        int n = 0;
        for (const auto& e : Eventos()) n += e.tipo == EVENTO_PULSADO;
        return n;
    }
};

} // namespace

TEST_F(Botones, PressEventComesWhenTheAnimationEndsAndASecondPressIsLost)
{
    struct Caso {
        int flags;
        int pasos;
    };
    for (const Caso c : {Caso{0, 30}, Caso{CBotonTazmo::PULSACION_CORTA, 5}}) {
        SCOPED_TRACE(c.flags);
        CBotonTazmo* b = Boton("MENUPRUEBA_BUT_Aceptar", c.flags);
        const Rectangulo& r = b->Rect();
        const float x = r.x + r.ancho / 2, y = r.y + r.alto / 2;
        Eventos();
        m_arbol->Clic(x, y);
        EXPECT_TRUE(b->Pulsando());
        EXPECT_TRUE(Raiz()->EntradaBloqueada());
        m_arbol->Pasos(c.pasos - 2);
        m_arbol->Clic(x, y); // lost: the screen takes no input while a press runs
        m_arbol->Pasos(1);
        EXPECT_EQ(Pulsados(), 0);
        m_arbol->Pasos(1);
        const auto eventos = Eventos();
        ASSERT_EQ(eventos.size(), 1u);
        EXPECT_EQ(eventos[0].tipo, EVENTO_PULSADO);
        EXPECT_EQ(eventos[0].emisor, 7);
        EXPECT_FALSE(b->Pulsando());
        m_arbol->Pasos(40);
        EXPECT_EQ(Pulsados(), 0);
        Raiz()->QuitaHijo(false, b);
        m_arbol->Pasos(20);
    }
}

TEST_F(Botones, LockedButtonIgnoresEveryInputAndExplainsItself)
{
    ConPerfil(); // BoxDif_3 is locked on a fresh profile
    CBotonTazmo* b = Boton("BoxDif_3", CBotonTazmo::AYUDA_SIN_FOCO, kDif3, kDifD, kMp31);
    ASSERT_TRUE(b->Bloqueado());
    EXPECT_EQ(b->CodigoMostrado(), kBloq);
    const float x = b->Rect().x + 150, y = b->Rect().y + 40;

    // Under the pointer it asks for its locked hint, focused or not.
    m_arbol->MueveRaton(x, y);
    m_arbol->MueveRaton(x + 1, y);
    m_arbol->Pasos(1);
    EXPECT_EQ(HintPedido(), kMp31);

    m_arbol->Clic(x, y);
    m_arbol->Tecla(TECLA_ENTER);
    m_arbol->BotonMando(BOTON_MANDO_PULSAR);
    EXPECT_FALSE(b->Pulsando());
    m_arbol->Pasos(40);
    EXPECT_EQ(Pulsados(), 0);

    // Unlocked, it shows the difficulty, and without focus a button never
    // explains itself when it has no locked hint.
    Raiz()->QuitaHijo(false, b);
    m_arbol->Pasos(20);
    CBotonTazmo* libre = Boton("BoxDif_0", CBotonTazmo::AYUDA_SIN_FOCO, CodigoFLI("DIF0"), CodigoFLI("DIFA"));
    EXPECT_FALSE(libre->Bloqueado());
    EXPECT_EQ(libre->CodigoMostrado(), CodigoFLI("DIF0"));
    Raiz()->EnfocaHijo(nullptr);
    libre->TrataMovimientoRaton(0, libre->Rect().x + 150, libre->Rect().y + 40, false);
    m_arbol->Pasos(1);
    EXPECT_EQ(HintPedido(), -1);
}

TEST_F(Botones, OnePressClearsTheNewsForGood)
{
    RegistroPerfil& perfil = ConPerfil();
    const char* nombre = NombreMarcador(NovedadInicial);
    ASSERT_TRUE(perfil.TieneNovedades(nombre));
    CBotonTazmo* b = Boton(nombre, 0);
    EXPECT_TRUE(b->TieneNovedades());
    // A spark a step while it is open.
    EXPECT_GT(m_efectos.NumActivos(tazmo::kCapaEfectosBajo), 0);

    m_arbol->Clic(b->Rect().x + 150, b->Rect().y + 40);
    EXPECT_FALSE(perfil.TieneNovedades(nombre));
    EXPECT_TRUE(perfil.m_bModificado);
    m_arbol->Pasos(30);
    EXPECT_EQ(Pulsados(), 1);
    Reabre(b);
    EXPECT_FALSE(b->TieneNovedades());
}

TEST_F(Botones, AnIconFadesInFromBlackOnceATextButtonAtEveryOpening)
{
    RegistroPerfil& perfil = ConPerfil();
    const char* nombre = "MPrin_BotonCreditos";
    perfil.MarcaDesbloqueado(nombre);
    ASSERT_TRUE(perfil.EsRecienDesbloqueado(nombre));

    CBotonTazmo* texto = Boton(nombre, 0);
    CBotonIconoTazmo* icono = Icono(nombre);
    EXPECT_TRUE(texto->RecienDesbloqueado());
    EXPECT_TRUE(icono->RecienDesbloqueado());
    EXPECT_FALSE(perfil.EsRecienDesbloqueado(nombre));

    Reabre(texto);
    Reabre(icono);
    EXPECT_FALSE(icono->RecienDesbloqueado());
    // The text button leaves the list alone: had the icon not taken the name
    // out, it would fade again; with the name back it does.
    AnadeNombre(perfil.m_ListaRecienDesbloqueados, nombre);
    Reabre(texto);
    EXPECT_TRUE(texto->RecienDesbloqueado());
    Reabre(texto);
    EXPECT_TRUE(texto->RecienDesbloqueado());
}

TEST(Deslizamiento, ComesInAndGoesOutInFifteenSteps)
{
    tazmo::Deslizamiento d;
    d.Abre();
    EXPECT_TRUE(d.EnCurso());
    // Alpha per step coming in: (16 - n) * 255 / 15 with n before the step.
    const int entrada[15] = {17, 34, 51, 68, 85, 102, 119, 136, 153, 170, 187, 204, 221, 238, 255};
    for (int i = 0; i < 15; ++i) {
        d.Paso();
        EXPECT_EQ(d.iAlfa, entrada[i]) << i;
        EXPECT_NEAR(d.fEscala, 0.7f + 0.02f * float(i + 1), 1e-4f) << i;
    }
    EXPECT_FALSE(d.EnCurso());
    d.Paso();
    EXPECT_EQ(d.iAlfa, 255);
    EXPECT_NEAR(d.fEscala, 1.0f, 1e-4f);

    d.Cierra();
    const int salida[15] = {238, 221, 204, 187, 170, 153, 136, 119, 102, 85, 68, 51, 34, 17, 0};
    for (int i = 0; i < 15; ++i) {
        d.Paso();
        EXPECT_EQ(d.iAlfa, salida[i]) << i;
        EXPECT_NEAR(d.fEscala, 1.0f - 0.02f * float(i + 1), 1e-4f) << i;
    }
    EXPECT_FALSE(d.EnCurso());
}

TEST(BotonIcono, HitAreaIsAnEllipseOrARectangle)
{
    struct Caso {
        float px, py;
        bool rectangular;
        bool toca;
    };
    // Around (100, 200) with radii 40 x 20.
    const Caso casos[] = {
        {100, 200, false, true},   {100, 200, true, true},    // the middle
        {136, 218, false, false},  {136, 218, true, true},    // near a corner: only the rectangle
        {139, 200, false, true},   {140, 200, false, false},  // the edge itself is outside
        {100, 219.9f, true, true}, {100, 220, true, false},
        {60, 180, true, false},    {300, 200, false, false},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(CBotonIconoTazmo::Toca(c.px, c.py, 100, 200, 40, 20, c.rectangular), c.toca)
            << c.px << "," << c.py << (c.rectangular ? " rect" : " ellipse");
    EXPECT_FALSE(CBotonIconoTazmo::Toca(100, 200, 100, 200, 0, 20, true));
}

TEST_F(Botones, AnIconFliesInAndANeverHitIconIsNeverHit)
{
    CBotonIconoTazmo* b = Icono("MPrin_BotonCreditos");
    float x, y;
    b->Posicion(1.0f, &x, &y);
    EXPECT_FLOAT_EQ(y, 200);
    EXPECT_TRUE(b->Contiene(200, 200));
    EXPECT_FALSE(b->Contiene(200, 600));
    b->m_iFlags |= CBotonIconoTazmo::NUNCA_TOCADO;
    EXPECT_FALSE(b->Contiene(200, 200));
}

// A caption is drawn at its size unless it would run past its frame's ends;
// then, and while the focus grows it, it is drawn just small enough.
TEST(BotonTazmo, ACaptionShrinksOnlyToKeepInsideItsFrame)
{
    const struct {
        float escala, ancho, util, esperada;
    } casos[] = {
        {1.0f, 100.0f, 126.0f, 1.0f},            // fits
        {1.0f, 126.0f, 126.0f, 1.0f},            // just fits
        {1.0f, 168.0f, 126.0f, 0.75f},           // too wide: shrinks
        {1.3f, 100.0f, 135.0f, 1.3f},            // focused, still inside
        {1.3f, 120.0f, 135.0f, 1.125f},          // focused, held at the frame
        {1.0f, 0.0f, 126.0f, 1.0f},              // no caption
        {1.0f, 50.0f, -4.0f, 0.0f},              // no room at all
    };
    for (const auto& c : casos)
        EXPECT_FLOAT_EQ(CBotonTazmo::EscalaQueCabe(c.escala, c.ancho, c.util), c.esperada)
            << c.escala << " " << c.ancho << " " << c.util;
}

TEST_F(Botones, ALongCaptionIsRenderedSmallEnoughForANarrowFrame)
{
    const CFont* f = g_pSistema2D->GetFont(0);
    ASSERT_TRUE(f && f->EstaCargada());
    const float util = CBotonTazmo::AnchoUtil(CBotonTazmo::AnchoDeFlags(CBotonTazmo::ESTRECHO));
    const int32_t kLargo = CodigoFLI("TERV"), kCorto = CodigoFLI("MAID");
    const float anchoLargo = f->CalculaAncho(g_GestorFLIs.GetTexto(kLargo));
    ASSERT_GT(anchoLargo, util) << "the fixture wants a caption wider than a narrow frame";
    CBotonTazmo* largo = Boton("Largo", CBotonTazmo::ESTRECHO, kLargo);
    EXPECT_LT(largo->m_fEscala, 1.0f);
    EXPECT_LE(anchoLargo * largo->m_fEscala, util + 0.01f);
    CBotonTazmo* corto = Boton("Corto", CBotonTazmo::ESTRECHO, kCorto);
    EXPECT_FLOAT_EQ(corto->m_fEscala, 1.0f);
}

// A caption keeps clear of the studs at both ends of its frame, in both
// widths and every language: the frame's capsule starts 6 points in and
// carries a stud 14 points further in, 4.5 round, at each end.
TEST_F(Botones, NoCaptionRunsOntoTheStudsAtItsFramesEnds)
{
    constexpr float kHastaTachuela = 6.0f + 14.0f + 4.5f;
    const int iIdiomaAntes = g_GestorFLIs.IdiomaActual();
    int n = 0;
    for (int idioma = 0; idioma < 3; ++idioma) {
        g_GestorFLIs.SeleccionaIdioma(idioma);
        for (const char* codigo : {"PM03", "PM08", "STOC", "MAID", "PE50", "PE51", "MP05"})
            for (int flags : {0, int(CBotonTazmo::ESTRECHO)}) {
                SCOPED_TRACE(testing::Message() << "language " << idioma << " " << codigo << " flags " << flags);
                CBotonTazmo* b = Boton(("Tachuelas" + std::to_string(n++)).c_str(), flags, CodigoFLI(codigo));
                EXPECT_LE(b->m_fAnchoTexto, b->Rect().ancho - 2.0f * kHastaTachuela);
                EXPECT_GT(b->m_fEscala, 0.5f);
            }
    }
    g_GestorFLIs.SeleccionaIdioma(iIdiomaAntes);
}
