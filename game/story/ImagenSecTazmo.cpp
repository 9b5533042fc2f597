#include "game/story/ImagenSecTazmo.h"

#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "game/CatalogoJuego.h"
#include "game/profiles/GestorDesbloqueos.h"
#include "game/profiles/Marcadores.h"
#include "game/profiles/Perfiles.h"

#include <algorithm>
#include <strings.h>

namespace {

const FilaImagenEscena kImagenes[NUM_IMAGENES_ESCENA] = {
    {"FondoMaida", juego::paquete::FONDO_MAIDA},
    {"FondoAldunia", juego::paquete::FONDO_ALDUNIA},
    {"FondoAdeletia", juego::paquete::FONDO_ADELETIA},
    {"FondoPasillos", juego::paquete::FONDO_PASILLOS},
    {"FondoPrision", juego::paquete::FONDO_PRISION},
    {"FondoJardin", juego::paquete::FONDO_JARDIN},
    {"FondoCocinas", juego::paquete::FONDO_COCINAS},
    {"FondoLaboratorio", juego::paquete::FONDO_LABORATORIO},
    {"FondoIrina", juego::paquete::FONDO_IRINA},
    {"FondoNegro", juego::paquete::FONDO_NEGRO},
    {"FondoBlanco", juego::paquete::FONDO_BLANCO},
    {"FondoLimbo", juego::paquete::FONDO_LIMBO},
    {"FondoLimboMalvado", juego::paquete::FONDO_LIMBO_MALVADO},
    {"FondoAdeletiaDia", juego::paquete::FONDO_ADELETIA_DIA},
    {"FondoPasillosDia", juego::paquete::FONDO_PASILLOS_DIA},
    {"FondoMaidaNoche", juego::paquete::FONDO_MAIDA_NOCHE},
    {"FondoJardinTarde", juego::paquete::FONDO_JARDIN_TARDE},
    {"IlusAlduniaVeneno", juego::paquete::ILUS_ALDUNIA_VENENO},
    {"IlusAsesinoHuyendo", juego::paquete::ILUS_ASESINO_HUYENDO},
    {"IlusAsesinoIrinaVeneno", juego::paquete::ILUS_ASESINO_IRINA_VENENO},
    {"IlusIrinaDescubreMaida", juego::paquete::ILUS_IRINA_DESCUBRE_MAIDA},
    {"IlusMaidaBebeVeneno", juego::paquete::ILUS_MAIDA_BEBE_VENENO},
    {"IlusMaidaDespierta", juego::paquete::ILUS_MAIDA_DESPIERTA},
    {"IlusMaidaVenceTeresia", juego::paquete::ILUS_MAIDA_VENCE_TERESIA},
    {"IlusStokinnenCambia", juego::paquete::ILUS_STOKINNEN_CAMBIA_NINYAS},
    {"IlusStokinnenInvoca", juego::paquete::ILUS_STOKINNEN_INVOCA_SELLO},
    {"IlusStokinnenMaidaJuegan", juego::paquete::ILUS_STOKINNEN_MAIDA_JUEGAN},
    {"IlusTumbaTeresia", juego::paquete::ILUS_TUMBA_REINA},
    {"VinyetaManoMaida", juego::paquete::VINYETA_MANO_MAIDA},
    {"VinyetaAdeletiaCogeMano", juego::paquete::VINYETA_ADELETIA_COGE_MANO},
    {"VinyetaAlduniaCogeMano", juego::paquete::VINYETA_ALDUNIA_COGE_MANO},
    {"VinyetaAlfatimaCogeMano", juego::paquete::VINYETA_ALFATIMA_COGE_MANO},
    {"VinyetaAmpollaVeneno", juego::paquete::VINYETA_AMPOLLA_VENENO},
    {"VinyetaAntidoto", juego::paquete::VINYETA_ANTIDOTO},
    {"VinyetaBarroEnCalzado", juego::paquete::VINYETA_BARRO_EN_CALZADO},
    {"VinyetaCandelabro", juego::paquete::VINYETA_CANDELABRO},
    {"VinyetaCandilEnVentana", juego::paquete::VINYETA_CANDIL_EN_VENTANA},
    {"VinyetaMaidaBebeAntidoto", juego::paquete::VINYETA_MAIDA_BEBE_ANTIDOTO},
    {"VinyetaMaidaEnLaCama", juego::paquete::VINYETA_MAIDA_EN_LA_CAMA},
    {"VinyetaMaidaRecibeBolsita", juego::paquete::VINYETA_MAIDA_RECIBE_BOLSITA},
    {"VinyetaMaidaRecuperaElColor", juego::paquete::VINYETA_MAIDA_RECUPERA_EL_COLOR},
    {"VinyetaMaidaSufriendo", juego::paquete::VINYETA_MAIDA_SUFRIENDO},
    {"VinyetaStokinnenHueleTaza", juego::paquete::VINYETA_STOKINNEN_HUELE_TAZA},
    {"VinyetaPlatoVacio", juego::paquete::VINYETA_PLATO_VACIO},
    {"VinyetaHuevosRevueltos", juego::paquete::VINYETA_HUEVOS_REVUELTOS},
};

} // namespace

