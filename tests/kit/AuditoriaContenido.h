// The content audit: every row of a content catalogue checked against the
// built data. A package or picture must exist (in the archive or on disk)
// and not be a placeholder; a font must read and not be the default font
// standing in; a text code must be in every text table; a sound or music
// slot must be a record of its slot file whose samples exist and are not
// silent; a sample or piece must decode and not be silent; a data file must
// exist.
#pragma once
#include "engine/core/Catalogo.h"

#include <span>
#include <string>
#include <vector>

namespace mgtest {

// What rows are checked against: the text tables, the two slot files, the
// pictures that stand in for missing art and the font that stands in for a
// missing one.
struct ReferenciasAuditoria {
    std::vector<std::string> tablasTextos;
    std::string ranurasMusica, ranurasSonido;
    std::vector<std::string> marcadores;
    std::string fuenteDefecto;
};

// The engine catalogue's own references (its TABLA_TEXTOS and MARCADOR
// rows, its slot files and its default font).
ReferenciasAuditoria ReferenciasMotor();

// Every fault of `filas` against the data that g_pSistemaFitxers serves
// (started with g_pGestorComandes, as ServeisFitxers does), one line each,
// naming the row. The sound system is started on the manual device for the
// time of the audit when it is not running.
std::vector<std::string> AuditaContenido(std::span<const FilaCatalogo> filas, const ReferenciasAuditoria& ref);

// The names written in more than one row of the catalogues (compared as the
// file system compares data names), one line each.
std::vector<std::string> NombresRepetidos(std::initializer_list<std::span<const FilaCatalogo>> catalogos);

// Lines for a failure message, one indented line each.
std::string UnaPorLinea(const std::vector<std::string>& lineas);

} // namespace mgtest
