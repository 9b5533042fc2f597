#include "engine/audio/BancoRanuras.h"

#include "engine/audio/RanuraMusica.h"
#include "engine/audio/RanuraSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/FaltasContenido.h"
#include "engine/core/GestorComandes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>

CBancoRanuras* g_pBancoRanuras = nullptr;

CBancoRanuras::~CBancoRanuras() { Libera(); }

void CBancoRanuras::Libera()
{
    for (int i = 0; i < MAX_MUSICA; ++i) {
        delete m_pMusica[i];
        m_pMusica[i] = nullptr;
    }
    // A sound definition drops its owner references on its samples.
    for (int i = 0; i < MAX_SONIDO; ++i) {
        delete m_pSonido[i];
        m_pSonido[i] = nullptr;
    }
    m_iNumMusica = 0;
    m_iNumSonido = 0;
    m_bCargado = 0;
}

void CBancoRanuras::CreaRanurasPorDefecto()
{
    auto* m = new CRanuraMusica;
    m->PonNombre(motor::musica::ESTANDAR);
    m->m_iModo = 0;
    m->AgregaPieza(motor::pieza::ESTANDAR_A);
    m->AgregaPieza(motor::pieza::ESTANDAR_B);
    m->AgregaPieza(motor::pieza::ESTANDAR_D);
    m_pMusica[0] = m;
    m_iNumMusica = 1;
    auto* s = new CRanuraSonido;
    s->PonNombre(motor::sonido::ESTANDAR);
    s->AgregaMuestraBucle(motor::muestra::RANURA_SONIDO_NO_EXISTE);
    m_pSonido[0] = s;
    m_iNumSonido = 1;
}

int CBancoRanuras::BuscaRanuraSonido(const char* nombre)
{
    if (!nombre) return -1;
    for (int i = 1; i < m_iNumSonido; ++i)
        if (m_pSonido[i] && m_pSonido[i]->m_szNombre[0] && strcasecmp(m_pSonido[i]->m_szNombre, nombre) == 0) return i;
    AnotaFaltaContenido(TipoFalta::RanuraSonido, nombre);
    return 0;
}

CRanuraSonido* CBancoRanuras::GetRanuraSonido(int indice)
{
    unsigned i = static_cast<unsigned>(indice);
    if (i >= MAX_SONIDO || !m_pSonido[i]) return m_pSonido[0];
    return m_pSonido[i];
}

int CBancoRanuras::BuscaRanuraMusica(const char* nombre)
{
    if (!nombre) return 0;
    for (int i = 1; i < m_iNumMusica; ++i)
        if (m_pMusica[i] && m_pMusica[i]->m_szNombre[0] && strcasecmp(m_pMusica[i]->m_szNombre, nombre) == 0) return i;
    // Asking for no music at all is no fault.
    if (nombre[0]) AnotaFaltaContenido(TipoFalta::RanuraMusica, nombre);
    return 0;
}

CRanuraMusica* CBancoRanuras::GetRanuraMusica(int indice)
{
    unsigned i = static_cast<unsigned>(indice);
    if (i >= MAX_MUSICA || !m_pMusica[i]) return m_pMusica[0];
    return m_pMusica[i];
}

CRanuraMusica* CBancoRanuras::GetRanuraMusicaPorNombre(const char* nombre)
{
    return GetRanuraMusica(BuscaRanuraMusica(nombre));
}

// ---- the two slot files ------------------------------------------------------

namespace {

bool EsNombre(const char* nombre, const char* clave) { return nombre && strcasecmp(nombre, clave) == 0; }
bool EsExacto(const char* nombre, const char* clave) { return nombre && std::strcmp(nombre, clave) == 0; }

// The record's first line, already read: the version line with value 1.
bool EsVersion1(FitxerComandes* f, const char* clave)
{
    if (!EsNombre(g_pGestorComandes->NomComanda(f), clave)) return false;
    g_pGestorComandes->RebobinaParametres(f);
    return g_pGestorComandes->LlegeixEnter(f) == 1;
}

} // namespace

