// The chest's galleries (pictures and seals), the trophy cabinet and the
// chapter replays, through their decisions and played in the real game.
#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/GestorSonido.h"
#include "engine/graphics/SPM.h"
#include "engine/ui/CuadreText.h"
#include "engine/ui/MenuObj.h"
#include "game/CatalogoJuego.h"
#include "game/play/Figuras.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/BaseMenu.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/cofre/MenuCapitulos.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/cofre/MenuGaleria.h"
#include "game/screens/cofre/MenuSellos.h"
#include "game/screens/cofre/MenuTrofeos.h"
#include "game/screens/cofre/Paginacion.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "game/story/ImagenSecTazmo.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

class JuegoConPerfil {
public:
    explicit JuegoConPerfil(const std::string& nombre) : m_juego(nombre)
    {
        m_perfiles.m_iPerfilActual = 0;
        m_perfiles.CargaRanura(0);
        RegistraPerfilesJuego(&m_perfiles);
    }
    ~JuegoConPerfil() { RegistraPerfilesJuego(nullptr); }
    void Desbloquea(const std::string& n) { m_perfiles.m_aPerfiles[0].MarcaDesbloqueado(n.c_str()); }
    bool Abre(CMenuObj* p)
    {
        g_pMenuMaestro->CambiaMenu(p);
        for (int i = 0; i < 200; ++i) {
            if (g_pMenuMaestro->m_pMenuActual == p && g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA &&
                !p->EnTransicion()) {
                m_juego.Pasos(20);
                return true;
            }
            m_juego.Paso();
        }
        return false;
    }
    // Steps until the condition holds (at most n steps).
    template <class F>
    bool Hasta(F f, int n = 200)
    {
        for (int i = 0; i < n; ++i) {
            if (f()) return true;
            m_juego.Paso();
        }
        return f();
    }
    kit::CJuegoPrueba m_juego;
    CPerfiles m_perfiles;
};

CMenuMaestro* M() { return g_pMenuMaestro; }

void Pulsa(CMenuObj* pPantalla, int iId) { pPantalla->EnviaEvento(EVENTO_PULSADO, 0, nullptr, iId); }

} // namespace

// ---------------------------------------------------------------------------
// Paging

TEST(Galerias, PagingTurnsRoundAndIsRefusedWhileAnItemIsOpenOrAPageLeaves)
{
    CPaginacion p(5);
    EXPECT_EQ(p.Paso(false, false), CPaginacion::CONSTRUYE_PAGINA);
    EXPECT_EQ(p.Pagina(), 0);
    // Arriving: an arrow is forgotten.
    p.PideSiguiente();
    EXPECT_EQ(p.Paso(true, false), CPaginacion::NADA);
    EXPECT_EQ(p.Paso(false, false), CPaginacion::NADA);
    EXPECT_EQ(p.Estado(), CPaginacion::QUIETA);
    EXPECT_EQ(p.Paso(false, false), CPaginacion::NADA);
    // Back from the first page goes to the last.
    p.PideAnterior();
    EXPECT_EQ(p.Paso(false, false), CPaginacion::QUITA_PAGINA);
    EXPECT_EQ(p.PaginaNueva(), 4);
    // Leaving: a choice and an arrow are forgotten.
    p.Elige(3);
    p.PideSiguiente();
    EXPECT_EQ(p.Paso(true, false), CPaginacion::NADA);
    EXPECT_EQ(p.Paso(false, false), CPaginacion::CONSTRUYE_PAGINA);
    EXPECT_EQ(p.Pagina(), 4);
    EXPECT_EQ(p.Paso(false, false), CPaginacion::NADA);
    // An item opens; arrows while it is open are forgotten.
    p.Elige(2);
    EXPECT_EQ(p.Paso(false, false), CPaginacion::ABRE_ELEMENTO);
    EXPECT_EQ(p.Elegido(), 2);
    p.PideSiguiente();
    EXPECT_EQ(p.Paso(false, true), CPaginacion::NADA);
    EXPECT_EQ(p.Paso(false, false), CPaginacion::NADA); // closed: at rest again
    EXPECT_EQ(p.Paso(false, false), CPaginacion::NADA);
    EXPECT_EQ(p.Pagina(), 4);
    // Next from the last page goes to the first.
    p.PideSiguiente();
    EXPECT_EQ(p.Paso(false, false), CPaginacion::QUITA_PAGINA);
    EXPECT_EQ(p.PaginaNueva(), 0);
}

