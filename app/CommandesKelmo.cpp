#include "app/CommandesKelmo.h"
#include "core/Commandes.h"
#include "core/DonneesDerivees.h"
#include "core/FichierArcs.h"
#include "core/FichierNoeuds.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/Projection.h"
#include "platform/Chemins.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Fichiers.h"
#include "platform/Wmf.h"
#include "view/DessinNoeuds.h"
#include "view/GeometrieVue.h"

#include <QFileInfo>
#include <QImage>
#include <cmath>
#include <exception>

namespace kelmo {
namespace {

const QChar CR(13);

bool dossierExiste(const QString& dossier)
{
    const QString local = CheminExistant(dossier);
    return !local.isEmpty() && QFileInfo(local).isDir();
}

// The images folder must exist; an empty one will do, since everything the
// commands write goes into it.
bool verifieDossierImages()
{
    if (dossierExiste(K.RepertoireImages))
        return true;
    FichierExiste(K.RepertoireImages + QLatin1Char('/'));
    return false;
}

void projetteEtDessine()
{
    CalculeCoordonneesEcran();
    TourneAutourNoeud(K.AngleHorizontal, K.VilleCentreRotation);
    InclineNoeuds(K.AngleVertical);
}

void deriveReseau()
{
    IndexeArcs();
    DefinitOrientationArcs();
    CalculeModesNoeuds();
}

// After a new node table: the derived data and the picture coordinates under
// the current view angles, with the back-to-front order of the new nodes,
// without which no later redraw, zoom or pan would draw a single node.
void deriveEtProjette()
{
    CalculeCoordonneesEcran();
    deriveReseau();
    TourneAutourNoeud(K.AngleHorizontal, K.VilleCentreRotation);
    InclineNoeuds(K.AngleVertical);
    TrieNoeudsProfondeur();
}

} // namespace

void Kelmo_menFichiersGraphe_Click()
{
    // Handler A: the dialogs and the two readers.
    QString noeuds, arcs;
    bool noeudsLus = false;
    try {
        DemandeFichier d;
        d.dossierInitial = K.RepertoireNoeuds;
        d.titre = QStringLiteral("Fichier des noeuds...");
        d.filtre = FiltreFichiersDonnees;
        d.indexFiltre = 2;
        d.nomFichier = K.NomFichierNoeuds;
        const std::optional<QString> choixNoeuds = Ui().FichierOuvrir(d);
        if (!choixNoeuds || choixNoeuds->isEmpty())
            return; // cancelled: nothing changes
        d.dossierInitial = K.RepertoireArcs;
        d.titre = QStringLiteral("Fichier des arcs...");
        d.nomFichier = K.NomFichierArcs;
        const std::optional<QString> choixArcs = Ui().FichierOuvrir(d);
        if (!choixArcs || choixArcs->isEmpty())
            return;
        noeuds = *choixNoeuds;
        arcs = *choixArcs;
        K.RepertoireNoeuds = QFileInfo(CheminLocal(noeuds)).absolutePath();
        K.NomFichierNoeuds = noeuds;
        K.RepertoireArcs = QFileInfo(CheminLocal(arcs)).absolutePath();
        K.NomFichierArcs = arcs;

        Sablier sablier;
        if (!FichierExiste(K.NomFichierNoeuds))
            return;
        LitFichierNoeuds(K.NomFichierNoeuds);
        noeudsLus = true;
        if (!FichierExiste(K.NomFichierArcs)) {
            // The arcs still point at node numbers of the old table.
            deriveEtProjette();
            return;
        }
        LitFichierArcs(K.NomFichierArcs);
    } catch (const std::exception& e) {
        Ui().Sablier(false);
        if (noeudsLus) {
            try {
                deriveEtProjette();
            } catch (const std::exception&) {
            }
        }
        MessageErreur(TexteErreurPourCommande(e, QStringLiteral("Erreur dans la lecture des fichiers")));
        return;
    }
    // Handler B: derived data, projection and drawing.
    try {
        Sablier sablier;
        deriveEtProjette();
        Ima().Cls();
        ImaVec().Cls();
        DessineNoeuds(true, true);
        Ima().Refresh();
        ImaVec().Refresh();
    } catch (const std::exception&) {
        Ui().Sablier(false);
        MessageErreur(QStringLiteral("Erreur dans le calcul des coordonnées"));
    }
}

void Kelmo_menFichierRelief3d_Click()
{
    EtatMenu& m = K.Menu(QStringLiteral("menFichierRelief3d"));
    if (m.Checked) {
        K.TypeValuationRelief = QStringLiteral("Temps");
        m.Checked = false;
    } else {
        K.TypeValuationRelief = QStringLiteral("FichierRelief3D");
        m.Checked = true;
    }
}

void Kelmo_menImprimeImage_Click()
{
    if (!verifieDossierImages()) {
        MessageOK(QStringLiteral("Il est nécéssaire de créer le répertoire ") + K.RepertoireImages + CR
                      + QStringLiteral("et/ou d'y placer un fichier quelconque."),
                  Icone::Information);
        return;
    }
    if (!ImaPersistante())
        return;
    Sablier sablier;
    if (ModeImageVectorielle()) {
        EnregistreImageVectorielle();
        return;
    }
    const QString chemin = Joint(K.RepertoireImages, QStringLiteral("\\Image.bmp"));
    try {
        EnregistreImaBitmap(chemin);
    } catch (const std::exception&) {
        Ui().Sablier(false);
        MessageErreur(QStringLiteral("L'image n'a pas pu être enregistrée dans le fichier ") + chemin);
        return;
    }
    // Showing it is a convenience: without a viewer the file is still saved.
    Ui().LanceProgramme(VisionneurImages, {chemin});
}

void Kelmo_menChargeImageFond_Click()
{
    if (!verifieDossierImages()) {
        MessageOK(QStringLiteral("Il est nécéssaire de créer le répertoire ") + K.RepertoireImages
                      + QStringLiteral("/ ") + CR + QStringLiteral("et d'y placer un fichier quelconque."),
                  Icone::Information);
        return;
    }
    // A picture that cannot be read ends the command silently.
    try {
        DemandeFichier d;
        d.indexFiltre = 2;
        d.dossierInitial = K.RepertoireImages;
        if (ModeImageVectorielle()) {
            d.filtre = FiltreImagesWmf;
            d.nomFichier = QStringLiteral("Image1.wmf");
            const std::optional<QString> choix = Ui().FichierOuvrir(d);
            if (!choix || choix->isEmpty())
                return;
            Sablier sablier;
            const std::optional<wmf::FichierWmf> f = wmf::LitFichierWmf(LitFichierEntier(*choix));
            if (!f)
                return;
            ImaVec().DefinitImageFond(wmf::ImageDepuisWmf(*f, QSize(ImaVec().LargeurPixels(), ImaVec().HauteurPixels())));
            ImaVec().Refresh();
            return;
        }
        d.filtre = FiltreImagesBitmap;
        d.nomFichier = QStringLiteral("Image1.bmp");
        const std::optional<QString> choix = Ui().FichierOuvrir(d);
        if (!choix || choix->isEmpty())
            return;
        {
            Sablier sablier;
            const std::string octets = LitFichierEntier(*choix);
            QImage image;
            if (!image.loadFromData(reinterpret_cast<const uchar*>(octets.data()), static_cast<int>(octets.size())))
                return;
            Ima().DefinitImageFond(image);
            Ima().Refresh();
        }
    } catch (const std::exception&) {
        Ui().Sablier(false);
        return;
    }

    const QString question = QStringLiteral("S'agit-il d'une première digitalisation ?") + CR
                             + QStringLiteral("     - si oui vous allez entrer de nouveaux noeuds") + CR
                             + QStringLiteral("     - si non il existe déjà des noeuds digitalisés sur cet espace") + CR
                             + QStringLiteral("     Note : ajustez éventuellement la taille de l'image ") + CR
                             + QStringLiteral("            (Image>Zoom et taille de l'image)") + CR;
    const Reponse r = Ui().Message(question, Boutons::OuiNonAnnuler, Icone::Question, QStringLiteral("Digitalisation"));
    if (r == Reponse::Oui) {
        const QString consigne = QStringLiteral("Vous allez entrer les coordonnées et positions")
                                 + QStringLiteral(" ") + QStringLiteral("de 2 points de l'espace. ") + CR
                                 + QStringLiteral("Placez les points par un clic de la souris,") + CR
                                 + QStringLiteral("le(s) clic(s) suivants lancera(ont) un(des) calages(s).");
        if (Ui().Message(consigne, Boutons::OKAnnuler, Icone::Exclamation, QString()) == Reponse::OK) {
            K.ImaMousePointer = 2;
            K.NbClicsDigitalisation = 0;
            K.ModeDigitalisation = true;
            K.ModeCalage = false;
        }
    } else if (r == Reponse::Non) {
        K.ImaMousePointer = 2;
        K.NbClicsDigitalisation = 0;
        K.ModeCalage = true;
        K.ModeDigitalisation = false;
    }
}

void Kelmo_menEffaceImage_Click()
{
    Ima().Cls();
    ImaVec().Cls();
    EffaceMetaFichier();
    Ima().Refresh();
    ImaVec().Refresh();
}

void ActionBarreOutils(int index)
{
    Sablier sablier;
    const double cx = static_cast<float>(Ima().ScaleWidth() / 2);
    const double cy = static_cast<float>(Ima().ScaleHeight() / 2);
    const double W = Ima().ScaleWidth();
    const double H = Ima().ScaleHeight();
    switch (index) {
    case 1: ZoomSurNoeudProche(cx, cy, 1, 0); break;
    case 2: ZoomSurNoeudProche(cx, cy, 2, 0); break;
    case 4: K.OrigineY = K.OrigineY + 0.02 * H; break;
    case 5: K.OrigineX = K.OrigineX + 0.02 * W; break;
    case 6: K.OrigineX = K.OrigineX - 0.02 * W; break;
    case 7: K.OrigineY = K.OrigineY - 0.02 * H; break;
    default: break;
    }
    projetteEtDessine();
    Kelmo_menEffaceImage_Click();
    DessineNoeuds(true, true);
    Ima().Refresh();
}

void RouteClic(int bouton, int shift, double x, double y, double xAppui, double yAppui)
{
    Sablier sablier;
    CrochetsClics& c = ClicsCarte();
    if (K.ModeModifArcs) {
        if (c.ModifArcs)
            c.ModifArcs(x, y, bouton);
        return;
    }
    if (K.ModeModifNoeuds) {
        if (c.ModifNoeuds)
            c.ModifNoeuds(x, y, bouton);
        return;
    }
    if (K.ModeCalage || K.ModeDigitalisation) {
        if (c.DigitaliseNoeud)
            c.DigitaliseNoeud(static_cast<float>(x), static_cast<float>(y));
        return;
    }
    if (K.Menu(QStringLiteral("menZoomSouris")).Checked && std::fabs(yAppui - y) + std::fabs(x - xAppui) < 50) {
        // The zoom draws the nodes itself: one drawing, not two.
        Kelmo_menEffaceImage_Click();
        ZoomSurNoeudProche(x, y, bouton, shift);
        Ima().Refresh();
    }
}

QString TexteCoordonnees(double x, double y)
{
    const double nx = (x - K.OrigineX) * K.Echelle;
    const double ny = (K.OrigineY - y) * K.Echelle;
    return QString::number(static_cast<long long>(std::floor(nx))) + QStringLiteral(", ")
           + QString::number(static_cast<long long>(std::floor(ny)));
}

} // namespace kelmo
