// The hint box: the tooltip of the whole game, updated and drawn above
// everything by the application core. Screens ask for a text code at every
// step while the hint should show.
#pragma once
#include "engine/ui/MenuObj.h"

class CCuadroHint : public CMenuObj {
public:
    // The asked text stays asked for this many steps.
    static constexpr int kPasosRetencion = 5;

    void PideTexto(int idTexto, int iRaton)
    {
        m_iRetencion = kPasosRetencion;
        m_iRaton = iRaton;
        m_iCodigoPedido = idTexto;
    }

    bool m_bCreado = false;
    int32_t m_iRetencion = 0;
    int32_t m_iCodigoPedido = -1;
    int32_t m_iRaton = 0;
};
