#include "engine/audio/SistemaSonido.h"

#include "engine/audio/FicherosSonido.h"
#include "engine/core/Temporizador.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>
#include <vector>

CSistemaSonido* g_pSistemaSonido = nullptr;

namespace {

using Cerrojo = std::lock_guard<std::recursive_mutex>;

// Removes the node from its list while walking it by nodes.
void QuitaNodo(CLista& lista, NodoLista* nodo)
{
    lista.m_pActual = nodo;
    lista.BorraActual();
}

uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

// The wave format of the link the decoder is in: its channels and rate,
// decoded to 16 bits.
plat::AudioFormat FormatoDelEnlace(OggVorbis_File* vf)
{
    vorbis_info* info = ov_info(vf, -1);
    plat::AudioFormat f;
    f.channels = info ? info->channels : 0;
    f.bitsPerSample = 16;
    f.rate = info ? int(std::min<long>(info->rate, 0x7fffffff)) : 0;
    return f;
}

bool MismoFormato(const plat::AudioFormat& a, const plat::AudioFormat& b)
{
    return a.channels == b.channels && a.rate == b.rate && a.bitsPerSample == b.bitsPerSample;
}

// Decoder callbacks over the sound files.
size_t LeeOgg(void* destino, size_t tam, size_t n, void* fuente)
{
    if (tam == 0) return 0;
    return LeeBloqueSonido(static_cast<FicheroSonido*>(fuente), destino, tam * n) / tam;
}

int SituaOgg(void* fuente, ogg_int64_t desplazamiento, int origen)
{
    // The decoder's SEEK_SET / SEEK_CUR / SEEK_END become the file codes
    // 0 / 2 / 1.
    int o = origen == SEEK_SET ? 0 : (origen == SEEK_CUR ? 2 : 1);
    return SituaFicheroSonido(static_cast<FicheroSonido*>(fuente), desplazamiento, o);
}

long PosicionOgg(void* fuente) { return long(PosicionFicheroSonido(static_cast<FicheroSonido*>(fuente))); }

// The file belongs to the stream and is closed by CierraFlujo.
int CierraOgg(void*) { return 0; }

} // namespace

int VolumenADecibelios(float volumen)
{
    float v = std::max(volumen, 1.1754944e-38f);
    if (!(v == v)) v = 1.1754944e-38f; // NaN counts as silence
    float a = 2000.0f * std::log10(v);
    a = std::clamp(a, -10000.0f, 0.0f);
    return int(a);
}

bool AnalizaWav(const uint8_t* datos, size_t tamano, DatosWav* resultado)
{
    if (!datos || tamano < 12 || !resultado) return false;
    if (std::memcmp(datos, "RIFF", 4) != 0 || std::memcmp(datos + 8, "WAVE", 4) != 0) return false;
    uint64_t riff = Le32(datos + 4);
    if (riff + 8 > tamano || riff < 4) return false;
    size_t fin = size_t(riff) + 8;
    size_t p = 12;
    bool hayFormato = false;
    plat::AudioFormat f;
    while (p + 8 <= fin) {
        const uint8_t* c = datos + p;
        uint64_t t = Le32(c + 4);
        size_t cuerpo = p + 8;
        if (cuerpo + t > fin) return false;
        if (std::memcmp(c, "fmt ", 4) == 0) {
            if (t < 16) return false;
            uint16_t etiqueta = Le16(datos + cuerpo);
            f.channels = Le16(datos + cuerpo + 2);
            f.rate = int(std::min<uint32_t>(Le32(datos + cuerpo + 4), 0x7fffffff));
            uint16_t alineacion = Le16(datos + cuerpo + 12);
            f.bitsPerSample = Le16(datos + cuerpo + 14);
            if (etiqueta != 1 || !f.Valid() || alineacion != f.BlockAlign()) return false;
            hayFormato = true;
        } else if (std::memcmp(c, "data", 4) == 0) {
            if (!hayFormato) return false;
            size_t bytes = size_t(t) - size_t(t) % size_t(f.BlockAlign());
            if (bytes == 0) return false;
            resultado->formato = f;
            resultado->inicio = cuerpo;
            resultado->bytes = bytes;
            return true;
        }
        // Chunks are padded to an even length.
        p = cuerpo + size_t(t) + (t & 1);
    }
    return false;
}

