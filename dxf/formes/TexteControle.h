#pragma once
// Putting a model's value into a control without emitting anything back and
// without moving the user's cursor when nothing changed.
#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalBlocker>

namespace kelmo {

inline void MontreTexteDXF(QLineEdit* e, const QString& texte)
{
    if (e->text() == texte)
        return;
    const QSignalBlocker b(e);
    e->setText(texte);
}

inline void MontreCocheDXF(QAbstractButton* b, bool coche)
{
    if (b->isChecked() == coche)
        return;
    const QSignalBlocker bloque(b);
    b->setChecked(coche);
}

} // namespace kelmo
