#include "game/profiles/RegistroPerfil.h"

#include "engine/core/CopiaTexto.h"
#include "engine/core/GestorComandes.h"
#include "game/profiles/Marcadores.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <strings.h>

namespace {

void VaciaListaTextos(CLista& lista)
{
    lista.VaAlFinal();
    while (!lista.EstaVacia()) {
        delete[] static_cast<char*>(lista.Actual());
        lista.BorraActual();
    }
}

// Removes every copy of the name; true when there was one.
bool QuitaDeLista(const char* nombre, CLista& lista)
{
    bool quitado = false;
    while (BuscaEnLista(nombre, lista)) {
        delete[] static_cast<char*>(lista.Actual());
        lista.BorraActual();
        quitado = true;
    }
    return quitado;
}

bool DificultadValida(int d) { return d >= 0 && d < NUM_DIFICULTADES; }

int32_t Limita(int32_t v, int32_t minimo, int32_t maximo) { return std::clamp(v, minimo, maximo); }

} // namespace

void InsertaEnTop4(int32_t* rangos, int32_t valor, bool mayorPrimero)
{
    for (int r = 0; r < NUM_RANGOS; ++r) {
        const bool gana = mayorPrimero ? rangos[r] < valor : rangos[r] > valor;
        if (!gana) continue;
        for (int k = NUM_RANGOS - 1; k > r; --k) rangos[k] = rangos[k - 1];
        rangos[r] = valor;
        return;
    }
}

// ---------------------------------------------------------------------------
// BloqueDificultad

void BloqueDificultad::Inicializa()
{
    m_aiDatos[CONTADOR_MAPA] = 0;
    m_aiDatos[PROGRESO_HISTORIA] = 0;
    m_aiDatos[LINEA_MAXIMA] = LINEA_MAXIMA_INICIAL;
    m_aiDatos[RESERVADO] = 0;
    for (int i = PRIMERA_PUNTUACION; i < PRIMER_TIEMPO; ++i) m_aiDatos[i] = 0;
    for (int i = PRIMER_TIEMPO; i < PRIMERA_JUGADA; ++i) m_aiDatos[i] = SIN_TIEMPO;
    for (int i = PRIMERA_JUGADA; i < NUM_DATOS; ++i) m_aiDatos[i] = SIN_JUGADA;
}

void BloqueDificultad::Valida()
{
    // Negative values are missing (-1) or damaged: the field's default.
    int32_t* d = m_aiDatos;
    d[CONTADOR_MAPA] = Limita(d[CONTADOR_MAPA], 0, MAX_CONTADOR_MAPA);
    d[PROGRESO_HISTORIA] = Limita(d[PROGRESO_HISTORIA], 0, MAX_PROGRESO_HISTORIA);
    if (d[LINEA_MAXIMA] < 1) d[LINEA_MAXIMA] = LINEA_MAXIMA_INICIAL;
    d[LINEA_MAXIMA] = std::min(d[LINEA_MAXIMA], LINEA_MAXIMA_TOPE);
    if (d[RESERVADO] == -1) d[RESERVADO] = 0;
    for (int i = PRIMERA_PUNTUACION; i < PRIMER_TIEMPO; ++i)
        if (d[i] < 0) d[i] = 0;
    for (int i = PRIMER_TIEMPO; i < PRIMERA_JUGADA; ++i)
        if (d[i] < 0 || d[i] > SIN_TIEMPO) d[i] = SIN_TIEMPO;
    // A level is finished with at least one line.
    for (int i = PRIMERA_JUGADA; i < NUM_DATOS; ++i)
        if (d[i] < 1 || d[i] > SIN_JUGADA) d[i] = SIN_JUGADA;
}

// ---------------------------------------------------------------------------
// RegistroPerfil

RegistroPerfil::RegistroPerfil()
{
    m_ListaRecienDesbloqueados.Inicia();
    m_ListaBloqueados.Inicia();
    m_ListaNovedades.Inicia();
    Inicializa();
    m_bModificado = 0;
}

RegistroPerfil::~RegistroPerfil()
{
    Libera();
    m_ListaRecienDesbloqueados.Libera();
    m_ListaBloqueados.Libera();
    m_ListaNovedades.Libera();
}

void RegistroPerfil::Inicializa()
{
    m_szRuta[0] = '\0';
    m_szNombre[0] = '\0';
    m_iDificultad = DIFICULTAD_INICIAL;
    for (BloqueDificultad& b : m_aBloques) b.Inicializa();
    m_bRankingsActualizados = 0;
}

