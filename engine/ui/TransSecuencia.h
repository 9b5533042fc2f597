// The sequence transition: an invisible child that plays one animated
// sequence when its parent opens and another when the parent closes, holding
// the parent in transition until the sequence reaches its end frame. It
// covers the whole field and never takes the pointer.
#pragma once
#include "engine/ui/MenuObj.h"

class CSecuencia;

class CTransSecuencia : public CMenuObj {
public:
    static constexpr const char* kNombre = "GEN_TRansSecuencia";
    // A sequence that has not reached its end frame this many steps after
    // it lets the parent go all the same (a pause point or a jump back can
    // keep it from ever getting there).
    static constexpr int kPasosDeGracia = 300;

    enum { ESTADO_QUIETO = 0, ESTADO_ENTRADA = 1, ESTADO_SALIDA = 2 };

    CTransSecuencia() = default;
    ~CTransSecuencia() override;

    void Actualiza() override;
    void Dibuja(CMenuObj* pHastaHijo, Sprite* pDestino) override;
    bool Contiene(float x, float y) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    bool EnTransicion() override;
    void IniciaTransicion(bool bEntrada) override;

    // The opening and closing sequence files (null or empty: none). False
    // when a file does not load, or a sequence has no end frame (it would
    // hold its parent for ever).
    bool Inicia(const char* szSecuenciaEntrada, const char* szSecuenciaSalida);
    void Libera();
    void LiberaSiCreado();
    bool EstaCreado() const { return m_bCreado; }
    int Estado() const { return m_iEstado; }
    CSecuencia* SecuenciaEntrada() const { return m_pEntrada; }
    CSecuencia* SecuenciaSalida() const { return m_pSalida; }

    bool m_bCreado = false;
    CSecuencia* m_pEntrada = nullptr; // owned
    CSecuencia* m_pSalida = nullptr;  // owned
    int32_t m_iEstado = ESTADO_QUIETO;

private:
    CSecuencia* EnCurso() const;
    int32_t m_iPasos = 0; // steps the playing sequence has run
};
