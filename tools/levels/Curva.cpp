#include "Curva.h"

#include "Salidas.h"
#include "engine/core/Temporizador.h"
#include "game/Personajes.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/Figuras.h"
#include "game/play/RegistroNivel.h"
#include "game/play/Solucionador.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>

namespace niveles {

namespace {

constexpr int kSemillas = 64;
constexpr int kObjetivoInalcanzable = 1 << 28;

// ---------------------------------------------------------------------------
// Sources

struct Regla {
    int toque = 30;          // steps between two presses of the player model
    double margen = 0.3;     // share of the worst seed's time added to the limit
    int masColores = 0;
    double lineas = 1.0;     // factor on the lines a stage asks
    int espera = 600, duracion = 300, intervalo = 45;  // curse slots
    int esquirlas = -1, brillo = -1;                  // shard fade and glow after lighting
    int lineaFigura = -1;                             // the seal outline's fade
};

struct Bonus {
    std::string palabra;
    int periodo = 0;
    std::array<int, NUM_TIPOS_BONUS> pesos{};
};

struct Reparto {
    std::string personaje, rival;
    bool enemigos = true;
};

struct Ajustes {
    std::optional<int> colores;
    std::optional<double> lineasA, lineasB;
    std::optional<std::string> fondo, musica;
    std::optional<Reparto> reparto;
    std::optional<std::vector<Bonus>> bonus;
    std::vector<std::string> consejos;
    std::optional<double> intensidad;
    std::optional<bool> incremental;
    std::vector<int> maldiciones;
    std::vector<std::array<int, 4>> ataques;
    std::string intro, outro;
    bool rush = false;
};

struct Historia {
    std::array<Ajustes, NUM_CAPITULOS_HISTORIA> capitulos;
    std::map<std::pair<int, int>, Ajustes> etapas;
};

Bonus LeeBonus(const Comando& c)
{
    Bonus b;
    b.palabra = c.Texto(0);
    b.periodo = c.Entero(1);
    for (size_t i = 0; i < b.pesos.size(); ++i) b.pesos[i] = c.Tiene(2 + i) ? c.Entero(2 + i) : 0;
    return b;
}

// Keys shared by chapters, stages and the quick game.
bool LeeAjuste(Ajustes& a, const Comando& c)
{
    const std::string& n = c.nombre;
    if (n == "COLORES") a.colores = c.Entero(0);
    else if (n == "LINEAS") {
        a.lineasA = c.Real(0);
        a.lineasB = c.Tiene(1) ? c.Real(1) : 0.0;
    } else if (n == "FONDO") a.fondo = c.Texto(0);
    else if (n == "MUSICA") a.musica = c.Texto(0);
    else if (n == "PERSONAJES") {
        Reparto r;
        r.personaje = c.Texto(0);
        r.rival = c.Cuantos() > 1 ? c.Texto(1) : "";
        r.enemigos = c.Tiene(2) ? c.Entero(2) != 0 : true;
        for (const std::string* nombre : {&r.personaje, &r.rival})
            if (!nombre->empty() && !BuscaPersonaje(nombre->c_str())) Falla(c, "no character is called " + *nombre);
        a.reparto = r;
    } else if (n == "BONUS") {
        if (!a.bonus) a.bonus = std::vector<Bonus>{};
        a.bonus->push_back(LeeBonus(c));
    } else if (n == "SINBONUS") a.bonus = std::vector<Bonus>{};
    else if (n == "CONSEJOS") {
        for (const std::string& t : c.param) {
            if (t.size() != 4) Falla(c, "a tip is a four-character text code: " + t);
            a.consejos.push_back(t);
        }
    } else if (n == "INTENSIDAD") a.intensidad = c.Real(0);
    else if (n == "INCREMENTAL") a.incremental = c.Entero(0) != 0;
    else if (n == "MALDICIONES") {
        for (size_t i = 0; i < c.Cuantos(); ++i) {
            const int k = c.Entero(i);
            if (k < 1 || k > 11) Falla(c, "curse kinds are 1..11");
            a.maldiciones.push_back(k);
        }
    } else if (n == "ATAQUE") a.ataques.push_back({c.Entero(0), c.Entero(1), c.Entero(2), c.Entero(3)});
    else if (n == "ESCENAS") {
        a.intro = c.Texto(0);
        a.outro = c.Cuantos() > 1 ? c.Texto(1) : "";
    } else if (n == "RUSH") a.rush = c.Entero(0) != 0;
    else return false;
    return true;
}

// What a stage takes: its own keys, else its chapter's.
Ajustes Combina(const Ajustes& cap, const Ajustes& etapa)
{
    Ajustes r = cap;
    if (etapa.colores) r.colores = etapa.colores;
    if (etapa.lineasA) {
        r.lineasA = etapa.lineasA;
        r.lineasB = 0.0;
    }
    if (etapa.fondo) r.fondo = etapa.fondo;
    if (etapa.musica) r.musica = etapa.musica;
    if (etapa.reparto) r.reparto = etapa.reparto;
    if (etapa.bonus) r.bonus = etapa.bonus;
    r.consejos.insert(r.consejos.end(), etapa.consejos.begin(), etapa.consejos.end());
    if (etapa.intensidad) r.intensidad = etapa.intensidad;
    if (etapa.incremental) r.incremental = etapa.incremental;
    r.maldiciones = etapa.maldiciones;
    r.ataques = etapa.ataques;
    r.intro = etapa.intro;
    r.outro = etapa.outro;
    r.rush = etapa.rush;
    return r;
}

struct Fuentes {
    std::array<Regla, NUM_DIFICULTADES_NIVEL> reglas;
    std::array<double, NUM_TIPOS_MALDICION> ritmoMaldicion{};
    Historia historia;
    std::map<std::string, std::vector<Comando>> modos;
    std::vector<Comando> oleadas;
};

Fuentes LeeFuentes(const std::string& dir)
{
    Fuentes f;
    f.ritmoMaldicion.fill(1.0);
    int d = -1;
    for (const Comando& c : LeeComandos(dir + "/Niveles/Dificultades.txt")) {
        if (c.nombre == "DIFICULTAD") {
            d = c.Entero(0);
            if (d < 0 || d >= NUM_DIFICULTADES_NIVEL) Falla(c, "difficulties are 0..3");
            continue;
        }
        if (c.nombre == "MALDICION") {
            const int k = c.Entero(0);
            if (k < 1 || k > 11) Falla(c, "curse kinds are 1..11");
            f.ritmoMaldicion[static_cast<size_t>(k)] = c.Real(1);
            continue;
        }
        if (d < 0) Falla(c, "comes before any DIFICULTAD");
        Regla& r = f.reglas[static_cast<size_t>(d)];
        if (c.nombre == "TOQUE") r.toque = c.Entero(0);
        else if (c.nombre == "MARGEN") r.margen = c.Real(0) / 100.0;
        else if (c.nombre == "MAS_COLORES") r.masColores = c.Entero(0);
        else if (c.nombre == "LINEAS") r.lineas = c.Real(0);
        else if (c.nombre == "MALDICIONES") {
            r.espera = c.Entero(0);
            r.duracion = c.Entero(1);
            r.intervalo = c.Entero(2);
        } else if (c.nombre == "ESQUIRLAS") {
            r.esquirlas = c.Entero(0);
            r.brillo = c.Entero(1);
        } else if (c.nombre == "LINEA_FIGURA") r.lineaFigura = c.Entero(0);
        else Falla(c, "is no difficulty key");
    }

    int cap = -1, etapa = -1;
    for (const Comando& c : LeeComandos(dir + "/Niveles/Historia.txt")) {
        if (c.nombre == "CAPITULO") {
            cap = c.Entero(0);
            etapa = -1;
            if (cap < 0 || cap >= NUM_CAPITULOS_HISTORIA) Falla(c, "chapters are 0..11");
            continue;
        }
        if (c.nombre == "ETAPA") {
            if (cap < 0) Falla(c, "comes before any CAPITULO");
            etapa = c.Entero(0);
            if (EtapaHistoria(cap, etapa) < 0) Falla(c, "chapter " + std::to_string(cap) + " has no such part");
            continue;
        }
        if (cap < 0) Falla(c, "comes before any CAPITULO");
        Ajustes& a = etapa < 0 ? f.historia.capitulos[static_cast<size_t>(cap)] : f.historia.etapas[{cap, etapa}];
        if (!LeeAjuste(a, c)) Falla(c, "is no story key");
    }

    std::string modo;
    for (const Comando& c : LeeComandos(dir + "/Niveles/ModosExtra.txt")) {
        if (c.nombre == "MODO") {
            modo = c.Texto(0);
            continue;
        }
        if (modo.empty()) Falla(c, "comes before any MODO");
        f.modos[modo].push_back(c);
    }
    f.oleadas = LeeComandos(dir + "/Niveles/Oleadas.txt");
    return f;
}

// ---------------------------------------------------------------------------
// Levels as text

struct Nivel {
    std::ostringstream s;