void RegistroPerfil::Libera()
{
    // The lists are emptied whether or not a load succeeded, so that no text
    // is left behind by a failed one.
    VaciaListas();
    m_bCargado = 0;
}

void RegistroPerfil::VaciaListas()
{
    VaciaListaTextos(m_ListaRecienDesbloqueados);
    VaciaListaTextos(m_ListaBloqueados);
    VaciaListaTextos(m_ListaNovedades);
}

void RegistroPerfil::SiembraListas()
{
    for (int16_t i : MarcadoresIniciales) m_ListaBloqueados.InsertaAlPrincipio(CopiaTexto(NombreMarcador(i)));
    m_ListaNovedades.InsertaAlPrincipio(CopiaTexto(NombreMarcador(NovedadInicial)));
}

bool RegistroPerfil::CambiaNombre(const char* nombre)
{
    if (!nombre || std::strchr(nombre, '"')) return false;
    const size_t n = std::min(std::strlen(nombre), size_t(LONGITUD_NOMBRE - 1));
    std::memcpy(m_szNombre, nombre, n);
    m_szNombre[n] = '\0';
    m_bModificado = 1;
    return true;
}

void RegistroPerfil::FijaDificultad(int dificultad)
{
    if (DificultadValida(dificultad)) m_iDificultad = dificultad;
}

void RegistroPerfil::AvanzaHistoria()
{
    int32_t& p = Bloque().m_aiDatos[BloqueDificultad::PROGRESO_HISTORIA];
    p = std::min(p + 1, MAX_PROGRESO_HISTORIA);
    m_bModificado = 1;
}

void RegistroPerfil::AumentaLineaMaxima()
{
    int32_t& m = Bloque().m_aiDatos[BloqueDificultad::LINEA_MAXIMA];
    if (m < INT32_MAX) ++m;
    m_bModificado = 1;
}

int RegistroPerfil::ProgresoHistoria(int dificultad) const
{
    if (!DificultadValida(dificultad)) return 0;
    return m_aBloques[dificultad].m_aiDatos[BloqueDificultad::PROGRESO_HISTORIA];
}

void RegistroPerfil::InsertaPuntuacion(int dificultad, int tabla, int puntos)
{
    m_bModificado = 1;
    m_bRankingsActualizados = 0;
    if (!DificultadValida(dificultad)) return;
    InsertaEnTop4(&m_aBloques[dificultad].m_aiDatos[BloqueDificultad::IndicePuntuacion(tabla, 0)], puntos, true);
}

void RegistroPerfil::InsertaTiempo(int dificultad, int tabla, int tiempo)
{
    m_bModificado = 1;
    m_bRankingsActualizados = 0;
    if (!DificultadValida(dificultad) || tabla < 0 || tabla >= NUM_TABLAS_TIEMPOS) return;
    InsertaEnTop4(&m_aBloques[dificultad].m_aiDatos[BloqueDificultad::IndiceTiempo(tabla, 0)], tiempo, false);
}

void RegistroPerfil::InsertaPuntuacionAtaques(int d, int puntos) { InsertaPuntuacion(d, TABLA_ATAQUES, puntos); }
void RegistroPerfil::InsertaPuntuacionAtaquesSinFin(int d, int puntos) { InsertaPuntuacion(d, TABLA_ATAQUES_SIN_FIN, puntos); }
void RegistroPerfil::InsertaPuntuacionConcentrar(int d, int puntos) { InsertaPuntuacion(d, TABLA_CONCENTRAR, puntos); }
void RegistroPerfil::InsertaPuntuacionConcentrarSinFin(int d, int puntos)
{
    InsertaPuntuacion(d, TABLA_CONCENTRAR_SIN_FIN, puntos);
}
void RegistroPerfil::InsertaTiempoSellos(int d, int nivel, int tiempo)
{
    // Only the nine single-seal levels have tables here.
    InsertaTiempo(d, nivel >= 0 && nivel < 9 ? nivel : -1, tiempo);
}
void RegistroPerfil::InsertaTiempoMultiSellos(int d, int tiempo) { InsertaTiempo(d, TABLA_SELLOS_MULTI, tiempo); }
void RegistroPerfil::InsertaTiempoSellosAzar(int d, int tiempo) { InsertaTiempo(d, TABLA_SELLOS_AZAR, tiempo); }

