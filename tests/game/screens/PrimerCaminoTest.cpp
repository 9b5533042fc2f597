// The first road over the real game: the title screen leaves on a click
// for the profile screen, a new profile is made there and the main menu
// opens on it (its explanation once), the story icon and a difficulty lead
// to the story map; the profile is on disk after quitting and the game
// starts again on it. The main menu's quiet save attaches the profile
// screen once and lets it go three updates after its opening; exit, Escape
// and the right button go to the profile screen; a locked icon does
// nothing; the difficulty's answer is the profile's.
#include "engine/app/Aplicacion.h"
#include "engine/core/Temporizador.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/MenuParametrosModosExtra.h"
#include "game/screens/MenuPerfil.h"
#include "game/screens/MenuPresentacion.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/widgets/MsgBoxDificultad.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/Entrada.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Steps until the screen is the current one and still (at most n steps).
bool HastaPantalla(kit::CJuegoPrueba& juego, CMenuObj* p, int n = 300)
{
    for (int i = 0; i < n; ++i) {
        if (g_pMenuMaestro->m_pMenuActual == p && g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA &&
            p->Padre() == g_pMenuMaestro && !p->EnTransicion())
            return true;
        if (juego.Paso()) return false;
    }
    return false;
}

// Steps until the box is attached to its owner and open.
bool HastaAbierta(kit::CJuegoPrueba& juego, CMenuObj* pCaja, CMenuObj* pDueno, int n = 120)
{
    for (int i = 0; i < n; ++i) {
        if (pCaja->Padre() == pDueno && !pCaja->EnTransicion()) return true;
        juego.Paso();
    }
    return false;
}

bool HastaCajaPerfil(kit::CJuegoPrueba& juego, CMenuPerfil* p, int n = 120);

// A left click where the pointer is (the title screen takes any).
void Clic(kit::CJuegoPrueba& juego, float x = 512.0f, float y = 384.0f)
{
    juego.MueveRaton(x, y);
    juego.BotonRaton(true);
    juego.BotonRaton(false);
}

// From the title to the main menu on a new profile of that name in slot 0.
void HastaMenuPrincipal(kit::CJuegoPrueba& juego, const std::string& nombre)
{
    CMenuMaestro* m = g_pMenuMaestro;
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPresentacion));
    Clic(juego);
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPerfil));
    ASSERT_TRUE(juego.Pulsa("MENUPERFIL_BUT_Nuevo0")) << juego.Widgets();
    ASSERT_TRUE(HastaCajaPerfil(juego, m->m_pMenuPerfil));
    ASSERT_TRUE(juego.Escribe("MENUPERFIL_MsgBox3_Input", nombre)) << juego.Widgets();
    juego.Tecla(TECLA_ENTER);
    // Saved: the box that says so, and Enter again.
    ASSERT_TRUE(HastaCajaPerfil(juego, m->m_pMenuPerfil));
    ASSERT_EQ(m->m_pMenuPerfil->Estado(), 6);
    juego.Tecla(TECLA_ENTER);
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPrincipal)) << m->m_pMenuPerfil->Estado() << " " << juego.Widgets();
}

// The profile screen's current box, once it is open (its two boxes swap
// roles, so the current one is read at each step).
bool HastaCajaPerfil(kit::CJuegoPrueba& juego, CMenuPerfil* p, int n)
{
    for (int i = 0; i < n; ++i) {
        if (!p->m_bSiguienteListo && p->Mensaje()->Padre() == p && !p->Mensaje()->EnTransicion()) return true;
        juego.Paso();
    }
    return false;
}

} // namespace

