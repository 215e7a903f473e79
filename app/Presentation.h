#pragma once
// The splash window, shown while the start-up runs ("Chargement de
// KELMO..."), then kept hidden as the about box ("A propos de KELMO...").
#include <QDialog>

class QLabel;
class QPushButton;

namespace kelmo {

// No Q_OBJECT: the window has no signals of its own, and the meta-object
// compiler does not take an accented class name.
class Présentation : public QDialog {
public:
    explicit Présentation(QWidget* parent = nullptr);

    QPushButton* Command3D1() const { return ok_; }
    QLabel* Etiquette(int i) const { return etiquettes_[i]; }

    // The about box: OK visible, shown modal; OK hides it.
    void MontreAPropos();

private:
    QPushButton* ok_ = nullptr;
    QLabel* etiquettes_[11] = {};
};

} // namespace kelmo
