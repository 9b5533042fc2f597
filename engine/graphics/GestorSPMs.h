// The sprite-package cache: each .SPM file is read once per path (compared
// without regard to case); users take their own copy of the cached package
// with CSPM::Copia, which shares its bitmaps.
#pragma once
#include "engine/graphics/SPM.h"

#include <memory>

struct NodoSPM {
    bool m_bValido = false;
    char m_szRuta[kLongitudRutaSPM] = {};
    CSPM* m_pSPM = nullptr; // owned
    NodoSPM* m_pSiguiente = nullptr;
};

class CGestorSPMs {
public:
    CGestorSPMs() = default;
    ~CGestorSPMs();
    CGestorSPMs(const CGestorSPMs&) = delete;
    CGestorSPMs& operator=(const CGestorSPMs&) = delete;

    bool Inicia();
    void Reinicia();
    bool EstaIniciado() const { return m_bIniciado; }

    // The cached package of a path, loaded into a new node on a miss (also
    // when the file is missing: the package then shows the placeholder).
    // Null for a null path or one longer than the file system opens.
    CSPM* GetSPM(const char* szRuta);
    // Loads the path unless it is cached; optionally marks a newly loaded
    // package in use.
    bool Carga(const char* szRuta, bool bMarcaEnUso);
    bool BuscaNodo(const char* szRuta) const;
    // Deletes every node and its package. Copies keep working: their sprites
    // hold references on the shared bitmaps.
    void Vacia();
    void Libera() { Vacia(); }
    int NumPaquetes() const;

private:
    NodoSPM* Busca(const char* szRuta) const;
    NodoSPM* NuevoNodo(const char* szRuta);

    bool m_bIniciado = false;
    NodoSPM* m_pPrimero = nullptr;
};

extern CGestorSPMs* g_pGestorSPMs;

// A package of one's own: a copy of the cached package of a path (loaded into
// the cache on a miss). Null without a cache, for a null or empty path, or
// when the copy cannot be made.
std::unique_ptr<CSPM> CopiaPaqueteCache(const char* szRuta);
