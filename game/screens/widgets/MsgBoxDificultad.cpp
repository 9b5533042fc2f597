#include "game/screens/widgets/MsgBoxDificultad.h"

#include "engine/core/GestorFLIs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/MessageBox.h"
#include "engine/ui/TransTiempo.h"
#include "game/CatalogoJuego.h"
#include "game/screens/widgets/BotonTazmo.h"

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;
const int32_t kTextoBloqueado = CodigoFLI(juego::texto::BLOQ);
constexpr int kFlagsBotones = CBotonTazmo::AYUDA_SIN_FOCO;
// The difficulty icons sit left of their buttons.
constexpr float kIconoX = -130.0f;
// The header: the code in font 0, centred in a band of the field's width.
constexpr const char* kCabecera = juego::texto::DIFX;
constexpr int kFuenteCabecera = 0;
constexpr int kFormatoCabecera = 9;
constexpr float kCabeceraAncho = 1024.0f, kCabeceraAlto = 64.0f;
constexpr float kCabeceraX = 512.0f, kCabeceraY = 232.0f;
constexpr int kRetardoEntrada = 0, kRetardoSalida = 6;
constexpr int kNumDificultades = 4;

int32_t Codigo(const char* sz) { return sz ? CodigoFLI(sz) : -1; }

} // namespace

const CMsgBoxDificultad::Fila CMsgBoxDificultad::kFilas[kNumBotones] = {
    {340.0f, 332.0f, juego::texto::DIF0, juego::texto::DIFA, nullptr, false, "BoxDif_0"},
    {715.0f, 332.0f, juego::texto::DIF1, juego::texto::DIFB, nullptr, false, "BoxDif_1"},
    {340.0f, 450.0f, juego::texto::DIF2, juego::texto::DIFC, nullptr, false, "BoxDif_2"},
    {715.0f, 450.0f, juego::texto::DIF3, juego::texto::DIFD, juego::texto::MP31, false, "BoxDif_3"},
    {512.0f, 540.0f, juego::texto::VOLV, nullptr, nullptr, true, ""},
};

CMsgBoxDificultad::~CMsgBoxDificultad() { LiberaSiCreado(); }

void CMsgBoxDificultad::InicializaCampos()
{
    m_marco = tazmo::MarcoCaja();
    m_pIconos = nullptr;
    m_pCabecera = nullptr;
    for (CBotonTazmo*& p : m_apBotones) p = nullptr;
    m_iResultado = -1;
    m_iRespuestaEntrada = -1;
    m_pRetardo = nullptr;
}

void CMsgBoxDificultad::Libera()
{
    if (m_pCabecera && g_pSistema2D) g_pSistema2D->AlliberaSprite(m_pCabecera, false);
    m_pCabecera = nullptr;
    tazmo::BorraSPM(m_pIconos);
    m_marco.Libera();
    delete m_pRetardo;
    m_pRetardo = nullptr;
    for (CBotonTazmo*& p : m_apBotones) {
        delete p;
        p = nullptr;
    }
}

void CMsgBoxDificultad::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CMsgBoxDificultad::Inicia(int iId, const char* szNombre)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(iId, szNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    if (!Construye()) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_bCreado = true;
    return true;
}

bool CMsgBoxDificultad::Construye()
{
    for (int i = 0; i < kNumBotones; ++i) {
        const Fila& f = kFilas[i];
        m_apBotones[i] = new CBotonTazmo;
        if (!m_apBotones[i]->Inicia(kSonidoFoco, kSonidoPulsar, f.x, f.y, Codigo(f.szTexto), kTextoBloqueado,
                                    Codigo(f.szAyudaBloqueado), Codigo(f.szAyuda), kFlagsBotones, i, f.szNombre))
            return false;
        AnadeHijo(false, m_apBotones[i], false, false);
        if (f.bCancelar) PonCancelar(m_apBotones[i]);
    }
    m_pRetardo = new CTransTiempo;
    if (!m_pRetardo->Inicia(kRetardoEntrada, kRetardoSalida)) return false;
    if (!m_marco.Crea(juego::paquete::MSGBOX_GRANDE)) return false;
    m_pIconos = tazmo::CopiaSPM(juego::paquete::ICONOS_DIFICULTAD);
    if (!m_pIconos || !g_pSistema2D) return false;
    m_pCabecera = g_pSistema2D->CreaSpriteText(kFuenteCabecera, nullptr, CodigoFLI(kCabecera), kFormatoCabecera,
                                               1.0f, 1.0f, kCabeceraAncho, kCabeceraAlto, kCabeceraAncho / 2.0f,
                                               kCabeceraAlto / 2.0f, 0.0f, 0.0f, -1.0f, -1.0f, false);
    if (!m_pCabecera) return false;
    AnadeHijo(false, m_pRetardo, false, false);
    return true;
}

void CMsgBoxDificultad::EnviaEvento(int iTipo, int, const char*, int iIdEmisor)
{
    int iRespuesta = -1;
    if (!mensaje::Respuesta(iTipo, iIdEmisor, m_iRespuestaEntrada, &iRespuesta)) return;
    m_iResultado = iRespuesta;
    CMenuObj::EnviaEvento(EVENTO_RESPUESTA_MENSAJE, iRespuesta, nullptr, -1);
}

void CMsgBoxDificultad::PonEnfocado(bool bEnfocado)
{
    m_iResultado = -1;
    CMenuObj::PonEnfocado(bEnfocado);
    if (bEnfocado && m_apBotones[0]) EnfocaHijo(m_apBotones[0]);
}

void CMsgBoxDificultad::IniciaTransicion(bool bEntrada)
{
    if (bEntrada)
        m_marco.desliza.Abre();
    else
        m_marco.desliza.Cierra();
    CMenuObj::IniciaTransicion(bEntrada);
}

void CMsgBoxDificultad::Actualiza()
{
    m_marco.desliza.Paso();
    CMenuObj::Actualiza();
}

void CMsgBoxDificultad::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    m_marco.Dibuja(pDestino);
    CMenuObj::Dibuja(pHastaHijo, pDestino);
    const auto alfa = static_cast<uint8_t>(m_marco.desliza.iAlfa);
    if (m_pIconos) {
        m_pIconos->PonAlfa(alfa);
        for (int i = 0; i < kNumDificultades; ++i)
            m_pIconos->DibujaSpriteEnDestino(pDestino, i, kFilas[i].x + kIconoX, kFilas[i].y);
    }
    if (m_pCabecera && g_pSistema2D)
        g_pSistema2D->DibuixaSpriteEX(pDestino, m_pCabecera, kCabeceraX, kCabeceraY, false, alfa, 0.0f, 1.0f, 1.0f);
}

void CMsgBoxDificultad::CargaRecursos()
{
    if (RecursosCargados()) return;
    m_marco.Marca(true);
    tazmo::MarcaSPM(m_pIconos, true);
    if (m_pCabecera && g_pSistema2D) g_pSistema2D->MarcaSpriteEnUs(m_pCabecera);
    CMenuObj::CargaRecursos();
}

void CMsgBoxDificultad::DescargaRecursos()
{
    if (!RecursosCargados()) return;
    m_marco.Marca(false);
    tazmo::MarcaSPM(m_pIconos, false);
    if (m_pCabecera && g_pSistema2D) g_pSistema2D->DesmarcaSpriteEnUs(m_pCabecera);
    CMenuObj::DescargaRecursos();
}
