#include "game/screens/cofre/MenuGaleria.h"

#include "engine/core/GestorFLIs.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/cofre/MenuCofreTesoro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonIconoTazmo.h"
#include "game/story/ImagenSecTazmo.h"


namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;

struct Punto {
    float x, y;
};
const Punto kPosHuecos[CMenuGaleria::kHuecos] = {
    {256.0f, 220.0f}, {512.0f, 220.0f}, {768.0f, 220.0f}, {256.0f, 400.0f}, {512.0f, 400.0f},
    {768.0f, 400.0f}, {256.0f, 580.0f}, {512.0f, 580.0f}, {768.0f, 580.0f},
};
// A thumbnail's hit area.
constexpr float kRadioMiniaturaX = 90.0f, kRadioMiniaturaY = 65.0f;

// The thumbnails in gallery order: backgrounds 0..16, illustrations 17..27,
// vignettes 28..44, as the scenes' picture table numbers them.
const char* const kMiniaturas[CMenuGaleria::kElementos] = {
    juego::paquete::MINI_FONDO_MAIDA,
    juego::paquete::MINI_FONDO_ALDUNIA,
    juego::paquete::MINI_FONDO_ADELETIA,
    juego::paquete::MINI_FONDO_PASILLOS,
    juego::paquete::MINI_FONDO_PRISION,
    juego::paquete::MINI_FONDO_JARDIN,
    juego::paquete::MINI_FONDO_COCINAS,
    juego::paquete::MINI_FONDO_LABORATORIO,
    juego::paquete::MINI_FONDO_IRINA,
    juego::paquete::MINI_FONDO_NEGRO,
    juego::paquete::MINI_FONDO_BLANCO,
    juego::paquete::MINI_FONDO_LIMBO,
    juego::paquete::MINI_FONDO_LIMBO_MALVADO,
    juego::paquete::MINI_FONDO_ADELETIA_DIA,
    juego::paquete::MINI_FONDO_PASILLOS_DIA,
    juego::paquete::MINI_FONDO_MAIDA_NOCHE,
    juego::paquete::MINI_FONDO_JARDIN_TARDE,
    juego::paquete::MINI_ALDUNIA_VENENO,
    juego::paquete::MINI_ASESINO_HUYENDO,
    juego::paquete::MINI_ASESINO_IRINA_VENENO,
    juego::paquete::MINI_IRINA_DESCUBRE_MAIDA,
    juego::paquete::MINI_MAIDA_BEBE_VENENO,
    juego::paquete::MINI_MAIDA_DESPIERTA,
    juego::paquete::MINI_MAIDA_VENCE_TERESIA,
    juego::paquete::MINI_STOKINNEN_CAMBIA_NINYAS,
    juego::paquete::MINI_STOKINNEN_INVOCA_SELLO,
    juego::paquete::MINI_STOKINNEN_MAIDA_JUEGAN,
    juego::paquete::MINI_TUMBA_REINA,
    juego::paquete::MINI_VINY_MANO_MAIDA,
    juego::paquete::MINI_VINY_ADELETIA_COGE_MANO,
    juego::paquete::MINI_VINY_ALDUNIA_COGE_MANO,
    juego::paquete::MINI_VINY_ALFATIMA_COGE_MANO,
    juego::paquete::MINI_VINY_VENENO,
    juego::paquete::MINI_VINY_ANTIDOTO,
    juego::paquete::MINI_VINY_BARRO_EN_CALZADO,
    juego::paquete::MINI_VINY_CANDELABRO,
    juego::paquete::MINI_VINY_CANDIL_EN_VENTANA,
    juego::paquete::MINI_VINY_MAIDA_BEBE_ANTIDOTO,
    juego::paquete::MINI_VINY_MAIDA_EN_CAMA,
    juego::paquete::MINI_VINY_BOLSITA_MAIDA,
    juego::paquete::MINI_VINY_MAIDA_RECUPERA_EL_COLOR,
    juego::paquete::MINI_VINY_MAIDA_SUFRIENDO,
    juego::paquete::MINI_VINY_STOKINNEN_HUELE_TAZA,
    juego::paquete::MINI_VINY_PLATO_VACIO,
    juego::paquete::MINI_VINY_HUEVOS_REVUELTOS
};

} // namespace

// ---------------------------------------------------------------------------
// Decisions

const char* CMenuGaleria::Miniatura(int i) { return i >= 0 && i < kElementos ? kMiniaturas[i] : nullptr; }

const char* CMenuGaleria::Imagen(int i) { return i >= 0 && i < kElementos ? FilaImagen(i).paquete : nullptr; }

std::string CMenuGaleria::Marcador(int i) { return "MGaleria_" + std::to_string(i); }

// ---------------------------------------------------------------------------
// Creation

CMenuGaleria::CMenuGaleria()
    : CMenuPaginado({kHuecos, kPaginas, kElementos, ID_ANTERIOR, ID_SIGUIENTE, ID_IMAGEN, "MenuPersonajes_BUT_Anterior",
                     "MenuPersonajes_BUT_Anterior", "MenuPersonajes_BUT_Volver", juego::texto::TMP1})
{
}

CMenuGaleria::~CMenuGaleria()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

bool CMenuGaleria::Crea()
{
    return CreaPaginado("MenuGaleria", juego::paquete::TITULO_GALERIA, juego::paquete::ICO_GALERIA);
}

// ---------------------------------------------------------------------------
// Pages

bool CMenuGaleria::IniciaHueco(CBotonIconoTazmo* pIcono, int k, int i)
{
    return pIcono->Inicia(kMiniaturas[i], 0, kSonidoFoco, kSonidoPulsar, kCentroX, kCentroY, kPosHuecos[k].x,
                          kPosHuecos[k].y, true, kRadioMiniaturaX, kRadioMiniaturaY, 1.0f,
                          CodigoFLI(juego::texto::GA00), 0, ID_PRIMER_HUECO + k, Marcador(i).c_str());
}

bool CMenuGaleria::AbreElemento(int k, int i)
{
    const char* szImagen = Imagen(i);
    return szImagen &&
           m_pImagen->Inicia(szImagen, 0, kSonidoFoco, kSonidoPulsar, kPosHuecos[k].x, kPosHuecos[k].y, kCentroX,
                             kCentroY, true, kCentroX, kCentroY, 1.0f, -1,
                             CBotonIconoTazmo::PULSACION_CORTA | CBotonIconoTazmo::SIN_CRECER, ID_IMAGEN,
                             "MenuPersonajes_BUT_Imagen");
}

CMenuObj* CMenuGaleria::DestinoVolver()
{
    return g_pMenuMaestro ? CMenuCofreTesoro::DestinoVolver(m_pMenuRetorno, g_pMenuMaestro->m_pMenuCofreTesoro)
                          : nullptr;
}
