#include "game/play/GestorTutoriales.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "game/CatalogoJuego.h"
#include "game/play/BolaTablero.h"
#include "game/play/Figuras.h"
#include "game/play/MenuJuego.h"
#include "game/play/RegistroNivel.h"
#include "game/play/herramientas/HerramientaAsistenciaVisual.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuAyudaAnimado.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

namespace t = juego::texto;

constexpr Rectangulo kRect{312.0f, 150.0f, 400.0f, 200.0f};
constexpr const char* kNombre = "GestorTutoriales";

// The button that turns the pages.
constexpr float kBotonX = 512.0f, kBotonY = 250.0f;
constexpr int kFlagsBoton = CBotonTazmo::ESTRECHO | CBotonTazmo::BAJO;
constexpr int kIdBoton = 0;
constexpr const char* kNombreBoton = "GESTORTUTORIALES_BUT_Tutorial";

// The two texts: the instruction of a play step at the bottom, the pages at
// the top; wrapped and centred in a 512 x 128 box.
constexpr float kAnchoTexto = CGestorTutoriales::kAnchoTexto, kAltoTexto = CGestorTutoriales::kAltoTexto;
constexpr int kFuenteTexto = CGestorTutoriales::kFuenteTexto, kFormatoTexto = CGestorTutoriales::kFormatoTexto;
constexpr float kEscalaTexto = CGestorTutoriales::kEscalaTexto;
constexpr float kTextoX = 512.0f, kAbajoY = CGestorTutoriales::kAbajoY, kArribaY = CGestorTutoriales::kArribaY;
const ColorRGB kBlanco{255, 255, 255};
constexpr int kFusionDestello = 0x01;

using P = PaginaTutorial;
constexpr P Pg(const char* c) { return P{P::PAGINA, c}; }
constexpr ConjuntoPaginas Conj(const char* a, const char* b = nullptr, const char* c = nullptr)
{
    ConjuntoPaginas r{};
    int i = 0;
    for (const char* s : {a, b, c})
        if (s) r.a[static_cast<size_t>(i++)] = Pg(s);
    return r;
}

constexpr unsigned kAyudaAnimada = ACCION_AYUDA_ANIMADA;

PasoTutorial FilaPaginas(int iPaso, int iConjunto, unsigned uAcciones = 0)
{
    PasoTutorial p;
    p.iPaso = iPaso;
    p.tipo = PasoTutorial::PAGINAS;
    p.iConjunto = iConjunto;
    p.uAcciones = uAcciones;
    p.meta = META_BOTON;
    return p;
}

PasoTutorial FilaJuega(int iPaso, int iLista, const char* szTexto, MetaTutorial meta, int iUmbral = 0,
                   unsigned uAcciones = 0)
{
    PasoTutorial p;
    p.iPaso = iPaso;
    p.tipo = PasoTutorial::JUEGA;
    p.iLista = iLista;
    p.szTexto = szTexto;
    p.meta = meta;
    p.iUmbral = iUmbral;
    p.uAcciones = uAcciones;
    return p;
}

PasoTutorial FilaGuia(int iPaso, int iLista, const char* szTexto, int iPuntos)
{
    PasoTutorial p = FilaJuega(iPaso, iLista, szTexto, META_LINEA_MINIMO, iPuntos, ACCION_REINTENTOS_CERO);
    p.iListaGuia = iLista;
    return p;
}

PasoTutorial FilaSello(int iPaso, int iLista, const char* szTexto, const char* a, const char* b = nullptr,
                   const char* c = nullptr, unsigned uAcciones = 0)
{
    PasoTutorial p = FilaJuega(iPaso, iLista, szTexto, META_PRIMERA, 0, uAcciones);
    p.tipo = PasoTutorial::SELLO;
    p.apszSellos = {a, b, c};
    return p;
}

namespace s = juego::paquete;

} // namespace

// ---- The tables ----

