#include "kit/ArbolMenus.h"

#include "engine/core/Temporizador.h"

#include <algorithm>

namespace kit {

// ---------------------------------------------------------------------------
// CObjetoArbol

void CObjetoArbol::Actualiza()
{
    ++m_iActualizaciones;
    if (m_iRestante > 0) --m_iRestante;
    CMenuObj::Actualiza();
}

void CObjetoArbol::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    ++m_iDibujos;
    m_pArbol->Anota("dibuja " + NombreDe(this));
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}

void CObjetoArbol::Pulsa(int iOrigen)
{
    m_pulsaciones.push_back(iOrigen);
    m_pArbol->Anota("pulsa " + NombreDe(this) + " " + std::to_string(iOrigen));
    CMenuObj::Pulsa(iOrigen);
}

bool CObjetoArbol::Contiene(float x, float y)
{
    if (m_iFlags & OBJ_SIN_CONTIENE) return false;
    return CMenuObj::Contiene(x, y);
}

bool CObjetoArbol::EntradaBloqueada() { return (m_iFlags & OBJ_BLOQUEA) != 0 || CMenuObj::EntradaBloqueada(); }

bool CObjetoArbol::EnTransicion() { return m_iRestante != 0 || CMenuObj::EnTransicion(); }

void CObjetoArbol::IniciaTransicion(bool bEntrada)
{
    if (UsaTransicion()) {
        m_pArbol->Anota(std::string(bEntrada ? "abre " : "cierra ") + NombreDe(this));
        m_iRestante = m_iPasosTransicion;
    }
    CMenuObj::IniciaTransicion(bEntrada);
}

void CObjetoArbol::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    EventoRecibido e;
    e.tipo = iTipo;
    e.valor = iValor;
    if (EventoLlevaPuntero(iTipo))
        e.puntero = szTexto;
    else if (szTexto)
        e.texto = szTexto;
    e.emisor = iIdEmisor;
    m_eventos.push_back(e);
    m_pArbol->Anota("evento " + NombreDe(this) + " " + std::to_string(iTipo) + " " + std::to_string(iValor) + " " +
                    std::to_string(iIdEmisor));
    if (m_bReenviaEventos) CMenuObj::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
}

bool CObjetoArbol::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    return m_bUltimaRespuesta = CMenuObj::TrataBotonRaton(iRaton, iEvento, x, y);
}

bool CObjetoArbol::TrataTecla(int iTecla) { return m_bUltimaRespuesta = CMenuObj::TrataTecla(iTecla); }

bool CObjetoArbol::TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion)
{
    return m_bUltimaRespuesta = CMenuObj::TrataMovimientoRaton(iRaton, x, y, bPorPulsacion);
}

bool CObjetoArbol::TrataCaracter(char c) { return m_bUltimaRespuesta = CMenuObj::TrataCaracter(c); }

bool CObjetoArbol::TrataEjeMando(CMando* pMando, int iEje, int iValor)
{
    return m_bUltimaRespuesta = CMenuObj::TrataEjeMando(pMando, iEje, iValor);
}

bool CObjetoArbol::TrataBotonMando(CMando* pMando, int iBoton)
{
    return m_bUltimaRespuesta = CMenuObj::TrataBotonMando(pMando, iBoton);
}

void CObjetoArbol::NotificaQuitado() { m_pArbol->Anota("quitado " + NombreDe(this)); }

void CObjetoArbol::NotificaHijoQuitado(CMenuObj* pHijo)
{
    m_pArbol->Anota("hijoQuitado " + NombreDe(this) + " " + NombreDe(pHijo));
}

// ---------------------------------------------------------------------------
// CArbolPrueba

CArbolPrueba::CArbolPrueba(int iFlagsRaiz) : m_bucle(&m_enlace)
{
    ReiniciaFrames(0);
    m_pRaiz = Nuevo("raiz", 0, 0.0f, 0.0f, 1024.0f, 768.0f, nullptr, iFlagsRaiz);
    App().AnadeMenu(m_pRaiz);
    m_log.clear();
}

CArbolPrueba::~CArbolPrueba()
{
    App().QuitaMenu(m_pRaiz);
    // Newest first, as owners release what they built.
    while (!m_objetos.empty()) m_objetos.pop_back();
}

