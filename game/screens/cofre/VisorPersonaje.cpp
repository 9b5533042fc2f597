#include "game/screens/cofre/VisorPersonaje.h"

#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/SPM.h"
#include "engine/ui/MessageBox.h"
#include "game/CatalogoJuego.h"
#include "game/Personajes.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/cofre/MenuPersonajes.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"
#include "game/story/CarasEscena.h"
#include "game/story/PersoSecTazmo.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr float kInicioX = 512.0f, kInicioY = 384.0f;
constexpr float kRadio = 128.0f;
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;

struct FilaIcono {
    const char* szSPM;
    float x, y, fEscala;
    const char* szAyuda; // null for none
    bool bSonidoPulsar;
    bool bVisible;
    const char* szNombre;
};
// In id order.
const FilaIcono kIconos[CVisorPersonaje::kNumIconos] = {
    {juego::paquete::ICO_CAPITULOS, 385.0f, 650.0f, 0.5f, juego::texto::MAHI, true, true,
     "VISOR_PERSONAJE_BUT_HistoriaPersonaje"},
    {juego::paquete::ICO_GALERIA, 575.0f, 650.0f, 0.5f, juego::texto::TMG1, true, false,
     "VISOR_PERSONAJE_BUT_GaleriaPersonaje"},
    {juego::paquete::ICONO_TAMBOR, 950.0f, 540.0f, 0.5f, juego::texto::MAVO, false, true,
     "VISOR_PERSONAJE_BUT_LanzarVoz"},
    {juego::paquete::FLECHA_IZQUIERDA, 495.0f, 350.0f, 1.0f, nullptr, true, true, "VISOR_PERSONAJE_BUT_Izquierda"},
    {juego::paquete::FLECHA_DERECHA, 950.0f, 350.0f, 1.0f, nullptr, true, true, "VISOR_PERSONAJE_BUT_Derecha"},
};

// The seven voice lines of a character, in the order the drum picks them.
const char* const kSufijosVoz[CVisorPersonaje::kNumVoces] = {
    "_SALUDO", "_TRISTEZA", "_NEUTRO", "_ALEGRIA", "_VICTORIA", "_DERROTA", "_EUFORIA",
};

// The viewer's pictures are normal, happy and sad; the scenes' table keeps
// its moods as happy, normal, sad.
constexpr int kHumorDeImagen[CVisorPersonaje::kMaxImagenes] = {1, 0, 2};

// The face parts drawn on a mood picture: the first mouth (closed) and the
// first picture of each eye (open), as the scenes number them.
constexpr int kSlotCuerpo = 0, kSlotBoca = 10, kSlotOjoDerecho = 20, kSlotOjoIzquierdo = 30;

const FilaPersonajeEscena* FilaEscena(const Personaje* p)
{
    if (!p) return nullptr;
    const int f = BuscaFilaPersonaje(p->m_pszNombre);
    return f >= 0 && f < NUM_PERSONAJES_ESCENA ? &FilaPersonaje(f) : nullptr;
}

uint8_t Alfa(float f) { return static_cast<uint8_t>(std::clamp(f, 0.0f, 1.0f) * 255.0f); }

} // namespace

// ---------------------------------------------------------------------------
// Decisions

const Personaje* CVisorPersonaje::PersonajeDeVisor(int v) { return PersonajePorVisor(v); }

int CVisorPersonaje::NumImagenes(const Personaje* p)
{
    const FilaPersonajeEscena* f = FilaEscena(p);
    if (!f) return 0;
    const bool bUnaSola = std::strcmp(f->paquetes[0], f->paquetes[1]) == 0 &&
                          std::strcmp(f->paquetes[1], f->paquetes[2]) == 0;
    return bUnaSola ? 1 : kMaxImagenes;
}

const char* CVisorPersonaje::PaqueteImagen(const Personaje* p, int k)
{
    const FilaPersonajeEscena* f = FilaEscena(p);
    if (!f || k < 0 || k >= kMaxImagenes) return nullptr;
    return f->paquetes[kHumorDeImagen[k]];
}

