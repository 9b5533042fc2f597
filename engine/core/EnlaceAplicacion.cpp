#include "engine/core/EnlaceAplicacion.h"

namespace {

// Without an application core events go nowhere and nothing is styled.
class CEnlaceSinAplicacion final : public CEnlaceAplicacion {
public:
    void EnviaEvento(int, int, const char*, int) override {}
    EstiloObjeto* Estilo(int) override { return nullptr; }
    bool CambiaMusica(const char*) override { return true; }
    const char* NombreMusica() override { return ""; }
};

CEnlaceSinAplicacion g_EnlaceSinAplicacion;
CEnlaceAplicacion* g_pEnlace = nullptr;

} // namespace

void EstiloObjeto::Limpia()
{
    m_szCapa1[0] = m_szCapa2[0] = m_szIcono[0] = m_szSonidoFoco[0] = m_szSonidoPulsar[0] = '\0';
    m_iFlagsSinFoco = m_iFlagsConFoco = m_iFlagsPulsado = m_iFlagsOculto = m_iFlagsMarcado = 0;
    for (int i = 0; i < 3; ++i) m_aColorCapa1[i] = m_aColorCapa2[i] = 255;
}

CEnlaceAplicacion* EnlaceAplicacion() { return g_pEnlace ? g_pEnlace : &g_EnlaceSinAplicacion; }

void FijaEnlaceAplicacion(CEnlaceAplicacion* pEnlace) { g_pEnlace = pEnlace; }