int32_t RegistroPerfil::Puntuacion(int d, int tabla, int rango) const
{
    if (!DificultadValida(d) || tabla < 0 || tabla >= NUM_TABLAS_PUNTOS || rango < 0 || rango >= NUM_RANGOS) return 0;
    return m_aBloques[d].m_aiDatos[BloqueDificultad::IndicePuntuacion(tabla, rango)];
}

int32_t RegistroPerfil::Tiempo(int d, int tabla, int rango) const
{
    if (!DificultadValida(d) || tabla < 0 || tabla >= NUM_TABLAS_TIEMPOS || rango < 0 || rango >= NUM_RANGOS)
        return SIN_TIEMPO;
    return m_aBloques[d].m_aiDatos[BloqueDificultad::IndiceTiempo(tabla, rango)];
}

namespace {
bool JugadaValida(int capitulo, int parte)
{
    return capitulo >= 0 && capitulo < NUM_CAPITULOS_JUGADA && parte >= 0 && parte < NUM_PARTES_JUGADA;
}
} // namespace

void RegistroPerfil::GuardaMejorJugada(int lineas, int capitulo, int parte)
{
    m_bModificado = 1;
    m_bRankingsActualizados = 0;
    if (!JugadaValida(capitulo, parte)) return;
    int32_t& v = Bloque().m_aiDatos[BloqueDificultad::IndiceJugada(capitulo, parte)];
    v = std::min<int32_t>(v, lineas);
}

int RegistroPerfil::MejorJugada(int capitulo, int parte) const
{
    if (!JugadaValida(capitulo, parte)) return SIN_JUGADA;
    return Bloque().m_aiDatos[BloqueDificultad::IndiceJugada(capitulo, parte)];
}

int RegistroPerfil::CuentaNivelesJugados(int dificultad) const
{
    if (!DificultadValida(dificultad)) return 0;
    const int32_t* d = m_aBloques[dificultad].m_aiDatos;
    return static_cast<int>(std::count_if(d + BloqueDificultad::PRIMERA_JUGADA, d + BloqueDificultad::NUM_DATOS,
                                          [](int32_t v) { return v != SIN_JUGADA; }));
}

// ---------------------------------------------------------------------------
// Marker lists

bool RegistroPerfil::EstaDesbloqueado(const char* nombre) { return !BuscaEnLista(nombre, m_ListaBloqueados); }
bool RegistroPerfil::EsRecienDesbloqueado(const char* nombre) { return BuscaEnLista(nombre, m_ListaRecienDesbloqueados); }
bool RegistroPerfil::TieneNovedades(const char* nombre) { return BuscaEnLista(nombre, m_ListaNovedades); }

void RegistroPerfil::MarcaDesbloqueado(const char* nombre)
{
    if (!nombre) return;
    if (QuitaDeLista(nombre, m_ListaBloqueados)) {
        if (!BuscaEnLista(nombre, m_ListaRecienDesbloqueados))
            m_ListaRecienDesbloqueados.InsertaAlPrincipio(CopiaTexto(nombre));
        if (!BuscaEnLista(nombre, m_ListaNovedades)) m_ListaNovedades.InsertaAlPrincipio(CopiaTexto(nombre));
        m_bModificado = 1;
    } else if (!BuscaEnLista(nombre, m_ListaNovedades)) {
        m_ListaNovedades.InsertaAlPrincipio(CopiaTexto(nombre));
        m_bModificado = 1;
    }
}

void RegistroPerfil::QuitaRecienDesbloqueado(const char* nombre)
{
    if (QuitaDeLista(nombre, m_ListaRecienDesbloqueados)) m_bModificado = 1;
}

void RegistroPerfil::QuitaNovedades(const char* nombre)
{
    if (QuitaDeLista(nombre, m_ListaNovedades)) m_bModificado = 1;
}

int RegistroPerfil::CuentaSellosGaleria()
{
    int n = 0;
    for (int i = 0; i < NUM_SELLOS_GALERIA; ++i)
        if (EstaDesbloqueado(NombreMarcador(MARCADOR_PRIMER_SELLO_GALERIA + i))) ++n;
    return n;
}

// ---------------------------------------------------------------------------
// Save file

