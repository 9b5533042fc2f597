// Fuzzes the typing of a line: any bytes as the text of a waiting line of a
// scene that declares one element of every kind, so that the interpreter's
// commands (and the sequencer's) written inside it reach real elements; then
// up to 2000 frames with clicks. Nothing may crash, and every frame must return.
#include "ServiciosEscenaFuzz.h"
#include "game/story/JapSecTazmo.h"
#include "game/story/PersoSecTazmo.h"
#include "tests/kit/TextosPrueba.h"

#include <string>

namespace {

const char kGuion[] = "TAZMO_PREDECLARAPERSONAJE = \"Maida\";\n"
                      "TAZMO_PREDECLARAPERSONAJE = \"Asesino\";\n"
                      "TAZMO_PREDECLARAFONDO = \"FondoJardin\";\n"
                      "TAZMO_PREDECLARAIMAGEN = \"IlusMaidaDespierta\";\n"
                      "TAZMO_PREDECLARAEFECTO = \"FuenteMigas\";\n"
                      "TAZMO_PREDECLARAEFECTO = \"EsperitosLimbo\";\n"
                      "TAZMO_PREDECLARAEFECTO = \"TeresiaAtacaYRebota\";\n"
                      "TAZMO_PREDECLARAEFECTO = \"AdeletiaCargaSello\";\n"
                      "TAZMO_PREDECLARAEFECTO = \"LuzTarde\";\n"
                      "TAZMO_PREDECLARASONIDO = \"S\";\n"
                      "TAZMO_PREDECLARACANAL = \"C\";\n"
                      "JAPTXTSECUENCIA = 1, \"s.sec\", 0, 10;\n"
                      "JAPTXTLINE = \"NONE\", \"QF01\", 1;\n"
                      "ETIQUETA = \"otra\";\n"
                      "JAPTXTLINE = \"NONE\", \"QF01\", 0;\n"
                      "FIN = 1;\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!fuzz::IniciaServiciosEscena()) return 0;
    static bool guion = false;
    if (!guion) {
        guion = fuzz::EscribeEntrada("linea.txt", reinterpret_cast<const uint8_t*>(kGuion), sizeof kGuion - 1) &&
                fuzz::EscribeEntrada("s.sec", reinterpret_cast<const uint8_t*>("FIN = 20; LOOP = 15;"), 20);
        if (!guion) return 0;
    }
    // The line's text, replacing the previous input's.
    mgtest::PonTexto(fuzz::kIdiomaEscena, "QF01", std::string(reinterpret_cast<const char*>(data), size).c_str());
    CPersoSecTazmo::ActivaAjusteCaras((size & 1) != 0);
    CJapSecTazmo escena;
    const ConfigSecuenciador c = CJapSecTazmo::ConfigCaja();
    if (!escena.Carga("linea.txt", &c, 0)) return 0;
    fuzz::JuegaEscena(escena, 2000);
    return 0;
}
