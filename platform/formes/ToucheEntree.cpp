#include "platform/formes/ToucheEntree.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>
#include <QToolButton>
#include <algorithm>

namespace kelmo {
namespace {

// Qt lets Enter press a focused button only when the button may become a
// dialog's default: not in the editors and timetables, which are plain
// windows, nor on the buttons made not to answer Enter typed in a box.
class EntreeSurBouton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto* touche = static_cast<QKeyEvent*>(e);
        if ((touche->key() != Qt::Key_Return && touche->key() != Qt::Key_Enter)
            || (touche->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* bouton = qobject_cast<QAbstractButton*>(objet);
        // A key goes to the widget that has the keyboard: the button itself.
        if (!bouton || !(qobject_cast<QPushButton*>(bouton) || qobject_cast<QToolButton*>(bouton))
            || !bouton->isEnabled())
            return false;
        bouton->click();
        return true;
    }
};

// Escape closes the innermost thing open: a dropped list or a completer
// takes it first, a box or a button that has a use for it keeps it. Only an
// Escape that no widget of the window took reaches the window, and closes it.
// A shortcut would be looked at before any of them, and a list's Escape
// closed the list and its window at once.
class EchapSurFenetre : public QObject {
public:
    explicit EchapSurFenetre(QWidget* fenetre) : QObject(fenetre), fenetre_(fenetre) {}

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        if (objet != fenetre_ || e->type() != QEvent::KeyPress)
            return false;
        const auto* touche = static_cast<QKeyEvent*>(e);
        if (touche->key() != Qt::Key_Escape || (touche->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        fenetre_->close();
        return true;
    }

private:
    QWidget* fenetre_;
};

} // namespace

void EntreeSansBoutonImplicite(QWidget* fenetre)
{
    const QList<QPushButton*> boutons = fenetre->findChildren<QPushButton*>();
    if (std::any_of(boutons.begin(), boutons.end(), [](const QPushButton* b) { return b->isDefault(); }))
        return;
    for (QPushButton* b : boutons)
        b->setAutoDefault(false);
}

void InstalleEntreeSurBouton(QCoreApplication* application)
{
    application->installEventFilter(new EntreeSurBouton(application));
}

void EchapFermeFenetre(QWidget* fenetre)
{
    fenetre->installEventFilter(new EchapSurFenetre(fenetre));
}

} // namespace kelmo
