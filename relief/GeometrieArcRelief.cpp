#include "relief/GeometrieArcRelief.h"
#include "core/Modele.h"
#include "core/TableTypes.h"
#include "core/TypesArcs.h"
#include "platform/Nombres.h"
#include "relief/CoutsGeneralises.h"

#include <cmath>

namespace kelmo {

namespace {

// The tents turn over once the view is tilted past the vertical; the limit is
// half of the program's pi in single precision, as the relief has always used.
const double DemiTourSimple = static_cast<double>(static_cast<float>(Pi)) / 2.0;

const TypeArc* typeDe(const ParametresRelief& p, int mode)
{
    if (p.types)
        return (mode >= INT16_MIN && mode <= INT16_MAX) ? p.types->type(static_cast<int16_t>(mode)) : nullptr;
    const int i = IndiceTypeArcParCode(mode);
    return i < 0 ? nullptr : &K.TypesArcs[i];
}

bool noeudValide(int i) { return i >= 1 && i <= K.NbNoeuds && i < static_cast<int>(K.Noeuds.size()); }

// A view tilted edge-on cannot be straightened back.
bool inclinaisonReversible(const ParametresRelief& p) { return std::fabs(p.cosinus) >= 1e-6; }

// Half of the straight distance between the two ends, with the tilt undone on
// the picture's vertical axis.
double demiCorde(const ParametresRelief& p, double x1, double y1, double x2, double y2)
{
    const double y1p = y1 / p.cosinus;
    const double y2p = y2 / p.cosinus;
    return std::hypot(x1 - x2, y1p - y2p) / 2.0;
}

} // namespace

ValuationRelief ValuationDe(const QString& v)
{
    if (v == u"Temps")
        return ValuationRelief::Temps;
    if (v == u"Coût")
        return ValuationRelief::Coût;
    if (v == u"BaséSurArcVal")
        return ValuationRelief::BaséSurArcVal;
    if (v == u"PasDeValuation")
        return ValuationRelief::PasDeValuation;
    if (v == u"ReliefThématique")
        return ValuationRelief::ReliefThématique;
    if (v == u"FichierRelief3D")
        return ValuationRelief::FichierRelief3D;
    return ValuationRelief::Autre;
}

ParametresRelief ParametresRelief::Courants(const TableTypes* types)
{
    ParametresRelief p;
    p.valuation = ValuationDe(K.TypeValuationRelief);
    p.angleVertical = K.AngleVertical;
    p.sinus = std::sin(K.AngleVertical);
    p.cosinus = std::cos(K.AngleVertical);
    p.vitesseReference = K.VitesseReference;
    p.vitesseMinimale = K.VitesseMinimale;
    p.vitesseGainVirtuel = K.VitesseGainVirtuel;
    p.echelle = K.Echelle;
    p.gainVirtuel = K.Formes.OptionsRelief.GainVirtuel;
    p.anamorphose = K.Formes.OptionsRelief.Anamorphose;
    p.types = types;
    return p;
}

bool GeometrieArcRelief(double& hauteur, double tempsArc, double& corde, int mode, double x1, double y1, double x2,
                        double y2, int32_t numeroArc, int indiceOrigine, int indiceDestination)
{
    return GeometrieArcRelief(ParametresRelief::Courants(), hauteur, tempsArc, corde, mode, x1, y1, x2, y2, numeroArc,
                              indiceOrigine, indiceDestination);
}

bool GeometrieArcRelief(const ParametresRelief& p, double& hauteur, double tempsArc, double& corde, int mode,
                        double x1, double y1, double x2, double y2, int32_t numeroArc, int indiceOrigine,
                        int indiceDestination)
{
    double h = hauteur;
    switch (p.valuation) {
    case ValuationRelief::FichierRelief3D:
    case ValuationRelief::Temps: {
        if (!inclinaisonReversible(p))
            return false;
        const double c = demiCorde(p, x1, y1, x2, y2);
        corde = c;
        const TypeArc* t = typeDe(p, mode);
        if (!t)
            return false;
        double v = t->Vitesse;
        const bool temps = p.valuation == ValuationRelief::Temps;
        if (temps && p.gainVirtuel && t->Nom != u"TGV")
            v = p.vitesseGainVirtuel;
        if (temps && p.anamorphose) {
            if (numeroArc < 1 || numeroArc > K.NbArcs || numeroArc >= static_cast<int32_t>(K.Arcs.size())
                || !noeudValide(indiceOrigine) || !noeudValide(indiceDestination))
                return false;
            const Noeud& o = K.Noeuds[indiceOrigine];
            const Noeud& d = K.Noeuds[indiceDestination];
            const float dist = static_cast<float>(std::hypot(double(o.X) - d.X, double(o.Y) - d.Y));
            const Arc& a = K.Arcs[numeroArc];
            const TypeArc* ta = typeDe(p, a.Mode);
            if (!ta || ta->Vitesse == 0)
                return false;
            const double L = double(a.Longueur) * p.vitesseMinimale / ta->Vitesse;
            double ha = 0;
            if (dist < L)
                ha = std::sqrt((L / 2) * (L / 2) - (double(dist) / 2) * (double(dist) / 2));
            h = -ha * p.sinus;
            break;
        }
        if (v == 0)
            return false;
        const double q = c * p.vitesseReference / v;
        const double r = std::sqrt(std::fabs(q * q - c * c));
        if (temps)
            h = v > p.vitesseReference ? r * p.sinus : -r * p.sinus;
        else
            h = v > p.vitesseReference ? r : -r;
        break;
    }
    case ValuationRelief::Coût: {
        if (!noeudValide(indiceOrigine) || !noeudValide(indiceDestination) || !inclinaisonReversible(p))
            return false;
        const TypeArc* t = typeDe(p, mode);
        if (!t)
            return false;
        CalculeCoutsEntreZones(K.Noeuds[indiceOrigine].Code, K.Noeuds[indiceDestination].Code);
        const double r4 = K.CoutKmModeCourantR4;
        double cout = 0, signe = 1;
        if (t->Nom == u"TGV") {
            cout = K.CoutKmModeCourant;
            signe = cout > r4 ? -1 : 1;
        } else if (t->Nom == u"Route70") {
            cout = r4;
        } else if (t->Nom == u"Autoroute") {
            cout = K.CoutKmModeCourant2;
            signe = cout > r4 ? -1 : 1;
        } else if (t->Nom == u"Train") {
            cout = K.CoutKmModeCourant3;
            signe = cout > r4 ? -1 : 1;
        } else {
            return false; // no cost for this link type
        }
        const double r = cout / K.CoutKmMinimal;
        if (!(r >= 1))
            return false;
        // The tent's half base, as the time valuation takes it, so that a
        // cost ratio folds the arc as a speed ratio would.
        const double c = demiCorde(p, x1, y1, x2, y2);
        corde = c;
        h = signe * c * std::sqrt(r * r - 1) * p.sinus;
        break;
    }
    case ValuationRelief::BaséSurArcVal: {
        if (!(tempsArc >= 0))
            return false;
        double v = std::pow(tempsArc, 0.3) / p.echelle;
        if (mode == 3)
            v = 0;
        else if (mode == 6)
            v = v * (2.0 / 3.0);
        h = -v * p.sinus;
        break;
    }
    case ValuationRelief::PasDeValuation:
        h = 0;
        break;
    case ValuationRelief::ReliefThématique:
        if (!noeudValide(indiceOrigine) || !noeudValide(indiceDestination))
            return false;
        h = -((double(K.Noeuds[indiceOrigine].ZEcran) + K.Noeuds[indiceDestination].ZEcran) / 2.0 * p.sinus);
        break;
    case ValuationRelief::Autre:
        break;
    }
    if (DemiTourSimple < p.angleVertical)
        h = -h;
    if (!std::isfinite(h))
        return false;
    // -0 and 0 are the same height for every caller.
    hauteur = h == 0 ? 0.0 : h;
    return true;
}

} // namespace kelmo
