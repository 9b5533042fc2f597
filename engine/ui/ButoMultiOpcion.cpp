#include "engine/ui/ButoMultiOpcion.h"

#include "engine/ui/CuadreText.h"

#include <cstdio>

CButoMultiOpcion::~CButoMultiOpcion() { LiberaSiCreado(); }

void CButoMultiOpcion::InicializaCampos()
{
    m_pTexto = nullptr;
    m_fEscala = 1.0f;
    m_iFormato = 0;
    m_iOpcion = 0;
    m_iNumOpciones = 0;
    m_aOpciones.clear();
}

void CButoMultiOpcion::Libera()
{
    texto_widget::Libera(m_pTexto);
    m_aOpciones.clear();
}

void CButoMultiOpcion::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CButoMultiOpcion::Inicia(float x, float y, float ancho, float alto, int estilo, int fuente, int nOpciones,
                              const OpcionMulti* opciones, int inicial, float escala, int formato, int id,
                              const char* nombre)
{
    LiberaSiCreado();
    InicializaCampos();
    // Nothing to step through: no button.
    if (nOpciones < 1 || !opciones) return false;
    if (!CMenuObj::Inicia(id, nombre, Rectangulo{x, y, ancho, alto}, estilo)) return false;
    m_fEscala = escala;
    m_iFormato = formato;
    m_aOpciones.assign(opciones, opciones + nOpciones);
    for (OpcionMulti& o : m_aOpciones) o.szTexto[OpcionMulti::kLongitudTexto - 1] = '\0';
    m_iNumOpciones = nOpciones;
    m_iOpcion = (inicial >= 0 && inicial < nOpciones) ? inicial : 0;
    m_pTexto = texto_widget::Crea(fuente, escala, escala, ancho, alto, false);
    Muestra();
    m_bCreado = true;
    return true;
}

void CButoMultiOpcion::Muestra()
{
    if (m_iOpcion < 0 || m_iOpcion >= m_iNumOpciones) return;
    const OpcionMulti& o = m_aOpciones[size_t(m_iOpcion)];
    texto_widget::Muestra(m_pTexto, o.iIdTexto == -1 ? o.szTexto : nullptr, o.iIdTexto, m_iFormato, m_fEscala,
                          m_fEscala);
}

void CButoMultiOpcion::PonOpcion(int i)
{
    if (i < 0 || i >= m_iNumOpciones) return;
    m_iOpcion = i;
    Muestra();
}

void CButoMultiOpcion::Pulsa(int iOrigen)
{
    if (!EsVisible() || m_iNumOpciones < 1) return;
    m_iOpcion = (m_iOpcion + 1) % m_iNumOpciones;
    Muestra();
    EnviaEvento(EVENTO_OPCION_CAMBIADA, m_iOpcion, nullptr, -1);
    CMenuObj::Pulsa(iOrigen);
}

void CButoMultiOpcion::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    texto_widget::DibujaObjeto(*this, m_pTexto, pHastaHijo, pDestino);
}

void CButoMultiOpcion::CargaRecursos() { texto_widget::CargaRecursos(*this, m_pTexto); }

void CButoMultiOpcion::DescargaRecursos() { texto_widget::DescargaRecursos(*this, m_pTexto); }
