#include "platform/formes/PlacementFenetre.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace kelmo {
namespace {

// Asked of the window system's window: the widget's own idea of its frame
// is only brought up to date at its next move or resize, and a window the
// window manager frames where it stood is neither moved nor resized.
QMargins cadreDe(const QWidget* w)
{
    if (const QWindow* fenetre = w->windowHandle())
        return fenetre->frameMargins();
    const QRect g = w->geometry(), f = w->frameGeometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

void place(QWidget* fenetre);

// The window manager frames a window and may place it in its own time after
// the window is shown, and a move asked before that can still come into
// effect afterwards: the window is placed again at each move or resize of
// the first moments, and until its frame is known (the placement made before
// counted no title bar).
class SuitPlacement : public QObject {
public:
    explicit SuitPlacement(QWidget* fenetre) : QObject(fenetre)
    {
        setObjectName(QStringLiteral("SuitPlacement"));
        fenetre->installEventFilter(this);
        depuis_.start();
    }
    void relance() { depuis_.restart(); }
    static SuitPlacement* de(QWidget* fenetre)
    {
        return static_cast<SuitPlacement*>(
            fenetre->findChild<QObject*>(QStringLiteral("SuitPlacement"), Qt::FindDirectChildrenOnly));
    }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowActivate: {
            auto* fenetre = static_cast<QWidget*>(objet);
            if (!fenetre->isVisible() || cadreDe(fenetre).isNull())
                break;
            // Afterwards the user moves the window where he likes.
            if (placeeEncadree_ && depuis_.elapsed() > 1500) {
                fenetre->removeEventFilter(this);
                deleteLater();
                break;
            }
            place(fenetre);
            placeeEncadree_ = true;
            break;
        }
        default: break;
        }
        return false;
    }

private:
    QElapsedTimer depuis_;
    bool placeeEncadree_ = false;
};

// The main window's menu bar, on the screen, when the window belongs to a
// main window that shows one, directly or through the window it belongs to
// (a box over an editor).
QRect barreMenusPrincipale(const QWidget* fenetre)
{
    if (!fenetre->parentWidget())
        return {};
    const QWidget* principale = FenetrePrincipale(fenetre);
    const auto* barre = principale->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!barre || !barre->isVisible() || !principale->isVisible())
        return {};
    return QRect(barre->mapToGlobal(QPoint(0, 0)), barre->size());
}

void place(QWidget* fenetre)
{
    const QRect zone = fenetre->screen()->availableGeometry();
    QMargins cadre = cadreDe(fenetre);
    // The main window's frame stands for one still unknown.
    if (cadre.isNull() && fenetre->parentWidget())
        cadre = cadreDe(fenetre->parentWidget()->window());
    const QSize bords(cadre.left() + cadre.right(), cadre.top() + cadre.bottom());
    if (fenetre->width() + bords.width() > zone.width() || fenetre->height() + bords.height() > zone.height())
        fenetre->resize(std::min(fenetre->width(), zone.width() - bords.width()),
                        std::min(fenetre->height(), zone.height() - bords.height()));
    const QSize taille = fenetre->size() + bords;
    const QPoint coin = fenetre->geometry().topLeft() - QPoint(cadre.left(), cadre.top());
    QPoint ici(std::clamp(coin.x(), zone.left(), std::max(zone.left(), zone.right() + 1 - taille.width())),
               std::clamp(coin.y(), zone.top(), std::max(zone.top(), zone.bottom() + 1 - taille.height())));
    // Over the main window's menu bar, a click meant for a menu would land in
    // the window: below the bar when the window fits there.
    const QRect barre = barreMenusPrincipale(fenetre);
    if (!barre.isEmpty() && QRect(ici, taille).intersects(barre)
        && barre.bottom() + 1 + taille.height() <= zone.bottom() + 1)
        ici.setY(barre.bottom() + 1);
    // move() places a window by the top left corner of its frame as the
    // widget last knew it, which may count no title bar yet: the window
    // itself then stands where the frame counted here puts it.
    if (ici != coin)
        fenetre->move(ici + QPoint(cadre.left(), cadre.top()) - (fenetre->geometry().topLeft() - fenetre->pos()));
}

} // namespace

QWidget* FenetrePrincipale(const QWidget* fenetre)
{
    QWidget* w = fenetre->window();
    while (w->parentWidget())
        w = w->parentWidget()->window();
    return w;
}

void PlaceDansEcran(QWidget* fenetre)
{
    if (!fenetre || !fenetre->isWindow() || !fenetre->screen())
        return;
    place(fenetre);
    if (SuitPlacement* suivi = SuitPlacement::de(fenetre))
        suivi->relance();
    else
        new SuitPlacement(fenetre);
}

namespace {

bool placee(const QWidget* w)
{
    return w->isWindow() && w->parentWidget() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog);
}

// Every window that belongs to another, whatever command shows it, is placed
// as it is shown: an option dialog or a box as well as an editor (the main
// window is placed by the start-up, once made). Popups, tool tips and
// floating tool bars are left where they open. The window system's window
// is told it is shown after the widget (a dialog centres itself over its
// window there) and before it goes on the screen. A window that grows out
// of the screen with what it shows (the classes of the statistics window)
// is placed again.
class PlaceAuMontrer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        if (e->type() == QEvent::Resize && objet->isWidgetType()) {
            auto* w = static_cast<QWidget*>(objet);
            const auto* r = static_cast<const QResizeEvent*>(e);
            const QSize avant = r->oldSize(), apres = r->size();
            if (placee(w) && w->isVisible() && avant.isValid()
                && (apres.width() > avant.width() || apres.height() > avant.height())
                && !w->screen()->availableGeometry().contains(w->geometry().marginsAdded(cadreDe(w))))
                PlaceDansEcran(w);
            return false;
        }
        if (e->type() != QEvent::Show || !objet->isWindowType())
            return false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowHandle() == objet) {
                if (placee(w))
                    PlaceDansEcran(w);
                break;
            }
        return false;
    }
};

unsigned long long activations_ = 0;

// Whether the program holds the keyboard. Qt's state follows its focus
// window, which the window system takes from the program only once another
// program has the keyboard (on X11, a moment after the keyboard leaves the
// program without coming to another of its windows): a command that hides
// the program's active window still holds it.
bool tientClavier() { return QGuiApplication::applicationState() == Qt::ApplicationActive; }

} // namespace

void InstallePlacementFenetres(QCoreApplication* application)
{
    application->installEventFilter(new PlaceAuMontrer(application));
}

unsigned long long ActivationsDemandees() { return activations_; }

void ActiveFenetre(QWidget* fenetre)
{
    if (!fenetre || !tientClavier())
        return;
    ++activations_;
    fenetre->raise();
    // Asked of the window itself: a window hidden and shown again within one
    // command still counts as active until the hiding has been processed,
    // and activateWindow() would then ask nothing.
    if (QWindow* w = fenetre->windowHandle())
        w->requestActivate();
    else
        fenetre->activateWindow();
    QWidget* focus = fenetre->focusWidget();
    if (focus && focus->isVisibleTo(fenetre) && focus->isEnabled())
        return;
    // The first box in the window's tab order that takes the keyboard.
    for (QWidget* w = fenetre->nextInFocusChain(); w && w != fenetre; w = w->nextInFocusChain())
        if (w->window() == fenetre && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(fenetre)
            && w->isEnabled()) {
            w->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
}

} // namespace kelmo
