// The arc-length test of "Longeur arcs" and the end-node search it uses.
#include "OutilsEdition.h"
#include "core/ListesNoeuds.h"
#include "editing/ModifArcs.h"
#include "editing/NoeudsParCode.h"
#include "editing/TesteLongueursArcs.h"
#include "platform/Nombres.h"

#include <random>

using namespace kelmo;
using namespace kelmo::test;
using namespace kelmo::testedition;

namespace {

const QChar CR(13);

class LongueursArcs : public EditionTest {
protected:
    // Two nodes whose road distance (straight line + 8 %, whole km) is
    // route: B lies east of A by route * 188 / 203 plus a hair, so that the
    // integer part is route itself.
    void paire(const QString& a, const QString& b, double route)
    {
        noeud(a, 0, 0);
        noeud(b, static_cast<float>(route * 188 / 203 + 0.01), 0);
    }
    // A fresh model and responder for the next case of a table.
    void recommence()
    {
        TearDown();
        SetUp();
    }
    // Every box the test showed, in order.
    const std::vector<AppelDialogue>& boites() const { return repondeur->appels(); }
};

QString question(const QString& de, const QString& a, const QString& mode, const QString& route,
                 const QString& longueur, const QString& indice, const QString& ligne)
{
    return QStringLiteral("De ") + de + CR + QStringLiteral("à   ") + a + CR + QStringLiteral(" en ") + mode + CR
           + QStringLiteral("Longueur à vol d'oiseau  : ") + route + CR + QStringLiteral("Longueur dans le fichier  : ")
           + longueur + CR + QStringLiteral(" indice  : ") + indice + CR + ligne
           + QStringLiteral("       Etes-vous d'accord ?") + CR;
}

QString nom20(const QString& nom) { return nom.left(20).leftJustified(20, QLatin1Char(' ')); }

} // namespace

TEST_F(LongueursArcs, OnlyArcsBeyondBothTheIndexAndTheDifferenceLimitsAreQuestioned)
{
    struct Cas {
        double route;
        float longueur;
        QString ligne; // the percentage line; empty when not questioned
    };
    const QString grande = QStringLiteral("       Longueur fichier trop grande (+ ");
    const QString petite = QStringLiteral("       Longueur fichier trop petite (- ");
    const Cas cas[] = {
        {10, 9, {}},                                     // index 90: at the lower limit
        {10, 14, {}},                                    // index 140
        {10, 16, {}},                                    // index 160: at the upper limit, 6 km off
        {10, 20, grande + QStringLiteral("200 %)") + CR}, // the index itself, not the excess
        {10, 16.5f, grande + QStringLiteral("165 %)") + CR},
        {10, 4, petite + QStringLiteral("60 %)") + CR},   // the shortfall
        {10, 5, {}},                                     // index 50 but only 5 km off
        {10, 15, {}},                                    // index 150 and 5 km off
        {100, 89.5f, petite + QStringLiteral("11 %)") + CR}, // 10.5 rounded away from zero
        {100, 170, grande + QStringLiteral("170 %)") + CR},
        {100, 0, {}},                                    // no length: taken as index 100
        {100, 104.9f, {}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.longueur);
        recommence();
        paire(QStringLiteral("PARIS"), QStringLiteral("SAINT-GERMAIN-EN-LAYE-LONG"), c.route);
        Arc_(10, 20, 41, c.longueur);
        repondeur->Repond(Reponse::Oui);
        TesteLongueursArcs();
        const bool questionne = !c.ligne.isEmpty();
        ASSERT_EQ(boites().size(), questionne ? 1u : 0u);
        if (!questionne)
            continue;
        const AppelDialogue& q = boites()[0];
        EXPECT_EQ(q.texte, question(nom20(QStringLiteral("PARIS")), QStringLiteral("SAINT-GERMAIN-EN-LAY"),
                                    QStringLiteral("TER"), TexteAvecSigne(c.route), TexteAvecSigne(c.longueur, true),
                                    QStringLiteral(" 1"), c.ligne));
        EXPECT_EQ(q.boutons, Boutons::OuiNonAnnuler);
        EXPECT_EQ(q.icone, Icone::Exclamation);
        EXPECT_EQ(q.titre, QString());
        // Yes keeps the arc as it is.
        EXPECT_EQ(K.Arcs[1].Longueur, c.longueur);
    }
}

