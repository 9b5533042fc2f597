// The profile screen's dialogues over the real game, with saves made to
// fail (a folder where the profile's file goes is never replaced): creating
// (an empty name, a failed save kept unsaved, retried), the kept-unsaved
// profile saved when the chooser opens again, deleting (cancelled, done,
// failed, another slot's unsaved profile kept, a never-saved one), resetting,
// and the quiet save (saved; failed with retry, help and cancel). The
// removal of a finished quiet save never reopens the screen it sat on.
#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/CuadroHint.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

namespace {

// A still screen of the test under which a quiet save runs.
class CPantallaPadre : public CMenuObj {
public:
    bool EsExclusivo() override { return true; }
    bool UsaTransicion() override { return true; }
    void IniciaTransicion(bool bEntrada) override
    {
        if (bEntrada) ++m_iAperturas;
        CMenuObj::IniciaTransicion(bEntrada);
    }
    int m_iAperturas = 0;
};

class Perfil : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_juego.Iniciado());
        m_juego.Pasos(2);
        m_p = g_pMenuMaestro->m_pMenuPerfil;
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->PerfilParaElegir());
        ASSERT_TRUE(Quieta());
    }

    // Steps until the chooser is the current screen and still.
    bool Quieta()
    {
        for (int i = 0; i < 300; ++i) {
            if (g_pMenuMaestro->m_pMenuActual == m_p && g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA &&
                !m_p->EnTransicion())
                return true;
            m_juego.Paso();
        }
        return false;
    }
    // Steps until the dialogue waits for the answer of an open box.
    bool CajaAbierta()
    {
        for (int i = 0; i < 120; ++i) {
            if (!m_p->m_bSiguienteListo && m_p->Mensaje()->Padre() == m_p && !m_p->Mensaje()->EnTransicion())
                return true;
            m_juego.Paso();
        }
        return false;
    }
    // Whether the dialogue waits: for the answer of an open box, for a
    // slot's button, or not at all (finished).
    bool Espera()
    {
        const int e = m_p->Estado();
        if (m_p->m_bDialogoTerminado || m_p->Modo() == CMenuPerfil::MODO_INACTIVO) return true;
        if (e == CMenuPerfil::ESTADO_ESPERA || e == CMenuPerfil::ESTADO_TERMINADO) return true;
        return CMenuPerfil::TieneCaja(e, m_p->Modo()) && !m_p->m_bSiguienteListo && m_p->Mensaje()->Padre() == m_p &&
               !m_p->Mensaje()->EnTransicion();
    }
    // The state in which the dialogue waits again after the box of the
    // present state answers.
    int Responde(int iRespuesta)
    {
        EXPECT_TRUE(CajaAbierta()) << "state " << m_p->Estado();
        m_p->Mensaje()->m_iResultado = iRespuesta;
        m_juego.Pasos(2);
        for (int i = 0; i < 120 && !Espera(); ++i) m_juego.Paso();
        return m_p->Estado();
    }
    // A slot button of the chooser pressed as the player would.
    void Pulsa(const std::string& nombre)
    {
        ASSERT_TRUE(Quieta());
        ASSERT_TRUE(m_juego.Pulsa(nombre)) << nombre << "\n" << m_juego.Widgets();
        m_juego.Pasos(40); // the press's animation
    }
    // The name box answered with a name.
    int Nombre(const std::string& nombre)
    {
        EXPECT_TRUE(CajaAbierta());
        EXPECT_EQ(m_p->Estado(), 4);
        m_juego.Escribe("MENUPERFIL_MsgBox3_Input", nombre);
        return Responde(0);
    }
    std::filesystem::path Ruta(int i) const
    {
        return m_juego.CarpetaUsuario() / ("Perfil" + std::to_string(i) + ".SVG");
    }
    // The slot's file can no longer be written: a folder (with something
    // in it) stands where the save writes its new copy first.
    std::filesystem::path Temporal(int i) const
    {
        return m_juego.CarpetaUsuario() / ("Perfil" + std::to_string(i) + ".SVG.tmp");
    }
    void Bloquea(int i)
    {
        std::filesystem::create_directory(Temporal(i));
        std::ofstream(Temporal(i) / "x") << "x";
    }
    void Desbloquea(int i) { std::filesystem::remove_all(Temporal(i)); }
    // The slot's file can no longer be deleted: a folder stands in its place.
    void BloqueaBorrado(int i)
    {
        std::filesystem::remove(Ruta(i));
        std::filesystem::create_directory(Ruta(i));
        std::ofstream(Ruta(i) / "x") << "x";
    }
    // Steps until the dialogue is in that state.
    bool EnEstado(int iEstado)
    {
        for (int i = 0; i < 120 && m_p->Estado() != iEstado; ++i) {
            m_juego.Paso();
        }
        return m_p->Estado() == iEstado;
    }
    // The "saved" box of a new profile answered: the main menu, and back to
    // the chooser.
    void Elegido()
    {
        EXPECT_EQ(m_p->Estado(), 6);
        Responde(0);
        CMenuObj* pPrincipal = g_pMenuMaestro->m_pMenuPrincipal;
        for (int i = 0; i < 300 && (g_pMenuMaestro->m_pMenuActual != pPrincipal || pPrincipal->EnTransicion()); ++i)
            m_juego.Paso();
        EXPECT_EQ(g_pMenuMaestro->m_pMenuActual, pPrincipal);
        m_juego.Pasos(30);
        g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->PerfilParaElegir());
        EXPECT_TRUE(Quieta());
    }

    kit::CJuegoPrueba m_juego{"perfil_dialogos"};
    CMenuPerfil* m_p = nullptr;
};

} // namespace

