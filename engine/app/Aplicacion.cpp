#include "engine/app/Aplicacion.h"

#include "engine/app/EnlaceGraficos.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/GestorSonido.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/CopiaTexto.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorMandos.h"
#include "engine/core/GestorRatones.h"
#include "engine/core/Preferencias.h"
#include "engine/core/ReceptorEntrada.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/core/Teclado.h"
#include "engine/core/Temporizador.h"
#include "engine/ui/CargandoObj.h"
#include "engine/ui/CuadroHint.h"
#include "engine/ui/MenuObj.h"
#include "platform/Window.h"

#include <cstring>
#include <new>
#include <strings.h>
#include <system_error>

namespace {

// The player has moved the mouse over the window since the core started: a
// player who never touched it is never offered its resting place.
bool g_bPunteroMovido = false;

// The platform's own graphics link, used until another is installed.
CEnlaceGraficos g_enlacePlataforma;

// Services that the core calls each step and that arrive with their own
// systems: each one is wired in here by its owner when it lands.

void ActualizaGestorSonido()
{
    if (g_pGestorSonido) g_pGestorSonido->Actualiza();
}

void ActualizaRatones()
{
    // Pending mouse input is dispatched.
    if (g_pRatones) g_pRatones->Actualiza();
}

// A step has seen every press made before it.
void PasoVistoRatones()
{
    if (g_pRatones) g_pRatones->PasoVisto();
}

void ActualizaTecladoYMandos()
{
    if (g_pTeclado) g_pTeclado->Actualiza();
    if (g_pMandos && g_pMandos->m_bIniciado) g_pMandos->Actualiza();
}

void ActualizaSistemaSonido()
{
    if (g_pSistemaSonido) g_pSistemaSonido->Actualiza();
}

void AplicaVolumenFlujos()
{
    if (g_pSistemaSonido) g_pSistemaSonido->AplicaVolumenFlujos();
}

// The pointer of mouse i, false when there is no such mouse.
bool PosicionRaton(int i, float* x, float* y)
{
    CRaton* pRaton = g_pRatones ? g_pRatones->Raton(i) : nullptr;
    if (!pRaton) return false;
    *x = pRaton->X();
    *y = pRaton->Y();
    return true;
}

// A looping music stream, or null.
CFlujoOgg* AbreMusicaEnBucle(const char* szNombre)
{
    return g_pSistemaSonido ? g_pSistemaSonido->AbreFlujoEnBucle(szNombre, 10.0f, 128) : nullptr;
}

void CierraMusica(CFlujoOgg* pFlujo)
{
    if (g_pSistemaSonido) g_pSistemaSonido->CierraFlujo(pFlujo);
}

void SeleccionaIdioma(int iClave, char cPrimera, char cSegunda)
{
    g_GestorFLIs.SeleccionaIdioma(iClave);
    if (g_pSistemaFitxers) g_pSistemaFitxers->CambiaIdioma(cPrimera, cSegunda);
    if (g_pPreferencias) {
        g_pPreferencias->CambiaIdioma(iClave);
        g_pPreferencias->Guarda();
    }
}

void GuardaModoEnPreferencias(bool bPantallaCompleta)
{
    if (!g_pPreferencias) return;
    g_pPreferencias->CambiaPantallaCompleta(bPantallaCompleta);
    g_pPreferencias->Guarda();
}

// The input devices and the interface objects reach the core through these
// (see ReceptorEntrada.h and EnlaceAplicacion.h): both hand each call to the
// core that g_pAplicacion holds at the time, and do nothing without one.
class CReceptorAplicacion final : public CReceptorEntrada {
public:
    bool Activo() override { return g_pAplicacion && g_pAplicacion->EstaActiva(); }
    void ProcesaTecla(int iTecla) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaTecla(iTecla);
    }
    void ProcesaCaracter(char c) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaCaracter(c);
    }
    void ProcesaBotonRaton(int iRaton, int iEvento, float x, float y) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaBotonRaton(iRaton, iEvento, x, y);
    }
    void ProcesaMovimientoRaton(int iRaton, float x, float y) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaMovimientoRaton(iRaton, x, y);
    }
    void ProcesaEjeMando(CMando* pMando, int iEje, int iValor) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaEjeMando(pMando, iEje, iValor);
    }
    void ProcesaBotonMando(CMando* pMando, int iBoton) override
    {
        if (g_pAplicacion) g_pAplicacion->ProcesaBotonMando(pMando, iBoton);
    }
    void AlternaPantallaCompleta() override
    {
        if (g_pAplicacion) g_pAplicacion->AlternaPantallaCompleta();
    }
};

