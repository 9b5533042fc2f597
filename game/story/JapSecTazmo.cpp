#include "game/story/JapSecTazmo.h"

#include "engine/core/GestorComandes.h"
#include "game/CatalogoJuego.h"
#include "engine/core/NumerosC.h"
#include "engine/graphics/SistemaCacheEfectos.h"
#include "game/story/EfectoSecTazmo.h"
#include "game/story/ImagenSecTazmo.h"
#include "game/story/PersoSecTazmo.h"
#include "game/story/SonidoSecTazmo.h"

#include <string>
#include <strings.h>

namespace {

bool EsNombre(const char* szNombre, const char* szClave) { return szNombre && strcasecmp(szNombre, szClave) == 0; }

const int kCapasEscena[] = {CAPA_ESCENA_FONDOS, CAPA_ESCENA_PERSONAJES, CAPA_ESCENA_ILUSTRACIONES};

int Entero(const std::string& s) { return EnteroDeTexto(s.c_str()); }
float Real(const std::string& s) { return float(RealDeTexto(s.c_str())); }

} // namespace

CJapSecTazmo::CJapSecTazmo() = default;

ConfigSecuenciador CJapSecTazmo::ConfigCaja()
{
    ConfigSecuenciador c;
    c.m_sFicheroCaja = juego::imagen::FONDO_JAP_TEXTO;
    c.m_sPaquete = juego::paquete::CURSORES;
    c.m_fTextoX = 150;
    c.m_fTextoY = 542;
    c.m_fCajaX = 0;
    c.m_fCajaY = 512;
    c.m_fAnchoAjuste = 724;
    c.m_fAltoVisible = 195;
    c.m_iReservado1 = 0;
    c.m_iReservado2 = -1;
    c.m_fEscala = 1.0f;
    c.m_iFontMedida = 0;
    return c;
}

CJapSecTazmo::~CJapSecTazmo() { Libera(); }

template <class F>
void CJapSecTazmo::CadaElemento(F f)
{
    for (auto& e : m_aPersonajes) f(*e);
    for (auto& e : m_aFondos) f(*e);
    for (auto& e : m_aEfectos) f(*e);
    for (auto& e : m_aImagenes) f(*e);
    for (auto& e : m_aSonidos) f(*e);
    for (auto& e : m_aCanales) f(*e);
}

// ---------------------------------------------------------------------------
// Loading and release

bool CJapSecTazmo::Carga(const char* szGuion, const ConfigSecuenciador* pConfig, int iFont)
{
    Libera();
    if (!CJapSecuenciador::Carga(szGuion, pConfig, iFont)) {
        LiberaElementos();
        return false;
    }
    m_bCargadoEscena = true;
    return true;
}

void CJapSecTazmo::Libera()
{
    if (EstaCargado()) CJapSecuenciador::Libera();
    LiberaElementos();
    m_bCargadoEscena = false;
}

void CJapSecTazmo::LiberaElementos()
{
    if (g_pSistemaCacheEfectos)
        for (int c : kCapasEscena) g_pSistemaCacheEfectos->LimpiaCapa(c);
    m_aPersonajes.clear();
    m_aFondos.clear();
    m_aEfectos.clear();
    m_aImagenes.clear();
    m_aSonidos.clear();
    m_aCanales.clear();
}

bool CJapSecTazmo::LeeRegistro(const char* szNombre, FitxerComandes* f)
{
    // A character or a picture the game does not know is a damaged name: the
    // scene does not read whole (what does exist is still kept).
    const auto texto = [&] { return g_pGestorComandes->LlegeixText(f); };
    if (EsNombre(szNombre, "TAZMO_PREDECLARAPERSONAJE")) {
        const char* sz = texto();
        const std::string sNombre = sz ? sz : "";
        auto p = std::make_unique<CPersoSecTazmo>();
        if (p->Carga(sz)) m_aPersonajes.push_back(std::move(p));
        return BuscaFilaPersonaje(sNombre.c_str()) != PERSONAJE_ESCENA_NINGUNO;
    }
    if (EsNombre(szNombre, "TAZMO_PREDECLARAFONDO") || EsNombre(szNombre, "TAZMO_PREDECLARAIMAGEN")) {
        const bool bFondo = EsNombre(szNombre, "TAZMO_PREDECLARAFONDO");
        const char* sz = texto();
        const std::string sClave = sz ? sz : "";
        auto p = std::make_unique<CImagenSecTazmo>();
        p->m_bZoom = !bFondo;
        if (p->Carga(sz)) (bFondo ? m_aFondos : m_aImagenes).push_back(std::move(p));
        return BuscaFilaImagen(sClave.c_str()) != IMAGEN_ESCENA_NINGUNA;
    }
    if (EsNombre(szNombre, "TAZMO_PREDECLARAEFECTO")) {
        if (auto e = CreaEfectoSecuencia(texto())) m_aEfectos.push_back(std::move(e));
    } else if (EsNombre(szNombre, "TAZMO_PREDECLARASONIDO")) {
        auto s = std::make_unique<CSonidoSecTazmo>();
        if (s->Carga(texto())) m_aSonidos.push_back(std::move(s));
    } else if (EsNombre(szNombre, "TAZMO_PREDECLARACANAL")) {
        auto c = std::make_unique<CCanalSecTazmo>();
        if (c->Carga(texto())) m_aCanales.push_back(std::move(c));
    } else {
        return CJapSecuenciador::LeeRegistro(szNombre, f);
    }
    return true;
}

