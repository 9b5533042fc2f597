// Loading, playing and drawing animated sequences.
#include "engine/sequences/Secuencia.h"

#include "engine/audio/BancoRanuras.h"
#include "engine/audio/RanuraMusica.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/GestorComandes.h"
#include "engine/graphics/Geometria.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Lineas.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

CBancoRanuras* g_pBancoSecuencias = nullptr;

// Marks of the inherited values to pass down at the next draw.
enum { HEREDA_ALFA = 0x01, HEREDA_ESCALA_X = 0x02, HEREDA_ESCALA_Y = 0x04 };

// A layer that would need more tiles than this to cover the field draws
// nothing (a tile of a few points, or a scale near 0).
constexpr double kMaxTeselasCapa = 65536.0;

// Counters and the clock move on by one, never past the integer range.
void Avanza(int& v)
{
    if (v < INT_MAX) ++v;
}

// t of an interpolation at its counter: (counter - start + 1) / (end - start + 1).
float Fraccion(int iContador, int iFrame, int iFrameFin)
{
    return float(double(int64_t(iContador) - iFrame + 1) / double(int64_t(iFrameFin) - iFrame + 1));
}

uint8_t InterpolaAlfa(uint8_t desde, uint8_t hasta, float t)
{
    return uint8_t(int(float(desde) + t * float(int(hasta) - int(desde))));
}

// The keywords by which objects and layers set their alpha and scale, change
// them gradually and tint: the record holds the same fields for both.
struct ClavesCambio {
    int iAlfa, iEscala, iAlfaGradual, iEscalaGradual, iTinte;
};
constexpr ClavesCambio kClavesObjeto = {SEC_SETALFA, SEC_SETESCALA, SEC_INTERPOLAALFA, SEC_INTERPOLAESCALA,
                                        SEC_SETTINTE};
constexpr ClavesCambio kClavesCapa = {SEC_SCROLLSETALFA, SEC_SCROLLSETESCALA, SEC_SCROLLINTERPOLAALFA,
                                      SEC_SCROLLINTERPOLAESCALA, SEC_SCROLLSETTINTE};

// Reads the record into the event when its keyword is one of those.
void LeeCambio(EventoSecuencia& e, const RegistroSecuencia& r, const ClavesCambio& k)
{
    if (r.iClave == k.iAlfa) {
        e.ucAlfa = uint8_t(r.e[2]);
    } else if (r.iClave == k.iEscala) {
        e.fEscalaX = r.r[0];
        e.fEscalaY = r.r[1];
    } else if (r.iClave == k.iAlfaGradual) {
        e.iFrameFin = r.e[2];
        e.ucAlfaDesde = uint8_t(r.e[3]);
        e.ucAlfaHasta = uint8_t(r.e[4]);
    } else if (r.iClave == k.iEscalaGradual) {
        e.iFrameFin = r.e[2];
        e.fEscalaXDesde = r.r[0];
        e.fEscalaYDesde = r.r[1];
        e.fEscalaXHasta = r.r[2];
        e.fEscalaYHasta = r.r[3];
    } else if (r.iClave == k.iTinte) {
        e.r = uint8_t(r.e[2]);
        e.g = uint8_t(r.e[3]);
        e.b = uint8_t(r.e[4]);
    }
}

// One frame of a gradual alpha change: the alpha it gives now; true once it
// has reached its end.
bool PasoAlfa(const EventoSecuencia& e, uint8_t& ucAlfa)
{
    if (e.iFrameFin == e.iContador) {
        ucAlfa = e.ucAlfaHasta;
        return true;
    }
    ucAlfa = InterpolaAlfa(e.ucAlfaDesde, e.ucAlfaHasta, Fraccion(e.iContador, e.iFrame, e.iFrameFin));
    return false;
}

// The same for a gradual change of scale.
bool PasoEscala(const EventoSecuencia& e, float& fEscalaX, float& fEscalaY)
{
    if (e.iFrameFin == e.iContador) {
        fEscalaX = e.fEscalaXHasta;
        fEscalaY = e.fEscalaYHasta;
        return true;
    }
    const float t = Fraccion(e.iContador, e.iFrame, e.iFrameFin);
    fEscalaX = e.fEscalaXDesde + t * (e.fEscalaXHasta - e.fEscalaXDesde);
    fEscalaY = e.fEscalaYDesde + t * (e.fEscalaYHasta - e.fEscalaYDesde);
    return false;
}

// A gradual change starts at the clock's frame: its event becomes the active
// one of its kind and the package takes its first value.
void EmpiezaAlfa(CSPM* p, EventoSecuencia& e, int iEvento, int& iActivo, int iCrono)
{
    iActivo = iEvento;
    e.iContador = iCrono;
    p->PonAlfa(e.ucAlfaDesde);
}

void EmpiezaEscala(CSPM* p, EventoSecuencia& e, int iEvento, int& iActivo, int iCrono)
{
    iActivo = iEvento;
    e.iContador = iCrono;
    p->PonEscalaX(e.fEscalaXDesde);
    p->PonEscalaY(e.fEscalaYDesde);
}

// The events of a list in frame order: a new event goes after every event of
// its frame already there.
template <class Evento>
void InsertaPorFrame(std::vector<Evento>& v, const Evento& e)
{
    auto it = std::upper_bound(v.begin(), v.end(), e.iFrame,
                               [](int f, const Evento& x) { return f < x.iFrame; });
    v.insert(it, e);
}

// The first event at or after a frame.
template <class Evento>
size_t PrimeroDesde(const std::vector<Evento>& v, int iFrame)
{
    return size_t(std::lower_bound(v.begin(), v.end(), iFrame,
                                   [](const Evento& x, int f) { return x.iFrame < f; }) -
                  v.begin());
}

