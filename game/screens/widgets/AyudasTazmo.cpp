#include "game/screens/widgets/AyudasTazmo.h"

#include "engine/audio/GestorSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "engine/graphics/Sprite.h"
#include "game/Personajes.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/RegistroPerfil.h"
#include "game/screens/MenuMaestro.h"

#include <algorithm>
#include <cmath>

namespace tazmo {

CSPM* CopiaSPM(const char* szRuta)
{
    if (!g_pGestorSPMs || !szRuta) return nullptr;
    CSPM* pOrigen = g_pGestorSPMs->GetSPM(szRuta);
    if (!pOrigen) return nullptr;
    auto* p = new CSPM;
    if (!p->Copia(pOrigen)) {
        delete p;
        return nullptr;
    }
    return p;
}

void DibujaFiguraCompleta(CSPM* p, const Personaje& personaje, Sprite* pDestino, float x, float y, float fEscala)
{
    if (!p) return;
    const CorteFigura& c = CortesFigura[std::clamp(personaje.m_iCorteFigura, 0, NUM_CORTES_FIGURA - 1)];
    const float x0 = x - fEscala * personaje.m_fAnclaX, y0 = y - fEscala * personaje.m_fAnclaY;
    auto desde = [fEscala](int v) { return v > 0 ? std::trunc(static_cast<float>(v) * fEscala) - 1.0f : 0.0f; };
    p->PonEscala(fEscala, fEscala);
    for (int i = 0; i < c.n; ++i) {
        const PiezaFigura& pz = c.piezas[i];
        p->DibujaSpriteEnDestino(pDestino, pz.slot, x0 + desde(pz.x), y0 + desde(pz.y));
    }
}

void BorraSPM(CSPM*& p)
{
    delete p;
    p = nullptr;
}

void MarcaSPM(CSPM* p, bool bEnUso)
{
    if (!p) return;
    if (bEnUso)
        p->MarcaEnUso();
    else
        p->DesmarcaEnUso();
}

void Cuenta(CTemporizador& t, int iDireccion)
{
    t.Actualiza();
    t.m_iDireccion = iDireccion;
}

void Arranca(CTemporizador& t, int iDuracion, int iDireccion)
{
    t.Crea();
    t.Inicia(iDuracion, 0, iDuracion);
    t.m_iDireccion = iDireccion;
}

void Deslizamiento::Abre()
{
    iContador = kPasos;
    fEscala = kEscalaInicial;
    iAlfa = 0;
}

void Deslizamiento::Cierra() { iContador = -kPasos; }

void Deslizamiento::Paso()
{
    if (iContador > 0) {
        fEscala += kPasoEscala;
        iAlfa = (kPasos + 1 - iContador) * 255 / kPasos;
        --iContador;
    } else if (iContador < 0) {
        fEscala -= kPasoEscala;
        iAlfa = -(iContador + 1) * 255 / kPasos;
        ++iContador;
    }
}

EstadoMarcador LeeMarcador(const char* szNombre)
{
    EstadoMarcador e;
    RegistroPerfil* pPerfil = PerfilActualJuego();
    if (!pPerfil || !szNombre) return e;
    e.bBloqueado = !pPerfil->EstaDesbloqueado(szNombre);
    e.bRecienDesbloqueado = pPerfil->EsRecienDesbloqueado(szNombre);
    e.bNovedades = pPerfil->TieneNovedades(szNombre);
    return e;
}

void QuitaRecienDesbloqueado(const char* szNombre)
{
    if (RegistroPerfil* pPerfil = PerfilActualJuego(); pPerfil && szNombre) pPerfil->QuitaRecienDesbloqueado(szNombre);
}

void QuitaNovedades(const char* szNombre)
{
    if (RegistroPerfil* pPerfil = PerfilActualJuego(); pPerfil && szNombre) pPerfil->QuitaNovedades(szNombre);
}

int RanuraSonido(const char* szNombre)
{
    if (!g_pGestorSonido || !szNombre || !szNombre[0]) return -1;
    return g_pGestorSonido->BuscaRanuraSonido(szNombre);
}

void TocaSonido(int iRanura)
{
    if (g_pGestorSonido && iRanura != -1) g_pGestorSonido->TocaRanuraSonido(iRanura, true);
}

void MarcaSonido(int iRanura, bool bEnUso)
{
    if (!g_pGestorSonido || iRanura == -1) return;
    if (bEnUso)
        g_pGestorSonido->MarcaRanuraSonidoEnUso(iRanura);
    else
        g_pGestorSonido->DesmarcaRanuraSonidoEnUso(iRanura);
}

CSPM* SPMEfectos() { return g_pMenuMaestro ? g_pMenuMaestro->m_pSPMEfectos : nullptr; }

void EmiteChispaNovedad(float x, float y, float dx, float dy, float fRotacion)
{
    CSPM* pEfectos = SPMEfectos();
    if (!g_pSistemaCacheEfectos || !pEfectos) return;
    CEfectoCacheado* e = g_pSistemaCacheEfectos->CreaEfecto(kCapaEfectosBajo);
    if (!e) return;
    const int k = EnteroAleatorio(0, 20);
    DescripcionEfecto d;
    d.m_pSprite = pEfectos->GetSprite(0);
    d.m_iInicioMovimiento = 0;
    d.m_iFinMovimiento = k + 30;
    d.m_fDesdeX = x;
    d.m_fDesdeY = y;
    d.m_fHastaX = x + dx;
    d.m_fHastaY = y + dy;
    d.m_iInicioFadeIn = d.m_iFinFadeIn = 0;
    d.m_iInicioFadeOut = k + 15;
    d.m_iFinFadeOut = k + 30;
    d.m_ucAlfaMaximo = 255;
    d.m_iInicioEscala = 0;
    d.m_iFinEscala = k + 30;
    d.m_fEscalaDesdeX = d.m_fEscalaDesdeY = 0.35f;
    d.m_fEscalaHastaX = RealAleatorio(1.0f, 2.0f);
    d.m_fEscalaHastaY = 0.35f;
    d.m_fRotacion = fRotacion;
    d.m_iFusion = 0x02;
    e->Inicia(d);
}

} // namespace tazmo

