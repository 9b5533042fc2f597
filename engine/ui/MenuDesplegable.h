// The drop-down: a column of option buttons of which only the first shows
// until the drop-down takes the focus; then every option shows and the
// drop-down covers them all, until it loses the focus. Pressing option i
// reports EVENTO_OPCION_ELEGIDA with i. It has no style of its own. Kind name
// "MENU_DESPLEGABLE".
#pragma once
#include "engine/ui/MenuObj.h"

#include <cstdint>
#include <vector>

class CButo;

// One option: a text code, or (code -1) a text of up to 63 characters.
struct OpcionDesplegable {
    static constexpr int kLongitudTexto = 64;
    int32_t iIdTexto = -1;
    char szTexto[kLongitudTexto] = {};
};

class CMenuDesplegable : public CMenuObj {
public:
    static constexpr const char* kTipo = "MENU_DESPLEGABLE";
    static constexpr const char* kNombreOpcion = "DESPLEGABLE_BUT_Boton%d";

    CMenuDesplegable() = default;
    ~CMenuDesplegable() override;

    void PonEnfocado(bool bEnfocado) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    // False without options.
    bool Inicia(float x, float y, float ancho, float alto, int nOpciones, const OpcionDesplegable* opciones,
                int fuente, int estiloBotones, float escala, int id, const char* nombre);
    bool Abierto() const { return m_bAbierto; }
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    bool m_bCreado = false;
    float m_fAltoOpcion = 0.0f;
    std::vector<CButo*> m_apOpciones;
    int32_t m_iNumOpciones = 0;
    bool m_bAbierto = false;

private:
    void InicializaCampos();
    void Libera();
    // The options linked in a column.
    void Enlaza();
};
