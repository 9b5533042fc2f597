// The characters of the chest: eleven name buttons under their portraits
// (Persos.SPM, in the level files' key order), each named after the
// character's marker, so a character still locked shows a black portrait
// and a button that does nothing. A button builds the viewer for its
// character and opens it; back returns to the chest. The portraits grow and
// fade in over the first 15 steps of each opening and out at the closing.
#pragma once
#include "engine/core/Temporizador.h"
#include "game/screens/BaseMenu.h"

class CBotonTazmo;
class CSPM;
struct Personaje;

class CMenuPersonajes : public CBaseMenu {
public:
    enum { ID_VOLVER = 0, ID_PRIMER_PERSONAJE = 1 };
    static constexpr int kNumPersonajes = 11;
    static constexpr int kPasosApertura = 15;

    CMenuPersonajes() = default;
    ~CMenuPersonajes() override;

    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void IniciaTransicion(bool bEntrada) override;

    bool Crea();
    void Libera();

    // The character of button row i (0..10; null outside): the list's own
    // order, by name from the registry.
    static const Personaje* PersonajeDeFila(int i);
    // Opens the viewer on a character: false, with nothing changed, when
    // the viewer cannot be built for it.
    static bool AbreVisor(const Personaje* p);

    CTemporizador m_tApertura15;
    CSPM* m_pSPMRetratos = nullptr;
    CBotonTazmo* m_apBotones[kNumPersonajes] = {};
    CBotonTazmo* m_pBotonVolver = nullptr;

private:
    void LiberaPropios();
    bool Construye();
};
