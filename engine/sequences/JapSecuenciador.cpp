// The dialogue player: loading a script, walking it line by line, typing with
// inline commands, waiting, scrolling and drawing.
#include "engine/sequences/JapSecuenciador.h"

#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/NumerosC.h"
#include "engine/graphics/ElementoTexto.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/Sprite.h"
#include "engine/sequences/Secuencia.h"

#include <algorithm>
#include <cmath>
#include <strings.h>

namespace {

bool EsNombre(const char* szNombre, const char* szClave) { return szNombre && strcasecmp(szNombre, szClave) == 0; }

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Left-button press, as the devices deliver it.
constexpr int kBotonIzquierdoAbajo = 0;

} // namespace

RegistroJapTxtSecuencia::RegistroJapTxtSecuencia() = default;
RegistroJapTxtSecuencia::~RegistroJapTxtSecuencia() = default;

CJapSecuenciador::CJapSecuenciador() { InicializaCampos(); }

CJapSecuenciador::~CJapSecuenciador() { Libera(); }

void CJapSecuenciador::InicializaCampos()
{
    m_bCargado = false;
    m_iEstado = SECUENCIADOR_ESCRIBIENDO;
    m_Config = ConfigSecuenciador();
    m_pEsperada = nullptr;
    m_iRegistroActual = -1;
    m_iPosicion = 0;
    m_sLinea.clear();
    m_bEsperaLinea = false;
    m_iNumEscritos = 0;
    m_sEscrito.clear();
    m_fScroll = m_fScrollObjetivo = 0.0f;
    m_iFramesEspera = 0;
    m_bRecargar = false;
    m_bLineaTerminada = false;
    m_iResultado = -1;
    m_bRecursosCargados = false;
    m_iFont = -1;
    m_iAlfaCaja = 0;
    m_bRapido = s_bSiempreRapido;
    m_bTextoCambiado = true;
}

// ---------------------------------------------------------------------------
// Loading

bool CJapSecuenciador::Carga(const char* szGuion, const ConfigSecuenciador* pConfig, int iFont)
{
    Libera();
    InicializaCampos();
    if (!szGuion || !szGuion[0] || !pConfig || !g_pSistema2D || !g_pGestorComandes) return false;
    m_Config = *pConfig;
    m_pSpriteCaja =
        g_pSistema2D->CreaSpriteFitxer(m_Config.m_sFicheroCaja.c_str(), 0, 0, -1, -1, 0, 0, false, false);
    m_pSpriteTexto = g_pSistema2D->CreaSpriteText(iFont, "", -1, 0, m_Config.m_fEscala, m_Config.m_fEscala,
                                                  m_Config.m_fAnchoAjuste, m_Config.m_fAltoVisible, 0, 0, 0, 0,
                                                  -1, -1, false);
    if (!m_pSpriteCaja || !m_pSpriteTexto) {
        Libera();
        return false;
    }
    // Kept in use with the sequencer's resources; nothing is drawn from it.
    m_pPaquete = CopiaPaqueteCache(m_Config.m_sPaquete.c_str());
    FitxerComandes* f = g_pGestorComandes->ObreLectura(szGuion);
    if (!f) {
        Libera();
        return false;
    }
    m_iFont = iFont;
    do {
        LeeRegistro(g_pGestorComandes->NomComanda(f), f);
    } while (g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);
    m_bCargado = true;
    SiguienteLinea();
    return true;
}

void CJapSecuenciador::Libera()
{
    if (m_bRecursosCargados) DescargaRecursos();
    m_aMostradas.clear();
    m_pEsperada = nullptr;
    m_aSecuencias.clear();
    m_aGuion.clear();
    if (g_pSistema2D) {
        g_pSistema2D->AlliberaSprite(m_pSpriteCaja, true);
        g_pSistema2D->AlliberaSprite(m_pSpriteTexto, true);
    }
    m_pSpriteCaja = m_pSpriteTexto = nullptr;
    m_pPaquete.reset();
    m_bCargado = false;
}

