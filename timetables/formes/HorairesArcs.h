#pragma once
// The window "Horaires (arcs)" over its model K.Formes.HorairesArcs.
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace kelmo {

class HorairesArcs : public QWidget {
public:
    explicit HorairesArcs(QWidget* parent = nullptr);
    void Rafraichit();

    QLabel* OriDest;
    QLabel* Etiquette1;
    QListWidget* ListeHoraires;
    QPushButton* Command3D2; // "Nouveau"
    QPushButton* Command3D1; // "Supprimer"
    QPushButton* Modifier;
    QPushButton* AfficheTrain;
    QPushButton* DetecteErreurs;
    QPushButton* DévHor;
    QPushButton* Optimise;
    QPushButton* Command3D3; // "Quitter"

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

} // namespace kelmo
