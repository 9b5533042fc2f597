#include "engine/ui/LlistaText.h"

#include "engine/core/CopiaTexto.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/Buto.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

void BorraEntrada(EntradaLista* e)
{
    if (!e) return;
    delete[] e->m_szTexto;
    delete e;
}

} // namespace

CLlistaText::~CLlistaText() { LiberaSiCreado(); }

void CLlistaText::InicializaCampos()
{
    m_pArriba = m_pAbajo = nullptr;
    m_apFilas.clear();
    m_iFilas = 0;
    m_iPrimera = 0;
    m_iMarcados = 0;
    m_bRefresco = false;
}

void CLlistaText::Libera()
{
    Borra(m_pArriba);
    Borra(m_pAbajo);
    for (CButo*& p : m_apFilas) Borra(p);
    m_apFilas.clear();
    while (m_lEntradas.m_pCabeza) {
        auto* e = static_cast<EntradaLista*>(m_lEntradas.m_pCabeza->m_pItem);
        m_lEntradas.BuscaYBorra(e);
        BorraEntrada(e);
    }
    m_lEntradas.Libera();
}

void CLlistaText::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

Rectangulo CLlistaText::Medidas(float x, float y, float anchoFila, float altoFila, float anchoScroll,
                                float altoScroll, float margen, int nFilas)
{
    return Rectangulo{x, y, 2.0f * margen + std::max(anchoFila, anchoScroll),
                      2.0f * margen + 2.0f * altoScroll + float(nFilas) * altoFila};
}

bool CLlistaText::Inicia(float x, float y, float anchoFila, float altoFila, float anchoScroll, float altoScroll,
                         float margen, int nFilas, int fuente, int estilo, int estiloBotones, float escala,
                         int formato, int id, const char* nombre)
{
    LiberaSiCreado();
    InicializaCampos();
    if (nFilas < 1) return false;
    const Rectangulo r = Medidas(x, y, anchoFila, altoFila, anchoScroll, altoScroll, margen, nFilas);
    if (!CMenuObj::Inicia(id, nombre, r, estilo)) return false;
    m_lEntradas.Inicia();
    m_iFilas = nFilas;
    const float centro = x + r.ancho / 2.0f;
    m_pArriba = new CButo;
    m_pAbajo = new CButo;
    bool bOk = m_pArriba->Inicia(centro - anchoScroll / 2.0f, y + margen, anchoScroll, altoScroll, estiloBotones,
                                 kIdArriba, kNombreArriba) &&
               m_pAbajo->Inicia(centro - anchoScroll / 2.0f, y + margen + altoFila * float(nFilas) + altoScroll,
                                anchoScroll, altoScroll, estiloBotones, kIdAbajo, kNombreAbajo);
    for (int i = 0; bOk && i < nFilas; ++i) {
        char szNombre[kLongitudNombre];
        std::snprintf(szNombre, sizeof szNombre, kNombreFila, i);
        auto* b = new CButo;
        m_apFilas.push_back(b);
        bOk = b->IniciaConTexto(centro - anchoFila / 2.0f, y + margen + altoScroll + altoFila * float(i), anchoFila,
                                altoFila, estiloBotones, fuente, "", escala, formato, kIdPrimeraFila + i, szNombre);
    }
    if (!bOk) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    // One column: the up button, the rows, the down button.
    CMenuObj* anterior = m_pArriba;
    for (CButo* b : m_apFilas) {
        anterior->PonAbajo(b);
        b->PonArriba(anterior);
        anterior = b;
    }
    anterior->PonAbajo(m_pAbajo);
    m_pAbajo->PonArriba(anterior);
    AnadeHijo(false, m_pArriba, false, false);
    for (CButo* b : m_apFilas) AnadeHijo(false, b, false, false);
    AnadeHijo(false, m_pAbajo, false, false);
    EnfocaHijo(nullptr);
    m_bRefresco = true;
    m_bCreado = true;
    return true;
}

// ---------------------------------------------------------------------------
// Entries

EntradaLista* CLlistaText::Entrada(int i)
{
    if (i < 0 || i >= m_lEntradas.m_iNumElementos) return nullptr;
    return static_cast<EntradaLista*>(m_lEntradas.Elemento(i));
}

