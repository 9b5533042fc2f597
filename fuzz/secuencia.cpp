// Fuzzes the animated-sequence loader and player: any bytes loaded as a
// sequence file (a nested sequence named "a.sec" or "b.sec" is the same
// input again, so self-inclusion and A -> B -> A are reached), then 300
// frames played and drawn. Nothing may crash or hang, and no position, scale
// or angle that is not a number may be there to draw.
#include "ServiciosSonidoFuzz.h"
#include "engine/audio/BancoRanuras.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/sequences/Secuencia.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

bool Iniciado()
{
    static bool iniciado = false;
    if (iniciado) return true;
    if (!fuzz::IniciaServiciosSonido()) return false;
    static CBancoRanuras banco;
    banco.CreaRanurasPorDefecto();
    CSecuencia::PonBancoRanuras(&banco);
    g_pGestorSPMs = new CGestorSPMs;
    g_pGestorSPMs->Inicia();
    std::atexit([] {
        CSecuencia::PonBancoRanuras(nullptr);
        delete g_pGestorSPMs;
        g_pGestorSPMs = nullptr;
    });
    iniciado = true;
    return true;
}

bool Finito(float f) { return std::isfinite(f); }

// Everything that a draw would place, scale or turn, in this sequence and
// the ones it holds.
void CompruebaFinito(const CSecuencia& s)
{
    for (int i = 0; i < kNumObjetosSecuencia; ++i) {
        const ObjetoSecuencia& o = s.Objeto(i);
        if (!o.bCargado) continue;
        if (!Finito(o.x) || !Finito(o.y) || !Finito(o.fEscalaX) || !Finito(o.fEscalaY) || !Finito(o.fAngulo))
            __builtin_trap();
        const CSPM* p = o.pSPM.get();
        if (!p || !Finito(p->m_fEscalaX) || !Finito(p->m_fEscalaY) || !Finito(p->m_fRotacion)) __builtin_trap();
    }
    for (int i = 0; i < kNumCapasSecuencia; ++i) {
        const CapaScroll& c = s.Capa(i);
        if (!c.bCargada) continue;
        if (!Finito(c.x) || !Finito(c.y) || !Finito(c.pSPM->m_fEscalaX) || !Finito(c.pSPM->m_fEscalaY))
            __builtin_trap();
    }
    for (int i = 0; i < kNumSubSecuencias; ++i)
        if (s.Sub(i).bPresente) CompruebaFinito(*s.Sub(i).pSecuencia);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!Iniciado()) return 0;
    if (!fuzz::EscribeEntrada("a.sec", data, size) || !fuzz::EscribeEntrada("b.sec", data, size)) return 0;
    CSecuencia s;
    if (!s.Carga("a.sec")) return 0;
    s.CargaRecursos();
    for (int i = 0; i < 300; ++i) {
        s.Actualiza();
        // The pause points hold it: resume, so the whole timeline is played.
        s.PideReanudar();
        CompruebaFinito(s);
        s.Dibuja(nullptr);
    }
    s.DescargaRecursos();
    return 0;
}
