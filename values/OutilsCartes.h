#pragma once
// What every value map shares: the ends of a pair on the picture, the pen
// width rule, the rounded maximum of the flow maps and the recording that a
// map opens in metafile mode.
#include "core/MetaFichier.h"
#include "core/Modele.h"

#include <QString>
#include <cmath>
#include <cstdint>

namespace kelmo {

// The picture position of node `indice`; false for a number outside 1 to
// NbNoeuds, which counts as a missing end.
bool PositionNoeud(int32_t indice, double& x, double& y);

// Both ends placed: known node numbers whose picture coordinates do not add
// up to 0 (a node left at the picture origin was never placed).
bool ExtremitesPlacees(int32_t origine, int32_t destination, double& x1, double& y1, double& x2, double& y2);

// A pen width as the picture takes it: nearest whole number, halves to even,
// within 16 bits (beyond: error 6).
int LargeurStylo(double largeur);

// A thin line on Ima with its current pen, ends rounded to nearest (halves
// to even), through the picture's segment writer as the map's own arcs are:
// a redraw of graded arcs hands it hundreds of thousands of pieces, which the
// painter's stroker would round at both ends one by one. (Wide lines fill
// faster through the painter, so the flow maps keep TracePolyligne.)
void TraceTrait(double x1, double y1, double x2, double y2);

// The largest value cut down to its leading digit: 3456.7 gives 3000, 87
// gives 80, 5 gives 5; below 1, 0.
double ValeurMaxArrondie(double maximum);

// The largest signed value of Arcs1 (never below 0), as single.
float MaximumArcs1();

// The records of Arcs1 in use, held within the table.
int32_t NombreArcs1Utilises();

// The value of a pair passes the display threshold: the single widened to
// double, in absolute value, strictly above SeuilAttractions.
inline bool AuDessusDuSeuil(float valeur) { return std::abs(static_cast<double>(valeur)) > K.SeuilAttractions; }

// The recording of one map: opened in metafile mode when the map starts and
// closed when it ends, whichever way it ends.
class EnregistrementCarte {
public:
    EnregistrementCarte();
    ~EnregistrementCarte();
    EnregistrementCarte(const EnregistrementCarte&) = delete;
    EnregistrementCarte& operator=(const EnregistrementCarte&) = delete;
    bool vectoriel() const { return vectoriel_; }
    // Closes it now (the maps that end early close before their message).
    void ferme();

private:
    bool vectoriel_;
    bool ouvert_;
};

// A line of a value map on Ima with its current pen, recorded as well when
// the map is recorded.
void TraceLigneCarte(double x1, double y1, double x2, double y2, const EnregistrementCarte& enregistrement);
// The same between two nodes; false, and nothing drawn, when an end is not
// placed (ExtremitesPlacees).
bool TraceArcCarte(int32_t origine, int32_t destination, const EnregistrementCarte& enregistrement);

} // namespace kelmo
