// Shared by the sequence tests: a folder of the test's own with the file
// services started over it, sequence files written there, and a player
// stepped frame by frame.
#pragma once
#include "engine/sequences/Secuencia.h"
#include "kit/ServeisFitxers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace sectest {

inline std::string NombreTest()
{
    return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

// The file services over a fresh folder (the data root while it lives).
class Carpeta {
public:
    explicit Carpeta(const std::string& nombre = NombreTest())
        : m_raiz(mgtest::CarpetaNova("sec-" + nombre)), m_servicios(m_raiz.string())
    {
    }
    bool Correcta() const { return m_servicios.Correcte(); }
    // Writes a file below the folder; its data name (relative) is returned.
    std::string Escribe(const std::string& nombre, const std::string& contenido)
    {
        mgtest::EscriuFitxer(m_raiz / nombre, contenido);
        return nombre;
    }
    const std::filesystem::path& Raiz() const { return m_raiz; }

private:
    std::filesystem::path m_raiz;
    mgtest::ServeisFitxers m_servicios;
};

// Runs n frames.
inline void Pasos(CSecuencia& s, int n)
{
    for (int i = 0; i < n; ++i) s.Actualiza();
}

} // namespace sectest
