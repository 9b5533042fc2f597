// The controls screen: the ten control bindings of the engine's
// preferences in two columns of five, each with its caption and what it is
// bound to. Pressing a binding captures the next mouse button, key,
// controller button or push of a controller's stick into it; the screen can
// fill the bindings from the connected controllers, look for controllers
// again, and turns red (with a warning) every binding whose controller is
// missing. Back saves the preferences and closes the screen.
#pragma once
#include "engine/core/Preferencias.h"
#include "game/screens/BaseMenu.h"

#include <cstdint>

class CButo;
class CCuadreText;
class CMando;
class CMessageBox;
class CSPM;
class Sprite;

class CMenuControles : public CBaseMenu {
public:
    // Ids 0..9 are the binding buttons.
    enum { ID_VOLVER = 11, ID_AUTOCONFIGURA = 12, ID_REFRESCA = 13 };
    // The confirmation box: idle, to be shown, shown.
    enum { CAJA_INACTIVA = 0, CAJA_POR_MOSTRAR = 1, CAJA_MOSTRADA = 2 };
    static constexpr int kNingunaCaptura = -1;
    // A push of a stick is taken beyond this much of its 512.
    static constexpr int kUmbralEje = 100;

    CMenuControles() = default;
    ~CMenuControles() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void IniciaTransicion(bool bEntrada) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    bool TrataTecla(int iTecla) override;
    bool TrataEjeMando(CMando* pMando, int iEje, int iValor) override;
    bool TrataBotonMando(CMando* pMando, int iBoton) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    // ---- What an input captures: false when it is not taken (the capture
    // goes on), else the binding it makes ----
    static bool CapturaRaton(int iRaton, int iEvento, AsignacionControl* pAsignacion);
    static bool CapturaTecla(int iTecla, AsignacionControl* pAsignacion);
    static bool CapturaEje(const uint8_t* pGuid, int iEje, int iValor, AsignacionControl* pAsignacion);
    static bool CapturaBotonMando(const uint8_t* pGuid, int iBoton, AsignacionControl* pAsignacion);
    // The bindings filled from the first and second controller (null when
    // missing): the stick's left and right, button 0 and button 1 of each
    // into bindings 0, 1, 2, 4 and 5, 6, 7, 9; keys where a controller is
    // missing. Bindings 3 and 8 are left alone.
    static void AutoConfigura(const uint8_t* pGuid1, const uint8_t* pGuid2, AsignacionControl aControles[kNumControles]);
    // The column, row and caption of binding i.
    static int Columna(int i) { return i < 5 ? 0 : 1; }
    static int Fila(int i) { return i % 5; }
    static const char* CodigoTitulo(int i);

    bool Capturando() const { return m_iCaptura != kNingunaCaptura; }

    bool m_bCreado = false;
    CCuadreText* m_pCabecera1 = nullptr;
    CCuadreText* m_pCabecera2 = nullptr;
    CCuadreText* m_apTitulos[kNumControles] = {};
    CCuadreText* m_apValores[kNumControles] = {};
    CButo* m_apBotones[kNumControles] = {};
    CButo* m_pBotonVolver = nullptr;
    CButo* m_pBotonAutoconfigura = nullptr;
    CButo* m_pBotonRefresca = nullptr;
    CMessageBox* m_pCaja = nullptr;
    CSPM* m_pSPMPanel = nullptr;
    Sprite* m_pTextoCaptura = nullptr;
    Sprite* m_pTextoAviso = nullptr;
    bool m_bAviso = false;
    int m_iCaptura = kNingunaCaptura;
    int m_iEstadoCaja = CAJA_INACTIVA;

private:
    void InicializaCampos();
    void LiberaPropios();
    bool Construye();
    void MuestraValor(int i);
    void MuestraValores();
    void EmpiezaCaptura(int i);
    void TerminaCaptura(const AsignacionControl& a);
    void AutoConfiguraMandos();
    void ActualizaCaja();
    void RevisaDisponibles();
};