class CEnlaceInterfaz final : public CEnlaceAplicacion {
public:
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override
    {
        if (g_pAplicacion) g_pAplicacion->EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
    }
    EstiloObjeto* Estilo(int i) override { return g_pAplicacion ? g_pAplicacion->Estilo(i) : nullptr; }
    bool CambiaMusica(const char* szNombre) override
    {
        return g_pAplicacion ? g_pAplicacion->CambiaMusica(szNombre) : true;
    }
    const char* NombreMusica() override { return g_pAplicacion ? g_pAplicacion->NombreMusica() : ""; }
};

CReceptorAplicacion g_ReceptorAplicacion;
CEnlaceInterfaz g_EnlaceInterfaz;

} // namespace

CAplicacion::CAplicacion()
{
    FijaReceptorAplicacion(&g_ReceptorAplicacion);
    FijaEnlaceAplicacion(&g_EnlaceInterfaz);
    m_pGraficos.store(&g_enlacePlataforma);
    Limpia();
}

CAplicacion::~CAplicacion()
{
    LiberaSiIniciada();
    // Whatever was never initialised still stops a thread left running.
    PararHilo();
    VaciaEventos();
    VaciaPeticiones();
}

void CAplicacion::Limpia()
{
    for (CSPM*& p : m_apCursores) p = nullptr;
    m_pVelo = nullptr;
    m_pFoco = nullptr;
    m_pMusica = nullptr;
    m_szMusica[0] = '\0';
    for (EstiloObjeto& e : m_aEstilos) e.Limpia();
    m_bDibujaCursores = 1;
    m_bSalirPermitido = 1;
    m_bCambioEnCurso.store(false);
    m_bActivacionPedida = 1;
    m_bActiva = 1;
    m_fNivelFundido = 0.0f;
    m_fVelocidadFundido = 0.0f;
    m_aColorFundido[0] = m_aColorFundido[1] = m_aColorFundido[2] = 0;
    m_iAlfaVeloDibujado = 0;
    m_pCartelCargando.store(nullptr);
    m_fUmbralCarga.store(200.0f);
    m_bActivaEnCiclo.store(false);
    m_bParar.store(false);
    m_pCaptura = nullptr;
    m_pCuadroHint = nullptr;
}

void CAplicacion::AsignaEnlaceGraficos(CEnlaceGraficos* pEnlace)
{
    m_pGraficos.store(pEnlace ? pEnlace : &g_enlacePlataforma);
}

bool CAplicacion::Inicia(const char* szPaqueteCursores)
{
    LiberaSiIniciada();
    Limpia();
    g_bPunteroMovido = false;
    m_fBaseReloj.store(static_cast<float>(TiempoReal()));
    m_fUltimoFrame.store(m_fBaseReloj.load());
    m_fUltimaPasada.store(m_fBaseReloj.load());
    m_pFoco = nullptr;

    if (!m_lObjetos.Inicia() || !m_lPeticiones.Inicia() || !m_lEventos.Inicia()) {
        m_lObjetos.Libera();
        m_lPeticiones.Libera();
        m_lEventos.Libera();
        return false;
    }
    m_pCaptura = EnlaceGraficos()->CreaSpriteCaptura();
    for (CSPM*& p : m_apCursores) {
        p = szPaqueteCursores ? EnlaceGraficos()->CopiaPaquete(szPaqueteCursores) : nullptr;
        if (!p) break;
    }
    m_pVelo = EnlaceGraficos()->CopiaPaquete(motor::paquete::CUADRO_BLANCO);

    // The loading-sign thread draws with a context of its own. A thread that
    // cannot start counts as ended, so quitting never waits for it.
    m_pContextoHilo = EnlaceGraficos()->CreaContextoHilo();
    m_bParar.store(false);
    m_bTerminado.store(false);
    try {
        m_hilo = std::thread(HiloCartelCargando, this);
    } catch (const std::system_error&) {
        m_bTerminado.store(true);
    }

    for (CSPM* p : m_apCursores)
        if (p) EnlaceGraficos()->MarcaEnUso(p);
    if (m_pVelo) {
        EnlaceGraficos()->EscalaVelo(m_pVelo);
        EnlaceGraficos()->MarcaEnUso(m_pVelo);
    }
    m_bIniciada = 1;
    return true;
}

