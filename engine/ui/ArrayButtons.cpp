#include "engine/ui/ArrayButtons.h"

#include "engine/graphics/Sistema2D.h"
#include "engine/ui/Buto.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// Icon frames of the four scroll buttons (up, down, left, right).
constexpr int kIconos[4] = {0, 1, 2, 3};
constexpr int kCrecimiento = 10;

// Rows or columns the table needs for index i: the next ten past it.
int32_t Tamano(int i) { return (i / kCrecimiento) * kCrecimiento + kCrecimiento; }

} // namespace

CArrayButtons::~CArrayButtons() { LiberaSiCreado(); }

void CArrayButtons::InicializaCampos()
{
    for (CButo*& p : m_apScroll) p = nullptr;
    m_apCeldas.clear();
    m_aTabla.clear();
    m_iFilasVisibles = m_iColumnasVisibles = 0;
    m_iPrimeraFila = m_iFilasTabla = m_iUltimaFila = 0;
    m_iPrimeraColumna = m_iColumnasTabla = m_iUltimaColumna = 0;
    m_iPasoColumnas = m_iPasoFilas = 1;
    m_iColumnaSeleccion = m_iFilaSeleccion = -1;
    m_bRefresco = false;
}

void CArrayButtons::Libera()
{
    for (CButo*& p : m_apScroll) {
        delete p;
        p = nullptr;
    }
    for (CButo* p : m_apCeldas) delete p;
    m_apCeldas.clear();
    m_aTabla.clear();
}

void CArrayButtons::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CArrayButtons::Inicia(float x, float y, const ListaMedidas* columnas, const ListaMedidas* filas,
                           float largoScroll, float anchoScroll, float borde, int fuente, float escala, int formato,
                           int estilo, int estiloBotones, int id, const char* nombre)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!columnas || !filas || columnas->iNum < 1 || filas->iNum < 1 || !columnas->pfMedidas || !filas->pfMedidas)
        return false;
    const int nc = columnas->iNum, nf = filas->iNum;
    float W = 0.0f, H = 0.0f;
    for (int j = 0; j < nc; ++j) W += columnas->pfMedidas[j];
    for (int i = 0; i < nf; ++i) H += filas->pfMedidas[i];
    const Rectangulo r{x, y, W + 2.0f * anchoScroll + 2.0f * borde, H + 2.0f * anchoScroll + 2.0f * borde};
    if (!CMenuObj::Inicia(id, nombre, r, estilo)) return false;
    m_iFilasVisibles = nf;
    m_iColumnasVisibles = nc;
    m_iPasoColumnas = std::max(1, columnas->iPaso);
    m_iPasoFilas = std::max(1, filas->iPaso);
    const float centro = x + r.ancho / 2.0f, medio = y + r.alto / 2.0f;
    const float lugares[4][4] = {
        {centro - largoScroll / 2.0f, y + borde, largoScroll, anchoScroll},
        {centro - largoScroll / 2.0f, y + borde + anchoScroll + H, largoScroll, anchoScroll},
        {x + borde, medio - largoScroll / 2.0f, anchoScroll, largoScroll},
        {x + borde + anchoScroll + W, medio - largoScroll / 2.0f, anchoScroll, largoScroll},
    };
    bool bOk = true;
    for (int k = 0; k < 4 && bOk; ++k) {
        m_apScroll[k] = new CButo;
        bOk = m_apScroll[k]->Inicia(lugares[k][0], lugares[k][1], lugares[k][2], lugares[k][3], estiloBotones, k,
                                    kNombresScroll[k]);
        if (bOk) m_apScroll[k]->PonFrameIcono(kIconos[k]);
    }
    float yc = y + borde + anchoScroll;
    for (int i = 0; i < nf && bOk; ++i) {
        float xc = x + borde + anchoScroll;
        for (int j = 0; j < nc && bOk; ++j) {
            char szNombre[kLongitudNombre];
            std::snprintf(szNombre, sizeof szNombre, kNombreCelda, j, i);
            auto* b = new CButo;
            m_apCeldas.push_back(b);
            bOk = b->IniciaConTexto(xc, yc, columnas->pfMedidas[j], filas->pfMedidas[i], estiloBotones, fuente, "",
                                    escala, formato, PRIMERA_CELDA + i * nc + j, szNombre);
            xc += columnas->pfMedidas[j];
        }
        yc += filas->pfMedidas[i];
    }
    // The table starts with room for what is shown.
    if (bOk) bOk = Crece(nc - 1, nf - 1);
    if (!bOk) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    for (CButo* b : m_apCeldas) AnadeHijo(false, b, false, false);
    if (filas->bScroll) {
        AnadeHijo(false, m_apScroll[SCROLL_ARRIBA], false, false);
        AnadeHijo(false, m_apScroll[SCROLL_ABAJO], false, false);
    }
    if (columnas->bScroll) {
        AnadeHijo(false, m_apScroll[SCROLL_IZQUIERDA], false, false);
        AnadeHijo(false, m_apScroll[SCROLL_DERECHA], false, false);
    }
    Enlaza();
    EnfocaHijo(nullptr);
    m_bRefresco = true;
    m_bCreado = true;
    return true;
}

