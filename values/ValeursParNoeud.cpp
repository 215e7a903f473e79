#include "values/ValeursParNoeud.h"
#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "core/IndexCodes.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "values/LimitesTables.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace kelmo {
namespace {

enum class Quantite { Valeur1, Valeur2, Multiplication, DifferencesAbsolues, DifferencesRelatives, Populations, Autre };

Quantite quantite(const QString& nom)
{
    if (nom == u"Valeur1")
        return Quantite::Valeur1;
    if (nom == u"Valeur2")
        return Quantite::Valeur2;
    if (nom == u"Multiplication")
        return Quantite::Multiplication;
    if (nom == u"Différences absolues")
        return Quantite::DifferencesAbsolues;
    if (nom == u"Différences relatives")
        return Quantite::DifferencesRelatives;
    if (nom == u"Populations")
        return Quantite::Populations;
    return Quantite::Autre;
}

int32_t nombreNoeuds() { return std::max<int32_t>(0, std::min<int32_t>(K.NbNoeuds, static_cast<int32_t>(K.Noeuds.size()) - 1)); }

// The sizes follow the node table, never fewer than the 6000 of the files.
void dimensionneTailles()
{
    const std::size_t n = static_cast<std::size_t>(std::max(NbMaxValeursNoeuds, nombreNoeuds())) + 1;
    if (K.TailleSymboles.size() < n)
        K.TailleSymboles.resize(n);
}

int32_t valeursEnPlace()
{
    return std::min<int32_t>(nombreNoeuds(), static_cast<int32_t>(K.ValeursNoeuds.size()) - 1);
}

} // namespace

double DifferenceRelative(double a, double b) { return b == 0 ? 0.0 : (a - b) * 100.0 / b; }

void CalculeValeursNoeuds(const QString& nom)
{
    const int32_t n = nombreNoeuds();
    K.ValeursNoeuds.assign(static_cast<std::size_t>(n) + 1, ValeurNoeud{});
    dimensionneTailles();
    const Quantite q = quantite(nom);
    if (q == Quantite::Autre)
        return;
    if (q == Quantite::Populations) {
        for (int32_t i = 1; i <= n; ++i) {
            ValeurNoeud& v = K.ValeursNoeuds[static_cast<std::size_t>(i)];
            v.IndiceNoeud = static_cast<int16_t>(i);
            v.Valeur = static_cast<float>(K.Noeuds[static_cast<std::size_t>(i)].Population);
        }
        return;
    }

    const ModeleStatistiques& s = K.Formes.Statistiques;
    const bool classesDiff = s.ClassesDifférences;
    const bool diffAbs = s.ClasseDiffAbs;
    const IndexCodes noeuds = IndexCodesNoeuds();
    const int32_t nb = std::min<int32_t>(K.NbValeursNoeuds, static_cast<int32_t>(K.ValeursFichiersNoeuds.size()) - 1);
    for (int32_t i = 1; i <= nb; ++i) {
        const ValeurNoeud& f = K.ValeursFichiersNoeuds[static_cast<std::size_t>(i)];
        const int32_t j = noeuds.Premier(f.Code);
        if (j == 0)
            continue;
        const double a = f.Valeur1, b = f.Valeur2;
        ValeurNoeud& v = K.ValeursNoeuds[static_cast<std::size_t>(j)];
        v.IndiceNoeud = static_cast<int16_t>(j);
        const double secondaireDiff = diffAbs ? a - b : DifferenceRelative(a, b);
        switch (q) {
        case Quantite::Valeur1:
            v.Valeur = f.Valeur1;
            v.Marque = f.Marque;
            v.ValeurSecondaire = classesDiff ? BorneSimple(secondaireDiff) : 0.0f;
            break;
        case Quantite::Valeur2:
            v.Valeur = f.Valeur2;
            v.ValeurSecondaire = classesDiff ? BorneSimple(secondaireDiff) : 0.0f;
            break;
        case Quantite::Multiplication:
            v.Valeur = BorneSimple(a * b);
            v.ValeurSecondaire = 0;
            break;
        case Quantite::DifferencesRelatives:
            v.Valeur = BorneSimple(classesDiff && diffAbs ? a - b : DifferenceRelative(a, b));
            v.ValeurSecondaire = v.Valeur;
            break;
        case Quantite::DifferencesAbsolues:
            v.Valeur = BorneSimple(a - b);
            v.ValeurSecondaire = classesDiff ? (diffAbs ? f.Valeur1 : f.Valeur2) : 0.0f;
            break;
        default: break;
        }
    }
}