CSistemaSonido::~CSistemaSonido() { Para(); }

bool CSistemaSonido::Inicia(float volumenMusica, float volumenSonido)
{
    Para();
    m_fVolumenFlujos = std::clamp(volumenMusica, 0.0f, 1.0f);
    m_fVolumenMuestras = std::clamp(volumenSonido, 0.0f, 1.0f);
    if (!plat::OpenAudio()) return false;
    m_Muestras.Inicia();
    m_Flujos.Inicia();
    m_Instancias.Inicia();
    m_bBufferPerdido = 0;
    m_bAutoLiberar = 1;
    m_iUltimaActualizacion = TiempoReal();
    m_bPararHilo = false;
    m_bHiloTerminado = false;
    m_bIniciado = 1;
    m_Hilo = std::thread(&CSistemaSonido::Hilo, this);
    return true;
}

void CSistemaSonido::Hilo()
{
    while (!m_bPararHilo.load()) {
        Actualiza();
        Espera(50);
    }
    m_bHiloTerminado = true;
}

void CSistemaSonido::Para()
{
    if (!m_bIniciado) return;
    m_bPararHilo = true;
    while (!m_bHiloTerminado.load()) Espera(10);
    if (m_Hilo.joinable()) m_Hilo.join();
    {
        Cerrojo c(m_Mutex);
        LiberaTodo();
    }
    plat::CloseAudio();
    m_bIniciado = 0;
}

void CSistemaSonido::LiberaTodo()
{
    while (NodoLista* n = m_Flujos.m_pCabeza) {
        auto* s = static_cast<CFlujoOgg*>(n->m_pItem);
        LiberaFlujo(s);
        delete s;
        QuitaNodo(m_Flujos, n);
    }
    while (NodoLista* n = m_Instancias.m_pCabeza) {
        auto* ins = static_cast<InstanciaMuestra*>(n->m_pItem);
        plat::ReleaseAudioBuffer(ins->m_pBuffer);
        delete ins;
        QuitaNodo(m_Instancias, n);
    }
    while (NodoLista* n = m_Muestras.m_pCabeza) {
        auto* m = static_cast<CMuestraSonido*>(n->m_pItem);
        DescargaBufferMuestra(m);
        delete m;
        QuitaNodo(m_Muestras, n);
    }
    m_Flujos.Libera();
    m_Instancias.Libera();
    m_Muestras.Libera();
}

// ---- samples ---------------------------------------------------------------

CMuestraSonido* CSistemaSonido::CargaMuestra(const char* fichero, int maxInstancias, bool cargarYa)
{
    if (!fichero || !m_bIniciado) return nullptr;
    // A name that does not fit the record would be cut short: it could name
    // another file and would never be found again by its whole name.
    if (std::strlen(fichero) >= sizeof CMuestraSonido::m_szFichero) return nullptr;
    Cerrojo c(m_Mutex);
    CMuestraSonido* m = nullptr;
    for (NodoLista* n = m_Muestras.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* x = static_cast<CMuestraSonido*>(n->m_pItem);
        if (strcasecmp(x->m_szFichero, fichero) == 0) {
            m = x;
            break;
        }
    }
    if (!m) {
        m = new CMuestraSonido;
        std::snprintf(m->m_szFichero, sizeof m->m_szFichero, "%s", fichero);
        m_Muestras.InsertaAlFinal(m);
        if (cargarYa) CargaBufferMuestra(m);
    }
    ++m->m_iPropietarios;
    m->m_iMaxInstancias = maxInstancias;
    return m;
}

