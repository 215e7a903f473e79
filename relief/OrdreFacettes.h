#pragma once
// The painter's order of the collected facets: back to front by the picture
// height of each facet's inner point, then painted again in that order.
namespace kelmo {

// Profondeur of facets 1 to NbFacettes := y - z of its inner point; then the
// facets in ascending Profondeur, equal keys in collection order.
void OrdonneFacettes();

// Paints facets 1 to NbFacettes in their order with their stored colour and
// their ridges, on the bitmap picture and, in metafile mode, the recording.
void RedessineFacettes();

} // namespace kelmo