// ---------------------------------------------------------------------------
// Lookups

CPersoSecTazmo* CJapSecTazmo::BuscaPersonaje(const char* szNombre) const
{
    const int iFila = BuscaFilaPersonaje(szNombre);
    if (iFila == PERSONAJE_ESCENA_NINGUNO) return nullptr;
    for (const auto& p : m_aPersonajes)
        if (p->m_iFila == iFila) return p.get();
    return nullptr;
}

CImagenSecTazmo* CJapSecTazmo::BuscaFondo(const char* szClave) const
{
    const int iFila = BuscaFilaImagen(szClave);
    if (iFila == IMAGEN_ESCENA_NINGUNA) return nullptr;
    for (const auto& p : m_aFondos)
        if (p->m_iFila == iFila) return p.get();
    return nullptr;
}

CImagenSecTazmo* CJapSecTazmo::BuscaImagen(const char* szClave) const
{
    const int iFila = BuscaFilaImagen(szClave);
    if (iFila == IMAGEN_ESCENA_NINGUNA) return nullptr;
    for (const auto& p : m_aImagenes)
        if (p->m_iFila == iFila) return p.get();
    return nullptr;
}

CEfectoSecTazmo* CJapSecTazmo::BuscaEfecto(const char* szNombre) const
{
    const int iTipo = BuscaTipoEfecto(szNombre);
    if (iTipo == EFECTO_ESCENA_NINGUNO) return nullptr;
    for (const auto& e : m_aEfectos)
        if (e->Tipo() == iTipo) return e.get();
    return nullptr;
}

CSonidoSecTazmo* CJapSecTazmo::BuscaSonido(const char* szNombre) const
{
    if (!szNombre) return nullptr;
    for (const auto& s : m_aSonidos)
        if (s->Nombre() == szNombre) return s.get();
    return nullptr;
}

CCanalSecTazmo* CJapSecTazmo::BuscaCanal(const char* szNombre) const
{
    if (!szNombre) return nullptr;
    for (const auto& c : m_aCanales)
        if (c->Nombre() == szNombre) return c.get();
    return nullptr;
}

// ---------------------------------------------------------------------------
// Commands

