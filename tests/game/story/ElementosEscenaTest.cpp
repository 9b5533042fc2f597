// The elements of the story scenes: characters (ramps, moods, blinking,
// mouth, silhouette, face tuning), pictures and their markers, and the
// tables scripts name them by.
#include "EntornoEscena.h"
#include "engine/core/Teclado.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "game/Personajes.h"
#include "game/story/CarasEscena.h"
#include "game/story/ImagenSecTazmo.h"
#include "game/story/PersoSecTazmo.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

#include <cmath>
#include <set>
#include <string>
#include <vector>

using escenatest::EntornoEscena;

namespace {

class Elementos : public EntornoEscena {
protected:
    // Maida, loaded and stepped on her own.
    CPersoSecTazmo& Maida()
    {
        if (!m_maida) {
            m_maida = std::make_unique<CPersoSecTazmo>();
            EXPECT_TRUE(m_maida->Carga("maida"));
            m_maida->CargaRecursos();
            g_pSistema2D->CarregaBitmapsEnUs();
        }
        return *m_maida;
    }
    void PasosPerso(int n)
    {
        for (int i = 0; i < n; ++i) {
            m_maida->Actualiza();
            AvanzaFrame();
        }
    }
    void TearDown() override
    {
        m_maida.reset();
        EntornoEscena::TearDown();
    }
    std::unique_ptr<CPersoSecTazmo> m_maida;
};

} // namespace

TEST_F(Elementos, RampsReachTheirTargets)
{
    CPersoSecTazmo& p = Maida();
    EXPECT_EQ(p.m_fAlfa, 0.0f);
    EXPECT_EQ(p.m_fX, -512.0f);

    struct Caso {
        const char* nombre;
        void (CPersoSecTazmo::*rampa)(float, int);
        float CPersoSecTazmo::*valor;
        float desde, hasta;
        int frames;
    };
    const std::vector<Caso> casos = {
        {"alpha to 0.5 over 5", &CPersoSecTazmo::FadeTo, &CPersoSecTazmo::m_fAlfa, 0.0f, 0.5f, 5},
        {"alpha to 0.5 at once", &CPersoSecTazmo::FadeTo, &CPersoSecTazmo::m_fAlfa, 0.0f, 0.5f, 0},
        {"alpha with no frames at all", &CPersoSecTazmo::FadeTo, &CPersoSecTazmo::m_fAlfa, 0.0f, 1.0f, -3},
        {"scale to 2 over 10", &CPersoSecTazmo::EscalaA, &CPersoSecTazmo::m_fEscala, 1.0f, 2.0f, 10},
        {"x to 300 over 7", &CPersoSecTazmo::VeAPosX, &CPersoSecTazmo::m_fX, -512.0f, 300.0f, 7},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        (p.*c.rampa)(c.desde, 0);
        (p.*c.rampa)(c.hasta, c.frames);
        for (int i = 0; i < std::max(c.frames - 1, 0); ++i) {
            PasosPerso(1);
            EXPECT_NE(p.*c.valor, c.hasta) << "frame " << i;
        }
        if (c.frames > 0) PasosPerso(1);
        EXPECT_EQ(p.*c.valor, c.hasta);
        PasosPerso(5);
        EXPECT_EQ(p.*c.valor, c.hasta); // and it stops there
    }
}

