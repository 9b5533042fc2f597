// The sound manager: what screens call. Sound slots play by index (looked up
// once by name), music slots by name on named channels. Updated by the main
// loop on every pass; its ramps, smoothing and crossfades advance once per
// logic step.
#pragma once
#include "engine/core/Lista.h"

#include <cstdint>

class CBancoRanuras;
class CCanalMusica;
class CRanuraSonido;

class CGestorSonido {
public:
    CGestorSonido() = default;
    ~CGestorSonido();
    CGestorSonido(const CGestorSonido&) = delete;
    CGestorSonido& operator=(const CGestorSonido&) = delete;

    bool Inicia(CBancoRanuras* banco);
    void Libera();
    bool EstaIniciado() const { return m_bIniciado != 0; }

    int BuscaRanuraSonido(const char* nombre);
    void MarcaRanuraSonidoEnUso(int indice);
    void DesmarcaRanuraSonidoEnUso(int indice);
    void RecargaMuestrasSonido();
    CRanuraSonido* TocaRanuraSonido(int indice, bool sinDueno);
    CRanuraSonido* TocaRanuraSonidoBucle(int indice, int repeticiones, bool sinDueno);
    void LiberaInstanciaSonido(CRanuraSonido* instancia);

    void TocaRanuraMusica(const char* ranura, const char* canal, int repeticiones);
    void TocaRanuraMusicaEnCanal(CCanalMusica* canal, const char* ranura, int repeticiones);
    CCanalMusica* GetCanal(const char* nombre);
    void ParaCanal(CCanalMusica* canal, bool deInmediato);

    void Actualiza();

    // State, for tests.
    // The music slot a channel plays (the last asked for on it); "" without
    // such a channel, or while it stops or is silent. Changes nothing.
    const char* MusicaDeCanal(const char* nombre);
    int NumSonidos() const { return m_Sonidos.m_iNumElementos; }
    int NumCanales() const { return m_Canales.m_iNumElementos; }
    float PesoSonidoSuavizado() const { return m_fPesoSonido; }
    float PesoMusicaSuavizado() const { return m_fPesoMusica; }

private:
    CRanuraSonido* Lanza(int indice, bool sinDueno);

    uint8_t m_bIniciado = 0;
    CBancoRanuras* m_pBanco = nullptr;
    CLista m_Sonidos;        // playing sound-slot instances
    CLista m_SinDueno;       // those played fire-and-forget
    CLista m_SonidosBorrar;  // to delete at the next step
    CLista m_Canales;
    CLista m_CanalesParando;
    CLista m_CanalesBorrar;
    float m_fFactorVolumen = 1.0f;
    float m_fPesoMusicaObjetivo = 0.0f;
    float m_fPesoMusica = 1.0f;
    float m_fPesoSonidoObjetivo = 0.0f;
    float m_fPesoSonido = 1.0f;
    int m_iUltimoPaso = 0;
    bool m_bPasoVisto = false;
};

extern CGestorSonido* g_pGestorSonido;
