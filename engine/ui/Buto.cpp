#include "engine/ui/Buto.h"

#include "engine/core/CopiaTexto.h"
#include "engine/core/GestorComandes.h"
#include "engine/ui/CuadreText.h"

#include <string>

CButo::~CButo() { LiberaSiCreado(); }

void CButo::InicializaCampos()
{
    m_pTexto = nullptr;
    m_iFuente = -1;
    m_szTexto = nullptr;
    m_iIdTexto = -1;
    m_fEscala = 1.0f;
    m_iFormato = 0;
}

void CButo::Libera()
{
    texto_widget::Libera(m_pTexto);
    delete[] m_szTexto;
    m_szTexto = nullptr;
}

void CButo::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CButo::IniciaBase(float x, float y, float ancho, float alto, int estilo, int id, const char* nombre)
{
    LiberaSiCreado();
    InicializaCampos();
    if (CMenuObj::Inicia(id, nombre, Rectangulo{x, y, ancho, alto}, estilo)) return true;
    Libera();
    return false;
}

bool CButo::Inicia(float x, float y, float ancho, float alto, int estilo, int id, const char* nombre)
{
    if (!IniciaBase(x, y, ancho, alto, estilo, id, nombre)) return false;
    m_bCreado = true;
    return true;
}

bool CButo::IniciaConTexto(float x, float y, float ancho, float alto, int estilo, int fuente, const char* texto,
                           float escala, int formato, int id, const char* nombre)
{
    if (!IniciaBase(x, y, ancho, alto, estilo, id, nombre)) return false;
    m_fEscala = escala;
    m_iFormato = formato;
    m_szTexto = CopiaTexto(texto);
    m_iFuente = fuente;
    // The caption's own result does not fail the button.
    CreaTextoBoton();
    m_bCreado = true;
    return true;
}

bool CButo::IniciaConIdTexto(float x, float y, float ancho, float alto, int estilo, int fuente, int idTexto,
                             float escala, int formato, int id, const char* nombre)
{
    if (!IniciaBase(x, y, ancho, alto, estilo, id, nombre)) return false;
    m_fEscala = escala;
    m_iFormato = formato;
    m_iIdTexto = idTexto;
    m_iFuente = fuente;
    CreaTextoBoton();
    m_bCreado = true;
    return true;
}

void CButo::CreaTextoBoton()
{
    if (!m_szTexto && m_iIdTexto == -1) {
        texto_widget::Libera(m_pTexto);
        return;
    }
    if (!m_pTexto) {
        // A caption made while the button is shown is rendered at once, so
        // that it shows from the next frame rather than from the next reload
        // of the images in use.
        m_pTexto = texto_widget::Crea(m_iFuente, m_fEscala, m_fEscala, m_rect.ancho, m_rect.alto,
                                      RecursosCargados());
        if (RecursosCargados()) texto_widget::Marca(m_pTexto, true);
    }
    texto_widget::Muestra(m_pTexto, m_szTexto, m_iIdTexto, m_iFormato, m_fEscala, m_fEscala);
}

void CButo::PonIdTexto(int idTexto)
{
    delete[] m_szTexto;
    m_szTexto = nullptr;
    m_iIdTexto = idTexto;
    CreaTextoBoton();
}

void CButo::PonTexto(const char* texto)
{
    delete[] m_szTexto;
    m_szTexto = nullptr;
    if (!texto) return;
    m_szTexto = CopiaTexto(texto);
    CreaTextoBoton();
}

void CButo::Pulsa(int iOrigen)
{
    if (!EsVisible()) return;
    // The parent hears of the press before the press sound plays (at the
    // next update).
    EnviaEvento(EVENTO_PULSADO, iOrigen, nullptr, -1);
    CMenuObj::Pulsa(iOrigen);
}

void CButo::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    texto_widget::DibujaObjeto(*this, m_pTexto, pHastaHijo, pDestino);
}

void CButo::CargaRecursos() { texto_widget::CargaRecursos(*this, m_pTexto); }

void CButo::DescargaRecursos() { texto_widget::DescargaRecursos(*this, m_pTexto); }

bool CButo::LeeParametros(FitxerComandes* f)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!LeeParametrosConVersion(f, kVersionParametros)) {
        Libera();
        return false;
    }
    m_iIdTexto = g_pGestorComandes->LlegeixEnter(f);
    m_iFuente = g_pGestorComandes->LlegeixEnter(f);
    const char* szLiteral = g_pGestorComandes->LlegeixText(f);
    // An empty text stands for no literal caption.
    std::string sLiteral = szLiteral ? szLiteral : "";
    m_fEscala = g_pGestorComandes->LlegeixReal(f);
    m_iFormato = g_pGestorComandes->LlegeixEnter(f);
    if (!sLiteral.empty()) m_szTexto = CopiaTexto(sLiteral.c_str());
    CreaTextoBoton();
    m_bCreado = true;
    return true;
}

void CButo::EscribeParametros(FitxerComandes* f)
{
    if (!EscribeParametrosConVersion(f, kVersionParametros)) return;
    g_pGestorComandes->EscriuEnter(f, m_iIdTexto);
    g_pGestorComandes->EscriuEnter(f, m_iFuente);
    g_pGestorComandes->EscriuText(f, m_szTexto ? m_szTexto : "");
    g_pGestorComandes->EscriuReal(f, m_fEscala);
    g_pGestorComandes->EscriuEnter(f, m_iFormato);
}
