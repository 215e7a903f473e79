// The statistics window built at start-up, offscreen: its controls with
// their captions and tooltips, the visibility rules, the tab relabelling,
// the chart's series following the counts, a strip's pixels, showing and
// hiding, and the commands it registers.
#include "values/formes/Statistiques.h"
#include "core/Commandes.h"
#include "core/FichierNoeuds.h"
#include "core/Images.h"
#include "core/Menus.h"
#include "platform/RepondeurScripte.h"
#include "values/ChargementNoeudsValeurs.h"
#include "values/ValeursDeTest.h"
#include "values/formes/FenetresStatistiques.h"

#include <QBarSet>
#include <QCheckBox>
#include <QChart>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QApplication>
#include <algorithm>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class FenetreStatistiques_ : public ::testing::Test {
protected:
    void SetUp() override
    {
        StatistiquesDemarrees();
        InitialiseEtatsMenus();
        InstalleStatistiques(nullptr);
        w = FenetreStatistiques();
        ASSERT_NE(w, nullptr);
        w->Rafraichit();
    }
    void TearDown() override { DetruitFenetresStatistiques(); }
    static void valeursArcs2(std::initializer_list<float> valeurs)
    {
        K.NombreArcs2 = 0;
        for (float v : valeurs)
            K.Arcs2[static_cast<std::size_t>(++K.NombreArcs2)].Valeur = v;
    }
    std::vector<int> effectifs() const
    {
        std::vector<int> n;
        for (int i = 0; i < w->Effectifs()->count(); ++i)
            n.push_back(static_cast<int>(w->Effectifs()->at(i)));
        return n;
    }
    ModeleStatistiques& s = K.Formes.Statistiques;
    RepondeurScripte ui;
    ImagesDeTest images;
    Statistiques* w = nullptr;
};

} // namespace

TEST_F(FenetreStatistiques_, TheWindowStartsHiddenWithTheCaptionsAndTooltipsOfItsControls)
{
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->SSTab1->tabText(0), QStringLiteral("Noeuds"));
    EXPECT_EQ(w->SSTab1->tabText(1), QStringLiteral("Arcs"));
    const std::pair<QAbstractButton*, const char*> captions[] = {
        {w->Option3D1, "Noeud-valeur 1 (état final)"},
        {w->Option3D2, "Noeud-valeur 2 (état initial)"},
        {w->Multiplication, "Multiplication de 1 par 2"},
        {w->DiffAbs, "Différences absolues (1-2, final moins initial)"},
        {w->DiffRelat, "Différences relatives (1-2, final moins initial)"},
        {w->BlindageEchDifAbs, "Blindage échelle"},
        {w->FusionneFichiers, "Fusion.."},
        {w->Command3D2, "Data"},
        {w->Command3D3, "BMP"},
        {w->ArcVale1, "Arc-Valeur 1 (état final)"},
        {w->ArcVale2, "Arc-Valeur 2 (état initial)"},
        {w->Command3D4, "Différence absolue"},
        {w->Command3D5, "Différence relative"},
        {w->R, "Relecture des fichiers"},
        {w->SSCommand1, "Iso-amplitude"},
        {w->SSCommand2, "Iso-effectifs"},
        {w->SSCommand3, "Intervalles réguliers..."},
        {w->ClassesDifférences, "Utilise les classes des différences"},
        {w->ClasseDifRel, "Rel."},
        {w->ClasseDiffAbs, "Abs."},
        {w->AffValNum, "Affiche les valeurs numériques"},
        {w->ApercuCarte, "Aperçu de la carte"},
        {w->Check3D1, "Cercles proportionnels"},
        {w->ValHoraires, "Données horaires"},
        {w->HoraireHHMM, "hhmm"},
        {w->HoraireMinutes, "minutes"},
        {w->Command3D1, "Fermer"}};
    for (const auto& [b, texte] : captions)
        EXPECT_EQ(b->text(), QString::fromUtf8(texte));
    EXPECT_EQ(w->Frame3D2->title(), QStringLiteral("Classes"));
    EXPECT_EQ(w->Text3->toolTip(), QStringLiteral("Double-cliquez pour charger un autre fichier"));
    EXPECT_EQ(w->Text4->toolTip(), w->Text3->toolTip());
    EXPECT_EQ(w->FusionneFichiers->toolTip(), QStringLiteral("Ne retient que les valeurs les plus petites de deux fichiers"));
    EXPECT_EQ(w->SSCommand1->toolTip(), QStringLiteral("Fixe les bornes des classes d'égales amplitude"));
    EXPECT_EQ(w->SSCommand2->toolTip(), QStringLiteral("Fixe les bornes des classes avec effectifs égaux"));
    EXPECT_EQ(w->PicClasse[1]->toolTip(), QStringLiteral("Cliquez pour modifier la couleur"));
    EXPECT_EQ(w->ClassesDifférences->toolTip(),
              QStringLiteral("Permet de dessiner des ronds proportionnels (valeur1 ou valeur2)  avec les couleurs des "
                             "classes de différence"));
    // The design state.
    EXPECT_TRUE(w->Option3D1->isChecked());
    EXPECT_TRUE(w->Check3D1->isChecked());
    EXPECT_TRUE(w->ClasseDiffAbs->isChecked());
    EXPECT_TRUE(w->HoraireHHMM->isChecked());
    EXPECT_EQ(w->NomFichBMP->text(), QStringLiteral("image.bmp"));
    // The load wrote the count before its change handler made it 1.
    EXPECT_EQ(w->Text5->text(), QStringLiteral(" 0"));
    EXPECT_EQ(w->SSTab1->currentIndex(), 0);
}

