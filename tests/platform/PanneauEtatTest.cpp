// A status panel too narrow for its path cuts it in the middle, keeping the
// count and the file name, and gives the whole text as its tool tip.
#include "platform/formes/PanneauEtat.h"

#include <gtest/gtest.h>

using namespace kelmo;

TEST(PanneauEtat, ALongPathIsCutInTheMiddleAndWholeInTheToolTip)
{
    const QString chemin = QStringLiteral("/home/utilisateur/projets/transport/etude-2024/region-centre/data/"
                                          "noeuds/n157eu.dat");
    const QString texte = QStringLiteral("6000 noeuds (") + chemin + QStringLiteral(")  ");
    PanneauEtat p(QStringLiteral("Les noeuds du graphe"), QStringLiteral("Les noeuds du graphe"));
    p.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    EXPECT_EQ(p.toolTip(), QStringLiteral("Les noeuds du graphe"));
    p.DefinitTexte(texte);
    EXPECT_EQ(p.text(), texte);
    EXPECT_EQ(p.toolTip(), QStringLiteral("6000 noeuds (") + chemin + QStringLiteral(")"));

    struct Cas {
        int largeur;
        bool coupe;
    } cas[] = {{3000, false}, {400, true}, {260, true}};
    for (const Cas& c : cas) {
        p.resize(c.largeur, 24);
        const QString affiche = p.TexteAffiche();
        if (!c.coupe) {
            EXPECT_EQ(affiche, texte) << c.largeur;
            continue;
        }
        EXPECT_TRUE(affiche.contains(QChar(0x2026))) << c.largeur;
        EXPECT_TRUE(affiche.startsWith(QStringLiteral("6000 noeuds (/"))) << affiche.toStdString();
        EXPECT_TRUE(affiche.endsWith(QStringLiteral("n157eu.dat)  "))) << affiche.toStdString();
        EXPECT_LE(p.fontMetrics().horizontalAdvance(affiche), c.largeur) << c.largeur;
    }

    // Emptied, the panel says again what it is for.
    p.DefinitTexte(QString());
    EXPECT_EQ(p.toolTip(), QStringLiteral("Les noeuds du graphe"));
}