void CAplicacion::PararHilo()
{
    if (!m_bTerminado.load()) {
        m_bParar.store(true);
        while (!m_bTerminado.load()) Espera(10);
    }
    if (m_hilo.joinable()) m_hilo.join();
}

void CAplicacion::Libera()
{
    if (m_pMusica) CierraMusica(m_pMusica);
    m_pMusica = nullptr;
    m_szMusica[0] = '\0';
    m_lObjetos.Libera();
    m_pFoco = nullptr;
    for (CSPM*& p : m_apCursores) {
        if (p) EnlaceGraficos()->BorraPaquete(p);
        p = nullptr;
    }
    if (m_pVelo) EnlaceGraficos()->BorraPaquete(m_pVelo);
    m_pVelo = nullptr;
    PararHilo();
    if (m_pContextoHilo) EnlaceGraficos()->BorraContextoHilo(m_pContextoHilo);
    m_pContextoHilo = nullptr;
    if (m_pCaptura) EnlaceGraficos()->AlliberaSprite(m_pCaptura);
    m_pCaptura = nullptr;
    // Records still queued belong to the core.
    VaciaEventos();
    VaciaPeticiones();
    m_lPeticiones.Libera();
    m_lEventos.Libera();
    m_bIniciada = 0;
}

void CAplicacion::LiberaSiIniciada()
{
    if (m_bIniciada) Libera();
}

// Until the next step is due: the pass sleeps the rest of the step at once
// rather than waking every millisecond to pump messages that only the next
// step reads. (On the manual clock, which sleeping never moves, 1 ms.)
void CAplicacion::EsperaPaso(float fAhora) const
{
    float fResta = kPaso - (fAhora - m_fBaseReloj.load());
    int iMs = RelojManual() || !(fResta > 1.0f) ? 1 : static_cast<int>(fResta) + 1;
    Espera(iMs > static_cast<int>(kPaso) + 1 ? static_cast<int>(kPaso) + 1 : iMs);
}

void CAplicacion::AvanzaReloj(bool bUltimoFrame)
{
    float fNueva = m_fBaseReloj.fetch_add(kPaso) + kPaso;
    if (bUltimoFrame) m_fUltimoFrame.store(fNueva);
}

bool CAplicacion::Ciclo()
{
    // The loop is running: the loading-sign thread stops taking its steps.
    m_fUltimaPasada.store(static_cast<float>(TiempoReal()));
    ActualizaGestorSonido();
    ActualizaRatones();
    if (ProcesaEventos()) {
        m_bParar.store(true);
        while (!m_bTerminado.load()) Espera(100);
        return true;
    }
    ActualizaActivacion();

    float fAhora = static_cast<float>(TiempoReal());
    if (m_bActiva) {
        m_bActivaEnCiclo.store(true);
        if (fAhora - m_fBaseReloj.load() > kPaso) {
            // Every due step but one is dropped: a slow machine runs the game
            // slower rather than catching up.
            while (fAhora - m_fBaseReloj.load() > kPaso) AvanzaReloj(true);
            ProcesaPeticionesModo();
            ActualizaTecladoYMandos();
            ActualizaSistemaSonido();
            ParaCada(false, [](CMenuObj* o) { o->Actualiza(); return false; });
            ParaCada(false, [](CMenuObj* o) { o->ActualizaEditor(); return false; });
            if (CCargandoObj* pCartel = m_pCartelCargando.load()) {
                // The loading-sign thread updates it too, under the same mutex.
                std::lock_guard<std::recursive_mutex> lock(m_mutexPintado);
                pCartel->Actualiza();
            }
            PasoVistoRatones();
            ReevaluaPuntero();
            Pinta();
            m_fNivelFundido += m_fVelocidadFundido;
            if (m_fNivelFundido < -0.01f) {
                m_fNivelFundido = 0.0f;
                m_fVelocidadFundido = 0.0f;
            } else if (m_fNivelFundido > 1.01f) {
                m_fNivelFundido = 1.0f;
                m_fVelocidadFundido = 0.0f;
            }
            if (m_pCuadroHint) m_pCuadroHint->Actualiza();
        } else {
            EsperaPaso(fAhora);
        }
    } else {
        m_bActivaEnCiclo.store(false);
        if (fAhora - m_fBaseReloj.load() > kPaso) {
            while (fAhora - m_fBaseReloj.load() > kPaso) AvanzaReloj(false);
            ProcesaPeticionesModo();
            Pinta();
        } else {
            EsperaPaso(fAhora);
        }
    }
    return false;
}

