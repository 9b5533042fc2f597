#include "game/play/Figuras.h"

#include "game/CatalogoJuego.h"

#include "engine/core/GestorComandes.h"
#include "engine/core/Lista.h"
#include "engine/core/Temporizador.h"
#include "game/play/RegistroNivel.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Perfiles.h"

#include <cmath>
#include <cstring>
#include <string>
#include <strings.h>

TransformacionFigura g_TransformacionCarga;

namespace {

// A figure file's name below Data\Tapices\Trazar\ or Data\Tapices\Figura\ (the
// content catalogue holds the whole data name).
constexpr const char* Trazar(const char* ruta) { return ruta + sizeof("Data\\Tapices\\Trazar\\") - 1; }
constexpr const char* Figura(const char* ruta) { return ruta + sizeof("Data\\Tapices\\Figura\\") - 1; }

} // namespace

namespace fig = juego::fichero;

const char* const NombresFigurasTrazado[NUM_TAPICES_TRAZAR] = {
    Trazar(fig::TRAZAR_02_01_20), Trazar(fig::TRAZAR_02_02_20), Trazar(fig::TRAZAR_03_01_21), Trazar(fig::TRAZAR_03_02_21),
    Trazar(fig::TRAZAR_03_03_22), Trazar(fig::TRAZAR_04_01_22), Trazar(fig::TRAZAR_04_02_23), Trazar(fig::TRAZAR_04_03_23),
    Trazar(fig::TRAZAR_04_04_24), Trazar(fig::TRAZAR_05_01_24), Trazar(fig::TRAZAR_06_01_25), Trazar(fig::TRAZAR_06_02_25),
    Trazar(fig::TRAZAR_06_03_26), Trazar(fig::TRAZAR_06_04_26), Trazar(fig::TRAZAR_06_05_27), Trazar(fig::TRAZAR_07_01_27),
    Trazar(fig::TRAZAR_07_02_28), Trazar(fig::TRAZAR_07_03_28), Trazar(fig::TRAZAR_07_04_29), Trazar(fig::TRAZAR_07_05_29),
    Trazar(fig::TRAZAR_08_01_30), Trazar(fig::TRAZAR_08_02_30), Trazar(fig::TRAZAR_09_01_31), Trazar(fig::TRAZAR_09_02_31),
    Trazar(fig::TRAZAR_09_03_32), Trazar(fig::TRAZAR_09_04_32), Trazar(fig::TRAZAR_09_05_33), Trazar(fig::TRAZAR_09_06_33),
    Trazar(fig::TRAZAR_10_01_34), Trazar(fig::TRAZAR_10_02_34), Trazar(fig::TRAZAR_11_01_35), Trazar(fig::TRAZAR_11_02_35),
    Trazar(fig::TRAZAR_11_03_36)};

const std::array<FilaFiguraGaleria, NUM_FILAS_GALERIA> TablaFigurasGaleria = {{
    {Figura(fig::FIGURA_03_01_LAAMPOLLA), 0},
    {Figura(fig::FIGURA_03_02_LADUDA), 1},
    {Figura(fig::FIGURA_03_03_ELESCUDO), 2},
    {Figura(fig::FIGURA_04_01_ELPAN), 3},
    {Figura(fig::FIGURA_04_02_LARISA), 4},
    {Figura(fig::FIGURA_04_03_LADUDA), 5},
    {Figura(fig::FIGURA_04_04_LAAMISTAD), 6},
    {Figura(fig::FIGURA_05_01_ELMIEDO), 7},
    {Figura(fig::FIGURA_06_00_LABURLA), 8},
    {Figura(fig::FIGURA_06_01_LATRISTEZA), 9},
    {Figura(fig::FIGURA_06_02_LAENVIDIA), 10},
    {Figura(fig::FIGURA_06_03_LAALEGRIA), 11},
    {Figura(fig::FIGURA_06_04_ELENFADO), 12},
    {Figura(fig::FIGURA_06_05_LALUCHADEPODERES), 13},
    {Figura(fig::FIGURA_07_01_LAAUTORIDAD), 14},
    {Figura(fig::FIGURA_07_02_LAINOCENCIA), 15},
    {Figura(fig::FIGURA_07_03_LAINTRIGA), 16},
    {Figura(fig::FIGURA_07_04_ELGRITO), 17},
    {Figura(fig::FIGURA_07_05_ELTERROR), 18},
    {Figura(fig::FIGURA_08_01_LAFUERZA), 19},
    {Figura(fig::FIGURA_08_02_LADAGADELASESINO), 29},
    {Figura(fig::FIGURA_09_01_LAMUERTE), 20},
    {Figura(fig::FIGURA_09_02_LAINOCENCIAIIELBEBE), 21},
    {Figura(fig::FIGURA_09_03_LARABIA), 22},
    {Figura(fig::FIGURA_09_04_LAVERDAD), 23},
    {Figura(fig::FIGURA_09_05_ELESCUDOVICTORIOSO), 24},
    {Figura(fig::FIGURA_09_06_ELLIBROVICTORIOSO), 25},
    {Figura(fig::FIGURA_10_01_LAESPERANZA), 26},
    {Figura(fig::FIGURA_10_02_LALOCURA), 27},
    {Figura(fig::FIGURA_11_01_LAMUERTEII), 28},
    {Figura(fig::FIGURA_11_02_LAMALDAD), 30},
    {Figura(fig::FIGURA_11_03_ELCANDIL), 31},
    {Figura(fig::FIGURA_11_04_ORRINDALE), 32},
    {Figura(fig::FIGURA_12_01_ELAMORDEUNAMADRE), 33},
    {Figura(fig::FIGURA_12_02_ESCUDOCONELCORAZONDEFUEGO), 34},
    {Figura(fig::FIGURA_12_03_ELAMORFRATERNAL), 35},
    {Figura(fig::FIGURA_12_04_LAFUERZAENCONTRADA), 36},
    {Figura(fig::FIGURA_13_00_MULTIELLINAJE), 37},
    {Figura(fig::FIGURA_13_00_MULTIELLINAJE), 38},
    {Figura(fig::FIGURA_13_00_MULTIELLINAJE), 39},
    {Figura(fig::FIGURA_13_01_MULTIDESAMOR), 40},
    {Figura(fig::FIGURA_13_01_MULTIDESAMOR), 41},
    {Figura(fig::FIGURA_13_01_MULTIDESAMOR), 42},
    {Figura(fig::FIGURA_13_01_MULTIDESAMOR), 43},
    {Figura(fig::FIGURA_13_02_MULTIELODIO), 44},
    {Figura(fig::FIGURA_13_02_MULTIELODIO), 45},
    {Figura(fig::FIGURA_13_02_MULTIELODIO), 46},
    {Figura(fig::FIGURA_13_02_MULTIELODIO), 47},
    {Figura(fig::FIGURA_13_03_MULTIELPERDON), 48},
    {Figura(fig::FIGURA_13_03_MULTIELPERDON), 49},
    {Figura(fig::FIGURA_13_03_MULTIELPERDON), 50},
    {Figura(fig::FIGURA_13_03_MULTIELPERDON), 51},
}};

