#include "engine/ui/TransMusica.h"

#include "engine/core/EnlaceAplicacion.h"

#include <cstdio>

CTransMusica::~CTransMusica() { LiberaSiCreado(); }

void CTransMusica::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    m_bCreado = false;
}

bool CTransMusica::Inicia(const char* szPista)
{
    LiberaSiCreado();
    m_szPista[0] = m_szGuardada[0] = '\0';
    if (!CMenuObj::Inicia(-1, kNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    std::snprintf(m_szPista, sizeof m_szPista, "%s", szPista ? szPista : "");
    m_bCreado = true;
    return true;
}

void CTransMusica::IniciaTransicion(bool bEntrada)
{
    CEnlaceAplicacion* pAplicacion = EnlaceAplicacion();
    if (bEntrada) {
        std::snprintf(m_szGuardada, sizeof m_szGuardada, "%s", pAplicacion->NombreMusica());
        pAplicacion->CambiaMusica(m_szPista);
    } else {
        // What played before the parent opened comes back (nothing, when
        // it never opened: the music stops).
        pAplicacion->CambiaMusica(m_szGuardada);
    }
}

bool CTransMusica::EnTransicion() { return false; }

bool CTransMusica::Contiene(float, float) { return false; }
