#include "kit/AuditoriaContenido.h"

#include "engine/audio/BancoRanuras.h"
#include "engine/audio/RanuraMusica.h"
#include "engine/audio/RanuraSonido.h"
#include "engine/audio/SistemaSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"
#include "engine/core/GestorFLIs.h"
#include "engine/core/SistemaFitxers.h"
#include "engine/graphics/DescripcionFont.h"
#include "engine/graphics/RegistroSPM.h"
#include "kit/TextosPrueba.h"
#include "platform/Audio.h"
#include "platform/Input.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <strings.h>

namespace mgtest {

namespace {

// Quieter than this (a fraction of full scale) counts as silence.
constexpr float kUmbralSilencio = 0.01f;

// Every byte of a data name, or nothing when it cannot be opened.
std::optional<std::string> Lee(const std::string& nombre)
{
    EntradaFitxer* f = g_pSistemaFitxers ? g_pSistemaFitxers->Obre(nombre.c_str(), FITXER_LECTURA | FITXER_BINARI)
                                         : nullptr;
    if (!f) return std::nullopt;
    std::string bytes;
    char bloque[65536];
    int n;
    while ((n = g_pSistemaFitxers->Llegeix(bloque, 1, sizeof bloque, f)) > 0) bytes.append(bloque, size_t(n));
    g_pSistemaFitxers->Tanca(f);
    return bytes;
}

// The loudest sample of a WAV file, 0..1; nothing when it is no WAV.
std::optional<float> PicoWav(const std::string& bytes)
{
    DatosWav d;
    if (!AnalizaWav(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &d)) return std::nullopt;
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data()) + d.inicio;
    float pico = 0.0f;
    if (d.formato.bitsPerSample == 16) {
        for (size_t i = 0; i + 1 < d.bytes; i += 2) {
            const int16_t v = int16_t(uint16_t(p[i] | (p[i + 1] << 8)));
            pico = std::max(pico, std::fabs(float(v) / 32768.0f));
        }
    } else {
        for (size_t i = 0; i < d.bytes; ++i) pico = std::max(pico, std::fabs(float(int(p[i]) - 128) / 128.0f));
    }
    return pico;
}

// An Ogg Vorbis stream read from memory.
struct Memoria {
    const std::string* bytes;
    size_t pos = 0;
};
size_t LeeMemoria(void* destino, size_t tam, size_t n, void* origen)
{
    auto* m = static_cast<Memoria*>(origen);
    const size_t quedan = m->bytes->size() - m->pos;
    const size_t copia = std::min(quedan, tam * n);
    std::memcpy(destino, m->bytes->data() + m->pos, copia);
    m->pos += copia;
    return tam ? copia / tam : 0;
}
int SituaMemoria(void* origen, ogg_int64_t desp, int desde)
{
    auto* m = static_cast<Memoria*>(origen);
    const int64_t base = desde == SEEK_SET ? 0 : desde == SEEK_CUR ? int64_t(m->pos) : int64_t(m->bytes->size());
    const int64_t pos = base + desp;
    if (pos < 0 || pos > int64_t(m->bytes->size())) return -1;
    m->pos = size_t(pos);
    return 0;
}
long PosicionMemoria(void* origen) { return long(static_cast<Memoria*>(origen)->pos); }

// The loudest sample of a whole Ogg Vorbis file, 0..1; nothing when it does
// not decode.
std::optional<float> PicoOgg(const std::string& bytes)
{
    Memoria m{&bytes};
    OggVorbis_File vf;
    const ov_callbacks cb{LeeMemoria, SituaMemoria, nullptr, PosicionMemoria};
    if (ov_open_callbacks(&m, &vf, nullptr, 0, cb) != 0) return std::nullopt;
    float pico = 0.0f;
    bool roto = false;
    for (;;) {
        float** pcm = nullptr;
        int seccion = 0;
        const long n = ov_read_float(&vf, &pcm, 4096, &seccion);
        if (n == 0) break;
        if (n < 0) {
            roto = true;
            break;
        }
        const vorbis_info* info = ov_info(&vf, seccion);
        for (int c = 0; c < (info ? info->channels : 0); ++c)
            for (long i = 0; i < n; ++i) pico = std::max(pico, std::fabs(pcm[c][i]));
    }
    ov_clear(&vf);
    if (roto) return std::nullopt;
    return pico;
}

bool MismoNombre(const std::string& a, const std::string& b)
{
    return CSistemaFitxers::ComparaRutes(a.c_str(), b.c_str()) == 0;
}

class Auditoria {
public:
    explicit Auditoria(const ReferenciasAuditoria& ref) : m_ref(ref)
    {
        for (size_t i = 0; i < ref.tablasTextos.size(); ++i) m_textos->CargaFichero(ref.tablasTextos[i].c_str(), int(i));
        for (const std::string& m : ref.marcadores)
            if (auto b = Lee(m)) m_marcadores.push_back(*b);
        DescripcionFont d;
        if (!ref.fuenteDefecto.empty() && LeeDescripcionFont(ref.fuenteDefecto.c_str(), d) && d.m_bTieneImagen)
            if (auto b = Lee(d.m_sImagen)) m_imagenFuenteDefecto = *b;
        if (!g_pSistemaSonido) {
            plat::UseManualAudio(true);
            m_pSonido = std::make_unique<CSistemaSonido>();
            if (m_pSonido->Inicia(1.0f, 1.0f)) g_pSistemaSonido = m_pSonido.get();
        }
        m_bancoCargado = m_banco.Carga(ref.ranurasMusica.c_str(), ref.ranurasSonido.c_str());
    }

