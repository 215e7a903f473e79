#include "timetables/Developpement.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/Tables.h"
#include "core/TypesArcs.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kelmo {
namespace {

const QString Message = QStringLiteral("Développe les HorairesArcs...");

Arc& arc(int32_t k) { return K.Arcs[static_cast<std::size_t>(k)]; }

// A leg of a run: a TER service at its times. A plain TER link (no times)
// is no service: chained at minute 0 it would make direct arcs of every
// pair of plain links that meet.
bool serviceTER(const Arc& a, int16_t ter) { return a.Mode == ter && EstHoraire(a.HeureDepart, a.HeureArrivee); }

void refuse()
{
    Ui().Message(QStringLiteral("La table des arcs serait pleine : le développement n'est pas fait."), Boutons::OK,
                 Icone::Exclamation, QStringLiteral("Développement horaire"));
}

// What makes a direct arc the same as one already there.
struct CleDirect {
    int32_t o, d;
    int16_t mode, dep, arr;
    float debit;
    bool operator==(const CleDirect&) const = default;
};
struct HacheDirect {
    std::size_t operator()(const CleDirect& c) const noexcept
    {
        uint64_t h = static_cast<uint32_t>(c.o) * 0x9E3779B97F4A7C15ull ^ static_cast<uint32_t>(c.d);
        h = h * 0x9E3779B97F4A7C15ull
            ^ (static_cast<uint64_t>(static_cast<uint16_t>(c.mode)) << 32
               | static_cast<uint64_t>(static_cast<uint16_t>(c.dep)) << 16 | static_cast<uint16_t>(c.arr));
        float f = c.debit == 0 ? 0.0f : c.debit;
        uint32_t bits;
        std::memcpy(&bits, &f, sizeof bits);
        return static_cast<std::size_t>((h ^ bits) * 0x9E3779B97F4A7C15ull >> 7);
    }
};

// Minute keys of the chaining pass: a node number and a time.
uint64_t cle(int32_t noeud, int32_t minute)
{
    return static_cast<uint64_t>(static_cast<uint32_t>(noeud)) << 32 | static_cast<uint32_t>(minute);
}

} // namespace

bool DeveloppeHorairesArcs()
{
    const int16_t ter = TypeTER().Code;
    const int16_t rails[] = {ter, TypeTrain().Code, TypeTGV().Code, TypeTGVSiteClassique().Code};
    bool numeros = false;
    for (int32_t i = 1; i <= K.NbArcs && !numeros; ++i) {
        const Arc& a = arc(i);
        for (const int16_t r : rails)
            numeros = numeros || (a.Mode == r && a.Debit != 0);
    }
    return numeros ? DeveloppeHorairesArcs2() : DeveloppeHorairesArcsChaines();
}

bool DeveloppeHorairesArcs2()
{
    const int16_t ter = TypeTER().Code;
    const double vitesse = TypeTER().Vitesse;
    const int32_t n0 = K.NbArcs;
    const FinProgression fin;
    struct Nouveau {
        int32_t o, d;
        int16_t dep, arr;
        float debit, capacite;
    };
    std::vector<Nouveau> nouveaux;
    std::unordered_set<CleDirect, HacheDirect> presents;
    presents.reserve(static_cast<std::size_t>(n0));
    for (int32_t k = 1; k <= n0; ++k) {
        const Arc& a = arc(k);
        presents.insert({a.CodeOrigine, a.CodeDestination, a.Mode, a.HeureDepart, a.HeureArrivee, a.Debit});
    }
    int32_t i = 1;
    while (i <= n0) {
        AfficheProgression(n0, i, Message);
        const Arc& premier = arc(i);
        if (!serviceTER(premier, ter)) {
            ++i;
            continue;
        }
        // The run goes on while the next arc, among those present at the
        // start, is a TER leg leaving where and when the previous one arrived
        // under the same line number.
        int32_t k = i + 1;
        while (k <= n0 && serviceTER(arc(k), ter) && arc(k).HeureDepart == arc(k - 1).HeureArrivee
               && arc(k).CodeOrigine == arc(k - 1).CodeDestination && arc(k).Debit == premier.Debit)
            ++k;
        const int32_t dernier = k - 1;
        for (int32_t a = i; a < dernier; ++a)
            for (int32_t b = a + 1; b <= dernier; ++b) {
                const Nouveau x{arc(a).CodeOrigine, arc(b).CodeDestination, arc(a).HeureDepart, arc(b).HeureArrivee,
                                premier.Debit, premier.Capacite};
                // A direct arc already there (a second development) is not
                // made again; identical runs still give identical direct arcs.
                if (!presents.contains({x.o, x.d, ter, x.dep, x.arr, x.debit}))
                    nouveaux.push_back(x);
            }
        i = dernier + 1;
    }
    if (K.NbArcs + static_cast<int64_t>(nouveaux.size()) > NbMaxArcsFichier) {
        refuse();
        return false;
    }
    K.Arcs.reserve(K.Arcs.size() + nouveaux.size());
    for (const Nouveau& x : nouveaux) {
        const double duree = x.arr - x.dep;
        AjouteArc(x.o, x.d, 0, 0, ter, duree * vitesse / 60.0, duree, x.dep, x.arr, QString(), x.debit, x.capacite);
    }
    AfficheProgression(n0, n0, Message);
    return true;
}

