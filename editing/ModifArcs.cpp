#include "editing/ModifArcs.h"
#include "core/Heures.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/Tables.h"
#include "core/TypesArcs.h"
#include "editing/CrochetsEdition.h"
#include "editing/ElimineArcsEntre.h"
#include "editing/LiensEdition.h"
#include "editing/SaisiesEdition.h"
#include "editing/TesteLongueursArcs.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "view/DessinArcs.h"
#include "view/Redessin.h"
#include "view/SaisiesAffichage.h"

#include <cmath>
#include <optional>

namespace kelmo {
namespace {

ModeleModifArcs& M() { return K.Formes.ModifArcs; }

QString texteListe(const Liste& l)
{
    return l.ListIndex >= 0 && l.ListIndex < l.Entrees.size() ? l.Entrees[l.ListIndex] : QString();
}

bool noeudValide(int i) { return i >= 1 && i <= K.NbNoeuds && i < static_cast<int>(K.Noeuds.size()); }

bool definitIndex(Liste& l, int index)
{
    if (index < -1 || index >= l.Entrees.size())
        return false;
    l.ListIndex = index;
    return true;
}

void erreur(const QString& texte) { Ui().Message(texte, Boutons::OK, Icone::Critique, QStringLiteral("Erreur")); }

void messageLongueurNulle()
{
    Ui().Message(QStringLiteral("L'arc a une longueur nulle. Il ne peut pas être créé."), Boutons::OK,
                 Icone::Exclamation, QStringLiteral("Création d'arc"));
}

// The delete button beside the timetable or reverse-arc button, or alone.
void btnDetruireEtroit()
{
    Bouton& b = M().BtnDétruire;
    b.Left = 3000;
    b.Width = 975;
    b.FontSize = 10;
}

void btnDetruireLarge()
{
    Bouton& b = M().BtnDétruire;
    b.FontSize = 12;
    b.Width = 1455;
    b.Left = 2520;
}

// An arc drawn as it is created: width 4 in the current pen colour, with its
// arrow for a road link type.
void dessineArc(int o, int d, bool fleche)
{
    ZoneImage& ima = Ima();
    ima.DrawWidth = 4;
    const Noeud& a = K.Noeuds[o];
    const Noeud& b = K.Noeuds[d];
    if (fleche)
        DessineFleche(a.XEcran, a.YEcran, b.XEcran, b.YEcran);
    else
        ima.TracePolyligne(a.XEcran, a.YEcran, b.XEcran, b.YEcran);
}

// The arc shown, redrawn after one of its values changed.
void redessineArcAffiche(int32_t k)
{
    const Arc& a = K.Arcs[k];
    if (!noeudValide(a.IndiceOrigine) || !noeudValide(a.IndiceDestination))
        return;
    TypeArc t{};
    TypeArcParCode(a.Mode, t);
    Ima().ForeColor = t.CouleurCommun;
    dessineArc(a.IndiceOrigine, a.IndiceDestination, t.Routier);
    Ima().Refresh();
}

const QString TitreCreation = QStringLiteral("Création d'arc");
const QString TitreModification = QStringLiteral("Modification");

// The minutes of a length at a speed, as the length rule gives them; true
// when a single can hold them (always without a speed: no time follows).
bool dureeDeLongueurTient(double longueur, double vitesse, double* minutes = nullptr)
{
    if (vitesse == 0)
        return true;
    const double mn = std::floor(longueur * 60 / vitesse);
    if (minutes)
        *minutes = mn;
    return TientDansChamp(mn, GenreChamp::Simple);
}

// A link type under which the arc's length takes a time no single holds:
// nothing was typed, so the message names the length and the link type.
void refuseDureeDuType(float longueur, const QString& type)
{
    Ui().Message(QStringLiteral("La longueur %1 de cet arc donnerait en « %2 » une durée hors des limites des "
                                "nombres : rien n'est changé.")
                     .arg(TexteGeneral(longueur, QLatin1Char('.'), true), type.trimmed()),
                 Boutons::OK, Icone::Exclamation, TitreModification);
}

// What "Créer" and "Double l'arc" read from the boxes.
struct ValeursBoites {
    double duree = 0, debit = 0, capacite = 0;
    float longueur = 0;
};

// A duration box that is not a number is the command's failure, which the
// caller reports; a number its field cannot hold, or a length whose time at
// the link type's speed a single cannot hold, is refused here naming its box.
enum class Lecture { Lue, PasNombre, Refusee };

Lecture litBoites(ValeursBoites& v)
{
    const ModeleModifArcs& m = M();
    const GenreChamp simple = GenreChamp::Simple;
    NombreLu lu = LitNombre(m.Heures, ReponseEdition, QStringLiteral("Heures"), TitreCreation);
    const double h = *lu;
    if (lu)
        lu = LitNombre(m.Minutes, ReponseEdition, QStringLiteral("Minutes"), TitreCreation);
    if (!lu)
        return lu.lu == Lu::PasNombre ? Lecture::PasNombre : Lecture::Refusee;
    const double mn = *lu;
    NombreLu longueur, debit, capacite;
    if (!(longueur = LitNombre(m.Longueur, BoiteEdition, QStringLiteral("Longueur"), TitreCreation))
        || !(debit = LitNombre(m.Débit, BoiteEdition, QStringLiteral("Débit"), TitreCreation))
        || !(capacite = LitNombre(m.Capacité, BoiteEdition, QStringLiteral("Capacité"), TitreCreation)))
        return Lecture::Refusee;
    if (!dureeDeLongueurTient(*longueur, m.TypeArcEdite.Vitesse)) {
        RefuseResultatHorsLimites(m.Longueur, QStringLiteral("Longueur"), TitreCreation);
        return Lecture::Refusee;
    }
    v.duree = h * 60 + mn;
    if (!TientDansChamp(v.duree, simple)) {
        const bool heures = !TientDansChamp(h * 60, simple);
        RefuseResultatHorsLimites(heures ? m.Heures : m.Minutes,
                                  heures ? QStringLiteral("Heures") : QStringLiteral("Minutes"), TitreCreation);
        return Lecture::Refusee;
    }
    v.debit = *debit;
    v.capacite = *capacite;
    v.longueur = static_cast<float>(*longueur);
    return Lecture::Lue;
}

enum class Ajout { Echec, LongueurNulle, Fait };

// The arc of the boxes from node de to node vers, of the chosen link type,
// whose colour the pen takes; echec is the message of a failure.
Ajout ajouteArcDesBoites(int de, int vers, bool refuseLongueurNulle, const QString& echec)
{
    ModeleModifArcs& m = M();
    Ima().ForeColor = m.TypeArcEdite.CouleurCommun;
    ValeursBoites v;
    const Lecture lecture = noeudValide(de) && noeudValide(vers) ? litBoites(v) : Lecture::PasNombre;
    if (lecture == Lecture::PasNombre)
        erreur(echec);
    if (lecture != Lecture::Lue)
        return Ajout::Echec;
    // An arc of a link type that is none of the table's would be drawn,
    // listed and timed by no type, and written so to the arc file.
    TypeArc type{};
    if (!TypeArcParCode(m.TypeArcEdite.Code, type)) {
        Ui().Message(QStringLiteral("Aucun type d'arc n'a le mode %1 : choisissez le mode dans la liste. L'arc n'est "
                                    "pas ajouté.")
                         .arg(m.TypeArcEdite.Code),
                     Boutons::OK, Icone::Exclamation, TitreCreation);
        return Ajout::Echec;
    }
    m.LongueurArc = v.longueur;
    if (refuseLongueurNulle && m.LongueurArc == 0) {
        messageLongueurNulle();
        return Ajout::LongueurNulle;
    }
    try {
        AjouteArc(K.Noeuds[de].Code, K.Noeuds[vers].Code, de, vers, m.TypeArcEdite.Code, m.LongueurArc, v.duree, 0,
                  0, QString(), v.debit, v.capacite);
    } catch (const ErreurExecution&) {
        erreur(echec);
        return Ajout::Echec;
    }
    return Ajout::Fait;
}

// No arc between the two nodes: only "Créer" is offered.
void montreSansArc()
{
    ModeleModifArcs& m = M();
    m.Débit = QStringLiteral("0");
    m.BtnHoraires.Visible = false;
    m.BtnDétruire.Visible = false;
    m.BtnDoubleArc.Visible = false;
    m.BtnCréer.Visible = true;
}

void rafraichit()
{
    ModeleModifArcs& m = M();
    const int o = m.ListeModifiable1.ListIndex, d = m.ListeModifiable2.ListIndex;
    if (!(o > 0 && d > 0) || !noeudValide(o) || !noeudValide(d))
        return;
    const double dx = double(K.Noeuds[o].X) - double(K.Noeuds[d].X);
    const double dy = double(K.Noeuds[o].Y) - double(K.Noeuds[d].Y);
    const double s = std::sqrt(dx * dx + dy * dy);
    // The road distance is taken as the straight line plus 8 %.
    ModifArcs_DefinitLongueur(TexteAvecSigne(s * 203 / 188));
    Sablier sablier;
    const int32_t k = ArcAfficheModifArcs();
    if (k == 0) {
        montreSansArc();
        return;
    }
    const Arc a = K.Arcs[k];
    ModifArcs_DefinitLongueur(TexteAvecSigne(a.Longueur, true));
    // Whole minutes first, so that the minutes box never shows a fraction.
    double heures = 0, minutes = 0;
    HeuresMinutes(ArrondiBanquier(a.Duree), heures, minutes);
    m.Heures = TexteEntier(heures);
    m.Minutes = TexteEntier(minutes);
    m.Débit = TexteAvecSigne(a.Debit, true);
    m.Capacité = TexteAvecSigne(a.Capacite, true);
    TypeArcParNom(texteListe(m.ListeModifiable3), m.TypeArcEdite);
    // The reverse arc is offered for a road arc only: a button left over
    // from the road arc shown before would double a scheduled arc unseen.
    m.BtnDoubleArc.Visible = false;
    if (EstTypeHoraire(m.TypeArcEdite.Code)) {
        m.BtnHoraires.Visible = true;
        btnDetruireEtroit();
    } else {
        m.BtnHoraires.Visible = false;
        if (m.TypeArcEdite.Routier) {
            btnDetruireEtroit();
            m.BtnDoubleArc.Visible = true;
        } else {
            btnDetruireLarge();
        }
    }
    m.BtnDétruire.Visible = true;
    m.BtnCréer.Visible = false;
}

enum class Valeur { Capacite, Debit, Longueur };

// Changes one value of the arc shown, in its place in the table: the
// reverse arc and the link's other services stay as they are. The duration
// follows only a new length.
void changeValeur(Valeur quoi, const QString& invite)
{
    ModeleModifArcs& m = M();
    if (!m.BtnDétruire.Visible)
        return;
    const QString boite = quoi == Valeur::Capacite ? QStringLiteral("Capacité")
                          : quoi == Valeur::Debit  ? QStringLiteral("Débit")
                                                   : QStringLiteral("Longueur");
    const QString texte = quoi == Valeur::Capacite ? m.Capacité : (quoi == Valeur::Debit ? m.Débit : m.Longueur);
    // A box typed beyond its field offers no value to confirm: refused, and
    // the boxes show the arc again.
    const NombreLu lue = LitNombre(texte, BoiteEdition, boite, TitreModification);
    if (!lue) {
        rafraichit();
        return;
    }
    const double actuelle = *lue;
    if (quoi == Valeur::Longueur)
        ModifArcs_DefinitLongueur(TexteGeneral(actuelle));
    const std::optional<QString> reponse = Ui().Saisie(invite, TitreModification, TexteAvecSigne(actuelle));
    const NombreLu lu = reponse ? LitNombre(*reponse, ReponseEdition, boite, TitreModification) : NombreLu{};
    const double v = *lu;
    double minutes = 0;
    // A cancelled or unreadable answer changes nothing, nor does one refused
    // here; the boxes show the arc again, as the length box was rewritten
    // before the prompt. The answer is weighed against the arc's own value,
    // not the box's: the box may hold what was typed before Enter.
    if (lu) {
        const int32_t k = ArcAfficheModifArcs();
        if (k == 0) {
            rafraichit();
            return;
        }
        const Arc& propre = K.Arcs[k];
        const float ancienne = quoi == Valeur::Capacite ? propre.Capacite
                               : quoi == Valeur::Debit  ? propre.Debit
                                                        : propre.Longueur;
        if (static_cast<float>(v) == ancienne) {
            rafraichit();
            return;
        }
        const double vitesse = m.TypeArcEdite.Vitesse;
        if (quoi == Valeur::Longueur && static_cast<float>(v) == 0) {
            messageLongueurNulle();
            rafraichit();
            return;
        }
        if (quoi == Valeur::Longueur && !dureeDeLongueurTient(v, vitesse, &minutes)) {
            RefuseResultatHorsLimites(*reponse, boite, TitreModification);
            rafraichit();
            return;
        }
        Arc& a = K.Arcs[k];
        switch (quoi) {
        case Valeur::Capacite: a.Capacite = static_cast<float>(v); break;
        case Valeur::Debit: a.Debit = static_cast<float>(v); break;
        case Valeur::Longueur:
            a.Longueur = static_cast<float>(v);
            if (vitesse != 0)
                a.Duree = static_cast<float>(minutes);
            break;
        }
        redessineArcAffiche(k);
    }
    rafraichit();
}

} // namespace

int32_t ArcAfficheModifArcs()
{
    const ModeleModifArcs& m = M();
    const int o = m.ListeModifiable1.ListIndex, d = m.ListeModifiable2.ListIndex;
    if (!noeudValide(o) || !noeudValide(d))
        return 0;
    const int32_t co = K.Noeuds[o].Code, cd = K.Noeuds[d].Code;
    const int16_t mode = m.ModeCourant;
    const bool routier = m.TypeArcEdite.Routier;
    for (int32_t k = 1; k <= K.NbArcs; ++k) {
        const Arc& a = K.Arcs[k];
        if (a.Mode != mode)
            continue;
        if (a.Oriente || routier) {
            if (a.CodeOrigine == co && a.CodeDestination == cd)
                return k;
        } else if ((a.CodeOrigine == co && a.CodeDestination == cd) || (a.CodeOrigine == cd && a.CodeDestination == co)) {
            return k;
        }
    }
    return 0;
}

void ModifArcs_DefinitListIndex1(int index)
{
    if (definitIndex(M().ListeModifiable1, index))
        ModifArcs_ListeModifiable1_Click();
}

void ModifArcs_DefinitListIndex2(int index)
{
    if (definitIndex(M().ListeModifiable2, index))
        ModifArcs_ListeModifiable2_Click();
}

void ModifArcs_DefinitListIndex3(int index)
{
    if (definitIndex(M().ListeModifiable3, index))
        ModifArcs_ListeModifiable3_Click();
}

void ModifArcs_DefinitLongueur(const QString& texte)
{
    M().Longueur = texte;
    ModifArcs_Longueur_Change();
}

void ModifArcs_ListeModifiable1_Click() { rafraichit(); }
void ModifArcs_ListeModifiable2_Click() { rafraichit(); }

void ModifArcs_Longueur_Change()
{
    ModeleModifArcs& m = M();
    if (m.SaisieDuree)
        return;
    const double v = m.TypeArcEdite.Vitesse;
    if (v == 0) {
        m.Heures.clear();
        m.Minutes = QStringLiteral("0");
        return;
    }
    // A length no arc can take leaves the duration boxes as they were:
    // "Créer" refuses it, naming its box.
    const NombreLu longueur = LitNombre(m.Longueur, BoiteEdition);
    double duree = 0;
    if (!longueur || !dureeDeLongueurTient(*longueur, v, &duree))
        return;
    double heures = 0, minutes = 0;
    HeuresMinutes(duree, heures, minutes);
    m.Heures = TexteEntier(heures);
    m.Minutes = TexteEntier(minutes);
}

void ModifArcs_ListeModifiable3_Click()
{
    ModeleModifArcs& m = M();
    TypeArc nouveau{};
    const bool connu = TypeArcParNom(texteListe(m.ListeModifiable3), nouveau);
    if (m.BtnDétruire.Visible) {
        // The arc shown cannot take a link type that does not exist.
        if (!connu)
            return;
        const Reponse r = Ui().Message(QStringLiteral("Vous allez modifier le mode de cet arc : "),
                                       Boutons::OuiNonAnnuler, Icone::Exclamation, QString());
        if (r == Reponse::Oui) {
            const int32_t k = ArcAfficheModifArcs();
            if (k > 0 && nouveau.Code != m.ModeCourant) {
                Arc& a = K.Arcs[k];
                // A length whose time at the new speed no single holds keeps
                // its arc as it was, and the list its link type, as "Créer"
                // refuses such a length.
                double minutes = 0;
                if (!dureeDeLongueurTient(a.Longueur, nouveau.Vitesse, &minutes)) {
                    refuseDureeDuType(a.Longueur, nouveau.Nom);
                    m.ListeModifiable3.Choisit(static_cast<int>(m.ListeModifiable3.Entrees.indexOf(m.TypeArcEdite.Nom)));
                    rafraichit();
                    return;
                }
                a.Mode = nouveau.Code;
                if (nouveau.Vitesse != 0)
                    a.Duree = static_cast<float>(minutes);
            }
            m.TypeArcEdite = nouveau;
            m.ModeCourant = nouveau.Code;
            if (k > 0)
                redessineArcAffiche(k);
            rafraichit();
            return;
        }
        m.BtnDétruire.Visible = false;
    }
    m.TypeArcEdite = nouveau;
    m.ModeCourant = nouveau.Code;
    rafraichit();
}

void ModifArcs_BtnCréer_Click()
{
    Sablier sablier;
    const ModeleModifArcs& m = M();
    const int o = m.ListeModifiable1.ListIndex, d = m.ListeModifiable2.ListIndex;
    const Ajout r = ajouteArcDesBoites(o, d, true, QStringLiteral("Erreur au cours de la création d'un arc..."));
    if (r == Ajout::Echec)
        return;
    if (r == Ajout::Fait)
        dessineArc(o, d, m.TypeArcEdite.Routier);
    Ima().Refresh();
    rafraichit();
}

void ModifArcs_BtnDétruire_Click()
{
    Sablier sablier;
    ModeleModifArcs& m = M();
    const int o = m.ListeModifiable1.ListIndex, d = m.ListeModifiable2.ListIndex;
    if (!noeudValide(o) || !noeudValide(d))
        return;
    const int32_t co = K.Noeuds[o].Code, cd = K.Noeuds[d].Code;
    // The first call already takes both directions; the second reports nothing found.
    ElimineArcsEntre(co, cd, m.ModeCourant, 0, 0);
    ElimineArcsEntre(cd, co, m.ModeCourant, 0, 0);
    ZoneImage& ima = Ima();
    ima.ForeColor = QBColor(7);
    ima.DrawWidth = 3;
    ima.TracePolyligne(K.Noeuds[o].XEcran, K.Noeuds[o].YEcran, K.Noeuds[d].XEcran, K.Noeuds[d].YEcran);
    rafraichit();
    ima.Refresh();
}

void ModifArcs_BtnDoubleArc_Click()
{
    Sablier sablier;
    ModeleModifArcs& m = M();
    const int o = m.ListeModifiable1.ListIndex, d = m.ListeModifiable2.ListIndex;
    if (ajouteArcDesBoites(d, o, false, QStringLiteral("Erreur au cours du doublage d'un arc...")) != Ajout::Fait)
        return;
    ModifArcs_DefinitListIndex1(d);
    ModifArcs_DefinitListIndex2(o);
    ModifArcs_DefinitLongueur(TexteGeneral(m.LongueurArc, QLatin1Char('.'), true));
    Ima().DrawWidth = 4;
    DessineFleche(K.Noeuds[d].XEcran, K.Noeuds[d].YEcran, K.Noeuds[o].XEcran, K.Noeuds[o].YEcran);
    rafraichit();
}

void ModifArcs_Capacité_MouseDown() { changeValeur(Valeur::Capacite, QStringLiteral("Confirmez la nouvelle cpacité  :")); }
void ModifArcs_Débit_MouseDown() { changeValeur(Valeur::Debit, QStringLiteral("Confirmez le nouveau débit  :")); }
void ModifArcs_Longueur_MouseDown() { changeValeur(Valeur::Longueur, QStringLiteral("Confirmez la nouvelle longueur  :")); }

void ModifArcs_Heures_MouseDown()
{
    ModeleModifArcs& m = M();
    if (!m.BtnDétruire.Visible)
        return;
    m.SaisieDuree = true;
    struct Fin {
        ~Fin() { K.Formes.ModifArcs.SaisieDuree = false; }
    } fin;
    // The default answer is made of the two boxes; one typed beyond its
    // field is refused, and the boxes show the arc again.
    NombreLu h, mn;
    if (!(h = LitNombre(m.Heures, BoiteEdition, QStringLiteral("Heures"), TitreModification))
        || !(mn = LitNombre(m.Minutes, BoiteEdition, QStringLiteral("Minutes"), TitreModification))) {
        rafraichit();
        return;
    }
    const std::optional<QString> reponse =
        Ui().Saisie(QStringLiteral("Confirmez la nouvelle durée  (ex. 0902 pour 9:02) :"), TitreModification,
                    QString::fromStdString(FormatMotif(*h * 100 + *mn, "0000", '.')));
    // A duration cannot be negative; a cancelled, unreadable or refused
    // answer changes nothing, and the boxes show the arc again. A time that
    // a single holds makes fewer minutes than itself, which the single holds
    // too.
    const NombreLu hhmm =
        reponse ? LitNombre(*reponse, ReponseEdition, QStringLiteral("Durée"), TitreModification) : NombreLu{};
    if (!hhmm || *hhmm < 0) {
        rafraichit();
        return;
    }
    const double minutes = HeureEnMinutes(*hhmm);
    const int32_t k = ArcAfficheModifArcs();
    // Weighed against the arc's duration in the whole minutes its boxes show
    // of it, not against the boxes, which may hold what was typed.
    if (k > 0 && minutes != ArrondiBanquier(K.Arcs[k].Duree)) {
        K.Arcs[k].Duree = static_cast<float>(minutes);
        redessineArcAffiche(k);
    }
    rafraichit();
}

void ModifArcs_Minutes_MouseDown() { ModifArcs_Heures_MouseDown(); }

void ModifArcs_BtnHoraires_Click()
{
    if (AfficheHorairesArc)
        AfficheHorairesArc();
}

void ModifArcs_Command3D1_Click() { Kelmo_menOptionsRedessine_Click(); }

void ModifArcs_Command3D3_Click()
{
    Sablier sablier;
    RedessineCarte();
    MontreFenetreEdition(FenetreEdition::ModifArcs);
}

void ModifArcs_Commande1_Click()
{
    Sablier sablier;
    TesteLongueursArcs();
    rafraichit();
}

void RetablitPointeurCarte()
{
    // The map keeps the cross while its clicks still go to a digitising.
    const bool croix = K.Menu(QStringLiteral("menZoomSouris")).Checked || K.ModeDigitalisation || K.ModeCalage;
    K.ImaMousePointer = croix ? 2 : 1;
}

void ModifArcs_Command3D5_Click()
{
    K.ModeModifArcs = false;
    CacheFenetreEdition(FenetreEdition::ModifArcs);
    RetablitPointeurCarte();
}

void ModifArcs_OublieArcAffiche()
{
    if (M().BtnDétruire.Visible)
        montreSansArc();
}

bool ModifArcs_SuitListeTypes()
{
    ModeleModifArcs& m = M();
    TypeArc t{};
    if (!TypeArcParNom(texteListe(m.ListeModifiable3), t) || t.Nom == m.TypeArcEdite.Nom)
        return false;
    m.TypeArcEdite = t;
    m.ModeCourant = t.Code;
    return true;
}

void Kelmo_menModifieOD_Click()
{
    ModeleModifArcs& m = M();
    m.BtnHoraires.Visible = false;
    m.BtnDétruire.Visible = false;
    m.BtnDoubleArc.Visible = false;
    m.BtnCréer.Visible = false;
    ModifArcs_SuitListeTypes();
    MontreFenetreEdition(FenetreEdition::ModifArcs);
    K.ModeModifArcs = true;
    K.ImaMousePointer = 4;
}

} // namespace kelmo
