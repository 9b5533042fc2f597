#include "game/play/herramientas/HerramientaEstadosCursor.h"

#include "engine/core/GestorRatones.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "game/CatalogoJuego.h"
#include "game/play/Maldicion.h"
#include "game/play/MenuJuego.h"
#include "game/play/herramientas/FalloHerramientas.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/play/herramientas/HerramientaEfectos.h"

#include <algorithm>
#include <cmath>

namespace {


// The field's margins the pointer is held within.
constexpr float kMinX = 2.0f, kMaxX = 1021.0f, kMinY = 2.0f, kMaxY = 765.0f;
constexpr float kSinTope = 10000000.0f;
constexpr float kTopeLento = 5.0f;
constexpr float kPasoIntensidad = 0.1f;
// Below this the filter left the pointer where the player put it.
constexpr float kSinCambio = 0.01f;

// The chase: where the mark may fall, how near counts as reached, and the
// distances over which the pointer's speed eases.
constexpr float kMarcaX0 = 200.0f, kMarcaX1 = 824.0f, kMarcaY0 = 100.0f, kMarcaY1 = 668.0f;
constexpr float kRadioMarca2 = 625.0f;
constexpr float kDistanciaLibre = 50.0f, kDistanciaMaxima = 500.0f;
constexpr float kVelocidadMinima = 0.15f;

// The pointer's package: slots of the pointer, its state overlays and the
// effects the states draw.
enum {
    SPR_PUNTERO = 0,
    SPR_CONGELADO = 1,
    SPR_TEMBLOR = 2,
    SPR_BLOQUEO = 3,
    SPR_HIELO = 4,
    SPR_PERSECUCION = 11,
    SPR_INVERTIDO = 12,
    SPR_ESCUDO = 13,
};
// The overlay of each state (-1: none).
constexpr std::array<int, NUM_ESTADOS_CURSOR> kSuperpuesto = {-1, SPR_CONGELADO, SPR_TEMBLOR, SPR_INVERTIDO,
                                                              -1, SPR_PERSECUCION, SPR_BLOQUEO};

// Sparks, ice and the hit flash appear this far right of and below the
// pointer's tip.
constexpr float kDesvioEfecto = 20.0f;
constexpr float kDesvioHielo = 30.0f;
constexpr int kNumHielos = 8;

// Three small curses circle a slowed pointer.
constexpr float kEscalaOrbita = 0.5f, kRadioOrbita = 40.0f, kCentroOrbita = 30.0f, kVelocidadOrbita = 0.2f;

// The shield: appears and leaves over 15 frames, pulses in its last 90.
constexpr int kPasosAparicionEscudo = 15;
constexpr int kPasosAvisoEscudo = 90;
constexpr float kAlfaEscudo = 200.0f;
constexpr float kPulsoEscudo = 0.41887894f;

int Alfa(float f) { return static_cast<int>(std::clamp(f, 0.0f, 255.0f)); }

CHerramientaEfectos* Efectos(CMenuJuego* pJuego) { return pJuego ? pJuego->Efectos() : nullptr; }

} // namespace

CHerramientaEstadosCursor::~CHerramientaEstadosCursor()
{
    if (m_bCreado) Libera();
}

// Read from the curses' own table, so the two can never disagree.
CHerramientaEstadosCursor::EfectoMaldicion CHerramientaEstadosCursor::TablaMaldiciones(int iTipo)
{
    const FichaMaldicion& f = FichaDeMaldicion(iTipo);
    if (f.iEstadoCursor < 0 || f.iEstadoCursor >= NUM_ESTADOS_CURSOR) return {-1, 0};
    return {f.iEstadoCursor, f.iFrames};
}

