#pragma once
// The gauge of the angle and threshold dialogs: a bar that shows a whole
// value between its minimum and maximum. A value outside them is drawn at
// the nearest end instead of failing.
#include <QProgressBar>

namespace kelmo {

class Jauge : public QProgressBar {
    Q_OBJECT
public:
    explicit Jauge(int minimum = 0, int maximum = 100, QWidget* parent = nullptr);
    // Rounds to the nearest whole value (halves to even) and clamps.
    void definitValeur(double valeur);
    static int Borne(double valeur, int minimum, int maximum);
};

} // namespace kelmo