namespace {

const char* const kVersionRegistro = "PERFILVELQUISTVER";
const char* const kVersion = "0.0001A";
const char* const kRegistroDatos = "DATA";
const char* const kRegistroPuntos = "DATA2";
const char* const kRegistroTiempos = "DATA3";
const char* const kRegistroJugadas = "DATA4";
const char* const kListas[3] = {"BOTON_RECIEN_DESBLOQUEADO", "BOTON_BLOQUEADO", "BOTON_CON_NOVEDADES"};

bool NombreEs(const char* nombre, const char* esperado) { return nombre && strcasecmp(nombre, esperado) == 0; }

// Reads the next command and checks its name.
bool SiguienteEs(FitxerComandes* f, const char* esperado)
{
    return g_pGestorComandes->LlegeixComanda(f) && NombreEs(g_pGestorComandes->NomComanda(f), esperado);
}

// The order in which each record lists a block's integers.
template <class F>
void RecorreTiempos(F f)
{
    for (int r = 0; r < NUM_RANGOS; ++r)
        for (int t = 0; t < NUM_TABLAS_TIEMPOS; ++t) f(BloqueDificultad::IndiceTiempo(t, r));
}
template <class F>
void RecorrePuntos(F f)
{
    for (int r = 0; r < NUM_RANGOS; ++r)
        for (int t = 0; t < NUM_TABLAS_PUNTOS; ++t) f(BloqueDificultad::IndicePuntuacion(t, r));
}
template <class F>
void RecorreJugadas(int capitulo, F f)
{
    for (int p = 0; p < NUM_PARTES_JUGADA; ++p) f(BloqueDificultad::IndiceJugada(capitulo, p));
}

} // namespace

// Reads the records in file order; false at the first one that is missing or
// out of place. The values read are checked before anything uses them.
bool RegistroPerfil::LeeRegistros(FitxerComandes* f)
{
    CGestorComandes& gc = *g_pGestorComandes;
    if (!NombreEs(gc.NomComanda(f), kVersionRegistro) || !NombreEs(gc.LlegeixText(f), kVersion)) return false;

    if (!SiguienteEs(f, kRegistroDatos)) return false;
    const char* nombre = gc.LlegeixText(f);
    const size_t n = nombre ? std::min(std::strlen(nombre), size_t(LONGITUD_NOMBRE - 1)) : 0;
    if (n) std::memcpy(m_szNombre, nombre, n);
    m_szNombre[n] = '\0';
    for (BloqueDificultad& b : m_aBloques)
        for (int i = 0; i < BloqueDificultad::PRIMERA_PUNTUACION; ++i) b.m_aiDatos[i] = gc.LlegeixEnter(f);

    for (BloqueDificultad& b : m_aBloques) {
        if (!SiguienteEs(f, kRegistroPuntos)) return false;
        RecorrePuntos([&](int i) { b.m_aiDatos[i] = gc.LlegeixEnter(f); });
    }
    for (BloqueDificultad& b : m_aBloques) {
        if (!SiguienteEs(f, kRegistroTiempos)) return false;
        RecorreTiempos([&](int i) { b.m_aiDatos[i] = gc.LlegeixEnter(f); });
    }
    for (BloqueDificultad& b : m_aBloques)
        for (int c = 0; c < NUM_CAPITULOS_JUGADA; ++c) {
            if (!SiguienteEs(f, kRegistroJugadas)) return false;
            RecorreJugadas(c, [&](int i) { b.m_aiDatos[i] = gc.LlegeixEnter(f); });
        }
    for (BloqueDificultad& b : m_aBloques) b.Valida();

    // The lists, until the end or another record; names go in at the head.
    CLista* listas[3] = {&m_ListaRecienDesbloqueados, &m_ListaBloqueados, &m_ListaNovedades};
    while (gc.LlegeixComanda(f)) {
        const char* registro = gc.NomComanda(f);
        CLista* lista = nullptr;
        for (int k = 0; k < 3; ++k)
            if (NombreEs(registro, kListas[k])) lista = listas[k];
        if (!lista) break;
        while (const char* texto = gc.LlegeixText(f)) lista->InsertaAlPrincipio(CopiaTexto(texto));
    }
    return true;
}

