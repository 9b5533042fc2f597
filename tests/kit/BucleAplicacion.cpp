#include "kit/BucleAplicacion.h"

#include "engine/app/Sistemas.h"
#include "engine/core/Temporizador.h"
#include "platform/Platform.h"

#include <cmath>
#include <string>

namespace kit {

namespace {
std::string Linea(const char* szQue, std::initializer_list<double> valores)
{
    std::string s = szQue;
    for (double v : valores) {
        s += ' ';
        s += std::to_string(static_cast<long long>(v));
    }
    return s;
}
} // namespace

bool CObjetoPrueba::TrataBotonRaton(int iRaton, int iEvento, float x, float y)
{
    m_entradas.push_back(Linea("boton", {double(iRaton), double(iEvento), x, y}));
    return true;
}

bool CObjetoPrueba::TrataTecla(int iTecla)
{
    m_entradas.push_back(Linea("tecla", {double(iTecla)}));
    return true;
}

bool CObjetoPrueba::TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion)
{
    m_entradas.push_back(Linea("movimiento", {double(iRaton), x, y, double(bPorPulsacion)}));
    return true;
}

bool CObjetoPrueba::TrataCaracter(char c)
{
    m_entradas.push_back(Linea("caracter", {double(static_cast<unsigned char>(c))}));
    return true;
}

bool CObjetoPrueba::TrataEjeMando(CMando*, int iEje, int iValor)
{
    m_entradas.push_back(Linea("eje", {double(iEje), double(iValor)}));
    return true;
}

bool CObjetoPrueba::TrataBotonMando(CMando*, int iBoton)
{
    m_entradas.push_back(Linea("mando", {double(iBoton)}));
    return true;
}

void CEnlaceGraficosPrueba::Flipa(bool)
{
    if (std::this_thread::get_id() == m_hiloPrincipal)
        m_iFlipasPrincipal.fetch_add(1);
    else
        m_iFlipasHilo.fetch_add(1);
}

void CEnlaceGraficosPrueba::PassaAFullScreen()
{
    m_bVentana.store(false);
    m_iCambiosModo.fetch_add(1);
}

void CEnlaceGraficosPrueba::PassaAFinestra()
{
    m_bVentana.store(true);
    m_iCambiosModo.fetch_add(1);
}

CBuclePrueba::CBuclePrueba(CEnlaceGraficos* pEnlace, bool bRelojManual) : m_bRelojManual(bRelojManual)
{
    if (m_bRelojManual) FijaRelojManual(true, 1000);
    m_pAnterior = g_pAplicacion;
    m_pApp = new CAplicacion;
    if (pEnlace) m_pApp->AsignaEnlaceGraficos(pEnlace);
    m_pApp->Inicia(nullptr);
    g_pAplicacion = m_pApp;
}

CBuclePrueba::~CBuclePrueba()
{
    g_pAplicacion = m_pAnterior;
    delete m_pApp;
    if (m_bRelojManual) FijaRelojManual(false);
}

bool PasoLogico(CAplicacion& app)
{
    // While the loading sign shows, its thread moves the clock base on too:
    // try again until the pass has run an active step.
    bool bActiva = app.EstaActiva();
    float fUltimo = app.UltimoFrame();
    for (int intento = 0; intento < 100; ++intento) {
        // The first whole millisecond past one step after the clock base.
        int iObjetivo = static_cast<int>(std::floor(app.BaseReloj() + CAplicacion::kPaso)) + 1;
        if (iObjetivo > TiempoReal()) AvanzaRelojManual(iObjetivo - TiempoReal());
        if (app.Ciclo()) return true;
        if (!bActiva || !app.EstaActiva() || app.UltimoFrame() != fUltimo) break;
    }
    return false;
}

bool CBuclePrueba::Paso()
{
    if (!m_bRelojManual) return m_pApp->Ciclo();
    return PasoLogico(*m_pApp);
}

bool CBuclePrueba::Pasos(int n)
{
    bool bSalir = false;
    for (int i = 0; i < n && !bSalir; ++i) bSalir = Paso();
    return bSalir;
}

bool CBuclePrueba::Ciclo(int ms)
{
    if (m_bRelojManual) AvanzaRelojManual(ms);
    return m_pApp->Ciclo();
}

bool EsperaHasta(const std::function<bool()>& condicion, int iMaxMs)
{
    uint32_t inicio = plat::Milliseconds();
    while (!condicion()) {
        if (plat::Milliseconds() - inicio > static_cast<uint32_t>(iMaxMs)) return false;
        plat::Sleep(1);
    }
    return true;
}

} // namespace kit
