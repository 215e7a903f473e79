// The bundled sample value files read as the program reads them: every
// town of the network has its two values, and the trips read alike as file
// 1 and as file 2 and reach their nodes.
#include "core/FichierNoeuds.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"
#include "values/FichierArcValeur.h"
#include "values/FichierNoeudValeur.h"
#include "values/ValeursParNoeud.h"

#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {
QString donnees(const char* sousChemin) { return QStringLiteral(KELMO_SOURCE_DIR "/data/") + QLatin1String(sousChemin); }
} // namespace

TEST(DonneesExempleValeurs, EveryNodeGetsItsValuesOfBothStates)
{
    ModeleNeuf();
    RepondeurScripte ui;
    LitFichierNoeuds(donnees("noeuds/n157eu.dat"));
    LitFichierNoeudValeur1(donnees("noeudval/stm312.dat"));
    LitFichierNoeudValeur2(donnees("noeudval/stm313.dat"));
    EXPECT_EQ(K.NbValeursNoeuds, K.NbNoeuds);
    CalculeValeursNoeuds(QStringLiteral("Différences absolues"));
    int sansValeur = 0, ameliores = 0;
    for (int i = 1; i <= K.NbNoeuds; ++i) {
        sansValeur += K.ValeursNoeuds[i].IndiceNoeud == 0;
        ameliores += K.ValeursNoeuds[i].Valeur < 0; // the final state reaches the towns sooner
    }
    EXPECT_EQ(sansValeur, 0);
    EXPECT_GT(ameliores, 0);
    EXPECT_TRUE(ui.messages().empty());
}

TEST(DonneesExempleValeurs, TripsReadAlikeAsFileOneAndFileTwo)
{
    ModeleNeuf();
    RepondeurScripte ui;
    LitFichierNoeuds(donnees("noeuds/n157eu.dat"));
    LitFichierArcValeur1(donnees("arcval/3ar1279.dat"));
    LitFichierArcValeur2(donnees("arcval/3ar1279.dat"));
    IndexeArcs1();
    ASSERT_GE(K.NombreArcs1, 200);
    ASSERT_EQ(K.NombreArcs2, K.NombreArcs1);
    for (int i = 1; i <= K.NombreArcs1; ++i) {
        EXPECT_EQ(K.Arcs1[i].Valeur, K.Arcs2[i].Valeur) << i;
        EXPECT_GT(K.Arcs1[i].Valeur, 0.0f) << i;
        EXPECT_GT(K.Arcs1[i].IndiceOrigine, 0) << i;
        EXPECT_GT(K.Arcs1[i].IndiceDestination, 0) << i;
    }
}
