// The extra modes' own counters over the board: a few labels and values
// (score, clock, multiplier, round) drawn over the plates of the modes' HUD
// package. Each play screen of an extra mode holds one.
#pragma once
#include "engine/graphics/SPM.h"

#include <string>
#include <vector>

class Sprite;

class CHudModo {
public:
    // One text: a label by code or a value written later, at its place.
    struct FilaTexto {
        int iCodigo;    // text code of a label, -1 for a value
        float x, y;
    };
    // One plate of the package under the texts.
    struct Placa {
        float x, y, fEscalaX, fEscalaY;
    };
    static constexpr int kSlotPlaca = 7;

    CHudModo() = default;
    ~CHudModo() { Libera(); }
    CHudModo(const CHudModo&) = delete;
    CHudModo& operator=(const CHudModo&) = delete;

    // The package and one text per row; false, with nothing kept, when the
    // package or a text cannot be made.
    bool Crea(const std::vector<FilaTexto>& textos, const std::vector<Placa>& placas);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    // Rewrites text i (a value) when it differs from what it shows.
    void Escribe(size_t i, const std::string& texto);
    const std::string& Texto(size_t i) const;
    void Dibuja(Sprite* pDestino);

    // "mm:ss" of a count of steps.
    static std::string Reloj(int iPasos);

private:
    CSPM m_SPM;
    bool m_bCreado = false;
    std::vector<FilaTexto> m_Filas;
    std::vector<Placa> m_Placas;
    std::vector<Sprite*> m_apTextos;
    std::vector<std::string> m_asTextos;
};
