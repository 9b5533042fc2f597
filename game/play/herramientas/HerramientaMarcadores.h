// The HUD: score against target, the time left, the line's pieces and the
// character's moods. Until it is built in full it shows the two texts,
// "score/target" at the top and "mm:ss" under it, and keeps the last mood.
#pragma once
#include <string>

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaMarcadores {
public:
    CHerramientaMarcadores() = default;
    virtual ~CHerramientaMarcadores();
    CHerramientaMarcadores(const CHerramientaMarcadores&) = delete;
    CHerramientaMarcadores& operator=(const CHerramientaMarcadores&) = delete;

    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    void Actualiza() {}
    // What the play screen hands over each frame (see CMenuJuego::DibujaMarcadores).
    void Dibuja(Sprite* pDestino, int iPuntuacion, int iObjetivo, int iPasosRestantes, float fOscurecer,
                float fFraccionPuntos, float fFraccionTiempo, int iPiezasCogidas, int iMaximoPiezas,
                int iPiezasExtra, bool bLineaCompleta, int iPasosDestello, bool bTutorial, int iColor, bool bFin);
    void PonAnimo(int iAnimo) { m_iAnimo = iAnimo; }

    // The two texts as the HUD writes them; the time text of a time that
    // cannot be shown (no limit) is "--:--".
    static std::string TextoPuntos(int iPuntuacion, int iObjetivo);
    static std::string TextoTiempo(int iPasosRestantes);

    bool m_bCreado = false;
    int m_iAnimo = 0;
    Sprite* m_pPuntos = nullptr;
    Sprite* m_pTiempo = nullptr;
    std::string m_sPuntos;
    std::string m_sTiempo;
};
