#include "core/DonneesDerivees.h"
#include "core/Tables.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/TableTypes.h"
#include "core/TypesArcs.h"

#include <algorithm>
#include "core/IndexCodes.h"

namespace kelmo {

std::function<void()> ListeTypesArcsChoisie;

namespace {
const bool reinitialisation = (EnregistreReinitialisation([] { ListeTypesArcsChoisie = nullptr; }), true);
} // namespace

void IndexeArcs()
{
    const QString message = QStringLiteral("Implémente les indices des arcs...");
    const FinProgression fin;
    AfficheProgression(K.NbArcs, 0, message);
    const IndexCodes premierNoeud = IndexCodesNoeuds();
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        if (i % 10 == 0)
            AfficheProgression(K.NbArcs, i, message);
        Arc& a = K.Arcs[i];
        const int32_t o = premierNoeud.Premier(a.CodeOrigine);
        const int32_t d = premierNoeud.Premier(a.CodeDestination);
        // Both ends or neither.
        const bool relie = o != 0 && d != 0;
        a.IndiceOrigine = static_cast<int16_t>(relie ? o : 0);
        a.IndiceDestination = static_cast<int16_t>(relie ? d : 0);
    }
    AfficheProgression(K.NbArcs, K.NbArcs, message);
}

namespace {

// An arc by its link type and the pair of its end codes taken in either
// order, then its direction along that pair: sorting brings together every
// arc between two nodes of one type, those of each direction in a run of
// their own, in table order.
struct ArcCle {
    uint64_t paire; // the smaller end code in the high half, the larger in the low one
    int16_t mode;
    uint8_t sens;   // 1 when the origin is the larger code
    int32_t arc;
    bool memeLien(const ArcCle& b) const { return paire == b.paire && mode == b.mode; }
    bool operator<(const ArcCle& b) const
    {
        if (paire != b.paire)
            return paire < b.paire;
        if (mode != b.mode)
            return mode < b.mode;
        if (sens != b.sens)
            return sens < b.sens;
        return arc < b.arc;
    }
};

ArcCle cleDe(const Arc& a, int32_t indice)
{
    const int32_t petit = std::min(a.CodeOrigine, a.CodeDestination);
    const int32_t grand = std::max(a.CodeOrigine, a.CodeDestination);
    return {(static_cast<uint64_t>(static_cast<uint32_t>(petit)) << 32) | static_cast<uint32_t>(grand), a.Mode,
            static_cast<uint8_t>(a.CodeOrigine > a.CodeDestination ? 1 : 0), indice};
}

bool estHoraire(const Arc& a) { return EstHoraire(a.HeureDepart, a.HeureArrivee); }

} // namespace

void DefinitOrientationArcs()
{
    const QString message = QStringLiteral("Définit l'orientation des arcs...");
    const FinProgression fin;
    const TableTypes types;
    bool unSens = false;
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        Arc& a = K.Arcs[i];
        const TypeArc* t = types.type(a.Mode);
        a.Oriente = (t && t->Routier) || estHoraire(a);
        unSens = unSens || a.Oriente;
    }
    if (unSens) {
        // Only a one-way arc without times pairs, and only with another such
        // arc: a timetable run stays one-way whatever runs the other way.
        std::vector<ArcCle> candidats;
        candidats.reserve(static_cast<std::size_t>(K.NbArcs));
        for (int32_t j = 1; j <= K.NbArcs; ++j) {
            const Arc& a = K.Arcs[j];
            if (a.Oriente && !estHoraire(a))
                candidats.push_back(cleDe(a, j));
        }
        std::sort(candidats.begin(), candidats.end());
        // For each candidate, the run of its reverse arcs: the other
        // direction's run, or its own for an arc from a node to itself.
        std::vector<uint32_t> debutInverse(static_cast<std::size_t>(K.NbArcs) + 1, 0);
        std::vector<uint32_t> finInverse(static_cast<std::size_t>(K.NbArcs) + 1, 0);
        const uint32_t n = static_cast<uint32_t>(candidats.size());
        for (uint32_t g = 0; g < n;) {
            uint32_t s = g, f = g;
            while (f < n && candidats[f].memeLien(candidats[g]))
                ++f;
            while (s < f && candidats[s].sens == 0)
                ++s;
            const bool boucle = static_cast<uint32_t>(candidats[g].paire >> 32) == static_cast<uint32_t>(candidats[g].paire);
            for (uint32_t k = g; k < f; ++k) {
                const bool premierSens = k < s;
                const int32_t arc = candidats[k].arc;
                debutInverse[arc] = boucle || !premierSens ? g : s;
                finInverse[arc] = boucle || !premierSens ? s : f;
            }
            g = f;
        }
        // Flags only ever go from one-way to two-way in this pass, so the
        // first arc of a run still one-way only moves on: each run keeps
        // that position, stored at the run's first entry.
        std::vector<uint32_t> premier(n);
        for (uint32_t k = 0; k < n; ++k)
            premier[k] = k;
        for (int32_t i = 1; i <= K.NbArcs; ++i) {
            if (i % 10 == 0)
                AfficheProgression(K.NbArcs, i, message);
            Arc& a = K.Arcs[i];
            if (!a.Oriente || estHoraire(a))
                continue;
            const uint32_t d = debutInverse[i], f = finInverse[i];
            if (d == f)
                continue;
            uint32_t& p = premier[d];
            while (p < f && !K.Arcs[candidats[p].arc].Oriente)
                ++p;
            if (p < f) {
                a.Oriente = false;
                K.Arcs[candidats[p].arc].Oriente = false;
            }
        }
    }
    AfficheProgression(K.NbArcs, K.NbArcs, message);
}

