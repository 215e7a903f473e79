#include "values/MethodesBornes.h"
#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "values/BandesStatistiques.h"
#include "values/ClassesValeurs.h"
#include "values/ValeursParNoeud.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace kelmo {
namespace {

// The leading number of a box written in the Str form. The bounds made
// from it are singles: a number beyond a single stops the method, after
// the refusal naming the box.
bool nombreTete(const QString& texte, const QString& boite, double& v)
{
    const NombreLu n = LitNombre(texte, {Etendue::TeteOuZero, false, GenreChamp::Simple}, boite,
                                 QStringLiteral("Statistiques"));
    if (!n)
        return false;
    v = *n;
    return true;
}

bool minMax(double& min, double& max)
{
    const ModeleStatistiques& s = K.Formes.Statistiques;
    return nombreTete(s.Text2, QStringLiteral("Maximum"), max) && nombreTete(s.Text1, QStringLiteral("Minimum"), min)
           && std::isfinite(max - min);
}

int nombreClasses() { return std::clamp<int>(K.NbClasses, 0, 10); }

// The top bound, the maximum + 1, is kept as a single: past 2^24 that single
// may be the maximum itself, which would then be in no class, and the next
// single above the maximum is taken instead.
double borneHaute(double max)
{
    const float haut = static_cast<float>(max + 1), maximum = static_cast<float>(max);
    const float suivant = std::nextafter(maximum, std::numeric_limits<float>::infinity());
    return haut > maximum || !std::isfinite(suivant) ? max + 1 : suivant;
}

} // namespace

void Statistiques_SSCommand1_Click()
{
    ApercuDiffere apercu;
    const int n = nombreClasses();
    double min = 0, max = 0;
    if (n < 1 || !minMax(min, max))
        return;
    const double etendue = std::fabs(max - min);
    const double amplitude = etendue / n;
    const double eps = etendue / 1e9;
    ModeleStatistiques& s = K.Formes.Statistiques;
    s.Label4 = QStringLiteral("Iso-amplitude :");
    s.Amplitude = TexteRegional(amplitude, K.SeparateurDecimal);
    EcritBorne(1, min - 1);
    for (int i = 1; i <= n; ++i)
        EcritBorne(i + 1, min + i * amplitude);
    EcritBorne(1, ValeurBorne(1) - 2 * eps);
    EcritBorne(n + 1, borneHaute(max));
}

void Statistiques_SSCommand2_Click()
{
    ApercuDiffere apercu;
    const int n = nombreClasses();
    const int32_t nbNoeuds = K.NbNoeuds;
    if (n < 1 || nbNoeuds < n || static_cast<int32_t>(K.ValeursNoeuds.size()) <= nbNoeuds)
        return;
    double min = 0, max = 0;
    if (!minMax(min, max))
        return;
    TrieValeursNoeuds();

    // Ranks counted in the values sorted by decreasing value: for values of
    // one sign the order of the table, and negative values get classes too.
    std::vector<float> tries(static_cast<std::size_t>(nbNoeuds) + 1);
    for (int32_t i = 1; i <= nbNoeuds; ++i)
        tries[static_cast<std::size_t>(i)] = K.ValeursNoeuds[static_cast<std::size_t>(i)].Valeur;
    std::stable_sort(tries.begin() + 1, tries.end(), std::greater<float>());

    const double pas = static_cast<double>(nbNoeuds) / n;
    const double eps = std::fabs(max - min) / 1e9;
    ModeleStatistiques& s = K.Formes.Statistiques;
    s.Label4 = QStringLiteral("Iso-effectif :");
    s.Amplitude = TexteRegional(pas, K.SeparateurDecimal);
    for (int i = 1; i <= n + 1; ++i) {
        double r = nbNoeuds - pas * (i - 1);
        if (r == 0)
            r = 1;
        const auto k = static_cast<int32_t>(std::clamp<double>(ArrondiBanquier(r), 1, nbNoeuds));
        EcritBorne(i, tries[static_cast<std::size_t>(k)] + eps);
    }
    EcritBorne(1, ValeurBorne(1) - 2 * eps);
    EcritBorne(n + 1, borneHaute(max));
}

void Statistiques_SSCommand3_Click()
{
    ApercuDiffere apercu;
    const int n = nombreClasses();
    double min = 0;
    if (n < 1 || !nombreTete(K.Formes.Statistiques.Text1, QStringLiteral("Minimum"), min))
        return;
    const double debut = min - 1;
    const QString titre = QStringLiteral("Amplitude régulière");
    const std::optional<QString> reponse =
        Ui().Saisie(QStringLiteral("Donnez l'amplitude des classes"), titre, QStringLiteral("60"));
    const NombreLu amplitude =
        reponse ? LitNombre(*reponse, {Etendue::Texte, VirguleRegionale(), GenreChamp::Simple}, titre, titre) : NombreLu{};
    if (!amplitude)
        return;
    // Every bound is checked before the first is written.
    for (int i = 1; i <= n; ++i)
        if (!TientDansChamp(debut + i * *amplitude, GenreChamp::Simple)) {
            RefuseResultatHorsLimites(*reponse, titre, titre);
            return;
        }
    K.Formes.Statistiques.Amplitude = *reponse;
    for (int i = 1; i <= n; ++i)
        EcritBorne(i + 1, debut + i * *amplitude);
}

} // namespace kelmo
