#include "engine/ui/InputText.h"

#include "engine/graphics/ElementoTexto.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/CuadreText.h"

#include <cstring>
#include <string>

namespace {

// Accented letters of the game's languages, in Windows-1252.
constexpr const char kAcentuadas[] =
    "\xE0\xE1\xE4\xE2\xC0\xC1\xC4\xC2\xE8\xE9\xEB\xEA\xC8\xC9\xCB\xCA\xEC\xED\xEF\xEE\xCC\xCD\xCF\xCE"
    "\xF2\xF3\xF6\xF4\xD2\xD3\xD6\xD4\xF9\xFA\xFC\xFB\xD9\xDA\xDC\xDB\xFD\xFF\xDD\xE5\xC5"
    "\xF1\xD1\xE7\xC7\xDF\xE6\xC6";
// Signs of the widest mode, in Windows-1252.
constexpr const char kSignos[] = "\x5E\xA1\x21\xBF\x3F\xC7\xE7\x60\xB4\x2A\x27\x28\x29\x5B\x5D\x2F\x40\x22\xB7\x5C"
                                 "\x24\x26\x2D\xA8\x2E\x2C\x3B\x3A\x2B\x7B\x7D\x23\x25\x5F\xAA\xBA\x3D\x7C\x7E";

bool EnLista(const char* szLista, unsigned char c) { return c != 0 && std::strchr(szLista, c) != nullptr; }

bool Digito(unsigned char c) { return c >= '0' && c <= '9'; }
bool LetraAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool Anade(int iModo, unsigned char c)
{
    switch (iModo) {
    case 0:
        return Digito(c);
    case 1:
        return Digito(c) || c == '.';
    case 2:
        return Digito(c) || LetraAscii(c);
    case 3:
        return Anade(2, c) || EnLista(kAcentuadas, c);
    case 4:
        return Anade(3, c) || EnLista(kSignos, c);
    default:
        return false;
    }
}

} // namespace

CInputText::Clase CInputText::Clasifica(int iModo, char c)
{
    if (iModo < 0 || iModo > 4) return NADA;
    if (c == kBorrar) return BORRAR;
    if (c == kAceptar) return ACEPTAR;
    return Anade(iModo, static_cast<unsigned char>(c)) ? ANADIR : NADA;
}

CInputText::~CInputText() { LiberaSiCreado(); }

void CInputText::InicializaCampos()
{
    m_iLongitudMax = 0;
    m_pSprite = nullptr;
    m_szTexto = nullptr;
    m_iLongitud = 0;
    m_iModo = 0;
    m_fEscalaX = m_fEscalaY = 1.0f;
    m_bAceptar = false;
    m_iFormato = TEXTO_MEDIO;
    m_iFuente = -1;
}

void CInputText::Libera()
{
    texto_widget::Libera(m_pSprite);
    delete[] m_szTexto;
    m_szTexto = nullptr;
    m_iLongitud = 0;
}

void CInputText::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CInputText::Inicia(float x, float y, float ancho, float alto, int longitudMax, int modo, int fuente,
                        int estilo, int id, const char* nombre, float escalaX, float escalaY)
{
    LiberaSiCreado();
    InicializaCampos();
    // A negative length could not be held.
    if (longitudMax < 0 || !CMenuObj::Inicia(id, nombre, Rectangulo{x, y, ancho, alto}, estilo)) return false;
    m_iModo = modo;
    m_iLongitudMax = longitudMax;
    m_iFuente = fuente;
    m_fEscalaX = escalaX;
    m_fEscalaY = escalaY;
    m_pSprite = texto_widget::Crea(fuente, escalaX, escalaY, ancho, alto, false);
    if (!m_pSprite) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_szTexto = new char[static_cast<size_t>(longitudMax) + 1];
    m_szTexto[0] = '\0';
    m_bCreado = true;
    return true;
}

void CInputText::PonFormato(int iFormato)
{
    m_iFormato = iFormato;
    if (m_bCreado) Muestra();
}

void CInputText::Muestra()
{
    texto_widget::Muestra(m_pSprite, Texto(), -1, m_iFormato, m_fEscalaX, m_fEscalaY);
}

void CInputText::PonTexto(const char* texto)
{
    if (!texto || !m_szTexto) return;
    size_t n = std::strlen(texto);
    if (n > static_cast<size_t>(m_iLongitudMax)) n = static_cast<size_t>(m_iLongitudMax);
    std::memcpy(m_szTexto, texto, n);
    m_szTexto[n] = '\0';
    m_iLongitud = static_cast<int32_t>(n);
    Muestra();
}

bool CInputText::Cabe(char c) const
{
    const CFont* f = g_pSistema2D ? g_pSistema2D->GetFont(m_iFuente) : nullptr;
    if (!f || !f->EstaCargada()) return true;
    std::string s = Texto();
    s += c;
    return f->CalculaAncho(s.c_str()) * m_fEscalaX <= m_rect.ancho;
}

bool CInputText::TrataCaracter(char c)
{
    if (!m_szTexto || !EsVisible()) return false;
    switch (Clasifica(m_iModo, c)) {
    case ANADIR:
        // Used even when the line is full, in length or in width: what is
        // typed stays inside the field, where the player sees it.
        if (m_iLongitud < m_iLongitudMax && Cabe(c)) {
            m_szTexto[m_iLongitud++] = c;
            m_szTexto[m_iLongitud] = '\0';
            Muestra();
        }
        return true;
    case BORRAR:
        if (m_iLongitud > 0) {
            m_szTexto[--m_iLongitud] = '\0';
            Muestra();
        }
        return true;
    case ACEPTAR:
        m_bAceptar = true;
        return true;
    case NADA:
        break;
    }
    return false;
}

bool CInputText::TrataTecla(int iTecla)
{
    // Enter is kept from the parent, which would press the focused child: the
    // line is accepted through the character 13 instead.
    if (iTecla == TECLA_ENTER) return true;
    return CMenuObj::TrataTecla(iTecla);
}

void CInputText::Actualiza()
{
    if (m_bAceptar) {
        m_bAceptar = false;
        EnviaEvento(EVENTO_TEXTO_ACEPTADO, 0, Texto(), -1);
    }
    CMenuObj::Actualiza();
}

void CInputText::PonEnfocado(bool bEnfocado)
{
    m_bAceptar = false;
    CMenuObj::PonEnfocado(bEnfocado);
}

void CInputText::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    texto_widget::DibujaObjeto(*this, m_pSprite, pHastaHijo, pDestino);
}

void CInputText::CargaRecursos() { texto_widget::CargaRecursos(*this, m_pSprite); }

void CInputText::DescargaRecursos() { texto_widget::DescargaRecursos(*this, m_pSprite); }