TEST_F(FenetreStatistiques_, TheBoundAndColourBoxesFollowTheNumberOfClasses)
{
    const auto visibles = [this] {
        std::pair<int, int> n{0, 0};
        for (int i = 1; i <= 11; ++i)
            n.first += !w->Borne[i]->isHidden();
        for (int k = 1; k <= 10; ++k)
            n.second += !w->PicClasse[k]->isHidden();
        return n;
    };
    EXPECT_EQ(visibles(), std::make_pair(2, 1));
    for (const auto& [texte, bornes] : {std::pair{"4", 5}, {"12", 11}, {"-3", 2}, {"", 2}}) {
        emit w->Text5->textEdited(QString::fromLatin1(texte));
        EXPECT_EQ(visibles(), std::make_pair(bornes, bornes - 1)) << texte;
        EXPECT_EQ(w->Effectifs()->count(), bornes - 1) << texte;
    }
    // The colour boxes show the classes' colours.
    EXPECT_TRUE(w->PicClasse[1]->styleSheet().startsWith(QStringLiteral("background-color: #fefefe;")));
}

TEST_F(FenetreStatistiques_, EnterInTheClassCountAppliesItAndPressesNoButton)
{
    PrepareStatistiques();
    ASSERT_TRUE(w->isVisible());
    w->Text5->setFocus();
    w->Text5->selectAll();
    for (const auto& [touche, texte] : {std::pair{Qt::Key_4, "4"}, {Qt::Key_Return, "\r"}}) {
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, QString::fromLatin1(texte));
        QKeyEvent relache(QEvent::KeyRelease, touche, Qt::NoModifier, QString::fromLatin1(texte));
        QApplication::sendEvent(w->Text5, &appui);
        QApplication::sendEvent(w->Text5, &relache);
    }
    EXPECT_TRUE(ui.appels().empty()) << "no file chooser, no message";
    EXPECT_EQ(K.NbClasses, 4);
    EXPECT_EQ(w->Effectifs()->count(), 4);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(FenetreStatistiques_, TheTimeAndDifferenceChoicesShowWithTheirBoxes)
{
    K.FichierNoeudValeur1 = QStringLiteral("/absent/stm312.dat");
    EXPECT_TRUE(w->TypeHoraire->isHidden());
    w->ValHoraires->click();
    EXPECT_FALSE(w->TypeHoraire->isHidden());
    w->ValHoraires->click();
    EXPECT_TRUE(w->TypeHoraire->isHidden());
    EXPECT_TRUE(w->ChoixDiffClasse->isHidden());
    w->ClassesDifférences->click();
    EXPECT_FALSE(w->ChoixDiffClasse->isHidden());
    EXPECT_TRUE(s.ClassesDifférences);
}

