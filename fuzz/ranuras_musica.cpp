// Fuzzes the music-slot file: the bank loads or refuses it, every slot keeps
// its limits, and a loaded slot that has pieces can be played in turn.
#include "ServiciosSonidoFuzz.h"
#include "engine/audio/BancoRanuras.h"
#include "engine/audio/RanuraMusica.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t mida)
{
    if (!fuzz::IniciaServiciosSonido() || !fuzz::EscribeEntrada("Fuzz.crm", datos, mida)) return 0;
    static const char kSonido[] = "RANURASONIDO = ;\nRANURASONIDO_VER = 1;\nRANURASONIDO_NOMBRE = \"S\";\n"
                                  "RANURASONIDO_FIN = ;\n";
    if (!fuzz::EscribeEntrada("Fuzz.crs", reinterpret_cast<const uint8_t*>(kSonido), sizeof kSonido - 1)) return 0;
    CBancoRanuras banco;
    if (!banco.Carga("Fuzz.crm", "Fuzz.crs")) return 0;
    if (banco.NumRanurasMusica() < 1 || banco.NumRanurasMusica() > CBancoRanuras::MAX_MUSICA) __builtin_trap();
    for (int i = 0; i < banco.NumRanurasMusica(); ++i) {
        CRanuraMusica* r = banco.GetRanuraMusica(i);
        if (!r || r->m_iNumPiezas < 0 || r->m_iNumPiezas > 10) __builtin_trap();
        if (std::strlen(r->m_szNombre) >= sizeof r->m_szNombre) __builtin_trap();
        for (int p = 0; p < r->m_iNumPiezas; ++p)
            if (std::strlen(r->m_szPiezas[p]) >= sizeof r->m_szPiezas[p]) __builtin_trap();
        if (i > 0 && r->m_szNombre[0] && banco.BuscaRanuraMusica(r->m_szNombre) <= 0) __builtin_trap();
        // Choosing pieces in turn (the files do not exist: nothing opens).
        CRanuraMusica copia;
        copia.CopiaDe(*r);
        for (int k = 0; k < 3; ++k) copia.Toca(2);
        copia.Libera();
    }
    return 0;
}