    void Comentario(const std::string& t) { s << "// " << t << "\n"; }
    void Entero(const char* clave, long v) { s << clave << " = " << v << ";\n"; }
    void Texto(const char* clave, const std::string& v) { s << clave << " = \"" << v << "\";\n"; }
    void Codigo(const char* clave, const std::string& v) { s << clave << " = " << v << ";\n"; }
    void Palabra(const char* clave, const char* v) { s << clave << " = " << v << ";\n"; }
    void Lista(const char* clave, const std::vector<long>& v)
    {
        s << clave << " =";
        for (size_t i = 0; i < v.size(); ++i) s << (i ? ", " : " ") << v[i];
        s << ";\n";
    }
    void Textos(const char* clave, const std::vector<std::string>& v)
    {
        s << clave << " =";
        for (size_t i = 0; i < v.size(); ++i) s << (i ? ", " : " ") << "\"" << v[i] << "\"";
        s << ";\n";
    }
    void Bonus(const char* clave, const niveles::Bonus& b)
    {
        s << clave << " = " << b.palabra << ", " << b.periodo;
        for (int p : b.pesos) s << ", " << p;
        s << ";\n";
    }
};

std::string Codigo(char letra, int grupo, int parte)
{
    char c[8];
    std::snprintf(c, sizeof c, "%c%02d%d", letra, grupo + 2, parte);
    return c;
}

std::string RutaImagen(const std::string& imagen) { return RutaImagenSello(imagen); }

void EscribeReparto(Nivel& n, const Ajustes& a)
{
    if (!a.reparto) return;
    const Personaje* p = BuscaPersonaje(a.reparto->personaje.c_str());
    if (p) n.Entero("IDPERSO", p->m_iClaveNivel);
    const Personaje* r = BuscaPersonaje(a.reparto->rival.c_str());
    if (r) n.Entero("IDPERSOVS", r->m_iClaveNivel);
    n.Entero("PERSOS_SON_ENEMIGOS", a.reparto->enemigos ? 1 : 0);
}

void EscribeComunes(Nivel& n, const Ajustes& a)
{
    if (a.fondo) n.Texto("FONDO", *a.fondo);
    if (a.musica) n.Texto("RANURAMUSICA", *a.musica);
    EscribeReparto(n, a);
    if (a.bonus)
        for (const Bonus& b : *a.bonus) n.Bonus("PORCENTAJEBONUSES", b);
    for (const std::string& k : a.consejos) n.Codigo("CONSEJO", k);
}

// ---------------------------------------------------------------------------
// The player model over seeds

struct Medida {
    int peor = 0;        // steps of the slowest seed
    int mediana = 0;     // steps of the median seed
    int lineas = 0;      // the median seed's line count
    int maximo = 0;      // the median seed's line maximum at the end
};

// The least-squares straight line through v over its indices, rising.
std::vector<double> Recta(const std::vector<double>& v)
{
    const double n = static_cast<double>(v.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        const double x = static_cast<double>(i);
        sx += x;
        sy += v[i];
        sxx += x * x;
        sxy += x * v[i];
    }
    const double den = n * sxx - sx * sx;
    const double b = den > 0 ? std::max(0.0, (n * sxy - sx * sy) / den) : 0.0;
    const double a = (sy - b * sx) / n;
    std::vector<double> r;
    for (size_t i = 0; i < v.size(); ++i) r.push_back(std::max(1.0, a + b * static_cast<double>(i)));
    return r;
}

int Mediana(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[(v.size() - 1) / 2];
}

// What a board scores in `lineas` lines (the median seed).
int PuntosEnLineas(ParametrosDiamantes p, int lineas, const ModeloJugador& j)
{
    p.m_iObjetivo = kObjetivoInalcanzable;
    p.m_iLineasTope = std::max(1, lineas);
    std::vector<int> puntos;
    for (int s = 1; s <= kSemillas; ++s) {
        ReiniciaAleatorio(static_cast<uint32_t>(s));
        puntos.push_back(SimulaDiamantes(p, j).m_iPuntos);
    }
    return Mediana(puntos);
}

// A diamond phase and the trace after it, over the seeds; an error when a
// seed cannot win.
Medida MideEtapa(const ParametrosDiamantes& p, int esquirlasTrazado, const ModeloJugador& j, const std::string& quien)
{
    std::vector<int> pasos, lineas;
    const int trazado = SimulaTrazado(esquirlasTrazado, j);
    for (int s = 1; s <= kSemillas; ++s) {
        ReiniciaAleatorio(static_cast<uint32_t>(s));
        const ResultadoDiamantes r = SimulaDiamantes(p, j);
        if (!r.m_bCompletada)
            throw ErrorFuente(quien + ": the player model cannot reach " + std::to_string(p.m_iObjetivo) +
                              " on seed " + std::to_string(s));
        pasos.push_back(r.m_iPasos + trazado);
        lineas.push_back(r.m_iLineas);
    }
    Medida m;
    m.peor = *std::max_element(pasos.begin(), pasos.end());
    m.mediana = Mediana(pasos);
    m.lineas = Mediana(lineas);
    return m;
}

int LimiteSegundos(int pasos, double margen) { return static_cast<int>(std::ceil(pasos * (1.0 + margen) / 30.0)); }

// ---------------------------------------------------------------------------

struct Generador {
    const Fuentes& f;
    const Figuras& figuras;
    ResultadoCurva r;
    std::ostringstream informe;