    ~Auditoria()
    {
        m_banco.Libera();
        if (m_pSonido) {
            if (g_pSistemaSonido == m_pSonido.get()) g_pSistemaSonido = nullptr;
            m_pSonido.reset();
            plat::UseManualAudio(false);
        }
    }

    void Revisa(const FilaCatalogo& f)
    {
        m_fila = &f;
        switch (f.tipo) {
        case TipoContenido::Paquete: Paquete(f.nombre); break;
        case TipoContenido::Imagen: Imagen(f.nombre); break;
        case TipoContenido::Marcador:
            if (!Lee(f.nombre)) Falta("missing");
            break;
        case TipoContenido::Fuente: Fuente(f.nombre); break;
        case TipoContenido::TablaTextos: TablaTextos(f.nombre); break;
        case TipoContenido::Texto: Texto(f.nombre, ""); break;
        case TipoContenido::TextosTecla: TextosTecla(f.nombre); break;
        case TipoContenido::RanuraSonido: RanuraSonido(f.nombre); break;
        case TipoContenido::RanuraMusica: RanuraMusica(f.nombre); break;
        case TipoContenido::Muestra: Muestra(f.nombre, ""); break;
        case TipoContenido::Pieza: Pieza(f.nombre, ""); break;
        case TipoContenido::Fichero:
            if (!Lee(f.nombre)) Falta("missing from the data");
            break;
        case TipoContenido::FicheroUsuario: break; // written at run time
        }
    }

    std::vector<std::string> m_faltas;

private:
    void Falta(const std::string& que)
    {
        m_faltas.push_back(std::string(m_fila->clase) + " " + m_fila->id + " (" + NombreTipoContenido(m_fila->tipo) +
                           " \"" + m_fila->nombre + "\"): " + que);
    }

    bool EsMarcador(const std::string& nombre, const std::string& bytes) const
    {
        for (const std::string& m : m_ref.marcadores)
            if (MismoNombre(nombre, m)) return true;
        return std::find(m_marcadores.begin(), m_marcadores.end(), bytes) != m_marcadores.end();
    }

    // A picture that a package, a font or the row itself names.
    void Dibujo(const std::string& nombre, const std::string& de)
    {
        auto b = Lee(nombre);
        if (!b) Falta(de + "picture " + nombre + " is missing");
        else if (EsMarcador(nombre, *b)) Falta(de + "picture " + nombre + " is a placeholder");
    }

    void Imagen(const std::string& nombre) { Dibujo(nombre, ""); }

    void Paquete(const std::string& nombre)
    {
        FitxerComandes* f = g_pGestorComandes ? g_pGestorComandes->ObreLectura(nombre.c_str()) : nullptr;
        if (!f) {
            Falta("missing");
            return;
        }
        std::vector<std::string> dibujos;
        int version = 0, slots = 0;
        RegistroSPM r;
        do {
            if (!InterpretaRegistroSPM(g_pGestorComandes, f, version, &r)) continue;
            if (r.tipo == RegistroSPM::VERSION) version = r.version;
            if (r.tipo == RegistroSPM::SPRITE) {
                ++slots;
                if (std::find(dibujos.begin(), dibujos.end(), r.fichero) == dibujos.end()) dibujos.push_back(r.fichero);
            }
            if (r.tipo == RegistroSPM::TXT) ++slots;
            if (r.tipo == RegistroSPM::TXTFLI) {
                ++slots;
                Texto(LetrasCodigo(static_cast<uint32_t>(r.codigo)), "its text slot " + std::to_string(r.slot) + ": ");
            }
        } while (g_pGestorComandes->LlegeixComanda(f));
        g_pGestorComandes->Tanca(f);
        if (slots == 0) Falta("holds no sprite");
        for (const std::string& d : dibujos) Dibujo(d, "its ");
    }

