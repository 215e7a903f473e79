#pragma once
// Finding a service again from its key: its end codes, its mode, its times
// and the rest of what it stores. Successive searches run in alternate
// directions, so that of identical services one search finds one and the
// next finds the other.
#include "core/modeles/ListeServices.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kelmo {

// True: the next search runs upward from arc 1. False at start.
extern bool RechercheMontante;

// The matching arc (all five fields), 0 when none; flips RechercheMontante.
// A downward search returns the highest such arc, an upward one the lowest.
int32_t ChercheArcHoraire(double codeOrigine, double codeDestination, double mode, double depart, double arrivee);
// The same over the whole key.
int32_t ChercheArcHoraire(const CleService& cle);

// The link type named in the arc editor becomes TypeArcChoisi.
void ChoisitTypeArcEditeur();

// A line of the train list, of the link timetable, of the node timetable,
// read back to its service through the key it carries (0: none, or no line).
int32_t ChercheArcLigneHoraire(const LigneService* ligne);
int32_t ChercheArcSaisieHoraire(const LigneService* ligne);
int32_t ChercheArcLigneHoraireNoeud(const LigneService* ligne);

struct HacheCle {
    std::size_t operator()(const CleService& c) const noexcept
    {
        uint64_t h = static_cast<uint32_t>(c.CodeOrigine);
        h = h * 0x9E3779B97F4A7C15ull ^ static_cast<uint32_t>(c.CodeDestination);
        h = h * 0x9E3779B97F4A7C15ull ^ (static_cast<uint64_t>(static_cast<uint16_t>(c.Mode)) << 32
                                         | static_cast<uint64_t>(static_cast<uint16_t>(c.HeureDepart)) << 16
                                         | static_cast<uint16_t>(c.HeureArrivee));
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

// The arcs of each key, ascending, for commands that search many lines: the
// same answers as ChercheArcHoraire on the table as it was indexed.
class IndexServices {
public:
    IndexServices();
    int32_t Cherche(const CleService& cle) const;

private:
    std::unordered_map<CleService, std::vector<int32_t>, HacheCle> arcs_;
};

} // namespace kelmo