    std::vector<Punt2D> Tablero(int tapiz) const
    {
        std::vector<Punt2D> t;
        if (tapiz >= 0 && tapiz < NUM_TAPICES_TRAZAR) {
            auto it = figuras.find(std::string("Trazar\\") + NombresFigurasTrazado[tapiz]);
            if (it == figuras.end()) throw ErrorFuente(std::string("no board Trazar\\") + NombresFigurasTrazado[tapiz]);
            for (const Punto& p : it->second->Posiciones()) t.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
        } else {
            std::vector<PuntoFigura> puntos;
            float escala = 1.0f;
            GeometriaFiguraTrazado(tapiz, puntos, escala);
            for (const PuntoFigura& p : puntos) t.push_back({p.x + 512.0f, p.y + 384.0f});
        }
        return t;
    }
    const Figura& BuscaFigura(const std::string& nombre) const
    {
        auto it = figuras.find(nombre);
        if (it == figuras.end()) throw ErrorFuente("no figure " + nombre + " in the figure sources");
        return *it->second;
    }
    void Escribe(const std::string& ruta, const Nivel& n) { r.ficheros.push_back({ruta, n.s.str()}); }

    static ModeloJugador Jugador(const Regla& regla)
    {
        ModeloJugador j;
        j.m_iPasosPorToque = regla.toque;
        return j;
    }

    void EscribeMaldiciones(Nivel& n, const Ajustes& a, const Regla& regla)
    {
        std::vector<std::array<int, 4>> ataques = a.ataques;
        const double intensidad = a.intensidad.value_or(1.0);
        for (int k : a.maldiciones) {
            const int espera = static_cast<int>(std::lround(regla.espera / intensidad));
            const int intervalo = std::max(
                6, static_cast<int>(std::lround(regla.intervalo * f.ritmoMaldicion[static_cast<size_t>(k)] / intensidad)));
            ataques.push_back({k, espera, regla.duracion, intervalo});
        }
        if (ataques.size() > NUM_ATAQUES_NIVEL) throw ErrorFuente("a level has at most 3 attacks");
        for (const auto& at : ataques)
            n.s << "ATAQUEENEMIGO = " << at[0] << ", " << at[1] << ", " << at[2] << ", " << at[3] << ";\n";
        if (!ataques.empty() && a.incremental.value_or(false)) n.Entero("ATAQUEINCREMENTAL", 1);
    }

