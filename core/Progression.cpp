#include "core/Progression.h"
#include "core/Modele.h"
#include "platform/Chemins.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <exception>

namespace kelmo {

void AfficheProgression(double total, double current, const QString& message)
{
    BarreEtat& b = K.StatusBar;
    bool aRepeindre = false;
    if (current == 0 || current == 1) {
        aRepeindre = !b.ProgressionVisible || b.ProgressionPourcent != 0 || b.Panneaux[5] != message;
        b.ProgressionVisible = true;
        b.ProgressionPourcent = 0;
        b.Panneaux[5] = message;
    } else {
        if (current == total) {
            aRepeindre = b.ProgressionVisible || !b.Panneaux[5].isEmpty();
            b.ProgressionVisible = false;
            b.Panneaux[5].clear();
        }
        const int pourcent = total != 0 ? static_cast<int>(current / total * 100.0) : 0;
        if (pourcent != b.ProgressionPourcent) {
            b.ProgressionPourcent = pourcent;
            aRepeindre = aRepeindre || b.ProgressionVisible;
        }
    }
    if (aRepeindre && b.Repeint)
        b.Repeint();
}

namespace {

bool estFichierVisible(const QFileInfo& f) { return f.isFile() && !f.isHidden(); }

bool chercheFichier(const QString& chemin)
{
    const QString local = CheminLocal(chemin);
    if (local.endsWith(QLatin1Char('/'))) {
        QDir dir(CheminExistant(local));
        if (!dir.exists())
            return false;
        return !dir.entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty();
    }
    QFileInfo info(local);
    if (info.fileName().contains(QLatin1Char('*')) || info.fileName().contains(QLatin1Char('?'))) {
        QDir dir(CheminExistant(info.path()));
        return !dir.entryList(QStringList{info.fileName()}, QDir::Files | QDir::NoDotAndDotDot).isEmpty();
    }
    return estFichierVisible(QFileInfo(CheminExistant(local)));
}

} // namespace

bool FichierExiste(const QString& chemin)
{
    // The check never ends the program: an unexpected error is reported and
    // taken as "not found".
    try {
        if (chercheFichier(chemin))
            return true;
        MessageOK(QStringLiteral("Ce fichier ou répertoire n'existe pas : ") + chemin, Icone::Exclamation);
    } catch (const std::exception& e) {
        MessageOK(QStringLiteral("L'erreur inattendue s'est produite : ") + QString::fromLocal8Bit(e.what()),
                  Icone::Critique);
    }
    return false;
}

double HeureEnMinutes(double x)
{
    const double h = std::floor(x / 100.0);
    return (x - 100.0 * h) + 60.0 * h;
}

double ChaineHeureEnMinutes(const QString& s)
{
    return 60.0 * ValeurNombre(s.mid(0, 2)) + ValeurNombre(s.mid(2, 2));
}

double MinutesEnHeure(double x)
{
    const double signe = x < 0 ? -1.0 : (x > 0 ? 1.0 : 0.0);
    double m = std::fabs(x);
    const double h = std::floor(m / 60.0); // the same as taking 60 away while m is at least 60
    m -= 60.0 * h;
    return signe * (100.0 * h + m);
}

} // namespace kelmo
