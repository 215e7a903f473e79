#include "platform/ZoneImage.h"
#include "platform/SegmentsDirects.h"
#include "platform/TrianglesDirects.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace kelmo {

namespace {

QColor EnQColor(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Values far outside any picture are held at a bound before the conversion
// to int, which would otherwise be undefined.
int EntierBorne(double v)
{
    if (!(v == v))
        return 0;
    return static_cast<int>(std::clamp(v, -1.0e9, 1.0e9));
}

int PlusProche(double v) { return EntierBorne(std::nearbyint(std::clamp(v, -1.0e9, 1.0e9))); }
int Plancher(double v) { return EntierBorne(std::floor(std::clamp(v, -1.0e9, 1.0e9))); }

QFont PoliceDe(const ZoneImage& z)
{
    QFont f(z.FontName);
    // Point sizes at the fixed resolution, so the text has the same pixel
    // size on every screen and in the recorded metafile.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(z.FontSize * PixelsParPouce / 72.0))));
    f.setBold(z.FontBold);
    f.setItalic(z.FontItalic);
    f.setUnderline(z.FontUnderline);
    f.setStrikeOut(z.FontStrikethru);
    return f;
}

} // namespace

int MillimetresEnPixels(double millimetres)
{
    if (!(millimetres > 0))
        return 0;
    return EntierBorne(std::nearbyint(std::min(millimetres, 1.0e8) * PixelsParPouce / 25.4));
}

double PixelsEnMillimetres(double pixels) { return pixels * 25.4 / PixelsParPouce; }

ZoneImage::ZoneImage() = default;
ZoneImage::~ZoneImage() = default;

void ZoneImage::DefinitLargeur(double millimetres)
{
    largeurMm_ = std::max(0.0, millimetres);
    largeurPx_ = MillimetresEnPixels(largeurMm_);
    ++effacements_;
    Redimensionne(largeurPx_, hauteurPx_);
}

void ZoneImage::DefinitHauteur(double millimetres)
{
    hauteurMm_ = std::max(0.0, millimetres);
    hauteurPx_ = MillimetresEnPixels(hauteurMm_);
    ++effacements_;
    Redimensionne(largeurPx_, hauteurPx_);
}

void ZoneImage::DefinitImageFond(const QImage& image)
{
    fond_ = image;
    Cls();
}

void ZoneImage::Refresh()
{
    if (Repeint)
        Repeint();
}

void ZoneImage::TraceCercle(double x, double y, double rayon)
{
    const double r = rayon > 0 ? rayon : 0.0;
    Ellipse(Plancher(x + r), Plancher(y + r), Plancher(x - r), Plancher(y - r));
}

void ZoneImage::TracePolyligne(double x1, double y1, double x2, double y2)
{
    const QPoint points[2] = {QPoint(PlusProche(x1), PlusProche(y1)), QPoint(PlusProche(x2), PlusProche(y2))};
    Polyline(points, 2);
}

void ZoneImage::TraceSegments(const QLineF* segments, int nombre)
{
    if (!segments || nombre <= 0)
        return;
    std::vector<QLine> lignes;
    lignes.reserve(static_cast<std::size_t>(nombre));
    for (int i = 0; i < nombre; ++i) {
        const QLineF& l = segments[i];
        lignes.emplace_back(PlusProche(l.x1()), PlusProche(l.y1()), PlusProche(l.x2()), PlusProche(l.y2()));
    }
    Segments(lignes.data(), nombre);
}

void ZoneImage::Segments(const QLine* segments, int nombre)
{
    for (int i = 0; i < nombre; ++i) {
        const QPoint points[2] = {segments[i].p1(), segments[i].p2()};
        Polyline(points, 2);
    }
}

// ---------------------------------------------------------------- bitmap

ZoneImageBitmap::ZoneImageBitmap() : image_(1, 1, QImage::Format_RGB32) { image_.fill(Qt::white); }

ZoneImageBitmap::~ZoneImageBitmap() { FermePeintre(); }

QPainter& ZoneImageBitmap::Peintre()
{
    if (!peintre_) {
        peintre_ = new QPainter(&image_);
        peintre_->setRenderHint(QPainter::Antialiasing, false);
        peintre_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *peintre_;
}

void ZoneImageBitmap::FermePeintre() const
{
    if (peintre_) {
        peintre_->end();
        delete peintre_;
        peintre_ = nullptr;
    }
}

void ZoneImageBitmap::PrepareMode(QPainter& p) const
{
    switch (DrawMode) {
    case 7: p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case 6: p.setCompositionMode(QPainter::RasterOp_NotDestination); break;
    default: p.setCompositionMode(QPainter::CompositionMode_SourceOver); break;
    }
}

void ZoneImageBitmap::PrepareStylo(QPainter& p) const
{
    if (DrawStyle == 5) {
        p.setPen(Qt::NoPen);
        return;
    }
    QPen stylo(EnQColor(ForeColor));
    stylo.setWidth(std::max(1, DrawWidth));
    stylo.setCapStyle(Qt::RoundCap);
    stylo.setJoinStyle(Qt::RoundJoin);
    // The old picture boxes drew broken lines only at width 1.
    if (stylo.width() == 1) {
        switch (DrawStyle) {
        case 1: stylo.setStyle(Qt::DashLine); break;
        case 2: stylo.setStyle(Qt::DotLine); break;
        case 3: stylo.setStyle(Qt::DashDotLine); break;
        case 4: stylo.setStyle(Qt::DashDotDotLine); break;
        default: break;
        }
    }
    p.setPen(stylo);
}

void ZoneImageBitmap::PrepareBrosse(QPainter& p) const
{
    if (FillStyle == 1)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(EnQColor(FillColor));
}

void ZoneImageBitmap::Ellipse(int x1, int y1, int x2, int y2)
{
    QPainter& p = Peintre();
    PrepareMode(p);
    PrepareStylo(p);
    PrepareBrosse(p);
    const QRect r = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
    if (r.width() <= 1 || r.height() <= 1)
        return; // an empty rectangle draws nothing: the nodes drawn without symbols
    p.drawEllipse(QRect(r.topLeft(), QSize(r.width() - 1, r.height() - 1)));
}

void ZoneImageBitmap::Polyline(const QPoint* points, int nombre)
{
    if (!points || nombre < 2)
        return;
    QPainter& p = Peintre();
    PrepareMode(p);
    PrepareStylo(p);
    p.drawPolyline(points, nombre);
}

// Solid copy-mode segments go straight into the image (SegmentsDirects.h).
void ZoneImageBitmap::SegmentsDirects(const QLine* segments, int nombre)
{
    // The open painter draws straight into the image's pixels, as the
    // segments do, so both can work in turn without closing it (opening a
    // painter costs more than a small triangle). An image shared with a copy
    // is first copied by the write: the painter would then draw into the
    // copy, so it is closed.
    if (!image_.isDetached())
        FermePeintre();
    const QColor q = EnQColor(ForeColor);
    TraceSegmentsDirects(image_, segments, nombre, qRgb(q.red(), q.green(), q.blue()), DrawWidth);
}

void ZoneImageBitmap::Segments(const QLine* segments, int nombre)
{
    if (!segments || nombre <= 0)
        return;
    if (DrawMode != 6 && DrawMode != 7 && DrawStyle == 0 && AccepteSegmentsDirects(image_)) {
        SegmentsDirects(segments, nombre);
        return;
    }
    QPainter& p = Peintre();
    PrepareMode(p);
    PrepareStylo(p);
    // Round ends of a few pixels go through the path stroker, several times
    // slower than the line rasteriser; at these widths square ends cover
    // the same pixels but the end corners, and keep a redraw of a hundred
    // thousand arcs fast.
    if (DrawWidth >= 2 && DrawWidth <= 4 && p.pen().style() == Qt::SolidLine) {
        QPen stylo = p.pen();
        stylo.setCapStyle(Qt::SquareCap);
        stylo.setJoinStyle(Qt::MiterJoin);
        p.setPen(stylo);
    }
    p.drawLines(segments, nombre);
}

void ZoneImageBitmap::Polygon(const QPoint* points, int nombre)
{
    if (!points || nombre < 2)
        return;
    // Off the picture, pen included (half its width and a pixel of
    // rounding beyond the sides at most), nothing is drawn.
    if (PolygoneHorsImage(points, nombre, std::max<int64_t>(1, DrawWidth) + 2, image_.size()))
        return;
    // A small solid triangle in copy mode is filled straight into the image
    // (TrianglesDirects.h), as the painter would fill it; a one-pixel solid
    // outline is then left to the painter alone, which draws it over its
    // fill as it would have (the fill costs it as much as the outline).
    const bool sansContour = DrawStyle == 5;
    if (nombre == 3 && FillStyle != 1 && DrawMode != 6 && DrawMode != 7 && (sansContour || (DrawStyle == 0 && DrawWidth <= 1))
        && AccepteSegmentsDirects(image_)) {
        if (!image_.isDetached())
            FermePeintre(); // see SegmentsDirects
        const QColor q = EnQColor(FillColor);
        if (RemplitTriangleDirect(image_, points, qRgb(q.red(), q.green(), q.blue()))) {
            if (sansContour)
                return;
            QPainter& p = Peintre();
            PrepareMode(p);
            PrepareStylo(p);
            p.setBrush(Qt::NoBrush);
            p.drawPolygon(points, nombre);
            return;
        }
    }
    QPainter& p = Peintre();
    PrepareMode(p);
    PrepareStylo(p);
    PrepareBrosse(p);
    p.drawPolygon(points, nombre);
}

void ZoneImageBitmap::TextOutA(int x, int y, const QString& texte)
{
    if (texte.isEmpty())
        return;
    QPainter& p = Peintre();
    PrepareMode(p);
    const QFont f = PoliceDe(*this);
    p.setFont(f);
    const QFontMetricsF m(f);
    if (!FontTransparent)
        p.fillRect(QRectF(x, y, m.horizontalAdvance(texte), m.height()), EnQColor(BackColor));
    p.setPen(EnQColor(ForeColor));
    p.drawText(QPointF(x, y + m.ascent()), texte);
}

void ZoneImageBitmap::Cls()
{
    QPainter& p = Peintre();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(image_.rect(), EnQColor(BackColor));
    if (!fond_.isNull())
        p.drawImage(QPoint(0, 0), fond_);
    NoteEffacement();
}

void ZoneImageBitmap::Peint(const std::function<void(QPainter&)>& peinture)
{
    if (!peinture)
        return;
    QPainter& p = Peintre();
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    peinture(p);
    p.restore();
}

double ZoneImageBitmap::TextWidth(const QString& texte) const { return QFontMetricsF(PoliceDe(*this)).horizontalAdvance(texte); }

double ZoneImageBitmap::TextHeight(const QString&) const { return QFontMetricsF(PoliceDe(*this)).height(); }

void ZoneImageBitmap::DefinitImageFond(const QImage& image)
{
    fond_ = image;
    Cls();
}

QImage ZoneImageBitmap::Image() const
{
    FermePeintre();
    return image_;
}

int32_t ZoneImageBitmap::Pixel(int x, int y) const
{
    FermePeintre();
    if (!image_.valid(x, y))
        return -1;
    const QRgb c = image_.pixel(x, y);
    return qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16);
}

void ZoneImageBitmap::Redimensionne(int largeurPixels, int hauteurPixels)
{
    FermePeintre();
    const int l = std::clamp(largeurPixels, 1, CoteMaxImagePixels);
    const int h = std::clamp(hauteurPixels, 1, CoteMaxImagePixels);
    if (l == image_.width() && h == image_.height())
        return;
    // The persistent image grows or shrinks from its top-left corner and
    // keeps what was drawn, as the old picture box did.
    QImage nouvelle(l, h, QImage::Format_RGB32);
    if (nouvelle.isNull())
        return; // out of memory: keep drawing on the old image
    nouvelle.fill(EnQColor(BackColor));
    {
        QPainter p(&nouvelle);
        if (!fond_.isNull())
            p.drawImage(QPoint(0, 0), fond_);
        p.drawImage(QPoint(0, 0), image_);
    }
    image_ = std::move(nouvelle);
}

// ---------------------------------------------------------------- recording

AppelZoneImage ZoneImageEnregistreuse::Note(AppelZoneImage::Genre genre) const
{
    AppelZoneImage a{genre, {}, {}, ForeColor, FillColor, FillStyle, DrawWidth, DrawMode, DrawStyle,
                     FontName, FontSize, FontBold};
    return a;
}

std::vector<AppelZoneImage> ZoneImageEnregistreuse::AppelsDeGenre(AppelZoneImage::Genre genre) const
{
    std::vector<AppelZoneImage> r;
    for (const auto& a : Appels)
        if (a.genre == genre)
            r.push_back(a);
    return r;
}

void ZoneImageEnregistreuse::Ellipse(int x1, int y1, int x2, int y2)
{
    AppelZoneImage a = Note(AppelZoneImage::Genre::Ellipse);
    a.points = {QPoint(x1, y1), QPoint(x2, y2)};
    Appels.push_back(std::move(a));
    ZoneImageBitmap::Ellipse(x1, y1, x2, y2);
}

void ZoneImageEnregistreuse::Polyline(const QPoint* points, int nombre)
{
    AppelZoneImage a = Note(AppelZoneImage::Genre::Polyline);
    if (points && nombre > 0)
        a.points.assign(points, points + nombre);
    Appels.push_back(std::move(a));
    ZoneImageBitmap::Polyline(points, nombre);
}

void ZoneImageEnregistreuse::Polygon(const QPoint* points, int nombre)
{
    AppelZoneImage a = Note(AppelZoneImage::Genre::Polygon);
    if (points && nombre > 0)
        a.points.assign(points, points + nombre);
    Appels.push_back(std::move(a));
    ZoneImageBitmap::Polygon(points, nombre);
}

void ZoneImageEnregistreuse::Segments(const QLine* segments, int nombre) { ZoneImage::Segments(segments, nombre); }

void ZoneImageEnregistreuse::TextOutA(int x, int y, const QString& texte)
{
    AppelZoneImage a = Note(AppelZoneImage::Genre::Texte);
    a.points = {QPoint(x, y)};
    a.texte = texte;
    Appels.push_back(std::move(a));
    ZoneImageBitmap::TextOutA(x, y, texte);
}

void ZoneImageEnregistreuse::Cls()
{
    Appels.push_back(Note(AppelZoneImage::Genre::Efface));
    ZoneImageBitmap::Cls();
}

void ZoneImageEnregistreuse::Peint(const std::function<void(QPainter&)>& peinture)
{
    Appels.push_back(Note(AppelZoneImage::Genre::Peinture));
    ZoneImageBitmap::Peint(peinture);
}

void ZoneImageEnregistreuse::DefinitImageFond(const QImage& image)
{
    Appels.push_back(Note(AppelZoneImage::Genre::ImageFond));
    ZoneImageBitmap::DefinitImageFond(image);
}

} // namespace kelmo
