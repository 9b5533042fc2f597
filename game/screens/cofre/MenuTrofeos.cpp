#include "game/screens/cofre/MenuTrofeos.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/CuadreText.h"
#include "engine/ui/MessageBox.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"

#include <algorithm>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr float kVolverX = 824.0f, kVolverY = 740.0f;
constexpr float kRadioTrofeo = 110.0f;
// The shelf's places and scales are laid out for trophy pictures of about
// 100 by 128 points; ours are 200 by 256, so the shelf draws them at half
// its scales, or the larger ones cover their neighbours. The picture shown
// above an open box keeps its full size.
constexpr float kEscalaEstante = 0.5f;
// The shown trophy's picture stands over the top of its box, as large as
// on a shelf of its own; the description and the button go under it.
constexpr float kGrandeX = 512.0f, kGrandeY = 240.0f;
constexpr float kSeparacionImagen = 10.0f, kMargenMarco = 36.0f;
// The smallest the picture is drawn at to leave room for a long text.
constexpr float kEscalaMinimaImagen = 0.4f;

const char* const kPaquetes[CMenuTrofeos::kNumPaquetes] = {
    juego::paquete::TROFEOS1, juego::paquete::TROFEOS2, juego::paquete::TROFEOS3,
};

// The shelf: the trophy of each icon (by its marker's number), its picture
// and its place.
const CMenuTrofeos::FilaTrofeo kTrofeos[CMenuTrofeos::kNumTrofeos] = {
    {12, 1, 6, 306.0f, 214.0f, 0.5f, juego::texto::TD12},
    {11, 1, 5, 189.0f, 222.0f, 0.45f, juego::texto::TD11},
    {10, 1, 4, 93.0f, 234.0f, 0.4f, juego::texto::TD10},
    {16, 1, 3, 361.0f, 317.0f, 0.5f, juego::texto::TD16},
    {15, 1, 2, 241.0f, 355.0f, 0.45f, juego::texto::TD15},
    {14, 1, 1, 222.0f, 430.0f, 0.4f, juego::texto::TD14},
    {13, 1, 0, 259.0f, 483.0f, 0.3f, juego::texto::TD13},
    {19, 1, 10, 515.0f, 277.0f, 0.5f, juego::texto::TD19},
    {18, 1, 9, 429.0f, 222.0f, 0.35f, juego::texto::TD18},
    {17, 1, 8, 608.0f, 222.0f, 0.35f, juego::texto::TD17},
    {20, 0, 0, 512.0f, 193.0f, 0.35f, juego::texto::TD20},
    {23, 1, 14, 720.0f, 214.0f, 0.5f, juego::texto::TD23},
    {22, 1, 13, 841.0f, 220.0f, 0.45f, juego::texto::TD22},
    {21, 1, 12, 939.0f, 237.0f, 0.4f, juego::texto::TD21},
    {26, 1, 15, 839.0f, 390.0f, 0.5f, juego::texto::TD26},
    {25, 1, 11, 835.0f, 472.0f, 0.45f, juego::texto::TD25},
    {24, 1, 7, 791.0f, 524.0f, 0.4f, juego::texto::TD24},
    {29, 2, 2, 667.0f, 316.0f, 0.5f, juego::texto::TD29},
    {28, 2, 1, 814.0f, 303.0f, 0.45f, juego::texto::TD28},
    {27, 2, 0, 923.0f, 317.0f, 0.4f, juego::texto::TD27},
    {32, 2, 6, 946.0f, 456.0f, 0.5f, juego::texto::TD32},
    {31, 2, 5, 923.0f, 524.0f, 0.45f, juego::texto::TD31},
    {30, 2, 4, 866.0f, 575.0f, 0.4f, juego::texto::TD30},
    {0, 0, 10, 758.0f, 607.0f, 0.3f, juego::texto::TD00},
    {1, 0, 9, 274.0f, 607.0f, 0.3f, juego::texto::TD01},
    {2, 0, 8, 706.0f, 566.0f, 0.4f, juego::texto::TD02},
    {3, 0, 7, 323.0f, 566.0f, 0.4f, juego::texto::TD03},
    {4, 0, 6, 633.0f, 524.0f, 0.45f, juego::texto::TD04},
    {5, 0, 5, 400.0f, 524.0f, 0.45f, juego::texto::TD05},
    {6, 0, 4, 512.0f, 510.0f, 0.5f, juego::texto::TD06},
    {7, 0, 3, 365.0f, 428.0f, 0.5f, juego::texto::TD07},
    {8, 0, 2, 678.0f, 428.0f, 0.6f, juego::texto::TD08},
    {9, 0, 1, 512.0f, 391.0f, 0.8f, juego::texto::TD09},
    {36, 0, 12, 109.0f, 354.0f, 0.5f, juego::texto::TD36},
    {35, 0, 13, 99.0f, 445.0f, 0.45f, juego::texto::TD35},
    {34, 0, 14, 123.0f, 519.0f, 0.4f, juego::texto::TD34},
    {33, 0, 15, 186.0f, 566.0f, 0.3f, juego::texto::TD33},
    {37, 2, 7, 577.0f, 607.0f, 0.5f, juego::texto::TD37},
    {38, 2, 3, 456.0f, 607.0f, 0.5f, juego::texto::TD38}
};

} // namespace

