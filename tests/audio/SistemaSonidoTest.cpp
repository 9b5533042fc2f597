// The sound system: WAV samples and their instances, Ogg streams with their
// two halves, priorities and master volumes, on the manual device.
#include "EntornoSonido.h"
#include "kit/BucleAplicacion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

using audiotest::EntornoSonido;
using audiotest::Pon16;
using audiotest::Pon32;
using audiotest::Wav;

namespace {

// ---- WAV files -----------------------------------------------------------------

std::string Trozo(const char* id, const std::string& cuerpo)
{
    std::string s = id;
    Pon32(s, uint32_t(cuerpo.size()));
    s += cuerpo;
    if (cuerpo.size() & 1) s.push_back('\0');
    return s;
}

std::string Fmt(int etiqueta, int canales, int tasa, int bits, int alineacion = -1, size_t tamano = 16)
{
    std::string f;
    Pon16(f, uint32_t(etiqueta));
    Pon16(f, uint32_t(canales));
    Pon32(f, uint32_t(tasa));
    Pon32(f, uint32_t(tasa * canales * bits / 8));
    Pon16(f, uint32_t(alineacion >= 0 ? alineacion : canales * bits / 8));
    Pon16(f, uint32_t(bits));
    f.resize(tamano, '\0');
    return f;
}

std::string Riff(const std::string& trozos, int ajusteTamano = 0)
{
    std::string s = "RIFF";
    Pon32(s, uint32_t(int(4 + trozos.size()) + ajusteTamano));
    return s + "WAVE" + trozos;
}

TEST(Wav, ChunksAreCheckedAgainstTheFile)
{
    const std::string datos8(8, '\x10');
    const std::string fmt = Trozo("fmt ", Fmt(1, 2, 44100, 16));
    std::string datosLargos = "data";
    Pon32(datosLargos, 1000); // claims more than the file holds
    datosLargos += datos8;
    struct Caso {
        const char* que;
        std::string bytes;
        bool valido;
        size_t inicio, bytesDatos;
    } casos[] = {
        {"canonical", Riff(fmt + Trozo("data", datos8)), true, 44, 8},
        {"list chunk before the data", Riff(fmt + Trozo("LIST", "INFOabc") + Trozo("data", datos8)), true, 60, 8},
        {"larger fmt chunk", Riff(Trozo("fmt ", Fmt(1, 2, 44100, 16, -1, 18)) + Trozo("data", datos8)), true, 46, 8},
        {"partial frame dropped", Riff(fmt + Trozo("data", std::string(10, '\x10'))), true, 44, 8},
        {"mono 8-bit odd rate", Riff(Trozo("fmt ", Fmt(1, 1, 11025, 8)) + Trozo("data", "abc")), true, 44, 3},
        {"trailing bytes after the RIFF", Riff(fmt + Trozo("data", datos8)) + "junk", true, 44, 8},
        {"empty", "", false, 0, 0},
        {"too short", "RIFF", false, 0, 0},
        {"not RIFF", "RIFX" + Riff(fmt + Trozo("data", datos8)).substr(4), false, 0, 0},
        {"not WAVE", Riff(fmt + Trozo("data", datos8)).replace(8, 4, "AVI "), false, 0, 0},
        {"RIFF size beyond the file", Riff(fmt + Trozo("data", datos8), 100), false, 0, 0},
        {"data size beyond the file", Riff(fmt + datosLargos, 0), false, 0, 0},
        {"fmt chunk too small", Riff(Trozo("fmt ", Fmt(1, 2, 44100, 16, -1, 14)) + Trozo("data", datos8)), false, 0, 0},
        {"float samples", Riff(Trozo("fmt ", Fmt(3, 2, 44100, 32)) + Trozo("data", datos8)), false, 0, 0},
        {"three channels", Riff(Trozo("fmt ", Fmt(1, 3, 44100, 16)) + Trozo("data", datos8)), false, 0, 0},
        {"no channels", Riff(Trozo("fmt ", Fmt(1, 0, 44100, 16)) + Trozo("data", datos8)), false, 0, 0},
        {"24-bit", Riff(Trozo("fmt ", Fmt(1, 2, 44100, 24)) + Trozo("data", datos8)), false, 0, 0},
        {"rate 0", Riff(Trozo("fmt ", Fmt(1, 2, 0, 16)) + Trozo("data", datos8)), false, 0, 0},
        {"block alignment wrong", Riff(Trozo("fmt ", Fmt(1, 2, 44100, 16, 3)) + Trozo("data", datos8)), false, 0, 0},
        {"data before fmt", Riff(Trozo("data", datos8) + fmt), false, 0, 0},
        {"no data chunk", Riff(fmt), false, 0, 0},
        {"empty data chunk", Riff(fmt + Trozo("data", "")), false, 0, 0},
        {"less than a frame", Riff(fmt + Trozo("data", "ab")), false, 0, 0},
    };
    for (const Caso& c : casos) {
        DatosWav w;
        bool ok = AnalizaWav(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size(), &w);
        EXPECT_EQ(ok, c.valido) << c.que;
        if (ok && c.valido) {
            EXPECT_EQ(w.inicio, c.inicio) << c.que;
            EXPECT_EQ(w.bytes, c.bytesDatos) << c.que;
        }
    }
}

TEST(SistemaSonido, MalformedOrMissingWavPlaysNothing)
{
    EntornoSonido e("sonido_wav_malo");
    ASSERT_TRUE(e.Correcto());
    std::string malo = Riff(Trozo("fmt ", Fmt(1, 2, 44100, 16)) + "data" + std::string("\xff\xff\xff\x7f", 4));
    e.Escribe("Malo.wav", malo);
    CMuestraSonido* m = g_pSistemaSonido->CargaMuestra("Malo.wav", 3, true);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->m_pBuffer, nullptr);
    EXPECT_EQ(g_pSistemaSonido->TocaMuestra(m, 1.0f), -1);
    CMuestraSonido* falta = g_pSistemaSonido->CargaMuestra("NoEsta.wav", 3, true);
    EXPECT_EQ(g_pSistemaSonido->TocaMuestra(falta, 1.0f), -1);
    // Names too long for the record are refused rather than cut short (two
    // such names differing only at the end would share one sample).
    const std::string largo(sizeof CMuestraSonido::m_szFichero, 'a');
    EXPECT_EQ(g_pSistemaSonido->CargaMuestra((largo + "1.wav").c_str(), 3, false), nullptr);
    EXPECT_EQ(g_pSistemaSonido->CargaMuestra((largo + "2.wav").c_str(), 3, false), nullptr);
    EXPECT_NE(g_pSistemaSonido->CargaMuestra(largo.substr(1).c_str(), 3, false), nullptr); // just fits
}

