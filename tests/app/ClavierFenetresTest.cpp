// The keyboard among the program's own boxes and lists: a box opened from a
// window belongs to it, and once closed gives the keyboard back to that
// window and to the box that had it; Escape closes an open list, not its
// window. A dialog or a window that a window's button opens gives the keyboard
// back the same way, and an editor opens again with the keyboard where it had
// it at first. A line chosen with
// the arrow keys runs its list's click, and Enter in a value box of the arc
// shown opens the prompt a press on it opens. Run
// again on X11 under a window manager (app_fenetres_x11), where
// the window manager, not the program, gives the keyboard back.
#include "OutilsApp.h"
#include "OutilsFenetres.h"
#include "app/Kelmo.h"
#include "dxf/formes/FenetresDXF.h"
#include "dxf/formes/SortieDXF.h"
#include "editing/formes/ModifNoeuds.h"
#include "platform/RepondeurScripte.h"
#include "platform/formes/DialoguesQt.h"
#include "relief/formes/Couts.h"
#include "timetables/formes/FenetresHoraires.h"
#include "timetables/formes/HorairesArcs.h"
#include "timetables/formes/HorairesNoeuds.h"
#include "timetables/formes/Trains.h"
#include "values/formes/AspectVisuelArcsAttr.h"
#include "values/formes/FenetresStatistiques.h"
#include "values/formes/Statistiques.h"
#include "view/formes/Angles.h"
#include "view/formes/FenetresDialogues.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <csignal>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

using namespace kelmo;
using namespace kelmo::test;

namespace {

// Answers each box of a command once it has the keyboard, as typed: the
// text, then the key (Escape for the boxes beyond those foreseen), noting
// the window each box belongs to.
class RepondDansLesBoites {
public:
    struct Reponse {
        QString texte;
        Qt::Key touche;
    };
    explicit RepondDansLesBoites(std::vector<Reponse> reponses = {}) : reponses_(std::move(reponses))
    {
        minuterie_.setInterval(10);
        QObject::connect(&minuterie_, &QTimer::timeout, [this] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || box == derniere_ || (QApplication::activeWindow() != box && ++attentes_ < 300))
                return;
            attentes_ = 0;
            derniere_ = box;
            proprietaires.push_back(box->parentWidget() ? box->parentWidget()->window() : nullptr);
            const std::size_t n = proprietaires.size() - 1;
            const Reponse r = n < reponses_.size() ? reponses_[n] : Reponse{QString(), Qt::Key_Escape};
            QWidget* cible = QApplication::focusWidget();
            if (!cible || !box->isAncestorOf(cible))
                cible = box;
            QTest::keyClicks(cible, r.texte);
            QTest::keyClick(cible, r.touche);
        });
        minuterie_.start();
    }
    std::vector<QWidget*> proprietaires;

private:
    std::vector<Reponse> reponses_;
    QPointer<QWidget> derniere_;
    QTimer minuterie_;
    int attentes_ = 0;
};

// The window manager the tests run under: the openbox among the test's
// parents; 0 without one.
pid_t gestionnaireFenetres()
{
    for (pid_t p = getppid(); p > 1;) {
        std::ifstream stat("/proc/" + std::to_string(p) + "/stat");
        std::string numero, nom, etat;
        pid_t parent = 0;
        stat >> numero >> nom >> etat >> parent;
        if (nom == "(openbox)")
            return p;
        p = parent;
    }
    return 0;
}

