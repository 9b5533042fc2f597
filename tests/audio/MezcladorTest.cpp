// The platform's audio device on the manual device: mixer output checked
// sample by sample.
#include "engine/audio/SistemaSonido.h"
#include "kit/BucleAplicacion.h"
#include "platform/Audio.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

class Mezclador : public ::testing::Test {
protected:
    void SetUp() override
    {
        plat::UseManualAudio(true);
        ASSERT_TRUE(plat::OpenAudio());
    }
    void TearDown() override
    {
        for (plat::AudioBuffer* b : m_buffers) plat::ReleaseAudioBuffer(b);
        plat::CloseAudio();
        plat::UseManualAudio(false);
    }

    plat::AudioBuffer* Buffer16(int canales, int tasa, const std::vector<int16_t>& muestras)
    {
        plat::AudioFormat f;
        f.channels = canales;
        f.bitsPerSample = 16;
        f.rate = tasa;
        plat::AudioBuffer* b = plat::CreateAudioBuffer(f, uint32_t(muestras.size() * 2));
        EXPECT_NE(b, nullptr);
        void* p = nullptr;
        EXPECT_EQ(plat::LockAudioBuffer(b, 0, uint32_t(muestras.size() * 2), &p), plat::AudioResult::Ok);
        std::memcpy(p, muestras.data(), muestras.size() * 2);
        EXPECT_EQ(plat::UnlockAudioBuffer(b), plat::AudioResult::Ok);
        m_buffers.push_back(b);
        return b;
    }

    std::vector<int16_t> Mezcla(int cuadros)
    {
        std::vector<int16_t> s(size_t(cuadros) * 2, 12345);
        EXPECT_TRUE(plat::RenderManualAudio(s.data(), cuadros));
        return s;
    }

    std::vector<plat::AudioBuffer*> m_buffers;
};

TEST(Volumen, DecibelTable)
{
    struct Caso {
        float volumen;
        int db;
    } casos[] = {
        {1.0f, 0}, {0.5f, -602}, {0.0f, -10000}, {0.1f, -2000}, {2.0f, 0}, {-1.0f, -10000}, {1e-30f, -10000}, {NAN, -10000},
    };
    for (const Caso& c : casos) EXPECT_EQ(VolumenADecibelios(c.volumen), c.db) << c.volumen;
    EXPECT_FLOAT_EQ(plat::GainOfVolume(0), 1.0f);
    EXPECT_FLOAT_EQ(plat::GainOfVolume(-10000), 0.0f);
    EXPECT_NEAR(plat::GainOfVolume(-602), 0.5f, 0.001f);
    EXPECT_NEAR(plat::GainOfVolume(-2000), 0.1f, 1e-6f);
}

TEST_F(Mezclador, KnownInputComesOutUnchangedAtFullVolume)
{
    plat::AudioBuffer* b = Buffer16(2, 44100, {1000, -1000, 2000, -2000, 3000, -3000, 4000, -4000});
    EXPECT_EQ(plat::PlayAudioBuffer(b, false), plat::AudioResult::Ok);
    std::vector<int16_t> s = Mezcla(6);
    std::vector<int16_t> esperado = {1000, -1000, 2000, -2000, 3000, -3000, 4000, -4000, 0, 0, 0, 0};
    EXPECT_EQ(s, esperado);
    // Played once to its end: stopped, cursor left at the end.
    EXPECT_FALSE(plat::AudioBufferPlaying(b));
    EXPECT_EQ(plat::AudioBufferPosition(b), 16u);
}

TEST_F(Mezclador, VolumeMonoResamplingAndSaturation)
{
    // -602 hundredths of a dB halves the signal.
    plat::AudioBuffer* a = Buffer16(2, 44100, {1000, 1000, 1000, 1000});
    plat::SetAudioBufferVolume(a, -602);
    plat::PlayAudioBuffer(a, false);
    std::vector<int16_t> s = Mezcla(2);
    EXPECT_NEAR(s[0], 500, 1);
    EXPECT_NEAR(s[3], 500, 1);
    plat::ReleaseAudioBuffer(a);
    m_buffers.clear();

    // A mono buffer at half the rate: each source frame lasts two output
    // frames, the one between interpolated, both channels alike.
    plat::AudioBuffer* m = Buffer16(1, 22050, {0, 1000, 2000, 3000});
    plat::PlayAudioBuffer(m, false);
    s = Mezcla(6);
    std::vector<int16_t> esperado = {0, 0, 500, 500, 1000, 1000, 1500, 1500, 2000, 2000, 2500, 2500};
    EXPECT_EQ(s, esperado);
    plat::ReleaseAudioBuffer(m);
    m_buffers.clear();

    // Two loud voices saturate instead of wrapping round.
    plat::AudioBuffer* x = Buffer16(2, 44100, {30000, -30000});
    plat::AudioBuffer* y = Buffer16(2, 44100, {30000, -30000});
    plat::PlayAudioBuffer(x, false);
    plat::PlayAudioBuffer(y, false);
    s = Mezcla(1);
    EXPECT_EQ(s[0], 32767);
    EXPECT_EQ(s[1], -32768);
}