bool Finito(float a, float b) { return std::isfinite(a) && std::isfinite(b); }

float AnchoSprite0(CSPM* p) { return p && p->m_apSprites[0] ? p->m_apSprites[0]->GetAmplada() * p->m_fEscalaX : 0.0f; }
float AltoSprite0(CSPM* p) { return p && p->m_apSprites[0] ? p->m_apSprites[0]->GetAlcada() * p->m_fEscalaY : 0.0f; }

// A package of its own for an element: a copy of the cached package of the
// path, or an empty one when no copy can be made (the element still exists).
std::unique_ptr<CSPM> CopiaPaquete(const std::string& sRuta)
{
    auto p = std::make_unique<CSPM>();
    CSPM* pCache = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(sRuta.c_str()) : nullptr;
    if (!pCache || !p->Copia(pCache)) p->CreaVacio(nullptr);
    return p;
}

} // namespace

ObjetoSecuencia::ObjetoSecuencia() = default;
ObjetoSecuencia::~ObjetoSecuencia() = default;
CapaScroll::CapaScroll() = default;
CapaScroll::~CapaScroll() = default;
SubSecuencia::SubSecuencia() = default;
SubSecuencia::~SubSecuencia() = default;

void CSecuencia::PonBancoRanuras(CBancoRanuras* pBanco) { g_pBancoSecuencias = pBanco; }

CBancoRanuras* CSecuencia::BancoRanuras() { return g_pBancoSecuencias; }

CSecuencia::CSecuencia() { Reinicia(); }

CSecuencia::~CSecuencia() { Libera(); }

// ---------------------------------------------------------------------------
// Loading

void CSecuencia::Reinicia()
{
    m_bCargada = false;
    m_iFrameFin = m_iFrameLoop = -1;
    m_iCrono = 0;
    for (auto& o : m_aObjetos) {
        o.pSPM.reset();
        o.sRuta.clear();
        o.bCargado = false;
        o.eventos.clear();
        o.lineas.clear();
        ReiniciaObjeto(o);
        o.ucAlfaHeredada = 255;
        o.fEscalaHeredadaX = o.fEscalaHeredadaY = 1.0f;
    }
    for (auto& c : m_aCapas) {
        c.bCargada = c.bMoviendo = c.bVisible = false;
        c.x = c.y = c.vx = c.vy = 0.0f;
        c.fAnchoTesela = c.fAltoTesela = 0.0f;
        c.eventos.clear();
        c.iCursor = 0;
        c.pSPM.reset();
        c.sRuta.clear();
        c.iInterpolacionAlfa = c.iInterpolacionEscala = -1;
    }
    for (auto& s : m_aSubs) {
        s.bPresente = false;
        s.bParada = true;
        s.bVisible = false;
        s.pSecuencia.reset();
        s.eventos.clear();
        s.iCursor = 0;
    }
    m_Sonidos.eventos.clear();
    m_Sonidos.iCursor = 0;
    m_bRecursosCargados = false;
    m_BotonPasar = BotonSecuencia();
    m_BotonPausa = BotonSecuencia();
    for (int& p : m_aiPausas) p = -10;
    m_iNumPausas = m_iSiguientePausa = 0;
    for (auto& s : m_aSaltos) s = SaltoCrono();
    for (auto& s : m_aSaltosSub) s = SaltoSubSecuencia();
    m_iNumSaltos = m_iNumSaltosSub = 0;
    m_bLlegadaPausa = m_bPausada = m_bReanudar = m_bCambiado = false;
    for (auto& l : m_aLineas) l = LineaSecuencia();
    m_EventosLinea.clear();
    m_ucAlfaHeredada = 255;
    m_fEscalaHeredadaX = m_fEscalaHeredadaY = 1.0f;
    m_iMarcasHeredadas = 0;
}

void CSecuencia::Libera()
{
    LiberaSonidos();
    Reinicia();
}

void CSecuencia::LiberaSonidos()
{
    for (int i = 0; i < kNumPlazasMusicaSecuencia; ++i) ParaPlaza(i);
    for (int i = 0; i < kNumMuestrasSecuencia; ++i) {
        if (m_Sonidos.apMuestras[i] && g_pSistemaSonido) g_pSistemaSonido->LiberaMuestra(m_Sonidos.apMuestras[i]);
        m_Sonidos.apMuestras[i] = nullptr;
        m_Sonidos.asMuestras[i].clear();
    }
    for (int i = 0; i < kNumCanalesSecuencia; ++i) CierraCanal(i);
    if (g_pSistemaSonido) g_pSistemaSonido->DescargaMuestrasSinUso();
}

bool CSecuencia::Carga(const char* szFichero)
{
    CadenaCarga cadena;
    return CargaEnCadena(szFichero, cadena);
}

bool CSecuencia::CargaEnCadena(const char* szFichero, CadenaCarga& cadena)
{
    Libera();
    if (!szFichero || !g_pGestorComandes) return false;
    // A file that is being loaded further up (itself, or A -> B -> A) would
    // nest without end; so would a chain deeper than any sequence needs.
    const std::string nombre = NombreFicheroComparable(szFichero);
    if (int(cadena.ficheros.size()) >= kMaxAnidamiento) return false;
    if (std::find(cadena.ficheros.begin(), cadena.ficheros.end(), nombre) != cadena.ficheros.end()) return false;
    FitxerComandes* f = g_pGestorComandes->ObreLectura(szFichero);
    if (!f) return false;
    cadena.ficheros.push_back(nombre);
    RegistroSecuencia r;
    do {
        if (LeeRegistroSecuencia(g_pGestorComandes, f, &r) && !MotivoRechazoSecuencia(r)) AplicaRegistro(r, cadena);
    } while (g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);
    cadena.ficheros.pop_back();
    // Every object and layer keeps its own copy, which shares the bitmaps.
    if (g_pGestorSPMs) g_pGestorSPMs->Vacia();
    m_bCargada = true;
    return true;
}

