#pragma once
// The pictures of the editors' picture buttons, drawn here.
#include <QIcon>

namespace kelmo {

// Two arrows head to tail: the arc doubled in the other direction.
QIcon IconeDoubleArc();
// A clock face: the timetable.
QIcon IconeHoraires();

} // namespace kelmo
