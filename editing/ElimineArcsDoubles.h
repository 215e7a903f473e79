#pragma once
// Repeated arcs removed from the table. No command calls it: it is kept for
// the tables built by hand that need it.
#include <cstdint>

namespace kelmo {

// An arc is a double of an earlier one when it joins the same two codes, in
// either direction, with the same link type, departure, arrival, line
// number (Debit) and days: the first of each group stays, in its place.
// Reports and returns the count removed.
int32_t ElimineArcsDoubles();

} // namespace kelmo
