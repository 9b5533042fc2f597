#include "game/screens/widgets/MsgBoxTazmo.h"

#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/CuadreText.h"
#include "engine/ui/InputText.h"
#include "engine/ui/TransTiempo.h"
#include "game/CatalogoJuego.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <cstdio>
#include <string>

namespace {

constexpr float kCentroX = 512.0f;
constexpr float kCentroY = 384.0f;
// Frame and text widths, big and small; the frame's top.
constexpr float kAnchoMarcoGrande = 900.0f, kAnchoMarcoPequeno = 400.0f;
constexpr float kAnchoTextoGrande = CMsgBoxTazmo::kAnchoTextoGrande;
constexpr float kAnchoTextoPequeno = CMsgBoxTazmo::kAnchoTextoPequeno;
constexpr float kMarcoY = 159.0f;
// A fitted frame: the text, the buttons and this much room.
constexpr float kMargenAjustado = 120.0f;
constexpr float kHolguraTexto = 10.0f;
// Room between the text and the buttons (and the input line).
constexpr float kSeparacion = 60.0f;
// The input line.
constexpr float kEntradaX = 337.0f;
constexpr float kEntradaAncho = 350.0f;
constexpr float kEntradaAlto = 64.0f;
constexpr int kLongitudEntrada = 256;
constexpr int kModoEntrada = 3;
constexpr int kEstiloEntrada = 1;
constexpr int kIdEntrada = 1;
// The hint line under the frame (the message boxes' own, mensaje::CreaAyuda).
constexpr int kFormatoAyuda = 73;
// The caret: this glyph, this far down the input line, blinking on the
// frame count.
constexpr int kCaracterCursor = '|';
constexpr float kBajadaCursor = 12.0f;
constexpr int kPeriodoCursor = 20, kCursorVisibleDesde = 11;
// The closing delay.
constexpr int kRetardoEntrada = 0, kRetardoSalida = 6;
// The buttons.
constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
const int32_t kTextoBloqueado = CodigoFLI(juego::texto::BLOQ);

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

} // namespace

CMsgBoxTazmo::~CMsgBoxTazmo() { LiberaSiCreado(); }

void CMsgBoxTazmo::InicializaCampos()
{
    m_marco = tazmo::MarcoCaja();
    m_pTexto = m_pAyuda = nullptr;
    m_pEntrada = nullptr;
    for (int i = 0; i < kMaxBotones; ++i) {
        m_apBotones[i] = nullptr;
        m_aiAyuda[i] = -1;
    }
    m_fCajaX = m_fCajaY = m_fCajaAncho = m_fCajaAlto = 0.0f;
    m_iResultado = -1;
    m_iRespuestaEntrada = -1;
    m_iBotonInicial = 0;
    m_pRetardo = nullptr;
    m_iFormatoTexto = kFormatoTexto;
}

void CMsgBoxTazmo::Libera()
{
    m_marco.Libera();
    Borra(m_pTexto);
    Borra(m_pEntrada);
    Borra(m_pAyuda);
    Borra(m_pRetardo);
    for (CBotonTazmo*& p : m_apBotones) Borra(p);
}

