// The relief menu commands and the handlers of the relief options and cost
// dialogs, headless.
#include "core/Defauts.h"
#include "core/Images.h"
#include "core/Menus.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/RepondeurScripte.h"
#include "relief/CommandesRelief.h"
#include "relief/CoutsGeneralises.h"
#include "relief/LiensCarte.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>

using namespace kelmo;

namespace {

class CommandesReliefTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ModeleNeuf();
        DefinitValeursParDefaut();
        InitialiseEtatsMenus();
        DefinitDefautsOptionsRelief();
        DefinitDefautsCouts();
        InitialiseCouts();
        K.VitesseReference = 220;
        K.Echelle = 2;
        installeLiens();
    }
    void installeLiens()
    {
        LiensVersCarte().RedessineCarte = [this] { ++redessins; };
        // The modal options answer with what the test ticks, then OK or cancel.
        FenetresRelief().Montre = [this](FenetreRelief f, bool) {
            montrees.push_back(f);
            if (f == FenetreRelief::OptionsRelief) {
                if (coche)
                    coche(K.Formes.OptionsRelief);
                annule ? OptionsRelief_Command3D2_Click() : OptionsRelief_Command3D1_Click();
            }
        };
    }
    void choisit(std::function<void(ModeleOptionsRelief&)> c, bool annuler = false)
    {
        coche = std::move(c);
        annule = annuler;
        Kelmo_menOptionsRelief_Click();
    }
    RepondeurScripte ui;
    int redessins = 0;
    std::vector<FenetreRelief> montrees;
    std::function<void(ModeleOptionsRelief&)> coche;
    bool annule = false;
};

TEST_F(CommandesReliefTest, TheFirstTickedModeDecidesTheReferenceSpeedAndTheKeptModes)
{
    struct Cas {
        const char* regle;
        bool tgv, autoroute, train, metro, arc61;
        int32_t m1, m2, m3;
        double vitesse;
    } cas[] = {
        {"TGV and motorway: the TGV only", true, true, false, false, false, 3, 0, 9, 220},
        {"motorway", false, true, true, false, false, 0, 6, 9, 110},
        {"train", false, false, true, true, false, 0, 0, 4, 120},
        {"metro", false, false, false, true, false, 0, 0, 8, 10},
        {"none, no arc of code 61", false, false, false, false, false, 0, 0, 9, 70},
        {"none, an arc of code 61", false, false, false, false, true, 0, 0, 9, 90},
    };
    for (const Cas& c : cas) {
        test::ModeleNeuf();
        DefinitValeursParDefaut();
        InitialiseEtatsMenus();
        K.VitesseReference = 220;
        K.CodeModeRelief1 = K.CodeModeRelief2 = K.CodeModeRelief3 = 9; // the third is not cleared
        test::Noeud_(QStringLiteral("A"), 10);
        test::Noeud_(QStringLiteral("B"), 20);
        test::Arc_(10, 20, c.arc61 ? TypeVoieExpressInterurb().Code : TypeTrain().Code);
        installeLiens();
        choisit([&](ModeleOptionsRelief& o) {
            o = {};
            o.TGV = c.tgv;
            o.Autoroute = c.autoroute;
            o.Train = c.train;
            o.Métro = c.metro;
        });
        EXPECT_EQ(K.CodeModeRelief1, c.m1) << c.regle;
        EXPECT_EQ(K.CodeModeRelief2, c.m2) << c.regle;
        EXPECT_EQ(K.CodeModeRelief3, c.m3) << c.regle;
        EXPECT_EQ(K.VitesseReference, c.vitesse) << c.regle;
    }
}

