#include "core/DonneesDerivees.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/TableTypes.h"
#include "core/TypesArcs.h"

#include <algorithm>
#include <unordered_map>

namespace kelmo {

void IndexeArcs()
{
    const QString message = QStringLiteral("Implémente les indices des arcs...");
    const FinProgression fin;
    AfficheProgression(K.NbArcs, 0, message);
    // The first node of each code, as a scan of the node table finds it.
    std::unordered_map<int32_t, int16_t> premierNoeud;
    premierNoeud.reserve(static_cast<std::size_t>(K.NbNoeuds) * 2);
    for (int j = 1; j <= K.NbNoeuds; ++j)
        premierNoeud.emplace(K.Noeuds[j].Code, static_cast<int16_t>(j));
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        if (i % 10 == 0)
            AfficheProgression(K.NbArcs, i, message);
        Arc& a = K.Arcs[i];
        auto o = premierNoeud.find(a.CodeOrigine);
        auto d = premierNoeud.find(a.CodeDestination);
        if (o == premierNoeud.end() || d == premierNoeud.end()) {
            a.IndiceOrigine = 0;
            a.IndiceDestination = 0;
        } else {
            a.IndiceOrigine = o->second;
            a.IndiceDestination = d->second;
        }
    }
    AfficheProgression(K.NbArcs, K.NbArcs, message);
}

namespace {

// An arc's link type and ends, packed so that sorting brings every arc of one
// (mode, origin, destination) together, in table order.
struct ArcCle {
    uint64_t extremites; // origin code in the high half, destination code in the low one
    int16_t mode;
    int32_t arc;
    bool operator<(const ArcCle& b) const
    {
        if (extremites != b.extremites)
            return extremites < b.extremites;
        if (mode != b.mode)
            return mode < b.mode;
        return arc < b.arc;
    }
};

uint64_t extremites(int32_t origine, int32_t destination)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(origine)) << 32) | static_cast<uint32_t>(destination);
}

bool estHoraire(const Arc& a) { return a.HeureDepart + a.HeureArrivee != 0; }

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
        // Flags only ever go from one-way to two-way in this pass, so the
        // first arc of a key still one-way only moves on: each key keeps
        // that position, stored at the key's first entry.
        std::vector<ArcCle> candidats;
        candidats.reserve(static_cast<std::size_t>(K.NbArcs));
        for (int32_t j = 1; j <= K.NbArcs; ++j) {
            const Arc& a = K.Arcs[j];
            if (a.Oriente && !estHoraire(a))
                candidats.push_back({extremites(a.CodeOrigine, a.CodeDestination), a.Mode, j});
        }
        std::sort(candidats.begin(), candidats.end());
        std::vector<uint32_t> premier(candidats.size());
        for (std::size_t k = 0; k < candidats.size(); ++k)
            premier[k] = static_cast<uint32_t>(k);
        for (int32_t i = 1; i <= K.NbArcs; ++i) {
            if (i % 10 == 0)
                AfficheProgression(K.NbArcs, i, message);
            Arc& a = K.Arcs[i];
            if (!a.Oriente || estHoraire(a))
                continue;
            const ArcCle inverse{extremites(a.CodeDestination, a.CodeOrigine), a.Mode, 0};
            const auto debut = std::lower_bound(candidats.begin(), candidats.end(), inverse);
            if (debut == candidats.end() || debut->extremites != inverse.extremites || debut->mode != inverse.mode)
                continue;
            uint32_t& p = premier[static_cast<std::size_t>(debut - candidats.begin())];
            while (p < candidats.size() && candidats[p].extremites == inverse.extremites
                   && candidats[p].mode == inverse.mode && !K.Arcs[candidats[p].arc].Oriente)
                ++p;
            if (p < candidats.size() && candidats[p].extremites == inverse.extremites
                && candidats[p].mode == inverse.mode) {
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
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        const Arc& a = K.Arcs[i];
        const Groupe* g = nullptr;
        if (a.Mode == cFerry)
            g = &ferry;
        else if (a.Mode == cTGV)
            g = &tgv;
        else if (a.Mode == cTrain || a.Mode == cTER || a.Mode == cTGVSC)
            g = &fer;
        else if (a.Mode == cAut)
            g = &aut;
        else if (EstModeRoutierGroupe(a.Mode))
            g = &rou;
        if (g) {
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
}

} // namespace kelmo
