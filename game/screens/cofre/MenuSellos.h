// The seal gallery of the chest: the 52 seals on nine pages of six over
// small turning circles, each named after the marker its figure unlocks
// (so a seal not yet completed is locked). A seal opens enlarged over a
// dark veil and the large turning circle; pressing the veil closes it. Back
// returns to the chest.
#pragma once
#include "game/screens/cofre/MenuPaginado.h"

#include <string>

class CSPM;

class CMenuSellos : public CMenuPaginado {
public:
    enum { ID_VOLVER = 0, ID_PRIMER_HUECO = 1, ID_ANTERIOR = 7, ID_SIGUIENTE = 8, ID_IMAGEN = 9 };
    static constexpr int kHuecos = 6;
    static constexpr int kElementos = 52;
    static constexpr int kPaginas = 9;
    static constexpr float kPasoVista = 0.1f;
    static constexpr int kPasosGiro = 900;

    CMenuSellos();
    ~CMenuSellos() override;

    void Actualiza() override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void DibujaContenido(Sprite* pDestino) override;
    void DibujaEncima(Sprite* pDestino) override;

    bool Crea();

    // ---- The screen's decisions ----
    // The seal of slot k on page p, -1 past the last.
    static int ElementoDeHueco(int p, int k) { return CMenuPaginado::ElementoDeHueco(p, k, kHuecos, kElementos); }
    // Seal i's package and name code (null outside 0..51).
    static const char* PaqueteSello(int i);
    static const char* CodigoSello(int i);
    // Seal i's marker: the one its figure's victory unlocks.
    static std::string Marcador(int i);
    // The view's strength one step on: up while a seal is open, else down.
    static float PasoVista(float v, bool bAbierto);

    bool SelloAbierto() const { return ElementoAbierto(); }
    float Vista() const { return m_fVista; }

    CSPM* m_pSPMCirculo = nullptr;
    CSPM* m_pSPMFondo = nullptr;
    CSPM* m_pSPMSelloGrande = nullptr;

protected:
    bool ConstruyePropios() override;
    void LiberaPropios() override;
    bool IniciaHueco(CBotonIconoTazmo* pIcono, int k, int i) override;
    bool AbreElemento(int k, int i) override;
    CMenuObj* DestinoVolver() override;

private:
    float m_fVista = 0.0f;
    float m_fAnguloCirculo = 0.0f;
};