TEST_F(CommandesReliefTest, CancelStillSetsTheVirtualGainAndThematicReliefButNotTheSpeed)
{
    choisit(
        [](ModeleOptionsRelief& o) {
            o.GainVirtuel = true;
            o.ReliefThématique = true;
            o.TGV = false;
            o.Autoroute = true;
            o.Train = true;
        },
        true);
    EXPECT_TRUE(K.Annule);
    EXPECT_EQ(K.VitesseGainVirtuel, 120); // the last ticked of road, motorway, train
    EXPECT_EQ(K.TypeValuationRelief, QStringLiteral("ReliefThématique"));
    EXPECT_EQ(K.VitesseReference, 220);
    EXPECT_EQ(K.Echelle, 2);
    EXPECT_EQ(redessins, 1); // redrawn all the same
    // OK: the motorway speed, and space dilates by half
    choisit([](ModeleOptionsRelief& o) { o.Train = false; });
    EXPECT_FALSE(K.Annule);
    EXPECT_EQ(K.VitesseGainVirtuel, 110);
    EXPECT_EQ(K.VitesseReference, 110);
    EXPECT_EQ(K.Echelle, 1);
    EXPECT_EQ(K.StatusBar.Panneaux[5],
              QStringLiteral("L'ancienne vitesse maximale : 220 / La nouvelle : 110 / L'espace va se dilater de 50.00 %"));
}

TEST_F(CommandesReliefTest, TheValuationGroupMovesItsMarkAndEnablesTheCostsOnlyForCost)
{
    struct Cas {
        void (*commande)();
        const char* menu;
        const char* valuation;
        bool couts;
    } cas[] = {
        {Kelmo_menValuationCoût_Click, "menValuationCoût", "Coût", true},
        {Kelmo_menValuationODVal_Click, "menValuationODVal", "BaséSurArcVal", false},
        {Kelmo_menPasDeValuation_Click, "menPasDeValuation", "PasDeValuation", false},
        {Kelmo_menValuationTemps_Click, "menValuationTemps", "Temps", false},
    };
    for (const Cas& c : cas) {
        c.commande();
        EXPECT_EQ(K.TypeValuationRelief, QString::fromUtf8(c.valuation));
        for (const char* m : {"menValuationTemps", "menValuationCoût", "menValuationODVal", "menPasDeValuation"})
            EXPECT_EQ(K.Menu(QString::fromUtf8(m)).Checked, QByteArrayView(m) == QByteArrayView(c.menu)) << m;
        EXPECT_EQ(K.Menu(QStringLiteral("menCoûts")).Enabled, c.couts) << c.menu;
    }
}

TEST_F(CommandesReliefTest, CostValuationTicksTheFourModesAndOpensThePresetCostDialog)
{
    K.Formes.OptionsRelief = {};
    K.NiveauRevenuSmic = 3;
    K.CoefClasseFer = 1.5;
    K.TypeCout = QStringLiteral("Généralisé");
    K.Formes.Coûts.Option3D[5] = true;
    Kelmo_menValuationCoût_Click();
    const ModeleOptionsRelief& o = K.Formes.OptionsRelief;
    EXPECT_TRUE(o.TGV && o.Autoroute && o.Train && o.Route);
    ASSERT_EQ(montrees, std::vector<FenetreRelief>{FenetreRelief::Coûts});
    const auto& b = K.Formes.Coûts.Option3D;
    EXPECT_TRUE(b[3] && !b[1] && !b[5]); // income 3 alone
    EXPECT_TRUE(b[6] && !b[7]);
    EXPECT_TRUE(b[9] && !b[8] && !b[10]);
    EXPECT_TRUE(b[11] && !b[12]);
    EXPECT_EQ(K.Formes.Coûts.TexteCombo2, QStringLiteral("4"));
    EXPECT_EQ(K.Formes.Coûts.TexteCombo3, QStringLiteral("200"));
    EXPECT_TRUE(K.Menu(QStringLiteral("menTraceRelief")).Enabled);
}

TEST_F(CommandesReliefTest, QuitterOnAnUntouchedDialogKeepsTheParametersAndRecomputes)
{
    K.NombrePassagers = 3;
    K.PuissanceFiscale = 7;
    K.LongueurDeplacementKm = 450;
    Kelmo_menCoûts_Click();
    Coûts_Command3D1_Click();
    EXPECT_EQ(K.NombrePassagers, 3);
    EXPECT_EQ(K.PuissanceFiscale, 7);
    EXPECT_EQ(K.LongueurDeplacementKm, 450);
    EXPECT_EQ(K.TypeCout, QStringLiteral("Généralisé professionnel"));
    EXPECT_EQ(K.ValeurTempsNationalite, K.ValeurTempsFrance);
    EXPECT_NEAR(K.CoutKmRoute, 1.5 * 3 * double(34.06f) / 70 + 2.2, 1e-9); // the passengers now count
    EXPECT_FALSE(K.Formes.Coûts.Visible);
}