bool CHerramientaEstadosCursor::Carga(CMenuJuego* pJuego, RegistroNivel* pNivel)
{
    if (m_bCreado) Libera();
    m_iTipoLento = 1;
    m_iFrames = 0;
    m_aiPasos.fill(0);
    m_afIntensidad.fill(0.0f);
    m_iEscudo = m_iDestello = 0;
    m_fEscala = m_fEscalaObjetivo = 1.0f;
    m_fGiro = m_fGiroObjetivo = 0.0f;
    LimpiaEstados();
    m_pJuego = pJuego;
    m_pNivel = pNivel;
    auto copia = [](CSPM& destino, const char* szRuta) {
        CSPM* pOrigen = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(szRuta) : nullptr;
        return pOrigen && destino.Copia(pOrigen);
    };
    bool bOk = copia(m_SPMCursor, motor::paquete::CURSOR_INGAME) && copia(m_SPMMaldiciones, juego::paquete::MINI_ATAQUES);
    // The background the play screen shows, chosen once for the level (a
    // background by chance is drawn into the record before the tools come).
    const std::string sFondo = pJuego ? pJuego->FondoElegido() : (pNivel ? CMenuJuego::RutaFondo(pNivel->FONDO) : "");
    if (bOk && !sFondo.empty() && g_pSistema2D) {
        m_pFondo = g_pSistema2D->CreaSpriteFitxer(sFondo.c_str(), -1.0f, -1.0f, -1.0f, -1.0f, 512.0f, 384.0f, false, true);
        bOk = m_pFondo != nullptr;
    }
    if (!bOk || g_bFallaCargaHerramientas) {
        Libera();
        return false;
    }
    m_fUltimoX = m_fLecturaX = PunteroX();
    m_fUltimoY = m_fLecturaY = PunteroY();
    m_bCreado = true;
    return true;
}

void CHerramientaEstadosCursor::Libera()
{
    m_SPMCursor.Libera();
    m_SPMMaldiciones.Libera();
    if (m_pFondo && g_pSistema2D) g_pSistema2D->AlliberaSprite(m_pFondo, false);
    m_pFondo = nullptr;
    m_bCreado = false;
}

void CHerramientaEstadosCursor::CargaRecursos()
{
    if (!m_bCreado) return;
    m_SPMCursor.MarcaEnUso();
    m_SPMMaldiciones.MarcaEnUso();
    if (m_pFondo) g_pSistema2D->MarcaSpriteEnUs(m_pFondo);
}

void CHerramientaEstadosCursor::DescargaRecursos()
{
    if (!m_bCreado) return;
    m_SPMCursor.DesmarcaEnUso();
    m_SPMMaldiciones.DesmarcaEnUso();
    if (m_pFondo) g_pSistema2D->DesmarcaSpriteEnUs(m_pFondo);
}

// ---- Queries ----

bool CHerramientaEstadosCursor::PuedeTrazar() const
{
    return !m_bCreado || (m_aiPasos[CURSOR_PARALIZADO] <= 0 && m_aiPasos[CURSOR_PERSECUCION] <= 0 &&
                          m_aiPasos[CURSOR_BLOQUEADO] <= 0);
}

bool CHerramientaEstadosCursor::PermiteContacto() const
{
    return !m_bCreado || (m_aiPasos[CURSOR_PARALIZADO] == 0 && m_aiPasos[CURSOR_PERSECUCION] == 0);
}

bool CHerramientaEstadosCursor::EnPersecucion() const { return m_bCreado && m_aiPasos[CURSOR_PERSECUCION] != 0; }

bool CHerramientaEstadosCursor::PermiteMaldiciones() const { return !m_bCreado || m_bPermiteMaldiciones; }

bool CHerramientaEstadosCursor::AlgunEstadoActivo() const
{
    for (int i = 0; i < NUM_ESTADOS_CURSOR; ++i)
        if (m_aiPasos[static_cast<size_t>(i)] > 0 || m_afIntensidad[static_cast<size_t>(i)] > 0.0f) return true;
    return false;
}

float CHerramientaEstadosCursor::PunteroX() const
{
    CRaton* r = g_pRatones ? g_pRatones->Raton(0) : nullptr;
    return r ? r->X() : 0.0f;
}