namespace tazmo {

bool MarcoCaja::Crea(const char* szMarco)
{
    Libera();
    pMarco = CopiaSPM(szMarco);
    if (!pMarco) return false;
    pFondo = CopiaSPM(motor::paquete::CUADRO_BLANCO);
    if (pFondo) {
        pFondo->PonAlfa(kAlfaFondo);
        pFondo->PonColor(0, 0, 0);
        const Sprite* s = pFondo->GetSprite(0);
        if (s && s->GetAmplada() > 0.0f && s->GetAlcada() > 0.0f)
            pFondo->PonEscala(kAnchoFondo / s->GetAmplada(), kAltoFondo / s->GetAlcada());
    }
    return true;
}

void MarcoCaja::Libera()
{
    BorraSPM(pMarco);
    BorraSPM(pFondo);
}

void MarcoCaja::Dibuja(Sprite* pDestino)
{
    const int iAlfa = desliza.iAlfa < 0 ? 0 : (desliza.iAlfa > 255 ? 255 : desliza.iAlfa);
    if (bFondo && pFondo) {
        pFondo->PonAlfa(static_cast<uint8_t>(iAlfa / 2));
        pFondo->DibujaSpriteEnDestino(pDestino, 0, 512.0f, 384.0f);
    }
    if (pMarco) {
        pMarco->PonAlfa(static_cast<uint8_t>(iAlfa));
        pMarco->PonEscala(desliza.fEscala, desliza.fEscala);
        pMarco->DibujaSpriteEnDestino(pDestino, 0, 512.0f, 384.0f);
    }
}

void MarcoCaja::Marca(bool bEnUso)
{
    MarcaSPM(pMarco, bEnUso);
    MarcaSPM(pFondo, bEnUso);
}

} // namespace tazmo
