// Writing the packed archive (CompactData.CMP) and its index
// (CompactData.IND) that CSistemaFitxers reads: the packer tool and the tests
// build archives with it, so the format lives in one place on each side.
//
// Index: one line per directory "D=\Dir\Sub", followed by one line per file
// "F=<name> <offset + k mod 256> <size + (256 - k mod 256) mod 256>" where k
// counts the F lines of the whole index from 0. Archive: the files' bytes
// back to back, byte j of each file XOR (j mod 256).
#pragma once
#include <string>
#include <vector>

// Packs every file below `carpeta` that sits in a subfolder; each subfolder
// becomes one directory of the index (its path with backslashes). Files at
// the top of `carpeta` cannot be found in an archive (a name without a folder
// is never looked up there): their names are returned in `solts` for the
// caller to place loose. False with a message in `error` on failure.
bool EmpaquetaCarpeta(const std::string& carpeta, const std::string& rutaArxiu, const std::string& rutaIndex,
                      std::vector<std::string>* solts, std::string* error);