void CSistemaSonido::RetieneMuestra(CMuestraSonido* muestra)
{
    if (!muestra) return;
    Cerrojo c(m_Mutex);
    ++muestra->m_iPropietarios;
}

void CSistemaSonido::LiberaMuestra(CMuestraSonido* muestra)
{
    if (!muestra) return;
    Cerrojo c(m_Mutex);
    if (muestra->m_iPropietarios > 0) --muestra->m_iPropietarios;
}

// The use marks race the purge on the sound thread: they take the lock too.
void CSistemaSonido::MarcaMuestraEnUso(CMuestraSonido* muestra)
{
    if (!muestra) return;
    Cerrojo c(m_Mutex);
    ++muestra->m_iUsos;
}

void CSistemaSonido::DesmarcaMuestraEnUso(CMuestraSonido* muestra)
{
    if (!muestra) return;
    Cerrojo c(m_Mutex);
    if (muestra->m_iUsos > 0) --muestra->m_iUsos;
}

bool CSistemaSonido::CargaBufferMuestra(CMuestraSonido* m)
{
    std::vector<uint8_t> datos;
    DatosWav wav;
    // A missing file or one whose chunks do not fit leaves the sample silent.
    if (!LeeFicheroSonido(m->m_szFichero, datos) || !AnalizaWav(datos.data(), datos.size(), &wav)) return false;
    if (m->m_pBuffer) {
        plat::AudioFormat f = plat::AudioBufferFormat(m->m_pBuffer);
        if (plat::AudioBufferSize(m->m_pBuffer) != wav.bytes || f.channels != wav.formato.channels ||
            f.rate != wav.formato.rate || f.bitsPerSample != wav.formato.bitsPerSample) {
            plat::ReleaseAudioBuffer(m->m_pBuffer);
            m->m_pBuffer = nullptr;
        }
    }
    if (!m->m_pBuffer) m->m_pBuffer = plat::CreateAudioBuffer(wav.formato, uint32_t(wav.bytes));
    if (!m->m_pBuffer) return false;
    void* p = nullptr;
    if (plat::LockAudioBuffer(m->m_pBuffer, 0, uint32_t(wav.bytes), &p) != plat::AudioResult::Ok) {
        plat::ReleaseAudioBuffer(m->m_pBuffer);
        m->m_pBuffer = nullptr;
        return false;
    }
    std::memcpy(p, datos.data() + wav.inicio, wav.bytes);
    plat::UnlockAudioBuffer(m->m_pBuffer);
    m->m_iTamanoDatos = int(wav.bytes);
    return true;
}

void CSistemaSonido::DescargaBufferMuestra(CMuestraSonido* m)
{
    if (!m->m_pBuffer) return;
    plat::ReleaseAudioBuffer(m->m_pBuffer);
    m->m_pBuffer = nullptr;
}

void CSistemaSonido::DescargaMuestrasSinUso()
{
    if (!m_bIniciado || !m_bAutoLiberar) return;
    Cerrojo c(m_Mutex);
    for (NodoLista* n = m_Muestras.m_pCabeza; n;) {
        NodoLista* sig = n->m_pSiguiente;
        auto* m = static_cast<CMuestraSonido*>(n->m_pItem);
        if (m->m_iUsos <= 0) {
            DescargaBufferMuestra(m);
            if (m->m_iPropietarios <= 0) {
                QuitaNodo(m_Muestras, n);
                delete m;
            }
        }
        n = sig;
    }
}

void CSistemaSonido::CargaMuestrasEnUso()
{
    if (!m_bIniciado) return;
    Cerrojo c(m_Mutex);
    for (NodoLista* n = m_Muestras.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* m = static_cast<CMuestraSonido*>(n->m_pItem);
        if (m->m_iUsos > 0 && !m->m_pBuffer) CargaBufferMuestra(m);
    }
}

void CSistemaSonido::RecargaMuestrasEnUso()
{
    Cerrojo c(m_Mutex);
    DescargaMuestrasSinUso();
    CargaMuestrasEnUso();
}

