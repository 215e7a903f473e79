// The reports of the status bar: the change of the relief's surface and the
// rescaling after a change of reference speed.
#include "core/Defauts.h"
#include "core/Modele.h"
#include "relief/DessinRelief.h"
#include "relief/LiensCarte.h"
#include "relief/VitesseMaximale.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>

using namespace kelmo;

namespace {

TEST(RapportsReliefTest, ContractionReportWithBothSeparators)
{
    struct Cas {
        double t, t0;
        char separateur;
        const char* texte;
    } cas[] = {
        {2500, 0, '.', "L'espace s'est contracté de 100.00 % / Nouvelle surface totale du relief : 2500.00"},
        {1250, 1000, ',', "L'espace s'est contracté de 25,00 % / Nouvelle surface totale du relief : 1250,00"},
        {750, 1000, '.', "L'espace s'est dilaté de 25.00 % / Nouvelle surface totale du relief : 750.00"},
        {10.005, 10.005, ',', "Pas de contraction de l'espace. / Nouvelle surface totale du relief : 10,01"},
        {0, 0, '.', "L'espace s'est contracté de 100.00 % / Nouvelle surface totale du relief : 0.00"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(RapportContraction(c.t, c.t0, c.separateur), QString::fromUtf8(c.texte));
}

TEST(RapportsReliefTest, RescalingReportWritesSpeedsWithTheirLeadingBlank)
{
    EXPECT_EQ(RapportVitesseMaximale(220, 110, 3, 1.5, ','),
              QStringLiteral("L'ancienne vitesse maximale : 220 / La nouvelle : 110 / L'espace va se dilater de 50,00 %"));
    EXPECT_EQ(RapportVitesseMaximale(110, 220, 2, 4, '.'),
              QStringLiteral("L'ancienne vitesse maximale : 110 / La nouvelle : 220 / L'espace va se contracter de 100.00 %"));
    EXPECT_EQ(RapportVitesseMaximale(70, 70, 2, 2, '.'),
              QStringLiteral("L'ancienne vitesse maximale : 70 / La nouvelle : 70 / Pas de contraction de l'espace"));
}

class VitesseMaximaleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ModeleNeuf();
        DefinitValeursParDefaut();
        for (int i = 0; i < 10; ++i)
            test::Noeud_(QStringLiteral("N"), i + 1, 0, 100.0f * i, 50.0f * i);
        K.Echelle = 2;
        LiensVersCarte().DessineNoeuds = [this](bool symboles, bool noms) {
            dessins.push_back({symboles, noms});
        };
    }
    std::vector<std::pair<bool, bool>> dessins;
};

TEST_F(VitesseMaximaleTest, TheScaleFollowsTheRatioOfSpeedsExactly)
{
    struct Cas {
        double ancienne, nouvelle, echelle;
        const char* fin;
    } cas[] = {
        {220, 110, 1, "L'espace va se dilater de 50.00 %"},
        {110, 220, 4, "L'espace va se contracter de 100.00 %"},
        {70, 70, 2, "Pas de contraction de l'espace"},
        {0, 220, 2, "Pas de contraction de l'espace"},   // no old speed: the scale stays
        {220, 0, 2, "Pas de contraction de l'espace"},
    };
    for (const Cas& c : cas) {
        K.Echelle = 2;
        K.VitesseReference = c.nouvelle;
        RecalculeVitesseMaximale(c.ancienne);
        EXPECT_EQ(K.Echelle, c.echelle) << c.ancienne << " " << c.nouvelle;
        EXPECT_TRUE(K.StatusBar.Panneaux[5].endsWith(QString::fromUtf8(c.fin))) << K.StatusBar.Panneaux[5].toStdString();
        // the nodes are re-projected at the new scale
        EXPECT_EQ(K.Noeuds[3].XEcran, static_cast<float>(200 / c.echelle + K.OrigineX));
    }
    EXPECT_EQ(dessins.size(), 5u);
    EXPECT_EQ(dessins[0], std::make_pair(true, false));
}

TEST_F(VitesseMaximaleTest, AScaleTheProjectionResetsIsTheOneReportedFrom)
{
    K.Echelle = 150; // beyond 100: the projection takes 1 first
    K.VitesseReference = 110;
    RecalculeVitesseMaximale(220);
    EXPECT_EQ(K.Echelle, 0.5);
    EXPECT_TRUE(K.StatusBar.Panneaux[5].endsWith(QStringLiteral("L'espace va se dilater de 50.00 %")));
    K.Echelle = 60;
    K.VitesseReference = 440;
    RecalculeVitesseMaximale(220); // 120 is reset to 1 by the projection that follows
    EXPECT_EQ(K.Echelle, 1);
    EXPECT_TRUE(K.StatusBar.Panneaux[5].endsWith(QStringLiteral("L'espace va se dilater de 98.33 %")));
}

} // namespace
