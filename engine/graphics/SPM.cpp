// Sprite packages: reading .SPM files, copies, animation and drawing.
#include "engine/graphics/SPM.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/FaltasContenido.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sistema3D.h"

#include <algorithm>
#include <cstring>

namespace {

// The two placeholder sprites shared by every package, made when a package
// first needs one and freed when the last package is released.
struct Placeholders {
    int usuarios = 0;
    Sprite* noEncontrado = nullptr;
    Sprite* noExiste = nullptr;
    CSistema2D* sistema = nullptr; // the graphics system that made them
};
Placeholders g_placeholders;

bool GraficosActivos()
{
    return g_pSistema2D && g_pSistema2D->EstaIniciat();
}

Sprite* Placeholder(Sprite** pp, const char* szFichero)
{
    if (!GraficosActivos()) return nullptr;
    if (g_placeholders.sistema != g_pSistema2D) {
        // Made by a graphics system that has gone (and freed them).
        g_placeholders.noEncontrado = nullptr;
        g_placeholders.noExiste = nullptr;
    }
    if (*pp) return *pp;
    Sprite* s = g_pSistema2D->CreaSpriteFitxer(szFichero, 0, 0, 64, 64, 32, 32, true, false);
    if (!s) return nullptr;
    g_pSistema2D->MarcaSpriteEnUs(s);
    g_placeholders.sistema = g_pSistema2D;
    *pp = s;
    return s;
}

void SumaUsuarioPlaceholders()
{
    ++g_placeholders.usuarios;
}

void RestaUsuarioPlaceholders()
{
    if (g_placeholders.usuarios > 0) --g_placeholders.usuarios;
    if (g_placeholders.usuarios > 0) return;
    // Free them only through the system that made them, while it still runs;
    // a system that has shut down has freed every sprite itself.
    if (GraficosActivos() && g_placeholders.sistema == g_pSistema2D) {
        if (g_placeholders.noEncontrado) g_pSistema2D->AlliberaSprite(g_placeholders.noEncontrado, true);
        if (g_placeholders.noExiste) g_pSistema2D->AlliberaSprite(g_placeholders.noExiste, true);
    }
    g_placeholders.noEncontrado = nullptr;
    g_placeholders.noExiste = nullptr;
    g_placeholders.sistema = nullptr;
}

} // namespace

// ---------------------------------------------------------------------------

CSPM::CSPM()
{
    std::memset(m_apSprites, 0, sizeof m_apSprites);
    std::memset(m_apAnimaciones, 0, sizeof m_apAnimaciones);
    m_szRuta[0] = 0;
    Reinicia();
}

CSPM::~CSPM()
{
    Libera();
}

int CSPM::UsuariosPlaceholders()
{
    return g_placeholders.usuarios;
}

void CSPM::CopiaRuta(const char* szRuta)
{
    std::snprintf(m_szRuta, sizeof m_szRuta, "%s", szRuta ? szRuta : "");
}

void CSPM::Reinicia()
{
    for (int i = 0; i < kNumSlotsSPM; ++i) {
        m_apSprites[i] = nullptr;
        m_abEspejo[i] = 0;
        m_aiCodigoFLI[i] = -1;
        m_aiFlagsTexto[i] = 0;
    }
    for (auto& a : m_apAnimaciones) {
        delete a;
        a = nullptr;
    }
    m_iAnimacion = 0;
    m_iFrame = 0;
    m_iInicioFrame = TiempoJuego();
    m_bUnaVez = false;
    m_bTerminada = false;
    m_bEspejo = false;
    m_fEscalaX = m_fEscalaY = 1.0f;
    m_fRotacion = 0.0f;
    m_ucAlfa = 255;
    m_ucRojo = m_ucVerde = m_ucAzul = 255;
    m_iDesplazamientoFrame = 0;
    m_iFusion = 0;
    m_ColorFusion = ColorRGB();
    m_iFusion2 = 0;
    m_ColorFusion2 = ColorRGB();
    m_ucAlfaFusion2 = 255;
    m_fAnchoMaximo = m_fAltoMaximo = -1.0f;
    m_iVersion = 0;
    m_szRuta[0] = 0;
    m_bEnUso = false;
    m_bFicheroEncontrado = true;
}

void CSPM::Libera()
{
    if (!m_bCargado) return;
    const bool graficos = GraficosActivos();
    for (auto& s : m_apSprites) {
        if (s && graficos) g_pSistema2D->AlliberaSprite(s, true);
        s = nullptr;
    }
    for (auto& a : m_apAnimaciones) {
        delete a;
        a = nullptr;
    }
    m_bEnUso = false;
    m_bCargado = false;
    RestaUsuarioPlaceholders();
}

