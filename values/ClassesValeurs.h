#pragma once
// The value classes (Classes, 1 to NbClasses): the class of a value, and the
// ways the statistics window edits them (the number of classes, the bound
// boxes, the colour boxes and the thickness prompt). Every edit ends by
// redrawing the class strip and chart (DessineClasses).
#include <QString>

namespace kelmo {

// The first class c with BorneInf <= v < BorneSup, 0 when none.
int ClasseDeValeur(double v);
// The last such class, as the arcs graded by their end nodes take it.
int DerniereClasseDeValeur(double v);

// The number of classes typed in Text5: its leading number, held within 1
// to 10 and rounded halves to even. New classes are empty (bounds 0, black)
// and a class of thickness 0 takes its own index as thickness. Also run when
// the tab changes, whose caption and thickness display it follows.
void Statistiques_Text5_Change();
// Writes Text5 as a program does: its change handler runs only when the
// text changes.
void EcritText5(const QString& texte);

// Bound box Index (1 to 11) edited: its regional number is the lower bound
// of class Index and the upper bound of class Index - 1 (box 11: of class
// 10); a class that does not exist is left alone.
void Statistiques_Borne_Change(int index);
void FixeBorneClasse(int i, double valeur);
// Writes a number into bound box i in the regional format, in the form of
// the single the class keeps, and runs its change handler, so that the
// class takes the number the box shows.
void EcritBorne(int i, double valeur);
// The number bound box i shows, in the regional format; 0 when none.
double ValeurBorne(int i);

// Colour dialog of class i; Cancel shows "Erreur dans l'attribution d'une
// couleur à une classe" and keeps the colour.
void ChoisitCouleurClasse(int i);
// Thickness prompt of class i; Cancel or a text that is not a number keeps
// the thickness, and so does a number beyond a single, after its refusal.
void ChoisitEpaisseurClasse(int i);
// A click on colour box Index: in the "Arcs" tab the thickness prompt
// first, then the colour dialog.
void Statistiques_PicClasse_Click(int index);

} // namespace kelmo
