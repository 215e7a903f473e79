#pragma once
// Fitting the view to a scanned map with two reference towns: the scale and
// origin that put town A under the first click and give the picture distance
// A-B the length between the two clicks.
#include <cstdint>
#include <optional>

namespace kelmo {

struct PointPlan {
    double x = 0, y = 0;
};

struct Calage {
    double Echelle = 1;
    double OrigineX = 0;
    double OrigineY = 0;
};

// The view is linear (picture x = X / Echelle + OrigineX, picture y =
// OrigineY - Y / Echelle), so two towns a, b (map) and two clicks r1, r2
// (picture) fix it at once. No view when the clicks or the towns coincide,
// or when the scale falls outside what the projection accepts (above 0, at
// most 100 map units per picture unit): the projection would put a scale of
// 1 in its place and the map would be drawn unfitted.
std::optional<Calage> CalculeCalage(PointPlan r1, PointPlan r2, PointPlan a, PointPlan b);

// Fits the view on nodes a and b (numbers in Noeuds) and the two clicks kept
// by the digitising, then re-projects and draws the nodes alone on a cleared
// map. A calibration that cannot be made says so and leaves the view as it
// was. True when the view was fitted.
bool CaleVueSurVilles(int32_t a, int32_t b);

} // namespace kelmo
