#pragma once
// The commands of "Sortie DXF" and of its palette "Couleurs DXF", over the
// plain models K.Formes.SortieDXF and K.Formes.CouleursDXF: the windows of
// dxf/formes call these handlers and show the models again afterwards.
#include <functional>

namespace kelmo {

// How the handlers show and hide the two windows. The windows install them;
// without windows (tests of the handlers) they are empty and do nothing.
struct LiensSortieDXF {
    std::function<void()> MontreSortieDXF;   // modeless
    std::function<void()> MontreCouleursDXF; // modal: returns once hidden
    std::function<void()> CacheCouleursDXF;
};
LiensSortieDXF& LiensDXF();

// "Crée un fichier D&XF...": shows the dialog; the relief valuation is left
// as the user chose it.
void Kelmo_menCréeFichDXF_Click();

// "Le relief en 3DFacettes" clicked (the box already holds its new state):
// refused with a message while no relief facets exist.
void SortieDXF_Coche3DFace_Click();
// Any "Arcs" box clicked: the arc options group changes between enabled and
// disabled.
void SortieDXF_CocheArcs_Click(int index);
// "Circle" clicked: the same for the circle options group.
void SortieDXF_cochecircle_Click();
// "Quitter": hides the dialog, which keeps every setting.
void SortieDXF_Command3D1_Click();
// Double click on the grid colour cell of row index: the palette, modal.
void SortieDXF_CouleurCad_DblClick(int index);
// Double click on palette cell index: its name into the grid cell.
void CouleursDXF_CouleurCad_DblClick(int index);
// "Ecrit le fichier DXF": checks the boxes, asks the file name and writes
// the drawing; a cancelled choice writes nothing.
void SortieDXF_ecritleDXF_Click();

} // namespace kelmo
