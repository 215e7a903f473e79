#pragma once
// The statistics window's picture of the current values: the value strip
// (one tick per value between the minimum and maximum marks), the class
// strip (one tick per value in its class colour), the class counts and the
// chart. The source is arc-value file 1 or 2 when its option is selected,
// the values shown per node otherwise.
namespace kelmo {

// The abscissa of v on a strip of useful width w, at the scale s from the
// base: a negative scale counts from the right end.
double AbscisseBande(double v, double s, double base, double w);

void CalculeStatistiquesArcs1();
void CalculeStatistiquesArcs2();
void CalculeStatistiquesNoeuds();
// Recounts the classes, redraws the class strip and the chart, and the map
// when "Aperçu de la carte" is ticked.
void DessineClasses();

// While one lives, DessineClasses leaves the map preview to its end: a
// bound method writes up to eleven boxes and each redraws the classes, but
// only the last map is ever seen.
class ApercuDiffere {
public:
    ApercuDiffere();
    ~ApercuDiffere();
    ApercuDiffere(const ApercuDiffere&) = delete;
    ApercuDiffere& operator=(const ApercuDiffere&) = delete;
};

} // namespace kelmo
