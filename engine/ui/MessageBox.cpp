#include "engine/ui/MessageBox.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/Buto.h"
#include "engine/ui/CuadreText.h"
#include "engine/ui/InputText.h"

#include <cstdio>
#include <string>

namespace {

constexpr float kCentroX = 512.0f;
constexpr float kCentroY = 384.0f;
// Height each button adds to the box, and the input line.
constexpr int kAltoBoton = 64;
constexpr int kAltoEntrada = 79;
// The buttons' column.
constexpr float kBotonX = 391.0f;
constexpr float kBotonAncho = 242.0f;
// Margins of the box around the text.
constexpr float kMargenAncho = 60.0f;
constexpr float kMargenAlto = 60.0f;
constexpr float kMargenAjustado = 80.0f;
// The input line.
constexpr int kLongitudEntrada = 256;
constexpr int kModoEntrada = 3;
constexpr int kEstiloEntrada = 1;
constexpr int kIdEntrada = 1;
// The hint line under the box (the game's boxes' too).
constexpr float kAyudaX = 112.0f;
constexpr float kAyudaAncho = 800.0f;
constexpr float kAyudaAlto = 100.0f;
// Styles of the panel and of the buttons.
constexpr int kEstiloPanel = 2;
constexpr int kEstiloBoton = 0;
// The veil: alpha and tint when none is given, and the area it covers.
constexpr uint8_t kVeloAlfa = 200;
constexpr uint8_t kVeloRojo = 0, kVeloVerde = 10, kVeloAzul = 50;
constexpr float kVeloAncho = 1100.0f;
constexpr float kVeloAlto = 850.0f;

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

} // namespace

namespace mensaje {

bool TieneAyudas(const int32_t* aiAyuda, int n)
{
    for (int i = 0; i < n; ++i)
        if (aiAyuda[i] != -1) return true;
    return false;
}

void AnadeBoton(CMenuObj* pCaja, CMenuObj* pBoton, const BotonMensaje& boton, int i, int32_t* piRespuestaEntrada,
                int32_t* aiAyuda)
{
    pCaja->AnadeHijo(false, pBoton, false, false);
    if (boton.bCancelar) pCaja->PonCancelar(pBoton);
    if (boton.bRespuestaEntrada) *piRespuestaEntrada = i;
    aiAyuda[i] = boton.idTextoAyuda;
}

bool CreaAyuda(CMenuObj* pCaja, const int32_t* aiAyuda, int n, float y, int iFuente, CCuadreText** ppAyuda)
{
    if (!TieneAyudas(aiAyuda, n)) return true;
    *ppAyuda = new CCuadreText;
    if (!(*ppAyuda)->IniciaConTexto(kAyudaX, y, kAyudaAncho, kAyudaAlto, -1, iFuente, "", 0, kEscalaAyuda,
                                    kEscalaAyuda))
        return false;
    pCaja->AnadeHijo(false, *ppAyuda, false, false);
    return true;
}

void SigueAyuda(CCuadreText* pAyuda, CMenuObj* const* apBotones, const int32_t* aiAyuda, int n, CMenuObj* pHijo,
                int iFormato, float fEscala)
{
    if (!pAyuda || !pHijo) return;
    for (int i = 0; i < n; ++i) {
        if (pHijo != apBotones[i]) continue;
        if (aiAyuda[i] != -1)
            pAyuda->PonIdTexto(aiAyuda[i], iFormato, fEscala, fEscala);
        else
            pAyuda->PonTexto("", iFormato, fEscala, fEscala);
    }
}

bool Respuesta(int iTipo, int iIdEmisor, int iRespuestaEntrada, int* piRespuesta)
{
    if (iTipo == EVENTO_PULSADO)
        *piRespuesta = iIdEmisor;
    else if (iTipo == EVENTO_TEXTO_ACEPTADO)
        *piRespuesta = iRespuestaEntrada;
    else
        return false;
    return true;
}

} // namespace mensaje

CMessageBox::~CMessageBox() { LiberaSiCreado(); }

void CMessageBox::InicializaCampos()
{
    m_pVelo = nullptr;
    m_pTexto = m_pPanel = m_pAyuda = nullptr;
    m_pEntrada = nullptr;
    for (int i = 0; i < kMaxBotones; ++i) {
        m_apBotones[i] = nullptr;
        m_aiAyuda[i] = -1;
    }
    m_iRespuesta = -1;
    m_iRespuestaEntrada = -1;
    m_fCajaX = m_fCajaY = m_fCajaAlto = m_fCajaAncho = -1.0f;
    m_iFlagsTexto = kFlagsTexto;
}

