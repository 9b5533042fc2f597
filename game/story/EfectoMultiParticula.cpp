#include "game/story/EfectoMultiParticula.h"

#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "game/CatalogoJuego.h"

#include <algorithm>
#include <climits>

namespace {

// The kinds by name, where the code tells them apart.
enum {
    RAYOS_SOL = 0,
    HOJAS_VERDES = 1,
    HOJAS_TARDE = 2,
    POLVO = 3,
    CHISPAS_PRISION = 4,
    CHISPAS_LIMBO_MALVADO = 6,
    HUMO_COMIDA = 7,
    FUENTE_MIGAS = 8,
    VENTANAS_ADELETIA = 9,
    VENTANAS_ADELETIA_DIA = 10,
    VENTANAS_ALDUNIA = 11,
    AMBIENTE_LABORATORIO = 12,
    ESPERITOS_LIMBO = 13,
    ESPERITOS_LIMBO_MALVADO = 14,
    STOKINNEN_CONCENTRA = 15,
    SELLO_SE_INSTALA = 17,
    SELLO_EN_LIMBO = 18,
    DANYO_SELLO_TERESIA = 19,
    TERESIA_CARGA = 20,
    TERESIA_ATACA_Y_DA = 21,
    TERESIA_ATACA_Y_REBOTA = 22,
    MAIDA_RECIBE_DANYO = 23,
    ADELETIA_CARGA_SELLO = 24,
    ALDUNIA_CARGA_SELLO = 26,
    MAIDA_RECIBE_PRIMER_SELLO = 27,
    MAIDA_RECIBE_TERCER_SELLO = 29,
    MAIDA_PRIMER_NIVEL = 30,
    MAIDA_SEGUNDO_NIVEL = 31,
    MAIDA_TERCER_NIVEL = 32,
    MAIDA_CONCENTRA = 33,
    PETALOS = 35,
    MAIDA_EN_PAZ = 36,
    TERESIA_EN_PAZ = 37,
    PUERTA_REVENTADA = 41,
};

constexpr float kCuartoVuelta = 0.785398f;
constexpr float kVuelta = 6.283184f;
// Frames after which the seal kinds emit no more.
constexpr int kFramesSello = 121;

float Aleatorio(const Rango2& r) { return RealAleatorio(r.desde, r.hasta); }
bool CaraOCruz() { return EnteroAleatorio(0, 1) == 0; }

void Escala(DescripcionEfecto& d, float desdeX, float desdeY, float hastaX, float hastaY, int iDesde, int iHasta)
{
    d.m_fEscalaDesdeX = desdeX;
    d.m_fEscalaDesdeY = desdeY;
    d.m_fEscalaHastaX = hastaX;
    d.m_fEscalaHastaY = hastaY;
    d.m_iInicioEscala = iDesde;
    d.m_iFinEscala = iHasta;
}
void EscalaFija(DescripcionEfecto& d, float s) { Escala(d, s, s, s, s, 0, 0); }
void Fundidos(DescripcionEfecto& d, int inDesde, int inHasta, int outDesde, int outHasta)
{
    d.m_iInicioFadeIn = inDesde;
    d.m_iFinFadeIn = inHasta;
    d.m_iInicioFadeOut = outDesde;
    d.m_iFinFadeOut = outHasta;
}
void Destino(DescripcionEfecto& d, float x, float y)
{
    d.m_fHastaX = x;
    d.m_fHastaY = y;
}
// Movement and fade-out end at the particle's life.
void Vida(DescripcionEfecto& d, int iVida)
{
    d.m_iFinMovimiento = iVida;
    d.m_iInicioFadeOut = d.m_iFinFadeOut = iVida;
}

} // namespace

CEfectoMultiParticula::CEfectoMultiParticula() = default;
CEfectoMultiParticula::~CEfectoMultiParticula() { Libera(); }

void CEfectoMultiParticula::Libera()
{
    m_pPaquete.reset();
    m_pPaquete2.reset();
    m_bActivo = false;
    m_bCreado = false;
    m_bCargado = false;
}

