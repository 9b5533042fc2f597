#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/Temporizador.h"
#include "kit/BucleAplicacion.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using kit::CBuclePrueba;
using kit::CEnlaceGraficosPrueba;
using kit::CObjetoPrueba;

TEST(Aplicacion, LagRunsOneUpdateAndDropsTheOtherDueSteps)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    CObjetoPrueba obj;
    bucle.App().AnadeMenu(&obj);
    float fBase = bucle.App().BaseReloj();

    // Not yet due: the pass only sleeps.
    bucle.Ciclo(33);
    EXPECT_EQ(obj.m_iActualizaciones, 0);
    EXPECT_EQ(enlace.m_iFlipasPrincipal.load(), 0);

    // 110 ms behind: three steps advanced, ten milliseconds left behind, one
    // update and one frame.
    bucle.Ciclo(110 - 33);
    EXPECT_NEAR(bucle.App().BaseReloj(), fBase + 100.0f, 0.01f);
    EXPECT_NEAR(bucle.App().UltimoFrame(), bucle.App().BaseReloj(), 0.001f);
    EXPECT_EQ(obj.m_iActualizaciones, 1);
    EXPECT_EQ(obj.m_iDibujos, 1);
    EXPECT_EQ(enlace.m_iFlipasPrincipal.load(), 1);

    // One step each from then on.
    bucle.Pasos(5);
    EXPECT_EQ(obj.m_iActualizaciones, 6);
    EXPECT_EQ(enlace.m_iFlipasPrincipal.load(), 6);
    bucle.App().QuitaMenu(&obj);
}

TEST(Aplicacion, InactiveWindowOnlyRedrawsWithoutUpdates)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    CObjetoPrueba obj;
    bucle.App().AnadeMenu(&obj);
    bucle.App().PideActivacion(false);
    float fUltimo = bucle.App().UltimoFrame();
    bucle.Pasos(3);
    EXPECT_FALSE(bucle.App().EstaActiva());
    EXPECT_FALSE(bucle.App().ActivaEnCiclo());
    EXPECT_EQ(obj.m_iActualizaciones, 0);
    EXPECT_EQ(enlace.m_iFlipasPrincipal.load(), 3);
    EXPECT_EQ(obj.m_iDibujos, 3);
    // The last-frame time stays where the last active step left it.
    EXPECT_EQ(bucle.App().UltimoFrame(), fUltimo);
    // Input is dropped while inactive.
    bucle.App().ProcesaTecla(28);
    EXPECT_TRUE(obj.m_entradas.empty());

    bucle.App().PideActivacion(true);
    bucle.Paso();
    EXPECT_TRUE(bucle.App().EstaActiva());
    EXPECT_EQ(obj.m_iActualizaciones, 1);
    bucle.App().QuitaMenu(&obj);
}

TEST(Aplicacion, FadesClampAtBothEnds)
{
    struct Caso {
        const char* nombre;
        float fInicio;
        bool bSalida;
        float fFinal;
    } casos[] = {
        {"out from clear", 0.0f, true, 1.0f},
        {"in from covered", 1.0f, false, 0.0f},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        CEnlaceGraficosPrueba enlace;
        CBuclePrueba bucle(&enlace);
        bucle.App().CambiaFundido(c.fInicio, 0, 0, 0);
        if (c.bSalida)
            bucle.App().FundidoSalida(10, 0, 0, 0);
        else
            bucle.App().FundidoEntrada(10, 0, 0, 0);
        float fAnterior = c.fInicio;
        for (int paso = 1; paso <= 10; ++paso) {
            bucle.Paso();
            // The frame of a step shows the level of the step before.
            int iEsperado = static_cast<int>(fAnterior * 255.0f);
            EXPECT_NEAR(bucle.App().AlfaVeloDibujado(), iEsperado, 1) << "step " << paso;
            fAnterior = bucle.App().NivelFundido();
            EXPECT_NEAR(fAnterior, c.fInicio + (c.fFinal - c.fInicio) * paso / 10.0f, 1e-4f) << "step " << paso;
            EXPECT_NE(bucle.App().VelocidadFundido(), 0.0f) << "step " << paso;
        }
        // The frame after the tenth step shows the end level; the eleventh
        // step passes the bound, clamps and stops.
        bucle.Paso();
        EXPECT_EQ(bucle.App().AlfaVeloDibujado(), c.bSalida ? 255 : 0);
        EXPECT_EQ(bucle.App().NivelFundido(), c.fFinal);
        EXPECT_EQ(bucle.App().VelocidadFundido(), 0.0f);
        bucle.Pasos(3);
        EXPECT_EQ(bucle.App().NivelFundido(), c.fFinal);
    }
}

