#include "timetables/HorairesNoeuds.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "timetables/EtatHoraires.h"
#include "timetables/HorairesArcs.h"
#include "timetables/IndexArcsNoeuds.h"
#include "timetables/LiensHoraires.h"
#include "timetables/LignesHoraires.h"
#include "timetables/RechercheHoraires.h"
#include "timetables/TrajetTrain.h"

#include <algorithm>

namespace kelmo {
namespace {

const Arc& arc(int32_t k) { return K.Arcs[static_cast<std::size_t>(k)]; }

// The last arc of the list in table order that meets the test.
template <class Test>
int32_t dernier(std::span<const int32_t> arcs, Test test)
{
    for (auto it = arcs.rbegin(); it != arcs.rend(); ++it)
        if (test(arc(*it)))
            return *it;
    return 0;
}

} // namespace

void AfficheHorairesNoeud()
{
    ModeleHorairesNoeuds& f = K.Formes.HorairesNoeuds;
    ChoisitTypeArcEditeur();
    const int32_t n = K.Formes.ModifNoeuds.ListeModifiable1.ListIndex;
    Horaires().IndiceNoeudTrouve = n;
    f.ListeHorairesNoeud.Clear();
    const bool arrivees = f.HArrivées;
    const QString entete = (arrivees ? QStringLiteral("Vers ") : QStringLiteral("De ")) + NomNoeud(n, 20)
                           + QStringLiteral(" en ") + K.TypeArcChoisi.Nom;
    const int16_t mode = K.TypeArcChoisi.Code;
    int compte = 0;
    const FinProgression fin;
    if (n >= 1 && n <= K.NbNoeuds) {
        const QString message = QStringLiteral("Affiche les horaires pour ") + NomNoeud(n, 50);
        AfficheProgression(K.NbArcs, 1, message);
        const IndexArcsNoeuds index;
        std::vector<int32_t> arcs;
        for (const int32_t k : index.Partants(n))
            arcs.push_back(k);
        for (const int32_t k : index.Arrivants(n))
            if (arc(k).IndiceOrigine != n)
                arcs.push_back(k);
        std::sort(arcs.begin(), arcs.end());
        for (const int32_t k : arcs) {
            const Arc& a = arc(k);
            if (a.Mode != mode)
                continue;
            QString ligne;
            if (!a.Oriente) {
                ligne = LigneDoubleSensNoeud(k, n);
            } else if (!arrivees && a.IndiceOrigine == n) {
                ligne = LigneDepartNoeud(k, dernier(index.Arrivants(n), [&](const Arc& j) {
                    return j.Mode == mode && j.HeureArrivee == a.HeureDepart && j.IndiceOrigine != a.IndiceDestination;
                }));
            } else if (arrivees && a.IndiceDestination == n) {
                ligne = LigneArriveeNoeud(k, dernier(index.Partants(n), [&](const Arc& j) {
                    return j.Mode == mode && j.HeureDepart == a.HeureArrivee && j.IndiceDestination != a.IndiceOrigine;
                }));
            } else {
                continue;
            }
            f.ListeHorairesNoeud.AddItem({ligne, CleDeArc(k)});
            ++compte;
            AfficheProgression(K.NbArcs, k, message);
        }
    }
    f.DépartDe = entete + QStringLiteral("  (") + FormatDieses(compte) + QStringLiteral(" HorairesNoeuds)");
    K.CompareHoraires = true;
    MontreFenetreHoraire(FenetreHoraire::HorairesNoeuds);
}

void HorairesNoeuds_HDéparts_Click()
{
    ModeleHorairesNoeuds& f = K.Formes.HorairesNoeuds;
    f.HDéparts = true;
    f.HArrivées = false;
    f.Etiquette1 = QStringLiteral("H dép., H arr., Jours , Durée, Num ligne, Vers (Vient de)");
    AfficheHorairesNoeud();
}

void HorairesNoeuds_HArrivées_Click()
{
    ModeleHorairesNoeuds& f = K.Formes.HorairesNoeuds;
    f.HArrivées = true;
    f.HDéparts = false;
    f.Etiquette1 = QStringLiteral("H Arr, (H dép), Jours , Durée, Num Ligne, Vient de (Continue vers)");
    AfficheHorairesNoeud();
}

void HorairesNoeuds_ListeHorairesNoeud_DblClick(int index)
{
    const LigneService* l = K.Formes.HorairesNoeuds.ListeHorairesNoeud.Ligne(index);
    const int32_t j = l ? ChercheArcLigneHoraireNoeud(l) : 0;
    if (j == 0)
        return;
    const Arc a = arc(j);
    MontreEditeurArcs();
    ChoisitOrigineEditeur(a.IndiceOrigine);
    ChoisitDestinationEditeur(a.IndiceDestination);
    AfficheHorairesArc();
    const ListeServices& horaires = K.Formes.HorairesArcs.ListeHoraires;
    int p = 0;
    for (int k = 0; k < horaires.ListCount(); ++k)
        if (horaires.Lignes[static_cast<std::size_t>(k)].Cle == l->Cle)
            p = k;
    if (horaires.ListCount() > 0)
        HorairesArcs_ListeHoraires_Click(p);
    MontreFenetreHoraire(FenetreHoraire::Trains);
    AfficheTrajetTrain();
}

void HorairesNoeuds_Command3D3_Click()
{
    CacheFenetreHoraire(FenetreHoraire::HorairesNoeuds);
    MontreEditeurNoeuds();
}

void HorairesNoeuds_Form_Resize()
{
    ModeleHorairesNoeuds& f = K.Formes.HorairesNoeuds;
    f.HauteurListe = std::max(0, f.Height - f.HauteurEtiquette1 - f.HauteurDépartDe - 400);
}

} // namespace kelmo

namespace kelmo {
void OuvreHorairesNoeud() { AfficheHorairesNoeud(); }
} // namespace kelmo