void CalculeModesNoeuds()
{
    const TexteFixe<19> vide(QStringLiteral("000-000-000-000-000"));
    for (int i = 1; i <= K.NbNoeuds; ++i)
        K.Noeuds[i].Modes = vide;
    // Slot (first character) and tag of each group, tested in this order.
    struct Groupe {
        int debut;
        const char16_t* tag;
    };
    const Groupe ferry{16, u"BAT"}, tgv{0, u"TGV"}, fer{4, u"FER"}, aut{12, u"AUT"}, rou{8, u"ROU"};
    const int16_t cFerry = TypeFerry().Code, cTGV = TypeTGV().Code, cTrain = TypeTrain().Code, cTER = TypeTER().Code,
                  cTGVSC = TypeTGVSiteClassique().Code, cAut = TypeAutoroute().Code;
    auto marque = [](int16_t indice, const Groupe& g) {
        // An unresolved end (0) marks no node.
        if (indice < 1 || indice > K.NbNoeuds)
            return;
        TexteFixe<19>& m = K.Noeuds[indice].Modes;
        for (int k = 0; k < 3; ++k)
            m[static_cast<std::size_t>(g.debut + k)] = g.tag[k];
    };
    auto groupeDe = [&](int16_t mode) -> const Groupe* {
        if (mode == cFerry)
            return &ferry;
        if (mode == cTGV)
            return &tgv;
        if (mode == cTrain || mode == cTER || mode == cTGVSC)
            return &fer;
        if (mode == cAut)
            return &aut;
        if (EstModeRoutierGroupe(mode))
            return &rou;
        return nullptr;
    };
    // The group of every link type's code, found once rather than per arc
    // (0: none); a code of no link type is in no group.
    const Groupe* groupes[] = {nullptr, &ferry, &tgv, &fer, &aut, &rou};
    std::vector<uint8_t> groupeParCode(65536, 0);
    for (const TypeArc& t : K.TypesArcs)
        if (const Groupe* g = groupeDe(t.Code))
            groupeParCode[static_cast<uint16_t>(t.Code)] = static_cast<uint8_t>(std::find(groupes, groupes + 6, g) - groupes);
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        const Arc& a = K.Arcs[i];
        if (const Groupe* g = groupes[groupeParCode[static_cast<uint16_t>(a.Mode)]]) {
            marque(a.IndiceOrigine, *g);
            marque(a.IndiceDestination, *g);
        }
    }
}

void RemplitListesTypes()
{
    const TableTypes types;
    std::vector<TypeArc>& ordonnes = K.TypesArcsOrdonnes;
    for (int k = 1; k <= K.NbTypesArcs && k < static_cast<int>(ordonnes.size()); ++k) {
        if (const TypeArc* t = types.type(ordonnes[k].Code); t && t->Ordre > 0 && t->Ordre < static_cast<int>(ordonnes.size())) {
            ordonnes[t->Ordre].Present = false;
            ordonnes[t->Ordre].NombreArcs = 0;
        }
    }
    ModeleTraceArcs& trace = K.Formes.TraceArcs;
    for (int k = K.NbModesPresents; k >= 1; --k)
        trace.Height -= 230;
    trace.Option3DMode.resize(1);
    trace.TopOption3DMode.resize(1);

    // An arc of no link type counts nowhere.
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        const TypeArc* t = types.type(K.Arcs[i].Mode);
        if (t && t->Ordre > 0 && t->Ordre < static_cast<int>(ordonnes.size())) {
            ordonnes[t->Ordre].Present = true;
            ordonnes[t->Ordre].NombreArcs++;
        }
    }
    K.NbModesPresents = 0;
    int32_t meilleur = 0;
    for (int k = 1; k <= K.NbTypesArcs && k < static_cast<int>(ordonnes.size()); ++k) {
        const TypeArc* t = types.type(ordonnes[k].Code);
        if (!t || t->Ordre <= 0 || t->Ordre >= static_cast<int>(ordonnes.size()))
            continue;
        const TypeArc& e = ordonnes[t->Ordre];
        if (!e.Present)
            continue;
        K.NbModesPresents++;
        trace.Option3DMode.push_back(t->Nom);
        trace.TopOption3DMode.push_back(trace.TopOption3DMode.back() + 230);
        trace.Height += 230;
        if (e.NombreArcs > meilleur) {
            meilleur = e.NombreArcs;
            K.Formes.ModifArcs.ListeModifiable3.ListIndex = k - 1;
        }
    }
    if (meilleur > 0 && ListeTypesArcsChoisie)
        ListeTypesArcsChoisie();
}

} // namespace kelmo
