// The text list: a page of the entries of a list shown as a column of
// buttons, a scroll button above and below, with optional sorted insertion
// and marks on several entries. Choosing a row reports its entry
// (EVENTO_ELEMENTO_ELEGIDO: the index, and the text of an entry made from
// one); the scroll buttons and Page Up / Page Down turn the page. Kind name
// "LLISTA_TEXT".
#pragma once
#include "engine/core/Lista.h"
#include "engine/ui/MenuObj.h"

#include <cstdint>
#include <vector>

class CButo;

// One entry: a text (own copy), or the code of a text of the text tables.
struct EntradaLista {
    char* m_szTexto = nullptr;
    int32_t m_iValor = -1;
    bool m_bMarcado = false;
    int32_t m_iIdTexto = -1;
};

class CLlistaText : public CMenuObj {
public:
    static constexpr const char* kTipo = "LLISTA_TEXT";
    static constexpr const char* kNombreArriba = "LLISTATEXT_BUT_ScrollUp";
    // The down button is named as the up button.
    static constexpr const char* kNombreAbajo = "LLISTATEXT_BUT_ScrollUp";
    static constexpr const char* kNombreFila = "LLISTATEXT_BUT_Boton%d";
    static constexpr int kIdArriba = 0;
    static constexpr int kIdAbajo = 1;
    static constexpr int kIdPrimeraFila = 2;
    static constexpr int kTeclaRePag = 201;
    static constexpr int kTeclaAvPag = 209;

    CLlistaText() = default;
    ~CLlistaText() override;

    void Actualiza() override;
    void PonEnfocado(bool bEnfocado) override;
    bool TrataTecla(int iTecla) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    bool Inicia(float x, float y, float anchoFila, float altoFila, float anchoScroll, float altoScroll, float margen,
                int nFilas, int fuente, int estilo, int estiloBotones, float escala, int formato, int id,
                const char* nombre);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    // The list's size for these measures.
    static Rectangulo Medidas(float x, float y, float anchoFila, float altoFila, float anchoScroll, float altoScroll,
                              float margen, int nFilas);

    // ---- entries ----
    void Vacia();
    // With bOrdenado, before the first entry whose text is greater (byte by
    // byte; the text of its code for an entry made from a code), else last.
    void Anade(const char* texto, int idTexto, int valor, bool bOrdenado);
    void InsertaAntes(int i, const char* texto, int idTexto, int valor);
    void InsertaDespues(int i, const char* texto, int idTexto, int valor);
    int NumeroEntradas() const { return m_lEntradas.m_iNumElementos; }
    const char* Texto(int i);
    int Valor(int i);
    int IdTexto(int i);
    void Marca(int i, bool bMarca);
    bool EstaMarcado(int i);
    void AlternaMarca(int i);
    int NumeroMarcados() const { return m_iMarcados; }
    int IndiceMarcado(int k);
    void BorraMarcados();

    // ---- paging and rows ----
    void RetrocedePagina();
    void AvanzaPagina();
    int Primera() const { return m_iPrimera; }
    int NumeroFilas() const { return m_iFilas; }
    // The entry on the focused row; -1 on a scroll button or nowhere.
    int IndiceEnfocado();
    void PonColorFilas(uint8_t r, uint8_t g, uint8_t b);
    void PonColorScroll(uint8_t r, uint8_t g, uint8_t b);

    bool m_bCreado = false;
    CButo* m_pArriba = nullptr;
    CButo* m_pAbajo = nullptr;
    std::vector<CButo*> m_apFilas;
    CLista m_lEntradas; // EntradaLista*, owned
    int32_t m_iFilas = 0;
    int32_t m_iPrimera = 0;
    int32_t m_iMarcados = 0;
    bool m_bRefresco = false;

private:
    void InicializaCampos();
    void Libera();
    EntradaLista* Entrada(int i);
    EntradaLista* NuevaEntrada(const char* texto, int idTexto, int valor);
    // The text an entry sorts and shows by.
    static const char* TextoDe(const EntradaLista* e);
    // How far a page turn goes: a page less one row, at least one entry.
    int PasoPagina() const;
};
