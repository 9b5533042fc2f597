#include "game/story/EfectoDibujable.h"

#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"

#include <algorithm>

namespace {

enum { NEBLINA_MANYANA = 38, NEBLINA_TARDE = 39, LUZ_TARDE = 40 };

// How each veil is laid over the field.
struct ComoVelo {
    float escalaX, escalaY;
    float alfa; // at full strength
    ColorRGB color;
    int fusion;
};
ComoVelo VeloDe(int iTipo)
{
    switch (iTipo) {
    case NEBLINA_MANYANA: return {34.133335f, 3.0f, 190.0f, ColorRGB(0, 197, 255), 0};
    case NEBLINA_TARDE: return {34.133335f, 3.0f, 190.0f, ColorRGB(255, 78, 0), 0};
    default: return {34.133335f, 25.6f, 255.0f, ColorRGB(255, 199, 50), SPRITE_MINIM};
    }
}

} // namespace

CEfectoDibujable::CEfectoDibujable() = default;
CEfectoDibujable::~CEfectoDibujable() = default;

bool CEfectoDibujable::Carga(int iTipo)
{
    m_pPaquete.reset();
    m_bCreado = false;
    m_fVelo = 0.0f;
    m_iFramesVelo = 0;
    m_bActivo = false;
    if (!CEfectoSecTazmo::Carga(iTipo)) return false;
    m_pPaquete = CopiaPaqueteCache(juego::paquete::EFECTOS_SECUENCIA);
    if (!m_pPaquete) {
        m_bCargado = false;
        return false;
    }
    m_bCreado = true;
    return true;
}

void CEfectoDibujable::Limpia()
{
    m_bActivo = false;
    m_iFramesVelo = 0;
    m_fVelo = 0.0f;
}

void CEfectoDibujable::Actualiza()
{
    // Counted in whole frames, so the veil is exactly full or gone at the end.
    m_iFramesVelo = std::clamp(m_iFramesVelo + (m_bActivo ? 1 : -1), 0, kFramesFundido);
    m_fVelo = float(m_iFramesVelo) / float(kFramesFundido);
}

void CEfectoDibujable::Dibuja(bool bDelante, Sprite*)
{
    if (!bDelante || !m_pPaquete || !(m_fVelo > 0.0f)) return;
    const ComoVelo v = VeloDe(m_iTipo);
    m_pPaquete->PonEscala(v.escalaX, v.escalaY);
    m_pPaquete->PonAlfa(uint8_t(std::clamp(int(m_fVelo * v.alfa), 0, 255)));
    m_pPaquete->PonColor(v.color.r, v.color.g, v.color.b);
    m_pPaquete->PonFusion(v.fusion, ColorRGB(255, 255, 255));
    m_pPaquete->DibujaSprite(kSpriteVelo, 512.0f, 0.0f);
}

void CEfectoDibujable::CargaRecursos()
{
    if (m_pPaquete) m_pPaquete->MarcaEnUso();
}

void CEfectoDibujable::DescargaRecursos()
{
    if (m_pPaquete) m_pPaquete->DesmarcaEnUso();
}
