#include "core/Demarrage.h"
#include "core/Tables.h"
#include "core/Defauts.h"
#include "core/DonneesDerivees.h"
#include "core/FichierArcs.h"
#include "core/FichierNoeuds.h"
#include "core/Menus.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/Chemins.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"

#include <QDir>
#include <QFileInfo>
#include <exception>

namespace kelmo {
namespace {

CrochetsDemarrage& crochets()
{
    static CrochetsDemarrage c;
    return c;
}

std::vector<std::function<void()>>& etapesAjoutees()
{
    static std::vector<std::function<void()>> e;
    return e;
}

// One step of the start-up: whatever it raises is reported and the start-up
// goes on with what follows.
template <class F>
void etape(F&& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        MessageErreur(TexteErreurPourCommande(e, MessageErreurDemarrage));
    }
}

void appelle(const std::function<void()>& f)
{
    if (f)
        f();
}

bool dossierExiste(const QString& chemin)
{
    const QString local = CheminExistant(chemin);
    return !local.isEmpty() && QFileInfo(local).isDir();
}

// A data root holds a "data" folder.
bool estRacine(const QString& racine) { return dossierExiste(Joint(racine, QStringLiteral("\\data\\"))); }

QString affiche(const QString& dossier)
{
    QString d = CheminLocal(dossier);
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}

void definitFichiersReseau()
{
    K.RepertoireNoeuds = Joint(K.RacineDonnees, QStringLiteral("\\data\\noeuds"));
    K.RepertoireArcs = Joint(K.RacineDonnees, QStringLiteral("\\data\\arcs"));
    K.NomFichierNoeuds = Joint(K.RepertoireNoeuds, QStringLiteral("\\n157eu.dat"));
    K.NomFichierArcs = Joint(K.RepertoireArcs, QStringLiteral("\\a157eu01.dat"));
    K.NomFichierArcsReference = Joint(K.RepertoireArcs, QStringLiteral("\\a157eu01.dat"));
}

void definitAutresRepertoires()
{
    K.RepertoireValeursArcs = Joint(K.RacineDonnees, QStringLiteral("\\data\\arcval"));
    K.RepertoireImages = Joint(K.RacineDonnees, QStringLiteral("\\data\\cartes\\images"));
    K.RepertoireValeursNoeuds = Joint(K.RacineDonnees, QStringLiteral("\\data\\noeudval"));
    K.RepertoireCartes = Joint(K.RacineDonnees, QStringLiteral("\\data\\cartes"));
}

void chercheRacine()
{
    const std::vector<CandidatRacine> candidats = CandidatsRacineDonnees();
    for (const CandidatRacine& c : candidats) {
        K.RacineDonnees = CheminLocal(c.dossier);
        if (estRacine(K.RacineDonnees))
            return;
    }
    MessageOK(MessageRacineIntrouvable(), Icone::Exclamation);
    K.RacineDonnees = candidats.empty() ? QDir::currentPath() : CheminLocal(candidats.front().dossier);
}

// Step 9: a missing folder is reported and replaced by the root.
bool verifieDossier(QString& dossier)
{
    if (dossierExiste(dossier))
        return true;
    MessageOK(QStringLiteral("Le répertoire : ") + dossier + QStringLiteral(" n'existe pas."), Icone::Exclamation);
    dossier = K.RacineDonnees;
    return false;
}

void creeDossier(const QString& dossier)
{
    // A folder that is already there is what we wanted.
    if (!QDir().mkpath(CheminLocal(dossier)))
        throw std::runtime_error("mkdir");
}

void proposeCreation()
{
    const QString question = QStringLiteral("Voulez-vous créér les répertoires nécessaire ?") + QChar(13)
                             + QStringLiteral("(Si oui vous allez être invité à sélectionner l'emplacement du répertoire,")
                             + QChar(13) + QStringLiteral("puis à appuyer sur 'Annuler')");
    if (Ui().Message(question, Boutons::OuiNon, Icone::Aucune, QString()) != Reponse::Oui)
        return;
    const std::optional<QString> choix = Ui().Dossier(QStringLiteral("Emplacement du répertoire Data"), K.RacineDonnees);
    // No folder chosen: nothing is created anywhere.
    if (!choix || choix->isEmpty())
        return;
    K.RacineDonnees = CheminLocal(*choix);
    while (K.RacineDonnees.size() > 1 && K.RacineDonnees.endsWith(QLatin1Char('/')))
        K.RacineDonnees.chop(1);
    K.RepertoireData = Joint(K.RacineDonnees, QStringLiteral("\\data"));
    definitFichiersReseau();
    definitAutresRepertoires();
    for (const QString* d : {&K.RepertoireData, &K.RepertoireNoeuds, &K.RepertoireArcs, &K.RepertoireCartes,
                             &K.RepertoireImages, &K.RepertoireValeursNoeuds, &K.RepertoireValeursArcs})
        etape([&] { creeDossier(*d); });
}

} // namespace

void DefinitCrochetsDemarrage(CrochetsDemarrage c) { crochets() = std::move(c); }
void EnregistreEtapeDemarrage(std::function<void()> etape) { etapesAjoutees().push_back(std::move(etape)); }
CrochetsDemarrage& CrochetsDemarrageCourants() { return crochets(); }