    void Historia()
    {
        // Per stage: the easier difficulty's target and seconds per point.
        std::array<int, NUM_ETAPAS_HISTORIA> objetivoAnterior{};
        std::array<double, NUM_ETAPAS_HISTORIA> porPuntoAnterior{};
        informe << "Story: by chapter and difficulty (stage ranges; limits in seconds)\n";
        for (int d = 0; d < NUM_DIFICULTADES_NIVEL; ++d) {
            const Regla& regla = f.reglas[static_cast<size_t>(d)];
            const ModeloJugador j = Jugador(regla);
            int objetivoPrevio = 0;
            for (int cap = 0; cap < NUM_CAPITULOS_HISTORIA; ++cap) {
                struct Fila {
                    int colores = 0, piezas = 0, maximo = 0, objetivo = 0, limite = 0, par = 0;
                };
                std::vector<Fila> filas;
                for (int parte = 0; parte < PartesPorGrupo[static_cast<size_t>(cap)]; ++parte) {
                    const int etapa = EtapaHistoria(cap, parte);
                    auto it = f.historia.etapas.find({cap, parte});
                    const Ajustes a = Combina(f.historia.capitulos[static_cast<size_t>(cap)],
                                              it == f.historia.etapas.end() ? Ajustes{} : it->second);
                    Nivel n;
                    const FilaCatalogoNiveles& fila = CatalogoNiveles()[static_cast<size_t>(IndiceCatalogo(d, cap, parte))];
                    n.Comentario(fila.m_sRuta + ": made by mg_levels from data/Niveles; edit those sources.");
                    n.Palabra("MODOJUEGO", "HISTORIA");
                    n.Codigo("FLINOMBRE", Codigo('C', cap, parte));
                    n.Codigo("FLIPRESENTACION", Codigo('I', cap, parte));
                    n.Codigo("FLIFINAL", Codigo('V', cap, parte));
                    if (!a.intro.empty()) n.Texto("JAPSECINTRO", a.intro);
                    if (!a.outro.empty()) n.Texto("JAPSECOUTRO", a.outro);
                    n.Entero("JUGABLE", 1);
                    const int colores = std::min(7, a.colores.value_or(3) + regla.masColores);
                    n.Entero("NUMCOLORES", colores);
                    EscribeComunes(n, a);

                    if (parte == 0) {
                        // A tutorial: its own pieces, no reachable target, no limit.
                        n.Entero("PUNTUACIONOBJETIVO", PUNTUACION_SIN_OBJETIVO);
                        if (a.rush) n.Palabra("RUSHDESELLOS", "1");
                        EscribeMaldiciones(n, a, regla);
                        Escribe(fila.m_sRuta, n);
                        continue;
                    }

                    // The board and the seal by the rules of the stage's place.
                    int tapiz = -1;
                    char prefijo[8];
                    std::snprintf(prefijo, sizeof prefijo, "%02d_%02d_", cap + 2, parte);
                    for (int t = 0; t < NUM_TAPICES_TRAZAR; ++t)
                        if (std::string(NombresFigurasTrazado[t]).rfind(prefijo, 0) == 0) tapiz = t;
                    if (cap == 9 && parte == 4) tapiz = 33;
                    if (cap == 10) tapiz = 33 + parte;
                    std::string figura;
                    for (const FilaFiguraGaleria& g : TablaFigurasGaleria)
                        if (std::string(g.m_pszFigura).rfind(prefijo, 0) == 0) figura = g.m_pszFigura;
                    if (cap == 0 && parte == 2) figura = "06_00_LaBurla.TPZ";
                    const bool rush = cap == 11;
                    const int maximo = LineaMaximaAlLlegar(cap, parte);
                    Fila fl;
                    fl.colores = rush ? 0 : colores;
                    fl.maximo = maximo;
                    const std::string quien = fila.m_sRuta;

                    std::vector<int> tramos;
                    int esquirlas = 0;
                    if (!figura.empty()) {
                        const Figura& fig = BuscaFigura("Figura\\" + figura);
                        n.Texto("FIGURA", "Figura\\" + figura);
                        for (size_t i = 0; i < fig.tramos.size() && i < NUM_IMAGENES_FINALES; ++i)
                            n.s << "IMAGENFINAL = " << i << ", \"" << RutaImagen(fig.tramos[i].imagen) << "\";\n";
                        for (const Tramo& t : fig.tramos) tramos.push_back(static_cast<int>(t.piezas.size()));
                        esquirlas = static_cast<int>(fig.NumPiezas());
                        if (regla.esquirlas >= 0) {
                            n.Entero("TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS", regla.esquirlas);
                            n.Entero("TRAZAR_TIEMPODESVANECIMIENTOESQUIRLASTRASILUMINAR_MS", regla.brillo);
                        }
                        if (regla.lineaFigura >= 0) n.Entero("TRAZAR_TIEMPODESVANECIMIENTOLINEA_MS", regla.lineaFigura);
                    }
                    EscribeMaldiciones(n, a, regla);

                    int pasosPeor = 0;
                    if (rush) {
                        // Colour run after colour run, no diamonds: no target and no par.
                        n.Palabra("RUSHDESELLOS", "1");
                        pasosPeor = SimulaTrazadoRush(tramos, j);
                        fl.limite = LimiteSegundos(pasosPeor, regla.margen);
                        fl.piezas = esquirlas;
                        fl.par = -1;
                        n.Entero("TIEMPOLIMITE", fl.limite);
                    } else {
                        if (tapiz < 0) throw ErrorFuente(quien + ": no board for this stage");
                        n.Entero("TAPIZ", tapiz);
                        ParametrosDiamantes p;
                        p.m_aTablero = Tablero(tapiz);
                        p.m_iColores = colores;
                        p.m_iMaximo = maximo;
                        fl.piezas = static_cast<int>(p.m_aTablero.size());
                        const double lineas = (a.lineasA.value_or(6.0) + a.lineasB.value_or(0.0) * parte) * regla.lineas;
                        int objetivo = PuntosEnLineas(p, static_cast<int>(std::lround(lineas)), j);
                        // Targets grow through the story and with the difficulty.
                        objetivo = std::max({objetivo, objetivoPrevio, 1});
                        if (d > 0) objetivo = std::max(objetivo, objetivoAnterior[static_cast<size_t>(etapa)] + 1);
                        p.m_iObjetivo = objetivo;
                        const Medida m = MideEtapa(p, esquirlas, j, quien);
                        pasosPeor = m.peor;
                        fl.objetivo = objetivo;
                        fl.limite = LimiteSegundos(m.peor, regla.margen);
                        fl.par = m.lineas;
                        n.Entero("PUNTUACIONOBJETIVO", objetivo);
                        n.Entero("TIEMPOLIMITE", fl.limite);
                        n.Entero("PAR", fl.par);
                        const double porPunto = static_cast<double>(fl.limite) / objetivo;
                        if (d > 0 && !(porPunto < porPuntoAnterior[static_cast<size_t>(etapa)]))
                            throw ErrorFuente(quien + ": " + std::to_string(fl.limite) + " s for " + std::to_string(objetivo) +
                                              " points is no less time per point than the easier difficulty gives");
                        objetivoAnterior[static_cast<size_t>(etapa)] = objetivo;
                        porPuntoAnterior[static_cast<size_t>(etapa)] = porPunto;
                        objetivoPrevio = objetivo;
                    }
                    n.Comentario("worst seed " + std::to_string(pasosPeor) + " steps; margin " +
                                 std::to_string(static_cast<int>(std::lround(regla.margen * 100))) + " %");
                    filas.push_back(fl);
                    Escribe(fila.m_sRuta, n);
                }
                InformeCapitulo(cap, d, filas, regla);
            }
        }
    }

