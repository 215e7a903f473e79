// A number typed that its field cannot hold ("1e308" or "1e39" in a single,
// "1e999" anywhere), or whose results would not be finite, is refused with
// one message naming the box, and nothing changes. A writer meeting a number
// that is not finite refuses it with its message and leaves the old file.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "core/MetaFichier.h"
#include "dxf/CouleursNoeudsDXF.h"
#include "dxf/DonneesDXF.h"
#include "dxf/FichierDXF.h"
#include "platform/Fichiers.h"
#include "platform/NombresChamps.h"
#include "platform/RepondeurScripte.h"
#include "relief/CommandesRelief.h"
#include "support/Reseau.h"
#include "values/ClassesValeurs.h"
#include "values/Exploration.h"
#include "values/MethodesBornes.h"
#include "view/Angles.h"
#include "view/AspectVisuelArcs.h"
#include "view/AspectVisuelNoeuds.h"
#include "view/ParamAffichage.h"
#include "view/Redessin.h"
#include "view/SaisiesAffichage.h"
#include "view/SeuilsAffichage.h"
#include "view/formes/Angles.h"
#include "view/formes/FenetresDialogues.h"
#include "view/formes/TraceArcs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVariant>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;
using G = GenreChamp;

namespace {

class ChampsHorsLimites : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReseauDemarre();
        kelmo = std::make_unique<Kelmo>();
        K.NbClasses = 3;
        K.Classes[1].Epaisseur = 2; // 0 would be offered as 1
        DXF.NomFichierDXF = dossier.filePath(QStringLiteral("ancien.dxf"));
        EnregistreFichier(DXF.NomFichierDXF, "ancien dessin");
    }
    void TearDown() override
    {
        kelmo.reset();
        ReinitialiseDonnees();
    }
    // What no refusal may change: the model's values, the tick shown, the files.
    std::string etat() const
    {
        const ModeleStatistiques& s = K.Formes.Statistiques;
        QStringList l = textes(
            K.NombrePassagers, K.PuissanceFiscale, K.LongueurDeplacementKm, K.CoutKmRoute, K.CoutKmAutoroute,
            K.CoutKmTGV, K.CoutKmTrain, K.CoutKmRoute1, K.CoutKmAutoroute1, K.CoutKmRoute2, K.CoutKmAutoroute2,
            K.CoefEclaircissement, K.SeuilAttractions, K.EpaisseurArcsDXF, K.Formes.TraceArcs.DXFCouleurNoeuds,
            arcs()->DXFCouleurNoeuds->isChecked(), K.AngleVertical, K.AngleHorizontal, K.AngleVerticalDeg,
            K.AngleVerticalDonnees, K.Annule, K.Formes.Angles.Gauge1, K.SeuilSuperieurNoms, K.SeuilInferieurNoms,
            K.NombreLettresNoms, K.RayonNoeuds, K.EpaisseurBlancArcs, K.EpaisseurTraitArcs, K.Echelle, K.OrigineX,
            K.OrigineY, K.Classes[1].Epaisseur, K.FichierNoeudValeur1, s.Amplitude, s.Borne[2], s.Borne[3], s.Borne[4],
            K.Classes[1].BorneSup, K.Classes[2].BorneSup, K.Classes[3].BorneSup);
        l << QDir(dossier.path()).entryList(QDir::Files) << QString::fromStdString(LitOctets(DXF.NomFichierDXF));
        return l.join('|').toStdString();
    }
    template <class... T>
    static QStringList textes(const T&... v) { return {QVariant::fromValue(v).toString()...}; }
    TraceArcs* arcs() const { return static_cast<TraceArcs*>(FenetreAffichage(FormeDialogue::TraceArcs)); }

    RepondeurScripte ui;
    std::unique_ptr<Kelmo> kelmo;
    QTemporaryDir dossier;
};

struct Cas {
    const char* boite;
    std::vector<const char*> nombres;
    std::function<void(const QString&)> tape; // types the number where the user would, and confirms
    std::function<QString(const QString&)> message;
};

} // namespace

