// What a finished story leaves in a profile, made without playing it: the
// profile tool writes it for trying the later screens at once.
#pragma once

class CGestorDesbloqueos;
class CTablaNiveles;
class RegistroPerfil;

// Every stage of every difficulty won in turn as a first win on the map
// (the map's counter and the line maximum grow with the progress), each
// won stage's seal in the gallery and a best line count at its par (from the
// level table, when given), every
// chapter's card and end, every character and picture the scenes show, the
// credits seen to their end (their markers, the fourth difficulty among
// them, and their trophy), the main menu's first-visit box and the chest's
// notice already told, and every extra-mode level open. Unlocks go through
// `desbloqueos` as play makes them (parents and news included), which must
// be the registered unlock manager of the profiles `perfil` belongs to; the
// trophies this earns are then awarded as the menus award them. The profile
// keeps its name, records and difficulty; nothing is saved.
void TerminaHistoria(RegistroPerfil& perfil, CGestorDesbloqueos& desbloqueos, const CTablaNiveles* pNiveles);
