// The button grid: a window of rows and columns of buttons over a larger
// table of cells (a text or a text code, and a colour each), moved by four
// scroll buttons. The table grows by tens of rows and columns as cells are
// written beyond it. Pressing a cell reports EVENTO_CASILLA_PULSADA with a
// pointer to its column and row (int32 pair, valid during the call). Kind
// name "ARRAY_BUTTONS".
#pragma once
#include "engine/ui/MenuObj.h"

#include <cstdint>
#include <vector>

class CButo;

// One axis of a grid as the caller gives it.
struct ListaMedidas {
    int32_t iNum = 0;
    const float* pfMedidas = nullptr; // column widths or row heights, iNum of them
    bool bScroll = false;             // its two scroll buttons are shown
    int32_t iPaso = 1;                // cells a scroll moves
};

struct CeldaArray {
    static constexpr int kLongitudTexto = 32;
    uint8_t r = 255, g = 255, b = 255;
    int32_t iIdTexto = -1;
    char szTexto[kLongitudTexto] = {};
};

class CArrayButtons : public CMenuObj {
public:
    static constexpr const char* kTipo = "ARRAY_BUTTONS";
    static constexpr const char* kNombresScroll[4] = {"ARRAYBUT_BUT_ScrollUp", "ARRAYBUT_BUT_ScrollDown",
                                                      "ARRAYBUT_BUT_ScrollLeft", "ARRAYBUT_BUT_ScrollRight"};
    static constexpr const char* kNombreCelda = "ARRAYBUT_BUT_Boton_X%d_Y%d";
    enum { SCROLL_ARRIBA = 0, SCROLL_ABAJO = 1, SCROLL_IZQUIERDA = 2, SCROLL_DERECHA = 3, PRIMERA_CELDA = 4 };
    // The table never grows beyond this many cells.
    static constexpr int64_t kMaxCeldas = 1 << 20;

    CArrayButtons() = default;
    ~CArrayButtons() override;

    bool LeeParametros(FitxerComandes* f) override;
    void Actualiza() override;
    void PonEnfocado(bool bEnfocado) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void EscribeParametros(FitxerComandes* f) override;

    bool Inicia(float x, float y, const ListaMedidas* columnas, const ListaMedidas* filas, float largoScroll,
                float anchoScroll, float borde, int fuente, float escala, int formato, int estilo, int estiloBotones,
                int id, const char* nombre);
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    // Cells, column first. Writing beyond the table grows it; false for a
    // negative place or one past the largest table.
    bool PonCeldaTexto(int columna, int fila, const char* texto, uint8_t r, uint8_t g, uint8_t b);
    bool PonCeldaIdTexto(int columna, int fila, int idTexto, uint8_t r, uint8_t g, uint8_t b);
    const char* TextoCelda(int columna, int fila) const;
    int IdTextoCelda(int columna, int fila) const;
    void Vacia();
    void PonPrimeraFila(int i);
    void PonPrimeraColumna(int i);
    void PonSeleccion(int columna, int fila);
    void PonColorBotones(uint8_t r, uint8_t g, uint8_t b);
    CButo* Celda(int fila, int columna) const;

    bool m_bCreado = false;
    CButo* m_apScroll[4] = {};
    std::vector<CButo*> m_apCeldas; // visible rows x columns, row by row
    std::vector<CeldaArray> m_aTabla; // table rows x columns, row by row
    int32_t m_iFilasVisibles = 0;
    int32_t m_iColumnasVisibles = 0;
    int32_t m_iPrimeraFila = 0;
    int32_t m_iFilasTabla = 0;
    int32_t m_iUltimaFila = 0;
    int32_t m_iPrimeraColumna = 0;
    int32_t m_iColumnasTabla = 0;
    int32_t m_iUltimaColumna = 0;
    int32_t m_iPasoColumnas = 1;
    int32_t m_iPasoFilas = 1;
    int32_t m_iColumnaSeleccion = -1;
    int32_t m_iFilaSeleccion = -1;
    bool m_bRefresco = false;

private:
    void InicializaCampos();
    void Libera();
    // Room for cell (columna, fila); false when it cannot be had.
    bool Crece(int columna, int fila);
    CeldaArray* Tabla(int columna, int fila);
    const CeldaArray* Tabla(int columna, int fila) const;
    void Enlaza();
    void Escribe(int columna, int fila, const CeldaArray& c);
};
