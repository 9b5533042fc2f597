// The engine's one general container: a doubly-linked list of untyped item
// pointers with an internal cursor. The list owns its nodes, never its items.
#pragma once
#include <cstdint>

struct NodoLista {
    void* m_pItem = nullptr;
    NodoLista* m_pAnterior = nullptr;
    NodoLista* m_pSiguiente = nullptr;
};

class CLista {
public:
    CLista() = default;
    ~CLista();
    CLista(const CLista&) = delete;
    CLista& operator=(const CLista&) = delete;

    bool Inicia();
    void Libera();
    void Vacia();

    void InsertaAlPrincipio(void* item);
    void InsertaAlFinal(void* item);
    void InsertaAntes(void* item);
    void InsertaDespues(void* item);

    void VaAlPrincipio();
    void VaAlFinal();
    void Avanza();
    void Retrocede();
    bool EsFinal() const { return m_bFinal != 0; }
    bool EsPrincipio() const { return m_bPrincipio != 0; }
    void* Actual() const { return m_pActual ? m_pActual->m_pItem : nullptr; }
    bool EstaVacia() const { return m_pActual == nullptr; }

    void* Elemento(int n);
    bool Busca(void* item);
    void BorraActual();
    bool BuscaYBorra(void* item);
    void* ElementoAnterior() const;
    NodoLista* AdelantaActual();

    uint8_t m_bIniciada = 0;
    NodoLista* m_pCabeza = nullptr;
    NodoLista* m_pCola = nullptr;
    NodoLista* m_pActual = nullptr;
    uint8_t m_bFinal = 0;
    uint8_t m_bPrincipio = 0;
    int32_t m_iNumElementos = 0;

private:
    NodoLista* NuevoNodo(void* item);
};
