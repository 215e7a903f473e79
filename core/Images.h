#pragma once
// The two picture areas of the main window: `Ima`, the bitmap picture every
// drawing goes to, and `ImaVec`, the vector picture that shows the recorded
// metafile. The main window installs the ones it shows; tests install their
// own (ZoneImageEnregistreuse); until then built-in bitmap pictures are used.
#include "platform/ZoneImage.h"

namespace kelmo {

ZoneImage& Ima();
ZoneImage& ImaVec();

// Saves the persistent image of Ima() as a Windows bitmap file, through a
// temporary file renamed over the old one: a failure raises and leaves any
// earlier file as it was.
void EnregistreImaBitmap(const QString& chemin);

// Whether Ima keeps what is drawn (AutoRedraw), which saving it needs; when
// it does not, says so ("Pas d'AutoRedraw") and gives false.
bool ImaPersistante();

// Installs the pictures in use (not owned); nullptr restores the built-in one.
void DefinitIma(ZoneImage* ima);
void DefinitImaVec(ZoneImage* imaVec);

// Installs two recording pictures for the life of the object, sized as at
// start-up (350 x 250 mm); restores the previous ones afterwards.
class ImagesDeTest {
public:
    ImagesDeTest();
    ~ImagesDeTest();
    ImagesDeTest(const ImagesDeTest&) = delete;
    ImagesDeTest& operator=(const ImagesDeTest&) = delete;
    ZoneImageEnregistreuse ima;
    ZoneImageEnregistreuse imaVec;

private:
    ZoneImage* ancienneIma_;
    ZoneImage* ancienneImaVec_;
};

} // namespace kelmo
