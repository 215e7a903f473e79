#include "timetables/DetectionErreurs.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/Tables.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "timetables/EtatHoraires.h"
#include "timetables/HorairesArcs.h"
#include "timetables/IndexArcsNoeuds.h"
#include "timetables/LiensHoraires.h"
#include "timetables/LignesHoraires.h"
#include "timetables/RechercheHoraires.h"

#include <cmath>
#include <vector>

namespace kelmo {
namespace {

// A margin answered 0, negative, not a number or cancelled keeps the value
// it had: a margin of 0 would divide by zero. So does a number beyond the
// range of the numbers, which no margin can be: the user is told.
void demande(const QString& invite, const QString& nom, double& valeur)
{
    const QString titre = QStringLiteral("Paramètres de vérification");
    const auto r = Ui().Saisie(invite, titre, TexteAvecSigne(valeur));
    if (!r)
        return;
    const NombreLu v = LitNombre(*r, {Etendue::Tete}, nom, titre);
    if (v && *v > 0)
        valeur = *v;
}

// The link's timetable as the window shows it.
void montreLiaison(int32_t a, int32_t b)
{
    ChoisitOrigineEditeur(a);
    ChoisitDestinationEditeur(b);
    AfficheHorairesArc();
}

} // namespace

void DetecteErreursHoraires()
{
    EtatHoraires& e = Horaires();
    if (!(e.EcartMaximum > 0))
        e.EcartMaximum = 5;
    if (!(e.MargeSuperieure > 0))
        e.MargeSuperieure = 1.2;
    if (!(e.MargeInferieure > 0))
        e.MargeInferieure = 1.2;
    demande(QStringLiteral("Indiquez la marge supérieure de tolérance (par défaut 20%) :"),
            QStringLiteral("Marge supérieure de tolérance"), e.MargeSuperieure);
    demande(QStringLiteral("Indiquez la marge inférieure de tolérance (par défaut 20%) :"),
            QStringLiteral("Marge inférieure de tolérance"), e.MargeInferieure);
    demande(QStringLiteral("Indiquez l'écart maximum toléré en minutes :"), QStringLiteral("Ecart maximum toléré"),
            e.EcartMaximum);

    ChoisitTypeArcEditeur();
    const int16_t mode = K.TypeArcChoisi.Code;
    const QString message = QStringLiteral("Détecte les erreurs d'horaire...");
    const FinProgression fin;
    const int32_t nb = K.NbArcs;
    AfficheProgression(nb, 1, message);
    // The table does not change while the links are checked: the indexes
    // hold for the whole run, and a link is put on show only when a service
    // is reported and at the end, as the window stands after the last link.
    const IndexArcsNoeuds index;
    const IndexServices services;
    std::vector<char> vu(static_cast<std::size_t>(nb) + 1, 0);
    int32_t dernierA = 0, dernierB = 0;
    bool dernierMontre = false;
    for (int32_t i = 1; i <= nb; ++i) {
        AfficheProgression(nb, i, message);
        const Arc& x = K.Arcs[static_cast<std::size_t>(i)];
        if (x.Mode != mode || !EstHoraire(x.HeureDepart, x.HeureArrivee) || vu[static_cast<std::size_t>(i)])
            continue;
        const int32_t a = x.IndiceOrigine, b = x.IndiceDestination;
        dernierA = a;
        dernierB = b;
        dernierMontre = false;
        // The order of the lines is that of their texts; a link of one
        // service needs no text to order it.
        ListeServices lignes;
        double m = 0;
        const std::vector<int32_t> arcs = ArcsLiaison(a, b, mode, index);
        if (arcs.size() == 1) {
            const Arc& seul = K.Arcs[static_cast<std::size_t>(arcs[0])];
            lignes.AddItem({QString(), CleDeArc(arcs[0])});
            m = seul.HeureArrivee - seul.HeureDepart;
        } else if (arcs.size() > 1) {
            const ServicesLiaison s = ListeServicesLiaison(a, b, mode, index);
            for (const LigneService& l : s.Lignes)
                lignes.AddItem(l);
            m = s.Moyenne();
        }
        bool montre = false;
        for (int k = 0; k < lignes.ListCount(); ++k) {
            const int32_t j = services.Cherche(lignes.Lignes[static_cast<std::size_t>(k)].Cle);
            // A plain link listed with the services runs at no time: nothing to check.
            if (j == 0 || !EstHoraire(K.Arcs[static_cast<std::size_t>(j)].HeureDepart,
                                      K.Arcs[static_cast<std::size_t>(j)].HeureArrivee))
                continue;
            const double d = K.Arcs[static_cast<std::size_t>(j)].Duree;
            if ((d > e.MargeSuperieure * m || d < m / e.MargeInferieure) && std::fabs(m - d) > e.EcartMaximum) {
                if (!montre) {
                    montreLiaison(a, b);
                    montre = true;
                    dernierMontre = true;
                }
                HorairesArcs_ListeHoraires_Click(k);
                const QChar cr(13);
                const Reponse r = Ui().Message(
                    QStringLiteral("Voulez-vous sortir de la procédure de vérification") + cr
                        + QStringLiteral("pour modifier cet horaire ?") + cr + QStringLiteral("Ecart de ")
                        + TexteGeneral(std::fabs(m - d), QLatin1Char(K.SeparateurDecimal), true)
                        + QStringLiteral(" minutes"),
                    Boutons::OuiNon, Icone::Question, QStringLiteral("Erreur d'horaire"));
                if (r == Reponse::Oui)
                    return;
            }
            vu[static_cast<std::size_t>(j)] = 1;
        }
    }
    if ((dernierA != 0 || dernierB != 0) && !dernierMontre)
        montreLiaison(dernierA, dernierB);
    AfficheProgression(nb, nb, message);
}

} // namespace kelmo
