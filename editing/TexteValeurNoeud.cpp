#include "editing/TexteValeurNoeud.h"
#include "core/Modele.h"

#include <algorithm>
#include <cmath>

namespace kelmo {

QString TexteValeurNoeud(int32_t i)
{
    if (!K.Menu(QStringLiteral("menAfficheValeur2")).Enabled)
        return QStringLiteral("0");
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(std::max(K.NbNoeuds, 0)) + 1,
                                                K.ValeursNoeuds.size());
    for (std::size_t k = 1; k < n; ++k)
        if (K.ValeursNoeuds[k].IndiceNoeud == i)
            return FormatStandard(K.ValeursNoeuds[k].Valeur);
    return QStringLiteral("0");
}

QString FormatStandard(double valeur)
{
    if (!std::isfinite(valeur))
        return QStringLiteral("0");
    const bool virgule = K.SeparateurDecimal == ',';
    const QChar decimal = virgule ? QLatin1Char(',') : QLatin1Char('.');
    const QChar milliers = virgule ? QChar(0x00A0) : QLatin1Char(',');
    const QString t = QString::number(std::fabs(valeur), 'f', 2);
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    const QString entier = t.left(point);
    QString groupe;
    for (qsizetype k = 0; k < entier.size(); ++k) {
        if (k > 0 && (entier.size() - k) % 3 == 0)
            groupe += milliers;
        groupe += entier[k];
    }
    const bool negatif = valeur < 0 && t != QStringLiteral("0.00");
    return (negatif ? QStringLiteral("-") : QString()) + groupe + decimal + t.mid(point + 1);
}

} // namespace kelmo