TEST_F(Elementos, MoodsCrossFadeAndEyesAndMouthMove)
{
    CPersoSecTazmo& p = Maida();
    PasosPerso(10);
    EXPECT_FLOAT_EQ(p.m_afPesos[HUMOR_NORMAL], 1.0f);
    p.CambiaHumor("triste");
    p.CambiaHumor("Melancolico"); // not a word: nothing changes
    PasosPerso(5);
    EXPECT_NEAR(p.m_afPesos[HUMOR_NORMAL], 0.5f, 1e-5f);
    EXPECT_NEAR(p.m_afPesos[HUMOR_TRISTE], 0.5f, 1e-5f);
    PasosPerso(5);
    EXPECT_NEAR(p.m_afPesos[HUMOR_NORMAL], 0.0f, 1e-5f);
    EXPECT_NEAR(p.m_afPesos[HUMOR_TRISTE], 1.0f, 1e-5f);

    // The words of each list, and one that is none.
    EXPECT_EQ(PalabraParpadeo("MasBienAbiertos"), PARPADEO_MAS_BIEN_ABIERTOS);
    EXPECT_EQ(PalabraBoca("grita"), BOCA_GRITA);
    EXPECT_EQ(PalabraOjo("PocoAbierto"), OJO_POCO_ABIERTO);
    EXPECT_EQ(PalabraHumor("Contento"), -1);

    // Closed for good: a switch to Normal keeps the eyes closed until the
    // long closed phase ends.
    p.CambiaParpadeo("Cerrados");
    for (int i = 0; i < 400 && p.m_iFaseParpadeo != 0; ++i) PasosPerso(1);
    ASSERT_EQ(p.m_iFaseParpadeo, 0);
    p.CambiaParpadeo("Normal");
    for (int i = 0; i < 300; ++i) {
        PasosPerso(1);
        ASSERT_EQ(p.m_fParpado, 0.0f);
    }
    // Phases of no frames move the lid by nothing and never divide by 0.
    p.CambiaParpadeo("Abiertos");
    p.m_iFramesParpadeo = 1;
    for (int i = 0; i < 20; ++i) {
        PasosPerso(1);
        ASSERT_TRUE(std::isfinite(p.m_fParpado));
        ASSERT_GE(p.m_fParpado, 0.0f);
        ASSERT_LE(p.m_fParpado, 1.0f);
    }

    // Talking moves the mouth within its range; silence closes it.
    p.Habla(true);
    float maximo = 0.0f;
    for (int i = 0; i < 60; ++i) {
        PasosPerso(1);
        maximo = std::max(maximo, p.m_fBoca);
        ASSERT_GE(p.m_fBoca, -0.2001f);
        ASSERT_LE(p.m_fBoca, 1.2001f);
    }
    EXPECT_GT(maximo, 0.5f);
    p.Habla(false);
    PasosPerso(7);
    EXPECT_EQ(p.m_fBoca, 0.0f);
}

TEST_F(Elementos, SilhouetteDrawsACharacterWithoutAlpha)
{
    CPersoSecTazmo& p = Maida();
    p.VeAPosX(512.0f, 0);
    PasosPerso(10);
    const auto rojosEnCara = [&] {
        g_pSistema2D->DibuixaQuadre(nullptr, 0, 0, 1024, 768, CSistema2D::FesColorARGB(0, 0, 0, 255), true);
        p.Dibuja();
        std::vector<uint8_t> px;
        EXPECT_TRUE(plat::ReadFrame(&px));
        int n = 0;
        for (int y = 60; y < 500; y += 4)
            for (int x = 400; x < 624; x += 4) {
                const size_t i = (size_t(y) * plat::kFieldWidth + size_t(x)) * 4;
                if (px[i] > 150 && px[i + 1] < 60 && px[i + 2] < 60) ++n;
            }
        return n;
    };
    EXPECT_EQ(rojosEnCara(), 0); // alpha 0, no silhouette: nothing
    p.SiluetaFadeTo(1.0f, 1.0f, 0.0f, 0.0f, 0);
    EXPECT_EQ(p.m_Silueta.a, 255); // no frames: at once
    EXPECT_GT(rojosEnCara(), 50);
    // A ramp over frames reaches its colour on its last frame.
    p.SiluetaFadeTo(0.0f, 0.0f, 0.0f, 1.0f, 4);
    PasosPerso(3);
    EXPECT_GT(p.m_Silueta.a, 0);
    PasosPerso(1);
    EXPECT_EQ(p.m_Silueta.a, 0);
    EXPECT_EQ(p.m_Silueta.b, 255);
    EXPECT_EQ(rojosEnCara(), 0);
}

TEST_F(Elementos, FaceTuningIsADevelopersSwitchOffByDefault)
{
    CPersoSecTazmo asesino;
    ASSERT_TRUE(asesino.Carga("Asesino"));
    ASSERT_EQ(asesino.m_iFila, CPersoSecTazmo::kFilaAjuste);
    const PuntoCara antes = asesino.m_aPartes[CARA_BOCA][HUMOR_NORMAL];
    EXPECT_FALSE(CPersoSecTazmo::AjusteCarasActivo());
    EXPECT_FALSE(asesino.CaracterAjuste('3'));
    EXPECT_FALSE(asesino.TeclaAjuste(200));

    CPersoSecTazmo::ActivaAjusteCaras(true);
    EXPECT_TRUE(asesino.CaracterAjuste('3'));
    EXPECT_FALSE(Maida().CaracterAjuste('3')); // only the tuned row takes it
    EXPECT_TRUE(asesino.TeclaAjuste(200));
    EXPECT_TRUE(asesino.TeclaAjuste(205));
    EXPECT_FALSE(asesino.TeclaAjuste(57));
    EXPECT_EQ(asesino.m_aPartes[CARA_BOCA][HUMOR_NORMAL].y, antes.y - 1.0f);
    EXPECT_EQ(asesino.m_aPartes[CARA_BOCA][HUMOR_NORMAL].x, antes.x + 1.0f);
    EXPECT_TRUE(asesino.CaracterAjuste('0'));
    EXPECT_FALSE(asesino.TeclaAjuste(200));
    CPersoSecTazmo::ActivaAjusteCaras(false);
}

