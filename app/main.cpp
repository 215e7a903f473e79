#include "app/Application.h"
#include "app/Kelmo.h"
#include "platform/Fichiers.h"
#include "platform/Traductions.h"
#include "platform/formes/ApplicationGardee.h"
#include "platform/formes/DialoguesQt.h"
#include "values/BandesStatistiques.h"
#include "values/ChargementNoeudsValeurs.h"
#include "values/ClassesValeurs.h"
#include "values/GestionStatistiques.h"
#include "values/MethodesBornes.h"
#include "values/formes/FenetresStatistiques.h"
#include "values/formes/Statistiques.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <cstring>
#include <exception>

namespace {

// A capture is saved as every picture of the program is: a failure leaves
// no cut file and ends the run with 1.
bool EnregistreCapture(const QPixmap& image, const QString& fichier)
{
    try {
        kelmo::EnregistreImage(image.toImage(), fichier, QFileInfo(fichier).suffix().toLatin1());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

int main(int argc, char** argv)
{
    kelmo::ApplicationGardee app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KELMO"));
    kelmo::ChargeTraductionsQt(app);
    kelmo::DialoguesQt dialogues;
    kelmo::DefinitUi(&dialogues);
    kelmo::Kelmo& fenetre = kelmo::DemarreKelmo();
    dialogues.definitParent(&fenetre);

    // "--capture file.png": the window after a full redraw, saved as a
    // picture, for the documentation; the program then ends.
    if (argc == 3 && std::strcmp(argv[1], "--capture") == 0) {
        const QString fichier = QString::fromLocal8Bit(argv[2]);
        QTimer::singleShot(300, &fenetre, [&fenetre, fichier] {
            fenetre.ExecuteMenu(QStringLiteral("menRedessine"));
            QTimer::singleShot(300, &fenetre, [&fenetre, fichier] {
                QApplication::exit(EnregistreCapture(fenetre.grab(), fichier) ? 0 : 1);
            });
        });
    }
    // "--capture-statistiques file.png": the sample node values loaded, the
    // value map of file 1 in five classes of equal range, and the statistics
    // window beside the map, saved as one picture.
    if (argc == 3 && std::strcmp(argv[1], "--capture-statistiques") == 0) {
        const QString fichier = QString::fromLocal8Bit(argv[2]);
        QTimer::singleShot(300, &fenetre, [&fenetre, fichier] {
            fenetre.ExecuteMenu(QStringLiteral("menRedessine"));
            kelmo::ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
            kelmo::K.Formes.Statistiques.Text5 = QStringLiteral("5");
            kelmo::Statistiques_Text5_Change();
            kelmo::Statistiques_Option3D1_Click();
            kelmo::Statistiques_SSCommand1_Click();
            const QColor couleurs[] = {QColor(255, 255, 178), QColor(254, 204, 92), QColor(253, 141, 60),
                                       QColor(240, 59, 32), QColor(189, 0, 38)};
            for (int k = 1; k <= 5; ++k) {
                kelmo::K.Classes[static_cast<std::size_t>(k)].Couleur = kelmo::DepuisQColor(couleurs[k - 1]);
                kelmo::K.Formes.Statistiques.PicClasse[static_cast<std::size_t>(k)] =
                    kelmo::DepuisQColor(couleurs[k - 1]);
            }
            kelmo::DessineClasses();
            kelmo::Statistiques_ApercuCarte_Click(true);
            kelmo::FenetreStatistiques()->Rafraichit();
            QTimer::singleShot(500, &fenetre, [&fenetre, fichier] {
                const QPixmap carte = fenetre.grab();
                const QPixmap stats = kelmo::FenetreStatistiques()->grab();
                QPixmap image(carte.width() + stats.width(), std::max(carte.height(), stats.height()));
                image.fill(Qt::white);
                QPainter p(&image);
                p.drawPixmap(0, 0, carte);
                p.drawPixmap(carte.width(), 0, stats);
                p.end();
                QApplication::exit(EnregistreCapture(image, fichier) ? 0 : 1);
            });
        });
    }
    const int r = app.exec();
    kelmo::ArreteKelmo();
    kelmo::DefinitUi(nullptr);
    return r;
}
