#include "platform/formes/PlacementFenetre.h"

#include <QEvent>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace kelmo {
namespace {

QMargins cadreDe(const QWidget* w)
{
    const QRect g = w->geometry(), f = w->frameGeometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

// Places the window again at the first event after the window manager has
// framed it, then goes: the placement made before counted no title bar.
class ReplaceQuandEncadree : public QObject {
public:
    explicit ReplaceQuandEncadree(QWidget* fenetre) : QObject(fenetre)
    {
        setObjectName(QStringLiteral("ReplaceQuandEncadree"));
        fenetre->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Expose:
        case QEvent::WindowActivate:
        case QEvent::ActivationChange: {
            auto* fenetre = static_cast<QWidget*>(objet);
            if (fenetre->isVisible() && !cadreDe(fenetre).isNull()) {
                fenetre->removeEventFilter(this);
                deleteLater();
                PlaceDansEcran(fenetre);
            }
            break;
        }
        default: break;
        }
        return false;
    }
};

// The main window's menu bar, on the screen, when the window belongs to a
// main window that shows one.
QRect barreMenusPrincipale(const QWidget* fenetre)
{
    const QWidget* parent = fenetre->parentWidget();
    if (!parent)
        return {};
    const QWidget* principale = parent->window();
    const auto* barre = principale->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!barre || !barre->isVisible() || !principale->isVisible())
        return {};
    return QRect(barre->mapToGlobal(QPoint(0, 0)), barre->size());
}

} // namespace

void PlaceDansEcran(QWidget* fenetre)
{
    if (!fenetre || !fenetre->isWindow() || !fenetre->screen())
        return;
    const QRect zone = fenetre->screen()->availableGeometry();
    QMargins cadre = cadreDe(fenetre);
    if (cadre.isNull()) {
        // The main window's frame stands for the one still unknown.
        if (fenetre->parentWidget())
            cadre = cadreDe(fenetre->parentWidget()->window());
        if (!fenetre->findChild<QObject*>(QStringLiteral("ReplaceQuandEncadree"), Qt::FindDirectChildrenOnly))
            new ReplaceQuandEncadree(fenetre);
    }
    const QSize bords(cadre.left() + cadre.right(), cadre.top() + cadre.bottom());
    if (fenetre->width() + bords.width() > zone.width() || fenetre->height() + bords.height() > zone.height())
        fenetre->resize(std::min(fenetre->width(), zone.width() - bords.width()),
                        std::min(fenetre->height(), zone.height() - bords.height()));
    const QSize taille = fenetre->size() + bords;
    const QPoint coin = fenetre->geometry().topLeft() - QPoint(cadre.left(), cadre.top());
    QPoint place(std::clamp(coin.x(), zone.left(), std::max(zone.left(), zone.right() + 1 - taille.width())),
                 std::clamp(coin.y(), zone.top(), std::max(zone.top(), zone.bottom() + 1 - taille.height())));
    // Over the main window's menu bar, a click meant for a menu would land in
    // the window: below the bar when the window fits there.
    const QRect barre = barreMenusPrincipale(fenetre);
    if (!barre.isEmpty() && QRect(place, taille).intersects(barre)
        && barre.bottom() + 1 + taille.height() <= zone.bottom() + 1)
        place.setY(barre.bottom() + 1);
    // move() places a window by the top left corner of its frame.
    if (place != coin)
        fenetre->move(place);
}

void ActiveFenetre(QWidget* fenetre)
{
    if (!fenetre)
        return;
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

void EchapFermeFenetre(QWidget* fenetre)
{
    auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), fenetre);
    echap->setContext(Qt::WindowShortcut);
    QObject::connect(echap, &QShortcut::activated, fenetre, [f = QPointer<QWidget>(fenetre)] {
        if (f)
            f->close();
    });
}

} // namespace kelmo
