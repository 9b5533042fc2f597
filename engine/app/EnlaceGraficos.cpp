#include "engine/app/EnlaceGraficos.h"

#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "platform/Window.h"

namespace {

// The graphics system once it has started, else null.
CSistema2D* Sistema2D() { return g_pSistema2D && g_pSistema2D->EstaIniciat() ? g_pSistema2D : nullptr; }

} // namespace

void CEnlaceGraficos::Flipa(bool bPermiteCambioModo)
{
    if (CSistema2D* p = Sistema2D())
        p->Flipa(bPermiteCambioModo);
    else
        plat::PresentBackBuffer();
}

bool CEnlaceGraficos::EsVentana()
{
    if (CSistema2D* p = Sistema2D()) return p->EsVentana();
    return !plat::IsFullscreen();
}

// Without the graphics system the platform's back buffer survives a switch:
// nothing to release or reload.
void CEnlaceGraficos::PassaAFullScreen()
{
    if (CSistema2D* p = Sistema2D()) p->PassaAFullScreen();
}

void CEnlaceGraficos::PassaAFinestra()
{
    if (CSistema2D* p = Sistema2D()) p->PassaAFinestra();
}

bool CEnlaceGraficos::CambiandoModo()
{
    CSistema2D* p = Sistema2D();
    return p && p->CambiandoModo();
}

bool CEnlaceGraficos::RestaurandoBitmaps()
{
    CSistema2D* p = Sistema2D();
    return p && p->RestaurandoBitmaps();
}

Sprite* CEnlaceGraficos::CreaSpriteCaptura()
{
    CSistema2D* p = Sistema2D();
    if (!p) return nullptr;
    Sprite* s = p->CreaSpriteDestino(false, 1024.0f, 768.0f, 512.0f, 384.0f, true);
    if (s) p->MarcaSpriteEnUs(s);
    return s;
}

void CEnlaceGraficos::AlliberaSprite(Sprite* pSprite)
{
    if (CSistema2D* p = Sistema2D()) p->AlliberaSprite(pSprite, true);
}

bool CEnlaceGraficos::PotCapturarPantalla()
{
    CSistema2D* p = Sistema2D();
    return p && p->PotCapturarPantalla();
}

void CEnlaceGraficos::CapturaPantallaActual(Sprite* pSprite)
{
    if (CSistema2D* p = Sistema2D()) p->CapturaPantallaActual(pSprite);
}

CSPM* CEnlaceGraficos::CopiaPaquete(const char* szRuta)
{
    CSPM* pCache = g_pGestorSPMs && szRuta ? g_pGestorSPMs->GetSPM(szRuta) : nullptr;
    if (!pCache) return nullptr;
    auto* p = new CSPM;
    if (!p->Copia(pCache)) {
        delete p;
        return nullptr;
    }
    return p;
}

void CEnlaceGraficos::BorraPaquete(CSPM* pPaquete) { delete pPaquete; }

void CEnlaceGraficos::MarcaEnUso(CSPM* pPaquete)
{
    pPaquete->MarcaEnUso();
    // Cursors and overlay show from the first frame on, before any screen
    // loads the images in use.
    if (CSistema2D* p = Sistema2D()) p->CarregaBitmapsEnUs();
}

void CEnlaceGraficos::IniciaAnimacion(CSPM* pPaquete, int iAnimacion) { pPaquete->IniciaAnimacion(iAnimacion); }

void CEnlaceGraficos::DibujaPaquete(CSPM* pPaquete, float x, float y) { pPaquete->Dibuja(x, y); }

void CEnlaceGraficos::EscalaVelo(CSPM* pVelo)
{
    Sprite* s = pVelo->GetSprite(0);
    if (!s || s->GetAmplada() <= 0.0f || s->GetAlcada() <= 0.0f) return;
    pVelo->PonEscala(1250.0f / s->GetAmplada(), 1000.0f / s->GetAlcada());
}

void CEnlaceGraficos::DibujaVelo(CSPM* pVelo, int iAlfa, uint8_t r, uint8_t g, uint8_t b)
{
    // A clear overlay covers nothing.
    CSistema2D* p = Sistema2D();
    if (!p || iAlfa <= 0) return;
    if (pVelo) {
        pVelo->PonColor(r, g, b);
        pVelo->PonAlfa(static_cast<uint8_t>(iAlfa));
        pVelo->DibujaSprite(0, 512.0f, 384.0f);
        return;
    }
    // Without the overlay's package a plain rectangle of the same extent
    // stands in for its sprite 0.
    p->DibuixaQuadre(nullptr, 512.0f - 625.0f, 384.0f - 500.0f, 1250.0f, 1000.0f,
                     CSistema2D::FesColorARGB(r, g, b, static_cast<uint8_t>(iAlfa)), true);
}

void CEnlaceGraficos::RecargaIdioma()
{
    CSistema2D* p = Sistema2D();
    if (!p) return;
    p->RecargaBitmapsTexto();
    p->RecargaBitmapsIdiomaticos();
    p->DescarregaBitmapsSenseUs();
    p->CarregaBitmapsEnUs();
}

void* CEnlaceGraficos::CreaContextoHilo() { return plat::CreateSharedContext(); }

bool CEnlaceGraficos::UsaContextoHilo(void* pContexto) { return plat::MakeContextCurrent(pContexto); }

void CEnlaceGraficos::SueltaContextoHilo() { plat::ReleaseCurrentContext(); }

void CEnlaceGraficos::BorraContextoHilo(void* pContexto) { plat::DeleteSharedContext(pContexto); }