    void Fuente(const std::string& nombre)
    {
        DescripcionFont d;
        if (!LeeDescripcionFont(nombre.c_str(), d)) {
            Falta("missing");
            return;
        }
        if (d.m_bRejilla) {
            if (!d.m_bTieneImagen || !d.m_bTieneAnchos) {
                Falta("names no picture or no widths");
                return;
            }
            auto b = Lee(d.m_sImagen);
            if (!b) Falta("its picture " + d.m_sImagen + " is missing");
            else if (!MismoNombre(nombre, m_ref.fuenteDefecto) && *b == m_imagenFuenteDefecto)
                Falta("is the default font standing in (no recipe in tools/fonts)");
            if (!Lee(d.m_sAnchos)) Falta("its widths " + d.m_sAnchos + " are missing");
        } else {
            if (d.m_aLetras.empty()) Falta("holds no letter");
            for (const std::string& i : d.m_asImagenes)
                if (!Lee(i)) Falta("its picture " + i + " is missing");
        }
        if (d.m_bSombra && !Lee(d.m_sSombra)) Falta("its shadow " + d.m_sSombra + " is missing");
    }

    void TablaTextos(const std::string& nombre)
    {
        auto t = std::make_unique<CGestorFLIs>();
        t->CargaFichero(nombre.c_str(), 0);
        const int i = t->BuscaIndice(0);
        if (i < 0 || t->m_aTablas[i].m_iNumTextos == 0) Falta("missing or empty");
    }

    void Texto(const std::string& codigo, const std::string& de)
    {
        if (m_ref.tablasTextos.empty()) Falta(de + "no text table to look " + codigo + " up in");
        for (size_t i = 0; i < m_ref.tablasTextos.size(); ++i) {
            const char* t = m_textos->GetTexto(CodigoFLI(codigo.c_str()), int(i));
            // Compared by content: each unit may hold its own copy of a marker.
            if (std::strcmp(t, CGestorFLIs::kTextoDesconocido) == 0 || std::strcmp(t, CGestorFLIs::kTextoSinFichero) == 0)
                Falta(de + "text " + codigo + " is missing from " + m_ref.tablasTextos[i]);
            else if (!*t)
                Falta(de + "text " + codigo + " is empty in " + m_ref.tablasTextos[i]);
        }
    }

    // One code per key of the keyboard.
    void TextosTecla(const std::string& formato)
    {
        for (int tecla = 1; tecla < 256; ++tecla) {
            if (!plat::ScancodeFromKeyCode(uint8_t(tecla))) continue;
            char codigo[16];
            std::snprintf(codigo, sizeof codigo, formato.c_str(), tecla);
            Texto(codigo, "");
        }
    }

    // A sound file checked once however many rows name it: "" when sound,
    // else what is wrong.
    std::string Sonido(const std::string& nombre, bool ogg)
    {
        const std::string clave = (ogg ? "ogg:" : "wav:") + nombre;
        auto it = m_sonidos.find(clave);
        if (it != m_sonidos.end()) return it->second;
        std::string fallo;
        auto b = Lee(nombre);
        if (!b) {
            fallo = nombre + " is missing";
        } else {
            auto pico = ogg ? PicoOgg(*b) : PicoWav(*b);
            if (!pico) fallo = nombre + (ogg ? " is no Ogg Vorbis stream" : " is no WAV file");
            else if (*pico < kUmbralSilencio) fallo = nombre + " is silent";
        }
        return m_sonidos[clave] = fallo;
    }

    void Muestra(const std::string& nombre, const std::string& de)
    {
        std::string fallo = Sonido(nombre, false);
        if (!fallo.empty()) Falta(de + fallo);
    }

    void Pieza(const std::string& nombre, const std::string& de)
    {
        std::string fallo = Sonido(nombre, true);
        if (!fallo.empty()) Falta(de + fallo);
    }

    bool BancoListo()
    {
        if (!m_bancoCargado) Falta("the slot files " + m_ref.ranurasMusica + " and " + m_ref.ranurasSonido +
                                   " do not load");
        return m_bancoCargado;
    }

