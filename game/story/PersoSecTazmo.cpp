#include "game/story/PersoSecTazmo.h"

#include "engine/core/Teclado.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "game/CatalogoJuego.h"
#include "game/Personajes.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"

#include <algorithm>
#include <cmath>
#include <strings.h>

namespace {

namespace pj = juego::paquete;

const FilaPersonajeEscena kPersonajes[NUM_PERSONAJES_ESCENA] = {
    {"Adeletia", {pj::ADELETIA_ALEGRE, pj::ADELETIA_NORMAL, pj::ADELETIA_TRISTE}},
    {"Aldunia", {pj::ALDUNIA_ALEGRE, pj::ALDUNIA_NORMAL, pj::ALDUNIA_TRISTE}},
    {"Maida", {pj::MAIDA_ALEGRE, pj::MAIDA_NORMAL, pj::MAIDA_TRISTE}},
    {"Franz", {pj::FRANZ_ALEGRE, pj::FRANZ_NORMAL, pj::FRANZ_TRISTE}},
    {"Soldado", {pj::SOLDADO_NORMAL, pj::SOLDADO_NORMAL, pj::SOLDADO_NORMAL}},
    {"Stokinnen", {pj::STOKINNEN_ALEGRE, pj::STOKINNEN_NORMAL, pj::STOKINNEN_TRISTE}},
    {"Alfatima", {pj::ALFATIMA_ALEGRE, pj::ALFATIMA_NORMAL, pj::ALFATIMA_TRISTE}},
    {"Irina", {pj::IRINA_ALEGRE, pj::IRINA_NORMAL, pj::IRINA_TRISTE}},
    {"Asesino", {pj::ASESINO_ALEGRE, pj::ASESINO_NORMAL, pj::ASESINO_TRISTE}},
    {"Teresia", {pj::TERESIA_ALEGRE, pj::TERESIA_NORMAL, pj::TERESIA_TRISTE}},
    {"TeresiaViva", {pj::TERESIA_VIVA_NORMAL, pj::TERESIA_VIVA_NORMAL, pj::TERESIA_VIVA_NORMAL}},
};

// The position of a word in its list (without regard to case), -1 for none.
template <size_t N>
int Palabra(const char* sz, const char* const (&lista)[N])
{
    if (!sz) return -1;
    for (size_t i = 0; i < N; ++i)
        if (strcasecmp(sz, lista[i]) == 0) return int(i);
    return -1;
}

const char* const kHumores[] = {"Alegre", "Normal", "Triste"};
const char* const kParpadeos[] = {"Cerrados", "Abiertos", "MasBienCerrados", "MasBienAbiertos", "Normal"};
const char* const kBocas[] = {"BocaChica", "Normal", "Elocuente", "Vociferio", "Grita"};
const char* const kOjos[] = {"Cerrado", "PocoAbierto", "CasiAbierto", "Abierto"};

const float kFactorOjo[] = {0.0f, 0.33f, 0.66f, 1.0f};
const float kFactorBoca[] = {0.0f, 0.33f, 0.66f, 1.0f, 0.0f};

// Frames each blinking phase lasts (closed, opening, open, closing), by mode.
struct Rango {
    int desde, hasta;
};
const Rango kParpadeo[5][4] = {
    {{100000, 100000}, {0, 0}, {0, 0}, {0, 0}},
    {{0, 0}, {0, 0}, {100000, 100000}, {0, 0}},
    {{150, 180}, {5, 5}, {15, 30}, {5, 5}},
    {{15, 30}, {5, 5}, {150, 180}, {5, 5}},
    {{5, 5}, {5, 5}, {90, 120}, {5, 5}},
};

bool g_bAjusteCaras = false;

// The mouth and eye pictures by how open they are (0..1).
int SpriteBoca(float v) { return v < 0.25f ? 10 : v < 0.5f ? 11 : v < 0.75f ? 12 : 13; }
int SpriteOjo(int iPrimero, float v) { return iPrimero + (v < 0.25f ? 3 : v < 0.5f ? 2 : v < 0.75f ? 1 : 0); }

uint8_t Byte(float v) { return uint8_t(std::clamp(int(v * 255.0f), 0, 255)); }

} // namespace

const FilaPersonajeEscena& FilaPersonaje(int iFila) { return kPersonajes[std::clamp(iFila, 0, NUM_PERSONAJES_ESCENA - 1)]; }

int BuscaFilaPersonaje(const char* szNombre)
{
    if (!szNombre) return PERSONAJE_ESCENA_NINGUNO;
    for (int i = 0; i < NUM_PERSONAJES_ESCENA; ++i)
        if (strcasecmp(kPersonajes[i].nombre, szNombre) == 0) return i;
    return PERSONAJE_ESCENA_NINGUNO;
}

