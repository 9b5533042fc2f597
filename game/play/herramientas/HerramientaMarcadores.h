// The HUD: the top plate with the score and time bars, "score/target" and
// "mm:ss", the line gauge down the left edge (the pieces the line may take,
// the pieces taken, the bonus slots and the chosen colour) and the portraits
// of the level's character and opponent. The character reacts to play with
// seven moods, each with its portrait layer and its voice; left alone it
// falls back to a default mood that follows the time left, and now and then
// reacts by itself. The attacks mode draws its own plate and energy bar
// through DibujaModoAtaques.
#pragma once
#include "engine/graphics/SPM.h"

#include <array>
#include <string>

class CMenuJuego;
class Sprite;
struct Personaje;
struct RegistroNivel;

enum AnimoPersonaje {
    ANIMO_SALUDO = 0,
    ANIMO_TRISTEZA = 1,
    ANIMO_NEUTRO = 2,
    ANIMO_ALEGRIA = 3,
    ANIMO_VICTORIA = 4,
    ANIMO_DERROTA = 5,
    ANIMO_EUFORIA = 6,
    NUM_ANIMOS = 7,
};

class CHerramientaMarcadores {
public:
    // Portrait layers: sad, neutral, happy.
    static constexpr int kNumCapas = 3;
    // Frames in a default mood before the character reacts, and in a
    // reaction before it returns to the default.
    static constexpr int kPasosReaccion = 600;
    static constexpr int kPasosVuelta = 300;

    CHerramientaMarcadores() = default;
    virtual ~CHerramientaMarcadores();
    CHerramientaMarcadores(const CHerramientaMarcadores&) = delete;
    CHerramientaMarcadores& operator=(const CHerramientaMarcadores&) = delete;

    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    void Actualiza();
    // What the play screen hands over each frame (see CMenuJuego::DibujaMarcadores).
    void Dibuja(Sprite* pDestino, int iPuntuacion, int iObjetivo, int iPasosRestantes, float fOscurecer,
                float fFraccionPuntos, float fFraccionTiempo, int iPiezasCogidas, int iMaximoPiezas,
                int iPiezasExtra, bool bLineaCompleta, int iPasosDestello, bool bTutorial, int iColor, bool bFin);
    // The attacks mode's plate and energy bar.
    void DibujaModoAtaques(Sprite* pDestino, float fOscurecer, float fFraccion1, float fFraccion2);
    // A new mood (0..6) plays its voice and restarts the mood's count; the
    // mood already shown does nothing unless forced.
    void PonAnimo(int iAnimo, bool bFuerza = false);

    // ---- Decisions, worked out without the HUD ----
    // The two texts as the HUD writes them ("%d/%d", "%02d:%02d"; frames
    // below 0 read as 00:00).
    static std::string TextoPuntos(int iPuntuacion, int iObjetivo);
    static std::string TextoTiempo(int iPasosRestantes);
    // The mood the character falls back to: joy at the end and without a
    // limit (a fraction that is negative or no number), then by the time
    // used: joy, neutral, sadness.
    static int AnimoPorDefecto(bool bFin, float fFraccionTiempo);
    // The portrait layer each mood shows, and its voice's suffix.
    static int CapaDeAnimo(int iAnimo);
    // The portrait package and the seven voice slots of a character number
    // (0..10); null for any other.
    static const char* PaqueteRetrato(int iPersonaje);
    static const char* RanuraVoz(int iPersonaje, int iAnimo);

    int Animo() const { return m_iAnimo; }
    int AnimoAnterior() const { return m_iAnimoAnterior; }
    int AnimoDefecto() const { return m_iAnimoDefecto; }
    int ContadorAnimo() const { return m_iContadorAnimo; }
    // Voices played so far (for those who watch).
    int VocesTocadas() const { return m_iVoces; }
    // Times each text sprite was rendered anew.
    int RenderPuntos() const { return m_iRenderPuntos; }
    int RenderTiempo() const { return m_iRenderTiempo; }

    bool m_bCreado = false;
    RegistroNivel* m_pNivel = nullptr;
    CSPM m_SPMBonuses;
    CSPM m_SPMDiamantes;
    CSPM m_SPMAroTexto;
    CSPM m_SPMLineas;
    CSPM m_SPMPersonaje;
    CSPM m_SPMRival;
    CSPM m_SPMHud;
    bool m_bPersonaje = false;
    bool m_bRival = false;
    int m_iRival = -1;
    Sprite* m_pPuntos = nullptr;
    Sprite* m_pTiempo = nullptr;
    std::string m_sPuntos;
    std::string m_sTiempo;
    float m_fBarraPuntos = 0.0f;
    float m_fBarraTiempo = 0.0f;
    float m_fBarraAtaques1 = 0.0f;
    float m_fBarraAtaques2 = 0.0f;
    float m_fGiroEmblema = 0.0f;
    float m_fFaseLinea = 0.0f;
    int m_iAnimo = ANIMO_NEUTRO;
    int m_iAnimoAnterior = ANIMO_NEUTRO;
    int m_iAnimoDefecto = ANIMO_ALEGRIA;
    int m_iContadorAnimo = 0;
    int m_iFrames = 0;
    std::array<int, NUM_ANIMOS> m_aiVoces{};
    std::array<float, kNumCapas> m_afCapas{};
    int m_iVoces = 0;
    int m_iRenderPuntos = 0;
    int m_iRenderTiempo = 0;
};
