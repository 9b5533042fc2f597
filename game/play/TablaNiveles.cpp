#include "game/play/TablaNiveles.h"

#include "engine/core/GestorComandes.h"
#include "game/Personajes.h"
#include "platform/Platform.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <strings.h>

namespace {

enum class Clave {
    JAPSECINTRO, JAPSECOUTRO, FLINOMBRE, FLIPRESENTACION, FLIFINAL, CAPDESBLOQ, PARTEDESBLOQ, FONDO, TAPIZ,
    FIGURA, FIGURA_SOLO_SELLOS, IMAGENFINAL_SOLO_SELLOS, MULTIFIGURA_SOLO_SELLOS, MULTIIMAGENFINAL_SOLO_SELLOS,
    IDPERSO, IDPERSOVS, NUMCOLORES, SECSPARAINICIO, VELCONSUMOLINEA, ACCCONSUMOLINEA, PUNTUACIONOBJETIVO,
    MODOJUEGO, TIEMPOLIMITE, PAR, JUGABLE, TRAZAR_TIEMPODESVANECIMIENTOLINEA_MS, TRAZAR_VELOCIDADGIROFIGURA_RAD,
    TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS, TRAZAR_TIEMPODESVANECIMIENTOESQUIRLASTRASILUMINAR_MS,
    TRAZAR_NUMPISTASSIGUIENTEESQUIRLA, PORCENTAJEBONUSES, ATAQUEINCREMENTAL, ATAQUEENEMIGO, RUSHDESELLOS,
    IMAGENFINAL, RANURAMUSICA, FIGURASSOLOCONCENTRARINICIO, FIGURASSOLOCONCENTRARMITAD,
    FIGURASSOLOCONCENTRARFINAL, PUNTUACIONINICIALSOLOCONCENTRAR, TIEMPOEXTRAPORNIVELSOLOCONCENTRAR,
    INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR, TIEMPOEXTRAALACABARSOLOCONCENTRAR,
    INCREMENTOPUNTUACIONALACABARSOLOCONCENTRAR, NIVELACTIVACIONBONUSESSOLOCONCENTRAR,
    PORCENTAJEBONUSESSOLOCONCENTRAR, MAXNIVEL_SOLOCONCENTRAR, ATAQUES_SOLOATAQUES,
    TIEMPOINICIALENTREOLEADAS_SOLOATAQUES, TIEMPOFINALENTREOLEADAS_SOLOATAQUES, MAXNIVEL_SOLOATAQUES, CONSEJO,
    PERSOS_SON_ENEMIGOS,
};

struct NombreClave {
    const char* nombre;
    Clave clave;
};

#define MG_CLAVE(n) {#n, Clave::n}
// The keys of a level file, sorted once for a search that ignores case.
struct TablaClaves {
    std::vector<NombreClave> claves = {
        MG_CLAVE(JAPSECINTRO), MG_CLAVE(JAPSECOUTRO), MG_CLAVE(FLINOMBRE), MG_CLAVE(FLIPRESENTACION),
        MG_CLAVE(FLIFINAL), MG_CLAVE(CAPDESBLOQ), MG_CLAVE(PARTEDESBLOQ), MG_CLAVE(FONDO), MG_CLAVE(TAPIZ),
        MG_CLAVE(FIGURA), MG_CLAVE(FIGURA_SOLO_SELLOS), MG_CLAVE(IMAGENFINAL_SOLO_SELLOS),
        MG_CLAVE(MULTIFIGURA_SOLO_SELLOS), MG_CLAVE(MULTIIMAGENFINAL_SOLO_SELLOS), MG_CLAVE(IDPERSO),
        MG_CLAVE(IDPERSOVS), MG_CLAVE(NUMCOLORES), MG_CLAVE(SECSPARAINICIO), MG_CLAVE(VELCONSUMOLINEA),
        MG_CLAVE(ACCCONSUMOLINEA), MG_CLAVE(PUNTUACIONOBJETIVO), MG_CLAVE(MODOJUEGO), MG_CLAVE(TIEMPOLIMITE),
        MG_CLAVE(PAR), MG_CLAVE(JUGABLE), MG_CLAVE(TRAZAR_TIEMPODESVANECIMIENTOLINEA_MS),
        MG_CLAVE(TRAZAR_VELOCIDADGIROFIGURA_RAD), MG_CLAVE(TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS),
        MG_CLAVE(TRAZAR_TIEMPODESVANECIMIENTOESQUIRLASTRASILUMINAR_MS),
        MG_CLAVE(TRAZAR_NUMPISTASSIGUIENTEESQUIRLA), MG_CLAVE(PORCENTAJEBONUSES), MG_CLAVE(ATAQUEINCREMENTAL),
        MG_CLAVE(ATAQUEENEMIGO), MG_CLAVE(RUSHDESELLOS), MG_CLAVE(IMAGENFINAL), MG_CLAVE(RANURAMUSICA),
        MG_CLAVE(FIGURASSOLOCONCENTRARINICIO), MG_CLAVE(FIGURASSOLOCONCENTRARMITAD),
        MG_CLAVE(FIGURASSOLOCONCENTRARFINAL), MG_CLAVE(PUNTUACIONINICIALSOLOCONCENTRAR),
        MG_CLAVE(TIEMPOEXTRAPORNIVELSOLOCONCENTRAR), MG_CLAVE(INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR),
        MG_CLAVE(TIEMPOEXTRAALACABARSOLOCONCENTRAR), MG_CLAVE(INCREMENTOPUNTUACIONALACABARSOLOCONCENTRAR),
        MG_CLAVE(NIVELACTIVACIONBONUSESSOLOCONCENTRAR), MG_CLAVE(PORCENTAJEBONUSESSOLOCONCENTRAR),
        MG_CLAVE(MAXNIVEL_SOLOCONCENTRAR), MG_CLAVE(ATAQUES_SOLOATAQUES),
        MG_CLAVE(TIEMPOINICIALENTREOLEADAS_SOLOATAQUES), MG_CLAVE(TIEMPOFINALENTREOLEADAS_SOLOATAQUES),
        MG_CLAVE(MAXNIVEL_SOLOATAQUES), MG_CLAVE(CONSEJO), MG_CLAVE(PERSOS_SON_ENEMIGOS),
    };
    TablaClaves()
    {
        std::sort(claves.begin(), claves.end(),
                  [](const NombreClave& a, const NombreClave& b) { return strcasecmp(a.nombre, b.nombre) < 0; });
    }
    const Clave* Busca(const char* nombre) const
    {
        auto it = std::lower_bound(claves.begin(), claves.end(), nombre, [](const NombreClave& a, const char* n) {
            return strcasecmp(a.nombre, n) < 0;
        });
        if (it == claves.end() || strcasecmp(it->nombre, nombre) != 0) return nullptr;
        return &it->clave;
    }
};
#undef MG_CLAVE

const TablaClaves& Claves()
{
    static const TablaClaves tabla;
    return tabla;
}

// A text longer than its field keeps the field's length.
void LeeTexto(CGestorComandes& lector, FitxerComandes* f, std::string& destino, size_t maximo)
{
    const char* t = lector.LlegeixText(f);
    if (!t) return;
    destino.assign(t, strnlen(t, maximo));
}

template <size_t N>
void AnadeTexto(CGestorComandes& lector, FitxerComandes* f, std::array<std::string, N>& lista, int& cuantos)
{
    if (cuantos < 0 || static_cast<size_t>(cuantos) >= N) return;
    LeeTexto(lector, f, lista[static_cast<size_t>(cuantos)], LONGITUD_TEXTO_NIVEL);
    ++cuantos;
}

template <size_t N>
void LeeTextos(CGestorComandes& lector, FitxerComandes* f, std::array<std::string, N>& lista)
{
    for (std::string& t : lista) LeeTexto(lector, f, t, LONGITUD_TEXTO_NIVEL);
}

template <size_t N>
void LeeEnteros(CGestorComandes& lector, FitxerComandes* f, std::array<int, N>& lista)
{
    for (int& v : lista) v = lector.LlegeixEnter(f);
}

int LeeModoJuego(const char* palabra, int actual)
{
    if (!palabra) return actual;
    static const char* const kModos[] = {"HISTORIA", "SOLO_SELLOS", "SOLO_ATAQUES", "SOLO_CONCENTRAR"};
    for (int i = 0; i < 4; ++i)
        if (strcasecmp(palabra, kModos[i]) == 0) return i;
    return actual;
}

// Seconds of the file to steps, held where the product fits an int; a
// negative value means no limit.
int SegundosAPasos(int segundos)
{
    if (segundos < 0) return -1;
    return segundos > INT_MAX / 30 ? INT_MAX / 30 * 30 : segundos * 30;
}

} // namespace