TEST_F(LongueursArcs, EndsAtOnePlaceAreQuestionedOnTheDifferenceAloneWithoutPercentage)
{
    struct Cas {
        float longueur;
        bool questionne;
    };
    const Cas cas[] = {{3, false}, {5, false}, {8, true}, {0, false}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.longueur);
        recommence();
        noeud(QStringLiteral("A"), 5, 5);
        noeud(QStringLiteral("B"), 5.5f, 5); // 0.54 km by road: d is 0
        Arc_(10, 20, 4, c.longueur);
        Arc_(10, 10, 4, c.longueur); // a loop on one node
        repondeur->Repond(Reponse::Oui);
        repondeur->Repond(Reponse::Oui);
        TesteLongueursArcs();
        ASSERT_EQ(boites().size(), c.questionne ? 2u : 0u);
        if (c.questionne) {
            EXPECT_EQ(boites()[0].texte, question(nom20(QStringLiteral("A")), nom20(QStringLiteral("B")),
                                                  QStringLiteral("Train"), QStringLiteral(" 0"), QStringLiteral(" 8"),
                                                  QStringLiteral(" 1"), QString()));
            EXPECT_EQ(boites()[1].texte, question(nom20(QStringLiteral("A")), nom20(QStringLiteral("A")),
                                                  QStringLiteral("Train"), QStringLiteral(" 0"), QStringLiteral(" 8"),
                                                  QStringLiteral(" 2"), QString()));
        }
    }
}

