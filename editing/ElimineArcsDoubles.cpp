#include "editing/ElimineArcsDoubles.h"
#include "core/IndexCodes.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "editing/SuppressionArcs.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"

#include <array>
#include <cmath>
#include <unordered_set>
#include <vector>

namespace kelmo {
namespace {

// What makes two arcs doubles; one pair key for both directions.
struct Cle {
    uint64_t paire;
    int16_t mode, depart, arrivee;
    float debit;
    std::array<char16_t, 7> jours;
    bool operator==(const Cle&) const = default;
};

struct HacheCle {
    std::size_t operator()(const Cle& c) const
    {
        uint64_t h = c.paire;
        auto melange = [&h](uint64_t v) { h = (h ^ v) * 0x9E3779B97F4A7C15ull; h ^= h >> 29; };
        melange((uint64_t(uint16_t(c.mode)) << 32) | (uint64_t(uint16_t(c.depart)) << 16) | uint16_t(c.arrivee));
        // -0 and +0 are one line number, as == has them.
        melange(std::hash<float>{}(c.debit == 0 ? 0.0f : c.debit));
        for (char16_t j : c.jours)
            melange(j);
        return static_cast<std::size_t>(h);
    }
};

Cle cleDe(const Arc& a)
{
    Cle c{ClePaireNonOrientee(a.CodeOrigine, a.CodeDestination), a.Mode, a.HeureDepart, a.HeureArrivee, a.Debit, {}};
    for (std::size_t i = 0; i < c.jours.size(); ++i)
        c.jours[i] = a.Jours[i];
    return c;
}

} // namespace

int32_t ElimineArcsDoubles()
{
    const QString message = QStringLiteral("Elimination des arcs doubles...");
    const FinProgression fin;
    const int32_t n = K.NbArcs;
    AfficheProgression(n, 0, message);
    // Doubles are flagged apart from the arcs, so that no arc's own values
    // (a genuine arc of all zeros) can be taken for a flag.
    std::vector<char> double_(static_cast<std::size_t>(n) + 1, 0);
    std::unordered_set<Cle, HacheCle> vues;
    vues.reserve(static_cast<std::size_t>(n));
    for (int32_t i = 1; i <= n; ++i) {
        if (i % 10 == 0)
            AfficheProgression(n, i, message);
        const Arc& a = K.Arcs[i];
        // A line number that is not a number equals nothing, not even itself.
        if (std::isnan(a.Debit))
            continue;
        if (!vues.insert(cleDe(a)).second)
            double_[static_cast<std::size_t>(i)] = 1;
    }
    const BilanSuppression b = SupprimeArcsMarques(double_);
    AfficheProgression(K.NbArcs, K.NbArcs, message);
    Ui().Message(TexteAvecSigne(b.nombre) + QStringLiteral("  arc(s) a(ont) été éliminé(s)"), Boutons::OK,
                 Icone::Information, QStringLiteral("Résultat du traitement"));
    return b.nombre;
}

} // namespace kelmo
