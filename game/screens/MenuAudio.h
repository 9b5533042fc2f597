// The audio screen: the engine's sound and music volumes, stepped in tenths
// with a "+" and a "-" button each and shown as percentages, applied to the
// sound system at once and saved with the engine's preferences on the way
// back. It closes itself back to whoever attached it.
#pragma once
#include "game/screens/BaseMenu.h"

#include <string>

class CButo;
class CCuadreText;

class CMenuAudio : public CBaseMenu {
public:
    enum { ID_SONIDO_MAS = 0, ID_SONIDO_MENOS = 1, ID_MUSICA_MAS = 2, ID_MUSICA_MENOS = 3, ID_VOLVER = 4 };
    static constexpr int kNumBotones = 5;

    CMenuAudio() = default;
    ~CMenuAudio() override;

    void PonEnfocado(bool bEnfocado) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreado; }

    // A volume's label: "90%" for 0.9 (rounded to the nearest).
    static std::string TextoVolumen(float fVolumen);
    // The keyboard's neighbours of button i (ids above): up, down, left and
    // right, as button ids; -1 where there is none.
    struct Vecinos {
        int iArriba, iAbajo, iIzquierda, iDerecha;
    };
    static Vecinos VecinosDe(int iBoton);

    bool m_bCreado = false;
    CCuadreText* m_pTituloSonido = nullptr;
    CCuadreText* m_pTituloMusica = nullptr;
    CCuadreText* m_pValorSonido = nullptr;
    CCuadreText* m_pValorMusica = nullptr;
    CButo* m_apBotones[kNumBotones] = {};

private:
    void InicializaCampos();
    void LiberaPropios();
    void CambiaVolumen(int iId);
    void MuestraVolumenes();
};
