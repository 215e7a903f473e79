#pragma once
// The anamorphosis: the network redrawn so that map distances express travel
// times. From a start node, the nodes are reached step by step over the kept
// arcs (one per pair of nodes, the fastest) and each is placed so that its
// arc is as long as the network's greatest speed covers in the arc's time;
// the fastest link types are laid out first, the slower ones class by class.
//
// A run works in the shared model and leaves it changed until the network is
// read again: the arcs sorted by decreasing speed, `Minimal` holding this
// selection, `Longueur` of the kept arcs holding their map distance, `X`, `Y`
// of every node holding the anamorphosis.
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace kelmo {

inline const QString MessageSelectionArcsAnamorphose = QStringLiteral("Selectionne les arcs minimaux...");
inline const QString TitreAnamorphose = QStringLiteral("Anamorphose");
// Two towns joined by an arc further apart than an arc's length can hold.
inline const QString MessageDistanceAnamorphose =
    QStringLiteral("Les noeuds %1 et %2 sont à %3 l'un de l'autre sur la carte, au-delà de ce que tient une "
                   "longueur d'arc (%4) : l'anamorphose n'est pas faite.");
// A kept arc whose time, at the network's greatest speed, asks for a length
// no arc can hold.
inline const QString MessageLongueurVoulueAnamorphose =
    QStringLiteral("L'arc de %1 à %2 (%3) devrait mesurer %4 sur l'anamorphose, au-delà de ce que tient une "
                   "longueur d'arc (%5) : l'anamorphose n'est pas faite.");
// The wanted lengths fit, but not the sum of their squares that the
// report's stress divides by.
inline const QString MessageStressAnamorphose =
    QStringLiteral("Les longueurs voulues des arcs sont trop grandes pour le stress du rapport : la somme de leurs "
                   "carrés vaut %1, au-delà de ce que tient un nombre simple (%2). L'anamorphose n'est pas faite.");

// Seconds between two redraws while a run unfolds on screen; the last redraw
// of each speed class and the final one are always drawn.
constexpr double IntervalleRedessinsAnamorphose = 0.25;

// The clock of that throttle, in seconds (steady clock by default); tests
// install their own. Back to the default with ReinitialiseDonnees.
extern std::function<double()> HorlogeAnamorphose;

// Reorders the arc table by decreasing speed of the arcs' link types, equal
// speeds keeping their order (a code of no link type counts as speed 0);
// ComparaisonArcs moves with the arcs.
void TrieArcsParType();

// Minimal := 1 for one arc per unordered pair of node codes: the fastest, of
// equally fast ones the last in the table; 0 for all others. An arc of no
// link type, of speed 0, without a node at either end or with the same node
// at both ends is never kept.
void SelectionneArcsMinimauxAnam();

// Steps from the start node over the kept arcs (Minimal = 1), -1 where not
// reached; nbPas is the greatest step of a kept arc (0 when none). The rounds
// end when one labels nothing new, so another part of the network stays at -1.
struct NiveauxAnamorphose {
    std::vector<int> noeuds; // 0 to NbNoeuds
    std::vector<int> arcs;   // 0 to NbArcs; -1 also for arcs not kept
    int nbPas = 0;
};
NiveauxAnamorphose NiveauxDepuisDepart(int32_t depart);

// The start node the anamorphosis window names: its list index when that is
// a node, else node 2 (node 1 in a one-node network); 0 when there is no node.
int32_t NoeudDepartAnamorphose();

// Picture coordinates from the working coordinates, without rotation or tilt
// (a scale of 0 or beyond +-100 becomes 1 first).
void ProjetteNoeudsEcran();

// The projection, the map redrawn, the main window shown and painted.
void RedessineAnamorphose();

// The whole run from the start node of the anamorphosis window, ending with
// the report, the new map coordinates, the nodes drawn and the status text.
// Nothing happens in a network without nodes, nor in one where an arc joins
// two towns further apart than a single holds, or a kept arc asks for a
// length, or the report's stress for a sum of lengths, that no single holds
// (each refused with its message).
void CalculeAnamorphose();

// The status text of a run: "Anamorphose en 2 pas à partir de Paris     ".
QString TexteEtatAnamorphose(int nbPas, int32_t depart);

} // namespace kelmo
