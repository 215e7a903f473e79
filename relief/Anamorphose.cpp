#include "relief/Anamorphose.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/Projection.h"
#include "core/TableTypes.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "relief/LiensCarte.h"
#include "relief/RapportAnamorphose.h"
#include "relief/Vecteurs3D.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace kelmo {
namespace {

double horlogeStable()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

std::function<double()> HorlogeAnamorphose = horlogeStable;

namespace {

const bool enregistre = (EnregistreReinitialisation([] { HorlogeAnamorphose = horlogeStable; }), true);

bool noeudValide(int32_t i) { return i >= 1 && i <= K.NbNoeuds && i < static_cast<int32_t>(K.Noeuds.size()); }

// The speed of every arc's link type, by arc number; 0 for a code of no type.
std::vector<int> vitessesArcs()
{
    const TableTypes types;
    std::vector<int> v(static_cast<std::size_t>(K.NbArcs) + 1, 0);
    for (int32_t j = 1; j <= K.NbArcs; ++j)
        if (const TypeArc* t = types.type(K.Arcs[j].Mode))
            v[j] = t->Vitesse;
    return v;
}

// An arc that can take part: its speed gives every wanted length, and its
// two ends must be two nodes.
bool gardable(const Arc& a, int vitesse)
{
    return vitesse > 0 && noeudValide(a.IndiceOrigine) && noeudValide(a.IndiceDestination)
           && a.IndiceOrigine != a.IndiceDestination;
}

bool garde(const Arc& a, int vitesse) { return a.Minimal == 1 && gardable(a, vitesse); }

// Lists by node in compressed form: the entries of node i are
// entrees[debut[i]] to entrees[debut[i + 1] - 1], in the order they were added.
template <class T>
struct ListesParNoeud {
    std::vector<int32_t> debut;
    std::vector<T> entrees;

    // compte(ajoute) calls ajoute(i) once per entry of node i; remplit(place)
    // then calls place(i, entry) in the same order.
    template <class Compte, class Remplit>
    void construit(int32_t nbNoeuds, Compte&& compte, Remplit&& remplit)
    {
        debut.assign(static_cast<std::size_t>(nbNoeuds) + 2, 0);
        compte([&](int32_t i) { ++debut[i + 1]; });
        for (int32_t i = 1; i <= nbNoeuds + 1; ++i)
            debut[i] += debut[i - 1];
        entrees.resize(static_cast<std::size_t>(debut[nbNoeuds + 1]));
        std::vector<int32_t> suivant(debut.begin(), debut.end() - 1);
        remplit([&](int32_t i, const T& e) { entrees[suivant[i]++] = e; });
    }
    const T* premier(int32_t i) const { return entrees.data() + debut[i]; }
    const T* fin(int32_t i) const { return entrees.data() + debut[i + 1]; }
};

// The kept arcs of every node, in table order.
ListesParNoeud<int32_t> arcsGardesParNoeud(const std::vector<int>& vitesses)
{
    ListesParNoeud<int32_t> l;
    auto parcourt = [&](auto&& f) {
        for (int32_t j = 1; j <= K.NbArcs; ++j) {
            const Arc& a = K.Arcs[j];
            if (garde(a, vitesses[j])) {
                f(a.IndiceOrigine, j);
                f(a.IndiceDestination, j);
            }
        }
    };
    l.construit(
        K.NbNoeuds, [&](auto&& ajoute) { parcourt([&](int32_t i, int32_t) { ajoute(i); }); },
        [&](auto&& place) { parcourt(place); });
    return l;
}

double distancePlane(double x1, double y1, double x2, double y2) { return Distance3D(x1, y1, 0, x2, y2, 0); }

// Redraws and repaints while the run unfolds, at most one every interval;
// a forced one is always drawn.
class Cadence {
public:
    bool maintenant(bool force)
    {
        const double t = HorlogeAnamorphose ? HorlogeAnamorphose() : 0.0;
        if (!force && t - dernier_ < IntervalleRedessinsAnamorphose)
            return false;
        dernier_ = t;
        return true;
    }

private:
    double dernier_ = -std::numeric_limits<double>::infinity();
};

// The placement and the settling, step by step and class by class, on lists
// made once from the levels: everything they test but the settled marks and
// the class speed is fixed once the levels are known.
class Deploiement {
public:
    Deploiement(const NiveauxAnamorphose& niveaux, const std::vector<int>& vitesses, int vitesseMax)
        : niveaux_(niveaux), vitesses_(vitesses), vitesseMax_(vitesseMax)
    {
        preparePlacements();
        prepareReglages();
    }

