#include "engine/ui/PanelNavegacion.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/graphics/GestorSPMs.h"
#include "engine/graphics/SPM.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/Buto.h"
#include "engine/ui/CuadreText.h"
#include "engine/ui/InputText.h"
#include "engine/ui/ListaNavegacion.h"
#include "engine/ui/LlistaText.h"

#include <strings.h>
#include <vector>

namespace {

// The veil over the whole field.
constexpr uint8_t kVeloAlfa = 200;
constexpr uint8_t kVeloRojo = 70, kVeloVerde = 70, kVeloAzul = 80;
constexpr float kVeloAncho = 1100.0f, kVeloAlto = 850.0f;
constexpr float kCentroX = 512.0f, kCentroY = 384.0f;
// The frame.
constexpr float kMarcoX = 212.0f, kMarcoY = 100.0f, kMarcoAncho = 600.0f, kMarcoAlto = 568.0f;
constexpr int kEstiloMarco = 2;
// The folder list.
constexpr float kListaX = 225.0f, kListaY = 165.0f;
constexpr float kFilaAncho = 300.0f, kFilaAlto = 25.0f;
constexpr float kScrollAncho = 100.0f, kScrollAlto = 20.0f, kMargen = 10.0f;
constexpr int kFilas = 15;
constexpr int kEstiloLista = 2, kEstiloFilas = 1;
constexpr int kFlagsFilas = 36;
// The buttons and fields at the right.
constexpr float kColumnaX = 600.0f, kColumnaAncho = 200.0f;
constexpr float kAceptarY = 200.0f, kCancelarY = 300.0f, kBotonAlto = 40.0f;
constexpr int kEstiloBotones = 0;
constexpr int kFlagsBotones = 73;
constexpr float kTextoY = 400.0f, kFiltroY = 500.0f, kCampoAlto = 25.0f;
constexpr int kLongitudCampo = 127, kModoCampo = 4, kEstiloCampo = 1;
constexpr char kSeparadorNombres = ';';

template <class T>
void Borra(T*& p)
{
    delete p;
    p = nullptr;
}

bool TerminaEn(const std::string& s, const std::string& fin)
{
    return s.size() >= fin.size() && strcasecmp(s.c_str() + s.size() - fin.size(), fin.c_str()) == 0;
}

} // namespace

CPanelNavegacion::~CPanelNavegacion() { LiberaSiCreado(); }

void CPanelNavegacion::InicializaCampos()
{
    m_pVelo = nullptr;
    m_pMarco = nullptr;
    m_pAceptar = m_pCancelar = nullptr;
    m_pTexto = m_pFiltro = nullptr;
    m_pLista = nullptr;
    m_sExtension.clear();
}

void CPanelNavegacion::Libera()
{
    Borra(m_pVelo);
    Borra(m_pMarco);
    Borra(m_pAceptar);
    Borra(m_pCancelar);
    Borra(m_pTexto);
    Borra(m_pFiltro);
    Borra(m_pLista);
}

void CPanelNavegacion::LiberaSiCreado()
{
    if (!m_bCreado) return;
    LiberaSiIniciado();
    Libera();
    m_bCreado = false;
}

