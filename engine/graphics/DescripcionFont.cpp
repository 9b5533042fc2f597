#include "engine/graphics/DescripcionFont.h"

#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"

#include <cstdint>
#include <strings.h>

namespace {

bool EsNombre(const char* nom, const char* esperado)
{
    return nom && strcasecmp(nom, esperado) == 0;
}

// The shadow record's parameters: image and colour r, g, b, a.
void LeeSombra(FitxerComandes* f, DescripcionFont& d)
{
    const char* imagen = g_pGestorComandes->LlegeixText(f);
    d.m_bSombra = imagen != nullptr;
    d.m_sSombra = imagen ? imagen : "";
    for (int& c : d.m_aiColorSombra) c = g_pGestorComandes->LlegeixEnter(f);
}

void LeeRejilla(FitxerComandes* f, DescripcionFont& d)
{
    for (int registro = 2; registro <= 7 && g_pGestorComandes->LlegeixComanda(f); ++registro) {
        switch (registro) {
        case 2:
        case 3: {
            const char* t = g_pGestorComandes->LlegeixText(f);
            (registro == 2 ? d.m_bTieneImagen : d.m_bTieneAnchos) = t != nullptr;
            (registro == 2 ? d.m_sImagen : d.m_sAnchos) = t ? t : "";
            break;
        }
        case 4: d.m_fAlto = g_pGestorComandes->LlegeixReal(f); break;
        case 5: d.m_fSeparacion = g_pGestorComandes->LlegeixReal(f); break;
        case 6:
            d.m_fDesplazamientoX = g_pGestorComandes->LlegeixReal(f);
            d.m_fDesplazamientoY = g_pGestorComandes->LlegeixReal(f);
            break;
        case 7: LeeSombra(f, d); break;
        }
    }
}

void LeeClasica(FitxerComandes* f, DescripcionFont& d)
{
    do {
        const char* nom = g_pGestorComandes->NomComanda(f);
        if (EsNombre(nom, "SET_DE_LETRAS")) {
            const char* t = g_pGestorComandes->LlegeixText(f);
            std::string imagen = t ? t : "";
            imagen = imagen.substr(0, imagen.size() >= 3 ? imagen.size() - 3 : 0) + "PNG";
            d.m_asImagenes.push_back(imagen);
        } else if (EsNombre(nom, "LETRA")) {
            LetraFont l;
            l.m_iCodigo = g_pGestorComandes->LlegeixEnter(f);
            l.m_fX = g_pGestorComandes->LlegeixReal(f);
            l.m_fY = g_pGestorComandes->LlegeixReal(f);
            l.m_fW = g_pGestorComandes->LlegeixReal(f);
            l.m_fH = g_pGestorComandes->LlegeixReal(f);
            l.m_iImagen = static_cast<int>(d.m_asImagenes.size()) - 1;
            if (l.m_iCodigo >= 0 && l.m_iCodigo <= 255 && l.m_iImagen >= 0) d.m_aLetras.push_back(l);
        } else if (EsNombre(nom, "SEPARACION")) {
            d.m_fSeparacion = g_pGestorComandes->LlegeixReal(f);
        } else if (EsNombre(nom, "OSCURECEDOR")) {
            LeeSombra(f, d);
        }
    } while (g_pGestorComandes->LlegeixComanda(f));
}

} // namespace

bool LeeDescripcionFont(const char* fichero, DescripcionFont& d)
{
    d = DescripcionFont();
    if (!g_pGestorComandes) return false;
    FitxerComandes* f = g_pGestorComandes->ObreLectura(fichero);
    if (!f) return false;
    d.m_bRejilla = EsNombre(g_pGestorComandes->NomComanda(f), "FONTSETTYPE");
    if (d.m_bRejilla) LeeRejilla(f, d);
    else LeeClasica(f, d);
    g_pGestorComandes->Tanca(f);
    return true;
}

bool LeeAnchosFont(const char* fichero, float anchos[256])
{
    for (int i = 0; i < 256; ++i) anchos[i] = 0.0f;
    if (!g_pSistemaFitxers || !fichero) return false;
    EntradaFitxer* f = g_pSistemaFitxers->Obre(fichero, FITXER_LECTURA | FITXER_BINARI);
    if (!f) return false;
    for (int i = 0; i < 256; ++i) {
        unsigned char b[2];
        if (g_pSistemaFitxers->Llegeix(b, 2, 1, f) != 1) break;
        anchos[i] = static_cast<float>(static_cast<int16_t>(static_cast<uint16_t>(b[0] | (b[1] << 8))));
    }
    g_pSistemaFitxers->Tanca(f);
    return true;
}
