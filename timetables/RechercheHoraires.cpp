#include "timetables/RechercheHoraires.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "timetables/LignesHoraires.h"

namespace kelmo {

bool RechercheMontante = false;

namespace {
const bool reinitialisation = [] {
    EnregistreReinitialisation([] { RechercheMontante = false; });
    return true;
}();
} // namespace

int32_t ChercheArcHoraire(double codeOrigine, double codeDestination, double mode, double depart, double arrivee)
{
    const bool montante = RechercheMontante;
    RechercheMontante = !montante;
    const int32_t pas = montante ? 1 : -1;
    for (int32_t k = montante ? 1 : K.NbArcs; k >= 1 && k <= K.NbArcs; k += pas) {
        const Arc& a = K.Arcs[static_cast<std::size_t>(k)];
        if (a.CodeOrigine == codeOrigine && a.CodeDestination == codeDestination && a.Mode == mode
            && a.HeureDepart == depart && a.HeureArrivee == arrivee)
            return k;
    }
    return 0;
}

int32_t ChercheArcHoraire(const CleService& c)
{
    const bool montante = RechercheMontante;
    RechercheMontante = !montante;
    const int32_t pas = montante ? 1 : -1;
    for (int32_t k = montante ? 1 : K.NbArcs; k >= 1 && k <= K.NbArcs; k += pas)
        if (CleDeArc(k) == c)
            return k;
    return 0;
}

void ChoisitTypeArcEditeur()
{
    const Liste& l = K.Formes.ModifArcs.ListeModifiable3;
    TypeArcParNom(l.Entree(l.ListIndex), K.TypeArcChoisi);
}

int32_t ChercheArcLigneHoraire(const LigneService* ligne)
{
    ChoisitTypeArcEditeur();
    return ligne ? ChercheArcHoraire(ligne->Cle) : 0;
}

int32_t ChercheArcSaisieHoraire(const LigneService* ligne) { return ChercheArcLigneHoraire(ligne); }

int32_t ChercheArcLigneHoraireNoeud(const LigneService* ligne) { return ChercheArcLigneHoraire(ligne); }

IndexServices::IndexServices()
{
    arcs_.reserve(static_cast<std::size_t>(K.NbArcs));
    for (int32_t k = 1; k <= K.NbArcs; ++k) {
        arcs_[CleDeArc(k)].push_back(k);
    }
}

int32_t IndexServices::Cherche(const CleService& cle) const
{
    const bool montante = RechercheMontante;
    RechercheMontante = !montante;
    const auto it = arcs_.find(cle);
    if (it == arcs_.end())
        return 0;
    return montante ? it->second.front() : it->second.back();
}

} // namespace kelmo