int LeeIndicePersonaje(CGestorComandes& lector, FitxerComandes* fichero)
{
    const char* palabra = lector.LlegeixText(fichero);
    if (!palabra) return BONUS_GENERAL;
    static const char* const kPalabras[NUM_REGISTROS_BONUS] = {"GENERAL", "ALFATIMA", "ALDUNIA", "ADELETIA",
                                                               "STOKINNEN"};
    for (int i = 0; i < NUM_REGISTROS_BONUS; ++i)
        if (strcasecmp(palabra, kPalabras[i]) == 0) return i;
    return BONUS_GENERAL;
}

void LeePorcentajesBonus(PorcentajesBonus& registro, CGestorComandes& lector, FitxerComandes* fichero)
{
    registro.m_iPeriodo = lector.LlegeixEnter(fichero);
    std::array<float, NUM_TIPOS_BONUS> pesos{};
    float suma = 0.0f;
    for (float& p : pesos) {
        const int v = lector.LlegeixEnter(fichero);
        p = v > 0 ? static_cast<float>(v) : 0.0f;
        suma += p;
    }
    if (suma >= 0.0001f) {
        for (size_t i = 0; i < pesos.size(); ++i) registro.m_afPorcentajes[i] = pesos[i] / suma;
        registro.m_bValido = true;
    } else {
        registro.m_bValido = false;
    }
}

