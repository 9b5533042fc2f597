// The sounds and music channels of a story scene. A scene sound is bound to
// a sound slot by name and plays once or in a loop; a scene channel plays
// music slots on the sound manager's channel of its name, and fades it out
// when the scene lets it go.
#pragma once
#include <string>

class CRanuraSonido;
class CCanalMusica;

// Longest slot or channel name a scene takes; a longer one is refused (a cut
// name could name another slot or channel).
constexpr size_t kMaxNombreSonidoEscena = 255;

class CSonidoSecTazmo {
public:
    CSonidoSecTazmo() = default;
    CSonidoSecTazmo(const CSonidoSecTazmo&) = delete;
    CSonidoSecTazmo& operator=(const CSonidoSecTazmo&) = delete;

    // ---- Virtual operations, in their fixed order ----
    // Hands a held instance back.
    virtual ~CSonidoSecTazmo();
    virtual void Actualiza() {}
    virtual void CargaRecursos();
    virtual void DescargaRecursos();

    // Binds the slot of that name (index -1 when the bank lacks it: it then
    // plays nothing). False for a null or over-long name.
    bool Carga(const char* szRanura);
    // Plays the slot, in a loop or once; an instance played before is handed back.
    void Lanza(bool bBucle);
    // A playing instance ends after its current loop.
    void Para();

    const std::string& Nombre() const { return m_sNombre; }
    int Indice() const { return m_iIndice; }
    CRanuraSonido* Instancia() const { return m_pInstancia; }

    bool m_bCargado = false;
    int m_iIndice = -1;
    CRanuraSonido* m_pInstancia = nullptr;
    std::string m_sNombre;

private:
    void SueltaInstancia();
};

class CCanalSecTazmo {
public:
    // Steps of the fade when the scene lets the channel go.
    static constexpr int kPasosFundido = 30;

    CCanalSecTazmo() = default;
    CCanalSecTazmo(const CCanalSecTazmo&) = delete;
    CCanalSecTazmo& operator=(const CCanalSecTazmo&) = delete;

    // ---- Virtual operations, in their fixed order ----
    // Fades a held channel out.
    virtual ~CCanalSecTazmo();
    virtual void Actualiza() {}
    virtual void CargaRecursos() {}
    virtual void DescargaRecursos() {}

    // False for a null or over-long name.
    bool Carga(const char* szNombre);
    // Plays a music slot on the channel (created when missing), held from then on.
    void TocaMusica(const char* szRanura);
    // Stops the held channel at once and lets it go.
    void ParaMusica();

    const std::string& Nombre() const { return m_sNombre; }
    CCanalMusica* Canal() const { return m_pCanal; }

    bool m_bCargado = false;
    CCanalMusica* m_pCanal = nullptr;
    std::string m_sNombre;
};