class ClavierFenetres : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Offscreen, no window takes the keyboard back after a box: only a
        // window system with its window manager does.
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "keyboard tests run on X11 under a window manager";
        ReseauDemarre();
        k = std::make_unique<Kelmo>();
        k->show();
        dialogues.definitParent(k.get());
        DefinitUi(&dialogues);
        ASSERT_TRUE(Attend([this] { return QApplication::activeWindow() == k.get(); }));
    }
    void TearDown() override
    {
        if (!k)
            return;
        DefinitUi(nullptr);
        k.reset();
        ReinitialiseDonnees();
    }
    ModifArcs* editeurArcs() { return EditeurParisLyon(*k); }
    // The keyboard on w, its window active, as a user gives it.
    static void prendClavier(QWidget* w)
    {
        // Asked again as a user clicks again: the window manager may refuse
        // a request that comes too close after others.
        const auto active = [w] { return QApplication::activeWindow() == w->window(); };
        for (int essai = 0; essai < 6 && !active(); ++essai) {
            w->window()->activateWindow();
            Attend(active, 500);
        }
        ASSERT_TRUE(active());
        w->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(Attend([w] { return w->hasFocus(); }));
    }
    // Typed into a box of the arc editor on PARIS - LYON (460 km, 2 h), then
    // Enter, a prompt answered by reponse: the prompt asked, if any.
    std::optional<AppelDialogue> entree(QLineEdit* ModifArcs::*champ, const char* texte, std::optional<QString> reponse)
    {
        QLineEdit* boite = editeurArcs()->*champ;
        prendClavier(boite);
        boite->selectAll();
        QTest::keyClicks(boite, QString::fromUtf8(texte));
        RepondeurScripte ui;
        ui.RepondTexte(reponse);
        QTest::keyClick(boite, Qt::Key_Return);
        return ui.appels().empty() ? std::nullopt : std::optional(ui.appels()[0]);
    }
    // Space on bouton, then Escape in what it opens once that has the
    // keyboard, after the main window has had it when detour, the window
    // manager held still for 400 ms from the Escape on when tenu.
    void presseEtFerme(QWidget* bouton, bool detour = false, bool tenu = false)
    {
        prendClavier(bouton);
        // What the button opens is a window that was not already shown.
        QWidgetList avant;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                avant << w;
        QPointer<QWidget> ouverte;
        bool vue = false; // a window opened and took the keyboard (a box is gone once closed)
        QTimer ferme;
        QObject::connect(&ferme, &QTimer::timeout, [&] {
            QWidget* w = QApplication::activeWindow();
            if (vue || !w || avant.contains(w))
                return;
            vue = true;
            ouverte = w;
            QWidget* cible = QApplication::focusWidget();
            if (detour) {
                prendClavier(k.get());
                prendClavier(cible && cible->window() == w ? cible : w);
            }
            // Held still, as a loaded machine holds it: what the program
            // asks of it meanwhile waits its turn.
            const pid_t gestionnaire = tenu ? gestionnaireFenetres() : 0;
            EXPECT_EQ(gestionnaire > 0, tenu) << "no window manager among the test's parents";
            if (gestionnaire)
                kill(gestionnaire, SIGSTOP);
            QTest::keyClick(cible && cible->window() == w ? cible : w, Qt::Key_Escape);
            if (gestionnaire) {
                Attend([] { return false; }, 400);
                kill(gestionnaire, SIGCONT);
            }
        });
        ferme.start(10);
        QTest::keyClick(bouton, Qt::Key_Space);
        EXPECT_TRUE(Attend([&] { return vue && (!ouverte || !ouverte->isVisible()); }))
            << "nothing opened took the keyboard";
    }
    DialoguesQt dialogues;
    std::unique_ptr<Kelmo> k;
};

} // namespace