void TrieValeursNoeuds()
{
    dimensionneTailles();
    const int32_t n = valeursEnPlace();
    if (n < 2)
        return;
    std::vector<std::pair<ValeurNoeud, float>> t;
    t.reserve(static_cast<std::size_t>(n));
    for (int32_t i = 1; i <= n; ++i)
        t.emplace_back(K.ValeursNoeuds[static_cast<std::size_t>(i)], K.TailleSymboles[static_cast<std::size_t>(i)]);
    // Stable: records of equal magnitude keep their node order.
    std::stable_sort(t.begin(), t.end(), [](const auto& x, const auto& y) {
        return std::fabs(x.first.Valeur) > std::fabs(y.first.Valeur);
    });
    for (int32_t i = 1; i <= n; ++i) {
        K.ValeursNoeuds[static_cast<std::size_t>(i)] = t[static_cast<std::size_t>(i - 1)].first;
        K.TailleSymboles[static_cast<std::size_t>(i)] = t[static_cast<std::size_t>(i - 1)].second;
    }
}

void DimensionneRonds(const QString& nom)
{
    dimensionneTailles();
    const Quantite q = quantite(nom);
    const ModeleStatistiques& s = K.Formes.Statistiques;
    const int32_t n = valeursEnPlace();
    const double v1 = n >= 1 ? std::fabs(static_cast<double>(K.ValeursNoeuds[1].Valeur)) : 0.0;

    if (q == Quantite::Valeur2 || nom == u"Valeur3") {
        if (K.RefRondsValeur1 != 0)
            K.RefRonds = K.RefRondsValeur1;
    } else {
        K.RefRonds = v1;
    }
    if (q == Quantite::Valeur1)
        K.RefRondsValeur1 = K.RefRonds;
    if (q == Quantite::Populations && K.RefRondsValeur1 != 0)
        K.RefRonds = K.RefRondsValeur1;
    if (q == Quantite::DifferencesAbsolues) {
        if (K.RefRondsValeur2 == 0) {
            K.RefRondsValeur2 = v1;
            K.RefRonds = K.RefRondsValeur2;
        } else if (s.BlindageEchDifAbs) {
            K.RefRonds = K.RefRondsValeur2;
        }
    }
    if (q == Quantite::DifferencesRelatives) {
        if (K.RefRondsDiffRel == 0) {
            K.RefRondsDiffRel = static_cast<float>(v1);
            K.RefRonds = K.RefRondsDiffRel;
        } else if (s.BlindageEchDifRel) {
            K.RefRonds = K.RefRondsDiffRel;
        }
    }
    TailleSymbolesSelonRefRonds();
}

void TailleSymbolesSelonRefRonds()
{
    // No reference yet (no display since start-up) or values all 0: sizes
    // are taken against 1, never divided by 0.
    if (K.RefRonds == 0)
        K.RefRonds = 1;
    dimensionneTailles();
    const int32_t n = valeursEnPlace();
    // Between 50 and 1000 the values are drawn at their own size.
    const bool telles = K.RefRonds > 50 && K.RefRonds <= 1000;
    for (int32_t i = 1; i <= n; ++i) {
        const double v = K.ValeursNoeuds[static_cast<std::size_t>(i)].Valeur;
        const double taille = telles ? v : v * 1000.0 / K.RefRonds;
        if (!TientDansChamp(taille, GenreChamp::Simple)) {
            MessageErreur(QStringLiteral("Erreur dans le dimensionnement des ronds"));
            return;
        }
        K.TailleSymboles[static_cast<std::size_t>(i)] = static_cast<float>(taille);
    }
}

void PrepareValeursNoeuds(const QString& nom)
{
    CalculeValeursNoeuds(nom);
    TrieValeursNoeuds();
    DimensionneRonds(nom);
}

} // namespace kelmo
