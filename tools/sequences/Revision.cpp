#include "Revision.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/graphics/RegistroSPM.h"
#include "platform/Paths.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <strings.h>

namespace sec {

namespace {

bool LeeFichero(const std::string& ruta, std::string* texto)
{
    std::ifstream in(ruta, std::ios::binary);
    if (!in) return false;
    texto->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Every command of a command-file text, with the line its ';' is on.
template <class F>
void RecorreComandos(const std::string& texto, F&& f)
{
    CGestorComandes g;
    FitxerComandes fc;
    fc.m_bLectura = 1;
    const auto* datos = reinterpret_cast<const unsigned char*>(texto.data());
    size_t pos = 0;
    int linea = 1;
    while (pos < texto.size()) {
        size_t usados = 0;
        const bool ok = CGestorComandes::LlegeixComandaDe(datos + pos, texto.size() - pos, &usados, &fc);
        const int fin = linea + int(std::count(texto.begin() + long(pos), texto.begin() + long(pos + usados), '\n'));
        if (!ok || usados == 0) break;
        f(g, fc, fin);
        linea = fin;
        pos += usados;
    }
}

} // namespace

Datos::Datos(std::vector<std::string> raices) : m_raices(std::move(raices)) {}

std::string Datos::Ruta(const std::string& nombre) const
{
    if (nombre.empty()) return "";
    std::string ruta;
    for (const std::string& r : m_raices)
        if (plat::ResolveExisting(nombre, &ruta, r)) return ruta;
    return "";
}

const InfoPaquete* Datos::Paquete(const std::string& nombre)
{
    const std::string clave = NombreFicheroComparable(nombre);
    auto it = m_paquetes.find(clave);
    if (it != m_paquetes.end()) return it->second.get();
    std::unique_ptr<InfoPaquete> info;
    std::string texto;
    const std::string ruta = Ruta(nombre);
    if (!ruta.empty() && LeeFichero(ruta, &texto)) {
        info = std::make_unique<InfoPaquete>();
        int version = 0;
        RecorreComandos(texto, [&](CGestorComandes& g, FitxerComandes& f, int) {
            RegistroSPM r;
            if (!InterpretaRegistroSPM(&g, &f, version, &r)) return;
            if (r.tipo == RegistroSPM::VERSION) version = r.version;
            if (r.tipo == RegistroSPM::SPRITE || r.tipo == RegistroSPM::TXT || r.tipo == RegistroSPM::TXTFLI)
                info->sprites.insert(r.slot);
            if (r.tipo == RegistroSPM::ANIMACIO) info->animaciones.insert(r.animacion);
        });
    }
    const InfoPaquete* p = info.get();
    m_paquetes[clave] = std::move(info);
    return p;
}

bool Datos::RanuraMusica(const std::string& nombre)
{
    if (!m_ranuras) {
        m_ranuras = std::make_unique<std::set<std::string>>();
        std::string texto;
        const std::string ruta = Ruta(motor::fichero::CONFIG_MUSICA);
        if (!ruta.empty() && LeeFichero(ruta, &texto)) {
            RecorreComandos(texto, [&](CGestorComandes& g, FitxerComandes& f, int) {
                const char* n = g.NomComanda(&f);
                if (!n || strcasecmp(n, "RANURAMUSICA_NOMBRE") != 0) return;
                const char* v = g.LlegeixText(&f);
                if (v) m_ranuras->insert(NombreFicheroComparable(v));
            });
        }
    }
    return m_ranuras->count(NombreFicheroComparable(nombre)) > 0;
}

void Datos::AnadeCompilada(const std::string& nombre, std::vector<Registro> registros)
{
    m_secuencias[NombreFicheroComparable(nombre)] = std::make_unique<std::vector<Registro>>(std::move(registros));
}

const std::vector<Registro>* Datos::Secuencia(const std::string& nombre)
{
    const std::string clave = NombreFicheroComparable(nombre);
    auto it = m_secuencias.find(clave);
    if (it != m_secuencias.end()) return it->second.get();
    std::unique_ptr<std::vector<Registro>> v;
    std::string texto;
    const std::string ruta = Ruta(nombre);
    if (!ruta.empty() && LeeFichero(ruta, &texto)) v = std::make_unique<std::vector<Registro>>(LeeSec(texto, nombre, nullptr));
    const std::vector<Registro>* p = v.get();
    m_secuencias[clave] = std::move(v);
    return p;
}

std::vector<Registro> LeeSec(const std::string& texto, const std::string& fichero, std::vector<Fallo>* fallos)
{
    std::vector<Registro> v;
    RecorreComandos(texto, [&](CGestorComandes& g, FitxerComandes& f, int linea) {
        Registro r;
        r.linea = linea;
        if (LeeRegistroSecuencia(&g, &f, &r.r)) {
            v.push_back(std::move(r));
        } else if (fallos) {
            const char* n = g.NomComanda(&f);
            fallos->push_back({fichero, linea, std::string("unknown record \"") + (n ? n : "") + "\""});
        }
    });
    return v;
}

namespace {

// A nested sequence that reaches a file already on the chain.
bool HayCiclo(const std::string& nombre, std::vector<std::string>& cadena, Datos& datos, std::set<std::string>& limpios)
{
    const std::string clave = NombreFicheroComparable(nombre);
    if (std::find(cadena.begin(), cadena.end(), clave) != cadena.end()) return true;
    if (limpios.count(clave)) return false;
    const std::vector<Registro>* v = datos.Secuencia(nombre);
    if (!v) return false;
    cadena.push_back(clave);
    for (const Registro& r : *v)
        if (r.r.iClave == SEC_SUBSECUENCIA && HayCiclo(r.r.sTexto, cadena, datos, limpios)) return true;
    cadena.pop_back();
    limpios.insert(clave);
    return false;
}

} // namespace

void Revisa(const std::string& fichero, const std::vector<Registro>& registros, Datos& datos, std::vector<Fallo>* fallos)
{
    // What is declared so far: objects' packages ("" for an end point or a
    // text), layers, sub-sequences, samples.
    enum { LIBRE, PAQUETE, EXTREMO, TEXTO };
    int objetos[kNumObjetosSecuencia] = {};
    std::string paquetes[kNumObjetosSecuencia];
    bool capas[kNumCapasSecuencia] = {};
    std::string paquetesCapa[kNumCapasSecuencia];
    bool subs[kNumSubSecuencias] = {};
    bool muestras[kNumMuestrasSecuencia] = {};
    int saltos = 0, saltosSub = 0, pausas = 0, ultimoSonido = -1;

    for (const Registro& reg : registros) {
        const RegistroSecuencia& r = reg.r;
        const auto falla = [&](const std::string& t) { fallos->push_back({fichero, reg.linea, t}); };
        const DescripcionClave& d = DescribeClave(r.iClave);
        if (const char* motivo = MotivoRechazoSecuencia(r)) {
            falla(std::string(d.nombre) + ": " + motivo);
            continue;
        }
        const int i = r.e[0];
        // An animation or sprite that an object's package must hold.
        const auto tiene = [&](int obj, int n, bool animacion) {
            if (objetos[obj] == EXTREMO) return false;
            if (objetos[obj] == TEXTO) return n == 0;
            const InfoPaquete* p = datos.Paquete(paquetes[obj]);
            return p && (animacion ? p->animaciones : p->sprites).count(n) > 0;
        };
        switch (r.iClave) {
        case SEC_OBJETO:
        case SEC_OBJETOEXTREMO:
        case SEC_OBJETOTEXTO:
            if (objetos[i] != LIBRE) {
                falla("object " + std::to_string(i) + " declared twice");
                continue;
            }
            objetos[i] = r.iClave == SEC_OBJETO ? PAQUETE : (r.iClave == SEC_OBJETOEXTREMO ? EXTREMO : TEXTO);
            paquetes[i] = r.sTexto;
            if (r.iClave == SEC_OBJETO && !datos.Paquete(r.sTexto)) falla("package \"" + r.sTexto + "\" is missing");
            continue;
        case SEC_SCROLL: {
            if (capas[i]) {
                falla("layer " + std::to_string(i) + " declared twice");
                continue;
            }
            capas[i] = true;
            paquetesCapa[i] = r.sTexto;
            const InfoPaquete* p = datos.Paquete(r.sTexto);
            if (!p)
                falla("package \"" + r.sTexto + "\" is missing");
            else if (!p->animaciones.count(1) || !p->sprites.count(0))
                falla("layer package \"" + r.sTexto + "\" lacks sprite 0 or animation 1");
            continue;
        }
        case SEC_SUBSECUENCIA: {
            if (subs[i]) {
                falla("sub-sequence " + std::to_string(i) + " declared twice");
                continue;
            }
            subs[i] = true;
            std::vector<std::string> cadena{NombreFicheroComparable(fichero)};
            std::set<std::string> limpios;
            if (!datos.Secuencia(r.sTexto))
                falla("sequence \"" + r.sTexto + "\" is missing");
            else if (HayCiclo(r.sTexto, cadena, datos, limpios))
                falla("sequence \"" + r.sTexto + "\" includes this one again");
            continue;
        }
        case SEC_SONIDO:
            if (r.sTexto.empty() || muestras[i]) {
                falla("sample " + std::to_string(i) + (r.sTexto.empty() ? " has no file" : " declared twice"));
                continue;
            }
            muestras[i] = true;
            if (!datos.Existe(r.sTexto)) falla("sample \"" + r.sTexto + "\" is missing");
            continue;
        case SEC_CAMBIACRONO:
            if (++saltos > kNumSaltosSecuencia) falla("more than 64 clock jumps");
            continue;
        case SEC_SUBSECCAMBIACRONO:
            if (++saltosSub > kNumSaltosSecuencia) falla("more than 64 sub-sequence clock jumps");
            if (!subs[r.e[2]]) falla("sub-sequence jump before its sub-sequence");
            continue;
        case SEC_BOTONPAUSA:
            if (++pausas > kNumPausasSecuencia) falla("more than 256 pause points");
            continue;
        default: break;
        }
        switch (d.grupo) {
        case GRUPO_OBJETO:
            if (objetos[i] == LIBRE) {
                falla(std::string(d.nombre) + ": object " + std::to_string(i) + " used before its declaration");
            } else if ((r.iClave == SEC_PONANIM || r.iClave == SEC_PONANIMPUNTUAL) && !tiene(i, r.e[2], true)) {
                falla("the package of object " + std::to_string(i) + " has no animation " + std::to_string(r.e[2]));
            }
            break;
        case GRUPO_CAPA:
            if (!capas[i]) {
                falla(std::string(d.nombre) + ": layer " + std::to_string(i) + " used before its declaration");
            } else if (r.iClave == SEC_SCROLLANIM || r.iClave == SEC_SCROLLANIMPUNTUAL) {
                const InfoPaquete* p = datos.Paquete(paquetesCapa[i]);
                if (p && !p->animaciones.count(r.e[2]))
                    falla("the package of layer " + std::to_string(i) + " has no animation " + std::to_string(r.e[2]));
            }
            break;
        case GRUPO_SUBSECUENCIA:
            if (!subs[i]) falla(std::string(d.nombre) + ": sub-sequence " + std::to_string(i) + " used before its declaration");
            break;
        case GRUPO_SONIDO:
            // The player plays sound events in file order.
            if (r.e[1] < ultimoSonido) falla(std::string(d.nombre) + ": sound events out of frame order");
            ultimoSonido = std::max(ultimoSonido, r.e[1]);
            if (r.iClave == SEC_TOCASONIDO && !muestras[i]) falla("sample " + std::to_string(i) + " is not declared");
            if (r.iClave == SEC_TOCASONIDOLARGO && !datos.Existe(r.sTexto)) falla("sound \"" + r.sTexto + "\" is missing");
            if (r.iClave == SEC_TOCARANURAMUSICA && !datos.RanuraMusica(r.sTexto))
                falla("music slot \"" + r.sTexto + "\" is not in the music slot file");
            break;
        case GRUPO_LINEA:
            if (r.iClave == SEC_PONLINEA) {
                for (int k = 2; k <= 4; ++k)
                    if (objetos[r.e[k]] == LIBRE)
                        falla("line " + std::to_string(i) + ": object " + std::to_string(r.e[k]) + " is not declared");
                if (objetos[r.e[4]] != LIBRE && !tiene(r.e[4], r.e[5], false))
                    falla("line " + std::to_string(i) + ": the package of object " + std::to_string(r.e[4]) +
                          " has no sprite " + std::to_string(r.e[5]));
            }
            break;
        case GRUPO_CRONO: break;
        }
    }
}

} // namespace sec
