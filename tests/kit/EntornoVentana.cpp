#include "kit/EntornoVentana.h"

#include "engine/graphics/Sistema2D.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

namespace kit {

void EntornoVentana::IniciaVentana(const std::string& arrel)
{
    m_pFitxers = std::make_unique<mgtest::ServeisFitxers>(arrel);
    ASSERT_TRUE(m_pFitxers->Correcte());
    m_bVentana = plat::CreateMainWindow("test", false);
    ASSERT_TRUE(m_bVentana);
    m_pSis = new CSistema2D;
    g_pSistema2D = m_pSis;
    ASSERT_TRUE(m_pSis->Inicia(true, true));
}

void EntornoVentana::TearDown()
{
    delete m_pSis;
    m_pSis = nullptr;
    g_pSistema2D = nullptr;
    if (m_bVentana) plat::DestroyMainWindow();
    m_bVentana = false;
    m_pFitxers.reset();
}

void EntornoVentana::Reinicia(bool bVentana, bool bTextures32) { ASSERT_TRUE(m_pSis->Inicia(bVentana, bTextures32)); }

void EntornoVentana::Fondo(uint8_t r, uint8_t g, uint8_t b)
{
    m_pSis->DibuixaQuadre(nullptr, 0, 0, 1024, 768, CSistema2D::FesColorARGB(r, g, b, 255), true);
}

void EntornoVentana::LeePantalla() { ASSERT_TRUE(plat::ReadFrame(&m_aPantalla)); }

} // namespace kit