// ---- instances -------------------------------------------------------------

int CSistemaSonido::TocaMuestra(CMuestraSonido* muestra, float volumen)
{
    if (!muestra || !m_bIniciado) return -1;
    Cerrojo c(m_Mutex);
    // A sample played without being marked in use (interface sounds, the
    // sequences' samples) is loaded now: whatever is played must sound. The
    // instance's own use keeps the buffer until it ends.
    if (!muestra->m_pBuffer && !CargaBufferMuestra(muestra)) return -1;
    if (muestra->m_iInstancias >= muestra->m_iMaxInstancias) return -1;
    muestra->m_fUltimoVolumen = volumen;
    plat::AudioBuffer* dup = nullptr;
    plat::AudioResult r = plat::DuplicateAudioBuffer(muestra->m_pBuffer, &dup);
    if (r == plat::AudioResult::Lost) {
        m_bBufferPerdido = 1;
        return -1;
    }
    if (r != plat::AudioResult::Ok) return -1;
    auto* ins = new InstanciaMuestra;
    ins->m_pMuestra = muestra;
    ins->m_pBuffer = dup;
    ins->m_iId = m_iSiguienteId++;
    m_Instancias.InsertaAlFinal(ins);
    // The sample master volume applies from the first moment: interface and
    // sequence sounds are played here directly and never set again, and the
    // player's sound volume must reach them too.
    plat::SetAudioBufferVolume(dup, VolumenADecibelios(std::clamp(volumen, 0.0f, 1.0f) * m_fVolumenMuestras));
    plat::PlayAudioBuffer(dup, false);
    ++muestra->m_iInstancias;
    ++muestra->m_iUsos;
    ++muestra->m_iPropietarios;
    return ins->m_iId;
}

InstanciaMuestra* CSistemaSonido::BuscaInstancia(int id)
{
    if (id < 0) return nullptr;
    Cerrojo c(m_Mutex);
    for (NodoLista* n = m_Instancias.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* ins = static_cast<InstanciaMuestra*>(n->m_pItem);
        if (ins->m_iId == id) return ins;
    }
    return nullptr;
}

void CSistemaSonido::CambiaVolumenInstancia(int id, float volumen)
{
    Cerrojo c(m_Mutex);
    InstanciaMuestra* ins = BuscaInstancia(id);
    if (!ins) return;
    float v = std::clamp(volumen, 0.0f, 1.0f);
    if (!(v == v)) v = 0.0f;
    plat::SetAudioBufferVolume(ins->m_pBuffer, VolumenADecibelios(v * m_fVolumenMuestras));
}

void CSistemaSonido::ParaInstancia(int id)
{
    Cerrojo c(m_Mutex);
    InstanciaMuestra* ins = BuscaInstancia(id);
    if (ins) plat::StopAudioBuffer(ins->m_pBuffer);
}

float CSistemaSonido::GetTiempoRestante(int id)
{
    Cerrojo c(m_Mutex);
    InstanciaMuestra* ins = BuscaInstancia(id);
    if (!ins) return 0.0f;
    int p = int(plat::AudioBufferPosition(ins->m_pBuffer));
    int d = ins->m_pMuestra->m_iTamanoDatos;
    int bps = plat::AudioBufferFormat(ins->m_pBuffer).BytesPerSecond();
    if (bps <= 0) return 0.0f;
    return float(std::max(0, d - p)) / float(bps);
}

// ---- master volumes ----------------------------------------------------------

void CSistemaSonido::CambiaVolumenMuestras(float v)
{
    if (!(v >= 0.0f && v <= 1.0f)) return;
    Cerrojo c(m_Mutex);
    m_fVolumenMuestras = v;
}

void CSistemaSonido::CambiaVolumenFlujos(float v)
{
    if (!(v >= 0.0f && v <= 1.0f)) return;
    // The sound thread walks the same list: hold the lock.
    Cerrojo c(m_Mutex);
    m_fVolumenFlujos = v;
    AplicaVolumenFlujos();
}

