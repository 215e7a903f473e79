#include "timetables/formes/ListeAffichee.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace kelmo {

void MontreListe(QListWidget* liste, const ListeServices& modele)
{
    const QSignalBlocker bloque(liste);
    // The same lines: only the selection changes, and an item under the
    // user's click is not destroyed by the refresh the click starts.
    bool memes = liste->count() == modele.ListCount();
    for (int i = 0; memes && i < modele.ListCount(); ++i)
        memes = liste->item(i)->text() == modele.Lignes[static_cast<std::size_t>(i)].Texte
                && CleDeLigne(liste, i) == modele.Lignes[static_cast<std::size_t>(i)].Cle;
    if (memes) {
        for (int i = 0; i < modele.ListCount(); ++i)
            liste->item(i)->setSelected(modele.Selected(i));
        if (modele.ListIndex >= 0)
            liste->setCurrentRow(modele.ListIndex, QItemSelectionModel::NoUpdate);
        return;
    }
    liste->clear();
    for (int i = 0; i < modele.ListCount(); ++i) {
        const LigneService& l = modele.Lignes[static_cast<std::size_t>(i)];
        auto* item = new QListWidgetItem(l.Texte, liste);
        item->setData(RoleCleService, QVariantList{l.Cle.CodeOrigine, l.Cle.CodeDestination, l.Cle.Mode,
                                                   l.Cle.HeureDepart, l.Cle.HeureArrivee, l.Cle.Longueur,
                                                   l.Cle.Duree, l.Cle.Debit, l.Cle.Capacite, l.Cle.Jours.texte()});
        item->setSelected(modele.Selected(i));
    }
    if (modele.ListIndex >= 0)
        liste->setCurrentRow(modele.ListIndex, QItemSelectionModel::NoUpdate);
}

void LitSelection(QListWidget* liste, ListeServices& modele)
{
    for (int i = 0; i < modele.ListCount() && i < liste->count(); ++i)
        modele.Selectionne(i, liste->item(i)->isSelected());
}

CleService CleDeLigne(const QListWidget* liste, int ligne)
{
    const QListWidgetItem* item = liste->item(ligne);
    if (!item)
        return {};
    const QVariantList v = item->data(RoleCleService).toList();
    if (v.size() != 10)
        return {};
    return {v[0].toInt(), v[1].toInt(), static_cast<int16_t>(v[2].toInt()), static_cast<int16_t>(v[3].toInt()),
            static_cast<int16_t>(v[4].toInt()), v[5].toFloat(), v[6].toFloat(), v[7].toFloat(), v[8].toFloat(),
            v[9].toString()};
}

} // namespace kelmo
