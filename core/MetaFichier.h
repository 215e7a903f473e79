#pragma once
// The vector form of the map. In metafile mode (menu "Image &vectorielle"
// ticked) every drawing procedure draws on Ima as usual and also records the
// same shapes here; the accumulated metafile is shown on ImaVec and can be
// saved as a placeable metafile file.
//
// Use:
//   if (ModeImageVectorielle()) DebutMetaFichier();
//   ... TraceCercle on Ima, and if (ModeImageVectorielle()) CercleMeta(...) ...
//   if (ModeImageVectorielle()) FinMetaFichier();
// Every clear of the map calls EffaceMetaFichier().
#include "core/Couleurs.h"
#include "platform/Wmf.h"

#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kelmo {

// True when the menu "Image &vectorielle" is ticked.
bool ModeImageVectorielle();

// The vector image accumulated since the last clear; empty = no metafile.
// Every recording starts from it, every clear deletes it.
extern std::optional<wmf::Metafichier> MetaFichier;

// Where the shape recorders draw: nowhere yet, the open recording, or
// (after a recording was closed) the vector picture.
enum class ContexteMeta { Aucun, Enregistrement, ImaVec };
ContexteMeta DCMeta();
bool EnregistrementOuvert();

// Object slots of the last shape's pen and brush in the recording (-1: none).
int StyloMeta();
int BrosseMeta();

// The triangle PolygoneMeta records; the caller fills it first.
extern std::array<QPoint, 3> PointsPolygone;
// Shape counter some drawings keep to split long recordings (they reset it).
extern int16_t NbFormesMetaFichier;

// Opens a recording that starts with the accumulated metafile.
void DebutMetaFichier();
// Room in the open recording for that many 16-bit words of records.
void ReserveMetaFichier(std::size_t mots);
// Closes the recording into MetaFichier and paints it on ImaVec. With no
// recording open it does nothing.
void FinMetaFichier();
// The clear of the map: deletes the accumulated metafile. A recording that
// is open stays open but loses what it had.
void EffaceMetaFichier();

// True when the point can be stored in the metafile's 16-bit coordinates
// (after rounding to nearest, halves to even).
bool DansPlageMetaFichier(double x, double y);

// The shape recorders. With no recording open, the shape is painted on ImaVec
// and added to the accumulated metafile (so that what the vector picture
// shows is what is saved). They return false, recording nothing, when a
// coordinate falls outside the 16-bit range of the format, or a coordinate,
// radius or width is not a finite number.
bool LigneMeta(double x1, double y1, double x2, double y2, Couleur couleur, double epaisseur);
bool CercleMeta(double x, double y, double rayon, Couleur couleurInterieur, Couleur couleurBord, double epaisseur);
// Filled triangle of PointsPolygone, no outline, brush of Ima's FillColor.
bool PolygoneMeta();
// Records the text cut at its first double blank (written back into
// `texte`), in Ima's font, at (x, y) its top-left corner, in `couleur`
// (the names' colour CouleurNoms when not given) on a transparent background.
bool TexteMeta(QString& texte, double x, double y, std::optional<Couleur> couleur = std::nullopt);
// The cut of TexteMeta alone.
QString CoupeTexteMeta(const QString& texte);

// The bytes of the placeable metafile file of `meta` scaled to a picture of
// largeur x hauteur units: 22-byte header, then the standard metafile with
// its window extent and anisotropic mapping records before the records.
std::string OctetsMetaFichierPlacable(const wmf::Metafichier& meta, int16_t largeur, int16_t hauteur);

// The largest picture side a placeable header can declare (it stores side + 1).
constexpr int CoteMaxMetaFichier = 32766;

// Writes the placeable metafile file. No metafile: message "Le Metafichier
// n'est pas défini", no file touched. A side beyond CoteMaxMetaFichier or a
// write failure: a French message, the old file left as it was. Returns true
// when the file was written.
bool EcritMetaFichierPlacable(const QString& nomFichier, const wmf::Metafichier* meta, int largeur, int hauteur);

// The save command in metafile mode ("&Enregistre l'image..."): the check,
// the save dialog, then EcritMetaFichierPlacable at ImaVec's scale size.
void EnregistreImageVectorielle();

} // namespace kelmo