CTablaNiveles::CTablaNiveles() : m_aEntradas(NUM_FILAS_CATALOGO) {}

void CTablaNiveles::Reinicia()
{
    for (EntradaNivel& e : m_aEntradas) e.Inicializa();
    m_sFicheroQueFalta.clear();
}

EntradaNivel* CTablaNiveles::Entrada(int dificultad, int grupo, int parte)
{
    const int i = IndiceCatalogo(dificultad, grupo, parte);
    return i < 0 ? nullptr : &m_aEntradas[static_cast<size_t>(i)];
}

const EntradaNivel* CTablaNiveles::Entrada(int dificultad, int grupo, int parte) const
{
    const int i = IndiceCatalogo(dificultad, grupo, parte);
    return i < 0 ? nullptr : &m_aEntradas[static_cast<size_t>(i)];
}

bool CTablaNiveles::EligeNivel(int grupo, int parte, int dificultad, RegistroNivel& actual) const
{
    const EntradaNivel* e = Entrada(dificultad, grupo, parte);
    if (!e) {
        actual.Inicializa();
        return false;
    }
    actual = e->m_Registro;
    return true;
}

bool CTablaNiveles::CargaNiveles(CGestorComandes& lector)
{
    Reinicia();
    for (const FilaCatalogoNiveles& fila : CatalogoNiveles()) {
        FitxerComandes* f = lector.ObreLectura(fila.m_sRuta.c_str());
        if (!f) {
            // Its caller names it in its own failure.
            m_sFicheroQueFalta = fila.m_sRuta;
            return false;
        }
        bool bEntero = true;
        LeeNivel(fila, lector, f, &bEntero);
        lector.Tanca(f);
        if (!bEntero) {
            m_sFicheroQueFalta = fila.m_sRuta;
            return false;
        }
    }
    return true;
}

