// The base of every screen, dialog and widget: a retained tree of objects.
// Each object has a parent (none for a top-level object registered with the
// application core) and an ordered list of children whose head is the top
// child (drawn last, offered input first). The base carries the per-step
// update and drawing down the tree, keeps the focus as one chain from the
// focused top-level object down, attaches exclusive children (screens) only
// after their parent has closed, keeps removed children alive until their
// closing transition has ended, passes events up with the sender rewritten to
// the direct child that passed them on, and animates two frame layers from
// the interface style it selects.
//
// Every class derived from CMenuObj follows one pattern: its first member is
// m_bCreado; each initialiser first releases an earlier build (LiberaSiCreado),
// sets its defaults (InicializaCampos), calls CMenuObj::Inicia and builds its
// parts, and on any failure releases everything and returns false; the
// destructor releases only when created.
//
// The virtual operations keep this order in every class; derived classes
// append their own after the last.
#pragma once
#include "engine/core/Lista.h"

#include <cstdint>

class CSPM;
class Sprite;
class CMuestraSonido;
class CMando;
struct FitxerComandes;
struct EstiloObjeto;

// Position and size in points of the 1024 by 768 field.
struct Rectangulo {
    float x = -1.0f;
    float y = -1.0f;
    float ancho = -1.0f;
    float alto = -1.0f;
};

// Event kinds of the interface (the tipo of EnviaEvento). 13 and 15 belong
// to the application core; screens number their own kinds from 17 up.
enum TipoEventoInterfaz {
    EVENTO_PULSADO = 0,                 // value: input source
    EVENTO_ELEMENTO_ELEGIDO = 1,        // value: entry index; text: entry text
    EVENTO_TEXTO_ACEPTADO = 2,          // text: the typed text
    EVENTO_NAVEGACION_CANCELADA = 3,
    EVENTO_FICHERO_ELEGIDO = 4,         // text: file name with its extension
    EVENTO_CASILLA_PULSADA = 5,         // text points to two int32: column, row
    EVENTO_OPCION_ELEGIDA = 6,          // value: option index
    EVENTO_RESPUESTA_MENSAJE = 7,       // value: answer button index
    EVENTO_ARRASTRANDO = 8,             // text points to the dragged object
    EVENTO_ARRASTRE_INICIO = 9,         // text points to the object
    EVENTO_ARRASTRE_FIN = 10,           // text points to the object
    EVENTO_VALOR_SCROLL = 11,           // value: new value, truncated
    EVENTO_OPCION_CAMBIADA = 12,        // value: new option index
};

// Kinds whose text argument carries a pointer, not a text.
bool EventoLlevaPuntero(int iTipo);

// Mouse button events as the devices deliver them.
enum {
    BOTON_IZQUIERDO_ABAJO = 0,
    BOTON_IZQUIERDO_ARRIBA = 1,
    BOTON_DERECHO_ABAJO = 2,
    BOTON_DERECHO_ARRIBA = 3,
    BOTON_CENTRAL_ABAJO = 4,
    BOTON_CENTRAL_ARRIBA = 5,
};

// Key codes the base reacts to.
enum {
    TECLA_ESCAPE = 1,
    TECLA_ENTER = 28,
    TECLA_ARRIBA = 200,
    TECLA_ABAJO = 208,
    TECLA_IZQUIERDA = 203,
    TECLA_DERECHA = 205,
};

// Controller buttons and axes the base reacts to.
enum {
    BOTON_MANDO_PULSAR = 0,
    BOTON_MANDO_CANCELAR = 2,
    EJE_MANDO_HORIZONTAL = 0,
    EJE_MANDO_VERTICAL = 1,
    UMBRAL_EJE_MANDO = 100,
};

// Layout-editor state of one object.
struct EstadoEdicion {
    static constexpr int kNingunaAsa = 5;
    CSPM* m_pIconos = nullptr; // own copy of the editor's handle icons
    int32_t m_iAsa = kNingunaAsa;
    bool m_bEdicion = false;
    float m_afAsaX[4] = {};
    float m_afAsaY[4] = {};
};

