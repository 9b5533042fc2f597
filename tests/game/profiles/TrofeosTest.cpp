#include "game/profiles/Trofeos.h"

#include "PerfilPrueba.h"

#include <algorithm>
#include <array>
#include <functional>

namespace {

using Logros = std::array<uint8_t, NUM_LOGROS>;

class Trofeos : public PerfilPrueba {
public:
    // Raised entries after one evaluation (caller's entries left 0).
    std::vector<int> Evalua(bool* resultado = nullptr)
    {
        Logros l{};
        const bool r = EvaluaTrofeos(l.data());
        if (resultado) *resultado = r;
        std::vector<int> puestos;
        for (int k = 0; k < NUM_LOGROS; ++k)
            if (l[k]) puestos.push_back(k);
        return puestos;
    }
    void AbreNivel(int d, int nivel) { Perfil().MarcaDesbloqueado(NombreMarcador(IndiceBotonNivel(d, nivel))); }
    void Progreso(int d, int valor) { Perfil().m_aBloques[d].m_aiDatos[BloqueDificultad::PROGRESO_HISTORIA] = valor; }
    void AbreSellos(int n)
    {
        for (int i = 0; i < n; ++i) Perfil().MarcaDesbloqueado(NombreMarcador(MARCADOR_PRIMER_SELLO_GALERIA + i));
    }
    void Juega(int d, int n)
    {
        for (int i = 0; i < n; ++i)
            Perfil().m_aBloques[d].m_aiDatos[BloqueDificultad::PRIMERA_JUGADA + i] = 20;
    }
};

// Entry k of the flag array for trophy t.
int Entrada(int trofeo) { return trofeo == 38 ? 36 : trofeo - 1; }

} // namespace

TEST_F(Trofeos, FreshProfileEarnsNothing)
{
    bool r = true;
    EXPECT_TRUE(Evalua(&r).empty());
    EXPECT_FALSE(r);
}