int CVisorPersonaje::HumorDeImagen(int k) { return k >= 0 && k < kMaxImagenes ? kHumorDeImagen[k] : 1; }

float CVisorPersonaje::PasoFundido(float f, bool bActual)
{
    return bActual ? std::min(f + kPasoFundido, 1.0f) : std::max(f - kPasoFundido, 0.0f);
}

std::string CVisorPersonaje::NombreVoz(const char* szPrefijo, int i)
{
    if (!szPrefijo || i < 0 || i >= kNumVoces) return {};
    return std::string(szPrefijo) + kSufijosVoz[i];
}

bool CVisorPersonaje::CajaAbierta() const { return m_pCaja && m_pCaja->Padre() == this; }

// ---------------------------------------------------------------------------
// Creation and release

CVisorPersonaje::~CVisorPersonaje()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CVisorPersonaje::InicializaCampos()
{
    for (CBotonIconoTazmo*& p : m_apIconos) p = nullptr;
    m_pBotonVolver = nullptr;
    m_pCaja = nullptr;
    for (CSPM*& p : m_apImagenes) p = nullptr;
    m_pFigura = nullptr;
    m_pRegistro = nullptr;
    m_iPersonaje = -1;
    m_iImagen = 0;
    m_nImagenes = 0;
    for (float& f : m_afFundido) f = 0.0f;
    for (int& v : m_aiVoces) v = -1;
}

void CVisorPersonaje::LiberaPropios()
{
    if (m_pCaja) m_pCaja->LiberaSiCreado();
    tazmo::Borra(m_pCaja);
    for (CBotonIconoTazmo*& p : m_apIconos) tazmo::Borra(p);
    tazmo::Borra(m_pBotonVolver);
    for (CSPM*& p : m_apImagenes) tazmo::BorraSPM(p);
    tazmo::BorraSPM(m_pFigura);
    for (int& v : m_aiVoces) v = -1;
}

void CVisorPersonaje::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CVisorPersonaje::Crea(int iPersonaje)
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    const struct Personaje* p = PersonajeDeVisor(iPersonaje);
    if (!p) return false;
    m_pRegistro = p;
    m_iPersonaje = iPersonaje;
    if (!CBaseMenu::Crea("VisorPersonaje", juego::paquete::TITULO_PERSONAJES, nullptr, juego::musica::RAN_MENUS,
                         juego::paquete::ICO_PERSONAJES, true, true, true))
        return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CVisorPersonaje::Construye()
{
    for (int i = 0; i < kNumIconos; ++i) {
        const FilaIcono& f = kIconos[i];
        m_apIconos[i] = new (std::nothrow) CBotonIconoTazmo;
        if (!m_apIconos[i] ||
            !m_apIconos[i]->Inicia(f.szSPM, 0, kSonidoFoco, f.bSonidoPulsar ? kSonidoPulsar : nullptr, kInicioX,
                                   kInicioY, f.x, f.y, false, kRadio, kRadio, f.fEscala,
                                   f.szAyuda ? CodigoFLI(f.szAyuda) : -1, 0, i, f.szNombre))
            return false;
    }
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonVolver ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MP05),
                                CodigoFLI(juego::texto::BLOQ), -1, -1, 0, ID_VOLVER, "VISOR_PERSONAJE_BUT_Volver"))
        return false;
    // The story box, ready but shown only when asked for.
    const BotonMensaje aceptar = {CodigoFLI(juego::texto::ACEP), -1, true, false};
    m_pCaja = new (std::nothrow) CMsgBoxTazmo;
    if (!m_pCaja || !m_pCaja->Inicia(true, nullptr, m_pRegistro->m_iCodigoHistoria, 1, &aceptar,
                                     CMsgBoxTazmo::AJUSTA_TEXTO, ID_CAJA, "VISOR_PERSONAJE_Box"))
        return false;
    m_nImagenes = NumImagenes(m_pRegistro);
    for (int k = 0; k < m_nImagenes; ++k)
        if (!(m_apImagenes[k] = tazmo::CopiaSPM(PaqueteImagen(m_pRegistro, k)))) return false;
    if (m_pRegistro->m_pszFigura && !(m_pFigura = tazmo::CopiaSPM(m_pRegistro->m_pszFigura))) return false;
    for (int i = 0; i < kNumVoces; ++i) m_aiVoces[i] = tazmo::RanuraSonido(NombreVoz(m_pRegistro->m_pszPrefijoVoz, i).c_str());
    for (int i = 0; i < kNumIconos; ++i)
        if (kIconos[i].bVisible) AnadeHijo(false, m_apIconos[i], false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    return true;
}