void CSecuencia::AplicaRegistro(const RegistroSecuencia& r, CadenaCarga& cadena)
{
    switch (r.iClave) {
    case SEC_OBJETO:
    case SEC_OBJETOEXTREMO:
    case SEC_OBJETOTEXTO: DeclaraObjeto(r); return;
    case SEC_SCROLL: DeclaraCapa(r); return;
    case SEC_SUBSECUENCIA: DeclaraSubSecuencia(r, cadena); return;
    case SEC_FIN: m_iFrameFin = r.e[0]; return;
    case SEC_LOOP: m_iFrameLoop = r.e[0]; return;
    case SEC_CAMBIACRONO:
        if (m_iNumSaltos < kNumSaltosSecuencia) m_aSaltos[m_iNumSaltos++] = {r.e[0], r.e[1]};
        return;
    case SEC_SUBSECCAMBIACRONO:
        if (m_iNumSaltosSub < kNumSaltosSecuencia) m_aSaltosSub[m_iNumSaltosSub++] = {r.e[0], r.e[1], r.e[2]};
        return;
    case SEC_BOTONPAUSA: AnadePausa(r.e[1]); return;
    case SEC_SETBOTONPASAR:
    case SEC_SETBOTONPAUSA: {
        BotonSecuencia& b = r.iClave == SEC_SETBOTONPASAR ? m_BotonPasar : m_BotonPausa;
        b.bPresente = true;
        b.iEstilo = r.e[0];
        b.iFont = r.e[1];
        b.x = r.r[0];
        b.y = r.r[1];
        b.fAncho = r.r[2];
        b.fAlto = r.r[3];
        b.fEscalaTexto = r.r[4];
        b.iCodigoTexto = r.iCodigo;
        return;
    }
    case SEC_SETANIMSECUENCIA:
    case SEC_PONANIMSECUENCIA: return;
    case SEC_SONIDO: {
        const int i = r.e[0];
        if (r.sTexto.empty() || !m_Sonidos.asMuestras[i].empty()) return;
        m_Sonidos.asMuestras[i] = r.sTexto;
        if (g_pSistemaSonido) m_Sonidos.apMuestras[i] = g_pSistemaSonido->CargaMuestra(r.sTexto.c_str(), 1, false);
        return;
    }
    default: break;
    }
    switch (DescribeClave(r.iClave).grupo) {
    case GRUPO_OBJETO: AnadeEventoObjeto(r); break;
    case GRUPO_CAPA: AnadeEventoCapa(r); break;
    case GRUPO_SUBSECUENCIA: AnadeEventoSubSecuencia(r); break;
    case GRUPO_SONIDO: AnadeEventoSonido(r); break;
    case GRUPO_LINEA: AnadeEventoLinea(r); break;
    case GRUPO_CRONO: break;
    }
}

void CSecuencia::DeclaraObjeto(const RegistroSecuencia& r)
{
    ObjetoSecuencia& o = m_aObjetos[r.e[0]];
    if (o.bCargado) return; // the first declaration stays
    switch (r.iClave) {
    case SEC_OBJETO:
        o.sRuta = r.sTexto;
        o.pSPM = CopiaPaquete(r.sTexto);
        break;
    case SEC_OBJETOEXTREMO:
        o.pSPM = std::make_unique<CSPM>();
        o.pSPM->CreaVacio(nullptr);
        break;
    default: {
        // OBJETOTEXTO: font, width, height, hotspot, code, alignments, scales.
        // No word wrap: the text is laid out in its box as given.
        const int flags = FlagsTextoSPM(r.e[2], r.e[3]) & ~0x40;
        o.pSPM = std::make_unique<CSPM>();
        if (!o.pSPM->CreaTexto(r.e[1], r.iCodigo, flags, r.r[4], r.r[5], r.r[0], r.r[1], r.r[2], r.r[3]))
            o.pSPM->CreaVacio(nullptr);
        break;
    }
    }
    o.bCargado = true;
}

void CSecuencia::DeclaraCapa(const RegistroSecuencia& r)
{
    CapaScroll& c = m_aCapas[r.e[0]];
    if (c.bCargada) return;
    c.sRuta = r.sTexto;
    c.pSPM = CopiaPaquete(r.sTexto);
    c.pSPM->IniciaAnimacion(1);
    c.fAnchoTesela = AnchoSprite0(c.pSPM.get());
    c.fAltoTesela = AltoSprite0(c.pSPM.get());
    c.bCargada = true; // hidden until shown
}

void CSecuencia::DeclaraSubSecuencia(const RegistroSecuencia& r, CadenaCarga& cadena)
{
    SubSecuencia& s = m_aSubs[r.e[0]];
    if (s.bPresente) return;
    if (cadena.iLeidos >= kMaxSubSecuenciasPorCarga) return;
    ++cadena.iLeidos;
    auto p = std::make_unique<CSecuencia>();
    if (!p->CargaEnCadena(r.sTexto.c_str(), cadena)) return;
    s.pSecuencia = std::move(p);
    s.bPresente = true;
    s.bParada = true;
    s.bVisible = false;
}