float CHerramientaEstadosCursor::PunteroY() const
{
    CRaton* r = g_pRatones ? g_pRatones->Raton(0) : nullptr;
    return r ? r->Y() : 0.0f;
}

// ---- Curses, shield and the hit flash ----

void CHerramientaEstadosCursor::AplicaMaldicion(int iTipo)
{
    if (!m_bCreado) return;
    const EfectoMaldicion e = TablaMaldiciones(iTipo);
    if (e.iEstado < 0) return;
    m_aiPasos[static_cast<size_t>(e.iEstado)] = e.iPasos;
    if (e.iEstado == CURSOR_LENTO) m_iTipoLento = iTipo;
    if (e.iEstado == CURSOR_PARALIZADO || e.iEstado == CURSOR_PERSECUCION || e.iEstado == CURSOR_BLOQUEADO)
        if (m_pJuego) m_pJuego->DeshaceTodo();
    if (e.iEstado == CURSOR_PERSECUCION) {
        m_iSubPersecucion = PERSECUCION_ENTRADA;
        m_iContadorPersecucion = 0;
        m_fMarcaX = RealAleatorio(kMarcaX0, kMarcaX1);
        m_fMarcaY = RealAleatorio(kMarcaY0, kMarcaY1);
        if (m_pJuego && m_pJuego->m_pAtaques) m_pJuego->m_pAtaques->DesvaneceTodas();
    }
}

void CHerramientaEstadosCursor::AplicaMaldicion(const CMaldicion* pMaldicion)
{
    if (pMaldicion) AplicaMaldicion(pMaldicion->Tipo());
}

void CHerramientaEstadosCursor::Escudo()
{
    if (m_bCreado) m_iEscudo = kPasosEscudo;
}

void CHerramientaEstadosCursor::DestelloGolpe()
{
    if (m_bCreado) m_iDestello = kPasosDestello;
}

void CHerramientaEstadosCursor::LimpiaEstados()
{
    m_aiPasos.fill(0);
    // A chase cut short leaves nothing dimmed, faded or shrunk behind it.
    m_iSubPersecucion = PERSECUCION_ENTRADA;
    m_iContadorPersecucion = 0;
    m_fFundidoPersecucion = 0.0f;
    m_fVelocidadPersecucion = 1.0f;
    m_bPermiteMaldiciones = true;
}

// ---- One frame ----

