// The slot bank and its two files.
#include "EntornoSonido.h"
#include "engine/audio/BancoRanuras.h"
#include "engine/audio/RanuraMusica.h"
#include "engine/audio/RanuraSonido.h"
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorComandes.h"

#include <gtest/gtest.h>

#include <vorbis/vorbisfile.h>

#include <cstring>
#include <string>

using audiotest::EntornoSonido;

namespace {

const char* const kMusicaMinima = "RANURAMUSICA = ;\nRANURAMUSICA_VER = 1;\nRANURAMUSICA_NOMBRE = \"M\";\n"
                                  "RANURAMUSICA_PIEZA = \"M.ogg\";\nRANURAMUSICA_FIN = ;\n";
const char* const kSonidoMinimo = "RANURASONIDO = ;\nRANURASONIDO_VER = 1;\nRANURASONIDO_NOMBRE = \"S\";\n"
                                  "RANURASONIDO_FIN = ;\n";

std::string RegistroSonido(const std::string& cuerpo)
{
    return "RANURASONIDO = ;\nRANURASONIDO_VER = 1;\n" + cuerpo + "RANURASONIDO_FIN = ;\n";
}

TEST(BancoRanuras, SoundRecords)
{
    EntornoSonido e("banco_sonido");
    ASSERT_TRUE(e.Correcto());
    std::string once;
    for (int i = 0; i < 11; ++i) once += "RANURASONIDO_MUESTRA_BUCLE = \"B" + std::to_string(i) + ".wav\";\n";
    std::string f = "// lines between records are skipped\nCUALQUIERA = 1;\n" +
                    RegistroSonido("RANURASONIDO_NOMBRE = \"DOBLE\";\nRANURASONIDO_VOLUMEN = 0.25;\n"
                                   "RANURASONIDO_PESO = 3.5;\nRANURASONIDO_POSICION = 1, 2, 3;\n"
                                   "RANURASONIDO_ATENDER_OYENTE = 1;\nRANURASONIDO_FADE_IN_ENTRADA = 5;\n"
                                   "RANURASONIDO_FADE_OUT_SALIDA = 7;\nRANURASONIDO_CRITERIO_BUCLE = 2;\n"
                                   "RANURASONIDO_MUESTRA_ENTRADA = \"E.wav\";\nRANURASONIDO_MUESTRA_SALIDA = \"X.wav\";\n"
                                   "RANURASONIDO_DESCONOCIDA = 9;\n") +
                    RegistroSonido("RANURASONIDO_NOMBRE = \"doble\";\n") +
                    RegistroSonido("RANURASONIDO_NOMBRE = \"ONCE\";\n" + once + "RANURASONIDO_ATENDER_OYENTE = 2;\n") +
                    // Keys other than the version are exact: a lower-case name is unknown.
                    RegistroSonido("ranurasonido_nombre = \"MINUSCULAS\";\n") +
                    "ranurasonido = ;\nRanuraSonido_Ver = 1;\nRANURASONIDO_NOMBRE = \"VERSION_SIN_CASO\";\nRANURASONIDO_FIN = ;\n";
    e.Escribe("M.crm", kMusicaMinima);
    e.Escribe("S.crs", f);
    CBancoRanuras banco;
    ASSERT_TRUE(banco.Carga("M.crm", "S.crs"));
    EXPECT_EQ(banco.NumRanurasSonido(), 6);
    EXPECT_EQ(banco.BuscaRanuraSonido("DOBLE"), 1); // the first of two
    EXPECT_EQ(banco.BuscaRanuraSonido("Doble"), 1);
    EXPECT_EQ(banco.BuscaRanuraSonido("NO_EXISTE"), 0);
    EXPECT_EQ(banco.BuscaRanuraSonido(""), 0);
    EXPECT_EQ(banco.BuscaRanuraSonido(nullptr), -1);
    EXPECT_EQ(banco.BuscaRanuraSonido("MINUSCULAS"), 0);
    EXPECT_EQ(banco.BuscaRanuraSonido("VERSION_SIN_CASO"), 5);
    CRanuraSonido* d = banco.GetRanuraSonido(1);
    EXPECT_FLOAT_EQ(d->m_fVolumen, 0.25f);
    EXPECT_FLOAT_EQ(d->m_fPeso, 3.5f);
    EXPECT_FLOAT_EQ(d->m_fZ, 3.0f);
    EXPECT_EQ(d->m_bAtenderOyente, 1);
    EXPECT_EQ(d->m_iFadeIn, 5);
    EXPECT_EQ(d->m_iFadeOut, 7);
    EXPECT_EQ(d->m_iCriterioBucle, 2);
    EXPECT_EQ(d->m_iNumEntrada, 1);
    EXPECT_EQ(d->m_iNumSalida, 1);
    CRanuraSonido* o = banco.GetRanuraSonido(banco.BuscaRanuraSonido("ONCE"));
    EXPECT_EQ(o->m_iNumBucle, 10);
    EXPECT_STREQ(o->m_pBucle[9]->m_szFichero, "B9.wav");
    EXPECT_EQ(o->m_bAtenderOyente, 0); // 2 counts as no
    EXPECT_EQ(o->m_iCriterioBucle, 3);
    // Out-of-range indices give the default slot.
    EXPECT_EQ(banco.GetRanuraSonido(-1), banco.GetRanuraSonido(0));
    EXPECT_EQ(banco.GetRanuraSonido(512), banco.GetRanuraSonido(0));
    EXPECT_STREQ(banco.GetRanuraSonido(0)->m_szNombre, motor::sonido::ESTANDAR);
    EXPECT_STREQ(banco.GetRanuraSonido(0)->m_pBucle[0]->m_szFichero, motor::muestra::RANURA_SONIDO_NO_EXISTE);
    // The samples were registered, not loaded; the bank owns them.
    EXPECT_EQ(d->m_pEntrada[0]->m_pBuffer, nullptr);
    EXPECT_EQ(d->m_pEntrada[0]->m_iMaxInstancias, 3);
    EXPECT_EQ(d->m_pEntrada[0]->m_iPropietarios, 1);
    banco.Libera();
    g_pSistemaSonido->DescargaMuestrasSinUso();
    EXPECT_EQ(g_pSistemaSonido->NumMuestras(), 0);
}

TEST(BancoRanuras, MusicRecordsAndDefaults)
{
    EntornoSonido e("banco_musica");
    ASSERT_TRUE(e.Correcto());
    std::string f = std::string(kMusicaMinima) +
                    "RanuraMusica = ;\nranuramusica_ver = 1;\nranuramusica_nombre = \"MINUS\";\n"
                    "ranuramusica_pieza = \"a.ogg\";\nranuramusica_pieza = \"b.ogg\";\n"
                    "ranuramusica_modo_reproduccion = 1;\nranuramusica_volumen = 0.5;\nranuramusica_peso = 2;\n"
                    "ranuramusica_fin = ;\n"
                    // Refused: no pieces to play.
                    "RANURAMUSICA = ;\nRANURAMUSICA_VER = 1;\nRANURAMUSICA_NOMBRE = \"VACIA\";\nRANURAMUSICA_FIN = ;\n"
                    // Refused: wrong version; its start is kept but no name finds it.
                    "RANURAMUSICA = ;\nRANURAMUSICA_VER = 2;\nRANURAMUSICA_NOMBRE = \"V2\";\n"
                    "RANURAMUSICA_PIEZA = \"x.ogg\";\nRANURAMUSICA_FIN = ;\n" +
                    kMusicaMinima;
    e.Escribe("M.crm", f);
    e.Escribe("S.crs", kSonidoMinimo);
    CBancoRanuras banco;
    ASSERT_TRUE(banco.Carga("M.crm", "S.crs"));
    EXPECT_EQ(banco.NumRanurasMusica(), 6);
    EXPECT_EQ(banco.BuscaRanuraMusica("minus"), 2);
    CRanuraMusica* m = banco.GetRanuraMusica(2);
    EXPECT_EQ(m->m_iNumPiezas, 2);
    EXPECT_EQ(m->m_iModo, 1);
    EXPECT_FLOAT_EQ(m->m_fVolumen, 0.5f);
    EXPECT_FLOAT_EQ(m->m_fPeso, 2.0f);
    EXPECT_EQ(banco.BuscaRanuraMusica("VACIA"), 0);
    EXPECT_EQ(banco.GetRanuraMusica(3)->m_iNumPiezas, 0);
    EXPECT_EQ(banco.BuscaRanuraMusica("V2"), 0);
    EXPECT_EQ(banco.BuscaRanuraMusica("M"), 1);
    // An empty or unknown name gives the default with its three pieces.
    for (const char* nombre : {"", "NADA", motor::musica::ESTANDAR}) {
        CRanuraMusica* d = banco.GetRanuraMusicaPorNombre(nombre);
        EXPECT_EQ(d, banco.GetRanuraMusica(0)) << nombre;
        EXPECT_EQ(d->m_iNumPiezas, 3);
        EXPECT_STREQ(d->m_szPiezas[2], motor::pieza::ESTANDAR_D);
    }
    EXPECT_EQ(banco.GetRanuraMusica(256), banco.GetRanuraMusica(0));
    // A piece whose name does not fit is refused, not cut short.
    CRanuraMusica r;
    const std::string largo(CRanuraMusica::LONG_PIEZA, 'p');
    EXPECT_FALSE(r.AgregaPieza(largo.c_str()));
    EXPECT_EQ(r.m_iNumPiezas, 0);
    EXPECT_TRUE(r.AgregaPieza(largo.substr(1).c_str()));
    EXPECT_EQ(std::strlen(r.m_szPiezas[0]), size_t(CRanuraMusica::LONG_PIEZA - 1));
}

TEST(BancoRanuras, LoadFailures)
{
    EntornoSonido e("banco_fallos");
    ASSERT_TRUE(e.Correcto());
    e.Escribe("M.crm", kMusicaMinima);
    e.Escribe("S.crs", kSonidoMinimo);
    // The record's start line needs its "= ;": bare, the reader keeps no name
    // and the file holds no record.
    e.Escribe("Desnudo.crs", "RANURASONIDO;\nRANURASONIDO_VER = 1;\nRANURASONIDO_NOMBRE = \"S\";\nRANURASONIDO_FIN;\n");
    e.Escribe("UltimoMalo.crs", std::string(kSonidoMinimo) + "RANURASONIDO = ;\nRANURASONIDO_VER = 0;\n");
    e.Escribe("SinVersion.crm", "RANURAMUSICA = ;\nRANURAMUSICA_NOMBRE = \"M\";\nRANURAMUSICA_FIN = ;\n");
    e.Escribe("SinFin.crs", "RANURASONIDO = ;\nRANURASONIDO_VER = 1;\nRANURASONIDO_NOMBRE = \"S\";\n");
    // A failure names the file that could not be read (start-up reports it).
    struct Caso {
        const char* musica;
        const char* sonido;
        bool carga;
        const char* ilegible;
    } casos[] = {
        {"M.crm", "S.crs", true, ""},
        {"NoEsta.crm", "S.crs", false, "NoEsta.crm"},
        {"M.crm", "NoEsta.crs", false, "NoEsta.crs"},
        {"M.crm", "Desnudo.crs", false, "Desnudo.crs"},
        {"M.crm", "UltimoMalo.crs", false, "UltimoMalo.crs"},
        {"SinVersion.crm", "S.crs", false, "SinVersion.crm"},
        {"M.crm", "SinFin.crs", true, ""}, // the end of the file closes the record
    };
    for (const Caso& c : casos) {
        CBancoRanuras banco;
        EXPECT_EQ(banco.Carga(c.musica, c.sonido), c.carga) << c.musica << " " << c.sonido;
        EXPECT_EQ(banco.EstaCargado(), c.carga);
        EXPECT_EQ(banco.FicheroIlegible(), c.ilegible);
        if (!c.carga) {
            EXPECT_EQ(banco.NumRanurasSonido(), 0);
        }
    }
}

TEST(BancoRanuras, HoldsAtMost512SoundSlots)
{
    EntornoSonido e("banco_lleno");
    ASSERT_TRUE(e.Correcto());
    std::string f;
    for (int i = 0; i < 600; ++i) f += RegistroSonido("RANURASONIDO_NOMBRE = \"S" + std::to_string(i) + "\";\n");
    e.Escribe("M.crm", kMusicaMinima);
    e.Escribe("S.crs", f);
    CBancoRanuras banco;
    ASSERT_TRUE(banco.Carga("M.crm", "S.crs"));
    EXPECT_EQ(banco.NumRanurasSonido(), 512);
    EXPECT_EQ(banco.BuscaRanuraSonido("S510"), 511);
    EXPECT_EQ(banco.BuscaRanuraSonido("S511"), 0);
}

// The demo data: both slot files load from the archive, every sample of
// every sound slot decodes and every piece of every music slot streams.
// (Which slots must exist is the content audit's to check.)
TEST(BancoRanuras, DemoDataLoads)
{
    mgtest::ServeisFitxers servicios;
    ASSERT_TRUE(servicios.Correcte());
    plat::UseManualAudio(true);
    g_pSistemaSonido = new CSistemaSonido;
    ASSERT_TRUE(g_pSistemaSonido->Inicia(1.0f, 1.0f));
    {
        CBancoRanuras banco;
        ASSERT_TRUE(banco.Carga(motor::fichero::CONFIG_MUSICA, motor::fichero::CONFIG_SONIDO));
        EXPECT_GT(banco.NumRanurasMusica(), 1);
        ASSERT_GT(banco.NumRanurasSonido(), 1);
        for (int s = 0; s < banco.NumRanurasSonido(); ++s) {
            CRanuraSonido* r = banco.GetRanuraSonido(s);
            const std::pair<CMuestraSonido**, int> listas[3] = {
                {r->m_pEntrada, r->m_iNumEntrada}, {r->m_pBucle, r->m_iNumBucle}, {r->m_pSalida, r->m_iNumSalida}};
            for (const auto& [muestras, n] : listas)
                for (int k = 0; k < n; ++k)
                    EXPECT_GE(g_pSistemaSonido->TocaMuestra(muestras[k], 1.0f), 0) << muestras[k]->m_szFichero;
        }
        for (int m = 0; m < banco.NumRanurasMusica(); ++m) {
            CRanuraMusica* r = banco.GetRanuraMusica(m);
            for (int p = 0; p < r->m_iNumPiezas; ++p) {
                CFlujoOgg* f = g_pSistemaSonido->AbreFlujo(r->m_szPiezas[p], 1.0f, 128);
                ASSERT_NE(f, nullptr) << r->m_szPiezas[p];
                EXPECT_EQ(f->m_Formato.rate, 44100);
                // Whole quarters of a second: the streamer's halves end where
                // the music does, so a loop loses nothing.
                EXPECT_EQ(ov_pcm_total(f->m_pVorbis, -1) % 11025, 0) << r->m_szPiezas[p];
                g_pSistemaSonido->CierraFlujo(f);
            }
        }
    }
    delete g_pSistemaSonido;
    g_pSistemaSonido = nullptr;
    plat::UseManualAudio(false);
}

} // namespace
