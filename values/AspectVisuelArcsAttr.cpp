#include "values/AspectVisuelArcsAttr.h"
#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"

#include <algorithm>

namespace kelmo {
namespace {

void (*montre_)() = nullptr;

ModeleAspectVisuelArcsAttr& dialogue() { return K.Formes.AspectVisuelArcsAttr; }

// A leading number within the widths a pen takes; false keeps the old width.
bool largeur(const QString& texte, double& v)
{
    const NombreLu n = LitNombre(texte, RegleNombre{});
    v = *n;
    return n && v >= 0 && v <= EpaisseurAttrMax;
}

void lisLargeurs()
{
    const ModeleAspectVisuelArcsAttr& d = dialogue();
    double v = 0;
    if (largeur(d.Text2, v))
        K.EpaisseurTraitArcs = v;
    if (largeur(d.Text1, v))
        K.EpaisseurBlancArcs = EnEntier16(v);
    DessineApercuArcsAttr();
}

void segment(double x1, double y1, double x2, double y2)
{
    ModeleAspectVisuelArcsAttr& d = dialogue();
    SegmentApercu fond{x1, y1, x2, y2, std::max<int>(1, K.EpaisseurBlancArcs), QBColor(7)};
    SegmentApercu trait = fond;
    if (K.EpaisseurTraitArcs != 0)
        trait.Epaisseur = std::max<int>(1, EnEntier16(K.EpaisseurTraitArcs));
    trait.Couleur_ = d.Image1;
    d.Apercu.push_back(fond);
    d.Apercu.push_back(trait);
}

} // namespace

void DessineApercuArcsAttr()
{
    ModeleAspectVisuelArcsAttr& d = dialogue();
    d.Apercu.clear();
    const double w = d.LargeurApercu, h = d.HauteurApercu;
    segment(0, 0, w, h);
    segment(w / 2, 0, w / 2, h);
    segment(0, h / 2, w, h / 2);
}

void AspectVisuelArcsAttr_Ouvre()
{
    ModeleAspectVisuelArcsAttr& d = dialogue();
    d.Text1 = TexteGeneral(K.EpaisseurBlancArcs);
    d.Text2 = TexteGeneral(K.EpaisseurTraitArcs);
    DessineApercuArcsAttr();
}

void AspectVisuelArcsAttr_Text1_Change(const QString& texte)
{
    dialogue().Text1 = texte;
    lisLargeurs();
}

void AspectVisuelArcsAttr_Text2_Change(const QString& texte)
{
    dialogue().Text2 = texte;
    lisLargeurs();
}

void AspectVisuelArcsAttr_Commande2_Click()
{
    const std::optional<QColor> c = Ui().Couleur(VersQColor(dialogue().Image1));
    if (!c)
        return;
    dialogue().Image1 = DepuisQColor(*c);
    DessineApercuArcsAttr();
}

void AspectVisuelArcsAttr_Command1_Click() { dialogue().Visible = false; }

void Kelmo_menArcsAttractions_Click()
{
    AspectVisuelArcsAttr_Ouvre();
    dialogue().Visible = true;
    if (montre_)
        montre_();
}

void DefinitMontreAspectVisuelArcsAttr(void (*montre)()) { montre_ = montre; }

} // namespace kelmo
