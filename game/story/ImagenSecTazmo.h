// A full-screen picture of the story scenes: a background behind the
// characters or an illustration in front of them (which zooms a little as it
// fades). Scripts declare pictures by key and fade them; declaring one
// unlocks its gallery marker.
#pragma once
#include <memory>
#include <string>

class CSPM;

// The scenes' picture table, in gallery order: keys 0..16 are backgrounds,
// 17..27 illustrations, 28..44 vignettes; row i unlocks MGaleria_i.
struct FilaImagenEscena {
    const char* clave;   // what scripts write
    const char* paquete; // its package
};
constexpr int NUM_IMAGENES_ESCENA = 45;
constexpr int IMAGEN_ESCENA_NINGUNA = 46;
const FilaImagenEscena& FilaImagen(int iFila);
// The row of a key (without regard to case), IMAGEN_ESCENA_NINGUNA for none.
int BuscaFilaImagen(const char* szClave);

class CImagenSecTazmo {
public:
    // Drawn centred on the field.
    static constexpr float kX = 512.0f, kY = 384.0f;
    // How much larger an illustration is when it has faded out.
    static constexpr float kZoom = 0.3f;

    CImagenSecTazmo();
    CImagenSecTazmo(const CImagenSecTazmo&) = delete;
    CImagenSecTazmo& operator=(const CImagenSecTazmo&) = delete;

    // ---- Virtual operations, in their fixed order ----
    virtual ~CImagenSecTazmo();
    virtual void Actualiza();
    virtual void Dibuja();
    virtual void CargaRecursos();
    virtual void DescargaRecursos();

    // The picture of that key (its gallery marker unlocked). False for a key
    // the table lacks or a package that cannot be copied.
    bool Carga(const char* szClave);
    void Libera();
    bool EstaCargado() const { return m_bCargado; }
    // Alpha toward a value over frames (none or fewer: at once).
    void FadeTo(float fAlfa, int iFrames);

    bool m_bCargado = false;
    std::unique_ptr<CSPM> m_pPaquete;
    float m_fAlfa = 0.0f, m_fPaso = 0.0f;
    int m_iFrames = 0;
    float m_fObjetivo = 0.0f;
    bool m_bZoom = false;
    int m_iFila = IMAGEN_ESCENA_NINGUNA;
};
