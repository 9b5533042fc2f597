// Decoding PNG images from any byte source (a data file, memory) into 32-bit
// ARGB texels, as the graphics system stores them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// Reads up to n bytes into dst; returns how many were read (0 at the end).
using LlegeixBytesPNG = size_t (*)(void* pUsuari, uint8_t* pDesti, size_t n);

// The largest side accepted (the largest texture).
constexpr int kMidaMaximaPNG = 4096;

// The first four bytes of every PNG file.
bool EsSignaturaPNG(const uint8_t* pBytes, size_t n);

// An allocator that leaves new elements unset: the decoder writes every
// texel, so zeroing them first would only fill memory twice.
template <class T>
struct SenseInicialitzar : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = SenseInicialitzar<U>;
    };
    SenseInicialitzar() = default;
    template <class U>
    SenseInicialitzar(const SenseInicialitzar<U>&) noexcept
    {
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args)
    {
        if constexpr (sizeof...(Args) == 0)
            ::new (static_cast<void*>(p)) U;
        else
            ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

struct ImatgePNG {
    int iAmplada = 0, iAlcada = 0;
    // Row by row, top first, 0xAARRGGBB; empty when the image's form is not
    // one that is converted (other bit depths, grey without palette).
    std::vector<uint32_t, SenseInicialitzar<uint32_t>> aTexels;
};

// Both read from a source whose first four bytes (the signature) have
// already been taken. False when libpng reports an error.
bool LlegeixMidaPNG(LlegeixBytesPNG pfnLlegeix, void* pUsuari, int* piAmplada, int* piAlcada);
bool DescodificaPNG(LlegeixBytesPNG pfnLlegeix, void* pUsuari, bool bOpac, ImatgePNG* pImatge);

// PNG data files read through the data file system (our read callback on
// its open file). False when the file does not open, does not begin with
// the signature, or libpng reports an error. With bNomesCapcalera only the
// size is read.
bool LlegeixFitxerPNG(const char* szNom, bool bNomesCapcalera, bool bOpac, ImatgePNG* pImatge);
// The data file opens and begins with the PNG signature.
bool ComencaAmbFirmaPNG(const char* szNom);
