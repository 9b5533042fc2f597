// A sound slot: entry, loop and exit samples with volume, weight and fades.
// The bank holds the definitions; the sound manager plays copies of them,
// each a small state machine that chains its samples.
#pragma once
#include <cstdint>

class CMuestraSonido;
struct FitxerComandes;

class CRanuraSonido {
public:
    enum { MAX_MUESTRAS = 10, LONG_NOMBRE = 128 };
    enum { ESTADO_INACTIVO = 0, ESTADO_ENTRADA = 1, ESTADO_BUCLE = 2, ESTADO_SALIDA = 3, ESTADO_APAGANDO = 4 };
    // Time left below which the playing sample counts as ending (one step).
    static constexpr float kFinCercano = 0.033333335f;

    CRanuraSonido() = default;
    ~CRanuraSonido();
    CRanuraSonido(const CRanuraSonido&) = delete;
    CRanuraSonido& operator=(const CRanuraSonido&) = delete;

    // Definition.
    void PonNombre(const char* nombre);
    bool AgregaMuestraEntrada(const char* fichero);
    bool AgregaMuestraBucle(const char* fichero);
    bool AgregaMuestraSalida(const char* fichero);
    // Reads one record after its start line, up to its end line; false when
    // the record is not valid (it then keeps no data).
    bool Lee(FitxerComandes* fichero);
    // Drops the owner references on every sample and empties the definition.
    void LiberaMuestras();
    // A playing copy of `definicion` holding its own sample references.
    void CopiaDe(const CRanuraSonido& definicion);
    // Adds or removes a use on every sample.
    void MarcaEnUso(bool enUso);

    // Playing.
    void Toca();
    void Para(int modo);
    void FijaVolumen(float v);
    void CambiaVolumen(float objetivo, int pasos);
    void FijaVolumenGeneral(float factor) { m_fFactorGeneral = factor; }
    void Actualiza(float pesoMaximo);
    int EligeMuestraBucle();
    bool EstaInactiva() const { return m_iEstado == ESTADO_INACTIVO; }

    CMuestraSonido* m_pEntrada[MAX_MUESTRAS] = {};
    CMuestraSonido* m_pBucle[MAX_MUESTRAS] = {};
    CMuestraSonido* m_pSalida[MAX_MUESTRAS] = {};
    int m_iNumEntrada = 0;
    int m_iNumBucle = 0;
    int m_iNumSalida = 0;
    char m_szNombre[LONG_NOMBRE] = {};
    float m_fVolumen = 1.0f;
    float m_fPeso = 1.0f;
    float m_fX = 0.0f, m_fY = 0.0f, m_fZ = 0.0f;
    uint8_t m_bAtenderOyente = 0;
    int m_iFadeIn = 0;
    int m_iFadeOut = 0;
    int m_iCriterioBucle = 3;

    // Playing state.
    int m_iEstado = ESTADO_INACTIVO;
    int m_iInstancia = -1;
    int m_iBucles = 0;
    int m_iUltimoBucle = -1;
    int m_iSiguienteBucle = 0;
    uint8_t m_bBucleTocado[MAX_MUESTRAS] = {};
    float m_fVolActual = 1.0f;
    float m_fVolObjetivo = 1.0f;
    float m_fVolPaso = 0.0f;
    float m_fFactorGeneral = 1.0f;
    float m_fPesoCalculado = 0.0f;
    float m_fVolumenFinal = 0.0f;
    // Played without an owner: once its loop has run out it ends by itself.
    uint8_t m_bSinDueno = 0;

private:
    bool Agrega(CMuestraSonido** lista, int* num, const char* fichero);
    void Entrada();
    void Bucle();
    void Salida();
    void Apagado();
    bool TocaMuestraDe(CMuestraSonido* m);
    bool Terminando();
};
