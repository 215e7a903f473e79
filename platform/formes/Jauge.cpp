#include "platform/formes/Jauge.h"

#include <cmath>

namespace kelmo {

Jauge::Jauge(int minimum, int maximum, QWidget* parent) : QProgressBar(parent)
{
    setRange(minimum, maximum);
    setTextVisible(false);
    setValue(minimum);
}

int Jauge::Borne(double valeur, int minimum, int maximum)
{
    if (std::isnan(valeur))
        return minimum;
    if (valeur <= minimum)
        return minimum;
    if (valeur >= maximum)
        return maximum;
    return static_cast<int>(std::nearbyint(valeur));
}

void Jauge::definitValeur(double valeur) { setValue(Borne(valeur, minimum(), maximum())); }

} // namespace kelmo
