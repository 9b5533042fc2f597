// What the chest's two paged galleries (the pictures and the seals) share:
// pages of slot icons that fly in and out under CPaginacion's rule, the two
// arrows that turn the page, one item opened at a time through an icon of
// its own (pressing it closes it), and the back button. A gallery gives its
// layout (slots, pages, items, ids and names) and says how a slot shows an
// item, how an item opens and where back leads.
#pragma once
#include "game/screens/BaseMenu.h"
#include "game/screens/cofre/Paginacion.h"

class CBotonIconoTazmo;
class CBotonTazmo;

class CMenuPaginado : public CBaseMenu {
public:
    static constexpr int kMaxHuecos = 9;

    ~CMenuPaginado() override;

    void Actualiza() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    void Libera();

    // The item of slot k on page p for a gallery of that many slots and
    // items, -1 past the last.
    static int ElementoDeHueco(int p, int k, int iHuecos, int iElementos);

    int Pagina() const { return m_paginas.Pagina(); }
    int Estado() const { return m_paginas.Estado(); }
    // The slots whose icons the page shows now.
    int NumHuecosMostrados() const;
    // The opened item's icon is attached.
    bool ElementoAbierto() const;

    CBotonIconoTazmo* m_apHuecos[kMaxHuecos] = {};
    CBotonIconoTazmo* m_pAnterior = nullptr;
    CBotonIconoTazmo* m_pSiguiente = nullptr;
    CBotonIconoTazmo* m_pImagen = nullptr;
    CBotonTazmo* m_pBotonVolver = nullptr;

protected:
    // A gallery's layout. Back has id 0, the slots 1..iHuecos.
    struct Disposicion {
        int iHuecos, iPaginas, iElementos;
        int iIdAnterior, iIdSiguiente, iIdImagen;
        const char* szNombreAnterior;
        const char* szNombreSiguiente;
        const char* szNombreVolver;
        const char* szAyudaFlechas;  // text code, null for none
    };
    explicit CMenuPaginado(const Disposicion& d);

    // The shared part of Crea: an earlier build released, the base screen,
    // the slots, the item's icon, the arrows and the back button, then the
    // gallery's own (ConstruyePropios); a failure releases everything.
    bool CreaPaginado(const char* szNombre, const char* szTitulo, const char* szIcono);
    // The gallery's own pieces, made after the shared ones.
    virtual bool ConstruyePropios() { return true; }
    // Releases what ConstruyePropios made (also on a failed Crea).
    virtual void LiberaPropios() {}
    // Sets up slot k's icon to show item i (false: the slot stays empty).
    virtual bool IniciaHueco(CBotonIconoTazmo* pIcono, int k, int i) = 0;
    // Opens item i from slot k: sets up m_pImagen (false: nothing opens).
    virtual bool AbreElemento(int k, int i) = 0;
    // Where back leads.
    virtual CMenuObj* DestinoVolver() = 0;

    int ElementoDeHueco(int p, int k) const { return ElementoDeHueco(p, k, m_d.iHuecos, m_d.iElementos); }

    CPaginacion m_paginas;

private:
    void LiberaComunes();
    bool ConstruyeComunes();
    void ConstruyePagina(int p);
    void QuitaPagina();
    bool HuecosEnTransicion() const;

    Disposicion m_d;
};
