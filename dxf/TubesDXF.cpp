#include "dxf/TubesDXF.h"
#include "core/Progression.h"
#include "core/TableTypes.h"
#include "dxf/ArcsDXF.h"
#include "dxf/Face3DDXF.h"
#include "dxf/GrilleDXF.h"
#include "dxf/HauteurSommetDXF.h"
#include "platform/Nombres.h"

#include <cmath>
#include <vector>

namespace kelmo {

void EcritArcsTubesDXF(TamponDXF& t)
{
    const AngleVerticalNul angleNul;
    const bool minimaux = K.Formes.SortieDXF.Valeur == ValeurArcsDXF::Minimaux;
    const double n = NombreCelluleDXF(K.Formes.SortieDXF.Tube[1]);
    const double entrees = ArrondiBanquier(n);
    DXF.FacesTube.assign(entrees >= 1 ? static_cast<std::size_t>(std::min(entrees, 1e6)) + 1 : 1, FaceTube{});
    // The sides run over the whole numbers up to N while the angles divide by
    // N as typed.
    const int cotes = n >= 1 ? static_cast<int>(std::min(std::floor(n), static_cast<double>(DXF.FacesTube.size() - 1))) : 0;

    // The angles are those of every arc: their cosines and sines once.
    std::vector<double> cosinus(static_cast<std::size_t>(cotes) + 1), sinus(static_cast<std::size_t>(cotes) + 1);
    for (int k = 0; k <= cotes; ++k) {
        const double a = 2 * 3.141593 * k / n;
        cosinus[static_cast<std::size_t>(k)] = std::cos(a);
        sinus[static_cast<std::size_t>(k)] = std::sin(a);
    }

    const HauteurSommetDXF hauteur;
    const int32_t nbArcs = std::min<int32_t>(NbArcsExportes(), static_cast<int32_t>(DXF.ArcsDXF.size()) - 1);
    const QString message = QStringLiteral("Ecrit les arcs en tubes DXF...");
    AfficheProgression(nbArcs, 1, message);
    // Ring points of the origin, the apex and the destination, k = 0 to N.
    std::vector<CoinDXF> origine(static_cast<std::size_t>(cotes) + 1), sommet(origine.size()), destination(origine.size());
    std::vector<std::array<float, 3>> po(origine.size()), ps(origine.size()), pd(origine.size());
    std::string& sortie = t.octets;
    for (int32_t i = 1; i <= nbArcs && cotes >= 1; ++i) {
        AfficheProgression(nbArcs, i, message);
        const Arc& a = K.Arcs[static_cast<std::size_t>(i)];
        if (minimaux && a.Minimal < 1)
            continue;
        const Noeud* o = NoeudExporte(a.IndiceOrigine);
        const Noeud* d = NoeudExporte(a.IndiceDestination);
        if (!o || !d)
            continue;
        const ArcDXF& e = DXF.ArcsDXF[static_cast<std::size_t>(i)];
        const double r = e.Epaisseur;
        const float h = static_cast<float>(hauteur(i, a, *o, *d));
        const double ax = (double(o->X) + d->X) / 2, ay = (double(o->Y) + d->Y) / 2;
        const auto anneau = [&](double cx, double cy, float z, std::vector<std::array<float, 3>>& p,
                                std::vector<CoinDXF>& c) {
            for (std::size_t k = 0; k < p.size(); ++k) {
                p[k] = {static_cast<float>(cx + r * cosinus[k]), static_cast<float>(cy + r * sinus[k]), z};
                c[k].Simple(p[k][0], p[k][1], p[k][2]);
            }
        };
        anneau(o->X, o->Y, o->Z, po, origine);
        anneau(ax, ay, h, ps, sommet);
        anneau(d->X, d->Y, d->Z, pd, destination);
        char couleur[LongueurMaxNombreDXF];
        const std::string entete =
            EnteteFaceDXF(e.Calque, std::string_view(couleur, static_cast<std::size_t>(FormeGeneraleDXF(couleur, e.Couleur, 15))));
        for (std::size_t k = 1; k <= static_cast<std::size_t>(cotes); ++k) {
            FaceTube& f = DXF.FacesTube[k];
            f = {po[k - 1], po[k], ps[k], ps[k - 1]};
            AjouteFaceDXF(sortie, entete, origine[k - 1], origine[k], sommet[k], sommet[k - 1]);
            f = {ps[k], ps[k - 1], pd[k - 1], pd[k]};
            AjouteFaceDXF(sortie, entete, sommet[k], sommet[k - 1], destination[k - 1], destination[k]);
        }
    }
    AfficheProgression(nbArcs, nbArcs, message);
}

} // namespace kelmo
