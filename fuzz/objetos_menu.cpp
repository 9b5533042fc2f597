// Fuzzes the object-file reader: any command file read as trees of
// interface objects, object after object. No crash, no leak; every object
// left attached in a tree is initialised and knows its parent; and a tree
// written and read again writes the same.
#include "ServiciosFuzz.h"

#include "engine/ui/FabricaMenuObj.h"
#include "engine/ui/MenuObj.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

void Comprueba(CMenuObj* p)
{
    for (const NodoLista* n = p->m_lHijos.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* h = static_cast<CMenuObj*>(n->m_pItem);
        if (!h || !h->EstaIniciado() || h->Padre() != p) __builtin_trap();
        Comprueba(h);
    }
}

std::string Escribe(CMenuObj* p, const char* nombre)
{
    FitxerComandes* f = g_pGestorComandes->ObreEscriptura(nombre);
    if (!f) return std::string();
    p->EscribeClase(f, TipoMenuObj(p) ? TipoMenuObj(p) : "");
    g_pGestorComandes->Tanca(f);
    std::ifstream in(plat::DataRoot() + "/" + nombre, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

CMenuObj* Lee(const char* nombre)
{
    FitxerComandes* f = g_pGestorComandes->ObreLectura(nombre);
    if (!f) return nullptr;
    CMenuObj* p = CFabricaMenuObj::LeeClaseMenuObj(f);
    g_pGestorComandes->Tanca(f);
    return p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!fuzz::IniciaServiciosFicheros() || !fuzz::EscribeEntrada("objetos.txt", data, size)) return 0;
    FitxerComandes* f = g_pGestorComandes->ObreLectura("objetos.txt");
    if (!f) return 0;
    int n = 0;
    do {
        CMenuObj* p = CFabricaMenuObj::LeeClaseMenuObj(f);
        if (!p) continue;
        Comprueba(p);
        // Written, read and written again: the same file.
        if (p->EstaIniciado() && TipoMenuObj(p) && n++ < 4) {
            const std::string a = Escribe(p, "uno.txt");
            CMenuObj* q = Lee("uno.txt");
            if (!q) __builtin_trap();
            const std::string b = Escribe(q, "dos.txt");
            CMenuObj* r = Lee("dos.txt");
            if (!r || Escribe(r, "tres.txt") != b) __builtin_trap();
            (void)a;
            CFabricaMenuObj::BorraArbol(q);
            CFabricaMenuObj::BorraArbol(r);
        }
        CFabricaMenuObj::BorraArbol(p);
    } while (g_pGestorComandes->LlegeixComanda(f));
    g_pGestorComandes->Tanca(f);
    return 0;
}
