// The editors and the timetables, windows of their own beside the map, are
// shown whole inside the screen wherever they were left, clear of the main
// window's menu bar, and take the keyboard; Escape is their "Quitter".
#include "OutilsApp.h"
#include "OutilsFenetres.h"
#include "app/Application.h"
#include "app/Kelmo.h"
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "dxf/SortieDXF.h"
#include "editing/LiensEdition.h"
#include "editing/formes/FenetresEdition.h"
#include "editing/formes/ModifArcs.h"
#include "editing/formes/ModifNoeuds.h"
#include "platform/Chemins.h"
#include "platform/RepondeurScripte.h"
#include "platform/formes/DialoguesQt.h"
#include "relief/CommandesRelief.h"
#include "timetables/LiensHoraires.h"
#include "timetables/formes/FenetresHoraires.h"
#include "timetables/formes/HorairesArcs.h"
#include "timetables/formes/HorairesNoeuds.h"
#include "timetables/formes/Trains.h"
#include "values/formes/FenetresStatistiques.h"
#include "values/formes/Statistiques.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

TEST(PlacementFenetres, EachEditorAndTimetableWindowIsShownInsideTheScreenClearOfTheMenusWithTheKeyboard)
{
    ModeleDemarre();
    ReseauEnMemoire();
    IndexeArcs();
    RemplitListesNoeuds();
    RepondeurScripte r;
    {
        Kelmo k;
        struct Cas {
            const char* titre;
            std::function<QWidget*()> fenetre;
            std::function<void()> montre;
        };
        const Cas cas[] = {
            {"Modification des arcs", [] { return FenetreModifArcs(); },
             [] { LiensFenetresEdition().Montre(FenetreEdition::ModifArcs); }},
            {"Modifie les noeuds", [] { return FenetreModifNoeuds(); },
             [] { LiensFenetresEdition().Montre(FenetreEdition::ModifNoeuds); }},
            {"Horaires (arcs)", [] { return FenetreHorairesArcs(); },
             [] { LiensFenetresHoraires().Montre(FenetreHoraire::HorairesArcs); }},
            {"Horaires (noeud)", [] { return FenetreHorairesNoeuds(); },
             [] { LiensFenetresHoraires().Montre(FenetreHoraire::HorairesNoeuds); }},
            {"Trains", [] { return FenetreTrains(); }, [] { LiensFenetresHoraires().Montre(FenetreHoraire::Trains); }},
        };
        // Shown before the main window: neither its frame nor the main
        // window's is known when it is first placed, only once it is framed.
        for (const Cas& c : cas) {
            QWidget* w = c.fenetre();
            SCOPED_TRACE(c.titre);
            const QRect zone = w->screen()->availableGeometry();
            w->move(zone.topLeft() - QPoint(300, 200));
            c.montre();
            Attend([w] { return QApplication::activeWindow() == w; });
            const QRect cadre = CadrePose(w);
            EXPECT_TRUE(zone.contains(cadre)) << cadre.x() << "," << cadre.y();
            w->hide();
        }
        k.show();
        QApplication::processEvents();
        for (const Cas& c : cas) {
            QWidget* w = c.fenetre();
            SCOPED_TRACE(w->windowTitle().toStdString());
            EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.titre));
            const QRect zone = w->screen()->availableGeometry();
            // Left by the window manager where the pointer was, near the
            // bottom right corner: most of the window below the screen.
            for (const QPoint coin : {zone.bottomRight() - QPoint(60, 40), zone.topLeft() - QPoint(300, 200)}) {
                w->hide();
                w->move(coin);
                // The command is given in the main window.
                k.activateWindow();
                QApplication::processEvents();
                c.montre();
                Attend([w] { return QApplication::activeWindow() == w; });
                EXPECT_TRUE(w->isVisible());
                const QRect cadre = CadrePose(w);
                EXPECT_TRUE(zone.contains(cadre))
                    << cadre.x() << "," << cadre.y() << " " << cadre.width() << "x" << cadre.height();
                const QRect menus(k.menuBar()->mapToGlobal(QPoint(0, 0)), k.menuBar()->size());
                EXPECT_FALSE(cadre.intersects(menus));
                EXPECT_EQ(QApplication::activeWindow(), w);
                EXPECT_TRUE(w->isAncestorOf(QApplication::focusWidget()));
            }
            QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &echap);
            EXPECT_FALSE(w->isVisible());
        }
    }
    ReinitialiseDonnees();
}

