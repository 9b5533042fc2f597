// The built level content: the 276 level files read by the real reader from
// the archive, the figures and pictures they name, the wave files, the
// difficulty curve, and the player model winning what it must win.
#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Lista.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/core/Temporizador.h"
#include "game/CatalogoJuego.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/Figuras.h"
#include "game/play/GestorTutoriales.h"
#include "game/play/Solucionador.h"
#include "game/play/TablaNiveles.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <cstring>
#include <strings.h>
#include <vector>

namespace {

std::vector<CBolaTablero*> Piezas(CLista& l)
{
    std::vector<CBolaTablero*> v;
    if (!l.EstaVacia())
        for (l.VaAlPrincipio(); !l.EsFinal(); l.Avanza()) v.push_back(static_cast<CBolaTablero*>(l.Actual()));
    return v;
}

struct Figura {
    CLista lista;
    TransformacionFigura transformacion;
    bool cargada = false;
    Figura() { lista.Inicia(); }
    ~Figura() { BorraPiezas(lista); }
    // Field positions under the figure's own transform.
    std::vector<Punt2D> Posiciones()
    {
        std::vector<Punt2D> r;
        for (CBolaTablero* p : Piezas(lista))
            r.push_back({p->X() * transformacion.m_fEscala + 512.0f + transformacion.m_fDespX,
                         p->Y() * transformacion.m_fEscala + 384.0f + transformacion.m_fDespY});
        return r;
    }
};

class DatosNiveles : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        servicios = new mgtest::ServeisFitxers();
        ASSERT_TRUE(servicios->AmbArxiu());
        tabla = new CTablaNiveles;
        ASSERT_TRUE(tabla->CargaNiveles(*g_pGestorComandes));
    }
    static void TearDownTestSuite()
    {
        delete tabla;
        tabla = nullptr;
        delete servicios;
        servicios = nullptr;
    }
    static const RegistroNivel& Nivel(int d, int g, int p) { return tabla->Entrada(d, g, p)->m_Registro; }
    static bool Existe(const std::string& ruta)
    {
        EntradaFitxer* f = g_pSistemaFitxers->Obre(ruta.c_str(), FITXER_LECTURA | FITXER_BINARI);
        if (f) g_pSistemaFitxers->Tanca(f);
        return f != nullptr;
    }
    static std::unique_ptr<Figura> Carga(const std::string& nombre, const RegistroNivel& nivel = RegistroNivel{})
    {
        auto f = std::make_unique<Figura>();
        f->cargada = CargaTapiz(f->lista, nombre.c_str(), nivel);
        f->transformacion = g_TransformacionCarga;
        return f;
    }
    static std::unique_ptr<Figura> Tapiz(int numero, const RegistroNivel& nivel)
    {
        auto f = std::make_unique<Figura>();
        f->cargada = CreaFiguraTrazado(f->lista, numero, nivel);
        f->transformacion = g_TransformacionCarga;
        return f;
    }
    // Every figure file the game names.
    static std::set<std::string> FigurasNombradas()
    {
        std::set<std::string> r;
        for (const char* n : NombresFigurasTrazado) r.insert(std::string("Trazar\\") + n);
        for (const FilaFiguraGaleria& g : TablaFigurasGaleria) r.insert(std::string("Figura\\") + g.m_pszFigura);
        // The tutorials' figures, as the content catalogue names them.
        for (const FilaCatalogo& f : juego::kCatalogo)
            if (std::string(f.id).rfind("fichero::TUTOS_", 0) == 0) r.insert(std::string(f.nombre).substr(strlen(CARPETA_TAPICES)));
        for (const FilaCatalogoNiveles& f : CatalogoNiveles()) {
            const RegistroNivel& n = Nivel(f.m_iDificultad, f.m_iGrupo, f.m_iParte);
            if (!n.FIGURA.empty()) r.insert(n.FIGURA);
            for (int i = 0; i < n.m_iNumFigurasSoloSellos; ++i) r.insert(n.FIGURA_SOLO_SELLOS[static_cast<size_t>(i)]);
            for (int i = 0; i < n.m_iNumMultiFigurasSoloSellos; ++i) r.insert(n.MULTIFIGURA_SOLO_SELLOS[static_cast<size_t>(i)]);
            for (const auto* pool : {&n.FIGURASSOLOCONCENTRARINICIO, &n.FIGURASSOLOCONCENTRARMITAD, &n.FIGURASSOLOCONCENTRARFINAL})
                for (const std::string& s : *pool) r.insert(s);
        }
        r.erase("");
        return r;
    }
    static bool EsHistoria(int g, int p) { return g < NUM_CAPITULOS_HISTORIA && p > 0; }

    static mgtest::ServeisFitxers* servicios;
    static CTablaNiveles* tabla;
};
mgtest::ServeisFitxers* DatosNiveles::servicios = nullptr;
CTablaNiveles* DatosNiveles::tabla = nullptr;

