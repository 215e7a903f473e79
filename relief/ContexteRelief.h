#pragma once
// What one relief drawing keeps from its start to its end: the parameters of
// the tent heights read once, the code lookup of the link types, the index of
// the kept arcs, the memory of the triangles already drawn, the surface drawn
// and whether an error was already reported.
#include "core/TableTypes.h"
#include "relief/EtoileNoeud.h"
#include "relief/GeometrieArcRelief.h"

#include <array>
#include <memory>
#include <unordered_map>

namespace kelmo {

// The three node codes of a triangle, in ascending order.
struct CodesTriangle {
    std::array<int32_t, 3> c;
    bool operator==(const CodesTriangle&) const = default;
};
struct HachageCodesTriangle {
    std::size_t operator()(const CodesTriangle& t) const
    {
        uint64_t h = 1469598103934665603ULL;
        for (int32_t v : t.c)
            h = (h ^ static_cast<uint32_t>(v)) * 1099511628211ULL;
        return static_cast<std::size_t>(h);
    }
};

class ContexteRelief {
public:
    // Reads the parameters and indexes the arcs as they are now.
    ContexteRelief();

    std::unique_ptr<TableTypes> types;
    ParametresRelief parametres;
    IndexArcsRelief arcs;
    // Triangles drawn, with the count of later sightings refused.
    std::unordered_map<CodesTriangle, int, HachageCodesTriangle> trianglesTraces;
    double surface = 0; // 3-D area of every triangle handed to the painter
    bool erreur = false;

    // The apex height of an arc; a height that cannot be computed is a flat
    // tent (0) and is reported once per relief.
    double hauteur(double tempsArc, double corde, int mode, double x1, double y1, double x2, double y2,
                   int32_t numeroArc, int indiceOrigine, int indiceDestination);
    // Reports "Erreur dans le traçage du relief !!" the first time only.
    void signaleErreur();
    // Where the relief's gauge stands, closed before the message.
    double totalProgression = 0;
};

inline const QString MessageErreurRelief = QStringLiteral("Erreur dans le traçage du relief !!");

} // namespace kelmo
