#include "game/screens/HistoriaTerminada.h"

#include "game/Personajes.h"
#include "game/play/CatalogoNiveles.h"
#include "game/play/Figuras.h"
#include "game/play/MenuJuego.h"
#include "game/play/TablaNiveles.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/RegistroPerfil.h"
#include "game/profiles/Trofeos.h"
#include "game/screens/MenuCreditos.h"
#include "game/screens/MenuModoHistoria.h"
#include "game/screens/MenuPresentacionCapitulo.h"
#include "game/screens/MenuPrincipal.h"
#include "game/story/ImagenSecTazmo.h"

#include <algorithm>
#include <cstdint>

void TerminaHistoria(RegistroPerfil& p, CGestorDesbloqueos& d, const CTablaNiveles* pNiveles)
{
    const auto desbloquea = [&d](const char* sz) { d.Desbloquea(sz, false); };
    const int iDificultadAntes = p.m_iDificultad;
    for (int dif = 0; dif < NUM_DIFICULTADES; ++dif) {
        p.FijaDificultad(dif);
        // Every stage not yet won is won as on the map: its first win moves
        // the map's counter and the line maximum with the progress, its seal
        // goes to the gallery, and a stage with a par keeps a best line count
        // at its par (kept only where the play screen keeps one; an earlier
        // better count stays).
        for (int iEtapa; (iEtapa = p.ProgresoHistoria(dif)) < CMenuModoHistoria::kNumEtapas;) {
            int& iContador = p.Bloque().m_aiDatos[BloqueDificultad::CONTADOR_MAPA];
            iContador = std::min(iContador + CMenuModoHistoria::SubidaContadorEtapa(iEtapa), CMenuModoHistoria::kMaxContador);
            if (CMenuModoHistoria::EsEtapaLineaMaxima(iEtapa)) p.AumentaLineaMaxima();
            int c = 0, parte = 0;
            if (pNiveles && CapituloYParte(iEtapa, c, parte))
                if (const EntradaNivel* e = pNiveles->Entrada(dif, c, parte)) {
                    const RegistroNivel& r = e->m_Registro;
                    DesbloqueaFigura(r.FIGURA.c_str());
                    if (CMenuJuego::GuardaMejorJugadaPermitida(c, r.PAR, r.PAR)) p.GuardaMejorJugada(r.PAR, c, parte);
                }
            p.AvanzaHistoria();
        }
        for (int k = 0; k < NUM_NIVELES_EXTRA; ++k) desbloquea(NombreMarcador(IndiceBotonNivel(dif, k)));
    }
    p.FijaDificultad(iDificultadAntes);
    // The chapters: each card opened (its first time) and each chapter ended.
    for (const CMenuPresentacionCapitulo::FilaCapitulo& f : CMenuPresentacionCapitulo::Capitulos) desbloquea(f.szMarcador);
    for (int c = 0; c < NUM_CAPITULOS_HISTORIA; ++c) desbloquea(NombreMarcador(MARCADOR_PRIMER_CAPITULO + c));
    // Who and what the scenes show.
    for (const Personaje& pj : RegistroPersonajes) desbloquea(NombreMarcador(MARCADOR_PRIMER_PERSONAJE + pj.m_iMarcador));
    for (int i = 0; i < NUM_IMAGENES_ESCENA; ++i) desbloquea(NombreMarcador(MARCADOR_PRIMERA_GALERIA + i));
    // The credits, seen to their end after the last stage.
    for (const char* sz : CMenuCreditos::kMarcadores) desbloquea(sz);
    desbloquea(CMenuCreditos::kTrofeoFinal);
    // What the menus tell once: told already.
    desbloquea(CMenuPrincipal::kMarcadorExplicacion);
    desbloquea("AvisoCofreTesoro");
    // As the menus do after a game: evaluate until no rule awards more.
    uint8_t logros[NUM_LOGROS] = {};
    for (int i = 0; i < NUM_LOGROS && EvaluaTrofeos(logros); ++i) {
    }
}