TEST_F(LongueursArcs, NoAsksTheNewLengthAndOnlyANumberChangesIt)
{
    struct Cas {
        const char* nom;
        std::optional<QString> reponse;
        float longueur;
        bool refuse = false; // the length's refusal follows the prompt
    };
    const Cas cas[] = {
        {"a typed length", QStringLiteral("12.5"), 12.5f},
        {"the road distance offered", QStringLiteral(" 10"), 10},
        {"a French decimal comma", QStringLiteral("12,5"), 12.5f},
        {"the leading number of the text", QStringLiteral("11 km"), 11},
        {"an explicit zero", QStringLiteral("0"), 0},
        {"cancelled: the old length stays", std::nullopt, 20},
        {"empty: the old length stays", QString(), 20},
        {"no number: the old length stays", QStringLiteral("abc"), 20},
        {"beyond a single: refused, the old length stays", QStringLiteral("1E300"), 20, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        recommence();
        paire(QStringLiteral("A"), QStringLiteral("B"), 10);
        Arc_(10, 20, 41, 20);
        repondeur->Repond(Reponse::Non);
        repondeur->RepondTexte(c.reponse);
        TesteLongueursArcs();
        ASSERT_EQ(boites().size(), c.refuse ? 3u : 2u);
        const AppelDialogue& s = boites()[1];
        EXPECT_EQ(s.genre, AppelDialogue::Saisie);
        EXPECT_EQ(s.texte, QStringLiteral("Ancienne Longueur     :  20") + CR
                               + QStringLiteral("Entrez la modification (Longueur à vol d'oiseau par défaut)  :"));
        EXPECT_EQ(s.titre, QStringLiteral("Modification"));
        EXPECT_EQ(s.arguments, QStringList{QStringLiteral(" 10")});
        EXPECT_EQ(K.Arcs[1].Longueur, c.longueur);
    }
}

TEST_F(LongueursArcs, CancelEndsTheTestAtOnceAndClearsTheProgress)
{
    paire(QStringLiteral("A"), QStringLiteral("B"), 10);
    for (int i = 0; i < 25; ++i)
        Arc_(10, 20, 41, 30);
    repondeur->Repond(Reponse::Oui);
    repondeur->Repond(Reponse::Annuler);
    TesteLongueursArcs();
    EXPECT_EQ(boites().size(), 2u);
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
    EXPECT_EQ(K.StatusBar.Panneaux[5], QString());
}

TEST_F(LongueursArcs, AMissingEndIsDeletedWithItsLinkOnYesOnly)
{
    paire(QStringLiteral("A"), QStringLiteral("B"), 10);
    Arc_(10, 20, 41, 10);
    Arc_(10, 99, 41, 10);
    Arc_(99, 10, 41, 10); // the same link the other way
    Arc_(10, 99, 4, 10);  // another link type
    struct Cas {
        Reponse reponse;
        std::vector<int32_t> restants; // destination codes of the arcs left
        int32_t supprimes;
    };
    const std::vector<Arc> table = K.Arcs;
    const Cas cas[] = {{Reponse::Non, {20, 99, 10, 99}, 0}, {Reponse::Oui, {20, 99}, 2}};
    for (const Cas& c : cas) {
        K.Arcs = table;
        K.NbArcs = 4;
        repondeur->efface();
        // Yes to the first, No to the others.
        repondeur->Repond(c.reponse);
        K.AfficheMessagesElimination = false;
        EXPECT_EQ(TesteLongueursArcs(), c.supprimes);
        const AppelDialogue& q = boites().at(0);
        EXPECT_EQ(q.texte, QStringLiteral("Elimination de l'arc déconnecté :  2") + CR + QStringLiteral(" 10") + CR
                               + QStringLiteral(" 99") + CR + QStringLiteral("en mode TER"));
        EXPECT_EQ(q.boutons, Boutons::OuiNon);
        EXPECT_EQ(q.icone, Icone::Exclamation);
        std::vector<int32_t> restants;
        for (int32_t i = 1; i <= K.NbArcs; ++i)
            restants.push_back(K.Arcs[i].CodeDestination);
        EXPECT_EQ(restants, c.restants);
    }
}

TEST_F(LongueursArcs, AfterADeletionEveryArcLeftIsExaminedOnce)
{
    noeud(QStringLiteral("O"), 0, 0);
    const char* noms[] = {"P1", "P2", "P3", "P4", "P5"};
    for (const char* n : noms)
        noeud(QString::fromLatin1(n), 9.3f, 0); // road distance 10
    struct Cas {
        const char* nom;
        bool compareHoraires;
        // The arcs asked about, in order: the destination's name of a
        // length question, "position:origin>destination" of a missing end.
        std::vector<QString> questions;
        std::vector<float> restants; // lengths of the arcs left
    };
    const Cas cas[] = {
        {"the link's arcs before and after the current one go too", false,
         {"1:97>10", "P1", "P2", "4:10>97", "P3", "P5"},
         {30, 30, 30, 30}},
        {"with times compared the timed service stays and the scan moves on", true,
         {"1:97>10", "P1", "P2", "4:10>97", "P3", "4:97>10", "P5"},
         {30, 30, 30, 66, 30}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        Arc_(97, 10, 41, 99); // missing end, kept by No
        Arc_(10, 20, 41, 30); // every other arc is 3 times too long
        Arc_(10, 30, 41, 30);
        Arc_(10, 97, 41, 77); // Yes: the first arc goes with it
        Arc_(10, 40, 41, 30);
        Arc_(97, 10, 41, 66, 10, 480, 540); // a timed service of that link
        Arc_(10, 60, 41, 30);
        repondeur->efface();
        K.CompareHoraires = c.compareHoraires;
        K.AfficheMessagesElimination = false;
        repondeur->Repond(Reponse::Non);
        for (std::size_t i = 1; i < c.questions.size(); ++i)
            repondeur->Repond(Reponse::Oui);
        TesteLongueursArcs();
        std::vector<QString> vues;
        for (const AppelDialogue& a : boites()) {
            if (a.texte.startsWith(QStringLiteral("Elimination")))
                vues.push_back(a.texte.section(CR, 0, 0).section(QLatin1Char(':'), 1).trimmed() + QLatin1Char(':')
                               + a.texte.section(CR, 1, 1).trimmed() + QLatin1Char('>')
                               + a.texte.section(CR, 2, 2).trimmed());
            else
                vues.push_back(a.texte.section(CR, 1, 1).mid(4).trimmed());
        }
        EXPECT_EQ(vues, c.questions);
        std::vector<float> longueurs;
        for (int32_t i = 1; i <= K.NbArcs; ++i)
            longueurs.push_back(K.Arcs[i].Longueur);
        EXPECT_EQ(longueurs, c.restants);
    }
}

// The end-node search as the nodes were always scanned: from the first,
// each match taking its end, until both ends are known.
bool extremitesParBalayage(int32_t co, int32_t cd, int32_t& o, int32_t& d)
{
    o = 0;
    d = 0;
    for (int32_t j = 1; j <= K.NbNoeuds; ++j) {
        if (K.Noeuds[j].Code == co)
            o = j;
        if (K.Noeuds[j].Code == cd)
            d = j;
        if (o != 0 && d != 0)
            return true;
    }
    return false;
}

TEST_F(LongueursArcs, HashedEndNodesAreTheOnesTheScanFindsWithDuplicatedCodes)
{
    std::mt19937 g(17);
    for (int tirage = 0; tirage < 20; ++tirage) {
        recommence();
        // Few codes for many nodes: most codes are held by several nodes.
        std::uniform_int_distribution<int32_t> code(1, 15 + tirage * 3);
        const int n = 1 + tirage * 5;
        for (int i = 0; i < n; ++i)
            Noeud_(QStringLiteral("N"), code(g));
        const NoeudsParCode codes;
        std::uniform_int_distribution<int32_t> cherche(0, 20 + tirage * 3);
        for (int essai = 0; essai < 200; ++essai) {
            const int32_t co = cherche(g), cd = essai % 7 == 0 ? co : cherche(g);
            int32_t o1 = 0, d1 = 0, o2 = 0, d2 = 0;
            const bool trouve = extremitesParBalayage(co, cd, o1, d1);
            ASSERT_EQ(codes.extremites(co, cd, o2, d2), trouve) << co << " " << cd;
            if (trouve) {
                EXPECT_EQ(o2, o1);
                EXPECT_EQ(d2, d1);
            }
        }
    }
}

TEST_F(LongueursArcs, TheButtonRunsTheTestAndRefreshesTheEditor)
{
    paire(QStringLiteral("A"), QStringLiteral("B"), 10);
    Arc_(10, 20, 41, 20);
    repondeur->Repond(Reponse::Non);
    repondeur->RepondTexte(QStringLiteral("11"));
    RemplitListesNoeuds();
    Kelmo_menModifieOD_Click();
    ModifArcs_DefinitListIndex3(
        static_cast<int>(K.Formes.ModifArcs.ListeModifiable3.Entrees.indexOf(QStringLiteral("TER"))));
    ModifArcs_DefinitListIndex1(1);
    ModifArcs_DefinitListIndex2(2);
    EXPECT_EQ(K.Formes.ModifArcs.Longueur, QStringLiteral(" 20"));
    ModifArcs_Commande1_Click();
    EXPECT_EQ(K.Arcs[1].Longueur, 11.0f);
    // The length box shows the arc's new length.
    EXPECT_EQ(K.Formes.ModifArcs.Longueur, QStringLiteral(" 11"));
    EXPECT_FALSE(repondeur->sablierActif());
}