EntradaLista* CLlistaText::NuevaEntrada(const char* texto, int idTexto, int valor)
{
    auto* e = new EntradaLista;
    e->m_szTexto = CopiaTexto(texto);
    e->m_iIdTexto = idTexto;
    e->m_iValor = valor;
    return e;
}

const char* CLlistaText::TextoDe(const EntradaLista* e)
{
    if (e->m_szTexto) return e->m_szTexto;
    const char* t = g_GestorFLIs.GetTexto(e->m_iIdTexto, -1);
    return t ? t : "";
}

void CLlistaText::Vacia()
{
    while (m_lEntradas.m_pCabeza) {
        auto* e = static_cast<EntradaLista*>(m_lEntradas.m_pCabeza->m_pItem);
        m_lEntradas.BuscaYBorra(e);
        BorraEntrada(e);
    }
    m_iPrimera = 0;
    m_iMarcados = 0;
    m_bRefresco = true;
}

void CLlistaText::Anade(const char* texto, int idTexto, int valor, bool bOrdenado)
{
    if (!m_lEntradas.m_bIniciada) m_lEntradas.Inicia();
    EntradaLista* e = NuevaEntrada(texto, idTexto, valor);
    m_bRefresco = true;
    if (bOrdenado) {
        const char* t = TextoDe(e);
        for (NodoLista* n = m_lEntradas.m_pCabeza; n; n = n->m_pSiguiente) {
            if (std::strcmp(TextoDe(static_cast<EntradaLista*>(n->m_pItem)), t) > 0) {
                m_lEntradas.m_pActual = n;
                m_lEntradas.InsertaAntes(e);
                return;
            }
        }
    }
    m_lEntradas.InsertaAlFinal(e);
}

void CLlistaText::InsertaAntes(int i, const char* texto, int idTexto, int valor)
{
    if (!m_lEntradas.m_bIniciada) m_lEntradas.Inicia();
    if (i < 0 || i >= m_lEntradas.m_iNumElementos) return;
    m_lEntradas.Elemento(i); // the cursor on entry i
    m_lEntradas.InsertaAntes(NuevaEntrada(texto, idTexto, valor));
    m_bRefresco = true;
}

void CLlistaText::InsertaDespues(int i, const char* texto, int idTexto, int valor)
{
    if (!m_lEntradas.m_bIniciada) m_lEntradas.Inicia();
    if (i < 0 || i >= m_lEntradas.m_iNumElementos) return;
    m_lEntradas.Elemento(i);
    m_lEntradas.InsertaDespues(NuevaEntrada(texto, idTexto, valor));
    m_bRefresco = true;
}

const char* CLlistaText::Texto(int i)
{
    EntradaLista* e = Entrada(i);
    return e ? e->m_szTexto : nullptr;
}

int CLlistaText::Valor(int i)
{
    EntradaLista* e = Entrada(i);
    return e ? e->m_iValor : -1;
}

int CLlistaText::IdTexto(int i)
{
    EntradaLista* e = Entrada(i);
    return e ? e->m_iIdTexto : -1;
}

void CLlistaText::Marca(int i, bool bMarca)
{
    EntradaLista* e = Entrada(i);
    if (!e || e->m_bMarcado == bMarca) return;
    e->m_bMarcado = bMarca;
    m_iMarcados += bMarca ? 1 : -1;
    m_bRefresco = true;
}

bool CLlistaText::EstaMarcado(int i)
{
    EntradaLista* e = Entrada(i);
    return e && e->m_bMarcado;
}

void CLlistaText::AlternaMarca(int i) { Marca(i, !EstaMarcado(i)); }

int CLlistaText::IndiceMarcado(int k)
{
    int i = 0;
    for (NodoLista* n = m_lEntradas.m_pCabeza; n; n = n->m_pSiguiente, ++i)
        if (static_cast<EntradaLista*>(n->m_pItem)->m_bMarcado && k-- == 0) return i;
    return -1;
}