void CJapSecuenciador::LeeRegistro(const char* szNombre, FitxerComandes* f)
{
    if (EsNombre(szNombre, "JAPTXTSECUENCIA"))
        LeeJapTxtSecuencia(f);
    else if (EsNombre(szNombre, "JAPTXTLINE"))
        LeeJapTxtLine(f);
    else if (EsNombre(szNombre, "ETIQUETA"))
        LeeEtiqueta(f);
    else if (EsNombre(szNombre, "GOTOETIQUETA"))
        LeeGotoEtiqueta(f);
    else if (EsNombre(szNombre, "FIN"))
        LeeFin(f);
}

void CJapSecuenciador::LeeJapTxtSecuencia(FitxerComandes* f)
{
    auto r = std::make_unique<RegistroJapTxtSecuencia>();
    r->m_iId = g_pGestorComandes->LlegeixEnter(f);
    const char* szFichero = g_pGestorComandes->LlegeixText(f);
    r->m_pSecuencia = std::make_unique<CSecuencia>();
    // Kept even when its file does not load: showing it then draws nothing.
    r->m_pSecuencia->Carga(szFichero);
    while (!g_pGestorComandes->FiParametres(f) && int(r->m_aiFrames.size()) < RegistroJapTxtSecuencia::kMaxFrames)
        r->m_aiFrames.push_back(g_pGestorComandes->LlegeixEnter(f));
    m_aSecuencias.push_back(std::move(r));
}

void CJapSecuenciador::LeeJapTxtLine(FitxerComandes* f)
{
    RegistroGuion r;
    r.m_iTipo = GUION_LINEA;
    r.m_iCodigo1 = g_pGestorComandes->LlegeixCodi(f);
    r.m_iCodigo2 = g_pGestorComandes->LlegeixCodi(f);
    // Non-zero waits (a missing value reads -1).
    r.m_bEspera = g_pGestorComandes->LlegeixEnter(f) != 0;
    m_aGuion.push_back(std::move(r));
}

void CJapSecuenciador::LeeEtiqueta(FitxerComandes* f)
{
    RegistroGuion r;
    r.m_iTipo = GUION_ETIQUETA;
    const char* sz = g_pGestorComandes->LlegeixText(f);
    r.m_sEtiqueta = sz ? std::string(sz).substr(0, 63) : std::string();
    m_aGuion.push_back(std::move(r));
}

void CJapSecuenciador::LeeGotoEtiqueta(FitxerComandes* f)
{
    RegistroGuion r;
    r.m_iTipo = GUION_SALTO;
    const char* sz = g_pGestorComandes->LlegeixText(f);
    r.m_sEtiqueta = sz ? std::string(sz).substr(0, 63) : std::string();
    m_aGuion.push_back(std::move(r));
}

void CJapSecuenciador::LeeFin(FitxerComandes* f)
{
    RegistroGuion r;
    r.m_iTipo = GUION_FIN;
    r.m_iResultado = g_pGestorComandes->LlegeixEnter(f);
    m_aGuion.push_back(std::move(r));
}

// ---------------------------------------------------------------------------
// Walking the script and typing

