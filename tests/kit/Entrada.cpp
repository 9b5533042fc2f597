#include "kit/Entrada.h"

#include "platform/InputInjection.h"
#include "platform/Window.h"

#include <cstdio>

namespace kit {

std::string LlamadaEntrada::Texto() const
{
    static const char* const kNombres[] = {"Tecla", "Caracter", "BotonRaton", "MovimientoRaton",
                                           "EjeMando", "BotonMando", "AlternaPantalla"};
    char buf[128];
    std::snprintf(buf, sizeof buf, "%s(%d,%d,%g,%g)", kNombres[tipo], a, b, static_cast<double>(x),
                  static_cast<double>(y));
    return buf;
}

ReceptorGrabador::ReceptorGrabador() { FijaReceptorEntrada(this); }

ReceptorGrabador::~ReceptorGrabador() { FijaReceptorEntrada(nullptr); }

void ReceptorGrabador::ProcesaTecla(int iTecla) { llamadas.push_back({LlamadaEntrada::Tecla, iTecla}); }

void ReceptorGrabador::ProcesaCaracter(char c)
{
    llamadas.push_back({LlamadaEntrada::Caracter, static_cast<unsigned char>(c)});
}

void ReceptorGrabador::ProcesaBotonRaton(int iRaton, int iEvento, float x, float y)
{
    llamadas.push_back({LlamadaEntrada::BotonRaton, iRaton, iEvento, x, y});
}

void ReceptorGrabador::ProcesaMovimientoRaton(int iRaton, float x, float y)
{
    llamadas.push_back({LlamadaEntrada::MovimientoRaton, iRaton, 0, x, y});
}

void ReceptorGrabador::ProcesaEjeMando(CMando* pMando, int iEje, int iValor)
{
    llamadas.push_back({LlamadaEntrada::EjeMando, iEje, iValor, 0, 0, pMando});
}

void ReceptorGrabador::ProcesaBotonMando(CMando* pMando, int iBoton)
{
    llamadas.push_back({LlamadaEntrada::BotonMando, iBoton, 0, 0, 0, pMando});
}

void ReceptorGrabador::AlternaPantallaCompleta() { llamadas.push_back({LlamadaEntrada::AlternaPantalla}); }

std::vector<LlamadaEntrada> ReceptorGrabador::De(LlamadaEntrada::Tipo tipo) const
{
    std::vector<LlamadaEntrada> r;
    for (const LlamadaEntrada& l : llamadas)
        if (l.tipo == tipo) r.push_back(l);
    return r;
}

std::string ReceptorGrabador::Resumen() const
{
    std::string s;
    for (const LlamadaEntrada& l : llamadas) s += l.Texto() + " ";
    return s;
}

VentanaPrueba::VentanaPrueba()
{
    ok = plat::CreateMainWindow("test", false);
    Bombea();
}

VentanaPrueba::~VentanaPrueba()
{
    plat::inject::DetachAllControllers();
    Bombea();
    if (ok) plat::DestroyMainWindow();
}

void Bombea() { plat::PumpMessages(); }

void PulsaTecla(uint8_t tecla)
{
    plat::inject::Key(tecla, true);
    Bombea();
}

void SueltaTecla(uint8_t tecla)
{
    plat::inject::Key(tecla, false);
    Bombea();
}

void TocaTecla(uint8_t tecla)
{
    PulsaTecla(tecla);
    SueltaTecla(tecla);
}

void Escribe(const char* utf8)
{
    plat::inject::Text(utf8);
    Bombea();
}

void MueveRaton(int x, int y)
{
    plat::inject::MouseMove(x, y);
    Bombea();
}

void BotonRaton(int boton, bool abajo, int x, int y)
{
    plat::inject::MouseButton(boton, abajo, x, y);
    Bombea();
}

} // namespace kit
