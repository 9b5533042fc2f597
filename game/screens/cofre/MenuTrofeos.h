// The trophy cabinet of the chest: the 39 trophies placed on their shelf,
// each named after its marker, so a trophy not yet won is black and does
// nothing. A won trophy opens its description in a box while its picture
// grows in, large, above it; closing the box fades the picture out. Back
// returns to the chest.
#pragma once
#include "engine/core/Temporizador.h"
#include "game/screens/BaseMenu.h"

#include <string>

class CBotonIconoTazmo;
class CBotonTazmo;
class CMsgBoxTazmo;
class CSPM;

class CMenuTrofeos : public CBaseMenu {
public:
    static constexpr int kNumTrofeos = 39;
    static constexpr int kNumPaquetes = 3;
    enum { ID_VOLVER = 40, ID_CAJA = 41 };
    static constexpr int kPasosFundido = 10;

    // One trophy of the cabinet.
    struct FilaTrofeo {
        int iTrofeo;  // n of its marker "MTrofeo_n"
        int iPaquete; // 0..2: Trofeos1..3
        int iFrame;
        float x, y, fEscala;
        const char* szTexto; // hint and description
    };
    static const FilaTrofeo& Fila(int i);
    static std::string Marcador(int i);

    CMenuTrofeos() = default;
    ~CMenuTrofeos() override;

    void Actualiza() override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void DibujaSobreHijos(Sprite* pDestino) override;

    bool Crea();
    void Libera();

    bool CajaAbierta() const { return m_bCajaAbierta; }
    int TrofeoMostrado() const { return m_iMostrado; }
    float Fundido() { return m_tFundido.Fraccion(PROGRESO_LIMITADO); }
    // Where the shown trophy's picture stands in its open box: its centre
    // and scale (false while no box shows one).
    bool ImagenMostrada(float* pfX, float* pfY, float* pfEscala, float* pfAncho, float* pfAlto) const;

    CBotonIconoTazmo* m_apTrofeos[kNumTrofeos] = {};
    CBotonTazmo* m_pBotonVolver = nullptr;
    CMsgBoxTazmo* m_pCaja = nullptr;
    CSPM* m_apPaquetes[kNumPaquetes] = {};

private:
    void LiberaPropios();
    bool Construye();
    void AbreCaja(int i);
    void ColocaBajoImagen();

    CTemporizador m_tFundido;
    bool m_bCajaAbierta = false;
    int m_iMostrado = -1;
};
