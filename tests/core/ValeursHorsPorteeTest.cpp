// A number beyond single precision in a node, arc or reference file is an
// overflow like a code beyond 32 bits: the reading fails, the loaded tables
// stay, and no infinity ever reaches the model.
#include "core/ComparaisonArcs.h"
#include "core/FichierArcs.h"
#include "core/FichierNoeuds.h"
#include "platform/Erreurs.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

enum class Fichier { Noeuds, Arcs, Reference };

std::string ligneNoeud(const char* x, const char* y, const char* z)
{
    std::string l = "PARIS";
    l.resize(50, ' ');
    return l + " 0000000075 02100000 " + x + " " + y + " " + z + "\r\n";
}

std::string ligneArc(const char* longueur, const char* duree, const char* debit = "000012",
                     const char* capacite = "000034")
{
    return std::string("0000000075 0000000069 0007 ") + longueur + " " + duree + " 0000 0000 0000000 " + debit + " "
           + capacite + " PARIS      LYON      \r\n";
}

struct Cas {
    Fichier fichier;
    std::string ligne;
    bool lue; // within single precision: read as it stands
    const char* quoi;
};

} // namespace

TEST(ValeursHorsPortee, AValueBeyondSinglePrecisionFailsTheReadingAndKeepsTheTables)
{
    const Cas cas[] = {
        {Fichier::Noeuds, ligneNoeud("00001E50", "0000.000", "0000.00000"), false, "X of 1E50"},
        {Fichier::Noeuds, ligneNoeud("0000.000", "-0001E39", "0000.00000"), false, "Y of -1E39"},
        {Fichier::Noeuds, ligneNoeud("0000.000", "0000.000", "000001E300"), false, "Z of 1E300"},
        {Fichier::Noeuds, ligneNoeud("0000.000", "3.40E+38", "0000.00000"), true, "Y of 3.4E38"},
        {Fichier::Arcs, ligneArc("00001E39", "0100"), false, "length of 1E39"},
        {Fichier::Arcs, ligneArc("0010.000", "1E39"), false, "duration of 1E39"},
        {Fichier::Arcs, ligneArc("0010.000", "0100", "001E50"), false, "flow of 1E50"},
        {Fichier::Arcs, ligneArc("0010.000", "0100", "000012", "-1E39 "), false, "capacity of -1E39"},
        {Fichier::Arcs, ligneArc("03.4E38 ", "0100"), true, "length of 3.4E38"},
        {Fichier::Reference, ligneArc("00001E39", "0100"), false, "length of 1E39, arc layout"},
        {Fichier::Reference, ligneArc("0010.000", "1E39"), false, "duration of 1E39, arc layout"},
        {Fichier::Reference, "0000075 0000069   1E390007\r\n", false, "length of 1E39, short layout"},
    };
    for (const Cas& c : cas) {
        ModeleNeuf();
        RepondeurScripte ui;
        QTemporaryDir dir;
        Noeud_(QStringLiteral("DEJA"), 7, 10, 1.f, 2.f, 3.f);
        Arc_(7, 7, 4, 12.f, 30.f);
        K.ComparaisonArcs.assign(2, 0.5f);
        const QString chemin = EcritFichier(dir, QStringLiteral("f.dat"), c.ligne);
        if (c.fichier == Fichier::Reference) {
            K.NomFichierArcsReference = chemin;
            EXPECT_FALSE(LitFichierArcsReference(7)) << c.quoi;
            EXPECT_EQ(ui.messages(), std::vector<QString>{"Erreur dans la lecture du fichier de référence des arcs "
                                                          + chemin + " : Dépassement de capacité"})
                << c.quoi;
        } else if (c.lue) {
            c.fichier == Fichier::Noeuds ? LitFichierNoeuds(chemin) : LitFichierArcs(chemin);
            if (c.fichier == Fichier::Noeuds)
                EXPECT_FLOAT_EQ(K.Noeuds[1].Y, 3.4e38f) << c.quoi;
            else
                EXPECT_FLOAT_EQ(K.Arcs[1].Longueur, 3.4e38f) << c.quoi;
            continue;
        } else {
            try {
                c.fichier == Fichier::Noeuds ? LitFichierNoeuds(chemin) : LitFichierArcs(chemin);
                ADD_FAILURE() << c.quoi << " was read";
            } catch (const ErreurExecution& e) {
                EXPECT_EQ(e.numero(), ErrDepassement) << c.quoi;
            }
        }
        ASSERT_EQ(K.NbNoeuds, 1) << c.quoi;
        EXPECT_FLOAT_EQ(K.Noeuds[1].X, 1.f) << c.quoi;
        ASSERT_EQ(K.NbArcs, 1) << c.quoi;
        EXPECT_FLOAT_EQ(K.Arcs[1].Longueur, 12.f) << c.quoi;
        EXPECT_FLOAT_EQ(K.ComparaisonArcs[1], 0.5f) << c.quoi;
    }
}
