#pragma once
// The commands of the main window that work on the model and the pictures
// only: the network files, the relief file check, the picture files, the
// toolbar and the routing of clicks. The window calls them; the tests call
// them without any window.
#include "platform/Dialogues.h"

#include <QString>

namespace kelmo {

inline const QString FiltreImagesBitmap =
    QStringLiteral("Tous fichiers (*.*)|*.*|Bitmap (*.bmp)|*.bmp|GIF CompuServe (*.Gif)|*.Gif|JPEG (*.jpg)|*.jpg");
inline const QString FiltreImagesWmf = QStringLiteral("Tous fichiers (*.*)|*.*|Windows MetaFile (*.wmf)|*.wmf");
// The desktop's image viewer, which shows the saved bitmap.
inline const QString VisionneurImages = QStringLiteral("xdg-open");

// "&Fichiers du graphe...": asks for the node and the arc file, reads both,
// derives the network data, projects and draws the nodes.
void Kelmo_menFichiersGraphe_Click();
// "Prépare le &fichier relief 3d": toggles "FichierRelief3D" / "Temps".
void Kelmo_menFichierRelief3d_Click();

// "&Enregistre l'image...": the metafile in metafile mode, else Image.bmp in
// the images folder, then shown in the image viewer.
void Kelmo_menImprimeImage_Click();
// "Charge une &image en fond...": a background picture, then (bitmap mode)
// the digitising question.
void Kelmo_menChargeImageFond_Click();
// "E&fface l'image": both pictures and the metafile.
void Kelmo_menEffaceImage_Click();

// Toolbar button 1 to 7: zoom or pan, then re-projection and node redraw.
void ActionBarreOutils(int index);
// A click released on the map at (x, y), pressed at (xAppui, yAppui): goes
// to arc editing, node editing, digitising, then zoom by click.
void RouteClic(int bouton, int shift, double x, double y, double xAppui, double yAppui);
// The network coordinates under the mouse, as panel 3 shows them.
QString TexteCoordonnees(double x, double y);

} // namespace kelmo
