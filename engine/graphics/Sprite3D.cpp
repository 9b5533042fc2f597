#include "engine/graphics/Sprite3D.h"

#include "engine/core/GestorComandes.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sistema3D.h"
#include "engine/graphics/Sprite.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr float kDosPiOrden = 6.283184f;
// The direction frames: eight sectors of 2π / 8, the first centred on 0.
constexpr float kSector = 0.785398f;
constexpr float kMedioSector = 0.392699f;

const ColorARGB kColorCuboOrigen(128, 200, 0, 0);
const ColorARGB kColorCuboPieza(128, 100, 0, 0);

bool GraficosActivos() { return g_pSistema2D && g_pSistema2D->EstaIniciat(); }

uint8_t Byte(float f)
{
    if (!(f > 0.0f)) return 0;
    if (f >= 1.0f) return 255;
    return uint8_t(f * 255.0f);
}

// A copy of a package: a new package on the same bitmaps, or null.
CSPM* CopiaDe(const CSPM* pOrigen)
{
    if (!pOrigen) return nullptr;
    auto* p = new CSPM;
    if (!p->Copia(pOrigen)) {
        delete p;
        return nullptr;
    }
    return p;
}

} // namespace

CSprite3D::CSprite3D() { Reinicia(); }

CSprite3D::~CSprite3D() { Libera(); }

void CSprite3D::Reinicia()
{
    for (PiezaSprite3D& p : m_aPiezas) p = PiezaSprite3D();
    for (ListaOrdenes& l : m_aListas) l = ListaOrdenes();
    m_bVersionB = false;
    m_fTamCuadro = 1.0f;
    m_bDepuracion = true;
    m_iUltimoReloj = -2;
    m_bEnUso = false;
}

void CSprite3D::LiberaPieza(PiezaSprite3D& p)
{
    delete p.m_pSPM;
    p.m_pSPM = nullptr;
    if (p.m_pSprite && GraficosActivos()) g_pSistema2D->AlliberaSprite(p.m_pSprite, true);
    p.m_pSprite = nullptr;
}

void CSprite3D::Libera()
{
    for (PiezaSprite3D& p : m_aPiezas) LiberaPieza(p);
    Reinicia();
    m_bIniciado = false;
}

bool CSprite3D::Carga(const char* szFichero, bool bEditable)
{
    // Taken before the release: the name may be the puppet's own.
    const std::string fichero = szFichero ? szFichero : "";
    Libera();
    m_bEditable = bEditable;
    if (fichero.empty() && bEditable) {
        m_bIniciado = true;
        return true;
    }
    if (fichero.empty() || !g_pGestorComandes) return false;
    FitxerComandes* f = g_pGestorComandes->ObreLectura(fichero.c_str());
    if (!f) return false;
    RegistroSprite3D r;
    if (!InterpretaRegistroSprite3D(g_pGestorComandes, f, false, &r) || r.tipo != RegistroSprite3D::VERSION) {
        g_pGestorComandes->Tanca(f);
        Libera();
        return false;
    }
    m_bVersionB = r.bVersionB;
    m_bIniciado = true;
    while (g_pGestorComandes->LlegeixComanda(f)) {
        if (!InterpretaRegistroSprite3D(g_pGestorComandes, f, m_bVersionB, &r)) continue;
        switch (r.tipo) {
        case RegistroSprite3D::PIEZA:
            PonSPMPorNombre(r.iPieza, r.paquete.c_str());
            m_aPiezas[r.iPieza].m_bEspejo = r.bEspejo;
            m_aPiezas[r.iPieza].m_bVisible = r.bVisible;
            PonAtributosPieza(r.iPieza, r.atributos);
            break;
        case RegistroSprite3D::ORDEN:
            AnadeOrden(r.iLista, r.orden);
            break;
        case RegistroSprite3D::DURACION:
            // Only for a list that already holds an order.
            if (!m_aListas[r.iLista].m_ordenes.empty()) PonDuracion(r.iLista, r.iDuracion);
            break;
        case RegistroSprite3D::TAMCUADRO:
            m_fTamCuadro = r.fTamCuadro;
            break;
        default:
            break;
        }
    }
    g_pGestorComandes->Tanca(f);
    return true;
}