int PalabraHumor(const char* sz) { return Palabra(sz, kHumores); }
int PalabraParpadeo(const char* sz) { return Palabra(sz, kParpadeos); }
int PalabraBoca(const char* sz) { return Palabra(sz, kBocas); }
int PalabraOjo(const char* sz) { return Palabra(sz, kOjos); }

void CPersoSecTazmo::ActivaAjusteCaras(bool b) { g_bAjusteCaras = b; }
bool CPersoSecTazmo::AjusteCarasActivo() { return g_bAjusteCaras; }

CPersoSecTazmo::CPersoSecTazmo() { InicializaCampos(); }

CPersoSecTazmo::~CPersoSecTazmo() { Libera(); }

void CPersoSecTazmo::InicializaCampos()
{
    m_bCargado = false;
    for (float& p : m_afPesos) p = 0.0f;
    m_fAlfa = m_fPasoAlfa = 0.0f;
    m_iFramesAlfa = 0;
    m_iFila = PERSONAJE_ESCENA_NINGUNO;
    m_iHumor = HUMOR_NORMAL;
    m_iParpadeo = PARPADEO_NORMAL;
    m_iBoca = BOCA_ELOCUENTE;
    m_iOjoDerecho = m_iOjoIzquierdo = OJO_ABIERTO;
    m_iFramesX = 0;
    m_fX = kXInicial;
    m_fPasoX = 0.0f;
    m_bHablando = false;
    m_fBoca = m_fVelocidadBoca = 0.0f;
    m_iFramesEscala = 0;
    m_fEscala = 1.0f;
    m_fPasoEscala = 0.0f;
    m_fSalto = 1.0f;
    m_iFaseParpadeo = 0;
    m_fParpado = m_fPasoParpado = 0.0f;
    m_iFramesParpadeo = 0;
    for (auto& parte : m_aPartes)
        for (auto& p : parte) p = {0.0f, 0.0f};
    m_iParteAjuste = -1;
    m_Silueta = m_SiluetaObjetivo = ColorARGB(0, 255, 255, 255);
    m_iFramesSilueta = 0;
    m_fAlfaObjetivo = 0.0f;
    m_fEscalaObjetivo = 1.0f;
    m_fXObjetivo = kXInicial;
}

bool CPersoSecTazmo::Carga(const char* szNombre)
{
    Libera();
    InicializaCampos();
    const int iFila = BuscaFilaPersonaje(szNombre);
    if (iFila == PERSONAJE_ESCENA_NINGUNO) return false;
    m_iFila = iFila;
    const Personaje* pRegistro = BuscaPersonaje(kPersonajes[iFila].nombre);
    if (CGestorDesbloqueos* g = GestorDesbloqueosJuego(); g && pRegistro)
        g->Desbloquea(NombreMarcador(MARCADOR_PRIMER_PERSONAJE + pRegistro->m_iMarcador), false);
    for (int h = 0; h < NUM_HUMORES_ESCENA; ++h) {
        m_apPaquetes[h] = CopiaPaqueteCache(kPersonajes[iFila].paquetes[h]);
        if (!m_apPaquetes[h]) {
            Libera();
            InicializaCampos();
            return false;
        }
    }
    if (const CaraEscena* c = BuscaCaraEscena(kPersonajes[iFila].nombre))
        for (int parte = 0; parte < NUM_PARTES_CARA; ++parte)
            for (int h = 0; h < NUM_HUMORES_ESCENA; ++h) m_aPartes[parte][h] = c->partes[parte][h];
    m_bCargado = true;
    return true;
}

void CPersoSecTazmo::Libera()
{
    for (auto& p : m_apPaquetes) p.reset();
    m_bCargado = false;
}

// ---------------------------------------------------------------------------
// Commands

void CPersoSecTazmo::CambiaHumor(const char* szPalabra)
{
    const int v = PalabraHumor(szPalabra);
    if (v >= 0) m_iHumor = v;
}

void CPersoSecTazmo::CambiaParpadeo(const char* szPalabra)
{
    const int v = PalabraParpadeo(szPalabra);
    if (v >= 0) m_iParpadeo = v;
}

void CPersoSecTazmo::CambiaBoca(const char* szPalabra)
{
    const int v = PalabraBoca(szPalabra);
    if (v >= 0) m_iBoca = v;
}

void CPersoSecTazmo::CambiaOjoIzquierdo(const char* szPalabra)
{
    const int v = PalabraOjo(szPalabra);
    if (v >= 0) m_iOjoIzquierdo = v;
}

void CPersoSecTazmo::CambiaOjoDerecho(const char* szPalabra)
{
    const int v = PalabraOjo(szPalabra);
    if (v >= 0) m_iOjoDerecho = v;
}

