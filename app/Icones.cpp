#include "app/Icones.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace kelmo {
namespace {

QPixmap loupe(int cote, bool plus)
{
    QPixmap pm(cote, cote);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double c = cote;
    p.setPen(QPen(QColor(40, 40, 40), c * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(QPointF(c * 0.42, c * 0.42), c * 0.28, c * 0.28);
    p.drawLine(QPointF(c * 0.62, c * 0.62), QPointF(c * 0.9, c * 0.9));
    p.setPen(QPen(QColor(20, 60, 160), c * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c * 0.3, c * 0.42), QPointF(c * 0.54, c * 0.42));
    if (plus)
        p.drawLine(QPointF(c * 0.42, c * 0.3), QPointF(c * 0.42, c * 0.54));
    return pm;
}

QPixmap fleche(int cote, double angleDegres)
{
    QPixmap pm(cote, cote);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double c = cote;
    p.translate(c / 2, c / 2);
    p.rotate(angleDegres);
    // Pointing up before the rotation.
    QPolygonF f;
    f << QPointF(0, -c * 0.4) << QPointF(c * 0.32, -c * 0.05) << QPointF(c * 0.12, -c * 0.05)
      << QPointF(c * 0.12, c * 0.38) << QPointF(-c * 0.12, c * 0.38) << QPointF(-c * 0.12, -c * 0.05)
      << QPointF(-c * 0.32, -c * 0.05);
    p.setPen(QPen(QColor(20, 70, 20), c * 0.05));
    p.setBrush(QColor(60, 160, 60));
    p.drawPolygon(f);
    return pm;
}

} // namespace

QIcon IconeBarreOutils(int image)
{
    const int cote = 32;
    switch (image) {
    case 1: return QIcon(loupe(cote, false));
    case 2: return QIcon(loupe(cote, true));
    case 3: return QIcon(fleche(cote, 0));
    case 4: return QIcon(fleche(cote, -90));
    case 5: return QIcon(fleche(cote, 90));
    case 6: return QIcon(fleche(cote, 180));
    default: return QIcon();
    }
}

QPixmap DessineEmbleme(int cote, bool relief)
{
    QPixmap pm(cote, cote);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double c = cote;
    const QPointF villes[5] = {{0.2 * c, 0.3 * c}, {0.75 * c, 0.2 * c}, {0.5 * c, 0.55 * c}, {0.2 * c, 0.8 * c},
                               {0.8 * c, 0.78 * c}};
    if (relief) {
        // Tents over the links: the fold's height is the time lost on them.
        p.setPen(QPen(QColor(70, 90, 70), 1));
        const int paires[4][2] = {{0, 2}, {1, 2}, {2, 3}, {2, 4}};
        for (const auto& pr : paires) {
            const QPointF a = villes[pr[0]], b = villes[pr[1]];
            const QPointF m = (a + b) / 2 + QPointF(0, -0.12 * c);
            QPolygonF t;
            t << a << m << b;
            p.setBrush(QColor(150, 190, 150));
            p.drawPolygon(t);
        }
    } else {
        p.setPen(QPen(QColor(200, 40, 40), c * 0.04));
        for (int i = 0; i < 5; ++i)
            p.drawLine(villes[2], villes[i]);
        p.setPen(QPen(QColor(40, 40, 200), c * 0.025));
        p.drawLine(villes[0], villes[3]);
        p.drawLine(villes[1], villes[4]);
    }
    p.setPen(QPen(QColor(192, 192, 192), 1.5));
    p.setBrush(QColor(128, 0, 0));
    for (const QPointF& v : villes)
        p.drawEllipse(v, c * 0.05, c * 0.05);
    return pm;
}

QCursor CurseurEditeurArcs()
{
    // One-bit bitmap and mask: black lines with a white rim, so that the
    // pointer shows on any map.
    QBitmap dessin(32, 32), masque(32, 32);
    dessin.fill(Qt::color0);
    masque.fill(Qt::color0);
    QPainter d(&dessin), m(&masque);
    m.setPen(QPen(Qt::color1, 3));
    m.drawRect(4, 4, 22, 22);
    m.drawRect(11, 11, 8, 8);
    d.setPen(QPen(Qt::color1, 1));
    d.drawRect(4, 4, 22, 22);
    d.drawRect(11, 11, 8, 8);
    return QCursor(dessin, masque, 15, 15);
}

} // namespace kelmo
