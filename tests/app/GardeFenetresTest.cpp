// No error escaping a window's handler ends the program: every window shows
// the main menu's message and the session goes on with its data.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "core/Commandes.h"
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "dxf/formes/FenetresDXF.h"
#include "dxf/formes/SortieDXF.h"
#include "editing/CrochetsEdition.h"
#include "platform/RepondeurScripte.h"
#include "support/ErreursAttendues.h"
#include "timetables/formes/FenetresHoraires.h"
#include "timetables/formes/HorairesArcs.h"
#include "timetables/formes/Trains.h"
#include "values/formes/FenetresStatistiques.h"
#include "values/formes/Statistiques.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <stdexcept>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace kelmo;
using namespace kelmo::test;

namespace {

const QString MessagePanne = QStringLiteral("L'erreur inattendue s'est produite : panne simulée");

// The next input box or file chooser fails as a library error would.
class RepondeurEnPanne : public RepondeurScripte {
public:
    std::optional<QString> Saisie(const QString& invite, const QString& titre, const QString& defaut) override
    {
        panne();
        return RepondeurScripte::Saisie(invite, titre, defaut);
    }
    std::optional<QString> FichierOuvrir(const DemandeFichier& d) override
    {
        panne();
        return RepondeurScripte::FichierOuvrir(d);
    }
    std::optional<QString> FichierEnregistrer(const DemandeFichier& d) override
    {
        panne();
        return RepondeurScripte::FichierEnregistrer(d);
    }
    bool enPanne = true;

private:
    void panne()
    {
        if (enPanne) {
            enPanne = false;
            throw std::runtime_error("panne simulée");
        }
    }
};

// A widget whose own event handler lets an error out.
class WidgetEnPanne : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override { Ui().Saisie(QString(), QString(), QString()); }
};

class GardeFenetres : public ::testing::Test {
public:
    void SetUp() override
    {
        ModeleDemarre();
        ReseauEnMemoire(); // PARIS, LYON, TOURS; two Train arcs from PARIS
        AjouteArc(75056, 69123, 0, 0, 4, 460, 120, 480, 600, "", 0, 0);
        IndexeArcs();
        RemplitListesNoeuds();
        kelmo = std::make_unique<Kelmo>();
    }
    void TearDown() override
    {
        ClicsCarte() = {};
        kelmo.reset();
        ReinitialiseDonnees();
    }
    void lienParisLyon()
    {
        ModeleModifArcs& e = K.Formes.ModifArcs;
        e.ListeModifiable1.Choisit(1);
        e.ListeModifiable2.Choisit(2);
        e.ListeModifiable3.Choisit(static_cast<int>(e.ListeModifiable3.Entrees.indexOf(QStringLiteral("Train"))));
        AfficheHorairesArc();
    }
    RepondeurEnPanne ui;
    std::unique_ptr<Kelmo> kelmo;
};

TEST_F(GardeFenetres, AnErrorInAnyWindowsHandlerIsShownAndTheDataStay)
{
    struct Cas {
        const char* fenetre;
        std::function<void(GardeFenetres&)> agit;
    };
    const Cas cas[] = {
        {"click on the map", [](GardeFenetres& t) {
             K.ModeCalage = true;
             ClicsCarte().DigitaliseNoeud = [](float, float) { Ui().Saisie(QString(), QString(), QString()); };
             t.kelmo->Kelmo_Ima_MouseUp(1, 0, 10, 10);
             K.ModeCalage = false;
         }},
        {"link timetable", [](GardeFenetres& t) {
             t.lienParisLyon();
             FenetreHorairesArcs()->Command3D2->click();
         }},
        {"train run", [](GardeFenetres& t) {
             t.lienParisLyon();
             HorairesArcs* h = FenetreHorairesArcs();
             emit h->ListeHoraires->itemClicked(h->ListeHoraires->item(0));
             h->AfficheTrain->click();
             Trains* w = FenetreTrains();
             w->ListeTrains->item(w->ListeTrains->count() - 1)->setSelected(true);
             t.ui.Repond(Reponse::OK); // the count of selected services
             w->Dupliquer->click();
         }},
        {"DXF export", [](GardeFenetres&) { FenetreSortieDXF()->ecritleDXF->click(); }},
        {"statistics", [](GardeFenetres&) {
             QLineEdit* fichier1 = FenetreStatistiques()->Text3;
             QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
             QApplication::sendEvent(fichier1, &e);
         }},
        {"event handler of a widget", [](GardeFenetres&) {
             WidgetEnPanne w;
             QMouseEvent e(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
             QApplication::sendEvent(&w, &e);
         }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.fenetre);
        ui.efface();
        ui.enPanne = true;
        const auto noeuds = K.NbNoeuds;
        const auto arcs = K.NbArcs;
        ErreursInattenduesAttendues attendues;
        EXPECT_NO_THROW(c.agit(*this));
        EXPECT_EQ(attendues.nombre(), 1);
        EXPECT_FALSE(ui.enPanne) << "the failing box was never reached";
        const std::vector<QString> messages = ui.messages();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.back(), MessagePanne);
        EXPECT_EQ(ui.appels().back().titre, QStringLiteral("Erreur"));
        EXPECT_FALSE(ui.sablierActif());
        EXPECT_EQ(K.NbNoeuds, noeuds);
        EXPECT_EQ(K.NbArcs, arcs);
    }
}

// Outside the guard's own tests, an error that escapes a widget's handler
// fails the running test even though its message box was answered.
TEST_F(GardeFenetres, AnErrorEscapingAHandlerFailsTheTestThatDidNotExpectIt)
{
    WidgetEnPanne w;
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    EXPECT_NONFATAL_FAILURE(QApplication::sendEvent(&w, &e), "panne simulée");
    EXPECT_EQ(ui.messages().back(), MessagePanne);
}

} // namespace