    // One speed class: every step, then its last redraw.
    void classe(int vitesseClasse)
    {
        for (int pas = 1; pas - 1 <= niveaux_.nbPas; ++pas) {
            place(vitesseClasse, pas);
            DeplaceNoeudsAnamorphose(pas, vitesseClasse);
            if (cadence_.maintenant(false))
                RedessineAnamorphose();
        }
        cadence_.maintenant(true);
        RedessineAnamorphose();
    }

private:
    struct Placement {
        int vitesse, pas;
        int32_t cible, source;
    };
    struct Reglage {
        int32_t arc, autre;
    };

    // Arcs whose one end is at the step and the other at the step before:
    // the first may be placed from the second.
    void preparePlacements()
    {
        const std::vector<int>& nn = niveaux_.noeuds;
        for (int32_t j = 1; j <= K.NbArcs; ++j) {
            const Arc& a = K.Arcs[j];
            const int s = niveaux_.arcs[j];
            if (s < 1 || a.Longueur == 0 || !garde(a, vitesses_[j]))
                continue;
            const int32_t o = a.IndiceOrigine, d = a.IndiceDestination;
            if (nn[d] == s && nn[o] == s - 1)
                placements_.push_back({vitesses_[j], s, d, o});
            else if (nn[o] == s && nn[d] == s - 1)
                placements_.push_back({vitesses_[j], s, o, d});
        }
        // Table order within a class and step: the last placement wins.
        std::stable_sort(placements_.begin(), placements_.end(), [](const Placement& x, const Placement& y) {
            return x.vitesse != y.vitesse ? x.vitesse > y.vitesse : x.pas < y.pas;
        });
        for (std::size_t i = 0; i < placements_.size();) {
            std::size_t k = i;
            while (k < placements_.size() && placements_[k].vitesse == placements_[i].vitesse
                   && placements_[k].pas == placements_[i].pas)
                ++k;
            plages_[cle(placements_[i].vitesse, placements_[i].pas)] = {i, k};
            i = k;
        }
    }

    // For every node, the kept arcs of its own step that join it to a node
    // of that step or of the one before, in table order; and the nodes of
    // every step in node order.
    void prepareReglages()
    {
        const std::vector<int>& nn = niveaux_.noeuds;
        const ListesParNoeud<int32_t> arcs = arcsGardesParNoeud(vitesses_);
        auto parcourt = [&](auto&& f) {
            for (int32_t i = 1; i <= K.NbNoeuds; ++i) {
                const int s = nn[i];
                if (s < 1)
                    continue;
                for (const int32_t* p = arcs.premier(i); p != arcs.fin(i); ++p) {
                    const Arc& a = K.Arcs[*p];
                    const int32_t autre = a.IndiceDestination == i ? a.IndiceOrigine : a.IndiceDestination;
                    if (niveaux_.arcs[*p] == s && a.Longueur != 0 && (nn[autre] == s - 1 || nn[autre] == s))
                        f(i, Reglage{*p, autre});
                }
            }
        };
        reglages_.construit(
            K.NbNoeuds, [&](auto&& ajoute) { parcourt([&](int32_t i, const Reglage&) { ajoute(i); }); },
            [&](auto&& place) { parcourt(place); });

        debutPas_.assign(static_cast<std::size_t>(niveaux_.nbPas) + 3, 0);
        for (int32_t i = 1; i <= K.NbNoeuds; ++i)
            if (nn[i] >= 1 && nn[i] <= niveaux_.nbPas + 1)
                ++debutPas_[nn[i] + 1];
        for (std::size_t s = 1; s < debutPas_.size(); ++s)
            debutPas_[s] += debutPas_[s - 1];
        noeudsParPas_.resize(static_cast<std::size_t>(debutPas_.back()));
        std::vector<int32_t> suivant(debutPas_.begin(), debutPas_.end() - 1);
        for (int32_t i = 1; i <= K.NbNoeuds; ++i)
            if (nn[i] >= 1 && nn[i] <= niveaux_.nbPas + 1)
                noeudsParPas_[suivant[nn[i]]++] = i;
    }

