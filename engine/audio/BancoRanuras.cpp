#include "engine/audio/BancoRanuras.h"

#include "engine/audio/RanuraMusica.h"
#include "engine/audio/RanuraSonido.h"

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
    m->PonNombre("RANURA_MUSICA_ESTANDAR");
    m->m_iModo = 0;
    m->AgregaPieza("QuarnData\\Audio\\Musica\\A.ogg");
    m->AgregaPieza("QuarnData\\Audio\\Musica\\B.ogg");
    m->AgregaPieza("QuarnData\\Audio\\Musica\\D.ogg");
    m_pMusica[0] = m;
    m_iNumMusica = 1;
    auto* s = new CRanuraSonido;
    s->PonNombre("RANURA_SONIDO_ESTANDAR");
    s->AgregaMuestraBucle("QuarnData\\Audio\\Sonido\\RanuraSonidoNoExiste.wav");
    m_pSonido[0] = s;
    m_iNumSonido = 1;
}

int CBancoRanuras::BuscaRanuraSonido(const char* nombre)
{
    if (!nombre) return -1;
    for (int i = 1; i < m_iNumSonido; ++i)
        if (m_pSonido[i] && m_pSonido[i]->m_szNombre[0] && strcasecmp(m_pSonido[i]->m_szNombre, nombre) == 0) return i;
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
