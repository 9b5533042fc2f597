#include "game/play/herramientas/HerramientaCirculoCabalistico.h"

#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/play/RegistroNivel.h"
#include "game/play/herramientas/Herramienta.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
// The circle: additive, half as big again, turning slowly.
constexpr int kFusionCirculo = 0x02;
constexpr float kEscalaCirculo = 1.5f;
constexpr float kGiroPorPaso = 0.005f;
// The glow follows the score quickly and fades slowly.
constexpr float kSubida = 0.2f;
constexpr float kBajada = 1.0f / 90.0f;
// A burst: each glow appears over 30 steps, holds (the first) or flickers
// (the others) until step 90, then grows and fades until 120; the glows
// start 5 steps apart.
constexpr int kDesfaseDestellos = 5;
constexpr int kFinAparicion = 30, kFinPausa = 90, kFinDestello = 120;
constexpr float kEscalaInicial = 1.5f;
constexpr float kEscalaImagen = 2.0f;

} // namespace

CHerramientaCirculoCabalistico::~CHerramientaCirculoCabalistico()
{
    if (m_bCreado) Libera();
}

bool CHerramientaCirculoCabalistico::Carga(CMenuJuego*, RegistroNivel* pNivel)
{
    if (m_bCreado) Libera();
    m_iContadorDestello = 0;
    m_fRotacion = 0.0f;
    m_iValor = m_iObjetivo = m_iUltimoValor = 0;
    m_fFraccion = m_fFraccionSuavizada = 0.0f;
    m_aDestellos = {};
    m_bRecursosCargados = m_bDestelloIniciado = false;
    for (std::string& s : m_asPendientes) s.clear();

    bool bOk = CopiaPaqueteHerramienta(m_SPMCirculo, juego::paquete::CIRCULO_CABALISTICO);
    for (int i = 0; bOk && pNivel && i < kNumImagenes; ++i) {
        const std::string& s = pNivel->IMAGENFINAL[static_cast<size_t>(i)];
        if (!s.empty()) bOk = CopiaPaqueteHerramienta(m_aImagenes[static_cast<size_t>(i)], s.c_str());
    }
    m_bCreado = true;
    if (!bOk) Libera();
    return bOk;
}

void CHerramientaCirculoCabalistico::Libera()
{
    m_SPMCirculo.Libera();
    for (CSPM& s : m_aImagenes) s.Libera();
    for (std::string& s : m_asPendientes) s.clear();
    m_aDestellos = {};
    m_bRecursosCargados = m_bDestelloIniciado = false;
    m_bCreado = false;
}

void CHerramientaCirculoCabalistico::CargaRecursos()
{
    if (!m_bCreado) return;
    if (m_SPMCirculo.EstaCargado()) m_SPMCirculo.MarcaEnUso();
    for (CSPM& s : m_aImagenes)
        if (s.EstaCargado()) s.MarcaEnUso();
    m_bRecursosCargados = true;
}

void CHerramientaCirculoCabalistico::DescargaRecursos()
{
    if (!m_bCreado) return;
    if (m_SPMCirculo.EstaCargado()) m_SPMCirculo.DesmarcaEnUso();
    for (CSPM& s : m_aImagenes)
        if (s.EstaCargado()) s.DesmarcaEnUso();
    m_bRecursosCargados = false;
}

void CHerramientaCirculoCabalistico::CargaImagen(int iHueco, const char* szRuta)
{
    if (!m_bCreado || iHueco < 0 || iHueco >= kNumImagenes) return;
    CSPM& s = m_aImagenes[static_cast<size_t>(iHueco)];
    if (!szRuta || !*szRuta) {
        s.Libera();
        return;
    }
    if (CopiaPaqueteHerramienta(s, szRuta) && m_bRecursosCargados) s.MarcaEnUso();
}

void CHerramientaCirculoCabalistico::PonPendiente(int iHueco, const char* szRuta)
{
    if (!m_bCreado || iHueco < 0 || iHueco >= kNumPendientes) return;
    m_asPendientes[static_cast<size_t>(iHueco)] = szRuta ? szRuta : "";
}

void CHerramientaCirculoCabalistico::PonPendiente(const char* const* apszRutas)
{
    if (!apszRutas) return;
    for (int i = 0; i < kNumPendientes; ++i) PonPendiente(i, apszRutas[i]);
}

void CHerramientaCirculoCabalistico::Destella(int iImagen)
{
    if (!m_bCreado || iImagen < 0) return;
    m_bDestelloIniciado = true;
    for (int k = 0; k < kNumDestellos; ++k) {
        Destello& d = m_aDestellos[static_cast<size_t>(k)];
        d.m_iImagen = iImagen;
        d.m_fAlfa = 0.0f;
        d.m_fEscala = kEscalaInicial;
        d.m_iContador = -kDesfaseDestellos * k;
    }
}

bool CHerramientaCirculoCabalistico::DestelloEnCurso() const
{
    return std::any_of(m_aDestellos.begin(), m_aDestellos.end(), [](const Destello& d) { return d.m_iImagen != -1; });
}

bool CHerramientaCirculoCabalistico::ImagenCargada(int i) const
{
    return i >= 0 && i < kNumImagenes && m_aImagenes[static_cast<size_t>(i)].EstaCargado();
}

