#pragma once
// The application object of the program: the last guard for any event
// handler that lets an error escape (a window's own handlers are guarded
// where they are connected; this catches what reaches the event loop). It
// also sets the keyboard rules and the placement that hold in every window,
// so that the program and its tests run under the same ones.
#include <QApplication>

namespace kelmo {

class ApplicationGardee : public QApplication {
public:
    ApplicationGardee(int& argc, char** argv);
    bool notify(QObject* destinataire, QEvent* evenement) override;
};

} // namespace kelmo