TEST(PrimerCamino, FromTheTitleToTheStoryMapAndBackOnTheSameProfile)
{
    kit::CJuegoPrueba juego("camino");
    ASSERT_TRUE(juego.Iniciado());
    CMenuMaestro* m = g_pMenuMaestro;
    juego.Pasos(2);
    // Four empty slots, each with its new button.
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPresentacion));
    Clic(juego);
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPerfil));
    EXPECT_EQ(m->m_pMenuPerfil->Modo(), CMenuPerfil::MODO_ELECCION);
    for (int i = 0; i < NUM_PERFILES; ++i) {
        EXPECT_NE(juego.Busca("MENUPERFIL_BUT_Nuevo" + std::to_string(i)), nullptr) << i;
        EXPECT_EQ(juego.Busca("MENUPERFIL_BUT_Nombre" + std::to_string(i)), nullptr) << i;
    }
    ASSERT_TRUE(juego.Pulsa("MENUPERFIL_BUT_Nuevo0"));
    ASSERT_TRUE(HastaCajaPerfil(juego, m->m_pMenuPerfil));
    ASSERT_TRUE(juego.Escribe("MENUPERFIL_MsgBox3_Input", "Ana"));
    juego.Tecla(TECLA_ENTER);
    // Saved: the box that says so, and Enter again.
    ASSERT_TRUE(HastaCajaPerfil(juego, m->m_pMenuPerfil));
    ASSERT_EQ(m->m_pMenuPerfil->Estado(), 6);
    juego.Tecla(TECLA_ENTER);
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPrincipal)) << m->m_pMenuPerfil->Estado() << " " << juego.Widgets();

    // The explanation, once; its answer closes it.
    CMenuPrincipal* pPrincipal = m->m_pMenuPrincipal;
    ASSERT_TRUE(HastaAbierta(juego, pPrincipal->Mensaje(), pPrincipal));
    juego.Pasos(5);
    ASSERT_TRUE(juego.Pulsa("MSGBOXTAZMO_Boton0")) << juego.Widgets();
    for (int i = 0; i < 90 && pPrincipal->Mensaje()->Padre(); ++i) juego.Paso();
    EXPECT_EQ(pPrincipal->Mensaje()->Padre(), nullptr);

    // Story, then Pasatiempos: the story map.
    juego.Pasos(30);
    ASSERT_TRUE(juego.Pulsa("MPrin_ModoHistoria"));
    ASSERT_TRUE(HastaAbierta(juego, pPrincipal->Dificultad(), pPrincipal));
    juego.Pasos(5);
    ASSERT_TRUE(juego.Pulsa("BoxDif_0"));
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuModoHistoria));
    EXPECT_EQ(PerfilActualJuego()->m_iDificultad, 0);

    // On disk after quitting, and the slot shows the name at the next run,
    // where the explanation does not come again.
    ASSERT_TRUE(juego.Reinicia());
    EXPECT_NE(juego.LeeFicheroUsuario("Perfil0.SVG").find("\"Ana\""), std::string::npos);
    m = g_pMenuMaestro;
    RegistroPerfil* pPerfil = m->m_pMenuPerfil->PerfilActual();
    ASSERT_NE(pPerfil, nullptr);
    EXPECT_STREQ(pPerfil->m_szNombre, "Ana");
    EXPECT_TRUE(pPerfil->EstaDesbloqueado(CMenuPrincipal::kMarcadorExplicacion));
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPresentacion));
    Clic(juego);
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPerfil));
    EXPECT_NE(juego.Busca("MENUPERFIL_BUT_Nombre0"), nullptr);
    EXPECT_EQ(juego.Busca("MENUPERFIL_BUT_Nuevo0"), nullptr);
    ASSERT_TRUE(juego.Pulsa("MENUPERFIL_BUT_Nombre0"));
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPrincipal));
    juego.Pasos(40);
    EXPECT_EQ(m->m_pMenuPrincipal->Mensaje()->Padre(), nullptr);
}

// Each visit of the main menu opens it once and attaches the profile screen
// once; the save leaves three updates after the save's opening has ended,
// and nothing opens again.
TEST(PrimerCamino, TheMainMenusQuietSaveComesOnceAndLeaves)
{
    kit::CJuegoPrueba juego("guardado_callado");
    ASSERT_TRUE(juego.Iniciado());
    CMenuMaestro* m = g_pMenuMaestro;
    HastaMenuPrincipal(juego, "Bo");
    if (HasFatalFailure()) return;
    juego.Pasos(10); // the first visit's save done
    for (int visita = 0; visita < 2; ++visita) {
        m->CambiaMenu(m->m_pMenuCreditos);
        ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuCreditos));
        m->CambiaMenu(m->m_pMenuPrincipal);
        CMenuPerfil* pPerfil = m->m_pMenuPerfil;
        int iAdjuntos = 0, iCierres = 0, iFinApertura = -1, iSalida = -1;
        bool bAntes = false, bPrincipalAbierto = false;
        for (int i = 0; i < 200; ++i) {
            juego.Paso();
            const bool bAhora = pPerfil->Padre() == m->m_pMenuPrincipal;
            if (bAhora && !bAntes) ++iAdjuntos;
            bAntes = bAhora;
            if (iAdjuntos == 1 && bAhora && iFinApertura < 0 && !pPerfil->EnTransicion()) iFinApertura = i;
            if (iAdjuntos == 1 && iSalida < 0 && pPerfil->Modo() == CMenuPerfil::MODO_INACTIVO) iSalida = i;
            // The menu, once open, never closes again.
            const bool bAbierto = m->m_pMenuPrincipal->ProgresoApertura() >= 1.0f;
            if (bPrincipalAbierto && !bAbierto) ++iCierres;
            bPrincipalAbierto = bPrincipalAbierto || bAbierto;
        }
        EXPECT_EQ(iAdjuntos, 1) << visita;
        EXPECT_EQ(iCierres, 0) << visita;
        ASSERT_GE(iFinApertura, 0) << visita;
        // Open after step f: its updates at f+1, f+2 save, f+3 asks to leave.
        EXPECT_EQ(iSalida - iFinApertura, 3) << visita;
        EXPECT_EQ(pPerfil->Padre(), nullptr);
        EXPECT_EQ(pPerfil->Estado(), CMenuPerfil::ESTADO_TERMINADO);
        EXPECT_EQ(m->m_pMenuActual, m->m_pMenuPrincipal);
    }
}

