#include "dxf/Faces3DDXF.h"
#include "dxf/FacettesDXF.h"
namespace kelmo {
void EcritArcs3DFacesDXF(TamponDXF&) {}
void PrepareFacettesDXF() {}
void EcritFacettesDXF(TamponDXF&) {}
}
namespace kelmo { int nbFacettesEnAttente() { return 0; } }