TEST(Galerias, PagesHoldTheirItemsAndTheLastPagesTheRest)
{
    struct Caso {
        int pagina, mostrados, primero;
    };
    for (const Caso& c : {Caso{0, 9, 0}, Caso{4, 9, 36}}) {
        int n = 0;
        for (int k = 0; k < CMenuGaleria::kHuecos; ++k)
            if (CMenuGaleria::ElementoDeHueco(c.pagina, k) >= 0) ++n;
        EXPECT_EQ(n, c.mostrados) << c.pagina;
        EXPECT_EQ(CMenuGaleria::ElementoDeHueco(c.pagina, 0), c.primero);
    }
    EXPECT_EQ(CMenuGaleria::ElementoDeHueco(4, 8), 44);
    EXPECT_EQ(CMenuSellos::ElementoDeHueco(8, 0), 48);
    EXPECT_EQ(CMenuSellos::ElementoDeHueco(8, 3), 51);
    EXPECT_EQ(CMenuSellos::ElementoDeHueco(8, 4), -1);
    EXPECT_EQ(CMenuSellos::ElementoDeHueco(8, 5), -1);
    // Each picture is the one the scenes show and unlock, with a thumbnail
    // of its own.
    std::set<std::string> miniaturas;
    for (int i = 0; i < CMenuGaleria::kElementos; ++i) {
        EXPECT_STREQ(CMenuGaleria::Imagen(i), FilaImagen(i).paquete) << i;
        miniaturas.insert(CMenuGaleria::Miniatura(i));
        EXPECT_EQ(CMenuGaleria::Marcador(i), "MGaleria_" + std::to_string(i));
    }
    EXPECT_EQ(miniaturas.size(), 45u);
    EXPECT_EQ(CMenuGaleria::Imagen(45), nullptr);
}

// A won figure shows its own seal: each seal carries the marker its
// figure's victory unlocks (the dagger's is 29, the nine after it 20..28).
TEST(Galerias, EachSealCarriesTheMarkerItsFigureUnlocks)
{
    for (int i = 0; i < CMenuSellos::kElementos; ++i)
        EXPECT_EQ(CMenuSellos::Marcador(i),
                  "MGalSello_" + std::to_string(TablaFigurasGaleria[static_cast<size_t>(i)].m_iSello));
    EXPECT_EQ(CMenuSellos::Marcador(20), "MGalSello_29");
    for (int i = 21; i <= 29; ++i) EXPECT_EQ(CMenuSellos::Marcador(i), "MGalSello_" + std::to_string(i - 1)) << i;
    EXPECT_EQ(CMenuSellos::Marcador(30), "MGalSello_30");
    EXPECT_EQ(CMenuSellos::Marcador(52), "");
    EXPECT_FLOAT_EQ(CMenuSellos::PasoVista(0.95f, true), 1.0f);
    EXPECT_FLOAT_EQ(CMenuSellos::PasoVista(0.05f, false), 0.0f);
}

// ---------------------------------------------------------------------------
// Played

