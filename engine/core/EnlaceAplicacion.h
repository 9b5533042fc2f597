// What the user-interface objects ask of the application core: posting an
// event that reached the top of its tree, the ten interface styles their
// frames are drawn from, and the background music. The objects reach the
// core only through this link, so that they build below it; the core
// installs its own link when it is made. Before that (a widget tested on its
// own) events are dropped, there is no style and no music.
#pragma once
#include <cstdint>

// One interface style: the sprite packages of the two frame layers and of
// the icon, the focus and press sounds, the five flag words and the two
// layer colours.
struct EstiloObjeto {
    static constexpr int kLongitudNombre = 256;

    void Limpia();

    char m_szCapa1[kLongitudNombre];
    char m_szCapa2[kLongitudNombre];
    char m_szIcono[kLongitudNombre];
    char m_szSonidoFoco[kLongitudNombre];
    char m_szSonidoPulsar[kLongitudNombre];
    int32_t m_iFlagsSinFoco;
    int32_t m_iFlagsConFoco;
    int32_t m_iFlagsPulsado;
    int32_t m_iFlagsOculto;
    int32_t m_iFlagsMarcado;
    uint8_t m_aColorCapa1[3];
    uint8_t m_aColorCapa2[3];
};

// Style flag bits (layer 1; the layer-2 bit is the same shifted by 8).
enum {
    ESTILO_DESVANECE = 0x0001,
    ESTILO_APARECE = 0x0002,
    ESTILO_FUSION_BLANCA = 0x0004,
    ESTILO_PARPADEA = 0x0008,
    ESTILO_COLOR_ESTILO = 0x0010,
    ESTILO_MEDIO_ALFA = 0x0020,
    ESTILO_OCULTO = 0x0040,
};

class CEnlaceAplicacion {
public:
    virtual ~CEnlaceAplicacion() = default;

    // Appends an event to the core's list.
    virtual void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) = 0;
    // Interface style 0..9 (null out of range).
    virtual EstiloObjeto* Estilo(int i) = 0;
    // Background music by file name (null or empty stops it); false when the
    // name was refused. NombreMusica is "" while none plays.
    virtual bool CambiaMusica(const char* szNombre) = 0;
    virtual const char* NombreMusica() = 0;
};

// The link in force: the application core's once one was made, else one
// that drops everything. Never null.
CEnlaceAplicacion* EnlaceAplicacion();
// Sets the link; null gives back the one that drops everything.
void FijaEnlaceAplicacion(CEnlaceAplicacion* pEnlace);
