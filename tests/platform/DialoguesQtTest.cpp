// The program's own boxes over Qt: what the user sees while one is open.
#include "platform/formes/DialoguesQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

using namespace kelmo;

namespace {

// Closes the next modal box as soon as it is shown, noting the pointer the
// application shows over it, the box's width, its title, its text and the
// window it belongs to.
class FermeBox {
public:
    FermeBox()
    {
        minuterie_.setInterval(10);
        QObject::connect(&minuterie_, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            auto* box = qobject_cast<QDialog*>(w);
            if (!box)
                return;
            const QCursor* c = QApplication::overrideCursor();
            forme = c ? c->shape() : Qt::BitmapCursor;
            largeur = box->width();
            titre = box->windowTitle();
            if (auto* m = qobject_cast<QMessageBox*>(box))
                texte = m->text();
            else if (auto* s = qobject_cast<QInputDialog*>(box))
                texte = s->labelText();
            proprietaire = box->parentWidget();
            box->reject();
            minuterie_.stop();
        });
        minuterie_.start();
    }
    Qt::CursorShape forme = Qt::BlankCursor; // nothing seen yet
    int largeur = 0;
    QString titre;
    QString texte;
    QWidget* proprietaire = nullptr;

private:
    QTimer minuterie_;
};

} // namespace

TEST(DialoguesQt, EveryBoxShowsTheArrowOverACommandsHourglassAndGivesItBack)
{
    DialoguesQt d;
    struct Cas {
        const char* nom;
        std::function<void()> ouvre;
    };
    DemandeFichier f;
    f.filtre = FiltreFichiersDonnees;
    const Cas cas[] = {
        {"message", [&] { d.Message(QStringLiteral("Texte"), Boutons::OuiNon, Icone::Question, QString()); }},
        {"saisie", [&] { d.Saisie(QStringLiteral("Invite"), QStringLiteral("Titre"), QStringLiteral("1")); }},
        {"fichier à ouvrir", [&] { d.FichierOuvrir(f); }},
        {"fichier à enregistrer", [&] { d.FichierEnregistrer(f); }},
        {"dossier", [&] { d.Dossier(QStringLiteral("Dossier"), QString()); }},
        {"couleur", [&] { d.Couleur(Qt::red); }},
        {"police", [&] { d.ChoixPolice(Police{}); }},
    };
    d.Sablier(true);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        FermeBox fermeture;
        c.ouvre();
        EXPECT_EQ(fermeture.forme, Qt::ArrowCursor);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    d.Sablier(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Escape or the window's close would answer Non, which the program's
// questions read as a choice: a box with Oui and Non waits for one of them.
TEST(DialoguesQt, AQuestionWithOuiAndNonIsAnsweredByOneOfThemOnly)
{
    DialoguesQt d;
    bool resteOuverte = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &echap);
        box->close();
        resteOuverte = box->isVisible();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(d.Message(QStringLiteral("Supprimer ?"), Boutons::OuiNon, Icone::Question, QString()), Reponse::Oui);
    EXPECT_TRUE(resteOuverte);
}

TEST(DialoguesQt, AMessageBoxIsWideEnoughForItsWholeTitle)
{
    DialoguesQt d;
    const QFontMetrics titres(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    const QString titre = QStringLiteral("Elimination des arcs déconnectés du réseau");
    FermeBox f;
    d.Message(QStringLiteral("Fait."), Boutons::OK, Icone::Information, titre);
    EXPECT_GE(f.largeur, titres.horizontalAdvance(titre));
}

TEST(DialoguesQt, AnInputBoxIsWideEnoughForItsWholeTitleWithinTheScreen)
{
    DialoguesQt d;
    const QFontMetrics titres(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    const int ecran = QGuiApplication::primaryScreen()->availableGeometry().width();
    const QString tropLong = QStringLiteral("Heure de départ (0903 pour 9:03) ").repeated(8);
    for (const QString& titre : {QStringLiteral("Heure de départ (0903 pour 9:03)"),
                                 QStringLiteral("Temps de parcours de l'arc en minutes (ex. 0902 pour 9 h 02)"),
                                 QString(), tropLong}) {
        SCOPED_TRACE(titre.toStdString());
        FermeBox f;
        EXPECT_EQ(d.Saisie(QStringLiteral("Heure :"), titre, QStringLiteral("0000")), std::nullopt);
        EXPECT_EQ(f.titre, titre.isEmpty() ? QStringLiteral("KELMO") : titre);
        if (titre != tropLong) {
            EXPECT_GE(f.largeur, titres.horizontalAdvance(f.titre));
        }
        EXPECT_LE(f.largeur, ecran);
    }
}

TEST(DialoguesQt, TheCarriageReturnsThatJoinTheLinesOfATextBreakTheLinesOfItsBox)
{
    DialoguesQt d;
    const QString texte = QStringLiteral("Entrez le coefficient :\r     1 = vert foncé\r\n     2 = vert clair");
    const std::function<void()> ouvre[] = {
        [&] { d.Message(texte, Boutons::OK, Icone::Aucune, QString()); },
        [&] { d.Saisie(texte, QString(), QStringLiteral("1")); },
    };
    for (const auto& o : ouvre) {
        FermeBox f;
        o();
        EXPECT_EQ(f.texte.toStdString(), "Entrez le coefficient :\n     1 = vert foncé\n     2 = vert clair");
    }
}

// Between two boxes of a command: when the command hides the window they
// belong to, that window cannot take the keyboard back and the next box goes
// to the main window; when the window manager gives the keyboard to the main
// window as the first box closes, the next box still belongs to the window in
// use.
TEST(DialoguesQt, TheBoxAfterAnotherBelongsToTheWindowInUseUnlessItsCommandHidIt)
{
    struct Cas {
        const char* nom;
        std::function<void(QWidget& principale, QWidget& fenetre)> entre;
        bool principaleGarde; // the second box belongs to the main window
    };
    const Cas cas[] = {
        {"la fenêtre cachée", [](QWidget&, QWidget& f) { f.hide(); }, true},
        {"le clavier donné à la fenêtre principale", [](QWidget& p, QWidget&) { QApplication::setActiveWindow(&p); },
         false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        QWidget principale;
        principale.show();
        QWidget fenetre(&principale, Qt::Window);
        fenetre.show();
        for (int i = 0; i < 100 && QApplication::activeWindow() != &fenetre; ++i)
            QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &fenetre);
        DialoguesQt d(&principale);
        FermeBox premiere;
        d.Message(QStringLiteral("Première"), Boutons::OK, Icone::Aucune, QString());
        ASSERT_EQ(premiere.proprietaire, &fenetre);
        c.entre(principale, fenetre);
        FermeBox seconde;
        d.Message(QStringLiteral("Seconde"), Boutons::OK, Icone::Aucune, QString());
        EXPECT_EQ(seconde.proprietaire, c.principaleGarde ? &principale : &fenetre);
    }
}