TEST_F(Perfil, CreatingAProfileEmptyNameFailedSaveAndTheUnsavedProfileSavedLater)
{
    // An empty name is refused and the name box comes back; cancel stays.
    Pulsa("MENUPERFIL_BUT_Nuevo1");
    EXPECT_EQ(m_p->m_iPerfilActual, 1);
    EXPECT_EQ(Nombre(""), 5);
    EXPECT_EQ(Responde(0), 4);
    EXPECT_EQ(Responde(1), CMenuPerfil::ESTADO_ESPERA);
    EXPECT_EQ(g_pMenuMaestro->m_pMenuActual, m_p);

    // Not saved: help and back, retry gives the name box again; cancel
    // keeps the profile unsaved and the chooser stays.
    Bloquea(1);
    Pulsa("MENUPERFIL_BUT_Nuevo1");
    EXPECT_EQ(Nombre("Eva"), 7);
    EXPECT_EQ(Responde(2), 9);
    EXPECT_EQ(Responde(0), 7);
    EXPECT_EQ(Responde(0), 4);
    EXPECT_EQ(Nombre("Eva"), 7);
    EXPECT_EQ(Responde(1), 8);
    EXPECT_TRUE(m_p->SinGuardar());
    EXPECT_STREQ(m_p->m_aPerfiles[1].m_szNombre, "Eva");
    EXPECT_EQ(Responde(0), CMenuPerfil::ESTADO_ESPERA);
    EXPECT_NE(m_juego.Busca("MENUPERFIL_BUT_Nombre1"), nullptr);

    // The chooser opens again: the save is tried first. Still failing: the
    // retry/cancel box, and retry goes on to the slots.
    m_p->CambiaModo(CMenuPerfil::MODO_ELECCION);
    EXPECT_TRUE(EnEstado(17));
    EXPECT_EQ(Responde(0), CMenuPerfil::ESTADO_ESPERA);
    EXPECT_TRUE(m_p->SinGuardar());
    // Once it can be written, it is saved and nothing is asked.
    Desbloquea(1);
    m_p->CambiaModo(CMenuPerfil::MODO_ELECCION);
    EXPECT_TRUE(EnEstado(CMenuPerfil::ESTADO_ESPERA));
    EXPECT_FALSE(m_p->SinGuardar());
    EXPECT_NE(m_juego.LeeFicheroUsuario("Perfil1.SVG").find("\"Eva\""), std::string::npos);
}

