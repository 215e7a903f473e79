#pragma once
// The masked edit box of the threshold dialog: it shows a whole number with
// its digits grouped by thousands the French way and no
// decimals, "_" standing for an empty box. Its text is what the user typed
// or what the program gave it; only the display is grouped.
#include <QLineEdit>

namespace kelmo {

class SaisieMasquee : public QLineEdit {
    Q_OBJECT
public:
    explicit SaisieMasquee(QWidget* parent = nullptr);

    // The program's text; shown grouped unless the user is typing in the box.
    void definitTexte(const QString& texte);
    QString texte() const { return texte_; }

    // " 12000000" as "12 000 000" (with the given grouping character); a text
    // that is not a whole number is shown as it is.
    static QString Groupe(const QString& texte, QChar separateurMilliers);
    // The grouping character shown: France's, whatever the system locale.
    static QChar SeparateurMilliers();

signals:
    // Typed by the user (not when the program sets the text).
    void Change(const QString& texte);

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    void affiche();
    QString texte_;
};

} // namespace kelmo
