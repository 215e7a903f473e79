#pragma once
// A full-size network laid out as a real one, for the benchmarks of the
// relief, the anamorphosis and the DXF export: 6000 towns spread over the
// picture, 99 999 arcs between near neighbours with a mix of link types as a
// regional network has (mostly roads, some motorways and rail, a few fast
// lines and urban links), lengths from the distances and times from the
// link types' speeds. The view is the start-up one, tilted by `inclinaison`.
namespace kelmo::bench {

void ChargeReseauRealiste(double inclinaison);

} // namespace kelmo::bench
