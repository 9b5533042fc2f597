#include "game/screens/MenuAudio.h"

#include "engine/audio/SistemaSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Preferencias.h"
#include "engine/ui/Buto.h"
#include "engine/ui/CuadreText.h"
#include "game/CatalogoJuego.h"
#include "game/screens/MenuMaestro.h"
#include "game/screens/widgets/AyudasTazmo.h"

#include <new>

namespace {

constexpr int kEstiloTitulo = -1;
constexpr int kEstiloValor = 2;
constexpr int kEstiloBoton = 0;
constexpr int kFuente = 0;
constexpr int kFormato = 9;
constexpr float kEscala = 1.0f;

constexpr float kTituloX = 100.0f, kTituloAncho = 400.0f;
constexpr float kValorX = 640.0f, kValorAncho = 100.0f;
constexpr float kFilaSonidoY = 340.0f, kFilaMusicaY = 405.0f, kAltoFila = 64.0f;

struct FilaBoton {
    float x, y, ancho, alto;
    const char* szLiteral; // a literal caption, or
    const char* szCodigo;  // a text code
    const char* szNombre;
};
// In id order.
const FilaBoton kBotones[CMenuAudio::kNumBotones] = {
    {570.0f, kFilaSonidoY, 64.0f, 64.0f, "+", nullptr, "MENUAUDIO_BUT_VolUp"},
    {500.0f, kFilaSonidoY, 64.0f, 64.0f, "-", nullptr, "MENUAUDIO_BUT_VolDown"},
    {570.0f, kFilaMusicaY, 64.0f, 64.0f, "+", nullptr, "MENUAUDIO_BUT_MusUp"},
    {500.0f, kFilaMusicaY, 64.0f, 64.0f, "-", nullptr, "MENUAUDIO_BUT_MusDown"},
    {500.0f, 600.0f, 242.0f, 64.0f, nullptr, juego::texto::MV03, "MENUAUDIO_BUT_Volver"},
};

float VolumenSonido() { return g_pPreferencias ? g_pPreferencias->m_fVolSonido : 1.0f; }
float VolumenMusica() { return g_pPreferencias ? g_pPreferencias->m_fVolMusica : 1.0f; }

} // namespace

std::string CMenuAudio::TextoVolumen(float fVolumen)
{
    return std::to_string(CMenuMaestro::VolumenParaAlmacen(fVolumen)) + "%";
}

CMenuAudio::Vecinos CMenuAudio::VecinosDe(int iBoton)
{
    // Left and right swap the two buttons of a row; down goes sound row,
    // music row, back and round to sound up; up the other way.
    switch (iBoton) {
    case ID_SONIDO_MAS: return {ID_VOLVER, ID_MUSICA_MAS, ID_SONIDO_MENOS, ID_SONIDO_MENOS};
    case ID_SONIDO_MENOS: return {ID_VOLVER, ID_MUSICA_MENOS, ID_SONIDO_MAS, ID_SONIDO_MAS};
    case ID_MUSICA_MAS: return {ID_SONIDO_MAS, ID_VOLVER, ID_MUSICA_MENOS, ID_MUSICA_MENOS};
    case ID_MUSICA_MENOS: return {ID_SONIDO_MENOS, ID_VOLVER, ID_MUSICA_MAS, ID_MUSICA_MAS};
    case ID_VOLVER: return {ID_MUSICA_MAS, ID_SONIDO_MAS, -1, -1};
    default: return {-1, -1, -1, -1};
    }
}

CMenuAudio::~CMenuAudio()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
}

void CMenuAudio::InicializaCampos()
{
    m_pTituloSonido = m_pTituloMusica = m_pValorSonido = m_pValorMusica = nullptr;
    for (CButo*& p : m_apBotones) p = nullptr;
}

void CMenuAudio::LiberaPropios()
{
    tazmo::Borra(m_pTituloSonido);
    tazmo::Borra(m_pTituloMusica);
    tazmo::Borra(m_pValorSonido);
    tazmo::Borra(m_pValorMusica);
    for (CButo*& p : m_apBotones) tazmo::Borra(p);
}

void CMenuAudio::Libera()
{
    LiberaPropios();
    CBaseMenu::Libera();
    m_bCreado = false;
}