namespace {

uint64_t Mezcla(uint64_t h, uint64_t v)
{
    // FNV-1a over the value's bytes.
    for (int i = 0; i < 8; ++i) {
        h ^= (v >> (8 * i)) & 0xFFu;
        h *= 1099511628211ull;
    }
    return h;
}

uint64_t FirmaDe(CMenuObj* p, uint64_t h, int iProfundidad)
{
    h = Mezcla(h, reinterpret_cast<uintptr_t>(p));
    h = Mezcla(h, (p->EsVisible() ? 1u : 0u) | (p->EnTransicion() ? 2u : 0u) | (p->EntradaBloqueada() ? 4u : 0u));
    // Object trees are shallow; the bound only guards against a cycle.
    if (iProfundidad > 64) return h;
    for (NodoLista* n = p->m_lHijos.m_pCabeza; n; n = n->m_pSiguiente)
        h = FirmaDe(static_cast<CMenuObj*>(n->m_pItem), h, iProfundidad + 1);
    return h;
}

} // namespace

uint64_t CAplicacion::FirmaArbol()
{
    uint64_t h = 14695981039346656037ull;
    h = Mezcla(h, reinterpret_cast<uintptr_t>(m_pFoco));
    h = Mezcla(h, g_bVentana);
    ParaCada(false, [&](CMenuObj* o) {
        h = FirmaDe(o, h, 0);
        return false;
    });
    return h;
}

void CAplicacion::ReevaluaPuntero()
{
    const uint64_t uFirma = FirmaArbol();
    if (uFirma == m_uFirmaArbol) return;
    // The first step only learns what there is: nothing has changed yet.
    const bool bPrimera = m_uFirmaArbol == 0;
    m_uFirmaArbol = uFirma;
    if (bPrimera) return;
    // Only the one system pointer, once it has moved: raw mice report
    // their own moves.
    if (!g_bPunteroMovido || !g_pRatones || !g_pRatones->m_bModoSistema) return;
    CRaton* pRaton = g_pRatones->Raton(0);
    // A pointer the window has never reported is nowhere yet.
    if (!pRaton || pRaton->m_iCursorX == CRaton{}.m_iCursorX) return;
    // A move that only re-reads what is under the pointer: hover and hints
    // follow it, a focus already given stays (engine/ui/MenuObj.cpp).
    extern bool g_bPunteroReofrecido;
    g_bPunteroReofrecido = true;
    ProcesaMovimientoRaton(0, pRaton->X(), pRaton->Y());
    g_bPunteroReofrecido = false;
}

void CAplicacion::Pinta()
{
    std::lock_guard<std::recursive_mutex> lock(m_mutexPintado);
    Dibuja();
    if (CCargandoObj* pCartel = m_pCartelCargando.load()) pCartel->Dibuja(nullptr, nullptr);
    EnlaceGraficos()->Flipa(true);
}