TEST_F(FenetreStatistiques_, TheArcsTabRelabelsTheBoxesAndPrintsTheThicknesses)
{
    emit w->Text5->textEdited(QStringLiteral("3"));
    w->SSTab1->setCurrentIndex(1);
    EXPECT_EQ(s.SSTab1, 1);
    EXPECT_EQ(w->Etiquette1->text(), QStringLiteral("Couleurs et épaisseurs des classes :"));
    EXPECT_EQ(w->PicClasse[3]->text(), QStringLiteral(" 3"));
    w->SSTab1->setCurrentIndex(0);
    EXPECT_EQ(w->Etiquette1->text(), QStringLiteral("Couleurs des classes :"));
}

TEST_F(FenetreStatistiques_, TheChartHoldsTheClassCounts)
{
    valeursArcs2({5, 15, 25});
    emit w->Text5->textEdited(QStringLiteral("2"));
    w->ArcVale2->click();
    EXPECT_TRUE(s.ArcVale2);
    EXPECT_EQ(effectifs(), (std::vector<int>{3, 0}));
    for (const auto& [i, texte] : {std::pair{1, "0"}, {2, "20"}, {3, "100"}})
        emit w->Borne[i]->textEdited(QString::fromLatin1(texte));
    EXPECT_EQ(effectifs(), (std::vector<int>{2, 1}));
    emit w->Text5->textEdited(QStringLiteral("3"));
    EXPECT_EQ(effectifs(), (std::vector<int>{2, 1, 0}));
}

// The counts are whole numbers: so are the labels of the count axis, read
// from bottom to top as the chart shows them.
TEST_F(FenetreStatistiques_, TheCountAxisIsLabelledInWholeNumbers)
{
    PrepareStatistiques();
    const auto etiquettes = [this] {
        QApplication::processEvents();
        const QRectF trace = w->Graph1->chart()->plotArea();
        std::vector<std::pair<double, QString>> parHauteur;
        for (QGraphicsItem* i : w->Graph1->scene()->items())
            if (auto* t = dynamic_cast<QGraphicsTextItem*>(i); t && t->isVisible()
                && t->sceneBoundingRect().right() <= trace.left() && !t->toPlainText().isEmpty())
                parHauteur.emplace_back(-t->sceneBoundingRect().center().y(), t->toPlainText());
        std::sort(parHauteur.begin(), parHauteur.end());
        QStringList l;
        for (const auto& [h, texte] : parHauteur)
            l << texte;
        return l.join(QLatin1Char(' '));
    };
    EXPECT_EQ(etiquettes(), QStringLiteral("0 1")) << "no value yet";
    valeursArcs2({5, 15, 25});
    emit w->Text5->textEdited(QStringLiteral("2"));
    for (const auto& [i, texte] : {std::pair{1, "0"}, {2, "100"}, {3, "200"}})
        emit w->Borne[i]->textEdited(QString::fromLatin1(texte));
    w->ArcVale2->click();
    EXPECT_EQ(etiquettes(), QStringLiteral("0 1 2 3"));
    valeursArcs2({5, 15, 25, 35, 45, 55, 65});
    w->ArcVale2->click();
    EXPECT_EQ(etiquettes(), QStringLiteral("0 2 4 6 8"));
}

