// The visual help: in the first two story chapters, a line without
// crossings brings up a pulsing hint at the right edge of the field (lines
// that cross, a line that crosses itself); four crossing lines in a row put
// it away. The tutorials may switch it on and show it themselves.
#pragma once
#include "engine/graphics/SPM.h"

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaAsistenciaVisual {
public:
    // Crossing lines in a row that put the hint away.
    static constexpr int kRachaOculta = 4;
    // Chapters (groups) in which a line without crossings shows it.
    static constexpr int kGruposConAyuda = 2;

    CHerramientaAsistenciaVisual() = default;
    virtual ~CHerramientaAsistenciaVisual();
    CHerramientaAsistenciaVisual(const CHerramientaAsistenciaVisual&) = delete;
    CHerramientaAsistenciaVisual& operator=(const CHerramientaAsistenciaVisual&) = delete;

    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    void Actualiza();
    void Dibuja(Sprite* pDestino);
    // A line ended with that many crossings.
    void FinDeLinea(int iCruces);
    void Activa();
    void Desactiva();

    bool Mostrando() const { return m_bMostrando; }
    float Nivel() const { return m_fNivel; }

    bool m_bCreado = false;
    bool m_bActiva = true;
    float m_fNivel = 0.0f;
    float m_fAparicion = 0.0f;
    float m_fPulsoA = 0.0f, m_fPulsoB = 0.0f;
    bool m_bMostrando = false;
    bool m_bPulsoA = false, m_bPulsoB = false;
    int m_iRacha = 0;
    CSPM m_SPM;
    RegistroNivel* m_pNivel = nullptr;
};