namespace {

// Longest name the file system opens (its buffer holds the zero too).
constexpr size_t kLongitudMaximaRuta = 1023;

CBolaTablero* NuevaPieza(CLista& lista, int orden, float x, float y, int desvanecer, int brillo)
{
    auto* p = new CBolaTablero;
    // A piece whose packages are missing is added all the same.
    p->Inicia(orden, x, y, desvanecer, brillo);
    lista.InsertaAlFinal(p);
    return p;
}

int ColorAlAzar(int colores) { return EnteroAleatorio(0, (colores < 1 ? 1 : colores) - 1); }


void PuntosFila(std::vector<PuntoFigura>& puntos, float x0, float y0, float x1, float y1, int cuantas, bool finAbierto)
{
    if (cuantas <= 0) return;
    // A row of one piece with its end included would divide by zero: the
    // piece goes at the start.
    const int divisor = finAbierto ? cuantas : cuantas - 1;
    const float px = divisor > 0 ? (x1 - x0) / static_cast<float>(divisor) : 0.0f;
    const float py = divisor > 0 ? (y1 - y0) / static_cast<float>(divisor) : 0.0f;
    for (int i = 0; i < cuantas; ++i) puntos.push_back({x0 + px * static_cast<float>(i), y0 + py * static_cast<float>(i)});
}

void PuntosAnillo(std::vector<PuntoFigura>& puntos, float cx, float cy, float radio, float anguloInicial, int cuantas)
{
    for (int i = 0; i < cuantas; ++i) {
        const float a =
            anguloInicial + static_cast<float>(i) * 2.0f * static_cast<float>(M_PI) / static_cast<float>(cuantas);
        puntos.push_back({cx + radio * std::sin(a), cy + radio * std::cos(a)});
    }
}

void CreaPiezas(int primerOrden, CLista& lista, const std::vector<PuntoFigura>& puntos, int colores)
{
    int orden = primerOrden;
    for (const PuntoFigura& p : puntos) CreaPieza(orden++, lista, p.x, p.y, colores);
}

} // namespace

CBolaTablero* CreaPieza(int orden, CLista& lista, float x, float y, int colores)
{
    CBolaTablero* p = NuevaPieza(lista, orden, x, y, -1, -1);
    p->PonColor(ColorAlAzar(colores));
    return p;
}

void CreaFilaDePiezas(int primerOrden, CLista& lista, float x0, float y0, float x1, float y1, int cuantas,
                      int colores, bool finAbierto)
{
    std::vector<PuntoFigura> puntos;
    PuntosFila(puntos, x0, y0, x1, y1, cuantas, finAbierto);
    CreaPiezas(primerOrden, lista, puntos, colores);
}

void CreaAnilloDePiezas(int primerOrden, CLista& lista, float cx, float cy, float radio, float anguloInicial,
                        int cuantas, int colores)
{
    std::vector<PuntoFigura> puntos;
    PuntosAnillo(puntos, cx, cy, radio, anguloInicial, cuantas);
    CreaPiezas(primerOrden, lista, puntos, colores);
}