const FilaImagenEscena& FilaImagen(int iFila) { return kImagenes[std::clamp(iFila, 0, NUM_IMAGENES_ESCENA - 1)]; }

int BuscaFilaImagen(const char* szClave)
{
    if (!szClave) return IMAGEN_ESCENA_NINGUNA;
    for (int i = 0; i < NUM_IMAGENES_ESCENA; ++i)
        if (strcasecmp(kImagenes[i].clave, szClave) == 0) return i;
    return IMAGEN_ESCENA_NINGUNA;
}

CImagenSecTazmo::CImagenSecTazmo() = default;
CImagenSecTazmo::~CImagenSecTazmo() { Libera(); }

bool CImagenSecTazmo::Carga(const char* szClave)
{
    const bool bZoom = m_bZoom; // set by the declaration before loading
    Libera();
    m_fAlfa = m_fPaso = m_fObjetivo = 0.0f;
    m_iFrames = 0;
    m_bZoom = bZoom;
    m_iFila = BuscaFilaImagen(szClave);
    if (m_iFila == IMAGEN_ESCENA_NINGUNA) return false;
    if (CGestorDesbloqueos* g = GestorDesbloqueosJuego())
        g->Desbloquea(NombreMarcador(MARCADOR_PRIMERA_GALERIA + m_iFila), false);
    m_pPaquete = CopiaPaqueteCache(kImagenes[m_iFila].paquete);
    if (!m_pPaquete) {
        Libera();
        return false;
    }
    m_bCargado = true;
    return true;
}

void CImagenSecTazmo::Libera()
{
    m_pPaquete.reset();
    m_bCargado = false;
}

void CImagenSecTazmo::FadeTo(float fAlfa, int iFrames)
{
    m_fObjetivo = std::clamp(fAlfa, 0.0f, 1.0f);
    if (iFrames <= 0) {
        m_fAlfa = m_fObjetivo;
        m_fPaso = 0.0f;
        m_iFrames = 0;
        return;
    }
    m_fPaso = (m_fObjetivo - m_fAlfa) / float(iFrames);
    m_iFrames = iFrames;
}

void CImagenSecTazmo::Actualiza()
{
    if (m_iFrames <= 0) return;
    --m_iFrames;
    m_fAlfa = m_iFrames > 0 ? std::clamp(m_fAlfa + m_fPaso, 0.0f, 1.0f) : m_fObjetivo;
}

void CImagenSecTazmo::Dibuja()
{
    const int a = std::clamp(int(m_fAlfa * 255.0f), 0, 255);
    if (!m_pPaquete || a == 0) return;
    m_pPaquete->PonAlfa(uint8_t(a));
    if (m_bZoom) {
        const float e = 1.0f + kZoom * (1.0f - m_fAlfa);
        m_pPaquete->PonEscala(e, e);
    }
    m_pPaquete->DibujaSprite(0, kX, kY);
}

void CImagenSecTazmo::CargaRecursos()
{
    if (m_pPaquete) m_pPaquete->MarcaEnUso();
}

void CImagenSecTazmo::DescargaRecursos()
{
    if (m_pPaquete) m_pPaquete->DesmarcaEnUso();
}
