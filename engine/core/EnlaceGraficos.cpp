#include "engine/core/EnlaceGraficos.h"

#include "platform/Window.h"

void CEnlaceGraficos::Flipa(bool) { plat::PresentBackBuffer(); }

bool CEnlaceGraficos::EsVentana() { return !plat::IsFullscreen(); }

// The platform's back buffer survives a switch: nothing to release or reload.
void CEnlaceGraficos::PassaAFullScreen() {}

void CEnlaceGraficos::PassaAFinestra() {}

void* CEnlaceGraficos::CreaContextoHilo() { return plat::CreateSharedContext(); }

bool CEnlaceGraficos::UsaContextoHilo(void* pContexto) { return plat::MakeContextCurrent(pContexto); }

void CEnlaceGraficos::SueltaContextoHilo() { plat::ReleaseCurrentContext(); }

void CEnlaceGraficos::BorraContextoHilo(void* pContexto) { plat::DeleteSharedContext(pContexto); }
