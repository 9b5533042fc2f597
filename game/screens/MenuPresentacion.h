// The title screen: not built yet, a stand-in on the shared one (see
// MenuProvisional.h) until it is. As the first screen of a run it also
// tries the game's dialogs: one button opens a message box with an input
// line, another the difficulty box, and their answers are shown. Leaving
// it goes on to the profile screen.
#pragma once
#include "game/screens/MenuProvisional.h"

#include <string>

class CCuadreText;
class CMsgBoxDificultad;
class CMsgBoxTazmo;

class CMenuPresentacion : public CMenuProvisional {
public:
    enum { ID_CAJA = ID_PRIMERO_PROPIO, ID_DIFICULTAD, ID_RESPUESTA, ID_MSGBOX = 10, ID_BOX_DIFICULTAD };
    // The answer line: the caption of the answering button, and what was
    // typed when there is anything.
    static std::string TextoRespuesta(const char* szRespuesta, const char* szBoton, const char* szEscrito);

    ~CMenuPresentacion() override;

    void Actualiza() override;
    bool Crea();
    void Libera();

    CBotonTazmo* m_pBotonCaja = nullptr;
    CBotonTazmo* m_pBotonDificultad = nullptr;
    CCuadreText* m_pRespuesta = nullptr;
    CMsgBoxTazmo* m_pCaja = nullptr;
    CMsgBoxDificultad* m_pDificultad = nullptr;

protected:
    CMenuObj* PreparaVolver() override;
    bool TrataPulsado(int iId) override;

private:
    void LiberaPropios();
    void Muestra(const char* szBoton, const char* szEscrito);
};
