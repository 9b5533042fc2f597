// The video screen: the display mode (full screen or a window) and the
// smoothing of scaled pictures (bilinear filtering), both kept in the
// engine's preferences. Two labels show the present state, three plain
// buttons change it or go back; it closes itself back to whoever attached
// it.
#pragma once
#include "game/screens/BaseMenu.h"

class CButo;
class CCuadreText;

class CMenuVideo : public CBaseMenu {
public:
    enum { ID_PANTALLA_COMPLETA = 0, ID_FILTRADO = 1, ID_VOLVER = 2 };

    CMenuVideo() = default;
    ~CMenuVideo() override;

    void Actualiza() override;
    void PonEnfocado(bool bEnfocado) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    // The labels' texts for the preferences' flags.
    static const char* CodigoModo(int iFlags);
    static const char* CodigoFiltrado(int iFlags);

    bool m_bCreado = false;
    CCuadreText* m_pTextoModo = nullptr;
    CCuadreText* m_pTextoFiltrado = nullptr;
    CButo* m_pBotonPantallaCompleta = nullptr;
    CButo* m_pBotonFiltrado = nullptr;
    CButo* m_pBotonVolver = nullptr;
    bool m_bRefrescaModo = false;
    bool m_bRefrescaFiltrado = false;
    // The mode the label shows: it follows the switch once it has happened,
    // which is some steps after the press that asked for it.
    bool m_bModoMostradoCompleta = false;

private:
    void InicializaCampos();
    void LiberaPropios();
    void PideOtroModo();
    void CambiaFiltrado();
    void MuestraModo();
};
