// The value classes: the class of a value, the number of classes typed,
// the bound boxes, the colour and thickness boxes, and the start-up state.
#include "values/ClassesValeurs.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"
#include "values/ValeursDeTest.h"
#include "values/Statistiques.h"

#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class ClassesValeurs : public ::testing::Test {
protected:
    void SetUp() override
    {
        StatistiquesDemarrees();
    }
    static void classes(const QString& texte)
    {
        K.Formes.Statistiques.Text5 = texte;
        Statistiques_Text5_Change();
    }
    static void classe(int i, float inf, float sup)
    {
        K.Classes[i].BorneInf = inf;
        K.Classes[i].BorneSup = sup;
    }
    ModeleStatistiques& s = K.Formes.Statistiques;
    RepondeurScripte ui;
};

} // namespace

TEST_F(ClassesValeurs, StartUpLeavesOneGreyClassOfEveryValueFrom0To1e9)
{
    EXPECT_EQ(K.NbClasses, 1);
    ASSERT_EQ(K.Classes.size(), 2u);
    EXPECT_EQ(K.Classes[1].BorneInf, 0.0f);
    EXPECT_EQ(K.Classes[1].BorneSup, 1e9f);
    EXPECT_EQ(K.Classes[1].Couleur, RGB(254, 254, 254));
    EXPECT_EQ(K.Classes[1].Epaisseur, 1.0f);
    EXPECT_EQ(s.Text5, QStringLiteral(" 0")); // the Str form written by the load
    EXPECT_TRUE(s.Charge);
    for (double v : {0.0, 1.0, 999999936.0})
        EXPECT_EQ(ClasseDeValeur(v), 1) << v;
    for (double v : {-0.001, 1e9})
        EXPECT_EQ(ClasseDeValeur(v), 0) << v;
}

TEST_F(ClassesValeurs, TheTypedNumberIsHeldWithin1And10AndRoundedHalvesToEven)
{
    struct Cas {
        const char* texte;
        int n;
    };
    const Cas cas[] = {{"12", 10}, {"0", 1}, {"-3", 1}, {"", 1}, {"abc", 1}, {"4", 4},   {"2.5", 2},
                       {"3.5", 4}, {"10.4", 10}, {"0.9", 1}, {"5 classes", 5}, {"1e999", 10}, {"-1e999", 1}};
    for (const Cas& c : cas) {
        classes(QString::fromUtf8(c.texte));
        EXPECT_EQ(K.NbClasses, c.n) << c.texte;
        EXPECT_EQ(K.Classes.size(), static_cast<std::size_t>(c.n) + 1) << c.texte;
        for (int i = 1; i <= 11; ++i)
            EXPECT_EQ(s.BorneVisible[i], i <= c.n + 1) << c.texte << " " << i;
        for (int k = 1; k <= 10; ++k)
            EXPECT_EQ(s.PicClasseVisible[k], k <= c.n) << c.texte << " " << k;
    }
}

TEST_F(ClassesValeurs, ResizingKeepsTheClassesThatStayAndBringsBackEmptyOnes)
{
    classes(QStringLiteral("2"));
    classe(2, 5, 9);
    K.Classes[2].Couleur = RGB(1, 2, 3);
    K.Classes[2].Epaisseur = 7;
    classes(QStringLiteral("5"));
    classe(4, 10, 20);
    EXPECT_EQ(K.Classes[2].BorneSup, 9.0f);
    EXPECT_EQ(K.Classes[2].Epaisseur, 7.0f);
    EXPECT_EQ(K.Classes[2].Couleur, RGB(1, 2, 3));
    EXPECT_EQ(K.Classes[3].Epaisseur, 3.0f);
    EXPECT_EQ(K.Classes[3].Couleur, 0);

    classes(QStringLiteral("3"));
    classes(QStringLiteral("5"));
    for (int c : {4, 5}) {
        EXPECT_EQ(K.Classes[c].BorneInf, 0.0f);
        EXPECT_EQ(K.Classes[c].BorneSup, 0.0f);
        EXPECT_EQ(K.Classes[c].Couleur, 0);
        EXPECT_EQ(K.Classes[c].Epaisseur, static_cast<float>(c));
    }
    // The boxes keep the colours they showed.
    EXPECT_EQ(s.PicClasse[4], RGB(242, 242, 242));
}

