// The story-scene player: a dialogue sequencer whose scripts also declare
// the scene's elements (characters, backgrounds, illustrations, effects,
// sounds, music channels) and whose lines carry VQ_ commands that make the
// characters talk, change mood and face, move, fade and jump, fade the
// pictures, and start and stop effects, sounds and music. The story map plays
// each stage's scenes with one of these and lends it to the scene host; each
// load releases the previous scene's elements and the effects they left.
//
// Declarations (script records, besides the sequencer's):
//     TAZMO_PREDECLARAPERSONAJE = "Maida";      TAZMO_PREDECLARAFONDO = "FondoJardin";
//     TAZMO_PREDECLARAIMAGEN = "IlusX";         TAZMO_PREDECLARAEFECTO = "HojasVerdes";
//     TAZMO_PREDECLARASONIDO = "SLOT";          TAZMO_PREDECLARACANAL = "CHANNEL";
// Commands, inside the line texts: <VQ_PERSO_HABLA=Maida>, <VQ_FONDO_FADETO=FondoJardin,1,30>...
#pragma once
#include "engine/sequences/JapSecuenciador.h"

#include <memory>
#include <vector>

class CPersoSecTazmo;
class CImagenSecTazmo;
class CEfectoSecTazmo;
class CSonidoSecTazmo;
class CCanalSecTazmo;

class CJapSecTazmo : public CJapSecuenciador {
public:
    // The text box the scenes are played with (the story map's): the box
    // picture at (0, 512), the text at (150, 542) wrapped to 724 points and
    // 195 high, measured with font 0.
    static ConfigSecuenciador ConfigCaja();

    CJapSecTazmo();
    ~CJapSecTazmo() override;

    bool TrataBotonRaton(int iRaton, int iEvento, float x, float y) override;
    // Offered first to the characters' face tuning.
    bool TrataTecla(int iTecla) override;
    // Always taken.
    bool TrataMovimientoRaton(int iRaton, float x, float y, bool bPorPulsacion) override;
    bool TrataCaracter(char c) override;
    // The effects' layers, every element, then the sequencer.
    void Actualiza() override;
    // Back to front: backgrounds, effects, characters, effects, illustrations,
    // then the sequencer's sequences and text box.
    void Dibuja(Sprite* pDestino) override;
    void CargaRecursos() override;
    void DescargaRecursos() override;
    void Reinicia() override;
    bool EjecutaComando(const std::string& sNombre, const Parametros& p) override;
    bool LeeRegistro(const char* szNombre, FitxerComandes* f) override;

    // Loads a scene script (the previous scene's elements and effects go
    // first). False, with no element left, when the script cannot be loaded.
    bool Carga(const char* szGuion, const ConfigSecuenciador* pConfig, int iFont);
    void Libera();
    // Empties the effects' layers and deletes every element.
    void LiberaElementos();
    bool EscenaCargada() const { return m_bCargadoEscena; }

    // The first declared element of a name (characters, pictures and effects
    // by their tables' names without regard to case; sounds and channels
    // exactly); null for none.
    CPersoSecTazmo* BuscaPersonaje(const char* szNombre) const;
    CImagenSecTazmo* BuscaFondo(const char* szClave) const;
    CImagenSecTazmo* BuscaImagen(const char* szClave) const;
    CEfectoSecTazmo* BuscaEfecto(const char* szNombre) const;
    CSonidoSecTazmo* BuscaSonido(const char* szNombre) const;
    CCanalSecTazmo* BuscaCanal(const char* szNombre) const;

    const std::vector<std::unique_ptr<CPersoSecTazmo>>& Personajes() const { return m_aPersonajes; }
    const std::vector<std::unique_ptr<CImagenSecTazmo>>& Fondos() const { return m_aFondos; }
    const std::vector<std::unique_ptr<CEfectoSecTazmo>>& Efectos() const { return m_aEfectos; }
    const std::vector<std::unique_ptr<CImagenSecTazmo>>& Imagenes() const { return m_aImagenes; }
    const std::vector<std::unique_ptr<CSonidoSecTazmo>>& Sonidos() const { return m_aSonidos; }
    const std::vector<std::unique_ptr<CCanalSecTazmo>>& Canales() const { return m_aCanales; }

protected:
    bool m_bCargadoEscena = false;
    std::vector<std::unique_ptr<CPersoSecTazmo>> m_aPersonajes;
    std::vector<std::unique_ptr<CImagenSecTazmo>> m_aFondos;
    std::vector<std::unique_ptr<CEfectoSecTazmo>> m_aEfectos;
    std::vector<std::unique_ptr<CImagenSecTazmo>> m_aImagenes;
    std::vector<std::unique_ptr<CSonidoSecTazmo>> m_aSonidos;
    std::vector<std::unique_ptr<CCanalSecTazmo>> m_aCanales;

private:
    template <class F>
    void CadaElemento(F f);
};