int CJapSecuenciador::SiguienteLinea()
{
    m_fScroll = m_fScrollObjetivo = 0.0f;
    const int n = int(m_aGuion.size());
    // Once at an end the script stays there: every later walk gives the same
    // result.
    if (m_iRegistroActual >= 0 && m_iRegistroActual < n && m_aGuion[size_t(m_iRegistroActual)].m_iTipo == GUION_FIN)
        return m_aGuion[size_t(m_iRegistroActual)].m_iResultado;
    // A walk takes more jumps than there are records only when jumps go
    // round without a line between them: the script then ends.
    int iSaltos = 0;
    while (true) {
        const int i = m_iRegistroActual + 1;
        if (i < 0 || i >= n) {
            m_iRegistroActual = n;
            return 0;
        }
        const RegistroGuion& r = m_aGuion[size_t(i)];
        switch (r.m_iTipo) {
        case GUION_LINEA:
            m_iRegistroActual = i;
            m_iPosicion = 0;
            m_sLinea = r.m_iCodigo2 == -1 ? std::string() : std::string(g_GestorFLIs.GetTexto(r.m_iCodigo2));
            m_sEscrito.clear();
            m_iNumEscritos = 0;
            m_bTextoCambiado = true;
            m_bEsperaLinea = r.m_bEspera;
            return -1;
        case GUION_SALTO: {
            if (++iSaltos > n) {
                m_iRegistroActual = n;
                return 0;
            }
            int iDestino = -1;
            for (int j = 0; j < n; ++j) {
                const RegistroGuion& e = m_aGuion[size_t(j)];
                if (e.m_iTipo == GUION_ETIQUETA && strcasecmp(e.m_sEtiqueta.c_str(), r.m_sEtiqueta.c_str()) == 0) {
                    iDestino = j;
                    break;
                }
            }
            // A jump to a label that does not exist is passed over.
            m_iRegistroActual = iDestino >= 0 ? iDestino : i;
            break;
        }
        case GUION_FIN: m_iRegistroActual = i; return r.m_iResultado;
        default: m_iRegistroActual = i; break; // a label
        }
    }
}

void CJapSecuenciador::EscribeSiguienteCaracter()
{
    // Every pass of the loop moves the position forward, so it ends.
    while (true) {
        const int n = int(m_sLinea.size());
        if (m_iPosicion < 0) m_iPosicion = 0;
        // The position at the length counts as one more character: it types
        // nothing and ends the line.
        if (m_iPosicion >= n) {
            m_iPosicion = n + 1;
            if (m_bEsperaLinea) {
                m_iEstado = SECUENCIADOR_ESPERA_JUGADOR;
                m_bRapido = s_bSiempreRapido;
            }
            m_bLineaTerminada = true;
            return;
        }
        const char c = m_sLinea[size_t(m_iPosicion)];
        if (c == '\\') {
            if (m_iPosicion + 1 >= n) {
                m_iPosicion += 1;
            } else {
                const char d = m_sLinea[size_t(m_iPosicion) + 1];
                if (d == '<' || d == '\n')
                    m_iPosicion += 2;
                else if (d == '\r')
                    m_iPosicion += 3;
                else
                    m_iPosicion += 1;
            }
            return;
        }
        if (c == '<') {
            const int iInicio = m_iPosicion;
            if (!LeeComandoEnLinea()) {
                // A command costs no time unless it changed the state.
                m_iPosicion += 1;
                if (m_iEstado != SECUENCIADOR_ESCRIBIENDO) return;
                continue;
            }
            // Not a command: typed as written up to its '>', which is then
            // typed as an ordinary character.
            const size_t iFin = m_sLinea.find('>', size_t(iInicio));
            const size_t iHasta = iFin == std::string::npos ? size_t(n) : iFin;
            m_sEscrito.append(m_sLinea, size_t(iInicio), iHasta - size_t(iInicio));
            m_iNumEscritos += int(iHasta - size_t(iInicio));
            m_bTextoCambiado = true;
            m_iPosicion = int(iHasta);
            continue;
        }
        m_sEscrito.push_back(c);
        ++m_iNumEscritos;
        m_bTextoCambiado = true;
        ++m_iPosicion;
        return;
    }
}

bool CJapSecuenciador::LeeComandoEnLinea()
{
    const size_t iAbre = size_t(std::max(m_iPosicion, 0));
    const size_t iCierra = m_sLinea.find('>', iAbre + 1);
    if (iCierra == std::string::npos) {
        m_iPosicion = int(m_sLinea.size());
        return true;
    }
    m_iPosicion = int(iCierra);
    std::string sNombre;
    Parametros p;
    PartirComando(m_sLinea.substr(iAbre + 1, iCierra - iAbre - 1), sNombre, p);
    return EjecutaComando(sNombre, p);
}

