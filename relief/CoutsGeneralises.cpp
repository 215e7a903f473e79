#include "relief/CoutsGeneralises.h"
#include "core/Modele.h"

#include <cmath>

namespace kelmo {
namespace {

constexpr double CoutSansMode = 500000;

double facteurTypeCout()
{
    if (K.TypeCout == u"Généralisé")
        return 1;
    if (K.TypeCout == u"Généralisé professionnel")
        return 1.5;
    return 0; // "Direct", and any other text
}

double coutVoitureKm() { return (K.PuissanceFiscale - 5) / 10 + 2; }

// The value of the occupants' time per hour. Every set weighs it the same
// way: the value of time chosen by nationality, times the cost type's factor
// and the passengers.
double valeurTempsHoraire() { return facteurTypeCout() * K.NombrePassagers * K.ValeurTempsNationalite; }

// The minimum of a set over the modes ticked in the relief options, in the
// order TGV, train, road, motorway.
double minimumDesModes(double route, double autoroute)
{
    const ModeleOptionsRelief& o = K.Formes.OptionsRelief;
    double m = CoutSansMode;
    if (o.TGV && K.CoutKmTGV < m)
        m = K.CoutKmTGV;
    if (o.Train && K.CoutKmTrain < m)
        m = K.CoutKmTrain;
    if (o.Route && route < m)
        m = route;
    if (o.Autoroute && autoroute < m)
        m = autoroute;
    return m;
}

void abaisseMinimal(double m)
{
    if (m < K.CoutKmMinimal)
        K.CoutKmMinimal = m;
}

} // namespace

void CalculeCoutGeneralise()
{
    const double car = coutVoitureKm();
    const double T = valeurTempsHoraire();
    K.CoutKmRoute = T / K.VitesseCoutRoute + car / K.NiveauRevenuSmic;
    K.CoutKmAutoroute = T / K.VitesseCoutAutoroute + (car + K.PeageKm) / K.NiveauRevenuSmic;

    // The rail fare bands. A length between two whole bounds stays in the
    // lower band; below 1 km there is no fare and the rail costs stay.
    const double L = K.LongueurDeplacementKm;
    double tarif = 0, fixe = 0;
    bool bande = true;
    if (L >= 1 && L < 250) {
        tarif = K.CoefClasseFer * 0.5558 * L;
        fixe = 13;
    } else if (L >= 250 && L < 450) {
        tarif = K.CoefClasseFer * ((L - 249) * 0.386 + 138.3942);
        fixe = 58;
    } else if (L >= 450) {
        tarif = K.CoefClasseFer * ((L - 449) * 0.3376 + 234.5082);
        fixe = 80;
    } else {
        bande = false;
    }
    if (bande) {
        K.CoutKmTrain = static_cast<float>((T * L / K.VitesseCoutTrain + tarif + fixe) / L);
        K.CoutKmTGV = (fixe + T * L / K.VitesseCoutTGV + tarif * K.CoefTarifTGV) / L;
    }
    K.CoutKmMinimal3 = minimumDesModes(K.CoutKmRoute, K.CoutKmAutoroute);
    abaisseMinimal(K.CoutKmMinimal3);
}

void CalculeCoutsAllemagne()
{
    const double car = coutVoitureKm() * 3.5 / 4.93;
    const double T = valeurTempsHoraire();
    K.CoutKmRoute1 = T / K.VitesseCoutRoute + car / K.NiveauRevenuSmic;
    // No motorway toll there; the millionth keeps it apart from the road.
    K.CoutKmAutoroute1 = static_cast<float>(T / K.VitesseCoutAutoroute1 + car / K.NiveauRevenuSmic);
    K.CoutKmAutoroute1 = static_cast<float>(K.CoutKmAutoroute1 + 0.000001);
    K.CoutKmMinimal1 = minimumDesModes(K.CoutKmRoute1, K.CoutKmAutoroute1);
    abaisseMinimal(K.CoutKmMinimal1);
}

void CalculeCoutsEspagne()
{
    const double car = coutVoitureKm() * 3.9 / 4.93;
    const double T = valeurTempsHoraire();
    K.CoutKmRoute2 = T / K.VitesseCoutRoute + car / K.NiveauRevenuSmic;
    K.CoutKmAutoroute2 = static_cast<float>(T / K.VitesseCoutAutoroute + (car + K.PeageKm) / K.NiveauRevenuSmic);
    K.CoutKmMinimal2 = minimumDesModes(K.CoutKmRoute2, K.CoutKmAutoroute2);
    abaisseMinimal(K.CoutKmMinimal2);
}

void CalculeTousLesCouts()
{
    K.CoutKmMinimal = CoutSansMode;
    CalculeCoutGeneralise();
    CalculeCoutsAllemagne();
    CalculeCoutsEspagne();
}

void InitialiseCouts()
{
    K.ValeurTempsNationalite = K.ValeurTempsFrance;
    CalculeTousLesCouts();
}

void ChoisitCoutsZone(int32_t code)
{
    const double p = std::floor(code / 10000.0);
    K.CoutKmModeCourant = K.CoutKmTGV;
    K.CoutKmModeCourant3 = K.CoutKmTrain;
    if (p == 49) {
        K.CoutKmModeCourantR4 = static_cast<float>(K.CoutKmRoute1);
        K.CoutKmModeCourant2 = K.CoutKmAutoroute1;
    } else if (p == 34 || p == 351) {
        K.CoutKmModeCourantR4 = static_cast<float>(K.CoutKmRoute2);
        K.CoutKmModeCourant2 = K.CoutKmAutoroute2;
    } else {
        K.CoutKmModeCourantR4 = static_cast<float>(K.CoutKmRoute);
        K.CoutKmModeCourant2 = K.CoutKmAutoroute;
    }
}

void CalculeCoutsEntreZones(int32_t codeOrigine, int32_t codeDestination)
{
    ChoisitCoutsZone(codeOrigine);
    const double c = K.CoutKmModeCourant, c2 = K.CoutKmModeCourant2, c3 = K.CoutKmModeCourant3;
    const float r4 = K.CoutKmModeCourantR4;
    ChoisitCoutsZone(codeDestination);
    K.CoutKmModeCourant = (K.CoutKmModeCourant + c) / 2;
    K.CoutKmModeCourantR4 = static_cast<float>((double(K.CoutKmModeCourantR4) + r4) / 2);
    K.CoutKmModeCourant2 = (K.CoutKmModeCourant2 + c2) / 2;
    K.CoutKmModeCourant3 = (K.CoutKmModeCourant3 + c3) / 2;
}

} // namespace kelmo