TEST_F(DatosNiveles, EveryNamedFigurePictureAndWaveFileExists)
{
    for (const std::string& f : FigurasNombradas()) EXPECT_TRUE(Existe(CARPETA_TAPICES + f)) << f;
    std::set<std::string> imagenes;
    for (const FilaCatalogoNiveles& f : CatalogoNiveles()) {
        const RegistroNivel& n = Nivel(f.m_iDificultad, f.m_iGrupo, f.m_iParte);
        for (const std::string& s : n.IMAGENFINAL) imagenes.insert(s);
        for (const std::string& s : n.IMAGENFINAL_SOLO_SELLOS) imagenes.insert(s);
        for (const auto& fila : n.MULTIIMAGENFINAL_SOLO_SELLOS)
            for (const std::string& s : fila) imagenes.insert(s);
        if (!n.ATAQUES_SOLOATAQUES.empty()) {
            EXPECT_TRUE(Existe(n.ATAQUES_SOLOATAQUES)) << n.ATAQUES_SOLOATAQUES;
        }
    }
    // Every seal picture the catalogue names (the tutorials', the gallery's
    // and the random seals pool's too).
    for (const FilaCatalogo& f : juego::kCatalogo)
        if (std::string(f.id).rfind("paquete::SELLO_", 0) == 0) imagenes.insert(f.nombre);
    imagenes.erase("");
    EXPECT_GE(imagenes.size(), 58u);
    for (const std::string& s : imagenes) EXPECT_TRUE(Existe(s)) << s;
    EXPECT_TRUE(Existe(juego::paquete::DIAMANTES));
}

TEST_F(DatosNiveles, FiguresAreSoundBoards)
{
    RegistroNivel nivel;
    for (const std::string& nombre : FigurasNombradas()) {
        SCOPED_TRACE(nombre);
        auto f = Carga(nombre);
        ASSERT_TRUE(f->cargada);
        const auto piezas = Piezas(f->lista);
        ASSERT_FALSE(piezas.empty());
        // BOLA records first: orders 0..n-1.
        for (size_t i = 0; i < piezas.size(); ++i) ASSERT_EQ(piezas[i]->Orden(), static_cast<int>(i));
        const std::vector<Punt2D> p = f->Posiciones();
        for (size_t i = 0; i < p.size(); ++i) {
            EXPECT_TRUE(p[i].x >= 160 && p[i].x <= 864 && p[i].y >= 90 && p[i].y <= 700) << i << " " << p[i].x << "," << p[i].y;
            for (size_t j = 0; j < i; ++j) EXPECT_GE(std::hypot(p[i].x - p[j].x, p[i].y - p[j].y), 36.0f) << j << "," << i;
        }
        // A board's name ends with its piece count.
        if (nombre.rfind("Trazar\\", 0) == 0) {
            EXPECT_EQ(std::to_string(piezas.size()), nombre.substr(nombre.size() - 6, 2));
        }
        // A multi seal runs its colours 0, 1, ... one after another; others are one colour.
        int color = 0;
        for (CBolaTablero* b : piezas) {
            ASSERT_TRUE(b->Color() == color || b->Color() == color + 1) << b->Orden();
            color = b->Color();
        }
        EXPECT_LE(color, nombre.find("Multi") != std::string::npos ? 4 : 0);
        if (nombre.find("Multi") != std::string::npos) {
            EXPECT_GE(color, 2);
        }
    }
    // The built-in rings the later stages play on.
    for (int n = 33; n <= 37; ++n) {
        auto f = Tapiz(n, nivel);
        for (const Punt2D& q : f->Posiciones()) EXPECT_TRUE(q.x >= 160 && q.x <= 864 && q.y >= 90 && q.y <= 700);
    }
}