const std::array<ConjuntoPaginas, CGestorTutoriales::kNumConjuntos> CGestorTutoriales::TablaConjuntos = {
    Conj(t::TX00, t::TX01, t::TX02), // 8
    Conj(t::TX04, t::TX05, t::TX06), // 9
    Conj(t::TX08, t::TX09),          // 10
    Conj(t::TX11, t::TX12),          // 11
    Conj(t::TX14, t::TX15),          // 12
    Conj(t::TX40),                   // 13
    Conj(t::TU40),                   // 14
    Conj(t::TU42),                   // 15
    Conj(t::TU43),                   // 16
    Conj(t::TU45),                   // 17
    Conj(t::TU50),                   // 18
    Conj(t::TU60, t::TU61),          // 19
    Conj(t::TU63),                   // 20
    Conj(t::TU65),                   // 21
    Conj(t::TU67),                   // 22
    Conj(t::TU70, t::TU71),          // 23
    Conj(t::TU80, t::TU81),          // 24
    Conj(t::TU83),                   // 25
    Conj(t::TU85, t::TU86),          // 26
    Conj(t::TU88, t::TU89),          // 27
    Conj(t::TU90, t::TU91),          // 28
    Conj(t::TU93),                   // 29
    Conj(t::TU94, t::TU95),          // 30
    Conj(t::TU98),                   // 31
    Conj(t::TUA0, t::TUA1),          // 32
    Conj(t::TUA3),                   // 33
    Conj(t::TUA5, t::TUA6),          // 34
    Conj(t::TUA8),                   // 35
    Conj(t::TUB0, t::TUB1),          // 36
    Conj(t::TUB3),                   // 37
    Conj(t::TUB5, t::TUB6),          // 38
    Conj(t::TUB8),                   // 39
    Conj(t::TUC0, t::TUC1, t::TUC4), // 40
    Conj(t::TUC3),                   // 41
};

const std::array<PasoTutorial, CGestorTutoriales::kUltimoPaso - CGestorTutoriales::kPrimerPaso + 1>
    CGestorTutoriales::TablaPasos = {
        // Tutorial 0: lines, crossings and the score.
        FilaPaginas(14, 8, ACCION_ASISTENCIA_NO),
        FilaJuega(15, 0, t::TX03, META_PRIMERA),
        FilaPaginas(16, 9),
        FilaJuega(17, 2, t::TX07, META_PRIMERA),
        FilaPaginas(18, 10),
        FilaJuega(19, 4, t::TX10, META_PUNTOS_MINIMO, 3, ACCION_ASISTENCIA_SI),
        FilaPaginas(20, 11),
        FilaJuega(21, 4, t::TX13, META_PUNTOS_MINIMO, 6),
        FilaPaginas(22, 12),
        // Tutorial 1: the seals.
        FilaPaginas(23, 13, kAyudaAnimada),
        FilaJuega(24, 4, t::TX41, META_PUNTOS_MAS_DE, 9),
        FilaPaginas(25, 14, kAyudaAnimada),
        FilaSello(26, 5, t::TU41, s::SELLO_59_LAESTRELLA, nullptr, nullptr,
              ACCION_ASISTENCIA_NO | ACCION_PRIMERA_FIGURA),
        FilaPaginas(27, 15, kAyudaAnimada),
        FilaSello(28, 6, t::TU41, s::SELLO_11_ELLIBRO),
        FilaPaginas(29, 16, kAyudaAnimada),
        FilaSello(30, 7, t::TU41, s::SELLO_10_ELUNO),
        FilaPaginas(31, 17, kAyudaAnimada),
        FilaPaginas(32, 18, kAyudaAnimada),
        // Tutorial 2: the target score.
        FilaPaginas(33, 24),
        FilaJuega(34, 11, t::TU82, META_PUNTOS_MAS_DE, 29),
        FilaPaginas(35, 25),
        // Tutorial 3: the best line, with the guide after two misses.
        FilaPaginas(36, 19),
        FilaGuia(37, 8, t::TU62, 1),
        FilaPaginas(38, 20, ACCION_GUIA_DESVANECE),
        FilaGuia(39, 9, t::TU64, 3),
        FilaPaginas(40, 21, ACCION_GUIA_DESVANECE),
        FilaGuia(41, 10, t::TU66, 6),
        FilaPaginas(42, 22, ACCION_GUIA_DESVANECE),
        FilaPaginas(43, 23),
        // Tutorial 4: the curses.
        FilaPaginas(44, 26),
        FilaJuega(45, 12, t::TU87, META_LANZADAS_MAS_DE, 24),
        FilaPaginas(46, 27),
        // Tutorials 5 to 7: a seal each.
        FilaPaginas(47, 28),
        FilaSello(48, 13, t::TU92, s::SELLO_23_LAPESADILLA),
        FilaPaginas(49, 29),
        FilaPaginas(50, 30),
        FilaSello(51, 14, t::TU96, s::SELLO_07_LOSOJOSDELMAL),
        FilaPaginas(52, 31),
        FilaPaginas(53, 32),
        FilaSello(54, 15, t::TUA2, s::SELLO_04_LAENFERMEDAD),
        FilaPaginas(55, 33),
        // Tutorial 8: dodging quickens the attacks.
        FilaPaginas(56, 34),
        FilaJuega(57, -1, t::TUA7, META_FACTOR_BAJO, 85),
        FilaPaginas(58, 35),
        // Tutorial 9: a seal.
        FilaPaginas(59, 36),
        FilaSello(60, 16, t::TUB2, s::SELLO_60_LAFIDELIDAD),
        FilaPaginas(61, 37),
        // Tutorial 10: dodging longer.
        FilaPaginas(62, 38),
        FilaJuega(63, 17, t::TUB7, META_FACTOR_BAJO, 75),
        FilaPaginas(64, 39),
        // Tutorial 11: three seals at once.
        FilaPaginas(65, 40),
        FilaSello(66, 18, t::TUC2, s::SELLO_38_ELPODER, s::SELLO_37_LAVIDA, s::SELLO_47_LANOBLEZA),
        FilaPaginas(67, 41, ACCION_DESBLOQUEA_LINAJE),
};

