#include "platform/Fichiers.h"
#include "platform/Chemins.h"
#include "platform/Erreurs.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

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
    // Straight into the string: a network file is some ten megabytes, and a
    // second copy of it costs as much as parsing its numbers.
    std::string contenu;
    contenu.resize(static_cast<std::size_t>(std::max<qint64>(f.size(), 0)));
    qint64 lus = 0;
    for (;;) {
        if (lus == static_cast<qint64>(contenu.size()))
            contenu.resize(contenu.size() + 65536); // a file that grew, or one without a known size
        const qint64 n = f.read(contenu.data() + lus, static_cast<qint64>(contenu.size()) - lus);
        if (n < 0)
            LeveErreur(ErrAccesChemin, QStringLiteral("Erreur d'accès au fichier : %1").arg(chemin));
        if (n == 0)
            break;
        lus += n;
    }
    contenu.resize(static_cast<std::size_t>(lus));
    return contenu;
}

void EnregistreFichier(const QString& chemin, const std::string& contenu)
{
    QSaveFile f(CheminLocal(chemin));
    if (!f.open(QIODevice::WriteOnly))
        LeveErreur(ErrAccesChemin, QStringLiteral("Impossible de créer le fichier : %1").arg(chemin));
    const qint64 n = static_cast<qint64>(contenu.size());
    // The last bytes wait in Qt's buffer until the commit, and the commit
    // does not see that they failed (a full disk): it would put a cut file
    // in place of the old one. So they are flushed and checked here first.
    if (f.write(contenu.data(), n) != n || !f.flush() || f.error() != QFileDevice::NoError || f.size() != n) {
        f.cancelWriting();
        LeveErreur(ErrEcriture, QStringLiteral("Erreur d'écriture du fichier : %1").arg(chemin));
    }
    if (!f.commit())
        LeveErreur(ErrEcriture, QStringLiteral("Erreur d'écriture du fichier : %1").arg(chemin));
}

void EnregistreImage(const QImage& image, const QString& chemin, const QByteArray& format)
{
    // Written to a file, the image writers leave a cut picture on a full
    // disk; in memory nothing can fail part-way, and the file is then saved
    // through the checked path.
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, format);
    if (!ecrivain.write(image))
        LeveErreur(ErrAccesChemin, QStringLiteral("Erreur d'accès au chemin/fichier"));
    EnregistreFichier(chemin, std::string(octets.constData(), static_cast<std::size_t>(octets.size())));
}

std::vector<std::string_view> DecoupeLignes(std::string_view contenu)
{
    std::vector<std::string_view> lignes;
    const char* const fin = contenu.data() + contenu.size();
    // The next CR and the next LF, each found with the library's scan and
    // kept until the line start passes it, so that a file with only one kind
    // of line end is still scanned once.
    auto prochain = [fin](const char* depuis, char c) {
        const void* t = std::memchr(depuis, c, static_cast<std::size_t>(fin - depuis));
        return t ? static_cast<const char*>(t) : fin;
    };
    const char* debut = contenu.data();
    const char* cr = prochain(debut, '\r');
    const char* lf = prochain(debut, '\n');
    // The lines of a stored file are all about as long as the first: room
    // for that many and some more, without a pass of its own over the file.
    const std::size_t premiere = static_cast<std::size_t>(std::min(cr, lf) - debut) + 2;
    lignes.reserve(contenu.size() / premiere + contenu.size() / (8 * premiere) + 1);
    while (debut < fin) {
        if (cr < debut)
            cr = prochain(debut, '\r');
        if (lf < debut)
            lf = prochain(debut, '\n');
        const char* finLigne = std::min(cr, lf);
        lignes.emplace_back(debut, static_cast<std::size_t>(finLigne - debut));
        if (finLigne == fin)
            break;
        debut = finLigne + 1;
        if (finLigne == cr && lf == debut)
            ++debut;
    }
    return lignes;
}

} // namespace kelmo
