#include "core/DonneesDerivees.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/TableTypes.h"
#include "core/TypesArcs.h"

#include <unordered_map>

namespace kelmo {

void IndexeArcs()
{
    const QString message = QStringLiteral("Implémente les indices des arcs...");
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

struct CleArc {
    int16_t mode;
    int32_t origine, destination;
    bool operator==(const CleArc&) const = default;
};

struct HachageCleArc {
    std::size_t operator()(const CleArc& c) const
    {
        uint64_t h = (static_cast<uint64_t>(static_cast<uint32_t>(c.origine)) << 32)
                     ^ static_cast<uint32_t>(c.destination) ^ (static_cast<uint64_t>(static_cast<uint16_t>(c.mode)) << 17);
        h ^= h >> 33;
        h *= 0xff51afd7ed558ccdULL;
        h ^= h >> 33;
        return static_cast<std::size_t>(h);
    }
};

} // namespace

void DefinitOrientationArcs()
{
    const QString message = QStringLiteral("Définit l'orientation des arcs...");
    const TableTypes types;
    bool unSens = false;
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        Arc& a = K.Arcs[i];
        const TypeArc* t = types.type(a.Mode);
        a.Oriente = (t && t->Routier) || a.HeureDepart + a.HeureArrivee != 0;
        unSens = unSens || a.Oriente;
    }
    if (unSens) {
        // Arcs of each (mode, origin, destination) in table order, with the
        // position of the first one still one-way: flags only ever go from
        // one-way to two-way in this pass, so that position only moves on.
        struct Candidats {
            std::vector<int32_t> arcs;
            std::size_t premier = 0;
        };
        std::unordered_map<CleArc, Candidats, HachageCleArc> parCle;
        parCle.reserve(static_cast<std::size_t>(K.NbArcs));
        for (int32_t j = 1; j <= K.NbArcs; ++j) {
            const Arc& a = K.Arcs[j];
            if (a.Oriente)
                parCle[{a.Mode, a.CodeOrigine, a.CodeDestination}].arcs.push_back(j);
        }
        for (int32_t i = 1; i <= K.NbArcs; ++i) {
            if (i % 10 == 0)
                AfficheProgression(K.NbArcs, i, message);
            Arc& a = K.Arcs[i];
            if (!a.Oriente || a.HeureDepart + a.HeureArrivee != 0)
                continue;
            auto it = parCle.find({a.Mode, a.CodeDestination, a.CodeOrigine});
            if (it == parCle.end())
                continue;
            Candidats& c = it->second;
            while (c.premier < c.arcs.size() && !K.Arcs[c.arcs[c.premier]].Oriente)
                ++c.premier;
            if (c.premier < c.arcs.size()) {
                a.Oriente = false;
                K.Arcs[c.arcs[c.premier]].Oriente = false;
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
