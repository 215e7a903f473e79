#include "core/Progression.h"
#include "core/Modele.h"
#include "platform/Chemins.h"
#include "platform/Dialogues.h"
#include "platform/GardeCommandes.h"

#include <QDir>
#include <QFileInfo>
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

void EffaceProgression()
{
    BarreEtat& b = K.StatusBar;
    if (!b.ProgressionVisible && b.Panneaux[5].isEmpty())
        return;
    b.ProgressionVisible = false;
    b.Panneaux[5].clear();
    if (b.Repeint)
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
        MessageOK(TexteErreurInattendue(e), Icone::Critique);
    }
    return false;
}

} // namespace kelmo
