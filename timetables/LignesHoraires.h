#pragma once
// The text lines of the timetable lists: the link timetable, the node
// timetable and the train run. The columns are those the lists have always
// shown; each line also carries its service's key (ListeServices.h).
#include "core/modeles/ListeServices.h"
#include "platform/Nombres.h" // FormatDieses, for the lines' callers

#include <QString>
#include <cstdint>

namespace kelmo {

// "07:05"; hours are not folded at 24 ("24:10"), a negative time is a minus
// sign and the absolute time ("-00:20").
QString TexteHeure(double minutes);
// The first n characters of node i's name (blank-padded); n blanks when
// there is no node i.
QString NomNoeud(int32_t i, int n);

struct Arc;
// The key of arc k, and of an arc record kept aside.
CleService CleDeArc(int32_t k);
CleService CleDeService(const Arc& a);

// Departure, arrival, Jours, Duree and the line number of arc k.
QString FormateLigneArc(int32_t k);
// Departure, arrival, Duree, the two codes and the two names of arc k.
QString FormateLigneTrain(int32_t k);

// The "Vient de" text of a link timetable line: the feeder's origin name,
// or six blanks and the service's own origin name when nothing feeds it.
QString TexteVientDe(int32_t k, int32_t nourricier);
// Node timetable lines of arc k seen from its node: a departure of a one-way
// arc with the feeder (0: none) of arc k; an arrival with the service that
// continues it (0: none), rearranged so that the arrival comes first; a
// two-way arc with the name of its other end.
QString LigneDepartNoeud(int32_t k, int32_t nourricier);
QString LigneArriveeNoeud(int32_t k, int32_t suite);
QString LigneDoubleSensNoeud(int32_t k, int32_t noeud);

} // namespace kelmo