// ---- streams -------------------------------------------------------------------

CFlujoOgg* CSistemaSonido::AbreFlujo(const char* fichero, float volumen, int prioridad)
{
    return AbreFlujoInterno(fichero, volumen, prioridad, false);
}

CFlujoOgg* CSistemaSonido::AbreFlujoEnBucle(const char* fichero, float volumen, int prioridad)
{
    return AbreFlujoInterno(fichero, volumen, prioridad, true);
}

CFlujoOgg* CSistemaSonido::AbreFlujoInterno(const char* fichero, float volumen, int prioridad, bool bucle)
{
    if (!fichero || !m_bIniciado) return nullptr;
    Cerrojo c(m_Mutex);
    auto* s = new CFlujoOgg;
    // Known before the first fill, so that a piece shorter than a half
    // already loops in it.
    s->m_bBucle = bucle ? 1 : 0;
    s->m_pFichero = AbreFicheroSonido(fichero);
    if (!s->m_pFichero) {
        delete s;
        return nullptr;
    }
    s->m_pVorbis = new OggVorbis_File;
    ov_callbacks cb{LeeOgg, SituaOgg, CierraOgg, PosicionOgg};
    if (ov_open_callbacks(s->m_pFichero, s->m_pVorbis, nullptr, 0, cb) != 0) {
        delete s->m_pVorbis;
        s->m_pVorbis = nullptr;
        LiberaFlujo(s);
        delete s;
        return nullptr;
    }
    // The decoder leaves a chained stream past the first link when that
    // link's samples fit in one page: the stream starts at its first sample.
    if (ov_streams(s->m_pVorbis) > 1) ov_pcm_seek(s->m_pVorbis, 0);
    plat::AudioFormat formato = FormatoDelEnlace(s->m_pVorbis);
    if (!formato.Valid() || !CreaBufferFlujo(s, formato)) {
        LiberaFlujo(s);
        delete s;
        return nullptr;
    }
    s->m_bPrimeraRellenada = 1;
    s->m_bSegundaRellenada = 0;
    int r = RellenaMitad(s, 0);
    if (r == RELLENO_PERDIDO) m_bBufferPerdido = 1;
    if (r != RELLENO_HECHO && r != RELLENO_VACIO) {
        LiberaFlujo(s);
        delete s;
        return nullptr;
    }
    m_Flujos.InsertaAlFinal(s);
    s->m_fVolumen = volumen;
    AplicaVolumenFlujo(s);
    plat::PlayAudioBuffer(s->m_pBuffer, true);
    s->m_iPrioridad = uint8_t(std::clamp(prioridad, 0, 255));
    s->m_bCuentaPrioridad = 1;
    return s;
}

bool CSistemaSonido::CreaBufferFlujo(CFlujoOgg* s, const plat::AudioFormat& formato)
{
    if (!formato.Valid()) return false;
    // Each half holds a quarter of a second, in whole frames of the real
    // format.
    int mitad = std::max(1, formato.rate / 4) * formato.BlockAlign();
    plat::AudioBuffer* b = plat::CreateAudioBuffer(formato, uint32_t(2 * mitad));
    if (!b) return false;
    if (s->m_pBuffer) {
        plat::StopAudioBuffer(s->m_pBuffer);
        plat::ReleaseAudioBuffer(s->m_pBuffer);
    }
    s->m_pBuffer = b;
    s->m_Formato = formato;
    s->m_iTamanoMitad = mitad;
    AplicaVolumenFlujo(s);
    return true;
}

bool CSistemaSonido::PasaAlSiguienteEnlace(CFlujoOgg* s)
{
    if (!CreaBufferFlujo(s, FormatoDelEnlace(s->m_pVorbis))) return false;
    s->m_iMarcaFin = 0;
    s->m_iFinDatos = 0;
    s->m_bEnMitadFin = 0;
    s->m_bPrimeraRellenada = 1;
    s->m_bSegundaRellenada = 0;
    int r = RellenaMitad(s, 0);
    if (r == RELLENO_PERDIDO) m_bBufferPerdido = 1;
    if (r != RELLENO_HECHO && r != RELLENO_VACIO) return false;
    plat::PlayAudioBuffer(s->m_pBuffer, true);
    return true;
}