bool CEfectoMultiParticula::Carga(int iTipo)
{
    Libera();
    if (!CEfectoSecTazmo::Carga(iTipo)) return false;
    m_pPaquete = CopiaPaqueteCache(juego::paquete::EFECTOS_SECUENCIA);
    if (iTipo == SELLO_SE_INSTALA || iTipo == SELLO_EN_LIMBO)
        m_pPaquete2 = CopiaPaqueteCache(juego::paquete::EFECTO_SELLO_STOKINNEN);
    else if (iTipo >= ADELETIA_CARGA_SELLO && iTipo <= MAIDA_TERCER_NIVEL)
        m_pPaquete2 = CopiaPaqueteCache(juego::paquete::EFECTO_SELLOS);
    const bool bSegundo = iTipo == SELLO_SE_INSTALA || iTipo == SELLO_EN_LIMBO ||
                          (iTipo >= ADELETIA_CARGA_SELLO && iTipo <= MAIDA_TERCER_NIVEL);
    if (!m_pPaquete || (bSegundo && !m_pPaquete2)) {
        Libera();
        return false;
    }
    m_Emision.Crea();
    m_Emision.Inicia(FilaEfecto(iTipo).periodo, 0, INT_MAX - 1);
    if (iTipo == ESPERITOS_LIMBO || iTipo == ESPERITOS_LIMBO_MALVADO)
        for (CCaminoMoneda& c : m_aCaminos)
            c.Inicia(RealAleatorio(-512.0f, 512.0f), RealAleatorio(0.0f, 768.0f), 32.0f, 512.0f,
                     RealAleatorio(0.034906577f, 0.052359868f), 10.0f, EnteroAleatorio(180, 300));
    m_bCreado = true;
    return true;
}

void CEfectoMultiParticula::Lanza()
{
    m_bActivo = true;
    m_iContador = 0;
}

void CEfectoMultiParticula::Para() { m_bActivo = false; }

void CEfectoMultiParticula::Limpia()
{
    if (!g_pSistemaCacheEfectos) return;
    const int t = m_iTipo;
    const auto limpia = [](int capa) { g_pSistemaCacheEfectos->LimpiaCapa(capa); };
    if (t == RAYOS_SOL || (t >= POLVO && t <= HUMO_COMIDA) || (t >= VENTANAS_ADELETIA && t <= ESPERITOS_LIMBO_MALVADO)) {
        limpia(CAPA_ESCENA_FONDOS);
    } else if (t == HOJAS_VERDES || t == HOJAS_TARDE || t == PETALOS) {
        limpia(CAPA_ESCENA_FONDOS);
        limpia(CAPA_ESCENA_PERSONAJES);
    } else if (t == STOKINNEN_CONCENTRA || (t >= TERESIA_CARGA && t <= TERESIA_ATACA_Y_REBOTA)) {
        limpia(CAPA_ESCENA_PERSONAJES);
    } else if (t == FUENTE_MIGAS) {
        limpia(CAPA_ESCENA_ILUSTRACIONES);
    }
}

void CEfectoMultiParticula::CargaRecursos()
{
    if (m_pPaquete) m_pPaquete->MarcaEnUso();
    if (m_pPaquete2) m_pPaquete2->MarcaEnUso();
}

void CEfectoMultiParticula::DescargaRecursos()
{
    if (m_pPaquete) m_pPaquete->DesmarcaEnUso();
    if (m_pPaquete2) m_pPaquete2->DesmarcaEnUso();
}

void CEfectoMultiParticula::Actualiza()
{
    if (!m_bCreado || !m_bActivo) return;
    if (m_iContador < INT_MAX) ++m_iContador;
    for (CCaminoMoneda& c : m_aCaminos)
        if (c.m_bCreado) c.Actualiza();
    if (m_Emision.Fraccion(PROGRESO_CICLICO) == 0.0f) Emite();
}

int CEfectoMultiParticula::AlfaSello(int n)
{
    if (n <= 9) return std::max(25 * n, 0);
    if (n < 180) return 255;
    if (n < 190) return 4750 - 25 * n;
    return 0;
}

