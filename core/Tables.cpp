#include "core/Tables.h"
#include "core/Modele.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"

namespace kelmo {

void AjouteArc(double codeOrigine, double codeDestination, double indiceOrigine, double indiceDestination, double mode,
               double longueur, double duree, double heureDepart, double heureArrivee, const QString& jours,
               double debit, double capacite)
{
    if (K.NbArcs >= NbMaxArcsFichier)
        LeveErreur(ErrTropDeDonnees, QStringLiteral("La table des arcs est pleine (%1 arcs).").arg(NbMaxArcsFichier));
    // Every conversion is done before the table grows, so an overflow leaves
    // the table as it was.
    Arc a;
    a.CodeOrigine = EnEntier32(codeOrigine);
    a.CodeDestination = EnEntier32(codeDestination);
    a.IndiceOrigine = EnEntier16(indiceOrigine);
    a.IndiceDestination = EnEntier16(indiceDestination);
    a.Mode = EnEntier16(mode);
    a.Longueur = static_cast<float>(longueur);
    a.Duree = static_cast<float>(duree);
    a.HeureDepart = EnEntier16(heureDepart);
    a.HeureArrivee = EnEntier16(heureArrivee);
    a.Jours = jours;
    a.Debit = static_cast<float>(debit);
    a.Capacite = static_cast<float>(capacite);
    a.Minimal = 1;
    a.Oriente = EstHoraire(a.HeureDepart, a.HeureArrivee);
    K.Arcs.resize(static_cast<std::size_t>(K.NbArcs) + 1);
    K.Arcs.push_back(a);
    K.NbArcs++;
    if (K.ComparaisonArcs.size() < K.Arcs.size())
        K.ComparaisonArcs.resize(K.Arcs.size(), 0.0f);
}

void AjouteNoeud(const QString& nom, double code, double population, double x, double y, double z)
{
    if (K.NbNoeuds >= NbMaxNoeudsTable)
        LeveErreur(ErrTropDeDonnees, QStringLiteral("La table des noeuds est pleine (%1 noeuds).").arg(NbMaxNoeudsTable));
    Noeud n;
    n.X = static_cast<float>(x);
    n.Y = static_cast<float>(y);
    n.Code = EnEntier32(code);
    n.Z = static_cast<float>(z);
    n.Nom = nom;
    n.Population = EnEntier32(population);
    n.Visible = true;
    K.Noeuds.resize(static_cast<std::size_t>(K.NbNoeuds) + 1);
    K.Noeuds.push_back(n);
    K.NbNoeuds++;
    K.IndexNoeuds.resize(static_cast<std::size_t>(K.NbNoeuds) + 1, 0);
    K.IndexNoeuds[K.NbNoeuds] = static_cast<int16_t>(K.NbNoeuds);
}

bool ChercheNoeudParCode(double code)
{
    for (int i = 1; i <= K.NbNoeuds; ++i)
        if (K.Noeuds[i].Code == code)
            return true;
    return false;
}

void RenumeroteNoeudDansArcs(double ancienCode, double nouveauCode)
{
    const int32_t nouveau = EnEntier32(nouveauCode);
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        Arc& a = K.Arcs[i];
        if (a.CodeOrigine == ancienCode)
            a.CodeOrigine = nouveau;
        if (a.CodeDestination == ancienCode)
            a.CodeDestination = nouveau;
    }
}

void SupprimeArc(int32_t k)
{
    if (k < 1 || k > K.NbArcs)
        return;
    K.Arcs.erase(K.Arcs.begin() + k);
    // The comparison classes stay with their arcs.
    if (static_cast<std::size_t>(k) < K.ComparaisonArcs.size())
        K.ComparaisonArcs.erase(K.ComparaisonArcs.begin() + k);
    K.NbArcs--;
    K.Arcs.resize(static_cast<std::size_t>(K.NbArcs) + 1);
}

void SupprimeNoeud(int32_t k)
{
    if (k < 1 || k > K.NbNoeuds)
        return;
    // Only the stored fields move down; the derived ones stay with their
    // positions until the caller derives them again.
    for (int32_t i = k; i < K.NbNoeuds; ++i) {
        Noeud& n = K.Noeuds[i];
        const Noeud& s = K.Noeuds[i + 1];
        n.Nom = s.Nom;
        n.Code = s.Code;
        n.Population = s.Population;
        n.X = s.X;
        n.Y = s.Y;
        n.Z = s.Z;
    }
    K.NbNoeuds--;
    K.Noeuds.resize(static_cast<std::size_t>(K.NbNoeuds) + 1);
}

} // namespace kelmo
