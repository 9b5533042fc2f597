#include "engine/ui/Imagen3DRotable.h"

#include "engine/graphics/Geometria.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sistema3D.h"
#include "engine/graphics/Sprite.h"
#include "engine/graphics/Sprite3D.h"
#include "engine/ui/ScrollBar.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint8_t kGrisLienzo = 128;
// The view at the start: from the front, level, not rolled, halfway out.
constexpr float kPitchLimite = 1.5f;
constexpr float kRollLimite = kPi;

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

bool Graficos() { return g_pSistema2D && g_pSistema2D->EstaIniciat(); }
CSistema3D* Sistema3D() { return Graficos() ? g_pSistema2D->Get3D() : nullptr; }

// Where a value in [minimo, maximo] puts a bar running 0 to 1000.
float ValorBarra(float v, float minimo, float maximo)
{
    return maximo > minimo ? (v - minimo) / (maximo - minimo) * CImagen3DRotable::kRangoBarras : 0.0f;
}

} // namespace

CImagen3DRotable::~CImagen3DRotable() { LiberaSiCreado(); }

void CImagen3DRotable::InicializaCampos()
{
    m_pLienzo = nullptr;
    m_pMalla = nullptr;
    m_pSprite3D = nullptr;
    m_fEscala = 1.0f;
    m_pBarraX = m_pBarraY = m_pBarraZ = m_pBarraZoom = nullptr;
    m_fLienzoX = m_fLienzoY = 0.0f;
    m_fDistanciaMin = 1.0f;
    m_fDistanciaMax = 100.0f;
    m_fDistancia = (m_fDistanciaMin + m_fDistanciaMax) / 2.0f;
    m_fYaw = 0.0f;
    m_fPitch = 0.0f;
    m_fPitchMin = -kPitchLimite;
    m_fPitchMax = kPitchLimite;
    m_fRoll = 0.0f;
    m_fRollMin = -kRollLimite;
    m_fRollMax = kRollLimite;
    m_fVelocidadGiro = 0.0f;
    m_iPausaGiro = 0;
}

void CImagen3DRotable::LiberaModelo()
{
    if (m_pMalla) {
        if (CSistema3D* p3D = Sistema3D()) p3D->AlliberaMalla(m_pMalla);
        m_pMalla = nullptr;
    }
    Borra(m_pSprite3D);
}

void CImagen3DRotable::Libera()
{
    LiberaModelo();
    if (m_pLienzo && Graficos()) g_pSistema2D->AlliberaSprite(m_pLienzo, true);
    m_pLienzo = nullptr;
    Borra(m_pBarraX);
    Borra(m_pBarraY);
    Borra(m_pBarraZ);
    Borra(m_pBarraZoom);
}