TEST_F(Elementos, DeclaringUnlocksTheMarkersAtOnce)
{
    ASSERT_FALSE(Perfil().EstaDesbloqueado("MGaleria_5"));
    ASSERT_FALSE(Perfil().EstaDesbloqueado("MGaleria_26"));
    ASSERT_FALSE(Perfil().EstaDesbloqueado("MPerso_7"));
    ASSERT_TRUE(Carga("TAZMO_PREDECLARAFONDO = \"FondoJardin\"; TAZMO_PREDECLARAIMAGEN = \"IlusStokinnenMaidaJuegan\";"
                      "TAZMO_PREDECLARAPERSONAJE = \"Stokinnen\"; TAZMO_PREDECLARAFONDO = \"FondoDeNadie\"; FIN = 0;"));
    EXPECT_TRUE(Perfil().EstaDesbloqueado("MGaleria_5"));
    EXPECT_TRUE(Perfil().EstaDesbloqueado("MGaleria_26"));
    EXPECT_TRUE(Perfil().EstaDesbloqueado("MPerso_7"));
    EXPECT_EQ(m_escena->Fondos().size(), 1u);
    EXPECT_EQ(m_escena->Imagenes().size(), 1u);
    EXPECT_TRUE(m_escena->Imagenes()[0]->m_bZoom);

    // A picture fades, and an illustration is larger while faded out.
    CImagenSecTazmo& i = *m_escena->Imagenes()[0];
    i.FadeTo(1.0f, 4);
    Pasos(3);
    EXPECT_NEAR(i.m_fAlfa, 0.75f, 1e-5f);
    Pasos(1);
    EXPECT_EQ(i.m_fAlfa, 1.0f);
    EXPECT_EQ(i.m_pPaquete->m_fEscalaX, 1.0f);
    i.FadeTo(0.5f, 0);
    Pasos(1);
    EXPECT_NEAR(i.m_pPaquete->m_fEscalaX, 1.15f, 1e-5f);
}

// The tables name what the catalogue holds, and the faces cover every
// character of the scenes.
TEST(TablasEscena, AgreeWithTheCatalogueAndTheFaces)
{
    // Every character of the registry has its row, each in its own folder.
    std::set<std::string> nombres, registrados;
    for (int i = 0; i < NUM_PERSONAJES_ESCENA; ++i) {
        const FilaPersonajeEscena& f = FilaPersonaje(i);
        SCOPED_TRACE(f.nombre);
        EXPECT_EQ(BuscaFilaPersonaje(f.nombre), i);
        EXPECT_NE(BuscaCaraEscena(f.nombre), nullptr);
        const Personaje* p = BuscaPersonaje(f.nombre);
        ASSERT_NE(p, nullptr);
        registrados.insert(p->m_pszNombre);
        for (const char* paquete : f.paquetes) {
            nombres.insert(paquete);
            EXPECT_EQ(std::string(paquete).rfind(std::string("Data\\Personajes\\") + p->m_pszCarpeta + "\\", 0), 0u)
                << paquete;
        }
    }
    EXPECT_EQ(registrados.size(), RegistroPersonajes.size());
    EXPECT_EQ(NUM_CARAS_ESCENA, NUM_PERSONAJES_ESCENA);
    EXPECT_EQ(BuscaFilaPersonaje("Nadie"), PERSONAJE_ESCENA_NINGUNO);
    std::set<std::string> claves;
    for (int i = 0; i < NUM_IMAGENES_ESCENA; ++i) {
        EXPECT_EQ(BuscaFilaImagen(FilaImagen(i).clave), i);
        claves.insert(FilaImagen(i).clave);
        nombres.insert(FilaImagen(i).paquete);
    }
    EXPECT_EQ(claves.size(), size_t(NUM_IMAGENES_ESCENA));
    // Every package row of the scenes' classes is a table's package.
    for (const FilaCatalogo& f : juego::kCatalogo) {
        const std::string clase = f.clase;
        if (clase != "CPersoSecTazmo" && clase != "CImagenSecTazmo") continue;
        EXPECT_TRUE(nombres.count(f.nombre)) << f.id;
    }
}