    template <typename Filas>
    void InformeCapitulo(int cap, int d, const Filas& filas, const Regla& regla)
    {
        if (filas.empty()) return;
        auto rango = [&](auto campo) {
            int lo = 1 << 30, hi = -(1 << 30);
            for (const auto& f : filas) {
                lo = std::min(lo, campo(f));
                hi = std::max(hi, campo(f));
            }
            char s[32];
            if (lo == hi)
                std::snprintf(s, sizeof s, "%d", lo);
            else
                std::snprintf(s, sizeof s, "%d-%d", lo, hi);
            return std::string(s);
        };
        char linea[256];
        std::snprintf(linea, sizeof linea, "  ch %2d %-11s colours %-4s pieces %-6s M %-6s target %-8s limit %-8s par %-6s margin %d %%\n",
                      cap, NombresDificultad[d], rango([](const auto& f) { return f.colores; }).c_str(),
                      rango([](const auto& f) { return f.piezas; }).c_str(), rango([](const auto& f) { return f.maximo; }).c_str(),
                      rango([](const auto& f) { return f.objetivo; }).c_str(), rango([](const auto& f) { return f.limite; }).c_str(),
                      rango([](const auto& f) { return f.par; }).c_str(), static_cast<int>(std::lround(regla.margen * 100)));
        informe << linea;
    }

    const std::vector<Comando>& Modo(const char* nombre) const
    {
        auto it = f.modos.find(nombre);
        if (it == f.modos.end()) throw ErrorFuente(std::string("ModosExtra.txt has no MODO ") + nombre);
        return it->second;
    }

    void Rapida()
    {
        Ajustes a;
        int tapiz = 33, maximo = 6;
        std::string figura;
        for (const Comando& c : Modo("RAPIDA")) {
            if (c.nombre == "TAPIZ") tapiz = c.Entero(0);
            else if (c.nombre == "MAXIMO") maximo = c.Entero(0);
            else if (c.nombre == "FIGURA") figura = c.Texto(0);
            else if (!LeeAjuste(a, c)) Falla(c, "is no quick-game key");
        }
        informe << "Quick game\n";
        int objetivoAnterior = 0;
        double porPuntoAnterior = 1e9;
        for (int d = 0; d < NUM_DIFICULTADES_NIVEL; ++d) {
            const Regla& regla = f.reglas[static_cast<size_t>(d)];
            const ModeloJugador j = Jugador(regla);
            const FilaCatalogoNiveles& fila = CatalogoNiveles()[static_cast<size_t>(IndiceCatalogo(d, GRUPO_RAPIDA, 0))];
            Nivel n;
            n.Comentario(fila.m_sRuta + ": made by mg_levels from data/Niveles; edit those sources.");
            n.Palabra("MODOJUEGO", "HISTORIA");
            n.Codigo("FLINOMBRE", Codigo('C', GRUPO_RAPIDA, 0));
            n.Codigo("FLIPRESENTACION", Codigo('I', GRUPO_RAPIDA, 0));
            n.Codigo("FLIFINAL", Codigo('V', GRUPO_RAPIDA, 0));
            n.Entero("JUGABLE", 1);
            const int colores = std::min(7, a.colores.value_or(4) + regla.masColores);
            n.Entero("NUMCOLORES", colores);
            n.Entero("TAPIZ", tapiz);
            EscribeComunes(n, a);
            const Figura& fig = BuscaFigura(figura);
            n.Texto("FIGURA", figura);
            n.s << "IMAGENFINAL = 0, \"" << RutaImagen(fig.tramos[0].imagen) << "\";\n";
            EscribeMaldiciones(n, a, regla);
            ParametrosDiamantes p;
            p.m_aTablero = Tablero(tapiz);
            p.m_iColores = colores;
            p.m_iMaximo = maximo;
            int objetivo = PuntosEnLineas(p, static_cast<int>(std::lround(a.lineasA.value_or(10.0) * regla.lineas)), j);
            objetivo = std::max(objetivo, objetivoAnterior + 1);
            p.m_iObjetivo = objetivo;
            const Medida m = MideEtapa(p, static_cast<int>(fig.NumPiezas()), j, fila.m_sRuta);
            const int limite = LimiteSegundos(m.peor, regla.margen);
            if (!(static_cast<double>(limite) / objetivo < porPuntoAnterior))
                throw ErrorFuente(fila.m_sRuta + ": no less time per point than the easier difficulty");
            porPuntoAnterior = static_cast<double>(limite) / objetivo;
            objetivoAnterior = objetivo;
            n.Entero("PUNTUACIONOBJETIVO", objetivo);
            n.Entero("TIEMPOLIMITE", limite);
            n.Entero("PAR", m.lineas);
            Escribe(fila.m_sRuta, n);
            char linea[200];
            std::snprintf(linea, sizeof linea, "  %-11s colours %d pieces %zu M %d target %d limit %d par %d margin %d %%\n",
                          NombresDificultad[d], colores, p.m_aTablero.size(), maximo, objetivo, limite, m.lineas,
                          static_cast<int>(std::lround(regla.margen * 100)));
            informe << linea;
        }
    }