void CAplicacion::Dibuja()
{
    // Oldest first, so the newest lies on top.
    ParaCada(true, [](CMenuObj* o) { o->Dibuja(nullptr, nullptr); return false; });
    ParaCada(true, [](CMenuObj* o) { o->DibujaEditor(nullptr, nullptr); return false; });
    if (m_pCuadroHint) m_pCuadroHint->Dibuja(nullptr, nullptr);
    if (m_bDibujaCursores) {
        float x = 0.0f, y = 0.0f;
        for (int i = 0; i < kNumCursores && PosicionRaton(i, &x, &y); ++i)
            if (m_apCursores[i]) EnlaceGraficos()->DibujaPaquete(m_apCursores[i], x, y);
    }
    float fAlfa = m_fNivelFundido * 255.0f;
    int iAlfa = fAlfa <= 0.0f ? 0 : (fAlfa >= 255.0f ? 255 : static_cast<int>(fAlfa));
    m_iAlfaVeloDibujado = iAlfa;
    EnlaceGraficos()->DibujaVelo(m_pVelo, iAlfa, m_aColorFundido[0], m_aColorFundido[1], m_aColorFundido[2]);
}

void CAplicacion::FundidoEntrada(int iFrames, uint8_t r, uint8_t g, uint8_t b)
{
    // No frames: the fade ends at the next step.
    float f = iFrames > 0 ? static_cast<float>(iFrames) : 1.0f;
    m_fVelocidadFundido = -m_fNivelFundido / f;
    m_aColorFundido[0] = r;
    m_aColorFundido[1] = g;
    m_aColorFundido[2] = b;
}

void CAplicacion::FundidoSalida(int iFrames, uint8_t r, uint8_t g, uint8_t b)
{
    float f = iFrames > 0 ? static_cast<float>(iFrames) : 1.0f;
    m_fVelocidadFundido = (1.0f - m_fNivelFundido) / f;
    m_aColorFundido[0] = r;
    m_aColorFundido[1] = g;
    m_aColorFundido[2] = b;
}

void CAplicacion::CambiaFundido(float fNivel, uint8_t r, uint8_t g, uint8_t b)
{
    m_fVelocidadFundido = 0.0f;
    m_fNivelFundido = fNivel;
    m_aColorFundido[0] = r;
    m_aColorFundido[1] = g;
    m_aColorFundido[2] = b;
}

bool CAplicacion::CambiaMusica(const char* szNombre)
{
    if (!szNombre || !szNombre[0]) {
        if (m_pMusica) CierraMusica(m_pMusica);
        m_pMusica = nullptr;
        m_szMusica[0] = '\0';
        return true;
    }
    if (strcasecmp(szNombre, m_szMusica) == 0) return true;
    // A name longer than the field is refused; the current music goes on.
    if (std::strlen(szNombre) >= sizeof(m_szMusica)) return false;
    if (m_pMusica) CierraMusica(m_pMusica);
    std::strcpy(m_szMusica, szNombre);
    m_pMusica = AbreMusicaEnBucle(m_szMusica);
    if (!m_pMusica) m_szMusica[0] = '\0';
    return true;
}

void CAplicacion::CambiaFrameCursor(int i, int iAnimacion)
{
    if (i < 0 || i >= kNumCursores || !m_apCursores[i]) return;
    EnlaceGraficos()->IniciaAnimacion(m_apCursores[i], iAnimacion);
}

void CAplicacion::ReiniciaCursores()
{
    for (CSPM* p : m_apCursores)
        if (p) EnlaceGraficos()->IniciaAnimacion(p, 0);
}

void CAplicacion::AnadeMenu(CMenuObj* pObj)
{
    if (!pObj) return;
    pObj->CargaRecursos();
    CambiaFoco(pObj);
    m_lObjetos.InsertaAlPrincipio(pObj);
}

void CAplicacion::QuitaMenu(CMenuObj* pObj)
{
    if (!pObj) return;
    m_lObjetos.BuscaYBorra(pObj);
    pObj->DescargaRecursos();
    if (m_pFoco == pObj) CambiaFoco(static_cast<CMenuObj*>(m_lObjetos.m_pCabeza ? m_lObjetos.m_pCabeza->m_pItem : nullptr));
}

void CAplicacion::CambiaFoco(CMenuObj* pObj)
{
    if (m_pFoco) m_pFoco->PonEnfocado(false);
    m_pFoco = pObj;
    if (m_pFoco) m_pFoco->PonEnfocado(true);
}