// Both readers start on the record's first line (read by the bank) and, for a
// valid record, leave the file on its end line.
bool CRanuraSonido::Lee(FitxerComandes* f)
{
    CGestorComandes* g = g_pGestorComandes;
    if (!EsVersion1(f, "RANURASONIDO_VER")) return false;
    while (g->LlegeixComanda(f)) {
        const char* k = g->NomComanda(f);
        if (!k) continue;
        if (EsExacto(k, "RANURASONIDO_FIN")) return true;
        if (EsExacto(k, "RANURASONIDO_NOMBRE")) {
            PonNombre(g->LlegeixText(f));
        } else if (EsExacto(k, "RANURASONIDO_MUESTRA_ENTRADA")) {
            AgregaMuestraEntrada(g->LlegeixText(f));
        } else if (EsExacto(k, "RANURASONIDO_MUESTRA_BUCLE")) {
            AgregaMuestraBucle(g->LlegeixText(f));
        } else if (EsExacto(k, "RANURASONIDO_MUESTRA_SALIDA")) {
            AgregaMuestraSalida(g->LlegeixText(f));
        } else if (EsExacto(k, "RANURASONIDO_VOLUMEN")) {
            float v = g->LlegeixReal(f);
            m_fVolumen = std::isfinite(v) ? std::clamp(v, 0.0f, 1.0f) : 1.0f;
        } else if (EsExacto(k, "RANURASONIDO_PESO")) {
            float v = g->LlegeixReal(f);
            m_fPeso = std::isfinite(v) ? std::max(v, 0.0f) : 1.0f;
        } else if (EsExacto(k, "RANURASONIDO_POSICION")) {
            m_fX = g->LlegeixReal(f);
            m_fY = g->LlegeixReal(f);
            m_fZ = g->LlegeixReal(f);
        } else if (EsExacto(k, "RANURASONIDO_ATENDER_OYENTE")) {
            m_bAtenderOyente = g->LlegeixEnter(f) == 1 ? 1 : 0;
        } else if (EsExacto(k, "RANURASONIDO_FADE_IN_ENTRADA")) {
            m_iFadeIn = g->LlegeixEnter(f);
        } else if (EsExacto(k, "RANURASONIDO_FADE_OUT_SALIDA")) {
            m_iFadeOut = g->LlegeixEnter(f);
        } else if (EsExacto(k, "RANURASONIDO_CRITERIO_BUCLE")) {
            m_iCriterioBucle = g->LlegeixEnter(f);
        }
    }
    // The end of the file closes the record.
    return true;
}

bool CRanuraMusica::Lee(FitxerComandes* f)
{
    CGestorComandes* g = g_pGestorComandes;
    if (!EsVersion1(f, "RANURAMUSICA_VER")) return false;
    while (g->LlegeixComanda(f)) {
        const char* k = g->NomComanda(f);
        if (!k) continue;
        if (EsNombre(k, "RANURAMUSICA_FIN")) break;
        if (EsNombre(k, "RANURAMUSICA_NOMBRE")) {
            PonNombre(g->LlegeixText(f));
        } else if (EsNombre(k, "RANURAMUSICA_PIEZA")) {
            AgregaPieza(g->LlegeixText(f));
        } else if (EsNombre(k, "RANURAMUSICA_MODO_REPRODUCCION")) {
            m_iModo = g->LlegeixEnter(f);
        } else if (EsNombre(k, "RANURAMUSICA_VOLUMEN")) {
            float v = g->LlegeixReal(f);
            m_fVolumen = std::isfinite(v) ? std::clamp(v, 0.0f, 1.0f) : 1.0f;
        } else if (EsNombre(k, "RANURAMUSICA_PESO")) {
            float v = g->LlegeixReal(f);
            m_fPeso = std::isfinite(v) ? std::max(v, 0.0f) : 1.0f;
        }
    }
    // A record without pieces would have nothing to take in turn: refused,
    // it keeps no data.
    if (m_iNumPiezas == 0) {
        m_szNombre[0] = 0;
        return false;
    }
    return true;
}

// For every record start a new slot; a valid record was read up to its end
// line, an invalid one leaves its first line to be looked at again (it may
// start the next record). The file counts as read when its last record was
// valid.
template <class T>
static bool LeeRegistros(FitxerComandes* f, const char* inicio, T** ranuras, int* num, int maximo)
{
    CGestorComandes* g = g_pGestorComandes;
    bool ultimaValida = false;
    bool hay = true;
    while (hay) {
        if (!EsNombre(g->NomComanda(f), inicio)) {
            hay = g->LlegeixComanda(f);
            continue;
        }
        if (*num >= maximo) break;
        T* r = new T;
        ranuras[(*num)++] = r;
        if (!g->LlegeixComanda(f)) {
            ultimaValida = false;
            break;
        }
        ultimaValida = r->Lee(f);
        if (ultimaValida) hay = g->LlegeixComanda(f);
    }
    return ultimaValida;
}

bool CBancoRanuras::LeeRanurasMusica(FitxerComandes* f)
{
    return LeeRegistros(f, "RANURAMUSICA", m_pMusica, &m_iNumMusica, int(MAX_MUSICA));
}

bool CBancoRanuras::LeeRanurasSonido(FitxerComandes* f)
{
    return LeeRegistros(f, "RANURASONIDO", m_pSonido, &m_iNumSonido, int(MAX_SONIDO));
}

bool CBancoRanuras::Carga(const char* ficheroMusica, const char* ficheroSonido)
{
    Libera();
    m_sFicheroIlegible.clear();
    if (!g_pGestorComandes) return false;
    CreaRanurasPorDefecto();
    bool ok = false;
    if (FitxerComandes* f = g_pGestorComandes->ObreLectura(ficheroMusica)) {
        ok = LeeRanurasMusica(f);
        g_pGestorComandes->Tanca(f);
    }
    if (!ok) m_sFicheroIlegible = ficheroMusica ? ficheroMusica : "";
    if (ok) {
        ok = false;
        if (FitxerComandes* f = g_pGestorComandes->ObreLectura(ficheroSonido)) {
            ok = LeeRanurasSonido(f);
            g_pGestorComandes->Tanca(f);
        }
        if (!ok) m_sFicheroIlegible = ficheroSonido ? ficheroSonido : "";
    }
    if (!ok) {
        Libera();
        return false;
    }
    m_bCargado = 1;
    return true;
}
