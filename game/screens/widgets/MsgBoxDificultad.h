// The modal box in which the player picks one of the four difficulties
// (Pasatiempos, Puzzle, Desafio, Heroico) before a mode starts: four game
// buttons named after the difficulties' markers with their icons, a back
// button and a header, in a fixed layout over the big frame. A locked
// difficulty shows BLOQ and answers nothing; the hardest one explains itself
// under the pointer. It answers as the game's message box does: m_iResultado
// 0..3 for a difficulty, 4 for back, -1 while unanswered.
#pragma once
#include "engine/ui/MenuObj.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <cstdint>

class CBotonTazmo;
class CTransTiempo;

class CMsgBoxDificultad : public CMenuObj {
public:
    static constexpr int kNumBotones = 5;
    static constexpr int kRespuestaVolver = 4;

    // One row of the layout: the button's centre, its caption, hint and
    // locked hint (codes, -1 none), whether it cancels, and its name.
    struct Fila {
        float x, y;
        const char* szTexto;
        const char* szAyuda;
        const char* szAyudaBloqueado;
        bool bCancelar;
        const char* szNombre;
    };
    static const Fila kFilas[kNumBotones];

    CMsgBoxDificultad() = default;
    ~CMsgBoxDificultad() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void PonEnfocado(bool bEnfocado) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EsModal() override { return true; }
    bool UsaTransicion() override { return true; }
    bool EnTransicion() override { return m_marco.desliza.EnCurso(); }
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void IniciaTransicion(bool bEntrada) override;

    bool Inicia(int iId, const char* szNombre);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    bool m_bCreado = false;
    tazmo::MarcoCaja m_marco;
    CSPM* m_pIconos = nullptr;
    Sprite* m_pCabecera = nullptr;
    CBotonTazmo* m_apBotones[kNumBotones] = {};
    int32_t m_iResultado = -1;
    int32_t m_iRespuestaEntrada = -1;
    CTransTiempo* m_pRetardo = nullptr;

private:
    void InicializaCampos();
    void Libera();
    bool Construye();
};