TEST_F(Trofeos, BoundaryTable)
{
    struct Caso {
        const char* que;
        std::function<void(Trofeos&)> prepara;
        std::vector<int> trofeos;
    };
    const std::vector<Caso> casos = {
        {"progress 52 at difficulty 1", [](Trofeos& t) { t.Progreso(1, 52); }, {}},
        {"progress 53 at difficulty 1", [](Trofeos& t) { t.Progreso(1, 53); }, {11}},
        {"progress 53 at difficulty 0 and 2", [](Trofeos& t) { t.Progreso(0, 53); t.Progreso(2, 69); }, {10, 12}},
        {"progress 53 at difficulty 3", [](Trofeos& t) { t.Progreso(3, 53); }, {}},
        {"first levels of difficulty 0",
         [](Trofeos& t) {
             t.AbreNivel(0, NIVEL_CONCENTRAR_JUGAR_A20);
             t.AbreNivel(0, NIVEL_SELLOS_PEQUE1);
             t.AbreNivel(0, NIVEL_ATAQUES_JUGAR);
         },
         {7}},
        {"two of the first levels",
         [](Trofeos& t) {
             t.AbreNivel(0, NIVEL_CONCENTRAR_JUGAR_A20);
             t.AbreNivel(0, NIVEL_ATAQUES_JUGAR);
         },
         {}},
        {"story 1 complete with buttons of difficulty 2",
         [](Trofeos& t) {
             t.Progreso(1, 53);
             t.AbreNivel(2, NIVEL_CONCENTRAR_SIN_FIN);
             t.AbreNivel(2, NIVEL_SELLOS_AZAR);
             t.AbreNivel(2, NIVEL_ATAQUES_SIN_FIN);
         },
         {11, 19, 23, 29}},
        {"story 1 complete with its own buttons",
         [](Trofeos& t) {
             t.Progreso(1, 53);
             t.AbreNivel(1, NIVEL_CONCENTRAR_SIN_FIN);
             t.AbreNivel(1, NIVEL_SELLOS_AZAR);
             t.AbreNivel(1, NIVEL_ATAQUES_SIN_FIN);
         },
         {8, 11, 18, 22, 28}},
        {"all three stories with their buttons",
         [](Trofeos& t) {
             for (int d = 0; d < 3; ++d) {
                 t.Progreso(d, 53);
                 t.AbreNivel(d, NIVEL_CONCENTRAR_SIN_FIN);
                 t.AbreNivel(d, NIVEL_SELLOS_AZAR);
                 t.AbreNivel(d, NIVEL_ATAQUES_SIN_FIN);
             }
         },
         {8, 9, 10, 11, 12, 17, 18, 19, 21, 22, 23, 27, 28, 29}},
        {"4 gallery seals", [](Trofeos& t) { t.AbreSellos(4); }, {}},
        {"5 gallery seals", [](Trofeos& t) { t.AbreSellos(5); }, {13}},
        {"15 gallery seals", [](Trofeos& t) { t.AbreSellos(15); }, {13, 14}},
        {"31 gallery seals", [](Trofeos& t) { t.AbreSellos(31); }, {13, 14, 15}},
        {"51 gallery seals", [](Trofeos& t) { t.AbreSellos(51); }, {13, 14, 15}},
        {"52 gallery seals", [](Trofeos& t) { t.AbreSellos(52); }, {13, 14, 15, 16}},
        {"concentration endless 10000", [](Trofeos& t) { t.Perfil().InsertaPuntuacionConcentrarSinFin(2, 10000); }, {}},
        {"concentration endless 10001", [](Trofeos& t) { t.Perfil().InsertaPuntuacionConcentrarSinFin(2, 10001); }, {20}},
        {"concentration endless 10001 at difficulty 1",
         [](Trofeos& t) { t.Perfil().InsertaPuntuacionConcentrarSinFin(1, 10001); }, {}},
        {"multi-seal 9000 steps", [](Trofeos& t) { t.Perfil().InsertaTiempoMultiSellos(0, 9000); }, {}},
        {"multi-seal 8999 steps", [](Trofeos& t) { t.Perfil().InsertaTiempoMultiSellos(0, 8999); }, {24}},
        {"multi-seal 8999 steps at 1 and 2",
         [](Trofeos& t) {
             t.Perfil().InsertaTiempoMultiSellos(1, 100);
             t.Perfil().InsertaTiempoMultiSellos(2, 8999);
         },
         {25, 26}},
        {"random seals 100 steps", [](Trofeos& t) { t.Perfil().InsertaTiempoSellosAzar(0, 100); }, {}},
        {"attacks 75000", [](Trofeos& t) { t.Perfil().InsertaPuntuacionAtaques(0, 75000); }, {}},
        {"attacks 75001", [](Trofeos& t) { t.Perfil().InsertaPuntuacionAtaques(0, 75001); }, {30}},
        {"attacks endless 75001", [](Trofeos& t) { t.Perfil().InsertaPuntuacionAtaquesSinFin(0, 75001); }, {30}},
        {"attacks 10000000 at 1", [](Trofeos& t) { t.Perfil().InsertaPuntuacionAtaques(1, 10000000); }, {}},
        {"attacks endless 10000001 at 1",
         [](Trofeos& t) { t.Perfil().InsertaPuntuacionAtaquesSinFin(1, 10000001); }, {31}},
        {"attacks 20000000 at 2", [](Trofeos& t) { t.Perfil().InsertaPuntuacionAtaques(2, 20000000); }, {}},
        {"attacks 20000001 at 2", [](Trofeos& t) { t.Perfil().InsertaPuntuacionAtaques(2, 20000001); }, {32}},
        {"4 levels played", [](Trofeos& t) { t.Juega(3, 4); }, {}},
        {"5 levels played at difficulty 3", [](Trofeos& t) { t.Juega(3, 5); }, {33}},
        {"15 levels", [](Trofeos& t) { t.Juega(0, 15); }, {33, 34}},
        {"30 levels", [](Trofeos& t) { t.Juega(0, 30); }, {33, 34}},
        {"31 levels", [](Trofeos& t) { t.Juega(0, 31); }, {33, 34, 35}},
        {"52 levels", [](Trofeos& t) { t.Juega(1, 52); }, {33, 34, 35}},
        {"53 levels", [](Trofeos& t) { t.Juega(1, 53); }, {33, 34, 35, 36}},
        {"30 levels at each of two difficulties", [](Trofeos& t) { t.Juega(0, 30); t.Juega(1, 30); }, {33, 34}},
        {"ten characters",
         [](Trofeos& t) {
             for (int i = 0; i < 10; ++i) t.Perfil().MarcaDesbloqueado(NombreMarcador(MARCADOR_PRIMER_PERSONAJE + i));
         },
         {}},
        {"eleven characters",
         [](Trofeos& t) {
             for (int i = 0; i < 11; ++i) t.Perfil().MarcaDesbloqueado(NombreMarcador(MARCADOR_PRIMER_PERSONAJE + i));
         },
         {38}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        SiembraComoNuevo(Perfil());
        Perfil().Inicializa();
        c.prepara(*this);
        std::vector<int> esperado;
        for (int t : c.trofeos) esperado.push_back(Entrada(t));
        std::sort(esperado.begin(), esperado.end());
        bool r = false;
        EXPECT_EQ(Evalua(&r), esperado);
        EXPECT_EQ(r, !esperado.empty());
        for (int t : c.trofeos) EXPECT_TRUE(Perfil().EstaDesbloqueado(NombreMarcador(MARCADOR_PRIMER_TROFEO + t))) << t;
        // A second run finds them unlocked already.
        EXPECT_TRUE(Evalua().empty());
    }
}

TEST_F(Trofeos, AwardGivesNewsToChestAndCallerEntriesCount)
{
    Progreso(1, 53);
    Logros l{};
    l[3] = 1;
    l[20] = 1;  // stale value from an earlier run is overwritten
    EXPECT_TRUE(EvaluaTrofeos(l.data()));
    EXPECT_EQ(l[3], 1);
    EXPECT_EQ(l[20], 0);
    EXPECT_EQ(l[Entrada(11)], 1);
    EXPECT_TRUE(Perfil().TieneNovedades("MTrofeo_11"));
    EXPECT_TRUE(Perfil().TieneNovedades("MCofre_Trofeos"));
    EXPECT_TRUE(Perfil().TieneNovedades("MPrin_BotonCofreTesoro"));
    EXPECT_FALSE(Perfil().EstaDesbloqueado("MCofre_Personajes"));

    // Only the caller's entry left: still true.
    Logros m{};
    m[0] = 1;
    EXPECT_TRUE(EvaluaTrofeos(m.data()));
    EXPECT_EQ(m[Entrada(11)], 0);
}

TEST_F(Trofeos, NoProfileOrManagerAwardsNothing)
{
    Progreso(1, 53);
    RegistraGestorDesbloqueos(nullptr);
    Logros l{};
    EXPECT_FALSE(EvaluaTrofeos(l.data()));
    EXPECT_FALSE(Perfil().EstaDesbloqueado("MTrofeo_11"));
    EXPECT_FALSE(EvaluaTrofeos(nullptr));
}
