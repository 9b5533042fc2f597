// The host of a dialogue: it hands its player the step, the drawing and the
// input, stops stepping a finished player but keeps drawing it until its
// opener removes it, and owns only the players it made.
#include "engine/core/CatalogoMotor.h"
#include "engine/core/GestorFLIs.h"
#include "engine/sequences/JapSecuenciador.h"
#include "engine/sequences/Secuencia.h"
#include "engine/ui/MenuJapSecuencia.h"
#include "kit/ServeisFitxers.h"
#include "ui/TextoEntorno.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// A player that counts its steps and draws.
class CContado : public CJapSecuenciador {
public:
    void Actualiza() override
    {
        ++m_iPasos;
        CJapSecuenciador::Actualiza();
    }
    void Dibuja(Sprite* pDestino) override
    {
        ++m_iDibujos;
        CJapSecuenciador::Dibuja(pDestino);
    }
    int m_iPasos = 0, m_iDibujos = 0;
};

class MenuJapSecuencia : public uitest::EntornoTexto {
protected:
    void SetUp() override
    {
        EntornoTexto::SetUp();
        if (HasFatalFailure()) return;
        m_carpeta = mgtest::CarpetaNova("hostjap-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        m_config.m_sFicheroCaja = AtlasDePaquete(motor::paquete::CUADRO_BLANCO);
        m_config.m_fTextoX = 150;
        m_config.m_fTextoY = 542;
        m_config.m_fCajaX = 0;
        m_config.m_fCajaY = 512;
        m_config.m_fAnchoAjuste = 724;
        m_config.m_fAltoVisible = 195;
        m_config.m_iFontMedida = uitest::kFuenteTexto;
        // A code no text of the game's tables takes (the scenes' start with Q).
        g_GestorFLIs.AnadeTexto(2, "ZQ91", "<SECUENCIA=1,0,0,0>hi");
        Escribe("bucle.sec", "LOOP = 20; OBJETOEXTREMO = 0;");
        m_sGuion = Escribe("guion.txt", "JAPTXTSECUENCIA = 1, \"" + (m_carpeta / "bucle.sec").string() +
                                            "\", 0; JAPTXTLINE = \"NONE\", \"ZQ91\", 1; FIN = 4;");
    }
    void TearDown() override
    {
        if (m_host.Padre()) Raiz()->QuitaHijo(false, &m_host);
        m_arbol->Pasos(2);
        EntornoTexto::TearDown();
    }
    std::string Escribe(const std::string& nombre, const std::string& contenido)
    {
        mgtest::EscriuFitxer(m_carpeta / nombre, contenido);
        return (m_carpeta / nombre).string();
    }
    void Abre()
    {
        Raiz()->AnadeHijo(true, &m_host, false, false);
        m_arbol->Pasos(1);
        ASSERT_EQ(m_host.Padre(), Raiz());
    }

    std::filesystem::path m_carpeta;
    ConfigSecuenciador m_config;
    std::string m_sGuion;
    CMenuJapSecuencia m_host;
};

} // namespace

TEST_F(MenuJapSecuencia, PlaysItsDialogueAndKeepsDrawingItOnceFinished)
{
    ASSERT_TRUE(m_host.Crea(m_sGuion.c_str(), &m_config, uitest::kFuenteTexto));
    EXPECT_STREQ(m_host.Nombre(), "GEN_MenuJapSecuencia");
    EXPECT_TRUE(m_host.EsExclusivo() && m_host.EsModal() && m_host.UsaTransicion());
    Abre();
    CJapSecuenciador* s = m_host.Secuenciador();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->RecursosCargados());
    m_arbol->Pasos(4);
    EXPECT_EQ(s->TextoEscrito(), "hi");
    EXPECT_EQ(m_host.GetResultado(), -1);
    // A click through the tree reaches the player and the script ends.
    m_arbol->Clic(500, 600);
    m_arbol->Pasos(2);
    EXPECT_EQ(m_host.GetResultado(), 4);
    // The shown sequence is no longer stepped once the script has ended.
    const int crono = s->Mostradas()[0]->m_pSecuencia->Crono();
    m_arbol->Pasos(3);
    EXPECT_EQ(s->Mostradas()[0]->m_pSecuencia->Crono(), crono);
    Raiz()->QuitaHijo(false, &m_host);
    m_arbol->Pasos(2);
    EXPECT_EQ(m_host.Padre(), nullptr);
    EXPECT_FALSE(s->RecursosCargados());

    // Finished, a lent player is drawn every frame but no longer stepped, and
    // the host stays until its opener removes it.
    CContado contado;
    ASSERT_TRUE(contado.Carga(m_sGuion.c_str(), &m_config, uitest::kFuenteTexto));
    ASSERT_TRUE(m_host.CreaConSecuenciador(&contado));
    Abre();
    m_arbol->Pasos(4);
    m_arbol->Clic(500, 600);
    m_arbol->Pasos(2);
    ASSERT_EQ(m_host.GetResultado(), 4);
    const int pasos = contado.m_iPasos, dibujos = contado.m_iDibujos;
    m_arbol->Pasos(5);
    EXPECT_EQ(contado.m_iPasos, pasos);
    EXPECT_EQ(contado.m_iDibujos, dibujos + 5);
    EXPECT_EQ(m_host.Padre(), Raiz());
    Raiz()->QuitaHijo(false, &m_host);
    m_arbol->Pasos(2);
    m_host.LiberaSiCreado();
}

TEST_F(MenuJapSecuencia, OwnsOnlyThePlayersItMakes)
{
    // A lent player stays its owner's.
    CJapSecuenciador prestado;
    ASSERT_TRUE(prestado.Carga(m_sGuion.c_str(), &m_config, uitest::kFuenteTexto));
    ASSERT_TRUE(m_host.CreaConSecuenciador(&prestado));
    EXPECT_EQ(m_host.Secuenciador(), &prestado);
    m_host.LiberaSiCreado();
    EXPECT_TRUE(prestado.EstaCargado());
    EXPECT_EQ(m_host.GetResultado(), -1); // no player

    // A script that does not load fails the host, which keeps nothing.
    EXPECT_FALSE(m_host.Crea((m_carpeta / "falta.txt").string().c_str(), &m_config, 0));
    EXPECT_FALSE(m_host.EstaCreado());
    EXPECT_EQ(m_host.Secuenciador(), nullptr);
    EXPECT_FALSE(m_host.Crea(m_sGuion.c_str(), nullptr, 0));
    // Made again over an owned one, the old one goes.
    ASSERT_TRUE(m_host.Crea(m_sGuion.c_str(), &m_config, 0));
    ASSERT_TRUE(m_host.Crea(m_sGuion.c_str(), &m_config, 0));
    EXPECT_TRUE(m_host.Secuenciador()->EstaCargado());
}