void CSistemaSonido::LiberaFlujo(CFlujoOgg* s)
{
    if (s->m_pBuffer) {
        plat::StopAudioBuffer(s->m_pBuffer);
        plat::ReleaseAudioBuffer(s->m_pBuffer);
        s->m_pBuffer = nullptr;
    }
    if (s->m_pVorbis) {
        ov_clear(s->m_pVorbis);
        delete s->m_pVorbis;
        s->m_pVorbis = nullptr;
    }
    if (s->m_pFichero) {
        CierraFicheroSonido(s->m_pFichero);
        s->m_pFichero = nullptr;
    }
}

void CSistemaSonido::CierraFlujo(CFlujoOgg* flujo)
{
    if (!flujo || !m_bIniciado) return;
    Cerrojo c(m_Mutex);
    if (!m_Flujos.Busca(flujo)) return;
    m_Flujos.BorraActual();
    LiberaFlujo(flujo);
    delete flujo;
}

int CSistemaSonido::RellenaMitad(CFlujoOgg* s, int mitad)
{
    if (!s || !s->m_pVorbis || !s->m_pBuffer) return RELLENO_SIN_FLUJO;
    void* p = nullptr;
    plat::AudioResult r = plat::LockAudioBuffer(s->m_pBuffer, uint32_t(mitad * s->m_iTamanoMitad),
                                                uint32_t(s->m_iTamanoMitad), &p);
    if (r == plat::AudioResult::Lost) return RELLENO_PERDIDO;
    if (r != plat::AudioResult::Ok) return RELLENO_BLOQUEO;
    char* destino = static_cast<char*>(p);
    int lleno = 0;
    // First the samples of this buffer's link decoded before it was made.
    if (!s->m_PcmSiguiente.empty() && MismoFormato(FormatoDelEnlace(s->m_pVorbis), s->m_Formato)) {
        int k = int(std::min<size_t>(s->m_PcmSiguiente.size(), size_t(s->m_iTamanoMitad)));
        std::memcpy(destino, s->m_PcmSiguiente.data(), size_t(k));
        s->m_PcmSiguiente.erase(s->m_PcmSiguiente.begin(), s->m_PcmSiguiente.begin() + k);
        lleno = k;
    }
    bool vueltaVacia = false; // rewound and nothing decoded since
    while (lleno < s->m_iTamanoMitad) {
        int seccion = 0;
        long n = ov_read(s->m_pVorbis, destino + lleno, s->m_iTamanoMitad - lleno, 0, 2, 1, &seccion);
        if (n == OV_HOLE) continue; // a gap in the data: carry on after it
        // A chained stream's next link in another channel count or rate
        // (the decoder hands out one link per read): its samples cannot go
        // into this buffer. They are kept, and this buffer's data end here;
        // once they have been heard the stream goes on in a buffer made in
        // the new link's format.
        bool bOtroFormato = n > 0 && !MismoFormato(FormatoDelEnlace(s->m_pVorbis), s->m_Formato);
        if (bOtroFormato) s->m_PcmSiguiente.assign(destino + lleno, destino + lleno + n);
        if (n <= 0 || bOtroFormato) {
            // A looping stream goes on with its beginning in the same half,
            // so no sample of its end is lost; one end counted per loop.
            if (!bOtroFormato && s->m_bBucle && !vueltaVacia && ov_raw_seek_lap(s->m_pVorbis, 0) == 0) {
                ++s->m_iFinales;
                vueltaVacia = true;
                continue;
            }
            s->m_iMarcaFin = mitad == 0 ? 2 : 1;
            s->m_iFinDatos = mitad * s->m_iTamanoMitad + lleno;
            s->m_bEnMitadFin = 0;
            break;
        }
        vueltaVacia = false;
        lleno += int(n);
    }
    std::memset(destino + lleno, 0, size_t(s->m_iTamanoMitad - lleno));
    r = plat::UnlockAudioBuffer(s->m_pBuffer);
    if (r == plat::AudioResult::Lost) return RELLENO_PERDIDO;
    if (r != plat::AudioResult::Ok) return RELLENO_DESBLOQUEO;
    return lleno == 0 ? RELLENO_VACIO : RELLENO_HECHO;
}

