// Test helpers for driving the application core's loop with the manual
// clock: a top-level object that records what it receives, a graphics link
// that records frames and mode switches, and the loop itself.
#pragma once
#include "engine/app/Aplicacion.h"
#include "engine/app/EnlaceGraficos.h"
#include "engine/ui/CargandoObj.h"
#include "engine/ui/MenuObj.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace kit {

// A top-level object over a rectangle that records its calls. Input
// operations report handled.
class CObjetoPrueba : public CMenuObj {
public:
    explicit CObjetoPrueba(float x = 0, float y = 0, float ancho = 1024, float alto = 768)
    {
        PonRect(x, y, ancho, alto);
    }

    void Actualiza() override { ++m_iActualizaciones; }
    void Dibuja(CMenuObj*, Sprite*) override { ++m_iDibujos; }
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    bool TrataTecla(int iTecla) override;
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion) override;
    bool TrataCaracter(char c) override;
    bool TrataEjeMando(CMando* pMando, int iEje, int iValor) override;
    bool TrataBotonMando(CMando* pMando, int iBoton) override;
    // When set, the layout-editor hooks take every input.
    bool TrataTeclaEditor(int) override { return m_bEditorToma; }
    bool TrataBotonRatonEditor(int, int, float, float) override { return m_bEditorToma; }

    int m_iActualizaciones = 0;
    int m_iDibujos = 0;
    bool m_bEditorToma = false;
    // One line per input received: "boton 0 1 10 20", "tecla 28"...
    std::vector<std::string> m_entradas;
};

// A graphics link that draws nothing and records frames; the thread context
// is a token, so the loading-sign thread runs its logic without GL.
class CEnlaceGraficosPrueba : public CEnlaceGraficos {
public:
    void Flipa(bool bPermiteCambioModo) override;
    bool EsVentana() override { return m_bVentana.load(); }
    void PassaAFullScreen() override;
    void PassaAFinestra() override;
    bool CambiandoModo() override { return m_bCambiandoModo.load(); }
    void DibujaVelo(CSPM*, int iAlfa, uint8_t, uint8_t, uint8_t) override { m_iAlfaVelo = iAlfa; }
    void* CreaContextoHilo() override { return this; }
    bool UsaContextoHilo(void*) override { return true; }
    void SueltaContextoHilo() override {}
    void BorraContextoHilo(void*) override {}

    std::atomic<int> m_iFlipasPrincipal{0};
    std::atomic<int> m_iFlipasHilo{0};
    std::atomic<bool> m_bVentana{true};
    std::atomic<bool> m_bCambiandoModo{false};
    std::atomic<int> m_iCambiosModo{0};
    int m_iAlfaVelo = -1;
    std::thread::id m_hiloPrincipal = std::this_thread::get_id();
};

// A loading sign that counts what the loading-sign thread does with it.
class CCartelPrueba : public CCargandoObj {
public:
    void Activa() override { m_iActivaciones.fetch_add(1); m_bActivo.store(true); }
    void Desactiva() override { m_iDesactivaciones.fetch_add(1); m_bActivo.store(false); }
    void Actualiza() override { m_iActualizaciones.fetch_add(1); }
    void DibujaSobreCaptura(Sprite*, Sprite*) override { m_iDibujos.fetch_add(1); }
    void DibujaSinCaptura(Sprite*) override { m_iDibujos.fetch_add(1); }

    std::atomic<int> m_iActivaciones{0};
    std::atomic<int> m_iDesactivaciones{0};
    std::atomic<int> m_iActualizaciones{0};
    std::atomic<int> m_iDibujos{0};
    std::atomic<bool> m_bActivo{false};
};

// The application core, started and installed as g_pAplicacion, on the
// manual clock (from 1000 ms) unless told to use the real one.
class CBuclePrueba {
public:
    explicit CBuclePrueba(CEnlaceGraficos* pEnlace = nullptr, bool bRelojManual = true);
    ~CBuclePrueba();
    CBuclePrueba(const CBuclePrueba&) = delete;
    CBuclePrueba& operator=(const CBuclePrueba&) = delete;

    CAplicacion& App() { return *m_pApp; }
    // Moves the clock to just past the next due step and runs one pass.
    bool Paso();
    // n such passes; true when one of them asked to quit.
    bool Pasos(int n);
    // Moves the clock on by ms and runs one pass.
    bool Ciclo(int ms);

private:
    CAplicacion* m_pApp = nullptr;
    CAplicacion* m_pAnterior = nullptr;
    bool m_bRelojManual;
};

// On the manual clock: moves the clock to just past the next due step of
// the core and runs passes until one has run that step (update and draw);
// true when the core asked to quit.
bool PasoLogico(CAplicacion& app);

// Polls the condition (every millisecond) until it holds or the time is up.
bool EsperaHasta(const std::function<bool()>& condicion, int iMaxMs);

} // namespace kit
