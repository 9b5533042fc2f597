// The file browser: a full-screen dialog around a folder list, with accept
// and cancel buttons, a name field and an extension filter field. Choosing a
// file (or typing a name and accepting) reports EVENTO_FICHERO_ELEGIDO with
// the name, given the extension when it lacks it; choosing or typing a
// folder enters it; cancelling reports EVENTO_NAVEGACION_CANCELADA and
// closes the dialog. A name never leaves the browser's root: names with a
// path separator, "." or ".." are refused. Kind name "PANEL_NAVEGACION".
//
// Flags: 8 folders cannot be marked; 0x10 with 1 the space bar marks
// entries (several files chosen at once come as one text, ";" between
// names).
#pragma once
#include "engine/ui/MenuObj.h"

#include <string>

class CButo;
class CCuadreText;
class CInputText;
class CListaNavegacion;

class CPanelNavegacion : public CMenuObj {
public:
    static constexpr const char* kTipo = "PANEL_NAVEGACION";
    static constexpr const char* kNombreLista = "PANELNAV_ListaNavegacion";
    static constexpr const char* kNombreAceptar = "PANELNAV_ButAceptar";
    static constexpr const char* kNombreCancelar = "PANELNAV_ButCancelar";
    static constexpr const char* kNombreTexto = "PANELNAV_Texto";
    static constexpr const char* kNombreFiltro = "PANELNAV_Filtro";
    static constexpr int FLAG_MARCAS = 0x01;
    static constexpr int FLAG_SIN_CARPETAS = 0x08;
    static constexpr int FLAG_ESPACIO = 0x10;
    // Identifiers: the list, the accept button and the name field are 0,
    // the cancel button and the filter field 1 (events tell them apart).
    static constexpr int kIdLista = 0;
    static constexpr int kIdAceptar = 0;
    static constexpr int kIdCancelar = 1;
    static constexpr int kIdTexto = 0;
    static constexpr int kIdFiltro = 1;

    CPanelNavegacion() = default;
    ~CPanelNavegacion() override;

    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsModal() override { return true; }
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    bool Inicia(int fuente, float escala, const char* raiz, const char* carpeta, const char* extension, int flags,
                int id, const char* nombre);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    // The name field's text.
    const char* Texto() const;
    const char* Carpeta() const;
    void PonRaiz(const char* raiz);

    // A typed or chosen name as accepted: true with the name (its extension
    // added when it lacks it); false when it is empty or leaves the folder.
    static bool NombreAceptado(const std::string& nombre, const std::string& extension, std::string* pResultado);

    bool m_bCreado = false;
    CSPM* m_pVelo = nullptr;
    CCuadreText* m_pMarco = nullptr;
    CButo* m_pAceptar = nullptr;
    CButo* m_pCancelar = nullptr;
    CInputText* m_pTexto = nullptr;
    CInputText* m_pFiltro = nullptr;
    CListaNavegacion* m_pLista = nullptr;
    std::string m_sExtension;

private:
    void InicializaCampos();
    void Libera();
    // Enters the folder the text names, or reports the name field's file.
    void Acepta(const char* szTexto);
    void EligeEntrada(int i);
};
