// Fuzzes the sound-slot file: the bank loads or refuses it, every slot keeps
// its limits, and every name it holds is found.
#include "ServiciosSonidoFuzz.h"
#include "engine/audio/BancoRanuras.h"
#include "engine/audio/RanuraSonido.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t mida)
{
    if (!fuzz::IniciaServiciosSonido() || !fuzz::EscribeEntrada("Fuzz.crs", datos, mida)) return 0;
    static const char kMusica[] = "RANURAMUSICA = ;\nRANURAMUSICA_VER = 1;\nRANURAMUSICA_NOMBRE = \"M\";\n"
                                  "RANURAMUSICA_PIEZA = \"M.ogg\";\nRANURAMUSICA_FIN = ;\n";
    if (!fuzz::EscribeEntrada("Fuzz.crm", reinterpret_cast<const uint8_t*>(kMusica), sizeof kMusica - 1)) return 0;
    {
        CBancoRanuras banco;
        if (banco.Carga("Fuzz.crm", "Fuzz.crs")) {
            if (banco.NumRanurasSonido() < 1 || banco.NumRanurasSonido() > CBancoRanuras::MAX_SONIDO) __builtin_trap();
            for (int i = 0; i < banco.NumRanurasSonido(); ++i) {
                CRanuraSonido* r = banco.GetRanuraSonido(i);
                if (!r || r->m_iNumEntrada > 10 || r->m_iNumBucle > 10 || r->m_iNumSalida > 10) __builtin_trap();
                if (std::strlen(r->m_szNombre) >= sizeof r->m_szNombre) __builtin_trap();
                int j = banco.BuscaRanuraSonido(r->m_szNombre);
                if (i > 0 && r->m_szNombre[0] && (j <= 0 || j > i)) __builtin_trap();
            }
        }
    }
    g_pSistemaSonido->DescargaMuestrasSinUso();
    if (g_pSistemaSonido->NumMuestras() != 0) __builtin_trap(); // nothing kept after the bank goes
    return 0;
}