void CSPM::PonSlot(int iSlot, Sprite* pSprite)
{
    if (m_apSprites[iSlot] && GraficosActivos()) g_pSistema2D->AlliberaSprite(m_apSprites[iSlot], true);
    m_apSprites[iSlot] = pSprite;
}

void CSPM::AplicaRegistro(const RegistroSPM& r)
{
    switch (r.tipo) {
    case RegistroSPM::VERSION:
        m_iVersion = r.version;
        break;
    case RegistroSPM::SPRITE:
        if (!GraficosActivos()) break;
        PonSlot(r.slot, g_pSistema2D->CreaSpriteFitxer(r.fichero.c_str(), r.x, r.y, r.w, r.h, r.hotspotX,
                                                       r.hotspotY, false, r.opaco));
        m_abEspejo[r.slot] = r.espejo ? 1 : 0;
        m_aiCodigoFLI[r.slot] = -1;
        m_aiFlagsTexto[r.slot] = 0;
        break;
    case RegistroSPM::TXT:
    case RegistroSPM::TXTFLI: {
        if (!GraficosActivos()) break;
        const bool fli = r.tipo == RegistroSPM::TXTFLI;
        PonSlot(r.slot, g_pSistema2D->CreaSpriteText(r.font, fli ? nullptr : r.texto.c_str(), fli ? r.codigo : -1,
                                                     r.flagsTexto, r.escalaX, r.escalaY, r.ancho, r.alto,
                                                     r.hotspotX, r.hotspotY, 1.0f, 0.0f, r.ancho, r.alto, false));
        m_abEspejo[r.slot] = 0;
        m_aiCodigoFLI[r.slot] = fli ? r.codigo : -1;
        m_aiFlagsTexto[r.slot] = r.flagsTexto;
        break;
    }
    case RegistroSPM::ANIMACIO:
        delete m_apAnimaciones[r.animacion];
        m_apAnimaciones[r.animacion] = new AnimacionSPM(r.frames);
        break;
    case RegistroSPM::NINGUNO:
        break;
    }
}

bool CSPM::Carga(const char* pszRuta)
{
    // Taken before the reset, which empties the package's own path (the one
    // a reload passes).
    const std::string ruta = pszRuta ? pszRuta : "";
    const char* szRuta = pszRuta ? ruta.c_str() : nullptr;
    Libera();
    Reinicia();
    if (!szRuta) return false;
    FitxerComandes* f = g_pGestorComandes ? g_pGestorComandes->ObreLectura(szRuta) : nullptr;
    if (!f) {
        m_bFicheroEncontrado = false;
        AnotaFaltaContenido(TipoFalta::Paquete, szRuta);
    } else {
        RegistroSPM r;
        do {
            if (InterpretaRegistroSPM(g_pGestorComandes, f, m_iVersion, &r)) AplicaRegistro(r);
        } while (g_pGestorComandes->LlegeixComanda(f));
        g_pGestorComandes->Tanca(f);
    }
    m_bCargado = true;
    CopiaRuta(szRuta);
    SumaUsuarioPlaceholders();
    return true;
}

bool CSPM::Copia(const CSPM* pOrigen)
{
    // Releasing first would empty the source too: nothing is copied, nothing lost.
    if (pOrigen == this) return false;
    Libera();
    Reinicia();
    if (!pOrigen) return false;
    // Counted as loaded from here on, so that a failure releases what was made.
    m_bCargado = true;
    SumaUsuarioPlaceholders();
    for (int i = 0; i < kNumSlotsSPM; ++i) {
        if (pOrigen->m_apSprites[i]) {
            Sprite* s = GraficosActivos() ? g_pSistema2D->CopiaSprite(pOrigen->m_apSprites[i]) : nullptr;
            if (!s) {
                Libera();
                return false;
            }
            m_apSprites[i] = s;
        }
        m_abEspejo[i] = pOrigen->m_abEspejo[i];
        m_aiCodigoFLI[i] = pOrigen->m_aiCodigoFLI[i];
        m_aiFlagsTexto[i] = pOrigen->m_aiFlagsTexto[i];
    }
    for (int i = 0; i < kNumAnimacionesSPM; ++i)
        if (pOrigen->m_apAnimaciones[i]) m_apAnimaciones[i] = new AnimacionSPM(*pOrigen->m_apAnimaciones[i]);
    std::memcpy(m_szRuta, pOrigen->m_szRuta, sizeof m_szRuta);
    m_szRuta[kLongitudRutaSPM - 1] = 0;
    m_bFicheroEncontrado = pOrigen->m_bFicheroEncontrado;
    return true;
}

