// A sequence's readable source, compiled into the records of a .sec file.
//
// One statement a line; "//" starts a comment; times are frames ("45") or
// seconds ("1.5s", 30 frames a second). Elements are declared by name before
// their events and get their slots in the order of declaration:
//
//   object NAME "package.SPM"          a sprite object
//   endpoint NAME                      a point that only ends lines
//   text NAME font F size W H hotspot X Y code "ABCD" align H V [scale SX SY]
//   layer NAME "package.SPM"           a tiled scroll layer (animation 1 plays)
//   sequence NAME "file.sec"           a nested sequence
//   sample NAME "file.wav"             a sound played by index
//   stream NAME                        a long-sound channel
//   music NAME                         a music place
//   line NAME                          a line slot
//
//   end T | loop T | jump at T to T | pause at T
//   skip-button style S font F at X Y size W H scale K text "ABCD"
//   pause-button (the same)
//
//   at T NAME VERB values...           an event at one frame
//   from T to T NAME VERB values...    a change over frames
//   at T subjump NAME to T             a nested sequence's clock set
//
// Verbs: objects pos x y, move x y*, hop x y height*, glide x0 y0 x1 y1*,
// arc x0 y0 x1 y1 height*, anim n, anim-once n, mirror, unmirror, alpha a,
// scale sx sy, fade a0 a1*, zoom sx0 sy0 sx1 sy1*, tint r g b, angle rad,
// spin rad; layers scroll vx vy, anim n, anim-once n, mirror, unmirror, show,
// hide, alpha a, scale sx sy, fade a0 a1*, zoom ...*, pos x y, tint r g b;
// sequences show, hide, launch, stop, resume; samples play; streams
// play "file.ogg", stop; music play "SLOT", stop; lines put A B SPRITEOBJECT
// index, remove. (* with from ... to.)
//
// The end frame is written always: the one given, else the frame after the
// last event.
#pragma once
#include "Revision.h"

#include <string>
#include <vector>

namespace sec {

struct Compilada {
    std::vector<Registro> registros; // in the order they are written
    bool bBien = false;
};

// Compiles a source's text; faults name the source's lines.
Compilada CompilaFuente(const std::string& texto, const std::string& fichero, std::vector<Fallo>* fallos);

// The .sec text of compiled records.
std::string TextoSec(const std::vector<Registro>& registros, const std::string& origen);

} // namespace sec
