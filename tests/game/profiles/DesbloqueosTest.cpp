#include "PerfilPrueba.h"

using Desbloqueos = PerfilPrueba;

TEST_F(Desbloqueos, FreshProfileLists)
{
    RegistroPerfil& p = Perfil();
    EXPECT_EQ(p.m_ListaBloqueados.m_iNumElementos, 266);
    EXPECT_EQ(Nombres(p.m_ListaNovedades), std::vector<std::string>{"MPrin_ModoHistoria"});
    EXPECT_TRUE(p.m_ListaRecienDesbloqueados.EstaVacia());
    EXPECT_FALSE(p.EstaDesbloqueado("BoxDif_3"));
    EXPECT_TRUE(p.EstaDesbloqueado("BoxDif_0"));
    EXPECT_TRUE(p.EstaDesbloqueado("MPrin_ModoHistoria"));
    EXPECT_FALSE(p.EstaDesbloqueado("Tuto01"));
    // Names are compared exactly: another case is another (unlocked) name.
    EXPECT_TRUE(p.EstaDesbloqueado("boxdif_3"));
    EXPECT_TRUE(p.TieneNovedades("MPrin_ModoHistoria"));
    EXPECT_FALSE(p.TieneNovedades("mprin_modohistoria"));
}

TEST_F(Desbloqueos, UnlockCascadesToLockedParents)
{
    RegistroPerfil& p = Perfil();
    p.m_bModificado = 0;
    gestor.Desbloquea("MGalSello_3", false);
    EXPECT_TRUE(p.m_bModificado);
    for (const char* n : {"MGalSello_3", "MCofre_Sellos", "MPrin_BotonCofreTesoro"}) {
        SCOPED_TRACE(n);
        EXPECT_TRUE(p.EstaDesbloqueado(n));
        EXPECT_TRUE(p.EsRecienDesbloqueado(n));
        EXPECT_TRUE(p.TieneNovedades(n));
    }
    EXPECT_EQ(p.m_ListaBloqueados.m_iNumElementos, 263);
    EXPECT_EQ(Nombres(p.m_ListaRecienDesbloqueados),
              (std::vector<std::string>{"MPrin_BotonCofreTesoro", "MCofre_Sellos", "MGalSello_3"}));

    // A second unlock of an open name changes nothing.
    const auto novedades = Nombres(p.m_ListaNovedades);
    p.m_bModificado = 0;
    gestor.Desbloquea("MGalSello_3", false);
    EXPECT_EQ(Nombres(p.m_ListaNovedades), novedades);
    EXPECT_FALSE(p.m_bModificado);

    // Forced, it gives news again only to names that lost it.
    p.QuitaNovedades("MCofre_Sellos");
    p.QuitaNovedades("MGalSello_3");
    gestor.Desbloquea("MGalSello_3", true);
    EXPECT_TRUE(p.TieneNovedades("MCofre_Sellos"));
    EXPECT_TRUE(p.TieneNovedades("MGalSello_3"));
    EXPECT_EQ(p.m_ListaNovedades.m_iNumElementos, novedades.size());
    EXPECT_EQ(p.m_ListaRecienDesbloqueados.m_iNumElementos, 3);
}

TEST_F(Desbloqueos, NewSiblingGivesNewsToParentsAgain)
{
    RegistroPerfil& p = Perfil();
    gestor.Desbloquea("MGalSello_3", false);
    // The player looked at the chest.
    for (const char* n : {"MGalSello_3", "MCofre_Sellos", "MPrin_BotonCofreTesoro"}) {
        p.QuitaNovedades(n);
        p.QuitaRecienDesbloqueado(n);
    }
    gestor.Desbloquea("MGalSello_4", false);
    EXPECT_TRUE(p.TieneNovedades("MCofre_Sellos"));
    EXPECT_TRUE(p.TieneNovedades("MPrin_BotonCofreTesoro"));
    EXPECT_FALSE(p.TieneNovedades("MGalSello_3"));
    // Open parents are not newly unlocked a second time.
    EXPECT_FALSE(p.EsRecienDesbloqueado("MCofre_Sellos"));
    EXPECT_TRUE(p.EsRecienDesbloqueado("MGalSello_4"));
}

