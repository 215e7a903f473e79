// The picture files: the bitmap save and its viewer, the background picture
// with the digitising question, and the clear.
#include "OutilsApp.h"
#include "app/CommandesKelmo.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "platform/RepondeurScripte.h"
#include "platform/Wmf.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

const QChar CR(13);

class FichiersImage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleDemarre();
        K.RacineDonnees = dir.path();
        K.RepertoireImages = dir.path() + "/data/cartes/images";
        QDir().mkpath(K.RepertoireImages); // empty: it will do
    }
    void TearDown() override
    {
        EffaceMetaFichier();
        ReinitialiseDonnees();
    }
    QString fondBmp(int largeur, int hauteur)
    {
        QImage fond(largeur, hauteur, QImage::Format_RGB32);
        fond.fill(QColor(10, 200, 30));
        const QString chemin = K.RepertoireImages + "/fond.bmp";
        fond.save(chemin, "BMP");
        return chemin;
    }

    QTemporaryDir dir;
    ImagesDeTest images;
};

const QString questionDigitalisation = QString("S'agit-il d'une première digitalisation ?") + CR
                                       + "     - si oui vous allez entrer de nouveaux noeuds" + CR
                                       + "     - si non il existe déjà des noeuds digitalisés sur cet espace" + CR
                                       + "     Note : ajustez éventuellement la taille de l'image " + CR
                                       + "            (Image>Zoom et taille de l'image)" + CR;

} // namespace

TEST_F(FichiersImage, BitmapSaveWritesImageBmpAndOpensItInTheViewer)
{
    images.ima.ForeColor = RGB(255, 0, 0);
    images.ima.TracePolyligne(10, 10, 100, 10);
    for (bool visionneur : {true, false}) {
        QFile::remove(K.RepertoireImages + "/Image.bmp");
        RepondeurScripte r;
        r.RepondLancement(visionneur);
        Kelmo_menImprimeImage_Click();
        // No viewer is not an error: the file is saved all the same.
        EXPECT_TRUE(r.messages().empty());
        ASSERT_EQ(r.appels().size(), 1u);
        EXPECT_EQ(r.appels()[0].genre, AppelDialogue::Lancement);
        EXPECT_EQ(r.appels()[0].texte, "xdg-open");
        EXPECT_EQ(r.appels()[0].arguments, QStringList{K.RepertoireImages + "/Image.bmp"});
        QImage lue(K.RepertoireImages + "/Image.bmp", "BMP");
        ASSERT_FALSE(lue.isNull());
        EXPECT_EQ(lue.size(), QSize(images.ima.LargeurPixels(), images.ima.HauteurPixels()));
        EXPECT_EQ(lue.pixelColor(50, 10), QColor(255, 0, 0));
        EXPECT_EQ(lue.pixelColor(50, 40), QColor(255, 255, 255));
        EXPECT_FALSE(r.sablierActif());
    }
}

TEST_F(FichiersImage, AFailedBitmapWriteIsReportedAndNothingIsLaunched)
{
    // A folder in the way of the file: the write cannot succeed.
    QDir().mkpath(K.RepertoireImages + "/Image.bmp/x");
    RepondeurScripte r;
    Kelmo_menImprimeImage_Click();
    EXPECT_EQ(r.messages(),
              std::vector<QString>{"L'image n'a pas pu être enregistrée dans le fichier " + K.RepertoireImages + "/Image.bmp"});
    EXPECT_EQ(r.appels().size(), 1u);
    EXPECT_FALSE(r.sablierActif());
}

TEST_F(FichiersImage, AMissingImagesFolderIsNamedInBothCommandsMessages)
{
    K.RepertoireImages = dir.path() + "/absent/images";
    struct Cas {
        void (*commande)();
        QString message;
    };
    const Cas cas[] = {
        {Kelmo_menImprimeImage_Click, "Il est nécéssaire de créer le répertoire " + K.RepertoireImages + CR
                                          + "et/ou d'y placer un fichier quelconque."},
        {Kelmo_menChargeImageFond_Click, "Il est nécéssaire de créer le répertoire " + K.RepertoireImages + "/ " + CR
                                             + "et d'y placer un fichier quelconque."},
    };
    for (const Cas& c : cas) {
        RepondeurScripte r;
        c.commande();
        const std::vector<QString> attendus = {"Ce fichier ou répertoire n'existe pas : " + K.RepertoireImages + "/",
                                               c.message};
        EXPECT_EQ(r.messages(), attendus);
        EXPECT_EQ(r.appels()[1].icone, Icone::Information);
        EXPECT_EQ(r.appels().size(), 2u);
    }
}

TEST_F(FichiersImage, SaveWithoutAutoRedrawIsRefused)
{
    images.ima.AutoRedraw = false;
    RepondeurScripte r;
    Kelmo_menImprimeImage_Click();
    ASSERT_EQ(r.appels().size(), 1u);
    EXPECT_EQ(r.appels()[0].titre, "Pas d'AutoRedraw");
    EXPECT_EQ(r.appels()[0].icone, Icone::Critique);
    EXPECT_FALSE(QFile::exists(K.RepertoireImages + "/Image.bmp"));
}

TEST_F(FichiersImage, SaveInMetafileModeWithoutMetafileSaysSo)
{
    K.Menu("menImageVectorielle").Checked = true;
    RepondeurScripte r;
    Kelmo_menImprimeImage_Click();
    EXPECT_EQ(r.messages(), std::vector<QString>{"Le Metafichier n'est pas défini"});
}