// ---- samples and instances -----------------------------------------------------------

TEST(SistemaSonido, InstanceLimitPurgeAndCounts)
{
    EntornoSonido e("sonido_instancias");
    ASSERT_TRUE(e.Correcto());
    e.Escribe("Data/Corto.wav", audiotest::WavConstante(1, 0.1f));
    // Found again by name without regard to case.
    CMuestraSonido* m = g_pSistemaSonido->CargaMuestra("Data\\Corto.wav", 3, false);
    EXPECT_EQ(g_pSistemaSonido->CargaMuestra("DATA\\corto.WAV", 3, false), m);
    EXPECT_EQ(m->m_iPropietarios, 2);
    EXPECT_EQ(m->m_pBuffer, nullptr);

    // Played without being marked in use: loaded on demand, so it sounds.
    int ids[4];
    for (int i = 0; i < 4; ++i) ids[i] = g_pSistemaSonido->TocaMuestra(m, 1.0f);
    EXPECT_GE(ids[0], 0);
    EXPECT_EQ(ids[1], ids[0] + 1);
    EXPECT_EQ(ids[2], ids[0] + 2);
    EXPECT_EQ(ids[3], -1); // a fourth of at most three
    EXPECT_EQ(m->m_iInstancias, 3);
    EXPECT_EQ(m->m_iUsos, 3);
    EXPECT_EQ(m->m_iPropietarios, 5);
    std::vector<int16_t> s = e.Mezcla(10);
    EXPECT_EQ(s[0], 3 * 8000);
    EXPECT_NEAR(g_pSistemaSonido->GetTiempoRestante(ids[0]), 0.1f - 10.0f / 44100.0f, 1e-4f);

    // Stopped and finished instances are purged at the next update.
    g_pSistemaSonido->ParaInstancia(ids[0]);
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(g_pSistemaSonido->BuscaInstancia(ids[0]), nullptr);
    EXPECT_EQ(g_pSistemaSonido->GetTiempoRestante(ids[0]), 0.0f);
    EXPECT_EQ(g_pSistemaSonido->NumInstancias(), 2);
    e.Mezcla(4410);
    EXPECT_LT(g_pSistemaSonido->GetTiempoRestante(ids[1]), 1e-6f);
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(g_pSistemaSonido->NumInstancias(), 0);
    EXPECT_EQ(m->m_iInstancias, 0);
    EXPECT_EQ(m->m_iUsos, 0);
    EXPECT_EQ(m->m_iPropietarios, 2);
    EXPECT_GE(g_pSistemaSonido->TocaMuestra(m, 1.0f), 0);
}