TEST_F(Perfil, DeletingAndResetting)
{
    Pulsa("MENUPERFIL_BUT_Nuevo2");
    ASSERT_EQ(Nombre("Ida"), 6);
    Elegido();

    // A delete cancelled: the slot stays, and is the current one.
    m_p->m_iPerfilActual = 0;
    Pulsa("MENUPERFIL_BUT_Borrar2");
    EXPECT_EQ(m_p->Estado(), 20);
    EXPECT_EQ(m_p->m_iPerfilActual, 2);
    EXPECT_EQ(Responde(1), CMenuPerfil::ESTADO_ESPERA);
    EXPECT_STREQ(m_p->m_aPerfiles[2].m_szNombre, "Ida");

    // A reset keeps the name and nothing else.
    m_p->m_aPerfiles[2].AvanzaHistoria();
    Pulsa("MENUPERFIL_BUT_Reset2");
    EXPECT_EQ(m_p->Estado(), 21);
    EXPECT_EQ(Responde(0), 23);
    EXPECT_STREQ(m_p->m_aPerfiles[2].m_szNombre, "Ida");
    EXPECT_EQ(m_p->m_aPerfiles[2].ProgresoHistoria(DIFICULTAD_INICIAL), 0);
    EXPECT_EQ(Responde(0), CMenuPerfil::ESTADO_ESPERA);

    // Another slot kept unsaved (no file) survives a delete of this one.
    Bloquea(3);
    std::filesystem::remove(Ruta(3));
    Pulsa("MENUPERFIL_BUT_Nuevo3");
    ASSERT_EQ(Nombre("Uma"), 7);
    ASSERT_EQ(Responde(1), 8);
    ASSERT_EQ(Responde(0), CMenuPerfil::ESTADO_ESPERA);
    Desbloquea(3);
    Pulsa("MENUPERFIL_BUT_Borrar2");
    EXPECT_EQ(Responde(0), 25);
    EXPECT_EQ(m_p->m_aPerfiles[2].m_szNombre[0], '\0');
    EXPECT_EQ(m_p->m_iPerfilActual, 2);
    EXPECT_STREQ(m_p->m_aPerfiles[3].m_szNombre, "Uma");
    EXPECT_EQ(Responde(0), CMenuPerfil::ESTADO_ESPERA);
    EXPECT_NE(m_juego.Busca("MENUPERFIL_BUT_Nuevo2"), nullptr);

    // The never-saved profile can be deleted too.
    Pulsa("MENUPERFIL_BUT_Borrar3");
    EXPECT_EQ(Responde(0), 25);
    EXPECT_EQ(m_p->m_aPerfiles[3].m_szNombre[0], '\0');
    EXPECT_FALSE(m_p->SinGuardar());
    EXPECT_EQ(Responde(0), CMenuPerfil::ESTADO_ESPERA);

    // A file that cannot be deleted says so, and the profile stays.
    Pulsa("MENUPERFIL_BUT_Nuevo3");
    ASSERT_EQ(Nombre("Zoe"), 6);
    Elegido();
    // A deleted profile leaves nothing behind: not even the temporary file
    // a save killed halfway left beside it.
    std::ofstream(Temporal(3)) << "PERFILVELQUISTVER = \"0.0001A\";\nDATA = \"Zo";
    ASSERT_TRUE(std::filesystem::exists(Temporal(3)));
    Pulsa("MENUPERFIL_BUT_Borrar3");
    EXPECT_EQ(Responde(0), 25);
    EXPECT_FALSE(std::filesystem::exists(Ruta(3)));
    EXPECT_FALSE(std::filesystem::exists(Temporal(3)));
    EXPECT_EQ(Responde(0), CMenuPerfil::ESTADO_ESPERA);
    Pulsa("MENUPERFIL_BUT_Nuevo3");
    ASSERT_EQ(Nombre("Zoe"), 6);
    Elegido();
    BloqueaBorrado(3);
    Pulsa("MENUPERFIL_BUT_Borrar3");
    EXPECT_EQ(Responde(0), 26);
    EXPECT_STREQ(m_p->m_aPerfiles[3].m_szNombre, "Zoe");
    std::filesystem::remove_all(Ruta(3));
}