void CSecuencia::AnadeEventoObjeto(const RegistroSecuencia& r)
{
    ObjetoSecuencia& o = m_aObjetos[r.e[0]];
    if (!o.bCargado) return; // an event before its object is lost
    EventoObjeto e;
    e.iTipo = r.iClave - SEC_SETPOS + 1;
    e.iFrame = r.e[1];
    switch (r.iClave) {
    case SEC_SETPOS:
        e.x0 = r.e[2];
        e.y0 = r.e[3];
        break;
    case SEC_VEPOS:
    case SEC_VEPOSSALTO:
        e.iFrameFin = r.e[2];
        e.x0 = r.e[3];
        e.y0 = r.e[4];
        e.iAltura = r.e[5];
        break;
    case SEC_VELINEA:
    case SEC_VESALTO:
        e.iFrameFin = r.e[2];
        e.x0 = r.e[3];
        e.y0 = r.e[4];
        e.x1 = r.e[5];
        e.y1 = r.e[6];
        e.iAltura = r.e[7];
        break;
    case SEC_PONANIM:
    case SEC_PONANIMPUNTUAL: e.iAnimacion = r.e[2]; break;
    case SEC_SETANGULO:
    case SEC_SETVELANG: e.fAngulo = r.r[0]; break;
    default: LeeCambio(e, r, kClavesObjeto); break;
    }
    InsertaPorFrame(o.eventos, e);
}

void CSecuencia::AnadeEventoCapa(const RegistroSecuencia& r)
{
    CapaScroll& c = m_aCapas[r.e[0]];
    if (!c.bCargada) return;
    EventoCapa e;
    e.iTipo = r.iClave - SEC_SCROLLMOV + 1;
    e.iFrame = r.e[1];
    switch (r.iClave) {
    case SEC_SCROLLMOV:
        e.vx = r.r[0];
        e.vy = r.r[1];
        break;
    case SEC_SCROLLANIM:
    case SEC_SCROLLANIMPUNTUAL: e.iAnimacion = r.e[2]; break;
    case SEC_SCROLLSETPOS:
        e.x = r.r[0];
        e.y = r.r[1];
        break;
    default: LeeCambio(e, r, kClavesCapa); break;
    }
    InsertaPorFrame(c.eventos, e);
}

void CSecuencia::AnadeEventoSubSecuencia(const RegistroSecuencia& r)
{
    SubSecuencia& s = m_aSubs[r.e[0]];
    if (!s.bPresente) return;
    EventoSubSecuencia e;
    e.iTipo = r.iClave - SEC_SUBSEC_SETVISIBLE;
    e.iFrame = r.e[1];
    e.iValor = r.e[2];
    InsertaPorFrame(s.eventos, e);
}

void CSecuencia::AnadeEventoSonido(const RegistroSecuencia& r)
{
    // Kept in file order, and played in that order: a file lists them by frame.
    EventoSonido e;
    e.iTipo = r.iClave - SEC_TOCASONIDO;
    e.iIndice = r.e[0];
    e.iFrame = r.e[1];
    if (r.iClave == SEC_TOCASONIDOLARGO) e.sFichero = r.sTexto;
    if (r.iClave == SEC_TOCARANURAMUSICA) e.sRanura = r.sTexto;
    m_Sonidos.eventos.push_back(std::move(e));
}

void CSecuencia::AnadeEventoLinea(const RegistroSecuencia& r)
{
    EventoLinea e;
    e.iTipo = r.iClave == SEC_PONLINEA ? 1 : 2;
    e.iLinea = r.e[0];
    e.iFrame = r.e[1];
    if (r.iClave == SEC_PONLINEA) {
        e.iObjetoA = r.e[2];
        e.iObjetoB = r.e[3];
        e.iObjetoSprite = r.e[4];
        e.iSprite = r.e[5];
    }
    InsertaPorFrame(m_EventosLinea, e);
}

void CSecuencia::AnadePausa(int iFrame)
{
    // Pause points in ascending order; a frame already registered adds nothing
    // (a second entry for it could never be reached and would hold back the
    // points after it).
    if (m_iNumPausas >= kNumPausasSecuencia) return;
    int* fin = m_aiPausas + m_iNumPausas;
    int* it = std::lower_bound(m_aiPausas, fin, iFrame);
    if (it != fin && *it == iFrame) return;
    std::copy_backward(it, fin, fin + 1);
    *it = iFrame;
    ++m_iNumPausas;
}

// ---------------------------------------------------------------------------
// Playing

void CSecuencia::Actualiza()
{
    if (!m_bCargada) return;
    if (m_bPausada) {
        if (m_bReanudar) m_bReanudar = m_bPausada = false;
        return;
    }
    PasoSubSecuencias();
    for (auto& c : m_aCapas)
        if (c.bCargada) PasoCapa(c);
    for (auto& o : m_aObjetos) PasoObjeto(o);
    PasoLineas();
    PasoSonidos();
    Avanza(m_iCrono);

    for (int i = 0; i < m_iNumSaltosSub; ++i) {
        const SaltoSubSecuencia& s = m_aSaltosSub[i];
        if (s.iFrame != m_iCrono) continue;
        SubSecuencia& sub = m_aSubs[s.iSlot];
        if (sub.pSecuencia) sub.pSecuencia->SituaYActualiza(s.iNuevoFrame);
    }
    for (int i = 0; i < m_iNumSaltos; ++i) {
        if (m_aSaltos[i].iFrame != m_iCrono) continue;
        SituaCrono(m_aSaltos[i].iNuevoFrame);
        m_bCambiado = true;
        return;
    }
    if (m_iCrono == m_iFrameLoop) {
        m_bCambiado = true;
        m_iCrono = 0;
        m_iSiguientePausa = 0;
        for (auto& o : m_aObjetos) ReiniciaObjeto(o);
        for (auto& c : m_aCapas) c.iCursor = 0; // layers keep their state
        for (auto& s : m_aSubs) s.iCursor = 0;
        m_Sonidos.iCursor = 0;
    }
    if (m_iCrono == m_iFrameFin) m_bCambiado = true;
    if (m_iSiguientePausa < m_iNumPausas && m_iCrono == m_aiPausas[m_iSiguientePausa]) {
        m_bLlegadaPausa = m_bPausada = true;
        ++m_iSiguientePausa;
    }
}

