// The wave-file reader on arbitrary files: no crash, no undefined
// behaviour, only waves 0..49 with kinds 1..11 and finite positions; and a
// write read back gives the same waves.
#include "ServiciosFuzz.h"
#include "game/play/FicheroOleadas.h"

#include <cmath>
#include <cstdint>

namespace {

void Comprueba(bool condicion)
{
    if (!condicion) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!fuzz::IniciaServiciosFicheros()) return 0;
    if (!fuzz::EscribeEntrada("oleadas.OLA", data, size)) return 0;
    static OleadasGuardadas leidas, releidas;
    if (!LeeOleadas("oleadas.OLA", leidas)) return 0;
    for (const Oleada& o : leidas)
        for (const AtaqueOleada& a : o) {
            Comprueba(a.m_iTipo >= TIPO_MALDICION_MINIMO && a.m_iTipo <= TIPO_MALDICION_MAXIMO);
            Comprueba(std::isfinite(a.m_fX) && std::isfinite(a.m_fY) && std::isfinite(a.m_fAngulo));
        }
    const std::string ruta = plat::DataRoot() + "/escritas.OLA";
    Comprueba(EscribeOleadas(ruta.c_str(), leidas));
    Comprueba(LeeOleadas(ruta.c_str(), releidas));
    for (size_t w = 0; w < leidas.size(); ++w) {
        const Oleada& a = leidas[w];
        const Oleada& b = releidas[w];
        Comprueba(a.size() == b.size());
        // The write keeps the list order and the read reverses it.
        for (size_t i = 0; i < a.size(); ++i) {
            const AtaqueOleada& x = a[i];
            const AtaqueOleada& y = b[a.size() - 1 - i];
            Comprueba(x.m_iTipo == y.m_iTipo && x.m_iDesfase == y.m_iDesfase);
            // Reals are written with their shortest exact form or close to it.
            Comprueba(std::fabs(x.m_fX - y.m_fX) <= 1e-3f * (1.0f + std::fabs(x.m_fX)));
            Comprueba(std::fabs(x.m_fY - y.m_fY) <= 1e-3f * (1.0f + std::fabs(x.m_fY)));
            Comprueba(std::fabs(x.m_fAngulo - y.m_fAngulo) <= 1e-3f * (1.0f + std::fabs(x.m_fAngulo)));
        }
    }
    return 0;
}
