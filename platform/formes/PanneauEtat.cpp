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
    const QFontMetrics fm = fontMetrics();
    const QString t = text();
    const int largeur = std::max(zoneTexte().width(), 0);
    if (fm.horizontalAdvance(t) <= largeur)
        return t;
    // A path keeps what is before it and its file name whole, and gives up
    // the start of its folders first: the end says more than "/home/...".
    auto separateur = [&t](bool dernier) {
        const qsizetype a = dernier ? t.lastIndexOf(QLatin1Char('/')) : t.indexOf(QLatin1Char('/'));
        const qsizetype b = dernier ? t.lastIndexOf(QLatin1Char('\\')) : t.indexOf(QLatin1Char('\\'));
        if (a < 0 || b < 0)
            return std::max(a, b);
        return dernier ? std::max(a, b) : std::min(a, b);
    };
    const qsizetype premier = separateur(false), dernier = separateur(true);
    if (premier >= 0 && dernier > premier) {
        const QString avant = t.left(premier), fichier = t.mid(dernier);
        const int reste = largeur - fm.horizontalAdvance(avant) - fm.horizontalAdvance(fichier);
        if (reste >= fm.horizontalAdvance(QChar(0x2026)))
            return avant + fm.elidedText(t.mid(premier, dernier - premier), Qt::ElideLeft, reste) + fichier;
    }
    return fm.elidedText(t, Qt::ElideMiddle, largeur);
}

void PanneauEtat::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawFrame(&p);
    style()->drawItemText(&p, zoneTexte(), static_cast<int>(alignment()), palette(), isEnabled(), TexteAffiche(),
                          foregroundRole());
}

} // namespace kelmo