void CSecuencia::ReiniciaObjeto(ObjetoSecuencia& o)
{
    o.x = o.y = 5000.0f;
    o.vx = o.vy = 0.0f;
    o.ucAlfa = 0;
    o.fEscalaX = o.fEscalaY = 1.0f;
    o.fAngulo = 0.0f;
    o.fBaseY = o.fFase = o.fPasoFase = 0.0f;
    o.iAltura = 0;
    o.iContador = 0;
    o.iInicioMovimiento = o.iFinMovimiento = 0;
    o.iModo = MOVIMIENTO_NINGUNO;
    o.fDestinoX = o.fDestinoY = 0.0f;
    o.iInterpolacionAlfa = o.iInterpolacionEscala = o.iEventoAngulo = -1;
    o.iCursor = 0;
}

void CSecuencia::PasoSubSecuencias()
{
    for (auto& s : m_aSubs) {
        if (!s.bPresente) continue;
        while (s.iCursor < s.eventos.size() && s.eventos[s.iCursor].iFrame <= m_iCrono) {
            const EventoSubSecuencia& e = s.eventos[s.iCursor++];
            if (e.iFrame == m_iCrono) EjecutaEventoSubSecuencia(s, e);
        }
        if (!s.bParada) s.pSecuencia->Actualiza();
    }
}

void CSecuencia::EjecutaEventoSubSecuencia(SubSecuencia& s, const EventoSubSecuencia& e)
{
    switch (e.iTipo) {
    case 0:
        s.bVisible = e.iValor != 0;
        if (s.bVisible) {
            s.pSecuencia->CargaRecursos();
            CargaEnUso();
        } else {
            s.pSecuencia->DescargaRecursos();
        }
        break;
    case 1:
        s.pSecuencia->Rebobina();
        s.bParada = false;
        break;
    case 2: s.bParada = e.iValor != 0; break;
    default: break;
    }
}

void CSecuencia::PasoCapa(CapaScroll& c)
{
    while (c.iCursor < c.eventos.size() && c.eventos[c.iCursor].iFrame <= m_iCrono) {
        const int i = int(c.iCursor++);
        if (c.eventos[size_t(i)].iFrame == m_iCrono) EjecutaEventoCapa(c, i);
    }
    CSPM* p = c.pSPM.get();
    if (c.bMoviendo) {
        c.x += c.vx;
        c.y += c.vy;
        c.fAnchoTesela = AnchoSprite0(p);
        c.fAltoTesela = AltoSprite0(p);
        // Back by whole tiles once past one (a remainder for a speed of
        // several tiles a frame, so the position never runs away).
        const float w = c.fAnchoTesela, h = c.fAltoTesela;
        if (w > 0.0f && std::isfinite(w)) {
            if ((c.vx > 0.0f && c.x > w) || (c.vx < 0.0f && c.x < -w)) c.x = std::fmod(c.x, w);
        }
        if (h > 0.0f && std::isfinite(h)) {
            if ((c.vy > 0.0f && c.y > h) || (c.vy < 0.0f && c.y < -h)) c.y = std::fmod(c.y, h);
        }
    }
    if (c.iInterpolacionAlfa >= 0) {
        uint8_t ucAlfa = 0;
        if (PasoAlfa(c.eventos[size_t(c.iInterpolacionAlfa)], ucAlfa)) c.iInterpolacionAlfa = -1;
        p->PonAlfa(ucAlfa);
    }
    if (c.iInterpolacionEscala >= 0) {
        float fEscalaX = 1.0f, fEscalaY = 1.0f;
        if (PasoEscala(c.eventos[size_t(c.iInterpolacionEscala)], fEscalaX, fEscalaY)) c.iInterpolacionEscala = -1;
        p->PonEscalaX(fEscalaX);
        p->PonEscalaY(fEscalaY);
    }
    if (c.iInterpolacionAlfa >= 0) Avanza(c.eventos[size_t(c.iInterpolacionAlfa)].iContador);
    if (c.iInterpolacionEscala >= 0) Avanza(c.eventos[size_t(c.iInterpolacionEscala)].iContador);
}

void CSecuencia::EjecutaEventoCapa(CapaScroll& c, int iEvento)
{
    EventoCapa& e = c.eventos[size_t(iEvento)];
    CSPM* p = c.pSPM.get();
    switch (e.iTipo) {
    case 1:
        c.bMoviendo = true;
        c.vx = e.vx;
        c.vy = e.vy;
        break;
    case 2: p->IniciaAnimacion(e.iAnimacion); break;
    case 3: p->IniciaAnimacionUnaVez(e.iAnimacion); break;
    case 4: p->ActivaEspejo(); break;
    case 5: p->DesactivaEspejo(); break;
    case 6: c.bVisible = true; break;
    case 7: c.bVisible = false; break;
    case 8: p->PonAlfa(e.ucAlfa); break;
    case 9:
        p->PonEscalaX(e.fEscalaX);
        p->PonEscalaY(e.fEscalaY);
        break;
    case 10: EmpiezaAlfa(p, e, iEvento, c.iInterpolacionAlfa, m_iCrono); break;
    case 11: EmpiezaEscala(p, e, iEvento, c.iInterpolacionEscala, m_iCrono); break;
    case 12:
        c.x = e.x;
        c.y = e.y;
        break;
    case 13: p->PonColor(e.r, e.g, e.b); break;
    default: break;
    }
}

