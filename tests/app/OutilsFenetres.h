#pragma once
// Helpers of the tests that drive the program's windows: the arc editor on a
// chosen arc, a click as the mouse gives it, and a wait for the window
// system, which answers in its own time under X11.
#include "app/Kelmo.h"
#include "editing/formes/FenetresEdition.h"
#include "editing/formes/ModifArcs.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QThread>
#include <QWindow>
#include <functional>

namespace kelmo::test {

// The arc editor opened from the menu on PARIS - LYON by Train.
inline ModifArcs* EditeurParisLyon(Kelmo& k)
{
    k.ExecuteMenu(QStringLiteral("menModifieOD"));
    ModifArcs* w = FenetreModifArcs();
    emit w->ListeModifiable3->activated(w->ListeModifiable3->findText(QStringLiteral("Train")));
    emit w->ListeModifiable1->activated(1);
    emit w->ListeModifiable2->activated(2);
    return w;
}

inline void PresseSouris(QWidget* w)
{
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// True once pret() holds, false after about ms milliseconds.
inline bool Attend(const std::function<bool()>& pret, int ms = 3000)
{
    for (int i = 0; i < ms / 10 && !pret(); ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    return pret();
}

// The window's frame on the screen once the window manager has framed it and
// it has stood still for a tenth of a second (after about 3 s, as it is).
// Without a window manager (offscreen), its frame as it stands.
inline QRect CadrePose(const QWidget* w)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return w->frameGeometry();
    QRect cadre;
    for (int i = 0, immobile = 0; i < 300 && immobile < 10; ++i) {
        const QWindow* f = w->windowHandle();
        const QRect r = f && !f->frameMargins().isNull() ? f->frameGeometry() : QRect();
        immobile = r == cadre && !r.isNull() ? immobile + 1 : 0;
        cadre = r;
        QApplication::processEvents();
        QThread::msleep(10);
    }
    return cadre;
}

} // namespace kelmo::test