// On the sample network, whose arcs use every link type, the windows and
// boxes the commands open stand whole inside a 1024 x 768 screen, title bar
// and buttons included, and clear of the main menus where the screen leaves
// room: the tall ones, the wide prompt and one of each kind.
TEST(PlacementFenetres, EveryWindowTheCommandsOpenIsWholeInsideTheScreenAndClearOfTheMenus)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "frames exist on X11 under a window manager";
    ReinitialiseDonnees();
    DefinitCandidatsRacineDonnees({{RacineIntegree()}});
    RepondeurScripte r;
    Kelmo& k = DemarreKelmo();
    DialoguesQt boites(&k);
    DefinitUi(&boites);
    const auto menu = [&k](const char* nom) { return [&k, nom] { k.ExecuteMenu(QString::fromUtf8(nom)); }; };
    const std::pair<const char*, std::function<void()>> cas[] = {
        {"Fichier des noeuds...", menu("menFichiersGraphe")},
        {"Statistiques", menu("menStatistiques")},
        {"Sortie DXF", menu("menCréeFichDXF")},
        {"Double cliquez sur une couleur...", [] { LiensDXF().MontreCouleursDXF(); }},
        {"Police", [] { Ui().ChoixPolice(Police{}); }},
        {"Arcs", menu("menTraceTrajets")},
        {"Coûts", menu("menValuationCoût")},
        {"Coûts kilométriques", [] { FenetresRelief().Montre(FenetreRelief::CoûtsKilométriques, false); }},
        {"Eclaircissement de la couleur", menu("menCouleur")},
        {"A propos de KELMO...", menu("menAPropos")},
        // Over an editor that stands right below the menus, a box taller than
        // the editor still leaves the menus free.
        {"Une boîte sur l'éditeur",
         [&k] {
             FenetreModifArcs()->move(0, 0);
             k.ExecuteMenu(QStringLiteral("menModifieOD"));
             Attend([] { return QApplication::activeWindow() == FenetreModifArcs(); });
             CadrePose(FenetreModifArcs());
             Ui().Message(QStringList(24, QStringLiteral("Une ligne du texte")).join(QChar(13)), Boutons::OK,
                          Icone::Aucune, QString::fromUtf8("Une boîte sur l'éditeur"));
         }},
    };
    const QRect zone = k.screen()->availableGeometry();
    const QRect menus(k.menuBar()->mapToGlobal(QPoint(0, 0)), k.menuBar()->size());
    for (const auto& [titre, ouvre] : cas) {
        SCOPED_TRACE(titre);
        // Once the window has the keyboard (or after about 3 s), where it
        // stands; then every box is cancelled and every window closed.
        QRect cadre;
        bool fini = false;
        int attentes = 0;
        QTimer minuterie;
        QObject::connect(&minuterie, &QTimer::timeout, [&, t = QString::fromUtf8(titre)] {
            const QWidget* w = QApplication::activeWindow();
            if (cadre.isNull() && w && w->windowTitle() == t)
                cadre = CadrePose(w);
            if (cadre.isNull() && ++attentes < 300)
                return;
            if (auto* boite = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                return boite->reject();
            for (QWidget* f : QApplication::topLevelWidgets())
                if (f != &k && f->isVisible() && f->windowType() != Qt::Popup)
                    f->close();
            fini = true;
            minuterie.stop();
        });
        minuterie.start(10);
        ouvre();
        ASSERT_TRUE(Attend([&fini] { return fini; }));
        EXPECT_TRUE(zone.contains(cadre)) << cadre.x() << "," << cadre.y() << " " << cadre.height();
        EXPECT_FALSE(cadre.intersects(menus) && cadre.height() <= zone.bottom() - menus.bottom());
    }
    // Long after it was placed, the statistics window grows to ten classes.
    k.ExecuteMenu(QStringLiteral("menStatistiques"));
    Statistiques* s = FenetreStatistiques();
    ASSERT_TRUE(Attend([s] { return QApplication::activeWindow() == s; }));
    CadrePose(s);
    QTest::qWait(1600);
    s->Text5->setText(QStringLiteral("10"));
    emit s->Text5->textEdited(s->Text5->text());
    const QRect dix = CadrePose(s);
    EXPECT_TRUE(zone.contains(dix)) << dix.x() << " " << dix.width();
    s->close();
    DefinitUi(&r);
    ArreteKelmo();
    ReinitialiseDonnees();
}