TEST(Aplicacion, FadeOfNoFramesDoesNotDivideByZero)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    bucle.App().FundidoSalida(0, 255, 255, 255);
    bucle.Pasos(3);
    EXPECT_EQ(bucle.App().NivelFundido(), 1.0f);
    EXPECT_EQ(bucle.App().VelocidadFundido(), 0.0f);
}

namespace {

enum Accion { PULSA, TECLA, CARACTER, MOVIMIENTO, EJE, BOTON_MANDO };

struct Entrada {
    Accion accion;
    int iEvento;
    float x, y;
};

void Envia(CAplicacion& app, const Entrada& e)
{
    switch (e.accion) {
    case PULSA: app.ProcesaBotonRaton(0, e.iEvento, e.x, e.y); break;
    case TECLA: app.ProcesaTecla(e.iEvento); break;
    case CARACTER: app.ProcesaCaracter(static_cast<char>(e.iEvento)); break;
    case MOVIMIENTO: app.ProcesaMovimientoRaton(0, e.x, e.y); break;
    case EJE: app.ProcesaEjeMando(nullptr, 0, e.iEvento); break;
    case BOTON_MANDO: app.ProcesaBotonMando(nullptr, e.iEvento); break;
    }
}

} // namespace

TEST(Aplicacion, InputGoesToTheFocusedObjectOnly)
{
    // a: (0,0)-(100,100); b: (200,0)-(300,100); b is registered last, so it
    // has the focus and is the head.
    struct Caso {
        const char* nombre;
        std::vector<Entrada> entradas;
        std::vector<std::string> a, b;
        char foco; // 'a', 'b' or '-'
    } casos[] = {
        {"press inside the focus", {{PULSA, 0, 250, 50}}, {}, {"boton 0 0 250 50"}, 'b'},
        {"press on the edge", {{PULSA, 0, 300, 100}}, {}, {"boton 0 0 300 100"}, 'b'},
        {"press outside moves focus only", {{PULSA, 0, 50, 50}}, {}, {}, 'a'},
        {"release outside moves focus only", {{PULSA, 1, 50, 50}}, {}, {}, 'a'},
        {"next press inside is delivered", {{PULSA, 0, 50, 50}, {PULSA, 1, 50, 50}}, {"boton 0 1 50 50"}, {}, 'a'},
        {"press over nothing", {{PULSA, 0, 500, 500}}, {}, {}, 'b'},
        {"keys, characters, moves, controller go to the focus",
         {{TECLA, 28, 0, 0}, {CARACTER, 'x', 0, 0}, {MOVIMIENTO, 0, 5, 6}, {EJE, -100, 0, 0}, {BOTON_MANDO, 2, 0, 0}},
         {},
         {"tecla 28", "caracter 120", "movimiento 0 5 6 0", "eje 0 -100", "mando 2"},
         'b'},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        CEnlaceGraficosPrueba enlace;
        CBuclePrueba bucle(&enlace);
        CObjetoPrueba a(0, 0, 100, 100), b(200, 0, 100, 100);
        bucle.App().AnadeMenu(&a);
        bucle.App().AnadeMenu(&b);
        for (const Entrada& e : c.entradas) Envia(bucle.App(), e);
        EXPECT_EQ(a.m_entradas, c.a);
        EXPECT_EQ(b.m_entradas, c.b);
        CMenuObj* pFoco = c.foco == 'a' ? static_cast<CMenuObj*>(&a) : c.foco == 'b' ? &b : nullptr;
        EXPECT_EQ(bucle.App().Foco(), pFoco);
        EXPECT_EQ(a.m_bEnfocado, pFoco == &a);
        EXPECT_EQ(b.m_bEnfocado, pFoco == &b);
        bucle.App().QuitaMenu(&b);
        bucle.App().QuitaMenu(&a);
    }
}

TEST(Aplicacion, InputWithoutObjectsOrFocusIsDropped)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    for (Accion a : {PULSA, TECLA, CARACTER, MOVIMIENTO, EJE, BOTON_MANDO}) Envia(bucle.App(), {a, 1, 10, 10});
    EXPECT_EQ(bucle.App().Foco(), nullptr);

    // Registered but unfocused: keys are dropped, a press focuses.
    CObjetoPrueba a(0, 0, 100, 100);
    bucle.App().AnadeMenu(&a);
    bucle.App().CambiaFoco(nullptr);
    Envia(bucle.App(), {TECLA, 28, 0, 0});
    EXPECT_TRUE(a.m_entradas.empty());
    Envia(bucle.App(), {PULSA, 0, 10, 10});
    EXPECT_TRUE(a.m_entradas.empty());
    EXPECT_EQ(bucle.App().Foco(), &a);

    // The layout-editor hook of any object takes the input first.
    a.m_bEditorToma = true;
    Envia(bucle.App(), {TECLA, 28, 0, 0});
    Envia(bucle.App(), {PULSA, 0, 10, 10});
    EXPECT_TRUE(a.m_entradas.empty());
    bucle.App().QuitaMenu(&a);
}