// The 47 built-in figures over the built data: the boards of 0..32 hold the
// count their names end with and keep the plain transform; 33..46 as built.
TEST_F(DatosNiveles, BuiltInFigures)
{
    RegistroNivel nivel;
    nivel.NUMCOLORES = 5;
    for (int n = 0; n < NUM_FIGURAS_TRAZADO; ++n) {
        SCOPED_TRACE(n);
        auto f = Tapiz(n, nivel);
        ASSERT_TRUE(f->cargada);
        const auto piezas = Piezas(f->lista);
        if (n < NUM_TAPICES_TRAZAR) {
            const std::string nombre = NombresFigurasTrazado[n];
            EXPECT_EQ(std::to_string(piezas.size()), nombre.substr(6, 2));
            EXPECT_EQ(f->transformacion, TransformacionFigura{});
        } else {
            EXPECT_EQ(f->transformacion.m_fEscala, 1.0f);
        }
        for (CBolaTablero* b : piezas) {
            EXPECT_GE(b->Color(), 0);
            EXPECT_LT(b->Color(), n < NUM_TAPICES_TRAZAR ? 1 : 5);
        }
    }
}

// A tutorial's figure is played under its instruction line: no piece sits so
// low that the line's text covers it (half a diamond and half a line of text
// above the line's centre).
TEST_F(DatosNiveles, TutorialFiguresKeepClearOfTheInstruction)
{
    constexpr float kHolgura = 24.0f;
    int n = 0;
    for (const FilaCatalogo& f : juego::kCatalogo) {
        if (std::string(f.id).rfind("fichero::TUTOS_", 0) != 0) continue;
        SCOPED_TRACE(f.nombre);
        auto fig = Carga(std::string(f.nombre).substr(strlen(CARPETA_TAPICES)));
        ASSERT_TRUE(fig->cargada);
        for (const Punt2D& q : fig->Posiciones()) EXPECT_LE(q.y, CGestorTutoriales::kAbajoY - kHolgura) << q.x;
        ++n;
    }
    EXPECT_GE(n, 10);
}

// The tutorial's lessons on laying lines: four, five and six diamonds whose
// listed order is the best line, scoring 1, 3 and 6 however the hand lands.
TEST_F(DatosNiveles, OptimisingFiguresListTheirBestLine)
{
    const struct {
        const char* figura;
        size_t piezas;
        int cruces;
    } casos[] = {{juego::fichero::TUTOS_OPTIMIZAR3LINEAS, 4, 1},
                 {juego::fichero::TUTOS_OPTIMIZAR4LINEAS, 5, 3},
                 {juego::fichero::TUTOS_OPTIMIZAR5LINEAS, 6, 6}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.figura);
        auto f = Carga(std::string(c.figura).substr(strlen(CARPETA_TAPICES)));
        const std::vector<Punt2D> camino = f->Posiciones();
        ASSERT_EQ(camino.size(), c.piezas);
        EXPECT_EQ(CrucesCamino(camino, HOLGURA_TOQUE), c.cruces);
        std::vector<int> todas(camino.size());
        for (size_t i = 0; i < todas.size(); ++i) todas[i] = static_cast<int>(i);
        EXPECT_EQ(MejorLinea(camino, todas, 6).m_iCruces, c.cruces);
    }
}