void CJapSecuenciador::PartirComando(const std::string& sContenido, std::string& sNombre, Parametros& p)
{
    sNombre.clear();
    for (auto& s : p) s.clear();
    std::string sLimpio;
    for (char c : sContenido)
        if (!EsBlanco(c)) sLimpio.push_back(c);
    const size_t iIgual = sLimpio.find('=');
    sNombre = sLimpio.substr(0, iIgual);
    if (iIgual == std::string::npos) return;
    size_t iDesde = iIgual + 1;
    for (int k = 0; k < kMaxParametros; ++k) {
        const size_t iComa = sLimpio.find(',', iDesde);
        p[size_t(k)] = sLimpio.substr(iDesde, iComa == std::string::npos ? std::string::npos : iComa - iDesde);
        if (iComa == std::string::npos) break;
        iDesde = iComa + 1;
    }
}

bool CJapSecuenciador::EjecutaComando(const std::string& sNombre, const Parametros& p)
{
    if (sNombre == "PAUSA") {
        m_bRapido = s_bSiempreRapido;
        m_iEstado = SECUENCIADOR_ESPERA_JUGADOR;
        return false;
    }
    if (sNombre == "ESPERA") {
        int n = EnteroDeTexto(p[0].c_str());
        if (m_bRapido) n /= 10;
        // A wait that comes to nothing holds nothing.
        if (n > 0) {
            m_iFramesEspera = n;
            m_iEstado = SECUENCIADOR_ESPERA_FRAMES;
        }
        return false;
    }
    if (sNombre == "SECUENCIA") {
        RegistroJapTxtSecuencia* r = BuscaSecuencia(EnteroDeTexto(p[0].c_str()));
        if (!r) return false;
        if (std::find(m_aMostradas.begin(), m_aMostradas.end(), r) == m_aMostradas.end()) {
            m_aMostradas.push_back(r);
            if (m_bRecursosCargados) {
                r->m_pSecuencia->CargaRecursos();
                m_bRecargar = true;
            }
        }
        r->m_iAltura = EnteroDeTexto(p[1].c_str());
        CSecuencia& s = *r->m_pSecuencia;
        // An index outside the record's frames shows the sequence where it is.
        const int iIndice = EnteroDeTexto(p[2].c_str());
        if (iIndice >= 0 && iIndice < int(r->m_aiFrames.size())) s.SituaYActualiza(r->m_aiFrames[size_t(iIndice)]);
        // Only a sequence that will still loop, jump or reach its end frame
        // is waited for.
        const bool bAvisara = s.EstaCargada() && ((s.FrameFin() >= 0 && s.Crono() <= s.FrameFin()) ||
                                                   (s.FrameLoop() >= 0 && s.Crono() <= s.FrameLoop()) ||
                                                   s.NumSaltos() > 0);
        if (EnteroDeTexto(p[3].c_str()) != 0 && bAvisara) {
            m_pEsperada = r;
            m_iEstado = SECUENCIADOR_ESPERA_SECUENCIA;
        }
        return false;
    }
    if (sNombre == "QUITASECUENCIA") {
        if (RegistroJapTxtSecuencia* r = BuscaSecuencia(EnteroDeTexto(p[0].c_str()))) QuitaDeMostradas(r);
        return false;
    }
    if (sNombre == "ALTURASECUENCIA") {
        if (RegistroJapTxtSecuencia* r = BuscaSecuencia(EnteroDeTexto(p[0].c_str())))
            r->m_iAltura = EnteroDeTexto(p[1].c_str());
        return false;
    }
    if (sNombre == "TERREMOTO" || sNombre == "MULTIOPCION") return false;
    return true;
}

RegistroJapTxtSecuencia* CJapSecuenciador::BuscaSecuencia(int iId) const
{
    for (const auto& r : m_aSecuencias)
        if (r->m_iId == iId) return r.get();
    return nullptr;
}

