// The bonuses of a level: they appear by the level's shares and act when
// the pointer picks them. Until they are built none appears: the score
// multiplier stays 1 and a line gets no extra pieces.
#pragma once

class CMenuJuego;
class Sprite;
struct RegistroNivel;

class CHerramientaBonuses {
public:
    CHerramientaBonuses() = default;
    virtual ~CHerramientaBonuses() = default;
    CHerramientaBonuses(const CHerramientaBonuses&) = delete;
    CHerramientaBonuses& operator=(const CHerramientaBonuses&) = delete;

    bool Carga(CMenuJuego*, RegistroNivel*)
    {
        m_bCreado = true;
        return true;
    }
    void Libera() { m_bCreado = false; }
    void CargaRecursos() {}
    void DescargaRecursos() {}
    // One step, with the pointer and whether it may touch bonuses.
    void Actualiza(float, float, bool) {}
    void Dibuja(Sprite*) {}

    int Multiplicador() const { return m_iMultiplicador; }
    int PiezasExtra() const { return m_iPiezasExtra; }
    void PulsaInsignia() {}
    // Counts for the end comment: bonuses created, picked, duplications and
    // those of kind 4 created.
    int Creados() const { return 0; }
    int Cogidos() const { return 0; }
    int Duplicaciones() const { return 0; }
    int CreadosTipo4() const { return 0; }

    bool m_bCreado = false;
    int m_iMultiplicador = 1;
    int m_iPiezasExtra = 0;
};