bool RegistroPerfil::EscribeRegistros(FitxerComandes* f)
{
    CGestorComandes& gc = *g_pGestorComandes;
    bool ok = true;
    gc.EscriuNomComanda(f, kVersionRegistro);
    gc.EscriuText(f, kVersion);
    ok = gc.EscriuComanda(f) && ok;

    gc.EscriuNomComanda(f, kRegistroDatos);
    gc.EscriuText(f, m_szNombre);
    for (const BloqueDificultad& b : m_aBloques)
        for (int i = 0; i < BloqueDificultad::PRIMERA_PUNTUACION; ++i) gc.EscriuEnter(f, b.m_aiDatos[i]);
    ok = gc.EscriuComanda(f) && ok;

    for (const BloqueDificultad& b : m_aBloques) {
        gc.EscriuNomComanda(f, kRegistroPuntos);
        RecorrePuntos([&](int i) { gc.EscriuEnter(f, b.m_aiDatos[i]); });
        ok = gc.EscriuComanda(f) && ok;
    }
    for (const BloqueDificultad& b : m_aBloques) {
        gc.EscriuNomComanda(f, kRegistroTiempos);
        RecorreTiempos([&](int i) { gc.EscriuEnter(f, b.m_aiDatos[i]); });
        ok = gc.EscriuComanda(f) && ok;
    }
    for (const BloqueDificultad& b : m_aBloques)
        for (int c = 0; c < NUM_CAPITULOS_JUGADA; ++c) {
            gc.EscriuNomComanda(f, kRegistroJugadas);
            RecorreJugadas(c, [&](int i) { gc.EscriuEnter(f, b.m_aiDatos[i]); });
            ok = gc.EscriuComanda(f) && ok;
        }

    CLista* listas[3] = {&m_ListaRecienDesbloqueados, &m_ListaBloqueados, &m_ListaNovedades};
    for (int k = 0; k < 3; ++k) {
        CLista& l = *listas[k];
        if (l.EstaVacia()) continue;
        gc.EscriuNomComanda(f, kListas[k]);
        for (l.VaAlPrincipio(); !l.EsFinal(); l.Avanza()) gc.EscriuText(f, static_cast<const char*>(l.Actual()));
        ok = gc.EscriuComanda(f) && ok;
    }
    return ok;
}

// A file that is there but cannot be read as a profile is never overwritten
// and never read as a profile with everything unlocked (an empty locked
// list): it is kept aside as <file>.bad (or .bad1.., never over an earlier
// kept file) and the slot starts as it does with
// no file at all. When it cannot be moved aside, the record keeps the fresh
// defaults and forgets its path, so that no save can replace the file.
bool RegistroPerfil::Carga(const char* ruta, bool reset)
{
    Libera();
    Inicializa();
    if (!ruta || !ruta[0] || std::strlen(ruta) >= sizeof m_szRuta || !g_pGestorComandes) {
        SiembraListas();
        return false;
    }
    std::strcpy(m_szRuta, ruta);
    // What a save cut short left beside the file is never read.
    CGestorComandes::BorraTemporal(ruta);

    std::string real;
    const bool existe = plat::ResolveExisting(ruta, &real);
    bool danado = false;
    if (!reset && existe) {
        FitxerComandes* f = g_pGestorComandes->ObreLectura(ruta);
        const bool leido = f && LeeRegistros(f);
        if (f) g_pGestorComandes->Tanca(f);
        if (leido) {
            m_bCargado = 1;
            return true;
        }
        danado = true;
    }

    // A fresh profile, seeded with the initial markers.
    VaciaListas();
    Inicializa();
    std::strcpy(m_szRuta, ruta);
    SiembraListas();
    if (danado) {
        // Never over an earlier kept profile, unlike the settings: a kept
        // profile may be the player's real one, with a whole story in it.
        const std::string aparte = plat::KeepAside(real, plat::KeepAsidePolicy::KeepEvery);
        if (aparte.empty()) {
            plat::ReportError("profile %s cannot be read and cannot be moved aside; it is left untouched", ruta);
            m_szRuta[0] = '\0';
            return false;
        }
        plat::ReportError("profile %s cannot be read; kept as %s, the slot starts afresh", ruta, aparte.c_str());
    }
    if (!Guarda()) return false;
    m_bCargado = 1;
    return true;
}

// The profile is written whole to a temporary file beside the old one, put on
// disk, and renamed over it: a crash at any moment leaves the old or the new
// profile, never a mix or a cut one.
bool RegistroPerfil::Guarda()
{
    if (!m_bModificado) return true;
    if (!m_szRuta[0] || !g_pGestorComandes) return false;
    if (!g_pGestorComandes->EscriuFitxerSegur(m_szRuta, [this](FitxerComandes* f) { return EscribeRegistros(f); }))
        return false;
    m_bModificado = 0;
    return true;
}
