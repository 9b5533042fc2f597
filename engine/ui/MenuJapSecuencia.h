// The host of a dialogue or a story scene: a full-screen exclusive, modal
// child of the screen that opens it, which hands its player the step, the
// drawing, the resources and the input. Its opener reads the result each
// step and removes the host once it is not -1; the host never closes itself,
// and once its player has finished it stops stepping it but goes on drawing
// it. It either makes and owns a dialogue player of its own or shows one that
// a screen lends it (the story map lends its scene player). Kind name
// "MENU_JAPSECUENCIA".
#pragma once
#include "engine/ui/MenuObj.h"

class CJapSecuenciador;
struct ConfigSecuenciador;

class CMenuJapSecuencia : public CMenuObj {
public:
    static constexpr const char* kTipo = "MENU_JAPSECUENCIA";
    static constexpr const char* kNombre = "GEN_MenuJapSecuencia";
    static constexpr int kEstilo = 3;

    CMenuJapSecuencia() = default;
    ~CMenuJapSecuencia() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsExclusivo() override { return true; }
    bool EsModal() override { return true; }
    bool UsaTransicion() override { return true; }
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    bool TrataTecla(int iTecla) override;
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion) override;
    bool TrataCaracter(char c) override;
    bool TrataEjeMando(CMando* pMando, int iEje, int iValor) override;
    bool TrataBotonMando(CMando* pMando, int iBoton) override;
    void NotificaQuitado() override;

    // A dialogue player of its own, loaded from a script.
    bool Crea(const char* szGuion, const ConfigSecuenciador* pConfig, int iFont);
    // A player lent by its owner (never deleted here).
    bool CreaConSecuenciador(CJapSecuenciador* pSecuenciador);
    // The player's result; -1 without one.
    int GetResultado();
    // Deletes an owned player and forgets any.
    void LiberaSecuenciador();
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    CJapSecuenciador* Secuenciador() const { return m_pSecuenciador; }

    bool m_bCreado = false;
    CJapSecuenciador* m_pSecuenciador = nullptr;
    bool m_bPropio = false;

private:
    bool IniciaBase();
};