TEST(Galerias, GalleryPagesOpenPicturesAndBackReturnsToItsOpener)
{
    JuegoConPerfil j("galeria");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    j.Desbloquea("MGaleria_0");
    CMenuGaleria* g = M()->m_pMenuGaleria;
    ASSERT_TRUE(g->EstaCreado());
    g->m_pMenuRetorno = M()->m_pMenuCofreTesoro;
    ASSERT_TRUE(j.Abre(g));
    ASSERT_TRUE(j.Hasta([&] { return g->Estado() == CPaginacion::QUIETA; }));
    EXPECT_EQ(g->NumHuecosMostrados(), 9);
    // The first picture opens full screen; an arrow meanwhile is refused.
    ASSERT_TRUE(j.m_juego.Pulsa("MGaleria_0")) << j.m_juego.Widgets();
    ASSERT_TRUE(j.Hasta([&] { return g->ImagenAbierta(); }, 60));
    Pulsa(g, CMenuGaleria::ID_SIGUIENTE);
    j.m_juego.Pasos(30);
    EXPECT_EQ(g->Pagina(), 0);
    ASSERT_TRUE(j.m_juego.Pulsa("MenuPersonajes_BUT_Imagen"));
    ASSERT_TRUE(j.Hasta([&] { return !g->ImagenAbierta() && g->Estado() == CPaginacion::QUIETA; }, 60));
    // Back from the first page: the fifth, with nine pictures.
    Pulsa(g, CMenuGaleria::ID_ANTERIOR);
    ASSERT_TRUE(j.Hasta([&] { return g->Pagina() == 4 && g->Estado() == CPaginacion::QUIETA; }));
    EXPECT_EQ(g->NumHuecosMostrados(), 9);
    ASSERT_NE(j.m_juego.Busca("MGaleria_44"), nullptr);
    // An arrow pressed while the page leaves is forgotten.
    Pulsa(g, CMenuGaleria::ID_SIGUIENTE);
    j.m_juego.Paso();
    Pulsa(g, CMenuGaleria::ID_SIGUIENTE);
    ASSERT_TRUE(j.Hasta([&] { return g->Estado() == CPaginacion::QUIETA; }));
    EXPECT_EQ(g->Pagina(), 0);
    ASSERT_TRUE(j.m_juego.Pulsa("MenuPersonajes_BUT_Volver"));
    ASSERT_TRUE(j.Hasta([&] { return M()->m_pMenuActual == M()->m_pMenuCofreTesoro; }));
}

TEST(Galerias, SealsShowTheirLastPageOfFourAndOpenOneAtATime)
{
    JuegoConPerfil j("sellos");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    j.Desbloquea(CMenuSellos::Marcador(48));
    j.Desbloquea(CMenuSellos::Marcador(49));
    CMenuSellos* s = M()->m_pMenuSellos;
    ASSERT_TRUE(j.Abre(s));
    ASSERT_TRUE(j.Hasta([&] { return s->Estado() == CPaginacion::QUIETA; }));
    EXPECT_EQ(s->NumHuecosMostrados(), 6);
    Pulsa(s, CMenuSellos::ID_ANTERIOR);
    ASSERT_TRUE(j.Hasta([&] { return s->Pagina() == 8 && s->Estado() == CPaginacion::QUIETA; }));
    EXPECT_EQ(s->NumHuecosMostrados(), 4);
    EXPECT_FALSE(s->m_apHuecos[4]->EstaCreado());
    EXPECT_FALSE(s->m_apHuecos[5]->EstaCreado());
    // A seal opens enlarged; the view strengthens, and closing fades it.
    ASSERT_TRUE(j.m_juego.Pulsa(CMenuSellos::Marcador(48)));
    ASSERT_TRUE(j.Hasta([&] { return s->SelloAbierto() && s->Vista() >= 1.0f; }, 60));
    CSPM* pPrimero = s->m_pSPMSelloGrande;
    ASSERT_NE(pPrimero, nullptr);
    ASSERT_TRUE(j.m_juego.Pulsa("MenuSellos_BUT_Imagen"));
    ASSERT_TRUE(j.Hasta([&] { return !s->SelloAbierto() && s->Vista() <= 0.0f; }, 60));
    ASSERT_TRUE(j.m_juego.Pulsa(CMenuSellos::Marcador(49)));
    ASSERT_TRUE(j.Hasta([&] { return s->SelloAbierto(); }, 60));
    EXPECT_NE(s->m_pSPMSelloGrande, nullptr);
    ASSERT_TRUE(j.m_juego.Pulsa("MenuSellos_BUT_Imagen"));
    ASSERT_TRUE(j.Hasta([&] { return s->Estado() == CPaginacion::QUIETA; }, 60));
    ASSERT_TRUE(j.m_juego.Pulsa("MenuSellos_BUT_Volver"));
    ASSERT_TRUE(j.Hasta([&] { return M()->m_pMenuActual == M()->m_pMenuCofreTesoro; }));
}