TEST(Aplicacion, RegisteredObjectsAndFocus)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    CAplicacion& app = bucle.App();
    CObjetoPrueba a, b;
    app.AnadeMenu(nullptr);
    app.AnadeMenu(&a);
    EXPECT_TRUE(a.m_bRecursosCargados);
    app.AnadeMenu(&b);
    EXPECT_EQ(app.Foco(), &b);
    EXPECT_FALSE(a.m_bEnfocado);
    // The newest is updated first and drawn last.
    app.Objetos().VaAlPrincipio();
    EXPECT_EQ(app.Objetos().Actual(), &b);
    app.QuitaMenu(&b);
    EXPECT_FALSE(b.m_bRecursosCargados);
    EXPECT_EQ(app.Foco(), &a);
    EXPECT_TRUE(a.m_bEnfocado);
    // Removing an unfocused object leaves the focus.
    app.AnadeMenu(&b);
    app.CambiaFoco(&a);
    app.QuitaMenu(&b);
    EXPECT_EQ(app.Foco(), &a);
    app.QuitaMenu(&a);
    EXPECT_EQ(app.Foco(), nullptr);
    app.QuitaMenu(nullptr);
}

TEST(Aplicacion, QuitEndsThePassWhateverElseIsPending)
{
    struct Caso {
        const char* nombre;
        std::vector<int> tipos;
        bool bProhibido;
        bool bSale;
    } casos[] = {
        {"quit among others", {0, 7, EVENTO_SALIR, 20, 5}, false, true},
        {"quit first", {EVENTO_SALIR, 1, 2}, false, true},
        {"two quits", {EVENTO_SALIR, EVENTO_SALIR}, false, true},
        {"no quit", {0, 1, EVENTO_SIN_TIPO}, false, false},
        {"quit not allowed", {0, EVENTO_SALIR}, true, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        CEnlaceGraficosPrueba enlace;
        CBuclePrueba bucle(&enlace);
        if (c.bProhibido) bucle.App().ProhibeSalir();
        for (int t : c.tipos) bucle.App().EnviaEvento(t, 3, t == 5 ? "texto" : nullptr, 7);
        EXPECT_EQ(bucle.App().NumEventos(), static_cast<int>(c.tipos.size()));
        EXPECT_EQ(bucle.Paso(), c.bSale);
        EXPECT_EQ(bucle.App().NumEventos(), 0);
        if (c.bSale) {
            EXPECT_TRUE(bucle.App().HiloTerminado());
        }
        bucle.App().PermiteSalir();
    }
    EXPECT_TRUE(CerrarActivo());
}

TEST(Aplicacion, DisplayModeRequestsQueueOnce)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    CAplicacion& app = bucle.App();
    // Alt+Enter twice within one step.
    app.AlternaPantallaCompleta();
    app.AlternaPantallaCompleta();
    app.PideVentana();
    EXPECT_EQ(app.NumPeticionesModo(), 1);
    EXPECT_EQ(g_bCambioModoPermitido, 0);
    bucle.Paso();
    EXPECT_EQ(app.NumPeticionesModo(), 0);
    EXPECT_EQ(enlace.m_iCambiosModo.load(), 1);
    EXPECT_FALSE(enlace.m_bVentana.load());
    EXPECT_EQ(g_bVentana, 0);
    EXPECT_EQ(g_bCambioModoPermitido, 1);
    EXPECT_FALSE(app.CambioModoEnCurso());

    // Losing activation in full screen asks for a window, carried out at the
    // next due step even while inactive.
    app.PideActivacion(false);
    bucle.Ciclo(1);
    EXPECT_FALSE(app.EstaActiva());
    EXPECT_EQ(enlace.m_iCambiosModo.load(), 1);
    EXPECT_EQ(app.NumPeticionesModo(), 1);
    bucle.Paso();
    EXPECT_EQ(enlace.m_iCambiosModo.load(), 2);
    EXPECT_TRUE(enlace.m_bVentana.load());
    EXPECT_EQ(g_bVentana, 1);
}

TEST(Aplicacion, StylesOutsideTheTenSlotsDoNothing)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    CAplicacion& app = bucle.App();
    EXPECT_EQ(app.Estilo(10), nullptr);
    EXPECT_EQ(app.Estilo(-1), nullptr);
    std::vector<EstiloObjeto> antes;
    for (int i = 0; i < CAplicacion::kNumEstilos; ++i) antes.push_back(*app.Estilo(i));
    EstiloObjeto e;
    e.Limpia();
    std::strcpy(e.m_szCapa1, "x");
    e.m_iFlagsConFoco = 0x40;
    app.CambiaEstilo(-1, e);
    app.CambiaEstilo(10, e);
    for (int i = 0; i < CAplicacion::kNumEstilos; ++i)
        EXPECT_EQ(std::memcmp(app.Estilo(i), &antes[i], sizeof(EstiloObjeto)), 0) << i;
    app.CambiaEstilo(9, e);
    EXPECT_STREQ(app.Estilo(9)->m_szCapa1, "x");
    EXPECT_EQ(app.Estilo(9)->m_iFlagsConFoco, 0x40);
}