void CSistemaSonido::RebobinaFlujo(CFlujoOgg* s)
{
    if (!s || !m_bIniciado) return;
    Cerrojo c(m_Mutex);
    if (!s->m_pBuffer) return;
    plat::StopAudioBuffer(s->m_pBuffer);
    plat::SetAudioBufferPosition(s->m_pBuffer, 0);
    s->m_iMarcaFin = 0;
    s->m_iFinDatos = 0;
    s->m_bEnMitadFin = 0;
    s->m_bCuentaPrioridad = 0;
    s->m_bPrimeraRellenada = 1;
    s->m_bSegundaRellenada = 0;
    s->m_PcmSiguiente.clear();
    if (s->m_pVorbis) {
        ov_raw_seek_lap(s->m_pVorbis, 0);
        // A chained stream rewound from a later link gets back the first
        // link's format (the new buffer is stopped at 0 as well).
        plat::AudioFormat formato = FormatoDelEnlace(s->m_pVorbis);
        if (!MismoFormato(formato, s->m_Formato)) CreaBufferFlujo(s, formato);
    }
    void* p = nullptr;
    uint32_t total = plat::AudioBufferSize(s->m_pBuffer);
    if (plat::LockAudioBuffer(s->m_pBuffer, 0, total, &p) == plat::AudioResult::Ok) {
        std::memset(p, 0, total);
        plat::UnlockAudioBuffer(s->m_pBuffer);
    }
    if (RellenaMitad(s, 0) == RELLENO_PERDIDO) m_bBufferPerdido = 1;
}

void CSistemaSonido::AplicaVolumenFlujo(CFlujoOgg* s)
{
    plat::SetAudioBufferVolume(s->m_pBuffer,
                               VolumenADecibelios(s->m_fVolumen * s->m_fFactorPrioridad * m_fVolumenFlujos));
}

void CSistemaSonido::CambiaVolumenFlujo(CFlujoOgg* flujo, float volumen)
{
    if (!flujo) return;
    Cerrojo c(m_Mutex);
    flujo->m_fVolumen = volumen;
    AplicaVolumenFlujo(flujo);
}

void CSistemaSonido::AplicaVolumenFlujos()
{
    Cerrojo c(m_Mutex);
    for (NodoLista* n = m_Flujos.m_pCabeza; n; n = n->m_pSiguiente) AplicaVolumenFlujo(static_cast<CFlujoOgg*>(n->m_pItem));
}

int CSistemaSonido::GetFinalesFlujo(CFlujoOgg* flujo)
{
    if (!flujo) return 0;
    Cerrojo c(m_Mutex);
    return flujo->m_iFinales;
}

