// The character viewer of the chest: one character's whole figure on the
// left, its mood pictures crossfading on the right (left and right arrows
// turn them), its story in a box, and a drum that plays one of its seven
// voice lines at random. The character list builds it for a character
// (Crea) right before opening it; back returns to the list.
#pragma once
#include "game/screens/BaseMenu.h"

#include <string>

class CBotonIconoTazmo;
class CBotonTazmo;
class CMsgBoxTazmo;
class CSPM;
struct Personaje;

class CVisorPersonaje : public CBaseMenu {
public:
    enum {
        ID_HISTORIA = 0,
        ID_GALERIA = 1,
        ID_VOZ = 2,
        ID_IZQUIERDA = 3,
        ID_DERECHA = 4,
        ID_CAJA = 5,
        ID_VOLVER = 6,
    };
    static constexpr int kNumIconos = 5;
    static constexpr int kMaxImagenes = 3;
    static constexpr int kNumFundidos = 4;
    static constexpr int kNumVoces = 7;
    static constexpr int kNumPersonajes = 11;
    static constexpr float kPasoFundido = 0.1f;
    // Where the figure's feet stand, and where the pictures' centres are
    // placed: a picture (600 high) stands between the title bar and the
    // bottom bar, so that no hat or head is drawn under the title.
    static constexpr float kFiguraX = 300.0f, kFiguraY = 700.0f;
    static constexpr float kImagenX = 728.0f, kImagenY = 385.0f;

    CVisorPersonaje() = default;
    ~CVisorPersonaje() override;

    void Actualiza() override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void DibujaContenido(Sprite* pDestino) override;

    // False, with nothing built, for a character outside 0..10.
    bool Crea(int iPersonaje);
    void Libera();

    // ---- The screen's decisions ----
    // The character of viewer number v (null outside 0..10).
    static const Personaje* PersonajeDeVisor(int v);
    // How many mood pictures a character has: one when its three moods are
    // one picture, else three.
    static int NumImagenes(const Personaje* p);
    // The package of picture k (0 normal, 1 happy, 2 sad), from the story
    // scenes' table of the character.
    static const char* PaqueteImagen(const Personaje* p, int k);
    // The scenes' mood of picture k, for its face.
    static int HumorDeImagen(int k);
    // The previous and next picture of n, turning round at the ends.
    static int ImagenAnterior(int iActual, int n) { return n > 0 ? (iActual + n - 1) % n : 0; }
    static int ImagenSiguiente(int iActual, int n) { return n > 0 ? (iActual + 1) % n : 0; }
    // A fade one step on: up toward 1 for the current picture, down toward 0
    // for the others.
    static float PasoFundido(float f, bool bActual);
    // The voice slot name of line i (0..6) of a prefix.
    static std::string NombreVoz(const char* szPrefijo, int i);

    int NumeroPersonaje() const { return m_iPersonaje; }
    int ImagenActual() const { return m_iImagen; }
    int NumImagenesCargadas() const { return m_nImagenes; }
    float Fundido(int i) const { return i >= 0 && i < kNumFundidos ? m_afFundido[i] : 0.0f; }
    int RanuraVoz(int i) const { return i >= 0 && i < kNumVoces ? m_aiVoces[i] : -1; }
    bool CajaAbierta() const;

    CBotonIconoTazmo* m_apIconos[kNumIconos] = {};
    CBotonTazmo* m_pBotonVolver = nullptr;
    CMsgBoxTazmo* m_pCaja = nullptr;
    CSPM* m_apImagenes[kMaxImagenes] = {};
    CSPM* m_pFigura = nullptr;

private:
    void InicializaCampos();
    void LiberaPropios();
    bool Construye();
    void DibujaFigura(Sprite* pDestino);
    void DibujaImagen(Sprite* pDestino, int k);

    const struct Personaje* m_pRegistro = nullptr;
    int m_iPersonaje = -1;
    int m_iImagen = 0;
    int m_nImagenes = 0;
    float m_afFundido[kNumFundidos] = {};
    int m_aiVoces[kNumVoces] = {-1, -1, -1, -1, -1, -1, -1};
};
