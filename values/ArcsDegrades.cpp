#include "values/ArcsDegrades.h"

#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/TableTypes.h"
#include "platform/Erreurs.h"
#include "relief/GeometrieArcRelief.h"
#include "values/ClassesValeurs.h"
#include "values/OutilsCartes.h"
#include "view/CrochetsDessinCarte.h"

#include <QPointF>
#include <algorithm>
#include <memory>
#include <vector>

namespace kelmo {
namespace {

// What one run of graded arcs reads once.
struct Preparation {
    std::unique_ptr<TableTypes> types = std::make_unique<TableTypes>();
    ParametresRelief relief;
    // The first entry of ValeursNoeuds of each node number, 0 for none.
    std::vector<int32_t> entree;
};

std::unique_ptr<Preparation> preparation;

const bool enregistre = (EnregistreReinitialisation([] { preparation.reset(); }), true);

float valeurNoeud(const Preparation& p, int32_t noeud)
{
    if (noeud < 0 || noeud >= static_cast<int32_t>(p.entree.size()))
        return 0;
    const int32_t e = p.entree[static_cast<std::size_t>(noeud)];
    return e > 0 ? K.ValeursNoeuds[static_cast<std::size_t>(e)].Valeur : 0.0f;
}

const Classe& classe(int c)
{
    static const Classe vide;
    return c >= 0 && c < static_cast<int>(K.Classes.size()) ? K.Classes[static_cast<std::size_t>(c)] : vide;
}

void piece(int c, QPointF p, QPointF q)
{
    ZoneImage& ima = Ima();
    ima.ForeColor = classe(c).Couleur;
    TraceTrait(p.x(), p.y(), q.x(), q.y());
    if (ModeImageVectorielle())
        LigneMeta(p.x(), p.y(), q.x(), q.y(), ima.ForeColor, ima.DrawWidth);
}

// The point at fraction t of the way from a to b, held on the segment.
QPointF entre(QPointF a, QPointF b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return a + t * (b - a);
}

double fraction(double numerateur, double denominateur) { return denominateur == 0 ? 0 : numerateur / denominateur; }

} // namespace

void PrepareArcsDegradesCarte()
{
    auto p = std::make_unique<Preparation>();
    p->relief = ParametresRelief::Courants(p->types.get());
    const int32_t nbNoeuds = std::max<int32_t>(K.NbNoeuds, 0);
    p->entree.assign(static_cast<std::size_t>(nbNoeuds) + 1, 0);
    const int32_t n = std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.ValeursNoeuds.size()) - 1);
    for (int32_t i = n; i >= 1; --i) {
        const int32_t noeud = K.ValeursNoeuds[static_cast<std::size_t>(i)].IndiceNoeud;
        if (noeud >= 1 && noeud <= nbNoeuds)
            p->entree[static_cast<std::size_t>(noeud)] = i;
    }
    preparation = std::move(p);
}

void DessineArcDegradeCarte(int32_t i)
{
    if (!preparation)
        PrepareArcsDegradesCarte();
    const Preparation& p = *preparation;
    const bool vectoriel = ModeImageVectorielle();
    if (vectoriel)
        ++NbFormesMetaFichier;
    if (i < 1 || i >= static_cast<int32_t>(K.Arcs.size()))
        return;
    const Arc& arc = K.Arcs[static_cast<std::size_t>(i)];
    const int32_t nbNoeuds = std::min<int32_t>(K.NbNoeuds, static_cast<int32_t>(K.Noeuds.size()) - 1);
    if (arc.IndiceOrigine < 1 || arc.IndiceOrigine > nbNoeuds || arc.IndiceDestination < 1 ||
        arc.IndiceDestination > nbNoeuds)
        return;
    const Noeud& no = K.Noeuds[static_cast<std::size_t>(arc.IndiceOrigine)];
    const Noeud& nd = K.Noeuds[static_cast<std::size_t>(arc.IndiceDestination)];
    const QPointF o(no.XEcran, no.YEcran), d(nd.XEcran, nd.YEcran);
    const QPointF milieu = (o + d) / 2;
    ZoneImage& ima = Ima();
    ima.DrawWidth = 2;
    ima.DrawMode = 13;

    const float vO = valeurNoeud(p, arc.IndiceOrigine);
    const float vD = valeurNoeud(p, arc.IndiceDestination);
    const int cO = DerniereClasseDeValeur(vO);
    const int cD = DerniereClasseDeValeur(vD);
    const int ecart = std::abs(cD - cO);

    if (ecart == 0) {
        double h = 0;
        double corde = arc.Longueur;
        if (!GeometrieArcRelief(p.relief, h, arc.Duree, corde, arc.Mode, o.x(), o.y(), d.x(), d.y(), i,
                                arc.IndiceOrigine, arc.IndiceDestination))
            LeveErreur(ErrAppelIncorrect);
        const QPointF sommet(milieu.x(), milieu.y() - h);
        piece(cO, o, sommet);
        piece(cO, d, sommet);
    } else if (ecart == 1) {
        const bool monte = classe(cO).BorneSup == classe(cD).BorneInf;
        const float b = monte ? classe(cD).BorneInf : classe(cO).BorneInf;
        const float m = (vO + vD) / 2;
        // From the middle, in half-arc lengths: towards D when positive.
        const double s = std::clamp(fraction(static_cast<double>(b) - m, (static_cast<double>(vD) - vO) / 2), -1.0, 1.0);
        const QPointF coupe = milieu + s * (d - milieu);
        if (monte == (m < b)) {
            if (monte) {
                piece(cO, o, milieu);
                piece(cO, coupe, milieu);
                piece(cD, d, coupe);
            } else {
                piece(cO, o, milieu);
                piece(cO, coupe, milieu);
                piece(cD, coupe, d);
            }
        } else if (monte) {
            piece(cD, d, milieu);
            piece(cD, coupe, milieu);
            piece(cO, coupe, o);
        } else {
            piece(cD, d, milieu);
            piece(cD, coupe, milieu);
            piece(cO, o, coupe);
        }
    } else if (ecart <= 3) {
        const bool direct = cO < cD;
        const QPointF debut = direct ? o : d, fin = direct ? d : o;
        const double vS = direct ? vO : vD, vF = direct ? vD : vO;
        const int bas = std::min(cO, cD), haut = std::max(cO, cD);
        std::vector<double> limites{classe(bas).BorneSup};
        if (ecart == 3)
            limites.push_back(classe(bas + 1).BorneSup);
        limites.push_back(classe(haut).BorneInf);
        QPointF precedent = debut;
        int c = bas;
        for (double limite : limites) {
            const QPointF coupe = entre(debut, fin, fraction(limite - vS, vF - vS));
            piece(c, precedent, coupe);
            precedent = coupe;
            ++c;
        }
        piece(haut, precedent, fin);
    }

    if (vectoriel && NbFormesMetaFichier > 70) {
        NbFormesMetaFichier = 0;
        // Outside a recording there is nothing to restart, and closing would
        // lose the vector picture recorded so far.
        if (EnregistrementOuvert()) {
            FinMetaFichier();
            DebutMetaFichier();
        }
    }
}

void InstalleArcsDegrades()
{
    PrepareArcsDegrades = [] { PrepareArcsDegradesCarte(); };
    DessineArcDegrade = [](int32_t i) { DessineArcDegradeCarte(i); };
}

} // namespace kelmo
