#include "core/ListesNoeuds.h"
#include "core/Modele.h"

namespace kelmo {

void RemplitListesNoeuds()
{
    QStringList entrees;
    entrees.reserve(K.NbNoeuds + 1);
    entrees.push_back(QStringLiteral(" "));
    for (int i = 1; i <= K.NbNoeuds; ++i)
        entrees.push_back(K.Noeuds[i].Nom.debut(15).replace(QChar(u'\0'), QLatin1Char(' ')));
    for (Liste* l : {&K.Formes.ModifArcs.ListeModifiable1, &K.Formes.ModifArcs.ListeModifiable2,
                     &K.Formes.ModifNoeuds.ListeModifiable1, &K.Formes.Angles.ListeModifiable1,
                     &K.Formes.frmAnamorphose.ListeModifiable1}) {
        l->Clear();
        l->Entrees = entrees;
    }
}

} // namespace kelmo
