#include "platform/Chemins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace kelmo {
namespace {
std::optional<std::vector<CandidatRacine>>& candidatsInjectes()
{
    static std::optional<std::vector<CandidatRacine>> c;
    return c;
}
} // namespace

QString CheminLocal(const QString& chemin)
{
    QString r = chemin;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (r.contains(QLatin1String("//")))
        r.replace(QLatin1String("//"), QLatin1String("/"));
    return r;
}

QString CheminExistant(const QString& chemin)
{
    const QString local = CheminLocal(chemin);
    if (local.isEmpty() || QFileInfo::exists(local))
        return local;
    const bool absolu = local.startsWith(QLatin1Char('/'));
    const QStringList parties = local.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString courant = absolu ? QStringLiteral("/") : QStringLiteral(".");
    for (const QString& partie : parties) {
        QDir dir(courant);
        QString suivant = dir.filePath(partie);
        if (!QFileInfo::exists(suivant)) {
            const QStringList entrees = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            auto it = std::find_if(entrees.begin(), entrees.end(),
                                   [&](const QString& e) { return e.compare(partie, Qt::CaseInsensitive) == 0; });
            if (it == entrees.end())
                return local;
            suivant = dir.filePath(*it);
        }
        courant = suivant;
    }
    if (!absolu && courant.startsWith(QLatin1String("./")))
        courant.remove(0, 2);
    return courant;
}

QString Joint(const QString& dossier, const QString& sousChemin)
{
    return CheminLocal(dossier + QLatin1Char('/') + sousChemin);
}

QString RacineIntegree()
{
    // Next to an installed program first, then the source tree it was built from.
    const QString installe = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/kelmo"));
    if (QCoreApplication::instance() && QFileInfo::exists(installe + QStringLiteral("/data")))
        return QDir::cleanPath(installe);
    return QStringLiteral(KELMO_RACINE_INTEGREE);
}

std::vector<CandidatRacine> CandidatsRacineDonnees()
{
    if (candidatsInjectes())
        return *candidatsInjectes();
    return {
        {QDir::home().filePath(QStringLiteral("kelmo"))},
        {QDir::currentPath()},
        {RacineIntegree()},
    };
}

void DefinitCandidatsRacineDonnees(std::vector<CandidatRacine> candidats) { candidatsInjectes() = std::move(candidats); }
void RetablitCandidatsRacineDonnees() { candidatsInjectes().reset(); }

} // namespace kelmo
