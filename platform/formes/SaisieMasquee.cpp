#include "platform/formes/SaisieMasquee.h"

#include <QLocale>

namespace kelmo {

SaisieMasquee::SaisieMasquee(QWidget* parent) : QLineEdit(parent)
{
    setPlaceholderText(QStringLiteral("_"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
        texte_ = t;
        emit Change(t);
    });
}

QString SaisieMasquee::Groupe(const QString& texte, QChar separateurMilliers)
{
    const QString t = texte.trimmed();
    int debut = 0;
    QString signe;
    if (t.startsWith(QLatin1Char('-'))) {
        signe = QStringLiteral("-");
        debut = 1;
    }
    const QString chiffres = t.mid(debut);
    if (chiffres.isEmpty())
        return texte;
    for (QChar c : chiffres)
        if (!c.isDigit() || c.unicode() > 127)
            return texte;
    QString r;
    const int n = chiffres.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            r += separateurMilliers;
        r += chiffres[i];
    }
    return signe + r;
}

void SaisieMasquee::definitTexte(const QString& texte)
{
    texte_ = texte;
    if (!hasFocus())
        affiche();
    else if (text() != texte)
        setText(texte);
}

void SaisieMasquee::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    affiche();
}

QChar SaisieMasquee::SeparateurMilliers()
{
    // The program speaks French whatever the system's language: thousands
    // are grouped as in France (a narrow no-break space), never by a comma
    // that would read as a decimal separator there.
    static const QString groupe = QLocale(QLocale::French, QLocale::France).groupSeparator();
    return groupe.size() == 1 ? groupe.front() : QChar(u' ');
}

void SaisieMasquee::affiche() { setText(Groupe(texte_, SeparateurMilliers())); }

} // namespace kelmo
