// Test helpers for user-interface trees: an object that records what it is
// asked and can play a screen, a dialog or a closing/opening transition; a
// tree that owns such objects under a root registered with an application
// core of its own; input injected through the core's dispatch; steps of the
// core's loop (update + draw) on the manual clock; and readers of the focus
// chain, the children, removal and pending lists and the events received.
#pragma once
#include "engine/ui/MenuObj.h"
#include "kit/BucleAplicacion.h"

#include <memory>
#include <string>
#include <vector>

namespace kit {

class CArbolPrueba;

// One event as an object received it in EnviaEvento.
struct EventoRecibido {
    int tipo = 0;
    int valor = 0;
    std::string texto; // "" without text (and for kinds carrying a pointer)
    const void* puntero = nullptr; // the text argument of kinds carrying a pointer
    int emisor = -1;
};

// What a test object is; combine with |.
enum {
    OBJ_EXCLUSIVO = 0x01,     // a screen
    OBJ_MODAL = 0x02,         // a dialog
    OBJ_TRANSICION = 0x04,    // opens after attaching, closes when removed
    OBJ_BORRA_CON_PADRE = 0x08,
    OBJ_SIN_CONTIENE = 0x10,  // Contiene is always false (a picture)
    OBJ_BLOQUEA = 0x20,       // EntradaBloqueada
};

// A CMenuObj that records its calls into the tree's log ("pulsa boton 0",
// "abre menu", "cierra menu", "quitado boton", "hijoQuitado menu boton",
// "evento menu 0 0 5") and keeps the events it received. Its own transition
// lasts m_iPasosTransicion updates (-1: it never ends).
class CObjetoArbol : public CMenuObj {
public:
    CObjetoArbol(CArbolPrueba* pArbol, int iFlags) : m_pArbol(pArbol), m_iFlags(iFlags) {}

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void Pulsa(int iOrigen) override;
    bool Contiene(float x, float y) override;
    bool EsExclusivo() override { return (m_iFlags & OBJ_EXCLUSIVO) != 0; }
    bool EsModal() override { return (m_iFlags & OBJ_MODAL) != 0; }
    bool UsaTransicion() override { return (m_iFlags & OBJ_TRANSICION) != 0; }
    bool SeBorraConPadre() override { return (m_iFlags & OBJ_BORRA_CON_PADRE) != 0; }
    bool EntradaBloqueada() override;
    bool EnTransicion() override;
    void IniciaTransicion(bool bEntrada) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void NotificaQuitado() override;
    void NotificaHijoQuitado(CMenuObj* pHijo) override;

    // Whether this object's own transition is running.
    bool TransicionPropia() const { return m_iRestante != 0; }

    CArbolPrueba* m_pArbol;
    int m_iFlags;
    int m_iPasosTransicion = 3;
    int m_iRestante = 0;
    bool m_bReenviaEventos = true; // pass events on to the parent (the base)
    int m_iActualizaciones = 0;
    int m_iDibujos = 0;
    std::vector<int> m_pulsaciones; // sources of Pulsa
    std::vector<EventoRecibido> m_eventos;
    // What the last input operation that reached this object answered.
    bool m_bUltimaRespuesta = false;

    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    bool TrataTecla(int iTecla) override;
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion) override;
    bool TrataCaracter(char c) override;
    bool TrataEjeMando(CMando* pMando, int iEje, int iValor) override;
    bool TrataBotonMando(CMando* pMando, int iBoton) override;
};

// Owns the objects of one tree and an application core (installed as
// g_pAplicacion, on the manual clock, drawing nothing) with which the root
// is registered: a top-level object over the whole field (1024 x 768), with
// its resources loaded and the focus.
class CArbolPrueba {
public:
    explicit CArbolPrueba(int iFlagsRaiz = 0);
    ~CArbolPrueba();
    CArbolPrueba(const CArbolPrueba&) = delete;
    CArbolPrueba& operator=(const CArbolPrueba&) = delete;

    CObjetoArbol* Raiz() { return m_pRaiz; }
    CAplicacion& App() { return m_bucle.App(); }
    CEnlaceGraficosPrueba& Enlace() { return m_enlace; }

    // A new initialised object (identifier, name, rectangle, style -1),
    // attached on top of pPadre when one is given (AnadeHijo (false, obj,
    // false, false)), else left detached. An OBJ_BORRA_CON_PADRE object is
    // not kept by the tree: its parent deletes it.
    CObjetoArbol* Nuevo(const char* szNombre, int iId, float x, float y, float ancho, float alto,
                        CMenuObj* pPadre = nullptr, int iFlags = 0);
    // Deletes an object of this tree now (the owner deleting it).
    void Borra(CMenuObj* pObj);

    // Input through the application core's dispatch (the layout-editor
    // pass, then the focused top-level object; a mouse button only when the
    // point lies inside it). The result is what the focused top-level object
    // answered (false when the input did not reach it or was not used).
    bool Tecla(int iTecla);
    bool Caracter(char c);
    bool BotonRaton(int iEvento, float x, float y, int iRaton = 0);
    bool MueveRaton(float x, float y, int iRaton = 0);
    bool EjeMando(int iEje, int iValor, CMando* pMando = nullptr);
    bool BotonMando(int iBoton, CMando* pMando = nullptr);
    // Move, left down and left up at one point.
    void Clic(float x, float y);

    // n logic steps of the core's loop (each updates and draws the
    // registered objects once), with the frame count moved on as the menu
    // manager does; true when one of them asked to quit.
    bool Pasos(int n);

    // The log of calls of every object, in order; Log() empties it.
    std::vector<std::string> Log();
    void Anota(std::string s) { m_log.push_back(std::move(s)); }

private:
    CEnlaceGraficosPrueba m_enlace;
    CBuclePrueba m_bucle;
    CObjetoArbol* m_pRaiz = nullptr;
    std::vector<std::unique_ptr<CObjetoArbol>> m_objetos;
    std::vector<std::string> m_log;
};

// Readers. Names are the objects' names ("?" for an unnamed object).
std::string NombreDe(const CMenuObj* pObj);
// The focus chain from pObj down: "raiz>menu>boton".
std::string CadenaFoco(const CMenuObj* pObj);
// The names of a list from the head (top) to the tail: "a,b,c".
std::string NombresLista(const CLista& l);
inline std::string Hijos(const CMenuObj* p) { return NombresLista(p->m_lHijos); }
inline std::string Bajas(const CMenuObj* p) { return NombresLista(p->m_lBajas); }
inline std::string Pendientes(const CMenuObj* p) { return NombresLista(p->m_lAltasPendientes); }

} // namespace kit
