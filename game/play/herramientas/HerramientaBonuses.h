// The bonuses of a level: up to five generators (one per valid bonus record
// of the level: the general one and the four characters') release bonuses
// by the record's shares; the pointer picks them. A pick may raise the
// score multiplier (shown by a badge), give time back, duplicate the
// bonuses on the board, lengthen the line, raise the cursor's shield or
// purge every curse with a white flash. The tool also counts what the
// end-of-level comment reads.
#pragma once
#include "engine/core/Lista.h"
#include "engine/graphics/SPM.h"

#include <array>
#include <cstdint>

class CGeneradorBonus;
class CMenuJuego;
class Sprite;
struct PorcentajesBonus;
struct RegistroNivel;

class CHerramientaBonuses {
public:
    static constexpr int kPasosMultiplicador = 450;
    static constexpr int kPasosPiezasExtra = 900;
    static constexpr int kPasosEscudo = 900;
    static constexpr int kInsigniaPulso = 45;
    static constexpr int kInsigniaReposo = 30;
    static constexpr int kPasosFundidoPurga = 90;

    CHerramientaBonuses() = default;
    virtual ~CHerramientaBonuses();
    CHerramientaBonuses(const CHerramientaBonuses&) = delete;
    CHerramientaBonuses& operator=(const CHerramientaBonuses&) = delete;

    // The play screen (whose clock, cursor, attacks and effects the picks
    // reach; may be null) and the level whose records start the generators.
    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    // One step, with the pointer and whether it may pick bonuses.
    void Actualiza(float px, float py, bool bPuedeCoger);
    // fFundido: the chase scene's fade (0..1).
    void Dibuja(Sprite* pDestino, float fFundido = 0.0f);

    // One bonus of the kind (0..8; others are ignored) at (x, y).
    void CreaBonus(int iTipo, float x, float y);
    // Creates generator iIndice (0..4; others are ignored) when missing and
    // (re)starts it with the record.
    void ActivaGenerador(int iIndice, const PorcentajesBonus* pRegistro);

    // The score multiplier: 1, 2, 4 or 6.
    int Multiplicador() const;
    static int MultiplicadorDeNivel(int iNivel);
    // The chain scoring shows the badge when it scores with a multiplier.
    void PulsaInsignia() { m_iInsignia = kInsigniaPulso; }
    int PiezasExtra() const { return m_iPiezasExtra; }
    // Counts for the end comment: bonuses created, picked, duplications and
    // those of kind 4 created.
    int Creados() const { return m_iCreados; }
    int Cogidos() const { return m_iCogidos; }
    int Duplicaciones() const { return m_iDuplicaciones; }
    int CreadosTipo4() const { return m_iCreadosTipo4; }
    int NumBonus() const { return m_Bonus.m_iNumElementos; }
    CLista& Bonus() { return m_Bonus; }
    CGeneradorBonus* Generador(int i) const;

    // What a pick of the kind does, at (x, y).
    void AplicaBonus(int iTipo, float x, float y);

    uint8_t m_bCreado = 0;
    CSPM m_SPM;
    CMenuJuego* m_pJuego = nullptr;
    RegistroNivel* m_pNivel = nullptr;
    CLista m_Bonus;   // CBonus*, owned, newest first
    int m_iNivelMultiplicador = 0, m_iPasosMultiplicador = 0;
    uint8_t m_bDuplicar = 0;
    int m_iPiezasExtra = 0, m_iPasosExtra = 0;
    int m_iInsignia = 0;
    int m_iCreados = 0, m_iCogidos = 0, m_iDuplicaciones = 0, m_iCreadosTipo4 = 0;
    int m_iSonidoAparicion = -1, m_iSonidoCoger = -1;
    std::array<CGeneradorBonus*, 5> m_apGeneradores{};
    bool m_bRecursos = false;
};