bool CSprite3D::Copia(const CSprite3D* pOtro, bool bEditable)
{
    if (pOtro == this) return false;
    Libera();
    if (!pOtro || !pOtro->m_bIniciado) return false;
    m_bIniciado = true;
    m_bEditable = bEditable;
    m_bVersionB = pOtro->m_bVersionB;
    m_fTamCuadro = pOtro->m_fTamCuadro;
    m_bDepuracion = pOtro->m_bDepuracion;
    for (int i = 0; i < kNumPiezasSprite3D; ++i) {
        const PiezaSprite3D& o = pOtro->m_aPiezas[i];
        PiezaSprite3D& p = m_aPiezas[i];
        p = o;
        p.m_pSPM = CopiaDe(o.m_pSPM);
        p.m_pSprite = (o.m_pSprite && GraficosActivos()) ? g_pSistema2D->CopiaSprite(o.m_pSprite) : nullptr;
        AplicaColor(p);
    }
    for (int i = 0; i < kNumListasSprite3D; ++i) m_aListas[i] = pOtro->m_aListas[i];
    return true;
}

// ---------------------------------------------------------------------------
// Building by code

bool CSprite3D::PonSPM(int iPieza, const CSPM* pSPM)
{
    if (!PiezaValida(iPieza)) return false;
    PiezaSprite3D& p = m_aPiezas[iPieza];
    delete p.m_pSPM;
    p.m_pSPM = CopiaDe(pSPM);
    if (!p.m_pSPM) return false;
    AplicaColor(p);
    if (m_bEnUso) p.m_pSPM->MarcaEnUso();
    return true;
}

bool CSprite3D::PonSPMPorNombre(int iPieza, const char* szFichero)
{
    if (!PiezaValida(iPieza) || !g_pGestorSPMs) return false;
    return PonSPM(iPieza, g_pGestorSPMs->GetSPM(szFichero));
}

bool CSprite3D::PonSprite(int iPieza, const Sprite* pSprite)
{
    if (!PiezaValida(iPieza) || !pSprite || !GraficosActivos()) return false;
    PiezaSprite3D& p = m_aPiezas[iPieza];
    if (p.m_pSprite) g_pSistema2D->AlliberaSprite(p.m_pSprite, true);
    p.m_pSprite = g_pSistema2D->CopiaSprite(pSprite);
    if (p.m_pSprite && m_bEnUso) g_pSistema2D->MarcaSpriteEnUs(p.m_pSprite);
    return p.m_pSprite != nullptr;
}

void CSprite3D::AplicaColor(PiezaSprite3D& p)
{
    if (!p.m_pSPM) return;
    p.m_pSPM->PonColor(Byte(p.m_actual.r), Byte(p.m_actual.g), Byte(p.m_actual.b));
    p.m_pSPM->PonAlfa(Byte(p.m_actual.fAlfa));
}

bool CSprite3D::PonAtributosPieza(int iPieza, const AtributosPieza& a)
{
    if (!PiezaValida(iPieza)) return false;
    PiezaSprite3D& p = m_aPiezas[iPieza];
    p.m_actual = a;
    p.m_inicial = a;
    AplicaColor(p);
    return true;
}

bool CSprite3D::PonVisible(int iPieza, bool bVisible)
{
    if (!PiezaValida(iPieza)) return false;
    m_aPiezas[iPieza].m_bVisible = bVisible;
    return true;
}

bool CSprite3D::PonEspejo(int iPieza, bool bEspejo)
{
    if (!PiezaValida(iPieza)) return false;
    m_aPiezas[iPieza].m_bEspejo = bEspejo;
    return true;
}

bool CSprite3D::AnadeOrden(int iLista, const OrdenSprite3D& orden)
{
    if (iLista < 0 || iLista >= kNumListasSprite3D) return false;
    std::vector<OrdenSprite3D>& v = m_aListas[iLista].m_ordenes;
    if (int(v.size()) >= kMaxOrdenesLista) return false;
    OrdenSprite3D o = orden;
    o.iPieza = iLista; // list n drives piece n
    // After the orders with the same start.
    auto it = std::upper_bound(v.begin(), v.end(), o.iInicio,
                               [](int32_t inicio, const OrdenSprite3D& x) { return inicio < x.iInicio; });
    v.insert(it, o);
    return true;
}

bool CSprite3D::PonDuracion(int iLista, int iMs)
{
    if (iLista < 0 || iLista >= kNumListasSprite3D) return false;
    m_aListas[iLista].m_iDuracion = iMs;
    return true;
}

PiezaSprite3D* CSprite3D::GetPieza(int iPieza)
{
    if (!m_bEditable || !PiezaValida(iPieza)) return nullptr;
    return &m_aPiezas[iPieza];
}

const ListaOrdenes* CSprite3D::GetLista(int iLista) const
{
    if (iLista < 0 || iLista >= kNumListasSprite3D) return nullptr;
    return &m_aListas[iLista];
}

