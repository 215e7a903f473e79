#pragma once
// The statistics window's handlers, as plain operations over its model
// (K.Formes.Statistiques): the choice of the value studied, the arc-value
// differences and re-reading, the node-value files ("Data", "Fusion..",
// "Données horaires"), the display options, the scale, "Fermer" and "BMP".
// The window only forwards its events here and shows the model again.
// The classes, bounds and methods are in ClassesValeurs.h and
// MethodesBornes.h, the load and tab change in Statistiques.h.
#include <QString>

namespace kelmo {

// The five node quantities: "Valeur1", "Valeur2", "Multiplication",
// "Différences absolues", "Différences relatives". Each selects its option,
// computes, sorts and sizes the values, then redraws the strips and classes.
void Statistiques_Option3D1_Click();
void Statistiques_Option3D2_Click();
void Statistiques_Multiplication_Click();
void Statistiques_DiffAbs_Click();
void Statistiques_DiffRelat_Click();

// After the node-value files were read: when a node option is selected,
// its quantity is computed, sorted and sized from them and the strips and
// classes studied, as that option's click would; the map is not redrawn.
void EtudieValeursLues();

// Arc-value file 1 or 2 as the source of the strips and classes.
void Statistiques_ArcVale1_Click();
void Statistiques_ArcVale2_Click();
// "Différence absolue" / "Différence relative": Arcs1 becomes its change
// from Arcs2, then studied.
void Statistiques_Command3D4_Click();
void Statistiques_Command3D5_Click();
// "Relecture des fichiers": both arc-value files read and indexed again; a
// file that fails is reported and keeps its table.
void Statistiques_R_Click();

// "Data": file 1 named in Text3 read alone, its values shown as circles
// sized against the current reference, then studied in the strips and chart.
void Statistiques_Command3D2_Click();
// "Fusion..": a second file no. 1 merged in, keeping the smaller values. A
// file that gives no value, or fails, is reported and the values loaded
// stay as they were.
void Statistiques_FusionneFichiers_Click();
// Double-click on the file boxes: the node-value file command.
void Statistiques_Text3_DblClick();
void Statistiques_Text4_DblClick();
// "Données horaires" and its two options: both files read again under the
// new time rule.
void Statistiques_ValHoraires_Click(bool coche);
void Statistiques_HoraireHHMM_Click();
void Statistiques_HoraireMinutes_Click();

void Statistiques_ClassesDifférences_Click(bool coche);
void Statistiques_AffValNum_Click(bool coche);
void Statistiques_ApercuCarte_Click(bool coche);
// The scale typed in "Echelle graphique :", read in the regional format; a
// text that is not such a number keeps the scale.
void Statistiques_Ech_Change(const QString& texte);
// "Fermer": hides the window and takes the scale.
void Statistiques_Command3D1_Click();
// "BMP": the map picture saved as a bitmap named NomFichBMP in the images
// folder.
void Statistiques_Command3D3_Click();

} // namespace kelmo