void CMsgBoxTazmo::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CMsgBoxTazmo::Inicia(bool bGrande, const char* szTexto, int iCodigoTexto, int nBotones,
                          const BotonMensaje* pBotones, int iFlags, int iId, const char* szNombre)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(iId, szNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    if (iFlags & TEXTO_SIMPLE) m_iFormatoTexto = kFormatoTextoSimple;
    if (iFlags & SIN_FONDO) m_marco.bFondo = false;
    if (!szTexto && iCodigoTexto != 0) szTexto = g_GestorFLIs.GetTexto(iCodigoTexto, -1);
    if (!Construye(bGrande, szTexto, nBotones, pBotones, iFlags)) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMsgBoxTazmo::Construye(bool bGrande, const char* szTexto, int nBotones, const BotonMensaje* pBotones,
                             int iFlags)
{
    const bool bEntrada = (iFlags & CON_ENTRADA) != 0;
    if (!szTexto || nBotones < 0 || (nBotones > 0 && !pBotones)) return false;
    // Enter in the input line answers through a button and the line sits in
    // the buttons' ring: without any button it would have neither.
    if (bEntrada && nBotones == 0) return false;

    const float g = bEntrada ? static_cast<float>(kAltoEntrada) : 0.0f;
    const float b = static_cast<float>(nBotones * kAltoBoton) + g;
    const float fAnchoTexto = bGrande ? kAnchoTextoGrande : kAnchoTextoPequeno;
    float fAltoTexto = kAltoMarco;
    m_fCajaAncho = bGrande ? kAnchoMarcoGrande : kAnchoMarcoPequeno;
    m_fCajaAlto = kAltoMarco;
    m_fCajaX = kCentroX - m_fCajaAncho / 2.0f;
    m_fCajaY = kMarcoY;

    float fEscala = 1.0f;
    CFont* pFont = g_pSistema2D ? g_pSistema2D->GetFont(kFuente) : nullptr;
    if ((iFlags & AJUSTA_TEXTO) && pFont) {
        const Ajuste a = CalculaAjuste(
            [&](float fAncho) {
                std::string sEnvuelto;
                pFont->AjustaTexto(sEnvuelto, szTexto, fAncho);
                return pFont->CalculaAlto(sEnvuelto.c_str());
            },
            fAnchoTexto);
        if (a.bCabe) {
            fEscala = a.fEscala;
            m_fCajaAlto = a.fAlto + b + kMargenAjustado;
            m_fCajaY = kCentroY - m_fCajaAlto / 2.0f;
            fAltoTexto = a.fAlto + kHolguraTexto;
        }
    }

    const float fTextoX = kCentroX - fAnchoTexto / 2.0f;
    const float fTextoY = kCentroY - fAltoTexto / 2.0f - b / 2.0f;
    m_pTexto = new CCuadreText;
    if (!m_pTexto->IniciaConTexto(fTextoX, fTextoY, fAnchoTexto, fAltoTexto, -1, kFuente, szTexto, m_iFormatoTexto,
                                  fEscala, fEscala))
        return false;
    m_pTexto->PonAlfa(0);

    if (bEntrada) {
        const std::string sEntrada = std::string(Nombre()) + "_Input";
        m_pEntrada = new CInputText;
        if (!m_pEntrada->Inicia(kEntradaX, fTextoY + fAltoTexto + kSeparacion - kEntradaAlto, kEntradaAncho,
                                kEntradaAlto, kLongitudEntrada, kModoEntrada, kFuente, kEstiloEntrada, kIdEntrada,
                                sEntrada.c_str(), 1.0f, 1.0f))
            return false;
        // The name grows from the middle of its field, as the box's texts do.
        m_pEntrada->PonFormato(TEXTO_CENTRADO | TEXTO_MEDIO);
    }

    const int n = nBotones < kMaxBotones ? nBotones : kMaxBotones;
    for (int i = 0; i < n; ++i) {
        char szBoton[32];
        std::snprintf(szBoton, sizeof szBoton, "MSGBOXTAZMO_Boton%d", i);
        const float y = g + fTextoY + fAltoTexto + kSeparacion + static_cast<float>(kAltoBoton * i);
        m_apBotones[i] = new CBotonTazmo;
        if (!m_apBotones[i]->Inicia(kSonidoFoco, kSonidoPulsar, kCentroX, y, pBotones[i].idTexto, kTextoBloqueado,
                                    -1, -1, 0, i, szBoton))
            return false;
        mensaje::AnadeBoton(this, m_apBotones[i], pBotones[i], i, &m_iRespuestaEntrada, m_aiAyuda);
        if ((iFlags & CANCELAR_POR_DEFECTO) && pBotones[i].bCancelar) m_iBotonInicial = i;
    }
    mensaje::EnlazaAnillo(m_apBotones, n, m_pEntrada);
    if (!mensaje::CreaAyuda(this, m_aiAyuda, n, m_fCajaY + m_fCajaAlto, kFuente, &m_pAyuda)) return false;

    m_pRetardo = new CTransTiempo;
    if (!m_pRetardo->Inicia(kRetardoEntrada, kRetardoSalida)) return false;
    if (!m_marco.Crea(bGrande ? juego::paquete::MSGBOX_GRANDE : juego::paquete::MSGBOX_PEQUENA)) return false;
    AnadeHijo(false, m_pTexto, false, false);
    AnadeHijo(false, m_pRetardo, false, false);
    if (m_pEntrada) AnadeHijo(false, m_pEntrada, false, false);
    return true;
}

const char* CMsgBoxTazmo::TextoEntrada() const { return m_pEntrada ? m_pEntrada->Texto() : ""; }

void CMsgBoxTazmo::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    int iRespuesta = -1;
    if (!mensaje::Respuesta(iTipo, iIdEmisor, m_iRespuestaEntrada, &iRespuesta)) return;
    m_iResultado = iRespuesta;
    CMenuObj::EnviaEvento(EVENTO_RESPUESTA_MENSAJE, iRespuesta, nullptr, -1);
}