TEST_F(ClavierFenetres, AfterABoxTheKeyboardComesBackToTheWindowInUseAndToItsBox)
{
    struct Cas {
        const char* nom;
        // Opens the window and gives the box that has the keyboard.
        std::function<QWidget*(QWidget*& fenetre)> ouvre;
        std::function<void()> commande;
    };
    Angles* angles = nullptr;
    ModifArcs* arcs = nullptr;
    const Cas cas[] = {
        {"the refusal of an angle",
         [&](QWidget*& f) {
             k->ExecuteMenu(QStringLiteral("menAngles"));
             f = angles = static_cast<Angles*>(FenetreAffichage(FormeDialogue::Angles));
             angles->Texte1->setText(QStringLiteral("1e308"));
             emit angles->Texte1->textEdited(angles->Texte1->text());
             return angles->Texte1;
         },
         [&] { angles->Commande1->click(); }},
        {"the length prompt cancelled",
         [&](QWidget*& f) {
             f = arcs = editeurArcs();
             return arcs->Longueur;
         },
         [&] { PresseSouris(arcs->Longueur); }},
        {"the chooser of \"Ajoute fichier\" cancelled",
         [&](QWidget*& f) {
             f = arcs = editeurArcs();
             return arcs->Débit;
         },
         [&] { arcs->SSCommand1->click(); }},
        {"a chooser of the main window",
         [&](QWidget*& f) {
             f = k.get();
             return nullptr;
         },
         [&] { k->ExecuteMenu(QStringLiteral("menLectFichFacettes")); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        QWidget* fenetre = nullptr;
        QWidget* boite = c.ouvre(fenetre);
        fenetre->activateWindow();
        ASSERT_TRUE(Attend([&] { return QApplication::activeWindow() == fenetre; }));
        if (boite) {
            boite->setFocus();
            ASSERT_TRUE(Attend([&] { return QApplication::focusWidget() == boite; }));
        }
        RepondDansLesBoites echap;
        c.commande();
        EXPECT_EQ(echap.proprietaires, std::vector<QWidget*>{fenetre});
        EXPECT_TRUE(Attend([&] { return QApplication::activeWindow() == fenetre; }))
            << "the keyboard is on " << (QApplication::activeWindow() ? QApplication::activeWindow()->windowTitle().toStdString() : "no window");
        if (boite) {
            EXPECT_EQ(QApplication::focusWidget(), boite);
        }
        if (fenetre != k.get())
            fenetre->hide();
    }
}

// The second box of a command opens before the window system has given the
// keyboard back after the first: it belongs to the window in use all the
// same, and the keyboard comes back to that window and its box after the last.
TEST_F(ClavierFenetres, EveryBoxOfAChainBelongsToTheWindowInUseAndTheKeyboardComesBackAfterTheLast)
{
    struct Cas {
        const char* nom;
        std::function<QWidget*(ModifArcs*)> boite;
        std::function<void(ModifArcs*)> commande;
        std::vector<RepondDansLesBoites::Reponse> reponses;
    };
    const Cas cas[] = {
        {"the length prompt and its refusal", [](ModifArcs* a) { return a->Longueur; },
         [](ModifArcs* a) { PresseSouris(a->Longueur); }, {{"1e39", Qt::Key_Return}, {"", Qt::Key_Return}}},
        {"the two boxes of Détruire", [](ModifArcs* a) { return a->Débit; },
         [](ModifArcs* a) { a->BtnDétruire->click(); }, {{"", Qt::Key_Return}, {"", Qt::Key_Return}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        ModifArcs* arcs = editeurArcs();
        QWidget* boite = c.boite(arcs);
        arcs->activateWindow();
        ASSERT_TRUE(Attend([&] { return QApplication::activeWindow() == arcs; }));
        boite->setFocus();
        ASSERT_TRUE(Attend([&] { return QApplication::focusWidget() == boite; }));
        RepondDansLesBoites reponses(c.reponses);
        c.commande(arcs);
        EXPECT_EQ(reponses.proprietaires, std::vector<QWidget*>(c.reponses.size(), arcs));
        EXPECT_TRUE(Attend([&] { return QApplication::activeWindow() == arcs; }));
        EXPECT_EQ(QApplication::focusWidget(), boite);
        arcs->hide();
    }
}

TEST_F(ClavierFenetres, EscapeInADroppedListClosesTheListOnlyAndThenTheWindow)
{
    struct Cas {
        const char* nom;
        std::function<QComboBox*()> ouvre;
    };
    const Cas cas[] = {
        {"De", [&] { return editeurArcs()->ListeModifiable1; }},
        {"à", [&] { return editeurArcs()->ListeModifiable2; }},
        {"en", [&] { return editeurArcs()->ListeModifiable3; }},
        {"Noeuds existants", [&] {
             k->ExecuteMenu(QStringLiteral("menModifieNoeuds"));
             return FenetreModifNoeuds()->ListeModifiable1;
         }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        QComboBox* liste = c.ouvre();
        QWidget* fenetre = liste->window();
        ASSERT_TRUE(Attend([&] { return QApplication::activeWindow() == fenetre; }));
        liste->setFocus();
        liste->showPopup();
        ASSERT_TRUE(Attend([] { return QApplication::activePopupWidget() != nullptr; }));
        // As a key typed: to what has the keyboard in the list dropped.
        QWidget* ouverte = QApplication::activePopupWidget();
        QTest::keyClick(ouverte->focusWidget() ? ouverte->focusWidget() : ouverte, Qt::Key_Escape);
        EXPECT_TRUE(Attend([] { return QApplication::activePopupWidget() == nullptr; }));
        QApplication::processEvents();
        EXPECT_TRUE(fenetre->isVisible());
        ASSERT_TRUE(Attend([&] { return QApplication::activeWindow() == fenetre; }));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(Attend([&] { return !fenetre->isVisible(); }));
    }
}

TEST_F(ClavierFenetres, ArrowKeysInTheLinkTimetableChooseALineAndEnableItsButtons)
{
    RepondeurScripte ui;
    AjouteArc(75056, 69123, 1, 2, 4, 460, 120, 480, 600, "", 0, 0); // a service beside the plain arc
    editeurArcs()->BtnHoraires->click();
    HorairesArcs* h = FenetreHorairesArcs();
    prendClavier(h->ListeHoraires);
    // Neither the refill nor the keyboard taken chooses a line.
    EXPECT_FALSE(h->Modifier->isEnabled());
    QTest::keyClick(h->ListeHoraires, Qt::Key_Down);
    EXPECT_EQ(K.Formes.HorairesArcs.LigneChoisie, h->ListeHoraires->currentItem()->text());
    for (QPushButton* b : {h->Command3D1, h->Modifier, h->AfficheTrain})
        EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
}

TEST_F(ClavierFenetres, EnterInAValueBoxOfTheArcShownOpensItsPromptOfferingWhatWasTyped)
{
    struct Cas {
        QLineEdit* ModifArcs::*boite;
        const char* tape;
        const char* invite;
        const char* defaut;
        float Arc::*champ;
        float valeur;
    };
    const Cas cas[] = {
        {&ModifArcs::Longueur, "500", "Confirmez la nouvelle longueur  :", " 500", &Arc::Longueur, 500},
        {&ModifArcs::Débit, "7", "Confirmez le nouveau débit  :", " 7", &Arc::Debit, 7},
        {&ModifArcs::Capacité, "250", "Confirmez la nouvelle cpacité  :", " 250", &Arc::Capacite, 250},
        {&ModifArcs::Heures, "3", "Confirmez la nouvelle durée  (ex. 0902 pour 9:02) :", "0300", &Arc::Duree, 180},
        {&ModifArcs::Minutes, "30", "Confirmez la nouvelle durée  (ex. 0902 pour 9:02) :", "0230", &Arc::Duree, 150},
    };
    const Arc arc = K.Arcs[1];
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.invite);
        K.Arcs[1] = arc;
        // The prompt accepted as it opens.
        const std::optional<AppelDialogue> invite = entree(c.boite, c.tape, QString::fromUtf8(c.defaut));
        ASSERT_TRUE(invite);
        EXPECT_EQ(invite->texte, QString::fromUtf8(c.invite));
        EXPECT_EQ(invite->arguments, QStringList{QString::fromUtf8(c.defaut)});
        EXPECT_EQ(K.Arcs[1].*c.champ, c.valeur);
    }
}

TEST_F(ClavierFenetres, AValuePromptCancelledPutsTheArcsOwnValueBackInTheBox)
{
    const std::pair<QLineEdit* ModifArcs::*, const char*> cas[] = {
        {&ModifArcs::Longueur, " 460"}, {&ModifArcs::Débit, " 0"}, {&ModifArcs::Capacité, " 0"}, {&ModifArcs::Heures, "2"}};
    for (const auto& [boite, montre] : cas) {
        SCOPED_TRACE(montre);
        EXPECT_TRUE(entree(boite, "9", std::nullopt));
        EXPECT_EQ((FenetreModifArcs()->*boite)->text(), QString::fromUtf8(montre));
    }
}

// A dialog, a chooser or a window opened by a window's button, closed with
// Escape, gives the keyboard back to that window and to its button, whatever
// window the window manager chose meanwhile.
TEST_F(ClavierFenetres, WhatAButtonOpensGivesTheKeyboardBackToItsWindowAndButtonOnceClosed)
{
    AjouteArc(75056, 69123, 1, 2, 4, 460, 120, 480, 600, "", 0, 0); // a service beside the plain arc
    const auto menu = [this](const char* nom) { k->ExecuteMenu(QString::fromUtf8(nom)); };
    struct Cas {
        const char* nom;
        std::function<void()> ouvre; // opens the window
        std::function<QWidget*()> bouton;
        bool modal = false;          // the window runs modal: the rest is done inside its run
        bool detour = false;         // the main window is used before what opens is closed
        bool tenu = false;           // the window manager answers 400 ms after the Escape
    };
    const Cas cas[] = {
        {"Options de Modification des arcs", [&] { editeurArcs(); }, [] { return FenetreModifArcs()->Command3D1; }},
        {"Options de Modifie les noeuds", [&] { menu("menModifieNoeuds"); },
         [] { return FenetreModifNoeuds()->Command3D6; }},
        {"Options de Modifie les noeuds, le gestionnaire de fenêtres tenu 400 ms", [&] { menu("menModifieNoeuds"); },
         [] { return FenetreModifNoeuds()->Command3D6; }, false, false, true},
        {"Horaires de Modification des arcs", [&] { editeurArcs(); }, [] { return FenetreModifArcs()->BtnHoraires; }},
        {"Horaires de Modifie les noeuds", [&] { menu("menModifieNoeuds"); },
         [] { return FenetreModifNoeuds()->BtnHoraires; }},
        {"Trains des horaires",
         [&] {
             editeurArcs()->BtnHoraires->click();
             HorairesArcs* h = FenetreHorairesArcs();
             prendClavier(h->ListeHoraires);
             QTest::keyClick(h->ListeHoraires, Qt::Key_Down);
         },
         [] { return FenetreHorairesArcs()->AfficheTrain; }},
        {"Coûts kilométriques de Coûts", [&] { menu("menValuationCoût"); },
         [this] { return k->findChild<Coûts*>(QStringLiteral("Coûts"))->Annuler; }},
        {"Coûts kilométriques de Coûts, la fenêtre principale prise entre-temps", [&] { menu("menValuationCoût"); },
         [this] { return k->findChild<Coûts*>(QStringLiteral("Coûts"))->Annuler; }, false, true},
        {"Options de Modifie les noeuds après celles de Modification des arcs",
         [&] {
             menu("menModifieNoeuds");
             presseEtFerme(editeurArcs()->Command3D1);
         },
         [] { return FenetreModifNoeuds()->Command3D6; }},
        {"Fusion de Statistiques", [&] { menu("menStatistiques"); },
         [] { return FenetreStatistiques()->FusionneFichiers; }},
        {"Ecrit le fichier DXF de Sortie DXF",
         [&] {
             menu("menCréeFichDXF");
             FenetreSortieDXF()->CocheNoeud[0]->click();
         },
         [] { return FenetreSortieDXF()->ecritleDXF; }},
        {"Couleur de Arcs des attractions", [&] { menu("menArcsAttractions"); },
         [this] { return k->findChild<AspectVisuelArcsAttr*>()->Commande2; }, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        bool fini = false;
        const auto essaie = [&] {
            QWidget* bouton = c.bouton();
            QWidget* fenetre = bouton->window();
            presseEtFerme(bouton, c.detour, c.tenu);
            Attend([&] { return QApplication::activeWindow() == fenetre && QApplication::focusWidget() == bouton; });
            QWidget* rendue = QApplication::activeWindow();
            EXPECT_EQ(rendue, fenetre) << "the keyboard is on " << (rendue ? rendue->windowTitle().toStdString() : "no window");
            EXPECT_EQ(QApplication::focusWidget(), bouton);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != k.get() && w->isVisible() && w->windowType() != Qt::Popup)
                    w->close();
            fini = true;
        };
        if (c.modal)
            QTimer::singleShot(0, essaie);
        c.ouvre();
        if (!c.modal)
            essaie();
        ASSERT_TRUE(Attend([&] { return fini; }));
    }
}

// An editor left with Escape while a button has the keyboard opens again
// from its menu as it opened the first time, the keyboard on its first box.
TEST_F(ClavierFenetres, AnEditorOpensAgainWithTheKeyboardWhereItHadItAtItsFirstOpening)
{
    const std::pair<const char*, std::function<QWidget*()>> cas[] = {
        {"menModifieOD", [] { return FenetreModifArcs()->Command3D4; }},
        {"menModifieNoeuds", [] { return FenetreModifNoeuds()->Command3D4; }},
    };
    for (const auto& [menu, bouton] : cas) {
        SCOPED_TRACE(menu);
        QWidget* w = bouton()->window();
        k->ExecuteMenu(QString::fromUtf8(menu));
        ASSERT_TRUE(Attend([w] { return QApplication::activeWindow() == w; }));
        QWidget* premiere = QApplication::focusWidget();
        ASSERT_TRUE(premiere && w->isAncestorOf(premiere));
        prendClavier(bouton());
        QTest::keyClick(bouton(), Qt::Key_Escape);
        ASSERT_TRUE(Attend([w] { return !w->isVisible(); }));
        // The menu is used from the main window, which has the keyboard again.
        ASSERT_TRUE(Attend([this] { return QApplication::activeWindow() == k.get(); }));
        k->ExecuteMenu(QString::fromUtf8(menu));
        EXPECT_TRUE(Attend([w] { return QApplication::activeWindow() == w; }));
        EXPECT_EQ(QApplication::focusWidget(), premiere);
        w->hide();
    }
}

// A window that the command brings forward keeps the keyboard, even one that
// was already shown, and so does the window the window manager gives the
// keyboard to when a window is closed, the main window aside; a window
// hidden without the keyboard leaves it where it is.
TEST_F(ClavierFenetres, AWindowTheCommandOrTheWindowManagerBringsForwardKeepsTheKeyboard)
{
    AjouteArc(75056, 69123, 1, 2, 4, 460, 120, 480, 600, "", 0, 0); // a service beside the plain arc
    // The service of PARIS double clicked in its node timetable brings the
    // arc editor, the link timetable and the train run forward.
    const auto serviceDuNoeud = [this] {
        editeurArcs();
        k->ExecuteMenu(QStringLiteral("menModifieNoeuds"));
        emit FenetreModifNoeuds()->ListeModifiable1->activated(1);
        FenetreModifNoeuds()->BtnHoraires->click();
        QListWidget* lignes = FenetreHorairesNoeuds()->ListeHorairesNoeud;
        prendClavier(lignes);
        emit lignes->itemDoubleClicked(lignes->item(0));
    };
    const auto horloge = [this] {
        prendClavier(editeurArcs()->BtnHoraires);
        QTest::keyClick(FenetreModifArcs()->BtnHoraires, Qt::Key_Space);
    };
    // The timetable of PARIS opened from its node editor.
    const auto horairesDuNoeud = [this] {
        k->ExecuteMenu(QStringLiteral("menModifieNoeuds"));
        emit FenetreModifNoeuds()->ListeModifiable1->activated(1);
        prendClavier(FenetreModifNoeuds()->BtnHoraires);
        FenetreModifNoeuds()->BtnHoraires->click();
    };
    QWidget *editeur = FenetreModifArcs(), *horaires = FenetreHorairesArcs(), *trains = FenetreTrains(),
            *horairesNoeud = FenetreHorairesNoeuds();
    enum Fermeture {
        Echap,   // has the keyboard, then Escape
        Case,    // has the keyboard, then its title-bar close box
        Commande // hidden by the program while the main window has the keyboard
    };
    struct Cas {
        const char* nom;
        std::function<void()> ouvre;
        QWidget* fermee;
        Fermeture fermeture;
        QWidget* attendue;
        bool detour = false; // the main window has had the keyboard in between
    };
    const Cas cas[] = {
        {"Quitter de Horaires (arcs), l'éditeur des arcs déjà ouvert", serviceDuNoeud, horaires, Echap, editeur},
        {"Quitter de Trains, Horaires (arcs) déjà ouvert", serviceDuNoeud, trains, Echap, horaires},
        {"Quitter de Trains, la fenêtre principale prise entre-temps", serviceDuNoeud, trains, Echap, horaires, true},
        {"l'éditeur des arcs fermé sous Horaires (arcs)", horloge, editeur, Case, horaires},
        {"Horaires (noeud) caché, la fenêtre principale ayant le clavier", horairesDuNoeud, horairesNoeud, Commande,
         k.get()},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        c.ouvre();
        Attend([] { return false; }, 300); // the windows brought forward take the keyboard in turn
        if (c.detour || c.fermeture == Commande)
            prendClavier(k.get());
        if (c.fermeture != Commande)
            prendClavier(c.fermee->focusWidget() ? c.fermee->focusWidget() : c.fermee->nextInFocusChain());
        switch (c.fermeture) {
        case Echap: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); break;
        case Case: c.fermee->windowHandle()->close(); break;
        case Commande: c.fermee->hide(); break;
        }
        Attend([] { return false; }, 600); // past the time a give-back would take the keyboard away
        QWidget* active = QApplication::activeWindow();
        EXPECT_EQ(active, c.attendue) << "the keyboard is on " << (active ? active->windowTitle().toStdString() : "no window");
        // Hidden without their "Quitter", which would show others again.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != k.get() && w->isVisible() && w->windowType() != Qt::Popup)
                w->hide();
        ASSERT_TRUE(Attend([this] { return QApplication::activeWindow() == k.get(); }));
    }
}

// A window closed from outside while another program has the keyboard leaves
// it there: neither the give-back nor the node editor that the timetable's
// "Quitter" shows again takes it.
TEST_F(ClavierFenetres, AWindowClosedFromOutsideLeavesTheKeyboardWithAnotherProgram)
{
    QProcess autre;
    // Once w has the keyboard, another program takes it (an Xt shell takes
    // none unless told to), then the window manager closes w.
    const auto fermeDehors = [&](QWidget* w) {
        EXPECT_TRUE(Attend([w] { return QApplication::activeWindow() == w; }));
        autre.start(QStringLiteral("xmessage"), {QStringLiteral("-xrm"), QStringLiteral("*input: true"), "Autre"});
        EXPECT_TRUE(Attend([] { return QApplication::activeWindow() == nullptr; })) << "xmessage has no keyboard";
        w->windowHandle()->close();
    };
    const std::pair<const char*, std::function<void()>> cas[] = {
        {"Options pour redessiner",
         [&] {
             QTimer::singleShot(0, [&] { fermeDehors(FenetreAffichage(FormeDialogue::OptionsRedess)); });
             FenetreModifNoeuds()->Command3D6->click();
         }},
        {"Horaires (noeud)",
         [&] {
             emit FenetreModifNoeuds()->ListeModifiable1->activated(1);
             FenetreModifNoeuds()->BtnHoraires->click();
             fermeDehors(FenetreHorairesNoeuds());
         }},
    };
    for (const auto& [nom, ouvreEtFerme] : cas) {
        SCOPED_TRACE(nom);
        k->ExecuteMenu(QStringLiteral("menModifieNoeuds"));
        ASSERT_TRUE(Attend([] { return QApplication::activeWindow() == FenetreModifNoeuds(); }));
        ouvreEtFerme();
        Attend([] { return false; }, 600); // past the time a give-back would take the keyboard away
        QWidget* active = QApplication::activeWindow();
        EXPECT_EQ(active, nullptr) << "the keyboard is on " << active->windowTitle().toStdString();
        EXPECT_TRUE(FenetreModifNoeuds()->isVisible());
        autre.kill();
        autre.waitForFinished();
        FenetreModifNoeuds()->hide();
        prendClavier(k.get());
    }
}
