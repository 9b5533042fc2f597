#include "engine/core/ReceptorEntrada.h"

namespace {

// Hands the input to the application core while there is one.
class CReceptorAplicacion final : public CReceptorEntrada {
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

CReceptorAplicacion g_ReceptorAplicacion;
CReceptorEntrada* g_pReceptor = nullptr;

} // namespace

CReceptorEntrada* ReceptorEntrada() { return g_pReceptor ? g_pReceptor : &g_ReceptorAplicacion; }

void FijaReceptorEntrada(CReceptorEntrada* pReceptor) { g_pReceptor = pReceptor; }