const std::array<CadenaTutorial, CGestorTutoriales::kNumTutoriales> CGestorTutoriales::TablaCadenas = {{
    {14, 22}, {23, 32}, {33, 35}, {36, 43}, {44, 46}, {47, 49},
    {50, 52}, {53, 55}, {56, 58}, {59, 61}, {62, 64}, {65, 67},
}};

// Lists 12 and 17 are played empty: nothing fills them.
const std::array<PiezasTutorial, 16> CGestorTutoriales::TablaPiezas = {{
    {14, 0, 38, nullptr},
    {14, 2, 40, nullptr},
    {14, 4, 42, nullptr},
    {23, 4, 42, nullptr},
    {23, 5, -1, juego::fichero::TUTOS_ESTRELLASIMPLE},
    {23, 6, -1, juego::fichero::TUTOS_ELLIBRO},
    {23, 7, -1, juego::fichero::TUTOS_LAPRIMERAPARTIDA},
    {33, 11, 43, nullptr},
    {36, 8, -1, juego::fichero::TUTOS_OPTIMIZAR3LINEAS},
    {36, 9, -1, juego::fichero::TUTOS_OPTIMIZAR4LINEAS},
    {36, 10, -1, juego::fichero::TUTOS_OPTIMIZAR5LINEAS},
    {47, 13, -1, juego::fichero::TUTOS_LAPESADILLA},
    {50, 14, -1, juego::fichero::TUTOS_LOSOJOSDELMAL},
    {53, 15, -1, juego::fichero::TUTOS_LAENFERMEDAD},
    {59, 16, -1, juego::fichero::TUTOS_LALEALTAD},
    {65, 18, -1, juego::fichero::FIGURA_13_00_MULTIELLINAJE},
}};

int CGestorTutoriales::PrimerPaso(int iTutorial)
{
    if (iTutorial < 0 || iTutorial >= kNumTutoriales) return 0;
    return TablaCadenas[static_cast<size_t>(iTutorial)].iPrimero;
}

bool CGestorTutoriales::EsPasoFinal(int iPaso)
{
    return std::any_of(TablaCadenas.begin(), TablaCadenas.end(),
                       [iPaso](const CadenaTutorial& c) { return c.iFinal == iPaso; });
}

const PasoTutorial* CGestorTutoriales::Paso(int iPaso)
{
    if (iPaso < kPrimerPaso || iPaso > kUltimoPaso) return nullptr;
    return &TablaPasos[static_cast<size_t>(iPaso - kPrimerPaso)];
}