CObjetoArbol* CArbolPrueba::Nuevo(const char* szNombre, int iId, float x, float y, float ancho, float alto,
                                  CMenuObj* pPadre, int iFlags)
{
    auto p = std::make_unique<CObjetoArbol>(this, iFlags);
    Rectangulo r;
    r.x = x;
    r.y = y;
    r.ancho = ancho;
    r.alto = alto;
    p->Inicia(iId, szNombre, r, -1);
    CObjetoArbol* pObj = p.get();
    // An object deleted with its parent belongs to the parent.
    if (iFlags & OBJ_BORRA_CON_PADRE)
        p.release();
    else
        m_objetos.push_back(std::move(p));
    if (pPadre) pPadre->AnadeHijo(false, pObj, false, false);
    return pObj;
}

void CArbolPrueba::Borra(CMenuObj* pObj)
{
    auto it = std::find_if(m_objetos.begin(), m_objetos.end(), [&](const auto& p) { return p.get() == pObj; });
    if (it != m_objetos.end()) m_objetos.erase(it);
}

// The core answers nothing; the root records what it answered when the
// input reached it.
template <class F>
static bool Entrega(CObjetoArbol* pRaiz, F f)
{
    pRaiz->m_bUltimaRespuesta = false;
    f();
    return pRaiz->m_bUltimaRespuesta;
}

bool CArbolPrueba::Tecla(int iTecla)
{
    return Entrega(m_pRaiz, [&] { App().ProcesaTecla(iTecla); });
}

bool CArbolPrueba::Caracter(char c)
{
    return Entrega(m_pRaiz, [&] { App().ProcesaCaracter(c); });
}

bool CArbolPrueba::BotonRaton(int iEvento, float x, float y, int iRaton)
{
    return Entrega(m_pRaiz, [&] { App().ProcesaBotonRaton(iRaton, iEvento, x, y); });
}

bool CArbolPrueba::MueveRaton(float x, float y, int iRaton)
{
    return Entrega(m_pRaiz, [&] { App().ProcesaMovimientoRaton(iRaton, x, y); });
}

bool CArbolPrueba::EjeMando(int iEje, int iValor, CMando* pMando)
{
    return Entrega(m_pRaiz, [&] { App().ProcesaEjeMando(pMando, iEje, iValor); });
}

bool CArbolPrueba::BotonMando(int iBoton, CMando* pMando)
{
    return Entrega(m_pRaiz, [&] { App().ProcesaBotonMando(pMando, iBoton); });
}

void CArbolPrueba::Clic(float x, float y)
{
    MueveRaton(x, y);
    BotonRaton(BOTON_IZQUIERDO_ABAJO, x, y);
    BotonRaton(BOTON_IZQUIERDO_ARRIBA, x, y);
}

bool CArbolPrueba::Pasos(int n)
{
    bool bSalir = false;
    for (int i = 0; i < n && !bSalir; ++i) {
        AvanzaFrame();
        bSalir = m_bucle.Paso();
    }
    return bSalir;
}

std::vector<std::string> CArbolPrueba::Log()
{
    std::vector<std::string> v;
    v.swap(m_log);
    return v;
}

// ---------------------------------------------------------------------------
// Readers

std::string NombreDe(const CMenuObj* pObj)
{
    if (!pObj) return "-";
    return pObj->Nombre()[0] ? pObj->Nombre() : "?";
}

std::string CadenaFoco(const CMenuObj* pObj)
{
    std::string s = NombreDe(pObj);
    // Bounded, so a broken chain cannot loop for ever.
    for (int i = 0; pObj && pObj->HijoEnfocado() && i < 64; ++i) {
        pObj = pObj->HijoEnfocado();
        s += ">" + NombreDe(pObj);
    }
    return s;
}

std::string NombresLista(const CLista& l)
{
    std::string s;
    for (const NodoLista* n = l.m_pCabeza; n; n = n->m_pSiguiente) {
        if (!s.empty()) s += ",";
        s += NombreDe(static_cast<const CMenuObj*>(n->m_pItem));
    }
    return s;
}

} // namespace kit