void CSecuencia::PasoObjeto(ObjetoSecuencia& o)
{
    if (o.iModo == MOVIMIENTO_RECTO) {
        o.x += o.vx;
        o.y += o.vy;
    } else if (o.iModo == MOVIMIENTO_SALTO) {
        o.x += o.vx;
        o.fBaseY += o.vy;
        o.y = o.fBaseY - std::sin(o.fFase) * float(o.iAltura);
        o.fFase += o.fPasoFase;
    }
    if (o.iModo != MOVIMIENTO_NINGUNO && o.iFinMovimiento == o.iContador) {
        // Exactly on its target: summed steps drift.
        o.iModo = MOVIMIENTO_NINGUNO;
        o.x = o.fDestinoX;
        o.y = o.fDestinoY;
    }
    if (o.iInterpolacionAlfa >= 0 && PasoAlfa(o.eventos[size_t(o.iInterpolacionAlfa)], o.ucAlfa))
        o.iInterpolacionAlfa = -1;
    if (o.iInterpolacionEscala >= 0 &&
        PasoEscala(o.eventos[size_t(o.iInterpolacionEscala)], o.fEscalaX, o.fEscalaY))
        o.iInterpolacionEscala = -1;
    if (o.iEventoAngulo >= 0) {
        // The angle the package was last drawn with, turned on by the speed.
        const EventoObjeto& e = o.eventos[size_t(o.iEventoAngulo)];
        o.fAngulo = e.fAngulo + (o.pSPM ? o.pSPM->m_fRotacion : 0.0f);
    }
    while (o.iCursor < o.eventos.size() && o.eventos[o.iCursor].iFrame <= m_iCrono) {
        const int i = int(o.iCursor++);
        if (o.eventos[size_t(i)].iFrame == m_iCrono) EjecutaEventoObjeto(o, i);
    }
    Avanza(o.iContador);
    if (o.iInterpolacionAlfa >= 0) Avanza(o.eventos[size_t(o.iInterpolacionAlfa)].iContador);
    if (o.iInterpolacionEscala >= 0) Avanza(o.eventos[size_t(o.iInterpolacionEscala)].iContador);
    if (o.iEventoAngulo >= 0) Avanza(o.eventos[size_t(o.iEventoAngulo)].iContador);
}

void CSecuencia::EjecutaEventoObjeto(ObjetoSecuencia& o, int iEvento)
{
    EventoObjeto& e = o.eventos[size_t(iEvento)];
    CSPM* p = o.pSPM.get();
    // Movements: the step is the distance over the frames, as reals.
    const auto empieza = [&](int iModo, float x0, float y0, float x1, float y1) {
        const double frames = double(int64_t(e.iFrameFin) - e.iFrame);
        o.iModo = iModo;
        o.x = x0;
        o.y = y0;
        o.vx = float((double(x1) - x0) / frames);
        o.vy = float((double(y1) - y0) / frames);
        o.iInicioMovimiento = e.iFrame;
        o.iFinMovimiento = e.iFrameFin;
        o.iContador = m_iCrono;
        o.fDestinoX = x1;
        o.fDestinoY = y1;
        if (iModo == MOVIMIENTO_SALTO) {
            o.fBaseY = y0;
            o.fFase = 0.0f;
            o.fPasoFase = static_cast<float>(static_cast<double>(kPi) / (frames - 1.0));
            o.iAltura = e.iAltura;
        }
    };
    switch (e.iTipo) {
    case 1:
        o.x = float(e.x0);
        o.y = float(e.y0);
        o.iModo = MOVIMIENTO_NINGUNO;
        o.iContador = m_iCrono;
        break;
    case 2: empieza(MOVIMIENTO_RECTO, o.x, o.y, float(e.x0), float(e.y0)); break;
    case 3: empieza(MOVIMIENTO_SALTO, o.x, o.y, float(e.x0), float(e.y0)); break;
    case 4: empieza(MOVIMIENTO_RECTO, float(e.x0), float(e.y0), float(e.x1), float(e.y1)); break;
    case 5: empieza(MOVIMIENTO_SALTO, float(e.x0), float(e.y0), float(e.x1), float(e.y1)); break;
    case 6: p->IniciaAnimacion(e.iAnimacion); break;
    case 7: p->IniciaAnimacionUnaVez(e.iAnimacion); break;
    case 8: p->ActivaEspejo(); break;
    case 9: p->DesactivaEspejo(); break;
    // Drawing sets the package's alpha, scales and rotation from the object
    // every time: these three set the object's own, ending an active change
    // of their kind, so that they show.
    case 10:
        o.ucAlfa = e.ucAlfa;
        o.iInterpolacionAlfa = -1;
        break;
    case 11:
        o.fEscalaX = e.fEscalaX;
        o.fEscalaY = e.fEscalaY;
        o.iInterpolacionEscala = -1;
        break;
    case 12: EmpiezaAlfa(p, e, iEvento, o.iInterpolacionAlfa, m_iCrono); break;
    case 13: EmpiezaEscala(p, e, iEvento, o.iInterpolacionEscala, m_iCrono); break;
    case 14: p->PonColor(e.r, e.g, e.b); break;
    case 15:
        o.fAngulo = e.fAngulo;
        o.iEventoAngulo = -1;
        break;
    case 16:
        o.iEventoAngulo = iEvento;
        e.iContador = m_iCrono;
        break;
    default: break;
    }
}

void CSecuencia::QuitaLineaDeLista(int iLinea)
{
    const int a = m_aLineas[iLinea].iObjetoA;
    if (a < 0 || a >= kNumObjetosSecuencia) return;
    auto& v = m_aObjetos[a].lineas;
    v.erase(std::remove(v.begin(), v.end(), iLinea), v.end());
}

