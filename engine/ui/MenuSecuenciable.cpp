#include "engine/ui/MenuSecuenciable.h"

#include "engine/audio/SistemaSonido.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/sequences/Secuencia.h"
#include "engine/ui/Buto.h"
#include "engine/ui/TransMusica.h"
#include "engine/ui/TransSecuencia.h"

#include <cstring>
#include <iterator>
#include <new>

namespace {

// Where the navigation buttons sit, and how they look.
constexpr float kYBotones = 650.0f;
constexpr float kAnchoBoton = 242.0f;
constexpr float kAltoBoton = 64.0f;
constexpr float kXAnterior = 80.0f;
constexpr float kXVolver = 380.0f;
constexpr float kXSiguiente = 680.0f;
constexpr int kEstiloBoton = 0;
constexpr int kFormatoBoton = 9;

struct FilaBoton {
    CButo* CMenuSecuenciable::*boton;
    float x;
    int id;
    const char* nombre;
};
const FilaBoton kBotones[] = {
    {&CMenuSecuenciable::m_pVolver, kXVolver, CMenuSecuenciable::ID_VOLVER, CMenuSecuenciable::kNombreVolver},
    {&CMenuSecuenciable::m_pSiguiente, kXSiguiente, CMenuSecuenciable::ID_SIGUIENTE, CMenuSecuenciable::kNombreSiguiente},
    {&CMenuSecuenciable::m_pAnterior, kXAnterior, CMenuSecuenciable::ID_ANTERIOR, CMenuSecuenciable::kNombreAnterior},
};

bool EsPulsacion(int iEvento)
{
    return iEvento == BOTON_IZQUIERDO_ABAJO || iEvento == BOTON_DERECHO_ABAJO || iEvento == BOTON_CENTRAL_ABAJO;
}

} // namespace

CMenuSecuenciable::CMenuSecuenciable() = default;

CMenuSecuenciable::~CMenuSecuenciable() { LiberaSiCreado(); }

void CMenuSecuenciable::LiberaSiCreado()
{
    if (!m_bCreado) return;
    Libera();
}

void CMenuSecuenciable::Libera()
{
    QuitaBotonesPagina();
    for (CButo** pp : {&m_pVolver, &m_pSiguiente, &m_pAnterior}) {
        delete *pp;
        *pp = nullptr;
    }
    delete m_pTransSecuencia;
    m_pTransSecuencia = nullptr;
    delete m_pTransMusica;
    m_pTransMusica = nullptr;
    delete m_pSecuencia;
    m_pSecuencia = nullptr;
    m_aPaginas.clear();
    m_aAcciones.clear();
    m_iPagina = 0;
    m_bCerrar = false;
    LiberaSiIniciado();
    m_bCreado = false;
}

bool CMenuSecuenciable::Crea(int iFlags, int iFont, int iCodigoSiguiente, int iCodigoAnterior, int iCodigoVolver,
                             const char* szPista, const char* szEntrada, const char* szSalida)
{
    LiberaSiCreado();
    m_aPaginas.clear();
    if (!CMenuObj::Inicia(-1, kNombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, kEstilo)) return false;
    m_bCreado = true;
    m_iFlags = iFlags;
    m_iPagina = 0;
    m_bCerrar = false;

    if (m_iFlags & SECUENCIABLE_NAVEGACION) {
        const int codigos[] = {iCodigoVolver, iCodigoSiguiente, iCodigoAnterior};
        for (size_t i = 0; i < std::size(kBotones); ++i) {
            const FilaBoton& f = kBotones[i];
            auto* b = new (std::nothrow) CButo;
            this->*f.boton = b;
            if (!b || !b->IniciaConIdTexto(f.x, kYBotones, kAnchoBoton, kAltoBoton, kEstiloBoton, iFont, codigos[i],
                                           1.0f, kFormatoBoton, f.id, f.nombre)) {
                Libera();
                return false;
            }
            AnadeHijo(false, b, false, false);
        }
        PonCancelar(m_pVolver);
        // A ring from left to right: previous, back, next.
        m_pAnterior->PonDerecha(m_pVolver);
        m_pVolver->PonDerecha(m_pSiguiente);
        m_pSiguiente->PonDerecha(m_pAnterior);
        m_pAnterior->PonIzquierda(m_pSiguiente);
        m_pVolver->PonIzquierda(m_pAnterior);
        m_pSiguiente->PonIzquierda(m_pVolver);
    }

    m_pTransSecuencia = new (std::nothrow) CTransSecuencia;
    if (!m_pTransSecuencia || !m_pTransSecuencia->Inicia(szEntrada, szSalida)) {
        Libera();
        return false;
    }
    AnadeHijo(false, m_pTransSecuencia, false, false);
    m_pTransMusica = new (std::nothrow) CTransMusica;
    if (!m_pTransMusica || !m_pTransMusica->Inicia(szPista)) {
        Libera();
        return false;
    }
    AnadeHijo(false, m_pTransMusica, false, false);
    return true;
}

