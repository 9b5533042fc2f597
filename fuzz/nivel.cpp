// The level-file reader on arbitrary files: no crash, no undefined
// behaviour, and every value that play indexes or multiplies within its range.
#include "ServiciosFuzz.h"
#include "game/play/TablaNiveles.h"

#include <cmath>
#include <cstdint>

namespace {

void Comprueba(bool condicion)
{
    if (!condicion) __builtin_trap();
}

void CompruebaBonus(const PorcentajesBonus& p)
{
    if (!p.m_bValido) return;
    float suma = 0.0f;
    for (float v : p.m_afPorcentajes) {
        Comprueba(std::isfinite(v) && v >= 0.0f && v <= 1.0f);
        suma += v;
    }
    Comprueba(std::fabs(suma - 1.0f) < 0.001f);
}

template <size_t N>
void CompruebaTextos(const std::array<std::string, N>& textos)
{
    for (const std::string& t : textos) Comprueba(t.size() <= LONGITUD_TEXTO_NIVEL);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!fuzz::IniciaServiciosFicheros()) return 0;
    if (!fuzz::EscribeEntrada("nivel.lvl", data, size)) return 0;
    static CTablaNiveles tabla;
    tabla.Reinicia();
    FitxerComandes* f = g_pGestorComandes->ObreLectura("nivel.lvl");
    if (!f) return 0;
    // A story stage's first row, so that every default of the slot is seen.
    const FilaCatalogoNiveles& fila = CatalogoNiveles()[0];
    Comprueba(tabla.LeeNivel(fila, *g_pGestorComandes, f));
    g_pGestorComandes->Tanca(f);

    const EntradaNivel& e = *tabla.Entrada(0, 0, 0);
    const RegistroNivel& r = e.m_Registro;
    Comprueba(r.m_iGrupo == 0 && r.m_iParte == 0 && r.m_iTutorial == 0);
    Comprueba(r.NUMCOLORES >= 1 && r.NUMCOLORES <= 8);
    Comprueba(r.TAPIZ < NUM_FIGURAS_TRAZADO || r.TAPIZ == TAPIZ_NINGUNO);
    Comprueba(r.TIEMPOLIMITE >= -1 && (r.TIEMPOLIMITE == -1 || r.TIEMPOLIMITE % 30 == 0));
    Comprueba(r.MODOJUEGO >= 0 && r.MODOJUEGO <= 3);
    Comprueba(r.IDPERSOVS >= -1 && r.IDPERSOVS <= 10);
    Comprueba(r.m_Personaje.m_iPersonaje >= -1 && r.m_Personaje.m_iPersonaje <= 10);
    for (int t : r.ATAQUEENEMIGO.m_aiTipo) Comprueba(t >= 0 && t <= 11);
    Comprueba(r.m_iNumFigurasSoloSellos >= 0 && r.m_iNumFigurasSoloSellos <= MAX_FIGURAS_SOLO_SELLOS);
    Comprueba(r.m_iNumImagenesSoloSellos >= 0 && r.m_iNumImagenesSoloSellos <= MAX_FIGURAS_SOLO_SELLOS);
    Comprueba(r.m_iNumMultiFigurasSoloSellos >= 0 && r.m_iNumMultiFigurasSoloSellos <= MAX_MULTIFIGURAS_SOLO_SELLOS);
    Comprueba(r.m_iNumMultiImagenesSoloSellos >= 0 &&
              r.m_iNumMultiImagenesSoloSellos <= MAX_MULTIFIGURAS_SOLO_SELLOS);
    Comprueba(r.m_iNumConsejos >= 0 && r.m_iNumConsejos <= MAX_CONSEJOS);
    for (const PorcentajesBonus& p : r.PORCENTAJEBONUSES) CompruebaBonus(p);
    for (const PorcentajesBonus& p : r.PORCENTAJEBONUSESSOLOCONCENTRAR) CompruebaBonus(p);
    Comprueba(r.RANURAMUSICA.size() <= LONGITUD_RANURA_MUSICA);
    for (const std::string* t : {&e.JAPSECINTRO, &e.JAPSECOUTRO, &r.FONDO, &r.FIGURA, &r.ATAQUES_SOLOATAQUES})
        Comprueba(t->size() <= LONGITUD_TEXTO_NIVEL);
    CompruebaTextos(r.IMAGENFINAL);
    CompruebaTextos(r.FIGURA_SOLO_SELLOS);
    CompruebaTextos(r.IMAGENFINAL_SOLO_SELLOS);
    CompruebaTextos(r.MULTIFIGURA_SOLO_SELLOS);
    for (const auto& fila_imagenes : r.MULTIIMAGENFINAL_SOLO_SELLOS) CompruebaTextos(fila_imagenes);
    CompruebaTextos(r.FIGURASSOLOCONCENTRARINICIO);
    CompruebaTextos(r.FIGURASSOLOCONCENTRARMITAD);
    CompruebaTextos(r.FIGURASSOLOCONCENTRARFINAL);
    return 0;
}
