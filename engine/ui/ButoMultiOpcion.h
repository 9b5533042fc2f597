// The multi-option button: a button that steps to its next option (after the
// last, the first) at each press and shows it as its caption, reporting the
// new option as EVENTO_OPCION_CAMBIADA. Kind name "BUTO_MULTI_OPCION".
#pragma once
#include "engine/ui/MenuObj.h"

#include <cstdint>
#include <vector>

// One option: a text code, or (code -1) a text of up to 51 characters.
struct OpcionMulti {
    static constexpr int kLongitudTexto = 52;
    int32_t iIdTexto = -1;
    char szTexto[kLongitudTexto] = {};
};

class CButoMultiOpcion : public CMenuObj {
public:
    static constexpr const char* kTipo = "BUTO_MULTI_OPCION";

    CButoMultiOpcion() = default;
    ~CButoMultiOpcion() override;

    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    void Pulsa(int iOrigen) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;

    // False without options; an initial option out of range starts at 0.
    bool Inicia(float x, float y, float ancho, float alto, int estilo, int fuente, int nOpciones,
                const OpcionMulti* opciones, int inicial, float escala, int formato, int id, const char* nombre);
    // For 0 <= i < count: option i is current and shown (no event).
    void PonOpcion(int i);
    int Opcion() const { return m_iOpcion; }
    int NumeroOpciones() const { return m_iNumOpciones; }
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }

    bool m_bCreado = false;
    Sprite* m_pTexto = nullptr;
    float m_fEscala = 1.0f;
    int32_t m_iFormato = 0;
    int32_t m_iOpcion = 0;
    int32_t m_iNumOpciones = 0;
    std::vector<OpcionMulti> m_aOpciones;

private:
    void InicializaCampos();
    void Libera();
    void Muestra();
};