void CMessageBox::Libera()
{
    Borra(m_pVelo);
    Borra(m_pTexto);
    Borra(m_pPanel);
    Borra(m_pEntrada);
    Borra(m_pAyuda);
    for (CButo*& p : m_apBotones) Borra(p);
}

void CMessageBox::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CMessageBox::IniciaConIdTexto(int idTexto, float ancho, float alto, int nBotones, const BotonMensaje* pBotones,
                                   int fuente, int flags, int id, const char* nombre, const uint8_t* pColorVelo)
{
    return Inicia(g_GestorFLIs.GetTexto(idTexto, -1), ancho, alto, nBotones, pBotones, fuente, flags, id, nombre,
                  pColorVelo);
}

bool CMessageBox::Inicia(const char* texto, float ancho, float alto, int nBotones, const BotonMensaje* pBotones,
                         int fuente, int flags, int id, const char* nombre, const uint8_t* pColorVelo)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(id, nombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    if (flags & FLAG_TEXTO_SIMPLE) m_iFlagsTexto = kFlagsTextoSimple;
    if (!Construye(texto, ancho, alto, nBotones, pBotones, fuente, flags)) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    CreaVelo(pColorVelo);
    // The text, then the input line, on top of everything else.
    AnadeHijo(false, m_pTexto, false, false);
    if (m_pEntrada) AnadeHijo(false, m_pEntrada, false, false);
    m_bCreado = true;
    return true;
}

bool CMessageBox::Construye(const char* texto, float ancho, float alto, int nBotones, const BotonMensaje* pBotones,
                            int fuente, int flags)
{
    const bool bEntrada = (flags & FLAG_ENTRADA) != 0;
    if (!texto || !pBotones || nBotones < 0) return false;
    // An input line answers through one of the buttons: without any, Enter
    // in it would have nothing to answer with and no ring to join.
    if (bEntrada && nBotones == 0) return false;

    // The box, for the count of buttons as asked.
    const int iExtra = nBotones * kAltoBoton + (bEntrada ? kAltoEntrada : 0);
    m_fCajaAncho = ancho + kMargenAncho;
    m_fCajaAlto = static_cast<float>(iExtra) + alto + kMargenAlto;
    m_fCajaX = kCentroX - m_fCajaAncho / 2.0f;
    m_fCajaY = kCentroY - m_fCajaAlto / 2.0f;

    // Shrinking by tenths until the wrapped text fits the box; one that
    // never fits is drawn at full size.
    float fEscala = 1.0f;
    CFont* pFont = g_pSistema2D ? g_pSistema2D->GetFont(fuente) : nullptr;
    if ((flags & FLAG_AJUSTA_TEXTO) && pFont) {
        for (int iDecimas = 10;; --iDecimas) {
            if (iDecimas < 1) {
                fEscala = 1.0f;
                break;
            }
            fEscala = static_cast<float>(iDecimas) / 10.0f;
            std::string sAjustado;
            pFont->AjustaTexto(sAjustado, texto, ancho / fEscala);
            float h = pFont->CalculaAlto(sAjustado.c_str()) * fEscala;
            if (h * fEscala <= m_fCajaAlto) {
                m_fCajaAlto = static_cast<float>(iExtra) + h + kMargenAjustado;
                m_fCajaY = kCentroY - m_fCajaAlto / 2.0f;
                alto = h + 10.0f;
                break;
            }
        }
    }

    m_pPanel = new CCuadreText;
    if (!m_pPanel->IniciaConTexto(m_fCajaX, m_fCajaY, m_fCajaAncho, m_fCajaAlto, kEstiloPanel, fuente, "", 0, 1.0f,
                                  1.0f))
        return false;
    AnadeHijo(false, m_pPanel, false, false);

    const float fTextoY = kCentroY - alto / 2.0f - static_cast<float>(iExtra / 2);
    const float fTextoX = kCentroX - ancho / 2.0f;
    m_pTexto = new CCuadreText;
    if (!m_pTexto->IniciaConTexto(fTextoX, fTextoY, ancho, alto, -1, fuente, texto, m_iFlagsTexto, fEscala, fEscala))
        return false;

    if (bEntrada) {
        m_pEntrada = new CInputText;
        if (!m_pEntrada->Inicia(fTextoX, fTextoY + alto + 20.0f, ancho, static_cast<float>(kAltoBoton),
                                kLongitudEntrada, kModoEntrada, fuente, kEstiloEntrada, kIdEntrada,
                                "MSGBOX_INPUT_Input", 1.0f, 1.0f))
            return false;
    }

    // At most ten buttons; the box keeps the height of the count asked.
    const int n = nBotones < kMaxBotones ? nBotones : kMaxBotones;
    for (int i = 0; i < n; ++i) {
        char szNombre[32];
        std::snprintf(szNombre, sizeof szNombre, "NSGBOX_BUT_Boton%d", i);
        float y = fTextoY + alto + static_cast<float>(kAltoBoton * i) + 20.0f +
                  (bEntrada ? static_cast<float>(kAltoEntrada) : 0.0f);
        m_apBotones[i] = new CButo;
        if (!m_apBotones[i]->IniciaConIdTexto(kBotonX, y, kBotonAncho, static_cast<float>(kAltoBoton), kEstiloBoton,
                                              fuente, pBotones[i].idTexto, 1.0f, kFlagsTexto, i, szNombre))
            return false;
        mensaje::AnadeBoton(this, m_apBotones[i], pBotones[i], i, &m_iRespuestaEntrada, m_aiAyuda);
    }
    mensaje::EnlazaAnillo(m_apBotones, n, m_pEntrada);
    return mensaje::CreaAyuda(this, m_aiAyuda, n, m_fCajaY + m_fCajaAlto, fuente, &m_pAyuda);
}

