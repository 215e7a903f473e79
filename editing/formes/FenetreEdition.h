#pragma once
// What the two editing windows share: a modeless tool window beside the map
// that shows its model, runs the model's handlers, and shows the model again
// after each; the main window then shows its own state again. Closing the
// window runs its "Quitter".
#include "editing/LiensEdition.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kelmo {

class FenetreEdition_ : public QWidget {
    Q_OBJECT
public:
    FenetreEdition_(QWidget* parent, std::function<void()> apresCommande);

    // The model's values into the widgets.
    virtual void Rafraichit() = 0;

protected:
    // The window's "Quitter".
    virtual void Quitte() = 0;
    // Runs a handler, then shows the model again.
    void agit(const std::function<void()>& handler);
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

    static QLabel* etiquette(const char* nom, const QString& texte, QWidget* parent);
    // Setters that emit nothing back into the model and leave the widget
    // alone when nothing changed.
    static void montreTexte(QLineEdit* e, const QString& texte);
    // The entries are replaced in one call, and only when they changed: the
    // list last shown is kept, so comparing 6000 unchanged names costs nothing.
    static void montreListe(QComboBox* c, QStringList& montree, const QStringList& entrees, int index);

private:
    std::function<void()> apresCommande_;
    bool enCours_ = false;
};

} // namespace kelmo