class CMenuObj {
public:
    // Steps of the pressed look after a press.
    static constexpr int kPasosPulsado = 5;
    static constexpr int kLongitudNombre = 64;

    CMenuObj();
    CMenuObj(const CMenuObj&) = delete;
    CMenuObj& operator=(const CMenuObj&) = delete;

    // ---- Virtual operations, in their fixed order ----
    virtual ~CMenuObj();
    virtual bool LeeParametros(FitxerComandes* f);
    virtual void Actualiza();
    virtual void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino);
    virtual void PonEnfocado(bool bEnfocado);
    virtual bool EstaEnfocado();
    virtual void Pulsa(int iOrigen);
    virtual void PonVisible(bool bVisible);
    virtual bool EsVisible();
    virtual void PonMarcado(bool bMarcado);
    virtual bool EstaMarcado();
    virtual bool Contiene(float x, float y);
    virtual void CargaRecursos();
    virtual void DescargaRecursos();
    virtual bool EsExclusivo();
    virtual bool EsModal();
    virtual bool UsaTransicion();
    virtual bool SeBorraConPadre();
    virtual void Cierra(bool bRecarga);
    virtual void PonRect(float x, float y, float ancho, float alto);
    virtual bool TrataBotonRaton(int iRaton, int iEvento, float x, float y);
    virtual bool TrataTecla(int iTecla);
    virtual bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion);
    virtual bool TrataCaracter(char c);
    virtual bool TrataEjeMando(CMando* pMando, int iEje, int iValor);
    virtual bool TrataBotonMando(CMando* pMando, int iBoton);
    virtual CMenuObj* Padre();
    virtual void EntraEdicion();
    virtual void SaleEdicion();
    virtual void AnadeHijo(bool bRecarga, CMenuObj* pHijo, bool bSobreElPrimero, bool bDebajo);
    virtual void AnadeHijoDiferido(CMenuObj* pHijo);
    virtual void InsertaHijo(bool bRecarga, CMenuObj* pHijo, CMenuObj* pEncimaDe, bool bDebajo);
    virtual void QuitaHijo(bool bRecarga, CMenuObj* pHijo);
    virtual bool EnTransicion();
    virtual bool EntradaBloqueada();
    virtual void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor);
    virtual void EnfocaHijo(CMenuObj* pHijo);
    virtual void PonPadre(CMenuObj* pPadre);
    virtual void IniciaTransicion(bool bEntrada);
    virtual void NotificaQuitado();
    virtual void NotificaHijoQuitado(CMenuObj* pHijo);
    virtual bool TrataBotonRatonEditor(int iRaton, int iEvento, float x, float y);
    virtual bool TrataTeclaEditor(int iTecla);
    virtual bool TrataMovimientoRatonEditor(int iRaton, float x, float y, bool bPorPulsacion);
    virtual bool TrataCaracterEditor(char c);
    virtual bool TrataEjeMandoEditor(CMando* pMando, int iEje, int iValor);
    virtual bool TrataBotonMandoEditor(CMando* pMando, int iBoton);
    virtual void ActualizaEditor();
    virtual void DibujaEditor(CMenuObj* pHastaHijo, Sprite* pDestino);
    virtual bool EsEditable();
    virtual bool PermiteMover();
    virtual bool PermiteRedimensionar();
    virtual bool PermiteAsaInfIzq();
    virtual bool PermiteAsaSupDer();
    virtual bool PermiteAsa(int i);
    virtual void EscribeParametros(FitxerComandes* f);
    virtual void FinEscrituraParametros(FitxerComandes* f);

    // ---- Creation and release ----
    bool Inicia(int iId, const char* szNombre, const Rectangulo& rect, int iEstilo);
    void LiberaSiIniciado();
    void Libera();
    void InicializaCampos();

    // ---- Reading ----
    bool EstaIniciado() const { return m_bIniciado; }
    bool RecursosCargados() const { return m_bRecursosCargados; }
    const Rectangulo& Rect() const { return m_rect; }
    const char* Nombre() const { return m_szNombre; }
    CMenuObj* HijoEnfocado() const { return m_pHijoEnfocado; }
    // A shown modal object (a message box) lies above this one, attached
    // to it or to one of its ancestors over the branch that holds it: the
    // player cannot reach this object now (its hints are not asked for).
    bool BajoModal();

    void PonFrameIcono(int iFrame) { m_iFrameIcono = iFrame; }
    void PonArriba(CMenuObj* p) { m_pArriba = p; }
    void PonAbajo(CMenuObj* p) { m_pAbajo = p; }
    void PonIzquierda(CMenuObj* p) { m_pIzquierda = p; }
    void PonDerecha(CMenuObj* p) { m_pDerecha = p; }
    CMenuObj* Arriba() const { return m_pArriba; }
    CMenuObj* Abajo() const { return m_pAbajo; }
    CMenuObj* Izquierda() const { return m_pIzquierda; }
    CMenuObj* Derecha() const { return m_pDerecha; }
    void PonCancelar(CMenuObj* p) { m_pCancelar = p; }
    void PulsaHijo(int iOrigen, CMenuObj* pHijo);
    void PonColorPropio(bool bCapa1, uint8_t r, uint8_t g, uint8_t b);
    static bool EsSoltarBoton(int iEvento);

    // Writes this object as one object-file entry of that kind, with its
    // children nested in it (each as a whole entry of its own kind; children
    // of no kind an object file knows are left out), so that it reads back
    // whole.
    void EscribeClase(FitxerComandes* f, const char* szTipo);

    // ---- Layout editor ----
    // Handles: 0 top-left (moves), 1 bottom-right (resizes), 2 top-right,
    // 3 bottom-left; at the rectangle's corners, or 14 points either side of
    // its centre along a side shorter than 28.
    static constexpr float kRadioAsa = 14.0f;
    void CalculaAsas();
    float AsaX(int i) const { return (i >= 0 && i < 4) ? m_edicion.m_afAsaX[i] : 0.0f; }
    float AsaY(int i) const { return (i >= 0 && i < 4) ? m_edicion.m_afAsaY[i] : 0.0f; }
    // The first handle within 14 points of the point, 5 for none.
    int AsaEnPunto(float x, float y);
    bool EnEdicion() const { return m_edicion.m_bEdicion; }
    int AsaElegida() const { return m_edicion.m_iAsa; }
    // A derived level's parameters follow the base's, opened by its own
    // version text. Reading: the base part and that text; false when either is
    // missing or the version is another. Writing: both; false when nothing
    // can be written.
    bool LeeParametrosConVersion(FitxerComandes* f, const char* szVersion);
    bool EscribeParametrosConVersion(FitxerComandes* f, const char* szVersion);

    // ---- Data ----
    bool m_bIniciado = false;
    int32_t m_iId = -1;
    int32_t m_iPulsacion = -1;
    bool m_bEnfocado = false;
    bool m_bVisible = true;
    bool m_bMarcado = false;
    int32_t m_iAlfaCapa1 = 255;
    int32_t m_iAlfaCapa2 = 255;
    CSPM* m_pCapa1 = nullptr;
    CSPM* m_pCapa2 = nullptr;
    CSPM* m_pIcono = nullptr;
    CMenuObj* m_pArriba = nullptr;
    CMenuObj* m_pAbajo = nullptr;
    CMenuObj* m_pIzquierda = nullptr;
    CMenuObj* m_pDerecha = nullptr;
    CMenuObj* m_pPadre = nullptr;
    Rectangulo m_rect;
    CMuestraSonido* m_pSonidoFoco = nullptr;
    CMuestraSonido* m_pSonidoPulsar = nullptr;
    int32_t m_iFlagsEstilo = 0;
    int32_t m_iTiempoPulsado = -1;
    bool m_bEnfocadoAntes = false;
    bool m_bOcultaCapa1 = false;
    bool m_bOcultaCapa2 = false;
    bool m_bRecursosCargados = false;
    uint8_t m_aColorPropio[6] = {255, 255, 255, 255, 255, 255};
    int32_t m_iEstilo = -1;
    CLista m_lHijos;           // head = top child
    CLista m_lBajas;           // removed, still closing
    CLista m_lAltasPendientes; // waiting to be attached
    CLista m_lPropios;         // deleted with this object
    CMenuObj* m_pHijoEnfocado = nullptr;
    CMenuObj* m_pFocoGuardado = nullptr;
    CMenuObj* m_pCursorDibujo = nullptr;
    CMenuObj* m_pCancelar = nullptr;
    int32_t m_iFrameIcono = -1;
    char m_szNombre[kLongitudNombre] = {};
    bool m_bRecargaAlAnadir = false;
    bool m_bRecargaAlQuitar = false;
    EstadoEdicion m_edicion;