// Deleting and resetting a profile cannot be undone: their boxes open with
// the focus, which Return presses, on the safe answer (cancel), and that
// answer leaves the profile as it was; while a
// box is open, the hint of the button that opened it is not drawn over it;
// once it has closed, the button under the pointer is hovered again.
TEST_F(Perfil, TheDeleteAndResetBoxesOpenOnTheSafeAnswer)
{
    Pulsa("MENUPERFIL_BUT_Nuevo2");
    ASSERT_EQ(Nombre("Ida"), 6);
    Elegido();
    m_p->m_aPerfiles[2].AvanzaHistoria();
    const int iProgreso = m_p->m_aPerfiles[2].ProgresoHistoria(DIFICULTAD_INICIAL);
    ASSERT_GT(iProgreso, 0);
    CCuadroHint* pHint = g_pMenuMaestro->m_pCuadroHint;
    for (const char* szBoton : {"MENUPERFIL_BUT_Borrar2", "MENUPERFIL_BUT_Reset2"}) {
        SCOPED_TRACE(szBoton);
        // The pointer rests on the button long enough for its hint.
        ASSERT_TRUE(Quieta());
        CMenuObj* b = m_juego.Busca(szBoton);
        ASSERT_NE(b, nullptr);
        m_juego.MueveRaton(b->Rect().x + b->Rect().ancho / 2, b->Rect().y + b->Rect().alto / 2);
        m_juego.Pasos(30);
        EXPECT_GT(pHint->Fundido(), 0.5f);
        m_juego.BotonRaton(true);
        m_juego.BotonRaton(false);
        ASSERT_TRUE(CajaAbierta());
        // No hint over the open box.
        for (int i = 0; i < 20; ++i) {
            m_juego.Paso();
            EXPECT_EQ(pHint->Fundido(), 0.0f) << "step " << i;
        }
        // Return's answer is the focused button's: the safe one.
        CMsgBoxTazmo* pCaja = m_p->Mensaje();
        ASSERT_NE(pCaja->m_apBotones[1], nullptr);
        EXPECT_EQ(pCaja->HijoEnfocado(), pCaja->m_apBotones[1]);
        // Answered with it, nothing changes.
        EXPECT_EQ(Responde(1), CMenuPerfil::ESTADO_ESPERA);
        EXPECT_STREQ(m_p->m_aPerfiles[2].m_szNombre, "Ida");
        EXPECT_EQ(m_p->m_aPerfiles[2].ProgresoHistoria(DIFICULTAD_INICIAL), iProgreso);
        EXPECT_TRUE(std::filesystem::exists(Ruta(2)));
        // The box gone, the button still under the pointer is hovered again
        // and explains itself, without the mouse moving.
        m_juego.Pasos(30);
        EXPECT_EQ(m_p->HijoEnfocado(), b);
        EXPECT_GT(pHint->Fundido(), 0.5f);
    }
}