bool CMenuAudio::Crea()
{
    if (m_bCreado) {
        LiberaSiIniciado();
        Libera();
    }
    InicializaCampos();
    if (!CBaseMenu::Crea("MenuAudio", nullptr, nullptr, juego::musica::MUSICA_MENUS, nullptr, true, true, true))
        return false;
    auto Falla = [this] {
        LiberaSiIniciado();
        Libera();
        return false;
    };
    auto Texto = [](float x, float y, float ancho, int iEstilo, const char* szLiteral,
                    const char* szCodigo) -> CCuadreText* {
        auto* p = new (std::nothrow) CCuadreText;
        const bool bBien =
            p && (szLiteral ? p->IniciaConTexto(x, y, ancho, kAltoFila, iEstilo, kFuente, szLiteral, kFormato,
                                                kEscala, kEscala)
                            : p->IniciaConIdTexto(x, y, ancho, kAltoFila, iEstilo, kFuente, CodigoFLI(szCodigo),
                                                  kFormato, kEscala, kEscala));
        if (bBien) return p;
        delete p;
        return nullptr;
    };
    m_pTituloSonido = Texto(kTituloX, kFilaSonidoY, kTituloAncho, kEstiloTitulo, nullptr, juego::texto::MA01);
    m_pTituloMusica = Texto(kTituloX, kFilaMusicaY, kTituloAncho, kEstiloTitulo, nullptr, juego::texto::MA02);
    m_pValorSonido =
        Texto(kValorX, kFilaSonidoY, kValorAncho, kEstiloValor, TextoVolumen(VolumenSonido()).c_str(), nullptr);
    m_pValorMusica =
        Texto(kValorX, kFilaMusicaY, kValorAncho, kEstiloValor, TextoVolumen(VolumenMusica()).c_str(), nullptr);
    if (!m_pTituloSonido || !m_pTituloMusica || !m_pValorSonido || !m_pValorMusica) return Falla();
    for (int i = 0; i < kNumBotones; ++i) {
        const FilaBoton& f = kBotones[i];
        auto* p = new (std::nothrow) CButo;
        m_apBotones[i] = p;
        const bool bBien =
            p && (f.szLiteral ? p->IniciaConTexto(f.x, f.y, f.ancho, f.alto, kEstiloBoton, kFuente, f.szLiteral,
                                                  kEscala, kFormato, i, f.szNombre)
                              : p->IniciaConIdTexto(f.x, f.y, f.ancho, f.alto, kEstiloBoton, kFuente,
                                                    CodigoFLI(f.szCodigo), kEscala, kFormato, i, f.szNombre));
        if (!bBien) return Falla();
    }
    for (CMenuObj* p : {static_cast<CMenuObj*>(m_pTituloSonido), static_cast<CMenuObj*>(m_pTituloMusica),
                        static_cast<CMenuObj*>(m_pValorSonido), static_cast<CMenuObj*>(m_pValorMusica)})
        AnadeHijo(false, p, false, false);
    for (int i = 0; i < kNumBotones; ++i) {
        AnadeHijo(false, m_apBotones[i], false, false);
        const Vecinos v = VecinosDe(i);
        auto Boton = [this](int iId) -> CMenuObj* { return iId >= 0 ? m_apBotones[iId] : nullptr; };
        m_apBotones[i]->PonArriba(Boton(v.iArriba));
        m_apBotones[i]->PonAbajo(Boton(v.iAbajo));
        m_apBotones[i]->PonIzquierda(Boton(v.iIzquierda));
        m_apBotones[i]->PonDerecha(Boton(v.iDerecha));
    }
    PonCancelar(m_apBotones[ID_VOLVER]);
    m_bCreado = true;
    return true;
}

void CMenuAudio::PonEnfocado(bool bEnfocado)
{
    CBaseMenu::PonEnfocado(bEnfocado);
    if (bEnfocado && m_apBotones[ID_SONIDO_MAS]) EnfocaHijo(m_apBotones[ID_SONIDO_MAS]);
}

void CMenuAudio::MuestraVolumenes()
{
    if (m_pValorSonido) m_pValorSonido->PonTexto(TextoVolumen(VolumenSonido()).c_str(), kFormato, kEscala, kEscala);
    if (m_pValorMusica) m_pValorMusica->PonTexto(TextoVolumen(VolumenMusica()).c_str(), kFormato, kEscala, kEscala);
}

void CMenuAudio::CambiaVolumen(int iId)
{
    if (!g_pPreferencias) return;
    switch (iId) {
    case ID_SONIDO_MAS: g_pPreferencias->SubeVolumenSonido(); break;
    case ID_SONIDO_MENOS: g_pPreferencias->BajaVolumenSonido(); break;
    case ID_MUSICA_MAS: g_pPreferencias->SubeVolumenMusica(); break;
    case ID_MUSICA_MENOS: g_pPreferencias->BajaVolumenMusica(); break;
    default: return;
    }
    if (g_pSistemaSonido) {
        if (iId == ID_SONIDO_MAS || iId == ID_SONIDO_MENOS)
            g_pSistemaSonido->CambiaVolumenMuestras(g_pPreferencias->m_fVolSonido);
        else
            g_pSistemaSonido->CambiaVolumenFlujos(g_pPreferencias->m_fVolMusica);
    }
    MuestraVolumenes();
}

void CMenuAudio::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iTipo != EVENTO_PULSADO) {
        CBaseMenu::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        return;
    }
    switch (iIdEmisor) {
    case ID_SONIDO_MAS:
    case ID_SONIDO_MENOS:
    case ID_MUSICA_MAS:
    case ID_MUSICA_MENOS:
        CambiaVolumen(iIdEmisor);
        break;
    case ID_VOLVER:
        if (g_pPreferencias) g_pPreferencias->Guarda();
        Cierra(false);
        break;
    default:
        break;
    }
}
