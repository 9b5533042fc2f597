// Fuzzes the text-table reader: a .FLI command file loaded into a table and
// every text of it fetched.
#include "ServiciosFuzz.h"
#include "engine/core/GestorFLIs.h"

#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t mida)
{
    if (!fuzz::IniciaServiciosFicheros() || !fuzz::EscribeEntrada("Fuzz.FLI", datos, mida)) return 0;
    auto tablas = std::make_unique<CGestorFLIs>();
    tablas->Inicia();
    tablas->CargaFichero("Fuzz.FLI", 1);
    tablas->SeleccionaIdioma(1);
    const int indice = tablas->BuscaIndice(1);
    if (indice >= 0) {
        const TablaFLI& t = tablas->m_aTablas[indice];
        for (int i = 0; i < t.m_iNumTextos; ++i) {
            const char* texto = tablas->GetTexto(t.m_aEntradas[i].m_iCodigo);
            if (!texto || std::strlen(texto) > 9999) __builtin_trap();
        }
    }
    tablas->Libera();
    return 0;
}
