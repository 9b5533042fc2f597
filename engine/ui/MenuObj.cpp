#include "engine/ui/MenuObj.h"

void CMenuObj::Dibuja(CMenuObj*, Sprite*) {}

bool CMenuObj::Contiene(float x, float y)
{
    // Edges included.
    return x >= m_rect.x && x <= m_rect.x + m_rect.ancho && y >= m_rect.y && y <= m_rect.y + m_rect.alto;
}

void CMenuObj::PonRect(float x, float y, float ancho, float alto)
{
    m_rect.x = x;
    m_rect.y = y;
    m_rect.ancho = ancho;
    m_rect.alto = alto;
}

bool CMenuObj::TrataBotonRaton(int, int, float, float) { return false; }
bool CMenuObj::TrataTecla(int) { return false; }
bool CMenuObj::TrataMovimientoRaton(int, float, float, bool) { return false; }
bool CMenuObj::TrataCaracter(char) { return false; }
bool CMenuObj::TrataEjeMando(CMando*, int, int) { return false; }
bool CMenuObj::TrataBotonMando(CMando*, int) { return false; }

bool CMenuObj::TrataBotonRatonEditor(int, int, float, float) { return false; }
bool CMenuObj::TrataTeclaEditor(int) { return false; }
bool CMenuObj::TrataMovimientoRatonEditor(int, float, float, bool) { return false; }
bool CMenuObj::TrataCaracterEditor(char) { return false; }
bool CMenuObj::TrataEjeMandoEditor(CMando*, int, int) { return false; }
bool CMenuObj::TrataBotonMandoEditor(CMando*, int) { return false; }
void CMenuObj::DibujaEditor(CMenuObj*, Sprite*) {}