void CLlistaText::BorraMarcados()
{
    NodoLista* n = m_lEntradas.m_pCabeza;
    while (n) {
        auto* e = static_cast<EntradaLista*>(n->m_pItem);
        n = n->m_pSiguiente;
        if (!e->m_bMarcado) continue;
        m_lEntradas.BuscaYBorra(e);
        BorraEntrada(e);
    }
    m_iMarcados = 0;
    m_iPrimera = std::max(0, std::min(m_iPrimera, m_lEntradas.m_iNumElementos - m_iFilas));
    m_bRefresco = true;
}

// ---------------------------------------------------------------------------
// Paging

int CLlistaText::PasoPagina() const { return std::max(1, m_iFilas - 1); }

void CLlistaText::RetrocedePagina()
{
    if (m_iPrimera <= 0) return;
    m_iPrimera = std::max(0, m_iPrimera - PasoPagina());
    m_bRefresco = true;
}

void CLlistaText::AvanzaPagina()
{
    const int n = m_lEntradas.m_iNumElementos;
    if (m_iPrimera + m_iFilas >= n) return;
    m_iPrimera = std::min(m_iPrimera + PasoPagina(), n - m_iFilas);
    m_bRefresco = true;
}

int CLlistaText::IndiceEnfocado()
{
    for (int i = 0; i < int(m_apFilas.size()); ++i)
        if (HijoEnfocado() == m_apFilas[size_t(i)]) {
            const int k = m_iPrimera + i;
            return k < m_lEntradas.m_iNumElementos ? k : -1;
        }
    return -1;
}

void CLlistaText::PonColorFilas(uint8_t r, uint8_t g, uint8_t b)
{
    for (CButo* p : m_apFilas) p->PonColorPropio(true, r, g, b);
    m_bRefresco = true;
}

void CLlistaText::PonColorScroll(uint8_t r, uint8_t g, uint8_t b)
{
    if (m_pArriba) m_pArriba->PonColorPropio(true, r, g, b);
    if (m_pAbajo) m_pAbajo->PonColorPropio(true, r, g, b);
    m_bRefresco = true;
}

// ---------------------------------------------------------------------------
// Update and input

void CLlistaText::Actualiza()
{
    if (m_bRefresco && m_bCreado) {
        m_bRefresco = false;
        NodoLista* n = m_iPrimera < m_lEntradas.m_iNumElementos ? m_lEntradas.m_pCabeza : nullptr;
        for (int k = 0; n && k < m_iPrimera; ++k) n = n->m_pSiguiente;
        for (CButo* b : m_apFilas) {
            const auto* e = n ? static_cast<const EntradaLista*>(n->m_pItem) : nullptr;
            if (!e)
                b->PonTexto("");
            else if (e->m_szTexto)
                b->PonTexto(e->m_szTexto);
            else
                b->PonIdTexto(e->m_iIdTexto);
            b->PonMarcado(e && e->m_bMarcado);
            if (n) n = n->m_pSiguiente;
        }
        if (g_pSistema2D && g_pSistema2D->EstaIniciat()) g_pSistema2D->CarregaBitmapsEnUs();
    }
    CMenuObj::Actualiza();
}

void CLlistaText::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO) return;
    if (iIdEmisor == kIdArriba) {
        RetrocedePagina();
        return;
    }
    if (iIdEmisor == kIdAbajo) {
        AvanzaPagina();
        return;
    }
    const int fila = iIdEmisor - kIdPrimeraFila;
    if (fila < 0 || fila >= m_iFilas) return;
    const int i = fila + m_iPrimera;
    EntradaLista* e = Entrada(i);
    if (e) CMenuObj::EnviaEvento(EVENTO_ELEMENTO_ELEGIDO, i, e->m_szTexto, m_iId);
}

bool CLlistaText::TrataTecla(int iTecla)
{
    if (iTecla == kTeclaRePag) {
        RetrocedePagina();
        return true;
    }
    if (iTecla == kTeclaAvPag) {
        AvanzaPagina();
        return true;
    }
    return CMenuObj::TrataTecla(iTecla);
}

void CLlistaText::PonEnfocado(bool bEnfocado)
{
    if (!bEnfocado)
        EnfocaHijo(nullptr);
    else if (!HijoEnfocado() && !m_apFilas.empty())
        EnfocaHijo(m_apFilas[0]);
    CMenuObj::PonEnfocado(bEnfocado);
}
