#include "platform/formes/PlacementFenetre.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace kelmo {
namespace {

QMargins cadreDe(const QWidget* w)
{
    const QRect g = w->geometry(), f = w->frameGeometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

} // namespace

void PlaceDansEcran(QWidget* fenetre)
{
    if (!fenetre || !fenetre->isWindow() || !fenetre->screen())
        return;
    const QRect zone = fenetre->screen()->availableGeometry();
    // Before the window manager has framed a window for the first time its
    // frame is not known yet: the main window's frame stands for it.
    QMargins cadre = cadreDe(fenetre);
    if (cadre.isNull() && fenetre->parentWidget())
        cadre = cadreDe(fenetre->parentWidget()->window());
    const QSize bords(cadre.left() + cadre.right(), cadre.top() + cadre.bottom());
    if (fenetre->width() + bords.width() > zone.width() || fenetre->height() + bords.height() > zone.height())
        fenetre->resize(std::min(fenetre->width(), zone.width() - bords.width()),
                        std::min(fenetre->height(), zone.height() - bords.height()));
    const QSize taille = fenetre->size() + bords;
    const QPoint coin = fenetre->geometry().topLeft() - QPoint(cadre.left(), cadre.top());
    const QPoint place(std::clamp(coin.x(), zone.left(), std::max(zone.left(), zone.right() + 1 - taille.width())),
                       std::clamp(coin.y(), zone.top(), std::max(zone.top(), zone.bottom() + 1 - taille.height())));
    // move() places a window by the top left corner of its frame.
    if (place != coin)
        fenetre->move(place);
}

} // namespace kelmo
