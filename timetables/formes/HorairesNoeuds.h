#pragma once
// The window "Horaires (noeud)" over its model K.Formes.HorairesNoeuds.
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace kelmo {

class HorairesNoeuds : public QWidget {
public:
    explicit HorairesNoeuds(QWidget* parent = nullptr);
    void Rafraichit();

    QGroupBox* Frame1;
    QRadioButton* HArrivées;
    QRadioButton* HDéparts;
    QLabel* DépartDe;
    QLabel* Etiquette1;
    QListWidget* ListeHorairesNoeud;
    QPushButton* Command3D3; // "Quitter"

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

} // namespace kelmo
