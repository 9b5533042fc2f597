#include "Vista.h"

#include "engine/app/Aplicacion.h"
#include "engine/app/Sistemas.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/graphics/Sistema2D.h"
#include "engine/sequences/Secuencia.h"
#include "engine/ui/MenuObj.h"
#include "game/Programa.h"
#include "platform/Paths.h"

#include <cstdio>

namespace sec {

namespace {

// Key codes of the keys the preview answers.
enum { TECLA_ESPACIO = 57, TECLA_R = 19 };

// The top-level object: updates and draws the sequence over black.
class CVista : public CMenuObj {
public:
    CVista(CSecuencia* pSecuencia, int iPasos) : m_pSecuencia(pSecuencia), m_iPasos(iPasos)
    {
        PonRect(0.0f, 0.0f, 1024.0f, 768.0f);
    }

    void Actualiza() override
    {
        if (!m_bParada) m_pSecuencia->Actualiza();
        CMenuObj::Actualiza();
        if (m_iPasos >= 0 && --m_iPasos < 0 && g_pAplicacion) g_pAplicacion->EnviaEvento(EVENTO_SALIR, 0, nullptr, -1);
    }
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override
    {
        g_pSistema2D->DibuixaQuadre(pDestino, 0.0f, 0.0f, 1024.0f, 768.0f, 0xFF000000u, true);
        m_pSecuencia->Dibuja(pDestino);
        CMenuObj::Dibuja(pHastaHijo, pDestino);
    }
    bool TrataTecla(int iTecla) override
    {
        switch (iTecla) {
        case TECLA_ESPACIO:
            // At a pause point the sequence itself is held: it is asked to go on.
            if (m_pSecuencia->EstaPausada())
                m_pSecuencia->PideReanudar();
            else
                m_bParada = !m_bParada;
            return true;
        case TECLA_R: m_pSecuencia->Rebobina(); return true;
        case TECLA_ESCAPE: g_pAplicacion->EnviaEvento(EVENTO_SALIR, 0, nullptr, -1); return true;
        default: return false;
        }
    }

private:
    CSecuencia* m_pSecuencia;
    int m_iPasos;
    bool m_bParada = false;
};

} // namespace

int MuestraSecuencia(const std::string& raiz, const std::string& fichero, int pasos)
{
    plat::SetDataRoot(raiz);
    if (!IniciaPrograma()) return 1;
    int estado = 0;
    {
        CSecuencia s;
        if (!s.Carga(fichero.c_str())) {
            std::fprintf(stderr, "mg_sec: %s does not load\n", fichero.c_str());
            estado = 1;
        } else {
            s.CargaRecursos();
            g_pSistema2D->CarregaBitmapsEnUs();
            if (g_pSistemaSonido) g_pSistemaSonido->CargaMuestrasEnUso();
            CVista vista(&s, pasos);
            g_pAplicacion->AnadeMenu(&vista);
            while (!g_pAplicacion->Ciclo()) {
            }
            g_pAplicacion->QuitaMenu(&vista);
            s.DescargaRecursos();
        }
    }
    LiberaSistemas();
    return estado;
}

} // namespace sec
