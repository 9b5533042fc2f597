// The folder list: a text list filled with the folders (first, sorted, shown
// as "(D)name") and the files of one extension (in the order found) of a
// folder on disk, that enters a folder when one is chosen and never goes
// above its root. Folders are read by path: the process's working folder is
// never changed. Backspace goes up; with option 1 the space bar marks and
// unmarks entries (option 2: never folders). Choosing a file reports it
// (EVENTO_ELEMENTO_ELEGIDO with the entry's index and text). Kind name
// "LISTA_NAVEGACION".
#pragma once
#include "engine/ui/MenuObj.h"

#include <string>

class CLlistaText;

class CListaNavegacion : public CMenuObj {
public:
    static constexpr const char* kTipo = "LISTA_NAVEGACION";
    static constexpr const char* kNombreLista = "LISTANAV_ListaTexto";
    static constexpr const char* kPrefijoCarpeta = "(D)";
    static constexpr int kValorCarpeta = 0x10; // an entry's value: folder
    static constexpr int kValorFichero = 1;
    static constexpr int kLongitudFiltro = 127;
    static constexpr int OPCION_MARCAS = 1;
    static constexpr int OPCION_SIN_CARPETAS = 2;
    static constexpr int kTeclaRetroceso = 14;
    static constexpr int kTeclaEspacio = 57;

    CListaNavegacion() = default;
    ~CListaNavegacion() override;

    void Actualiza() override;
    void PonEnfocado(bool bEnfocado) override;
    bool TrataTecla(int iTecla) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    // raiz and carpeta are resolved from the process's working folder.
    bool Inicia(float x, float y, float anchoFila, float altoFila, float anchoScroll, float altoScroll, float margen,
                int nFilas, int fuente, int estilo, int estiloBotones, float escala, int formato, int id,
                const char* nombre, const char* raiz, const char* carpeta, const char* extension, int opciones);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    // Moves to a folder of the current one (or ".."), or to a path; false
    // when it is not a folder or lies outside the root.
    bool CambiaCarpeta(const char* c);
    // A new root; the list moves into it when it is outside. False (the old
    // root kept) when it is not a folder.
    bool PonRaiz(const char* r);
    // Files of this extension ("lvl", without the dot; empty: every file).
    void PonFiltro(const char* extension);
    const std::string& Carpeta() const { return m_sCarpeta; }
    const std::string& Raiz() const { return m_sRaiz; }
    const std::string& Filtro() const { return m_sFiltro; }
    // Whether a name of the current folder can be entered.
    bool PuedeEntrar(const char* c) const;

    int NumeroMarcados();
    const char* TextoElemento(int i);
    bool EstaMarcado(int i);
    const char* TextoMarcado(int k);
    // Marks (or unmarks) every entry whose whole text matches the pattern,
    // an ECMAScript regular expression (std::regex); folders too unless
    // option 2. A pattern that does not compile marks nothing.
    void MarcaPorPatron(const char* patron, bool bMarca);
    CLlistaText* Lista() const { return m_pLista; }
    // Whether entry i is a folder (by its own value).
    bool EsCarpeta(int i);

    bool m_bCreado = false;
    CLlistaText* m_pLista = nullptr;
    std::string m_sCarpeta;
    std::string m_sRaiz;
    std::string m_sFiltro;
    bool m_bRefresco = false;
    int32_t m_iOpciones = 0;

private:
    void InicializaCampos();
    void Libera();
    // The folder c leads to from the current one (absolute, clean).
    std::string Destino(const char* c) const;
    void Rellena();
};
