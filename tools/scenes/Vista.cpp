#include "Vista.h"

#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/GestorSonido.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/ui/MenuObj.h"
#include "game/Programa.h"
#include "game/story/JapSecTazmo.h"
#include "platform/Paths.h"

#include <cstdio>

namespace escena {

namespace {

enum { TECLA_R = 19 };
// Clicks the headless preview gives, and how long it lets a finished scene show.
constexpr int kPasosPorClic = 20;
constexpr int kPasosAlFinal = 30;

// The top-level object: the scene over black, stepped as a host steps it,
// with the frame count moved on (there is no menu manager to do it).
class CVistaEscena : public CMenuObj {
public:
    CVistaEscena(CJapSecTazmo* pEscena, int iPasos) : m_pEscena(pEscena), m_iPasos(iPasos)
    {
        PonRect(0.0f, 0.0f, 1024.0f, 768.0f);
    }

    void Actualiza() override
    {
        if (m_pEscena->GetResultado() == -1) {
            if (m_iPasos >= 0 && ++m_iCuenta % kPasosPorClic == 0) m_pEscena->TrataBotonRaton(0, BOTON_IZQUIERDO_ABAJO, 512, 600);
            m_pEscena->Actualiza();
        } else if (m_iPasos >= 0 && ++m_iTerminado > kPasosAlFinal) {
            Sal();
        }
        AvanzaFrame();
        CMenuObj::Actualiza();
        if (m_iPasos >= 0 && --m_iPasos < 0) Sal();
    }
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override
    {
        g_pSistema2D->DibuixaQuadre(pDestino, 0.0f, 0.0f, 1024.0f, 768.0f, 0xFF000000u, true);
        m_pEscena->Dibuja(pDestino);
        CMenuObj::Dibuja(pHastaHijo, pDestino);
    }
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override
    {
        m_pEscena->TrataBotonRaton(iRaton, iEvento, x, y);
        return true;
    }
    bool TrataTecla(int iTecla) override
    {
        if (iTecla == TECLA_ESCAPE) {
            Sal();
        } else if (iTecla == TECLA_R) {
            m_pEscena->Reinicia();
        } else {
            m_pEscena->TrataTecla(iTecla);
        }
        return true;
    }
    bool TrataCaracter(char c) override
    {
        if (c != 'r' && c != 'R') m_pEscena->TrataCaracter(c);
        return true;
    }

private:
    void Sal()
    {
        if (!m_bSalir && g_pAplicacion) g_pAplicacion->EnviaEvento(EVENTO_SALIR, 0, nullptr, -1);
        m_bSalir = true;
    }

    CJapSecTazmo* m_pEscena;
    int m_iPasos;
    int m_iCuenta = 0;
    int m_iTerminado = 0;
    bool m_bSalir = false;
};

} // namespace

int MuestraEscena(const std::string& raiz, const std::string& guion, int pasos, int idioma)
{
    plat::SetDataRoot(raiz);
    if (!IniciaPrograma()) return 1;
    g_GestorFLIs.SeleccionaIdioma(idioma);
    int estado = 0;
    {
        const ConfigSecuenciador c = CJapSecTazmo::ConfigCaja();
        CJapSecTazmo escena;
        if (!escena.Carga(guion.c_str(), &c, 1)) {
            std::fprintf(stderr, "mg_escena: %s does not load\n", guion.c_str());
            estado = 1;
        } else {
            escena.CargaRecursos();
            g_pSistema2D->CarregaBitmapsEnUs();
            if (g_pSistemaSonido) g_pSistemaSonido->CargaMuestrasEnUso();
            CVistaEscena vista(&escena, pasos);
            g_pAplicacion->AnadeMenu(&vista);
            while (!g_pAplicacion->Ciclo()) {
            }
            g_pAplicacion->QuitaMenu(&vista);
            escena.DescargaRecursos();
            if (pasos >= 0) std::printf("mg_escena: the scene's result is %d\n", escena.GetResultado());
        }
    }
    LiberaSistemas();
    return estado;
}

} // namespace escena
