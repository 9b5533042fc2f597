// The animated help pages: a full-screen panel over the screen that attaches
// it (see MenuAyuda.h for their shared opening), with up to ten pages, each a
// caption and, for most, an animated sequence playing under it; previous and
// next wrap round, back closes the panel. The menu manager only constructs
// it; Crea builds its buttons, packages and the seven pages of play.
#pragma once
#include "engine/core/GestorFLIs.h"
#include "engine/sequences/Secuencia.h"
#include "game/screens/MenuAyuda.h"

#include <array>

class CMenuAyudaAnimado : public CPanelAyuda {
public:
    static constexpr int kMaxPaginas = 10;
    static constexpr int kLongitudFichero = 1024;
    static constexpr int kPasosDestello = 30;
    enum TipoPagina { PAGINA_TEXTO = 1, PAGINA_SECUENCIA = 2 };
    struct Pagina {
        int iTipo = PAGINA_TEXTO;
        int32_t iCodigo = -1;
        char szFichero[kLongitudFichero] = {};
    };
    // The seven pages the panel is built with: HL00..HL06 over Ayuda00..06.
    static constexpr int kNumPaginasJuego = 7;

    CMenuAyudaAnimado() : CPanelAyuda(true) {}
    ~CMenuAyudaAnimado() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;

    bool Crea();
    void Libera();
    // Shows page i: its caption, and its sequence from the start (or none).
    // An index outside the pages does nothing.
    void IniciaPagina(int iPagina);
    // The pages to browse (at most ten); the first is not started.
    void PonPaginas(const Pagina* pPaginas, int n);
    // The caption's flash over the first second of a page.
    static int AlfaDestello(int iPasos, int iAlfa);

    CSPM* m_pSPMPanel = nullptr;
    CSPM* m_pSPMAdorno = nullptr;
    CSecuencia m_Secuencia;
    int m_iPasos = 0;
    std::array<Pagina, kMaxPaginas> m_aPaginas{};
    int m_iNumPaginas = 0;

private:
    void CambiaPagina(int iPaso) override;
};
