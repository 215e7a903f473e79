#include "timetables/HorairesArcs.h"
#include "core/DonneesDerivees.h"
#include "core/FichierArcs.h"
#include "core/Heures.h"
#include "core/Modele.h"
#include "core/Tables.h"
#include "core/TypesArcs.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "timetables/DetectionErreurs.h"
#include "timetables/Developpement.h"
#include "timetables/EtatHoraires.h"
#include "timetables/LiensHoraires.h"
#include "timetables/LignesHoraires.h"
#include "timetables/Optimisation.h"
#include "timetables/RechercheHoraires.h"
#include "timetables/TrajetTrain.h"

#include <algorithm>
#include <optional>

namespace kelmo {
namespace {

ModeleHorairesArcs& fenetre() { return K.Formes.HorairesArcs; }

const Arc& arc(int32_t k) { return K.Arcs[static_cast<std::size_t>(k)]; }

bool estNoeud(int32_t i) { return i >= 1 && i <= K.NbNoeuds; }

// The feeder of one-way arc k: the last arc of its mode that arrives at its
// origin at its departure minute, not coming from its destination.
int32_t nourricier(int32_t k, const IndexArcsNoeuds& index)
{
    const Arc& a = arc(k);
    const auto arrivants = index.Arrivants(a.IndiceOrigine);
    for (auto it = arrivants.rbegin(); it != arrivants.rend(); ++it) {
        const Arc& j = arc(*it);
        if (j.Mode == a.Mode && j.HeureArrivee == a.HeureDepart && j.IndiceOrigine != a.IndiceDestination)
            return *it;
    }
    return 0;
}

struct Horaires2 {
    double depart = 0, arrivee = 0;
};

// A typed hhmm: its four columns are counted from its first digit, as a
// number is read past the blanks before it (a space typed first, a
// no-break space pasted with it).
double heureTapee(const QString& texte)
{
    qsizetype debut = 0;
    while (debut < texte.size() && texte[debut].isSpace())
        ++debut;
    return ChaineHeureEnMinutes(texte.mid(debut));
}

// A time the service would keep that the arc file cannot write is refused
// here, where it is typed, rather than by every later save.
bool tientDansFichier(double minutes, const QString& quoi)
{
    if (TempsTientDansFichierArcs(minutes))
        return true;
    Ui().Message(QStringLiteral("%1 (%2 minutes) est hors des limites du fichier des arcs (%3) : rien n'est changé.")
                     .arg(quoi, TexteGeneral(minutes), LimitesTempsFichierArcs()),
                 Boutons::OK, Icone::Exclamation, QStringLiteral("Horaires (arcs)"));
    return false;
}

// The two time prompts of "Nouveau" and "Modifier"; nothing when either is
// cancelled or refused.
std::optional<Horaires2> demandeHoraires()
{
    const auto dep = Ui().Saisie(QStringLiteral("Entrez l'heure de départ : "),
                                 QStringLiteral("Heure de départ (0903 pour 9:03)"), QStringLiteral("0000"));
    if (!dep)
        return std::nullopt;
    const auto arr = Ui().Saisie(QStringLiteral("Entrez l'heure de d'arrivée (>") + *dep + QStringLiteral(") : "),
                                 QStringLiteral("Heure d'arrivée"), QStringLiteral("0000"));
    if (!arr)
        return std::nullopt;
    const Horaires2 h{heureTapee(*dep), heureTapee(*arr)};
    if (!tientDansFichier(ArrondiBanquier(h.depart), QStringLiteral("L'heure de départ"))
        || !tientDansFichier(ArrondiBanquier(h.arrivee), QStringLiteral("L'heure d'arrivée"))
        || !tientDansFichier(static_cast<float>(h.arrivee - h.depart), QStringLiteral("La durée du service")))
        return std::nullopt;
    return h;
}

QString entete(int32_t a, int32_t b)
{
    return NomNoeud(a, 12) + QStringLiteral("  ") + NomNoeud(b, 12) + QStringLiteral(" en ") + K.TypeArcChoisi.Nom;
}

// Appends a service, reporting a full table or an impossible time instead
// of leaving the command half done.
bool ajoute(const CleService& c, int32_t o, int32_t d, double longueur, double duree, const QString& jours,
            double debit, double capacite)
{
    try {
        AjouteArc(c.CodeOrigine, c.CodeDestination, o, d, c.Mode, longueur, duree, c.HeureDepart, c.HeureArrivee,
                  jours, debit, capacite);
        return true;
    } catch (const ErreurExecution& e) {
        MessageErreur(TexteErreurPourCommande(e, QStringLiteral("L'horaire n'a pas pu être ajouté.")));
        return false;
    }
}

// A typed time as the table stores it (halves to even).
int16_t minute16(double m) { return static_cast<int16_t>(std::clamp(ArrondiBanquier(m), -32768.0, 32767.0)); }

// A value box of the arc editor, read by its leading number with the
// regional decimal separator, for a single-precision field of the service:
// nothing, after the refusal naming the box, when the field cannot hold it.
std::optional<double> valeurBoite(const QString& texte, const QString& boite)
{
    const NombreLu v = LitNombre(texte, {Etendue::TeteOuZero, VirguleRegionale(), GenreChamp::Simple}, boite,
                                 QStringLiteral("Horaires (arcs)"));
    return v ? std::optional(*v) : std::nullopt;
}

void selectionneService(const CleService& cle)
{
    const int i = LigneDuService(fenetre().ListeHoraires, cle);
    if (i >= 0)
        HorairesArcs_ListeHoraires_Click(i);
}

} // namespace

EtatHoraires& Horaires()
{
    static EtatHoraires etat;
    static const bool enregistre = [] {
        EnregistreReinitialisation([] { etat = EtatHoraires{}; });
        return true;
    }();
    (void)enregistre;
    return etat;
}

std::vector<int32_t> ArcsLiaison(int32_t a, int32_t b, int16_t mode, const IndexArcsNoeuds& index)
{
    std::vector<int32_t> arcs;
    if (!estNoeud(a) || !estNoeud(b))
        return arcs;
    for (const int32_t k : index.Partants(a))
        if (arc(k).IndiceDestination == b && arc(k).Mode == mode)
            arcs.push_back(k);
    if (b != a)
        for (const int32_t k : index.Partants(b))
            if (arc(k).IndiceDestination == a && arc(k).Mode == mode && !arc(k).Oriente)
                arcs.push_back(k);
    std::sort(arcs.begin(), arcs.end());
    return arcs;
}

ServicesLiaison ListeServicesLiaison(int32_t a, int32_t b, int16_t mode, const IndexArcsNoeuds& index)
{
    ServicesLiaison s;
    for (const int32_t k : ArcsLiaison(a, b, mode, index)) {
        const Arc& x = arc(k);
        QString ligne = FormateLigneArc(k);
        if (x.Oriente)
            ligne += QStringLiteral("  ") + TexteVientDe(k, nourricier(k, index));
        s.Lignes.push_back({ligne, CleDeArc(k)});
        s.Arcs.push_back(k);
        if (EstHoraire(x.HeureDepart, x.HeureArrivee)) {
            ++s.Horaires;
            s.Total += x.HeureArrivee - x.HeureDepart;
        }
    }
    return s;
}

void AfficheHorairesArc()
{
    ModeleHorairesArcs& f = fenetre();
    const ModeleModifArcs& e = K.Formes.ModifArcs;
    ChoisitTypeArcEditeur();
    Horaires().IndiceNoeudTrouve = e.ListeModifiable1.ListIndex;
    Horaires().IndiceNouveauNoeud = e.ListeModifiable2.ListIndex;
    const IndexArcsNoeuds index;
    const ServicesLiaison s = ListeServicesLiaison(Horaires().IndiceNoeudTrouve, Horaires().IndiceNouveauNoeud,
                                                   K.TypeArcChoisi.Code, index);
    RemplitHorairesArc(s);
    (void)f;
}

void RemplitHorairesArc(const ServicesLiaison& s)
{
    ModeleHorairesArcs& f = fenetre();
    f.ListeHoraires.Clear();
    for (const LigneService& l : s.Lignes)
        f.ListeHoraires.AddItem(l);
    const auto n = static_cast<double>(s.Lignes.size());
    Horaires().MoyenneHoraires = s.Moyenne();
    f.OriDest = entete(Horaires().IndiceNoeudTrouve, Horaires().IndiceNouveauNoeud) + QStringLiteral("  (")
                + FormatDieses(n) + QStringLiteral(" HorairesArcs, moyenne : ")
                + FormatDieses(ArrondiBanquier(Horaires().MoyenneHoraires)) + QLatin1Char(')');
    K.CompareHoraires = true;
    f.Modifier.Enabled = false;
    f.AfficheTrain.Enabled = false;
    f.Command3D1.Enabled = false;
    f.LigneEstChoisie = false;
    f.LigneChoisie.clear();
    MontreFenetreHoraire(FenetreHoraire::HorairesArcs);
}

int LigneDuService(const ListeServices& liste, const CleService& cle)
{
    for (int i = 0; i < liste.ListCount(); ++i)
        if (liste.Lignes[static_cast<std::size_t>(i)].Cle == cle)
            return i;
    return -1;
}

void HorairesArcs_ListeHoraires_Click(int index)
{
    ModeleHorairesArcs& f = fenetre();
    f.ListeHoraires.Choisit(index);
    const LigneService* l = f.ListeHoraires.Ligne(f.ListeHoraires.ListIndex);
    f.LigneEstChoisie = l != nullptr;
    f.LigneChoisie = l ? l->Texte : QString();
    f.CleChoisie = l ? l->Cle : CleService{};
    f.Modifier.Enabled = f.LigneEstChoisie;
    f.AfficheTrain.Enabled = f.LigneEstChoisie;
    f.Command3D1.Enabled = f.LigneEstChoisie;
}

void HorairesArcs_Command3D2_Click()
{
    const auto h = demandeHoraires();
    if (!h)
        return;
    const ModeleModifArcs& e = K.Formes.ModifArcs;
    const int32_t o = e.ListeModifiable1.ListIndex, d = e.ListeModifiable2.ListIndex;
    if (!estNoeud(o) || !estNoeud(d))
        return;
    ModeleHorairesArcs& f = fenetre();
    TypeArcParNom(e.ListeModifiable3.Entree(e.ListeModifiable3.ListIndex), f.TypeArcHoraire);
    const CleService c{K.Noeuds[o].Code, K.Noeuds[d].Code, f.TypeArcHoraire.Code,
                       minute16(h->depart),
                       minute16(h->arrivee)};
    std::optional<double> longueur, debit, capacite;
    if (!(longueur = valeurBoite(e.Longueur, QStringLiteral("Longueur")))
        || !(debit = valeurBoite(e.Débit, QStringLiteral("Débit")))
        || !(capacite = valeurBoite(e.Capacité, QStringLiteral("Capacité"))))
        return;
    if (!ajoute(c, o, d, *longueur, h->arrivee - h->depart, QString(), *debit, *capacite))
        return;
    AfficheHorairesArc();
    if (f.ListeHoraires.ListCount() > 0)
        HorairesArcs_ListeHoraires_Click(f.ListeHoraires.ListCount() - 1);
}

void HorairesArcs_Command3D1_Click()
{
    ModeleHorairesArcs& f = fenetre();
    if (!f.LigneEstChoisie)
        return;
    LigneService l{f.LigneChoisie, f.CleChoisie};
    const int32_t k = ChercheArcSaisieHoraire(&l);
    if (k > 0) {
        // Only the chosen line's service goes: an identical service or the
        // reverse one at the same minutes keeps its own line.
        SupprimeArc(k);
        if (K.AfficheMessagesElimination)
            Ui().Message(TexteAvecSigne(1) + QStringLiteral(" arc a été éliminé.") + QChar(13)
                             + QStringLiteral("Numéro de ligne : ") + TexteAvecSigne(k),
                         Boutons::OK, Icone::Information, QStringLiteral("Elimination des arcs"));
        IndexeArcs();
    }
    AfficheHorairesArc();
}

void HorairesArcs_Modifier_Click()
{
    ModeleHorairesArcs& f = fenetre();
    if (!f.LigneEstChoisie)
        return;
    LigneService l{f.LigneChoisie, f.CleChoisie};
    const int32_t k = ChercheArcSaisieHoraire(&l);
    if (k == 0) {
        AfficheHorairesArc();
        return;
    }
    const auto h = demandeHoraires();
    if (!h)
        return;
    const Arc ancien = arc(k);
    const CleService c{ancien.CodeOrigine, ancien.CodeDestination, ancien.Mode,
                       minute16(h->depart),
                       minute16(h->arrivee)};
    // Only the times change: the service keeps its length, days, line
    // number and capacity. The times were checked against the file's
    // columns and the deletion frees a place, so the new service always fits.
    SupprimeArc(k);
    const bool remplace = ajoute(c, ancien.IndiceOrigine, ancien.IndiceDestination, ancien.Longueur,
                                 h->arrivee - h->depart, ancien.Jours.texte(), ancien.Debit, ancien.Capacite);
    IndexeArcs();
    AfficheHorairesArc();
    if (remplace)
        selectionneService(CleDeArc(K.NbArcs));
}

void HorairesArcs_AfficheTrain_Click()
{
    MontreFenetreHoraire(FenetreHoraire::Trains);
    AfficheTrajetTrain();
}

void HorairesArcs_DetecteErreurs_Click() { DetecteErreursHoraires(); }

void HorairesArcs_DévHor_Click()
{
    const Sablier sablier;
    if (DeveloppeHorairesArcs())
        IndexeArcs();
    fenetre().Optimise.Visible = true;
    K.Menu(QStringLiteral("menOptimisationHoraire")).Enabled = true;
}

void HorairesArcs_Optimise_Click()
{
    const Sablier sablier;
    OptimiseHoraires();
    IndexeArcs();
    fenetre().Optimise.Visible = true;
}

void HorairesArcs_Command3D3_Click()
{
    K.CompareHoraires = false;
    CacheFenetreHoraire(FenetreHoraire::HorairesArcs);
    CacheFenetreHoraire(FenetreHoraire::Trains);
    MontreEditeurArcs();
}

void HorairesArcs_Form_Resize()
{
    ModeleHorairesArcs& f = fenetre();
    f.HauteurListe = std::max(0, f.Height - f.HauteurEtiquette1 - f.HauteurOriDest - 400);
}

} // namespace kelmo

namespace kelmo {
void OuvreHorairesArc() { AfficheHorairesArc(); }
} // namespace kelmo
