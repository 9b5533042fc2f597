#include "engine/core/ReceptorEntrada.h"

namespace {

// Without an application core every input is dropped.
class CReceptorSinAplicacion final : public CReceptorEntrada {
public:
    bool Activo() override { return false; }
    void ProcesaTecla(int) override {}
    void ProcesaCaracter(char) override {}
    void ProcesaBotonRaton(int, int, float, float) override {}
    void ProcesaMovimientoRaton(int, float, float) override {}
    void ProcesaEjeMando(CMando*, int, int) override {}
    void ProcesaBotonMando(CMando*, int) override {}
    void AlternaPantallaCompleta() override {}
};

CReceptorSinAplicacion g_ReceptorSinAplicacion;
CReceptorEntrada* g_pReceptorAplicacion = nullptr;
CReceptorEntrada* g_pReceptor = nullptr;

} // namespace

CReceptorEntrada* ReceptorEntrada()
{
    if (g_pReceptor) return g_pReceptor;
    return g_pReceptorAplicacion ? g_pReceptorAplicacion : &g_ReceptorSinAplicacion;
}

void FijaReceptorEntrada(CReceptorEntrada* pReceptor) { g_pReceptor = pReceptor; }

void FijaReceptorAplicacion(CReceptorEntrada* pReceptor) { g_pReceptorAplicacion = pReceptor; }
