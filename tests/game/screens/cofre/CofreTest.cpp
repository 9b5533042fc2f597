// The treasure chest, its piece bags, the characters and the character
// viewer, played in the real game and through their decisions.
#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "game/Personajes.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/MenuPrincipal.h"
#include "game/screens/cofre/MenuBolsasDePiezas.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/cofre/MenuGaleria.h"
#include "game/screens/cofre/MenuPersonajes.h"
#include "game/screens/cofre/VisorPersonaje.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>

namespace {

// The real game with a profile of its own as the current one.
class JuegoConPerfil {
public:
    explicit JuegoConPerfil(const std::string& nombre) : m_juego(nombre)
    {
        m_perfiles.m_iPerfilActual = 0;
        m_perfiles.CargaRanura(0);
        RegistraPerfilesJuego(&m_perfiles);
    }
    ~JuegoConPerfil() { RegistraPerfilesJuego(nullptr); }
    RegistroPerfil& Perfil() { return m_perfiles.m_aPerfiles[0]; }
    void Desbloquea(std::initializer_list<const char*> nombres)
    {
        for (const char* n : nombres) Perfil().MarcaDesbloqueado(n);
    }
    // Changes to a screen and steps until it is the current one and open.
    bool Abre(CMenuObj* p)
    {
        g_pMenuMaestro->CambiaMenu(p);
        return Espera(p);
    }
    bool Espera(CMenuObj* p, int iPasos = 200)
    {
        for (int i = 0; i < iPasos; ++i) {
            if (g_pMenuMaestro->m_pMenuActual == p && g_pMenuMaestro->m_iEstadoTransicion == TRANSICION_NINGUNA &&
                !p->EnTransicion()) {
                m_juego.Pasos(20); // the icons' flights
                return true;
            }
            m_juego.Paso();
        }
        return false;
    }
    // Presses a widget of the current screen and waits for the screen p.
    bool PulsaYEspera(const std::string& nombre, CMenuObj* p)
    {
        if (!m_juego.Pulsa(nombre)) return false;
        return Espera(p);
    }

    kit::CJuegoPrueba m_juego;
    CPerfiles m_perfiles;
};

CMenuMaestro* M() { return g_pMenuMaestro; }

} // namespace

// ---------------------------------------------------------------------------
// Decisions

TEST(Cofre, BackGoesToTheOpenerOrElseTheMainMenu)
{
    CMenuObj opener, principal;
    EXPECT_EQ(CMenuCofreTesoro::DestinoVolver(&opener, &principal), &opener);
    EXPECT_EQ(CMenuCofreTesoro::DestinoVolver(nullptr, &principal), &principal);
    EXPECT_FALSE(CMenuCofreTesoro::SePuedeAbrir(nullptr));
    EXPECT_FALSE(CMenuCofreTesoro::SePuedeAbrir(&opener)); // not a menu screen
    CMenuGaleria sinCrear;
    EXPECT_FALSE(CMenuCofreTesoro::SePuedeAbrir(&sinCrear));
}

