#pragma once
// The value map of the nodes: a circle at each node sized by its symbol and
// filled with the colour of its value class, optionally the value written
// at the node, and the inflow and outflow circles of the oriented flow map.
#include <QString>
#include <functional>

namespace kelmo {

// Circles of every record of ValeursNoeuds, largest first. The modes
// "Valeur1", "Valeur2" and "Différences absolues" let the classes of the
// secondary value colour them ("Utilise les classes des différences").
// A value outside every class keeps the fill of the circle before. A radius
// beyond 2500 stops the map with "Réduisez l'échelle des ronds SVP...".
void AfficheRondsCarres(const QString& mode);

// The values of file 1 as circles on a cleared map, each sized by its own
// value at the circle scale in use (not a new reference), so that files
// shown one after the other compare.
void AfficheValeur1AEchelleCourante();

// The displayed value written at every node, in hours and minutes when the
// values are durations ("Données horaires").
void AfficheValeursNoeuds();

// The text written at a node for that value.
QString TexteValeurNoeud(float valeur, bool horaire);

// The statistics window's redraw: clears both pictures and the metafile,
// draws the circles when its "Noeuds" tab shows, then gives it the focus.
void RedessineCarteValeurs();

// Inflow (green) and outflow (red) circles of every node from Arcs1, on the
// bitmap only, outlined in white; the picture's fore colour is given back.
void AfficheAffluxNoeuds();

// Gives the statistics window the focus; empty until that window installs it.
extern std::function<void()> ActiveStatistiques;

} // namespace kelmo
