#pragma once
// What the windows of the display option dialogs share: each shows its
// plain model (K.Formes.<window>) and calls its handlers (view/<window>.h); after
// every handler it shows the model again. Closing a window by its close box
// or Escape runs the dialog's own cancel handler.
#include "view/LiensDialogues.h"

#include <QDialog>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;

class QLabel;

namespace kelmo {

class FenetreDialogue : public QDialog {
    Q_OBJECT
public:
    FenetreDialogue(FormeDialogue forme, QWidget* parent);
    FormeDialogue forme() const { return forme_; }

    // The model's values into the widgets.
    virtual void Rafraichit() = 0;

    void reject() override;

    // The width a window needs for its whole title in a title bar of that
    // font, the bar's buttons and icon included.
    static int LargeurTitre(const QString& titre, const QFont& police);

protected:
    // Widens the window, if need be, so that its title is not cut.
    void showEvent(QShowEvent* e) override;
    // The handler run by the close box and Escape.
    virtual void Ferme() = 0;
    // Runs a handler, then shows the model again.
    void agit(const std::function<void()>& handler);

    // Widget setters that leave the user's cursor alone when nothing changes
    // and emit nothing back into the model.
    // A label named like the control it stands for.
    static QLabel* etiquette(const char* nom, const QString& texte, QWidget* parent);
    // A list whose box takes typed text: Enter takes what was typed as the
    // box's text, never as a new entry of the list (whose entries the model
    // holds), nor as the choice of an entry that is not there.
    static QComboBox* listeModifiable(QWidget* parent);
    static void montreTexte(QLineEdit* e, const QString& texte);
    static void montreTexte(QComboBox* c, const QString& texte);
    static void montreListe(QComboBox* c, const QStringList& entrees, int index);
    static void montreCoche(QAbstractButton* b, bool coche);

private:
    FormeDialogue forme_;
};

} // namespace kelmo