    static int64_t cle(int vitesse, int pas) { return (static_cast<int64_t>(vitesse) << 32) | static_cast<uint32_t>(pas); }

    void place(int vitesseClasse, int pas)
    {
        const auto it = plages_.find(cle(vitesseClasse, pas));
        if (it == plages_.end())
            return;
        for (std::size_t k = it->second.first; k < it->second.second; ++k) {
            const Placement& p = placements_[k];
            Noeud& cible = K.Noeuds[p.cible];
            if (cible.Traite)
                continue;
            const Noeud& source = K.Noeuds[p.source];
            const double x = source.XAnamorphose + (static_cast<double>(cible.X) - source.X) * vitesseMax_ / p.vitesse;
            const double y = source.YAnamorphose + (static_cast<double>(cible.Y) - source.Y) * vitesseMax_ / p.vitesse;
            if (TientDansChamp(x, GenreChamp::Simple) && TientDansChamp(y, GenreChamp::Simple)) {
                cible.XAnamorphose = static_cast<float>(x);
                cible.YAnamorphose = static_cast<float>(y);
            }
            if (cadence_.maintenant(false))
                LiensVersCarte().RepeintFenetre();
        }
    }

    // The settling of one step: each node of the step not yet settled is put,
    // arc after arc in table order, at the wanted length from the arc's other
    // end; the last arc fixes it, and it is not moved again in this run.
    void DeplaceNoeudsAnamorphose(int pas, int vitesseClasse)
    {
        for (int32_t k = debutPas_[pas]; k < debutPas_[pas + 1]; ++k) {
            const int32_t i = noeudsParPas_[k];
            Noeud& n = K.Noeuds[i];
            if (n.Traite)
                continue;
            for (const Reglage* r = reglages_.premier(i); r != reglages_.fin(i); ++r) {
                const int v = vitesses_[r->arc];
                if (v < vitesseClasse)
                    continue;
                const Noeud& autre = K.Noeuds[r->autre];
                const double dx = static_cast<double>(n.XAnamorphose) - autre.XAnamorphose;
                const double dy = static_cast<double>(n.YAnamorphose) - autre.YAnamorphose;
                const double l = Distance3D(0, 0, 0, dx, dy, 0);
                n.Traite = true;
                // Two ends on one point give no direction to move along.
                if (l == 0)
                    continue;
                const double e = l - static_cast<double>(K.Arcs[r->arc].Longueur) * vitesseMax_ / v;
                const double x = n.XAnamorphose - dx * e / l;
                const double y = n.YAnamorphose - dy * e / l;
                if (TientDansChamp(x, GenreChamp::Simple) && TientDansChamp(y, GenreChamp::Simple)) {
                    n.XAnamorphose = static_cast<float>(x);
                    n.YAnamorphose = static_cast<float>(y);
                }
            }
        }
    }