void CImagen3DRotable::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CImagen3DRotable::Inicia(float x, float y, float ancho, float alto, float grosor, int estilo, int estiloBotones,
                              int estiloBarras, int flags, int id, const char* nombre)
{
    LiberaSiCreado();
    InicializaCampos();
    const Rectangulo r{x, y, ancho + 2.0f * grosor, alto + 2.0f * grosor};
    if (!CMenuObj::Inicia(id, nombre, r, estilo)) return false;
    m_fLienzoX = x + grosor;
    m_fLienzoY = y + grosor;
    m_pBarraX = new CScrollBar;
    m_pBarraY = new CScrollBar;
    m_pBarraZ = new CScrollBar;
    m_pBarraZoom = new CScrollBar;
    bool bOk = Graficos() &&
               (m_pLienzo = g_pSistema2D->CreaSpriteDestino(true, ancho, alto, 0.0f, 0.0f, true)) != nullptr;
    const float R = kRangoBarras;
    bOk = bOk &&
          m_pBarraX->Inicia(x + grosor, y + alto + grosor, ancho, grosor, true, estiloBarras, estiloBotones, 0.0f, R,
                            1.0f, 0, kNombreBarraX) &&
          m_pBarraY->Inicia(x + ancho + grosor, y + grosor, grosor, alto, false, estiloBarras, estiloBotones, 0.0f, R,
                            1.0f, 1, kNombreBarraY) &&
          m_pBarraZ->Inicia(x + grosor, y, ancho, grosor, true, estiloBarras, estiloBotones, 0.0f, R, 1.0f, 2,
                            kNombreBarraZ) &&
          m_pBarraZoom->Inicia(x, y + grosor, grosor, alto, false, estiloBarras, estiloBotones, 0.0f, R, 1.0f, 3,
                               kNombreBarraZoom);
    if (!bOk) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    if (flags & FLAG_BARRA_X) AnadeHijo(false, m_pBarraX, false, false);
    if (flags & FLAG_BARRAS_YZ) {
        AnadeHijo(false, m_pBarraY, false, false);
        AnadeHijo(false, m_pBarraZ, false, false);
    }
    if (flags & FLAG_BARRA_ZOOM) AnadeHijo(false, m_pBarraZoom, false, false);
    if (flags & FLAG_GIRA) m_fVelocidadGiro = kVelocidadGiro;
    SituaBarras();
    m_bCreado = true;
    return true;
}

void CImagen3DRotable::SituaBarras()
{
    if (!m_pBarraX) return;
    m_pBarraX->PonValor(std::fmod(m_fYaw, kDosPi) / kDosPi * 360.0f);
    m_pBarraY->PonValor(ValorBarra(m_fPitch, m_fPitchMin, m_fPitchMax));
    m_pBarraZ->PonValor(ValorBarra(m_fRoll, m_fRollMin, m_fRollMax));
    m_pBarraZoom->PonValor(ValorBarra(m_fDistancia, m_fDistanciaMin, m_fDistanciaMax));
}

void CImagen3DRotable::MarcaModelo(bool bEnUso)
{
    CSistema3D* p3D = Sistema3D();
    if (m_pMalla && p3D) {
        if (bEnUso)
            p3D->MarcaMallaEnUs(m_pMalla);
        else
            p3D->DesmarcaMallaEnUs(m_pMalla);
    }
    if (m_pSprite3D) {
        if (bEnUso)
            m_pSprite3D->MarcaEnUso();
        else
            m_pSprite3D->DesmarcaEnUso();
    }
}

void CImagen3DRotable::PonMalla(const Malla3D* pMalla, float fEscala)
{
    if (!m_bCreado) return;
    LiberaModelo();
    m_fEscala = fEscala;
    CSistema3D* p3D = Sistema3D();
    if (!pMalla || !p3D) return;
    m_pMalla = p3D->CopiaMalla(pMalla);
    if (m_pMalla && RecursosCargados()) {
        MarcaModelo(true);
        g_pSistema2D->CarregaBitmapsEnUs();
    }
}

void CImagen3DRotable::PonSprite3D(const CSprite3D* pSprite, float fEscala)
{
    if (!m_bCreado) return;
    LiberaModelo();
    m_fEscala = fEscala;
    if (!pSprite) return;
    m_pSprite3D = new CSprite3D;
    if (!m_pSprite3D->Copia(pSprite, false)) {
        Borra(m_pSprite3D);
        return;
    }
    if (RecursosCargados() && Graficos()) {
        MarcaModelo(true);
        g_pSistema2D->CarregaBitmapsEnUs();
    }
}

namespace {
// A new limit of a range also moves the value inside it.
void PonMinimo(float f, float* pMinimo, float* pValor)
{
    *pMinimo = f;
    *pValor = std::max(*pValor, f);
}
void PonMaximo(float f, float* pMaximo, float* pValor)
{
    *pMaximo = f;
    *pValor = std::min(*pValor, f);
}
} // namespace

