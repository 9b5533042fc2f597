// The audio engine: WAV samples shared by name and played as instances, Ogg
// Vorbis music streamed through a buffer of two halves refilled by whoever
// updates first (the main loop every logic step, the sound thread every
// 50 ms), master volumes, and priority ducking of streams.
#pragma once
#include "engine/core/Lista.h"
#include "platform/Audio.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

struct FicheroSonido;
struct OggVorbis_File;

// Volume 0..1 to attenuation in hundredths of a decibel (-10000..0).
int VolumenADecibelios(float volumen);

// One WAV file, shared by name.
class CMuestraSonido {
public:
    char m_szFichero[500] = {};
    plat::AudioBuffer* m_pBuffer = nullptr; // null while unloaded
    int m_iUsos = 0;        // reasons to keep the buffer loaded
    int m_iPropietarios = 0; // holders of the record
    int m_iInstancias = 0;   // instances playing
    float m_fUltimoVolumen = 1.0f;
    int m_iMaxInstancias = 0;
    int m_iTamanoDatos = 0; // bytes, recorded when the buffer is loaded
};

// One playing copy of a sample.
struct InstanciaMuestra {
    CMuestraSonido* m_pMuestra = nullptr;
    plat::AudioBuffer* m_pBuffer = nullptr;
    int m_iId = -1;
    int m_iPosicionReanudar = -1;
};

// One Ogg stream.
class CFlujoOgg {
public:
    plat::AudioBuffer* m_pBuffer = nullptr;
    int m_iTamanoMitad = 0; // bytes, whole frames
    uint8_t m_bPrimeraRellenada = 0;
    uint8_t m_bSegundaRellenada = 0;
    int m_iMarcaFin = 0; // 0 none, 1 the data ran out in the second half, 2 in the first
    int m_iFinDatos = 0;  // with an end marker: byte in the buffer where the data stop
    uint8_t m_bEnMitadFin = 0; // the play position has reached the marker's half
    uint8_t m_bBucle = 0;
    int m_iFinales = 0;
    uint8_t m_iPrioridad = 128;
    FicheroSonido* m_pFichero = nullptr;
    plat::AudioFormat m_Formato;
    OggVorbis_File* m_pVorbis = nullptr;
    float m_fVolumen = 1.0f;
    float m_fFactorPrioridad = 1.0f;
    uint8_t m_bCuentaPrioridad = 0;
    // A chained stream whose next link is in another format: the samples
    // already decoded from that link, in its format, kept for the buffer
    // made for it once this buffer's data have been heard.
    std::vector<char> m_PcmSiguiente;
};

// Where a WAV file's samples lie, after checking the RIFF chunks against the
// file's length.
struct DatosWav {
    plat::AudioFormat formato;
    size_t inicio = 0; // offset of the first sample byte
    size_t bytes = 0;  // whole frames only
};
bool AnalizaWav(const uint8_t* datos, size_t tamano, DatosWav* resultado);

class CSistemaSonido {
public:
    CSistemaSonido() = default;
    ~CSistemaSonido();
    CSistemaSonido(const CSistemaSonido&) = delete;
    CSistemaSonido& operator=(const CSistemaSonido&) = delete;

    bool Inicia(float volumenMusica, float volumenSonido);
    void Para();
    bool EstaIniciado() const { return m_bIniciado != 0; }

    CMuestraSonido* CargaMuestra(const char* fichero, int maxInstancias, bool cargarYa);
    void RetieneMuestra(CMuestraSonido* muestra);
    void LiberaMuestra(CMuestraSonido* muestra);
    void MarcaMuestraEnUso(CMuestraSonido* muestra);
    void DesmarcaMuestraEnUso(CMuestraSonido* muestra);
    void DescargaMuestrasSinUso();
    void CargaMuestrasEnUso();
    void RecargaMuestrasEnUso();

    int TocaMuestra(CMuestraSonido* muestra, float volumen);
    void CambiaVolumenInstancia(int id, float volumen);
    void ParaInstancia(int id);
    float GetTiempoRestante(int id);
    InstanciaMuestra* BuscaInstancia(int id);

    void CambiaVolumenMuestras(float v);
    void CambiaVolumenFlujos(float v);
    float GetVolumenMuestras() const { return m_fVolumenMuestras; }
    float GetVolumenFlujos() const { return m_fVolumenFlujos; }

    CFlujoOgg* AbreFlujo(const char* fichero, float volumen, int prioridad);
    CFlujoOgg* AbreFlujoEnBucle(const char* fichero, float volumen, int prioridad);
    void CierraFlujo(CFlujoOgg* flujo);
    void RebobinaFlujo(CFlujoOgg* flujo);
    void CambiaVolumenFlujo(CFlujoOgg* flujo, float volumen);
    void AplicaVolumenFlujos();
    int GetFinalesFlujo(CFlujoOgg* flujo);

    void Actualiza();

    // Counts, for tests and the sound manager's checks.
    int NumMuestras();
    int NumInstancias();
    int NumFlujos();

    // Fill results.
    enum {
        RELLENO_HECHO = 0,
        RELLENO_PERDIDO = 1,
        RELLENO_BLOQUEO = 2,
        RELLENO_DESBLOQUEO = 4,
        RELLENO_SIN_FLUJO = 5,
        RELLENO_VACIO = 6,
    };

private:
    CFlujoOgg* AbreFlujoInterno(const char* fichero, float volumen, int prioridad, bool bucle);
    // Makes the stream's buffer (two halves of a quarter of a second) in the
    // given format, in place of the one it has; false, keeping the old one,
    // when it cannot be made.
    bool CreaBufferFlujo(CFlujoOgg* s, const plat::AudioFormat& formato);
    // The next link of a chained stream goes on in a buffer of its own format.
    bool PasaAlSiguienteEnlace(CFlujoOgg* s);
    bool CargaBufferMuestra(CMuestraSonido* muestra);
    void DescargaBufferMuestra(CMuestraSonido* muestra);
    int RellenaMitad(CFlujoOgg* flujo, int mitad);
    void ActualizaFlujos();
    void AplicaVolumenFlujo(CFlujoOgg* flujo);
    void LiberaFlujo(CFlujoOgg* flujo);
    void LiberaTodo();
    void Hilo();

    uint8_t m_bIniciado = 0;
    CLista m_Muestras;
    CLista m_Flujos;
    CLista m_Instancias;
    int m_iUltimaActualizacion = 0;
    uint8_t m_bBufferPerdido = 0;
    std::thread m_Hilo;
    std::recursive_mutex m_Mutex;
    std::atomic<bool> m_bPararHilo{false};
    std::atomic<bool> m_bHiloTerminado{true};
    float m_fVolumenFlujos = 1.0f;
    float m_fVolumenMuestras = 1.0f;
    uint8_t m_bAutoLiberar = 0;
    int m_iSiguienteId = 0;
};

extern CSistemaSonido* g_pSistemaSonido;