TEST(SistemaSonido, LostBuffersAreRestoredAtTheNextUpdate)
{
    EntornoSonido e("sonido_perdidos");
    ASSERT_TRUE(e.Correcto());
    e.Escribe("A.wav", audiotest::WavConstante(1, 0.05f, 1234));
    CMuestraSonido* m = g_pSistemaSonido->CargaMuestra("A.wav", 3, true);
    ASSERT_NE(m->m_pBuffer, nullptr);
    plat::LoseManualAudioBuffers();
    EXPECT_EQ(g_pSistemaSonido->TocaMuestra(m, 1.0f), -1); // lost: reported, not played
    g_pSistemaSonido->Actualiza();                           // restored and refilled from the file
    int id = g_pSistemaSonido->TocaMuestra(m, 1.0f);
    ASSERT_GE(id, 0);
    EXPECT_EQ(e.Mezcla(1)[0], 1234);
}

TEST(SistemaSonido, UseMarksLoadAndUnloadBuffers)
{
    EntornoSonido e("sonido_usos");
    ASSERT_TRUE(e.Correcto());
    e.Escribe("A.wav", audiotest::WavConstante(2, 0.05f));
    CMuestraSonido* m = g_pSistemaSonido->CargaMuestra("A.wav", 1, false);
    g_pSistemaSonido->MarcaMuestraEnUso(m);
    g_pSistemaSonido->RecargaMuestrasEnUso();
    ASSERT_NE(m->m_pBuffer, nullptr);
    EXPECT_EQ(m->m_iTamanoDatos, int(0.05f * 44100) * 4);
    g_pSistemaSonido->DesmarcaMuestraEnUso(m);
    g_pSistemaSonido->RecargaMuestrasEnUso();
    EXPECT_EQ(m->m_pBuffer, nullptr);
    EXPECT_EQ(g_pSistemaSonido->NumMuestras(), 1); // still owned
    g_pSistemaSonido->LiberaMuestra(m);
    g_pSistemaSonido->DescargaMuestrasSinUso();
    EXPECT_EQ(g_pSistemaSonido->NumMuestras(), 0);
}

TEST(SistemaSonido, SampleMasterVolumeAppliesToEveryInstance)
{
    EntornoSonido e("sonido_maestro_muestras");
    ASSERT_TRUE(e.Correcto());
    e.Escribe("A.wav", audiotest::WavConstante(2, 0.5f, 10000));
    CMuestraSonido* m = g_pSistemaSonido->CargaMuestra("A.wav", 1, true);
    g_pSistemaSonido->CambiaVolumenMuestras(0.5f);
    int id = g_pSistemaSonido->TocaMuestra(m, 1.0f);
    InstanciaMuestra* ins = g_pSistemaSonido->BuscaInstancia(id);
    ASSERT_NE(ins, nullptr);
    EXPECT_EQ(plat::AudioBufferVolume(ins->m_pBuffer), -602); // from the first moment
    g_pSistemaSonido->CambiaVolumenInstancia(id, 1.0f);
    EXPECT_EQ(plat::AudioBufferVolume(ins->m_pBuffer), -602);
    g_pSistemaSonido->CambiaVolumenInstancia(id, 7.0f); // clamped to 1
    EXPECT_EQ(plat::AudioBufferVolume(ins->m_pBuffer), -602);
    g_pSistemaSonido->CambiaVolumenMuestras(1.5f); // out of range: ignored
    EXPECT_FLOAT_EQ(g_pSistemaSonido->GetVolumenMuestras(), 0.5f);
}

// ---- streams ----------------------------------------------------------------------