TEST_F(ClassesValeurs, ABoundBoxSetsTheTwoClassesItSeparates)
{
    struct Cas {
        int nbClasses, borne;
        std::vector<std::pair<int, int>> changes; // (class, 0 lower / 1 upper)
    };
    const Cas cas[] = {
        {5, 3, {{3, 0}, {2, 1}}},
        {5, 1, {{1, 0}}},
        {4, 5, {{4, 1}}},            // class 5 does not exist
        {10, 11, {{10, 1}}},
        {4, 11, {}},                 // class 10 does not exist
        {4, 7, {}},
    };
    for (const Cas& c : cas) {
        classes(QString::number(c.nbClasses));
        for (int i = 1; i <= c.nbClasses; ++i)
            classe(i, -1, -1);
        for (char sep : {'.', ','}) {
            K.SeparateurDecimal = sep;
            s.Borne[c.borne] = sep == '.' ? QStringLiteral("12.5") : QStringLiteral("12,5");
            Statistiques_Borne_Change(c.borne);
            for (int i = 1; i <= c.nbClasses; ++i) {
                bool inf = false, sup = false;
                for (auto [k, bout] : c.changes)
                    (bout == 0 ? inf : sup) |= k == i;
                EXPECT_EQ(K.Classes[i].BorneInf, inf ? 12.5f : -1.0f) << c.borne << " " << i << sep;
                EXPECT_EQ(K.Classes[i].BorneSup, sup ? 12.5f : -1.0f) << c.borne << " " << i << sep;
            }
        }
    }
}

TEST_F(ClassesValeurs, ABoundWrittenInEitherFormatReadsBackAsTheSameSingle)
{
    classes(QStringLiteral("3"));
    for (char sep : {'.', ','}) {
        K.SeparateurDecimal = sep;
        for (double v : {-1.0000002, 0.1, 1234567.891, 1e-7, -3.4e38}) {
            EcritBorne(2, v);
            EXPECT_EQ(K.Classes[2].BorneInf, static_cast<float>(v)) << v << sep;
            EXPECT_EQ(K.Classes[1].BorneSup, static_cast<float>(v)) << v << sep;
            EXPECT_EQ(s.Borne[2].contains(QLatin1Char(sep == '.' ? ',' : '.')), false) << v << sep;
        }
    }
    // A bound beyond single precision cannot be stored; the class keeps its bound.
    EcritBorne(2, 1e39);
    EXPECT_EQ(K.Classes[2].BorneInf, -3.4e38f);
}

TEST_F(ClassesValeurs, TheFirstMatchingClassWinsAndTheGradedArcsTakeTheLast)
{
    classes(QStringLiteral("3"));
    classe(1, 0, 10);
    classe(2, 10, 20);
    classe(3, 5, 15); // overlaps both
    struct Cas {
        double v;
        int premiere, derniere;
    };
    const Cas cas[] = {{0, 1, 1}, {7, 1, 3}, {10, 2, 3}, {15, 2, 2}, {20, 0, 0}, {-1, 0, 0}};
    for (const Cas& c : cas) {
        EXPECT_EQ(ClasseDeValeur(c.v), c.premiere) << c.v;
        EXPECT_EQ(DerniereClasseDeValeur(c.v), c.derniere) << c.v;
    }
    classe(2, 12, 12); // equal bounds hold nothing
    EXPECT_EQ(ClasseDeValeur(12), 3);
}

