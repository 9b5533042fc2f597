#include "game/profiles/GestorDesbloqueos.h"

#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"
#include "game/profiles/RegistroPerfil.h"

CGestorDesbloqueos::~CGestorDesbloqueos()
{
    if (GestorDesbloqueosJuego() == this) RegistraGestorDesbloqueos(nullptr);
}

bool CGestorDesbloqueos::Inicia()
{
    m_bIniciado = 1;
    return true;
}

void CGestorDesbloqueos::Libera() { m_bIniciado = 0; }

void CGestorDesbloqueos::Desbloquea(const char* nombre, bool forzar)
{
    RegistroPerfil* perfil = PerfilActualJuego();
    if (!perfil || !nombre) return;
    // The chain of parents is at most two deep; walking it in a loop keeps the
    // forced step of each parent.
    while (true) {
        if (!forzar && perfil->EstaDesbloqueado(nombre)) return;
        perfil->MarcaDesbloqueado(nombre);
        const int padre = PadreMarcador(BuscaMarcador(nombre));
        if (padre == MARCADOR_NINGUNO) return;
        nombre = NombreMarcador(padre);
        forzar = true;
    }
}