char SeparateurDecimalPour(const QLocale& locale)
{
    bool ok = false;
    locale.toDouble(QStringLiteral("123.3231"), &ok);
    return ok ? '.' : ',';
}

QString MessageRacineIntrouvable()
{
    const std::vector<CandidatRacine> candidats = CandidatsRacineDonnees();
    QString liste;
    for (std::size_t i = 0; i < candidats.size(); ++i) {
        if (i > 0)
            liste += i + 1 == candidats.size() ? QStringLiteral(", ou ") : QStringLiteral(", ");
        liste += affiche(candidats[i].dossier);
    }
    return QStringLiteral("Impossible de trouver le répertoire de données \"\\data\\\" sur le(s) disque(s) dur(s) dans ")
           + liste;
}

void InitialiseKelmo()
{
    CrochetsDemarrage& c = crochets();

    // 1. The main window's pictures (and its menus as designed).
    etape([&] {
        InitialiseEtatsMenus();
        appelle(c.PrepareImages);
    });
    // 2-3. Defaults and link types.
    etape([] { DefinitValeursParDefaut(); });
    etape([] {
        DefinitTypesArcs();
        K.VitesseReference = TypeTGV().Vitesse;
    });
    // 4. The decimal separator of the regional settings.
    etape([] { K.SeparateurDecimal = SeparateurDecimalPour(QLocale::system()); });
    // 5. The data root.
    etape([] { chercheRacine(); });
    // 6. Empty tables.
    K.NbNoeuds = 0;
    K.NbArcs = 0;
    K.AjoutFichierArcs = false;
    K.FusionValeurs = false;
    K.DemandeAccord = false;
    // 7. The default network, read at once; a failed node file still lets the
    // arc file be read.
    etape([] { definitFichiersReseau(); });
    etape([] { LitFichierNoeuds(K.NomFichierNoeuds); });
    etape([] { LitFichierArcs(K.NomFichierArcs); });
    // 8-10. The other folders, their check and the creation offer.
    etape([] { definitAutresRepertoires(); });
    etape([] {
        int manquants = 0;
        for (QString* d : {&K.RepertoireNoeuds, &K.RepertoireArcs, &K.RepertoireImages})
            if (!verifieDossier(*d))
                ++manquants;
        if (manquants == 3)
            proposeCreation();
    });
    for (const std::function<void()>& e : etapesAjoutees())
        etape(e);
    // 11. Default value files, named only.
    etape([] {
        K.FichierArcValeur1 = Joint(K.RepertoireValeursArcs, QStringLiteral("\\3ar1279.dat"));
        K.FichierArcValeur2 = Joint(K.RepertoireValeursArcs, QStringLiteral("\\3ar1279.dat"));
        K.FichierNoeudValeur1 = Joint(K.RepertoireValeursNoeuds, QStringLiteral("\\stm312.dat"));
        K.FichierNoeudValeur2 = Joint(K.RepertoireValeursNoeuds, QStringLiteral("\\stm313.dat"));
    });
    // 12. Controls and menus.
    etape([&] {
        appelle(c.PrepareControles);
        K.Menu(QStringLiteral("menZoomSouris")).Checked = false;
        K.Menu(QStringLiteral("menValuationODVal")).Enabled = false;
    });
    // 13. Timetable menus.
    etape([] {
        // Any timed arc, whatever the sum of the times (a service from
        // 23:40 the day before to 00:20 adds up to 0).
        bool horaire = false;
        for (int32_t i = 1; i <= K.NbArcs && i < static_cast<int32_t>(K.Arcs.size()) && !horaire; ++i)
            horaire = EstHoraire(K.Arcs[static_cast<std::size_t>(i)].HeureDepart,
                                 K.Arcs[static_cast<std::size_t>(i)].HeureArrivee);
        K.Menu(QStringLiteral("menDéveloppmentHoraire")).Enabled = horaire;
        K.Menu(QStringLiteral("menOptimisationHoraire")).Enabled = false;
    });
    // 14. First drawing: node symbols only, no arcs.
    etape([&] { appelle(c.ProjetteNoeuds); });
    etape([] { IndexeArcs(); });
    etape([] { DefinitOrientationArcs(); });
    etape([] { CalculeModesNoeuds(); });
    etape([&] { appelle(c.DessineNoeuds); });
    // 15. Option dialogs.
    etape([] { DefinitDefautsOptionsRelief(); });
    etape([] { DefinitDefautsCouts(); });
    etape([&] { appelle(c.CalculeCouts); });
    etape([] { DefinitDefautsSeuilsAffichage(); });
    etape([&] {
        appelle(c.ChargeStatistiques);
        DefinitDefautsStatistiques();
    });
    // 16. Display spaces, sized from the picture as it is now.
    etape([&] {
        double hauteur = HauteurImaDefaut, largeur = LargeurImaDefaut;
        if (c.TailleIma)
            c.TailleIma(hauteur, largeur);
        DefinitEspaces(hauteur, largeur);
    });
    // 17. Layout, bitmap mode.
    etape([&] {
        appelle(c.MiseEnPage);
        K.Menu(QStringLiteral("menImageVectorielle")).Checked = false;
        K.StatusBar.Panneaux[4] = QStringLiteral("Bitmap ");
        if (K.StatusBar.Repeint)
            K.StatusBar.Repeint();
    });
}

} // namespace kelmo
