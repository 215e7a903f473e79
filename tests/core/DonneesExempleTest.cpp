// The sample tree shipped in data/ is what a first start shows: it must load
// with the program's own readers, silently, and fill the start-up view.
#include "core/DonneesDerivees.h"
#include "core/FichierArcs.h"
#include "core/FichierNoeuds.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/CodePageAnsi.h"
#include "platform/Fichiers.h"
#include "platform/Nombres.h"
#include "platform/RepondeurScripte.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <set>
#include <string>

namespace kelmo {
namespace {

QString Donnees(const char* sousChemin) { return QStringLiteral(KELMO_SOURCE_DIR "/data/") + QLatin1String(sousChemin); }

std::vector<std::string> Lignes(const QString& chemin)
{
    const std::string contenu = LitFichierEntier(chemin);
    std::vector<std::string> r;
    for (std::string_view l : DecoupeLignes(contenu))
        r.emplace_back(l);
    return r;
}

std::string_view Colonnes(const std::string& l, std::size_t debut, std::size_t fin)
{
    if (l.size() < debut)
        return {};
    return std::string_view(l).substr(debut - 1, fin - debut + 1);
}

class DonneesExemple : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReinitialiseDonnees();
        DefinitTypesArcs();
        K.NomFichierNoeuds = Donnees("noeuds/n157eu.dat");
        K.NomFichierArcs = Donnees("arcs/a157eu01.dat");
    }

    // The start-up sequence's reading of the default network.
    void Charge()
    {
        LitFichierNoeuds(K.NomFichierNoeuds);
        LitFichierArcs(K.NomFichierArcs);
        IndexeArcs();
        DefinitOrientationArcs();
        CalculeModesNoeuds();
    }

    std::set<int32_t> CodesNoeuds() const
    {
        std::set<int32_t> codes;
        for (int i = 1; i <= K.NbNoeuds; ++i)
            codes.insert(K.Noeuds[i].Code);
        return codes;
    }

    RepondeurScripte ui;
};

TEST_F(DonneesExemple, LesDossiersEtFichiersParDefautExistent)
{
    for (const char* dossier : {"noeuds", "arcs", "arcval", "noeudval", "cartes", "cartes/images"})
        EXPECT_TRUE(QFileInfo(Donnees(dossier)).isDir()) << dossier;
    for (const char* fichier : {"noeuds/n157eu.dat", "arcs/a157eu01.dat", "arcval/3ar1279.dat", "noeudval/stm312.dat",
                                "noeudval/stm313.dat"})
        EXPECT_TRUE(QFileInfo(Donnees(fichier)).isFile()) << fichier;
}

TEST_F(DonneesExemple, LeReseauParDefautSeChargeSansAucunMessage)
{
    ASSERT_NO_THROW(Charge());
    EXPECT_TRUE(ui.messages().empty()) << ui.messages().front().toStdString();
    EXPECT_EQ(K.NbNoeuds, static_cast<int32_t>(Lignes(K.NomFichierNoeuds).size()));
    EXPECT_EQ(K.NbArcs, static_cast<int32_t>(Lignes(K.NomFichierArcs).size()));
    EXPECT_GE(K.NbNoeuds, 150);
    EXPECT_GE(K.NbArcs, 500);
}

TEST_F(DonneesExemple, ChaqueExtremiteDArcDesigneUnNoeud)
{
    Charge();
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        const Arc& a = K.Arcs[i];
        ASSERT_NE(a.IndiceOrigine, 0) << "arc " << i << " origine " << a.CodeOrigine;
        ASSERT_NE(a.IndiceDestination, 0) << "arc " << i << " destination " << a.CodeDestination;
        EXPECT_EQ(K.Noeuds[a.IndiceOrigine].Code, a.CodeOrigine);
        EXPECT_EQ(K.Noeuds[a.IndiceDestination].Code, a.CodeDestination);
        EXPECT_GE(IndiceTypeArcParCode(a.Mode), 0) << "arc " << i << " mode " << a.Mode;
    }
}

