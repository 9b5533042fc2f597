// The widget factory and the reader of object files. An object file
// describes a tree of interface objects in the command-file syntax: each
// object is a CLASE record with its kind name, a PARAMS record with its
// parameters, its children as nested objects, and a FINCLASE record:
//
//   CLASE = "BUTO";
//   PARAMS = "CMENUOBJPAR_V001", 3, "MENU_BUT_Salir", 10.000, ..., "CBUTO_PAR_V0001", ...;
//     CLASE = ...; PARAMS = ...; FINCLASE = 1;     (a child)
//   FINCLASE = 1;
//
// CMenuObj::EscribeClase writes an object with its children so.
#pragma once
#include "engine/ui/TiposMenuObj.h"

class CMenuObj;
struct FitxerComandes;

class CFabricaMenuObj {
public:
    bool Inicia()
    {
        m_bIniciado = true;
        return true;
    }
    void Libera() { m_bIniciado = false; }
    bool EstaIniciado() const { return m_bIniciado; }

    // A new, constructed (not initialised) object of that kind (compared
    // exactly); null for a kind it does not know or cannot make.
    static CMenuObj* CreaMenuObjPorTipo(const char* szTipo);

    // Reads the object that starts at the current record of f (a CLASE
    // record), its children attached to it, up to its FINCLASE record. Null
    // when the record is not CLASE, the kind is unknown or the parameters
    // fail (everything read of it is deleted). An object without a PARAMS
    // record comes back not initialised (EstaIniciado says so). A child that
    // fails, or is not initialised, is deleted and the reading goes on.
    static CMenuObj* LeeClaseMenuObj(FitxerComandes* f);

    // Deletes an object and every child under it (an object read from a
    // file owns nothing else that would delete them).
    static void BorraArbol(CMenuObj* pObj);

private:
    static CMenuObj* LeeObjeto(FitxerComandes* f, int iProfundidad);
    bool m_bIniciado = false;
};