TEST_F(DatosNiveles, WaveFilesHoldFiftyGrowingWaves)
{
    for (int d = 0; d < 4; ++d) {
        SCOPED_TRACE(d);
        const RegistroNivel& jugar = Nivel(d, GRUPO_SOLO_ATAQUES, 0);
        const RegistroNivel& sinFin = Nivel(d, GRUPO_SOLO_ATAQUES, 1);
        EXPECT_EQ(jugar.MODOJUEGO, MODO_SOLO_ATAQUES);
        EXPECT_EQ(jugar.PUNTUACIONOBJETIVO, PUNTUACION_SIN_OBJETIVO);
        EXPECT_EQ(jugar.MAXNIVEL_SOLOATAQUES, 50);
        EXPECT_EQ(sinFin.MAXNIVEL_SOLOATAQUES, -1);
        EXPECT_EQ(jugar.ATAQUES_SOLOATAQUES, sinFin.ATAQUES_SOLOATAQUES);
        const int duracion = jugar.TIEMPOFINALENTREOLEADAS_SOLOATAQUES;
        EXPECT_GE(duracion, 16);
        EXPECT_GE(jugar.TIEMPOINICIALENTREOLEADAS_SOLOATAQUES, 16);
        EXPECT_NE(jugar.TAPIZ, TAPIZ_NINGUNO);

        FitxerComandes* f = g_pGestorComandes->ObreLectura(jugar.ATAQUES_SOLOATAQUES.c_str());
        ASSERT_NE(f, nullptr);
        std::vector<int> cuantos(50, 0);
        std::set<int> tipos;
        int oleada = 0;
        do {
            const char* n = g_pGestorComandes->NomComanda(f);
            if (n && strcasecmp(n, "OLEADA") == 0) {
                oleada = g_pGestorComandes->LlegeixEnter(f);
                ASSERT_TRUE(oleada >= 0 && oleada < 50);
            } else if (n && strcasecmp(n, "ATAQUE") == 0) {
                const int tipo = g_pGestorComandes->LlegeixEnter(f);
                const int desfase = g_pGestorComandes->LlegeixEnter(f);
                EXPECT_TRUE(tipo >= 1 && tipo <= 11);
                EXPECT_TRUE(desfase >= 0 && desfase < duracion);
                tipos.insert(tipo);
                ++cuantos[static_cast<size_t>(oleada)];
            }
        } while (g_pGestorComandes->LlegeixComanda(f));
        g_pGestorComandes->Tanca(f);
        EXPECT_EQ(tipos.size(), 11u);
        EXPECT_GT(cuantos[0], 0);
        EXPECT_GT(cuantos[49], 2 * cuantos[0]);
        for (size_t w = 1; w < 50; ++w) EXPECT_GE(cuantos[w], cuantos[w - 1] - 1) << w;
    }
}