protected:
    // Attaches now (the end of InsertaHijo and of ProcesaAltasPendientes).
    void ConectaHijo(CMenuObj* pHijo, CMenuObj* pEncimaDe, bool bDebajo);
    // Completes the removals whose closing has ended.
    void ProcesaBajas();
    // Attaches the waiting children once this object is out of transition.
    void ProcesaAltasPendientes();
    // The style record in use, null without one.
    const EstiloObjeto* EstiloActual() const;

private:
    // Takes every trace of pHijo out of this object at once: the four lists,
    // the focus, the saved focus, the drawing cursor, the cancel target and
    // the siblings' links. Used when a child is deleted, or attached
    // elsewhere, while this object still holds it.
    void OlvidaHijo(CMenuObj* pHijo);
    // Clears this object's pointers to pHijo outside the lists: the focus,
    // the saved focus, the drawing cursor, the cancel target and the
    // children's neighbour links.
    void OlvidaReferencias(CMenuObj* pHijo);
    // A child deleted with its parent is owned by the last parent that took
    // it (attached or waiting): it leaves the owned list of the one before.
    void Adopta(CMenuObj* pHijo);
    // pHijo no longer waits to be attached here.
    void CancelaAlta(CMenuObj* pHijo);
    // Clears the back-links of every child held in the lists (this object is
    // being released).
    void SueltaHijos();
    // pHijo may be attached here: both initialised, and not this object or
    // one of its ancestors.
    bool PuedeContener(CMenuObj* pHijo);
    // Appends pHijo to the pending list.
    void Pendiente(CMenuObj* pHijo);

    // The frame common to the input operations.
    bool EntradaRechazada();
    bool Traga();
    bool MueveFoco(CMenuObj* pVecino);
    // Where no neighbour links were laid (the focused child has none, or
    // nothing has the focus yet), the arrows and the controller's axes move
    // the focus to the nearest shown button that way (dx, dy one of the four
    // directions); without a focused child, to the first button in reading
    // order. False when there is none.
    bool MueveFocoCercano(int dx, int dy);
    void PulsaCancelar(int iOrigen);
    template <class F>
    bool OfreceAHijosEditor(F f);

    void ActualizaSonidosYPulsacion();
    void AnimaEstilo();
    bool CreaPaquetes();
    static bool CopiaNombrada(const char* szNombre, CSPM** pp);
    void LiberaPaquetes();
    void LiberaSonidos();
    static void TocaSonido(CMuestraSonido* pSonido);
    void DibujaCapas(Sprite* pDestino);
    void DibujaIcono(Sprite* pDestino);

    // The parent whose lists hold this object (attached, or closing after a
    // removal while the parent link is already cleared), and the parent whose
    // pending list holds it. Deleting the object takes it out of every list.
    CMenuObj* m_pContenedor = nullptr;
    CMenuObj* m_pPendienteDe = nullptr;
    // The parent whose owned list holds this object (it deletes it).
    CMenuObj* m_pDueno = nullptr;
};
