#pragma once
// The window "Trains" over its model K.Formes.Trains.
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace kelmo {

class Trains : public QWidget {
public:
    explicit Trains(QWidget* parent = nullptr);
    void Rafraichit();

    QLabel* Info;
    QLabel* Etiquette1;
    QListWidget* ListeTrains;
    QPushButton* Reculer;
    QPushButton* Avancer;
    QPushButton* Dupliquer;
    QPushButton* Supprimer;
    QPushButton* Quitter;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

} // namespace kelmo