bool CPanelNavegacion::Inicia(int fuente, float escala, const char* raiz, const char* carpeta, const char* extension,
                              int flags, int id, const char* nombre)
{
    LiberaSiCreado();
    InicializaCampos();
    if (!CMenuObj::Inicia(id, nombre, Rectangulo{0.0f, 0.0f, 1024.0f, 768.0f}, -1)) return false;
    m_sExtension = extension ? extension : "";
    if (g_pGestorSPMs) {
        m_pVelo = new CSPM;
        if (const CSPM* pOrigen = g_pGestorSPMs->GetSPM(motor::paquete::CUADRO_BLANCO); pOrigen && m_pVelo->Copia(pOrigen)) {
            m_pVelo->PonAlfa(kVeloAlfa);
            m_pVelo->PonColor(kVeloRojo, kVeloVerde, kVeloAzul);
            const Sprite* s = m_pVelo->GetSprite(0);
            if (s && s->GetAmplada() > 0 && s->GetAlcada() > 0)
                m_pVelo->PonEscala(kVeloAncho / s->GetAmplada(), kVeloAlto / s->GetAlcada());
        } else {
            Borra(m_pVelo);
        }
    }
    int opciones = (flags & FLAG_SIN_CARPETAS) ? CListaNavegacion::OPCION_SIN_CARPETAS : 0;
    if ((flags & FLAG_ESPACIO) && (flags & FLAG_MARCAS)) opciones |= CListaNavegacion::OPCION_MARCAS;
    m_pMarco = new CCuadreText;
    m_pLista = new CListaNavegacion;
    m_pAceptar = new CButo;
    m_pCancelar = new CButo;
    m_pTexto = new CInputText;
    m_pFiltro = new CInputText;
    const bool bOk =
        m_pMarco->IniciaConTexto(kMarcoX, kMarcoY, kMarcoAncho, kMarcoAlto, kEstiloMarco, fuente, nullptr, 0, 1.0f,
                                 1.0f) &&
        m_pLista->Inicia(kListaX, kListaY, kFilaAncho, kFilaAlto, kScrollAncho, kScrollAlto, kMargen, kFilas, fuente,
                         kEstiloLista, kEstiloFilas, escala, kFlagsFilas, kIdLista, kNombreLista, raiz, carpeta,
                         extension, opciones) &&
        m_pAceptar->IniciaConIdTexto(kColumnaX, kAceptarY, kColumnaAncho, kBotonAlto, kEstiloBotones, fuente,
                                     CodigoFLI(motor::texto::ACEPTAR), escala, kFlagsBotones, kIdAceptar, kNombreAceptar) &&
        m_pCancelar->IniciaConIdTexto(kColumnaX, kCancelarY, kColumnaAncho, kBotonAlto, kEstiloBotones, fuente,
                                      CodigoFLI(motor::texto::CANCELAR), escala, kFlagsBotones, kIdCancelar,
                                      kNombreCancelar) &&
        m_pTexto->Inicia(kColumnaX, kTextoY, kColumnaAncho, kCampoAlto, kLongitudCampo, kModoCampo, fuente,
                         kEstiloCampo, kIdTexto, kNombreTexto, escala, escala) &&
        m_pFiltro->Inicia(kColumnaX, kFiltroY, kColumnaAncho, kCampoAlto, kLongitudCampo, kModoCampo, fuente,
                          kEstiloCampo, kIdFiltro, kNombreFiltro, escala, escala);
    if (!bOk) {
        LiberaSiIniciado();
        Libera();
        return false;
    }
    m_pFiltro->PonTexto(m_sExtension.c_str());
    for (CMenuObj* p : {static_cast<CMenuObj*>(m_pMarco), static_cast<CMenuObj*>(m_pLista),
                        static_cast<CMenuObj*>(m_pAceptar), static_cast<CMenuObj*>(m_pCancelar),
                        static_cast<CMenuObj*>(m_pTexto), static_cast<CMenuObj*>(m_pFiltro)})
        AnadeHijo(false, p, false, false);
    // The column at the right runs down and back up; every part of it goes
    // left to the list.
    CMenuObj* columna[] = {m_pAceptar, m_pCancelar, m_pTexto, m_pFiltro};
    for (int i = 0; i < 4; ++i) {
        if (i > 0) columna[i]->PonArriba(columna[i - 1]);
        if (i < 3) columna[i]->PonAbajo(columna[i + 1]);
        columna[i]->PonIzquierda(m_pLista);
    }
    EnfocaHijo(m_pLista);
    m_bCreado = true;
    return true;
}

const char* CPanelNavegacion::Texto() const { return m_pTexto ? m_pTexto->Texto() : ""; }

const char* CPanelNavegacion::Carpeta() const { return m_pLista ? m_pLista->Carpeta().c_str() : ""; }

void CPanelNavegacion::PonRaiz(const char* raiz)
{
    if (m_pLista) m_pLista->PonRaiz(raiz);
}

