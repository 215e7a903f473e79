#include "platform/GardeCommandes.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"

#include <stdexcept>

namespace kelmo {

QString TexteErreurInattendue(const std::exception& e)
{
    // The program's own errors carry their French text; others come from the
    // libraries, in UTF-8.
    const auto* erreur = dynamic_cast<const ErreurExecution*>(&e);
    const QString detail = erreur ? erreur->description() : QString::fromUtf8(e.what());
    return QStringLiteral("L'erreur inattendue s'est produite : ") + detail;
}

namespace {
TemoinErreurInattendue temoin = nullptr;
}

void DefinitTemoinErreurInattendue(TemoinErreurInattendue t) { temoin = t; }

void SignaleErreurInattendue(const std::exception& e)
{
    if (temoin)
        temoin(e);
    // An error repeated by the events the message box itself brings (a
    // repaint) is shown once, not stacked box upon box.
    static bool enCours = false;
    if (enCours)
        return;
    enCours = true;
    Ui().Sablier(false);
    try {
        MessageErreur(TexteErreurInattendue(e));
    } catch (...) {
    }
    enCours = false;
}

} // namespace kelmo
