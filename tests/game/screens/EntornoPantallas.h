// Shared by the tests of the game's widgets and screens: the widget tests'
// drawing environment (data, window, graphics, fonts, texts, package cache
// and a tree of the test kit) with the base styles as start-up leaves them,
// the sprite-effects cache, a hint box, the menus' effects package held by a
// menu manager that is never built, the random generator reset, and a
// profile to register as the current one when a test asks.
#pragma once
#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "engine/ui/CuadroHint.h"
#include "game/CatalogoJuego.h"
#include "game//profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "ui/TextoEntorno.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace pantallas {

class EntornoPantallas : public uitest::EntornoTexto {
protected:
    void SetUp() override
    {
        uitest::EntornoTexto::SetUp();
        if (HasFatalFailure()) return;
        CreaEstilosBase();
        ReiniciaAleatorio();
        ASSERT_TRUE(m_efectos.Inicia());
        g_pSistemaCacheEfectos = &m_efectos;
        ASSERT_TRUE(m_hint.Inicia(0, nullptr, nullptr));
        g_pAplicacion->AsignaCuadroHint(&m_hint);
        m_maestro.m_pSPMEfectos = tazmo::CopiaSPM(juego::paquete::EFECTOS);
        ASSERT_NE(m_maestro.m_pSPMEfectos, nullptr);
        g_pMenuMaestro = &m_maestro;
        Raiz()->m_bReenviaEventos = false;
    }
    void TearDown() override
    {
        m_objetos.clear();
        RegistraPerfilesJuego(nullptr);
        m_arbol.reset();
        g_pMenuMaestro = nullptr;
        tazmo::BorraSPM(m_maestro.m_pSPMEfectos);
        m_efectos.Libera();
        g_pSistemaCacheEfectos = nullptr;
        m_hint.LiberaSiCreado();
        uitest::EntornoTexto::TearDown();
    }

    // A widget or screen of the test, deleted before the environment goes.
    template <class T>
    T* Nuevo()
    {
        m_objetos.push_back(std::make_unique<T>());
        return static_cast<T*>(m_objetos.back().get());
    }

    // A fresh profile (every marker locked but the first ones, the story's
    // news) registered as the current one.
    RegistroPerfil& ConPerfil()
    {
        RegistroPerfil& p = m_perfiles.m_aPerfiles[0];
        p.VaciaListas();
        for (int16_t i : MarcadoresIniciales) AnadeNombre(p.m_ListaBloqueados, NombreMarcador(i));
        AnadeNombre(p.m_ListaNovedades, NombreMarcador(NovedadInicial));
        p.m_bModificado = 0;
        m_perfiles.m_iPerfilActual = 0;
        RegistraPerfilesJuego(&m_perfiles);
        return p;
    }
    static void AnadeNombre(CLista& l, const char* nombre)
    {
        char* c = new char[std::strlen(nombre) + 1];
        std::strcpy(c, nombre);
        l.InsertaAlPrincipio(c);
    }

    // The hint asked for in the last step, -1 when none was.
    int HintPedido() const
    {
        return m_hint.m_iRetencion == CCuadroHint::kPasosRetencion - 1 ? m_hint.m_iCodigoPedido : -1;
    }
    // The events the root received since the last call.
    std::vector<kit::EventoRecibido> Eventos()
    {
        std::vector<kit::EventoRecibido> v;
        v.swap(Raiz()->m_eventos);
        return v;
    }

    std::vector<std::unique_ptr<CMenuObj>> m_objetos;
    CSistemaCacheEfectos m_efectos;
    CCuadroHint m_hint;
    CMenuMaestro m_maestro;
    CPerfiles m_perfiles;
};

} // namespace pantallas