bool CTablaNiveles::LeeNivel(const FilaCatalogoNiveles& fila, CGestorComandes& lector, FitxerComandes* f,
                             bool* pbEntero)
{
    if (pbEntero) *pbEntero = false;
    EntradaNivel* e = Entrada(fila.m_iDificultad, fila.m_iGrupo, fila.m_iParte);
    if (!e || !f) return false;
    RegistroNivel& r = e->m_Registro;
    r.m_iGrupo = fila.m_iGrupo;
    r.m_iParte = fila.m_iParte;
    r.m_iTutorial = fila.m_iTutorial;
    int ataques = 0;

    bool bEntero = true;
    do {
        const char* nombre = lector.NomComanda(f);
        if (!nombre) continue;
        const Clave* clave = Claves().Busca(nombre);
        if (!clave) {
            bEntero = false;
            continue;
        }
        switch (*clave) {
        case Clave::JAPSECINTRO: LeeTexto(lector, f, e->JAPSECINTRO, LONGITUD_TEXTO_NIVEL); break;
        case Clave::JAPSECOUTRO: LeeTexto(lector, f, e->JAPSECOUTRO, LONGITUD_TEXTO_NIVEL); break;
        case Clave::FLINOMBRE: r.FLINOMBRE = lector.LlegeixCodi(f); break;
        case Clave::FLIPRESENTACION: r.FLIPRESENTACION = lector.LlegeixCodi(f); break;
        case Clave::FLIFINAL: r.FLIFINAL = lector.LlegeixCodi(f); break;
        case Clave::CAPDESBLOQ: e->CAPDESBLOQ = lector.LlegeixEnter(f); break;
        case Clave::PARTEDESBLOQ: e->PARTEDESBLOQ = lector.LlegeixEnter(f); break;
        case Clave::FONDO: LeeTexto(lector, f, r.FONDO, LONGITUD_TEXTO_NIVEL); break;
        case Clave::TAPIZ: {
            // A number outside the built-in figures is no figure (a byte
            // would turn 300 into 44).
            const int n = lector.LlegeixEnter(f);
            r.TAPIZ = (n >= 0 && n < NUM_FIGURAS_TRAZADO) ? static_cast<uint8_t>(n) : TAPIZ_NINGUNO;
            break;
        }
        case Clave::FIGURA: LeeTexto(lector, f, r.FIGURA, LONGITUD_TEXTO_NIVEL); break;
        case Clave::FIGURA_SOLO_SELLOS: AnadeTexto(lector, f, r.FIGURA_SOLO_SELLOS, r.m_iNumFigurasSoloSellos); break;
        case Clave::IMAGENFINAL_SOLO_SELLOS:
            AnadeTexto(lector, f, r.IMAGENFINAL_SOLO_SELLOS, r.m_iNumImagenesSoloSellos);
            break;
        case Clave::MULTIFIGURA_SOLO_SELLOS:
            AnadeTexto(lector, f, r.MULTIFIGURA_SOLO_SELLOS, r.m_iNumMultiFigurasSoloSellos);
            break;
        case Clave::MULTIIMAGENFINAL_SOLO_SELLOS:
            if (r.m_iNumMultiImagenesSoloSellos < MAX_MULTIFIGURAS_SOLO_SELLOS) {
                LeeTextos(lector, f, r.MULTIIMAGENFINAL_SOLO_SELLOS[static_cast<size_t>(r.m_iNumMultiImagenesSoloSellos)]);
                ++r.m_iNumMultiImagenesSoloSellos;
            }
            break;
        case Clave::IDPERSO: {
            // Values outside the key table would read outside it: ignored.
            const Personaje* p = PersonajePorClaveNivel(lector.LlegeixEnter(f));
            if (p) {
                r.m_Personaje.m_bElegido = true;
                r.m_Personaje.m_iPersonaje = p->m_iNumero;
                r.m_Personaje.m_bFijado = true;
            }
            break;
        }
        case Clave::IDPERSOVS: {
            const Personaje* p = PersonajePorClaveNivel(lector.LlegeixEnter(f));
            if (p) r.IDPERSOVS = p->m_iNumero;
            break;
        }
        case Clave::NUMCOLORES:
            // No colour at all would give pieces the colour -1.
            r.NUMCOLORES = std::clamp(lector.LlegeixEnter(f), 1, 8);
            break;
        case Clave::SECSPARAINICIO: r.SECSPARAINICIO = static_cast<float>(lector.LlegeixEnter(f)) * 30.0f; break;
        case Clave::VELCONSUMOLINEA: r.VELCONSUMOLINEA = lector.LlegeixReal(f); break;
        case Clave::ACCCONSUMOLINEA: r.ACCCONSUMOLINEA = lector.LlegeixReal(f); break;
        case Clave::PUNTUACIONOBJETIVO: r.PUNTUACIONOBJETIVO = lector.LlegeixEnter(f); break;
        case Clave::MODOJUEGO: r.MODOJUEGO = LeeModoJuego(lector.LlegeixText(f), r.MODOJUEGO); break;
        case Clave::TIEMPOLIMITE: r.TIEMPOLIMITE = SegundosAPasos(lector.LlegeixEnter(f)); break;
        case Clave::PAR: r.PAR = lector.LlegeixEnter(f); break;
        case Clave::JUGABLE: r.JUGABLE = lector.LlegeixEnter(f) != 0; break;
        case Clave::TRAZAR_TIEMPODESVANECIMIENTOLINEA_MS:
            r.TRAZAR_TIEMPODESVANECIMIENTOLINEA_MS = lector.LlegeixEnter(f);
            break;
        case Clave::TRAZAR_VELOCIDADGIROFIGURA_RAD: r.TRAZAR_VELOCIDADGIROFIGURA_RAD = lector.LlegeixReal(f); break;
        case Clave::TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS:
            r.TRAZAR_TIEMPODESVANECIMIENTOESQUIRLAS_MS = lector.LlegeixEnter(f);
            break;
        case Clave::TRAZAR_TIEMPODESVANECIMIENTOESQUIRLASTRASILUMINAR_MS:
            r.TRAZAR_TIEMPODESVANECIMIENTOESQUIRLASTRASILUMINAR_MS = lector.LlegeixEnter(f);
            break;
        case Clave::TRAZAR_NUMPISTASSIGUIENTEESQUIRLA: r.TRAZAR_NUMPISTASSIGUIENTEESQUIRLA = lector.LlegeixEnter(f); break;
        case Clave::PORCENTAJEBONUSES: {
            const int i = LeeIndicePersonaje(lector, f);
            LeePorcentajesBonus(r.PORCENTAJEBONUSES[static_cast<size_t>(i)], lector, f);
            break;
        }
        case Clave::ATAQUEINCREMENTAL: r.ATAQUEINCREMENTAL = lector.LlegeixEnter(f) != 0; break;
        case Clave::ATAQUEENEMIGO:
            if (ataques < NUM_ATAQUES_NIVEL) {
                const size_t n = static_cast<size_t>(ataques);
                const int tipo = lector.LlegeixEnter(f);
                r.ATAQUEENEMIGO.m_aiTipo[n] = (tipo >= 0 && tipo < NUM_TIPOS_MALDICION) ? tipo : 0;
                r.ATAQUEENEMIGO.m_aiEspera[n] = lector.LlegeixEnter(f);
                r.ATAQUEENEMIGO.m_aiDuracion[n] = lector.LlegeixEnter(f);
                r.ATAQUEENEMIGO.m_aiIntervalo[n] = lector.LlegeixEnter(f);
            }
            ++ataques;
            break;
        case Clave::RUSHDESELLOS: r.RUSHDESELLOS = true; break;
        case Clave::IMAGENFINAL: {
            const int i = lector.LlegeixEnter(f);
            if (i >= 0 && i < NUM_IMAGENES_FINALES)
                LeeTexto(lector, f, r.IMAGENFINAL[static_cast<size_t>(i)], LONGITUD_TEXTO_NIVEL);
            break;
        }
        case Clave::RANURAMUSICA: LeeTexto(lector, f, r.RANURAMUSICA, LONGITUD_RANURA_MUSICA); break;
        case Clave::FIGURASSOLOCONCENTRARINICIO: LeeTextos(lector, f, r.FIGURASSOLOCONCENTRARINICIO); break;
        case Clave::FIGURASSOLOCONCENTRARMITAD: LeeTextos(lector, f, r.FIGURASSOLOCONCENTRARMITAD); break;
        case Clave::FIGURASSOLOCONCENTRARFINAL: LeeTextos(lector, f, r.FIGURASSOLOCONCENTRARFINAL); break;
        case Clave::PUNTUACIONINICIALSOLOCONCENTRAR: r.PUNTUACIONINICIALSOLOCONCENTRAR = lector.LlegeixEnter(f); break;
        case Clave::TIEMPOEXTRAPORNIVELSOLOCONCENTRAR: LeeEnteros(lector, f, r.TIEMPOEXTRAPORNIVELSOLOCONCENTRAR); break;
        case Clave::INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR:
            LeeEnteros(lector, f, r.INCREMENTOPUNTUACIONPORNIVELSOLOCONCENTRAR);
            break;
        case Clave::TIEMPOEXTRAALACABARSOLOCONCENTRAR:
            r.TIEMPOEXTRAALACABARSOLOCONCENTRAR = lector.LlegeixEnter(f);
            break;
        case Clave::INCREMENTOPUNTUACIONALACABARSOLOCONCENTRAR:
            r.INCREMENTOPUNTUACIONALACABARSOLOCONCENTRAR = lector.LlegeixEnter(f);
            break;
        case Clave::NIVELACTIVACIONBONUSESSOLOCONCENTRAR:
            LeeEnteros(lector, f, r.NIVELACTIVACIONBONUSESSOLOCONCENTRAR);
            break;
        case Clave::PORCENTAJEBONUSESSOLOCONCENTRAR: {
            const int i = LeeIndicePersonaje(lector, f);
            LeePorcentajesBonus(r.PORCENTAJEBONUSESSOLOCONCENTRAR[static_cast<size_t>(i)], lector, f);
            break;
        }
        case Clave::MAXNIVEL_SOLOCONCENTRAR: r.MAXNIVEL_SOLOCONCENTRAR = lector.LlegeixEnter(f); break;
        case Clave::ATAQUES_SOLOATAQUES: LeeTexto(lector, f, r.ATAQUES_SOLOATAQUES, LONGITUD_TEXTO_NIVEL); break;
        case Clave::TIEMPOINICIALENTREOLEADAS_SOLOATAQUES:
            r.TIEMPOINICIALENTREOLEADAS_SOLOATAQUES = lector.LlegeixEnter(f);
            break;
        case Clave::TIEMPOFINALENTREOLEADAS_SOLOATAQUES:
            r.TIEMPOFINALENTREOLEADAS_SOLOATAQUES = lector.LlegeixEnter(f);
            break;
        case Clave::MAXNIVEL_SOLOATAQUES: r.MAXNIVEL_SOLOATAQUES = lector.LlegeixEnter(f); break;
        case Clave::CONSEJO:
            if (r.m_iNumConsejos < MAX_CONSEJOS) r.CONSEJO[static_cast<size_t>(r.m_iNumConsejos++)] = lector.LlegeixCodi(f);
            break;
        case Clave::PERSOS_SON_ENEMIGOS: r.PERSOS_SON_ENEMIGOS = lector.LlegeixEnter(f) == 1; break;
        }
    } while (lector.LlegeixComanda(f));
    if (pbEntero) *pbEntero = bEntero && !f->m_bFinalIncomplet;
    return true;
}