void CMessageBox::CreaVelo(const uint8_t* pColorVelo)
{
    // A veil that cannot be copied leaves the box without one.
    CSPM* pOrigen = g_pGestorSPMs ? g_pGestorSPMs->GetSPM(motor::paquete::CUADRO_BLANCO) : nullptr;
    if (!pOrigen) return;
    m_pVelo = new CSPM;
    if (!m_pVelo->Copia(pOrigen)) {
        Borra(m_pVelo);
        return;
    }
    m_pVelo->PonAlfa(pColorVelo ? pColorVelo[0] : kVeloAlfa);
    if (pColorVelo)
        m_pVelo->PonColor(pColorVelo[1], pColorVelo[2], pColorVelo[3]);
    else
        m_pVelo->PonColor(kVeloRojo, kVeloVerde, kVeloAzul);
    Sprite* s = m_pVelo->GetSprite(0);
    if (s && s->GetAmplada() > 0.0f && s->GetAlcada() > 0.0f)
        m_pVelo->PonEscala(kVeloAncho / s->GetAmplada(), kVeloAlto / s->GetAlcada());
}

const char* CMessageBox::TextoEntrada() const { return m_pEntrada ? m_pEntrada->Texto() : ""; }

void CMessageBox::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    if (m_pVelo) m_pVelo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}

void CMessageBox::PonEnfocado(bool bEnfocado)
{
    m_iRespuesta = -1;
    // The box keeps no focus of its own: it hands it to the input line, or
    // to the first button.
    if (!bEnfocado) {
        CMenuObj::PonEnfocado(false);
        return;
    }
    CMenuObj* pPrimero = m_pEntrada ? static_cast<CMenuObj*>(m_pEntrada) : m_apBotones[0];
    if (pPrimero) EnfocaHijo(pPrimero);
}

void CMessageBox::EnfocaHijo(CMenuObj* pHijo)
{
    CMenuObj* apBotones[kMaxBotones];
    for (int i = 0; i < kMaxBotones; ++i) apBotones[i] = m_apBotones[i];
    mensaje::SigueAyuda(m_pAyuda, apBotones, m_aiAyuda, kMaxBotones, pHijo, kFlagsTexto, mensaje::kEscalaAyuda);
    CMenuObj::EnfocaHijo(pHijo);
}

void CMessageBox::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    int iRespuesta = -1;
    if (!mensaje::Respuesta(iTipo, iIdEmisor, m_iRespuestaEntrada, &iRespuesta)) return;
    m_iRespuesta = iRespuesta;
    CMenuObj::EnviaEvento(EVENTO_RESPUESTA_MENSAJE, iRespuesta, nullptr, -1);
}

void CMessageBox::CargaRecursos()
{
    if (m_pVelo) m_pVelo->MarcaEnUso();
    CMenuObj::CargaRecursos();
}

void CMessageBox::DescargaRecursos()
{
    if (m_pVelo) m_pVelo->DesmarcaEnUso();
    CMenuObj::DescargaRecursos();
}
