#include "values/ClassesValeurs.h"
#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "values/BandesStatistiques.h"

#include <cmath>
#include <limits>

namespace kelmo {
namespace {


std::size_t idx(int i) { return static_cast<std::size_t>(i); }

// The table holds classes 1 to NbClasses once the window has loaded.
bool classeExiste(int i) { return i >= 1 && i <= 10 && idx(i) < K.Classes.size(); }

bool ongletArcs() { return K.Formes.Statistiques.SSTab1 == 1; }

// A bound box's text: the bound is kept as a single, so the box shows that
// single in its own form ("211.3", not the digits of the double it came
// from, "211.299998979"), as the zoom dialog shows its singles; when those
// seven digits would read back as another single, its longer form. A
// number beyond single precision, which no class can take, as it is.
QString texteBorne(double valeur)
{
    if (!TientDansChamp(valeur, GenreChamp::Simple))
        return TexteRegional(valeur, K.SeparateurDecimal);
    return TexteSimpleRelu(
        static_cast<float>(valeur), [](double v, bool court) { return TexteRegional(v, K.SeparateurDecimal, court); },
        VirguleRegionale());
}

// The class thickness as the colour boxes print it.
QString texteEpaisseur(int i) { return TexteAvecSigne(K.Classes[idx(i)].Epaisseur, true); }

int nombreDeClasses(const QString& texte)
{
    const NombreLu n = LitNombre(texte, RegleNombre{});
    // Beyond any number: the sign says which end it is held at.
    const double v = n ? *n : texte.trimmed().startsWith(QLatin1Char('-')) ? 0 : 11;
    if (v > 10)
        return 10;
    if (v < 1)
        return 1;
    return static_cast<int>(ArrondiBanquier(v));
}

} // namespace

int ClasseDeValeur(double v)
{
    const int n = std::min<int>(K.NbClasses, static_cast<int>(K.Classes.size()) - 1);
    for (int c = 1; c <= n; ++c) {
        const Classe& k = K.Classes[idx(c)];
        if (k.BorneInf <= v && v < k.BorneSup)
            return c;
    }
    return 0;
}

int DerniereClasseDeValeur(double v)
{
    const int n = std::min<int>(K.NbClasses, static_cast<int>(K.Classes.size()) - 1);
    for (int c = n; c >= 1; --c) {
        const Classe& k = K.Classes[idx(c)];
        if (k.BorneInf <= v && v < k.BorneSup)
            return c;
    }
    return 0;
}

void Statistiques_Text5_Change()
{
    ModeleStatistiques& s = K.Formes.Statistiques;
    s.Etiquette1 = ongletArcs() ? QStringLiteral("Couleurs et épaisseurs des classes :")
                                : QStringLiteral("Couleurs des classes :");
    const int n = nombreDeClasses(s.Text5);
    K.Classes.resize(idx(n) + 1);
    K.NbClasses = static_cast<int16_t>(n);
    for (int c = 1; c <= n; ++c)
        if (K.Classes[idx(c)].Epaisseur == 0)
            K.Classes[idx(c)].Epaisseur = static_cast<float>(c);
    for (int i = 1; i <= 11; ++i)
        s.BorneVisible[idx(i)] = i <= n + 1;
    for (int k = 1; k <= 10; ++k) {
        s.PicClasseVisible[idx(k)] = k <= n;
        if (k > n)
            continue;
        s.PicClasseTexte[idx(k)].clear();
        if (ongletArcs()) {
            s.PicClasseForeColor[idx(k)] = 7;
            s.PicClasseTexte[idx(k)] = texteEpaisseur(k);
        }
    }
    DessineClasses();
}

void EcritText5(const QString& texte)
{
    ModeleStatistiques& s = K.Formes.Statistiques;
    if (s.Text5 == texte)
        return;
    s.Text5 = texte;
    Statistiques_Text5_Change();
}

void FixeBorneClasse(int i, double valeur)
{
    // A bound beyond single precision cannot be stored; the classes stay.
    if (TientDansChamp(valeur, GenreChamp::Simple)) {
        const float v = static_cast<float>(valeur);
        if (i == 1 && classeExiste(1)) {
            K.Classes[1].BorneInf = v;
        } else if (i == 11 && classeExiste(10)) {
            K.Classes[10].BorneSup = v;
        } else if (i >= 2 && i <= 10) {
            if (classeExiste(i))
                K.Classes[idx(i)].BorneInf = v;
            if (classeExiste(i - 1))
                K.Classes[idx(i - 1)].BorneSup = v;
        }
    }
    DessineClasses();
}

double ValeurBorne(int i)
{
    if (i < 1 || i > 11)
        return 0;
    // Beyond any number: a bound no class can take.
    const NombreLu n = LitNombre(K.Formes.Statistiques.Borne[idx(i)], {Etendue::TeteOuZero, VirguleRegionale()});
    return n ? *n : std::numeric_limits<double>::infinity();
}

void Statistiques_Borne_Change(int index) { FixeBorneClasse(index, ValeurBorne(index)); }

void EcritBorne(int i, double valeur)
{
    if (i < 1 || i > 11)
        return;
    K.Formes.Statistiques.Borne[idx(i)] = texteBorne(valeur);
    Statistiques_Borne_Change(i);
}

void ChoisitCouleurClasse(int i)
{
    if (!classeExiste(i))
        return;
    Classe& c = K.Classes[idx(i)];
    if (const std::optional<QColor> choix = Ui().Couleur(VersQColor(c.Couleur)))
        c.Couleur = DepuisQColor(*choix);
    else
        MessageOK(QStringLiteral("Erreur dans l'attribution d'une couleur à une classe"));
    ModeleStatistiques& s = K.Formes.Statistiques;
    s.PicClasse[idx(i)] = c.Couleur;
    s.PicClasseTexte[idx(i)] = texteEpaisseur(i);
    DessineClasses();
}

void ChoisitEpaisseurClasse(int i)
{
    if (!classeExiste(i))
        return;
    Classe& c = K.Classes[idx(i)];
    if (c.Epaisseur == 0)
        c.Epaisseur = 1;
    const std::optional<QString> reponse =
        Ui().Saisie(QStringLiteral("Entrez l'épaisseur du trait pour la classe ") + TexteAvecSigne(i),
                    QStringLiteral("Epaisseur"), TexteAvecSigne(c.Epaisseur, true));
    if (!reponse)
        return;
    const QString boite = QStringLiteral("Epaisseur");
    if (const NombreLu v = LitNombre(*reponse, {Etendue::Texte, VirguleRegionale(), GenreChamp::Simple}, boite, boite))
        c.Epaisseur = static_cast<float>(*v);
}

void Statistiques_PicClasse_Click(int index)
{
    if (ongletArcs())
        ChoisitEpaisseurClasse(index);
    ChoisitCouleurClasse(index);
}

} // namespace kelmo
