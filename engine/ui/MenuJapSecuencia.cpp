#include "engine/ui/MenuJapSecuencia.h"

#include "engine/sequences/JapSecuenciador.h"

#include <new>

CMenuJapSecuencia::~CMenuJapSecuencia() { LiberaSiCreado(); }

void CMenuJapSecuencia::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    LiberaSecuenciador();
    m_bCreado = false;
}

void CMenuJapSecuencia::LiberaSecuenciador()
{
    if (m_bPropio) delete m_pSecuenciador;
    m_pSecuenciador = nullptr;
    m_bPropio = false;
}

bool CMenuJapSecuencia::IniciaBase()
{
    LiberaSiCreado();
    return CMenuObj::Inicia(-1, kNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, kEstilo);
}

bool CMenuJapSecuencia::Crea(const char* szGuion, const ConfigSecuenciador* pConfig, int iFont)
{
    if (!IniciaBase()) return false;
    m_bCreado = true;
    auto* p = new (std::nothrow) CJapSecuenciador;
    m_pSecuenciador = p;
    m_bPropio = true;
    if (!p || !p->Carga(szGuion, pConfig, iFont)) {
        LiberaSiCreado();
        return false;
    }
    return true;
}

bool CMenuJapSecuencia::CreaConSecuenciador(CJapSecuenciador* pSecuenciador)
{
    if (!IniciaBase()) return false;
    m_bCreado = true;
    m_pSecuenciador = pSecuenciador;
    m_bPropio = false;
    return true;
}

int CMenuJapSecuencia::GetResultado() { return m_pSecuenciador ? m_pSecuenciador->GetResultado() : -1; }

void CMenuJapSecuencia::Actualiza()
{
    // A finished player is drawn as it ended until the opener removes the host.
    if (m_pSecuenciador && m_pSecuenciador->GetResultado() == -1) m_pSecuenciador->Actualiza();
    CMenuObj::Actualiza();
}

void CMenuJapSecuencia::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    if (m_pSecuenciador) m_pSecuenciador->Dibuja(pDestino);
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}

void CMenuJapSecuencia::PonEnfocado(bool) {}

void CMenuJapSecuencia::NotificaQuitado() {}

void CMenuJapSecuencia::CargaRecursos()
{
    if (m_pSecuenciador) m_pSecuenciador->CargaRecursos();
    CMenuObj::CargaRecursos();
}

void CMenuJapSecuencia::DescargaRecursos()
{
    if (m_pSecuenciador) m_pSecuenciador->DescargaRecursos();
    CMenuObj::DescargaRecursos();
}

bool CMenuJapSecuencia::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    if (m_pSecuenciador && m_pSecuenciador->TrataBotonRaton(iRaton, iEvento, x, y)) return true;
    return CMenuObj::TrataBotonRaton(iRaton, iEvento, x, y);
}

bool CMenuJapSecuencia::TrataTecla(int iTecla)
{
    if (m_pSecuenciador && m_pSecuenciador->TrataTecla(iTecla)) return true;
    return CMenuObj::TrataTecla(iTecla);
}

bool CMenuJapSecuencia::TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion)
{
    if (m_pSecuenciador && m_pSecuenciador->TrataMovimientoRaton(iRaton, x, y, bPorPulsacion)) return true;
    return CMenuObj::TrataMovimientoRaton(iRaton, x, y, bPorPulsacion);
}

bool CMenuJapSecuencia::TrataCaracter(char c)
{
    if (m_pSecuenciador && m_pSecuenciador->TrataCaracter(c)) return true;
    return CMenuObj::TrataCaracter(c);
}

bool CMenuJapSecuencia::TrataEjeMando(CMando* pMando, int iEje, int iValor)
{
    if (m_pSecuenciador && m_pSecuenciador->TrataEjeMando(pMando, iEje, iValor)) return true;
    return CMenuObj::TrataEjeMando(pMando, iEje, iValor);
}

bool CMenuJapSecuencia::TrataBotonMando(CMando* pMando, int iBoton)
{
    if (m_pSecuenciador && m_pSecuenciador->TrataBotonMando(pMando, iBoton)) return true;
    return CMenuObj::TrataBotonMando(pMando, iBoton);
}
