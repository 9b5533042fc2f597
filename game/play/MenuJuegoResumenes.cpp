// The play screen's summaries: what the start and final summaries show, the
// best line count kept after a level, and the comment on how it went.
#include "game/play/MenuJuego.h"

#include "engine/core/GestorFLIs.h"
#include "engine/core/Temporizador.h"
#include "game/CatalogoJuego.h"
#include "game/play/herramientas/HerramientaAtaques.h"
#include "game/play/herramientas/HerramientaBonuses.h"
#include "game/profiles/Perfiles.h"
#include "game/screens/widgets/BotonTazmo.h"
#include "game/screens/widgets/MsgBoxTazmo.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr int kColoresMinimo = 1, kColoresMaximo = 7;

int Codigo(const char* sz) { return CodigoFLI(sz); }

// The comments CO00 .. CO29 by number.
constexpr const char* kComentarios[] = {juego::texto::CO00, juego::texto::CO01, juego::texto::CO02, juego::texto::CO03, juego::texto::CO04, juego::texto::CO05, juego::texto::CO06, juego::texto::CO07, juego::texto::CO08, juego::texto::CO09, juego::texto::CO10, juego::texto::CO11, juego::texto::CO12, juego::texto::CO13, juego::texto::CO14, juego::texto::CO15, juego::texto::CO16, juego::texto::CO17, juego::texto::CO18, juego::texto::CO19, juego::texto::CO20, juego::texto::CO21, juego::texto::CO22, juego::texto::CO23, juego::texto::CO24, juego::texto::CO25, juego::texto::CO26, juego::texto::CO27, juego::texto::CO28, juego::texto::CO29};
constexpr int kNumComentarios = static_cast<int>(std::size(kComentarios));

int Comentario(int n) { return n >= 0 && n < kNumComentarios ? CodigoFLI(kComentarios[n]) : -1; }

// a / b, when b is not 0: a ratio with nothing to divide by does not hold.
std::optional<float> Razon(float a, float b)
{
    if (b == 0.0f) return std::nullopt;
    return a / b;
}

bool Menor(const std::optional<float>& a, float b) { return a && *a < b; }
bool Mayor(const std::optional<float>& a, float b) { return a && *a > b; }

} // namespace

int CMenuJuego::ParrafoMejorJugada(int iPar, int iMejor, int iUsadas, bool bGanada)
{
    const bool bAntes = iMejor <= iPar;
    const bool bAhora = bGanada && iUsadas <= iPar;
    if (!bAntes) return Codigo(bAhora ? juego::texto::RE12 : juego::texto::RE11);
    return Codigo(bAhora ? juego::texto::RE14 : juego::texto::RE13);
}