TEST_F(DatosNiveles, TheCurveHoldsWithinAndBetweenDifficulties)
{
    std::set<int> maldiciones;
    std::array<bool, NUM_TIPOS_BONUS> bonus{};
    for (int d = 0; d < 4; ++d) {
        int colores = 0, piezas = 0, objetivo = 0;
        for (int g = 0; g < NUM_CAPITULOS_HISTORIA; ++g)
            for (int p = 0; p < PartesPorGrupo[static_cast<size_t>(g)]; ++p) {
                SCOPED_TRACE(testing::Message() << "difficulty " << d << " stage (" << g << ", " << p << ")");
                const RegistroNivel& n = Nivel(d, g, p);
                for (int i = 0; i < NUM_ATAQUES_NIVEL; ++i) {
                    const int k = n.ATAQUEENEMIGO.m_aiTipo[static_cast<size_t>(i)];
                    if (k == 0) continue;
                    maldiciones.insert(k);
                    EXPECT_GE(g, 4) << "curses come from chapter 4";
                    EXPECT_GT(n.ATAQUEENEMIGO.m_aiEspera[static_cast<size_t>(i)], 0);
                    EXPECT_GT(n.ATAQUEENEMIGO.m_aiIntervalo[static_cast<size_t>(i)], 0);
                    EXPECT_EQ(n.ATAQUEINCREMENTAL, g >= 8) << "attacks quicken from chapter 8";
                }
                for (const PorcentajesBonus& b : n.PORCENTAJEBONUSES)
                    if (b.m_bValido)
                        for (size_t k = 0; k < bonus.size(); ++k) bonus[k] = bonus[k] || b.m_afPorcentajes[k] > 0.0f;
                if (!EsHistoria(g, p)) continue;
                if (g == 11) {
                    EXPECT_TRUE(n.RUSHDESELLOS);
                    EXPECT_GT(n.TIEMPOLIMITE, 0);
                    continue;
                }
                // Colours and boards only grow; so do targets.
                EXPECT_GE(n.NUMCOLORES, colores);
                EXPECT_LE(n.NUMCOLORES, 7);
                colores = n.NUMCOLORES;
                RegistroNivel sinColor;
                const int tamano = static_cast<int>(Tapiz(n.TAPIZ, sinColor)->Posiciones().size());
                EXPECT_GE(tamano, piezas);
                piezas = tamano;
                EXPECT_GE(n.PUNTUACIONOBJETIVO, objetivo);
                objetivo = n.PUNTUACIONOBJETIVO;
                EXPECT_GT(n.TIEMPOLIMITE, 0);
                EXPECT_GT(n.PAR, 0);
                // Fading shards on the two hardest difficulties only.
                if (!n.FIGURA.empty()) {
                    EXPECT_EQ(n.TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS > 0, d >= 2);
                }
                if (d > 0) {
                    const RegistroNivel& facil = Nivel(d - 1, g, p);
                    EXPECT_GE(n.NUMCOLORES, facil.NUMCOLORES);
                    EXPECT_GT(n.PUNTUACIONOBJETIVO, facil.PUNTUACIONOBJETIVO);
                    EXPECT_LT(static_cast<double>(n.TIEMPOLIMITE) / n.PUNTUACIONOBJETIVO,
                              static_cast<double>(facil.TIEMPOLIMITE) / facil.PUNTUACIONOBJETIVO);
                }
            }
        EXPECT_EQ(Nivel(d, 0, 1).NUMCOLORES, 2 + (d == 0 ? 0 : d == 3 ? 2 : 1));
        EXPECT_EQ(Nivel(d, 0, 1).TAPIZ, 0);
        EXPECT_EQ(Nivel(d, 9, 4).TAPIZ, 33);
        EXPECT_EQ(Nivel(d, 10, 4).TAPIZ, 37);
    }
    EXPECT_EQ(maldiciones.size(), 11u);
    for (size_t k = 0; k < bonus.size(); ++k) EXPECT_TRUE(bonus[k]) << "bonus kind " << k;
}

TEST_F(DatosNiveles, TutorialStagesFollowTheirRules)
{
    for (int d = 0; d < 4; ++d)
        for (int g = 0; g < NUM_CAPITULOS_HISTORIA; ++g) {
            SCOPED_TRACE(testing::Message() << "difficulty " << d << " chapter " << g);
            const RegistroNivel& n = Nivel(d, g, 0);
            EXPECT_EQ(n.m_iTutorial, g);
            EXPECT_EQ(n.PUNTUACIONOBJETIVO, PUNTUACION_SIN_OBJETIVO);
            EXPECT_EQ(n.TIEMPOLIMITE, -1);
            const AtaquesNivel& a = n.ATAQUEENEMIGO;
            const bool ataques = g == 4 || g == 8 || g == 10;
            EXPECT_EQ(a.m_aiTipo[0] != 0, ataques);
            EXPECT_EQ(a.m_aiTipo[1], 0);
            EXPECT_EQ(n.ATAQUEINCREMENTAL, g == 8 || g == 10);
            if (g == 4) {
                EXPECT_GT(a.m_aiEspera[0], 0);
                EXPECT_GT(a.m_aiDuracion[0] / a.m_aiIntervalo[0], 24);
            }
            if (g == 8 || g == 10) {
                // Tears fall at x 150..874: a pointer parked left of them is never touched.
                EXPECT_EQ(a.m_aiTipo[0], 5);
                EXPECT_LE(3 * (a.m_aiEspera[0] + a.m_aiDuracion[0]), 30 * 60);
            }
            bool hayBonus = false;
            for (const PorcentajesBonus& b : n.PORCENTAJEBONUSES) hayBonus = hayBonus || b.m_bValido;
            if (g == 0 || g == 2 || g == 3) {
                EXPECT_FALSE(hayBonus);
            }
            EXPECT_EQ(n.RUSHDESELLOS, g == 11);
        }
}

