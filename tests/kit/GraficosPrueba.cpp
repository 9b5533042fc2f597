#include "kit/GraficosPrueba.h"

#include "engine/graphics/GestorFonts.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "platform/RenderDevice.h"
#include "platform/Window.h"

namespace kit {

CGraficosPrueba::CGraficosPrueba()
{
    m_fitxers = std::make_unique<mgtest::ServeisFitxers>(MG_TEST_DATA_ROOT);
    if (!m_fitxers->Correcte() || !plat::CreateMainWindow("test", false)) return;
    g_pSistema2D = new CSistema2D;
    const char* apFonts[NUM_FONTS] = {"Data\\Letras\\LaBrit.Set", "Data\\Letras\\VillageFont.Set",
                                      "Data\\Letras\\LaBritNumerosGrandes.Set"};
    if (!g_pSistema2D->Inicia(true, true) || !g_pSistema2D->CarregaFonts(apFonts)) return;
    m_cache = std::make_unique<CGestorSPMs>();
    g_pGestorSPMs = m_cache.get();
    m_bCorrecte = m_cache->Inicia();
}

CGraficosPrueba::~CGraficosPrueba()
{
    if (m_cache) m_cache->Vacia();
    g_pGestorSPMs = nullptr;
    m_cache.reset();
    delete g_pSistema2D;
    g_pSistema2D = nullptr;
    plat::DestroyMainWindow();
    m_fitxers.reset();
}

void CGraficosPrueba::Fondo(uint8_t r, uint8_t g, uint8_t b)
{
    g_pSistema2D->DibuixaQuadre(nullptr, 0, 0, 1024, 768, CSistema2D::FesColorARGB(r, g, b, 255), true);
    Olvida();
}

Pixel CGraficosPrueba::En(int x, int y)
{
    if (m_pantalla.empty() && !plat::ReadFrame(&m_pantalla)) return {-1, -1, -1};
    size_t i = (size_t(y) * plat::kFieldWidth + size_t(x)) * 4;
    return {m_pantalla[i], m_pantalla[i + 1], m_pantalla[i + 2]};
}

} // namespace kit
