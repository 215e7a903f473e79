#pragma once
// The preview picture of the appearance dialogs: it paints what its model
// says was drawn, in the model's units (one unit, one pixel).
#include <QWidget>
#include <functional>

namespace kelmo {

class ApercuDessin : public QWidget {
    Q_OBJECT
public:
    ApercuDessin(int largeur, int hauteur, QColor fond, QWidget* parent = nullptr);
    std::function<void(QPainter&)> Dessin;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor fond_;
};

} // namespace kelmo