TEST_F(CommandesReliefTest, CostDialogReadsTextsAsNumbersAndShowsTheEightCosts)
{
    ModeleCouts& c = K.Formes.Coûts;
    c.TexteCombo1 = QStringLiteral("2 personnes");
    c.TexteCombo2 = QStringLiteral("x");   // not a number: 0
    c.TexteCombo3 = QString();            // empty: 0, the rail costs stay
    c.Option3D.fill(false);
    c.Option3D[12] = true;
    c.Option3D[8] = true;
    const float train = K.CoutKmTrain;
    K.SeparateurDecimal = ',';
    Coûts_Annuler_Click();
    EXPECT_EQ(K.NombrePassagers, 2);
    EXPECT_EQ(K.PuissanceFiscale, 0);
    EXPECT_EQ(K.LongueurDeplacementKm, 0);
    EXPECT_EQ(K.CoefClasseFer, 1);
    EXPECT_EQ(K.NiveauRevenuSmic, 1); // no income ticked: unchanged
    EXPECT_EQ(K.TypeCout, QStringLiteral("Direct"));
    EXPECT_EQ(K.ValeurTempsNationalite, K.ValeurTempsAllemagne);
    EXPECT_EQ(K.CoutKmTrain, train);
    const auto& t = K.Formes.CoûtsKilométriques.Texte;
    EXPECT_EQ(t[2], QStringLiteral("1,5"));  // direct road cost: (0 - 5) / 10 + 2
    EXPECT_EQ(t[1], QStringLiteral("1,8"));  // plus the toll
    // both shown again, the per-km table last
    EXPECT_EQ(montrees, (std::vector<FenetreRelief>{FenetreRelief::Coûts, FenetreRelief::CoûtsKilométriques}));
}

TEST_F(CommandesReliefTest, MoreThanTenHorsepowerTicksFirstClassButFewerNeverUnticksIt)
{
    ModeleCouts& c = K.Formes.Coûts;
    struct Cas {
        const char* texte;
        bool premiere;
    } cas[] = {{"10", false}, {"11", true}, {"8", true}};
    c.Option3D[6] = false;
    c.Option3D[7] = true;
    for (const Cas& x : cas) {
        c.TexteCombo2 = QString::fromUtf8(x.texte);
        Coûts_Combo2_Change();
        EXPECT_EQ(c.Option3D[6], x.premiere) << x.texte;
        EXPECT_EQ(c.Option3D[7], !x.premiere) << x.texte;
    }
}

TEST_F(CommandesReliefTest, TraceReliefDrawsOnlyWithRouteTickedOrTheArcValueValuation)
{
    test::NoeudAEcran(QStringLiteral("A"), 0, 10, 10);
    test::NoeudAEcran(QStringLiteral("B"), 0, 50, 10);
    test::Arc_(10, 20, TypeRoute70().Code);
    K.Arcs[1].IndiceOrigine = 1;
    K.Arcs[1].IndiceDestination = 2;
    K.Arcs[1].Minimal = 0;
    K.Formes.OptionsRelief.Route = false;
    K.Formes.OptionsRelief.ModesMinimaux = true;
    ImagesDeTest images;
    Kelmo_menTraceRelief_Click();
    EXPECT_EQ(K.Arcs[1].Minimal, 1); // the kept arcs are marked all the same
    EXPECT_FALSE(K.StatusBar.Panneaux[5].startsWith(QStringLiteral("L'espace"))); // but no relief is drawn
    EXPECT_EQ(K.NbMaxFacettes, 10000);
    int vitesses = 0;
    CrochetVitesseReferenceArcVal = [&] { ++vitesses; };
    K.Menu(QStringLiteral("menValuationODVal")).Checked = true;
    Kelmo_menTraceRelief_Click();
    EXPECT_EQ(vitesses, 1);
    EXPECT_TRUE(K.StatusBar.Panneaux[5].startsWith(QStringLiteral("L'espace")));
    ReinitialiseDonnees();
    EXPECT_FALSE(CrochetVitesseReferenceArcVal);
}

} // namespace