bool CargaTapiz(CLista& lista, const char* nombre, const RegistroNivel& nivel)
{
    g_TransformacionCarga = TransformacionFigura{};
    if (!nombre || !g_pGestorComandes) return false;
    const std::string ruta = std::string(CARPETA_TAPICES) + nombre;
    if (ruta.size() > kLongitudMaximaRuta) return false;
    FitxerComandes* f = g_pGestorComandes->ObreLectura(ruta.c_str());
    if (!f) return false;
    CGestorComandes& lector = *g_pGestorComandes;
    int registro = 0;
    do {
        const char* n = lector.NomComanda(f);
        if (!n) {
        } else if (strcasecmp(n, "DISPX") == 0) {
            g_TransformacionCarga.m_fDespX = lector.LlegeixReal(f);
        } else if (strcasecmp(n, "DISPY") == 0) {
            g_TransformacionCarga.m_fDespY = lector.LlegeixReal(f);
        } else if (strcasecmp(n, "ESCALA") == 0) {
            g_TransformacionCarga.m_fEscala = lector.LlegeixReal(f);
        } else if (strcasecmp(n, "ESCALAGRAFICA") == 0) {
            g_TransformacionCarga.m_fEscalaGrafica = lector.LlegeixReal(f);
        } else if (strcasecmp(n, "BOLA") == 0) {
            const int x = lector.LlegeixEnter(f);
            const int y = lector.LlegeixEnter(f);
            const int color = lector.LlegeixEnter(f);
            CBolaTablero* p = NuevaPieza(lista, registro, static_cast<float>(x) - 512.0f, static_cast<float>(y) - 384.0f,
                                         nivel.TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS,
                                         nivel.TRAZAR_TIEMPODESVANECIMIENTOESQUIRLASTRASILUMINAR_MS);
            p->PonColor(color >= 0 && color <= 7 ? color : 0);
        }
        ++registro;
    } while (lector.LlegeixComanda(f));
    lector.Tanca(f);
    return true;
}

bool GeometriaFiguraTrazado(int numero, std::vector<PuntoFigura>& puntos, float& escalaGrafica)
{
    puntos.clear();
    escalaGrafica = 1.0f;
    switch (numero) {
    case 33: PuntosAnillo(puntos, 0, 0, 250, 0, 36); escalaGrafica = 0.9f; break;
    case 34:
    case 35: PuntosAnillo(puntos, 0, 0, 250, 0, 37); escalaGrafica = 0.8f; break;
    case 36: PuntosAnillo(puntos, 0, 0, 250, 0, 38); escalaGrafica = 0.75f; break;
    case 37: PuntosAnillo(puntos, 0, 0, 250, 0, 38); escalaGrafica = 0.7f; break;
    case 38: puntos.push_back({0, 0}); break;
    case 39: PuntosFila(puntos, -100, 0, 100, 0, 2, false); break;
    case 40: puntos = {{-100, -30}, {100, -30}, {0, 30}}; break;
    case 41:
        PuntosFila(puntos, -100, -100, -100, 100, 2, true);
        PuntosFila(puntos, 100, -100, 100, 100, 2, true);
        break;
    case 42: PuntosAnillo(puntos, 0, 0, 120, 0, 10); break;
    case 43: PuntosAnillo(puntos, 0, -75, 175, 0, 20); break;
    case 44:
    case 45:
    case 46: PuntosAnillo(puntos, 0, 50, 120, 0, numero - 40); break;
    default: return false;
    }
    return true;
}

bool CreaFiguraTrazado(CLista& lista, int numero, const RegistroNivel& nivel)
{
    if (numero >= 0 && numero < NUM_TAPICES_TRAZAR)
        return CargaTapiz(lista, (std::string("Trazar\\") + NombresFigurasTrazado[numero]).c_str(), nivel);
    std::vector<PuntoFigura> puntos;
    float escalaGrafica = 1.0f;
    if (!GeometriaFiguraTrazado(numero, puntos, escalaGrafica)) return false;
    g_TransformacionCarga = TransformacionFigura{};
    g_TransformacionCarga.m_fEscalaGrafica = escalaGrafica;
    CreaPiezas(0, lista, puntos, nivel.NUMCOLORES);
    return true;
}

void DesbloqueaFigura(const char* nombre)
{
    static const char kPrefijo[] = "Figura\\";
    constexpr size_t n = sizeof kPrefijo - 1;
    if (!nombre || strncasecmp(nombre, kPrefijo, n) != 0) return;
    CGestorDesbloqueos* gestor = GestorDesbloqueosJuego();
    if (!gestor) return;
    for (const FilaFiguraGaleria& fila : TablaFigurasGaleria)
        if (strcasecmp(nombre + n, fila.m_pszFigura) == 0)
            gestor->Desbloquea(("MGalSello_" + std::to_string(fila.m_iSello)).c_str(), false);
}

void BorraPiezas(CLista& lista)
{
    if (!lista.EstaVacia())
        for (lista.VaAlPrincipio(); !lista.EsFinal(); lista.Avanza()) delete static_cast<CBolaTablero*>(lista.Actual());
    lista.Vacia();
}