// Exit, Escape and the right button each lead to the profile screen, which
// opens to choose a profile.
TEST(PrimerCamino, ExitEscapeAndTheRightButtonLeadToTheProfileScreen)
{
    kit::CJuegoPrueba juego("salidas");
    ASSERT_TRUE(juego.Iniciado());
    CMenuMaestro* m = g_pMenuMaestro;
    HastaMenuPrincipal(juego, "Cy");
    if (HasFatalFailure()) return;
    ASSERT_TRUE(HastaAbierta(juego, m->m_pMenuPrincipal->Mensaje(), m->m_pMenuPrincipal));
    juego.Pasos(5);
    juego.Pulsa("MSGBOXTAZMO_Boton0");
    enum { SALIR, ESCAPE, DERECHO };
    for (int via : {SALIR, ESCAPE, DERECHO}) {
        ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPrincipal)) << via;
        juego.Pasos(60); // the quiet save has come and gone
        ASSERT_EQ(m->m_pMenuPerfil->Padre(), nullptr) << via;
        switch (via) {
        case SALIR: ASSERT_TRUE(juego.Pulsa("MENUPRINCIPAL_BUT_Salir")); break;
        case ESCAPE: juego.Tecla(TECLA_ESCAPE); break;
        case DERECHO:
            juego.MueveRaton(600.0f, 200.0f);
            juego.BotonRaton(1, true);
            juego.BotonRaton(1, false);
            break;
        }
        ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPerfil)) << via;
        EXPECT_EQ(m->m_pMenuPerfil->Modo(), CMenuPerfil::MODO_ELECCION) << via;
        EXPECT_FALSE(juego.Terminado());
        ASSERT_TRUE(juego.Pulsa("MENUPERFIL_BUT_Nombre0")) << juego.Widgets();
    }
}

// A locked icon opens nothing; back in the difficulty box keeps the menu;
// a difficulty becomes the profile's and starts the mode.
TEST(PrimerCamino, TheModeIconsAndTheDifficultyBox)
{
    kit::CJuegoPrueba juego("iconos");
    ASSERT_TRUE(juego.Iniciado());
    CMenuMaestro* m = g_pMenuMaestro;
    HastaMenuPrincipal(juego, "Di");
    if (HasFatalFailure()) return;
    CMenuPrincipal* p = m->m_pMenuPrincipal;
    ASSERT_TRUE(HastaAbierta(juego, p->Mensaje(), p));
    juego.Pasos(5);
    juego.Pulsa("MSGBOXTAZMO_Boton0");
    juego.Pasos(60);

    // A fresh profile: concentration, attacks, seals only, chest and
    // credits are locked and do nothing.
    for (const char* szIcono :
         {"MPrin_BotonRapida", "MPrin_BotonAtaques", "MPrin_BotonSoloSellos", "MPrin_BotonCofreTesoro", "MPrin_BotonCreditos"}) {
        juego.Pulsa(szIcono);
        juego.Pasos(40);
        EXPECT_EQ(p->Dificultad()->Padre(), nullptr) << szIcono;
        EXPECT_EQ(m->m_pMenuActual, p) << szIcono;
        EXPECT_EQ(m->m_iEstadoTransicion, TRANSICION_NINGUNA) << szIcono;
    }

    // Back: the box goes, the menu stays.
    ASSERT_TRUE(juego.Pulsa("MPrin_ModoHistoria"));
    ASSERT_TRUE(HastaAbierta(juego, p->Dificultad(), p));
    juego.Pasos(5);
    juego.Tecla(TECLA_ESCAPE);
    for (int i = 0; i < 60 && p->Dificultad()->Padre(); ++i) juego.Paso();
    EXPECT_EQ(p->Dificultad()->Padre(), nullptr);
    EXPECT_EQ(p->Estado(), CMenuPrincipal::ESTADO_REPOSO);
    EXPECT_EQ(m->m_pMenuActual, p);

    // Seals only, unlocked, at Desafio: the extra-modes menu in its mode.
    PerfilActualJuego()->MarcaDesbloqueado("MPrin_BotonSoloSellos");
    m->CambiaMenu(m->m_pMenuCreditos);
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuCreditos));
    m->CambiaMenu(p);
    ASSERT_TRUE(HastaPantalla(juego, p));
    juego.Pasos(30);
    ASSERT_TRUE(juego.Pulsa("MPrin_BotonSoloSellos"));
    ASSERT_TRUE(HastaAbierta(juego, p->Dificultad(), p));
    juego.Pasos(5);
    ASSERT_TRUE(juego.Pulsa("BoxDif_2"));
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuParametrosModosExtra));
    EXPECT_EQ(PerfilActualJuego()->m_iDificultad, 2);
    EXPECT_EQ(m->m_pMenuParametrosModosExtra->m_iModo, CMenuPrincipal::MODO_SOLO_SELLOS);
}

