#include "platform/formes/RetourClavier.h"
#include "platform/formes/PlacementFenetre.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace kelmo {
namespace {

// The window something has just given the keyboard back to, for the rest of
// the command that opened it. The window system gives the keyboard back in
// its own time (X11 answers later), and the window manager may give it to
// the main window first: what the same command opens next belongs to that
// window all the same.
QPointer<QWidget> rendueA_;

void tientEnUsage(QWidget* fenetre)
{
    rendueA_ = fenetre;
    QTimer::singleShot(0, qApp, [] { rendueA_ = nullptr; });
}

// The window in use when a window was shown, kept with it until it is hidden.
class Origine : public QObject {
public:
    Origine(QWidget* fenetre, QWidget* origine) : QObject(fenetre), origine(origine)
    {
        setObjectName(QStringLiteral("OrigineClavier"));
    }
    static Origine* de(const QWidget* fenetre)
    {
        return static_cast<Origine*>(
            fenetre->findChild<QObject*>(QStringLiteral("OrigineClavier"), Qt::FindDirectChildrenOnly));
    }
    QPointer<QWidget> origine;
};

// A window shown notes the window in use. Once it is hidden, the window
// manager and the command give the keyboard where they will (the
// timetable's "Quitter" brings the editor forward, a dialog's "OK" may open
// the next one, the window manager may choose another window of the
// program): only where it has gone to the main window does it go back to
// the window in use. Qt would bring a window shown again back to the box
// that last had the keyboard: that is forgotten once it is hidden at the
// end of a command. A window that a command hides and shows again ("Coûts
// au km" hides "Coûts" while it computes) stays the window in use, with its
// box.
class RetourAuMasquer : public QObject {
public:
    explicit RetourAuMasquer(QObject* parent) : QObject(parent)
    {
        // The window manager answers a window hidden within a few
        // milliseconds, and the activations the command asked for follow.
        attente_.setSingleShot(true);
        attente_.setInterval(150);
        connect(&attente_, &QTimer::timeout, this, &RetourAuMasquer::rends);
    }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        if ((e->type() != QEvent::Show && e->type() != QEvent::Hide) || e->spontaneous() || !objet->isWidgetType())
            return false;
        auto* fenetre = static_cast<QWidget*>(objet);
        const Qt::WindowType genre = fenetre->windowType();
        if (!fenetre->isWindow() || !fenetre->parentWidget()
            || (genre != Qt::Window && genre != Qt::Dialog && genre != Qt::Tool))
            return false;
        if (e->type() == QEvent::Show)
            montree(fenetre);
        else
            cachee(fenetre);
        return false;
    }

private:
    void montree(QWidget* fenetre)
    {
        if (fenetre == cacheeEnUsage_) {
            tientEnUsage(fenetre);
            return;
        }
        QWidget* origine = FenetreEnUsage(FenetrePrincipale(fenetre));
        if (origine == fenetre)
            origine = nullptr;
        if (Origine* o = Origine::de(fenetre))
            o->origine = origine;
        else
            new Origine(fenetre, origine);
    }
    void cachee(QWidget* fenetre)
    {
        QTimer::singleShot(0, this, [f = QPointer<QWidget>(fenetre)] {
            if (!f || f->isVisible())
                return;
            if (QWidget* focus = f->focusWidget())
                focus->clearFocus();
        });
        cacheeEnUsage_ = fenetre;
        QTimer::singleShot(0, this, [this] { cacheeEnUsage_ = nullptr; });
        const Origine* o = Origine::de(fenetre);
        origine_ = o ? o->origine : nullptr;
        attente_.start();
    }
    // The window manager has given the keyboard on, and the command has
    // brought its windows forward: on the main window, the keyboard goes
    // back to the window in use when the hidden window was shown.
    void rends()
    {
        const QPointer<QWidget> origine = origine_;
        origine_ = nullptr;
        if (origine && origine->isVisible() && QApplication::activeWindow() == FenetrePrincipale(origine))
            ActiveFenetre(origine);
    }

    QPointer<QWidget> cacheeEnUsage_;
    QTimer attente_;
    QPointer<QWidget> origine_;
};

} // namespace

QWidget* FenetreEnUsage(QWidget* principale)
{
    QWidget* active = QApplication::activeWindow();
    if (rendueA_ && (!active || active == principale))
        active = rendueA_;
    return active && active->isVisible() ? active : principale;
}

void RendClavier(QWidget* fenetre)
{
    tientEnUsage(fenetre);
    if (fenetre && fenetre->isVisible())
        ActiveFenetre(fenetre);
}

void InstalleRetourClavier(QCoreApplication* application)
{
    application->installEventFilter(new RetourAuMasquer(application));
}

} // namespace kelmo