void CSecuencia::PasoLineas()
{
    for (const EventoLinea& e : m_EventosLinea) {
        if (e.iFrame != m_iCrono) continue;
        LineaSecuencia& l = m_aLineas[e.iLinea];
        if (e.iTipo == 1) {
            if (l.bEnUso) QuitaLineaDeLista(e.iLinea);
            ObjetoSecuencia& a = m_aObjetos[e.iObjetoA];
            if (!a.bCargado) continue;
            l = {e.iObjetoA, e.iObjetoB, e.iObjetoSprite, e.iSprite, true};
            a.lineas.erase(std::remove(a.lineas.begin(), a.lineas.end(), e.iLinea), a.lineas.end());
            a.lineas.push_back(e.iLinea);
        } else {
            l.bEnUso = false;
            QuitaLineaDeLista(e.iLinea);
        }
    }
}

void CSecuencia::PasoSonidos()
{
    auto& v = m_Sonidos.eventos;
    while (m_Sonidos.iCursor < v.size() && v[m_Sonidos.iCursor].iFrame == m_iCrono)
        EjecutaEventoSonido(v[m_Sonidos.iCursor++]);
    for (auto& p : m_Sonidos.apPlazas)
        if (p) p->Actualiza(1.0f);
}

void CSecuencia::CierraCanal(int iCanal)
{
    CFlujoOgg*& f = m_Sonidos.apCanales[iCanal];
    if (f && g_pSistemaSonido) {
        g_pSistemaSonido->RebobinaFlujo(f);
        g_pSistemaSonido->CierraFlujo(f);
    }
    f = nullptr;
}

void CSecuencia::ParaPlaza(int iPlaza)
{
    auto& p = m_Sonidos.apPlazas[iPlaza];
    if (p) p->Para();
    p.reset();
}

void CSecuencia::EjecutaEventoSonido(const EventoSonido& e)
{
    switch (e.iTipo) {
    case 0:
        if (g_pSistemaSonido && m_Sonidos.apMuestras[e.iIndice])
            g_pSistemaSonido->TocaMuestra(m_Sonidos.apMuestras[e.iIndice], 1.0f);
        break;
    case 1:
        CierraCanal(e.iIndice);
        if (g_pSistemaSonido) m_Sonidos.apCanales[e.iIndice] = g_pSistemaSonido->AbreFlujo(e.sFichero.c_str(), 1.0f, 128);
        break;
    case 2: CierraCanal(e.iIndice); break;
    case 3: {
        ParaPlaza(e.iIndice);
        if (!g_pBancoSecuencias) break;
        // An unknown name gives the bank's default slot.
        CRanuraMusica* pDefinicion = g_pBancoSecuencias->GetRanuraMusicaPorNombre(e.sRanura.c_str());
        if (!pDefinicion) break;
        auto p = std::make_unique<CRanuraMusica>();
        p->CopiaDe(*pDefinicion);
        p->Toca(-1);
        m_Sonidos.apPlazas[e.iIndice] = std::move(p);
        break;
    }
    case 4: ParaPlaza(e.iIndice); break;
    default: break;
    }
}

void CSecuencia::Rebobina()
{
    for (auto& o : m_aObjetos) ReiniciaObjeto(o);
    for (auto& c : m_aCapas) c.iCursor = 0;
    for (auto& s : m_aSubs) {
        if (s.pSecuencia) s.pSecuencia->Rebobina();
        s.bParada = true;
        s.bVisible = false;
        s.iCursor = 0;
    }
    m_Sonidos.iCursor = 0;
    m_iCrono = 0;
    m_iSiguientePausa = 0;
}

void CSecuencia::SituaCrono(int iFrame)
{
    m_iCrono = iFrame;
    auto& v = m_Sonidos.eventos;
    m_Sonidos.iCursor = v.size();
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i].iFrame >= iFrame) {
            m_Sonidos.iCursor = i;
            break;
        }
    }
    for (auto& o : m_aObjetos) o.iCursor = PrimeroDesde(o.eventos, iFrame);
    for (auto& c : m_aCapas) c.iCursor = PrimeroDesde(c.eventos, iFrame);
    for (auto& s : m_aSubs) s.iCursor = PrimeroDesde(s.eventos, iFrame);
}

void CSecuencia::SituaYActualiza(int iFrame)
{
    SituaCrono(iFrame);
    m_bCambiado = false;
    Actualiza();
}

bool CSecuencia::HaTerminado() const { return m_iFrameFin >= 0 && m_iCrono >= m_iFrameFin; }

bool CSecuencia::ConsumeLlegadaPausa()
{
    const bool b = m_bLlegadaPausa;
    m_bLlegadaPausa = false;
    return b;
}

void CSecuencia::PideReanudar()
{
    if (m_bPausada) m_bReanudar = true;
}

// ---------------------------------------------------------------------------
// Drawing

void CSecuencia::PonAlfaHeredada(uint8_t ucAlfa)
{
    m_ucAlfaHeredada = ucAlfa;
    m_iMarcasHeredadas |= HEREDA_ALFA;
}

void CSecuencia::PonEscalaHeredadaX(float f)
{
    m_fEscalaHeredadaX = f;
    m_iMarcasHeredadas |= HEREDA_ESCALA_X;
}

void CSecuencia::PonEscalaHeredadaY(float f)
{
    m_fEscalaHeredadaY = f;
    m_iMarcasHeredadas |= HEREDA_ESCALA_Y;
}

