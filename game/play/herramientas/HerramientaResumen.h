// The level summaries: the record that the play screens fill line by line
// before and after a level, and the tool that shows it on its plate, turns
// each line into text sprites, reveals the lines one by one and attaches
// its continue button (and restart, after a level).
#pragma once
#include "engine/graphics/SPM.h"

#include <array>
#include <string>
#include <vector>

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
    // Each line's texts are laid out in a box of 512 by 64; a paragraph is
    // wrapped in font 1 at 0.8, labels and values stand in font 1 at 1.
    static constexpr float kAnchoTexto = 512.0f, kAltoTexto = 64.0f;
    static constexpr int kFuenteParrafo = 1;
    static constexpr float kEscalaParrafo = 0.8f;
    static constexpr int kFuenteEtiqueta = 1;

    CHerramientaResumen() = default;
    virtual ~CHerramientaResumen();
    CHerramientaResumen(const CHerramientaResumen&) = delete;
    CHerramientaResumen& operator=(const CHerramientaResumen&) = delete;

    bool Carga(CMenuJuego* pJuego, RegistroNivel* pNivel, CBotonTazmo* pContinuar, CBotonTazmo* pReiniciar);
    void Libera();
    void CargaRecursos();
    void DescargaRecursos();
    // Builds the record's plate, title and line sprites and sets up its
    // buttons; the previous record's sprites are freed first.
    void Prepara(const DatosResumen& datos);
    // Attaches the buttons set up for the record to the play screen and
    // shows it, its lines revealed again from the first.
    void Muestra();
    // Detaches the buttons and fades the record out.
    void Oculta();
    void Actualiza();
    void Dibuja(Sprite* pDestino);

    bool Visible() const { return m_bVisible; }
    float Fundido() const { return m_fFundido; }
    float Revelado() const { return m_fRevelado; }
    const DatosResumen& Datos() const { return m_Datos; }
    // Where each line is drawn (its y, the middle of its box), in the
    // record's order, up to the first line of kind -1. A paragraph makes
    // room under it for every line its text wraps to in the language in
    // force.
    std::vector<float> PosicionesLineas() const;
    // The value a line shows beside its label ("" for the kinds without one).
    static std::string TextoValor(const LineaResumen& linea);
    // Minutes and seconds of a count of steps ("2:04"); "--:--" for a
    // negative count (a limit already passed, or none).
    static std::string TextoTiempo(int iPasos);

    bool m_bCreado = false;
    CMenuJuego* m_pJuego = nullptr;
    RegistroNivel* m_pNivel = nullptr;
    CSPM m_SPM;                 // the plate: the start or the final summary's
    Sprite* m_pTitulo = nullptr;
    DatosResumen m_Datos;
    bool m_bVisible = false;
    float m_fFundido = 0.0f;
    float m_fRevelado = 0.0f;
    CBotonTazmo* m_pContinuar = nullptr;   // the play screen's
    CBotonTazmo* m_pReiniciar = nullptr;

private:
    void LiberaSprites();
    void CreaSpritesLinea(LineaResumen& l);
    // PosicionesLineas as last laid out: wrapping the paragraphs again is
    // only needed for new lines or another language, not on every frame.
    const std::vector<float>& PosicionesEnUso();
    std::vector<float> m_afPosiciones;
    int m_iIdiomaPosiciones = -1;
    bool m_bPosicionesValidas = false;
};