int CMenuJuego::EligeComentarioFinal(const DatosComentario& d, const std::function<float()>& aleatorio)
{
    const float T = static_cast<float>(d.iLimite);
    const float U = static_cast<float>(d.iTiempoUsado);
    // Without a limit the time tests do not hold.
    const bool bLimite = d.iLimite > 0;
    const bool bPocoTiempo = bLimite && 0.05f * T > T - U;
    const bool bMuchoTrazado = bLimite && 0.35f * T < static_cast<float>(d.iPasosTrazado);
    const float A = static_cast<float>(d.iBonusCreados), K = static_cast<float>(d.iBonusCogidos);
    const float D = static_cast<float>(d.iDuplicaciones), K4 = static_cast<float>(d.iBonusTipo4);
    const int H = d.iMaldiciones;
    const int M = d.iMaximo;
    const std::optional<float> E =
        M - 1 != 0 ? std::optional<float>(0.5f * static_cast<float>(TablaMaximoCruces(M)) / static_cast<float>(M - 1))
                   : std::nullopt;
    const std::optional<float> G = Razon(static_cast<float>(d.iPuntuacion), static_cast<float>(d.iMovimientos));

    if (d.bRush) {
        if (d.iResultado == RESULTADO_VICTORIA) {
            if (bPocoTiempo) return Comentario(20);
            if (Menor(Razon(A, K), 0.35f)) return Comentario(21);
            if (H > 4) return Comentario(22);
            return Comentario(aleatorio() < 0.5f ? 23 : 24);
        }
        if (d.iResultado == RESULTADO_DERROTA) {
            if (H > 4) return Comentario(27);
            if (d.iEsperaMaxima > 150) return Comentario(28);
            const float R = aleatorio();
            return Comentario(R < 0.33333f ? 25 : R < 0.66666f ? 26 : 29);
        }
        return -1;
    }
    if (d.iResultado == RESULTADO_VICTORIA) {
        if (bPocoTiempo) return Comentario(0);
        if (G && E && M - 1 != 0 && *G < *E) return Comentario(1);
        if (Menor(Razon(K, A), 0.8f)) return Comentario(2);
        if (bMuchoTrazado) return Comentario(3);
        if (Menor(Razon(D, K4), 1.0f)) return Comentario(5);
        const float R = aleatorio();
        return Comentario(R < 0.2f ? 4 : R < 0.4f ? 6 : R < 0.6f ? 7 : R < 0.8f ? 8 : 9);
    }
    if (d.iResultado == RESULTADO_DERROTA) {
        std::optional<float> L;
        if (E && *E != 0.0f) L = Razon(static_cast<float>(d.iLineas), static_cast<float>(d.iObjetivo) / *E);
        if (E && G && L) {
            if (*E < *G && *L < 0.8f) return Comentario(10);
            if (*E > *G && *L > 1.2f) return Comentario(11);
            if (*E > *G && *L < 0.8f) return Comentario(12);
        }
        if (bMuchoTrazado) return Comentario(13);
        if (Menor(Razon(K, A), 0.8f)) return Comentario(14);
        if (Menor(Razon(D, K4), 1.0f)) return Comentario(15);
        if (Mayor(Razon(static_cast<float>(d.iPuntuacion), static_cast<float>(d.iObjetivo)), 0.95f))
            return Comentario(aleatorio() < 0.5f ? 18 : 19);
        const float R = aleatorio();
        return Comentario(R < 0.3333f ? 15 : R < 0.6666f ? 16 : 17);
    }
    return -1;
}

DatosComentario CMenuJuego::DatosParaComentario() const
{
    DatosComentario d;
    d.bRush = m_Nivel.RUSHDESELLOS;
    d.iResultado = m_iResultadoGuardado;
    d.iLimite = m_Nivel.TIEMPOLIMITE;
    d.iTiempoUsado = m_iTiempoUsado;
    d.iPasosTrazado = m_iPasosTrazado;
    d.iEsperaMaxima = m_iEsperaMaxima;
    d.iPuntuacion = m_iPuntuacion;
    d.iObjetivo = m_iObjetivo;
    d.iMovimientos = m_iMovimientosTotal;
    d.iLineas = m_iLineasUsadas;
    d.iMaximo = m_iMaximoLinea;
    if (m_pBonuses) {
        d.iBonusCreados = m_pBonuses->Creados();
        d.iBonusCogidos = m_pBonuses->Cogidos();
        d.iDuplicaciones = m_pBonuses->Duplicaciones();
        d.iBonusTipo4 = m_pBonuses->CreadosTipo4();
    }
    if (m_pAtaques) d.iMaldiciones = m_pAtaques->MaldicionesTocadas();
    return d;
}

int CMenuJuego::EligeComentarioFinal()
{
    return EligeComentarioFinal(DatosParaComentario(), [] { return RealAleatorio(0.0f, 1.0f); });
}

void CMenuJuego::EntregaResumen(const DatosResumen& datos)
{
    m_UltimoResumen = datos;
    if (!m_pResumen) return;
    m_pResumen->Prepara(datos);
    m_pResumen->Muestra();
}