// ---------------------------------------------------------------------------
// Update, events and drawing

void CVisorPersonaje::Actualiza()
{
    CBaseMenu::Actualiza();
    if (CajaAbierta() && m_pCaja->m_iResultado != -1) {
        m_pCaja->m_iResultado = -1;
        QuitaHijo(false, m_pCaja);
    }
    for (int i = 0; i < kNumFundidos; ++i) m_afFundido[i] = PasoFundido(m_afFundido[i], i == m_iImagen);
}

void CVisorPersonaje::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO || !m_bCreado) return;
    switch (iIdEmisor) {
    case ID_HISTORIA:
        if (!CajaAbierta()) AnadeHijo(false, m_pCaja, false, false);
        break;
    case ID_VOZ: tazmo::TocaSonido(m_aiVoces[EnteroAleatorio(0, kNumVoces - 1)]); break;
    case ID_IZQUIERDA: m_iImagen = ImagenAnterior(m_iImagen, m_nImagenes); break;
    case ID_DERECHA: m_iImagen = ImagenSiguiente(m_iImagen, m_nImagenes); break;
    case ID_VOLVER:
        if (g_pMenuMaestro) g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuPersonajes);
        break;
    default: break;
    }
}

void CVisorPersonaje::DibujaFigura(Sprite* pDestino)
{
    if (!m_pFigura || !m_pRegistro) return;
    m_pFigura->PonAlfa(Alfa(ProgresoApertura()));
    tazmo::DibujaFiguraCompleta(m_pFigura, *m_pRegistro, pDestino, kFiguraX, kFiguraY);
}

void CVisorPersonaje::DibujaImagen(Sprite* pDestino, int k)
{
    CSPM* p = m_apImagenes[k];
    const uint8_t a = Alfa(m_afFundido[k]);
    if (!p || a == 0) return;
    p->PonAlfa(a);
    p->DibujaSpriteEnDestino(pDestino, kSlotCuerpo, kImagenX, kImagenY);
    // The face: closed mouth and open eyes where the scenes put them.
    const CaraEscena* cara = BuscaCaraEscena(m_pRegistro->m_pszNombre);
    if (!cara) return;
    const int h = HumorDeImagen(k);
    const int aiSlots[NUM_PARTES_CARA] = {kSlotOjoDerecho, kSlotOjoIzquierdo, kSlotBoca};
    for (int parte = 0; parte < NUM_PARTES_CARA; ++parte) {
        const PuntoCara o = cara->partes[parte][h];
        p->DibujaSpriteEnDestino(pDestino, aiSlots[parte], kImagenX + o.x, kImagenY + o.y);
    }
}

void CVisorPersonaje::DibujaContenido(Sprite* pDestino)
{
    DibujaFigura(pDestino);
    for (int k = 0; k < m_nImagenes; ++k) DibujaImagen(pDestino, k);
}

void CVisorPersonaje::CargaRecursos()
{
    if (RecursosCargados()) return;
    for (CSPM* p : m_apImagenes) tazmo::MarcaSPM(p, true);
    tazmo::MarcaSPM(m_pFigura, true);
    for (int v : m_aiVoces) tazmo::MarcaSonido(v, true);
    CBaseMenu::CargaRecursos();
}

void CVisorPersonaje::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    for (CSPM* p : m_apImagenes) tazmo::MarcaSPM(p, false);
    tazmo::MarcaSPM(m_pFigura, false);
    for (int v : m_aiVoces) tazmo::MarcaSonido(v, false);
    CBaseMenu::DescargaRecursos();
}