void CHerramientaEstadosCursor::FiltraPuntero(float px, float py, float* pfX, float* pfY)
{
    float dx = px - m_fUltimoX, dy = py - m_fUltimoY;
    float f = 1.0f;
    float fTope = kSinTope;
    m_bPermiteMaldiciones = true;
    const auto intensidad = [&](int i) { return m_afIntensidad[static_cast<size_t>(i)]; };

    if (intensidad(CURSOR_LENTO) > 0.0f) fTope = kTopeLento;
    if (intensidad(CURSOR_CONGELADO) > 0.0f) f *= 1.0f - intensidad(CURSOR_CONGELADO);
    if (intensidad(CURSOR_TEMBLOROSO) > 0.0f) {
        const float t = static_cast<float>(m_iFrames);
        dx += std::trunc(10.0f * intensidad(CURSOR_TEMBLOROSO) * std::sin(0.3f * t));
        dy += std::trunc(10.0f * intensidad(CURSOR_TEMBLOROSO) * std::cos(0.2f * t));
    }
    if (intensidad(CURSOR_INVERTIDO) > 0.0f) {
        f = -(2.0f * intensidad(CURSOR_INVERTIDO) - 1.0f) * f;
        m_fGiroObjetivo = kPi;
    }
    if (intensidad(CURSOR_PARALIZADO) > 0.0f) f = 0.0f;
    if (intensidad(CURSOR_PERSECUCION) > 0.0f && m_aiPasos[CURSOR_PERSECUCION] > 0) {
        m_bPermiteMaldiciones = false;
        switch (m_iSubPersecucion) {
        case PERSECUCION_ENTRADA:
            ++m_iContadorPersecucion;
            m_fFundidoPersecucion = static_cast<float>(m_iContadorPersecucion) / kPasosFundidoPersecucion;
            f = 0.0f;
            if (m_iContadorPersecucion >= kPasosFundidoPersecucion) {
                m_iSubPersecucion = PERSECUCION_CAZA;
                m_iContadorPersecucion = 0;
            }
            break;
        case PERSECUCION_CAZA: {
            m_fFundidoPersecucion = 1.0f;
            if (CHerramientaEfectos* e = Efectos(m_pJuego)) e->Marca(m_fMarcaX, m_fMarcaY);
            const float e = std::clamp(std::hypot(px - m_fMarcaX, py - m_fMarcaY) - kDistanciaLibre, 0.0f,
                                       kDistanciaMaxima);
            m_fVelocidadPersecucion = 1.0f - std::sin((1.0f - e / kDistanciaMaxima) * kPi / 2.0f) + kVelocidadMinima;
            fTope = (10.0f * m_fVelocidadPersecucion) * (10.0f * m_fVelocidadPersecucion);
            break;
        }
        default:
            ++m_iContadorPersecucion;
            m_fFundidoPersecucion = 1.0f - static_cast<float>(m_iContadorPersecucion) / kPasosFundidoPersecucion;
            f = 0.0f;
            if (m_iContadorPersecucion >= kPasosFundidoPersecucion) {
                m_aiPasos[CURSOR_PERSECUCION] = 0;
                m_fVelocidadPersecucion = 1.0f;
                m_fFundidoPersecucion = 0.0f;
                m_iSubPersecucion = PERSECUCION_ENTRADA;
                m_iContadorPersecucion = 0;
            }
            break;
        }
    }

    const float fLongitud = std::hypot(dx, dy);
    if (fLongitud > fTope) {
        dx *= fTope / fLongitud;
        dy *= fTope / fLongitud;
    }
    *pfX = std::clamp(m_fUltimoX + f * dx, kMinX, kMaxX);
    *pfY = std::clamp(m_fUltimoY + f * dy, kMinY, kMaxY);

    if (m_aiPasos[CURSOR_PERSECUCION] > 0 && m_iSubPersecucion == PERSECUCION_CAZA) {
        const float ax = *pfX - m_fMarcaX, ay = *pfY - m_fMarcaY;
        if (ax * ax + ay * ay < kRadioMarca2) {
            m_iSubPersecucion = PERSECUCION_SALIDA;
            m_iContadorPersecucion = 0;
        }
    }
    m_fUltimoX = *pfX;
    m_fUltimoY = *pfY;
}

