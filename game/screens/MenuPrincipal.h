// The main menu, the hub of the game, reached from the profile screen once
// a profile is chosen: the big seal logo, the sliding title, six mode icons
// that fly out from the centre (story, concentration, attacks, seals only,
// treasure chest, credits) and three text buttons (profile, options, exit).
// Each opening saves the current profile quietly (the profile screen
// attached as a child in its quiet-save mode). A mode icon opens the
// difficulty box, whose answer becomes the profile's difficulty and starts
// the mode; exit, Escape and the right button go back to the profile screen.
#pragma once
#include "game/screens/BaseMenu.h"

class CBotonIconoTazmo;
class CBotonTazmo;
class CMenuSecuenciable;
class CMsgBoxDificultad;
class CMsgBoxTazmo;
class CQuadreGrafic;

class CMenuPrincipal : public CBaseMenu {
public:
    // Widget ids.
    enum {
        ID_LOGO = 0,
        ID_HISTORIA = 1,
        ID_CONCENTRAR = 2,
        ID_ATAQUES = 3,
        ID_SOLO_SELLOS = 4,
        ID_COFRE = 5,
        ID_CREDITOS = 6,
        ID_PERFIL = 7,
        ID_OPCIONES = 8,
        ID_SALIR = 9,
        ID_DIFICULTAD = 10,
        ID_MENSAJE = 11,
    };
    // States: watching the explanation, waiting for the difficulty box, and
    // gone to the options, the profile screen or the chest.
    enum { ESTADO_REPOSO = 0, ESTADO_DIFICULTAD = 2, ESTADO_OPCIONES = 6, ESTADO_PERFIL = 8, ESTADO_COFRE = 9 };
    // The modes a difficulty starts.
    enum { MODO_HISTORIA = 0, MODO_SOLO_SELLOS = 1, MODO_ATAQUES = 2, MODO_CONCENTRAR = 3 };
    static constexpr int kNumIconos = 6;
    static constexpr int kNumPaginas = 8;
    static constexpr const char* kMarcadorExplicacion = "ExplicacionMenuPrincipal";

    CMenuPrincipal() = default;
    ~CMenuPrincipal() override;

    void Actualiza() override;
    void PonEnfocado(bool bEnfocado) override;
    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    void EnviaEvento(int iTipo, int iValor, const char* szTexto, int iIdEmisor) override;
    void IniciaTransicion(bool bEntrada) override;

    bool Crea();
    void Libera();
    bool EstaCreado() const { return m_bCreadoPrincipal; }

    // What a press does (pure): the mode it chooses (-1 none) and whether it
    // opens the difficulty box.
    struct Accion {
        int iModo;
        bool bDificultad;
    };
    static Accion AccionDeBoton(int iId);
    // What an answer of the difficulty box does: -1 nothing yet, 0..3 a
    // difficulty, 4 back.
    static bool EsDificultad(int iRespuesta) { return iRespuesta >= 0 && iRespuesta <= 3; }
    // Builds the one-time explanation's box (left as it is while it is
    // open); false when it cannot be built.
    bool PreparaExplicacion();

    int Estado() const { return m_iEstado; }
    int Modo() const { return m_iModo; }
    CMsgBoxTazmo* Mensaje() const { return m_pMensaje; }
    CMsgBoxDificultad* Dificultad() const { return m_pDificultad; }
    CMenuSecuenciable* ComoSeJuega() const { return m_pComoSeJuega; }
    CBotonIconoTazmo* Icono(int i) const { return i >= 0 && i < kNumIconos ? m_apIconos[i] : nullptr; }

    bool m_bCreadoPrincipal = false;
    int32_t m_iEstado = ESTADO_REPOSO;
    CBotonIconoTazmo* m_pLogo = nullptr;
    CBotonIconoTazmo* m_apIconos[kNumIconos] = {};
    CBotonTazmo* m_pPerfil = nullptr;
    CBotonTazmo* m_pOpciones = nullptr;
    CBotonTazmo* m_pSalir = nullptr;
    CMsgBoxTazmo* m_pMensaje = nullptr;
    CMsgBoxDificultad* m_pDificultad = nullptr;
    CMenuSecuenciable* m_pComoSeJuega = nullptr;
    CQuadreGrafic* m_pTitulo = nullptr;
    bool m_bPrimeraActualizacion = false;
    int32_t m_iModo = MODO_HISTORIA;

private:
    void InicializaPropios();
    void LiberaPropios();
    bool CreaWidgets();
    void MuestraExplicacion();
    void EligeDificultad(int iDificultad);
};
