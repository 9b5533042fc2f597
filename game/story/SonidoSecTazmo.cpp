#include "game/story/SonidoSecTazmo.h"

#include "engine/audio/GestorSonido.h"
#include "engine/audio/RanuraSonido.h"

#include <cstring>

namespace {
bool NombreValido(const char* sz) { return sz && std::strlen(sz) <= kMaxNombreSonidoEscena; }
} // namespace

// ---- Sounds ----

CSonidoSecTazmo::~CSonidoSecTazmo() { SueltaInstancia(); }

void CSonidoSecTazmo::SueltaInstancia()
{
    if (m_pInstancia && g_pGestorSonido) g_pGestorSonido->LiberaInstanciaSonido(m_pInstancia);
    m_pInstancia = nullptr;
}

bool CSonidoSecTazmo::Carga(const char* szRanura)
{
    SueltaInstancia();
    m_bCargado = false;
    m_iIndice = -1;
    m_sNombre.clear();
    if (!NombreValido(szRanura)) return false;
    m_sNombre = szRanura;
    m_iIndice = g_pGestorSonido ? g_pGestorSonido->BuscaRanuraSonido(szRanura) : -1;
    m_bCargado = true;
    return true;
}

void CSonidoSecTazmo::Lanza(bool bBucle)
{
    SueltaInstancia();
    if (!g_pGestorSonido) return;
    m_pInstancia = bBucle ? g_pGestorSonido->TocaRanuraSonidoBucle(m_iIndice, -1, false)
                          : g_pGestorSonido->TocaRanuraSonido(m_iIndice, false);
}

void CSonidoSecTazmo::Para()
{
    if (m_pInstancia && !m_pInstancia->EstaInactiva()) m_pInstancia->Para(1);
}

void CSonidoSecTazmo::CargaRecursos()
{
    if (g_pGestorSonido) g_pGestorSonido->MarcaRanuraSonidoEnUso(m_iIndice);
}

void CSonidoSecTazmo::DescargaRecursos()
{
    if (g_pGestorSonido) g_pGestorSonido->DesmarcaRanuraSonidoEnUso(m_iIndice);
}

// ---- Channels ----

CCanalSecTazmo::~CCanalSecTazmo()
{
    if (m_pCanal && g_pGestorSonido) g_pGestorSonido->ParaCanal(m_pCanal, false);
    m_pCanal = nullptr;
}

bool CCanalSecTazmo::Carga(const char* szNombre)
{
    if (m_pCanal && g_pGestorSonido) g_pGestorSonido->ParaCanal(m_pCanal, false);
    m_pCanal = nullptr;
    m_bCargado = false;
    m_sNombre.clear();
    if (!NombreValido(szNombre)) return false;
    m_sNombre = szNombre;
    m_bCargado = true;
    return true;
}

void CCanalSecTazmo::TocaMusica(const char* szRanura)
{
    if (!g_pGestorSonido || !szRanura) return;
    // The channel of the name: the held one while it exists (asking for it
    // revives it when it was stopping), a new one when it is gone.
    m_pCanal = g_pGestorSonido->GetCanal(m_sNombre.c_str());
    g_pGestorSonido->TocaRanuraMusicaEnCanal(m_pCanal, szRanura, -1);
}

void CCanalSecTazmo::ParaMusica()
{
    if (m_pCanal && g_pGestorSonido) g_pGestorSonido->ParaCanal(m_pCanal, true);
    m_pCanal = nullptr;
}
