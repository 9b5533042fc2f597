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

// The packages of the pictures not made yet are named here until they are.
const FilaImagenEscena kImagenes[NUM_IMAGENES_ESCENA] = {
    {"FondoMaida", "Data\\Graficos\\Fondos\\FondoMaida.SPM"},
    {"FondoAldunia", "Data\\Graficos\\Fondos\\FondoAldunia.SPM"},
    {"FondoAdeletia", "Data\\Graficos\\Fondos\\FondoAdeletia.SPM"},
    {"FondoPasillos", "Data\\Graficos\\Fondos\\FondoPasillos.SPM"},
    {"FondoPrision", "Data\\Graficos\\Fondos\\FondoPrision.SPM"},
    {"FondoJardin", "Data\\Graficos\\Fondos\\FondoJardin.SPM"},
    {"FondoCocinas", "Data\\Graficos\\Fondos\\FondoCocinas.SPM"},
    {"FondoLaboratorio", "Data\\Graficos\\Fondos\\FondoLaboratorio.SPM"},
    {"FondoIrina", "Data\\Graficos\\Fondos\\FondoIrina.SPM"},
    {"FondoNegro", "Data\\Graficos\\Fondos\\FondoNegro.SPM"},
    {"FondoBlanco", "Data\\Graficos\\Fondos\\FondoBlanco.SPM"},
    {"FondoLimbo", "Data\\Graficos\\Fondos\\FondoLimbo.SPM"},
    {"FondoLimboMalvado", "Data\\Graficos\\Fondos\\FondoLimboMalvado.SPM"},
    {"FondoAdeletiaDia", "Data\\Graficos\\Fondos\\FondoAdeletiaDia.SPM"},
    {"FondoPasillosDia", "Data\\Graficos\\Fondos\\FondoPasillosDia.SPM"},
    {"FondoMaidaNoche", "Data\\Graficos\\Fondos\\FondoMaidaNoche.SPM"},
    {"FondoJardinTarde", "Data\\Graficos\\Fondos\\FondoJardinTarde.SPM"},
    {"IlusAlduniaVeneno", "Data\\Graficos\\Ilustraciones\\AlduniaVeneno.SPM"},
    {"IlusAsesinoHuyendo", "Data\\Graficos\\Ilustraciones\\AsesinoHuyendo.SPM"},
    {"IlusAsesinoIrinaVeneno", "Data\\Graficos\\Ilustraciones\\AsesinoIrinaVeneno.SPM"},
    {"IlusIrinaDescubreMaida", "Data\\Graficos\\Ilustraciones\\IrinaDescubreMaida.SPM"},
    {"IlusMaidaBebeVeneno", "Data\\Graficos\\Ilustraciones\\MaidaBebeVeneno.SPM"},
    {"IlusMaidaDespierta", "Data\\Graficos\\Ilustraciones\\MaidaDespierta.SPM"},
    {"IlusMaidaVenceTeresia", "Data\\Graficos\\Ilustraciones\\MaidaVenceTeresia.SPM"},
    {"IlusStokinnenCambia", "Data\\Graficos\\Ilustraciones\\StokinnenCambiaNinyas.SPM"},
    {"IlusStokinnenInvoca", "Data\\Graficos\\Ilustraciones\\StokinnenInvocaSello.SPM"},
    {"IlusStokinnenMaidaJuegan", juego::paquete::ILUS_STOKINNEN_MAIDA_JUEGAN},
    {"IlusTumbaTeresia", "Data\\Graficos\\Ilustraciones\\TumbaReina.SPM"},
    {"VinyetaManoMaida", "Data\\Graficos\\Vinyetas\\ManoMaida.SPM"},
    {"VinyetaAdeletiaCogeMano", "Data\\Graficos\\Vinyetas\\AdeletiaCogeMano.SPM"},
    {"VinyetaAlduniaCogeMano", "Data\\Graficos\\Vinyetas\\AlduniaCogeMano.SPM"},
    {"VinyetaAlfatimaCogeMano", "Data\\Graficos\\Vinyetas\\AlfatimaCogeMano.SPM"},
    {"VinyetaAmpollaVeneno", "Data\\Graficos\\Vinyetas\\AmpollaVeneno.SPM"},
    {"VinyetaAntidoto", "Data\\Graficos\\Vinyetas\\Antidoto.SPM"},
    {"VinyetaBarroEnCalzado", "Data\\Graficos\\Vinyetas\\BarroEnElCalzado.SPM"},
    {"VinyetaCandelabro", "Data\\Graficos\\Vinyetas\\Candelabro.SPM"},
    {"VinyetaCandilEnVentana", "Data\\Graficos\\Vinyetas\\CandilEnVentana.SPM"},
    {"VinyetaMaidaBebeAntidoto", "Data\\Graficos\\Vinyetas\\MaidaBebeAntidoto.SPM"},
    {"VinyetaMaidaEnLaCama", "Data\\Graficos\\Vinyetas\\MaidaEnLaCama.SPM"},
    {"VinyetaMaidaRecibeBolsita", "Data\\Graficos\\Vinyetas\\MaidaRecibeBolsitaCuero.SPM"},
    {"VinyetaMaidaRecuperaElColor", "Data\\Graficos\\Vinyetas\\MaidaRecuperaElColor.SPM"},
    {"VinyetaMaidaSufriendo", "Data\\Graficos\\Vinyetas\\MaidaSufriendo.SPM"},
    {"VinyetaStokinnenHueleTaza", "Data\\Graficos\\Vinyetas\\StokinnenHueleTaza.SPM"},
    {"VinyetaPlatoVacio", "Data\\Graficos\\Vinyetas\\PlatoVacio.SPM"},
    {"VinyetaHuevosRevueltos", "Data\\Graficos\\Vinyetas\\HuevosRevueltos.SPM"},
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
