#include "game/play/herramientas/HerramientaEventoSonido.h"

#include "engine/audio/GestorSonido.h"
#include "game/CatalogoJuego.h"

#include <array>

namespace {

constexpr std::array<const char*, CHerramientaEventoSonido::kNumFanfarrias> kFanfarrias = {
    juego::musica::RAN_FANFARRIA_COMPLETA_SELLO,    juego::musica::RAN_FANFARRIA_SELLO_COMPLETADO,
    juego::musica::RAN_FANFARRIA_CONCENTRA_ENERGIA, juego::musica::RAN_FANFARRIA_ENERGIA_CONCENTRADA,
    juego::musica::RAN_FANFARRIA_DERROTA,           juego::musica::RAN_FANFARRIA_VICTORIA_CAPITULO,
    juego::musica::RAN_FANFARRIA_VICTORIA_EPISODIO,
};
constexpr int kUnaVez = 1;

} // namespace

const char* CHerramientaEventoSonido::RanuraFanfarria(int iFanfarria)
{
    return iFanfarria >= 0 && iFanfarria < kNumFanfarrias ? kFanfarrias[static_cast<size_t>(iFanfarria)] : nullptr;
}

void CHerramientaEventoSonido::TocaFanfarria(int iFanfarria)
{
    const char* szRanura = RanuraFanfarria(iFanfarria);
    if (!m_bCreado || !szRanura) return;
    m_iUltima = iFanfarria;
    if (g_pGestorSonido) g_pGestorSonido->TocaRanuraMusica(szRanura, kCanal, kUnaVez);
}
