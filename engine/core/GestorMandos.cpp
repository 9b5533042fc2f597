#include "engine/core/GestorMandos.h"

#include "engine/core/ReceptorEntrada.h"

#include <cstdio>
#include <cstring>

CGestorMandos* g_pMandos = nullptr;

// ---- CMando ---------------------------------------------------------------------

CMando::CMando() = default;

CMando::~CMando() { Libera(); }

void CMando::Libera()
{
    plat::CloseController(m_pDispositivo);
    m_pDispositivo = nullptr;
    m_bPresente = 0;
    m_bPerdido = 0;
}

void CMando::Actualiza()
{
    if (!m_pDispositivo) return;
    plat::ControllerState estado;
    if (!plat::ReadController(m_pDispositivo, &estado)) {
        if (!plat::ControllerAttached(m_pDispositivo)) m_bPresente = 0;
        return;
    }
    const plat::ControllerState anterior = m_EstadoAnterior;
    m_EstadoAnterior = estado;
    CReceptorEntrada* receptor = ReceptorEntrada();
    for (int eje = 0; eje < 3; ++eje)
        if (estado.axes[eje] != anterior.axes[eje]) receptor->ProcesaEjeMando(this, eje, estado.axes[eje]);
    for (int b = 0; b < plat::kControllerButtons; ++b)
        if (estado.buttons[b] != anterior.buttons[b] && (estado.buttons[b] & 0x80)) receptor->ProcesaBotonMando(this, b);
}

// ---- CGestorMandos -----------------------------------------------------------------

CGestorMandos::CGestorMandos() = default;

CGestorMandos::~CGestorMandos()
{
    if (m_bIniciado) Libera();
}

bool CGestorMandos::Inicia()
{
    if (m_bIniciado) Libera();
    m_iNumMandos = 0;
    m_iContadorSondeo = 0;
    m_bIniciado = 1;
    // Without the controller subsystem there is simply nothing to find.
    if (plat::OpenControllers()) EnumeraMandos();
    return true;
}

void CGestorMandos::Libera()
{
    for (CMando& m : m_Mandos) m.Libera();
    m_iNumMandos = 0;
    if (m_bIniciado) plat::CloseControllers();
    m_bIniciado = 0;
}

void CGestorMandos::EnumeraMandos()
{
    for (int i = 0; i < m_iNumMandos; ++i) m_Mandos[i].m_bPerdido = 1;
    const int n = plat::ControllerCount();
    for (int i = 0; i < n; ++i) {
        plat::ControllerId id;
        char nombre[sizeof m_Mandos[0].m_szNombre];
        if (!plat::ControllerInfo(i, &id, nombre, sizeof nombre)) continue;
        void* dispositivo = plat::OpenController(i);
        if (!dispositivo) continue; // a device that cannot be opened is skipped
        AnadeMando(id.bytes, nombre, dispositivo);
    }
}

bool CGestorMandos::AnadeMando(const uint8_t* guid, const char* nombre, void* dispositivo)
{
    CMando* m = BuscaMando(guid);
    if (!m) {
        if (m_iNumMandos >= kMaxMandos) {
            plat::CloseController(dispositivo);
            return false;
        }
        m = &m_Mandos[m_iNumMandos++];
        std::memcpy(m->m_Guid, guid, sizeof m->m_Guid);
        m->m_EstadoAnterior = plat::ControllerState{};
    }
    // The new device first, then the old one goes: the same device opened
    // twice stays open.
    void* viejo = m->m_pDispositivo;
    m->m_pDispositivo = dispositivo;
    plat::CloseController(viejo);
    std::snprintf(m->m_szNombre, sizeof m->m_szNombre, "%s", nombre ? nombre : "");
    m->m_bPresente = 1;
    m->m_bPerdido = 0;
    return true;
}

void CGestorMandos::Actualiza()
{
    if (!m_bIniciado) return;
    bool ausente = false;
    for (int i = 0; i < m_iNumMandos; ++i) {
        m_Mandos[i].Actualiza();
        if (!m_Mandos[i].m_bPresente) ausente = true;
    }
    if (ausente && ++m_iContadorSondeo > kSondeosAntesDeBuscar) {
        m_iContadorSondeo = 0;
        EnumeraMandos();
    }
}

CMando* CGestorMandos::BuscaMando(const uint8_t* guid)
{
    if (!guid) return nullptr;
    for (int i = 0; i < m_iNumMandos; ++i)
        if (std::memcmp(m_Mandos[i].m_Guid, guid, sizeof m_Mandos[i].m_Guid) == 0) return &m_Mandos[i];
    return nullptr;
}

CMando* CGestorMandos::Mando(int i) { return i >= 0 && i < m_iNumMandos ? &m_Mandos[i] : nullptr; }