TEST(SistemaSonido, StreamHalvesRefillOnlyInsideTheOtherHalf)
{
    EntornoSonido e("sonido_flujo_mitades");
    ASSERT_TRUE(e.Correcto());
    CFlujoOgg* s = g_pSistemaSonido->AbreFlujo(audiotest::Tono("TresMitades.ogg").c_str(), 1.0f, 128);
    ASSERT_NE(s, nullptr);
    const int h = s->m_iTamanoMitad;
    EXPECT_EQ(h, 11025 * 4);
    EXPECT_EQ(plat::AudioBufferSize(s->m_pBuffer), uint32_t(2 * h));
    EXPECT_TRUE(plat::AudioBufferPlaying(s->m_pBuffer));

    // Exactly 0: nothing is refilled.
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(s->m_bPrimeraRellenada, 1);
    EXPECT_EQ(s->m_bSegundaRellenada, 0);
    // Inside the first half: the second is refilled, once.
    e.Mezcla(1);
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(s->m_bSegundaRellenada, 1);
    EXPECT_EQ(s->m_bPrimeraRellenada, 0);
    // Exactly at the half: nothing.
    e.Mezcla(11024);
    ASSERT_EQ(plat::AudioBufferPosition(s->m_pBuffer), uint32_t(h));
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(s->m_bSegundaRellenada, 1);
    EXPECT_EQ(s->m_bPrimeraRellenada, 0);
    // Inside the second half: the first is refilled with the third quarter.
    e.Mezcla(1);
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(s->m_bPrimeraRellenada, 1);
    EXPECT_EQ(s->m_iMarcaFin, 0);
    // Back in the first half: the second refill finds the end, with no
    // data at all in the second half...
    e.Mezcla(11025);
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(s->m_iMarcaFin, 1);
    EXPECT_EQ(s->m_iFinDatos, h);
    // ...so the stream plays the first half (the file's last quarter) to its
    // end and stops at the first update past it, rewound.
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(g_pSistemaSonido->GetFinalesFlujo(s), 0);
    EXPECT_TRUE(plat::AudioBufferPlaying(s->m_pBuffer));
    e.Mezcla(11023); // on the first half's last frame
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(g_pSistemaSonido->GetFinalesFlujo(s), 0);
    e.Mezcla(1); // at the second half: the data are all heard
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(g_pSistemaSonido->GetFinalesFlujo(s), 1);
    EXPECT_FALSE(plat::AudioBufferPlaying(s->m_pBuffer));
    EXPECT_EQ(plat::AudioBufferPosition(s->m_pBuffer), 0u);
    EXPECT_EQ(s->m_iMarcaFin, 0);
    // A stopped stream counts no further ends.
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(g_pSistemaSonido->GetFinalesFlujo(s), 1);
    g_pSistemaSonido->CierraFlujo(s);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
}

TEST(SistemaSonido, ShortStreamsPlayEverySampleBeforeTheyEnd)
{
    EntornoSonido e("sonido_flujo_corto");
    ASSERT_TRUE(e.Correcto());
    // Exactly one half: the second half's fill decodes nothing; the stream
    // ends once the first half has been heard whole.
    CFlujoOgg* s = g_pSistemaSonido->AbreFlujo(audiotest::Tono("UnaMitad.ogg").c_str(), 1.0f, 128);
    ASSERT_NE(s, nullptr);
    e.Mezcla(100);
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(s->m_iMarcaFin, 1);
    e.Mezcla(100);
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(g_pSistemaSonido->GetFinalesFlujo(s), 0);
    e.Mezcla(11025 - 200 + 10);
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(g_pSistemaSonido->GetFinalesFlujo(s), 1);
    EXPECT_FALSE(plat::AudioBufferPlaying(s->m_pBuffer));
    g_pSistemaSonido->CierraFlujo(s);

    // Shorter than a half (mono 22051 Hz, one second in halves of 5512
    // frames): the data end inside a half; the stream stops at the update
    // after the position passes that point, not before.
    s = g_pSistemaSonido->AbreFlujo(audiotest::Tono("MonoImpar.ogg").c_str(), 1.0f, 128);
    ASSERT_NE(s, nullptr);
    int pasos = 0;
    while (s->m_iMarcaFin == 0 && pasos++ < 100) {
        e.Mezcla(441);
        g_pSistemaSonido->Actualiza();
    }
    ASSERT_NE(s->m_iMarcaFin, 0);
    int fin = s->m_iFinDatos;
    EXPECT_EQ(fin % 2, 0); // whole frames
    while (g_pSistemaSonido->GetFinalesFlujo(s) == 0 && pasos++ < 200) {
        int antes = int(plat::AudioBufferPosition(s->m_pBuffer));
        e.Mezcla(441);
        g_pSistemaSonido->Actualiza();
        if (g_pSistemaSonido->GetFinalesFlujo(s) == 0) {
            int inicio = s->m_iMarcaFin == 1 ? s->m_iTamanoMitad : 0;
            int ahora = int(plat::AudioBufferPosition(s->m_pBuffer));
            EXPECT_FALSE(ahora >= fin && ahora < inicio + s->m_iTamanoMitad) << "played past the data";
        } else {
            EXPECT_LT(antes, fin);
        }
    }
    EXPECT_EQ(g_pSistemaSonido->GetFinalesFlujo(s), 1);
}

