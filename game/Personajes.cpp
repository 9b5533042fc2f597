#include "game/Personajes.h"

#include <strings.h>

const Personaje* BuscaPersonaje(const char* nombre)
{
    if (!nombre) return nullptr;
    for (const Personaje& p : RegistroPersonajes)
        if (strcasecmp(p.m_pszNombre, nombre) == 0) return &p;
    return nullptr;
}

const Personaje* PersonajePorNumero(int numero)
{
    if (numero < 0 || numero >= NUM_PERSONAJES) return nullptr;
    return &RegistroPersonajes[static_cast<size_t>(numero)];
}

const Personaje* PersonajePorClaveNivel(int clave)
{
    if (clave < 0 || clave >= NUM_PERSONAJES) return nullptr;
    return PersonajePorNumero(TablaIdPerso[static_cast<size_t>(clave)]);
}

const Personaje* PersonajePorVisor(int visor)
{
    for (const Personaje& p : RegistroPersonajes)
        if (p.m_iVisor == visor) return &p;
    return nullptr;
}
