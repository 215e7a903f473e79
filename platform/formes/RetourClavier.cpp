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

// A window shown notes the window in use. Once it is hidden with the
// keyboard, the keyboard goes back to that window at once, at the end of
// the command that hid it, unless the command has shown or brought forward
// a window meanwhile (the timetable's "Quitter" brings the editor forward, a
// dialog's "OK" may open the next one, a box gives the keyboard back to its
// own window). The request follows the hiding in the window system's queue,
// so the window manager, however late it answers, hands the keyboard on
// first and then to that window. A window closed from outside (a task
// bar's close) while another program has the keyboard leaves it to that
// program. A window that belongs to the main window itself is left to the
// window manager, which gives the keyboard to the main window or to another
// window of the program. Qt would bring a window shown again back to the
// box that last had the keyboard: that is forgotten once it is hidden at
// the end of a command. A window that a command hides and shows again
// ("Coûts au km" hides "Coûts" while it computes) stays the window in use,
// with its box.
class RetourAuMasquer : public QObject {
public:
    using QObject::QObject;

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
        ++montrees_;
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
        // Qt has taken the keyboard from a window by the time it is hidden
        // (no window is active); hidden while another window has it, it
        // moves the keyboard nowhere. No window is active either while
        // another program has the keyboard: ActiveFenetre then asks nothing.
        const Origine* o = Origine::de(fenetre);
        const QWidget* active = QApplication::activeWindow();
        if (!o || !o->origine || (active && active != fenetre) || o->origine == FenetrePrincipale(fenetre))
            return;
        QTimer::singleShot(0, this, [this, origine = o->origine, avant = amenees()] {
            if (origine && origine->isVisible() && amenees() == avant)
                ActiveFenetre(origine);
        });
    }
    // The windows the program has shown or asked to bring forward so far.
    unsigned long long amenees() const { return montrees_ + ActivationsDemandees(); }

    QPointer<QWidget> cacheeEnUsage_;
    unsigned long long montrees_ = 0;
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
