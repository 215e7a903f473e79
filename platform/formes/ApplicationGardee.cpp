#include "platform/formes/ApplicationGardee.h"
#include "platform/GardeCommandes.h"
#include "platform/formes/PlacementFenetre.h"
#include "platform/formes/RetourClavier.h"
#include "platform/formes/ToucheEntree.h"

namespace kelmo {

ApplicationGardee::ApplicationGardee(int& argc, char** argv) : QApplication(argc, argv)
{
    InstalleEntreeSurBouton(this);
    InstallePlacementFenetres(this);
    InstalleRetourClavier(this);
}

bool ApplicationGardee::notify(QObject* destinataire, QEvent* evenement)
{
    bool traite = false;
    ExecuteGarde([&] { traite = QApplication::notify(destinataire, evenement); });
    return traite;
}

} // namespace kelmo