TEST(Aplicacion, BaseStyles)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    CreaEstilosBase();
    CAplicacion& app = bucle.App();
    EXPECT_STREQ(app.Estilo(0)->m_szCapa1, "");
    EXPECT_EQ(app.Estilo(0)->m_aColorCapa1[0], 255);
    const EstiloObjeto* e1 = app.Estilo(1);
    EXPECT_STREQ(e1->m_szCapa1, motor::paquete::LINEAS);
    EXPECT_STREQ(e1->m_szCapa2, motor::paquete::LINEAS);
    EXPECT_EQ(e1->m_iFlagsConFoco, 0x4010);
    EXPECT_EQ(e1->m_iFlagsPulsado, 0x000C);
    EXPECT_EQ(e1->m_iFlagsOculto, 0x2020);
    EXPECT_EQ(e1->m_iFlagsMarcado, 0x1000);
    EXPECT_EQ(e1->m_aColorCapa1[2], 200);
    EXPECT_EQ(e1->m_aColorCapa2[0], 215);
    const EstiloObjeto* e2 = app.Estilo(2);
    EXPECT_STREQ(e2->m_szCapa1, motor::paquete::PANELES);
    EXPECT_STREQ(e2->m_szCapa2, "");
    EXPECT_EQ(e2->m_iFlagsSinFoco, 0x4000);
    EXPECT_EQ(e2->m_iFlagsPulsado, 0x0C00);
    EXPECT_STREQ(app.Estilo(3)->m_szCapa1, "");
}

TEST(Aplicacion, MusicNameLongerThanItsFieldIsRefused)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    std::string largo(CAplicacion::kLongitudMusica, 'm');
    EXPECT_FALSE(bucle.App().CambiaMusica(largo.c_str()));
    EXPECT_STREQ(bucle.App().NombreMusica(), "");
    EXPECT_TRUE(bucle.App().CambiaMusica(nullptr));
    EXPECT_TRUE(bucle.App().CambiaMusica(""));
    EXPECT_STREQ(bucle.App().NombreMusica(), "");
}

TEST(Aplicacion, CursorIndicesOutsideTheSixteenDoNothing)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    bucle.App().CambiaFrameCursor(-1, 2);
    bucle.App().CambiaFrameCursor(16, 2);
    bucle.App().ReiniciaCursores();
    bucle.App().PonDibujaCursores(false);
    EXPECT_FALSE(bucle.App().DibujaCursores());
}

namespace {
// Unregisters another object, and registers a third, from its update.
class CObjetoQueQuita : public CObjetoPrueba {
public:
    void Actualiza() override
    {
        CObjetoPrueba::Actualiza();
        if (m_pQuita) g_pAplicacion->QuitaMenu(m_pQuita);
        if (m_pAnade) g_pAplicacion->AnadeMenu(m_pAnade);
        m_pQuita = m_pAnade = nullptr;
    }
    CMenuObj* m_pQuita = nullptr;
    CMenuObj* m_pAnade = nullptr;
};
} // namespace

TEST(Aplicacion, ObjectsMayRegisterAndUnregisterOthersWhileUpdated)
{
    CEnlaceGraficosPrueba enlace;
    CBuclePrueba bucle(&enlace);
    CObjetoPrueba viejo, nuevo;
    CObjetoQueQuita quita;
    bucle.App().AnadeMenu(&viejo);
    bucle.App().AnadeMenu(&quita); // the head: updated first
    quita.m_pQuita = &viejo;
    quita.m_pAnade = &nuevo;
    bucle.Paso();
    // The removed object is neither updated nor drawn; the new one waits for
    // the next walk of updates but is drawn in this frame.
    EXPECT_EQ(viejo.m_iActualizaciones, 0);
    EXPECT_EQ(viejo.m_iDibujos, 0);
    EXPECT_EQ(nuevo.m_iActualizaciones, 0);
    EXPECT_EQ(nuevo.m_iDibujos, 1);
    bucle.Paso();
    EXPECT_EQ(nuevo.m_iActualizaciones, 1);
    EXPECT_EQ(bucle.App().Foco(), &nuevo);
    bucle.App().QuitaMenu(&nuevo);
    bucle.App().QuitaMenu(&quita);
}