CButo* CArrayButtons::Celda(int fila, int columna) const
{
    if (fila < 0 || fila >= m_iFilasVisibles || columna < 0 || columna >= m_iColumnasVisibles) return nullptr;
    return m_apCeldas[size_t(fila * m_iColumnasVisibles + columna)];
}

void CArrayButtons::Enlaza()
{
    const int nf = m_iFilasVisibles, nc = m_iColumnasVisibles;
    for (int i = 0; i < nf; ++i)
        for (int j = 0; j < nc; ++j) {
            CButo* b = Celda(i, j);
            b->PonArriba(i > 0 ? Celda(i - 1, j) : m_apScroll[SCROLL_ARRIBA]);
            b->PonAbajo(i < nf - 1 ? Celda(i + 1, j) : m_apScroll[SCROLL_ABAJO]);
            b->PonIzquierda(j > 0 ? Celda(i, j - 1) : m_apScroll[SCROLL_IZQUIERDA]);
            b->PonDerecha(j < nc - 1 ? Celda(i, j + 1) : m_apScroll[SCROLL_DERECHA]);
        }
    // The scroll buttons lead back into the grid, always to a cell that
    // exists (with one row or one column the halves fall outside).
    const int n = nf * nc;
    auto celda = [&](int k) { return m_apCeldas[size_t(std::clamp(k, 0, n - 1))]; };
    m_apScroll[SCROLL_ARRIBA]->PonAbajo(celda(nc / 2));
    m_apScroll[SCROLL_ABAJO]->PonArriba(celda(nf * nc - nc / 2));
    m_apScroll[SCROLL_IZQUIERDA]->PonDerecha(celda((nf / 2) * nc - nc / 2));
    m_apScroll[SCROLL_DERECHA]->PonIzquierda(celda((nf / 2) * nc + nc / 2));
}

// ---------------------------------------------------------------------------
// The table

bool CArrayButtons::Crece(int columna, int fila)
{
    if (columna < 0 || fila < 0) return false;
    if (fila < m_iFilasTabla && columna < m_iColumnasTabla) return true;
    const int32_t nf = std::max(m_iFilasTabla, Tamano(fila));
    const int32_t nc = std::max(m_iColumnasTabla, Tamano(columna));
    if (int64_t(nf) * int64_t(nc) > kMaxCeldas) return false;
    std::vector<CeldaArray> nueva(size_t(nf) * size_t(nc));
    for (int i = 0; i < m_iFilasTabla; ++i)
        for (int j = 0; j < m_iColumnasTabla; ++j)
            nueva[size_t(i) * size_t(nc) + size_t(j)] = m_aTabla[size_t(i) * size_t(m_iColumnasTabla) + size_t(j)];
    m_aTabla.swap(nueva);
    m_iFilasTabla = nf;
    m_iColumnasTabla = nc;
    return true;
}

CeldaArray* CArrayButtons::Tabla(int columna, int fila)
{
    if (columna < 0 || fila < 0 || columna >= m_iColumnasTabla || fila >= m_iFilasTabla) return nullptr;
    return &m_aTabla[size_t(fila) * size_t(m_iColumnasTabla) + size_t(columna)];
}

const CeldaArray* CArrayButtons::Tabla(int columna, int fila) const
{
    return const_cast<CArrayButtons*>(this)->Tabla(columna, fila);
}

void CArrayButtons::Escribe(int columna, int fila, const CeldaArray& c)
{
    *Tabla(columna, fila) = c;
    m_iUltimaFila = std::max(m_iUltimaFila, fila);
    m_iUltimaColumna = std::max(m_iUltimaColumna, columna);
    m_bRefresco = true;
}

bool CArrayButtons::PonCeldaTexto(int columna, int fila, const char* texto, uint8_t r, uint8_t g, uint8_t b)
{
    if (!m_bCreado || !Crece(columna, fila)) return false;
    CeldaArray c;
    c.r = r;
    c.g = g;
    c.b = b;
    std::snprintf(c.szTexto, sizeof c.szTexto, "%s", texto ? texto : "");
    Escribe(columna, fila, c);
    return true;
}