void CMenuJuego::PreparaResumenInicial()
{
    if (m_pMensaje && m_pMensaje->Padre() == this) QuitaHijo(false, m_pMensaje);
    DatosResumen d;
    d.Inicializa();
    d.m_bInicial = true;
    char sz[256];
    const char* szEtapa = g_GestorFLIs.GetTexto(Codigo(juego::texto::RE50), -1);
    std::snprintf(sz, sizeof sz, "%s %d-%d", szEtapa ? szEtapa : "", m_Nivel.m_iGrupo + 1, m_Nivel.m_iParte);
    d.m_sTitulo = sz;
    d.AnadeSeparador();
    d.AnadeCabecera(m_Nivel.FLINOMBRE);
    d.AnadeParrafo(m_Nivel.FLIPRESENTACION);
    d.AnadeSeparador();
    if (!m_Nivel.RUSHDESELLOS) d.AnadeEntero(Codigo(juego::texto::RE45), m_Nivel.PUNTUACIONOBJETIVO);
    d.AnadeTiempo(Codigo(juego::texto::RE46), m_Nivel.TIEMPOLIMITE);
    // A colour count the texts cannot name shows no line.
    if (!m_Nivel.RUSHDESELLOS && m_Nivel.NUMCOLORES >= kColoresMinimo && m_Nivel.NUMCOLORES <= kColoresMaximo) {
        static constexpr const char* kColores[] = {juego::texto::RE60, juego::texto::RE61, juego::texto::RE62,
                                                   juego::texto::RE63, juego::texto::RE64, juego::texto::RE65,
                                                   juego::texto::RE66};
        d.AnadeTexto(Codigo(juego::texto::RE47), Codigo(kColores[m_Nivel.NUMCOLORES - kColoresMinimo]));
    }
    // A level without tips shows none.
    const int iConsejos = std::min(m_Nivel.m_iNumConsejos, MAX_CONSEJOS);
    if (iConsejos > 0) {
        d.AnadeSeparador();
        d.AnadeParrafo(m_Nivel.CONSEJO[static_cast<size_t>(EnteroAleatorio(0, iConsejos - 1))]);
    }
    EntregaResumen(d);
}

void CMenuJuego::PreparaResumenFinal()
{
    if (m_pMensaje && m_pMensaje->Padre() == this) QuitaHijo(false, m_pMensaje);
    if (m_pBotonAyuda && m_pBotonAyuda->Padre() == this) QuitaHijo(false, m_pBotonAyuda);
    if (m_pBotonPausa && m_pBotonPausa->Padre() == this) QuitaHijo(false, m_pBotonPausa);
    DatosResumen d;
    d.Inicializa();
    d.m_bInicial = false;
    d.m_iCodigoCabecera = Codigo(juego::texto::VOLV);
    d.AnadeCabecera(m_Nivel.FLINOMBRE);
    const bool bGanada = m_iResultadoGuardado == RESULTADO_VICTORIA;
    if (bGanada)
        d.AnadeParrafo(m_Nivel.FLIFINAL);
    else
        d.AnadeCabecera(Codigo(juego::texto::RE01));
    d.AnadeSeparador();
    if (!m_Nivel.RUSHDESELLOS) {
        d.AnadeEntero(Codigo(juego::texto::RE05), m_iMovimientosTotal);
        d.AnadeEntero(Codigo(juego::texto::RE06), m_iPuntuacion);
        // No move: 0, not a division by 0.
        d.AnadeReal(Codigo(juego::texto::RE07), m_iMovimientosTotal > 0 ? static_cast<float>(m_iPuntuacion) /
                                                                               static_cast<float>(m_iMovimientosTotal)
                                                                         : 0.0f);
    }
    d.AnadeTiempo(Codigo(juego::texto::RE08), m_Nivel.TIEMPOLIMITE - m_iTiempoUsado);
    d.AnadeParrafo(EligeComentarioFinal());
    d.AnadeSeparador();
    RegistroPerfil* pPerfil = PerfilActualJuego();
    if (!m_Nivel.RUSHDESELLOS) {
        d.AnadeEntero(Codigo(juego::texto::RE09), m_Nivel.PAR);
        d.AnadeEntero(Codigo(juego::texto::RE10), m_iLineasUsadas);
        const int iMejor = pPerfil ? pPerfil->MejorJugada(m_Nivel.m_iGrupo, m_Nivel.m_iParte) : SIN_JUGADA;
        d.AnadeParrafo(ParrafoMejorJugada(m_Nivel.PAR, iMejor, m_iLineasUsadas, bGanada));
    }
    EntregaResumen(d);
    // Kept once, here, and for a win only: a lost stage's count is nothing
    // the player achieved.
    if (bGanada && pPerfil && GuardaMejorJugadaPermitida(m_Nivel.m_iGrupo, m_Nivel.PAR, m_iLineasUsadas))
        pPerfil->GuardaMejorJugada(m_iLineasUsadas, m_Nivel.m_iGrupo, m_Nivel.m_iParte);
}
