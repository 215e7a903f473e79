#include "values/Exploration.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/Chemins.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "values/CartesNoeuds.h"
#include "values/ChargementNoeudsValeurs.h"
#include "values/ValeursParNoeud.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cmath>
#include <exception>

namespace kelmo {
namespace {

// The count typed: its leading number ("." as decimal point); a cancelled,
// empty or unreadable answer gives 0. Nothing, after the refusal naming the
// box, for a number beyond a double.
std::optional<double> nombreIterations()
{
    const QString titre = QStringLiteral("Exploration");
    const std::optional<QString> r =
        Ui().Saisie(QStringLiteral("Entrez le nombre d'itérations à explorer :"), titre, QStringLiteral("1"));
    if (!r)
        return 0;
    const NombreLu n = LitNombre(*r, RegleNombre{}, titre, titre);
    return n ? std::optional(*n) : std::nullopt;
}

// One member of the series shown; false when its picture could not be
// saved (the series then stops: the next ones would fail the same way).
bool montre(const QString& nom, bool enregistre, int numero)
{
    Sablier sablier;
    if (!RemplaceParFichierNoeudValeur1(nom))
        return true;
    // One circle scale for the whole series.
    AfficheValeur1AEchelleCourante();
    // The series plays as an animation: each picture is shown before the
    // next is read. The user's input waits, so nothing re-enters.
    Ima().Refresh();
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!enregistre)
        return true;
    try {
        EnregistreImaBitmap(
            Joint(K.RepertoireImages, QStringLiteral("\\%1.bmp").arg(numero, 2, 10, QLatin1Char('0'))));
    } catch (const std::exception&) {
        MessageErreur(QStringLiteral("Erreur dans l'impression de l'image"));
        return false;
    }
    return true;
}

// The greatest number of the series whose file is there, -1 when none is;
// the folder is read once for the whole series. A name counts as the series
// writes it (00 to 99, then 100 on without a leading zero), letter case
// aside as for every file the program looks for.
int64_t dernierNumeroPresent(const QString& prefixe, const QString& suffixe)
{
    const auto separateur = [](QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('\\'); };
    int debut = static_cast<int>(prefixe.size());
    while (debut > 0 && !separateur(prefixe[debut - 1]))
        --debut;
    const QString avant = prefixe.mid(debut);
    const QDir dossier(CheminExistant(debut > 0 ? prefixe.left(debut) : QStringLiteral(".")));
    int64_t dernier = -1;
    for (const QString& entree : dossier.entryList(QDir::Files)) {
        if (entree.size() < avant.size() + 2 + suffixe.size() || !entree.startsWith(avant, Qt::CaseInsensitive)
            || !entree.endsWith(suffixe, Qt::CaseInsensitive))
            continue;
        const QString chiffres = entree.mid(avant.size(), entree.size() - avant.size() - suffixe.size());
        if (std::any_of(chiffres.begin(), chiffres.end(), [](QChar c) { return c < u'0' || c > u'9'; })
            || (chiffres.size() > 2 && chiffres[0] == u'0'))
            continue;
        bool ok = false;
        const int64_t numero = chiffres.toLongLong(&ok);
        if (ok)
            dernier = std::max(dernier, numero);
    }
    return dernier;
}

} // namespace

void Kelmo_menExploration_Click()
{
    // Beyond a hundred thousand the names would need more than the digits
    // a series holds.
    const std::optional<double> iterations = nombreIterations();
    if (!iterations)
        return;
    const double n = std::min(*iterations, 100000.0);
    const bool enregistre = Ui().Message(QStringLiteral("Voulez-vous enregistrer les image ,"), Boutons::OuiNon,
                                         Icone::Question, QStringLiteral("Exploration")) == Reponse::Oui;
    K.FichierNoeudValeur1 = K.Formes.Statistiques.Text3;
    if (n < 1)
        return;
    const QString& modele = K.FichierNoeudValeur1;
    if (modele.size() < 6) {
        MessageOK(QStringLiteral("Le nom du fichier de la série doit compter au moins 6 caractères : "
                                 "le début, deux chiffres et une extension de 4 caractères (stm300.dat)."),
                  Icone::Exclamation, QStringLiteral("Exploration"));
        return;
    }
    const QString prefixe = modele.left(modele.size() - 6);
    const QString suffixe = modele.right(4);
    // A missing member is told and the series goes on, as long as a later
    // one exists: past the last file there is only a box per number left.
    const int64_t dernier = dernierNumeroPresent(prefixe, suffixe);
    for (int i = 1; i <= n; ++i) {
        const QString nom = prefixe + QStringLiteral("%1").arg(i - 1, 2, 10, QLatin1Char('0')) + suffixe;
        if (FichierExiste(nom)) {
            if (!montre(nom, enregistre, i - 1))
                return;
        } else if (i - 1 >= dernier) {
            return;
        }
    }
}

} // namespace kelmo