TEST(Galerias, AWonTrophyOpensItsBoxWithItsPictureFadingInAndOut)
{
    JuegoConPerfil j("trofeos");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    j.Desbloquea("MTrofeo_10");
    CMenuTrofeos* t = M()->m_pMenuTrofeos;
    ASSERT_TRUE(j.Abre(t));
    // A locked trophy does nothing.
    ASSERT_TRUE(j.m_juego.Pulsa("MTrofeo_11"));
    j.m_juego.Pasos(40);
    EXPECT_FALSE(t->CajaAbierta());
    EXPECT_EQ(t->TrofeoMostrado(), -1);
    ASSERT_TRUE(j.m_juego.Pulsa("MTrofeo_10"));
    ASSERT_TRUE(j.Hasta([&] { return t->CajaAbierta(); }, 60));
    EXPECT_EQ(t->TrofeoMostrado(), 2);
    j.m_juego.Pasos(12);
    EXPECT_FLOAT_EQ(t->Fundido(), 1.0f);
    // Once the box takes input, its button closes it.
    j.m_juego.Pasos(40);
    ASSERT_NE(t->m_pCaja->m_apBotones[0], nullptr);
    ASSERT_TRUE(j.m_juego.Pulsa(t->m_pCaja->m_apBotones[0]->Nombre()));
    ASSERT_TRUE(j.Hasta([&] { return !t->CajaAbierta(); }, 60));
    j.m_juego.Pasos(12);
    EXPECT_FLOAT_EQ(t->Fundido(), 0.0f);
    EXPECT_EQ(M()->m_pMenuActual, t);
}

// In every trophy's box, in every language, the trophy's picture stands
// above its description, which it never covers, and the description and
// the button stay inside the frame.
TEST(Galerias, NoTrophyPictureCoversItsOwnDescription)
{
    JuegoConPerfil j("trofeos_cajas");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    CMenuTrofeos* t = M()->m_pMenuTrofeos;
    ASSERT_TRUE(j.Abre(t));
    for (int idioma : {2, 1, 0}) {
        g_pAplicacion->CambiaIdioma(idioma, "CA ES EN"[3 * idioma], "CA ES EN"[3 * idioma + 1]);
        for (int i = 0; i < CMenuTrofeos::kNumTrofeos; ++i) {
            SCOPED_TRACE(testing::Message() << "language " << idioma << " trophy " << i);
            Pulsa(t, i);
            ASSERT_TRUE(t->CajaAbierta());
            CMsgBoxTazmo* c = t->m_pCaja;
            float x = 0, y = 0, e = 0, w = 0, h = 0;
            ASSERT_TRUE(t->ImagenMostrada(&x, &y, &e, &w, &h));
            const Rectangulo& rt = c->m_pTexto->Rect();
            EXPECT_GE(y - h / 2, 0.0f);
            EXPECT_LE(y + h / 2, rt.y) << "picture " << y - h / 2 << ".." << y + h / 2 << " at " << e;
            EXPECT_GE(e, 0.4f);
            const Rectangulo& rb = c->m_apBotones[0]->Rect();
            EXPECT_LE(rb.y + rb.alto, c->m_fCajaY + c->m_fCajaAlto);
            c->m_iResultado = 0;
            ASSERT_TRUE(j.Hasta([&] { return !t->CajaAbierta() && c->Padre() == nullptr; }, 60));
        }
    }
}