const CMenuTrofeos::FilaTrofeo& CMenuTrofeos::Fila(int i) { return kTrofeos[std::clamp(i, 0, kNumTrofeos - 1)]; }

std::string CMenuTrofeos::Marcador(int i) { return "MTrofeo_" + std::to_string(Fila(i).iTrofeo); }

CMenuTrofeos::~CMenuTrofeos()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuTrofeos::LiberaPropios()
{
    for (CBotonIconoTazmo*& p : m_apTrofeos) tazmo::Borra(p);
    tazmo::Borra(m_pBotonVolver);
    if (m_pCaja) m_pCaja->LiberaSiCreado();
    tazmo::Borra(m_pCaja);
    for (CSPM*& p : m_apPaquetes) tazmo::BorraSPM(p);
}

void CMenuTrofeos::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuTrofeos::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    m_bCajaAbierta = false;
    m_iMostrado = -1;
    if (!CBaseMenu::Crea("MenuTrofeos", juego::paquete::TITULO_TROFEOS, nullptr, juego::musica::RAN_MENUS,
                         juego::paquete::ICO_TROFEOS, true, true, true))
        return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuTrofeos::Construye()
{
    for (int i = 0; i < kNumTrofeos; ++i) {
        const FilaTrofeo& f = kTrofeos[i];
        m_apTrofeos[i] = new (std::nothrow) CBotonIconoTazmo;
        if (!m_apTrofeos[i] ||
            !m_apTrofeos[i]->Inicia(kPaquetes[f.iPaquete], f.iFrame, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY,
                                    f.x, f.y, false, kRadioTrofeo, kRadioTrofeo, f.fEscala * kEscalaEstante,
                                    CodigoFLI(f.szTexto), CBotonIconoTazmo::AYUDA_SIN_FOCO, i, Marcador(i).c_str()))
            return false;
    }
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonVolver ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MP05),
                                CodigoFLI(juego::texto::BLOQ), -1, -1, 0, ID_VOLVER, "MenuSellos_BUT_Volver"))
        return false;
    tazmo::Arranca(m_tFundido, kPasosFundido, -1);
    for (int i = 0; i < kNumPaquetes; ++i)
        if (!(m_apPaquetes[i] = tazmo::CopiaSPM(kPaquetes[i]))) return false;
    if (!(m_pCaja = new (std::nothrow) CMsgBoxTazmo)) return false;
    for (CBotonIconoTazmo* p : m_apTrofeos) AnadeHijo(false, p, false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    return true;
}

void CMenuTrofeos::AbreCaja(int i)
{
    if (m_bCajaAbierta || i < 0 || i >= kNumTrofeos) return;
    const BotonMensaje aceptar = {CodigoFLI(juego::texto::ACEP), -1, true, false};
    if (!m_pCaja->Inicia(true, nullptr, CodigoFLI(kTrofeos[i].szTexto), 1, &aceptar,
                         CMsgBoxTazmo::AJUSTA_TEXTO, ID_CAJA, "MENUTROFEOS_MsgBox"))
        return;
    m_iMostrado = i;
    ColocaBajoImagen();
    AnadeHijo(false, m_pCaja, false, false);
    tazmo::Cuenta(m_tFundido, 1);
    m_bCajaAbierta = true;
}

namespace {

// The picture's full height, 0 without it.
float AltoImagen(CSPM* const* apPaquetes, const CMenuTrofeos::FilaTrofeo& f)
{
    CSPM* p = apPaquetes[f.iPaquete];
    const Sprite* s = p ? p->GetSprite(f.iFrame) : nullptr;
    return s ? s->GetAlcada() : 0.0f;
}

} // namespace

