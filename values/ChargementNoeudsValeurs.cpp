#include "values/ChargementNoeudsValeurs.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/Projection.h"
#include "platform/Chemins.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/NombresChamps.h"
#include "view/DessinNoeuds.h"
#include "values/ClassesValeurs.h"
#include "values/CrochetsValeurs.h"
#include "values/FichierNoeudValeur.h"
#include "values/GestionStatistiques.h"
#include "core/IndexCodes.h"
#include "platform/Nombres.h"
#include "values/Statistiques.h"
#include "values/ValeursParNoeud.h"

#include <QFileInfo>
#include <cmath>

namespace kelmo {
namespace {

// The kind of file, from the first letters of its title: sums of absolute
// attractions, minimal times, sums of minimal times (weighted: dark blue
// nodes).
void genreDeFichier(const QString& titre)
{
    const QString debut = titre.left(3);
    if (debut == u"saa" || debut == u"SAA") {
        K.TitreCarte = QStringLiteral("CARTE DE SOMMES D'ATTRACTIONS ABSOLUES");
    } else if (debut == u"tmo" || debut == u"TMO") {
        K.TitreCarte = QStringLiteral("CARTE DE TEMPS MINIMAUX");
    } else if (debut == u"stm" || debut == u"STM") {
        const QChar p = titre.size() > 3 ? titre[3] : QChar();
        if (p == u'p' || p == u'P') {
            K.TitreCarte = QStringLiteral("CARTE DE SOMME DES TEMPS MINIMAUX PONDERES");
            K.CouleurInterieurNoeuds = QBColor(1);
        } else {
            K.TitreCarte = QStringLiteral("CARTE DE SOMME DES TEMPS MINIMAUX");
        }
    }
}

void reprojetteNoeuds()
{
    Ima().Cls();
    CalculeCoordonneesEcran();
    TourneAutourNoeud(K.AngleHorizontal, K.VilleCentreRotation);
    InclineNoeuds(K.AngleVertical);
    TrieNoeudsProfondeur();
    DessineNoeuds(true, true);
}

// The symbols were sized before the reading, with no value to go by: the
// reference becomes the one the values read give, as a display of them
// would choose it, so that a display at the scale in use (the exploration,
// "Data") draws them as the value map does. The values shown stay cleared
// until the user chooses a display.
void referenceDesValeursLues()
{
    const std::vector<ValeurNoeud> montrees = K.ValeursNoeuds;
    PrepareValeursNoeuds(K.NomValeurAffichee);
    K.ValeursNoeuds = montrees;
    TailleSymbolesSelonRefRonds();
}

} // namespace

ValeursNoeudsChargees::ValeursNoeudsChargees()
    : fichiers(K.ValeursFichiersNoeuds), nombre(K.NbValeursNoeuds), parNoeud(K.ValeursNoeuds),
      tailles(K.TailleSymboles), refRonds(K.RefRonds), refRondsValeur1(K.RefRondsValeur1)
{
}

void ValeursNoeudsChargees::Retablit()
{
    K.ValeursFichiersNoeuds = std::move(fichiers);
    K.NbValeursNoeuds = nombre;
    K.ValeursNoeuds = std::move(parNoeud);
    K.TailleSymboles = std::move(tailles);
    K.RefRonds = refRonds;
    K.RefRondsValeur1 = refRondsValeur1;
}

void VideValeursNoeuds()
{
    K.ValeursFichiersNoeuds.assign(NbMaxValeursNoeuds + 1, ValeurNoeud{});
    K.ValeursNoeuds.assign(static_cast<std::size_t>(std::max<int32_t>(K.NbNoeuds, 0)) + 1, ValeurNoeud{});
}

bool LitFichierNoeudValeurSignale(int numero, const QString& chemin, const QString& suite)
{
    try {
        (numero == 1 ? LitFichierNoeudValeur1 : LitFichierNoeudValeur2)(chemin);
        return true;
    } catch (const std::exception&) {
        MessageErreur(QStringLiteral("Erreur dans la lecture du fichier noeud-valeur numéro %1").arg(numero) + suite);
        return false;
    }
}

void ChargeFichierNoeudValeur(int n)
{
    const bool premier = n == 1;
    // The check reports a missing or empty folder; the dialog then opens on
    // the data root.
    const bool dossier = FichierExiste(Joint(K.RepertoireValeursNoeuds, QStringLiteral("\\")));
    DemandeFichier d;
    d.dossierInitial = dossier ? K.RepertoireValeursNoeuds : K.RacineDonnees;
    d.titre = premier ? QStringLiteral("Fichier noeud-valeur 1 (état final)...")
                      : QStringLiteral("Fichier noeud-valeur 2 (état initial)...");
    d.filtre = FiltreFichiersDonnees;
    d.indexFiltre = 2;
    d.nomFichier = premier ? K.FichierNoeudValeur1 : K.FichierNoeudValeur2;
    const std::optional<QString> choix = Ui().FichierOuvrir(d);
    if (!choix || choix->isEmpty())
        return;
    const QFileInfo info(CheminLocal(*choix));
    K.RepertoireValeursNoeuds = info.absolutePath();
    (premier ? K.FichierNoeudValeur1 : K.FichierNoeudValeur2) = *choix;
    ChargeFichiersNoeudValeur(n, info.fileName());
}

bool RemplaceParFichierNoeudValeur1(const QString& chemin)
{
    ValeursNoeudsChargees avant;
    VideValeursNoeuds();
    if (LitFichierNoeudValeurSignale(1, chemin))
        return true;
    avant.Retablit();
    return false;
}

void ChargeFichiersNoeudValeur(int n, const QString& titreFichier)
{
    ValeursNoeudsChargees avant;
    VideValeursNoeuds();
    K.NomValeurAffichee = n == 1 ? QStringLiteral("Valeur1") : QStringLiteral("Valeur2");
    PrepareValeursNoeuds(K.NomValeurAffichee);

    Sablier sablier;
    for (const char* menu : {"menAfficheRonds", "menAfficheValeur1", "menAfficheDiffAbsolues",
                             "menAfficheDiffRelatives", "menStatistiques"})
        K.Menu(QString::fromLatin1(menu)).Enabled = true;
    if (!FichierExiste(K.FichierNoeudValeur1))
        return;
    if (!LitFichierNoeudValeurSignale(1, K.FichierNoeudValeur1)) {
        avant.Retablit();
        return;
    }
    referenceDesValeursLues();
    if (!FichierExiste(K.FichierNoeudValeur2))
        return;
    if (!LitFichierNoeudValeurSignale(2, K.FichierNoeudValeur2)) {
        avant.Retablit();
        return;
    }
    if (K.Menu(QStringLiteral("menCodeValEnZ")).Checked) {
        IntegreValeursEnZ();
        reprojetteNoeuds();
    }
    genreDeFichier(titreFichier);
    // The values prepared above were computed before the reading: the
    // window the load opens studies the files read.
    ChargeStatistiques();
    EtudieValeursLues();
    PrepareStatistiques();
}

void PrepareStatistiques()
{
    ChargeStatistiques();
    ModeleStatistiques& s = K.Formes.Statistiques;
    s.Text3 = K.FichierNoeudValeur1;
    s.Text4 = K.FichierNoeudValeur2;
    K.Menu(QStringLiteral("menFichierCodeValeur1")).Caption =
        QStringLiteral("Numéro &1 (état final : ") + K.FichierNoeudValeur1 + QStringLiteral(")...");
    K.Menu(QStringLiteral("menFichierCodeValeur2")).Caption =
        QStringLiteral("Numéro &2 (état initial : ") + K.FichierNoeudValeur2 + QStringLiteral(")...");
    EcritText5(TexteAvecSigne(K.NbClasses));
    s.Ech = TexteRegional(K.EchelleRonds, K.SeparateurDecimal);
    s.Visible = true;
    if (MontreStatistiques)
        MontreStatistiques();
    // The box shows the scale in the regional format it was written in.
    if (const NombreLu echelle = LitNombre(s.Ech, {Etendue::Texte, VirguleRegionale()}))
        K.EchelleRonds = *echelle;
    K.Menu(QStringLiteral("menExploration")).Enabled = true;
}

void IntegreValeursEnZ()
{
    const IndexCodes noeuds = IndexCodesNoeuds();
    const int32_t n = std::min<int32_t>(K.NbValeursNoeuds, static_cast<int32_t>(K.ValeursFichiersNoeuds.size()) - 1);
    for (int32_t i = 1; i <= n; ++i) {
        const ValeurNoeud& v = K.ValeursFichiersNoeuds[static_cast<std::size_t>(i)];
        if (const int32_t j = noeuds.Premier(v.Code); j > 0)
            K.Noeuds[static_cast<std::size_t>(j)].Z = std::fabs(v.Valeur1 + 1.00001f) / 25000.0f;
    }
}

} // namespace kelmo
