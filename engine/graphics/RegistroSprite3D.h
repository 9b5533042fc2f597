// The parts of a piece-animated sprite and one record of its file (a command
// file), read and checked before anything is built:
//
//   SPRITE3D = "0.001B";            first record: the version, A or B
//   PIEZA = piece, "package.SPM", x, y, z, rotation, scaleX, scaleY,
//           r, g, b, alpha, cubeSize, mirror [, visible (version B)];
//   ORDEN = list, type, startMs, endMs, ...by type...;
//       0 move:          x, y, z, flag, flag, flag
//       1 animation:     animation, loop
//       2 turn at speed: radians per ms
//       3 turn to angle: angle, direction (non-zero: the negative way)
//   DURACION = list, ms;            the list's timeline
//   TAMCUADRO = size;               the debug cube at the origin
//
// Record names are compared without regard to case; pieces and lists are
// numbered 0 to 255.
#pragma once
#include <cstdint>
#include <string>

class CGestorComandes;
struct FitxerComandes;

constexpr int kNumPiezasSprite3D = 256;
constexpr int kNumListasSprite3D = 256;
constexpr int kMaxOrdenesLista = 256;

struct AtributosPieza {
    float fTamCubo = 1.0f;
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float fRotacion = 0.0f; // radians about the vertical axis
    float fEscalaX = 1.0f, fEscalaY = 1.0f;
    float r = 1.0f, g = 1.0f, b = 1.0f; // 0..1
    float fAlfa = 1.0f;                 // 0..1
};

enum TipoOrdenSprite3D {
    ORDEN_MOVER = 0,
    ORDEN_ANIMACION = 1,
    ORDEN_GIRAR = 2,
    ORDEN_GIRAR_A = 3,
};

struct OrdenSprite3D {
    int32_t iTipo = ORDEN_MOVER;
    int32_t iPieza = 0;
    int32_t iInicio = 0; // ms from the start of the timeline
    int32_t iFin = 0;
    // Move: target, per-ms step (when applied) and three flags kept.
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float fPasoX = 0.0f, fPasoY = 0.0f, fPasoZ = 0.0f;
    int32_t aiFlags[3] = {0, 0, 0};
    // Animation.
    int32_t iAnimacion = 0;
    bool bBucle = false;
    // Turn at a speed (radians per ms); turn to an angle.
    float fVelocidad = 0.0f;
    float fAngulo = 0.0f;
    bool bNegativo = false; // the turn-to goes the negative way
    float fPaso = 0.0f;     // turn-to: radians per ms (when applied)
};

struct RegistroSprite3D {
    enum Tipo { NINGUNO, VERSION, PIEZA, ORDEN, DURACION, TAMCUADRO };
    Tipo tipo = NINGUNO;
    bool bVersionB = false; // VERSION
    // PIEZA
    int iPieza = -1;
    std::string paquete;
    AtributosPieza atributos;
    bool bEspejo = false;
    bool bVisible = true;
    // ORDEN, DURACION
    int iLista = -1;
    OrdenSprite3D orden;
    int iDuracion = 0;
    // TAMCUADRO
    float fTamCuadro = 1.0f;
};

// Reads the current command of `f`. VERSION is reported only for a known
// version; `bVersionB` is what the file's first record said. False when the
// record is skipped (unknown name, piece or list outside 0..255, unknown
// order type, a number that is not finite...).
bool InterpretaRegistroSprite3D(CGestorComandes* g, FitxerComandes* f, bool bVersionB, RegistroSprite3D* r);