TEST_F(FichiersImage, BackgroundPictureAndTheDigitisingAnswers)
{
    struct Cas {
        std::vector<Reponse> reponses;
        bool digitalisation, calage;
        std::size_t messages;
    };
    const Cas cas[] = {
        {{Reponse::Oui, Reponse::OK}, true, false, 2},
        {{Reponse::Oui, Reponse::Annuler}, false, false, 2},
        {{Reponse::Non}, false, true, 1},
        {{Reponse::Annuler}, false, false, 1},
    };
    const QString fond = fondBmp(40, 30);
    for (const Cas& c : cas) {
        K.ModeDigitalisation = false;
        K.ModeCalage = false;
        K.NbClicsDigitalisation = 5;
        K.ImaMousePointer = 1;
        RepondeurScripte r;
        r.RepondTexte(fond);
        for (Reponse x : c.reponses)
            r.Repond(x);
        Kelmo_menChargeImageFond_Click();
        const DemandeFichier& d = r.appels()[0].fichier;
        EXPECT_EQ(d.filtre, "Tous fichiers (*.*)|*.*|Bitmap (*.bmp)|*.bmp|GIF CompuServe (*.Gif)|*.Gif|JPEG (*.jpg)|*.jpg");
        EXPECT_EQ(d.indexFiltre, 2);
        EXPECT_EQ(d.dossierInitial, K.RepertoireImages);
        EXPECT_EQ(d.nomFichier, "Image1.bmp");
        ASSERT_EQ(r.messages().size(), c.messages);
        EXPECT_EQ(r.messages()[0], questionDigitalisation);
        EXPECT_EQ(r.appels()[1].titre, "Digitalisation");
        EXPECT_EQ(r.appels()[1].boutons, Boutons::OuiNonAnnuler);
        if (c.messages == 2) {
            EXPECT_EQ(r.messages()[1], QString("Vous allez entrer les coordonnées et positions de 2 points de l'espace. ")
                                           + CR + "Placez les points par un clic de la souris," + CR
                                           + "le(s) clic(s) suivants lancera(ont) un(des) calages(s).");
        }
        EXPECT_EQ(K.ModeDigitalisation, c.digitalisation);
        EXPECT_EQ(K.ModeCalage, c.calage);
        EXPECT_EQ(K.NbClicsDigitalisation, c.digitalisation || c.calage ? 0 : 5);
        // The map shows the cross while its clicks go to the digitising.
        EXPECT_EQ(K.ImaMousePointer, c.digitalisation || c.calage ? 2 : 1);
        EXPECT_FALSE(images.ima.ImageFond().isNull());
        EXPECT_EQ(images.ima.ImageFond().size(), QSize(40, 30));
        EXPECT_FALSE(r.sablierActif());
    }
}

TEST_F(FichiersImage, AnUnreadableBackgroundEndsSilentlyWithTheModesUnchanged)
{
    QFile f(K.RepertoireImages + "/casse.bmp");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("pas une image");
    f.close();
    K.ModeCalage = true;
    RepondeurScripte r;
    r.RepondTexte(K.RepertoireImages + "/casse.bmp");
    Kelmo_menChargeImageFond_Click();
    EXPECT_EQ(r.appels().size(), 1u);
    EXPECT_TRUE(K.ModeCalage);
    EXPECT_TRUE(images.ima.ImageFond().isNull());
    EXPECT_FALSE(r.sablierActif());
}

TEST_F(FichiersImage, MetafileModeLoadsAWmfBackgroundWithoutTheQuestion)
{
    K.Menu("menImageVectorielle").Checked = true;
    // A metafile of our own recorder: one line.
    DebutMetaFichier();
    LigneMeta(0, 0, 50, 50, RGB(0, 0, 255), 1);
    FinMetaFichier();
    ASSERT_TRUE(MetaFichier.has_value());
    const QString chemin = K.RepertoireImages + "/fond.wmf";
    ASSERT_TRUE(EcritMetaFichierPlacable(chemin, &*MetaFichier, 100, 80));
    K.ModeCalage = false;
    RepondeurScripte r;
    r.RepondTexte(chemin);
    Kelmo_menChargeImageFond_Click();
    ASSERT_EQ(r.appels().size(), 1u);
    EXPECT_EQ(r.appels()[0].fichier.filtre, "Tous fichiers (*.*)|*.*|Windows MetaFile (*.wmf)|*.wmf");
    EXPECT_EQ(r.appels()[0].fichier.nomFichier, "Image1.wmf");
    EXPECT_FALSE(images.imaVec.ImageFond().isNull());
    EXPECT_FALSE(K.ModeCalage);
    EXPECT_FALSE(K.ModeDigitalisation);
}

TEST_F(FichiersImage, ClearEmptiesBothPicturesAndDeletesTheMetafile)
{
    K.Menu("menImageVectorielle").Checked = true;
    DebutMetaFichier();
    LigneMeta(0, 0, 5, 5, 0, 1);
    FinMetaFichier();
    ASSERT_TRUE(MetaFichier.has_value());
    Kelmo_menEffaceImage_Click();
    EXPECT_FALSE(MetaFichier.has_value());
    EXPECT_EQ(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).size(), 1u);
    EXPECT_GE(images.imaVec.AppelsDeGenre(AppelZoneImage::Genre::Efface).size(), 1u);
    // Nothing to delete: the clear still clears.
    Kelmo_menEffaceImage_Click();
    EXPECT_EQ(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).size(), 2u);
}
