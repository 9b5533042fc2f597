// One record of a sprite-package (.SPM) file, read from the command-file
// reader and checked before any sprite is made.
#pragma once
#include <cstdint>
#include <string>

class CGestorComandes;
struct FitxerComandes;

constexpr int kNumSlotsSPM = 256;
constexpr int kNumAnimacionesSPM = 256;
constexpr int kMaxFramesAnimacion = 255;
constexpr int kLongitudRutaSPM = 1024; // the longest path the file system opens, and its end

struct AnimacionSPM {
    uint8_t m_ucNumFrames = 0;
    uint8_t m_aucSlots[256] = {};
    uint16_t m_ausDuraciones[256] = {}; // ms
    int m_iDuracionTotal = 0;           // the sum, ms
};

// One record of an .SPM file, as read and checked (before any sprite is
// made). Records that cannot be used are reported as skipped.
struct RegistroSPM {
    enum Tipo { NINGUNO, VERSION, SPRITE, TXT, TXTFLI, ANIMACIO };
    Tipo tipo = NINGUNO;
    int version = 0;
    int slot = -1;
    // SPRITE
    std::string fichero; // already with its PNG extension
    float x = -1, y = -1, w = -1, h = -1;
    float hotspotX = 0, hotspotY = 0;
    bool espejo = false, opaco = false;
    // TXT / TXTFLI
    float ancho = 0, alto = 0, escalaX = 1, escalaY = 1;
    int font = 0, flagsTexto = 0, codigo = -1;
    std::string texto;
    // ANIMACIO
    int animacion = -1;
    AnimacionSPM frames;
};

// Reads the current command of `f` as an .SPM record; `version` is the
// SPMVER seen so far. False when the record is skipped (unknown name, slot
// or animation index outside 0..255, a missing or too short file name...).
bool InterpretaRegistroSPM(CGestorComandes* pGestor, FitxerComandes* f, int version, RegistroSPM* r);
// The text-flag word of TXT slots from the two alignments.
int FlagsTextoSPM(int alineacionH, int alineacionV);