TEST_F(DatosNiveles, ExtraModeLevels)
{
    for (int d = 0; d < 4; ++d) {
        SCOPED_TRACE(d);
        int anterior = 0;
        for (int p = 0; p <= 8; ++p) {
            const RegistroNivel& n = Nivel(d, GRUPO_SOLO_SELLOS, p);
            EXPECT_EQ(n.MODOJUEGO, MODO_SOLO_SELLOS);
            EXPECT_GT(n.m_iNumFigurasSoloSellos, anterior);
            EXPECT_EQ(n.m_iNumImagenesSoloSellos, n.m_iNumFigurasSoloSellos);
            EXPECT_EQ(n.MAXNIVEL_SOLOATAQUES, n.m_iNumFigurasSoloSellos);
            anterior = n.m_iNumFigurasSoloSellos;
        }
        const RegistroNivel& multi = Nivel(d, GRUPO_SOLO_SELLOS, 9);
        EXPECT_EQ(multi.m_iNumMultiFigurasSoloSellos, 4);
        EXPECT_EQ(multi.m_iNumMultiImagenesSoloSellos, 4);
        EXPECT_EQ(multi.MAXNIVEL_SOLOATAQUES, 4);
        EXPECT_EQ(Nivel(d, GRUPO_SOLO_SELLOS, 10).MAXNIVEL_SOLOATAQUES, 5);

        for (int p = 0; p < 2; ++p) {
            const RegistroNivel& n = Nivel(d, GRUPO_SOLO_CONCENTRAR, p);
            EXPECT_EQ(n.MODOJUEGO, MODO_SOLO_CONCENTRAR);
            EXPECT_EQ(n.MAXNIVEL_SOLOCONCENTRAR, p == 0 ? 10 : -1);
            EXPECT_GT(n.TIEMPOLIMITE, 0);
            for (const auto* pool : {&n.FIGURASSOLOCONCENTRARINICIO, &n.FIGURASSOLOCONCENTRARMITAD, &n.FIGURASSOLOCONCENTRARFINAL})
                for (const std::string& s : *pool) EXPECT_FALSE(s.empty());
            for (int i = 0; i < NIVELES_TABLA_CONCENTRAR; ++i) {
                EXPECT_GT(n.INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR[static_cast<size_t>(i)], 0);
                EXPECT_GE(n.TIEMPOEXTRAPORNIVELSOLOCONCENTRAR[static_cast<size_t>(i)], 0);
            }
            EXPECT_GT(n.TIEMPOEXTRAALACABARSOLOCONCENTRAR, 0);
            EXPECT_GT(n.INCREMENTOPUNTUACIONALACABARSOLOCONCENTRAR, 0);
            EXPECT_TRUE(n.PORCENTAJEBONUSESSOLOCONCENTRAR[0].m_bValido);
        }
    }
}