const ConjuntoPaginas* CGestorTutoriales::Conjunto(int iConjunto)
{
    const int i = iConjunto - kPrimerConjunto;
    if (i < 0 || i >= kNumConjuntos) return nullptr;
    return &TablaConjuntos[static_cast<size_t>(i)];
}

int CGestorTutoriales::NumPaginas(const ConjuntoPaginas& c)
{
    int n = 0;
    while (n < ConjuntoPaginas::kRegistros && c.a[static_cast<size_t>(n)].iTipo == PaginaTutorial::PAGINA) ++n;
    return n;
}

// Goals are reached at their threshold or beyond: a line multiplied by a
// bonus steps over an exact value, and the step would wait for ever.
bool CGestorTutoriales::MetaDeLinea(const PasoTutorial& p, int S, int L)
{
    switch (p.meta) {
    case META_PRIMERA: return true;
    case META_PUNTOS_MINIMO: return S >= p.iUmbral;
    case META_PUNTOS_MAS_DE: return S > p.iUmbral;
    case META_LINEA_MINIMO: return L >= p.iUmbral;
    default: return false;
    }
}

bool CGestorTutoriales::MetaDeFotograma(const PasoTutorial& p, int iLanzadas, float fFactor)
{
    switch (p.meta) {
    case META_LANZADAS_MAS_DE: return iLanzadas > p.iUmbral;
    case META_FACTOR_BAJO: return fFactor < static_cast<float>(p.iUmbral) / 100.0f;
    default: return false;
    }
}

int CGestorTutoriales::AlfaTexto(int iNivel) { return std::clamp(iNivel, 0, 255); }

// The flash above 255 runs from 1 at level 256 to 255 and no further: the
// level may climb to 512, which a byte would wrap.
int CGestorTutoriales::AlfaDestello(int iNivel) { return iNivel >= kNivelTexto ? std::min(iNivel - 255, 255) : 0; }

int CGestorTutoriales::AcercaNivel(int iNivel, int iObjetivo)
{
    if (iNivel < iObjetivo) return std::min(iNivel + kPasoNivelTexto, iObjetivo);
    if (iNivel > iObjetivo) return std::max(iNivel - kPasoNivelTexto, iObjetivo);
    return iNivel;
}

// ---- Life ----

CGestorTutoriales::~CGestorTutoriales()
{
    if (!m_bCreado && !m_bIniciado) return;
    Libera();
}

void CGestorTutoriales::InicializaCampos()
{
    m_iPaso = 0;
    m_bObjetivo = false;
    m_pTextoAbajo = m_pTextoArriba = nullptr;
    m_iObjetivoAbajo = m_iNivelAbajo = m_iObjetivoArriba = m_iNivelArriba = 0;
    m_iPagina = m_iNumPaginas = 0;
    m_pPaginas = nullptr;
    m_pBoton = nullptr;
    m_pJuego = nullptr;
    m_pNivel = nullptr;
    m_bPermiteJugar = false;
    m_iReintentos = 0;
    m_iLineaPerfil = LINEA_MAXIMA_INICIAL;
    m_iObjetivoNivel = 0;
}

void CGestorTutoriales::Libera()
{
    LiberaSiIniciado();
    for (CLista& l : m_aListas) BorraPiezas(l);
    if (g_pSistema2D) {
        if (m_pTextoAbajo) g_pSistema2D->AlliberaSprite(m_pTextoAbajo, false);
        if (m_pTextoArriba) g_pSistema2D->AlliberaSprite(m_pTextoArriba, false);
    }
    m_pTextoAbajo = m_pTextoArriba = nullptr;
    delete m_pBoton;
    m_pBoton = nullptr;
    m_bCreado = false;
}