TEST_F(DonneesExemple, ParisExisteUneFoisEtLesCodesSontUniques)
{
    Charge();
    int paris = 0;
    for (int i = 1; i <= K.NbNoeuds; ++i) {
        EXPECT_GT(K.Noeuds[i].Code, 0) << i;
        if (K.Noeuds[i].Nom.sansBlancsFinaux() == QStringLiteral("PARIS"))
            ++paris;
    }
    EXPECT_EQ(paris, 1);
    EXPECT_EQ(CodesNoeuds().size(), static_cast<std::size_t>(K.NbNoeuds));
}

TEST_F(DonneesExemple, ChaqueNoeudTombeDansLImageDeDepart)
{
    Charge();
    // The start-up view: scale 3, origin (0, 1100), a 350 x 250 mm picture at 96 dpi.
    const double echelle = 3, origineX = 0, origineY = 1100;
    const double largeur = 350 / 25.4 * 96, hauteur = 250 / 25.4 * 96;
    for (int i = 1; i <= K.NbNoeuds; ++i) {
        const Noeud& n = K.Noeuds[i];
        const double x = n.X / echelle + origineX, y = origineY - n.Y / echelle;
        EXPECT_TRUE(x > 0 && x < largeur && y > 0 && y < hauteur)
            << n.Nom.sansBlancsFinaux().toStdString() << " en (" << x << ", " << y << ")";
    }
}

TEST_F(DonneesExemple, LeReseauMontreHorairesSensUniquesEtLesVingtTroisTypes)
{
    Charge();
    EXPECT_TRUE(K.Menu(QStringLiteral("menDéveloppmentHoraire")).Enabled);
    int sensUnique = 0, horaires = 0;
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        const Arc& a = K.Arcs[i];
        if (a.HeureDepart + a.HeureArrivee != 0) {
            ++horaires;
            EXPECT_EQ(a.HeureArrivee - a.HeureDepart, static_cast<int>(a.Duree)) << "arc " << i;
        } else if (a.Oriente) {
            ++sensUnique;
        }
    }
    EXPECT_GT(horaires, 0);
    EXPECT_GT(sensUnique, 0);
    EXPECT_EQ(K.NbModesPresents, 23);
}

TEST_F(DonneesExemple, LesFichiersDeValeursParDefautNeNommentQueDesNoeuds)
{
    Charge();
    const std::set<int32_t> codes = CodesNoeuds();
    for (const char* fichier : {"noeudval/stm312.dat", "noeudval/stm313.dat"}) {
        const std::vector<std::string> lignes = Lignes(Donnees(fichier));
        EXPECT_EQ(lignes.size(), static_cast<std::size_t>(K.NbNoeuds)) << fichier;
        for (const std::string& l : lignes) {
            const std::size_t blanc = l.find(' ');
            ASSERT_NE(blanc, std::string::npos) << l;
            EXPECT_TRUE(codes.count(EnEntier32(ValeurNombre(std::string_view(l).substr(0, blanc))))) << l;
            EXPECT_EQ(l.find(':'), std::string::npos) << l;
        }
    }
    // The same file is the default of both arc-value states, whose values
    // are read from column 40 and from column 43.
    const std::vector<std::string> paires = Lignes(Donnees("arcval/3ar1279.dat"));
    EXPECT_GE(paires.size(), 100u);
    for (const std::string& l : paires) {
        EXPECT_TRUE(codes.count(EnEntier32(ValeurNombre(Colonnes(l, 1, 10))))) << l;
        EXPECT_TRUE(codes.count(EnEntier32(ValeurNombre(Colonnes(l, 13, 23))))) << l;
        const double valeur1 = ValeurNombre(Colonnes(l, 40, static_cast<std::size_t>(l.size()) + 9));
        EXPECT_GT(valeur1, 0) << l;
        EXPECT_EQ(valeur1, ValeurNombre(Colonnes(l, 43, static_cast<std::size_t>(l.size()) + 9))) << l;
    }
}

} // namespace
} // namespace kelmo
