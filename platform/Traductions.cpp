#include "platform/Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kelmo {

QTranslator* ChargeTraductionsQt(QCoreApplication& application)
{
    // The program speaks French whatever the system's language, so the
    // catalogue is chosen by name rather than by the system locale.
    auto* t = new QTranslator(&application);
    if (!t->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return nullptr;
    }
    QCoreApplication::installTranslator(t);
    return t;
}

} // namespace kelmo
