// The level summaries: the record that the play screens fill line by line
// before and after a level, and the tool that shows it with its continue
// button (and restart, after a level). Until the summaries' own look is
// built the tool writes each line as plain text over the board.
#pragma once
#include <array>
#include <string>

class CBotonTazmo;
class CMenuJuego;
class Sprite;
struct RegistroNivel;

// Line kinds.
enum TipoLineaResumen {
    LINEA_FIN = -1,
    LINEA_SEPARADOR = 1,
    LINEA_CABECERA = 2,
    LINEA_PARRAFO = 3,
    LINEA_ENTERO = 4,
    LINEA_REAL = 5,
    LINEA_TIEMPO = 6,     // steps, shown as minutes and seconds
    LINEA_TEXTO = 7,
};

struct LineaResumen {
    int m_iTipo = LINEA_FIN;
    int m_iEtiqueta = -1;          // text code of the label
    int m_iTexto = -1;             // text code of a heading, paragraph or text value
    int m_iEtiquetaDerecha = -1;   // text code after the value, -1 none
    int m_iEntero = 0;
    float m_fReal = 0.0f;
    int m_iPasos = 0;
    std::array<Sprite*, 3> m_apSprites{};
};

struct DatosResumen {
    static constexpr int kNumLineas = 20;

    // A start summary's record or a final one, no codes, no lines.
    void Inicializa();
    // Appends a line; false (nothing added) when the record is full.
    bool Anade(const LineaResumen& linea);
    bool AnadeSeparador();
    bool AnadeCabecera(int iCodigo);
    bool AnadeParrafo(int iCodigo);
    bool AnadeEntero(int iEtiqueta, int iValor);
    bool AnadeReal(int iEtiqueta, float fValor);
    bool AnadeTiempo(int iEtiqueta, int iPasos);
    bool AnadeTexto(int iEtiqueta, int iCodigo);
    // Lines before the first of kind -1.
    int NumLineas() const;

    bool m_bInicial = false;
    int m_iCodigoTitulo = -1;
    int m_iCodigoCabecera = -1;
    std::string m_sTitulo;   // used when the title code is -1
    std::array<LineaResumen, kNumLineas> m_aLineas{};
};

class CHerramientaResumen {
public:
    // The summaries' buttons: ids and names that the play screen answers.
    static constexpr int kIdContinuar = 4;
    static constexpr int kIdReiniciar = 5;

    CHerramientaResumen() = default;
    virtual ~CHerramientaResumen();
    CHerramientaResumen(const CHerramientaResumen&) = delete;
    CHerramientaResumen& operator=(const CHerramientaResumen&) = delete;

    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel, CBotonTazmo* pContinuar, CBotonTazmo* pReiniciar);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    // Builds the record's texts and sets up its buttons.
    void Prepara(const DatosResumen& datos);
    // Attaches the buttons to the play screen and shows the record.
    void Muestra();
    // Detaches the buttons and fades the record out.
    void Oculta();
    void Actualiza();
    void Dibuja(Sprite* pDestino);

    bool Visible() const { return m_bVisible; }
    float Fundido() const { return m_fFundido; }
    const DatosResumen& Datos() const { return m_Datos; }
    // The text a line shows (label and value), "" for a separator.
    static std::string TextoLinea(const LineaResumen& linea);
    // Minutes and seconds of a count of steps ("2:04"); "--:--" for a
    // negative count (no limit).
    static std::string TextoTiempo(int iPasos);

    bool m_bCreado = false;
    CMenuJuego* m_pJuego = nullptr;
    CBotonTazmo* m_pContinuar = nullptr;
    CBotonTazmo* m_pReiniciar = nullptr;
    DatosResumen m_Datos;
    Sprite* m_pTitulo = nullptr;
    bool m_bVisible = false;
    float m_fFundido = 0.0f;
    float m_fRevelado = 0.0f;

private:
    void LiberaSprites();
};
