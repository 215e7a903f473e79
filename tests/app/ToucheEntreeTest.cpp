// Enter typed in a box of a dialog applies that box: in a window without a
// default button it presses none (it used to press the window's first one:
// "Fusion.." opened its file chooser, "Ecrit le fichier DXF" its own). Enter
// on a button that has the keyboard presses it, in every window.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "dxf/formes/FenetresDXF.h"
#include "dxf/formes/SortieDXF.h"
#include "editing/formes/FenetresEdition.h"
#include "editing/formes/ModifArcs.h"
#include "editing/formes/ModifNoeuds.h"
#include "platform/RepondeurScripte.h"
#include "values/formes/FenetresStatistiques.h"
#include "values/formes/Statistiques.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

using namespace kelmo;
using namespace kelmo::test;

namespace {

// The main window of a started run, "Sortie DXF" and "Coûts" made.
class ToucheEntree : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReseauDemarre();
        k = std::make_unique<Kelmo>();
        k->ExecuteMenu(QStringLiteral("menCréeFichDXF"));
        k->ExecuteMenu(QStringLiteral("menCoûts"));
        ui.efface();
    }
    void TearDown() override
    {
        k.reset();
        ReinitialiseDonnees();
    }
    QDialog* couts() const { return k->findChild<QDialog*>(QStringLiteral("Coûts")); }
    RepondeurScripte ui;
    std::unique_ptr<Kelmo> k;
};

} // namespace

TEST_F(ToucheEntree, EnterInABoxOfAWindowWithoutDefaultButtonPressesNoButton)
{
    // The option dialogs with an "OK" made their default are not among them.
    const std::vector<QDialog*> fenetres = {FenetreSortieDXF(), couts(), FenetreStatistiques()};
    for (QDialog* w : fenetres) {
        ASSERT_NE(w, nullptr);
        SCOPED_TRACE(w->windowTitle().toStdString());
        w->show();
        int clics = 0;
        for (QPushButton* b : w->findChildren<QPushButton*>())
            QObject::connect(b, &QPushButton::clicked, w, [&clics] { ++clics; });
        int boites = 0;
        for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
            if (!e->isVisible() || !e->isEnabled() || e->isReadOnly())
                continue;
            ++boites;
            e->setFocus();
            QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(e, &entree);
        }
        EXPECT_GT(boites, 0);
        EXPECT_EQ(clics, 0);
        EXPECT_TRUE(ui.appels().empty());
        EXPECT_TRUE(w->isVisible());
        w->hide();
    }
}

TEST_F(ToucheEntree, EnterOnTheButtonThatHasTheKeyboardPressesItInEveryWindow)
{
    struct Cas {
        QWidget* fenetre;
        const char* bouton;
    };
    const Cas cas[] = {{FenetreSortieDXF(), "Quitter"},
                       {couts(), "Quitter"},
                       {FenetreStatistiques(), "Fermer"},
                       {FenetreModifArcs(), "Quitter"},
                       {FenetreModifNoeuds(), "Quitter"}};
    for (const Cas& c : cas) {
        ASSERT_NE(c.fenetre, nullptr);
        SCOPED_TRACE(c.fenetre->windowTitle().toStdString());
        c.fenetre->show();
        QPushButton* bouton = nullptr;
        for (QPushButton* b : c.fenetre->findChildren<QPushButton*>())
            if (b->text() == QString::fromUtf8(c.bouton))
                bouton = b;
        ASSERT_NE(bouton, nullptr);
        int clics = 0;
        QObject::connect(bouton, &QPushButton::clicked, c.fenetre, [&clics] { ++clics; });
        bouton->setFocus();
        QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(bouton, &entree);
        EXPECT_EQ(clics, 1);
        c.fenetre->hide();
    }
}