TEST_F(DatosNiveles, EveryGallerySealCanBeWon)
{
    for (const FilaFiguraGaleria& g : TablaFigurasGaleria) {
        SCOPED_TRACE(g.m_pszFigura);
        const std::string figura = std::string("Figura\\") + g.m_pszFigura;
        bool ganable = false;
        for (int d = 0; d < 4; ++d)
            for (int c = 0; c < NUM_CAPITULOS_HISTORIA; ++c)
                for (int p = 1; p < PartesPorGrupo[static_cast<size_t>(c)]; ++p) {
                    const RegistroNivel& n = Nivel(d, c, p);
                    ganable = ganable || (n.MODOJUEGO == MODO_HISTORIA && strcasecmp(n.FIGURA.c_str(), figura.c_str()) == 0);
                }
        // The lineage seals are unlocked by the last chapter's tutorial itself.
        if (figura == "Figura\\13_00_MultiElLinaje.TPZ") ganable = Nivel(0, 11, 0).m_iTutorial == 11;
        EXPECT_TRUE(ganable);
    }
}

// The player model plays every story stage (the rush seals included), the
// quick game and the ten concentration levels on 64 seeds and must finish
// each in its time.
TEST_F(DatosNiveles, ThePlayerModelWinsEveryLevelInItsTime)
{
    const int toques[4] = {45, 36, 30, 24};
    auto etapa = [&](const RegistroNivel& n, int maximo, int d, const char* quien) {
        SCOPED_TRACE(quien);
        ParametrosDiamantes p;
        p.m_aTablero = Tapiz(n.TAPIZ, n)->Posiciones();
        p.m_iColores = n.NUMCOLORES;
        p.m_iMaximo = maximo;
        p.m_iObjetivo = n.PUNTUACIONOBJETIVO;
        ModeloJugador j;
        j.m_iPasosPorToque = toques[d];
        const int esquirlas = n.FIGURA.empty() ? 0 : static_cast<int>(Piezas(Carga(n.FIGURA, n)->lista).size());
        for (int s = 1; s <= 64; ++s) {
            ReiniciaAleatorio(static_cast<uint32_t>(s));
            const ResultadoDiamantes r = SimulaDiamantes(p, j);
            ASSERT_TRUE(r.m_bCompletada) << "seed " << s;
            ASSERT_LE(r.m_iPasos + SimulaTrazado(esquirlas, j), n.TIEMPOLIMITE) << "seed " << s;
        }
    };
    for (int d = 0; d < 4; ++d) {
        for (int g = 0; g < 11; ++g)
            for (int p = 1; p < PartesPorGrupo[static_cast<size_t>(g)]; ++p) {
                const std::string quien = "difficulty " + std::to_string(d) + " stage " + std::to_string(g) + "," + std::to_string(p);
                etapa(Nivel(d, g, p), LineaMaximaAlLlegar(g, p), d, quien.c_str());
            }
        etapa(Nivel(d, GRUPO_RAPIDA, 0), 8, d, "quick game");

        // The last chapter's multi seals, traced colour run after colour run
        // (the clock stands still between runs).
        for (int p = 1; p < PartesPorGrupo[NUM_CAPITULOS_HISTORIA - 1]; ++p) {
            SCOPED_TRACE(testing::Message() << "difficulty " << d << " rush stage " << p);
            const RegistroNivel& n = Nivel(d, NUM_CAPITULOS_HISTORIA - 1, p);
            ASSERT_TRUE(n.RUSHDESELLOS);
            const auto sello = Carga(n.FIGURA, n);
            std::vector<int> tramos;
            for (CBolaTablero* b : Piezas(sello->lista)) {
                const size_t c = static_cast<size_t>(b->Color());
                if (c >= tramos.size()) tramos.resize(c + 1, 0);
                ++tramos[c];
            }
            ASSERT_GE(tramos.size(), 3u);
            ModeloJugador j;
            j.m_iPasosPorToque = toques[d];
            EXPECT_LE(SimulaTrazadoRush(tramos, j), n.TIEMPOLIMITE);
        }

        // Ten concentration levels: targets add up, the time used gets each
        // level's extra time back as it starts, colours change as the screen
        // changes them, a full line raises the maximum.
        const RegistroNivel& n = Nivel(d, GRUPO_SOLO_CONCENTRAR, 0);
        std::array<std::vector<std::vector<Punt2D>>, 3> pools;
        size_t i = 0;
        for (const auto* pool : {&n.FIGURASSOLOCONCENTRARINICIO, &n.FIGURASSOLOCONCENTRARMITAD, &n.FIGURASSOLOCONCENTRARFINAL}) {
            for (const std::string& s : *pool) pools[i].push_back(Carga(s, n)->Posiciones());
            ++i;
        }
        ModeloJugador j;
        j.m_iPasosPorToque = toques[d];
        for (int s = 1; s <= 64; ++s) {
            ReiniciaAleatorio(static_cast<uint32_t>(s));
            int usado = 0, objetivo = 0, maximo = 6, colores = 3, bajo = 2, alto = 5;
            for (int l = 0; l < 10; ++l) {
                const size_t li = static_cast<size_t>(l);
                ParametrosDiamantes p;
                p.m_aTablero = pools[l < 7 ? 0 : 1][static_cast<size_t>(EnteroAleatorio(0, 9))];
                objetivo += n.INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR[li];
                usado = std::max(0, usado - n.TIEMPOEXTRAPORNIVELSOLOCONCENTRAR[li]);
                if (++colores >= alto) {
                    colores = bajo;
                    bajo = std::min(7, bajo + 1);
                    alto = std::min(7, alto + 1);
                }
                p.m_iColores = colores;
                p.m_iMaximo = maximo;
                p.m_iMaximoTope = 12;
                p.m_iObjetivo = objetivo;
                const ResultadoDiamantes r = SimulaDiamantes(p, j);
                ASSERT_TRUE(r.m_bCompletada) << "difficulty " << d << " seed " << s << " level " << l;
                usado += r.m_iPasos;
                ASSERT_LT(usado, n.TIEMPOLIMITE) << "difficulty " << d << " seed " << s << " level " << l;
                maximo = r.m_iMaximo;
            }
        }
    }
}

