#include "game/play/Figuras.h"

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

const char* const NombresFigurasTrazado[NUM_TAPICES_TRAZAR] = {
    "02_01_20.TPZ", "02_02_20.TPZ", "03_01_21.TPZ", "03_02_21.TPZ", "03_03_22.TPZ", "04_01_22.TPZ", "04_02_23.TPZ",
    "04_03_23.TPZ", "04_04_24.TPZ", "05_01_24.TPZ", "06_01_25.TPZ", "06_02_25.TPZ", "06_03_26.TPZ", "06_04_26.TPZ",
    "06_05_27.TPZ", "07_01_27.TPZ", "07_02_28.TPZ", "07_03_28.TPZ", "07_04_29.TPZ", "07_05_29.TPZ", "08_01_30.TPZ",
    "08_02_30.TPZ", "09_01_31.TPZ", "09_02_31.TPZ", "09_03_32.TPZ", "09_04_32.TPZ", "09_05_33.TPZ", "09_06_33.TPZ",
    "10_01_34.TPZ", "10_02_34.TPZ", "11_01_35.TPZ", "11_02_35.TPZ", "11_03_36.TPZ"};

const std::array<FilaFiguraGaleria, NUM_FILAS_GALERIA> TablaFigurasGaleria = {{
    {"03_01_LaAmpolla.TPZ", 0},
    {"03_02_LaDuda.TPZ", 1},
    {"03_03_ElEscudo.TPZ", 2},
    {"04_01_ElPan.TPZ", 3},
    {"04_02_LaRisa.TPZ", 4},
    {"04_03_LaDuda.TPZ", 5},
    {"04_04_LaAmistad.TPZ", 6},
    {"05_01_ElMiedo.TPZ", 7},
    {"06_00_LaBurla.TPZ", 8},
    {"06_01_LaTristeza.TPZ", 9},
    {"06_02_LaEnvidia.TPZ", 10},
    {"06_03_LaAlegria.TPZ", 11},
    {"06_04_ElEnfado.TPZ", 12},
    {"06_05_LaLuchaDePoderes.TPZ", 13},
    {"07_01_LaAutoridad.TPZ", 14},
    {"07_02_LaInocencia.TPZ", 15},
    {"07_03_LaIntriga.TPZ", 16},
    {"07_04_ElGrito.TPZ", 17},
    {"07_05_ElTerror.TPZ", 18},
    {"08_01_LaFuerza.TPZ", 19},
    {"08_02_LaDagaDelAsesino.TPZ", 29},
    {"09_01_LaMuerte.TPZ", 20},
    {"09_02_LaInocenciaIIElBebe.TPZ", 21},
    {"09_03_LaRabia.TPZ", 22},
    {"09_04_LaVerdad.TPZ", 23},
    {"09_05_ElEscudoVictorioso.TPZ", 24},
    {"09_06_ElLibroVictorioso.TPZ", 25},
    {"10_01_LaEsperanza.TPZ", 26},
    {"10_02_LaLocura.TPZ", 27},
    {"11_01_LaMuerteII.TPZ", 28},
    {"11_02_LaMaldad.TPZ", 30},
    {"11_03_ElCandil.TPZ", 31},
    {"11_04_Orrindale.TPZ", 32},
    {"12_01_ElAmorDeUnaMadre.TPZ", 33},
    {"12_02_EscudoConElCorazonDeFuego.TPZ", 34},
    {"12_03_ElAmorFraternal.TPZ", 35},
    {"12_04_LaFuerzaEncontrada.TPZ", 36},
    {"13_00_MultiElLinaje.TPZ", 37},
    {"13_00_MultiElLinaje.TPZ", 38},
    {"13_00_MultiElLinaje.TPZ", 39},
    {"13_01_MultiDesamor.TPZ", 40},
    {"13_01_MultiDesamor.TPZ", 41},
    {"13_01_MultiDesamor.TPZ", 42},
    {"13_01_MultiDesamor.TPZ", 43},
    {"13_02_MultiElOdio.TPZ", 44},
    {"13_02_MultiElOdio.TPZ", 45},
    {"13_02_MultiElOdio.TPZ", 46},
    {"13_02_MultiElOdio.TPZ", 47},
    {"13_03_MultiElPerdon.TPZ", 48},
    {"13_03_MultiElPerdon.TPZ", 49},
    {"13_03_MultiElPerdon.TPZ", 50},
    {"13_03_MultiElPerdon.TPZ", 51},
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
