#include "core/Images.h"
#include "platform/Dialogues.h"
#include "platform/Fichiers.h"

namespace kelmo {

namespace {

ZoneImage& ImaIntegree()
{
    static ZoneImageBitmap z;
    return z;
}

ZoneImage& ImaVecIntegree()
{
    static ZoneImageBitmap z;
    return z;
}

ZoneImage* ima_ = nullptr;
ZoneImage* imaVec_ = nullptr;

// The sizes of the start-up picture set-up.
void TailleDeDepart(ZoneImage& z)
{
    z.DefinitHauteur(250);
    z.DefinitLargeur(350);
    z.Cls();
}

} // namespace

ZoneImage& Ima() { return ima_ ? *ima_ : ImaIntegree(); }
ZoneImage& ImaVec() { return imaVec_ ? *imaVec_ : ImaVecIntegree(); }

void DefinitIma(ZoneImage* ima) { ima_ = ima; }
void DefinitImaVec(ZoneImage* imaVec) { imaVec_ = imaVec; }

ImagesDeTest::ImagesDeTest() : ancienneIma_(ima_), ancienneImaVec_(imaVec_)
{
    TailleDeDepart(ima);
    TailleDeDepart(imaVec);
    ima.Appels.clear();
    imaVec.Appels.clear();
    DefinitIma(&ima);
    DefinitImaVec(&imaVec);
}

ImagesDeTest::~ImagesDeTest()
{
    DefinitIma(ancienneIma_);
    DefinitImaVec(ancienneImaVec_);
}

void EnregistreImaBitmap(const QString& chemin)
{
    EnregistreImage(Ima().Image(), chemin, "BMP");
}

bool ImaPersistante()
{
    if (Ima().AutoRedraw)
        return true;
    Ui().Message(QStringLiteral("Mettez la propriété AutoRedraw sur l'image (Menu Options-Image-Propriété "
                                "AutoRedraw) avant de sauvegarder.   La sauvegarde de l'image enregistre tous "
                                "les dessins faits aprés la validation de AutoRedraw."),
                 Boutons::OK, Icone::Critique, QStringLiteral("Pas d'AutoRedraw"));
    return false;
}

} // namespace kelmo