void CHerramientaEstadosCursor::Actualiza()
{
    if (!m_bCreado) return;
    if (m_iDestello > 0) --m_iDestello;
    for (int i = 0; i < NUM_ESTADOS_CURSOR; ++i) {
        int& pasos = m_aiPasos[static_cast<size_t>(i)];
        if (i == CURSOR_PERSECUCION || pasos <= 0) continue;
        if (--pasos == 0 && i == CURSOR_CONGELADO)
            if (CHerramientaEfectos* e = Efectos(m_pJuego))
                for (int k = 0; k < kNumHielos; ++k)
                    e->Hielo(PunteroX() + kDesvioHielo + RealAleatorio(-kDesvioHielo, kDesvioHielo),
                             PunteroY() + kDesvioHielo + RealAleatorio(-kDesvioHielo, kDesvioHielo));
    }
    for (int i = 0; i < NUM_ESTADOS_CURSOR; ++i) {
        float& v = m_afIntensidad[static_cast<size_t>(i)];
        v = m_aiPasos[static_cast<size_t>(i)] > 0 ? std::min(1.0f, v + kPasoIntensidad)
                                                   : std::max(0.0f, v - kPasoIntensidad);
        // Ten steps of 0.1 do not add up to 1 in floats.
        if (v > 0.999f) v = 1.0f;
        if (v < 0.001f) v = 0.0f;
    }

    const float px = PunteroX(), py = PunteroY();
    const bool bActivo = AlgunEstadoActivo();
    // The player's movement since the last frame. A pointer the system moved
    // where the filter put it reports from there; but a pointer that reports
    // where the player's hand is (a tablet, a remote desktop, a scripted
    // pointer, a system that ignores the move, or a report made before the
    // move arrived) reports from the player's own last place. The states that
    // slow, hold or pull the pointer follow such a hand from where they put
    // it, and settle; an inverted pointer would instead double its distance
    // from the hand every frame and end pinned in a corner of the field, so
    // it takes, of the two readings, the much smaller one as the movement.
    const float ax = px - m_fUltimoX, ay = py - m_fUltimoY;
    const float bx = px - m_fLecturaX, by = py - m_fLecturaY;
    const bool bDesdeLectura = m_afIntensidad[CURSOR_INVERTIDO] > 0.0f &&
                               std::hypot(bx, by) < 0.5f * std::hypot(ax, ay);
    m_fLecturaX = px;
    m_fLecturaY = py;
    float x = px, y = py;
    FiltraPuntero(m_fUltimoX + (bDesdeLectura ? bx : ax), m_fUltimoY + (bDesdeLectura ? by : ay), &x, &y);
    // The system pointer moves only when a state changed where the player
    // put it, and then once with both coordinates.
    if (bActivo && (std::fabs(x - px) > kSinCambio || std::fabs(y - py) > kSinCambio))
        if (CRaton* r = g_pRatones ? g_pRatones->Raton(0) : nullptr) r->Cambia(x, y);

    if (CHerramientaEfectos* e = Efectos(m_pJuego)) {
        const float ex = PunteroX() + kDesvioEfecto, ey = PunteroY() + kDesvioEfecto;
        if (m_aiPasos[CURSOR_TEMBLOROSO] > 0) e->Chispa(ex, ey, true, false);
        if (m_aiPasos[CURSOR_BLOQUEADO] > 0) e->Chispa(ex, ey, false, false);
        if (m_iDestello > 0) e->Golpe(ex, ey);
    }
    m_fUltimoX = PunteroX();
    m_fUltimoY = PunteroY();
    m_fEscala += (m_fEscalaObjetivo - m_fEscala) / 4.0f;
    m_fGiro += (m_fGiroObjetivo - m_fGiro) / 4.0f;
    ++m_iFrames;
    if (m_iEscudo > 0) --m_iEscudo;
}

// ---- Drawing ----

