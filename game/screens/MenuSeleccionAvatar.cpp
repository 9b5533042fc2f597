#include "game/screens/MenuSeleccionAvatar.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sprite.h"
#include "game/CatalogoJuego.h"
#include "game/Personajes.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/AyudasTazmo.h"
#include "game/screens/widgets/BotonTazmo.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
constexpr int kFlagsPersonaje = CBotonTazmo::ESTRECHO;

// Where each character's button sits (the centre of its top band); its
// portrait sits 128 points above.
struct Lugar {
    float x, y;
};
const Lugar kLugares[CMenuSeleccionAvatar::kNumPersonajes] = {
    {170.0f, 350.0f}, {683.0f, 350.0f}, {512.0f, 350.0f}, {341.0f, 350.0f}, {146.0f, 600.0f},
    {854.0f, 350.0f}, {292.0f, 600.0f}, {438.0f, 600.0f}, {584.0f, 600.0f},
};
constexpr float kRetratoSobreBoton = 128.0f;


constexpr float kVolverX = 840.0f, kVolverY = 700.0f;

// The opening, as the help panels: a zoom from 0.7 and a fade over 15
// steps, the dark backdrop sliding down from above.
constexpr float kZoomInicial = 0.7f, kPasoZoom = 0.02f;
constexpr float kFondoYInicial = -384.0f, kPasoFondo = 51.2f;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
constexpr uint8_t kAlfaFondo = 200;
constexpr float kAnchoFondo = 1100.0f, kAltoFondo = 850.0f;
constexpr uint8_t kGrisElegido = 128;

} // namespace

int CMenuSeleccionAvatar::LimitaElecciones(int n) { return std::clamp(n, 1, kNumPersonajes); }

void CMenuSeleccionAvatar::PonEleccionesPedidas(int n) { m_iEleccionesPedidas = LimitaElecciones(n); }

int CMenuSeleccionAvatar::PersonajeDeBoton(int i)
{
    return i >= 0 && i < kNumPersonajes ? TablaIdPerso[static_cast<size_t>(i)] : -1;
}

int CMenuSeleccionAvatar::CodigoNombre(int i)
{
    const Personaje* p = i >= 0 && i < kNumPersonajes ? PersonajePorClaveNivel(i) : nullptr;
    return p ? p->m_iCodigoNombre : -1;
}

CMenuSeleccionAvatar::~CMenuSeleccionAvatar()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuSeleccionAvatar::InicializaCampos()
{
    m_pSPMFondo = m_pSPMMarco = m_pSPMRetratos = nullptr;
    for (int i = 0; i < kNumPersonajes; ++i) {
        m_apBotones[i] = nullptr;
        m_abElegido[i] = false;
    }
    m_pBotonVolver = nullptr;
    m_iEleccionesPedidas = 1;
    m_iEleccionesHechas = 0;
    m_iContador = 0;
    m_ucAlfa = 0;
    m_fZoom = 1.0f;
    m_fFondoY = kCentroY;
}

void CMenuSeleccionAvatar::LiberaPropios()
{
    for (CBotonTazmo*& p : m_apBotones) tazmo::Borra(p);
    tazmo::Borra(m_pBotonVolver);
    tazmo::BorraSPM(m_pSPMFondo);
    tazmo::BorraSPM(m_pSPMMarco);
    tazmo::BorraSPM(m_pSPMRetratos);
}

void CMenuSeleccionAvatar::Libera()
{
    LiberaPropios();
    m_bCreado = false;
}