TEST_F(ChampsHorsLimites, ANumberItsFieldCannotHoldIsRefusedNamingTheBoxAndNothingChanges)
{
    const auto hors = [](const char* b, G g) {
        return [=](const QString& n) { return MessageHorsChamp(n, QString::fromUtf8(b), g); };
    };
    const auto texte = [](const char* m) { return [=](const QString&) { return QString::fromUtf8(m); }; };
    const auto resultat = [](const char* b) {
        return [=](const QString& n) { return MessageResultatHorsLimites(n, QString::fromUtf8(b)); };
    };
    const auto selon = [](auto auDelaDUnDouble, auto sinon) {
        return [=](const QString& n) { return n == u"1e999" ? auDelaDUnDouble(n) : sinon(n); };
    };
    const auto saisie = [this](void (*commande)()) {
        return [=, this](const QString& n) { ui.RepondTexte(n); commande(); };
    };
    const auto couts = [](QString ModeleCouts::*liste) {
        return [=](const QString& n) { Kelmo_menCoûts_Click(); K.Formes.Coûts.*liste = n; Coûts_Command3D1_Click(); };
    };
    const auto angle = [](QLineEdit* Angles::*boite, bool donnees) {
        return [=](const QString& n) {
            K.Formes.Angles.Coche1 = donnees;
            Kelmo_menAngles_Click();
            auto* w = static_cast<Angles*>(FenetreAffichage(FormeDialogue::Angles));
            (w->*boite)->setText(n);
            emit (w->*boite)->textEdited(n);
            w->Commande1->click();
            EXPECT_TRUE(w->isVisible()) << "the form stays open on the angle refused";
        };
    };
    const auto seuils = [](int b) {
        return [=](const QString& n) {
            SeuilsAffichage_DefinitTexte1(b == 1 ? n : QStringLiteral(" 12000000"));
            SeuilsAffichage_DefinitTexte2(b == 2 ? n : QStringLiteral(" 10000"));
            SeuilsAffichage_DefinitTexteListe(b == 3 ? n : QStringLiteral("20"));
            SeuilsAffichage_Command3D1_Click();
        };
    };
    const auto zoom = [](QString ModeleParamAffichage::*boite) {
        return [=](const QString& n) {
            const auto montre = Liens().Montre;
            Liens().Montre = [&](FormeDialogue, bool) { K.Formes.ParamAffichage.*boite = n; };
            Kelmo_menParamAffichage_Click();
            Liens().Montre = montre;
        };
    };
    const auto bornes = [&](const QString& minimum, void (*methode)()) {
        return [=](const QString& n) {
            K.Formes.Statistiques.Text1 = minimum;
            K.Formes.Statistiques.Text2 = QStringLiteral(" 9");
            saisie(methode)(n);
        };
    };
    const auto dxf = [](void (*regle)(ModeleSortieDXF&, const QString&)) {
        return [=](const QString& n) {
            const ModeleSortieDXF avant = K.Formes.SortieDXF;
            regle(K.Formes.SortieDXF, n);
            EcritFichierDXF();
            K.Formes.SortieDXF = avant;
        };
    };
    const auto regulieres = bornes(QStringLiteral(" 5"), Statistiques_SSCommand3_Click);
    const auto vertical = selon(hors("Angle vertical", G::Double), resultat("Angle vertical"));

    const Cas cas[] = {
        {"passagers", {"1e308", "1e39", "1e999"}, couts(&ModeleCouts::TexteCombo1),
         selon(hors("Nombre de passagers", G::Double), texte("Le nombre de passagers n'est pas un nombre valable."))},
        {"puissance", {"1e308", "1e999"}, couts(&ModeleCouts::TexteCombo2),
         selon(hors("Puissance de la voiture", G::Double),
               texte("La puissance de la voiture n'est pas un nombre valable."))},
        {"longueur", {"1e308", "1e999"}, couts(&ModeleCouts::TexteCombo3),
         selon(hors("Longueur du déplacement", G::Double),
               texte("La longueur du déplacement n'est pas un nombre valable."))},
        {"éclaircissement", {"1e999"}, saisie(Kelmo_menCouleur_Click), hors("Eclaircissement de la couleur", G::Double)},
        {"seuil des attractions", {"1e999"}, saisie(Kelmo_menOptionsAttractions_Click),
         hors("Seuil des attractions", G::Double)},
        {"DXF couleur noeuds, case", {"1e999"},
         [&](const QString& n) { ui.RepondTexte(n); arcs()->DXFCouleurNoeuds->click(); },
         hors("Jonction Kelmo - DXF", G::Double)},
        {"DXF couleur noeuds, clic", {"1e999"},
         [&](const QString& n) { K.Formes.TraceArcs.DXFCouleurNoeuds = 1; saisie(TraceArcs_DXFCouleurNoeuds_Click)(n); },
         hors("Jonction Kelmo - DXF", G::Double)},
        {"angle vertical", {"1e308", "1e999"}, angle(&Angles::Texte1, false), vertical},
        {"angle des données", {"1e41", "1e999"}, angle(&Angles::Texte1, true), vertical},
        {"angle horizontal", {"1e308", "1e999"}, angle(&Angles::Texte3, false),
         selon(hors("Angle horizontal", G::Double), resultat("Angle horizontal"))},
        {"flèche de l'angle", {"1e999"}, [](const QString& n) { Angles_DefinitTexte1(n); Angles_Spin1_SpinUp(); },
         hors("Angle vertical", G::Double)},
        {"seuil supérieur", {"1e999"}, seuils(1), hors("Seuil d'affichage supérieur", G::Double)},
        {"seuil inférieur", {"1e308", "1e999"}, seuils(2), hors("Seuil d'affichage inférieur", G::Entier32)},
        {"nombre de lettres", {"1e999"}, seuils(3), hors("Nombre de lettres à afficher", G::Double)},
        {"rayon des noeuds", {"1e999"}, AspectVisuelNoeuds_DefinitTexteCombo1, hors("Rayon du cercle", G::Double)},
        {"trait blanc des arcs", {"1e999"}, AspectVisuelArcs_DefinitText1,
         hors("Epaisseur du trait blanc de fond", G::Double)},
        {"coefficient de zoom", {"1e308", "1e39", "1e999"}, zoom(&ModeleParamAffichage::CoefficientZoom),
         hors("Coefficient", G::Simple)},
        {"abscisse du zoom", {"1e308", "1e39", "1e999"}, zoom(&ModeleParamAffichage::xZoom), hors("Abscisse (x)", G::Simple)},
        {"amplitude régulière", {"1e308", "1e39", "1e999"}, regulieres, hors("Amplitude régulière", G::Simple)},
        {"bornes de l'amplitude", {"2e38"}, regulieres, resultat("Amplitude régulière")},
        {"minimum", {"1e308", "1e39", "1e999"}, [&](const QString& n) { bornes(n, Statistiques_SSCommand1_Click)(n); },
         hors("Minimum", G::Simple)},
        {"épaisseur de classe", {"1e308", "1e39", "1e999"},
         [&](const QString& n) { ui.RepondTexte(n); ChoisitEpaisseurClasse(1); }, hors("Epaisseur", G::Simple)},
        {"itérations", {"1e999"}, saisie(Kelmo_menExploration_Click), hors("Exploration", G::Double)},
        {"valeur de R", {"1e308", "1e39"},
         dxf([](ModeleSortieDXF& s, const QString& n) { s.cochecircle.Value = true; s.cadcircle[2] = n; }),
         hors("Valeur de R", G::Simple)},
        {"facteur d'échelle", {"1e308", "1e39"}, dxf([](ModeleSortieDXF& s, const QString& n) {
             s.cochecircle.Value = true;
             s.Rayon = RayonCerclesDXF::FonctionPopulation;
             s.cadcircle[1] = n;
         }),
         texte("Le facteur d'échelle n'est pas un nombre valable.")},
        {"épaisseur des tubes", {"1e308", "1e39"}, dxf([](ModeleSortieDXF& s, const QString& n) {
             s.CocheArcs[0].Value = true;
             s.Objet = ObjetArcsDXF::TroisDTubes;
             s.epaisseurcad[4] = n;
         }),
         hors("Epaisseur (TGL-TER - 4)", G::Simple)},
    };
    for (const Cas& c : cas)
        for (const char* n : c.nombres) {
            SCOPED_TRACE(std::string(c.boite) + " " + n);
            const std::string avant = etat();
            ui.efface();
            EXPECT_NO_THROW(c.tape(QString::fromLatin1(n)));
            EXPECT_EQ(ui.messages(), std::vector<QString>{c.message(QString::fromLatin1(n))});
            EXPECT_EQ(etat(), avant);
        }
}