// Calls f on every registered object, from the head (newest first) or from
// the tail, until f returns true; true when one did. The objects are taken
// as registered at the call: one that an earlier call unregistered is
// skipped, one that it registered waits for the next walk.
template <class F>
bool CAplicacion::ParaCada(bool bDesdeCola, F f)
{
    CMenuObj* apObjetos[kMaxObjetosRecorrido];
    int n = 0;
    for (NodoLista* p = m_lObjetos.m_pCabeza; p && n < kMaxObjetosRecorrido; p = p->m_pSiguiente)
        apObjetos[n++] = static_cast<CMenuObj*>(p->m_pItem);
    for (int i = 0; i < n; ++i) {
        CMenuObj* pObj = apObjetos[bDesdeCola ? n - 1 - i : i];
        if (!Registrado(pObj)) continue;
        if (f(pObj)) return true;
    }
    return false;
}

bool CAplicacion::Registrado(const CMenuObj* pObj) const
{
    for (const NodoLista* p = m_lObjetos.m_pCabeza; p; p = p->m_pSiguiente)
        if (p->m_pItem == pObj) return true;
    return false;
}

// Input dispatch: dropped while inactive; first the layout-editor hooks of
// every object from the head (the first that takes it ends the dispatch).
// True when the input goes on to the focused object.
template <class Editor>
bool CAplicacion::Reparte(Editor editor)
{
    if (!m_bActiva) return false;
    return !ParaCada(false, editor);
}

void CAplicacion::ProcesaBotonRaton(int iRaton, int iEvento, float x, float y)
{
    if (!Reparte([&](CMenuObj* o) { return o->TrataBotonRatonEditor(iRaton, iEvento, x, y); })) return;
    if (m_pFoco && m_pFoco->Contiene(x, y)) {
        m_pFoco->TrataBotonRaton(iRaton, iEvento, x, y);
        return;
    }
    // Outside the focused object (or with none) a button is delivered to no
    // one: it only moves the focus to the object under the point.
    ParaCada(false, [&](CMenuObj* o) {
        if (!o->Contiene(x, y)) return false;
        CambiaFoco(o);
        return true;
    });
}

void CAplicacion::ProcesaTecla(int iTecla)
{
    if (Reparte([&](CMenuObj* o) { return o->TrataTeclaEditor(iTecla); }) && m_pFoco) m_pFoco->TrataTecla(iTecla);
}

void CAplicacion::ProcesaCaracter(char c)
{
    if (Reparte([&](CMenuObj* o) { return o->TrataCaracterEditor(c); }) && m_pFoco) m_pFoco->TrataCaracter(c);
}

void CAplicacion::ProcesaMovimientoRaton(int iRaton, float x, float y)
{
    g_bPunteroMovido = true;
    if (Reparte([&](CMenuObj* o) { return o->TrataMovimientoRatonEditor(iRaton, x, y, false); }) && m_pFoco)
        m_pFoco->TrataMovimientoRaton(iRaton, x, y, false);
}

void CAplicacion::ProcesaEjeMando(CMando* pMando, int iEje, int iValor)
{
    if (Reparte([&](CMenuObj* o) { return o->TrataEjeMandoEditor(pMando, iEje, iValor); }) && m_pFoco)
        m_pFoco->TrataEjeMando(pMando, iEje, iValor);
}

void CAplicacion::ProcesaBotonMando(CMando* pMando, int iBoton)
{
    if (Reparte([&](CMenuObj* o) { return o->TrataBotonMandoEditor(pMando, iBoton); }) && m_pFoco)
        m_pFoco->TrataBotonMando(pMando, iBoton);
}

void CAplicacion::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    auto* e = new Evento;
    e->m_iTipo = iTipo;
    e->m_iValor = iValor;
    e->m_iIdEmisor = iIdEmisor;
    e->m_szTexto = CopiaTexto(szTexto);
    m_lEventos.InsertaAlFinal(e);
}

bool CAplicacion::ProcesaEventos()
{
    AtiendeMensajes();
    bool bSalir = false;
    // Newest first; once the quit is found the rest is dropped unread.
    for (m_lEventos.VaAlFinal(); !m_lEventos.EstaVacia(); m_lEventos.VaAlFinal()) {
        auto* e = static_cast<Evento*>(m_lEventos.Actual());
        m_lEventos.BorraActual();
        if (!bSalir && e->m_iTipo == EVENTO_SALIR && m_bSalirPermitido) bSalir = true;
        delete e;
    }
    return bSalir;
}

