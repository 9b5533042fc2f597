#include "Textos.h"

#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"

#include <map>
#include <strings.h>

namespace escena {

bool ConstruyeTabla(const std::string& base, const std::string& nombreBase, const std::vector<LineaEscena>& lineas,
                    std::string* salida, std::vector<Fallo>* fallos)
{
    const size_t antes = fallos->size();
    // The codes the table source holds, read as the game reads them.
    // The game tells texts by their packed code (the first four characters).
    std::map<int32_t, std::string> codigos; // code -> where it was written
    const auto* datos = reinterpret_cast<const unsigned char*>(base.data());
    size_t pos = 0;
    int textos = 0;
    while (pos < base.size()) {
        FitxerComandes f;
        size_t usados = 0;
        if (!CGestorComandes::LlegeixComandaDe(datos + pos, base.size() - pos, &usados, &f) || usados == 0) break;
        pos += usados;
        if (strcasecmp(f.m_sNom.c_str(), "FLI") != 0 || f.m_aParametres.size() < 2) continue;
        const std::string codigo = f.m_aParametres[0].m_sText;
        ++textos;
        if (!codigos.emplace(CodigoFLI(codigo.c_str()), nombreBase).second)
            fallos->push_back({nombreBase, 0, "the code " + codigo + " is written twice"});
    }
    std::string texto = base;
    if (!texto.empty() && texto.back() != '\n') texto += "\n";
    texto += "\n// The story scenes' lines (added by the build).\n";
    for (const LineaEscena& l : lineas) {
        ++textos;
        auto [it, nuevo] = codigos.emplace(CodigoFLI(l.codigo.c_str()), l.origen);
        if (!nuevo) fallos->push_back({l.origen, l.linea, "the code " + l.codigo + " is already used by " + it->second});
        texto += "FLI = \"" + l.codigo + "\", \"" + l.texto + "\";\n";
    }
    if (textos > kMaxTextosTabla)
        fallos->push_back({nombreBase, 0,
                           "the table would hold " + std::to_string(textos) + " texts; the game keeps " +
                               std::to_string(kMaxTextosTabla)});
    if (!AWindows1252(texto, salida)) fallos->push_back({nombreBase, 0, "a text has a character the game's fonts do not have"});
    return fallos->size() == antes;
}

} // namespace escena
