#pragma once
// The small 3-D helpers shared by the relief (tent geometry, shading,
// painter's order), the reference speed rescaling, the anamorphosis, the
// maps and the DXF export. Everything is computed in double precision; the
// norm and the dot product are handed back in single precision, which the
// shading classes were tuned on.
#include <array>

namespace kelmo {

// A vector of three doubles (x, y, z) in one block.
using Vecteur3D = std::array<double, 3>;

// (x, y, z) := the middle of the two points.
void Milieu3D(double x1, double y1, double z1, double x2, double y2, double z2, double& x, double& y, double& z);

// The point of the triangle that stands for it in depth: the middle of corner
// 3 and of the middle of corners 1 and 2, P1/4 + P2/4 + P3/2.
void PointInterieur(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3, double z3,
                    double& x, double& y, double& z);

double Distance3D(double x1, double y1, double z1, double x2, double y2, double z2);

float NormeVecteur(const Vecteur3D& v);

// Divides each component by norme; a norm of 0 is first changed to 1 (in the
// caller's variable too), so a zero vector stays as it is.
void DiviseVecteur(float& norme, Vecteur3D& v);

float ProduitScalaire(const Vecteur3D& a, const Vecteur3D& b);

// c := a x b.
void ProduitVectoriel(const Vecteur3D& a, const Vecteur3D& b, Vecteur3D& c);

} // namespace kelmo
