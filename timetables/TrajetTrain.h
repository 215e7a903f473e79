#pragma once
// The run of a train: the chain of services of one link type in which each
// leaves the stop where the previous one arrived, at the minute it arrived,
// rebuilt from the service chosen in the link timetable into "Trains".
#include "core/modeles/ListeServices.h"

namespace kelmo {

void AfficheTrajetTrain();
// True when the line's service shares an end node with two or more lines of
// the train list.
bool ParcourtListeTrains(const LigneService& ligne);
// Every line selected when none is.
void SelectionneTrains();

} // namespace kelmo
