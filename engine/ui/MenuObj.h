// The base of every screen, dialog and widget, as far as the application core
// drives it: the top-level object's update, drawing, focus, resources and the
// six input operations with their layout-editor hooks. The tree of children,
// styles and transitions grow on this class; the virtual operations keep this
// order, with the others placed between them.
#pragma once
#include <cstdint>

class Sprite;
class CMando;

// Position and size in points of the 1024 by 768 field.
struct Rectangulo {
    float x = -1.0f;
    float y = -1.0f;
    float ancho = -1.0f;
    float alto = -1.0f;
};

class CMenuObj {
public:
    CMenuObj() = default;
    CMenuObj(const CMenuObj&) = delete;
    CMenuObj& operator=(const CMenuObj&) = delete;
    virtual ~CMenuObj() = default;

    virtual void Actualiza() {}
    virtual void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino);
    virtual void PonEnfocado(bool bEnfocado) { m_bEnfocado = bEnfocado; }
    virtual bool EstaEnfocado() { return m_bEnfocado; }
    virtual bool Contiene(float x, float y);
    virtual void CargaRecursos() { m_bRecursosCargados = true; }
    virtual void DescargaRecursos() { m_bRecursosCargados = false; }
    virtual void PonRect(float x, float y, float ancho, float alto);

    virtual bool TrataBotonRaton(int iRaton, int iEvento, float x, float y);
    virtual bool TrataTecla(int iTecla);
    virtual bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion);
    virtual bool TrataCaracter(char c);
    virtual bool TrataEjeMando(CMando* pMando, int iEje, int iValor);
    virtual bool TrataBotonMando(CMando* pMando, int iBoton);

    // Layout-editor hooks: they take nothing unless an object is in edit mode.
    virtual bool TrataBotonRatonEditor(int iRaton, int iEvento, float x, float y);
    virtual bool TrataTeclaEditor(int iTecla);
    virtual bool TrataMovimientoRatonEditor(int iRaton, float x, float y, bool bPorPulsacion);
    virtual bool TrataCaracterEditor(char c);
    virtual bool TrataEjeMandoEditor(CMando* pMando, int iEje, int iValor);
    virtual bool TrataBotonMandoEditor(CMando* pMando, int iBoton);
    virtual void ActualizaEditor() {}
    virtual void DibujaEditor(CMenuObj* pHastaHijo, Sprite* pDestino);

    int32_t m_iId = -1;
    bool m_bEnfocado = false;
    bool m_bVisible = true;
    Rectangulo m_rect;
    bool m_bRecursosCargados = false;
};