TEST_F(Perfil, TheQuietSaveSavedAndFailed)
{
    Pulsa("MENUPERFIL_BUT_Nuevo0");
    ASSERT_EQ(Nombre("Oto"), 6);
    Elegido();
    CPantallaPadre padre;
    ASSERT_TRUE(padre.Inicia(-1, "Padre", Rectangulo{0, 0, 1024, 768}, -1));
    g_pMenuMaestro->CambiaMenu(&padre);
    for (int i = 0; i < 200 && g_pMenuMaestro->m_pMenuActual != &padre; ++i) m_juego.Paso();
    m_juego.Pasos(20);
    ASSERT_EQ(padre.m_iAperturas, 1);

    auto Guarda = [&] {
        m_p->CambiaModo(CMenuPerfil::MODO_GUARDA);
        padre.AnadeHijo(true, m_p, false, false);
        for (int i = 0; i < 60 && m_p->EnTransicion(); ++i) m_juego.Paso();
    };
    // Saved: nothing shows, and the screen leaves.
    m_p->PerfilActual()->m_bModificado = 1;
    Guarda();
    EXPECT_TRUE(EnEstado(CMenuPerfil::ESTADO_TERMINADO));
    EXPECT_EQ(m_p->Modo(), CMenuPerfil::MODO_INACTIVO);
    m_juego.Pasos(3);
    EXPECT_EQ(m_p->Padre(), nullptr);
    EXPECT_FALSE(m_p->SeDibuja());

    // Failed: retry, help and back, then cancel keeps it unsaved and ends.
    Bloquea(0);
    m_p->PerfilActual()->m_bModificado = 1;
    Guarda();
    EXPECT_TRUE(EnEstado(12));
    EXPECT_TRUE(m_p->SeDibuja());
    EXPECT_EQ(Responde(0), 12);
    EXPECT_EQ(Responde(2), 14);
    EXPECT_EQ(Responde(0), 12);
    EXPECT_EQ(Responde(1), 13);
    EXPECT_TRUE(m_p->SinGuardar());
    Responde(0);
    EXPECT_TRUE(EnEstado(CMenuPerfil::ESTADO_TERMINADO));
    m_juego.Pasos(3);
    EXPECT_EQ(m_p->Modo(), CMenuPerfil::MODO_INACTIVO);
    EXPECT_EQ(m_p->Padre(), nullptr);
    Desbloquea(0);

    // Nothing reopened the screen the saves sat on.
    m_juego.Pasos(30);
    EXPECT_EQ(padre.m_iAperturas, 1);
    EXPECT_EQ(m_p->Padre(), nullptr);
    g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->PerfilParaElegir());
    for (int i = 0; i < 200 && g_pMenuMaestro->m_pMenuActual == &padre; ++i) m_juego.Paso();
    EXPECT_TRUE(Quieta());
}

TEST(PerfilNombre, ATypedNameAsTheProfileKeepsIt)
{
    const std::pair<const char*, std::string> casos[] = {
        {"Ana", "Ana"},
        {"  Ana  ", "Ana"},
        {"   ", ""},
        {"", ""},
        {"Ann \"the\" Bold", "Ann 'the' Bold"},
        {"abcdefghijklmnopqrstuvwxyz0123456789", "abcdefghijklmnopqrstuvwxyz01234"},
    };
    for (const auto& [szEscrito, sNombre] : casos) EXPECT_EQ(CMenuPerfil::NombreDeEntrada(szEscrito), sNombre) << szEscrito;
}

// A named slot's reset and delete buttons carry words in every language:
// each caption fits its button at rest, with room for the frame's ends, the
// two buttons keep apart and both stay inside the slot's frame (512 wide,
// its gold border a little inside that).
TEST_F(Perfil, ResetAndDeleteCaptionsFitTheirButtonsInEveryLanguage)
{
    CFont* f = g_pSistema2D->GetFont(0);
    ASSERT_TRUE(f && f->EstaCargada());
    constexpr float kExtremosMarco = 20.0f, kMitadMarcoUtil = 236.0f;
    for (int i = 0; i < NUM_PERFILES; ++i) {
        SCOPED_TRACE(testing::Message() << "slot " << i);
        const CBotonTazmo* r = m_p->m_apReiniciar[i];
        const CBotonTazmo* b = m_p->m_apBorrar[i];
        ASSERT_TRUE(r && b);
        const float cx = m_p->BotonNombre(i)->Rect().x + m_p->BotonNombre(i)->Rect().ancho / 2.0f;
        EXPECT_LT(r->Rect().x + r->Rect().ancho, b->Rect().x);
        EXPECT_GE(r->Rect().x, cx - kMitadMarcoUtil);
        EXPECT_LE(b->Rect().x + b->Rect().ancho, cx + kMitadMarcoUtil);
        for (int idioma = 0; idioma < 3; ++idioma)
            for (const auto& [p, codigo] : {std::pair{r, "PE50"}, std::pair{b, "PE51"}}) {
                SCOPED_TRACE(testing::Message() << "language " << idioma << " " << codigo);
                const char* szTexto = g_GestorFLIs.GetTexto(CodigoFLI(codigo), idioma);
                ASSERT_NE(szTexto, nullptr);
                EXPECT_GE(std::string(szTexto).size(), 3u) << szTexto;
                EXPECT_LE(f->CalculaAncho(szTexto), p->Rect().ancho - kExtremosMarco) << szTexto;
                EXPECT_LE(f->CalculaAlto(szTexto), p->Rect().alto) << szTexto;
            }
    }
}