size_t CTablaNiveles::BytesTabla() const
{
    auto texto = [](const std::string& s) {
        // What a text owns beyond its own object (nothing while it fits in
        // place).
        return s.capacity() > std::string().capacity() ? s.capacity() + 1 : 0;
    };
    size_t bytes = sizeof(*this) + m_aEntradas.capacity() * sizeof(EntradaNivel);
    for (const EntradaNivel& e : m_aEntradas) {
        const RegistroNivel& r = e.m_Registro;
        bytes += texto(e.JAPSECINTRO) + texto(e.JAPSECOUTRO) + texto(r.FONDO) + texto(r.FIGURA) +
                 texto(r.RANURAMUSICA) + texto(r.ATAQUES_SOLOATAQUES);
        for (const auto* lista : {&r.FIGURA_SOLO_SELLOS, &r.IMAGENFINAL_SOLO_SELLOS})
            for (const std::string& s : *lista) bytes += texto(s);
        for (const std::string& s : r.MULTIFIGURA_SOLO_SELLOS) bytes += texto(s);
        for (const auto& fila : r.MULTIIMAGENFINAL_SOLO_SELLOS)
            for (const std::string& s : fila) bytes += texto(s);
        for (const auto* pool : {&r.FIGURASSOLOCONCENTRARINICIO, &r.FIGURASSOLOCONCENTRARMITAD,
                                 &r.FIGURASSOLOCONCENTRARFINAL})
            for (const std::string& s : *pool) bytes += texto(s);
        for (const std::string& s : r.IMAGENFINAL) bytes += texto(s);
    }
    return bytes;
}