bool CGestorTutoriales::Carga(CMenuJuego* pJuego, RegistroNivel* pNivel)
{
    if (m_bCreado || m_bIniciado) Libera();
    InicializaCampos();
    if (!CMenuObj::Inicia(-1, kNombre, kRect, -1)) return false;
    m_pJuego = pJuego;
    m_pNivel = pNivel;
    m_iPaso = PrimerPaso(pNivel ? pNivel->m_iTutorial : kNumTutoriales);
    if (RegistroPerfil* pPerfil = PerfilActualJuego())
        m_iLineaPerfil = pPerfil->Bloque().m_aiDatos[BloqueDificultad::LINEA_MAXIMA];
    m_iObjetivoNivel = pNivel ? pNivel->PUNTUACIONOBJETIVO : 0;

    bool bOk = true;
    for (const PiezasTutorial& f : TablaPiezas) {
        if (f.iPrimerPaso != m_iPaso || !pNivel) continue;
        CLista& l = m_aListas[static_cast<size_t>(f.iLista)];
        if (f.szFichero)
            bOk = CargaTapiz(l, f.szFichero + std::strlen(CARPETA_TAPICES), *pNivel) && bOk;
        else
            bOk = CreaFiguraTrazado(l, f.iFigura, *pNivel) && bOk;
    }
    if (bOk && m_iPaso != 0) {
        m_pBoton = new (std::nothrow) CBotonTazmo;
        bOk = m_pBoton && m_pBoton->Inicia(juego::sonido::SELECCIONAR_BOTON, juego::sonido::PULSAR_BOTON_POSITIVO,
                                           kBotonX, kBotonY, CodigoFLI(t::TUX0), CodigoFLI(t::BLOQ), -1, -1,
                                           kFlagsBoton, kIdBoton, kNombreBoton);
        for (Sprite** pp : {&m_pTextoAbajo, &m_pTextoArriba}) {
            if (!bOk) break;
            *pp = g_pSistema2D ? g_pSistema2D->CreaSpriteText(kFuenteTexto, " ", -1, kFormatoTexto, kEscalaTexto,
                                                              kEscalaTexto, kAnchoTexto,
                                                              kAltoTexto, kAnchoTexto / 2.0f, kAltoTexto / 2.0f, 0.0f,
                                                              0.0f, -1.0f, -1.0f, false)
                               : nullptr;
            bOk = *pp != nullptr;
        }
    }
    if (!bOk) {
        Libera();
        InicializaCampos();
        return false;
    }
    m_bCreado = true;
    if (m_iPaso != 0) EjecutaPaso(m_iPaso);
    return true;
}

// ---- What the play screen takes ----

int CGestorTutoriales::LineaMaxima() const
{
    const int iPrimero = PrimerPaso(m_pNivel ? m_pNivel->m_iTutorial : kNumTutoriales);
    if (iPrimero == TablaCadenas[0].iPrimero) return kLineaTutorial0;
    if (iPrimero == TablaCadenas[1].iPrimero) return kLineaTutorial1;
    return m_iLineaPerfil;
}

int CGestorTutoriales::PuntuacionObjetivo() const
{
    return PrimerPaso(m_pNivel ? m_pNivel->m_iTutorial : kNumTutoriales) == TablaCadenas[2].iPrimero
               ? kObjetivoTutorial2
               : m_iObjetivoNivel;
}

int CGestorTutoriales::NumeroColores() const
{
    if ((m_iPaso >= 14 && m_iPaso <= 19) || m_iPaso == 37 || m_iPaso == 39 || m_iPaso == 41) return 1;
    if (m_iPaso == 20 || m_iPaso == 21) return 2;
    return m_pNivel ? m_pNivel->NUMCOLORES : 1;
}

bool CGestorTutoriales::CompruebaObjetivo()
{
    const PasoTutorial* p = Paso(m_iPaso);
    if (!p || !m_pJuego) return false;
    const bool bAlcanzada = MetaDeLinea(*p, m_pJuego->Puntuacion(), m_pJuego->m_iPuntosUltimaLinea);
    if (p->meta == META_LINEA_MINIMO) {
        if (bAlcanzada) {
            m_pJuego->m_fPasoGuia = 0.0f;
        } else if (++m_iReintentos == kReintentosGuia) {
            m_pJuego->m_pListaGuia = &m_aListas[static_cast<size_t>(p->iListaGuia)];
            m_pJuego->m_fPasoGuia = kPasoGuia;
        }
    }
    if (bAlcanzada) m_bObjetivo = true;
    return bAlcanzada;
}

// ---- Steps ----

void CGestorTutoriales::MuestraTexto(Sprite* pTexto, const char* szCodigo)
{
    if (pTexto && g_pSistema2D && szCodigo)
        g_pSistema2D->CanviaTextSprite(pTexto, nullptr, CodigoFLI(szCodigo), kFormatoTexto, kEscalaTexto,
                                       kEscalaTexto, 0.0f, 0.0f,
                                       -1.0f, -1.0f);
}

