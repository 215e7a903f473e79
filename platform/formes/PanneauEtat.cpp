#include "platform/formes/PanneauEtat.h"

#include <QPainter>
#include <QStyle>

namespace kelmo {

PanneauEtat::PanneauEtat(const QString& texte, const QString& infobulle, QWidget* parent)
    : QLabel(parent), infobulle_(infobulle)
{
    DefinitTexte(texte);
}

void PanneauEtat::DefinitTexte(const QString& texte)
{
    if (texte == text())
        return;
    setText(texte);
    const QString bulle = texte.trimmed();
    setToolTip(bulle.isEmpty() ? infobulle_ : bulle);
}

// Where QLabel itself would put the text: inside the frame, the margin and
// the indent (half an "x" beside a frame when none is set).
QRect PanneauEtat::zoneTexte() const
{
    const int retrait =
        indent() >= 0 ? indent() : (frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0);
    const int m = margin();
    return contentsRect().adjusted(m + retrait, m, -m - retrait, -m);
}

QString PanneauEtat::TexteAffiche() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, std::max(zoneTexte().width(), 0));
}

void PanneauEtat::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawFrame(&p);
    style()->drawItemText(&p, zoneTexte(), static_cast<int>(alignment()), palette(), isEnabled(), TexteAffiche(),
                          foregroundRole());
}

} // namespace kelmo