bool CMenuSecuenciable::AgregaPagina(const char* szFichero)
{
    if (!m_bCreado || !szFichero || std::strlen(szFichero) > kMaxNombrePagina) return false;
    if (int(m_aPaginas.size()) >= kMaxPaginas) return false;
    m_aPaginas.emplace_back(szFichero);
    return true;
}

// ---------------------------------------------------------------------------
// Pages

CButo* CMenuSecuenciable::CreaBotonPagina(bool bPresente, float x, float y, float w, float h, int iEstilo, int iFont,
                                          int iCodigo, float fEscala, int iId, const char* szNombre)
{
    if (!bPresente) return nullptr;
    auto* b = new (std::nothrow) CButo;
    if (b && b->IniciaConIdTexto(x, y, w, h, iEstilo, iFont, iCodigo, fEscala, kFormatoBoton, iId, szNombre)) return b;
    delete b;
    return nullptr;
}

void CMenuSecuenciable::QuitaBotonesPagina()
{
    for (CButo** pp : {&m_pPasar, &m_pPausa}) {
        if (*pp && (*pp)->Padre() == this) QuitaHijo(false, *pp);
        delete *pp;
        *pp = nullptr;
    }
    m_bPasarPuesto = m_bPausaPuesto = false;
}

bool CMenuSecuenciable::CargaPagina(int iPagina)
{
    delete m_pSecuencia;
    m_pSecuencia = nullptr;
    if (iPagina < 0 || iPagina >= NumPaginas()) return false;
    auto* s = new (std::nothrow) CSecuencia;
    if (!s || !s->Carga(m_aPaginas[size_t(iPagina)].c_str())) {
        delete s;
        return false;
    }
    m_pSecuencia = s;
    QuitaBotonesPagina();
    const BotonSecuencia& p = s->GetBotonPasar();
    m_pPasar = CreaBotonPagina(p.bPresente, p.x, p.y, p.fAncho, p.fAlto, p.iEstilo, p.iFont, p.iCodigoTexto,
                               p.fEscalaTexto, ID_PASAR, kNombrePasar);
    const BotonSecuencia& q = s->GetBotonPausa();
    m_pPausa = CreaBotonPagina(q.bPresente, q.x, q.y, q.fAncho, q.fAlto, q.iEstilo, q.iFont, q.iCodigoTexto,
                               q.fEscalaTexto, ID_PAUSA, kNombrePausa);
    if (m_pPasar) {
        AnadeHijo(false, m_pPasar, false, false);
        m_bPasarPuesto = true;
    }
    s->CargaRecursos();
    if (g_pSistema2D && g_pSistema2D->EstaIniciat()) {
        g_pSistema2D->DescarregaBitmapsSenseUs();
        g_pSistema2D->CarregaBitmapsEnUs();
    }
    if (g_pSistemaSonido && g_pSistemaSonido->EstaIniciado()) g_pSistemaSonido->RecargaMuestrasEnUso();
    return true;
}

void CMenuSecuenciable::PaginaSiguiente()
{
    const int n = NumPaginas();
    ++m_iPagina;
    if (m_iPagina >= n) {
        if (m_iFlags & SECUENCIABLE_CICLICO) {
            m_iPagina = 0;
        } else {
            m_iPagina = n > 0 ? n - 1 : 0;
            if (m_iFlags & SECUENCIABLE_CIERRA_AL_FINAL) m_bCerrar = true;
        }
    }
    if (!m_bCerrar) CargaPagina(m_iPagina);
}

void CMenuSecuenciable::PaginaAnterior()
{
    const int n = NumPaginas();
    --m_iPagina;
    if (m_iPagina < 0) m_iPagina = (m_iFlags & SECUENCIABLE_CICLICO) && n > 0 ? n - 1 : 0;
    CargaPagina(m_iPagina);
}

// ---------------------------------------------------------------------------
// Focus, step, drawing, resources

