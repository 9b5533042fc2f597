// The help panels, full-screen panels that open over the screen that
// attaches them and close themselves with their back button. This one shows
// two pages of help, four pictures and a page of text each, browsed with
// previous and next; CMenuAyudaAnimado (MenuAyudaAnimado.h) pages through
// captions and animated sequences. Both zoom in from 0.7 and fade over 15
// steps while a dark backdrop slides down from above, and the reverse when
// they close.
#pragma once
#include "engine/ui/MenuObj.h"

#include <cstdint>
#include <initializer_list>

class CBotonTazmo;
class CSPM;
class Sprite;

// The opening and closing of a help panel: a counter from 15 (or -15)
// towards 0, the zoom, the panels' alpha and the backdrop's y.
struct AperturaAyuda {
    static constexpr int kPasos = 15;
    static constexpr float kZoomInicial = 0.7f, kPasoZoom = 0.02f;
    static constexpr float kFondoInicial = -384.0f, kPasoFondo = 51.2f;

    int iContador = 0;
    uint8_t ucAlfa = 0;
    float fZoom = 1.0f;
    float fFondoY = 384.0f;

    void Abre();
    void Cierra() { iContador = -kPasos; }
    void Paso();
    bool EnCurso() const { return iContador != 0; }
};

// The panels' three buttons, their backdrop (the white square tinted black at
// alpha 200 over 1100 x 850 points) and the code of a page's text.
namespace ayuda {
enum { ID_VOLVER = 0, ID_ANTERIOR = 1, ID_SIGUIENTE = 2 };
// The three buttons of a panel, named after it ("MENUAYUDA" gives
// MENUAYUDA_BUT_Volver, _RePag and _AvPag); false when one fails.
bool CreaBotones(CBotonTazmo* (&apBotones)[3], const char* szPrefijo);
CSPM* CreaFondo();
// The page after (paso 1) or before (-1) the page among n, wrapping; the
// page itself when n is 0 or less or the page is outside 0..n-1.
int PaginaVecina(int iPagina, int n, int iPaso);
} // namespace ayuda

// What both panels share: the three buttons, the backdrop, the page's text
// or caption, the page shown and the opening. Back closes the panel,
// previous and next turn its pages; the panel steps its opening before its
// children.
class CPanelAyuda : public CMenuObj {
public:
    void Actualiza() override;
    bool UsaTransicion() override { return true; }
    bool EnTransicion() override { return m_Apertura.EnCurso(); }
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void IniciaTransicion(bool bEntrada) override;

    bool EstaCreado() const { return m_bCreado; }

    bool m_bCreado = false;
    CBotonTazmo* m_apBotones[3] = {};
    CSPM* m_pSPMFondo = nullptr;
    Sprite* m_pTexto = nullptr;
    int m_iPagina = 0;
    AperturaAyuda m_Apertura;

protected:
    // bRecargaAlCerrar: whether the parent reloads its resources when the
    // panel leaves it.
    explicit CPanelAyuda(bool bRecargaAlCerrar) : m_bRecargaAlCerrar(bRecargaAlCerrar) {}
    virtual void CambiaPagina(int iPaso) = 0;
    // The shared parts back to empty, and released.
    void InicializaComunes();
    void LiberaComunes();
    // Marks (or unmarks) the backdrop, the packages given and the text in use.
    void MarcaEnUso(bool bEnUso, std::initializer_list<CSPM*> apPaquetes);
    // The backdrop at the opening's y, and the packages given at its zoom and
    // alpha.
    void DibujaFondo(Sprite* pDestino, std::initializer_list<CSPM*> apPaquetes);

private:
    bool m_bRecargaAlCerrar;
};

class CMenuAyuda : public CPanelAyuda {
public:
    static constexpr int kNumPaginas = 2;

    CMenuAyuda() : CPanelAyuda(false) {}
    ~CMenuAyuda() override;

    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;

    bool Crea();
    void Libera();
    // The text code of page p: HLP0, HLP1.
    static int CodigoPagina(int p);

    CSPM* m_pSPMMarco = nullptr;
    CSPM* m_pSPMDibujos = nullptr;

private:
    void CambiaPagina(int iPaso) override;
};
