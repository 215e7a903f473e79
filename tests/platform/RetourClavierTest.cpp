// Once a window opened from another is hidden with the keyboard, the
// keyboard goes back to that other window at once, unless the command that
// hid it has shown another window meanwhile. Offscreen, every window shown
// or asked for is made active in turn, so the last request decides.
#include "platform/formes/RetourClavier.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// What the window system has queued is done: every activation asked for.
void Traite()
{
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
}

} // namespace

TEST(RetourClavier, AWindowHiddenGivesTheKeyboardBackAtOnceUnlessTheCommandShowsAnother)
{
    QWidget principale;
    principale.show();
    QWidget origine(&principale, Qt::Tool), fenetre(&principale, Qt::Tool), autre(&principale, Qt::Tool);
    origine.show();
    Traite();
    ASSERT_EQ(QApplication::activeWindow(), &origine);
    const std::pair<bool, QWidget*> cas[] = {{false, &origine}, {true, &autre}};
    for (const auto& [montreAutre, attendue] : cas) {
        SCOPED_TRACE(montreAutre ? "another window shown" : "nothing shown");
        origine.activateWindow();
        Traite();
        fenetre.show(); // opened from origine, which has the keyboard
        Traite();
        ASSERT_EQ(QApplication::activeWindow(), &fenetre);
        fenetre.hide();
        if (montreAutre)
            autre.show();
        Traite();
        EXPECT_EQ(QApplication::activeWindow(), attendue);
        autre.hide();
    }
}
