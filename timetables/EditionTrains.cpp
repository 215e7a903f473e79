#include "timetables/EditionTrains.h"
#include "core/DonneesDerivees.h"
#include "core/FichierArcs.h"
#include "core/Modele.h"
#include "core/Tables.h"
#include "core/TypesArcs.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "timetables/HorairesArcs.h"
#include "timetables/LiensHoraires.h"
#include "timetables/LignesHoraires.h"
#include "timetables/RechercheHoraires.h"
#include "timetables/TrajetTrain.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace kelmo {
namespace {

enum class Commande { Dupliquer, Avancer, Reculer, Supprimer };

struct Textes {
    QString titre, sansSelection, invite, titreInvite;
};

Textes textes(Commande c)
{
    switch (c) {
    case Commande::Dupliquer:
        return {QStringLiteral("Dupliquer un train"),
                QStringLiteral("Pour dupliquer un train il est nécessaire de sélectionner des horaires."),
                QStringLiteral("Indiquez le nombre de minutes de décalage par rapport au train sélectionné :"),
                QStringLiteral("Dupliquer le train")};
    case Commande::Avancer:
        return {QStringLiteral("Avancer un train"),
                QStringLiteral("Pour avancer un train il est nécessaire de sélectionner des horaires."),
                QStringLiteral("Indiquez le nombre de minutes :"), QStringLiteral("Avancer le train")};
    case Commande::Reculer:
        return {QStringLiteral("Reculer un train"),
                QStringLiteral("Pour reculer un train il est nécessaire de sélectionner des horaires."),
                QStringLiteral("Indiquez le nombre de minutes :"), QStringLiteral("Reculer le train")};
    case Commande::Supprimer:
        break;
    }
    return {QStringLiteral("Supprimer un train"),
            QStringLiteral("Pour supprimer un train il est nécessaire de sélectionner des horaires."), QString(),
            QString()};
}

struct Remise {
    ~Remise() { K.AfficheMessagesElimination = true; }
};

// The shift typed in. A number beyond the range of the numbers is an
// infinite shift, which the range test refuses as it refuses any shift
// that would take a time out of its limits.
double decalage(const QString& reponse)
{
    if (const NombreLu v = LitNombre(reponse, RegleNombre{}))
        return *v;
    const double infini = std::numeric_limits<double>::infinity();
    return reponse.trimmed().startsWith(QLatin1Char('-')) ? -infini : infini;
}

void execute(Commande c)
{
    ModeleTrains& f = K.Formes.Trains;
    ListeServices& liste = f.ListeTrains;
    const Textes t = textes(c);
    const Liste& types = K.Formes.ModifArcs.ListeModifiable3;
    TypeArcParNom(types.Entree(types.ListIndex), f.TypeArcTrain);

    const int n = liste.SelCount(), total = liste.ListCount();
    if (n == 0) {
        Ui().Message(t.sansSelection, Boutons::OK, Icone::Aucune, t.titre);
        return;
    }
    if (Ui().Message(QStringLiteral("Vous avez sélectionné ") + QString::number(n) + QStringLiteral(" horaires sur ")
                         + QString::number(total) + QLatin1Char('.'),
                     Boutons::OKAnnuler, Icone::Aucune, t.titre)
        != Reponse::OK)
        return;
    double m = 0;
    if (c != Commande::Supprimer) {
        const auto reponse = Ui().Saisie(t.invite, t.titreInvite, QStringLiteral("4"));
        m = reponse ? decalage(*reponse) : 0;
        if (m == 0)
            return;
        if (c == Commande::Reculer)
            m = -m;
        SelectionneTrains();
    }

    // Refused whole before anything changes: a shift that takes a time out
    // of what the arc file writes (which the 16-bit times hold), or copies
    // past the table's limit.
    if (c != Commande::Supprimer)
        for (int i = 0; i < total; ++i)
            if (liste.Selected(i)) {
                const CleService& cle = liste.Lignes[static_cast<std::size_t>(i)].Cle;
                if (!TempsTientDansFichierArcs(ArrondiBanquier(cle.HeureDepart + m))
                    || !TempsTientDansFichierArcs(ArrondiBanquier(cle.HeureArrivee + m))) {
                    Ui().Message(QStringLiteral("Ce décalage mènerait un horaire hors des limites du fichier des arcs "
                                                "(%1) : aucun horaire n'est changé.")
                                     .arg(LimitesTempsFichierArcs()),
                                 Boutons::OK, Icone::Exclamation, t.titre);
                    return;
                }
            }
    if (c == Commande::Dupliquer && K.NbArcs + liste.SelCount() > NbMaxArcsFichier) {
        Ui().Message(QStringLiteral("La table des arcs serait pleine : les trains ne sont pas dupliqués."), Boutons::OK,
                     Icone::Exclamation, t.titre);
        return;
    }

    const ListeServices& horaires = K.Formes.HorairesArcs.ListeHoraires;
    const LigneService* avant = horaires.Ligne(horaires.ListIndex);
    std::optional<CleService> choisie;
    if (avant)
        choisie = avant->Cle;
    std::optional<CleService> nouvelleChoisie = choisie;

    {
        const Remise remise;
        for (int i = 0; i < total; ++i) {
            if (!liste.Selected(i))
                continue;
            // A line whose service is gone (deleted before) is skipped.
            const int32_t k = ChercheArcLigneHoraire(liste.Ligne(i));
            if (k == 0)
                continue;
            const Arc a = K.Arcs[static_cast<std::size_t>(k)];
            K.AfficheMessagesElimination = false;
            // Only this line's service goes: an identical or reverse service
            // is another train.
            if (c != Commande::Dupliquer)
                SupprimeArc(k);
            if (c != Commande::Supprimer) {
                AjouteArc(a.CodeOrigine, a.CodeDestination, a.IndiceOrigine, a.IndiceDestination, a.Mode, a.Longueur,
                          a.Duree, a.HeureDepart + m, a.HeureArrivee + m, a.Jours.texte(), a.Debit, a.Capacite);
                if (c != Commande::Dupliquer && choisie && *choisie == CleDeService(a))
                    nouvelleChoisie = CleDeArc(K.NbArcs);
            }
            K.AfficheMessagesElimination = true;
        }
    }

    IndexeArcs();
    AfficheHorairesArc();
    if (c == Commande::Avancer || c == Commande::Reculer) {
        if (nouvelleChoisie) {
            const int p = LigneDuService(K.Formes.HorairesArcs.ListeHoraires, *nouvelleChoisie);
            if (p >= 0)
                HorairesArcs_ListeHoraires_Click(p);
        }
        AfficheTrajetTrain();
    }
}

} // namespace

