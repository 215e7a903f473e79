#include "core/ComparaisonArcs.h"
#include "core/Colonnes.h"
#include "core/DonneesDerivees.h"
#include "core/Heures.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Fichiers.h"
#include "platform/Nombres.h"

#include <cmath>
#include <unordered_map>

namespace kelmo {
namespace {

struct LigneReference {
    int32_t origine, destination;
    int16_t mode;
    float longueur, duree;
};

// The reference file starts as the loaded arc file itself, so a line in the
// arc-file layout (blanks in its separator columns) is read with that
// layout's columns; any other line with the short reference layout.
bool estLigneFichierArcs(std::string_view l)
{
    if (l.size() < 72)
        return false;
    for (std::size_t c : {11u, 22u, 27u, 36u, 41u, 46u, 51u, 59u, 66u})
        if (l[c - 1] != ' ')
            return false;
    return true;
}

LigneReference litLigne(std::string_view l)
{
    LigneReference r;
    if (estLigneFichierArcs(l)) {
        r.origine = EnEntier32(ValeurNombre(Colonnes(l, 1, 10), true));
        r.destination = EnEntier32(ValeurNombre(Colonnes(l, 12, 21), true));
        r.mode = EnEntier16(ValeurNombre(Colonnes(l, 23, 26), true));
        r.longueur = EnSimple(ValeurNombre(Colonnes(l, 28, 35), true));
        r.duree = EnSimple(HeureEnMinutes(ValeurNombre(Colonnes(l, 37, 40), true)));
    } else {
        r.origine = EnEntier32(ValeurNombre(Colonnes(l, 1, 7)));
        r.destination = EnEntier32(ValeurNombre(Colonnes(l, 9, 15)));
        r.longueur = EnSimple(ValeurNombre(Colonnes(l, 19, 22)));
        r.mode = EnEntier16(ValeurNombre(Colonnes(l, 23, 26)));
        r.duree = EnSimple(ValeurNombre(Colonnes(l, 24, 27)));
    }
    return r;
}

// Arcs joining the same pair of node codes, in either direction, of one mode.
struct ClePaire {
    int16_t mode;
    int32_t a, b; // a <= b
    bool operator==(const ClePaire&) const = default;
};
ClePaire paire(int16_t mode, int32_t x, int32_t y) { return {mode, std::min(x, y), std::max(x, y)}; }
struct HachagePaire {
    std::size_t operator()(const ClePaire& c) const
    {
        uint64_t h = (static_cast<uint64_t>(static_cast<uint32_t>(c.a)) << 32) ^ static_cast<uint32_t>(c.b);
        h ^= static_cast<uint64_t>(static_cast<uint16_t>(c.mode)) * 0x9E3779B97F4A7C15ULL;
        h ^= h >> 29;
        h *= 0xbf58476d1ce4e5b9ULL;
        h ^= h >> 32;
        return static_cast<std::size_t>(h);
    }
};

} // namespace

bool LitFichierArcsReference(double code)
{
    const QString& chemin = K.NomFichierArcsReference;
    if (!FichierExiste(chemin))
        return false;
    std::vector<LigneReference> lignes;
    try {
        const std::string contenu = LitFichierEntier(chemin);
        const auto brutes = DecoupeLignes(contenu);
        lignes.reserve(brutes.size());
        for (std::string_view l : brutes)
            lignes.push_back(litLigne(l));
    } catch (const ErreurExecution& e) {
        MessageErreur(QStringLiteral("Erreur dans la lecture du fichier de référence des arcs ") + chemin
                      + QStringLiteral(" : ") + e.description());
        return false;
    }
    if (lignes.empty()) {
        MessageErreur(QStringLiteral("Le fichier de référence des arcs est vide : ") + chemin);
        return false;
    }

    // A code of 0 (no link type: the dialog's empty value) compares every
    // link type, each line with the arcs of its own mode.
    const bool tousModes = code == 0;
    const int16_t codeCompare = std::fabs(code) < 32768 ? static_cast<int16_t>(std::lround(code)) : int16_t(-32768);

    K.ComparaisonArcs.assign(static_cast<std::size_t>(K.NbArcs) + 1, 0.0f);
    std::unordered_map<ClePaire, int32_t, HachagePaire> premierArc;
    premierArc.reserve(static_cast<std::size_t>(K.NbArcs) * 2);
    for (int32_t j = 1; j <= K.NbArcs; ++j) {
        const Arc& a = K.Arcs[j];
        if (tousModes || a.Mode == codeCompare)
            premierArc.emplace(paire(a.Mode, a.CodeOrigine, a.CodeDestination), j);
    }

    const int32_t premierAjoute = K.NbArcs + 1;
    bool tablePleine = false;
    for (const LigneReference& l : lignes) {
        if (!tousModes && l.mode != codeCompare)
            continue;
        const ClePaire cle = paire(l.mode, l.origine, l.destination);
        auto it = premierArc.find(cle);
        if (it != premierArc.end()) {
            // A second line for a link missing from the network finds the arc
            // taken from the first one; that arc stays "only in the reference".
            if (it->second < premierAjoute)
                K.ComparaisonArcs[it->second] = 1.0f;
            continue;
        }
        if (K.NbArcs >= NbMaxArcsFichier) {
            tablePleine = true;
            continue;
        }
        Arc a;
        a.CodeOrigine = l.origine;
        a.CodeDestination = l.destination;
        a.Mode = l.mode;
        a.Longueur = l.longueur;
        a.Duree = l.duree;
        a.Minimal = 0;
        K.Arcs.push_back(a);
        K.NbArcs++;
        K.ComparaisonArcs.push_back(-1.0f);
        premierArc.emplace(cle, K.NbArcs);
    }
    if (tablePleine)
        MessageErreur(QStringLiteral("La table des arcs est pleine (%1 arcs) : une partie des arcs du fichier de "
                                     "référence n'a pas été ajoutée.")
                          .arg(NbMaxArcsFichier));
    if (K.NbArcs >= premierAjoute)
        IndexeArcs();
    return true;
}

} // namespace kelmo
