// The archive index reader: any text is accepted or rejected cleanly, and
// lookups over whatever was accepted stay in bounds.
#include "engine/core/SistemaFitxers.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CSistemaFitxers* s = [] {
        auto* p = new CSistemaFitxers;
        p->Inicia("Kestrune", "Marrowgate");
        return p;
    }();
    const char* text = reinterpret_cast<const char*>(data);
    if (!s->LlegeixIndex(size ? text : "", size)) return 0;
    // Look every entry up again by its own name and by a doubled separator.
    for (const DirectoriArxiu& d : s->Directoris()) {
        std::string dir = d.m_sNom.substr(1);
        for (const EntradaFitxer& e : d.m_aFitxers) {
            s->BuscaAlArxiu((dir + "\\" + e.m_sNom).c_str());
            s->BuscaAlArxiu((dir + "\\\\" + e.m_sNom).c_str());
        }
        CSistemaFitxers::ComparaRutes(d.m_sNom.c_str(), dir.c_str());
    }
    s->BuscaAlArxiu(std::string(text, size).c_str());
    return 0;
}