void Trains_Dupliquer_Click() { execute(Commande::Dupliquer); }
void Trains_Avancer_Click() { execute(Commande::Avancer); }
void Trains_Reculer_Click() { execute(Commande::Reculer); }
void Trains_Supprimer_Click() { execute(Commande::Supprimer); }

void Trains_ListeTrains_DblClick(int index)
{
    const ListeServices& liste = K.Formes.Trains.ListeTrains;
    const LigneService* l = liste.Ligne(index);
    const int32_t k = l ? ChercheArcLigneHoraire(l) : 0;
    if (k == 0)
        return;
    const Arc a = K.Arcs[static_cast<std::size_t>(k)];
    ChoisitOrigineEditeur(a.IndiceOrigine);
    ChoisitDestinationEditeur(a.IndiceDestination);
    AfficheHorairesArc();
    const ListeServices& horaires = K.Formes.HorairesArcs.ListeHoraires;
    int p = 0;
    const CleService cle = CleDeService(a);
    for (int j = 0; j < horaires.ListCount(); ++j)
        if (horaires.Lignes[static_cast<std::size_t>(j)].Cle == cle)
            p = j;
    if (horaires.ListCount() > 0)
        HorairesArcs_ListeHoraires_Click(p);
}

void Trains_Quitter_Click()
{
    CacheFenetreHoraire(FenetreHoraire::Trains);
    MontreEditeurArcs();
    MontreFenetreHoraire(FenetreHoraire::HorairesArcs);
}

void Trains_Form_Resize()
{
    ModeleTrains& f = K.Formes.Trains;
    f.HauteurListe = std::max(0, f.Height - f.HauteurEtiquette1 - f.HauteurInfo - 400);
}

QString TexteSelectionTrains()
{
    const ListeServices& l = K.Formes.Trains.ListeTrains;
    QString texte;
    for (int i = 0; i < l.ListCount(); ++i)
        if (l.Selected(i))
            texte += QChar(10) + l.Lignes[static_cast<std::size_t>(i)].Texte;
    return texte;
}

void CopieSelectionTrains()
{
    if (LiensFenetresHoraires().CopieTexte)
        LiensFenetresHoraires().CopieTexte(TexteSelectionTrains());
}

} // namespace kelmo