TEST(SistemaSonido, LoopingStreamRestartsWithoutGapAndCountsEnds)
{
    EntornoSonido e("sonido_flujo_bucle");
    ASSERT_TRUE(e.Correcto());
    CFlujoOgg* s = g_pSistemaSonido->AbreFlujoEnBucle(audiotest::Tono("TresMitades.ogg").c_str(), 1.0f, 128);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->m_bBucle, 1);
    // The loop's beginning, heard first.
    std::vector<int16_t> inicio = e.Mezcla(4000);
    g_pSistemaSonido->Actualiza();
    std::vector<int16_t> todo = inicio;
    int finales = 0;
    // Three quarters of a second per loop, in 50 ms updates.
    for (int i = 0; i < 60; ++i) {
        std::vector<int16_t> t = e.Mezcla(2205);
        todo.insert(todo.end(), t.begin(), t.end());
        g_pSistemaSonido->Actualiza();
        finales = g_pSistemaSonido->GetFinalesFlujo(s);
    }
    EXPECT_TRUE(plat::AudioBufferPlaying(s->m_pBuffer));
    // 3 s of audio: four loops decoded (the decoder runs up to half a
    // second ahead), and the beginning follows each end without a gap: the
    // decoder blends its first window with what came before (a lapped
    // seek), and from then on the samples are the same.
    EXPECT_GE(finales, 4);
    EXPECT_LE(finales, 5);
    size_t periodo = size_t(3 * 11025) * 2;
    for (int k = 1; k <= 3; ++k) {
        size_t base = size_t(k) * periodo;
        ASSERT_LT(base + inicio.size(), todo.size());
        int pico = 0;
        for (size_t i = 0; i < 2 * 2048; ++i) pico = std::max(pico, std::abs(int(todo[base + i])));
        EXPECT_GT(pico, 12000) << "loop " << k; // no silence at the loop point
        for (size_t i = 2 * 2048; i < inicio.size(); i += 7) ASSERT_EQ(todo[base + i], inicio[i]) << "loop " << k << " at " << i;
    }
}

TEST(SistemaSonido, MonoStreamAtAnOddRateHasHalvesOfWholeFrames)
{
    EntornoSonido e("sonido_flujo_mono");
    ASSERT_TRUE(e.Correcto());
    CFlujoOgg* s = g_pSistemaSonido->AbreFlujo(audiotest::Tono("MonoImpar.ogg").c_str(), 1.0f, 128);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->m_Formato.channels, 1);
    EXPECT_EQ(s->m_Formato.rate, 22051);
    EXPECT_EQ(s->m_iTamanoMitad, (22051 / 4) * 2);
    EXPECT_EQ(plat::AudioBufferSize(s->m_pBuffer), uint32_t(2 * s->m_iTamanoMitad));
    // It plays through and ends once.
    int pasos = 0;
    while (g_pSistemaSonido->GetFinalesFlujo(s) == 0 && pasos++ < 100) {
        e.Mezcla(2205);
        g_pSistemaSonido->Actualiza();
    }
    EXPECT_EQ(g_pSistemaSonido->GetFinalesFlujo(s), 1);
}

