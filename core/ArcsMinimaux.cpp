#include "core/ArcsMinimaux.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/TableTypes.h"
#include "core/TypesArcs.h"

#include <unordered_map>

namespace kelmo {
namespace {

// Arcs joining the same two node codes, in either direction.
struct Paire {
    int32_t a, b;
    bool operator==(const Paire&) const = default;
};
Paire paireDe(const Arc& x) { return {std::min(x.CodeOrigine, x.CodeDestination), std::max(x.CodeOrigine, x.CodeDestination)}; }
struct HachagePaire {
    std::size_t operator()(const Paire& p) const
    {
        uint64_t h = (static_cast<uint64_t>(static_cast<uint32_t>(p.a)) << 32) ^ static_cast<uint32_t>(p.b);
        h ^= h >> 31;
        h *= 0x7fb5d329728ea185ULL;
        h ^= h >> 27;
        return static_cast<std::size_t>(h);
    }
};
// Arc numbers of each pair, in table order: the first qualifying one of a
// list is the first a scan of the whole table would find.
using ArcsParPaire = std::unordered_map<Paire, std::vector<int32_t>, HachagePaire>;

} // namespace

void SelectionneArcsMinimaux()
{
    const FinProgression fin;
    const TableTypes types;
    auto vitesse = [&](int16_t mode) -> int {
        const TypeArc* t = types.type(mode);
        return t ? t->Vitesse : 0;
    };
    for (int32_t i = 1; i <= K.NbArcs; ++i)
        K.Arcs[i].Minimal = EstModeRoutierGroupe(K.Arcs[i].Mode) ? 1 : 0;

    const ModeleOptionsRelief& o = K.Formes.OptionsRelief;
    const int16_t cTGV = TypeTGV().Code, cAut = TypeAutoroute().Code, cTrain = TypeTrain().Code;
    if (o.TGV || o.Autoroute || o.Train) {
        int32_t modes[3] = {0, 0, 0};
        int n = 0;
        if (o.TGV)
            modes[n++] = cTGV;
        if (o.Autoroute)
            modes[n++] = cAut;
        if (o.Train)
            modes[n++] = cTrain;
        K.CodeModeRelief1 = modes[0];
        K.CodeModeRelief2 = modes[1];
        K.CodeModeRelief3 = modes[2];
        // A slot of 0 stands for no mode and matches nothing.
        auto modeRelief = [&](int16_t mode) {
            return mode != 0 && (mode == K.CodeModeRelief1 || mode == K.CodeModeRelief2 || mode == K.CodeModeRelief3);
        };
        ArcsParPaire candidats;
        for (int32_t j = 1; j <= K.NbArcs; ++j)
            if (modeRelief(K.Arcs[j].Mode))
                candidats[paireDe(K.Arcs[j])].push_back(j);

        auto passe = [&](const QString& message) {
            for (int32_t i = 1; i <= K.NbArcs; ++i) {
                AfficheProgression(K.NbArcs, i, message);
                Arc& a = K.Arcs[i];
                if (a.Minimal != 1)
                    continue;
                auto it = candidats.find(paireDe(a));
                if (it == candidats.end())
                    continue;
                const int v = vitesse(a.Mode);
                for (int32_t j : it->second) {
                    Arc& c = K.Arcs[j];
                    if (c.Minimal != 1 && vitesse(c.Mode) > v) {
                        c.Minimal = 1;
                        a.Minimal = 0;
                        break;
                    }
                }
            }
        };
        passe(QStringLiteral("Selectionne les arcs minimaux..."));
        passe(QStringLiteral("Selectionne les arcs minimaux (second passage)..."));

        for (int32_t i = 1; i <= K.NbArcs; ++i) {
            Arc& a = K.Arcs[i];
            if (a.Minimal != 0)
                continue;
            if ((o.TGV && a.Mode == cTGV) || (o.Autoroute && !o.TGV && a.Mode == cAut))
                a.Minimal = 2;
        }

        if (o.TGV && o.Autoroute) {
            const QString message = QStringLiteral("Départage le TGV et l'autoroute...");
            ArcsParPaire tgv;
            for (int32_t j = 1; j <= K.NbArcs; ++j)
                if (K.Arcs[j].Mode == cTGV)
                    tgv[paireDe(K.Arcs[j])].push_back(j);
            for (int32_t i = 1; i <= K.NbArcs; ++i) {
                AfficheProgression(K.NbArcs, i, message);
                Arc& a = K.Arcs[i];
                if (a.Mode != cAut || a.Minimal != 0)
                    continue;
                a.Minimal = 2;
                auto it = tgv.find(paireDe(a));
                if (it != tgv.end()) {
                    a.Minimal = 0;
                    K.Arcs[it->second.front()].Minimal = 1;
                }
            }
        }
    }
    AfficheProgression(K.NbArcs, K.NbArcs, QStringLiteral("Départage le TGV et l'autoroute..."));
}

} // namespace kelmo
