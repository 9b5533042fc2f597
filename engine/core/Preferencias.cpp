#include "engine/core/Preferencias.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/GestorMandos.h"
#include "engine/core/NumerosC.h"
#include "engine/core/SistemaFitxers.h"
#include "platform/Files.h"
#include "platform/Paths.h"

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

float VolumenLeido(float v)
{
    if (std::isnan(v)) return 1.0f;
    return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v;
}

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

bool CPreferencias::Carga()
{
    m_bCargado = 0;
    Limpia();
    // A file without the volumes leaves them at full.
    m_fVolMusica = 1.0f;
    m_fVolSonido = 1.0f;
    std::string ruta = RutaFichero();
    FitxerComandes* f = (g_pGestorComandes && !ruta.empty()) ? g_pGestorComandes->ObreLectura(ruta.c_str()) : nullptr;
    if (!f) {
        ValoresPorDefecto();
        m_bCargado = 1;
        return true;
    }
    int control = 0;
    do {
        const char* nom = g_pGestorComandes->NomComanda(f);
        if (!nom) continue;
        if (strcasecmp(nom, "CONTROL") == 0) {
            if (control < kNumControles) {
                // A binding that cannot be used keeps the slot's default.
                if (!LeeControl(f, &m_aControles[control])) m_aControles[control] = ControlPorDefecto(control);
                ++control;
            }
        } else if (strcasecmp(nom, "IDIOMA") == 0) {
            LeeIdioma(f);
        } else if (strcasecmp(nom, "FLAGS") == 0) {
            m_iFlags = g_pGestorComandes->LlegeixEnter(f);
        } else if (strcasecmp(nom, "LUMINOSIDAD") == 0) {
            int v = g_pGestorComandes->LlegeixEnter(f);
            m_cLuminosidad = static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
        } else if (strcasecmp(nom, "VOLMUSICA") == 0) {
            m_fVolMusica = VolumenLeido(g_pGestorComandes->LlegeixReal(f));
        } else if (strcasecmp(nom, "VOLSONIDO") == 0) {
            m_fVolSonido = VolumenLeido(g_pGestorComandes->LlegeixReal(f));
        }
    } while (g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);
    m_bCargado = 1;
    return true;
}

// The settings are written whole to a file beside the old one, put on disk
// and renamed over it: a crash or a full disk while saving leaves the old
// settings, never a cut file whose missing bindings would load empty.
bool CPreferencias::Guarda()
{
    std::string ruta = RutaFichero();
    if (!g_pGestorComandes || ruta.empty()) return false;
    const std::string temporal = ruta + ".tmp";
    FitxerComandes* f = g_pGestorComandes->ObreEscriptura(temporal.c_str());
    if (!f) return false;
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
    ok = g_pGestorComandes->Sincronitza(f) && ok;
    ok = g_pGestorComandes->Tanca(f) && ok;
    ok = ok && plat::ReplaceFile(plat::ResolvePath(temporal), plat::ResolvePath(ruta));
    if (!ok) plat::RemoveFile(plat::ResolvePath(temporal));
    return ok;
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
    a.m_iTipo = g_pGestorComandes->LlegeixEnter(f);
    bool guidOk = true;
    switch (a.m_iTipo) {
    case CONTROL_RATON: {
        a.m_iRaton = g_pGestorComandes->LlegeixEnter(f);
        int boton = g_pGestorComandes->LlegeixEnter(f);
        if (boton < 0 || boton > AsignacionControl::kMaxBotonRaton) return false;
        a.m_cBotonRaton = static_cast<uint8_t>(boton);
        break;
    }
    case CONTROL_TECLA: {
        int tecla = g_pGestorComandes->LlegeixEnter(f);
        if (tecla < 0 || tecla >= AsignacionControl::kNumTeclas) return false;
        a.m_wTecla = static_cast<uint16_t>(tecla);
        break;
    }
    case CONTROL_EJE:
        a.m_iEje = g_pGestorComandes->LlegeixEnter(f);
        a.m_iDireccion = g_pGestorComandes->LlegeixEnter(f);
        guidOk = a.LeeGuid(g_pGestorComandes->LlegeixText(f));
        break;
    case CONTROL_BOTON:
        a.m_iBoton = g_pGestorComandes->LlegeixEnter(f);
        guidOk = a.LeeGuid(g_pGestorComandes->LlegeixText(f));
        break;
    default:
        return false;
    }
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
