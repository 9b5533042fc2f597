// The content audit of the built screens: each screen or dialog is opened
// as the player would see it, in each language, and whatever it asked for
// and did not find is told: a package, sprite or picture shown as a
// placeholder, a text code missing from the language's table, a sound or
// music slot name that falls back to the bank's default slot. Later screens
// join by adding themselves to the list the audit walks.
#pragma once
#include <functional>
#include <string>
#include <vector>

class CMenuObj;

namespace kit {

// One thing the audit opens: its name (for the report) and how to reach it
// in the running game (null when it is not there).
struct PantallaAuditada {
    std::string nombre;
    std::function<CMenuObj*()> busca;
};

// Opens a screen or dialog outside the main loop: its resources loaded and
// the images in use made, its opening run to the end, one frame drawn; then
// closes it again and gives its resources back.
void AbreYCierraParaAuditar(CMenuObj* p);

// Every language's key and file-system code, in the order the game knows
// them: 0 Catalan "CA", 1 Castilian "ES", 2 English "EN".
struct IdiomaAuditado {
    int clave;
    char codigo[2];
};
extern const IdiomaAuditado kIdiomasAuditados[3];

// Opens every screen of the list in every language (the running game's
// language is put back afterwards) and returns what went missing, one line
// each ("text code MP05@1 (CMenuPrincipal)"), what start-up asked for
// first. Names of the ignore list are left out.
std::vector<std::string> AuditaPantallas(const std::vector<PantallaAuditada>& pantallas,
                                         const std::vector<std::string>& ignorados);

} // namespace kit
