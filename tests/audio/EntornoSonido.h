// Shared by the audio tests: the sound system started on the manual device
// over a data folder of the test's own, WAV files built byte by byte, and a
// logic step that mixes its thirtieth of a second of audio.
#pragma once
#include "engine/audio/SistemaSonido.h"
#include "engine/core/Temporizador.h"
#include "kit/ServeisFitxers.h"
#include "platform/Audio.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace audiotest {

// Where the tool puts its tones of exact lengths (three halves of a stream
// buffer and so on).
inline std::string Tono(const char* nombre)
{
    return (std::filesystem::path(MG_TEST_TMP).parent_path() / "test-data" / "audio" / nombre).string();
}

inline void Pon32(std::string& s, uint32_t v)
{
    for (int i = 0; i < 4; ++i) s.push_back(char((v >> (8 * i)) & 0xff));
}
inline void Pon16(std::string& s, uint32_t v)
{
    for (int i = 0; i < 2; ++i) s.push_back(char((v >> (8 * i)) & 0xff));
}

// A canonical PCM WAV: RIFF header, 16-byte fmt chunk, data chunk.
inline std::string Wav(int canales, int tasa, int bits, const std::vector<int16_t>& muestras)
{
    std::string datos;
    for (int16_t m : muestras) {
        if (bits == 16)
            Pon16(datos, uint16_t(m));
        else
            datos.push_back(char(uint8_t(m)));
    }
    std::string s = "RIFF";
    Pon32(s, uint32_t(36 + datos.size()));
    s += "WAVEfmt ";
    Pon32(s, 16);
    Pon16(s, 1);
    Pon16(s, uint32_t(canales));
    Pon32(s, uint32_t(tasa));
    Pon32(s, uint32_t(tasa * canales * bits / 8));
    Pon16(s, uint32_t(canales * bits / 8));
    Pon16(s, uint32_t(bits));
    s += "data";
    Pon32(s, uint32_t(datos.size()));
    return s + datos;
}

// `segundos` of a steady 16-bit value.
inline std::string WavConstante(int canales, float segundos, int16_t valor = 8000)
{
    return Wav(canales, 44100, 16, std::vector<int16_t>(size_t(segundos * 44100) * size_t(canales), valor));
}

class EntornoSonido {
public:
    explicit EntornoSonido(const std::string& carpeta)
    {
        m_raiz = mgtest::CarpetaNova(carpeta);
        m_servicios = std::make_unique<mgtest::ServeisFitxers>(m_raiz.string());
        plat::UseManualAudio(true);
        g_pSistemaSonido = new CSistemaSonido;
        m_bIniciado = g_pSistemaSonido->Inicia(1.0f, 1.0f);
    }
    ~EntornoSonido()
    {
        delete g_pSistemaSonido;
        g_pSistemaSonido = nullptr;
        plat::UseManualAudio(false);
    }
    bool Correcto() const { return m_bIniciado && m_servicios->Correcte(); }
    const std::filesystem::path& Raiz() const { return m_raiz; }
    void Escribe(const std::string& nombre, const std::string& bytes) { mgtest::EscriuFitxer(m_raiz / nombre, bytes); }

    // Mixes `cuadros` frames and returns them.
    std::vector<int16_t> Mezcla(int cuadros)
    {
        std::vector<int16_t> s(size_t(cuadros) * 2);
        plat::RenderManualAudio(s.data(), cuadros);
        return s;
    }
    // One logic step of audio, then the sound system's update.
    void Paso()
    {
        Mezcla(1470);
        g_pSistemaSonido->Actualiza();
    }

private:
    std::filesystem::path m_raiz;
    std::unique_ptr<mgtest::ServeisFitxers> m_servicios;
    bool m_bIniciado = false;
};

} // namespace audiotest
