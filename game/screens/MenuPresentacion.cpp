#include "game/screens/MenuPresentacion.h"

#include "engine/core/GestorFLIs.h"
#include "engine/ui/CuadreText.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxDificultad.h"
#include "game/screens/widgets/MsgBoxTazmo.h"

namespace {

constexpr const char* kSonidoFoco = juego::sonido::SELECCIONAR_BOTON;
constexpr const char* kSonidoPulsar = juego::sonido::PULSAR_BOTON_POSITIVO;

// The two trial buttons, one under the other, and the answer line.
struct FilaBoton {
    int iId;
    float x, y;
    const char* szTexto;
    const char* szNombre;
};
constexpr FilaBoton kBotones[] = {
    {CMenuPresentacion::ID_CAJA, 512.0f, 450.0f, juego::texto::PRO1, "MENUPRESENTACION_BUT_Caja"},
    {CMenuPresentacion::ID_DIFICULTAD, 512.0f, 540.0f, juego::texto::PRO2, "MENUPRESENTACION_BUT_Dificultad"},
};
constexpr float kRespuestaX = 112.0f, kRespuestaY = 630.0f, kRespuestaAncho = 800.0f, kRespuestaAlto = 56.0f;
constexpr int kFuenteRespuesta = 0;
constexpr int kFormatoCentrado = 9;

// The message box: a name to type, accepted or cancelled.
constexpr const char* kTextoCaja = juego::texto::PRO4;
constexpr const char* kEtiquetaRespuesta = juego::texto::PRO5;
const BotonMensaje kBotonesCaja[] = {
    {CodigoFLI(juego::texto::ACEP), -1, false, true},
    {CodigoFLI(juego::texto::CANC), -1, true, false},
};
constexpr int kFlagsCaja = CMsgBoxTazmo::AJUSTA_TEXTO | CMsgBoxTazmo::CON_ENTRADA;
// What the difficulty box's answers read as.
constexpr const char* kCodigosDificultad[] = {juego::texto::DIF0, juego::texto::DIF1, juego::texto::DIF2,
                                             juego::texto::DIF3, juego::texto::VOLV};

const char* Texto(const char* szCodigo) { return g_GestorFLIs.GetTexto(CodigoFLI(szCodigo), -1); }

// The owner's side of a dialog: an answer is taken once, and the dialog goes.
template <class Caja>
int TomaRespuesta(CMenuObj* pDueno, Caja* pCaja)
{
    if (!pCaja || pCaja->Padre() != pDueno || pCaja->m_iResultado == -1) return -1;
    const int iRespuesta = pCaja->m_iResultado;
    pCaja->m_iResultado = -1;
    pDueno->QuitaHijo(false, pCaja);
    return iRespuesta;
}

} // namespace

std::string CMenuPresentacion::TextoRespuesta(const char* szRespuesta, const char* szBoton, const char* szEscrito)
{
    std::string s = szRespuesta ? szRespuesta : "";
    s += ": ";
    s += szBoton ? szBoton : "";
    if (szEscrito && szEscrito[0]) {
        s += " - ";
        s += szEscrito;
    }
    return s;
}

CMenuPresentacion::~CMenuPresentacion() { LiberaPropios(); }

void CMenuPresentacion::LiberaPropios()
{
    delete m_pCaja;
    m_pCaja = nullptr;
    delete m_pDificultad;
    m_pDificultad = nullptr;
    delete m_pBotonCaja;
    m_pBotonCaja = nullptr;
    delete m_pBotonDificultad;
    m_pBotonDificultad = nullptr;
    delete m_pRespuesta;
    m_pRespuesta = nullptr;
}

void CMenuPresentacion::Libera()
{
    LiberaPropios();
    CMenuProvisional::Libera();
}

bool CMenuPresentacion::Crea()
{
    LiberaPropios();
    if (!CreaProvisional("MenuPresentacion", "Marrowgate", juego::texto::PRO3)) return false;
    CBotonTazmo** apBotones[] = {&m_pBotonCaja, &m_pBotonDificultad};
    bool bOk = true;
    for (size_t i = 0; i < std::size(kBotones) && bOk; ++i) {
        const FilaBoton& f = kBotones[i];
        *apBotones[i] = new CBotonTazmo;
        bOk = (*apBotones[i])->Inicia(kSonidoFoco, kSonidoPulsar, f.x, f.y, CodigoFLI(f.szTexto), CodigoFLI(juego::texto::BLOQ),
                                      -1, -1, 0, f.iId, f.szNombre);
        if (bOk) AnadeHijo(false, *apBotones[i], false, false);
    }
    m_pRespuesta = new CCuadreText;
    bOk = bOk && m_pRespuesta->IniciaConTexto(kRespuestaX, kRespuestaY, kRespuestaAncho, kRespuestaAlto, -1,
                                              kFuenteRespuesta, "", kFormatoCentrado, 1.0f, 1.0f);
    m_pCaja = new CMsgBoxTazmo;
    bOk = bOk && m_pCaja->Inicia(false, nullptr, CodigoFLI(kTextoCaja), static_cast<int>(std::size(kBotonesCaja)),
                                 kBotonesCaja, kFlagsCaja, ID_MSGBOX, "MENUPRESENTACION_MsgBox0");
    m_pDificultad = new CMsgBoxDificultad;
    bOk = bOk && m_pDificultad->Inicia(ID_BOX_DIFICULTAD, "Box_Dificultad");
    if (!bOk) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    AnadeHijo(false, m_pRespuesta, false, false);
    // Down from the trial buttons to the way on, and round.
    m_pBotonCaja->PonAbajo(m_pBotonDificultad);
    m_pBotonDificultad->PonAbajo(m_pBotonVolver);
    m_pBotonVolver->PonAbajo(m_pBotonCaja);
    m_pBotonCaja->PonArriba(m_pBotonVolver);
    m_pBotonDificultad->PonArriba(m_pBotonCaja);
    m_pBotonVolver->PonArriba(m_pBotonDificultad);
    return true;
}

CMenuObj* CMenuPresentacion::PreparaVolver() { return PerfilEnModoEleccion(); }

bool CMenuPresentacion::TrataPulsado(int iId)
{
    switch (iId) {
    case ID_CAJA:
        m_pCaja->m_iResultado = -1;
        AnadeHijo(true, m_pCaja, false, false);
        return true;
    case ID_DIFICULTAD:
        m_pDificultad->m_iResultado = -1;
        AnadeHijo(true, m_pDificultad, false, false);
        return true;
    default:
        return false;
    }
}

void CMenuPresentacion::Muestra(const char* szBoton, const char* szEscrito)
{
    if (!m_pRespuesta) return;
    const std::string s = TextoRespuesta(Texto(kEtiquetaRespuesta), szBoton, szEscrito);
    m_pRespuesta->PonTexto(s.c_str(), kFormatoCentrado, 1.0f, 1.0f);
}

void CMenuPresentacion::Actualiza()
{
    const int iCaja = TomaRespuesta(this, m_pCaja);
    if (iCaja >= 0 && iCaja < static_cast<int>(std::size(kBotonesCaja)))
        Muestra(g_GestorFLIs.GetTexto(kBotonesCaja[iCaja].idTexto, -1), iCaja == 0 ? m_pCaja->TextoEntrada() : "");
    const int iDificultad = TomaRespuesta(this, m_pDificultad);
    if (iDificultad >= 0 && iDificultad < static_cast<int>(std::size(kCodigosDificultad)))
        Muestra(Texto(kCodigosDificultad[iDificultad]), "");
    CMenuProvisional::Actualiza();
}
