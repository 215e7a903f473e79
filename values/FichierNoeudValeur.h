#pragma once
// Node-value files: one number per node code, in one of three layouts that
// line 1 decides (plain "code value" items, items followed by the node's
// name, or hh:mm clock times in fixed columns).
#include <QString>
#include <string_view>

namespace kelmo {

enum class DispositionNoeudValeur { Simple, Libelle, Horaire };

struct DetectionNoeudValeur {
    DispositionNoeudValeur disposition = DispositionNoeudValeur::Simple;
    int colonneHeure = 0; // first column of the hours in the clock layout
};

// The layout of a file from its line 1: a colon before any letter gives the
// clock layout (its hours start two columns before the last such colon), a
// letter the labelled layout, anything else the plain layout.
DetectionNoeudValeur DetecteDispositionNoeudValeur(std::string_view ligne1);

// Reads file no. 1 into ValeursFichiersNoeuds (positions 1 to the count)
// and sets NbValeursNoeuds; while FusionValeurs is set, a position keeps the
// smaller of its stored and read values. Reads the whole file before
// changing anything: a failure (a file that is not text included) raises
// ErreurExecution and leaves the tables, the count and the statistics
// window's options as they were. Records past the table's 6000 positions
// are dropped with one warning.
void LitFichierNoeudValeur1(const QString& chemin);
// Reads file no. 2 into the Valeur2 fields: by position in the plain and
// clock layouts (codes included), by code in the labelled layout. Same
// failure rule.
void LitFichierNoeudValeur2(const QString& chemin);

} // namespace kelmo
