#include "engine/ui/ListaNavegacion.h"

// GCC 12 takes a member of std::regex's compiled states for unset (a known
// false alarm of its optimiser inside the library's own code).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "engine/ui/LlistaText.h"
#include "platform/Files.h"

#include <algorithm>
#include <cstring>
#include <regex>
#include <strings.h>
#include <vector>

CListaNavegacion::~CListaNavegacion() { LiberaSiCreado(); }

void CListaNavegacion::InicializaCampos()
{
    m_pLista = nullptr;
    m_sCarpeta.clear();
    m_sRaiz.clear();
    m_sFiltro.clear();
    m_bRefresco = false;
    m_iOpciones = 0;
}

void CListaNavegacion::Libera()
{
    delete m_pLista;
    m_pLista = nullptr;
}

void CListaNavegacion::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CListaNavegacion::Inicia(float x, float y, float anchoFila, float altoFila, float anchoScroll, float altoScroll,
                              float margen, int nFilas, int fuente, int estilo, int estiloBotones, float escala,
                              int formato, int id, const char* nombre, const char* raiz, const char* carpeta,
                              const char* extension, int opciones)
{
    LiberaSiCreado();
    InicializaCampos();
    const Rectangulo r = CLlistaText::Medidas(x, y, anchoFila, altoFila, anchoScroll, altoScroll, margen, nFilas);
    if (!CMenuObj::Inicia(id, nombre, r, estilo)) return false;
    m_pLista = new CLlistaText;
    if (!m_pLista->Inicia(x, y, anchoFila, altoFila, anchoScroll, altoScroll, margen, nFilas, fuente, estilo,
                          estiloBotones, escala, formato, 0, kNombreLista)) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    AnadeHijo(false, m_pLista, false, false);
    m_iOpciones = opciones;
    PonFiltro(extension);
    // The working folder until a folder is reached.
    m_sCarpeta = plat::WorkingFolder();
    CambiaCarpeta(carpeta ? carpeta : "");
    // Never without a root: a root that is not a folder leaves it here.
    if (!raiz || !PonRaiz(raiz)) m_sRaiz = m_sCarpeta;
    m_bRefresco = true;
    m_bCreado = true;
    return true;
}

std::string CListaNavegacion::Destino(const char* c) const
{
    return plat::AbsolutePath(c ? c : "", m_sCarpeta);
}

bool CListaNavegacion::PuedeEntrar(const char* c) const
{
    if (!c || !c[0]) return false;
    const std::string d = Destino(c);
    // Never above the root, nor beside it.
    return plat::IsFolder(d) && (m_sRaiz.empty() || plat::IsWithinFolder(d, m_sRaiz));
}

bool CListaNavegacion::CambiaCarpeta(const char* c)
{
    if (!PuedeEntrar(c)) return false;
    m_sCarpeta = Destino(c);
    m_bRefresco = true;
    return true;
}

bool CListaNavegacion::PonRaiz(const char* r)
{
    const std::string raiz = plat::AbsolutePath(r ? r : "");
    if (!plat::IsFolder(raiz)) return false;
    if (!plat::IsWithinFolder(m_sCarpeta, raiz)) {
        m_sCarpeta = raiz;
        m_bRefresco = true;
    }
    m_sRaiz = raiz;
    return true;
}

void CListaNavegacion::PonFiltro(const char* extension)
{
    m_sFiltro = extension ? extension : "";
    if (m_sFiltro.size() > size_t(kLongitudFiltro)) m_sFiltro.resize(size_t(kLongitudFiltro));
    m_bRefresco = true;
}

void CListaNavegacion::Rellena()
{
    m_pLista->Vacia();
    std::vector<plat::FolderEntry> entradas;
    plat::ListFolder(m_sCarpeta, &entradas);
    // The way up, where there is one within the root.
    if (m_sCarpeta != m_sRaiz && PuedeEntrar("..")) entradas.insert(entradas.begin(), plat::FolderEntry{"..", true});
    for (const plat::FolderEntry& e : entradas)
        if (e.folder) m_pLista->Anade((kPrefijoCarpeta + e.name).c_str(), -1, kValorCarpeta, true);
    const std::string sufijo = "." + m_sFiltro;
    for (const plat::FolderEntry& e : entradas) {
        if (e.folder) continue;
        // The extension without regard to case, as the system the data
        // comes from compares names.
        const bool bCoincide = m_sFiltro.empty() ||
                               (e.name.size() > sufijo.size() &&
                                strcasecmp(e.name.c_str() + e.name.size() - sufijo.size(), sufijo.c_str()) == 0);
        if (bCoincide) m_pLista->Anade(e.name.c_str(), -1, kValorFichero, false);
    }
}

void CListaNavegacion::Actualiza()
{
    if (m_bRefresco && m_bCreado) {
        m_bRefresco = false;
        Rellena();
    }
    CMenuObj::Actualiza();
}

void CListaNavegacion::PonEnfocado(bool bEnfocado)
{
    CMenuObj::PonEnfocado(bEnfocado);
    // Keys reach the rows through the list.
    if (bEnfocado && !HijoEnfocado()) EnfocaHijo(m_pLista);
}

bool CListaNavegacion::EsCarpeta(int i) { return m_pLista && (m_pLista->Valor(i) & kValorCarpeta) != 0; }

bool CListaNavegacion::TrataTecla(int iTecla)
{
    if (iTecla == kTeclaRetroceso) {
        CambiaCarpeta("..");
        return false;
    }
    if (iTecla == kTeclaEspacio && (m_iOpciones & OPCION_MARCAS) && m_pLista) {
        const int i = m_pLista->IndiceEnfocado();
        if (i >= 0 && !(EsCarpeta(i) && (m_iOpciones & OPCION_SIN_CARPETAS))) m_pLista->AlternaMarca(i);
        return false;
    }
    return CMenuObj::TrataTecla(iTecla);
}

void CListaNavegacion::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo != EVENTO_ELEMENTO_ELEGIDO || !m_pLista) return;
    // The chosen entry's own value tells a folder (the event's value is its
    // index).
    if (EsCarpeta(iValor)) {
        const char* t = m_pLista->Texto(iValor);
        const size_t n = std::strlen(kPrefijoCarpeta);
        if (t && std::strlen(t) >= n) CambiaCarpeta(t + n);
        return;
    }
    CMenuObj::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
}

int CListaNavegacion::NumeroMarcados() { return m_pLista ? m_pLista->NumeroMarcados() : 0; }
const char* CListaNavegacion::TextoElemento(int i) { return m_pLista ? m_pLista->Texto(i) : nullptr; }
bool CListaNavegacion::EstaMarcado(int i) { return m_pLista && m_pLista->EstaMarcado(i); }

const char* CListaNavegacion::TextoMarcado(int k)
{
    return m_pLista ? m_pLista->Texto(m_pLista->IndiceMarcado(k)) : nullptr;
}

void CListaNavegacion::MarcaPorPatron(const char* patron, bool bMarca)
{
    if (!patron || !m_pLista) return;
    std::regex re;
    try {
        re.assign(patron, std::regex::ECMAScript);
    } catch (const std::regex_error&) {
        return;
    }
    for (int i = 0; i < m_pLista->NumeroEntradas(); ++i) {
        if (EsCarpeta(i) && (m_iOpciones & OPCION_SIN_CARPETAS)) continue;
        const char* t = m_pLista->Texto(i);
        try {
            if (t && std::regex_match(t, re)) m_pLista->Marca(i, bMarca);
        } catch (const std::regex_error&) {
            return; // a pattern too complex for this text
        }
    }
}
