// The disconnected-arc clean-up and its menu command.
#include "OutilsEdition.h"
#include "core/Commandes.h"
#include "core/Tables.h"
#include "editing/CommandesEdition.h"
#include "editing/ElimineArcsDeconnectes.h"
#include "platform/Nombres.h"

#include <QTemporaryDir>
#include <random>
#include <stdexcept>

using namespace kelmo;
using namespace kelmo::test;
using namespace kelmo::testedition;

namespace {

const QChar LF(10), TAB(9);
const QString PremiereQuestion = QStringLiteral("Voulez-vous demander l'accord avant de supprimer ?");

QString questionArc(const QString& valeurs)
{
    return QStringLiteral("Arc déconnecté : ") + LF + LF + valeurs + LF + LF + QStringLiteral("Voulez-vous le supprimer ?");
}

QString bilan(int n) { return QStringLiteral("Nombre d'arcs déconnectés supprimés : ") + TexteAvecSigne(n); }

class ArcsDeconnectes : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        noeud(QStringLiteral("A"), 0, 0); // code 10
        noeud(QStringLiteral("B"), 5, 0); // code 20
    }
    // Debit numbers the arcs, so what stays reads as a list.
    void arc(int32_t o, int32_t d, float longueur = 10)
    {
        Arc_(o, d, 41, longueur, 25);
        K.Arcs.back().Debit = static_cast<float>(K.NbArcs);
    }
    std::vector<int> restants() const
    {
        std::vector<int> r;
        for (int32_t i = 1; i <= K.NbArcs; ++i)
            r.push_back(static_cast<int>(K.Arcs[i].Debit));
        return r;
    }
};

} // namespace

