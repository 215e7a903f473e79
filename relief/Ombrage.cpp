#include "relief/Ombrage.h"
#include "core/Modele.h"
#include "relief/Vecteurs3D.h"

#include <cstddef>

namespace kelmo {
namespace {

float derniereOmbre = 0;
Couleur derniereCouleur = 0;

const bool enregistre = (EnregistreReinitialisation([] {
                             derniereOmbre = 0;
                             derniereCouleur = 0;
                         }),
                         true);

// Upper limits of classes 1 to 10; class k runs from limite[k - 1] to
// limite[k], both included.
constexpr double Limites[11] = {-2, 0.15, 0.2, 0.25, 0.35, 0.55, 1.5, 1.65, 1.75, 1.85, 3};

// Colour values 0xBBGGRR of the four fixed palettes, classes 1 to 10; the
// tenth class of the grey palette is the statistics window's (0 here).
constexpr Couleur Palettes[4][10] = {
    {0x35774F, 0x419160, 0x459966, 0x50B377, 0x54BB7C, 0x67E699, 0x73FFAA, 0x77FFB0, 0x8AFFCC, 0x96FFC6},
    {0x62B382, 0x70CC94, 0x75D59A, 0x7EE6A7, 0x83EEAD, 0x96FFC6, 0xA8FFDF, 0xB2FFEB, 0xB7FFDD, 0xBCFFE4},
    {0x8E28E7, 0x7FC49A, 0x90DDAE, 0x9BEEBC, 0xA6FFC9, 0xB7FFDD, 0xBCFFE4, 0xCDFFF8, 0xD8FFFF, 0xDDFFFF},
    {0xEFEFEF, 0xDFDFDF, 0xCFCFCF, 0xBFBFBF, 0xAFAFAF, 0x9F9F9F, 0x8F8F8F, 0x7F7F7F, 0x7F7F7F, 0},
};

Couleur boiteClasse(int k)
{
    const std::vector<int>& boites = K.Formes.Statistiques.PicClasse;
    return k < static_cast<int>(boites.size()) ? boites[static_cast<std::size_t>(k)] : 0xFFFFFF;
}

} // namespace

int ClasseOmbre(float ombre)
{
    const double s = ombre;
    for (int k = 1; k <= 10; ++k)
        if (s >= Limites[k - 1] && s <= Limites[k])
            return k;
    return 4;
}

void CouleurOmbre(double coefficient, float ombre, Couleur& couleur)
{
    const int classe = ClasseOmbre(ombre);
    if (coefficient == 1 || coefficient == 2 || coefficient == 3) {
        couleur = Palettes[static_cast<int>(coefficient) - 1][classe - 1];
    } else if (coefficient == 4) {
        couleur = classe == 10 ? boiteClasse(10) : Palettes[3][classe - 1];
    } else if (coefficient == 5) {
        couleur = boiteClasse(classe);
    }
}

Couleur OmbreFacette(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3,
                     double z3)
{
    Vecteur3D u = {x1 - x2, y1 - y2, z1 - z2};
    Vecteur3D v = {x1 - x3, y1 - y3, z1 - z3};
    float normes[3];
    normes[0] = NormeVecteur(u);
    DiviseVecteur(normes[0], u);
    normes[1] = NormeVecteur(v);
    DiviseVecteur(normes[1], v);
    Vecteur3D n{};
    ProduitVectoriel(u, v, n);
    normes[2] = NormeVecteur(n);
    DiviseVecteur(normes[2], n);
    // The normal always points upwards (or lies flat).
    if (n[2] < 0)
        n = {-n[0], -n[1], -n[2]};
    const Vecteur3D lumiere = {K.VecteurLumiere[0], K.VecteurLumiere[1], K.VecteurLumiere[2]};
    float ombre = ProduitScalaire(lumiere, n) + 1.0f;
    // A triangle leaving from a raised corner is darkened.
    if (z1 != 0)
        ombre = static_cast<float>(double(ombre) - 0.5);
    derniereOmbre = ombre;
    CouleurOmbre(K.CoefEclaircissement, ombre, derniereCouleur);
    return derniereCouleur;
}

float DerniereOmbre() { return derniereOmbre; }
Couleur DerniereCouleurOmbre() { return derniereCouleur; }

} // namespace kelmo
