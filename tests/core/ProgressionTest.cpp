// The progress panel and the file check.
#include "core/Progression.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

TEST(Progression, ShowsFillsAndHidesThePanel)
{
    ModeleNeuf();
    int repeints = 0;
    K.StatusBar.Repeint = [&] { ++repeints; };
    const QString m = QStringLiteral("Création du fichier d'arcs...");
    AfficheProgression(10, 1, m);
    EXPECT_TRUE(K.StatusBar.ProgressionVisible);
    EXPECT_EQ(K.StatusBar.ProgressionPourcent, 0);
    EXPECT_EQ(K.StatusBar.Panneaux[5], m);
    AfficheProgression(10, 5, m);
    EXPECT_EQ(K.StatusBar.ProgressionPourcent, 50);
    AfficheProgression(10, 10, m);
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
    EXPECT_TRUE(K.StatusBar.Panneaux[5].isEmpty());
    EXPECT_EQ(K.StatusBar.ProgressionPourcent, 100);
    AfficheProgression(1, 1, m); // the single item's call is also the start
    EXPECT_TRUE(K.StatusBar.ProgressionVisible);
    AfficheProgression(0, 0, m);
    EXPECT_TRUE(K.StatusBar.ProgressionVisible);
    EXPECT_EQ(K.StatusBar.ProgressionPourcent, 0);

    // A loop reporting every item repaints only when the percentage moves.
    repeints = 0;
    for (int i = 1; i <= 100000; ++i)
        AfficheProgression(100000, i, m);
    EXPECT_LE(repeints, 102);
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST(FichierExiste, FilesFoldersAndTheirMessages)
{
    RepondeurScripte ui;
    QTemporaryDir dir;
    const QString fichier = EcritFichier(dir, QStringLiteral("f.dat"), "x");
    QDir(dir.path()).mkdir(QStringLiteral("vide"));
    QDir(dir.path()).mkdir(QStringLiteral("plein"));
    EcritFichier(dir, QStringLiteral("plein/g.dat"), "y");
    EcritFichier(dir, QStringLiteral(".cache"), "z");

    EXPECT_TRUE(FichierExiste(fichier));
    EXPECT_TRUE(ui.appels().empty());
    const QString absent = dir.filePath(QStringLiteral("absent.dat"));
    EXPECT_FALSE(FichierExiste(absent));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], QStringLiteral("Ce fichier ou répertoire n'existe pas : ") + absent);
    EXPECT_EQ(ui.appels()[0].icone, Icone::Exclamation);
    EXPECT_TRUE(ui.appels()[0].titre.isEmpty());

    EXPECT_FALSE(FichierExiste(dir.filePath(QStringLiteral("plein"))));       // a folder without a final separator
    EXPECT_TRUE(FichierExiste(dir.filePath(QStringLiteral("plein")) + "/"));  // a folder holding a file
    EXPECT_TRUE(FichierExiste(dir.filePath(QStringLiteral("plein")) + "\\")); // written the Windows way
    EXPECT_FALSE(FichierExiste(dir.filePath(QStringLiteral("vide")) + "/"));
    EXPECT_FALSE(FichierExiste(dir.filePath(QStringLiteral(".cache"))));      // hidden
    EXPECT_TRUE(FichierExiste(dir.filePath(QStringLiteral("*.dat"))));
    EXPECT_TRUE(FichierExiste(dir.filePath(QStringLiteral("F.DAT"))));        // a name copied from Windows
    EXPECT_EQ(ui.messages().size(), 4u);
}