TEST_F(Mezclador, LoopStopPositionAndDuplicates)
{
    plat::AudioBuffer* b = Buffer16(2, 44100, {1, 1, 2, 2, 3, 3});
    plat::PlayAudioBuffer(b, true);
    std::vector<int16_t> s = Mezcla(7);
    std::vector<int16_t> esperado = {1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 3, 1, 1};
    EXPECT_EQ(s, esperado);
    EXPECT_TRUE(plat::AudioBufferPlaying(b));
    EXPECT_EQ(plat::AudioBufferPosition(b), 4u); // frame 1 of 3

    // Stopping keeps the cursor; playing again goes on from it.
    plat::StopAudioBuffer(b);
    s = Mezcla(1);
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(plat::AudioBufferPosition(b), 4u);
    plat::SetAudioBufferPosition(b, 8);
    plat::PlayAudioBuffer(b, false);
    s = Mezcla(2);
    EXPECT_EQ(s[0], 3);
    EXPECT_EQ(s[2], 0);

    // A duplicate shares the data with a cursor and volume of its own.
    plat::AudioBuffer* d = nullptr;
    ASSERT_EQ(plat::DuplicateAudioBuffer(b, &d), plat::AudioResult::Ok);
    m_buffers.push_back(d);
    plat::SetAudioBufferVolume(d, -10000);
    plat::PlayAudioBuffer(d, false);
    s = Mezcla(3);
    EXPECT_EQ(s, std::vector<int16_t>(6, 0));
    EXPECT_EQ(plat::AudioBufferPosition(d), 12u);
    EXPECT_EQ(plat::AudioBufferVolume(b), 0);
}

TEST_F(Mezclador, EightBitAndLostBuffers)
{
    plat::AudioFormat f;
    f.channels = 1;
    f.bitsPerSample = 8;
    f.rate = 44100;
    plat::AudioBuffer* b = plat::CreateAudioBuffer(f, 2);
    m_buffers.push_back(b);
    void* p = nullptr;
    ASSERT_EQ(plat::LockAudioBuffer(b, 0, 2, &p), plat::AudioResult::Ok);
    static const uint8_t bytes[2] = {128 + 10, 128 - 10};
    std::memcpy(p, bytes, 2);
    plat::UnlockAudioBuffer(b);
    plat::PlayAudioBuffer(b, false);
    std::vector<int16_t> s = Mezcla(2);
    EXPECT_EQ(s[0], 2560);
    EXPECT_EQ(s[2], -2560);

    // A lock outside the buffer fails; a lost buffer reports it until restored.
    EXPECT_EQ(plat::LockAudioBuffer(b, 1, 2, &p), plat::AudioResult::Failed);
    plat::LoseManualAudioBuffers();
    EXPECT_EQ(plat::PlayAudioBuffer(b, false), plat::AudioResult::Lost);
    plat::AudioBuffer* d = nullptr;
    EXPECT_EQ(plat::DuplicateAudioBuffer(b, &d), plat::AudioResult::Lost);
    EXPECT_EQ(plat::RestoreAudioBuffer(b), plat::AudioResult::Ok);
    EXPECT_EQ(plat::PlayAudioBuffer(b, false), plat::AudioResult::Ok);
}

TEST_F(Mezclador, VolumeChangeGlidesOverOneBlock)
{
    std::vector<int16_t> muestras(2 * 200, 10000);
    plat::AudioBuffer* b = Buffer16(2, 44100, muestras);
    plat::PlayAudioBuffer(b, true);
    Mezcla(10);
    plat::SetAudioBufferVolume(b, -10000);
    std::vector<int16_t> s = Mezcla(100);
    EXPECT_GT(s[0], 9000);  // still near the old volume at the start...
    EXPECT_LT(s[198], 200); // ...and near silence at the end of the block
    s = Mezcla(10);
    EXPECT_EQ(s, std::vector<int16_t>(20, 0));
}

} // namespace

namespace {

// The real device, on SDL's dummy output or with no output at all: buffers
// are mixed on another thread and move in real time either way.
bool TerminaSolo(plat::AudioBuffer* b)
{
    // A loaded machine may leave the mixing thread waiting a good while.
    return kit::EsperaHasta([b] { return !plat::AudioBufferPlaying(b); }, 20000);
}

plat::AudioBuffer* BufferCorto()
{
    plat::AudioFormat f; // 16-bit stereo 44.1 kHz
    return plat::CreateAudioBuffer(f, 441 * 4);
}

TEST(DispositivoAudio, RealDeviceMixesOnItsOwnThread)
{
    plat::UseManualAudio(false);
    ASSERT_TRUE(plat::OpenAudio());
    EXPECT_FALSE(plat::OpenAudio()); // already open
    plat::AudioBuffer* b = BufferCorto();
    ASSERT_NE(b, nullptr);
    plat::PlayAudioBuffer(b, false);
    EXPECT_TRUE(TerminaSolo(b));
    EXPECT_EQ(plat::AudioBufferPosition(b), 441u * 4);
    int16_t s[2];
    EXPECT_FALSE(plat::RenderManualAudio(s, 1)); // not the manual device
    plat::ReleaseAudioBuffer(b);
    plat::CloseAudio();
}

TEST(DispositivoAudio, NoOutputRunsSilently)
{
    const char* antes = std::getenv("SDL_AUDIODRIVER");
    std::string guardado = antes ? antes : "";
    setenv("SDL_AUDIODRIVER", "no_such_output", 1);
    plat::UseManualAudio(false);
    ASSERT_TRUE(plat::OpenAudio());
    EXPECT_TRUE(plat::AudioIsSilent());
    plat::AudioBuffer* b = BufferCorto();
    plat::PlayAudioBuffer(b, false);
    EXPECT_TRUE(TerminaSolo(b));
    plat::ReleaseAudioBuffer(b);
    plat::CloseAudio();
    EXPECT_FALSE(plat::AudioIsOpen());
    if (antes)
        setenv("SDL_AUDIODRIVER", guardado.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}

} // namespace