// Each trophy at rest draws its picture's frame at its scale round its place:
// no two of these boxes meet, and each stays on the screen.
TEST(Galerias, TheTrophiesOnTheShelfNeitherCoverOneAnotherNorLeaveTheScreen)
{
    JuegoConPerfil j("trofeos_estante");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    CMenuTrofeos* t = M()->m_pMenuTrofeos;
    ASSERT_TRUE(j.Abre(t));
    struct Caja {
        float x0, y0, x1, y1;
    };
    Caja cajas[CMenuTrofeos::kNumTrofeos];
    for (int a = 0; a < CMenuTrofeos::kNumTrofeos; ++a) {
        CBotonIconoTazmo* p = t->m_apTrofeos[a];
        ASSERT_NE(p, nullptr);
        ASSERT_NE(p->m_pSPM, nullptr);
        const float w = p->m_pSPM->GetAnchoMaximo() * p->m_fEscala, h = p->m_pSPM->GetAltoMaximo() * p->m_fEscala;
        ASSERT_GT(w, 0.0f);
        ASSERT_GT(h, 0.0f);
        cajas[a] = {p->m_fXFin - w / 2, p->m_fYFin - h / 2, p->m_fXFin + w / 2, p->m_fYFin + h / 2};
        SCOPED_TRACE(testing::Message() << "trophy " << a << " (" << p->Nombre() << ")");
        EXPECT_GE(cajas[a].x0, 0.0f);
        EXPECT_GE(cajas[a].y0, 0.0f);
        EXPECT_LE(cajas[a].x1, 1024.0f);
        EXPECT_LE(cajas[a].y1, 768.0f);
    }
    for (int a = 0; a < CMenuTrofeos::kNumTrofeos; ++a)
        for (int b = a + 1; b < CMenuTrofeos::kNumTrofeos; ++b) {
            const Caja &p = cajas[a], &q = cajas[b];
            EXPECT_TRUE(p.x1 <= q.x0 || q.x1 <= p.x0 || p.y1 <= q.y0 || q.y1 <= p.y0)
                << "trophies " << a << " and " << b << " overlap";
        }
}

