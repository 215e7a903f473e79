#pragma once
// A status-bar panel whose text may be longer than the panel, as a file path
// often is: the path gives up the start of its folders ("…"), keeping the
// text before it and its file name, and the whole text shows as the panel's
// tool tip.
#include <QLabel>

namespace kelmo {

class PanneauEtat : public QLabel {
    Q_OBJECT
public:
    // infobulle: the tool tip while the panel is empty.
    PanneauEtat(const QString& texte, const QString& infobulle, QWidget* parent = nullptr);
    void DefinitTexte(const QString& texte);
    // The text as painted at the panel's present width.
    QString TexteAffiche() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QRect zoneTexte() const;
    QString infobulle_;
};

} // namespace kelmo
