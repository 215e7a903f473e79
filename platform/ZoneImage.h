#pragma once
// The picture areas the map is drawn on. The drawing code sets the pen,
// brush and font properties the way it always did on the old picture boxes,
// then calls the primitives; every primitive reads the properties at the
// moment it draws. The unit of coordinates and sizes is the pixel; the
// layout gives picture sizes in millimetres, converted at one fixed
// resolution (MillimetresEnPixels) so that a size reads back as it was set.
//
// Colours are stored colour values (red in the low byte, then green, blue),
// the same integers as core/Couleurs.h `Couleur`.
#include <QImage>
#include <QLine>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class QPainter;

namespace kelmo {

constexpr double PixelsParPouce = 96.0;

// Millimetres of the layout to whole pixels (nearest, never below 0).
int MillimetresEnPixels(double millimetres);
double PixelsEnMillimetres(double pixels);

// The largest side the persistent image is given; larger sizes are kept as
// the declared size but drawn on an image cut to this.
constexpr int CoteMaxImagePixels = 16384;

class ZoneImage {
public:
    ZoneImage();
    virtual ~ZoneImage();
    ZoneImage(const ZoneImage&) = delete;
    ZoneImage& operator=(const ZoneImage&) = delete;

    // --- drawing state (the picture box properties) ---
    int32_t ForeColor = 0;          // pen and text colour
    int32_t FillColor = 0;          // brush colour of circles and polygons
    int32_t BackColor = 0xFFFFFF;   // colour the clear paints
    int FillStyle = 1;              // 0 solid, 1 transparent; any other value fills solid
    int DrawWidth = 1;              // pen width in pixels; below 1 draws 1
    int DrawMode = 13;              // 13 copy pen, 7 xor pen, 6 invert; others draw as 13
    int DrawStyle = 0;              // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 transparent
    bool FontTransparent = true;    // text drawn without a background box
    QString FontName = QStringLiteral("Arial");
    double FontSize = 8.25;         // points (1/72 inch), at PixelsParPouce
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;
    bool AutoRedraw = true;         // drawings kept in the persistent image (always the case here)

    // --- size ---
    // Width and Height are in millimetres, as the layout and the display
    // spaces set them; the pixel sizes and the scale follow.
    double Width() const { return largeurMm_; }
    double Height() const { return hauteurMm_; }
    void DefinitLargeur(double millimetres);
    void DefinitHauteur(double millimetres);
    int LargeurPixels() const { return largeurPx_; }
    int HauteurPixels() const { return hauteurPx_; }
    // Drawing coordinates run from 0 to the scale size, in pixels.
    double ScaleWidth() const { return largeurPx_; }
    double ScaleHeight() const { return hauteurPx_; }

    // --- primitives, in whole pixels ---
    // The ellipse inscribed in the rectangle of two opposite corners, given
    // in any order; pen of ForeColor/DrawWidth/DrawStyle, brush of
    // FillColor/FillStyle.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Open line through the points, current pen.
    virtual void Polyline(const QPoint* points, int nombre) = 0;
    // Closed polygon, current pen and brush.
    virtual void Polygon(const QPoint* points, int nombre) = 0;
    // Text with its top-left corner at (x, y), current font, ForeColor.
    virtual void TextOutA(int x, int y, const QString& texte) = 0;
    // Clears the drawings: BackColor, then the background picture if any.
    virtual void Cls() = 0;
    // Paints freely on the persistent image (the metafile player does).
    virtual void Peint(const std::function<void(QPainter&)>& peinture) = 0;

    // Size of a text in the current font, pixels.
    virtual double TextWidth(const QString& texte) const = 0;
    virtual double TextHeight(const QString& texte) const = 0;

    // Background picture: kept under the drawings, survives Cls. Setting it
    // clears the drawings (as loading a picture into the old box did).
    virtual void DefinitImageFond(const QImage& image);
    const QImage& ImageFond() const { return fond_; }

    // The persistent image (background and drawings), for the window to
    // show and the bitmap save to write.
    virtual QImage Image() const = 0;

    // Asks the window showing the picture to repaint it.
    void Refresh();
    std::function<void()> Repeint;