void CHerramientaCirculoCabalistico::PasoDestello(int k, int c, float* pfAlfa, float* pfEscala)
{
    float a = *pfAlfa, e = *pfEscala;
    if (c < 1) {
        a = 0.0f;
    } else if (c <= kFinAparicion) {
        const float f = static_cast<float>(c) / kFinAparicion;
        a = f;
        e = 1.0f + 0.5f * (1.0f - f);
    } else if (c <= kFinPausa) {
        if (k == 0) {
            a = 1.0f;
            e = 1.0f;
        } else {
            const float f = static_cast<float>(c - kFinAparicion) / (kFinPausa - kFinAparicion);
            a = f < 0.1f ? 1.0f - 10.0f * f : f < 0.9f ? 0.0f : 10.0f * (f - 0.9f);
        }
    } else if (c <= kFinDestello) {
        const float f = static_cast<float>(c - kFinPausa) / (kFinDestello - kFinPausa);
        a = 1.0f - f;
        e = 1.0f + 3.0f * f;
    } else {
        a = 0.0f;
        e = 1.0f;
    }
    *pfAlfa = a;
    *pfEscala = e;
}

void CHerramientaCirculoCabalistico::Actualiza()
{
    if (!m_bCreado) return;
    if (m_iUltimoValor < m_iValor || m_iUltimoValor >= m_iObjetivo) {
        m_iUltimoValor = m_iValor;
        m_iContadorDestello = kPasosDestello;
    }
    m_iContadorDestello = std::max(0, m_iContadorDestello - 1);

    if (m_iObjetivo <= 0)
        m_fFraccion = 1.0f;
    else if (m_iContadorDestello == 0)
        m_fFraccion = 0.0f;
    else
        m_fFraccion = std::clamp(static_cast<float>(m_iValor) / static_cast<float>(m_iObjetivo), 0.0f, 1.0f);
    if (m_fFraccionSuavizada < m_fFraccion)
        m_fFraccionSuavizada = std::min(m_fFraccion, m_fFraccionSuavizada + kSubida);
    else
        m_fFraccionSuavizada = std::max(m_fFraccion, m_fFraccionSuavizada - kBajada);
    m_fRotacion += kGiroPorPaso;

    for (size_t k = 0; k < m_aDestellos.size(); ++k) {
        Destello& d = m_aDestellos[k];
        if (d.m_iImagen == -1) continue;
        ++d.m_iContador;
        PasoDestello(static_cast<int>(k), d.m_iContador, &d.m_fAlfa, &d.m_fEscala);
        if (d.m_iContador > kFinDestello) d.m_iImagen = -1;
    }

    // The next figure's pictures come in once the burst is over.
    const bool bPendiente =
        std::any_of(m_asPendientes.begin(), m_asPendientes.end(), [](const std::string& s) { return !s.empty(); });
    if (bPendiente && (!m_bDestelloIniciado || !DestelloEnCurso())) {
        m_bDestelloIniciado = false;
        for (int i = 0; i < kNumPendientes; ++i) {
            std::string& s = m_asPendientes[static_cast<size_t>(i)];
            if (!s.empty()) CargaImagen(i, s.c_str());
            s.clear();
        }
        if (g_pSistema2D) {
            g_pSistema2D->DescarregaBitmapsSenseUs();
            g_pSistema2D->CarregaBitmapsEnUs();
        }
    }
}

int CHerramientaCirculoCabalistico::AlfaCirculo() const
{
    const float fSuavizada = m_iObjetivo == kSinObjetivo ? 1.0f : m_fFraccionSuavizada;
    const float a = 255.0f * fSuavizada;
    if (a <= 0.0f) return 0;
    float k = 1.0f;
    if (m_iObjetivo != kSinObjetivo && m_iObjetivo >= 1 && m_iValor < m_iObjetivo)
        k = static_cast<float>(m_iValor) / static_cast<float>(m_iObjetivo);
    return std::clamp(static_cast<int>(a * k), 0, 255);
}

void CHerramientaCirculoCabalistico::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado) return;
    const int iAlfa = AlfaCirculo();
    if (iAlfa > 0 && m_SPMCirculo.EstaCargado()) {
        m_SPMCirculo.PonFusion(kFusionCirculo, ColorRGB{255, 255, 255});
        m_SPMCirculo.PonEscala(kEscalaCirculo, kEscalaCirculo);
        m_SPMCirculo.PonRotacion(m_fRotacion);
        m_SPMCirculo.PonAlfa(static_cast<uint8_t>(iAlfa));
        m_SPMCirculo.DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    }
    for (const Destello& d : m_aDestellos) {
        // A glow of a picture the circle does not hold draws nothing.
        if (d.m_iImagen < 0 || d.m_iImagen >= kNumImagenes || d.m_fAlfa <= 0.0f) continue;
        CSPM& s = m_aImagenes[static_cast<size_t>(d.m_iImagen)];
        if (!s.EstaCargado()) continue;
        s.PonFusion(0, ColorRGB{255, 255, 255});
        s.PonEscala(kEscalaImagen * d.m_fEscala, kEscalaImagen * d.m_fEscala);
        s.PonRotacion(0.0f);
        s.PonAlfa(static_cast<uint8_t>(std::clamp(static_cast<int>(255.0f * d.m_fAlfa), 0, 255)));
        s.DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    }
}
