// A book of animated-sequence pages shown as a full-screen exclusive, modal
// child: back, next and previous buttons, a skip and a pause button for the
// pages that describe them, a music transition, and optional opening and
// closing sequences. Option flags choose how pages turn and how the book
// closes. The main menu's how-to-play pages are one. Kind name
// "MENU_SECUENCIABLE".
#pragma once
#include "engine/ui/MenuObj.h"

#include <string>
#include <vector>

class CButo;
class CSecuencia;
class CTransMusica;
class CTransSecuencia;

enum {
    SECUENCIABLE_NAVEGACION = 0x02,      // back, next and previous buttons
    SECUENCIABLE_SIGUE_AL_FINAL = 0x04,  // a page that reaches its end turns to the next
    SECUENCIABLE_CICLICO = 0x08,         // next and previous wrap around
    SECUENCIABLE_CIERRA_AL_FINAL = 0x10, // going past the last page closes the book
    SECUENCIABLE_CIERRA_CON_TODO = 0x20, // any press (button, key, controller) closes it
    SECUENCIABLE_PASA_CON_TODO = 0x40,   // any press turns to the next page
};

class CMenuSecuenciable : public CMenuObj {
public:
    static constexpr const char* kTipo = "MENU_SECUENCIABLE";
    static constexpr const char* kNombre = "GEN_MenuSecuenciable";
    static constexpr int kEstilo = 3;
    static constexpr int kMaxPaginas = 30;
    static constexpr size_t kMaxNombrePagina = 256;

    // Children's ids.
    enum {
        ID_PASAR = 0,
        ID_PAUSA = 1,
        ID_VOLVER = 2,
        ID_SIGUIENTE = 3, // on the right
        ID_ANTERIOR = 4,  // on the left
    };
    static constexpr const char* kNombrePasar = "MENUSECUEN_BUT_Pasar";
    static constexpr const char* kNombrePausa = "MENUSECUEN_BUT_Pausa";
    static constexpr const char* kNombreVolver = "MENUSECUEN_BUT_Volver";
    // These two names are swapped (the next page's button is "Atras"): the
    // ids decide what they do.
    static constexpr const char* kNombreSiguiente = "MENUSECUEN_BUT_Atras";
    static constexpr const char* kNombreAnterior = "MENUSECUEN_BUT_Adelante";

    CMenuSecuenciable();
    ~CMenuSecuenciable() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    // Gaining the focus starts the book at its first page.
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsExclusivo() override { return true; }
    bool EsModal() override { return true; }
    bool UsaTransicion() override { return true; }
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    bool TrataTecla(int iTecla) override;
    bool TrataBotonMando(CMando* pMando, int iBoton) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    // The book with its options, the font and text codes of its buttons, the
    // music track while it is open and the opening and closing sequences
    // (null or empty: none). False, with everything released, on a failure.
    bool Crea(int iFlags, int iFont, int iCodigoSiguiente, int iCodigoAnterior, int iCodigoVolver,
              const char* szPista, const char* szEntrada, const char* szSalida);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    // The next page; false (nothing added) for a null or over-long name or a
    // book already full.
    bool AgregaPagina(const char* szFichero);
    // Loads a page and rebuilds its buttons; false when its sequence does not load.
    bool CargaPagina(int iPagina);
    void PaginaSiguiente();
    void PaginaAnterior();

    int NumPaginas() const { return int(m_aPaginas.size()); }
    int PaginaActual() const { return m_iPagina; }
    CSecuencia* Secuencia() const { return m_pSecuencia; }
    CButo* BotonPasar() const { return m_pPasar; }
    CButo* BotonPausa() const { return m_pPausa; }
    bool BotonPausaPuesto() const { return m_bPausaPuesto; }
    bool BotonPasarPuesto() const { return m_bPasarPuesto; }

    bool m_bCreado = false;
    int m_iFlags = 0;
    CSecuencia* m_pSecuencia = nullptr; // owned
    CButo* m_pVolver = nullptr;         // owned
    CButo* m_pSiguiente = nullptr;      // owned
    CButo* m_pAnterior = nullptr;       // owned
    CButo* m_pPasar = nullptr;          // owned
    CButo* m_pPausa = nullptr;          // owned
    int m_iPagina = 0;
    bool m_bCerrar = false;
    std::vector<std::string> m_aPaginas;
    CTransSecuencia* m_pTransSecuencia = nullptr; // owned
    CTransMusica* m_pTransMusica = nullptr;       // owned
    bool m_bPasarPuesto = false;
    bool m_bPausaPuesto = false;
    // Pages asked for by presses, turned at the next step: +1 next, -1 previous.
    std::vector<int> m_aAcciones;

private:
    void Libera();
    void QuitaBotonesPagina();
    // A page button from its description, null without one.
    CButo* CreaBotonPagina(bool bPresente, float x, float y, float w, float h, int iEstilo, int iFont,
                           int iCodigo, float fEscala, int iId, const char* szNombre);
    // The input every kind of press shares; true when it is used up here.
    bool Pulsacion(bool* pbUsada);
};
