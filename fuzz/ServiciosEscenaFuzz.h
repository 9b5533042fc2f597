// Shared by the story-scene fuzz targets: the file and sound services, the
// sound manager over the bank's built-in slots, the off-screen window with the
// graphics system, the package cache and the effects cache, and the English
// text table, started once for the process; and the frame a host runs: an
// update, a draw and the frame count moved on.
#pragma once
#include "ServiciosSonidoFuzz.h"
#include "engine/audio/BancoRanuras.h"
#include "engine/audio/GestorSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "engine/sequences/JapSecuenciador.h"
#include "engine/sequences/Secuencia.h"
#include "platform/Window.h"

#include <cstdlib>

namespace fuzz {

constexpr int kIdiomaEscena = 2;

inline bool IniciaServiciosEscena()
{
    static bool iniciado = false;
    if (iniciado) return true;
    if (!IniciaServiciosSonido()) return false;
    static CBancoRanuras banco;
    banco.CreaRanurasPorDefecto();
    CSecuencia::PonBancoRanuras(&banco);
    g_pGestorSonido = new CGestorSonido;
    if (!g_pGestorSonido->Inicia(&banco)) return false;
    if (!plat::CreateMainWindow("fuzz", false)) return false;
    g_pSistema2D = new CSistema2D;
    if (!g_pSistema2D->Inicia(true, true)) return false;
    g_pGestorSPMs = new CGestorSPMs;
    g_pGestorSPMs->Inicia();
    g_pSistemaCacheEfectos = new CSistemaCacheEfectos;
    g_pSistemaCacheEfectos->Inicia();
    g_GestorFLIs.AnadeTexto(kIdiomaEscena, "QF00", "-");
    g_GestorFLIs.SeleccionaIdioma(kIdiomaEscena);
    // Registered after the sound services, so it runs before them.
    std::atexit([] {
        delete g_pSistemaCacheEfectos;
        g_pSistemaCacheEfectos = nullptr;
        delete g_pGestorSPMs;
        g_pGestorSPMs = nullptr;
        delete g_pSistema2D;
        g_pSistema2D = nullptr;
        plat::DestroyMainWindow();
        delete g_pGestorSonido;
        g_pGestorSonido = nullptr;
        CSecuencia::PonBancoRanuras(nullptr);
        g_GestorFLIs.Libera();
    });
    iniciado = true;
    return true;
}

// Up to n frames of a host with its player, a click every few frames (and a
// key now and then); stops once the script has finished.
inline void JuegaEscena(CJapSecuenciador& s, int n)
{
    s.CargaRecursos();
    g_pSistema2D->CarregaBitmapsEnUs();
    for (int i = 0; i < n && s.GetResultado() == -1; ++i) {
        if (i % 7 == 3) s.TrataBotonRaton(0, 0, 500.0f, 600.0f);
        if (i % 31 == 5) s.TrataTecla(57);
        s.Actualiza();
        s.Dibuja(nullptr);
        AvanzaFrame();
        g_pGestorSonido->Actualiza();
    }
    s.DescargaRecursos();
}

} // namespace fuzz
