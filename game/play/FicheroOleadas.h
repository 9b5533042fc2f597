// The stored waves of the attacks mode and their file.
//
// A wave is a list of attacks: a curse kind launched at a point of the
// field with a heading when the wave's clock reaches its frame offset. The
// attacks levels name a wave file of fifty stored waves; the endless level
// goes on with waves that the wave generator builds in the same form.
//
// The file is a command file:
//     OLEADA = n;                              // the records below belong to wave n (0..49)
//     ATAQUE = kind, offset, x, y, angle;      // one attack
// Records before the first OLEADA belong to wave 0; an OLEADA outside 0..49
// is skipped together with the ATAQUE records that follow it, and so is an
// ATAQUE of a kind outside 1..11 or with a position or angle that is not a
// number. Record names are compared without regard to case; other records
// are skipped. Each attack read goes to the front of its wave, so a read
// and a write reverse the order of every wave (the order has no effect on
// play). The writer writes the waves 0..49 in order, each attack in list
// order.
#pragma once
#include <array>
#include <string>
#include <vector>

class Sprite;

struct AtaqueOleada {
    int m_iTipo = 1;           // curse kind 1..11
    float m_fX = 0.0f;         // field points
    float m_fY = 0.0f;
    float m_fAngulo = 0.0f;    // radians
    int m_iDesfase = 0;        // step of the wave clock at which it is launched
    // The frame offset as text, made and freed by the wave editor only
    // (LiberaEtiquetas); never read or written.
    Sprite* m_pEtiqueta = nullptr;

    bool MismoAtaque(const AtaqueOleada& o) const
    {
        return m_iTipo == o.m_iTipo && m_fX == o.m_fX && m_fY == o.m_fY && m_fAngulo == o.m_fAngulo &&
               m_iDesfase == o.m_iDesfase;
    }
};

using Oleada = std::vector<AtaqueOleada>;

constexpr int NUM_OLEADAS_GUARDADAS = 50;
using OleadasGuardadas = std::array<Oleada, NUM_OLEADAS_GUARDADAS>;

// A wave never lasts less: the coin schedule drops coins every sixteenth of
// a wave, and a wave ends on the step its clock reaches the duration.
constexpr int DURACION_MINIMA_OLEADA = 16;
constexpr int TIPO_MALDICION_MINIMO = 1;
constexpr int TIPO_MALDICION_MAXIMO = 11;

// Reads the wave file through the data file system into `oleadas` (emptied
// first, labels freed); false when it cannot be opened (the waves are then
// empty).
bool LeeOleadas(const char* szRuta, OleadasGuardadas& oleadas);
// Writes the waves safely (temporary file, on disk, renamed over) to a disk
// path; false, with any earlier file untouched, on failure.
bool EscribeOleadas(const char* szRutaDisco, const OleadasGuardadas& oleadas);

// Frees the editor's labels of a wave and empties it.
void VaciaOleada(Oleada& oleada);
void LiberaEtiquetas(Oleada& oleada);

// The energy a touched curse takes away, 100 times its damage: kinds 0..11
// give 0, 2, 3, 0, 1, 4, 3, 10, 10, 1, 5, 15; others 0.
int DanyoMaldicion(int iTipo);

// The duration in steps of wave number N (waves started before it), from
// the level's two wave times: the stored waves (N < 50) last `iFinal`, and
// every further fifty one difference (iInicial - iFinal) more. Never less
// than DURACION_MINIMA_OLEADA.
int DuracionOleada(int iNumero, int iInicial, int iFinal);

// Where the wave editor saves and first reads a copy of a wave file: the
// folder "Oleadas" of the per-user folder, with the file's own name under
// the name of the folder it sits in: the difficulties' files share one
// name, so "...\Desafio\Oleadas.OLA" gives "Oleadas/Desafio/Oleadas.OLA".
// "" when no per-user folder can be had.
std::string RutaOleadasUsuario(const char* szRutaDatos);