bool CSPM::CreaTexto(int iFont, int iCodigo, int iFlags, float fEscalaX, float fEscalaY, float w, float h,
                     float fHotspotX, float fHotspotY)
{
    Libera();
    Reinicia();
    if (!GraficosActivos()) return false;
    Sprite* s = g_pSistema2D->CreaSpriteText(iFont, nullptr, iCodigo, iFlags, fEscalaX, fEscalaY, w, h, fHotspotX,
                                             fHotspotY, 1.0f, 0.0f, w, h, false);
    if (!s) return false;
    m_apSprites[0] = s;
    m_aiCodigoFLI[0] = iCodigo;
    m_aiFlagsTexto[0] = iFlags;
    auto* a = new AnimacionSPM();
    a->m_ucNumFrames = 1;
    a->m_aucSlots[0] = 0;
    a->m_ausDuraciones[0] = 10000;
    a->m_iDuracionTotal = 10000;
    m_apAnimaciones[0] = a;
    m_bCargado = true;
    SumaUsuarioPlaceholders();
    return true;
}

bool CSPM::CreaVacio(const char* szRuta)
{
    if (szRuta) return Carga(szRuta);
    Libera();
    Reinicia();
    m_bCargado = true;
    SumaUsuarioPlaceholders();
    return true;
}

void CSPM::MarcaEnUso()
{
    if (GraficosActivos())
        for (Sprite* s : m_apSprites)
            if (s) g_pSistema2D->MarcaSpriteEnUs(s);
    m_bEnUso = true;
}

void CSPM::DesmarcaEnUso()
{
    if (GraficosActivos())
        for (Sprite* s : m_apSprites)
            if (s) g_pSistema2D->DesmarcaSpriteEnUs(s);
    m_bEnUso = false;
}

// ---- animation ----

void CSPM::IniciaAnimacion(int n)
{
    m_iAnimacion = n;
    m_iFrame = 0;
    m_iInicioFrame = TiempoJuego();
    m_bTerminada = n < 0 || n >= kNumAnimacionesSPM || !m_apAnimaciones[n];
    m_bUnaVez = false;
}

void CSPM::IniciaAnimacionUnaVez(int n)
{
    IniciaAnimacion(n);
    m_bUnaVez = true;
}

void CSPM::ActualizaAnimacion()
{
    if (m_iAnimacion < 0 || m_iAnimacion >= kNumAnimacionesSPM) return;
    const AnimacionSPM* a = m_apAnimaciones[m_iAnimacion];
    if (!a || a->m_iDuracionTotal <= 0 || a->m_ucNumFrames == 0) return;
    if (m_bTerminada && m_bUnaVez) return;
    if (m_iFrame < 0 || m_iFrame >= a->m_ucNumFrames) m_iFrame = 0;
    int e = TiempoJuego() - m_iInicioFrame;
    if (e > a->m_ausDuraciones[m_iFrame]) {
        do {
            if (e > a->m_iDuracionTotal) {
                m_bTerminada = true;
                const int r = e % a->m_iDuracionTotal;
                m_iInicioFrame += e - r;
                e = r;
            }
            const int d = a->m_ausDuraciones[m_iFrame];
            m_iInicioFrame += d;
            e -= d;
            if (++m_iFrame >= a->m_ucNumFrames) {
                m_iFrame = 0;
                m_bTerminada = true;
            }
        } while (e > a->m_ausDuraciones[m_iFrame]);
    }
    if (m_bTerminada && m_bUnaVez) m_iFrame = a->m_ucNumFrames - 1;
}

int CSPM::SlotActual() const
{
    int base = 0;
    if (m_iAnimacion >= 0 && m_iAnimacion < kNumAnimacionesSPM && m_apAnimaciones[m_iAnimacion]) {
        const AnimacionSPM* a = m_apAnimaciones[m_iAnimacion];
        if (a->m_ucNumFrames > 0) base = a->m_aucSlots[std::clamp(m_iFrame, 0, a->m_ucNumFrames - 1)];
    }
    const int slot = base + m_iDesplazamientoFrame;
    return (slot >= 0 && slot < kNumSlotsSPM) ? slot : -1;
}

// ---- access ----

