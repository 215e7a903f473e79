// Checking the durations of each link's services against the link's mean.
#include "OutilsHoraires.h"
#include "timetables/DetectionErreurs.h"
#include "timetables/EtatHoraires.h"

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

class DetectionErreurs : public HorairesTest {
protected:
    void SetUp() override
    {
        HorairesTest::SetUp();
        a = noeud("Arles");
        b = noeud("Beaucaire");
        c = noeud("Cavaillon");
        // Every service takes 20 minutes by its times; the durations stored
        // differ: 26 and 14 are 6 minutes off, 25 only 5.
        service(a, b, 900, 920, -1, 14);
        service(a, b, 600, 620, -1, 20);
        service(a, b, 700, 720, -1, 26);
        service(a, b, 800, 820, -1, 25);
        service(b, c, 600, 660, -1, 60, 0);
        service(a, c, 600, 620, TypeTGV().Code, 90); // another link type: not checked
        IndexeArcs();
        liaison(b, c);
    }
    QString question(const char* ecart) const
    {
        const QChar cr(13);
        return QStringLiteral("Voulez-vous sortir de la procédure de vérification") + cr
               + QStringLiteral("pour modifier cet horaire ?") + cr + QStringLiteral("Ecart de ")
               + QString::fromLatin1(ecart) + QStringLiteral(" minutes");
    }
    int a = 0, b = 0, c = 0;
};

TEST_F(DetectionErreurs, ReportsFarDurationsInListOrderWithTheGapAtItsThreshold)
{
    ui.RepondTexte(QStringLiteral(" 1.2"));
    ui.RepondTexte(QStringLiteral(" 1.2"));
    ui.RepondTexte(QStringLiteral(" 5"));
    ui.Repond(Reponse::Non);
    ui.Repond(Reponse::Non);
    DetecteErreursHoraires();
    const auto& appels = ui.appels();
    ASSERT_EQ(appels.size(), 5u);
    EXPECT_EQ(appels[0].texte, QStringLiteral("Indiquez la marge supérieure de tolérance (par défaut 20%) :"));
    EXPECT_EQ(appels[0].titre, QStringLiteral("Paramètres de vérification"));
    EXPECT_EQ(appels[1].texte, QStringLiteral("Indiquez la marge inférieure de tolérance (par défaut 20%) :"));
    EXPECT_EQ(appels[2].texte, QStringLiteral("Indiquez l'écart maximum toléré en minutes :"));
    EXPECT_EQ(appels[3].texte, question("6"));
    EXPECT_EQ(appels[3].titre, QStringLiteral("Erreur d'horaire"));
    EXPECT_EQ(appels[3].boutons, Boutons::OuiNon);
    EXPECT_EQ(appels[4].texte, question("6"));
    // At the end the window shows the last link checked.
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable1.ListIndex, b);
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST_F(DetectionErreurs, YesLeavesTheWindowOnTheLinkWithTheLineChosen)
{
    ui.RepondTexte(QStringLiteral(" 1.2"));
    ui.RepondTexte(QStringLiteral(" 1.2"));
    ui.RepondTexte(QStringLiteral(" 5"));
    ui.Repond(Reponse::Oui);
    DetecteErreursHoraires();
    EXPECT_EQ(ui.appels().size(), 4u);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable1.ListIndex, a);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable2.ListIndex, b);
    const ListeServices& h = K.Formes.HorairesArcs.ListeHoraires;
    ASSERT_EQ(h.ListIndex, 1);
    EXPECT_EQ(h.Lignes[1].Cle.HeureDepart, 700);
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST_F(DetectionErreurs, MarginsAnsweredZeroTextOrCancelKeepTheirValues)
{
    ui.RepondTexte(QStringLiteral("0"));
    ui.RepondTexte(QStringLiteral("abc"));
    ui.RepondTexte(std::nullopt);
    ui.Repond(Reponse::Non);
    ui.Repond(Reponse::Non);
    DetecteErreursHoraires();
    EXPECT_DOUBLE_EQ(Horaires().MargeSuperieure, 1.2);
    EXPECT_DOUBLE_EQ(Horaires().MargeInferieure, 1.2);
    EXPECT_DOUBLE_EQ(Horaires().EcartMaximum, 5);
    EXPECT_EQ(ui.appels().size(), 5u); // the same two reports: no division by zero
    EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Paramètres de vérification"));
    // The next run asks with the values kept.
    ui.efface();
    ui.RepondTexte(QStringLiteral("2"));
    ui.RepondTexte(QStringLiteral("-1"));
    ui.RepondTexte(QStringLiteral("10"));
    DetecteErreursHoraires();
    EXPECT_EQ(ui.appels()[0].texte.isEmpty(), false);
    EXPECT_DOUBLE_EQ(Horaires().MargeSuperieure, 2);
    EXPECT_DOUBLE_EQ(Horaires().MargeInferieure, 1.2);
    EXPECT_DOUBLE_EQ(Horaires().EcartMaximum, 10);
    EXPECT_EQ(ui.appels().size(), 3u);
}

} // namespace