    // Grows at every clear and every resize, so a player that paints only
    // what is new knows when it must paint everything again.
    uint64_t NumeroEffacement() const { return effacements_; }

    // --- the two drawing primitives of the map ---
    // Circle on the square of corners (Int(x + r), Int(y + r)) and
    // (Int(x - r), Int(y - r)), Int rounding down; a negative radius draws
    // as 0.
    void TraceCercle(double x, double y, double rayon);
    // Segment between the two points rounded to nearest (halves to even).
    void TracePolyligne(double x1, double y1, double x2, double y2);
    // Many separate segments with the current pen, in order, each rounded as
    // TracePolyligne rounds: the arc drawing hands a whole link type at once.
    void TraceSegments(const QLineF* segments, int nombre);
    // The segments in whole pixels; by default one Polyline each.
    virtual void Segments(const QLine* segments, int nombre);

protected:
    // Called after the pixel size changed.
    virtual void Redimensionne(int largeurPixels, int hauteurPixels) = 0;
    void NoteEffacement() { ++effacements_; }
    QImage fond_;

private:
    double largeurMm_ = 0, hauteurMm_ = 0;
    int largeurPx_ = 0, hauteurPx_ = 0;
    uint64_t effacements_ = 0;
};

// The picture drawn on a QImage, without antialiasing so that the pixels are
// what the primitives name.
class ZoneImageBitmap : public ZoneImage {
public:
    ZoneImageBitmap();
    ~ZoneImageBitmap() override;

    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Polyline(const QPoint* points, int nombre) override;
    void Polygon(const QPoint* points, int nombre) override;
    void Segments(const QLine* segments, int nombre) override;
    void TextOutA(int x, int y, const QString& texte) override;
    void Cls() override;
    void Peint(const std::function<void(QPainter&)>& peinture) override;
    double TextWidth(const QString& texte) const override;
    double TextHeight(const QString& texte) const override;
    void DefinitImageFond(const QImage& image) override;
    QImage Image() const override;

    // One pixel of the persistent image as a stored colour value (tests).
    int32_t Pixel(int x, int y) const;

protected:
    void Redimensionne(int largeurPixels, int hauteurPixels) override;

private:
    QPainter& Peintre();
    void FermePeintre() const;
    void SegmentsDirects(const QLine* segments, int nombre);
    void PrepareStylo(QPainter& p) const;
    void PrepareBrosse(QPainter& p) const;
    void PrepareMode(QPainter& p) const;

    mutable QImage image_;
    mutable QPainter* peintre_ = nullptr; // kept open between primitives: tens of thousands of lines
};

// One call made on a ZoneImageEnregistreuse, with the properties it drew
// with.
struct AppelZoneImage {
    enum class Genre { Ellipse, Polyline, Polygon, Texte, Efface, Peinture, ImageFond };
    Genre genre;
    std::vector<QPoint> points;   // Ellipse: the two corners as given
    QString texte;
    int32_t ForeColor = 0;
    int32_t FillColor = 0;
    int FillStyle = 0;
    int DrawWidth = 0;
    int DrawMode = 0;
    int DrawStyle = 0;
    QString FontName;
    double FontSize = 0;
    bool FontBold = false;
};

// For the tests: keeps every call, and still draws it on its own image so
// that pixels can be checked too.
class ZoneImageEnregistreuse : public ZoneImageBitmap {
public:
    std::vector<AppelZoneImage> Appels;
    std::vector<AppelZoneImage> AppelsDeGenre(AppelZoneImage::Genre genre) const;

    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Polyline(const QPoint* points, int nombre) override;
    void Polygon(const QPoint* points, int nombre) override;
    // Kept as one Polyline call per segment.
    void Segments(const QLine* segments, int nombre) override;
    void TextOutA(int x, int y, const QString& texte) override;
    void Cls() override;
    void Peint(const std::function<void(QPainter&)>& peinture) override;
    void DefinitImageFond(const QImage& image) override;

private:
    AppelZoneImage Note(AppelZoneImage::Genre genre) const;
};

} // namespace kelmo
