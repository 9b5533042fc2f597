// The picture gallery of the chest: the story's 45 pictures (backgrounds,
// illustrations, vignettes) as thumbnails on five pages of nine, each
// named after its marker, so a picture the scenes have not shown yet is
// locked. A thumbnail opens its picture over the whole field; pressing the
// picture closes it. Back returns to the screen that opened the gallery.
#pragma once
#include "game/screens/cofre/MenuPaginado.h"

#include <string>

class CMenuGaleria : public CMenuPaginado {
public:
    enum { ID_VOLVER = 0, ID_PRIMER_HUECO = 1, ID_ANTERIOR = 10, ID_SIGUIENTE = 11, ID_IMAGEN = 12 };
    static constexpr int kHuecos = 9;
    static constexpr int kElementos = 45;
    static constexpr int kPaginas = 5;

    CMenuGaleria();
    ~CMenuGaleria() override;

    bool Crea();

    // ---- The screen's decisions ----
    // The item of slot k on page p, -1 past the last.
    static int ElementoDeHueco(int p, int k) { return CMenuPaginado::ElementoDeHueco(p, k, kHuecos, kElementos); }
    // Item i's thumbnail package and full picture (null outside 0..44).
    static const char* Miniatura(int i);
    static const char* Imagen(int i);
    // Item i's marker, "MGaleria_i".
    static std::string Marcador(int i);

    bool ImagenAbierta() const { return ElementoAbierto(); }

    // The screen that opened the gallery, set right before CambiaMenu.
    CMenuObj* m_pMenuRetorno = nullptr;

protected:
    bool IniciaHueco(CBotonIconoTazmo* pIcono, int k, int i) override;
    bool AbreElemento(int k, int i) override;
    CMenuObj* DestinoVolver() override;
};