bool CPanelNavegacion::NombreAceptado(const std::string& nombre, const std::string& extension,
                                      std::string* pResultado)
{
    std::string resultado;
    size_t inicio = 0;
    while (inicio <= nombre.size()) {
        size_t fin = nombre.find(kSeparadorNombres, inicio);
        if (fin == std::string::npos) fin = nombre.size();
        std::string parte = nombre.substr(inicio, fin - inicio);
        // A name of this folder: no way out of it.
        if (parte.empty() || parte == "." || parte == ".." || parte.find_first_of("/\\") != std::string::npos)
            return false;
        if (!extension.empty() && !TerminaEn(parte, "." + extension)) parte += "." + extension;
        if (!resultado.empty()) resultado += kSeparadorNombres;
        resultado += parte;
        inicio = fin + 1;
    }
    *pResultado = resultado;
    return true;
}

void CPanelNavegacion::Acepta(const char* szTexto)
{
    if (!m_pLista || !m_pTexto) return;
    if (szTexto && m_pLista->PuedeEntrar(szTexto)) {
        m_pLista->CambiaCarpeta(szTexto);
        return;
    }
    std::string nombre;
    if (!NombreAceptado(m_pTexto->Texto(), m_sExtension, &nombre)) return;
    m_pTexto->PonTexto(nombre.c_str());
    CMenuObj::EnviaEvento(EVENTO_FICHERO_ELEGIDO, 0, nombre.c_str(), m_iId);
}

void CPanelNavegacion::EligeEntrada(int i)
{
    CLlistaText* l = m_pLista ? m_pLista->Lista() : nullptr;
    if (!l) return;
    const char* t = l->Texto(i);
    if (!t) return;
    // The chosen entry, then the marked ones.
    std::string nombres = l->EstaMarcado(i) ? "" : t;
    for (int k = 0; k < l->NumeroMarcados(); ++k) {
        const char* m = l->Texto(l->IndiceMarcado(k));
        if (!m) continue;
        if (!nombres.empty()) nombres += kSeparadorNombres;
        nombres += m;
    }
    m_pTexto->PonTexto(nombres.c_str());
    Acepta(t);
}

void CPanelNavegacion::EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor)
{
    switch (iTipo) {
    case EVENTO_PULSADO:
        if (iIdEmisor == kIdAceptar) {
            Acepta(Texto());
        } else if (iIdEmisor == kIdCancelar) {
            CMenuObj::EnviaEvento(EVENTO_NAVEGACION_CANCELADA, 0, nullptr, m_iId);
            Cierra(false);
        }
        return;
    case EVENTO_ELEMENTO_ELEGIDO:
        EligeEntrada(iValor);
        return;
    case EVENTO_TEXTO_ACEPTADO:
        if (iIdEmisor == kIdTexto)
            Acepta(szTexto);
        else if (iIdEmisor == kIdFiltro && m_pLista)
            m_pLista->PonFiltro(szTexto);
        return;
    default:
        CMenuObj::EnviaEvento(iTipo, iValor, szTexto, iIdEmisor);
        return;
    }
}

void CPanelNavegacion::Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino)
{
    if (m_pVelo) m_pVelo->DibujaSpriteEnDestino(pDestino, 0, kCentroX, kCentroY);
    CMenuObj::Dibuja(pHastaHijo, pDestino);
}

void CPanelNavegacion::PonEnfocado(bool bEnfocado)
{
    CMenuObj::PonEnfocado(bEnfocado);
    // A part the pointer gave the focus to keeps it.
    if (bEnfocado && !HijoEnfocado()) EnfocaHijo(m_pLista);
}

void CPanelNavegacion::CargaRecursos()
{
    if (m_pVelo) m_pVelo->MarcaEnUso();
    CMenuObj::CargaRecursos();
}

void CPanelNavegacion::DescargaRecursos()
{
    if (m_pVelo) m_pVelo->DesmarcaEnUso();
    CMenuObj::DescargaRecursos();
}
