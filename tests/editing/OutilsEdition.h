#pragma once
// Shared by the editing tests: a started model with the link types, two
// recording pictures, the scripted responder, and arc comparisons.
#include "core/Defauts.h"
#include "core/Images.h"
#include "core/Menus.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/Tables.h"
#include "core/TypesArcs.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <tuple>

// Texts shown as text in the failure reports.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace kelmo::testedition {

class EditionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReinitialiseDonnees();
        InitialiseEtatsMenus();
        DefinitValeursParDefaut();
        DefinitTypesArcs();
        EffaceMetaFichier();
        images = std::make_unique<ImagesDeTest>();
        repondeur = std::make_unique<RepondeurScripte>();
        K.Echelle = 1;
        K.OrigineX = 0;
        K.OrigineY = 0;
    }
    void TearDown() override
    {
        EffaceMetaFichier();
        repondeur.reset();
        images.reset();
        ReinitialiseDonnees();
    }

    // A node whose picture coordinates are its map coordinates; code 10 x number.
    int32_t noeud(const QString& nom, float x, float y, int32_t population = 0)
    {
        return test::NoeudAEcran(nom, population, x, y);
    }

    std::unique_ptr<ImagesDeTest> images;
    std::unique_ptr<RepondeurScripte> repondeur;
};

// Two towns joined both ways, files in a temporary folder, the current arc
// file "reseau.dat" there and a French decimal comma.
class FichiersEdition : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        K.SeparateurDecimal = ',';
        K.RepertoireArcs = dir.path();
        K.RepertoireNoeuds = dir.path();
        K.NomFichierArcs = dir.filePath("reseau.dat");
        AjouteNoeud("AMIENS", 80021, 133000, 12.5, -3.25, 0);
        AjouteNoeud("BEAUVAIS", 60057, 56000, 30, 20, 0);
        AjouteArc(80021, 60057, 1, 2, 7, 203, 65, 0, 0, "", 12, 900);
        AjouteArc(60057, 80021, 2, 1, 41, 55.5, 40, 480, 520, "", 3, 0);
    }
    QTemporaryDir dir;
};

// Every field of an arc, for whole-record comparisons.
inline auto Champs(const Arc& a)
{
    return std::make_tuple(a.CodeOrigine, a.CodeDestination, a.IndiceOrigine, a.IndiceDestination, a.Mode, a.Oriente,
                           a.Longueur, a.Duree, a.Minimal, a.HeureDepart, a.HeureArrivee, a.Jours.texte(), a.Debit,
                           a.Capacite, a.Niveau);
}

// Arcs 1 to NbArcs of two tables are the same records in the same order.
inline ::testing::AssertionResult MemesArcs(const std::vector<Arc>& attendus, int32_t nbAttendus)
{
    if (K.NbArcs != nbAttendus)
        return ::testing::AssertionFailure() << "NbArcs " << K.NbArcs << " au lieu de " << nbAttendus;
    if (static_cast<int32_t>(K.Arcs.size()) != nbAttendus + 1)
        return ::testing::AssertionFailure() << "table de " << K.Arcs.size() << " places";
    for (int32_t i = 1; i <= nbAttendus; ++i)
        if (Champs(K.Arcs[i]) != Champs(attendus[i]))
            return ::testing::AssertionFailure() << "arc " << i << " différent";
    return ::testing::AssertionSuccess();
}

} // namespace kelmo::testedition