    void SoloSellos()
    {
        std::map<int, std::vector<std::string>> listas;
        std::vector<std::string> multi;
        Ajustes a;
        for (const Comando& c : Modo("SOLOSELLOS")) {
            if (c.nombre == "LISTA") {
                const int parte = c.Entero(0);
                if (parte < 0 || parte > 8) Falla(c, "the fixed lists are parts 0..8");
                for (size_t i = 1; i < c.Cuantos(); ++i) listas[parte].push_back(c.Texto(i));
                if (listas[parte].size() > MAX_FIGURAS_SOLO_SELLOS) Falla(c, "a list holds at most 15 seals");
            } else if (c.nombre == "MULTI") {
                for (size_t i = 0; i < c.Cuantos(); ++i) multi.push_back(c.Texto(i));
                if (multi.size() > MAX_MULTIFIGURAS_SOLO_SELLOS) Falla(c, "at most 5 multi seals");
            } else if (!LeeAjuste(a, c)) {
                Falla(c, "is no seals-only key");
            }
        }
        for (int d = 0; d < NUM_DIFICULTADES_NIVEL; ++d) {
            const Regla& regla = f.reglas[static_cast<size_t>(d)];
            for (int parte = 0; parte < PartesPorGrupo[GRUPO_SOLO_SELLOS]; ++parte) {
                const FilaCatalogoNiveles& fila = CatalogoNiveles()[static_cast<size_t>(IndiceCatalogo(d, GRUPO_SOLO_SELLOS, parte))];
                Nivel n;
                n.Comentario(fila.m_sRuta + ": made by mg_levels from data/Niveles; edit those sources.");
                n.Palabra("MODOJUEGO", "SOLO_SELLOS");
                n.Entero("JUGABLE", 1);
                EscribeComunes(n, a);
                if (regla.esquirlas >= 0) {
                    n.Entero("TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS", regla.esquirlas);
                    n.Entero("TRAZAR_TIEMPODESVANECIMIENTOESQUIRLASTRASILUMINAR_MS", regla.brillo);
                }
                if (regla.lineaFigura >= 0) n.Entero("TRAZAR_TIEMPODESVANECIMIENTOLINEA_MS", regla.lineaFigura);
                int cuenta = 0;
                if (parte <= 8) {
                    auto it = listas.find(parte);
                    if (it == listas.end()) throw ErrorFuente("ModosExtra.txt: no LISTA for seals-only part " + std::to_string(parte));
                    for (const std::string& s : it->second) {
                        n.Texto("FIGURA_SOLO_SELLOS", s);
                        n.Texto("IMAGENFINAL_SOLO_SELLOS", RutaImagen(BuscaFigura(s).tramos.at(0).imagen));
                    }
                    cuenta = static_cast<int>(it->second.size());
                } else if (parte == 9) {
                    for (const std::string& s : multi) {
                        n.Texto("MULTIFIGURA_SOLO_SELLOS", s);
                        std::vector<std::string> imagenes;
                        for (const Tramo& t : BuscaFigura(s).tramos) imagenes.push_back(RutaImagen(t.imagen));
                        n.Textos("MULTIIMAGENFINAL_SOLO_SELLOS", imagenes);
                    }
                    cuenta = static_cast<int>(multi.size());
                } else {
                    // Four seals and one multi seal, drawn at every start.
                    cuenta = 5;
                }
                // The figure count is what the final summary tests for a
                // level with an end.
                n.Entero("MAXNIVEL_SOLOATAQUES", cuenta);
                Escribe(fila.m_sRuta, n);
            }
        }
    }

    void Ataques()
    {
        Ajustes a;
        int tapiz = 42;
        for (const Comando& c : Modo("ATAQUES")) {
            if (c.nombre == "TAPIZ") tapiz = c.Entero(0);
            else if (!LeeAjuste(a, c)) Falla(c, "is no attacks key");
        }
        for (int d = 0; d < NUM_DIFICULTADES_NIVEL; ++d) {
            const Regla& regla = f.reglas[static_cast<size_t>(d)];
            int duracion = 0, inicial = 0;
            for (const Comando& c : f.oleadas)
                if (c.nombre == "OLEADAS" && c.Entero(0) == d) {
                    duracion = c.Entero(1);
                    inicial = c.Entero(2);
                }
            if (duracion < 16 || inicial < 16) throw ErrorFuente("Oleadas.txt: difficulty " + std::to_string(d) + " needs wave times of 16 steps or more");
            for (int parte = 0; parte < 2; ++parte) {
                const FilaCatalogoNiveles& fila = CatalogoNiveles()[static_cast<size_t>(IndiceCatalogo(d, GRUPO_SOLO_ATAQUES, parte))];
                Nivel n;
                n.Comentario(fila.m_sRuta + ": made by mg_levels from data/Niveles; edit those sources.");
                n.Palabra("MODOJUEGO", "SOLO_ATAQUES");
                n.Entero("JUGABLE", 1);
                n.Entero("NUMCOLORES", std::min(7, a.colores.value_or(3) + regla.masColores));
                n.Entero("TAPIZ", tapiz);
                n.Entero("PUNTUACIONOBJETIVO", PUNTUACION_SIN_OBJETIVO);
                EscribeComunes(n, a);
                n.Texto("ATAQUES_SOLOATAQUES", RutaOleadas(d));
                n.Entero("TIEMPOINICIALENTREOLEADAS_SOLOATAQUES", inicial);
                n.Entero("TIEMPOFINALENTREOLEADAS_SOLOATAQUES", duracion);
                n.Entero("MAXNIVEL_SOLOATAQUES", parte == 0 ? 50 : -1);
                Escribe(fila.m_sRuta, n);
            }
        }
    }