bool CArrayButtons::PonCeldaIdTexto(int columna, int fila, int idTexto, uint8_t r, uint8_t g, uint8_t b)
{
    if (!m_bCreado || !Crece(columna, fila)) return false;
    CeldaArray c;
    c.r = r;
    c.g = g;
    c.b = b;
    c.iIdTexto = idTexto;
    Escribe(columna, fila, c);
    return true;
}

const char* CArrayButtons::TextoCelda(int columna, int fila) const
{
    const CeldaArray* c = Tabla(columna, fila);
    return c ? c->szTexto : nullptr;
}

int CArrayButtons::IdTextoCelda(int columna, int fila) const
{
    const CeldaArray* c = Tabla(columna, fila);
    return c ? c->iIdTexto : -1;
}

void CArrayButtons::Vacia()
{
    std::fill(m_aTabla.begin(), m_aTabla.end(), CeldaArray());
    m_iUltimaFila = m_iUltimaColumna = 0;
    m_bRefresco = true;
}

void CArrayButtons::PonPrimeraFila(int i)
{
    m_iPrimeraFila = std::clamp(i, 0, m_iUltimaFila);
    m_bRefresco = true;
}

void CArrayButtons::PonPrimeraColumna(int i)
{
    m_iPrimeraColumna = std::clamp(i, 0, m_iUltimaColumna);
    m_bRefresco = true;
}

void CArrayButtons::PonSeleccion(int columna, int fila)
{
    m_iColumnaSeleccion = columna;
    m_iFilaSeleccion = fila;
    m_bRefresco = true;
}

void CArrayButtons::PonColorBotones(uint8_t r, uint8_t g, uint8_t b)
{
    for (CButo* p : m_apScroll)
        if (p) p->PonColorPropio(true, r, g, b);
}

// ---------------------------------------------------------------------------
// Update and events

void CArrayButtons::Actualiza()
{
    if (m_bRefresco && m_bCreado) {
        m_bRefresco = false;
        for (int i = 0; i < m_iFilasVisibles; ++i)
            for (int j = 0; j < m_iColumnasVisibles; ++j) {
                CButo* b = Celda(i, j);
                const int fila = m_iPrimeraFila + i, columna = m_iPrimeraColumna + j;
                const CeldaArray* c = Tabla(columna, fila);
                const CeldaArray vacia;
                if (!c) c = &vacia; // outside the table: an empty cell
                if (c->iIdTexto == -1)
                    b->PonTexto(c->szTexto);
                else
                    b->PonIdTexto(c->iIdTexto);
                b->PonColorPropio(true, c->r, c->g, c->b);
                b->PonMarcado(fila == m_iFilaSeleccion && columna == m_iColumnaSeleccion);
            }
        if (g_pSistema2D && g_pSistema2D->EstaIniciat()) g_pSistema2D->CarregaBitmapsEnUs();
    }
    CMenuObj::Actualiza();
}

void CArrayButtons::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO) return;
    switch (iIdEmisor) {
    case SCROLL_ARRIBA:
        if (m_iPrimeraFila > 0) m_iPrimeraFila = std::max(0, m_iPrimeraFila - m_iPasoFilas);
        break;
    case SCROLL_ABAJO:
        if (m_iPrimeraFila + m_iFilasVisibles <= m_iUltimaFila) m_iPrimeraFila += m_iPasoFilas;
        break;
    case SCROLL_IZQUIERDA:
        if (m_iPrimeraColumna > 0) m_iPrimeraColumna = std::max(0, m_iPrimeraColumna - m_iPasoColumnas);
        break;
    case SCROLL_DERECHA:
        if (m_iPrimeraColumna + m_iColumnasVisibles <= m_iUltimaColumna) m_iPrimeraColumna += m_iPasoColumnas;
        break;
    default: {
        const int k = iIdEmisor - PRIMERA_CELDA;
        if (k < 0 || k >= m_iFilasVisibles * m_iColumnasVisibles) return;
        const int32_t par[2] = {k % m_iColumnasVisibles + m_iPrimeraColumna, k / m_iColumnasVisibles + m_iPrimeraFila};
        CMenuObj::EnviaEvento(EVENTO_CASILLA_PULSADA, 0, reinterpret_cast<const char*>(par), m_iId);
        return;
    }
    }
    m_bRefresco = true;
}

void CArrayButtons::PonEnfocado(bool bEnfocado)
{
    CMenuObj::PonEnfocado(bEnfocado);
    if (bEnfocado && !HijoEnfocado() && !m_apCeldas.empty()) EnfocaHijo(m_apCeldas[0]);
}

// The grid keeps no parameters of its own in object files: read from one it
// is never whole.
bool CArrayButtons::LeeParametros(FitxerComandes*) { return false; }

void CArrayButtons::EscribeParametros(FitxerComandes*) {}