void CJapSecuenciador::QuitaDeMostradas(RegistroJapTxtSecuencia* r)
{
    auto it = std::find(m_aMostradas.begin(), m_aMostradas.end(), r);
    if (it == m_aMostradas.end()) return;
    m_aMostradas.erase(it);
    r->m_pSecuencia->Rebobina();
    if (m_bRecursosCargados) {
        r->m_pSecuencia->DescargaRecursos();
        m_bRecargar = true;
    }
}

// ---------------------------------------------------------------------------
// Input

void CJapSecuenciador::Continua()
{
    if (m_iEstado == SECUENCIADOR_ESPERA_JUGADOR) m_iEstado = SECUENCIADOR_ESCRIBIENDO;
}

bool CJapSecuenciador::TrataBotonRaton(int, int iEvento, float, float)
{
    if (iEvento != kBotonIzquierdoAbajo) return false;
    if (m_iEstado == SECUENCIADOR_ESPERA_JUGADOR)
        Continua();
    else if (m_iEstado == SECUENCIADOR_ESCRIBIENDO)
        m_bRapido = true;
    return false;
}

bool CJapSecuenciador::TrataTecla(int)
{
    Continua();
    return false;
}

bool CJapSecuenciador::TrataMovimientoRaton(int, float, float, bool) { return false; }

bool CJapSecuenciador::TrataCaracter(char)
{
    Continua();
    return false;
}

bool CJapSecuenciador::TrataEjeMando(CMando*, int, int) { return false; }

bool CJapSecuenciador::TrataBotonMando(CMando*, int)
{
    Continua();
    return false;
}

// ---------------------------------------------------------------------------
// The frame

void CJapSecuenciador::Actualiza()
{
    switch (m_iEstado) {
    case SECUENCIADOR_ESCRIBIENDO: {
        if (m_bLineaTerminada) {
            m_bLineaTerminada = false;
            const int r = SiguienteLinea();
            if (r != -1) {
                m_iEstado = SECUENCIADOR_TERMINADO;
                m_iResultado = r;
                break;
            }
        }
        const int iPasos = m_bRapido ? kPasosRapido : 1;
        for (int i = 0; i < iPasos && m_iEstado == SECUENCIADOR_ESCRIBIENDO; ++i) EscribeSiguienteCaracter();
        break;
    }
    case SECUENCIADOR_ESPERA_FRAMES:
        if (--m_iFramesEspera <= 0) {
            m_iFramesEspera = 0;
            m_iEstado = SECUENCIADOR_ESCRIBIENDO;
        }
        break;
    case SECUENCIADOR_ESPERA_SECUENCIA:
        if (!m_pEsperada || m_pEsperada->m_pSecuencia->HaCambiado()) {
            m_pEsperada = nullptr;
            m_iEstado = SECUENCIADOR_ESCRIBIENDO;
        }
        break;
    default: break;
    }

    for (RegistroJapTxtSecuencia* r : m_aMostradas) r->m_pSecuencia->Actualiza();

    if (m_bRecargar) {
        m_bRecargar = false;
        CSecuencia::CargaEnUso();
    }

    // Scrolling toward the target, never past it.
    if (m_fScrollObjetivo < m_fScroll) {
        m_fScroll = std::max(m_fScroll - kPasoScroll, m_fScrollObjetivo);
        m_bTextoCambiado = true;
    }

    if (m_bTextoCambiado) {
        m_bTextoCambiado = false;
        if (g_pSistema2D && m_pSpriteTexto)
            g_pSistema2D->CanviaTextSprite(m_pSpriteTexto, m_sEscrito.c_str(), -1, TEXTO_AJUSTA, 1.0f,
                                           1.0f, 0.0f, m_fScroll, -1.0f, -1.0f);
        RecalculaScroll();
    }
}

