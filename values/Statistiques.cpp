#include "values/Statistiques.h"
#include "core/Modele.h"
#include "platform/Nombres.h"
#include "values/BandesStatistiques.h"
#include "values/ClassesValeurs.h"

namespace kelmo {

void Statistiques_Form_Load()
{
    ModeleStatistiques& s = K.Formes.Statistiques;
    s.Charge = true;
    s.Text3 = K.FichierNoeudValeur1;
    s.Text4 = K.FichierNoeudValeur2;
    EcritText5(TexteAvecSigne(K.NbClasses));
    CalculeStatistiquesNoeuds();
    DessineClasses();
}

void ChargeStatistiques()
{
    if (!K.Formes.Statistiques.Charge)
        Statistiques_Form_Load();
}

void Statistiques_SSTab1_Click(int onglet)
{
    K.Formes.Statistiques.SSTab1 = onglet;
    Statistiques_Text5_Change();
}

} // namespace kelmo
