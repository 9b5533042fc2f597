#include "kit/game/AuditoriaPantallas.h"

#include "engine/app/Aplicacion.h"
#include "engine/core/FaltasContenido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Preferencias.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/MenuObj.h"

#include <algorithm>

namespace kit {

const IdiomaAuditado kIdiomasAuditados[3] = {{0, {'C', 'A'}}, {1, {'E', 'S'}}, {2, {'E', 'N'}}};

namespace {

// Steps enough for any opening of the game's screens and widgets.
constexpr int kPasosApertura = 30;

} // namespace

void AbreYCierraParaAuditar(CMenuObj* p)
{
    if (!p || !p->EstaIniciado()) return;
    const bool bCargado = p->RecursosCargados();
    if (!bCargado) p->CargaRecursos();
    if (g_pSistema2D) g_pSistema2D->CarregaBitmapsEnUs();
    p->IniciaTransicion(true);
    for (int i = 0; i < kPasosApertura; ++i) {
        p->Actualiza();
        AvanzaFrame();
    }
    if (g_pSistema2D) g_pSistema2D->CarregaBitmapsEnUs();
    p->Dibuja(nullptr, nullptr);
    p->IniciaTransicion(false);
    for (int i = 0; i < kPasosApertura; ++i) {
        p->Actualiza();
        AvanzaFrame();
    }
    if (!bCargado) p->DescargaRecursos();
}

std::vector<std::string> AuditaPantallas(const std::vector<PantallaAuditada>& pantallas,
                                         const std::vector<std::string>& ignorados)
{
    std::vector<std::string> informe;
    auto Anota = [&](const std::string& donde) {
        for (const FaltaContenido& f : FaltasContenido()) {
            if (std::find(ignorados.begin(), ignorados.end(), f.nombre) != ignorados.end()) continue;
            informe.push_back(std::string(NombreTipoFalta(f.tipo)) + " " + f.nombre + " (" + donde + ")");
        }
        OlvidaFaltasContenido();
    };
    // What start-up and the screens' creation asked for already.
    Anota("start-up");
    const int iIdiomaAntes = g_GestorFLIs.IdiomaActual();
    for (const IdiomaAuditado& idioma : kIdiomasAuditados) {
        if (g_pAplicacion) g_pAplicacion->CambiaIdioma(idioma.clave, idioma.codigo[0], idioma.codigo[1]);
        for (const PantallaAuditada& pantalla : pantallas) {
            CMenuObj* p = pantalla.busca();
            if (!p || !p->EstaIniciado()) {
                informe.push_back(pantalla.nombre + ": not built");
                continue;
            }
            AbreYCierraParaAuditar(p);
            Anota(pantalla.nombre);
        }
    }
    for (const IdiomaAuditado& idioma : kIdiomasAuditados)
        if (idioma.clave == iIdiomaAntes && g_pAplicacion)
            g_pAplicacion->CambiaIdioma(idioma.clave, idioma.codigo[0], idioma.codigo[1]);
    return informe;
}

} // namespace kit