namespace {
// A ramp: the step per frame toward the target, or the target at once when
// there are no frames to ramp over.
void Rampa(float& valor, float& paso, int& frames, float objetivo, int iFrames)
{
    if (iFrames <= 0) {
        valor = objetivo;
        paso = 0.0f;
        frames = 0;
        return;
    }
    paso = (objetivo - valor) / float(iFrames);
    frames = iFrames;
}
} // namespace

void CPersoSecTazmo::FadeTo(float fAlfa, int iFrames)
{
    m_fAlfaObjetivo = std::clamp(fAlfa, 0.0f, 1.0f);
    Rampa(m_fAlfa, m_fPasoAlfa, m_iFramesAlfa, m_fAlfaObjetivo, iFrames);
}

void CPersoSecTazmo::EscalaA(float fEscala, int iFrames)
{
    m_fEscalaObjetivo = fEscala;
    Rampa(m_fEscala, m_fPasoEscala, m_iFramesEscala, fEscala, iFrames);
}

void CPersoSecTazmo::VeAPosX(float x, int iFrames)
{
    m_fXObjetivo = x;
    Rampa(m_fX, m_fPasoX, m_iFramesX, x, iFrames);
}

void CPersoSecTazmo::SiluetaFadeTo(float a, float r, float g, float b, int iFrames)
{
    m_SiluetaObjetivo = ColorARGB(Byte(a), Byte(r), Byte(g), Byte(b));
    m_iFramesSilueta = std::max(iFrames, 0);
    // No frames: the colour is there at once (and drawn from now on).
    if (m_iFramesSilueta == 0) {
        m_Silueta = m_SiluetaObjetivo;
        for (auto& p : m_apPaquetes) {
            if (!p) continue;
            p->PonAlfaFusion2(m_Silueta.a);
            p->PonFusion2(1, ColorRGB(m_Silueta.r, m_Silueta.g, m_Silueta.b));
        }
    }
}

// ---------------------------------------------------------------------------
// The frame

void CPersoSecTazmo::Actualiza()
{
    if (m_iFramesAlfa > 0) {
        --m_iFramesAlfa;
        m_fAlfa = m_iFramesAlfa > 0 ? std::clamp(m_fAlfa + m_fPasoAlfa, 0.0f, 1.0f) : m_fAlfaObjetivo;
    }

    for (int h = 0; h < NUM_HUMORES_ESCENA; ++h)
        m_afPesos[h] = std::clamp(m_afPesos[h] + (h == m_iHumor ? 0.1f : -0.1f), 0.0f, 1.0f);

    if (m_iFramesParpadeo > 0) {
        --m_iFramesParpadeo;
        m_fParpado += m_fPasoParpado;
    }
    if (m_iFramesParpadeo == 0) {
        m_iFaseParpadeo = (m_iFaseParpadeo + 1) % 4;
        const Rango& r = kParpadeo[std::clamp(m_iParpadeo, 0, 4)][m_iFaseParpadeo];
        m_iFramesParpadeo = EnteroAleatorio(r.desde, r.hasta);
        // A phase without frames moves the lid nothing (no step of 1/0).
        const float fPaso = m_iFramesParpadeo > 0 ? 1.0f / float(m_iFramesParpadeo) : 0.0f;
        switch (m_iFaseParpadeo) {
        case 0: m_fParpado = 0.0f; m_fPasoParpado = 0.0f; break;
        case 1: m_fParpado = 0.0f; m_fPasoParpado = fPaso; break;
        case 2: m_fParpado = 1.0f; m_fPasoParpado = 0.0f; break;
        default: m_fParpado = 1.0f; m_fPasoParpado = -fPaso; break;
        }
    }

    if (m_bHablando) {
        // Shouting opens the mouth wide at once; any other gesture moves it
        // up and down at its speed, turning now and then.
        m_fBoca = m_iBoca == BOCA_GRITA ? std::min(m_fBoca + 0.4f, 1.0f) : m_fBoca + m_fVelocidadBoca;
        if (m_fBoca > 1.0f)
            m_fVelocidadBoca = -0.2f;
        else if (m_fBoca < 0.0f)
            m_fVelocidadBoca = 0.2f;
        else if (EnteroAleatorio(0, 120) == 120)
            m_fVelocidadBoca = -m_fVelocidadBoca;
    } else {
        // A character that stops talking closes its mouth.
        m_fVelocidadBoca = -0.2f;
        m_fBoca = std::max(m_fBoca + m_fVelocidadBoca, 0.0f);
    }

    if (m_iFramesEscala > 0) {
        --m_iFramesEscala;
        m_fEscala = m_iFramesEscala > 0 ? m_fEscala + m_fPasoEscala : m_fEscalaObjetivo;
    }
    if (m_iFramesX > 0) {
        --m_iFramesX;
        m_fX = m_iFramesX > 0 ? m_fX + m_fPasoX : m_fXObjetivo;
    }
    if (m_fSalto < 1.0f) m_fSalto = std::min(m_fSalto + 1.0f / float(kFramesSalto), 1.0f);

    if (m_iFramesSilueta > 0) {
        // Even steps over the frames left; the last lands on the target.
        if (m_iFramesSilueta > 1) {
            const int f = m_iFramesSilueta;
            m_Silueta.a = uint8_t(m_Silueta.a + (int(m_SiluetaObjetivo.a) - int(m_Silueta.a)) / f);
            m_Silueta.r = uint8_t(m_Silueta.r + (int(m_SiluetaObjetivo.r) - int(m_Silueta.r)) / f);
            m_Silueta.g = uint8_t(m_Silueta.g + (int(m_SiluetaObjetivo.g) - int(m_Silueta.g)) / f);
            m_Silueta.b = uint8_t(m_Silueta.b + (int(m_SiluetaObjetivo.b) - int(m_Silueta.b)) / f);
        } else {
            m_Silueta = m_SiluetaObjetivo;
        }
        --m_iFramesSilueta;
        for (auto& p : m_apPaquetes) {
            if (!p) continue;
            p->PonAlfaFusion2(m_Silueta.a);
            p->PonFusion2(1, ColorRGB(m_Silueta.r, m_Silueta.g, m_Silueta.b));
        }
    }
}

