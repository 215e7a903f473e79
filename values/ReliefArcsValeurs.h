#pragma once
// The relief valued by arc values: the values of arc-value file 1 replace
// the travel times of the "Route70" arcs, and the reference speed comes from
// the smallest value and the road arc of its pair.
namespace kelmo {

// Each record gives its value to one road arc at most, the records of a
// pair taken in file order by the arcs of that pair in table order; the use
// marks (Arcs1Utilises) start afresh at each call. The reference speed is
// the smallest value over the length of the first road arc of its pair
// whose length is not 0, and stays as it was when there is none.
void CalculeVitesseReferenceArcVal();

// Hands CalculeVitesseReferenceArcVal to "Trace le &relief", which runs it
// before the relief while "&Basée sur ArcVal" carries its check mark.
// The model's reset empties the hook again.
void BrancheReliefArcsValeurs();

} // namespace kelmo
