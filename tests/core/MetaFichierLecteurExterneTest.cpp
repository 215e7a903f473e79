// The saved metafile read by an independent program (wmf2svg of libwmf):
// a file it rejects would be rejected by the drawing programs the map is
// taken into.
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "platform/Nombres.h"
#include "platform/RepondeurScripte.h"

#include <QFile>
#include <cmath>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelmo;

namespace {

QString Wmf2svg() { return QStandardPaths::findExecutable(QStringLiteral("wmf2svg")); }

// Converts the file; returns the SVG text, or an empty string with the
// reason in `erreur`.
QString VersSvg(const QString& wmf, const QString& svg, QString& erreur)
{
    QProcess p;
    p.start(Wmf2svg(), {QStringLiteral("-o"), svg, wmf});
    if (!p.waitForFinished(60000)) {
        erreur = QStringLiteral("wmf2svg did not finish");
        return {};
    }
    erreur = QString::fromLocal8Bit(p.readAllStandardError());
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        erreur += QStringLiteral(" (exit %1)").arg(p.exitCode());
        return {};
    }
    QFile f(svg);
    if (!f.open(QIODevice::ReadOnly)) {
        erreur = QStringLiteral("no SVG written");
        return {};
    }
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(MetaFichierLecteurExterne, UnLecteurIndependantRetrouveLesLignesLesCerclesEtLesNoms)
{
    if (Wmf2svg().isEmpty())
        GTEST_SKIP() << "wmf2svg (libwmf-bin) is not installed";
    ReinitialiseDonnees();
    ImagesDeTest images;
    K.Menu(QStringLiteral("menImageVectorielle")).Checked = true;
    K.CouleurNoms = RGB(0, 0, 255);

    DebutMetaFichier();
    LigneMeta(10, 20, 300, 40, RGB(255, 0, 0), 2);
    LigneMeta(300, 40, 500, 400, RGB(255, 0, 0), 2);
    LigneMeta(20, 600, 700, 600, RGB(0, 128, 0), 4);
    CercleMeta(100, 100, 8, RGB(128, 0, 0), RGB(192, 192, 192), 1);
    CercleMeta(400.5, 300.5, 3, RGB(128, 0, 0), RGB(192, 192, 192), 1);
    QString nom = QStringLiteral("MARSEILLE") + QString(41, QLatin1Char(' '));
    TexteMeta(nom, 100, 87);
    QString autre = QStringLiteral("LYON");
    TexteMeta(autre, 400, 287);
    PointsPolygone = {QPoint(600, 100), QPoint(650, 100), QPoint(625, 150)};
    Ima().FillColor = RGB(0, 255, 255);
    PolygoneMeta();
    FinMetaFichier();
    // A second recording: the file must hold the first one too.
    DebutMetaFichier();
    CercleMeta(800, 500, 6, RGB(0, 0, 128), RGB(0, 0, 0), 1);
    FinMetaFichier();

    QTemporaryDir dir;
    const QString wmf = dir.filePath(QStringLiteral("Carte.wmf"));
    RepondeurScripte ui;
    ASSERT_TRUE(EcritMetaFichierPlacable(wmf, &*MetaFichier, 1323, 945));

    QString erreur;
    const QString svg = VersSvg(wmf, dir.filePath(QStringLiteral("Carte.svg")), erreur);
    ASSERT_FALSE(svg.isEmpty()) << erreur.toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("<svg")));
    EXPECT_EQ(svg.count(QStringLiteral("<ellipse")), 3) << svg.toStdString();
    EXPECT_GE(svg.count(QRegularExpression(QStringLiteral("<(line|path|polyline)\\b"))), 3) << svg.toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("MARSEILLE"))) << svg.toStdString();
    EXPECT_FALSE(svg.contains(QStringLiteral("MARSEILLE "))); // cut at the padding
    EXPECT_TRUE(svg.contains(QStringLiteral("LYON")));
    EXPECT_GE(svg.count(QStringLiteral("<polygon")) + svg.count(QStringLiteral("<path")), 1);
    // The shapes after the names are not made see-through by the names'
    // transparent background.
    EXPECT_FALSE(svg.contains(QStringLiteral("fill-opacity:0.5"))) << svg.toStdString();
    // The circles keep their size (the reader writes the radius with the
    // sign of the corner order, which is right to left): 8 units, scaled.
    const QRegularExpression rayon(QStringLiteral("<ellipse[^>]*rx=\"(-?[0-9.]+)\" ry=\"(-?[0-9.]+)\""));
    auto it = rayon.globalMatch(svg);
    ASSERT_TRUE(it.hasNext());
    const auto premier = it.next();
    const double rx = std::abs(ValeurNombre(premier.captured(1)));
    const double ry = std::abs(ValeurNombre(premier.captured(2)));
    EXPECT_GT(rx, 2.0);
    // Tolerance: the reader scales x and y apart, within a tenth.
    EXPECT_NEAR(rx, ry, 0.1 * rx);
}