TEST_F(DatosNiveles, EveryTextCodeInAllThreeTablesOnce)
{
    std::set<int32_t> codigos;
    for (const FilaCatalogoNiveles& f : CatalogoNiveles()) {
        const RegistroNivel& n = Nivel(f.m_iDificultad, f.m_iGrupo, f.m_iParte);
        for (int c : {n.FLINOMBRE, n.FLIPRESENTACION, n.FLIFINAL}) codigos.insert(c);
        for (int i = 0; i < n.m_iNumConsejos; ++i) codigos.insert(n.CONSEJO[static_cast<size_t>(i)]);
        if (f.m_iGrupo < NUM_CAPITULOS_HISTORIA || f.m_iGrupo == GRUPO_RAPIDA) {
            SCOPED_TRACE(f.m_sRuta);
            EXPECT_NE(n.FLINOMBRE, -1);
            EXPECT_GE(n.m_iNumConsejos, 1);
        }
    }
    codigos.erase(-1);
    // The map's stage names, written with the levels.
    for (int g = 0; g < NUM_CAPITULOS_HISTORIA; ++g)
        for (int p = 0; p < PartesPorGrupo[static_cast<size_t>(g)]; ++p) {
            char c[32];
            std::snprintf(c, sizeof c, "C%02d%d", g + 2, p);
            codigos.insert(CodigoFLI(c));
        }
    auto tablas = std::make_unique<CGestorFLIs>();
    ASSERT_TRUE(tablas->Inicia());
    const char* ficheros[3] = {"Data\\Textos\\Catala.FLI", "Data\\Textos\\Castellano.FLI", "Data\\Textos\\English.FLI"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(ficheros[i]);
        tablas->CargaFichero(ficheros[i], i);
        const TablaFLI& t = tablas->m_aTablas[tablas->BuscaIndice(i)];
        std::map<int32_t, int> veces;
        for (int k = 0; k < t.m_iNumTextos; ++k) ++veces[t.m_aEntradas[k].m_iCodigo];
        for (int32_t c : codigos) {
            EXPECT_EQ(veces[c], 1) << std::string{static_cast<char>(c >> 24), static_cast<char>(c >> 16),
                                                  static_cast<char>(c >> 8), static_cast<char>(c)};
        }
    }
}

} // namespace
