// A status panel too narrow for its path gives up the start of the folders,
// keeping the count and the file name, and shows the whole text as its tool
// tip.
#include "platform/formes/PanneauEtat.h"

#include <gtest/gtest.h>

using namespace kelmo;

TEST(PanneauEtat, ALongPathKeepsTheCountAndTheFileNameAndIsWholeInTheToolTip)
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

    const QString ellipse(QChar(0x2026));
    struct Cas {
        int largeur;
        QString debut, fin; // of the text shown
    } cas[] = {
        {3000, texte, texte},
        {450, QStringLiteral("6000 noeuds (") + ellipse, QStringLiteral("/data/noeuds/n157eu.dat)  ")},
        {250, QStringLiteral("6000 noeuds (") + ellipse, QStringLiteral("/n157eu.dat)  ")},
        // Not even the count and the file name fit: cut in the middle.
        {80, QStringLiteral("6000"), QStringLiteral(")  ")},
    };
    for (const Cas& c : cas) {
        p.resize(c.largeur, 24);
        const QString affiche = p.TexteAffiche();
        EXPECT_TRUE(affiche.startsWith(c.debut)) << c.largeur << ": " << affiche.toStdString();
        EXPECT_TRUE(affiche.endsWith(c.fin)) << c.largeur << ": " << affiche.toStdString();
        EXPECT_LE(p.fontMetrics().horizontalAdvance(affiche), c.largeur) << c.largeur;
    }

    // Emptied, the panel says again what it is for.
    p.DefinitTexte(QString());
    EXPECT_EQ(p.toolTip(), QStringLiteral("Les noeuds du graphe"));
}