void CEfectoMultiParticula::Dibuja(bool, Sprite*)
{
    if (!m_bActivo || !m_pPaquete2 || m_iTipo < ADELETIA_CARGA_SELLO || m_iTipo > MAIDA_RECIBE_TERCER_SELLO) return;
    const int a = AlfaSello(m_iContador);
    if (a <= 0) return;
    const FilaEfectoEscena& f = FilaEfecto(m_iTipo);
    m_pPaquete2->PonEscala(1.5f, 1.5f);
    m_pPaquete2->PonAlfa(uint8_t(a));
    m_pPaquete2->DibujaSprite(3, f.x.desde, f.y.desde);
}

DescripcionEfecto CEfectoMultiParticula::Defecto() const
{
    const FilaEfectoEscena& f = FilaEfecto(m_iTipo);
    DescripcionEfecto d;
    const int s = f.primerSprite + (f.numSprites > 1 ? EnteroAleatorio(0, f.numSprites - 1) : 0);
    d.m_pSprite = m_pPaquete->GetSprite(s);
    const float x = Aleatorio(f.x), y = Aleatorio(f.y);
    d.m_iInicioMovimiento = 0;
    d.m_iFinMovimiento = f.vida;
    d.m_fDesdeX = d.m_fHastaX = x;
    d.m_fDesdeY = d.m_fHastaY = y;
    Fundidos(d, 0, 0, f.vida, f.vida);
    d.m_ucAlfaMaximo = 255;
    EscalaFija(d, 1.0f);
    d.m_iFusion = 0;
    d.m_ColorFusion = ColorRGB(0, 0, 0);
    return d;
}

void CEfectoMultiParticula::Suelta(int iCapa, const DescripcionEfecto& d)
{
    if (!g_pSistemaCacheEfectos) return;
    if (CEfectoCacheado* e = g_pSistemaCacheEfectos->CreaEfecto(iCapa)) e->Inicia(d);
}

void CEfectoMultiParticula::Brillo(float x, float y, int iSprite)
{
    DescripcionEfecto d;
    d.m_pSprite = m_pPaquete->GetSprite(iSprite);
    d.m_iInicioMovimiento = 0;
    d.m_iFinMovimiento = 30;
    d.m_fDesdeX = d.m_fHastaX = x;
    d.m_fDesdeY = d.m_fHastaY = y;
    Fundidos(d, 0, 7, 23, 30);
    d.m_ucAlfaMaximo = 128;
    const float t = std::min(0.07f * float(m_iContador), 0.7f);
    Escala(d, 0.3f + t, 0.3f + t, t, t, 0, 30);
    d.m_fRotacion = RealAleatorio(0.0f, kVuelta);
    d.m_iFusion = SPRITE_ADDITIU;
    d.m_ColorFusion = ColorRGB(255, 255, 255);
    Suelta(CAPA_ESCENA_PERSONAJES, d);
}

