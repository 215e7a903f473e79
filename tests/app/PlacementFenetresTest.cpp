// The editors and the timetables, windows of their own beside the map, are
// shown whole inside the screen wherever they were left, clear of the main
// window's menu bar, and take the keyboard; Escape is their "Quitter".
#include "OutilsApp.h"
#include "OutilsFenetres.h"
#include "app/Kelmo.h"
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "editing/LiensEdition.h"
#include "editing/formes/FenetresEdition.h"
#include "editing/formes/ModifArcs.h"
#include "editing/formes/ModifNoeuds.h"
#include "platform/RepondeurScripte.h"
#include "timetables/LiensHoraires.h"
#include "timetables/formes/FenetresHoraires.h"
#include "timetables/formes/HorairesArcs.h"
#include "timetables/formes/HorairesNoeuds.h"
#include "timetables/formes/Trains.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
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
        k.show();
        QApplication::processEvents();
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
                EXPECT_TRUE(zone.contains(w->frameGeometry()))
                    << w->frameGeometry().x() << "," << w->frameGeometry().y() << " " << w->frameGeometry().width()
                    << "x" << w->frameGeometry().height();
                const QRect menus(k.menuBar()->mapToGlobal(QPoint(0, 0)), k.menuBar()->size());
                EXPECT_FALSE(w->frameGeometry().intersects(menus));
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