TEST(MenuPrincipal, WhatEachPressDoes)
{
    struct Caso {
        int iId;
        int iModo;
        bool bDificultad;
    };
    const Caso casos[] = {
        {CMenuPrincipal::ID_HISTORIA, CMenuPrincipal::MODO_HISTORIA, true},
        {CMenuPrincipal::ID_CONCENTRAR, CMenuPrincipal::MODO_CONCENTRAR, true},
        {CMenuPrincipal::ID_ATAQUES, CMenuPrincipal::MODO_ATAQUES, true},
        {CMenuPrincipal::ID_SOLO_SELLOS, CMenuPrincipal::MODO_SOLO_SELLOS, true},
        {CMenuPrincipal::ID_COFRE, -1, false},
        {CMenuPrincipal::ID_SALIR, -1, false},
        {42, -1, false},
    };
    for (const Caso& c : casos) {
        const CMenuPrincipal::Accion a = CMenuPrincipal::AccionDeBoton(c.iId);
        EXPECT_EQ(a.iModo, c.iModo) << c.iId;
        EXPECT_EQ(a.bDificultad, c.bDificultad) << c.iId;
    }
    for (int r = -1; r <= 5; ++r) EXPECT_EQ(CMenuPrincipal::EsDificultad(r), r >= 0 && r <= 3) << r;
}

// What changes after the last quiet save (here a marker unlocked) is saved
// when the game ends; and without a current profile the main menu still
// works: no explanation, and a difficulty still starts the story map.
TEST(PrimerCamino, ChangesAfterTheQuietSaveAreKeptAndNoProfileIsNoFault)
{
    kit::CJuegoPrueba juego("al_salir");
    ASSERT_TRUE(juego.Iniciado());
    CMenuMaestro* m = g_pMenuMaestro;
    HastaMenuPrincipal(juego, "Flo");
    if (HasFatalFailure()) return;
    juego.Pasos(60);
    ASSERT_EQ(m->m_pMenuPerfil->Padre(), nullptr);
    PerfilActualJuego()->MarcaDesbloqueado("MPrin_BotonCreditos");
    ASSERT_TRUE(juego.Reinicia());
    m = g_pMenuMaestro;
    m->m_pMenuPerfil->m_iPerfilActual = 0;
    EXPECT_TRUE(m->m_pMenuPerfil->PerfilActual()->EstaDesbloqueado("MPrin_BotonCreditos"));

    m->m_pMenuPerfil->m_iPerfilActual = -1;
    ASSERT_EQ(PerfilActualJuego(), nullptr);
    juego.Pasos(2);
    m->CambiaMenu(m->m_pMenuPrincipal);
    ASSERT_TRUE(HastaPantalla(juego, m->m_pMenuPrincipal));
    juego.Pasos(40);
    EXPECT_EQ(m->m_pMenuPrincipal->Mensaje()->Padre(), nullptr);
    ASSERT_TRUE(juego.Pulsa("MPrin_ModoHistoria"));
    ASSERT_TRUE(HastaAbierta(juego, m->m_pMenuPrincipal->Dificultad(), m->m_pMenuPrincipal));
    juego.Pasos(5);
    ASSERT_TRUE(juego.Pulsa("BoxDif_1"));
    EXPECT_TRUE(HastaPantalla(juego, m->m_pMenuModoHistoria));
}
