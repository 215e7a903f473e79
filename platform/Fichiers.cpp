#include "platform/Fichiers.h"
#include "platform/Chemins.h"
#include "platform/Erreurs.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kelmo {

std::string LitFichierEntier(const QString& chemin)
{
    const QString local = CheminExistant(chemin);
    QFileInfo info(local);
    if (!info.exists() || info.isDir())
        LeveErreur(ErrFichierIntrouvable, QStringLiteral("Fichier introuvable : %1").arg(chemin));
    QFile f(local);
    if (!f.open(QIODevice::ReadOnly))
        LeveErreur(ErrAccesChemin, QStringLiteral("Erreur d'accès au fichier : %1").arg(chemin));
    QByteArray octets = f.readAll();
    return std::string(octets.constData(), static_cast<std::size_t>(octets.size()));
}

void EnregistreFichier(const QString& chemin, const std::string& contenu)
{
    QSaveFile f(CheminLocal(chemin));
    if (!f.open(QIODevice::WriteOnly))
        LeveErreur(ErrAccesChemin, QStringLiteral("Impossible de créer le fichier : %1").arg(chemin));
    const qint64 n = static_cast<qint64>(contenu.size());
    if (f.write(contenu.data(), n) != n) {
        f.cancelWriting();
        LeveErreur(ErrEcriture, QStringLiteral("Erreur d'écriture du fichier : %1").arg(chemin));
    }
    if (!f.commit())
        LeveErreur(ErrEcriture, QStringLiteral("Erreur d'écriture du fichier : %1").arg(chemin));
}

} // namespace kelmo