    const NiveauxAnamorphose& niveaux_;
    const std::vector<int>& vitesses_;
    const int vitesseMax_;
    std::vector<Placement> placements_;
    std::unordered_map<int64_t, std::pair<std::size_t, std::size_t>> plages_;
    ListesParNoeud<Reglage> reglages_;
    std::vector<int32_t> debutPas_, noeudsParPas_;
    Cadence cadence_;
};

// Every arc that can be kept takes its towns' map distance as its length, a
// single: two towns further apart than a single holds (a node may be put at
// x = -3e38 and another at 3e38) would give it an infinity. Such a network
// is refused with a message before anything changes.
bool distancesTiennent()
{
    const std::vector<int> vitesses = vitessesArcs();
    for (int32_t j = 1; j <= K.NbArcs; ++j) {
        const Arc& a = K.Arcs[j];
        if (!gardable(a, vitesses[j]))
            continue;
        const Noeud& o = K.Noeuds[a.IndiceOrigine];
        const Noeud& d = K.Noeuds[a.IndiceDestination];
        const double distance = distancePlane(o.X, o.Y, d.X, d.Y);
        if (TientDansChamp(distance, GenreChamp::Simple))
            continue;
        MessageOK(MessageDistanceAnamorphose.arg(o.Nom.sansBlancsFinaux(), d.Nom.sansBlancsFinaux(),
                                                 TexteGeneral(distance, QLatin1Char(K.SeparateurDecimal)),
                                                 LimitesChamp(GenreChamp::Simple)),
                  Icone::Exclamation, TitreAnamorphose);
        return false;
    }
    return true;
}

// The length every kept arc is to take, and the stress its report sums,
// are singles too: a wanted length a single cannot hold (two towns far apart
// on a slow arc beside a fast one) would leave its node where it was and
// the report refused after the run had changed the network. Such a network
// is refused before anything changes, the arcs kept as the run keeps them.
bool longueursVouluesTiennent()
{
    const std::vector<int> vitesses = vitessesArcs();
    // Of each pair of codes, the fastest arc; of equally fast ones the last
    // in the table, as the selection after the stable sort keeps it.
    std::unordered_map<uint64_t, int32_t> meilleur;
    int vitesseMax = 0;
    for (int32_t j = 1; j <= K.NbArcs; ++j) {
        const Arc& a = K.Arcs[j];
        if (!gardable(a, vitesses[j]))
            continue;
        vitesseMax = std::max(vitesseMax, vitesses[j]);
        const uint32_t c1 = static_cast<uint32_t>(std::min(a.CodeOrigine, a.CodeDestination));
        const uint32_t c2 = static_cast<uint32_t>(std::max(a.CodeOrigine, a.CodeDestination));
        const auto [it, nouveau] = meilleur.emplace((static_cast<uint64_t>(c1) << 32) | c2, j);
        if (!nouveau && vitesses[j] >= vitesses[it->second])
            it->second = j;
    }
    // In the report's order: decreasing speed, the table's order within one.
    std::vector<int32_t> gardes;
    gardes.reserve(meilleur.size());
    for (const auto& [cle, j] : meilleur)
        gardes.push_back(j);
    std::sort(gardes.begin(), gardes.end(),
              [&](int32_t x, int32_t y) { return vitesses[x] != vitesses[y] ? vitesses[x] > vitesses[y] : x < y; });
    const QChar separateur = QLatin1Char(K.SeparateurDecimal);
    float sommeCarres = 0;
    for (const int32_t j : gardes) {
        const Arc& a = K.Arcs[j];
        const Noeud& o = K.Noeuds[a.IndiceOrigine];
        const Noeud& d = K.Noeuds[a.IndiceDestination];
        const float longueur = static_cast<float>(distancePlane(o.X, o.Y, d.X, d.Y));
        if (longueur == 0)
            continue;
        const double voulue = static_cast<double>(longueur) * vitesseMax / vitesses[j];
        if (!TientDansChamp(voulue, GenreChamp::Simple)) {
            const TypeArc* t = TableTypes().type(a.Mode);
            MessageOK(MessageLongueurVoulueAnamorphose.arg(o.Nom.sansBlancsFinaux(), d.Nom.sansBlancsFinaux(),
                                                           t ? t->Nom : QString(), TexteGeneral(voulue, separateur),
                                                           LimitesChamp(GenreChamp::Simple)),
                      Icone::Exclamation, TitreAnamorphose);
            return false;
        }
        const float v = static_cast<float>(voulue);
        const double somme = sommeCarres + static_cast<double>(v) * v;
        if (!TientDansChamp(somme, GenreChamp::Simple)) {
            MessageOK(MessageStressAnamorphose.arg(TexteGeneral(somme, separateur), LimitesChamp(GenreChamp::Simple)),
                      Icone::Exclamation, TitreAnamorphose);
            return false;
        }
        sommeCarres = static_cast<float>(somme);
    }
    return true;
}

} // namespace

void TrieArcsParType()
{
    const int32_t n = K.NbArcs;
    const std::vector<int> v = vitessesArcs();
    std::vector<int32_t> ordre(static_cast<std::size_t>(n));
    std::iota(ordre.begin(), ordre.end(), 1);
    std::stable_sort(ordre.begin(), ordre.end(), [&](int32_t a, int32_t b) { return v[a] > v[b]; });

    std::vector<Arc> arcs = K.Arcs;
    for (int32_t i = 0; i < n; ++i)
        arcs[i + 1] = K.Arcs[ordre[i]];
    K.Arcs = std::move(arcs);
    // The comparison marks belong to the arcs.
    if (K.ComparaisonArcs.size() > static_cast<std::size_t>(n)) {
        std::vector<float> comparaison = K.ComparaisonArcs;
        for (int32_t i = 0; i < n; ++i)
            comparaison[i + 1] = K.ComparaisonArcs[ordre[i]];
        K.ComparaisonArcs = std::move(comparaison);
    }
}

void SelectionneArcsMinimauxAnam()
{
    const std::vector<int> v = vitessesArcs();
    const int32_t n = K.NbArcs;
    std::unordered_map<uint64_t, int32_t> meilleur;
    meilleur.reserve(static_cast<std::size_t>(n));
    for (int32_t i = 1; i <= n; ++i) {
        // A single arc would leave the progress panel shown for good.
        if (n >= 2)
            AfficheProgression(n, i, MessageSelectionArcsAnamorphose);
        Arc& a = K.Arcs[i];
        a.Minimal = 0;
        if (!gardable(a, v[i]))
            continue;
        const uint32_t c1 = static_cast<uint32_t>(std::min(a.CodeOrigine, a.CodeDestination));
        const uint32_t c2 = static_cast<uint32_t>(std::max(a.CodeOrigine, a.CodeDestination));
        const auto [it, nouveau] = meilleur.emplace((static_cast<uint64_t>(c1) << 32) | c2, i);
        if (!nouveau && v[i] >= v[it->second])
            it->second = i;
    }
    for (const auto& [cle, i] : meilleur)
        K.Arcs[i].Minimal = 1;
}

NiveauxAnamorphose NiveauxDepuisDepart(int32_t depart)
{
    NiveauxAnamorphose r;
    r.noeuds.assign(static_cast<std::size_t>(K.NbNoeuds) + 1, -1);
    r.arcs.assign(static_cast<std::size_t>(K.NbArcs) + 1, -1);
    if (!noeudValide(depart))
        return r;
    const ListesParNoeud<int32_t> arcs = arcsGardesParNoeud(vitessesArcs());
    r.noeuds[depart] = 0;

    // Each round starts from the nodes the previous one reached: only their
    // arcs can be labelled. Within a round the arcs go in table order.
    std::vector<int32_t> front{depart}, nouveaux, candidats;
    std::vector<int> vu(r.arcs.size(), 0);
    for (int pas = 1; !front.empty(); ++pas) {
        const int precedent = pas - 1;
        candidats.clear();
        for (const int32_t u : front)
            for (const int32_t* p = arcs.premier(u); p != arcs.fin(u); ++p)
                if (r.arcs[*p] == -1 && vu[*p] != pas) {
                    vu[*p] = pas;
                    candidats.push_back(*p);
                }
        std::sort(candidats.begin(), candidats.end());
        nouveaux.clear();
        for (const int32_t j : candidats) {
            const Arc& a = K.Arcs[j];
            int32_t autre;
            if (r.noeuds[a.IndiceOrigine] == precedent)
                autre = a.IndiceDestination;
            else if (r.noeuds[a.IndiceDestination] == precedent)
                autre = a.IndiceOrigine;
            else
                continue;
            if (r.noeuds[autre] != pas) {
                r.noeuds[autre] = pas;
                nouveaux.push_back(autre);
            }
            r.arcs[j] = pas;
        }
        // Arcs between two nodes reached in this round belong to it too.
        for (const int32_t u : nouveaux)
            for (const int32_t* p = arcs.premier(u); p != arcs.fin(u); ++p) {
                const Arc& a = K.Arcs[*p];
                if (r.arcs[*p] == -1 && r.noeuds[a.IndiceOrigine] == pas && r.noeuds[a.IndiceDestination] == pas)
                    r.arcs[*p] = pas;
            }
        front.swap(nouveaux);
    }
    for (const int s : r.arcs)
        r.nbPas = std::max(r.nbPas, s);
    return r;
}

int32_t NoeudDepartAnamorphose()
{
    const int index = K.Formes.frmAnamorphose.ListeModifiable1.ListIndex;
    if (index >= 1 && index <= K.NbNoeuds)
        return index;
    return K.NbNoeuds >= 2 ? 2 : K.NbNoeuds;
}

void ProjetteNoeudsEcran()
{
    if (K.Echelle == 0 || std::fabs(K.Echelle) > 100)
        K.Echelle = 1;
    for (int32_t i = 1; i <= K.NbNoeuds; ++i) {
        Noeud& n = K.Noeuds[i];
        n.XEcran = static_cast<float>(n.XAnamorphose / K.Echelle + K.OrigineX);
        n.YEcran = static_cast<float>(K.OrigineY - n.YAnamorphose / K.Echelle);
        n.ZEcran = static_cast<float>(n.Z / K.Echelle);
    }
}

void RedessineAnamorphose()
{
    ProjetteNoeudsEcran();
    LiensVersCarte().RedessineCarte();
    LiensVersCarte().RepeintFenetre();
}

QString TexteEtatAnamorphose(int nbPas, int32_t depart)
{
    // The "###" pattern writes no digit for 0.
    const QString pas = nbPas != 0 ? QString::number(nbPas) : QString();
    QString nom;
    if (noeudValide(depart))
        nom = K.Noeuds[depart].Nom.debut(10).replace(QChar(u'\0'), QLatin1Char(' '));
    return QStringLiteral("Anamorphose en ") + pas + QStringLiteral(" pas") + QStringLiteral(" à partir de ") + nom;
}

void CalculeAnamorphose()
{
    if (K.NbNoeuds <= 0 || !distancesTiennent() || !longueursVouluesTiennent())
        return;
    TrieArcsParType();
    SelectionneArcsMinimauxAnam();
    const std::vector<int> vitesses = vitessesArcs();

    for (int32_t i = 1; i <= K.NbNoeuds; ++i) {
        Noeud& n = K.Noeuds[i];
        n.XAnamorphose = n.X;
        n.YAnamorphose = n.Y;
        n.Traite = false;
    }

    float vitesseMinimale = static_cast<float>(K.VitesseReference);
    int vitesseMax = 0;
    std::vector<int> vitessesGardees;
    for (int32_t j = 1; j <= K.NbArcs; ++j) {
        Arc& a = K.Arcs[j];
        const int v = vitesses[j];
        if (!garde(a, v))
            continue;
        vitesseMinimale = std::min(vitesseMinimale, static_cast<float>(v));
        vitesseMax = std::max(vitesseMax, v);
        vitessesGardees.push_back(v);
        const Noeud& o = K.Noeuds[a.IndiceOrigine];
        const Noeud& d = K.Noeuds[a.IndiceDestination];
        a.Longueur = static_cast<float>(distancePlane(o.X, o.Y, d.X, d.Y));
    }
    K.VitesseMinimale = vitesseMinimale;
    std::sort(vitessesGardees.begin(), vitessesGardees.end(), std::greater<>());
    vitessesGardees.erase(std::unique(vitessesGardees.begin(), vitessesGardees.end()), vitessesGardees.end());

    const int32_t depart = NoeudDepartAnamorphose();
    const NiveauxAnamorphose niveaux = NiveauxDepuisDepart(depart);
    for (int32_t i = 1; i <= K.NbNoeuds; ++i)
        K.Noeuds[i].Niveau = static_cast<int16_t>(niveaux.noeuds[i]);
    for (int32_t j = 1; j <= K.NbArcs; ++j)
        if (garde(K.Arcs[j], vitesses[j]))
            K.Arcs[j].Niveau = static_cast<int16_t>(niveaux.arcs[j]);

    // Classes from the greatest speed down, each the greatest kept speed below
    // the previous; speed 0 when none is left. A class of 0 ends the run
    // whatever the reference speed, which could otherwise hold it for ever.
    Deploiement deploiement(niveaux, vitesses, vitesseMax);
    int classe = vitesseMax;
    int precedente;
    do {
        deploiement.classe(classe);
        precedente = classe;
        const auto plusLente = std::upper_bound(vitessesGardees.begin(), vitessesGardees.end(), precedente,
                                                std::greater<>());
        classe = plusLente != vitessesGardees.end() ? *plusLente : 0;
    } while (precedente > vitesseMinimale && precedente > 0);

    {
        Sablier sablier;
        EcritEtMontreRapportAnamorphose(vitesseMax);
    }

    for (int32_t i = 1; i <= K.NbNoeuds; ++i) {
        Noeud& n = K.Noeuds[i];
        n.X = n.XAnamorphose;
        n.Y = n.YAnamorphose;
    }
    CalculeCoordonneesEcran();
    LiensVersCarte().DessineNoeuds(true, false);

    K.StatusBar.Panneaux[5] = TexteEtatAnamorphose(niveaux.nbPas, depart);
    if (K.StatusBar.Repeint)
        K.StatusBar.Repeint();
}

} // namespace kelmo
