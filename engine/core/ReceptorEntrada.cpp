#include "engine/core/ReceptorEntrada.h"

#include "engine/core/Aplicacion.h"

namespace {

// Hands the input to the application core while there is one.
class CReceptorAplicacion final : public CReceptorEntrada {
public:
    bool Activo() override { return g_pAplicacion && g_pAplicacion->EstaActiva(); }
    void ProcesaTecla(int iTecla) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaTecla(iTecla);
    }
    void ProcesaCaracter(char c) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaCaracter(c);
    }
    void ProcesaBotonRaton(int iRaton, int iEvento, float x, float y) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaBotonRaton(iRaton, iEvento, x, y);
    }
    void ProcesaMovimientoRaton(int iRaton, float x, float y) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaMovimientoRaton(iRaton, x, y);
    }
    void ProcesaEjeMando(CMando* pMando, int iEje, int iValor) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaEjeMando(pMando, iEje, iValor);
    }
    void ProcesaBotonMando(CMando* pMando, int iBoton) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaBotonMando(pMando, iBoton);
    }
    void AlternaPantallaCompleta() override
    {
        if (g_pAplicacion) g_pAplicacion->AlternaPantallaCompleta();
    }
};

CReceptorAplicacion g_ReceptorAplicacion;
CReceptorEntrada* g_pReceptor = nullptr;

} // namespace

CReceptorEntrada* ReceptorEntrada() { return g_pReceptor ? g_pReceptor : &g_ReceptorAplicacion; }

void FijaReceptorEntrada(CReceptorEntrada* pReceptor) { g_pReceptor = pReceptor; }