bool CMenuSeleccionAvatar::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (!CMenuObj::Inicia(-1, "MenuSelAvatar", Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMenuSeleccionAvatar::Construye()
{
    if (!(m_pSPMMarco = tazmo::CopiaSPM(juego::paquete::MSGBOX_GRANDE))) return false;
    if (!(m_pSPMRetratos = tazmo::CopiaSPM(juego::paquete::PERSOS))) return false;
    if (!(m_pSPMFondo = tazmo::CopiaSPM(motor::paquete::CUADRO_BLANCO))) return false;
    m_pSPMFondo->PonColor(0, 0, 0);
    m_pSPMFondo->PonAlfa(kAlfaFondo);
    if (const Sprite* s = m_pSPMFondo->GetSprite(0); s && s->GetAmplada() > 0.0f && s->GetAlcada() > 0.0f)
        m_pSPMFondo->PonEscala(kAnchoFondo / s->GetAmplada(), kAltoFondo / s->GetAlcada());
    const int32_t iBloqueado = CodigoFLI(juego::texto::BLOQ);
    for (int i = 0; i < kNumPersonajes; ++i) {
        char szNombre[CMenuObj::kLongitudNombre];
        std::snprintf(szNombre, sizeof szNombre, "MENUSELAVATAR_BUT_Perso%d", i);
        m_apBotones[i] = new (std::nothrow) CBotonTazmo;
        if (!m_apBotones[i] ||
            !m_apBotones[i]->Inicia(kSonidoFoco, kSonidoPulsar, kLugares[i].x, kLugares[i].y, CodigoNombre(i),
                                    iBloqueado, -1, -1, kFlagsPersonaje, ID_PRIMER_PERSONAJE + i, szNombre))
            return false;
    }
    m_pBotonVolver = new (std::nothrow) CBotonTazmo;
    if (!m_pBotonVolver ||
        !m_pBotonVolver->Inicia(kSonidoFoco, kSonidoPulsar, kVolverX, kVolverY, CodigoFLI(juego::texto::MA00),
                                iBloqueado, -1, -1, 0, ID_VOLVER, "MENUSELAVATAR_BUT_Volver"))
        return false;
    for (CBotonTazmo* p : m_apBotones) AnadeHijo(false, p, false, false);
    AnadeHijo(false, m_pBotonVolver, false, false);
    return true;
}

void CMenuSeleccionAvatar::Reinicia()
{
    // Every opening offers all nine again: the buttons that earlier picks
    // took away come back.
    m_iEleccionesHechas = 0;
    for (int i = 0; i < kNumPersonajes; ++i) {
        if (m_abElegido[i] && m_apBotones[i]) AnadeHijo(false, m_apBotones[i], false, false);
        m_abElegido[i] = false;
    }
}

void CMenuSeleccionAvatar::IniciaTransicion(bool bEntrada)
{
    if (bEntrada) {
        if (m_bCreado) Reinicia();
        m_iContador = kPasosApertura;
        m_fZoom = kZoomInicial;
        m_ucAlfa = 0;
        m_fFondoY = kFondoYInicial;
    } else {
        m_iContador = -kPasosApertura;
    }
    CMenuObj::IniciaTransicion(bEntrada);
}

void CMenuSeleccionAvatar::Actualiza()
{
    const int g = m_iContador;
    if (g > 0) {
        m_fZoom += kPasoZoom;
        m_fFondoY += kPasoFondo;
        m_ucAlfa = static_cast<uint8_t>((16 - g) * 255 / 15);
        --m_iContador;
    } else if (g < 0) {
        m_fZoom -= kPasoZoom;
        m_fFondoY -= kPasoFondo;
        m_ucAlfa = static_cast<uint8_t>((g + 1) * -255 / 15);
        ++m_iContador;
    }
    CMenuObj::Actualiza();
}

void CMenuSeleccionAvatar::Elige(int i)
{
    // A press that arrives while the panel closes picks nothing.
    if (i < 0 || i >= kNumPersonajes || m_abElegido[i] || m_iContador < 0) return;
    m_abElegido[i] = true;
    QuitaHijo(false, m_apBotones[i]);
    // Each pick overwrites the record: the last one stays.
    if (g_pMenuMaestro) {
        PersonajeNivel& p = g_pMenuMaestro->m_NivelActual.m_Personaje;
        p.m_bElegido = true;
        p.m_iPersonaje = PersonajeDeBoton(i);
        p.m_bFijado = true;
    }
    ++m_iEleccionesHechas;
    if (m_iEleccionesHechas == m_iEleccionesPedidas) {
        CMenuObj::EnviaEvento(EVENTO_AVATARES_ELEGIDOS, 0, nullptr, -1);
        Cierra(false);
    }
}

void CMenuSeleccionAvatar::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO) {
        CMenuObj::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        return;
    }
    if (iIdEmisor == ID_VOLVER)
        Cierra(false);
    else
        Elige(iIdEmisor - ID_PRIMER_PERSONAJE);
}

void CMenuSeleccionAvatar::Dibuja(CMenuObj*, Sprite* pDestino)
{
    if (m_pSPMFondo) m_pSPMFondo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, m_fFondoY);
    if (m_pSPMMarco) {
        m_pSPMMarco->PonEscala(m_fZoom, m_fZoom);
        m_pSPMMarco->PonAlfa(m_ucAlfa);
        m_pSPMMarco->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    }
    if (m_pSPMRetratos) {
        m_pSPMRetratos->PonEscala(m_fZoom, m_fZoom);
        m_pSPMRetratos->PonAlfa(m_ucAlfa);
        for (int i = 0; i < kNumPersonajes; ++i) {
            const uint8_t c = m_abElegido[i] ? kGrisElegido : 255;
            m_pSPMRetratos->PonColor(c, c, c);
            m_pSPMRetratos->DibujaSpriteEnDestino(pDestino, i, kLugares[i].x, kLugares[i].y - kRetratoSobreBoton);
        }
    }
    CMenuObj::Dibuja(nullptr, pDestino);
}

void CMenuSeleccionAvatar::CargaRecursos()
{
    if (RecursosCargados()) return;
    for (CSPM* p : {m_pSPMFondo, m_pSPMMarco, m_pSPMRetratos}) tazmo::MarcaSPM(p, true);
    CMenuObj::CargaRecursos();
}

void CMenuSeleccionAvatar::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    for (CSPM* p : {m_pSPMFondo, m_pSPMMarco, m_pSPMRetratos}) tazmo::MarcaSPM(p, false);
    CMenuObj::DescargaRecursos();
}