void CMenuSecuenciable::PonEnfocado(bool bEnfocado)
{
    CMenuObj::PonEnfocado(bEnfocado);
    if (!bEnfocado) return;
    if ((m_iFlags & SECUENCIABLE_NAVEGACION) && m_pVolver) EnfocaHijo(m_pVolver);
    delete m_pSecuencia;
    m_pSecuencia = nullptr;
    m_aAcciones.clear();
    m_iPagina = 0;
    CargaPagina(0);
}

void CMenuSecuenciable::Actualiza()
{
    // Pages turned by the buttons turn here, never inside a button's press
    // (the page's own buttons are rebuilt with it).
    const std::vector<int> acciones = std::move(m_aAcciones);
    m_aAcciones.clear();
    for (int a : acciones) {
        if (a > 0)
            PaginaSiguiente();
        else
            PaginaAnterior();
    }
    if (m_pSecuencia) {
        m_pSecuencia->Actualiza();
        if (m_pSecuencia->HaTerminado() && (m_iFlags & SECUENCIABLE_SIGUE_AL_FINAL)) {
            PaginaSiguiente();
        } else if (m_pSecuencia->ConsumeLlegadaPausa() && m_pPausa && !m_bPausaPuesto) {
            AnadeHijo(false, m_pPausa, false, false);
            m_bPausaPuesto = true;
        }
    }
    CMenuObj::Actualiza();
    if (m_bCerrar) {
        m_bCerrar = false;
        Cierra(false);
    }
}

void CMenuSecuenciable::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    if (m_pSecuencia) m_pSecuencia->Dibuja(pDestino);
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}

void CMenuSecuenciable::CargaRecursos()
{
    if (m_pSecuencia) m_pSecuencia->CargaRecursos();
    CMenuObj::CargaRecursos();
}

void CMenuSecuenciable::DescargaRecursos()
{
    if (m_pSecuencia) m_pSecuencia->DescargaRecursos();
    CMenuObj::DescargaRecursos();
}

// ---------------------------------------------------------------------------
// Input and events

bool CMenuSecuenciable::Pulsacion(bool* pbUsada)
{
    if (m_iFlags & SECUENCIABLE_CIERRA_CON_TODO) {
        m_bCerrar = true;
        *pbUsada = true;
        return true;
    }
    if (m_iFlags & SECUENCIABLE_PASA_CON_TODO) {
        m_aAcciones.push_back(1);
        *pbUsada = false;
        return true;
    }
    return false;
}

bool CMenuSecuenciable::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    if (m_iFlags & (SECUENCIABLE_CIERRA_CON_TODO | SECUENCIABLE_PASA_CON_TODO)) {
        // Only presses act; a release reaches nothing either.
        bool bUsada = (m_iFlags & SECUENCIABLE_CIERRA_CON_TODO) != 0;
        if (EsPulsacion(iEvento)) Pulsacion(&bUsada);
        return bUsada;
    }
    return CMenuObj::TrataBotonRaton(iRaton, iEvento, x, y);
}

bool CMenuSecuenciable::TrataTecla(int iTecla)
{
    bool bUsada = false;
    if (Pulsacion(&bUsada)) return bUsada;
    return CMenuObj::TrataTecla(iTecla);
}

bool CMenuSecuenciable::TrataBotonMando(CMando* pMando, int iBoton)
{
    bool bUsada = false;
    if (Pulsacion(&bUsada)) return bUsada;
    return CMenuObj::TrataBotonMando(pMando, iBoton);
}

void CMenuSecuenciable::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    if (iIdEmisor < ID_PASAR || iIdEmisor > ID_ANTERIOR) {
        CMenuObj::EnviaEvento(iTipo, iValor, szTexto, -1);
        return;
    }
    if (iTipo != EVENTO_PULSADO) return;
    switch (iIdEmisor) {
    case ID_PASAR: m_aAcciones.push_back(1); break;
    case ID_PAUSA:
        // The page's sequence goes on from its pause point.
        if (m_pPausa && m_pPausa->Padre() == this) QuitaHijo(false, m_pPausa);
        m_bPausaPuesto = false;
        if (m_pSecuencia) m_pSecuencia->PideReanudar();
        break;
    case ID_VOLVER: m_bCerrar = true; break;
    case ID_SIGUIENTE: m_aAcciones.push_back(1); break;
    case ID_ANTERIOR: m_aAcciones.push_back(-1); break;
    default: break;
    }
}
