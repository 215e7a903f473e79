#include "platform/formes/ToucheEntree.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
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
    auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), fenetre);
    echap->setContext(Qt::WindowShortcut);
    QObject::connect(echap, &QShortcut::activated, fenetre, &QWidget::close);
}

} // namespace kelmo