    void Concentrar();
};

// The colours of concentration level L, from 3 within [2, 5] as the screen
// changes them.
std::vector<int> ColoresConcentrar(int niveles)
{
    std::vector<int> r;
    int colores = 3, bajo = 2, alto = 5;
    for (int l = 0; l < niveles; ++l) {
        ++colores;
        if (colores >= alto) {
            colores = bajo;
            bajo = std::min(7, bajo + 1);
            alto = std::min(7, alto + 1);
        }
        r.push_back(colores);
    }
    return r;
}

void Generador::Concentrar()
{
    Ajustes a;
    std::array<std::vector<std::string>, 3> pools;
    double lineasA = 3.0, lineasB = 0.3, extra = 0.5;
    int nivelesSinFin = 14;
    std::vector<long> activacion = {-1, -1, -1, -1, -1};
    std::vector<Bonus> bonusModo;
    for (const Comando& c : Modo("CONCENTRAR")) {
        if (c.nombre == "INICIO" || c.nombre == "MITAD" || c.nombre == "FINAL") {
            auto& pool = pools[c.nombre == "INICIO" ? 0 : c.nombre == "MITAD" ? 1 : 2];
            for (size_t i = 0; i < c.Cuantos(); ++i) pool.push_back(c.Texto(i));
            if (pool.size() != FIGURAS_POR_POOL_CONCENTRAR) Falla(c, "a pool holds 10 boards");
        } else if (c.nombre == "LINEAS") {
            lineasA = c.Real(0);
            lineasB = c.Real(1);
        } else if (c.nombre == "EXTRA") {
            extra = c.Real(0);
        } else if (c.nombre == "NIVELES_SINFIN") {
            nivelesSinFin = c.Entero(0);
        } else if (c.nombre == "ACTIVACION") {
            for (size_t i = 0; i < activacion.size(); ++i) activacion[i] = c.Entero(i);
        } else if (c.nombre == "BONUS_MODO") {
            bonusModo.push_back(LeeBonus(c));
        } else if (!LeeAjuste(a, c)) {
            Falla(c, "is no concentration key");
        }
    }
    std::array<std::vector<std::vector<Punt2D>>, 3> tableros;
    for (size_t i = 0; i < 3; ++i)
        for (const std::string& nombre : pools[i]) {
            std::vector<Punt2D> t;
            for (const Punto& p : BuscaFigura(nombre).Posiciones()) t.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
            tableros[i].push_back(t);
        }
    const int kNiveles = NIVELES_TABLA_CONCENTRAR;
    const std::vector<int> colores = ColoresConcentrar(std::max(kNiveles, nivelesSinFin));
    auto pool = [](int l) { return l < 7 ? 0 : l < 14 ? 1 : 2; };

    informe << "Concentration\n";
    for (int d = 0; d < NUM_DIFICULTADES_NIVEL; ++d) {
        const Regla& regla = f.reglas[static_cast<size_t>(d)];
        const ModeloJugador j = Jugador(regla);
        // Each level's target: what its lines score (the median seed),
        // growing from level to level; the seed's maximum grows as it plays.
        std::vector<std::vector<int>> puntos(static_cast<size_t>(kNiveles)), pasos(static_cast<size_t>(kNiveles));
        for (int s = 1; s <= kSemillas; ++s) {
            ReiniciaAleatorio(static_cast<uint32_t>(s));
            int maximo = 6;
            for (int l = 0; l < kNiveles; ++l) {
                ParametrosDiamantes p;
                p.m_aTablero = tableros[static_cast<size_t>(pool(l))][static_cast<size_t>(EnteroAleatorio(0, 9))];
                p.m_iColores = colores[static_cast<size_t>(l)];
                p.m_iMaximo = maximo;
                p.m_iMaximoTope = 12;
                p.m_iObjetivo = kObjetivoInalcanzable;
                p.m_iLineasTope = std::max(1, static_cast<int>(std::lround((lineasA + lineasB * l) * regla.lineas)));
                const ResultadoDiamantes r = SimulaDiamantes(p, j);
                puntos[static_cast<size_t>(l)].push_back(r.m_iPuntos);
                pasos[static_cast<size_t>(l)].push_back(r.m_iPasos);
                maximo = r.m_iMaximo;
            }
        }
        // Targets grow evenly from level to level: the straight line nearest
        // to what each level's lines score (a two-colour level scores much, a
        // seven-colour one little, so a level's time follows its colours).
        std::vector<double> deseados;
        for (int l = 0; l < kNiveles; ++l) deseados.push_back(Mediana(puntos[static_cast<size_t>(l)]));
        const std::vector<double> crecientes = Recta(deseados);
        std::vector<long> incrementos;
        std::vector<int> objetivos;
        int objetivo = 0;
        for (int l = 0; l < kNiveles; ++l) {
            const int nuevo = std::max(objetivo + 1, static_cast<int>(std::lround(crecientes[static_cast<size_t>(l)])));
            incrementos.push_back(nuevo - objetivo);
            objetivo = nuevo;
            objetivos.push_back(objetivo);
        }

        // Every seed plays the levels to their targets; each level's extra
        // time is a share of its median time, given back as it starts.
        const int kJugados = std::max(10, nivelesSinFin);
        std::vector<std::vector<int>> tiempos(static_cast<size_t>(kSemillas));
        std::vector<std::vector<int>> porNivel(static_cast<size_t>(kJugados));
        for (int s = 1; s <= kSemillas; ++s) {
            ReiniciaAleatorio(static_cast<uint32_t>(s));
            int maximo = 6;
            for (int l = 0; l < kJugados; ++l) {
                const size_t li = static_cast<size_t>(std::min(l, kNiveles - 1));
                ParametrosDiamantes p;
                p.m_aTablero = tableros[static_cast<size_t>(pool(l))][static_cast<size_t>(EnteroAleatorio(0, 9))];
                p.m_iColores = colores[static_cast<size_t>(l)];
                p.m_iMaximo = maximo;
                p.m_iMaximoTope = 12;
                p.m_iObjetivo = objetivos[li];
                const ResultadoDiamantes r = SimulaDiamantes(p, j);
                if (!r.m_bCompletada)
                    throw ErrorFuente("concentration, difficulty " + std::to_string(d) + ": the player model cannot pass level " +
                                      std::to_string(l) + " on seed " + std::to_string(s));
                tiempos[static_cast<size_t>(s - 1)].push_back(r.m_iPasos);
                porNivel[static_cast<size_t>(l)].push_back(r.m_iPasos);
                maximo = r.m_iMaximo;
            }
        }
        std::vector<long> extras;
        for (int l = 0; l < kNiveles; ++l)
            extras.push_back(l == 0 || l >= kJugados ? 0 : static_cast<long>(std::lround(extra * Mediana(porNivel[static_cast<size_t>(l)]))));
        if (kJugados < kNiveles)
            for (int l = kJugados; l < kNiveles; ++l) extras[static_cast<size_t>(l)] = extras[static_cast<size_t>(kJugados - 1)];
        // The time used peaks just before each level's extra time comes back.
        auto pico = [&](const std::vector<int>& t, int niveles) {
            int usado = 0, alto = 0;
            for (int l = 0; l < niveles; ++l) {
                usado = std::max(0, usado - static_cast<int>(extras[static_cast<size_t>(std::min(l, kNiveles - 1))]));
                usado += t[static_cast<size_t>(l)];
                alto = std::max(alto, usado);
            }
            return alto;
        };
        std::vector<int> picos10, picosSinFin;
        for (const std::vector<int>& t : tiempos) {
            picos10.push_back(pico(t, 10));
            picosSinFin.push_back(pico(t, nivelesSinFin));
        }
        const int peor10 = *std::max_element(picos10.begin(), picos10.end());
        const int limite10 = LimiteSegundos(peor10, regla.margen);
        const int limiteSinFin = LimiteSegundos(Mediana(picosSinFin), 0.0);

        for (int parte = 0; parte < 2; ++parte) {
            const FilaCatalogoNiveles& fila =
                CatalogoNiveles()[static_cast<size_t>(IndiceCatalogo(d, GRUPO_SOLO_CONCENTRAR, parte))];
            Nivel n;
            n.Comentario(fila.m_sRuta + ": made by mg_levels from data/Niveles; edit those sources.");
            n.Palabra("MODOJUEGO", "SOLO_CONCENTRAR");
            n.Entero("JUGABLE", 1);
            n.Entero("NUMCOLORES", colores[0]);
            EscribeComunes(n, a);
            n.Textos("FIGURASSOLOCONCENTRARINICIO", pools[0]);
            n.Textos("FIGURASSOLOCONCENTRARMITAD", pools[1]);
            n.Textos("FIGURASSOLOCONCENTRARFINAL", pools[2]);
            n.Entero("PUNTUACIONINICIALSOLOCONCENTRAR", 0);
            n.Lista("TIEMPOEXTRAPORNIVELSOLOCONCENTRAR", extras);
            n.Lista("INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR", incrementos);
            // Past the tables' twentieth level the last entries go on.
            n.Entero("TIEMPOEXTRAALACABARSOLOCONCENTRAR", extras.back());
            n.Entero("INCREMENTOPUNTUACIONALACABARSOLOCONCENTRAR", incrementos.back());
            n.Lista("NIVELACTIVACIONBONUSESSOLOCONCENTRAR", activacion);
            for (const Bonus& b : bonusModo) n.Bonus("PORCENTAJEBONUSESSOLOCONCENTRAR", b);
            n.Entero("MAXNIVEL_SOLOCONCENTRAR", parte == 0 ? 10 : -1);
            n.Entero("TIEMPOLIMITE", parte == 0 ? limite10 : limiteSinFin);
            n.Comentario(parte == 0 ? "worst seed's peak " + std::to_string(peor10) + " steps"
                                    : "the median seed reaches level " + std::to_string(nivelesSinFin) + " in the limit");
            Escribe(fila.m_sRuta, n);
        }
        char linea[240];
        std::snprintf(linea, sizeof linea,
                      "  %-11s JugarA10 limit %d s (worst peak %d steps), endless limit %d s; targets %d..%d, extra %ld..%ld steps\n",
                      NombresDificultad[d], limite10, peor10, limiteSinFin, objetivos.front(), objetivos.back(), extras[1],
                      extras.back());
        informe << linea;
    }
}

} // namespace

ResultadoCurva GeneraNiveles(const std::string& fuentes, const Figuras& figuras)
{
    const Fuentes f = LeeFuentes(fuentes);
    Generador g{f, figuras, {}, {}};
    g.Historia();
    g.Rapida();
    g.SoloSellos();
    g.Ataques();
    g.Concentrar();
    g.r.informe = g.informe.str();
    return g.r;
}

} // namespace niveles