void CSecuencia::Dibuja(Sprite* pDestino)
{
    if (!m_bCargada) return;
    for (auto& s : m_aSubs) {
        if (!s.bPresente) continue;
        if (m_iMarcasHeredadas & HEREDA_ALFA) s.pSecuencia->PonAlfaHeredada(m_ucAlfaHeredada);
        if (m_iMarcasHeredadas & HEREDA_ESCALA_X) s.pSecuencia->PonEscalaHeredadaX(m_fEscalaHeredadaX);
        if (m_iMarcasHeredadas & HEREDA_ESCALA_Y) s.pSecuencia->PonEscalaHeredadaY(m_fEscalaHeredadaY);
        if (s.bVisible) s.pSecuencia->Dibuja(pDestino);
    }
    for (auto& c : m_aCapas)
        if (c.bCargada && c.bVisible) DibujaCapa(c, pDestino);
    for (auto& o : m_aObjetos) {
        if (!o.bCargado) continue;
        if (m_iMarcasHeredadas & HEREDA_ALFA) o.ucAlfaHeredada = m_ucAlfaHeredada;
        if (m_iMarcasHeredadas & HEREDA_ESCALA_X) o.fEscalaHeredadaX = m_fEscalaHeredadaX;
        if (m_iMarcasHeredadas & HEREDA_ESCALA_Y) o.fEscalaHeredadaY = m_fEscalaHeredadaY;
        for (int l : o.lineas) DibujaLinea(m_aLineas[l], pDestino);
        DibujaObjeto(o, pDestino);
    }
    m_iMarcasHeredadas = 0;
}

void CSecuencia::DibujaCapa(CapaScroll& c, Sprite* pDestino)
{
    CSPM* p = c.pSPM.get();
    const float w = AnchoSprite0(p), h = AltoSprite0(p);
    c.fAnchoTesela = w;
    c.fAltoTesela = h;
    // A tile of no size (or not a number) would never cover the field; one
    // so small that covering it takes too many tiles draws nothing too.
    if (!(w > 0.0f) || !(h > 0.0f) || !Finito(w, h) || !Finito(c.x, c.y)) return;
    if ((1024.0 / w + 3.0) * (768.0 / h + 3.0) > kMaxTeselasCapa) return;
    // The first tile at or left of -w (above -h), however far the position.
    float x0 = std::fmod(c.x, w), y0 = std::fmod(c.y, h);
    while (x0 > -w) x0 -= w;
    while (y0 > -h) y0 -= h;
    for (float y = y0; y < h + 768.0f; y += h)
        for (float x = x0; x < w + 1024.0f; x += w) p->DibujaEnDestino(pDestino, x, y);
}

void CSecuencia::DibujaLinea(const LineaSecuencia& l, Sprite* pDestino)
{
    const ObjetoSecuencia& a = m_aObjetos[l.iObjetoA];
    const ObjetoSecuencia& b = m_aObjetos[l.iObjetoB];
    const ObjetoSecuencia& s = m_aObjetos[l.iObjetoSprite];
    if (!a.bCargado || !b.bCargado || !s.bCargado || !Finito(a.x, a.y) || !Finito(b.x, b.y)) return;
    const int alfa = a.pSPM->m_ucAlfa;
    DibuixaLinia(pDestino, s.pSPM->GetSprite(l.iSprite), a.x, a.y, b.x, b.y, 1.0f, alfa, alfa);
}

void CSecuencia::DibujaObjeto(ObjetoSecuencia& o, Sprite* pDestino)
{
    const int alfa = int(o.ucAlfaHeredada) * int(o.ucAlfa) / 255;
    if (alfa == 0) return;
    const float sx = o.fEscalaHeredadaX * o.fEscalaX, sy = o.fEscalaHeredadaY * o.fEscalaY;
    // A host may pass any scale: nothing that is not a number reaches a draw.
    if (!Finito(o.x, o.y) || !Finito(sx, sy) || !std::isfinite(o.fAngulo)) return;
    CSPM* p = o.pSPM.get();
    p->PonAlfa(uint8_t(alfa));
    p->PonEscalaX(sx);
    p->PonEscalaY(sy);
    p->PonRotacion(o.fAngulo);
    p->DibujaEnDestino(pDestino, o.x, o.y);
}

// ---------------------------------------------------------------------------
// Resources

void CSecuencia::CargaEnUso()
{
    if (g_pSistema2D && g_pSistema2D->EstaIniciat()) {
        g_pSistema2D->DescarregaBitmapsSenseUs();
        g_pSistema2D->CarregaBitmapsEnUs();
    }
    if (g_pSistemaSonido) {
        g_pSistemaSonido->DescargaMuestrasSinUso();
        g_pSistemaSonido->CargaMuestrasEnUso();
    }
}

void CSecuencia::CargaRecursos()
{
    if (m_bRecursosCargados) return;
    m_bRecursosCargados = true;
    for (auto& o : m_aObjetos)
        if (o.bCargado) o.pSPM->MarcaEnUso();
    for (auto& c : m_aCapas)
        if (c.bCargada) c.pSPM->MarcaEnUso();
    if (!g_pSistemaSonido) return;
    for (int i = 0; i < kNumMuestrasSecuencia; ++i) {
        if (m_Sonidos.asMuestras[i].empty()) continue;
        // Taken again for up to three voices; the earlier hold is given back.
        CMuestraSonido* pNueva = g_pSistemaSonido->CargaMuestra(m_Sonidos.asMuestras[i].c_str(), 3, false);
        if (m_Sonidos.apMuestras[i]) g_pSistemaSonido->LiberaMuestra(m_Sonidos.apMuestras[i]);
        m_Sonidos.apMuestras[i] = pNueva;
    }
}

void CSecuencia::DescargaRecursos()
{
    if (!m_bRecursosCargados) return;
    m_bRecursosCargados = false;
    for (auto& o : m_aObjetos)
        if (o.bCargado) o.pSPM->DesmarcaEnUso();
    for (auto& c : m_aCapas)
        if (c.bCargada) c.pSPM->DesmarcaEnUso();
    for (auto& m : m_Sonidos.apMuestras) {
        if (m && g_pSistemaSonido) g_pSistemaSonido->LiberaMuestra(m);
        m = nullptr;
    }
    for (int i = 0; i < kNumCanalesSecuencia; ++i) CierraCanal(i);
}