void CPersoSecTazmo::Dibuja()
{
    if (!m_bCargado || (m_fAlfa <= 0.0f && m_Silueta.a == 0)) return;
    const float fSalto = std::sin(m_fSalto * 3.141592f) * -50.0f;
    const float fBoca = kFactorBoca[std::clamp(m_iBoca, 0, 4)] * m_fBoca;
    const float fOjoDer = kFactorOjo[std::clamp(m_iOjoDerecho, 0, 3)] * m_fParpado;
    const float fOjoIzq = kFactorOjo[std::clamp(m_iOjoIzquierdo, 0, 3)] * m_fParpado;
    for (int h = 0; h < NUM_HUMORES_ESCENA; ++h) {
        CSPM* p = m_apPaquetes[h].get();
        if (!p || !(m_afPesos[h] > 0.0f)) continue;
        p->PonEscala(m_fEscala, m_fEscala);
        p->PonAlfa(uint8_t(std::clamp(int(m_afPesos[h] * 255.0f * m_fAlfa), 0, 255)));
        p->DibujaSprite(0, m_fX, kYCuerpo + fSalto);
        const auto parte = [&](int iSprite, const PuntoCara& o) {
            p->DibujaSprite(iSprite, m_fX + o.x * m_fEscala, kYCuerpo + m_fEscala * (fSalto + o.y));
        };
        parte(SpriteBoca(fBoca), m_aPartes[CARA_BOCA][h]);
        parte(SpriteOjo(20, fOjoDer), m_aPartes[CARA_OJO_DERECHO][h]);
        parte(SpriteOjo(30, fOjoIzq), m_aPartes[CARA_OJO_IZQUIERDO][h]);
    }
}

void CPersoSecTazmo::CargaRecursos()
{
    for (auto& p : m_apPaquetes)
        if (p) p->MarcaEnUso();
}

void CPersoSecTazmo::DescargaRecursos()
{
    for (auto& p : m_apPaquetes)
        if (p) p->DesmarcaEnUso();
}

// ---------------------------------------------------------------------------
// Face tuning

bool CPersoSecTazmo::CaracterAjuste(char c)
{
    if (!g_bAjusteCaras || m_iFila != kFilaAjuste) return false;
    if (c < '0' || c > '3') return false;
    m_iParteAjuste = c == '0' ? -1 : c - '1';
    return true;
}

bool CPersoSecTazmo::TeclaAjuste(int iTecla)
{
    if (!g_bAjusteCaras || m_iFila != kFilaAjuste || m_iParteAjuste < 0) return false;
    float dx = 0.0f, dy = 0.0f;
    switch (iTecla) {
    case 200: dy = -1.0f; break; // up
    case 208: dy = 1.0f; break;  // down
    case 203: dx = -1.0f; break; // left
    case 205: dx = 1.0f; break;  // right
    default: return false;
    }
    const auto abajo = [](int t) { return g_pTeclado && g_pTeclado->TeclaAbajo(t); };
    const float paso = abajo(42) || abajo(54) ? 10.0f : abajo(29) || abajo(157) ? 0.25f : 1.0f;
    PuntoCara& o = m_aPartes[m_iParteAjuste][std::clamp(m_iHumor, 0, NUM_HUMORES_ESCENA - 1)];
    o.x += dx * paso;
    o.y += dy * paso;
    return true;
}
