#include "core/Heures.h"
#include "platform/Nombres.h"

#include <cmath>

namespace kelmo {

double HeureEnMinutes(double x)
{
    const double h = std::floor(x / 100.0);
    return (x - 100.0 * h) + 60.0 * h;
}

double HeureSigneeEnMinutes(double x) { return x < 0 ? -HeureEnMinutes(-x) : HeureEnMinutes(x); }

double ChaineHeureEnMinutes(const QString& s)
{
    return 60.0 * ValeurNombre(s.mid(0, 2)) + ValeurNombre(s.mid(2, 2));
}

double MinutesEnHeure(double x)
{
    const double signe = x < 0 ? -1.0 : (x > 0 ? 1.0 : 0.0);
    double m = std::fabs(x);
    const double h = std::floor(m / 60.0); // the same as taking 60 away while m is at least 60
    m -= 60.0 * h;
    return signe * (100.0 * h + m);
}

} // namespace kelmo