TEST(Galerias, AChapterReplaysEachOfItsScenesThenTheMenusMusic)
{
    JuegoConPerfil j("capitulos");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    j.Desbloquea("MCapitulos_7");
    CMenuCapitulos* c = M()->m_pMenuCapitulos;
    EXPECT_EQ(CMenuCapitulos::NumEscenas(7), 7);
    // The first stage's closing scene is the demo scene; the others name
    // scenes that do not exist and are over at once.
    for (int p = 0; p < 7; ++p)
        M()->m_TablaNiveles.Entrada(CMenuCapitulos::kDificultadEscenas, 7, p)->JAPSECOUTRO =
            p == 0 ? juego::fichero::ESCENA_DEMO : "Data\\Escenas\\NoExiste.jap";
    ASSERT_TRUE(j.Abre(c));
    const int n0 = c->EscenasEmpezadas();
    ASSERT_TRUE(j.m_juego.Pulsa("MCapitulos_7"));
    ASSERT_TRUE(j.Hasta([&] { return c->Reproduciendo(); }, 30));
    // The pointer, still where the icon was pressed, has left the icons:
    // no hint is kept over the scene.
    j.m_juego.Pasos(2);
    EXPECT_FALSE(static_cast<CBotonIconoTazmo*>(j.m_juego.Busca("MCapitulos_7"))->m_bSobre);
    // A click on the scene, over the place of the icon, is the scene's
    // alone: the icon under it takes neither the pointer nor its hint.
    j.m_juego.BotonRaton(true);
    j.m_juego.BotonRaton(false);
    j.m_juego.Pasos(2);
    EXPECT_FALSE(static_cast<CBotonIconoTazmo*>(j.m_juego.Busca("MCapitulos_7"))->m_bSobre);
    // The menus' channel is silent while the scene plays its own.
    g_pGestorSonido->ParaCanal(g_pGestorSonido->GetCanal(CBaseMenu::kCanalMusica), true);
    // Back is ignored while the scene plays.
    Pulsa(c, CMenuCapitulos::ID_VOLVER);
    j.m_juego.Pasos(20);
    EXPECT_EQ(M()->m_pMenuActual, c);
    EXPECT_EQ(M()->m_iEstadoTransicion, TRANSICION_NINGUNA);
    // Clicked through (away from the icons), the chapter's seven scenes
    // play, then the menus' music comes back.
    j.m_juego.MueveRaton(990.0f, 60.0f);
    for (int i = 0; i < 4000 && c->CapituloElegido() >= 0; ++i) j.m_juego.BotonRaton(i % 2 == 0);
    j.m_juego.BotonRaton(false);
    EXPECT_EQ(c->CapituloElegido(), -1);
    EXPECT_EQ(c->EscenasEmpezadas() - n0, 7);
    EXPECT_FALSE(c->Reproduciendo());
    j.m_juego.Pasos(3);
    EXPECT_EQ(j.m_juego.MusicaCanal(CBaseMenu::kCanalMusica), juego::musica::RAN_MENUS);
    ASSERT_TRUE(j.m_juego.Pulsa("MenuCapitulos_BUT_Volver"));
    ASSERT_TRUE(j.Hasta([&] { return M()->m_pMenuActual == M()->m_pMenuCofreTesoro; }));
}

// The chapter medallions, each at its focused size (the chapter picture's
// medallion is 224 across and grows by a tenth of its scale under the
// pointer), touch neither one another nor the title's medallion, the same
// picture at 0.85 round (900, 90), and stay between the top and bottom bars.
TEST(Galerias, TheChapterMedallionsTouchNeitherEachOtherNorTheTitlesMedallion)
{
    JuegoConPerfil j("capitulos_medallones");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    CMenuCapitulos* c = M()->m_pMenuCapitulos;
    ASSERT_TRUE(j.Abre(c));
    constexpr float kRadioMedallon = 112.0f, kCrecimientoFoco = 0.1f;
    constexpr float kTituloX = 900.0f, kTituloY = 90.0f, kRadioTitulo = kRadioMedallon * 0.85f;
    constexpr float kBarraSuperior = 110.0f, kBarraInferior = 715.0f;
    auto Radio = [&](const CBotonIconoTazmo* p) { return kRadioMedallon * p->m_fEscala * (1.0f + kCrecimientoFoco); };
    for (int a = 0; a < CMenuCapitulos::kNumCapitulos; ++a) {
        const CBotonIconoTazmo* p = c->m_apCapitulos[a];
        ASSERT_NE(p, nullptr);
        SCOPED_TRACE(testing::Message() << "chapter " << a);
        EXPECT_GT(std::hypot(p->m_fXFin - kTituloX, p->m_fYFin - kTituloY), Radio(p) + kRadioTitulo);
        EXPECT_GT(p->m_fYFin - Radio(p), kBarraSuperior);
        EXPECT_LT(p->m_fYFin + Radio(p), kBarraInferior);
        for (int b = a + 1; b < CMenuCapitulos::kNumCapitulos; ++b) {
            const CBotonIconoTazmo* q = c->m_apCapitulos[b];
            // one focused, its neighbour at rest
            EXPECT_GT(std::hypot(p->m_fXFin - q->m_fXFin, p->m_fYFin - q->m_fYFin),
                      Radio(p) + kRadioMedallon * q->m_fEscala)
                << "chapter " << b;
        }
    }
}