void CMsgBoxTazmo::PonEnfocado(bool bEnfocado)
{
    m_iResultado = -1;
    CMenuObj::PonEnfocado(bEnfocado);
    if (!bEnfocado) return;
    CMenuObj* pPrimero = m_pEntrada ? static_cast<CMenuObj*>(m_pEntrada) : m_apBotones[m_iBotonInicial];
    if (pPrimero) EnfocaHijo(pPrimero);
}

void CMsgBoxTazmo::EnfocaHijo(CMenuObj* pHijo)
{
    CMenuObj* apBotones[kMaxBotones];
    for (int i = 0; i < kMaxBotones; ++i) apBotones[i] = m_apBotones[i];
    mensaje::SigueAyuda(m_pAyuda, apBotones, m_aiAyuda, kMaxBotones, pHijo, kFormatoAyuda, mensaje::kEscalaAyuda);
    CMenuObj::EnfocaHijo(pHijo);
}

bool CMsgBoxTazmo::TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion)
{
    CMenuObj* pAntes = HijoEnfocado();
    const bool bTomado = CMenuObj::TrataMovimientoRaton(iRaton, x, y, bPorPulsacion);
    CMenuObj* pAhora = HijoEnfocado();
    if (pAhora != pAntes && pAhora && pAhora != m_pEntrada) {
        bool bBoton = false;
        for (CBotonTazmo* b : m_apBotones) bBoton = bBoton || b == pAhora;
        if (!bBoton && pAntes) EnfocaHijo(pAntes);
    }
    return bTomado;
}

void CMsgBoxTazmo::IniciaTransicion(bool bEntrada)
{
    if (bEntrada)
        m_marco.desliza.Abre();
    else
        m_marco.desliza.Cierra();
    CMenuObj::IniciaTransicion(bEntrada);
}

void CMsgBoxTazmo::Actualiza()
{
    if (m_marco.desliza.EnCurso()) {
        m_marco.desliza.Paso();
        if (m_pTexto) m_pTexto->PonAlfa(static_cast<uint8_t>(m_marco.desliza.iAlfa));
    }
    CMenuObj::Actualiza();
}

void CMsgBoxTazmo::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    m_marco.Dibuja(pDestino);
    CMenuObj::Dibuja(pHastaHijo, pDestino);
    if (!m_pEntrada || !m_pEntrada->EstaEnfocado() || !g_pSistema2D) return;
    if (FrameActual() % kPeriodoCursor < kCursorVisibleDesde) return;
    CFont* pFont = g_pSistema2D->GetFont(kFuente);
    if (!pFont || !pFont->EstaCargada()) return;
    Sprite* pCursor = pFont->m_apLetras[kCaracterCursor];
    if (!pCursor) return;
    const Rectangulo& r = m_pEntrada->Rect();
    // Right after the line's last letter: the line is centred in the field.
    const float x = r.x + (r.ancho + pFont->CalculaAncho(m_pEntrada->Texto())) / 2.0f;
    g_pSistema2D->DibuixaSpriteEX(pDestino, pCursor, x, r.y + kBajadaCursor, false, 255, 0.0f, 1.0f, 1.0f);
}

void CMsgBoxTazmo::CargaRecursos()
{
    if (RecursosCargados()) return;
    m_marco.Marca(true);
    CMenuObj::CargaRecursos();
}

void CMsgBoxTazmo::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    m_marco.Marca(false);
    CMenuObj::DescargaRecursos();
}