// Every table of the characters' screens agrees with the registry: the
// list's rows (caption, marker, portrait slot, viewer), and the viewer's
// voices, stories and folders.
TEST(Cofre, TheCharacterTablesAgreeWithTheRegistry)
{
    struct Fila {
        const char* caption;
        int marcador, retrato, visor;
    };
    const Fila kLista[CMenuPersonajes::kNumPersonajes] = {
        {"MAID", 0, 0, 5}, {"ADEL", 1, 3, 2}, {"FRAN", 2, 5, 4}, {"ALDU", 3, 1, 6}, {"ASES", 4, 7, 3},  {"ALFT", 5, 4, 1},
        {"IRIN", 6, 2, 7}, {"STOC", 7, 6, 0}, {"TERE", 8, 8, 8}, {"SOLD", 9, 9, 10}, {"TERV", 10, 10, 9},
    };
    for (int i = 0; i < CMenuPersonajes::kNumPersonajes; ++i) {
        const Personaje* p = CMenuPersonajes::PersonajeDeFila(i);
        ASSERT_NE(p, nullptr) << i;
        EXPECT_EQ(p->m_iCodigoNombre, CodigoFLI(kLista[i].caption)) << i;
        EXPECT_EQ(p->m_iMarcador, kLista[i].marcador) << i;
        EXPECT_EQ(p->m_iClaveNivel, kLista[i].retrato) << i;
        EXPECT_EQ(p->m_iVisor, kLista[i].visor) << i;
    }
    struct FilaVisor {
        const char* voz;
        const char* historia;
        const char* carpeta;
        int imagenes;
        bool figura;
    };
    const FilaVisor kVisor[CVisorPersonaje::kNumPersonajes] = {
        {"STOKINNEN", "HIS0", "Stokinnen", 3, true}, {"ALFATIMA", "HIS1", "Alfatima", 3, true},
        {"ADELETIA", "HIS2", "Adeletia", 3, true},   {"ASESINO", "HIS3", "Asesino", 3, true},
        {"FRANZ", "HIS4", "Franz", 3, true},         {"MAIDA", "HIS5", "Maida", 3, true},
        {"ALDUNIA", "HIS6", "Aldunia", 3, true},     {"IRINA", "HIS7", "Irina", 3, true},
        {"TERESIA", "HIS8", "Teresia", 3, true},     {"TERESIAVIVA", "HIS9", "TeresiaSalvada", 1, false},
        {"SOLDADO", "HISA", "Soldado", 1, false},
    };
    for (int v = 0; v < CVisorPersonaje::kNumPersonajes; ++v) {
        const Personaje* p = CVisorPersonaje::PersonajeDeVisor(v);
        ASSERT_NE(p, nullptr) << v;
        EXPECT_STREQ(p->m_pszPrefijoVoz, kVisor[v].voz) << v;
        EXPECT_EQ(p->m_iCodigoHistoria, CodigoFLI(kVisor[v].historia)) << v;
        EXPECT_STREQ(p->m_pszCarpeta, kVisor[v].carpeta) << v;
        EXPECT_EQ(CVisorPersonaje::NumImagenes(p), kVisor[v].imagenes) << v;
        EXPECT_EQ(p->m_pszFigura != nullptr, kVisor[v].figura) << v;
        // Its pictures are its own folder's: normal, happy, sad.
        const char* const kHumores[3] = {"\\Normal.SPM", "\\Alegre.SPM", "\\Triste.SPM"};
        for (int k = 0; k < kVisor[v].imagenes; ++k) {
            const std::string esperado = std::string("Data\\Personajes\\") + kVisor[v].carpeta + kHumores[k];
            EXPECT_EQ(CVisorPersonaje::PaqueteImagen(p, k), esperado) << v << " " << k;
        }
        if (p->m_pszFigura) {
            EXPECT_EQ(std::string(p->m_pszFigura), std::string("Data\\Personajes\\") + kVisor[v].carpeta + "\\Completo.SPM");
        }
    }
    EXPECT_EQ(CVisorPersonaje::PersonajeDeVisor(-1), nullptr);
    EXPECT_EQ(CVisorPersonaje::PersonajeDeVisor(11), nullptr);
    EXPECT_EQ(CVisorPersonaje::NombreVoz("MAIDA", 0), "MAIDA_SALUDO");
    EXPECT_EQ(CVisorPersonaje::NombreVoz("MAIDA", 6), "MAIDA_EUFORIA");
}

TEST(Cofre, ViewerPicturesTurnRoundAndCrossfade)
{
    struct Caso {
        int actual, n, anterior, siguiente;
    };
    const Caso casos[] = {{0, 3, 2, 1}, {2, 3, 1, 0}, {1, 3, 0, 2}, {0, 1, 0, 0}, {0, 0, 0, 0}};
    for (const Caso& c : casos) {
        EXPECT_EQ(CVisorPersonaje::ImagenAnterior(c.actual, c.n), c.anterior) << c.actual << "/" << c.n;
        EXPECT_EQ(CVisorPersonaje::ImagenSiguiente(c.actual, c.n), c.siguiente) << c.actual << "/" << c.n;
    }
    EXPECT_FLOAT_EQ(CVisorPersonaje::PasoFundido(0.95f, true), 1.0f);
    EXPECT_FLOAT_EQ(CVisorPersonaje::PasoFundido(0.05f, false), 0.0f);
    EXPECT_NEAR(CVisorPersonaje::PasoFundido(0.5f, true), 0.6f, 1e-6);
}

TEST(Cofre, BagsSitOnAnEllipseRoundTheMiddle)
{
    std::set<std::string> sets;
    for (int i = 0; i < CMenuBolsasDePiezas::kNumBolsas; ++i) {
        float x = 0, y = 0;
        CMenuBolsasDePiezas::PosicionBolsa(i, &x, &y);
        const float dx = (x - 512.0f) / 375.0f, dy = (y - 420.0f) / (0.55f * 375.0f);
        EXPECT_NEAR(dx * dx + dy * dy, 1.0f, 1e-4) << i;
        ASSERT_NE(CMenuBolsasDePiezas::SetDeBolsa(i), nullptr);
        sets.insert(CMenuBolsasDePiezas::SetDeBolsa(i));
    }
    EXPECT_EQ(sets.size(), 7u);
    EXPECT_EQ(CMenuBolsasDePiezas::SetDeBolsa(7), nullptr);
}