void CSprite3D::MarcaEnUso()
{
    for (PiezaSprite3D& p : m_aPiezas) {
        if (p.m_pSPM) p.m_pSPM->MarcaEnUso();
        if (p.m_pSprite && GraficosActivos()) g_pSistema2D->MarcaSpriteEnUs(p.m_pSprite);
    }
    m_bEnUso = true;
}

void CSprite3D::DesmarcaEnUso()
{
    for (PiezaSprite3D& p : m_aPiezas) {
        if (p.m_pSPM) p.m_pSPM->DesmarcaEnUso();
        if (p.m_pSprite && GraficosActivos()) g_pSistema2D->DesmarcaSpriteEnUs(p.m_pSprite);
    }
    m_bEnUso = false;
}

// ---------------------------------------------------------------------------
// Timelines

void CSprite3D::AplicaOrden(const OrdenSprite3D& o, int64_t iTiempo)
{
    PiezaSprite3D& p = m_aPiezas[o.iPieza & 0xFF];
    const int64_t T = int64_t(o.iFin) - iTiempo;
    if (T == 0) return;
    const float t = float(T);
    switch (o.iTipo) {
    case ORDEN_MOVER:
        p.m_movimiento = o;
        p.m_movimiento.fPasoX = (o.x - p.m_actual.x) / t;
        p.m_movimiento.fPasoY = (o.y - p.m_actual.y) / t;
        p.m_movimiento.fPasoZ = (o.z - p.m_actual.z) / t;
        p.m_bMoviendo = true;
        break;
    case ORDEN_ANIMACION:
        if (p.m_pSPM) {
            if (o.bBucle)
                p.m_pSPM->IniciaAnimacion(o.iAnimacion);
            else
                p.m_pSPM->IniciaAnimacionUnaVez(o.iAnimacion);
        }
        break;
    case ORDEN_GIRAR:
        p.m_giro = o;
        p.m_bGirando = true;
        break;
    case ORDEN_GIRAR_A: {
        // The way round the order asks for, less than one whole turn.
        float a = std::fmod(o.fAngulo - p.m_actual.fRotacion, kDosPiOrden);
        if (!std::isfinite(a)) a = 0.0f;
        if (o.bNegativo) {
            if (a > 0.0f) a -= kDosPiOrden;
        } else if (a < 0.0f) {
            a += kDosPiOrden;
        }
        p.m_giro = o;
        p.m_giro.fPaso = a / t;
        p.m_bGirando = true;
        break;
    }
    default:
        break;
    }
}

void CSprite3D::AvanzaPieza(PiezaSprite3D& p, int64_t iTiempo, int e)
{
    if (e <= 0) return;
    if (p.m_bMoviendo) {
        const OrdenSprite3D& m = p.m_movimiento;
        if (m.iFin < iTiempo) {
            p.m_actual.x = m.x;
            p.m_actual.y = m.y;
            p.m_actual.z = m.z;
            p.m_bMoviendo = false;
        } else {
            p.m_actual.x += m.fPasoX * float(e);
            p.m_actual.y += m.fPasoY * float(e);
            p.m_actual.z += m.fPasoZ * float(e);
        }
    }
    if (p.m_bGirando) {
        const OrdenSprite3D& g = p.m_giro;
        if (g.iTipo == ORDEN_GIRAR) {
            if (iTiempo < g.iFin)
                p.m_actual.fRotacion += g.fVelocidad * float(e);
            else
                p.m_bGirando = false;
        } else if (g.iFin < iTiempo) {
            p.m_actual.fRotacion = g.fAngulo;
            p.m_bGirando = false;
        } else {
            p.m_actual.fRotacion += g.fPaso * float(e);
        }
    }
}

void CSprite3D::Avanza()
{
    const int ahora = TiempoJuego();
    // The first call starts the timelines: the orders due at 0 apply.
    int e = m_iUltimoReloj == -2 ? 0 : ahora - m_iUltimoReloj;
    m_iUltimoReloj = ahora;
    if (e < 0) e = 0;
    for (int i = 0; i < kNumListasSprite3D; ++i) {
        ListaOrdenes& l = m_aListas[i];
        if (l.m_ordenes.empty()) continue;
        int avance = 0;
        if (l.m_iTiempo <= l.m_iDuracion) {
            l.m_iTiempo += e;
            avance = e;
        }
        while (l.m_iSiguiente < int(l.m_ordenes.size()) && l.m_ordenes[size_t(l.m_iSiguiente)].iInicio <= l.m_iTiempo)
            AplicaOrden(l.m_ordenes[size_t(l.m_iSiguiente++)], l.m_iTiempo);
        AvanzaPieza(m_aPiezas[i], l.m_iTiempo, avance);
    }
}

