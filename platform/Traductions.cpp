#include "platform/Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kelmo {

bool ChargeTraductionsQt(QCoreApplication& application)
{
    // The program speaks French whatever the system's language, so the
    // catalogue is chosen by name rather than by the system locale.
    static const QCoreApplication* dejaChargees = nullptr;
    if (dejaChargees == &application)
        return true;
    auto* t = new QTranslator(&application);
    if (!t->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    dejaChargees = &application;
    return true;
}

} // namespace kelmo