void CGestorTutoriales::MuestraPaginas(int iConjunto)
{
    m_bPermiteJugar = false;
    if (m_pBoton && m_pBoton->Padre() != this) AnadeHijo(false, m_pBoton, false, false);
    m_iObjetivoAbajo = 0;
    m_iObjetivoArriba = kNivelTexto;
    m_iNivelArriba = kNivelFlash;
    m_iPagina = 0;
    m_pPaginas = Conjunto(iConjunto);
    m_iNumPaginas = m_pPaginas ? NumPaginas(*m_pPaginas) : 0;
    // Every set starts on the "go on" caption; a set of one page is its own
    // last page.
    if (m_pBoton)
        m_pBoton->CambiaTextos(CodigoFLI(t::BLOQ), CodigoFLI(m_iNumPaginas <= 1 ? t::TUX1 : t::TUX0));
    if (m_iNumPaginas > 0) MuestraTexto(m_pTextoArriba, m_pPaginas->a[0].szCodigo);
}

void CGestorTutoriales::Juega(CLista* pLista, const char* szTexto, bool bSello, const char* const* apszSellos)
{
    m_bPermiteJugar = true;
    if (m_pJuego) {
        const char* apsz[5] = {"", "", "", "", ""};
        for (int i = 0; bSello && apszSellos && i < PasoTutorial::kMaxSellos; ++i)
            if (apszSellos[i]) apsz[i] = apszSellos[i];
        if (bSello)
            for (size_t i = 0; i < m_pJuego->m_asImagenes.size(); ++i) m_pJuego->m_asImagenes[i] = apsz[i];
        m_pJuego->AsignaFigura(pLista, bSello, bSello ? apsz : nullptr);
    }
    MuestraTexto(m_pTextoAbajo, szTexto);
    m_iNivelAbajo = kNivelFlash;
    m_iObjetivoAbajo = 255;
}

void CGestorTutoriales::EjecutaPaso(int iPaso)
{
    m_iPaso = iPaso;
    const PasoTutorial* p = Paso(iPaso);
    if (!p) return;
    CHerramientaAsistenciaVisual* pAsistencia = m_pJuego ? m_pJuego->m_pAsistencia : nullptr;
    if ((p->uAcciones & ACCION_ASISTENCIA_NO) && pAsistencia) pAsistencia->Desactiva();
    if ((p->uAcciones & ACCION_ASISTENCIA_SI) && pAsistencia) {
        pAsistencia->Activa();
        pAsistencia->m_bMostrando = true;
    }
    if ((p->uAcciones & ACCION_PRIMERA_FIGURA) && m_pJuego) m_pJuego->m_bPrimeraFigura = true;
    if (p->uAcciones & ACCION_REINTENTOS_CERO) m_iReintentos = 0;
    if ((p->uAcciones & ACCION_GUIA_DESVANECE) && m_pJuego) m_pJuego->m_fPasoGuia = -kPasoGuia;

    if (p->tipo == PasoTutorial::PAGINAS) {
        MuestraPaginas(p->iConjunto);
    } else {
        CLista* pLista = p->iLista >= 0 ? &m_aListas[static_cast<size_t>(p->iLista)] : nullptr;
        Juega(pLista, p->szTexto, p->tipo == PasoTutorial::SELLO, p->apszSellos.data());
    }
    if (p->uAcciones & ACCION_DESBLOQUEA_LINAJE) DesbloqueaFigura(juego::fichero::FIGURA_13_00_MULTIELLINAJE +
                                                                  std::strlen(CARPETA_TAPICES));
}

// ---- Per step ----

