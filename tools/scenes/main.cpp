// mg_escena: story scenes from readable sources.
//   mg_escena compila STAGE DATA SOURCE...
//       checks each DATA/<name>.escena and writes STAGE/<name>.jap (all or
//       nothing); the slot files are read from DATA, sequences and the text
//       box's fonts from STAGE (else from DATA)
//   mg_escena textos LANGUAGE TABLE OUT SOURCE...
//       writes OUT: the table source TABLE (UTF-8) with the lines of every
//       scene in LANGUAGE (0 Catalan, 1 Castilian, 2 English) appended, in
//       the game's character set
//   mg_escena vista [--root DIR] [--steps N] [--language L] SCRIPT.jap
//       plays a compiled scene in the game window: a click or a key goes on,
//       R starts it again, Esc quits; with --steps, clicks come by themselves
// A fault is printed as "file:line: text"; the status is 1 when there is one.
#include "Caja.h"
#include "FuenteEscena.h"
#include "Textos.h"
#include "Vista.h"

#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/sequences/Secuencia.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace escena;

namespace {

constexpr const char* kExtensionFuente = ".escena";
constexpr const char* kExtensionGuion = ".jap";

bool Lee(const fs::path& p, std::string* texto)
{
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    texto->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool Escribe(const fs::path& p, const std::string& texto)
{
    std::error_code ec;
    fs::create_directories(p.parent_path(), ec);
    std::ofstream out(p, std::ios::binary);
    out << texto;
    return bool(out);
}

int Informa(const std::vector<Fallo>& fallos)
{
    for (const Fallo& f : fallos) std::fprintf(stderr, "%s:%d: %s\n", f.fichero.c_str(), f.linea, f.texto.c_str());
    return fallos.empty() ? 0 : 1;
}

// The names of the slots a slot file declares.
std::set<std::string> Ranuras(const fs::path& fichero, const char* registro)
{
    std::set<std::string> nombres;
    std::string texto;
    if (!Lee(fichero, &texto)) return nombres;
    const auto* datos = reinterpret_cast<const unsigned char*>(texto.data());
    size_t pos = 0;
    while (pos < texto.size()) {
        FitxerComandes f;
        size_t usados = 0;
        if (!CGestorComandes::LlegeixComandaDe(datos + pos, texto.size() - pos, &usados, &f) || usados == 0) break;
        pos += usados;
        if (f.m_sNom == registro && !f.m_aParametres.empty()) nombres.insert(f.m_aParametres[0].m_sText);
    }
    return nombres;
}

// The file services over a data root, for as long as the object lives.
class Servicios {
public:
    explicit Servicios(const std::string& raiz)
    {
        plat::SetDataRoot(raiz);
        g_pSistemaFitxers = new CSistemaFitxers;
        g_pGestorComandes = new CGestorComandes;
        m_bBien = g_pSistemaFitxers->Inicia("Kestrune", "Marrowgate") && g_pGestorComandes->Inicia();
    }
    ~Servicios()
    {
        delete g_pGestorComandes;
        g_pGestorComandes = nullptr;
        delete g_pSistemaFitxers;
        g_pSistemaFitxers = nullptr;
    }
    bool Bien() const { return m_bBien; }

private:
    bool m_bBien = false;
};

// A source's data name without its extension: DATA/Data/Escenas/Demo.escena
// gives Data/Escenas/Demo.
bool NombreDe(const fs::path& fuente, const fs::path& datos, std::string* nombre)
{
    std::string s = fs::relative(fuente, datos).generic_string();
    const std::string ext = kExtensionFuente;
    if (s.size() <= ext.size() || s.compare(s.size() - ext.size(), ext.size(), ext) != 0) return false;
    s.resize(s.size() - ext.size());
    *nombre = s;
    return true;
}

Contexto ContextoDe(const fs::path& etapa, const fs::path& datos)
{
    Contexto c;
    std::string sonido = motor::fichero::CONFIG_SONIDO, musica = motor::fichero::CONFIG_MUSICA;
    std::replace(sonido.begin(), sonido.end(), '\\', '/');
    std::replace(musica.begin(), musica.end(), '\\', '/');
    c.ranurasSonido = Ranuras(datos / sonido, "RANURASONIDO_NOMBRE");
    c.ranurasMusica = Ranuras(datos / musica, "RANURAMUSICA_NOMBRE");
    // A sequence is looked for in the stage (where the sequence tool puts
    // them), then among the sources.
    c.secuencia = [etapa, datos](const std::string& fichero) {
        Contexto::InfoSecuencia info;
        std::string ruta = fichero;
        std::replace(ruta.begin(), ruta.end(), '\\', '/');
        std::error_code ec;
        const bool enEtapa = fs::exists(etapa / ruta, ec);
        const std::string nombre = enEtapa || !fs::exists(datos / ruta, ec) ? fichero : (datos / ruta).string();
        CSecuencia s;
        info.carga = s.Carga(nombre.c_str());
        info.avisa = info.carga && (s.FrameFin() >= 0 || s.FrameLoop() >= 0 || s.NumSaltos() > 0);
        return info;
    };
    return c;
}

int Compila(const fs::path& etapa, const fs::path& datos, const std::vector<std::string>& fuentes)
{
    Servicios servicios(etapa.string());
    if (!servicios.Bien()) {
        std::fprintf(stderr, "mg_escena: the stage %s cannot be read\n", etapa.string().c_str());
        return 1;
    }
    Contexto c = ContextoDe(etapa, datos);
    std::vector<Fallo> fallos;
    // Every line is measured against the text box, in the stage's fonts.
    auto caja = std::make_shared<MedidaCaja>();
    std::string falloCaja;
    if (!caja->Carga(etapa, datos, &falloCaja)) {
        fallos.push_back({"mg_escena", 0, falloCaja});
        return Informa(fallos);
    }
    c.caja = [caja](const std::string& texto) { return caja->Comprueba(texto); };
    std::vector<std::pair<fs::path, std::string>> salidas;
    std::set<std::string> prefijos;
    for (const std::string& f : fuentes) {
        std::string texto, nombre;
        if (!NombreDe(f, datos, &nombre)) {
            fallos.push_back({f, 0, "a scene's source is DATA/<script name>.escena"});
            continue;
        }
        if (!Lee(f, &texto)) {
            fallos.push_back({f, 0, "cannot be read"});
            continue;
        }
        Escena e = Compila(texto, f, c, &fallos);
        if (!e.bien) continue;
        if (!prefijos.insert(e.prefijo).second) fallos.push_back({f, 0, "another scene has the codes " + e.prefijo});
        salidas.push_back({etapa / (nombre + kExtensionGuion), TextoGuion(e, nombre + kExtensionFuente)});
    }
    if (!fallos.empty()) return Informa(fallos);
    for (const auto& [ruta, texto] : salidas)
        if (!Escribe(ruta, texto)) fallos.push_back({ruta.string(), 0, "cannot be written"});
    return Informa(fallos);
}

int Textos(int idioma, const fs::path& tabla, const fs::path& salida, const std::vector<std::string>& fuentes)
{
    // The names a scene uses are checked when it is compiled; here only its
    // texts matter.
    Contexto c;
    c.compruebaRanuras = false;
    c.secuencia = [](const std::string&) { return Contexto::InfoSecuencia{true, true}; };
    std::vector<Fallo> fallos;
    std::vector<LineaEscena> lineas;
    for (const std::string& f : fuentes) {
        std::string texto;
        if (!Lee(f, &texto)) {
            fallos.push_back({f, 0, "cannot be read"});
            continue;
        }
        Escena e = Compila(texto, f, c, &fallos);
        for (const Registro& r : e.registros)
            if (r.tipo == REG_LINEA) lineas.push_back({r.codigo, TextoLinea(r, idioma), f, r.linea});
    }
    std::string base, bytes;
    if (!Lee(tabla, &base)) fallos.push_back({tabla.string(), 0, "cannot be read"});
    if (!fallos.empty()) return Informa(fallos);
    if (!ConstruyeTabla(base, tabla.string(), lineas, &bytes, &fallos)) return Informa(fallos);
    if (!Escribe(salida, bytes)) fallos.push_back({salida.string(), 0, "cannot be written"});
    return Informa(fallos);
}

int Uso()
{
    std::fprintf(stderr, "usage: mg_escena compila STAGE DATA SOURCE...\n"
                         "       mg_escena textos LANGUAGE TABLE OUT SOURCE...\n"
                         "       mg_escena vista [--root DIR] [--steps N] [--language L] SCRIPT\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return Uso();
    const std::string orden = argv[1];
    std::vector<std::string> a(argv + 2, argv + argc);
    if (orden == "compila" && a.size() >= 2) return Compila(a[0], a[1], {a.begin() + 2, a.end()});
    if (orden == "textos" && a.size() >= 3) {
        const int idioma = std::atoi(a[0].c_str());
        if (idioma < 0 || idioma >= kNumIdiomas) return Uso();
        return Textos(idioma, a[1], a[2], {a.begin() + 3, a.end()});
    }
    if (orden == "vista") {
        std::string raiz = plat::DataRoot();
        int pasos = -1, idioma = 2;
        std::string guion;
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i] == "--root" && i + 1 < a.size())
                raiz = a[++i];
            else if (a[i] == "--steps" && i + 1 < a.size())
                pasos = std::atoi(a[++i].c_str());
            else if (a[i] == "--language" && i + 1 < a.size())
                idioma = std::atoi(a[++i].c_str());
            else
                guion = a[i];
        }
        if (guion.empty()) return Uso();
        return MuestraEscena(raiz, guion, pasos, idioma);
    }
    return Uso();
}
