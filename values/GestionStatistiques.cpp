#include "values/GestionStatistiques.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/Chemins.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "values/BandesStatistiques.h"
#include "values/CartesNoeuds.h"
#include "values/ChargementNoeudsValeurs.h"
#include "values/CrochetsValeurs.h"
#include "values/DifferencesArcs.h"
#include "values/FichierArcValeur.h"
#include "values/ValeursParNoeud.h"

#include <exception>

namespace kelmo {
namespace {

ModeleStatistiques& fenetre() { return K.Formes.Statistiques; }

// The node options and the quantity each studies.
struct OptionNoeuds {
    bool ModeleStatistiques::*option;
    const char16_t* quantite;
};
constexpr OptionNoeuds optionsNoeuds[] = {{&ModeleStatistiques::Option3D1, u"Valeur1"},
                                          {&ModeleStatistiques::Option3D2, u"Valeur2"},
                                          {&ModeleStatistiques::Multiplication, u"Multiplication"},
                                          {&ModeleStatistiques::DiffAbs, u"Différences absolues"},
                                          {&ModeleStatistiques::DiffRelat, u"Différences relatives"}};

void etudieQuantite(const OptionNoeuds& o)
{
    const QString quantite = QString::fromUtf16(o.quantite);
    fenetre().Selectionne(o.option);
    fenetre().Graph1.ChartType = 4;
    CalculeValeursNoeuds(quantite);
    TrieValeursNoeuds();
    DimensionneRonds(quantite);
    CalculeStatistiquesNoeuds();
    DessineClasses();
}

void quantiteNoeuds(const OptionNoeuds& o)
{
    Sablier sablier;
    etudieQuantite(o);
}

void fichierArcs(bool ModeleStatistiques::*option)
{
    Sablier sablier;
    fenetre().Selectionne(option);
    fenetre().Graph1.ChartType = 2;
    if (option == &ModeleStatistiques::ArcVale1)
        CalculeStatistiquesArcs1();
    else
        CalculeStatistiquesArcs2();
    DessineClasses();
}

void difference(void (*calcul)())
{
    Sablier sablier;
    calcul();
    fenetre().Graph1.ChartType = 2;
    CalculeStatistiquesArcs1();
    DessineClasses();
}

// Reads and indexes one arc-value file again; a failure keeps its table.
void relitArcs(int numero)
{
    const bool un = numero == 1;
    try {
        (un ? LitFichierArcValeur1 : LitFichierArcValeur2)(un ? K.FichierArcValeur1 : K.FichierArcValeur2);
    } catch (const std::exception&) {
        MessageErreur(QStringLiteral("Erreur dans la lecture du fichier code-code-valeur numéro %1").arg(numero));
    }
    (un ? IndexeArcs1 : IndexeArcs2)();
}

// Both node-value files read again under the time options just chosen.
void relitFichiersHoraires()
{
    // Without file 1 there is nothing to read: the values stay as they were.
    if (!FichierExiste(K.FichierNoeudValeur1))
        return;
    Sablier sablier;
    if (!RemplaceParFichierNoeudValeur1(K.FichierNoeudValeur1))
        return;
    if (FichierExiste(K.FichierNoeudValeur2))
        LitFichierNoeudValeurSignale(2, K.FichierNoeudValeur2);
}

} // namespace

void Statistiques_Option3D1_Click() { quantiteNoeuds(optionsNoeuds[0]); }
void Statistiques_Option3D2_Click() { quantiteNoeuds(optionsNoeuds[1]); }
void Statistiques_Multiplication_Click() { quantiteNoeuds(optionsNoeuds[2]); }
void Statistiques_DiffAbs_Click() { quantiteNoeuds(optionsNoeuds[3]); }
void Statistiques_DiffRelat_Click() { quantiteNoeuds(optionsNoeuds[4]); }

void EtudieValeursLues()
{
    ModeleStatistiques& s = fenetre();
    // The load draws nothing: the map waits for the user's display, even
    // with "Aperçu de la carte" ticked.
    const bool apercu = s.ApercuCarte;
    s.ApercuCarte = false;
    for (const OptionNoeuds& o : optionsNoeuds)
        if (s.*o.option)
            etudieQuantite(o);
    s.ApercuCarte = apercu;
}

void Statistiques_ArcVale1_Click() { fichierArcs(&ModeleStatistiques::ArcVale1); }
void Statistiques_ArcVale2_Click() { fichierArcs(&ModeleStatistiques::ArcVale2); }
void Statistiques_Command3D4_Click() { difference(DifferenceAbsolueArcs); }
void Statistiques_Command3D5_Click() { difference(DifferenceRelativeArcs); }

void Statistiques_R_Click()
{
    Sablier sablier;
    relitArcs(1);
    relitArcs(2);
}

void Statistiques_Command3D2_Click()
{
    K.FichierNoeudValeur1 = fenetre().Text3;
    if (!FichierExiste(K.FichierNoeudValeur1))
        return;
    Sablier sablier;
    if (!RemplaceParFichierNoeudValeur1(K.FichierNoeudValeur1))
        return;
    AfficheValeur1AEchelleCourante();
    // The strips, the minimum and maximum and the chart describe the values
    // the map now shows, as after a node option.
    CalculeStatistiquesNoeuds();
    DessineClasses();
}

void Statistiques_FusionneFichiers_Click()
{
    K.FusionValeurs = true;
    try {
        DemandeFichier d;
        d.dossierInitial = K.RepertoireValeursNoeuds;
        d.filtre = FiltreFichiersDonnees;
        d.indexFiltre = 2;
        const std::optional<QString> f = Ui().FichierOuvrir(d);
        if (f && !f->isEmpty()) {
            Sablier sablier;
            // The reader sets the count to the records it read: a file that
            // gives none would drop every value loaded.
            ValeursNoeudsChargees avant;
            if (FichierExiste(*f)) {
                if (!LitFichierNoeudValeurSignale(1, *f, QStringLiteral(" : les valeurs chargées sont gardées."))) {
                    avant.Retablit();
                } else if (K.NbValeursNoeuds == 0) {
                    avant.Retablit();
                    MessageErreur(QStringLiteral("Le fichier ") + *f
                                  + QStringLiteral(" ne donne aucune valeur : les valeurs chargées sont gardées."));
                }
            }
        }
    } catch (const std::exception&) {
        // The merge ends quietly; the flag is cleared below on every path.
    }
    K.FusionValeurs = false;
}

void Statistiques_Text3_DblClick() { ChargeFichierNoeudValeur(1); }
void Statistiques_Text4_DblClick() { ChargeFichierNoeudValeur(2); }

void Statistiques_ValHoraires_Click(bool coche)
{
    fenetre().ValHoraires = coche;
    fenetre().TypeHoraireVisible = coche;
    relitFichiersHoraires();
}

void Statistiques_HoraireHHMM_Click()
{
    fenetre().HoraireHHMM = true;
    fenetre().HoraireMinutes = false;
    Statistiques_ValHoraires_Click(fenetre().ValHoraires);
}

void Statistiques_HoraireMinutes_Click()
{
    fenetre().HoraireHHMM = false;
    fenetre().HoraireMinutes = true;
    Statistiques_ValHoraires_Click(fenetre().ValHoraires);
}

void Statistiques_ClassesDifférences_Click(bool coche)
{
    fenetre().ClassesDifférences = coche;
    fenetre().ChoixDiffClasseVisible = coche;
}

void Statistiques_AffValNum_Click(bool coche)
{
    fenetre().AffValNum = coche;
    if (fenetre().ApercuCarte && RedessineValeurs)
        RedessineValeurs();
}

void Statistiques_ApercuCarte_Click(bool coche)
{
    fenetre().ApercuCarte = coche;
    if (coche && RedessineValeurs)
        RedessineValeurs();
}

void Statistiques_Ech_Change(const QString& texte)
{
    fenetre().Ech = texte;
    // A scale of 0 would hide every symbol: a text that is not a number in
    // the regional format keeps the scale it had.
    if (const NombreLu echelle = LitNombre(texte, {Etendue::Texte, VirguleRegionale()}))
        K.EchelleRonds = *echelle;
}

void Statistiques_Command3D1_Click()
{
    fenetre().Visible = false;
    Statistiques_Ech_Change(fenetre().Ech);
}

void Statistiques_Command3D3_Click()
{
    if (!ImaPersistante())
        return;
    try {
        Sablier sablier;
        const QString nom = fenetre().NomFichBMP.trimmed();
        if (nom.isEmpty())
            throw std::runtime_error("nom");
        EnregistreImaBitmap(Joint(K.RepertoireImages, QStringLiteral("\\") + nom));
    } catch (const std::exception&) {
        MessageErreur(QStringLiteral("Erreur dans l'impression de l'image"));
    }
}

} // namespace kelmo