TEST_F(FenetreStatistiques_, TheClassStripPaintsEachTickInItsClassColour)
{
    valeursArcs2({10, 20, 40});
    emit w->Text5->textEdited(QStringLiteral("2"));
    K.Classes[1] = {0, 30, RGB(255, 0, 0), 1};
    K.Classes[2] = {30, 100, RGB(0, 0, 255), 2};
    w->ArcVale2->click();
    const QImage image = w->Picture1->grab().toImage();
    ASSERT_EQ(s.Picture1.Traits.size(), 3u);
    for (const TraitBande& t : s.Picture1.Traits) {
        // A tick one pixel wide lands on the pixel column under its abscissa.
        const int x = std::clamp(static_cast<int>(t.X), 0, image.width() - 1);
        EXPECT_EQ(image.pixelColor(x, 20).rgb(), VersQColor(t.Couleur).rgb()) << t.X;
    }
    EXPECT_EQ(s.Picture1.Traits.back().Couleur, RGB(0, 0, 255));
    EXPECT_EQ(image.pixelColor(60, 20).rgb(), QColor(Qt::white).rgb()); // between ticks
}

TEST_F(FenetreStatistiques_, TheOpenerShowsTheWindowAndFermerHidesIt)
{
    PrepareStatistiques();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Ech->text(), QStringLiteral("1"));
    emit w->Ech->textEdited(QStringLiteral("2.5"));
    w->Command3D1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(K.EchelleRonds, 2.5);
    PrepareStatistiques();
    EXPECT_EQ(w->Ech->text(), QStringLiteral("2.5"));
    w->reject(); // the close box is "Fermer"
    EXPECT_FALSE(s.Visible);
}

TEST_F(FenetreStatistiques_, ADoubleClickOnAFileBoxOpensTheFileCommand)
{
    ui.RepondTexte(std::nullopt);
    QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w->Text4, &e);
    ASSERT_FALSE(ui.appels().empty());
    EXPECT_EQ(ui.appels().back().fichier.titre, QStringLiteral("Fichier noeud-valeur 2 (état initial)..."));
}

// The window the load opens studies the files read, not the values
// prepared before the reading.
TEST_F(FenetreStatistiques_, LoadingTheBundledFileOneShowsTheRangeOfItsValues)
{
    K.RepertoireValeursNoeuds = QStringLiteral(KELMO_SOURCE_DIR "/data/noeudval");
    LitFichierNoeuds(QStringLiteral(KELMO_SOURCE_DIR "/data/noeuds/n157eu.dat"));
    K.FichierNoeudValeur2 = K.RepertoireValeursNoeuds + QStringLiteral("/stm313.dat");
    emit w->Text5->textEdited(QStringLiteral("2"));
    for (const auto& [i, texte] : {std::pair{1, "0"}, {2, "400"}, {3, "800"}})
        emit w->Borne[i]->textEdited(QString::fromLatin1(texte));
    ui.RepondTexte(K.RepertoireValeursNoeuds + QStringLiteral("/stm312.dat"));
    ExecuteCommande(QStringLiteral("menFichierCodeValeur1"));
    ASSERT_TRUE(w->isVisible() && w->Option3D1->isChecked());
    EXPECT_EQ(w->Text1->text() + w->Text2->text(), QStringLiteral(" 212.3 722.8"));
    EXPECT_EQ(effectifs(), (std::vector<int>{136, 39}));
    w->SSCommand1->click();
    EXPECT_EQ(w->Borne[2]->text() + w->Borne[3]->text(), QStringLiteral("467.55723.8"));
    EXPECT_EQ(effectifs(), (std::vector<int>{155, 20}));
}

TEST_F(FenetreStatistiques_, TheValueCommandsAreRegistered)
{
    for (const char* m : {"menFichierCodeValeur1", "menFichierCodeValeur2", "menStatistiques", "menCodeValEnZ",
                          "menArcsAttractions", "menExploration"})
        EXPECT_TRUE(CommandeEnregistree(QString::fromLatin1(m))) << m;
    const bool avant = K.Menu(QStringLiteral("menCodeValEnZ")).Checked;
    ExecuteCommande(QStringLiteral("menCodeValEnZ"));
    EXPECT_NE(K.Menu(QStringLiteral("menCodeValEnZ")).Checked, avant);
    ExecuteCommande(QStringLiteral("menCodeValEnZ"));
    EXPECT_EQ(K.Menu(QStringLiteral("menCodeValEnZ")).Checked, avant);
}