    void RanuraSonido(const std::string& nombre)
    {
        if (!BancoListo()) return;
        const int i = m_banco.BuscaRanuraSonido(nombre.c_str());
        CRanuraSonido* r = m_banco.GetRanuraSonido(i);
        if (i == 0 && (!r || strcasecmp(r->m_szNombre, nombre.c_str()) != 0)) {
            Falta("no record of " + m_ref.ranurasSonido);
            return;
        }
        if (r->m_iNumEntrada + r->m_iNumBucle + r->m_iNumSalida == 0) Falta("plays no sample");
        if (r->m_fVolumen <= 0.0f) Falta("has no volume");
        const std::pair<CMuestraSonido* const*, int> listas[3] = {
            {r->m_pEntrada, r->m_iNumEntrada}, {r->m_pBucle, r->m_iNumBucle}, {r->m_pSalida, r->m_iNumSalida}};
        for (const auto& [muestras, n] : listas)
            for (int k = 0; k < n; ++k) Muestra(muestras[k]->m_szFichero, "its sample ");
    }

    void RanuraMusica(const std::string& nombre)
    {
        if (!BancoListo()) return;
        const int i = m_banco.BuscaRanuraMusica(nombre.c_str());
        CRanuraMusica* r = m_banco.GetRanuraMusica(i);
        if (i == 0 && (!r || strcasecmp(r->m_szNombre, nombre.c_str()) != 0)) {
            Falta("no record of " + m_ref.ranurasMusica);
            return;
        }
        if (r->m_iNumPiezas == 0) Falta("plays no piece");
        if (r->m_fVolumen <= 0.0f) Falta("has no volume");
        for (int k = 0; k < r->m_iNumPiezas; ++k) Pieza(r->m_szPiezas[k], "its piece ");
    }

    const ReferenciasAuditoria& m_ref;
    const FilaCatalogo* m_fila = nullptr;
    std::unique_ptr<CGestorFLIs> m_textos = std::make_unique<CGestorFLIs>();
    std::vector<std::string> m_marcadores; // the placeholder pictures' bytes
    std::string m_imagenFuenteDefecto;
    std::unique_ptr<CSistemaSonido> m_pSonido;
    CBancoRanuras m_banco;
    bool m_bancoCargado = false;
    std::map<std::string, std::string> m_sonidos;
};

} // namespace

ReferenciasAuditoria ReferenciasMotor()
{
    ReferenciasAuditoria r;
    for (const FilaCatalogo& f : motor::kCatalogo) {
        if (f.tipo == TipoContenido::TablaTextos) r.tablasTextos.push_back(f.nombre);
        if (f.tipo == TipoContenido::Marcador) r.marcadores.push_back(f.nombre);
    }
    r.ranurasMusica = motor::fichero::CONFIG_MUSICA;
    r.ranurasSonido = motor::fichero::CONFIG_SONIDO;
    r.fuenteDefecto = motor::fuente::FIXED_SYS;
    return r;
}

std::vector<std::string> AuditaContenido(std::span<const FilaCatalogo> filas, const ReferenciasAuditoria& ref)
{
    Auditoria a(ref);
    for (const FilaCatalogo& f : filas) a.Revisa(f);
    return a.m_faltas;
}

namespace {

// Names that must differ from each other: data files of every kind, text
// codes, sound slots, music slots.
int EspacioDeNombres(TipoContenido t)
{
    switch (t) {
    case TipoContenido::Texto:
    case TipoContenido::TextosTecla: return 1;
    case TipoContenido::RanuraSonido: return 2;
    case TipoContenido::RanuraMusica: return 3;
    default: return 0;
    }
}

} // namespace

std::vector<std::string> NombresRepetidos(std::initializer_list<std::span<const FilaCatalogo>> catalogos)
{
    std::vector<const FilaCatalogo*> todas;
    for (std::span<const FilaCatalogo> c : catalogos)
        for (const FilaCatalogo& f : c) todas.push_back(&f);
    std::vector<std::string> repetidos;
    for (size_t i = 0; i < todas.size(); ++i)
        for (size_t j = i + 1; j < todas.size(); ++j)
            if (EspacioDeNombres(todas[i]->tipo) == EspacioDeNombres(todas[j]->tipo) &&
                MismoNombre(todas[i]->nombre, todas[j]->nombre))
                repetidos.push_back(std::string(todas[i]->clase) + " " + todas[i]->id + " and " + todas[j]->clase + " " +
                                    todas[j]->id + " both name \"" + todas[i]->nombre + "\"");
    return repetidos;
}

std::string UnaPorLinea(const std::vector<std::string>& lineas)
{
    std::string s;
    for (const std::string& l : lineas) s += "  " + l + "\n";
    return s;
}

} // namespace mgtest
