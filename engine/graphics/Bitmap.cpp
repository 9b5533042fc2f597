#include "engine/graphics/Bitmap.h"

#include "engine/graphics/Sprite.h"

Bitmap::~Bitmap() { AlliberaDades(); }

void Bitmap::AlliberaDades()
{
    delete[] m_szFitxer;
    m_szFitxer = nullptr;
    delete[] m_szText;
    m_szText = nullptr;
    delete m_pSpritePropi;
    m_pSpritePropi = nullptr;
}
