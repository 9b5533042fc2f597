// A talking character of the story scenes: three mood pictures (happy,
// normal, sad) cross-faded by weight, eyes that blink and take gestures, a
// mouth that moves while it talks, and ramps for its alpha, scale, position
// and silhouette colour, plus a small jump. Scripts declare a character by
// name and drive it with their commands; the scene owns it.
#pragma once
#include "engine/graphics/Color.h"
#include "game/story/CarasEscena.h"

#include <memory>
#include <string>

class CSPM;

// The scenes' character table: the scenes number their characters in this
// order of their own (scripts name them; nothing else takes these numbers).
// What else belongs to a character (its folder, its chest marker) is the
// characters' registry's (game/Personajes.h), looked up by name.
struct FilaPersonajeEscena {
    const char* nombre;      // what scripts write, the registry's name
    const char* paquetes[3]; // happy, normal, sad (one picture serves all three of some)
};
constexpr int NUM_PERSONAJES_ESCENA = 11;
constexpr int PERSONAJE_ESCENA_NINGUNO = 12;
const FilaPersonajeEscena& FilaPersonaje(int iFila);
// The row of a name (without regard to case), PERSONAJE_ESCENA_NINGUNO for none.
int BuscaFilaPersonaje(const char* szNombre);

// The words of the character commands and their values (-1: not a word).
enum { HUMOR_ALEGRE = 0, HUMOR_NORMAL = 1, HUMOR_TRISTE = 2 };
enum { PARPADEO_CERRADOS = 0, PARPADEO_ABIERTOS = 1, PARPADEO_MAS_BIEN_CERRADOS = 2, PARPADEO_MAS_BIEN_ABIERTOS = 3, PARPADEO_NORMAL = 4 };
enum { BOCA_CHICA = 0, BOCA_NORMAL = 1, BOCA_ELOCUENTE = 2, BOCA_VOCIFERIO = 3, BOCA_GRITA = 4 };
enum { OJO_CERRADO = 0, OJO_POCO_ABIERTO = 1, OJO_CASI_ABIERTO = 2, OJO_ABIERTO = 3 };
int PalabraHumor(const char* sz);
int PalabraParpadeo(const char* sz);
int PalabraBoca(const char* sz);
int PalabraOjo(const char* sz);

class CPersoSecTazmo {
public:
    // Where a body stands: its hotspot's y on the field.
    static constexpr float kYCuerpo = 290.0f;
    static constexpr float kXInicial = -512.0f; // off the field's left edge
    static constexpr int kFramesFundido = 10;   // fade in and out
    static constexpr int kFramesSalto = 15;

    CPersoSecTazmo();
    CPersoSecTazmo(const CPersoSecTazmo&) = delete;
    CPersoSecTazmo& operator=(const CPersoSecTazmo&) = delete;

    // ---- Virtual operations, in their fixed order ----
    virtual ~CPersoSecTazmo();
    virtual void Actualiza();
    virtual void Dibuja();
    virtual void CargaRecursos();
    virtual void DescargaRecursos();

    // The character of that name, its chest marker unlocked. False (nothing
    // loaded) for a name the table lacks or a package that cannot be copied.
    bool Carga(const char* szNombre);
    void Libera();
    bool EstaCargado() const { return m_bCargado; }

    // Word commands; a word outside the command's list changes nothing.
    void CambiaHumor(const char* szPalabra);
    void CambiaParpadeo(const char* szPalabra);
    void CambiaBoca(const char* szPalabra);
    void CambiaOjoIzquierdo(const char* szPalabra);
    void CambiaOjoDerecho(const char* szPalabra);
    void Habla(bool bHabla) { m_bHablando = bHabla; }
    void Salta() { m_fSalto = 0.0f; }
    // Ramps toward a target over a number of frames (none or fewer: at once).
    void FadeTo(float fAlfa, int iFrames);
    void EscalaA(float fEscala, int iFrames);
    void VeAPosX(float x, int iFrames);
    // The silhouette colour (alpha, red, green, blue in 0..1) over frames.
    void SiluetaFadeTo(float a, float r, float g, float b, int iFrames);

    // Face tuning (a developer's tool, off unless switched on): the scene
    // offers keys and characters; true when taken.
    bool TeclaAjuste(int iTecla);
    bool CaracterAjuste(char c);
    static void ActivaAjusteCaras(bool b);
    static bool AjusteCarasActivo();
    // The scene row whose character takes the tuning input.
    static constexpr int kFilaAjuste = 8;

    bool m_bCargado = false;
    std::unique_ptr<CSPM> m_apPaquetes[NUM_HUMORES_ESCENA];
    float m_afPesos[NUM_HUMORES_ESCENA] = {};
    float m_fAlfa = 0.0f, m_fPasoAlfa = 0.0f;
    int m_iFramesAlfa = 0;
    int m_iFila = PERSONAJE_ESCENA_NINGUNO;
    int m_iHumor = HUMOR_NORMAL;
    int m_iParpadeo = PARPADEO_NORMAL;
    int m_iBoca = BOCA_ELOCUENTE;
    int m_iOjoDerecho = OJO_ABIERTO, m_iOjoIzquierdo = OJO_ABIERTO;
    int m_iFramesX = 0;
    float m_fX = kXInicial, m_fPasoX = 0.0f;
    bool m_bHablando = false;
    float m_fBoca = 0.0f, m_fVelocidadBoca = 0.0f;
    int m_iFramesEscala = 0;
    float m_fEscala = 1.0f, m_fPasoEscala = 0.0f;
    float m_fSalto = 1.0f; // 1: not jumping
    int m_iFaseParpadeo = 0;
    float m_fParpado = 0.0f, m_fPasoParpado = 0.0f;
    int m_iFramesParpadeo = 0;
    PuntoCara m_aPartes[NUM_PARTES_CARA][NUM_HUMORES_ESCENA] = {};
    int m_iParteAjuste = -1;
    // Where the ramps end: the last step lands on them exactly.
    float m_fAlfaObjetivo = 0.0f, m_fEscalaObjetivo = 1.0f, m_fXObjetivo = kXInicial;
    ColorARGB m_Silueta{0, 255, 255, 255};
    ColorARGB m_SiluetaObjetivo{0, 255, 255, 255};
    int m_iFramesSilueta = 0;

private:
    void InicializaCampos();
};