void CAplicacion::VaciaEventos()
{
    for (m_lEventos.VaAlPrincipio(); !m_lEventos.EstaVacia(); m_lEventos.VaAlPrincipio()) {
        delete static_cast<Evento*>(m_lEventos.Actual());
        m_lEventos.BorraActual();
    }
}

void CAplicacion::VaciaPeticiones()
{
    if (m_lPeticiones.EstaVacia()) return;
    for (m_lPeticiones.VaAlPrincipio(); !m_lPeticiones.EstaVacia(); m_lPeticiones.VaAlPrincipio()) {
        delete static_cast<PeticionModo*>(m_lPeticiones.Actual());
        m_lPeticiones.BorraActual();
    }
    // The dropped request no longer blocks the next one.
    g_bCambioModoPermitido = 1;
}

void CAplicacion::ProhibeSalir()
{
    m_bSalirPermitido = 0;
    DesactivaCerrar();
}

void CAplicacion::PermiteSalir()
{
    m_bSalirPermitido = 1;
    ActivaCerrar();
}

void CAplicacion::CambiaEstilo(int i, const EstiloObjeto& estilo)
{
    if (i < 0 || i >= kNumEstilos) return;
    m_aEstilos[i] = estilo;
}

EstiloObjeto* CAplicacion::Estilo(int i)
{
    if (i < 0 || i >= kNumEstilos) return nullptr;
    return &m_aEstilos[i];
}

void CAplicacion::ActualizaActivacion()
{
    if (m_bActivacionPedida == m_bActiva || m_bCambioEnCurso.load()) return;
    if (!m_bActivacionPedida) {
        if (!EnlaceGraficos()->EsVentana()) PideVentana();
    } else {
        AplicaVolumenFlujos();
    }
    m_bActiva = m_bActivacionPedida;
    // The system pointer is hidden over the window while the core is active.
    plat::ShowSystemCursor(!m_bActiva);
}

void CAplicacion::PideModo(int iTipo)
{
    if (!g_bCambioModoPermitido) return;
    g_bCambioModoPermitido = 0;
    auto* p = new PeticionModo;
    p->m_iTipo = iTipo;
    m_lPeticiones.InsertaAlFinal(p);
}

void CAplicacion::PideVentana() { PideModo(PETICION_VENTANA); }

void CAplicacion::PidePantallaCompleta() { PideModo(PETICION_PANTALLA_COMPLETA); }

void CAplicacion::AlternaPantallaCompleta()
{
    if (EnlaceGraficos()->EsVentana())
        PidePantallaCompleta();
    else
        PideVentana();
}

void CAplicacion::ProcesaPeticionesModo()
{
    for (m_lPeticiones.VaAlFinal(); !m_lPeticiones.EstaVacia(); m_lPeticiones.VaAlFinal()) {
        auto* p = static_cast<PeticionModo*>(m_lPeticiones.Actual());
        m_lPeticiones.BorraActual();
        if (p->m_iTipo == PETICION_PANTALLA_COMPLETA || p->m_iTipo == PETICION_VENTANA) {
            bool bCompleta = p->m_iTipo == PETICION_PANTALLA_COMPLETA;
            g_bVentana = bCompleta ? 0 : 1;
            GuardaModoEnPreferencias(bCompleta);
            {
                // No frame of the loading sign while the window changes.
                std::lock_guard<std::recursive_mutex> lock(m_mutexPintado);
                m_bCambioEnCurso.store(true);
                // The window and its context stay; only its mode changes.
                plat::SetFullscreen(bCompleta);
                if (bCompleta)
                    EnlaceGraficos()->PassaAFullScreen();
                else
                    EnlaceGraficos()->PassaAFinestra();
                m_bCambioEnCurso.store(false);
            }
            g_bCambioModoPermitido = 1;
            VaciaTecladoSiExiste();
            // The window moved under a pointer that did not: no move says where
            // it now lies over the field.
            if (g_pRatones) g_pRatones->LeePunteroReal();
        }
        delete p;
    }
}

void CAplicacion::CambiaIdioma(int iClave, char cPrimera, char cSegunda)
{
    SeleccionaIdioma(iClave, cPrimera, cSegunda);
    EnlaceGraficos()->RecargaIdioma();
}

