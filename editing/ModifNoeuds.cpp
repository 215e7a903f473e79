#include "editing/ModifNoeuds.h"
#include "core/DonneesDerivees.h"
#include "core/FichierNoeuds.h"
#include "core/ListesNoeuds.h"
#include "core/Modele.h"
#include "core/Projection.h"
#include "core/Tables.h"
#include "editing/CrochetsEdition.h"
#include "editing/ElimineNoeud.h"
#include "editing/LiensEdition.h"
#include "editing/ModifArcs.h"
#include "editing/SaisiesEdition.h"
#include "editing/TexteValeurNoeud.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "view/Redessin.h"
#include "view/SaisiesAffichage.h"

#include <cmath>
#include <exception>
#include <optional>

namespace kelmo {
namespace {

const QChar CR(13);

ModeleModifNoeuds& M() { return K.Formes.ModifNoeuds; }

bool noeudValide(int i) { return i >= 1 && i <= K.NbNoeuds && i < static_cast<int>(K.Noeuds.size()); }

void refus(const QString& texte, const QString& titre) { MessageOK(texte, Icone::Exclamation, titre); }

QString nomAffiche(const Noeud& n)
{
    QString t = n.Nom.texte();
    t.replace(QChar(u'\0'), QLatin1Char(' '));
    return t;
}

// What "Créer" and "Modifier" read from the boxes, by one rule: the name as
// typed, the code as its leading number, the population and the three
// coordinates as the number they start with.
struct Saisie {
    QString nom;
    double code = 0;
    double population = 0;
    double x = 0, y = 0, z = 0;
};

bool litBoites(Saisie& s, const QString& titre)
{
    const ModeleModifNoeuds& m = M();
    s.nom = m.Texte1;
    if (s.nom.trimmed().isEmpty()) {
        refus(QStringLiteral("Le nom du noeud est vide."), QStringLiteral("Erreur de nom"));
        return false;
    }
    // A number that its field cannot hold is refused naming its box: the
    // code and the population are 32-bit integers, the coordinates singles.
    const NombreLu code = LitNombre(m.Texte2, {Etendue::TeteOuZero, true, GenreChamp::Entier32},
                                    QStringLiteral("Code"), titre);
    if (!code)
        return false;
    s.code = *code;
    struct Boite {
        const QString& texte;
        const char* nom;
        GenreChamp champ;
        double& valeur;
    };
    const Boite boites[] = {{m.Texte3, "Population", GenreChamp::Entier32, s.population},
                            {m.Texte4, "x", GenreChamp::Simple, s.x},
                            {m.Texte5, "y", GenreChamp::Simple, s.y},
                            {m.Texte6, "z", GenreChamp::Simple, s.z}};
    for (const Boite& b : boites) {
        // The population keeps its whole part, which its field must hold.
        const bool entier = b.champ == GenreChamp::Entier32;
        const NombreLu n = LitNombre(b.texte, {Etendue::Tete, true, entier ? GenreChamp::Double : b.champ});
        if (n.lu == Lu::PasNombre) {
            refus(QStringLiteral("La population, x, y ou z n'est pas un nombre."), titre);
            return false;
        }
        const double garde = entier ? std::floor(*n) : *n;
        if (!n || !TientDansChamp(garde, b.champ)) {
            RefuseHorsChamp(b.texte, QString::fromLatin1(b.nom), b.champ, titre);
            return false;
        }
        b.valeur = garde;
    }
    return true;
}

// The five node lists refilled, each keeping the node it showed: after a
// change that renumbers nothing, every list still points at the same node.
void remplitListesEnGardantChoix()
{
    Liste* listes[] = {&K.Formes.ModifArcs.ListeModifiable1, &K.Formes.ModifArcs.ListeModifiable2,
                       &K.Formes.ModifNoeuds.ListeModifiable1, &K.Formes.Angles.ListeModifiable1,
                       &K.Formes.frmAnamorphose.ListeModifiable1};
    int choix[5];
    for (int i = 0; i < 5; ++i)
        choix[i] = listes[i]->ListIndex;
    RemplitListesNoeuds();
    for (int i = 0; i < 5; ++i)
        if (choix[i] < listes[i]->Entrees.size())
            listes[i]->ListIndex = choix[i];
}

void creeNoeud()
{
    Sablier sablier;
    Saisie s;
    if (!litBoites(s, QStringLiteral("Création de noeud")))
        return;
    if (const QChar c = s.nom.at(0); c.unicode() >= 48 && c.unicode() <= 57) {
        refus(QStringLiteral("Le nom du noeud commence par un chiffre.") + CR
                  + QStringLiteral("Modifiez le nom en plaçant une lettre en première position") + CR
                  + QStringLiteral("(le nom peut contenir des chiffres mais pas au début)."),
              QStringLiteral("Erreur de nom"));
        return;
    }
    // The code is looked up as it will be stored, rounded, so that 12.4
    // cannot slip in beside an existing 12.
    if (!CodeNoeudLibre(EnEntier32(s.code)))
        return;
    try {
        AjouteNoeud(s.nom, s.code, s.population, s.x, s.y, s.z);
    } catch (const ErreurExecution& e) {
        refus(e.description(), QStringLiteral("Création de noeud"));
        return;
    }
    RemplitListesNoeuds();
    ReconstruitVue(true);
    RedessineCarte();
}

void modifieNoeud()
{
    Sablier sablier;
    const int i = M().ListeModifiable1.ListIndex;
    if (!noeudValide(i)) {
        refus(QStringLiteral("Choisissez d'abord le noeud à modifier dans la liste."), QStringLiteral("Modification"));
        return;
    }
    Saisie s;
    if (!litBoites(s, QStringLiteral("Modification")))
        return;
    const int32_t code = EnEntier32(s.code);
    const int32_t ancien = K.Noeuds[i].Code;
    const bool meme = code == ancien;
    const bool libre = !meme && !ChercheNoeudParCode(code);
    if (!meme && !libre) {
        refus(QStringLiteral("Le code existe déjà. Changez le pour créer ou modifier une ville."),
              QStringLiteral("Erreur de code"));
        return;
    }
    if (libre)
        RenumeroteNoeudDansArcs(ancien, code);
    Noeud& n = K.Noeuds[i];
    n.X = static_cast<float>(s.x);
    n.Y = static_cast<float>(s.y);
    n.Code = code;
    n.Z = static_cast<float>(s.z);
    n.Population = EnEntier32(s.population);
    n.Nom = s.nom;
    // The whole view again, rotation included, and every list showing the
    // new name; arcs that carried the new code without a node now reach this
    // one.
    ReconstruitVue(libre);
    remplitListesEnGardantChoix();
    RedessineCarte();
}

} // namespace

bool CodeNoeudLibre(int32_t code)
{
    if (!ChercheNoeudParCode(code))
        return true;
    refus(QStringLiteral("Le code de ce noeud existe déjà.") + CR + QStringLiteral("Modifiez le pour créer un nouveau noeud."),
          QStringLiteral("Erreur de code"));
    return false;
}

void ReconstruitVue(bool reindexe)
{
    CalculeCoordonneesEcran();
    TourneAutourNoeud(K.AngleHorizontal, K.VilleCentreRotation);
    InclineNoeuds(K.AngleVertical);
    TrieNoeudsProfondeur();
    if (reindexe) {
        IndexeArcs();
        CalculeModesNoeuds();
    }
}

void ModifNoeuds_DefinitListIndex(int index)
{
    Liste& l = M().ListeModifiable1;
    if (index < -1 || index >= l.Entrees.size())
        return;
    l.ListIndex = index;
    ModifNoeuds_ListeModifiable1_Click();
}

void ModifNoeuds_ListeModifiable1_Click()
{
    ModeleModifNoeuds& m = M();
    int i = m.ListeModifiable1.ListIndex;
    if (i < 1)
        i = 1;
    if (!noeudValide(i))
        return;
    const Noeud& n = K.Noeuds[i];
    m.Texte1 = nomAffiche(n);
    m.Texte2 = QString::number(n.Code);
    m.Texte3 = QString::number(n.Population);
    m.Texte4 = TexteRegional(n.X, K.SeparateurDecimal, true);
    m.Texte5 = TexteRegional(n.Y, K.SeparateurDecimal, true);
    m.Texte6 = TexteRegional(n.Z, K.SeparateurDecimal, true);
    QString modes = n.Modes.texte();
    modes.replace(QChar(u'\0'), QLatin1Char(' '));
    m.Texte7 = modes;
    m.Texte8 = TexteValeurNoeud(i);
    MontreFenetreEdition(FenetreEdition::ModifNoeuds);
}

void ModifNoeuds_Command3D2_Click()
{
    creeNoeud();
    MontreFenetreEdition(FenetreEdition::ModifNoeuds);
}

void ModifNoeuds_Command3D5_Click()
{
    modifieNoeud();
    MontreFenetreEdition(FenetreEdition::ModifNoeuds);
}

void ModifNoeuds_Command3D1_Click()
{
    const int i = M().ListeModifiable1.ListIndex;
    if (!noeudValide(i)) {
        refus(QStringLiteral("Choisissez d'abord le noeud à éliminer dans la liste."), QStringLiteral("Modification"));
        MontreFenetreEdition(FenetreEdition::ModifNoeuds);
        return;
    }
    const Reponse r = Ui().Message(QStringLiteral("Voulez-vous éliminer ") + K.Noeuds[i].Nom.sansBlancsFinaux()
                                       + QStringLiteral(" ?"),
                                   Boutons::OKAnnuler, Icone::Aucune, QStringLiteral("Modification"));
    if (r == Reponse::OK) {
        Sablier sablier;
        ElimineNoeudNumero(i);
        ReconstruitVue(true);
        RedessineCarte();
    }
    MontreFenetreEdition(FenetreEdition::ModifNoeuds);
}

void ModifNoeuds_Command3D4_Click()
{
    DemandeFichier d;
    d.dossierInitial = K.RepertoireNoeuds;
    d.filtre = QStringLiteral("Tous fichiers(*.*)|*.*|Data(*.dat, *.txt)|*.dat;*.txt");
    d.indexFiltre = 2;
    const std::optional<QString> fichier = Ui().FichierEnregistrer(d);
    if (!fichier || fichier->isEmpty())
        return;
    try {
        Sablier sablier;
        // Only the long layout is ever written: the short one is never chosen.
        CreeFichierNoeuds(*fichier);
    } catch (const std::exception&) {
        Ui().Message(QStringLiteral("Erreur lors de l'écriture du fichier des villes"), Boutons::OK, Icone::Aucune,
                     QString());
    }
    MontreFenetreEdition(FenetreEdition::ModifNoeuds);
}

void ModifNoeuds_Command3D3_Click()
{
    K.ModeModifNoeuds = false;
    CacheFenetreEdition(FenetreEdition::ModifNoeuds);
    RetablitPointeurCarte();
}

void ModifNoeuds_Command3D6_Click() { Kelmo_menOptionsRedessine_Click(); }

void ModifNoeuds_BtnHoraires_Click()
{
    if (AfficheHorairesNoeud)
        AfficheHorairesNoeud();
}

void Kelmo_menModifieNoeuds_Click()
{
    MontreFenetreEdition(FenetreEdition::ModifNoeuds);
    K.ModeModifNoeuds = true;
    K.ImaMousePointer = 2;
}

} // namespace kelmo