// ---------------------------------------------------------------------------
// Played

TEST(Cofre, BackReturnsToTheOpenerAfterTwoVisitsToTheCharacters)
{
    JuegoConPerfil j("cofre_vuelta");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    j.Desbloquea({"MCofre_Personajes", "MPerso_0"});
    CMenuCofreTesoro* pCofre = M()->m_pMenuCofreTesoro;
    ASSERT_TRUE(pCofre->EstaCreado());
    // Five icons and back; the bags and the music are built, not shown.
    EXPECT_EQ(pCofre->m_apIconos[CMenuCofreTesoro::ID_BOLSAS]->Padre(), nullptr);
    EXPECT_EQ(pCofre->m_apIconos[CMenuCofreTesoro::ID_MUSICA]->Padre(), nullptr);
    pCofre->m_pMenuRetorno = M()->m_pMenuModoHistoria;
    ASSERT_TRUE(j.Abre(pCofre));
    for (int vuelta = 0; vuelta < 2; ++vuelta) {
        ASSERT_TRUE(j.PulsaYEspera("MCofre_Personajes", M()->m_pMenuPersonajes)) << vuelta << j.m_juego.Widgets();
        ASSERT_TRUE(j.PulsaYEspera("MenuPersonajes_BUT_Volver", pCofre)) << vuelta;
    }
    ASSERT_TRUE(j.PulsaYEspera("MENUCOFRETESORO_BUT_Volver", M()->m_pMenuModoHistoria));

    // Without an opener, back leads to the main menu.
    pCofre->m_pMenuRetorno = nullptr;
    ASSERT_TRUE(j.Abre(pCofre));
    ASSERT_TRUE(j.PulsaYEspera("MENUCOFRETESORO_BUT_Volver", M()->m_pMenuPrincipal));
}

TEST(Cofre, LockedIconsAndSubScreensThatFailedStayShut)
{
    JuegoConPerfil j("cofre_cerrado");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    CMenuCofreTesoro* pCofre = M()->m_pMenuCofreTesoro;
    // The gallery as a failed build leaves it (the manager goes on without it).
    M()->m_pMenuGaleria->LiberaSiIniciado();
    M()->m_pMenuGaleria->Libera();
    ASSERT_FALSE(M()->m_pMenuGaleria->EstaCreado());
    ASSERT_TRUE(j.Abre(pCofre));
    // A fresh profile: every room of the chest is locked and does nothing.
    for (int i : {0, 1, 2, 4, 5}) EXPECT_TRUE(pCofre->m_apIconos[i]->Bloqueado()) << i;
    ASSERT_TRUE(j.m_juego.Pulsa("MCofre_Personajes"));
    j.m_juego.Pasos(40);
    EXPECT_EQ(M()->m_pMenuActual, pCofre);
    // Unlocked, the gallery whose building failed is still not opened.
    j.Desbloquea({"MCofre_Galeria"});
    ASSERT_TRUE(j.Abre(pCofre));
    EXPECT_FALSE(pCofre->m_apIconos[CMenuCofreTesoro::ID_GALERIA]->Bloqueado());
    ASSERT_TRUE(j.m_juego.Pulsa("MCofre_Galeria"));
    j.m_juego.Pasos(40);
    EXPECT_EQ(M()->m_pMenuActual, pCofre);
    EXPECT_EQ(M()->m_iEstadoTransicion, TRANSICION_NINGUNA);
}

