// The seal gallery of the chest: the 52 seals on nine pages of six over
// small turning circles, each named after the marker its figure unlocks
// (so a seal not yet completed is locked). A seal opens enlarged over a
// dark veil and the large turning circle; pressing the veil closes it. Back
// returns to the chest.
#pragma once
#include "game/screens/BaseMenu.h"
#include "game/screens/cofre/Paginacion.h"

#include <string>

class CBotonIconoTazmo;
class CBotonTazmo;
class CSPM;

class CMenuSellos : public CBaseMenu {
public:
    enum { ID_VOLVER = 0, ID_PRIMER_HUECO = 1, ID_ANTERIOR = 7, ID_SIGUIENTE = 8, ID_IMAGEN = 9 };
    static constexpr int kHuecos = 6;
    static constexpr int kElementos = 52;
    static constexpr int kPaginas = 9;
    static constexpr float kPasoVista = 0.1f;
    static constexpr int kPasosGiro = 900;

    CMenuSellos() : m_paginas(kPaginas) {}
    ~CMenuSellos() override;

    void Actualiza() override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void DibujaContenido(Sprite* pDestino) override;
    void DibujaEncima(Sprite* pDestino) override;

    bool Crea();
    void Libera();

    // ---- The screen's decisions ----
    // The seal of slot k on page p, -1 past the last.
    static int ElementoDeHueco(int p, int k);
    // Seal i's package and name code (null outside 0..51).
    static const char* PaqueteSello(int i);
    static const char* CodigoSello(int i);
    // Seal i's marker: the one its figure's victory unlocks.
    static std::string Marcador(int i);
    // The view's strength one step on: up while a seal is open, else down.
    static float PasoVista(float v, bool bAbierto);

    int Pagina() const { return m_paginas.Pagina(); }
    int Estado() const { return m_paginas.Estado(); }
    int NumHuecosMostrados() const;
    bool SelloAbierto() const;
    float Vista() const { return m_fVista; }

    CBotonIconoTazmo* m_apHuecos[kHuecos] = {};
    CBotonIconoTazmo* m_pAnterior = nullptr;
    CBotonIconoTazmo* m_pSiguiente = nullptr;
    CBotonIconoTazmo* m_pImagen = nullptr;
    CBotonTazmo* m_pBotonVolver = nullptr;
    CSPM* m_pSPMCirculo = nullptr;
    CSPM* m_pSPMFondo = nullptr;
    CSPM* m_pSPMSelloGrande = nullptr;

private:
    void LiberaPropios();
    bool Construye();
    void ConstruyePagina(int p);
    void QuitaPagina();
    void AbreElemento(int k);
    bool HuecosEnTransicion() const;

    CPaginacion m_paginas;
    float m_fVista = 0.0f;
    float m_fAnguloCirculo = 0.0f;
};