void CEfectoMultiParticula::Emite()
{
    const FilaEfectoEscena& f = FilaEfecto(m_iTipo);
    const int L = f.vida;
    const int n = m_iContador;
    const int t = m_iTipo;
    DescripcionEfecto d = Defecto();
    int iCapa = CAPA_ESCENA_FONDOS;

    switch (t) {
    case RAYOS_SOL: {
        d.m_fRotacion = kCuartoVuelta;
        Fundidos(d, 0, L / 2, L / 2, L);
        const float sx = RealAleatorio(0.3f, 2.0f), sy = RealAleatorio(0.3f, 2.0f);
        Escala(d, sx, sy, sx, sy, 0, 0);
        break;
    }
    case HOJAS_VERDES:
    case HOJAS_TARDE:
    case PETALOS: {
        d.m_fPasoRotacion = Aleatorio(f.z);
        Destino(d, d.m_fDesdeX - 400.0f, d.m_fDesdeY + 800.0f);
        const float s = RealAleatorio(0.3f, 2.0f);
        EscalaFija(d, s);
        Vida(d, int(float(L) / s));
        if (s > 1.0f) iCapa = CAPA_ESCENA_PERSONAJES;
        break;
    }
    case POLVO: {
        Destino(d, 1124.0f, d.m_fDesdeY);
        const float s = RealAleatorio(2.0f, 4.0f);
        EscalaFija(d, s);
        Vida(d, int(float(L) / s));
        d.m_iFusion = SPRITE_MINIM;
        d.m_ColorFusion = ColorRGB(255, 255, 255);
        break;
    }
    case CHISPAS_PRISION:
    case CHISPAS_PRISION + 1:
    case CHISPAS_LIMBO_MALVADO:
        d.m_fPasoRotacion = Aleatorio(f.z);
        Destino(d, RealAleatorio(0.0f, 1024.0f), RealAleatorio(0.0f, 768.0f));
        Fundidos(d, 0, L / 4, L - L / 4, L);
        break;
    case HUMO_COMIDA: {
        Destino(d, d.m_fDesdeX, -256.0f);
        const float u = kCuartoVuelta / float(L);
        d.m_fPasoRotacion = RealAleatorio(-u, u);
        const float z = Aleatorio(f.z);
        Escala(d, z / 4, z / 4, z, z, 0, L);
        Fundidos(d, 0, L / 4, L - L / 4, L);
        d.m_ucAlfaMaximo = 64;
        break;
    }
    case FUENTE_MIGAS:
        Destino(d, (d.m_fDesdeX - 512.0f) * RealAleatorio(2.0f, 4.0f) + 512.0f,
                (d.m_fDesdeY - 384.0f) * RealAleatorio(0.5f, 1.0f) + 384.0f);
        d.m_fOndulacionY = RealAleatorio(-128.0f, -64.0f);
        Fundidos(d, 0, L / 8, L - L / 8, L);
        EscalaFija(d, RealAleatorio(0.7f, 1.2f));
        d.m_fPasoRotacion = Aleatorio(f.z);
        iCapa = CAPA_ESCENA_ILUSTRACIONES;
        break;
    case VENTANAS_ADELETIA:
    case VENTANAS_ADELETIA_DIA:
    case VENTANAS_ALDUNIA: {
        Fundidos(d, 0, L / 2, L / 2, L);
        float x, y;
        if (t == VENTANAS_ALDUNIA) {
            struct Ventana {
                Rango2 x, y;
                float giro;
            };
            static const Ventana kVentanas[4] = {
                {{168, 191}, {384, 404}, 0.785398f},
                {{211, 275}, {366, 465}, 0.392699f},
                {{297, 366}, {367, 514}, -0.392699f},
                {{416, 459}, {384, 555}, -0.785398f},
            };
            const Ventana& v = kVentanas[EnteroAleatorio(0, 3)];
            x = Aleatorio(v.x);
            y = Aleatorio(v.y);
            d.m_fRotacion = v.giro;
        } else {
            if (CaraOCruz()) {
                x = RealAleatorio(71.0f, 211.0f);
                y = RealAleatorio(296.0f, 524.0f);
            } else {
                x = RealAleatorio(499.0f, 575.0f);
                y = RealAleatorio(295.0f, 496.0f);
            }
            d.m_fRotacion = -kCuartoVuelta;
            d.m_iFusion = SPRITE_COLOR_PLA;
            d.m_ColorFusion = t == VENTANAS_ADELETIA ? ColorRGB(183, 188, 208) : ColorRGB(255, 255, 255);
        }
        d.m_fDesdeX = d.m_fHastaX = x;
        d.m_fDesdeY = d.m_fHastaY = y;
        const float sx = RealAleatorio(0.3f, 0.5f), sy = RealAleatorio(0.3f, 1.0f);
        Escala(d, sx, sy, sx, sy, 0, L);
        break;
    }
    case AMBIENTE_LABORATORIO: {
        Destino(d, d.m_fDesdeX, d.m_fDesdeY - 150.0f);
        const float s = RealAleatorio(1.0f, 2.0f);
        Escala(d, s / 4, 1.0f, s, 1.0f, 0, L);
        Fundidos(d, 0, 0, L - L / 4, L);
        d.m_ucAlfaMaximo = 64;
        break;
    }
    case ESPERITOS_LIMBO:
    case ESPERITOS_LIMBO_MALVADO:
        // One particle for each wanderer, where it is.
        for (const CCaminoMoneda& c : m_aCaminos) {
            DescripcionEfecto e = d;
            e.m_pSprite = m_pPaquete->GetSprite(f.primerSprite);
            e.m_fDesdeX = e.m_fHastaX = c.m_fX + 512.0f;
            e.m_fDesdeY = e.m_fHastaY = c.m_fY + 384.0f;
            e.m_iFusion = SPRITE_COLOR_PLA;
            e.m_ColorFusion = t == ESPERITOS_LIMBO ? ColorRGB(15, 142, 199) : ColorRGB(145, 0, 5);
            e.m_ucAlfaMaximo = 128;
            Escala(e, 0.5f, 0.5f, 0.001f, 0.001f, 0, L);
            Fundidos(e, 0, 0, 3 * L / 4, L);
            e.m_fPasoRotacion = RealAleatorio(-0.10471974f, 0.10471974f);
            Suelta(CAPA_ESCENA_FONDOS, e);
        }
        return;
    case STOKINNEN_CONCENTRA: {
        Brillo(400.0f, 150.0f, 36);
        Destino(d, 400.0f, 150.0f);
        Fundidos(d, 0, L / 8, L / 2, 3 * L / 4);
        const float z = Aleatorio(f.z);
        Escala(d, z, z, 0.5f, 0.5f, 0, L);
        iCapa = CAPA_ESCENA_PERSONAJES;
        break;
    }
    case SELLO_EN_LIMBO: {
        if (!m_pPaquete2) return;
        d.m_fDesdeX = d.m_fHastaX = 768.0f;
        d.m_fDesdeY = d.m_fHastaY = 384.0f;
        d.m_iFusion = SPRITE_COLOR_PLA;
        d.m_ColorFusion = ColorRGB(15, 142, 199);
        d.m_ucAlfaMaximo = 200;
        d.m_fRotacion = float(n) * 0.020943947f;
        Fundidos(d, 0, L / 4, L - L / 4, L);
        d.m_pSprite = m_pPaquete2->GetSprite(0);
        EscalaFija(d, 2.5f);
        Suelta(iCapa, d);
        d.m_pSprite = m_pPaquete2->GetSprite(1);
        EscalaFija(d, 1.5f);
        break;
    }
    case DANYO_SELLO_TERESIA:
    case MAIDA_RECIBE_DANYO:
        d.m_fRotacion = Aleatorio(f.z);
        Fundidos(d, 0, L / 8, L / 4, L);
        iCapa = CaraOCruz() ? CAPA_ESCENA_PERSONAJES : CAPA_ESCENA_FONDOS;
        break;
    case TERESIA_CARGA:
    case TERESIA_ATACA_Y_DA:
    case TERESIA_ATACA_Y_REBOTA: {
        float cx = 768.0f, cy = 384.0f;
        bool bBrillo = true;
        if (t == TERESIA_ATACA_Y_DA) {
            if (n >= 26) return;
            cx = 768.0f - 20.0f * float(n);
        } else if (t == TERESIA_ATACA_Y_REBOTA) {
            if (n >= 52) return;
            if (n < 25) {
                cx = 768.0f - 20.0f * float(n);
            } else if (n < 50) {
                cx = 256.0f + 20.0f * float(n - 25);
                cy = 384.0f - 20.0f * float(n - 25);
            } else {
                bBrillo = false;
            }
        }
        if (bBrillo) Brillo(cx, cy, 38);
        d.m_fDesdeX = cx + Aleatorio(f.x);
        d.m_fDesdeY = cy + Aleatorio(f.y);
        Destino(d, cx, cy);
        Fundidos(d, 0, L / 8, L / 2, 3 * L / 4);
        const float z = Aleatorio(f.z);
        Escala(d, z, z, 0.5f, 0.5f, 0, L);
        iCapa = CAPA_ESCENA_PERSONAJES;
        break;
    }
    case ADELETIA_CARGA_SELLO:
    case ADELETIA_CARGA_SELLO + 1:
    case ALDUNIA_CARGA_SELLO:
    case MAIDA_RECIBE_PRIMER_SELLO:
    case MAIDA_RECIBE_PRIMER_SELLO + 1:
    case MAIDA_RECIBE_TERCER_SELLO:
        if (n >= kFramesSello || !m_pPaquete2) return;
        d.m_pSprite = m_pPaquete2->GetSprite(f.primerSprite);
        if (t <= ALDUNIA_CARGA_SELLO)
            Escala(d, 1.75f, 1.75f, 2.5f, 2.5f, L / 2, L);
        else
            Escala(d, 2.5f, 2.5f, 1.75f, 1.75f, 0, L / 2);
        Fundidos(d, 0, L / 4, L - L / 4, L);
        d.m_ucAlfaMaximo = 200;
        iCapa = CAPA_ESCENA_PERSONAJES;
        break;
    case MAIDA_PRIMER_NIVEL:
    case MAIDA_SEGUNDO_NIVEL:
    case MAIDA_TERCER_NIVEL:
        Fundidos(d, 0, L / 2, L / 2, L);
        iCapa = CaraOCruz() ? CAPA_ESCENA_PERSONAJES : CAPA_ESCENA_FONDOS;
        if (t == MAIDA_PRIMER_NIVEL) {
            EscalaFija(d, 0.5f + RealAleatorio(-0.2f, 0.2f));
            d.m_ucAlfaMaximo = 200;
        } else if (t == MAIDA_SEGUNDO_NIVEL) {
            const float s = 0.05f + RealAleatorio(-0.05f, 0.05f);
            Escala(d, s, s, 0.05f, 0.05f, 0, 0);
            d.m_fHastaY = d.m_fDesdeY - RealAleatorio(200.0f, 300.0f);
        } else {
            Escala(d, 0.05f, 201.0f, 0.05f, 1.0f, 0, 0);
            d.m_fHastaY = d.m_fDesdeY - RealAleatorio(400.0f, 700.0f);
        }
        break;
    case MAIDA_CONCENTRA: {
        d.m_fDesdeX = d.m_fHastaX = 256.0f;
        d.m_fDesdeY = d.m_fHastaY = 384.0f;
        d.m_iFinMovimiento = 30;
        Fundidos(d, 0, 7, 23, 30);
        d.m_ucAlfaMaximo = 128;
        d.m_fRotacion = RealAleatorio(0.0f, kVuelta);
        d.m_iFusion = SPRITE_ADDITIU;
        d.m_ColorFusion = ColorRGB(255, 255, 255);
        const float tt = std::min(0.07f * float(n), 0.7f);
        Escala(d, 3 * (tt + 0.3f), 3 * (tt + 0.3f), 3 * tt, 3 * tt, 0, 30);
        break;
    }
    case MAIDA_EN_PAZ:
    case TERESIA_EN_PAZ:
        Fundidos(d, 0, L / 2, L / 2, L);
        d.m_ucAlfaMaximo = 128;
        iCapa = CAPA_ESCENA_PERSONAJES;
        break;
    case PUERTA_REVENTADA:
        Destino(d, RealAleatorio(6.0f, 12.0f) * 128.0f * d.m_fDesdeX, RealAleatorio(0.5f, 1.0f) * (d.m_fDesdeY + 384.0f));
        d.m_fOndulacionY = RealAleatorio(-128.0f, -64.0f);
        Fundidos(d, 0, L / 8, L - L / 8, L);
        EscalaFija(d, RealAleatorio(0.7f, 1.2f));
        d.m_fPasoRotacion = Aleatorio(f.z);
        iCapa = CaraOCruz() ? CAPA_ESCENA_PERSONAJES : CAPA_ESCENA_FONDOS;
        break;
    default: break;
    }
    Suelta(iCapa, d);
}
