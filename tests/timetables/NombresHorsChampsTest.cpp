// Every box and prompt of the editors and of the link timetable against
// numbers their fields cannot hold: the one test program that reaches both.
#include "editing/OutilsEdition.h"
#include "core/ListesNoeuds.h"
#include "editing/Digitalisation.h"
#include "editing/ModifArcs.h"
#include "editing/ModifNoeuds.h"
#include "editing/TesteLongueursArcs.h"
#include "platform/GardeCommandes.h"
#include "platform/NombresChamps.h"
#include "timetables/HorairesArcs.h"

#include <functional>

using namespace kelmo;
using namespace kelmo::testedition;

TEST_F(EditionTest, EveryBoxAndPromptRefusesANumberItsFieldCannotHoldAndChangesNothing)
{
    using A = ModeleModifArcs;
    using N = ModeleModifNoeuds;
    A& e = K.Formes.ModifArcs;
    auto rep = [this](const QStringList& r) {
        for (const QString& t : r)
            repondeur->RepondTexte(t);
    };
    using Action = std::function<void(const QString&)>;
    auto invite = [=](void (*h)()) -> Action { return [=](const QString& n) { rep({n}); h(); }; };
    auto cree = [&e](QString A::*b) -> Action {
        return [&e, b](const QString& n) { // to node 3, no arc yet; the length rule runs as one types
            ModifArcs_DefinitListIndex2(3);
            b == &A::Longueur ? ModifArcs_DefinitLongueur(n) : void(e.*b = n);
            ModifArcs_BtnCréer_Click();
        };
    };
    auto boite = [](void (*h)(), QString N::*b) -> Action {
        return [=](const QString& n) { K.Formes.ModifNoeuds.*b = n; h(); };
    };
    auto ville = [=](int i) -> Action {
        return [=](const QString& n) {
            QStringList r = {"Lille", "59350", "3", "1", "2"};
            r[i] = n;
            rep(r);
            K.ModeDigitalisation = true;
            DigitaliseNoeud(50, 60);
        };
    };
    auto nouveau = [=, &e](QString A::*b) -> Action {
        return [=, &e](const QString& n) { e.*b = n; rep({"0800", "0900"}); HorairesArcs_Command3D2_Click(); };
    };
    auto longueurs = [=, this](const QString& n) { repondeur->Repond(Reponse::Non); rep({n}); TesteLongueursArcs(); };
    const QStringList entiers32 = {"Code", "Population"}; // the node's 32-bit boxes
    // quoi: the box the refusal names, or the box's own message. A length of
    // 1e38 would take a time beyond a single at 10 km/h.
    const QStringList tous = {"1e308", "1e39", "1e999"}, entiers = {"1e308", "1e999"}, temps = {"1e38"};
    const struct { Action agit; QString quoi; QStringList nombres; } cas[] = {
        {invite(ModifArcs_Longueur_MouseDown), "Longueur", tous}, {invite(ModifArcs_Longueur_MouseDown), "Longueur", temps},
        {invite(ModifArcs_Débit_MouseDown), "Débit", tous}, {invite(ModifArcs_Capacité_MouseDown), "Capacité", tous},
        {invite(ModifArcs_Heures_MouseDown), "Durée", tous},
        {[](const QString& n) { ModifArcs_DefinitLongueur(n); ModifArcs_Longueur_MouseDown(); }, "Longueur", tous},
        {cree(&A::Longueur), "Longueur", tous}, {cree(&A::Longueur), "Longueur", temps}, {cree(&A::Débit), "Débit", tous},
        {cree(&A::Capacité), "Capacité", tous}, {cree(&A::Heures), "Heures", tous}, {cree(&A::Minutes), "Minutes", tous},
        {boite(ModifNoeuds_Command3D2_Click, &N::Texte2), "Code", entiers},
        {boite(ModifNoeuds_Command3D2_Click, &N::Texte3), "Population", entiers},
        {boite(ModifNoeuds_Command3D2_Click, &N::Texte4), "x", tous},
        {boite(ModifNoeuds_Command3D2_Click, &N::Texte5), "y", tous},
        {boite(ModifNoeuds_Command3D2_Click, &N::Texte6), "z", tous},
        {boite(ModifNoeuds_Command3D5_Click, &N::Texte4), "x", tous},
        {ville(1), "Code", entiers}, {ville(2), "Population", entiers}, {ville(3), "x", tous}, {ville(4), "y", tous},
        {longueurs, "Longueur", tous}, {nouveau(&A::Longueur), "Longueur", tous}, {nouveau(&A::Débit), "Débit", tous},
    };
    for (const auto& c : cas)
        for (const QString& n : c.nombres) {
            SCOPED_TRACE("cas " + std::to_string(&c - cas) + " : " + n.toStdString());
            TearDown();
            SetUp();
            // A "Métro" arc shown from node 1 to node 2; the node editor on node 1, with a free code.
            noeud("A", 0, 0);
            noeud("B", 188, 0);
            noeud("C", 100, 50);
            test::Arc_(10, 20, 8, 100, 600);
            RemplitListesNoeuds();
            Kelmo_menModifieOD_Click();
            ModifArcs_DefinitListIndex3(static_cast<int>(e.ListeModifiable3.Entrees.indexOf(QStringLiteral("Métro"))));
            ModifArcs_DefinitListIndex1(1);
            ModifArcs_DefinitListIndex2(2);
            ModifNoeuds_DefinitListIndex(1);
            K.Formes.ModifNoeuds.Texte2 = QStringLiteral("1");
            const std::vector<Arc> arcs = K.Arcs;
            EXPECT_TRUE(ExecuteGarde([&] { c.agit(n); })); // nothing reaches the window's guard
            const QString attendu = c.quoi.contains(QLatin1Char(' ')) ? c.quoi
                                    : c.nombres == temps              ? MessageResultatHorsLimites(n, c.quoi)
                                    : MessageHorsChamp(n, c.quoi, entiers32.contains(c.quoi) ? GenreChamp::Entier32
                                                                                             : GenreChamp::Simple);
            EXPECT_EQ(repondeur->messages().empty() ? QString() : repondeur->messages().back(), attendu);
            EXPECT_TRUE(MemesArcs(arcs, 1));
            EXPECT_EQ(K.NbNoeuds, 3);
            EXPECT_EQ(std::tie(K.Noeuds[1].Code, K.Noeuds[1].X), std::make_tuple(10, 0.0f));
        }
}