TEST_F(Desbloqueos, NameOutsideTableHasNoParent)
{
    RegistroPerfil& p = Perfil();
    // Not locked, so already open: nothing unless forced.
    gestor.Desbloquea("Cualquiera", false);
    EXPECT_FALSE(p.TieneNovedades("Cualquiera"));
    gestor.Desbloquea("Cualquiera", true);
    EXPECT_TRUE(p.TieneNovedades("Cualquiera"));
    EXPECT_FALSE(p.EsRecienDesbloqueado("Cualquiera"));
    EXPECT_EQ(p.m_ListaNovedades.m_iNumElementos, 2);

    // Locked (as a saved file may hold it): unlocked into both lists.
    char* copia = new char[8];
    std::strcpy(copia, "Otro_1");
    p.m_ListaBloqueados.InsertaAlPrincipio(copia);
    gestor.Desbloquea("Otro_1", false);
    EXPECT_TRUE(p.EstaDesbloqueado("Otro_1"));
    EXPECT_TRUE(p.EsRecienDesbloqueado("Otro_1"));
    EXPECT_EQ(p.m_ListaNovedades.m_iNumElementos, 3);
    EXPECT_EQ(p.m_ListaBloqueados.m_iNumElementos, 266);

    // Case matters: "mgalsello_3" is not the table's name, so nothing cascades.
    gestor.Desbloquea("mgalsello_3", true);
    EXPECT_FALSE(p.EstaDesbloqueado("MGalSello_3"));
    EXPECT_FALSE(p.TieneNovedades("MCofre_Sellos"));
}

TEST_F(Desbloqueos, DirectMarkSkipsCascadeAndClearsOnlyWhenPresent)
{
    RegistroPerfil& p = Perfil();
    p.MarcaDesbloqueado("MTrofeo_5");
    EXPECT_TRUE(p.EstaDesbloqueado("MTrofeo_5"));
    EXPECT_FALSE(p.EstaDesbloqueado("MCofre_Trofeos"));
    p.m_bModificado = 0;
    p.QuitaNovedades("NoEsta");
    p.QuitaRecienDesbloqueado("NoEsta");
    EXPECT_FALSE(p.m_bModificado);
    p.QuitaRecienDesbloqueado("MTrofeo_5");
    EXPECT_TRUE(p.m_bModificado);
    EXPECT_FALSE(p.EsRecienDesbloqueado("MTrofeo_5"));
}

TEST_F(Desbloqueos, DuplicateLockedEntriesAllGo)
{
    RegistroPerfil& p = Perfil();
    char* copia = new char[10];
    std::strcpy(copia, "BoxDif_3");
    p.m_ListaBloqueados.InsertaAlFinal(copia);
    gestor.Desbloquea("BoxDif_3", false);
    EXPECT_TRUE(p.EstaDesbloqueado("BoxDif_3"));
}

TEST_F(Desbloqueos, NoCurrentProfileDoesNothing)
{
    perfiles.m_iPerfilActual = -1;
    EXPECT_EQ(perfiles.PerfilActual(), nullptr);
    gestor.Desbloquea("MGalSello_3", false);
    perfiles.m_iPerfilActual = 0;
    EXPECT_FALSE(Perfil().EstaDesbloqueado("MGalSello_3"));
    RegistraPerfilesJuego(nullptr);
    gestor.Desbloquea("MGalSello_3", false);
    EXPECT_FALSE(Perfil().EstaDesbloqueado("MGalSello_3"));
}

TEST(RegistroJuego, OwnersWithdrawTheirRegistrationWhenDeleted)
{
    {
        CPerfiles perfiles;
        CGestorDesbloqueos gestor;
        RegistraPerfilesJuego(&perfiles);
        RegistraGestorDesbloqueos(&gestor);
        EXPECT_EQ(PerfilActualJuego(), &perfiles.m_aPerfiles[0]);
        EXPECT_EQ(GestorDesbloqueosJuego(), &gestor);
    }
    EXPECT_EQ(PerfilesJuego(), nullptr);
    EXPECT_EQ(PerfilActualJuego(), nullptr);
    EXPECT_EQ(GestorDesbloqueosJuego(), nullptr);
}
