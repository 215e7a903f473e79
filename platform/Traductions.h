#pragma once
// The toolkit's own words (the buttons of message boxes, the file, colour and
// font choosers) in French, like every other word the program shows.
class QCoreApplication;
class QTranslator;

namespace kelmo {

// Installs the toolkit's French translations into the application, which
// owns them; null when they are not installed on this system (the standard
// dialogs then keep the toolkit's English).
QTranslator* ChargeTraductionsQt(QCoreApplication& application);

} // namespace kelmo