bool CJapSecTazmo::EjecutaComando(const std::string& sNombre, const Parametros& p)
{
    const char* p0 = p[0].c_str();
    const char* p1 = p[1].c_str();

    if (sNombre == "VQ_FONDO_FADETO") {
        CImagenSecTazmo* i = BuscaFondo(p0);
        if (!i) i = BuscaImagen(p0);
        if (i) i->FadeTo(Real(p[1]), Entero(p[2]));
        return false;
    }
    if (sNombre == "VQ_LANZA_EFECTO" || sNombre == "VQ_PARA_EFECTO" || sNombre == "VQ_LIMPIA_EFECTO") {
        if (CEfectoSecTazmo* e = BuscaEfecto(p0)) {
            if (sNombre == "VQ_LANZA_EFECTO")
                e->Lanza();
            else if (sNombre == "VQ_PARA_EFECTO")
                e->Para();
            else
                e->Limpia();
        }
        return false;
    }
    if (sNombre == "VQ_LANZA_SONIDO") {
        // It loops unless told otherwise with a value starting with 0.
        if (CSonidoSecTazmo* s = BuscaSonido(p0)) s->Lanza(p[1].empty() || p[1][0] != '0');
        return false;
    }
    if (sNombre == "VQ_PARA_SONIDO") {
        if (CSonidoSecTazmo* s = BuscaSonido(p0)) s->Para();
        return false;
    }
    if (sNombre == "VQ_LANZA_MUSICA") {
        if (CCanalSecTazmo* c = BuscaCanal(p0)) c->TocaMusica(p1);
        return false;
    }
    if (sNombre == "VQ_PARA_MUSICA") {
        if (CCanalSecTazmo* c = BuscaCanal(p0)) c->ParaMusica();
        return false;
    }

    // The character commands.
    using Accion = void (*)(CPersoSecTazmo&, const Parametros&);
    struct ComandoPersonaje {
        const char* nombre;
        Accion accion;
    };
    static const ComandoPersonaje kComandos[] = {
        {"VQ_PERSO_HUMOR", [](CPersoSecTazmo& c, const Parametros& q) { c.CambiaHumor(q[1].c_str()); }},
        {"VQ_PERSO_PARPADEO", [](CPersoSecTazmo& c, const Parametros& q) { c.CambiaParpadeo(q[1].c_str()); }},
        {"VQ_PERSO_GESTOBOCA", [](CPersoSecTazmo& c, const Parametros& q) { c.CambiaBoca(q[1].c_str()); }},
        {"VQ_PERSO_GESTOOJOS",
         [](CPersoSecTazmo& c, const Parametros& q) {
             c.CambiaOjoIzquierdo(q[1].c_str());
             c.CambiaOjoDerecho(q[1].c_str());
         }},
        {"VQ_PERSO_GESTOOJOIZQUIERDO", [](CPersoSecTazmo& c, const Parametros& q) { c.CambiaOjoIzquierdo(q[1].c_str()); }},
        {"VQ_PERSO_GESTOOJODERECHO", [](CPersoSecTazmo& c, const Parametros& q) { c.CambiaOjoDerecho(q[1].c_str()); }},
        {"VQ_PERSO_HABLA", [](CPersoSecTazmo& c, const Parametros&) { c.Habla(true); }},
        {"VQ_PERSO_CALLA", [](CPersoSecTazmo& c, const Parametros&) { c.Habla(false); }},
        {"VQ_PERSO_SALTA", [](CPersoSecTazmo& c, const Parametros&) { c.Salta(); }},
        {"VQ_PERSO_TRANS_ESCALA", [](CPersoSecTazmo& c, const Parametros& q) { c.EscalaA(Real(q[1]), Entero(q[2])); }},
        {"VQ_PERSO_VE_A_POS_X", [](CPersoSecTazmo& c, const Parametros& q) { c.VeAPosX(Real(q[1]), Entero(q[2])); }},
        {"VQ_PERSO_FADE_IN", [](CPersoSecTazmo& c, const Parametros&) { c.FadeTo(1.0f, CPersoSecTazmo::kFramesFundido); }},
        {"VQ_PERSO_FADE_OUT", [](CPersoSecTazmo& c, const Parametros&) { c.FadeTo(0.0f, CPersoSecTazmo::kFramesFundido); }},
        {"VQ_PERSO_FADE_TO", [](CPersoSecTazmo& c, const Parametros& q) { c.FadeTo(Real(q[1]), Entero(q[2])); }},
        {"VQ_PERSO_SILUETA_FADE_TO",
         [](CPersoSecTazmo& c, const Parametros& q) {
             c.SiluetaFadeTo(Real(q[1]), Real(q[2]), Real(q[3]), Real(q[4]), Entero(q[5]));
         }},
    };
    for (const ComandoPersonaje& c : kComandos) {
        if (sNombre != c.nombre) continue;
        if (CPersoSecTazmo* perso = BuscaPersonaje(p0)) c.accion(*perso, p);
        return false;
    }
    return CJapSecuenciador::EjecutaComando(sNombre, p);
}

// ---------------------------------------------------------------------------
// Input

bool CJapSecTazmo::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    return CJapSecuenciador::TrataBotonRaton(iRaton, iEvento, x, y);
}

bool CJapSecTazmo::TrataTecla(int iTecla)
{
    for (auto& p : m_aPersonajes)
        if (p->TeclaAjuste(iTecla)) return true;
    return CJapSecuenciador::TrataTecla(iTecla);
}

bool CJapSecTazmo::TrataMovimientoRaton(int, float, float, bool) { return true; }

bool CJapSecTazmo::TrataCaracter(char c)
{
    for (auto& p : m_aPersonajes)
        if (p->CaracterAjuste(c)) return true;
    return CJapSecuenciador::TrataCaracter(c);
}

// ---------------------------------------------------------------------------
// The frame

void CJapSecTazmo::Actualiza()
{
    if (g_pSistemaCacheEfectos)
        for (int c : kCapasEscena) g_pSistemaCacheEfectos->ActualizaCapa(c);
    CadaElemento([](auto& e) { e.Actualiza(); });
    CJapSecuenciador::Actualiza();
}

void CJapSecTazmo::Dibuja(Sprite* pDestino)
{
    for (auto& e : m_aFondos) e->Dibuja();
    for (auto& e : m_aEfectos) e->Dibuja(true, nullptr);
    if (g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->DibujaCapa(CAPA_ESCENA_FONDOS, pDestino);
    for (auto& e : m_aPersonajes) e->Dibuja();
    for (auto& e : m_aEfectos) e->Dibuja(false, nullptr);
    if (g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->DibujaCapa(CAPA_ESCENA_PERSONAJES, pDestino);
    for (auto& e : m_aImagenes) e->Dibuja();
    if (g_pSistemaCacheEfectos) g_pSistemaCacheEfectos->DibujaCapa(CAPA_ESCENA_ILUSTRACIONES, pDestino);
    CJapSecuenciador::Dibuja(pDestino);
}

void CJapSecTazmo::CargaRecursos()
{
    CadaElemento([](auto& e) { e.CargaRecursos(); });
    CJapSecuenciador::CargaRecursos();
}

void CJapSecTazmo::DescargaRecursos()
{
    CadaElemento([](auto& e) { e.DescargaRecursos(); });
    CJapSecuenciador::DescargaRecursos();
}

void CJapSecTazmo::Reinicia() { CJapSecuenciador::Reinicia(); }
