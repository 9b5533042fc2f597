// The endless attacks mode's waves past the stored ones: each wave is built
// from up to ten groups of curses, a group being one curse kind laid out by
// one rule (scattered, along a wandering path, on a ring around the centre
// or around a point), mirrored by a symmetry and spaced in time. Later waves
// hold more groups, more attacks per group and more of the second family's
// kinds; a wave never holds more than kMaxAtaquesOleada attacks.
#pragma once
#include "game/play/CaminoMoneda.h"
#include "game/play/FicheroOleadas.h"

#include <array>
#include <cstdint>

class CLista;
class Sprite;

// Deletes every attack of the list (a list of AtaqueOleada*) with its label
// and leaves the list empty.
void VaciaOleada(CLista* pLista);

class CGeneradorOleadas {
public:
    static constexpr int kMaxGrupos = 10;
    // The most attacks a generated wave holds: later groups lose theirs first.
    static constexpr int kMaxAtaquesOleada = 300;

    CGeneradorOleadas() = default;
    virtual ~CGeneradorOleadas();
    CGeneradorOleadas(const CGeneradorOleadas&) = delete;
    CGeneradorOleadas& operator=(const CGeneradorOleadas&) = delete;

    bool Crea();
    void Libera();
    // Empties the list and fills it with generated wave n (n < 0 counts as 0).
    void CreaOleada(int n, CLista* pLista);
    // Lays out group i from its kind, number and four settings, adding its
    // attacks at the head of the list (up to the wave's cap).
    void ColocaGrupo(int i, CLista* pLista);

    // ---- Rules, worked out without a wave ----
    // Groups of a wave: b in all, the first family's A of them (clamped to
    // b), from the share c drawn for it.
    static int NumGrupos(int n);
    static int GruposPrimeraFamilia(int b, float c);
    // Whether the frame offset grows before the next record, given the
    // records of the group already asked for.
    static bool CreceDesplazamiento(int iModo, int iPedidos);
    // Frames a spacing step 0..4 adds (1, 2, 4, 8, 16).
    static int FramesPaso(int iPaso);
    // Heading of an attack of the kind at a centre-relative point.
    static float RumboAtaque(int iTipo, float x, float y);

    bool Creado() const { return m_bCreado != 0; }

    uint8_t m_bCreado = 0;
    int m_iGruposA = 0, m_iGruposB = 0;
    std::array<int, kMaxGrupos> m_aiTipo{};
    std::array<int, kMaxGrupos> m_aiNumero{};
    std::array<int, kMaxGrupos> m_aiDisposicion{};
    std::array<int, kMaxGrupos> m_aiSimetria{};
    std::array<int, kMaxGrupos> m_aiEspaciado{};
    std::array<int, kMaxGrupos> m_aiPaso{};
    int m_iFrame = 0, m_iPedidos = 0;
    float m_fAnguloAnillo = 0.0f, m_fCentroX = 0.0f, m_fCentroY = 0.0f, m_fRadio = 0.0f, m_fPasoAngulo = 0.0f;
    CCaminoMoneda* m_pCamino = nullptr;

private:
    void PreparaDisposicion(int i);
    void SiguientePosicion(int i, float* px, float* py);
};
