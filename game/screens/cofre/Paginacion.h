// The paging of the chest's two galleries (pictures and seals): pages of
// items that fly in, one item opened at a time, and the arrows that turn the
// page round at the ends. The screen asks it what to do each step and does
// it; it only decides.
//
//   0 build the first page -> 1
//   1 the page's icons arrive (none in transition) -> 2
//   2 at rest: a chosen slot opens its item -> 3; else an arrow takes the
//     page out -> 4
//   3 the item is open, until its icon has gone -> 2
//   4 the old page's icons leave; once none is in transition the new page
//     is built -> 1
//
// After each step the choice and both arrows are forgotten: presses count
// only at rest, never while an item is open or a page is leaving.
#pragma once

class CPaginacion {
public:
    enum Estado { CONSTRUYE = 0, LLEGANDO = 1, QUIETA = 2, ABIERTO = 3, SALIENDO = 4 };
    enum Accion {
        NADA,
        CONSTRUYE_PAGINA, // build page PaginaNueva() (then it is the page)
        ABRE_ELEMENTO,    // open the item of slot Elegido()
        QUITA_PAGINA,     // take the page's icons out
    };

    explicit CPaginacion(int iPaginas) : m_nPaginas(iPaginas > 0 ? iPaginas : 1) {}

    void Reinicia();
    // One step. bIconosEnTransicion: a slot icon is still flying;
    // bElementoAbierto: the opened item's icon is still attached.
    Accion Paso(bool bIconosEnTransicion, bool bElementoAbierto);

    // The requests, kept until the end of the next step.
    void Elige(int iHueco) { m_iElegido = iHueco; }
    void PideSiguiente() { m_bSiguiente = true; }
    void PideAnterior() { m_bAnterior = true; }

    int Estado() const { return m_iEstado; }
    int Pagina() const { return m_iPagina; }
    int PaginaNueva() const { return m_iPaginaNueva; }
    // The slot being opened (valid while Paso returns ABRE_ELEMENTO).
    int Elegido() const { return m_iAbriendo; }
    int NumPaginas() const { return m_nPaginas; }

private:
    int m_nPaginas;
    int m_iEstado = CONSTRUYE;
    int m_iPagina = -1;
    int m_iPaginaNueva = 0;
    int m_iElegido = -1;
    int m_iAbriendo = -1;
    bool m_bSiguiente = false;
    bool m_bAnterior = false;
};
