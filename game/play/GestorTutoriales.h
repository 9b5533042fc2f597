// The tutorial manager of a chapter's first stage: it places its own pieces
// and checks each step's goal. Until the tutorials are built it runs step 0
// of every level: it is never active and passes the level's values through,
// so a tutorial stage plays as a plain level that cannot be won.
#pragma once

class CMenuJuego;
struct RegistroNivel;

class CGestorTutoriales {
public:
    CGestorTutoriales() = default;
    virtual ~CGestorTutoriales() = default;
    CGestorTutoriales(const CGestorTutoriales&) = delete;
    CGestorTutoriales& operator=(const CGestorTutoriales&) = delete;

    bool Carga(CMenuJuego*, RegistroNivel*)
    {
        m_bCreado = true;
        m_iPaso = 0;
        return true;
    }
    void Libera() { m_bCreado = false; }
    bool Activo() const { return false; }
    // Whether the attacks tool and the line check may run this step.
    bool PermiteJugar() const { return true; }
    // The step's goal is met (asked once the pieces have settled).
    bool ObjetivoCumplido() { return false; }
    int LineaMaxima(int iMaximo) const { return iMaximo; }
    int Objetivo(int iObjetivo) const { return iObjetivo; }
    int NumColores(int iColores) const { return iColores; }

    bool m_bCreado = false;
    int m_iPaso = 0;
};
