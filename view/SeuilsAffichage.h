#pragma once
// The name display thresholds: the population thresholds between which names
// are written and the number of letters written. The window of view/formes
// shows K.Formes.SeuilsAffichage and calls these handlers; the tests call them
// directly. A handler that sets a box's text from code runs that box's change
// handler, as the dialog has always relied on.
#include <QString>

namespace kelmo {

void Kelmo_menOptionsAffichageNoms_Click();
void SeuilsAffichage_DefinitTexteListe(const QString& texte);
void SeuilsAffichage_ListeModifiable1_Click(int index);
// Stores the three values; false (nothing stored, a message naming the box
// shown) when the lower threshold does not fit a 32-bit integer or a number
// lies beyond a double.
bool SeuilsAffichage_EnregistreValeurs();
void SeuilsAffichage_Command3D1_Click();
void SeuilsAffichage_Command3D2_Click();
void SeuilsAffichage_Command3D3_Click();
void SeuilsAffichage_DefinitTexte1(const QString& texte);
void SeuilsAffichage_DefinitTexte2(const QString& texte);
void SeuilsAffichage_DefinitMaskedEdit1(const QString& texte);
void SeuilsAffichage_DefinitMaskedEdit2(const QString& texte);
void SeuilsAffichage_Spin1_SpinDown();
void SeuilsAffichage_Spin1_SpinUp();
void SeuilsAffichage_Spin2_SpinDown();
void SeuilsAffichage_Spin2_SpinUp();

} // namespace kelmo