TEST_F(ArcsDeconnectes, NoToTheFirstQuestionDeletesEveryArcWithAMissingEndWithoutMore)
{
    arc(10, 20);
    arc(10, 99);
    arc(10, 10); // a loop on an existing node is connected
    arc(98, 20);
    arc(20, 10);
    arc(97, 97); // a loop on a missing node is not
    repondeur->Repond(Reponse::Non);
    EXPECT_EQ(ElimineArcsDeconnectes(), 3);
    EXPECT_EQ(restants(), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(K.Arcs.size(), 4u);
    EXPECT_EQ(repondeur->messages(), (std::vector<QString>{PremiereQuestion, bilan(3)}));
    const AppelDialogue& q = repondeur->appels()[0];
    EXPECT_EQ(q.boutons, Boutons::OuiNon);
    EXPECT_EQ(q.icone, Icone::Question);
    EXPECT_EQ(q.titre, QStringLiteral("Arc déconnecté"));
    const AppelDialogue& b = repondeur->appels()[1];
    EXPECT_EQ(b.boutons, Boutons::OK);
    EXPECT_EQ(b.titre, QString());
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST_F(ArcsDeconnectes, YesAsksForEachArcFromTheLastToTheFirst)
{
    arc(10, 99, 12.5f);
    arc(10, 20);
    arc(98, 20, 7);
    arc(96, 10, 3);
    repondeur->Repond(Reponse::Oui);
    repondeur->Repond(Reponse::Oui); // the last arc
    repondeur->Repond(Reponse::Non);
    repondeur->Repond(Reponse::Oui);
    EXPECT_EQ(ElimineArcsDeconnectes(), 2);
    EXPECT_EQ(restants(), (std::vector<int>{2, 3}));
    const std::vector<QString> attendus = {
        PremiereQuestion,
        questionArc(QStringLiteral(" 96\t 10\t 41\t 3\t 25")),
        questionArc(QStringLiteral(" 98\t 20\t 41\t 7\t 25")),
        questionArc(QStringLiteral(" 10\t 99\t 41\t 12.5\t 25")),
        bilan(2),
    };
    EXPECT_EQ(repondeur->messages(), attendus);
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(repondeur->appels()[i].titre, QStringLiteral("Erreur dans le fichier des arcs"));
        EXPECT_EQ(repondeur->appels()[i].boutons, Boutons::OuiNon);
        EXPECT_EQ(repondeur->appels()[i].icone, Icone::Question);
    }
}

TEST_F(ArcsDeconnectes, NothingToDeleteAsksNothingAndReportsZero)
{
    struct Cas {
        const char* nom;
        int arcs;
    };
    const Cas cas[] = {{"an empty table", 0}, {"every arc connected", 3}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        for (int i = 0; i < c.arcs; ++i)
            arc(10, 20);
        repondeur->efface();
        EXPECT_EQ(ElimineArcsDeconnectes(), 0);
        EXPECT_EQ(K.NbArcs, c.arcs);
        EXPECT_EQ(K.Arcs.size(), static_cast<std::size_t>(c.arcs) + 1);
        EXPECT_EQ(repondeur->messages(), std::vector<QString>{bilan(0)});
    }
}

// The clean-up as the program always ran it, deleting each arc at once,
// with an end counted as found once it matches a node; answers are taken
// from the list in order. The oracle of the one-pass compaction.
int32_t elimineUnParUn(const std::vector<Reponse>& reponses, std::vector<QString>& questions)
{
    std::size_t r = 0;
    auto suivante = [&] { return r < reponses.size() ? reponses[r++] : Reponse::Non; };
    bool posee = false, demande = true;
    int32_t nombre = 0;
    int32_t k = K.NbArcs + 1;
    while (k > 1) {
        k = k - 1;
        const Arc a = K.Arcs[k];
        bool origine = false, destination = false;
        for (int32_t j = 1; j <= K.NbNoeuds && !(origine && destination); ++j) {
            origine = origine || K.Noeuds[j].Code == a.CodeOrigine;
            destination = destination || K.Noeuds[j].Code == a.CodeDestination;
        }
        if (origine && destination)
            continue;
        if (!posee) {
            posee = true;
            questions.push_back(PremiereQuestion);
            demande = suivante() == Reponse::Oui;
        }
        bool oui = !demande;
        if (demande) {
            questions.push_back(questionArc(TexteAvecSigne(a.CodeOrigine) + TAB + TexteAvecSigne(a.CodeDestination)
                                            + TAB + TexteAvecSigne(a.Mode) + TAB + TexteAvecSigne(a.Longueur, true)
                                            + TAB + TexteAvecSigne(a.Duree, true)));
            oui = suivante() == Reponse::Oui;
        }
        if (oui) {
            SupprimeArc(k);
            ++nombre;
        }
    }
    K.Arcs.resize(static_cast<std::size_t>(K.NbArcs) + 1);
    questions.push_back(bilan(nombre));
    return nombre;
}

TEST_F(ArcsDeconnectes, OnePassGivesTheTableAndQuestionsOfTheDeletionOneByOne)
{
    std::mt19937 g(112);
    for (int tirage = 0; tirage < 30; ++tirage) {
        K.Noeuds.resize(1);
        K.NbNoeuds = 0;
        // Codes repeat among the nodes; arcs reach beyond them.
        std::uniform_int_distribution<int32_t> codeNoeud(1, 12), codeArc(0, 16), mode(1, 40);
        for (int i = 0; i < 15; ++i)
            Noeud_(QStringLiteral("N"), codeNoeud(g));
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        for (int i = 0; i < tirage * 3; ++i) {
            Arc_(codeArc(g), codeArc(g), static_cast<int16_t>(mode(g)), static_cast<float>(i));
            K.Arcs.back().Debit = static_cast<float>(i);
        }
        std::vector<Reponse> reponses;
        for (int i = 0; i < 100; ++i)
            reponses.push_back(g() % 2 ? Reponse::Oui : Reponse::Non);
        const std::vector<Arc> avant = K.Arcs;
        const int32_t nbAvant = K.NbArcs;
        std::vector<QString> questions;
        const int32_t attendu = elimineUnParUn(reponses, questions);
        const std::vector<Arc> oracle = K.Arcs;
        const int32_t nbOracle = K.NbArcs;

        K.Arcs = avant;
        K.NbArcs = nbAvant;
        repondeur->efface();
        for (std::size_t i = 0; i + 1 < questions.size(); ++i)
            repondeur->Repond(reponses[i]);
        ASSERT_EQ(ElimineArcsDeconnectes(), attendu) << "tirage " << tirage;
        EXPECT_TRUE(MemesArcs(oracle, nbOracle)) << "tirage " << tirage;
        EXPECT_EQ(repondeur->messages(), questions) << "tirage " << tirage;
    }
}

namespace {

// A responder whose save dialog fails, as a platform error would.
class RepondeurEnPanne : public RepondeurScripte {
public:
    std::optional<QString> FichierEnregistrer(const DemandeFichier&) override
    {
        throw std::runtime_error("dialogue");
    }
};

// The two towns' file, and two arcs with an end missing after them.
class CommandeArcsDeconnectes : public FichiersEdition {
protected:
    void SetUp() override
    {
        FichiersEdition::SetUp();
        AjouteArc(80021, 99999, 1, 0, 41, 10, 20, 0, 0, "", 0, 0);
        AjouteArc(11111, 60057, 0, 2, 4, 30, 25, 0, 0, "", 0, 0);
        InstalleCommandesEdition();
    }
};

} // namespace

TEST_F(CommandeArcsDeconnectes, CleansReindexesThenSavesOnlyTheConnectedArcs)
{
    const QString p = dir.filePath("propre.dat");
    repondeur->Repond(Reponse::Oui); // ask for each
    repondeur->Repond(Reponse::Oui); // 11111 - 60057 goes
    repondeur->Repond(Reponse::Non); // 80021 - 99999 stays in the table
    repondeur->RepondTexte(p);
    ASSERT_TRUE(ExecuteCommande(QStringLiteral("menElimineArcsDéconnectés")));

    std::vector<AppelDialogue::Genre> genres;
    for (const AppelDialogue& a : repondeur->appels())
        genres.push_back(a.genre);
    using G = AppelDialogue::Genre;
    EXPECT_EQ(genres, (std::vector<G>{G::Message, G::Message, G::Message, G::Message, G::FichierEnregistrer}));
    EXPECT_EQ(repondeur->messages().back(), bilan(1));
    EXPECT_EQ(K.NbArcs, 3);
    EXPECT_EQ(K.Arcs[3].CodeDestination, 99999);
    // The arc kept with its end missing is left out of the file: the flag
    // was on while it was written, after the node numbers were derived.
    EXPECT_EQ(LitOctets(p),
              "0000080021 0000060057 0007 0203,000 0105 0000 0000         000012 000900 AMIENS     BEAUVAIS  \r\n"
              "0000060057 0000080021 0041 0055,500 0040 0800 0840         000003 000000 BEAUVAIS   AMIENS    \r\n");
    EXPECT_FALSE(K.EliminationArcsDeconnectes);
    EXPECT_EQ(K.StatusBar.Panneaux[2], QStringLiteral("3 arcs "));
    EXPECT_TRUE(K.Formes.HorairesArcs.Optimise.Visible);
    EXPECT_TRUE(K.Menu(QStringLiteral("menOptimisationHoraire")).Enabled);
    EXPECT_GT(repondeur->nombreSablier(), 0);
    EXPECT_FALSE(repondeur->sablierActif());
}

TEST_F(CommandeArcsDeconnectes, TheFlagIsOffAgainWhateverBecomesOfTheSave)
{
    struct Cas {
        const char* nom;
        std::optional<QString> chemin;
    };
    const Cas cas[] = {
        {"cancelled", std::nullopt},
        {"refused: the current file", dir.filePath("reseau.dat")},
        {"failed: no such folder", dir.filePath("pasla/propre.dat")},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        repondeur->efface();
        repondeur->Repond(Reponse::Non);
        repondeur->RepondTexte(c.chemin);
        Kelmo_menElimineArcsDéconnectés_Click();
        EXPECT_FALSE(K.EliminationArcsDeconnectes);
        EXPECT_EQ(K.StatusBar.Panneaux[2], QStringLiteral("2 arcs "));
        EXPECT_TRUE(K.Formes.HorairesArcs.Optimise.Visible);
        EXPECT_FALSE(repondeur->sablierActif());
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    // An error out of the save dialog leaves the command, not the flag.
    repondeur.reset();
    RepondeurEnPanne panne;
    EXPECT_THROW(Kelmo_menElimineArcsDéconnectés_Click(), std::runtime_error);
    EXPECT_FALSE(K.EliminationArcsDeconnectes);
    EXPECT_FALSE(panne.sablierActif());
}
