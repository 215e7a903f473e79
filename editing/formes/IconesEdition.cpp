#include "editing/formes/IconesEdition.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kelmo {
namespace {

QPixmap toile()
{
    QPixmap p(24, 24);
    p.fill(Qt::transparent);
    return p;
}

void fleche(QPainter& g, QPointF de, QPointF a, const QColor& c)
{
    g.setPen(QPen(c, 2));
    g.drawLine(de, a);
    const double sens = a.x() > de.x() ? -1 : 1;
    QPainterPath tete;
    tete.moveTo(a);
    tete.lineTo(a + QPointF(sens * 6, -4));
    tete.lineTo(a + QPointF(sens * 6, 4));
    tete.closeSubpath();
    g.fillPath(tete, c);
}

} // namespace

QIcon IconeDoubleArc()
{
    QPixmap p = toile();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    fleche(g, {3, 8}, {21, 8}, QColor(0, 0, 160));
    fleche(g, {21, 16}, {3, 16}, QColor(160, 0, 0));
    return QIcon(p);
}

QIcon IconeHoraires()
{
    QPixmap p = toile();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1.5));
    g.setBrush(QColor(255, 255, 225));
    g.drawEllipse(QRectF(2, 2, 20, 20));
    for (int h = 0; h < 12; h += 3) {
        g.save();
        g.translate(12, 12);
        g.rotate(30.0 * h);
        g.drawLine(QPointF(0, -9), QPointF(0, -7));
        g.restore();
    }
    g.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(12, 12), QPointF(12, 6));
    g.drawLine(QPointF(12, 12), QPointF(16, 14));
    return QIcon(p);
}

} // namespace kelmo