void CSistemaSonido::ActualizaFlujos()
{
    for (NodoLista* n = m_Flujos.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* s = static_cast<CFlujoOgg*>(n->m_pItem);
        if (!s->m_pBuffer) continue;
        int p = int(plat::AudioBufferPosition(s->m_pBuffer));
        int h = s->m_iTamanoMitad;
        if (s->m_iMarcaFin != 0) {
            if (!plat::AudioBufferPlaying(s->m_pBuffer)) continue;
            // The data ran out in the marker's half: nothing is refilled, and
            // the stream ends once the play position has reached the end of
            // its data there (or gone past that half), so that every sample
            // decoded is heard.
            int inicio = s->m_iMarcaFin == 1 ? h : 0;
            bool enMitadFin = p >= inicio && p < inicio + h;
            bool fin = false;
            if (enMitadFin) {
                s->m_bEnMitadFin = 1;
                fin = p >= s->m_iFinDatos;
            } else {
                fin = s->m_bEnMitadFin != 0;
            }
            if (fin) {
                // Not an end when the next link, in another format, goes on.
                if (!s->m_PcmSiguiente.empty() && PasaAlSiguienteEnlace(s)) continue;
                RebobinaFlujo(s);
                ++s->m_iFinales;
            }
            continue;
        }
        if (p > 0 && p < h) {
            if (!(s->m_bSegundaRellenada && !s->m_bPrimeraRellenada)) {
                s->m_bSegundaRellenada = 1;
                s->m_bPrimeraRellenada = 0;
                if (RellenaMitad(s, 1) == RELLENO_PERDIDO) m_bBufferPerdido = 1;
            }
        } else if (p > h && p < 2 * h) {
            if (!(s->m_bPrimeraRellenada && !s->m_bSegundaRellenada)) {
                s->m_bPrimeraRellenada = 1;
                s->m_bSegundaRellenada = 0;
                if (RellenaMitad(s, 0) == RELLENO_PERDIDO) m_bBufferPerdido = 1;
            }
        }
    }
    // Priority ducking: each counted stream plays at its share of the
    // highest priority among them; with none counted the factor is 1.
    int maxima = 0;
    for (NodoLista* n = m_Flujos.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* s = static_cast<CFlujoOgg*>(n->m_pItem);
        if (s->m_bCuentaPrioridad) maxima = std::max(maxima, int(s->m_iPrioridad));
    }
    for (NodoLista* n = m_Flujos.m_pCabeza; n; n = n->m_pSiguiente) {
        auto* s = static_cast<CFlujoOgg*>(n->m_pItem);
        float factor = maxima > 0 ? float(s->m_iPrioridad) / float(maxima) : 1.0f;
        if (factor != s->m_fFactorPrioridad) {
            s->m_fFactorPrioridad = factor;
            AplicaVolumenFlujo(s);
        }
    }
}

void CSistemaSonido::Actualiza()
{
    if (!m_bIniciado) return;
    Cerrojo c(m_Mutex);
    m_iUltimaActualizacion = TiempoReal();
    for (NodoLista* n = m_Instancias.m_pCabeza; n;) {
        NodoLista* sig = n->m_pSiguiente;
        auto* ins = static_cast<InstanciaMuestra*>(n->m_pItem);
        if (!plat::AudioBufferPlaying(ins->m_pBuffer)) {
            CMuestraSonido* m = ins->m_pMuestra;
            --m->m_iInstancias;
            if (m->m_iUsos > 0) --m->m_iUsos;
            if (m->m_iPropietarios > 0) --m->m_iPropietarios;
            plat::ReleaseAudioBuffer(ins->m_pBuffer);
            delete ins;
            QuitaNodo(m_Instancias, n);
        }
        n = sig;
    }
    ActualizaFlujos();
    if (m_bBufferPerdido) {
        for (NodoLista* n = m_Muestras.m_pCabeza; n; n = n->m_pSiguiente) {
            auto* m = static_cast<CMuestraSonido*>(n->m_pItem);
            if (m->m_pBuffer && plat::RestoreAudioBuffer(m->m_pBuffer) == plat::AudioResult::Ok) CargaBufferMuestra(m);
        }
        m_bBufferPerdido = 0;
    }
}

int CSistemaSonido::NumMuestras()
{
    Cerrojo c(m_Mutex);
    return m_Muestras.m_iNumElementos;
}

int CSistemaSonido::NumInstancias()
{
    Cerrojo c(m_Mutex);
    return m_Instancias.m_iNumElementos;
}

int CSistemaSonido::NumFlujos()
{
    Cerrojo c(m_Mutex);
    return m_Flujos.m_iNumElementos;
}
