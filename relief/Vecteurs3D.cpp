#include "relief/Vecteurs3D.h"

#include <cmath>

namespace kelmo {

void Milieu3D(double x1, double y1, double z1, double x2, double y2, double z2, double& x, double& y, double& z)
{
    x = (x1 + x2) / 2;
    y = (y1 + y2) / 2;
    z = (z1 + z2) / 2;
}

void PointInterieur(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3, double z3,
                    double& x, double& y, double& z)
{
    double mx = 0, my = 0, mz = 0;
    Milieu3D(x1, y1, z1, x2, y2, z2, mx, my, mz);
    Milieu3D(mx, my, mz, x3, y3, z3, x, y, z);
}

double Distance3D(double x1, double y1, double z1, double x2, double y2, double z2)
{
    const double dx = x1 - x2, dy = y1 - y2, dz = z1 - z2;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

float NormeVecteur(const Vecteur3D& v)
{
    return static_cast<float>(std::sqrt(v[1] * v[1] + v[0] * v[0] + v[2] * v[2]));
}

void DiviseVecteur(float& norme, Vecteur3D& v)
{
    if (norme == 0)
        norme = 1;
    for (double& c : v)
        c /= norme;
}

float ProduitScalaire(const Vecteur3D& a, const Vecteur3D& b)
{
    return static_cast<float>(a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
}

void ProduitVectoriel(const Vecteur3D& a, const Vecteur3D& b, Vecteur3D& c)
{
    // Through a copy: c may be a or b.
    const Vecteur3D r = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    c = r;
}

} // namespace kelmo
