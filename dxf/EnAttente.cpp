#include "dxf/ArcsValeursDXF.h"
#include "dxf/Faces3DDXF.h"
#include "dxf/FacettesDXF.h"
namespace kelmo {
void EcritArcs3DFacesDXF(TamponDXF&) {}
void PrepareFacettesDXF() {}
void EcritFacettesDXF(TamponDXF&) {}
void PrepareArcsValeurModesDXF() {}
void PrepareArcsValeurNoeudsDXF() {}
void EcritArcsPolylignesModesDXF(TamponDXF&) {}
void PrepareArcsValeurDXF() {}
void EcritArcsValeurPolylignesDXF(TamponDXF&) {}
}
namespace kelmo { int nbFacettesEnAttente() { return 0; } }
namespace kelmo { int nombreArcs1EnAttente() { return 0; } }
