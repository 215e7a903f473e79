#include "platform/formes/ApplicationGardee.h"
#include "platform/GardeCommandes.h"

namespace kelmo {

bool ApplicationGardee::notify(QObject* destinataire, QEvent* evenement)
{
    bool traite = false;
    ExecuteGarde([&] { traite = QApplication::notify(destinataire, evenement); });
    return traite;
}

} // namespace kelmo