TEST(SistemaSonido, MissingOrUndecodableStreamGivesNull)
{
    EntornoSonido e("sonido_flujo_malo");
    ASSERT_TRUE(e.Correcto());
    e.Escribe("Malo.ogg", "OggS this is not vorbis at all");
    EXPECT_EQ(g_pSistemaSonido->AbreFlujo("Malo.ogg", 1.0f, 128), nullptr);
    EXPECT_EQ(g_pSistemaSonido->AbreFlujo("NoEsta.ogg", 1.0f, 128), nullptr);
    EXPECT_EQ(g_pSistemaSonido->AbreFlujo(nullptr, 1.0f, 128), nullptr);
    EXPECT_EQ(g_pSistemaSonido->NumFlujos(), 0);
}

namespace {

// The frequency of a stretch of the left channel of mixed stereo output,
// from its rising zero crossings.
double Frecuencia(const std::vector<int16_t>& estereo, size_t desde, size_t cuadros)
{
    int cruces = 0;
    for (size_t i = desde + 1; i < desde + cuadros && 2 * i < estereo.size(); ++i)
        if (estereo[2 * (i - 1)] < 0 && estereo[2 * i] >= 0) ++cruces;
    return cruces * double(plat::kMixRate) / double(cuadros);
}

// Frames of output until the last one that is not silent.
size_t Sonando(const std::vector<int16_t>& estereo)
{
    for (size_t i = estereo.size(); i > 0; --i)
        if (std::abs(int(estereo[i - 1])) > 200) return (i - 1) / 2 + 1;
    return 0;
}

} // namespace

TEST(SistemaSonido, ChainedStreamPlaysEachLinkInItsOwnFormat)
{
    EntornoSonido e("sonido_flujo_encadenado");
    ASSERT_TRUE(e.Correcto());
    // Two files end to end make a chained stream: 0.75 s of 440 Hz in stereo
    // at 44100 Hz, then 1 s of 330 Hz in mono at 22051 Hz.
    e.Escribe("Encadenado.ogg", mgtest::LlegeixFitxer(audiotest::Tono("TresMitades.ogg")) +
                                    mgtest::LlegeixFitxer(audiotest::Tono("MonoImpar.ogg")));
    const size_t kSegundo = plat::kMixRate;

    // Played once: each link at its own pitch and length, then one end.
    CFlujoOgg* s = g_pSistemaSonido->AbreFlujo("Encadenado.ogg", 1.0f, 128);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->m_Formato.channels, 2);
    EXPECT_EQ(s->m_Formato.rate, 44100);
    std::vector<int16_t> todo;
    bool bMono = false;
    for (int pasos = 0; g_pSistemaSonido->GetFinalesFlujo(s) == 0 && pasos < 100; ++pasos) {
        std::vector<int16_t> t = e.Mezcla(2205);
        todo.insert(todo.end(), t.begin(), t.end());
        g_pSistemaSonido->Actualiza();
        if (s->m_Formato.channels == 1 && !bMono) {
            bMono = true;
            EXPECT_EQ(s->m_Formato.rate, 22051);
            EXPECT_EQ(s->m_iTamanoMitad, (22051 / 4) * 2);
            EXPECT_EQ(plat::AudioBufferSize(s->m_pBuffer), uint32_t(2 * s->m_iTamanoMitad));
            EXPECT_TRUE(plat::AudioBufferPlaying(s->m_pBuffer));
        }
    }
    EXPECT_TRUE(bMono);
    EXPECT_EQ(g_pSistemaSonido->GetFinalesFlujo(s), 1);
    // The change of link costs at most one update of silence (50 ms).
    size_t sonando = Sonando(todo);
    EXPECT_GE(sonando, kSegundo * 7 / 4 - kSegundo / 100);
    EXPECT_LE(sonando, kSegundo * 7 / 4 + kSegundo / 10);
    EXPECT_NEAR(Frecuencia(todo, kSegundo / 10, kSegundo / 2), 440.0, 10.0);
    EXPECT_NEAR(Frecuencia(todo, kSegundo, kSegundo / 2), 330.0, 10.0);
    g_pSistemaSonido->CierraFlujo(s);

    // Looping: each loop starts again in the first link's format, and a
    // rewind from the second link gets it back too.
    s = g_pSistemaSonido->AbreFlujoEnBucle("Encadenado.ogg", 1.0f, 128);
    ASSERT_NE(s, nullptr);
    std::string formatos = "2";
    todo.clear();
    for (int pasos = 0; pasos < 50; ++pasos) {
        std::vector<int16_t> t = e.Mezcla(2205);
        todo.insert(todo.end(), t.begin(), t.end());
        g_pSistemaSonido->Actualiza();
        char c = char('0' + s->m_Formato.channels);
        if (formatos.back() != c) formatos += c;
    }
    EXPECT_EQ(formatos, "212");
    EXPECT_TRUE(plat::AudioBufferPlaying(s->m_pBuffer));
    EXPECT_GE(g_pSistemaSonido->GetFinalesFlujo(s), 1);
    EXPECT_NEAR(Frecuencia(todo, kSegundo * 2, kSegundo / 4), 440.0, 10.0);
    for (int pasos = 0; s->m_Formato.channels != 1 && pasos < 50; ++pasos) {
        e.Mezcla(2205);
        g_pSistemaSonido->Actualiza();
    }
    ASSERT_EQ(s->m_Formato.channels, 1);
    g_pSistemaSonido->RebobinaFlujo(s);
    EXPECT_EQ(s->m_Formato.channels, 2);
    EXPECT_EQ(s->m_Formato.rate, 44100);
    EXPECT_EQ(s->m_iTamanoMitad, 11025 * 4);
    EXPECT_FALSE(plat::AudioBufferPlaying(s->m_pBuffer));
    EXPECT_EQ(plat::AudioBufferPosition(s->m_pBuffer), 0u);
    g_pSistemaSonido->CierraFlujo(s);
}