void CHerramientaEstadosCursor::Dibuja(Sprite* pDestino)
{
    if (!m_bCreado) return;
    const float px = PunteroX(), py = PunteroY();
    m_fEscalaObjetivo = 1.0f;
    m_fGiroObjetivo = 0.0f;
    float a = 1.0f, r = 1.0f;
    std::array<float, NUM_ESTADOS_CURSOR> alfas{};
    for (int i = 0; i < NUM_ESTADOS_CURSOR; ++i) {
        const float v = m_afIntensidad[static_cast<size_t>(i)];
        if (v <= 0.0f) continue;
        switch (i) {
        case CURSOR_CONGELADO:
        case CURSOR_TEMBLOROSO:
        case CURSOR_INVERTIDO:
        case CURSOR_BLOQUEADO:
            alfas[static_cast<size_t>(i)] = r * v;
            r -= v / 2.0f;
            break;
        case CURSOR_PARALIZADO: a *= 1.0f - v; break;
        case CURSOR_PERSECUCION:
            alfas[static_cast<size_t>(i)] = v;
            a *= 1.0f - v;
            m_fEscalaObjetivo = m_fVelocidadPersecucion;
            break;
        default: break;
        }
    }

    // The chase scene flashes in (black) and out (white) over the field.
    const float iPersecucion = m_afIntensidad[CURSOR_PERSECUCION];
    if (m_pFondo && iPersecucion > 0.0f && iPersecucion < 1.0f) {
        const ColorRGB color = m_aiPasos[CURSOR_PERSECUCION] > 0 ? ColorRGB{0, 0, 0} : ColorRGB{255, 255, 255};
        const float f = 2.0f * iPersecucion;
        g_pSistema2D->DibuixaSpriteEX2(pDestino, m_pFondo, 0x01, &color, 512.0f, 384.0f, false,
                                       Alfa(255.0f * (f > 1.0f ? 2.0f - f : f)), 0.0f, 1.0f, 1.0f);
    }

    m_SPMCursor.PonEscala(m_fEscala, m_fEscala);
    m_SPMCursor.PonRotacion(m_fGiro);
    m_SPMCursor.PonAlfa(static_cast<uint8_t>(Alfa(255.0f * a)));
    m_SPMCursor.DibujaSpriteEnDestino(pDestino, SPR_PUNTERO, px, py);
    for (int i = 0; i < NUM_ESTADOS_CURSOR; ++i) {
        const float v = alfas[static_cast<size_t>(i)];
        if (v <= 0.0f || kSuperpuesto[static_cast<size_t>(i)] < 0) continue;
        m_SPMCursor.PonAlfa(static_cast<uint8_t>(Alfa(i == CURSOR_PERSECUCION ? 255.0f * v : 255.0f * v * a)));
        m_SPMCursor.DibujaSpriteEnDestino(pDestino, kSuperpuesto[static_cast<size_t>(i)], px, py);
    }
    if (m_aiPasos[CURSOR_CONGELADO] > 0) {
        m_SPMCursor.PonAlfa(static_cast<uint8_t>(Alfa(255.0f * m_afIntensidad[CURSOR_CONGELADO] * a)));
        m_SPMCursor.DibujaSpriteEnDestino(pDestino, SPR_HIELO, px, py);
    }
    m_SPMCursor.PonEscala(1.0f, 1.0f);
    m_SPMCursor.PonRotacion(0.0f);

    const float t = static_cast<float>(m_iFrames);
    if (m_afIntensidad[CURSOR_LENTO] > 0.0f) {
        m_SPMMaldiciones.PonEscala(kEscalaOrbita, kEscalaOrbita);
        m_SPMMaldiciones.PonAlfa(static_cast<uint8_t>(Alfa(255.0f * m_afIntensidad[CURSOR_LENTO])));
        for (int k = 0; k < 3; ++k) {
            const float g = kVelocidadOrbita * t + static_cast<float>(k) * 2.0f * kPi / 3.0f;
            m_SPMMaldiciones.DibujaSpriteEnDestino(pDestino, m_iTipoLento - 1,
                                                   px + kCentroOrbita + kRadioOrbita * std::sin(g),
                                                   py + kCentroOrbita + kRadioOrbita * std::cos(g));
        }
    }

    if (m_iEscudo > 0) {
        const int s = m_iEscudo;
        const float fPasos = static_cast<float>(kPasosAparicionEscudo);
        float nivel = 1.0f;
        if (s > kPasosEscudo - kPasosAparicionEscudo)
            nivel = 1.0f - static_cast<float>(s - (kPasosEscudo - kPasosAparicionEscudo)) / fPasos;
        else if (s <= kPasosAparicionEscudo)
            nivel = static_cast<float>(s) / fPasos;
        if (s < kPasosAvisoEscudo) nivel *= 0.85f + 0.15f * std::sin(kPulsoEscudo * static_cast<float>(s));
        m_SPMCursor.PonAlfa(static_cast<uint8_t>(Alfa(kAlfaEscudo * nivel * a)));
        m_SPMCursor.DibujaSpriteEnDestino(pDestino, SPR_ESCUDO, px + kRadioEscudo, py + kRadioEscudo);
    }
    m_SPMCursor.PonAlfa(255);
}
