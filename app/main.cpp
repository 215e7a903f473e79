#include "app/Application.h"
#include "app/Kelmo.h"
#include "platform/formes/DialoguesQt.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KELMO"));
    kelmo::DialoguesQt dialogues;
    kelmo::DefinitUi(&dialogues);
    kelmo::Kelmo& fenetre = kelmo::DemarreKelmo();
    dialogues.definitParent(&fenetre);
    const int r = app.exec();
    kelmo::ArreteKelmo();
    kelmo::DefinitUi(nullptr);
    return r;
}
