#include "engine/core/Preferencias.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorMandos.h"
#include "engine/core/NumerosC.h"
#include "engine/core/SistemaFitxers.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <strings.h>

CPreferencias* g_pPreferencias = nullptr;

namespace {

// Default keys of bindings 0..9 (DirectInput codes): left, right, right Ctrl,
// right Shift, up, A, D, left Ctrl, left Shift, W.
constexpr int kTeclasPorDefecto[kNumControles] = {203, 205, 157, 54, 200, 30, 32, 29, 42, 17};

// Whether a controller with this identity is known and not lost.
bool MandoDisponible(const uint8_t* guid)
{
    const CMando* m = g_pMandos ? g_pMandos->BuscaMando(guid) : nullptr;
    return m && !m->m_bPerdido;
}

int ValorHex(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A whole integer (sign and digits, nothing else); false leaves *v as it was.
bool EnteroLeido(const char* texto, int* v)
{
    if (!texto) return false;
    const char* p = texto;
    if (*p == '+' || *p == '-') ++p;
    if (!*p) return false;
    for (const char* q = p; *q; ++q)
        if (*q < '0' || *q > '9') return false;
    *v = EnteroDeTexto(texto);
    return true;
}

// A whole finite number; false leaves *v as it was.
bool RealLeido(const char* texto, float* v)
{
    if (!texto || !*texto) return false;
    int digits = 0, points = 0;
    const char* p = texto;
    if (*p == '+' || *p == '-') ++p;
    for (; *p; ++p) {
        if (*p >= '0' && *p <= '9')
            ++digits;
        else if (*p == '.')
            ++points;
        else
            return false;
    }
    if (!digits || points > 1) return false;
    const double d = RealDeTexto(texto);
    if (!std::isfinite(d)) return false;
    *v = static_cast<float>(d);
    return true;
}

float VolumenLeido(float v) { return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v; }

float CambiaVolumen(float v, float delta)
{
    v += delta;
    return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v;
}

} // namespace

// ---- AsignacionControl ----

void AsignacionControl::Limpia() { *this = AsignacionControl(); }

AsignacionControl AsignacionControl::Tecla(int codigo)
{
    AsignacionControl a;
    a.m_iTipo = CONTROL_TECLA;
    a.m_wTecla = static_cast<uint16_t>(codigo);
    return a;
}

bool AsignacionControl::EsValida() const
{
    switch (m_iTipo) {
    case CONTROL_RATON:
        return m_iRaton >= 0 && m_iRaton < kMaxRatones && m_cBotonRaton <= kMaxBotonRaton;
    case CONTROL_TECLA:
        return m_wTecla < kNumTeclas;
    case CONTROL_EJE:
        return m_iEje >= 0 && m_iEje < kNumEjes;
    case CONTROL_BOTON:
        return m_iBoton >= 0 && m_iBoton < kNumBotonesMando;
    default:
        return false;
    }
}

bool AsignacionControl::EstaDisponible() const
{
    if (m_iTipo == CONTROL_RATON || m_iTipo == CONTROL_TECLA) return true;
    if (m_iTipo == CONTROL_EJE || m_iTipo == CONTROL_BOTON) return MandoDisponible(m_aGuid);
    return false;
}

bool AsignacionControl::LeeGuid(const char* texto)
{
    std::memset(m_aGuid, 0, sizeof m_aGuid);
    if (!texto) return true;
    if (std::strlen(texto) != 32) return false;
    uint8_t guid[16];
    for (int i = 0; i < 16; ++i) {
        int alto = ValorHex(texto[2 * i]), bajo = ValorHex(texto[2 * i + 1]);
        if (alto < 0 || bajo < 0) return false;
        guid[i] = static_cast<uint8_t>(alto << 4 | bajo);
    }
    std::memcpy(m_aGuid, guid, sizeof guid);
    return true;
}

std::string AsignacionControl::TextoGuid() const
{
    char texto[33];
    for (int i = 0; i < 16; ++i) std::snprintf(texto + 2 * i, 3, "%02X", m_aGuid[i]);
    return std::string(texto, 32);
}

const char* AsignacionControl::NombreVisible()
{
    char codigo[8];
    switch (m_iTipo) {
    case CONTROL_TECLA:
        std::snprintf(codigo, sizeof codigo, motor::texto::NOMBRE_TECLA, m_wTecla & 0xFF);
        std::snprintf(m_szNombre, sizeof m_szNombre, "%s", g_GestorFLIs.GetTexto(CodigoFLI(codigo)));
        break;
    case CONTROL_RATON:
        std::snprintf(m_szNombre, sizeof m_szNombre, "%s %d %s", g_GestorFLIs.GetTexto(CodigoFLI(motor::texto::BOTON_RATON)),
                      m_cBotonRaton, "");
        break;
    case CONTROL_EJE:
        std::snprintf(m_szNombre, sizeof m_szNombre, "%s %d %s", g_GestorFLIs.GetTexto(CodigoFLI(motor::texto::EJE_MANDO)), m_iEje,
                      m_iDireccion < 0 ? "-" : m_iDireccion > 0 ? "+" : "");
        break;
    case CONTROL_BOTON:
        std::snprintf(m_szNombre, sizeof m_szNombre, "%s %d %s", g_GestorFLIs.GetTexto(CodigoFLI(motor::texto::BOTON_MANDO)), m_iBoton,
                      "");
        break;
    default:
        m_szNombre[0] = '\0';
        break;
    }
    return m_szNombre;
}

// ---- CPreferencias ----

CPreferencias::CPreferencias() { ValoresPorDefecto(); }

AsignacionControl CPreferencias::ControlPorDefecto(int i)
{
    if (i < 0 || i >= kNumControles) return AsignacionControl();
    return AsignacionControl::Tecla(kTeclasPorDefecto[i]);
}

std::string CPreferencias::RutaFichero()
{
    if (!g_pSistemaFitxers) return std::string();
    std::string carpeta = g_pSistemaFitxers->CarpetaUsuari();
    if (carpeta.empty()) return std::string();
    return carpeta + "\\" + motor::fichero::PREFERENCIAS;
}

void CPreferencias::Limpia()
{
    for (AsignacionControl& a : m_aControles) a.Limpia();
    m_iIdioma = -1;
    m_iFlags = 0;
    m_cLuminosidad = 255;
}

void CPreferencias::ValoresPorDefecto()
{
    for (int i = 0; i < kNumControles; ++i) m_aControles[i] = ControlPorDefecto(i);
    m_iIdioma = -1;
    m_iFlags = PREF_PANTALLA_COMPLETA;
    m_fVolMusica = 1.0f;
    m_fVolSonido = 1.0f;
    m_cLuminosidad = 255;
}

// Every value starts at its default and keeps it unless the file holds a
// readable one. A file that is there but does not read whole as this file
// (garbage, cut short, unknown records or unreadable values) is kept aside
// as <file>.bad before anything can be saved over it.
bool CPreferencias::Carga()
{
    m_bCargado = 0;
    m_bGuardable = 1;
    ValoresPorDefecto();
    const std::string ruta = RutaFichero();
    if (!g_pGestorComandes || ruta.empty()) {
        m_bCargado = 1;
        return true;
    }
    // What a save cut short left beside the file is never read.
    CGestorComandes::BorraTemporal(ruta.c_str());
    std::string real;
    const bool bExiste = plat::ResolveExisting(ruta, &real);
    FitxerComandes* f = bExiste ? g_pGestorComandes->ObreLectura(ruta.c_str()) : nullptr;
    bool bSencer = f != nullptr;
    if (f) {
        int control = 0;
        do {
            bSencer = LeeRegistro(f, &control) && bSencer;
        } while (g_pGestorComandes->LlegeixComanda(f));
        if (f->m_bFinalIncomplet) bSencer = false;
        g_pGestorComandes->Tanca(f);
    }
    if (bExiste && !bSencer) ApartaDanado(real);
    m_bCargado = 1;
    return true;
}

bool CPreferencias::LeeRegistro(FitxerComandes* f, int* control)
{
    const char* nom = g_pGestorComandes->NomComanda(f);
    if (!nom) return false;
    int entero = 0;
    if (strcasecmp(nom, "CONTROL") == 0) {
        if (*control >= kNumControles) return false;
        // A binding that cannot be used keeps the slot's default.
        return LeeControl(f, &m_aControles[(*control)++]);
    }
    if (strcasecmp(nom, "IDIOMA") == 0) {
        if (!EnteroLeido(g_pGestorComandes->LlegeixText(f), &entero)) return false;
        m_iIdioma = entero;
        g_GestorFLIs.SeleccionaIdioma(m_iIdioma);
        return true;
    }
    if (strcasecmp(nom, "FLAGS") == 0) {
        if (!EnteroLeido(g_pGestorComandes->LlegeixText(f), &entero)) return false;
        m_iFlags = entero;
        return true;
    }
    if (strcasecmp(nom, "LUMINOSIDAD") == 0) {
        if (!EnteroLeido(g_pGestorComandes->LlegeixText(f), &entero)) return false;
        m_cLuminosidad = static_cast<uint8_t>(entero < 0 ? 0 : entero > 255 ? 255 : entero);
        return true;
    }
    float* volumen = strcasecmp(nom, "VOLMUSICA") == 0   ? &m_fVolMusica
                     : strcasecmp(nom, "VOLSONIDO") == 0 ? &m_fVolSonido
                                                         : nullptr;
    if (!volumen) return false;
    float v = 0.0f;
    if (!RealLeido(g_pGestorComandes->LlegeixText(f), &v)) return false;
    *volumen = VolumenLeido(v);
    return true;
}

void CPreferencias::ApartaDanado(const std::string& real)
{
    // Settings are not worth a player's being stuck: once every kept name is
    // taken the oldest copy gives way and saving goes on.
    const std::string aparte = plat::KeepAside(real, plat::KeepAsidePolicy::ReplaceOldest);
    if (aparte.empty()) {
        // Never saved over: the player's file stays as it is.
        m_bGuardable = 0;
        plat::ReportError("preferences %s cannot be read and cannot be moved aside; they will not be saved",
                          real.c_str());
        return;
    }
    plat::ReportError("preferences %s cannot be read whole; kept as %s, unreadable settings start at their defaults",
                      real.c_str(), aparte.c_str());
}

// The settings are written whole to a file beside the old one, put on disk
// and renamed over it: a crash or a full disk while saving leaves the old
// settings, never a cut file whose missing bindings would load empty.
bool CPreferencias::Guarda()
{
    const bool ok = Escribe();
    if (!ok) plat::ReportError("the preferences could not be saved (%s); the previous file stays",
                               RutaFichero().empty() ? "no per-user folder" : RutaFichero().c_str());
    return ok;
}

bool CPreferencias::Escribe()
{
    std::string ruta = RutaFichero();
    if (!g_pGestorComandes || ruta.empty() || !m_bGuardable) return false;
    return g_pGestorComandes->EscriuFitxerSegur(ruta.c_str(), [this](FitxerComandes* f) {
        bool ok = true;
        g_pGestorComandes->EscriuNomComanda(f, "IDIOMA");
        g_pGestorComandes->EscriuEnter(f, m_iIdioma);
        ok = g_pGestorComandes->EscriuComanda(f) && ok;
        g_pGestorComandes->EscriuNomComanda(f, "FLAGS");
        g_pGestorComandes->EscriuEnter(f, m_iFlags);
        ok = g_pGestorComandes->EscriuComanda(f) && ok;
        g_pGestorComandes->EscriuNomComanda(f, "VOLMUSICA");
        g_pGestorComandes->EscriuReal(f, m_fVolMusica);
        ok = g_pGestorComandes->EscriuComanda(f) && ok;
        g_pGestorComandes->EscriuNomComanda(f, "VOLSONIDO");
        g_pGestorComandes->EscriuReal(f, m_fVolSonido);
        ok = g_pGestorComandes->EscriuComanda(f) && ok;
        g_pGestorComandes->EscriuNomComanda(f, "LUMINOSIDAD");
        g_pGestorComandes->EscriuEnter(f, m_cLuminosidad);
        ok = g_pGestorComandes->EscriuComanda(f) && ok;
        for (const AsignacionControl& a : m_aControles) {
            EscribeControl(f, a);
            ok = g_pGestorComandes->EscriuComanda(f) && ok;
        }
        return ok;
    });
}

void CPreferencias::CambiaPantallaCompleta(bool completa)
{
    if (completa)
        m_iFlags |= PREF_PANTALLA_COMPLETA;
    else
        m_iFlags &= ~PREF_PANTALLA_COMPLETA;
}

void CPreferencias::SubeVolumenSonido() { m_fVolSonido = CambiaVolumen(m_fVolSonido, 0.1f); }
void CPreferencias::BajaVolumenSonido() { m_fVolSonido = CambiaVolumen(m_fVolSonido, -0.1f); }
void CPreferencias::SubeVolumenMusica() { m_fVolMusica = CambiaVolumen(m_fVolMusica, 0.1f); }
void CPreferencias::BajaVolumenMusica() { m_fVolMusica = CambiaVolumen(m_fVolMusica, -0.1f); }

void CPreferencias::AsignaControl(int i, const AsignacionControl& asignacion)
{
    if (i < 0 || i >= kNumControles) return;
    m_aControles[i] = asignacion;
}

bool CPreferencias::LeeControl(FitxerComandes* f, AsignacionControl* asignacion)
{
    if (!f || !asignacion || !g_pGestorComandes) return false;
    AsignacionControl a;
    // Every number must be there and read whole.
    bool leido = true;
    auto entero = [&](int32_t* v) {
        int n = 0;
        leido = EnteroLeido(g_pGestorComandes->LlegeixText(f), &n) && leido;
        *v = n;
    };
    entero(&a.m_iTipo);
    bool guidOk = true;
    switch (a.m_iTipo) {
    case CONTROL_RATON: {
        entero(&a.m_iRaton);
        int32_t boton = 0;
        entero(&boton);
        if (boton < 0 || boton > AsignacionControl::kMaxBotonRaton) return false;
        a.m_cBotonRaton = static_cast<uint8_t>(boton);
        break;
    }
    case CONTROL_TECLA: {
        int32_t tecla = 0;
        entero(&tecla);
        if (tecla < 0 || tecla >= AsignacionControl::kNumTeclas) return false;
        a.m_wTecla = static_cast<uint16_t>(tecla);
        break;
    }
    case CONTROL_EJE:
        entero(&a.m_iEje);
        entero(&a.m_iDireccion);
        guidOk = a.LeeGuid(g_pGestorComandes->LlegeixText(f));
        break;
    case CONTROL_BOTON:
        entero(&a.m_iBoton);
        guidOk = a.LeeGuid(g_pGestorComandes->LlegeixText(f));
        break;
    default:
        return false;
    }
    if (!leido) return false;
    if (!guidOk || !a.EsValida()) return false;
    *asignacion = a;
    return true;
}

void CPreferencias::EscribeControl(FitxerComandes* f, const AsignacionControl& a)
{
    if (!f || !g_pGestorComandes) return;
    g_pGestorComandes->EscriuNomComanda(f, "CONTROL");
    g_pGestorComandes->EscriuEnter(f, a.m_iTipo);
    switch (a.m_iTipo) {
    case CONTROL_RATON:
        g_pGestorComandes->EscriuEnter(f, a.m_iRaton);
        g_pGestorComandes->EscriuEnter(f, a.m_cBotonRaton);
        break;
    case CONTROL_TECLA:
        g_pGestorComandes->EscriuEnter(f, a.m_wTecla);
        break;
    case CONTROL_EJE:
        g_pGestorComandes->EscriuEnter(f, a.m_iEje);
        g_pGestorComandes->EscriuEnter(f, a.m_iDireccion);
        g_pGestorComandes->EscriuText(f, a.TextoGuid().c_str());
        break;
    case CONTROL_BOTON:
        g_pGestorComandes->EscriuEnter(f, a.m_iBoton);
        g_pGestorComandes->EscriuText(f, a.TextoGuid().c_str());
        break;
    default:
        break;
    }
}

void CPreferencias::LeeIdioma(FitxerComandes* f)
{
    if (!f || !g_pGestorComandes) return;
    m_iIdioma = g_pGestorComandes->LlegeixEnter(f);
    g_GestorFLIs.SeleccionaIdioma(m_iIdioma);
}
