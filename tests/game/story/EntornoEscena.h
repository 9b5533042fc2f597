// Shared by the story-scene tests: the real game's services started over the
// built data (graphics, packages, effects cache, text tables, sound manager),
// a current profile with its unlock manager, scripts written to a folder of
// the test's own, and a step that updates and draws the scene and moves the
// frame count on, as the menu manager does.
#pragma once
#include "engine/audio/GestorSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "game/CatalogoJuego.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/RegistroPerfil.h"
#include "game/story/JapSecTazmo.h"
#include "kit/ServeisFitxers.h"
#include "kit/TextosPrueba.h"
#include "kit/game/JuegoPrueba.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace escenatest {

constexpr int kIngles = 2;

inline std::string NombreTest() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// A text of the current language under a test code.
inline void Texto(const char* codigo, const char* texto) { mgtest::PonTexto(kIngles, codigo, texto); }

class EntornoEscena : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_juego = std::make_unique<kit::CJuegoPrueba>("escena-" + NombreTest());
        ASSERT_TRUE(m_juego->Iniciado());
        m_carpeta = mgtest::CarpetaNova("escena-" + NombreTest());
        m_gestor.Inicia();
        RegistraPerfilesJuego(&m_perfiles);
        RegistraGestorDesbloqueos(&m_gestor);
        // A fresh profile: every marker locked but the first.
        RegistroPerfil& p = Perfil();
        p.VaciaListas();
        for (int16_t i : MarcadoresIniciales) {
            const char* n = NombreMarcador(i);
            char* c = new char[std::strlen(n) + 1];
            std::strcpy(c, n);
            p.m_ListaBloqueados.InsertaAlPrincipio(c);
        }
        ReiniciaAleatorio();
    }
    void TearDown() override
    {
        m_escena.reset();
        RegistraPerfilesJuego(nullptr);
        RegistraGestorDesbloqueos(nullptr);
        m_juego.reset();
    }

    RegistroPerfil& Perfil() { return m_perfiles.m_aPerfiles[0]; }

    std::string Escribe(const std::string& nombre, const std::string& contenido)
    {
        mgtest::EscriuFitxer(m_carpeta / nombre, contenido);
        return (m_carpeta / nombre).string();
    }
    // A scene loaded from a script, its resources taken as its host takes them.
    bool Carga(const std::string& guion, const std::string& nombre = "escena.txt")
    {
        return CargaFichero(Escribe(nombre, guion).c_str());
    }
    // A scene of the data (or any file).
    bool CargaFichero(const char* fichero)
    {
        if (!m_escena) m_escena = std::make_unique<CJapSecTazmo>();
        const ConfigSecuenciador c = CJapSecTazmo::ConfigCaja();
        if (!m_escena->Carga(fichero, &c, 1)) return false;
        m_escena->CargaRecursos();
        g_pSistema2D->CarregaBitmapsEnUs();
        return true;
    }
    // One step: the scene's update and draw, the frame count, the sounds.
    void Pasos(int n)
    {
        for (int i = 0; i < n; ++i) {
            m_escena->Actualiza();
            m_escena->Dibuja(nullptr);
            AvanzaFrame();
            if (g_pGestorSonido) g_pGestorSonido->Actualiza();
        }
    }
    void Clic() { m_escena->TrataBotonRaton(0, 0, 500, 600); }
    static int Activos(int capa) { return g_pSistemaCacheEfectos->NumActivos(capa); }

    std::unique_ptr<kit::CJuegoPrueba> m_juego;
    std::filesystem::path m_carpeta;
    CPerfiles m_perfiles;
    CGestorDesbloqueos m_gestor;
    std::unique_ptr<CJapSecTazmo> m_escena;
};

} // namespace escenatest