// The box centres its text and button in the frame; they go down under the
// picture as far as the frame allows.
void CMenuTrofeos::ColocaBajoImagen()
{
    if (!m_pCaja || !m_pCaja->m_pTexto || m_iMostrado < 0) return;
    const float fAlto = AltoImagen(m_apPaquetes, kTrofeos[m_iMostrado]);
    if (fAlto <= 0.0f) return;
    const float fAbajo = m_pCaja->m_fCajaY + m_pCaja->m_fCajaAlto - kMargenMarco;
    const Rectangulo rTexto = m_pCaja->m_pTexto->Rect();
    float fFin = rTexto.y + rTexto.alto;
    for (CBotonTazmo* b : m_pCaja->m_apBotones)
        if (b) fFin = std::max(fFin, b->Rect().y + b->Rect().alto);
    const float fContenido = fFin - rTexto.y;
    const float fTope = std::max(rTexto.y, fAbajo - fContenido);
    const float fDeseado = kGrandeY + fAlto / 2.0f + kSeparacionImagen;
    const float d = std::max(0.0f, std::min(fDeseado, fTope) - rTexto.y);
    if (d <= 0.0f) return;
    auto Baja = [d](CMenuObj* p) {
        if (p) p->PonRect(p->Rect().x, p->Rect().y + d, p->Rect().ancho, p->Rect().alto);
    };
    Baja(m_pCaja->m_pTexto);
    for (CBotonTazmo* b : m_pCaja->m_apBotones) Baja(b);
}

// At full size unless the text could not go low enough: then smaller, its
// foot kept clear of the text.
bool CMenuTrofeos::ImagenMostrada(float* pfX, float* pfY, float* pfEscala, float* pfAncho, float* pfAlto) const
{
    if (m_iMostrado < 0 || !m_pCaja || !m_pCaja->m_pTexto) return false;
    const FilaTrofeo& f = kTrofeos[m_iMostrado];
    CSPM* p = m_apPaquetes[f.iPaquete];
    const Sprite* s = p ? p->GetSprite(f.iFrame) : nullptr;
    if (!s || s->GetAlcada() <= 0.0f) return false;
    const float fArriba = kGrandeY - s->GetAlcada() / 2.0f;
    const float fHueco = m_pCaja->m_pTexto->Rect().y - kSeparacionImagen - fArriba;
    const float e = std::clamp(fHueco / s->GetAlcada(), kEscalaMinimaImagen, 1.0f);
    *pfX = kGrandeX;
    *pfY = fArriba + s->GetAlcada() * e / 2.0f;
    *pfEscala = e;
    *pfAncho = s->GetAmplada() * e;
    *pfAlto = s->GetAlcada() * e;
    return true;
}

void CMenuTrofeos::Actualiza()
{
    CBaseMenu::Actualiza();
    if (m_bCajaAbierta && m_pCaja->m_iResultado != -1) {
        m_pCaja->m_iResultado = -1;
        QuitaHijo(false, m_pCaja);
        tazmo::Cuenta(m_tFundido, -1);
        m_bCajaAbierta = false;
    }
}

void CMenuTrofeos::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO || !m_bCreado) return;
    if (iIdEmisor == ID_VOLVER) {
        if (g_pMenuMaestro) g_pMenuMaestro->CambiaMenu(g_pMenuMaestro->m_pMenuCofreTesoro);
    } else if (iIdEmisor >= 0 && iIdEmisor < kNumTrofeos) {
        AbreCaja(iIdEmisor);
    }
}

void CMenuTrofeos::DibujaSobreHijos(Sprite* pDestino)
{
    if (m_iMostrado < 0) return;
    const FilaTrofeo& f = kTrofeos[m_iMostrado];
    CSPM* p = m_apPaquetes[f.iPaquete];
    float x = 0.0f, y = 0.0f, e = 1.0f, w = 0.0f, h = 0.0f;
    if (!p || !ImagenMostrada(&x, &y, &e, &w, &h)) return;
    p->PonEscala(e, e);
    p->PonAlfa(static_cast<uint8_t>(std::clamp(m_tFundido.Fraccion(PROGRESO_LIMITADO), 0.0f, 1.0f) * 255.0f));
    p->DibujaSpriteEnDestino(pDestino, f.iFrame, x, y);
    p->PonEscala(1.0f, 1.0f);
}

void CMenuTrofeos::CargaRecursos()
{
    if (RecursosCargados()) return;
    for (CSPM* p : m_apPaquetes) tazmo::MarcaSPM(p, true);
    CBaseMenu::CargaRecursos();
}

void CMenuTrofeos::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    for (CSPM* p : m_apPaquetes) tazmo::MarcaSPM(p, false);
    CBaseMenu::DescargaRecursos();
}