TEST(Cofre, CharactersOpenTheViewerWhichKeepsItsPicturesAndStory)
{
    JuegoConPerfil j("cofre_visor");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    j.Desbloquea({"MPerso_0"});
    CMenuPersonajes* pLista = M()->m_pMenuPersonajes;
    CVisorPersonaje* pVisor = M()->m_pVisorPersonaje;
    ASSERT_TRUE(j.Abre(pLista));
    // A locked character's button does nothing.
    EXPECT_TRUE(pLista->m_apBotones[1]->Bloqueado());
    ASSERT_TRUE(j.m_juego.Pulsa("MPerso_1"));
    j.m_juego.Pasos(40);
    EXPECT_EQ(M()->m_pMenuActual, pLista);

    // Maida: three pictures turning round both ways, crossfading.
    ASSERT_TRUE(j.PulsaYEspera("MPerso_0", pVisor));
    EXPECT_EQ(pVisor->NumeroPersonaje(), 5);
    EXPECT_EQ(pVisor->NumImagenesCargadas(), 3);
    EXPECT_NE(pVisor->m_pFigura, nullptr);
    ASSERT_TRUE(j.m_juego.Pulsa("VISOR_PERSONAJE_BUT_Izquierda"));
    j.m_juego.Pasos(35); // the icon's press, then its event
    EXPECT_EQ(pVisor->ImagenActual(), 2);
    j.m_juego.Pasos(12);
    EXPECT_FLOAT_EQ(pVisor->Fundido(2), 1.0f);
    EXPECT_FLOAT_EQ(pVisor->Fundido(0), 0.0f);
    ASSERT_TRUE(j.m_juego.Pulsa("VISOR_PERSONAJE_BUT_Derecha"));
    j.m_juego.Pasos(35); // the icon's press, then its event
    EXPECT_EQ(pVisor->ImagenActual(), 0);
    // Its seven voices are the registry's prefix and the seven moods.
    for (int i = 0; i < CVisorPersonaje::kNumVoces; ++i) EXPECT_GE(pVisor->RanuraVoz(i), 0) << i;
    ASSERT_TRUE(j.m_juego.Pulsa("VISOR_PERSONAJE_BUT_LanzarVoz"));
    j.m_juego.Pasos(35);
    // The story opens over the viewer and closes with its button.
    ASSERT_TRUE(j.m_juego.Pulsa("VISOR_PERSONAJE_BUT_HistoriaPersonaje"));
    j.m_juego.Pasos(50);
    EXPECT_TRUE(pVisor->CajaAbierta());
    j.m_juego.Tecla(TECLA_ESCAPE);
    j.m_juego.Pasos(60);
    EXPECT_FALSE(pVisor->CajaAbierta());
    EXPECT_EQ(M()->m_pMenuActual, pVisor);
    ASSERT_TRUE(j.PulsaYEspera("VISOR_PERSONAJE_BUT_Volver", pLista));
}

// The soldier and Teresia saved: one picture that left and right keep.
TEST(Cofre, CharactersWithOnePictureKeepItBothWays)
{
    JuegoConPerfil j("cofre_visor_uno");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    j.Desbloquea({"MPerso_9", "MPerso_10"});
    CMenuPersonajes* pLista = M()->m_pMenuPersonajes;
    CVisorPersonaje* pVisor = M()->m_pVisorPersonaje;
    ASSERT_TRUE(j.Abre(pLista));
    for (const char* szBoton : {"MPerso_9", "MPerso_10"}) {
        ASSERT_TRUE(j.PulsaYEspera(szBoton, pVisor)) << szBoton;
        EXPECT_EQ(pVisor->NumImagenesCargadas(), 1) << szBoton;
        EXPECT_EQ(pVisor->m_pFigura, nullptr) << szBoton;
        for (const char* szFlecha : {"VISOR_PERSONAJE_BUT_Izquierda", "VISOR_PERSONAJE_BUT_Derecha"}) {
            ASSERT_TRUE(j.m_juego.Pulsa(szFlecha));
            j.m_juego.Pasos(45);
            EXPECT_EQ(pVisor->ImagenActual(), 0) << szBoton;
            EXPECT_FLOAT_EQ(pVisor->Fundido(0), 1.0f) << szBoton;
        }
        ASSERT_TRUE(j.PulsaYEspera("VISOR_PERSONAJE_BUT_Volver", pLista));
    }
}

// A character outside the viewer's eleven builds nothing, and the list does
// not open a viewer that could not be built.
TEST(Cofre, AViewerOfNoCharacterIsNotBuiltNorOpened)
{
    JuegoConPerfil j("cofre_visor_fuera");
    ASSERT_TRUE(j.m_juego.Iniciado());
    j.m_juego.Pasos(2);
    CVisorPersonaje* pVisor = M()->m_pVisorPersonaje;
    for (int v : {-1, 11, 99}) {
        EXPECT_FALSE(pVisor->Crea(v)) << v;
        EXPECT_FALSE(pVisor->EstaCreado()) << v;
    }
    EXPECT_FALSE(CMenuPersonajes::AbreVisor(nullptr));
    j.m_juego.Pasos(5);
    EXPECT_NE(M()->m_pMenuActual, pVisor);
    EXPECT_TRUE(pVisor->Crea(0));
    EXPECT_TRUE(pVisor->Crea(10)); // built again over the first
    EXPECT_EQ(pVisor->NumeroPersonaje(), 10);
}
