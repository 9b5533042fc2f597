#include "engine/graphics/ElementoTexto.h"

#include <algorithm>
#include <cstring>

namespace {

// Numbers of tags are read with a ceiling, so that a run of digits cannot
// overflow; any value above it is out of every valid range.
constexpr long kValorMaximoEtiqueta = 1000000;

ElementoTexto Fin(const char* texto)
{
    ElementoTexto e;
    e.m_iTipo = ELEMENTO_FIN;
    e.m_pSiguiente = texto;
    return e;
}

ElementoTexto Caracter(unsigned char c, const char* siguiente)
{
    ElementoTexto e;
    e.m_iTipo = ELEMENTO_CARACTER;
    e.m_iValor = c;
    e.m_pSiguiente = siguiente;
    return e;
}

} // namespace

ElementoTexto LeeElementoTexto(const char* texto)
{
    if (!texto) return Fin(texto);
    const unsigned char* p = reinterpret_cast<const unsigned char*>(texto);
    if (p[0] == 0 || (p[0] == '\r' && p[1] == 0)) return Fin(texto);
    if (p[0] == '\\') {
        if (p[1] == '<') return Caracter('<', texto + 2);
        return Caracter('\\', texto + 1);
    }
    if (p[0] != '<') return Caracter(p[0], texto + 1);

    // A tag: '<', a letter, a decimal number and '>'.
    if (p[1] == 0) return Fin(texto);
    const unsigned char letra = p[1];
    const unsigned char* q = p + 2;
    long valor = 0;
    bool hayDigitos = false, soloDigitos = true;
    for (; *q != 0 && *q != '>'; ++q) {
        if (*q >= '0' && *q <= '9') {
            hayDigitos = true;
            valor = std::min(valor * 10 + (*q - '0'), kValorMaximoEtiqueta);
        } else {
            soloDigitos = false;
        }
    }
    if (*q == 0) return Fin(texto);

    ElementoTexto e;
    e.m_pSiguiente = reinterpret_cast<const char*>(q + 1);
    if (!hayDigitos || !soloDigitos || valor >= kValorMaximoEtiqueta) return e; // ignored
    switch (letra) {
    case 'A': e.m_iTipo = ELEMENTO_ALFA; break;
    case 'R': e.m_iTipo = ELEMENTO_ROJO; break;
    case 'G': e.m_iTipo = ELEMENTO_VERDE; break;
    case 'B': e.m_iTipo = ELEMENTO_AZUL; break;
    case 'c':
        if (valor > 255) return e; // no such character: ignored
        e.m_iTipo = ELEMENTO_CARACTER;
        break;
    default: return e;
    }
    e.m_iValor = static_cast<int>(valor);
    return e;
}

float AnchoTextoMarcado(const char* texto, const float* anchos, float separacion)
{
    float maximo = 0.0f, linea = 0.0f;
    for (ElementoTexto e = LeeElementoTexto(texto); e.m_iTipo != ELEMENTO_FIN;
         e = LeeElementoTexto(e.m_pSiguiente)) {
        if (e.m_iTipo != ELEMENTO_CARACTER) continue;
        if (e.m_iValor == '\n') {
            maximo = std::max(maximo, linea);
            linea = 0.0f;
            continue;
        }
        const float a = anchos[e.m_iValor];
        if (a > 0.0f) linea += separacion + a;
    }
    return std::max(maximo, linea);
}

void AjustaTextoMarcado(std::string& destino, const char* texto, float ancho, const float* anchos,
                        float separacion)
{
    destino.clear();
    if (!texto || !*texto || ancho <= 0.0f) return;
    float acumulado = 0.0f;
    const char* p = texto;
    while (*p) {
        // Next piece: up to and including the next newline when it comes
        // before the next space, else up to and including the next space,
        // else the rest of the text.
        const char* salto = std::strchr(p, '\n');
        const char* espacio = std::strchr(p, ' ');
        const char* fin;
        bool terminaLinea = false;
        if (salto && (!espacio || salto < espacio)) {
            fin = salto + 1;
            terminaLinea = true;
        } else if (espacio) {
            fin = espacio + 1;
        } else {
            fin = p + std::strlen(p);
        }
        const std::string trozo(p, fin);
        const float w = AnchoTextoMarcado(trozo.c_str(), anchos, separacion);
        if (acumulado + w < ancho) {
            acumulado += w;
        } else {
            destino += '\n';
            acumulado = w;
        }
        destino += trozo;
        if (terminaLinea) acumulado = 0.0f;
        p = fin;
    }
}