TEST_F(ChampsHorsLimites, AWriterRefusesANumberThatIsNotFiniteAndLeavesTheOldFile)
{
    K.Menu(QStringLiteral("menImageVectorielle")).Checked = true;
    EffaceMetaFichier();
    const std::pair<std::function<void()>, const char*> cas[] = {
        {[] { K.Noeuds[1].X = INFINITY; K.Formes.SortieDXF.CocheNoeud[0].Value = true; EcritFichierDXF(); },
         "Erreur lors de l'écriture du fichier DXF"},
        {[this] {
             DXF.SegmentsDXF.assign(2, ArcDXF{.X2 = NAN});
             K.NbSegmentsDXF = 1;
             ui.RepondTexte(DXF.NomFichierDXF);
             EcritArcsCouleursNoeudsDXFFichier();
         },
         "Erreur lors de l'écriture du fichier DXF"},
        {[] { EXPECT_FALSE(CercleMeta(10, 10, NAN, 0, 0, 1)); EnregistreImageVectorielle(); },
         "Le Metafichier n'est pas défini"},
        {[] { EXPECT_FALSE(LigneMeta(0, 0, 10, 10, 0, INFINITY)); EnregistreImageVectorielle(); },
         "Le Metafichier n'est pas défini"},
    };
    for (const auto& [ecrit, message] : cas) {
        SCOPED_TRACE(message);
        const std::string avant = etat();
        ui.efface();
        EXPECT_NO_THROW(ecrit());
        EXPECT_EQ(ui.messages(), std::vector<QString>{QString::fromUtf8(message)});
        EXPECT_EQ(etat(), avant);
    }
}