void CAplicacion::MuestraHint(int iCodigo)
{
    if (m_pCuadroHint) m_pCuadroHint->PideTexto(iCodigo, 0);
}

void CAplicacion::AsignaCartelCargando(CCargandoObj* pCartel)
{
    // The loading-sign thread uses the sign only under the render mutex.
    std::lock_guard<std::recursive_mutex> lock(m_mutexPintado);
    m_pCartelCargando.store(pCartel);
}

void HiloCartelCargando(CAplicacion* pApp)
{
    // The link that made the thread's context takes it back.
    CEnlaceGraficos* pEnlaceContexto = pApp->EnlaceGraficos();
    CEnlaceGraficos* pGraficos = pEnlaceContexto;
    // Without a context of its own the thread never draws.
    bool bContexto = pApp->ContextoHilo() && pGraficos->UsaContextoHilo(pApp->ContextoHilo());
    // The sign this thread switched on, while it shows.
    CCargandoObj* pMostrado = nullptr;
    bool bSinCapturas = false;
    bool bCapturaLentaVista = false;
    bool bDibujadoEnParada = false;

    // Stalled: no step and no pass of the loop for longer than the threshold.
    // (A loop that runs passes again must get its steps: while the sign
    // shows, this thread moves the clock base on and would take them.)
    auto Parado = [&] {
        float fAhora = static_cast<float>(TiempoReal());
        return fAhora - pApp->UltimoFrame() > pApp->UmbralCarga() &&
               fAhora - pApp->UltimaPasada() > pApp->UmbralCarga() && !pGraficos->CambiandoModo() &&
               !pApp->CambioModoEnCurso();
    };
    auto Vigila = [&] {
        return pApp->CartelCargando() && pApp->ActivaEnCiclo() && !pGraficos->RestaurandoBitmaps();
    };

    while (bContexto && !pApp->HiloDebeTerminar()) {
        pGraficos = pApp->EnlaceGraficos();
        if ((Vigila() && Parado()) || pMostrado) {
            std::lock_guard<std::recursive_mutex> lock(*pApp->MutexPintado());
            CCargandoObj* pCartel = pApp->CartelCargando();
            // A sign taken away while it showed is not touched again.
            if (pMostrado && pMostrado != pCartel) {
                pMostrado = nullptr;
                bDibujadoEnParada = false;
            }
            // Checked again under the mutex: the loop may have run a step, or
            // a mode switch held the mutex, meanwhile.
            if (Vigila() && Parado()) {
                if (!pMostrado) {
                    Sprite* pFondo = nullptr;
                    if (!bSinCapturas) {
                        int iInicio = TiempoJuego();
                        if (pGraficos->PotCapturarPantalla() && pApp->SpriteCaptura()) {
                            pGraficos->CapturaPantallaActual(pApp->SpriteCaptura());
                            pFondo = pApp->SpriteCaptura();
                        }
                        // Two slow captures switch captures off for good.
                        if (TiempoJuego() - iInicio > 300) {
                            if (bCapturaLentaVista)
                                bSinCapturas = true;
                            else
                                bCapturaLentaVista = true;
                        }
                    }
                    pCartel->AsignaCaptura(bSinCapturas ? nullptr : pFondo);
                    pCartel->Activa();
                    pMostrado = pCartel;
                }
                if (static_cast<float>(TiempoReal()) - pApp->BaseReloj() > CAplicacion::kPaso) {
                    pApp->AvanzaReloj(false);
                    pCartel->Actualiza();
                    if (!bSinCapturas || !bDibujadoEnParada) {
                        bDibujadoEnParada = true;
                        pCartel->Dibuja(nullptr, nullptr);
                        pGraficos->Flipa(false);
                    }
                }
            } else if (pMostrado) {
                // The loop runs again (or no sign may show): switch it off.
                pMostrado = nullptr;
                pCartel->Desactiva();
                bDibujadoEnParada = false;
            }
        }
        Espera(pMostrado ? 1 : 100);
    }
    while (!bContexto && !pApp->HiloDebeTerminar()) Espera(10);
    if (bContexto) pEnlaceContexto->SueltaContextoHilo();
    pApp->MarcaHiloTerminado();
}
