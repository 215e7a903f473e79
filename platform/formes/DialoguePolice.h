#pragma once
// A font chooser that also picks the colour of the text, as the old common
// font dialog did with its effects: name, size, bold, italic, underline,
// strikethrough and one of the 16 standard colours.
#include "platform/Dialogues.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

namespace kelmo {

class DialoguePolice : public QDialog {
    Q_OBJECT
public:
    explicit DialoguePolice(const Police& initiale, QWidget* parent = nullptr);

    Police police() const;
    QFontDialog* choixFonte() const { return fonte_; }
    QComboBox* choixCouleur() const { return couleur_; }

    // Runs the dialog; std::nullopt when cancelled.
    static std::optional<Police> Demande(const Police& initiale, QWidget* parent);

private:
    QFontDialog* fonte_;
    QComboBox* couleur_;
};

} // namespace kelmo
