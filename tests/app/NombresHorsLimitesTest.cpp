// A number too large for a double typed in a box of "Sortie DXF" or of
// "Coûts" is refused as any value out of range is: a message naming the box,
// no file chooser, nothing written, no parameter changed.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "dxf/DonneesDXF.h"
#include "dxf/formes/FenetresDXF.h"
#include "dxf/formes/SortieDXF.h"
#include "platform/NombresChamps.h"
#include "platform/RepondeurScripte.h"
#include "relief/CoutsGeneralises.h"
#include "relief/formes/Couts.h"
#include "relief/CommandesRelief.h"
#include "support/Reseau.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace kelmo;
using namespace kelmo::test;

namespace {

class NombresHorsLimites : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReseauDemarre();
        kelmo = std::make_unique<Kelmo>();
    }
    void TearDown() override
    {
        kelmo.reset();
        ReinitialiseDonnees();
    }
    // Typed by the user: the box tells the window as it does for keys.
    static void tape(QLineEdit* e, const QString& texte)
    {
        e->setText(texte);
        emit e->textEdited(texte);
    }
    RepondeurScripte ui;
    std::unique_ptr<Kelmo> kelmo;
};

struct Cas {
    const char* boite;
    std::function<void()> agit; // opens the window, types the number and presses the button
    const char* boiteRefus;     // the box the refusal names
    GenreChamp champ;
};

} // namespace

TEST_F(NombresHorsLimites, ABoxHoldingANumberBeyondADoubleIsRefusedAndNothingChanges)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString ancien = dossier.filePath(QStringLiteral("ancien.dxf"));
    {
        QFile f(ancien);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ancien dessin");
    }
    DXF.NomFichierDXF = ancien;

    // What each case types; both signs.
    QString nombre;
    const auto dxf = [this, &nombre](std::function<void(SortieDXF*)> coche, std::function<QLineEdit*(SortieDXF*)> boite) {
        return [this, &nombre, coche, boite] {
            kelmo->ExecuteMenu(QStringLiteral("menCréeFichDXF"));
            SortieDXF* w = FenetreSortieDXF();
            coche(w);
            tape(boite(w), nombre);
            w->ecritleDXF->click();
        };
    };
    const auto noeuds = [](SortieDXF* w) { w->CocheNoeud[0]->click(); };
    const auto arcs = [](SortieDXF* w) { w->CocheArcs0->click(); };
    const auto cercles = [](SortieDXF* w) { w->cochecircle->click(); };
    const auto tubes = [](SortieDXF* w) {
        w->CocheArcs0->click();
        w->TroisDTubes->click();
    };
    const auto couts = [this, &nombre](QComboBox* Coûts::*liste, QPushButton* Coûts::*bouton) {
        return [this, &nombre, liste, bouton] {
            kelmo->ExecuteMenu(QStringLiteral("menCoûts"));
            auto* w = static_cast<Coûts*>(kelmo->findChild<QDialog*>(QStringLiteral("Coûts")));
            ASSERT_TRUE(w && w->isVisible());
            (w->*liste)->setEditText(nombre);
            (w->*bouton)->click();
        };
    };
    const Cas cas[] = {
        {"Hauteur du texte", dxf(noeuds, [](SortieDXF* w) { return w->NomVilleDxf[3]; }), "Hauteur du texte",
         GenreChamp::Double},
        {"Angle de rotation", dxf(noeuds, [](SortieDXF* w) { return w->NomVilleDxf[2]; }), "Angle de rotation",
         GenreChamp::Double},
        {"Valeur de R", dxf(noeuds, [](SortieDXF* w) { return w->cadcircle[2]; }), "Valeur de R", GenreChamp::Double},
        {"plan des noeuds", dxf(noeuds, [](SortieDXF* w) { return w->plancad[1]; }), "Plan n° (Noeuds)",
         GenreChamp::Entier16},
        {"plan d'un arc", dxf(arcs, [](SortieDXF* w) { return w->plancad[4]; }), "Plan n° (TGL-TER - 4)",
         GenreChamp::Entier16},
        {"épaisseur d'un arc", dxf(arcs, [](SortieDXF* w) { return w->epaisseurcad[4]; }), "Epaisseur (TGL-TER - 4)",
         GenreChamp::Double},
        {"Nbre Facettes", dxf(tubes, [](SortieDXF* w) { return w->Tube[1]; }), "Nbre Facettes", GenreChamp::Double},
        {"Facteur d'échelle", dxf(cercles, [](SortieDXF* w) { return w->cadcircle[1]; }), "Facteur d'échelle",
         GenreChamp::Double},
        {"Valeur de R des cercles", dxf(cercles, [](SortieDXF* w) { return w->cadcircle[2]; }), "Valeur de R",
         GenreChamp::Simple},
        {"passagers, Coûts au km", couts(&Coûts::Combo1, &Coûts::Annuler), "Nombre de passagers", GenreChamp::Double},
        {"passagers, Quitter", couts(&Coûts::Combo1, &Coûts::Command3D1), "Nombre de passagers", GenreChamp::Double},
        {"puissance, Coûts au km", couts(&Coûts::Combo2, &Coûts::Annuler), "Puissance de la voiture",
         GenreChamp::Double},
        {"puissance, Quitter", couts(&Coûts::Combo2, &Coûts::Command3D1), "Puissance de la voiture",
         GenreChamp::Double},
        {"longueur, Coûts au km", couts(&Coûts::Combo3, &Coûts::Annuler), "Longueur du déplacement",
         GenreChamp::Double},
        {"longueur, Quitter", couts(&Coûts::Combo3, &Coûts::Command3D1), "Longueur du déplacement",
         GenreChamp::Double},
    };
    for (const Cas& c : cas)
        for (const char* n : {"1e999", "-1e999"}) {
            SCOPED_TRACE(std::string(c.boite) + " " + n);
            nombre = QString::fromLatin1(n);
            const ModeleSortieDXF sortie = K.Formes.SortieDXF;
            const double passagers = K.NombrePassagers, puissance = K.PuissanceFiscale,
                         longueur = K.LongueurDeplacementKm, route = K.CoutKmRoute, tgv = K.CoutKmTGV;
            const float train = K.CoutKmTrain;
            const auto kilometriques = K.Formes.CoûtsKilométriques.Texte;
            ui.efface();

            EXPECT_NO_THROW(c.agit());
            ASSERT_EQ(ui.messages().size(), 1u);
            EXPECT_EQ(ui.messages()[0], MessageHorsChamp(nombre, QString::fromUtf8(c.boiteRefus), c.champ));
            EXPECT_EQ(ui.appels().back().icone, Icone::Exclamation);
            for (const AppelDialogue& a : ui.appels())
                EXPECT_NE(a.genre, AppelDialogue::FichierEnregistrer) << "no file chooser";
            EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("ancien.dxf")});
            EXPECT_EQ(test::LitOctets(ancien), "ancien dessin");
            EXPECT_EQ(K.NombrePassagers, passagers);
            EXPECT_EQ(K.PuissanceFiscale, puissance);
            EXPECT_EQ(K.LongueurDeplacementKm, longueur);
            EXPECT_EQ(K.CoutKmRoute, route);
            EXPECT_EQ(K.CoutKmTGV, tgv);
            EXPECT_EQ(K.CoutKmTrain, train);
            EXPECT_EQ(K.Formes.CoûtsKilométriques.Texte, kilometriques);
            K.Formes.SortieDXF = sortie;
            FenetreSortieDXF()->Rafraichit();
        }
}