TEST_F(ClassesValeurs, TheColourBoxOpensTheColourDialogAndInTheArcsTabTheThicknessPromptFirst)
{
    classes(QStringLiteral("3"));
    ui.RepondCouleur(QColor(10, 20, 30));
    Statistiques_PicClasse_Click(2);
    ASSERT_EQ(ui.appels().size(), 1u);
    EXPECT_EQ(ui.appels()[0].genre, AppelDialogue::Couleur);
    EXPECT_EQ(K.Classes[2].Couleur, RGB(10, 20, 30));
    EXPECT_EQ(s.PicClasse[2], RGB(10, 20, 30));
    EXPECT_EQ(s.PicClasseTexte[2], QStringLiteral(" 2"));

    ui.efface();
    Statistiques_SSTab1_Click(1);
    EXPECT_EQ(s.Etiquette1, QStringLiteral("Couleurs et épaisseurs des classes :"));
    EXPECT_EQ(s.PicClasseTexte[3], QStringLiteral(" 3"));
    EXPECT_EQ(s.PicClasseForeColor[3], 7);
    ui.RepondTexte(QStringLiteral("2.5"));
    ui.RepondCouleur(std::nullopt);
    Statistiques_PicClasse_Click(3);
    ASSERT_EQ(ui.appels().size(), 3u);
    EXPECT_EQ(ui.appels()[0].genre, AppelDialogue::Saisie);
    EXPECT_EQ(ui.appels()[0].texte, QStringLiteral("Entrez l'épaisseur du trait pour la classe  3"));
    EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Epaisseur"));
    EXPECT_EQ(ui.appels()[1].genre, AppelDialogue::Couleur);
    // Cancel of the colour dialog: the message, and the class keeps its colour.
    EXPECT_EQ(ui.appels()[2].texte, QStringLiteral("Erreur dans l'attribution d'une couleur à une classe"));
    EXPECT_EQ(ui.appels()[2].icone, Icone::Aucune);
    EXPECT_TRUE(ui.appels()[2].titre.isEmpty());
    EXPECT_EQ(K.Classes[3].Epaisseur, 2.5f);
    EXPECT_EQ(K.Classes[3].Couleur, 0);
    EXPECT_EQ(s.PicClasse[3], 0);
    EXPECT_EQ(s.PicClasseTexte[3], QStringLiteral(" 2.5"));

    Statistiques_SSTab1_Click(0);
    EXPECT_EQ(s.Etiquette1, QStringLiteral("Couleurs des classes :"));
    EXPECT_TRUE(s.PicClasseTexte[3].isEmpty());
}

TEST_F(ClassesValeurs, TheThicknessPromptShowsTheThicknessAndKeepsItUnlessANumberComes)
{
    classes(QStringLiteral("2"));
    K.Classes[1].Epaisseur = 0;
    struct Cas {
        std::optional<QString> reponse;
        char sep;
        float attendu;
    };
    const Cas cas[] = {{QStringLiteral("3,5"), ',', 3.5f}, {QStringLiteral("4.25"), '.', 4.25f},
                       {std::nullopt, '.', 4.25f},          {QStringLiteral("épais"), '.', 4.25f},
                       {QStringLiteral("1e39"), '.', 4.25f}, {QStringLiteral(""), '.', 4.25f}};
    QString defaut = QStringLiteral(" 1"); // a thickness of 0 is offered as 1
    for (const Cas& c : cas) {
        ui.efface();
        K.SeparateurDecimal = c.sep;
        ui.RepondTexte(c.reponse);
        ChoisitEpaisseurClasse(1);
        // A number beyond a single gets its refusal after the prompt.
        ASSERT_EQ(ui.appels().size(), c.reponse == QStringLiteral("1e39") ? 2u : 1u);
        EXPECT_EQ(ui.appels()[0].arguments, QStringList{defaut});
        EXPECT_EQ(K.Classes[1].Epaisseur, c.attendu) << (c.reponse ? c.reponse->toStdString() : "annulé");
        defaut = QLatin1Char(' ') + QString::number(c.attendu);
    }
}
