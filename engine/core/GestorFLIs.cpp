#include "engine/core/GestorFLIs.h"

#include "engine/core/FaltasContenido.h"
#include "engine/core/GestorComandes.h"

#include <strings.h>

CGestorFLIs g_GestorFLIs;

int32_t CodigoFLI(const char* texto)
{
    if (!texto) return -1;
    uint32_t codigo = 0;
    bool fin = false;
    for (int i = 0; i < 4; ++i) {
        unsigned char c = fin ? 0 : static_cast<unsigned char>(texto[i]);
        if (c == 0) fin = true;
        codigo = (codigo << 8) | c;
    }
    return static_cast<int32_t>(codigo);
}

CGestorFLIs::~CGestorFLIs()
{
    Libera();
}

bool CGestorFLIs::Inicia()
{
    m_bIniciado = 1;
    return true;
}

bool CGestorFLIs::CargaFichero(const char* fichero, int clave)
{
    if (!g_pGestorComandes) return false;
    FitxerComandes* f = g_pGestorComandes->ObreLectura(fichero);
    if (!f) return false;
    do {
        const char* nom = g_pGestorComandes->NomComanda(f);
        if (nom && strcasecmp(nom, "FLI") == 0 && !AnadeTexto(clave, f)) break;
    } while (g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);
    return true;
}

bool CGestorFLIs::AnadeTexto(int clave, FitxerComandes* registro)
{
    if (!registro || !g_pGestorComandes) return true;
    g_pGestorComandes->RebobinaParametres(registro);
    const char* codigo = g_pGestorComandes->LlegeixText(registro);
    const char* texto = g_pGestorComandes->LlegeixText(registro);
    return AnadeTexto(clave, codigo, texto);
}

bool CGestorFLIs::AnadeTexto(int clave, const char* codigo, const char* texto)
{
    if (clave == -1) return false; // -1 marks a free table
    const int32_t iCodigo = CodigoFLI(codigo);
    if (!texto || iCodigo == -1) return true; // incomplete record: skipped

    int indice = BuscaIndice(clave);
    if (indice == -1) {
        if (m_iNumTablas >= FLI_MAX_TABLAS) return false;
        for (int i = 0; i < FLI_MAX_TABLAS; ++i) {
            if (m_aTablas[i].m_iClave == -1) {
                indice = i;
                break;
            }
        }
        if (indice == -1) return false;
        m_aTablas[indice].m_iClave = clave;
        m_aTablas[indice].m_iNumTextos = 0;
        ++m_iNumTablas;
    }
    TablaFLI& tabla = m_aTablas[indice];
    if (tabla.m_iNumTextos >= FLI_MAX_TEXTOS) return false;
    EntradaFLI& entrada = tabla.m_aEntradas[tabla.m_iNumTextos++];
    entrada.m_iCodigo = iCodigo;
    entrada.m_sTexto = texto;
    return true;
}

void CGestorFLIs::SeleccionaIdioma(int clave)
{
    if (clave == -1) return;
    if (clave == m_iClaveActual && m_iIndiceActual >= 0 && m_iIndiceActual < FLI_MAX_TABLAS &&
        m_aTablas[m_iIndiceActual].m_iClave == clave)
        return;
    m_iClaveActual = clave;
    m_iIndiceActual = BuscaIndice(clave);
}

int CGestorFLIs::BuscaIndice(int clave) const
{
    if (clave == -1) return -1;
    for (int i = 0; i < FLI_MAX_TABLAS; ++i)
        if (m_aTablas[i].m_iClave == clave) return i;
    return -1;
}

const char* CGestorFLIs::GetTexto(int32_t codigo, int clave) const
{
    const int indice = clave == -1 ? m_iIndiceActual : BuscaIndice(clave);
    if (indice < 0 || indice >= FLI_MAX_TABLAS || m_aTablas[indice].m_iClave == -1)
        return kTextoSinFichero;
    return BuscaTexto(codigo, indice);
}

const char* CGestorFLIs::BuscaTexto(int32_t codigo, int indice) const
{
    if (indice == -1) return kTextoIndiceMenosUno;
    if (indice < 0 || indice >= FLI_MAX_TABLAS) return kTextoSinFichero;
    const TablaFLI& tabla = m_aTablas[indice];
    for (int i = 0; i < tabla.m_iNumTextos; ++i)
        if (tabla.m_aEntradas[i].m_iCodigo == codigo) return tabla.m_aEntradas[i].m_sTexto.c_str();
    if (codigo != -1) {
        std::string sCodigo;
        for (int k = 3; k >= 0; --k) sCodigo.push_back(static_cast<char>((codigo >> (8 * k)) & 0xFF));
        AnotaFaltaContenido(TipoFalta::Texto, sCodigo + "@" + std::to_string(tabla.m_iClave));
    }
    return kTextoDesconocido;
}

void CGestorFLIs::Libera()
{
    for (TablaFLI& tabla : m_aTablas) {
        if (tabla.m_iClave == -1) continue;
        for (int i = 0; i < tabla.m_iNumTextos; ++i) {
            tabla.m_aEntradas[i].m_iCodigo = -1;
            std::string().swap(tabla.m_aEntradas[i].m_sTexto);
        }
        tabla.m_iNumTextos = 0;
        tabla.m_iClave = -1;
    }
    m_iNumTablas = 0;
}
