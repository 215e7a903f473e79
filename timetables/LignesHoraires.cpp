#include "timetables/LignesHoraires.h"
#include "core/Heures.h"
#include "core/Modele.h"
#include "platform/Nombres.h"

#include <cmath>

namespace kelmo {
namespace {

QString deuxChiffres(double v) { return QString::fromStdString(FormatMotif(v, "00", '.')); }

const Arc& arc(int32_t k) { return K.Arcs[static_cast<std::size_t>(k)]; }

} // namespace

QString TexteHeure(double minutes)
{
    // The hhmm pattern of a negative time wrote garbage ("-1:80"); the sign
    // goes in front of the time of its absolute value instead.
    const double h = MinutesEnHeure(std::fabs(minutes));
    const double heures = std::floor(h / 100.0);
    const QString t = deuxChiffres(heures) + QLatin1Char(':') + deuxChiffres(h - 100.0 * heures);
    return minutes < 0 ? QLatin1Char('-') + t : t;
}

QString NomNoeud(int32_t i, int n)
{
    if (i < 1 || i > K.NbNoeuds)
        return QString(n, QLatin1Char(' '));
    return K.Noeuds[static_cast<std::size_t>(i)].Nom.debut(static_cast<std::size_t>(n)).replace(QChar(u'\0'),
                                                                                                   QLatin1Char(' '));
}

CleService CleDeArc(int32_t k) { return CleDeService(arc(k)); }

CleService CleDeService(const Arc& a)
{
    return {a.CodeOrigine, a.CodeDestination, a.Mode, a.HeureDepart, a.HeureArrivee,
            a.Longueur, a.Duree, a.Debit, a.Capacite, a.Jours};
}

QString FormateLigneArc(int32_t k)
{
    const Arc& a = arc(k);
    QString jours = a.Jours.texte();
    jours.replace(QChar(u'\0'), QLatin1Char(' '));
    // A duration of 0 writes nothing at all: the rest moves three columns left.
    const QString duree = FormatDieses(a.Duree);
    return TexteHeure(a.HeureDepart) + QStringLiteral("     ") + TexteHeure(a.HeureArrivee) + QString(7, QLatin1Char(' '))
           + jours + QStringLiteral("   ") + (duree.isEmpty() ? duree : duree.rightJustified(3, QLatin1Char(' ')))
           + QStringLiteral("   L") + deuxChiffres(a.Debit);
}

QString FormateLigneTrain(int32_t k)
{
    const Arc& a = arc(k);
    const QString d = FormatDieses(a.Duree);
    QString duree;
    if (d.size() == 1)
        duree = QStringLiteral("   ") + d;
    else if (d.size() == 2)
        duree = QLatin1Char(' ') + d;
    else
        duree = d;
    return TexteHeure(a.HeureDepart) + QStringLiteral("  ") + TexteHeure(a.HeureArrivee) + QStringLiteral("  ") + duree
           + QLatin1Char(' ') + QString::fromStdString(FormatMotif(a.CodeOrigine, "0000000000", '.'))
           + QLatin1Char(' ') + QString::fromStdString(FormatMotif(a.CodeDestination, "0000000000", '.'))
           + QStringLiteral("  ") + NomNoeud(a.IndiceOrigine, 10) + QStringLiteral("  ")
           + NomNoeud(a.IndiceDestination, 10);
}

QString TexteVientDe(int32_t k, int32_t nourricier)
{
    if (nourricier > 0)
        return NomNoeud(arc(nourricier).IndiceOrigine, 7);
    return QString(6, QLatin1Char(' ')) + NomNoeud(arc(k).IndiceOrigine, 7);
}

QString LigneDepartNoeud(int32_t k, int32_t nourricier)
{
    return FormateLigneArc(k) + QStringLiteral("  ") + NomNoeud(arc(k).IndiceDestination, 10) + QStringLiteral("  (")
           + TexteVientDe(k, nourricier) + QLatin1Char(')');
}

QString LigneArriveeNoeud(int32_t k, int32_t suite)
{
    const Arc& a = arc(k);
    const QString versTexte = suite > 0 ? NomNoeud(arc(suite).IndiceDestination, 7)
                                        : QString(6, QLatin1Char(' ')) + NomNoeud(a.IndiceDestination, 7);
    const QString l = FormateLigneArc(k) + QStringLiteral("  ") + NomNoeud(a.IndiceOrigine, 10) + QStringLiteral("  (")
                      + versTexte + QLatin1Char(')');
    return l.mid(10, 5) + QStringLiteral("   (") + l.mid(0, 5) + QLatin1Char(')') + l.mid(17);
}

QString LigneDoubleSensNoeud(int32_t k, int32_t noeud)
{
    const Arc& a = arc(k);
    const int32_t autre = a.IndiceOrigine == noeud ? a.IndiceDestination : a.IndiceOrigine;
    return FormateLigneArc(k) + QStringLiteral("  ") + NomNoeud(autre, 10);
}

} // namespace kelmo
