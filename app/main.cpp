#include "app/Application.h"
#include "app/Kelmo.h"
#include "platform/Traductions.h"
#include "platform/formes/DialoguesQt.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
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
                const bool ok = fenetre.grab().save(fichier);
                QApplication::exit(ok ? 0 : 1);
            });
        });
    }
    const int r = app.exec();
    kelmo::ArreteKelmo();
    kelmo::DefinitUi(nullptr);
    return r;
}