void CJapSecuenciador::RecalculaScroll()
{
    CFont* pFont = g_pSistema2D ? g_pSistema2D->GetFont(m_Config.m_iFontMedida) : nullptr;
    if (!pFont) return;
    std::string sAjustado;
    pFont->AjustaTexto(sAjustado, m_sEscrito.c_str(), m_Config.m_fAnchoAjuste);
    const float fAlto = std::floor(pFont->CalculaAlto(sAjustado.c_str()));
    const float fDiferencia = m_Config.m_fAltoVisible - fAlto;
    if (!(fDiferencia < 0.0f)) return;
    // Up by whole lines until the last line shows; a font without a space
    // glyph still moves a point a line. The count is computed, not stepped,
    // so a long text costs nothing more.
    const double fLinea = std::max(double(pFont->AltoLinea()), 1.0);
    const double fLineas = std::ceil(-double(fDiferencia) / fLinea);
    m_fScrollObjetivo = float(-fLineas * fLinea);
}

void CJapSecuenciador::Dibuja(Sprite* pDestino)
{
    std::stable_sort(m_aMostradas.begin(), m_aMostradas.end(),
                     [](const RegistroJapTxtSecuencia* a, const RegistroJapTxtSecuencia* b) {
                         return a->m_iAltura < b->m_iAltura;
                     });
    for (RegistroJapTxtSecuencia* r : m_aMostradas) r->m_pSecuencia->Dibuja(pDestino);

    m_iAlfaCaja += m_bEsperaLinea ? kPasoAlfaCaja : -kPasoAlfaCaja;
    m_iAlfaCaja = std::clamp(m_iAlfaCaja, 0, 255);

    if (!g_pSistema2D || !m_bCargado) return;
    g_pSistema2D->DibuixaSpriteEX(pDestino, m_pSpriteCaja, m_Config.m_fCajaX, m_Config.m_fCajaY, false, m_iAlfaCaja,
                                  0.0f, 1.0f, 1.0f);
    g_pSistema2D->DibuixaSpriteEX(pDestino, m_pSpriteTexto, m_Config.m_fTextoX, m_Config.m_fTextoY, false,
                                  m_iAlfaCaja, 0.0f, 1.0f, 1.0f);
}

// ---------------------------------------------------------------------------
// Resources, restart, result

void CJapSecuenciador::CargaRecursos()
{
    for (RegistroJapTxtSecuencia* r : m_aMostradas) r->m_pSecuencia->CargaRecursos();
    if (g_pSistema2D) {
        g_pSistema2D->MarcaSpriteEnUs(m_pSpriteCaja);
        g_pSistema2D->MarcaSpriteEnUs(m_pSpriteTexto);
    }
    if (m_pPaquete) m_pPaquete->MarcaEnUso();
    m_bRecursosCargados = true;
}

void CJapSecuenciador::DescargaRecursos()
{
    for (RegistroJapTxtSecuencia* r : m_aMostradas) r->m_pSecuencia->DescargaRecursos();
    if (g_pSistema2D) {
        g_pSistema2D->DesmarcaSpriteEnUs(m_pSpriteCaja);
        g_pSistema2D->DesmarcaSpriteEnUs(m_pSpriteTexto);
    }
    if (m_pPaquete) m_pPaquete->DesmarcaEnUso();
    m_bRecursosCargados = false;
}

void CJapSecuenciador::Reinicia()
{
    for (auto& r : m_aSecuencias) r->m_pSecuencia->Rebobina();
    m_iRegistroActual = -1;
    m_iPosicion = 0;
    m_iResultado = -1;
    m_sLinea.clear();
    m_sEscrito.clear();
    m_iNumEscritos = 0;
    m_bLineaTerminada = false;
    m_bRecargar = true;
    // A restart types again, whatever it was waiting for (a finished script
    // would otherwise answer -1 for ever).
    m_iEstado = SECUENCIADOR_ESCRIBIENDO;
    m_pEsperada = nullptr;
    m_iFramesEspera = 0;
    SiguienteLinea();
}

int CJapSecuenciador::GetResultado()
{
    if (!m_bCargado) return 0;
    return m_iEstado == SECUENCIADOR_TERMINADO ? m_iResultado : -1;
}