bool DeveloppeHorairesArcsChaines()
{
    const int16_t ter = TypeTER().Code;
    const FinProgression fin;
    // The table as it was, put back whole if the development cannot fit.
    const std::vector<Arc> avant = K.Arcs;
    const std::vector<float> comparaisonAvant = K.ComparaisonArcs;
    const int32_t nbAvant = K.NbArcs;

    // TER legs by destination node and arrival minute, in table order;
    // existing arcs by origin node, destination node, departure and line
    // number, the first in table order.
    std::unordered_map<uint64_t, std::vector<int32_t>> arrivees;
    struct CleExistant {
        int32_t o, d;
        int16_t dep;
        float debit;
        bool operator==(const CleExistant&) const = default;
    };
    struct HacheExistant {
        std::size_t operator()(const CleExistant& c) const noexcept
        {
            return HacheDirect{}({c.o, c.d, 0, c.dep, 0, c.debit});
        }
    };
    std::unordered_map<CleExistant, int32_t, HacheExistant> existants;
    auto indexe = [&](int32_t k) {
        const Arc& a = arc(k);
        if (!EstHoraire(a.HeureDepart, a.HeureArrivee))
            return;
        if (a.Mode == ter)
            arrivees[cle(a.IndiceDestination, a.HeureArrivee)].push_back(k);
        existants.try_emplace({a.IndiceOrigine, a.IndiceDestination, a.HeureDepart, a.Debit}, k);
    };
    for (int32_t k = 1; k <= K.NbArcs; ++k)
        indexe(k);

    try {
        for (int32_t i = 1; i <= K.NbArcs; ++i) {
            AfficheProgression(K.NbArcs, i, Message);
            if (!serviceTER(arc(i), ter))
                continue;
            const int32_t o = arc(i).IndiceOrigine, d = arc(i).IndiceDestination;
            const int32_t borne = K.NbArcs;
            const auto it = arrivees.find(cle(o, arc(i).HeureDepart));
            if (it == arrivees.end())
                continue;
            // The feeders as they stand when the scan starts: an arrival moved
            // later in this step is no longer one.
            const std::vector<int32_t> candidats = it->second;
            for (const int32_t j : candidats) {
                if (j > borne)
                    break;
                const Arc& aj = arc(j);
                const Arc& ai = arc(i);
                if (aj.IndiceDestination != o || aj.HeureArrivee != ai.HeureDepart || !serviceTER(aj, ter)
                    || aj.Debit != ai.Debit || aj.IndiceOrigine == d)
                    continue;
                const auto ex = existants.find({aj.IndiceOrigine, d, aj.HeureDepart, aj.Debit});
                if (ex != existants.end()) {
                    Arc& k = arc(ex->second);
                    if (ai.HeureArrivee < k.HeureArrivee) {
                        if (k.Mode == ter) {
                            auto& v = arrivees[cle(k.IndiceDestination, k.HeureArrivee)];
                            std::erase(v, ex->second);
                        }
                        k.HeureArrivee = ai.HeureArrivee;
                        k.Duree = static_cast<float>(k.HeureArrivee - k.HeureDepart);
                        if (k.Mode == ter) {
                            auto& v = arrivees[cle(k.IndiceDestination, k.HeureArrivee)];
                            v.insert(std::lower_bound(v.begin(), v.end(), ex->second), ex->second);
                        }
                    }
                    continue;
                }
                const int32_t jo = aj.IndiceOrigine;
                const auto codeDe = [](int32_t n) {
                    return n >= 1 && n <= K.NbNoeuds ? K.Noeuds[static_cast<std::size_t>(n)].Code : 0;
                };
                AjouteArc(codeDe(jo), codeDe(d), jo, d, ter, arc(j).Longueur + arc(i).Longueur,
                          arc(j).Duree + arc(i).Duree, arc(j).HeureDepart, arc(i).HeureArrivee, QString(),
                          arc(j).Debit, arc(j).Capacite);
                indexe(K.NbArcs);
            }
        }
    } catch (const ErreurExecution&) {
        K.Arcs = avant;
        K.ComparaisonArcs = comparaisonAvant;
        K.NbArcs = nbAvant;
        refuse();
        return false;
    }
    AfficheProgression(K.NbArcs, K.NbArcs, Message);
    return true;
}

} // namespace kelmo