void CGestorTutoriales::Actualiza()
{
    if (m_bCreado && m_iPaso != 0) {
        m_iNivelAbajo = AcercaNivel(m_iNivelAbajo, m_iObjetivoAbajo);
        m_iNivelArriba = AcercaNivel(m_iNivelArriba, m_iObjetivoArriba);
        const PasoTutorial* p = Paso(m_iPaso);
        if (p && m_pJuego && m_pJuego->m_pAtaques &&
            MetaDeFotograma(*p, m_pJuego->m_pAtaques->MaldicionesLanzadas(), m_pJuego->m_pAtaques->FactorIntervalo()))
            m_bObjetivo = true;
        if (m_bObjetivo) {
            m_bObjetivo = false;
            if (EsPasoFinal(m_iPaso)) {
                if (m_pJuego) m_pJuego->TerminaNivel();
            } else {
                EjecutaPaso(m_iPaso + 1);
            }
        }
    }
    CMenuObj::Actualiza();
}

void CGestorTutoriales::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo == EVENTO_PULSADO && iIdEmisor == kIdBoton && m_pPaginas) {
        ++m_iPagina;
        if (m_iPagina < m_iNumPaginas) {
            MuestraTexto(m_pTextoArriba, m_pPaginas->a[static_cast<size_t>(m_iPagina)].szCodigo);
            m_iNivelArriba = kNivelFlash;
            if (m_pBoton)
                m_pBoton->CambiaTextos(CodigoFLI(t::BLOQ),
                                       CodigoFLI(m_iPagina == m_iNumPaginas - 1 ? t::TUX1 : t::TUX0));
        } else {
            m_bObjetivo = true;
            m_iPagina = 0;
            m_pPaginas = nullptr;
            if (m_pBoton && m_pBoton->Padre() == this) CMenuObj::QuitaHijo(false, m_pBoton);
            m_iObjetivoArriba = 0;
        }
    }
    // The play screen sees the manager, never the button: its own id 0
    // would undo a move.
    CMenuObj::EnviaEvento(iTipo, iValor, szTexto, -1);
}

void CGestorTutoriales::QuitaHijo(bool bRecarga, CMenuObj* pHijo)
{
    CMenuObj::QuitaHijo(bRecarga, pHijo);
    const PasoTutorial* p = Paso(m_iPaso);
    if (p && (p->uAcciones & ACCION_AYUDA_ANIMADA) && pHijo && g_pMenuMaestro &&
        pHijo == static_cast<CMenuObj*>(g_pMenuMaestro->m_pMenuAyudaAnimado))
        m_bObjetivo = true;
}

// ---- Drawing and resources ----

void CGestorTutoriales::DibujaTexto(Sprite* pDestino, Sprite* pTexto, float y, int iNivel)
{
    if (!pTexto || !g_pSistema2D) return;
    const int a = AlfaTexto(iNivel);
    if (a > 0) g_pSistema2D->DibuixaSpriteEX(pDestino, pTexto, kTextoX, y, false, a, 0.0f, 1.0f, 1.0f);
    if (const int d = AlfaDestello(iNivel); d > 0)
        g_pSistema2D->DibuixaSpriteEX2(pDestino, pTexto, kFusionDestello, &kBlanco, kTextoX, y, false, d, 0.0f, 1.0f,
                                       1.0f);
}

void CGestorTutoriales::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    if (m_bCreado && m_iPaso != 0) {
        DibujaTexto(pDestino, m_pTextoAbajo, kAbajoY, m_iNivelAbajo);
        DibujaTexto(pDestino, m_pTextoArriba, kArribaY, m_iNivelArriba);
    }
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}

void CGestorTutoriales::CargaRecursos()
{
    for (CLista& l : m_aListas)
        for (NodoLista* n = l.m_pCabeza; n; n = n->m_pSiguiente) static_cast<CBolaTablero*>(n->m_pItem)->CargaRecursos();
    if (g_pSistema2D)
        for (Sprite* s : {m_pTextoAbajo, m_pTextoArriba})
            if (s) g_pSistema2D->MarcaSpriteEnUs(s);
    CMenuObj::CargaRecursos();
}

void CGestorTutoriales::DescargaRecursos()
{
    for (CLista& l : m_aListas)
        for (NodoLista* n = l.m_pCabeza; n; n = n->m_pSiguiente)
            static_cast<CBolaTablero*>(n->m_pItem)->DescargaRecursos();
    if (g_pSistema2D)
        for (Sprite* s : {m_pTextoAbajo, m_pTextoArriba})
            if (s) g_pSistema2D->DesmarcaSpriteEnUs(s);
    CMenuObj::DescargaRecursos();
}
