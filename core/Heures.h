#pragma once
// The hhmm times of the files and lists (hours x 100 + minutes) and the
// minutes after midnight, or minutes of duration, kept in memory.
#include <QString>

namespace kelmo {

// 830 gives 510; a minute part of 60 or more is added as it is (1275 gives 795).
double HeureEnMinutes(double hhmm);
// The hhmm times of the arc file, as MinutesEnHeure writes them: a minus sign
// before the time of the absolute value (-115 gives -75, -20 gives -20); a
// time that is not negative as HeureEnMinutes reads it (2410 gives 1450).
double HeureSigneeEnMinutes(double hhmm);
// The first two characters as hours, the next two as minutes.
double ChaineHeureEnMinutes(const QString& s);
// 510 gives 830, -90 gives -130; a fractional minute part stays fractional.
double MinutesEnHeure(double minutes);

} // namespace kelmo