TEST(SistemaSonido, PriorityDuckingAndStreamMasterVolume)
{
    EntornoSonido e("sonido_prioridad");
    ASSERT_TRUE(e.Correcto());
    const std::string tono = audiotest::Tono("TresMitades.ogg");
    CFlujoOgg* alta = g_pSistemaSonido->AbreFlujoEnBucle(tono.c_str(), 1.0f, 128);
    CFlujoOgg* baja = g_pSistemaSonido->AbreFlujoEnBucle(tono.c_str(), 1.0f, 64);
    ASSERT_NE(alta, nullptr);
    ASSERT_NE(baja, nullptr);
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(plat::AudioBufferVolume(alta->m_pBuffer), 0);
    EXPECT_EQ(plat::AudioBufferVolume(baja->m_pBuffer), -602); // half its volume

    // The stream master takes effect at once on every stream.
    g_pSistemaSonido->CambiaVolumenFlujos(0.5f);
    EXPECT_EQ(plat::AudioBufferVolume(alta->m_pBuffer), -602);
    EXPECT_EQ(plat::AudioBufferVolume(baja->m_pBuffer), -1204);
    g_pSistemaSonido->CambiaVolumenFlujos(-0.1f); // ignored
    EXPECT_FLOAT_EQ(g_pSistemaSonido->GetVolumenFlujos(), 0.5f);
    g_pSistemaSonido->CambiaVolumenFlujos(1.0f);

    // Alone, at its full volume.
    g_pSistemaSonido->CierraFlujo(alta);
    g_pSistemaSonido->Actualiza();
    EXPECT_EQ(plat::AudioBufferVolume(baja->m_pBuffer), 0);

    // Only stopped streams count for nothing: the factor stays 1 rather
    // than a division by zero.
    g_pSistemaSonido->RebobinaFlujo(baja);
    g_pSistemaSonido->Actualiza();
    EXPECT_FLOAT_EQ(baja->m_fFactorPrioridad, 1.0f);
    EXPECT_EQ(plat::AudioBufferVolume(baja->m_pBuffer), 0);
}

TEST(SistemaSonido, ThreadUpdatesAndStopsCleanly)
{
    EntornoSonido e("sonido_hilo");
    ASSERT_TRUE(e.Correcto());
    e.Escribe("A.wav", audiotest::WavConstante(1, 0.01f));
    CMuestraSonido* m = g_pSistemaSonido->CargaMuestra("A.wav", 3, true);
    ASSERT_GE(g_pSistemaSonido->TocaMuestra(m, 1.0f), 0);
    e.Mezcla(441);
    // The sound thread purges the finished instance by itself (within a
    // generous deadline: a loaded machine may leave it waiting a while).
    EXPECT_TRUE(kit::EsperaHasta([] { return g_pSistemaSonido->NumInstancias() == 0; }, 20000));
    g_pSistemaSonido->Para();
    EXPECT_FALSE(g_pSistemaSonido->EstaIniciado());
    EXPECT_FALSE(plat::AudioIsOpen());
}

} // namespace
