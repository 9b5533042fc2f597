// The program's entry. The command line is not read. A termination signal
// closes the game as its window's close does, so nothing is lost to a logout.
#include "game/Programa.h"
#include "platform/Platform.h"

int main()
{
    plat::CloseOnTerminationSignals(true);
    return EjecutaPrograma();
}
