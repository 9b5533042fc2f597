#include "game/play/JugadaTrazada.h"

#include "game/play/BolaTablero.h"
#include "game/play/Solucionador.h"

#include <algorithm>

Punt2D JugadaTrazada::Centro() const
{
    Punt2D c;
    int n = 0;
    for (NodoLista* p = m_Piezas.m_pCabeza; p; p = p->m_pSiguiente) {
        const auto* pieza = static_cast<const CBolaTablero*>(p->m_pItem);
        c.x += pieza->PosicionX();
        c.y += pieza->PosicionY();
        ++n;
    }
    if (n > 0) {
        c.x /= static_cast<float>(n);
        c.y /= static_cast<float>(n);
    }
    return c;
}

namespace {

bool DentroCajaAmpliada(const Punt2D& p, const Punt2D& a, const Punt2D& b)
{
    return p.x >= std::min(a.x, b.x) - 1.0f && p.x <= std::max(a.x, b.x) + 1.0f && p.y >= std::min(a.y, b.y) - 1.0f &&
           p.y <= std::max(a.y, b.y) + 1.0f;
}

} // namespace

bool SeCruzanJugadas(const Punt2D& a, const Punt2D& b, const Punt2D& c, const Punt2D& d)
{
    // Where the two lines meet, then whether that point lies in both
    // segments' boxes widened by a point: a crossing on a level or upright
    // segment is not lost to rounding.
    const float den = (c.y - d.y) * (a.x - b.x) - (c.x - d.x) * (a.y - b.y);
    if (den == 0.0f) return false;
    const float p = a.x * b.y - b.x * a.y;
    const float q = d.y * c.x - c.y * d.x;
    const Punt2D r{((c.x - d.x) * p - (a.x - b.x) * q) / den, ((c.y - d.y) * p - q * (a.y - b.y)) / den};
    return DentroCajaAmpliada(r, a, b) && DentroCajaAmpliada(r, c, d);
}

int TablaMaximoCruces(int n) { return n < 0 ? 0 : MaximoCruces(n); }

int CrucesNuevaJugada(const std::vector<Punt2D>& centros, const Punt2D& puntero)
{
    const int n = static_cast<int>(centros.size());
    if (n < 4) return 0;
    const Punt2D& origen = centros[static_cast<size_t>(n - 2)];
    int cruces = 0;
    // Segments c0-c1 .. c(n-4)-c(n-3).
    for (int i = 0; i + 1 <= n - 3; ++i)
        if (SeCruzanJugadas(centros[static_cast<size_t>(i)], centros[static_cast<size_t>(i + 1)], origen, puntero))
            ++cruces;
    return cruces;
}

std::vector<MarcaCruce> MarcasDeCruce(const std::vector<Punt2D>& centros, const Punt2D& destino)
{
    std::vector<MarcaCruce> marcas;
    const int n = static_cast<int>(centros.size());
    if (n < 3) return marcas;
    const Punt2D& origen = centros[static_cast<size_t>(n - 1)];
    // Segments c0-c1 .. c(n-3)-c(n-2): all but the one ending at the newest.
    for (int k = 0; k + 1 <= n - 2; ++k) {
        Interseccio r;
        if (InterseccioSegments(&r, centros[static_cast<size_t>(k)], centros[static_cast<size_t>(k + 1)], origen,
                                destino) == INTERSECCIO_CREUEN)
            marcas.push_back({r.punt, k});
    }
    return marcas;
}

DatosRush PreparaSellosRush(const std::vector<int>& colores)
{
    DatosRush d;
    int anterior = -1;
    for (size_t i = 0; i < colores.size(); ++i) {
        const int c = colores[i];
        if (c < 0 || c >= NUM_COLORES_RUSH) {
            anterior = -1;
            continue;
        }
        const auto u = static_cast<size_t>(c);
        if (c != anterior) d.m_aiPrimera[u] = static_cast<int>(i);
        d.m_aiUltima[u] = static_cast<int>(i);
        ++d.m_aiCuenta[u];
        anterior = c;
    }
    return d;
}

bool EsquirlaSiguiente(int orden, int ultima, int numEsquirlas, bool rush, const DatosRush& datos, int colorRush)
{
    if (ultima < 0) return true;
    int antes = ultima - 1;
    int despues = ultima + 1;
    if (rush) {
        if (colorRush < 0 || colorRush >= NUM_COLORES_RUSH) return false;
        const auto c = static_cast<size_t>(colorRush);
        const int primera = datos.m_aiPrimera[c];
        const int ultimaColor = datos.m_aiUltima[c];
        if (primera < 0) return false;
        if (antes < primera) antes = ultimaColor;
        if (despues > ultimaColor) despues = primera;
    } else {
        if (numEsquirlas <= 0) return false;
        if (antes < 0) antes += numEsquirlas;
        if (despues >= numEsquirlas) despues -= numEsquirlas;
    }
    return orden == antes || orden == despues;
}

int AnimoPorCalidad(int cruces, int movimientos)
{
    if (cruces <= 0) return 1;
    const int x = TablaMaximoCruces(movimientos);
    if (cruces < x / 4) return 2;
    if (cruces < x / 2) return 3;
    return 6;
}

EstadoLinea EvaluaLinea(bool bDiamantes, int iPiezasColor, int iAsentadas, int iCogidas, int iMaximo)
{
    EstadoLinea e;
    e.bTerminada = bDiamantes && (iAsentadas == iPiezasColor || iAsentadas >= iMaximo);
    e.bCompleta = iCogidas == iPiezasColor || (bDiamantes && iCogidas >= iMaximo);
    return e;
}