void CImagen3DRotable::PonMinimoY(float f) { PonMinimo(f, &m_fPitchMin, &m_fPitch); }
void CImagen3DRotable::PonMaximoY(float f) { PonMaximo(f, &m_fPitchMax, &m_fPitch); }
void CImagen3DRotable::PonMinimoZ(float f) { PonMinimo(f, &m_fRollMin, &m_fRoll); }
void CImagen3DRotable::PonMaximoZ(float f) { PonMaximo(f, &m_fRollMax, &m_fRoll); }
void CImagen3DRotable::PonMinimoZoom(float f) { PonMinimo(f, &m_fDistanciaMin, &m_fDistancia); }
void CImagen3DRotable::PonMaximoZoom(float f) { PonMaximo(f, &m_fDistanciaMax, &m_fDistancia); }

void CImagen3DRotable::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo == EVENTO_VALOR_SCROLL) {
        const float f = float(iValor) / kRangoBarras;
        switch (iIdEmisor) {
        case 0:
            m_fYaw = float(iValor) / 360.0f * kDosPi;
            m_iPausaGiro = kPausaGiro;
            break;
        case 1: m_fPitch = m_fPitchMin + f * (m_fPitchMax - m_fPitchMin); break;
        case 2: m_fRoll = m_fRollMin + f * (m_fRollMax - m_fRollMin); break;
        case 3: m_fDistancia = m_fDistanciaMin + f * (m_fDistanciaMax - m_fDistanciaMin); break;
        default: break;
        }
    }
    CMenuObj::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
}

void CImagen3DRotable::Actualiza()
{
    if (m_iPausaGiro != 0)
        --m_iPausaGiro;
    else
        m_fYaw = NormalitzaAngle(m_fYaw + m_fVelocidadGiro);
    CMenuObj::Actualiza();
}

void CImagen3DRotable::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    CMenuObj::Dibuja(pHastaHijo, pDestino);
    if (!m_pLienzo || !m_pLienzo->m_pBitmap || !Graficos()) return;
    g_pSistema2D->OmpleTextura(m_pLienzo->m_pBitmap,
                               CSistema2D::FesColorARGB(kGrisLienzo, kGrisLienzo, kGrisLienzo, 255));
    CSistema3D* p3D = Sistema3D();
    if (p3D && (m_pMalla || m_pSprite3D)) {
        const float d = m_fDistancia;
        const Vector3D ull{d * std::sin(m_fYaw) * std::cos(m_fPitch), d * std::sin(m_fPitch),
                           d * std::cos(m_fYaw) * std::cos(m_fPitch)};
        p3D->PosaCamera(ull, Vector3D{}, m_fRoll);
        p3D->ProjeccioPerDefecte();
        if (m_pMalla)
            p3D->DibuixaMalla(m_pLienzo, m_pMalla, Vector3D{}, Vector3D{}, Vector3D{m_fEscala, m_fEscala, m_fEscala},
                              ColorARGB(255, 255, 255, 255), true, true, false);
        else
            m_pSprite3D->Dibuja(m_pLienzo, Vector3D{}, 0.0f, m_fEscala, true, true);
    }
    g_pSistema2D->DibuixaSpriteEX(pDestino, m_pLienzo, m_fLienzoX, m_fLienzoY, false, 255, 0.0f, 1.0f, 1.0f);
}

void CImagen3DRotable::PonEnfocado(bool bEnfocado)
{
    CMenuObj::PonEnfocado(bEnfocado);
    if (bEnfocado && !HijoEnfocado()) EnfocaHijo(m_pBarraX);
}

void CImagen3DRotable::CargaRecursos()
{
    if (m_pLienzo && Graficos()) g_pSistema2D->MarcaSpriteEnUs(m_pLienzo);
    MarcaModelo(true);
    CMenuObj::CargaRecursos();
}

void CImagen3DRotable::DescargaRecursos()
{
    MarcaModelo(false);
    CMenuObj::DescargaRecursos();
}
