// Test fixture: four profile slots registered as the game's, with an unlock
// manager; slot 0 is current and seeded as a fresh profile.
#pragma once
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/RegistroPerfil.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

inline std::vector<std::string> Nombres(CLista& l)
{
    std::vector<std::string> out;
    if (l.EstaVacia()) return out;
    for (l.VaAlPrincipio(); !l.EsFinal(); l.Avanza()) out.emplace_back(static_cast<const char*>(l.Actual()));
    return out;
}

inline void SiembraComoNuevo(RegistroPerfil& p)
{
    p.VaciaListas();
    for (int16_t i : MarcadoresIniciales) {
        const char* n = NombreMarcador(i);
        char* c = new char[std::strlen(n) + 1];
        std::strcpy(c, n);
        p.m_ListaBloqueados.InsertaAlPrincipio(c);
    }
    const char* n = NombreMarcador(NovedadInicial);
    char* c = new char[std::strlen(n) + 1];
    std::strcpy(c, n);
    p.m_ListaNovedades.InsertaAlPrincipio(c);
}

class PerfilPrueba : public ::testing::Test {
protected:
    void SetUp() override
    {
        gestor.Inicia();
        RegistraPerfilesJuego(&perfiles);
        RegistraGestorDesbloqueos(&gestor);
        SiembraComoNuevo(Perfil());
    }
    void TearDown() override
    {
        RegistraPerfilesJuego(nullptr);
        RegistraGestorDesbloqueos(nullptr);
    }

public:
    RegistroPerfil& Perfil() { return perfiles.m_aPerfiles[0]; }

protected:

    CPerfiles perfiles;
    CGestorDesbloqueos gestor;
};