Sprite* CSPM::GetSprite(int iSlot)
{
    Sprite* s = m_apSprites[iSlot & 0xFF];
    if (s) return s;
    if (m_bFicheroEncontrado) AnotaFaltaContenido(TipoFalta::Sprite, std::string(m_szRuta) + "#" + std::to_string(iSlot & 0xFF));
    return m_bFicheroEncontrado ? Placeholder(&g_placeholders.noExiste, motor::marcador::SPRITE_NO_EXISTE)
                                : Placeholder(&g_placeholders.noEncontrado, motor::marcador::SPM_NO_ENCONTRADO);
}

void CSPM::CalculaTamanoMaximo()
{
    m_fAnchoMaximo = m_fAltoMaximo = -1.0f;
    for (const Sprite* s : m_apSprites) {
        if (!s) continue;
        m_fAnchoMaximo = std::max(m_fAnchoMaximo, s->GetAmplada());
        m_fAltoMaximo = std::max(m_fAltoMaximo, s->GetAlcada());
    }
}

float CSPM::GetAnchoMaximo()
{
    if (m_fAnchoMaximo < 0.0f) CalculaTamanoMaximo();
    return m_fAnchoMaximo;
}

float CSPM::GetAltoMaximo()
{
    if (m_fAltoMaximo < 0.0f) CalculaTamanoMaximo();
    return m_fAltoMaximo;
}

// ---- drawing ----

int CSPM::PreparaPasadas(Sprite* pSprite, Pasada aPasadas[2]) const
{
    if (!pSprite || !GraficosActivos()) return 0;
    g_pSistema2D->PosaColorSprite(pSprite, ColorARGB(255, m_ucRojo, m_ucVerde, m_ucAzul));
    // Without flags the first pass is a plain draw.
    aPasadas[0] = Pasada{m_iFusion, m_iFusion ? &m_ColorFusion : nullptr, m_ucAlfa};
    if (!m_iFusion2 || !m_ucAlfaFusion2) return 1;
    aPasadas[1] = Pasada{m_iFusion2, &m_ColorFusion2, m_ucAlfaFusion2};
    return 2;
}

void CSPM::DibujaConEstado(Sprite* pDestino, Sprite* pSprite, bool bEspejo, float x, float y)
{
    Pasada pasadas[2];
    const int n = PreparaPasadas(pSprite, pasadas);
    for (int i = 0; i < n; ++i)
        g_pSistema2D->DibuixaSpriteEX2(pDestino, pSprite, pasadas[i].iFlags, pasadas[i].pColor, x, y, bEspejo,
                                       pasadas[i].iAlfa, m_fRotacion, m_fEscalaX, m_fEscalaY);
}

bool CSPM::FrameActual(Sprite** ppSprite, bool* pbEspejo)
{
    ActualizaAnimacion();
    const int slot = SlotActual();
    if (slot < 0 || !m_apSprites[slot]) return false;
    *ppSprite = m_apSprites[slot];
    *pbEspejo = (m_bEspejo != 0) != (m_abEspejo[slot] != 0);
    return true;
}

void CSPM::DibujaEnDestino(Sprite* pDestino, float x, float y)
{
    Sprite* s = nullptr;
    bool bEspejo = false;
    if (FrameActual(&s, &bEspejo)) DibujaConEstado(pDestino, s, bEspejo, x, y);
}

void CSPM::Dibuja3D(Sprite* pDestino, float x, float y, float z, bool bZMenor, bool bZEscribe)
{
    Sprite* s = nullptr;
    bool bEspejo = false;
    if (!FrameActual(&s, &bEspejo)) return;
    CSistema3D* p3D = GraficosActivos() ? g_pSistema2D->Get3D() : nullptr;
    if (!p3D) return;
    Pasada pasadas[2];
    const int n = PreparaPasadas(s, pasadas);
    for (int i = 0; i < n; ++i)
        p3D->DibuixaSprite3D(pDestino, s, pasadas[i].iFlags, pasadas[i].pColor, Vector3D{x, y, z}, bEspejo,
                             pasadas[i].iAlfa, m_fRotacion, m_fEscalaX, m_fEscalaY, bZMenor, bZEscribe);
}

void CSPM::DibujaSpriteEnDestino(Sprite* pDestino, int iSlot, float x, float y)
{
    // Slots outside 0..255 (a negative one too) draw nothing.
    if (iSlot < 0 || iSlot >= kNumSlotsSPM) return;
    Sprite* s = GetSprite((iSlot + m_iDesplazamientoFrame) & 0xFF);
    DibujaConEstado(pDestino, s, (m_bEspejo != 0) != (m_abEspejo[iSlot] != 0), x, y);
}
