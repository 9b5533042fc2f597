// The program's entry. The command line is not read.
#include "game/Programa.h"

int main() { return EjecutaPrograma(); }