// ---------------------------------------------------------------------------
// Drawing

int CSprite3D::Direccion(float fAngulo, bool bEspejo)
{
    const double q = std::floor((double(fAngulo) + kMedioSector) / kSector);
    int d = 0;
    if (std::isfinite(q)) {
        // Floor-based modulo: negative angles pick their own sector.
        double m = std::fmod(q, 8.0);
        if (m < 0.0) m += 8.0;
        d = int(m) & 7;
    }
    if (bEspejo && d != 0) d = 8 - d;
    return d;
}

std::vector<int> CSprite3D::OrdenDeDibujo(float fEscala) const
{
    std::vector<int> orden;
    std::vector<float> profundidad(kNumPiezasSprite3D, 0.0f);
    CSistema3D* p3D = GraficosActivos() ? g_pSistema2D->Get3D() : nullptr;
    for (int i = 0; i < kNumPiezasSprite3D; ++i) {
        const PiezaSprite3D& p = m_aPiezas[i];
        if (!p.m_pSPM && !p.m_pSprite) continue;
        orden.push_back(i);
        if (p3D) {
            float z = p3D->ProjectaPunt(p.m_actual.x * fEscala, p.m_actual.y * fEscala, p.m_actual.z * fEscala);
            profundidad[size_t(i)] = std::isnan(z) ? 0.0f : z;
        }
    }
    // The farthest first.
    std::stable_sort(orden.begin(), orden.end(),
                     [&](int a, int b) { return profundidad[size_t(a)] > profundidad[size_t(b)]; });
    return orden;
}

void CSprite3D::Dibuja(Sprite* pDestino, const Vector3D& origen, float fRotacion, float fEscala, bool bZMenor,
                       bool bZEscribe)
{
    Avanza();
    if (!m_bIniciado || !GraficosActivos()) return;
    CSistema3D* p3D = g_pSistema2D->Get3D();
    if (!p3D) return;
    const float co = std::cos(fRotacion), si = std::sin(fRotacion);
    // A piece's place: its position turned with the puppet, scaled.
    auto lugar = [&](const AtributosPieza& a) {
        const float x = a.x * co + a.z * si, z = -a.x * si + a.z * co;
        return Vector3D{x * fEscala, a.y * fEscala, z * fEscala};
    };
    if (m_bDepuracion)
        p3D->DibuixaCub(pDestino, origen, Vector3D{}, fEscala * m_fTamCuadro, kColorCuboOrigen, bZMenor, bZEscribe);
    for (int i : OrdenDeDibujo(fEscala)) {
        PiezaSprite3D& p = m_aPiezas[i];
        const Vector3D pos = origen + lugar(p.m_actual);
        const float fRotPieza = p.m_actual.fRotacion + fRotacion;
        if (p.m_bVisible && p.m_pSPM) {
            CSPM* s = p.m_pSPM;
            const float angulo = p3D->AngleCamera(pos.x, pos.y, pos.z) + fRotPieza;
            s->m_iDesplazamientoFrame = Direccion(angulo, p.m_bEspejo);
            s->PonEscala(p.m_actual.fEscalaX * fEscala, p.m_actual.fEscalaY * fEscala);
            if (p.m_bEspejo)
                s->ActivaEspejo();
            else
                s->DesactivaEspejo();
            if (s->m_bFicheroEncontrado)
                s->Dibuja3D(pDestino, pos.x, pos.y, pos.z, bZMenor, bZEscribe);
            else // a package that is missing shows its placeholder
                p3D->DibuixaSprite3D(pDestino, s->GetSprite(0), 0, nullptr, pos, false, s->m_ucAlfa, 0.0f,
                                     s->m_fEscalaX, s->m_fEscalaY, bZMenor, bZEscribe);
        } else if (p.m_bVisible && p.m_pSprite) {
            p3D->DibuixaSprite3D(pDestino, p.m_pSprite, 0, nullptr, pos, p.m_bEspejo, int(Byte(p.m_actual.fAlfa)),
                                 0.0f, p.m_actual.fEscalaX * fEscala, p.m_actual.fEscalaY * fEscala, bZMenor,
                                 bZEscribe);
        }
        if (m_bDepuracion)
            p3D->DibuixaCub(pDestino, pos, Vector3D{-fRotPieza, 0.0f, 0.0f}, fEscala * p.m_actual.fTamCubo,
                            kColorCuboPieza, bZMenor, bZEscribe);
    }
}
