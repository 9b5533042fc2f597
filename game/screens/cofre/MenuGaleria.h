// The picture gallery of the chest: the story's 45 pictures (backgrounds,
// illustrations, vignettes) as thumbnails on five pages of nine, each
// named after its marker, so a picture the scenes have not shown yet is
// locked. A thumbnail opens its picture over the whole field; pressing the
// picture closes it. Back returns to the screen that opened the gallery.
#pragma once
#include "game/screens/BaseMenu.h"
#include "game/screens/cofre/Paginacion.h"

#include <string>

class CBotonIconoTazmo;
class CBotonTazmo;

class CMenuGaleria : public CBaseMenu {
public:
    enum { ID_VOLVER = 0, ID_PRIMER_HUECO = 1, ID_ANTERIOR = 10, ID_SIGUIENTE = 11, ID_IMAGEN = 12 };
    static constexpr int kHuecos = 9;
    static constexpr int kElementos = 45;
    static constexpr int kPaginas = 5;

    CMenuGaleria() : m_paginas(kPaginas) {}
    ~CMenuGaleria() override;

    void Actualiza() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;

    bool Crea();
    void Libera();

    // ---- The screen's decisions ----
    // The item of slot k on page p, -1 past the last.
    static int ElementoDeHueco(int p, int k);
    // Item i's thumbnail package and full picture (null outside 0..44).
    static const char* Miniatura(int i);
    static const char* Imagen(int i);
    // Item i's marker, "MGaleria_i".
    static std::string Marcador(int i);

    int Pagina() const { return m_paginas.Pagina(); }
    int Estado() const { return m_paginas.Estado(); }
    // The items whose icons the page shows now.
    int NumHuecosMostrados() const;
    bool ImagenAbierta() const;

    CBotonIconoTazmo* m_apHuecos[kHuecos] = {};
    CBotonIconoTazmo* m_pAnterior = nullptr;
    CBotonIconoTazmo* m_pSiguiente = nullptr;
    CBotonIconoTazmo* m_pImagen = nullptr;
    CBotonTazmo* m_pBotonVolver = nullptr;
    // The screen that opened the gallery, set right before CambiaMenu.
    CMenuObj* m_pMenuRetorno = nullptr;

private:
    void LiberaPropios();
    bool Construye();
    void ConstruyePagina(int p);
    void QuitaPagina();
    void AbreElemento(int k);
    bool HuecosEnTransicion() const;

    CPaginacion m_paginas;
};
