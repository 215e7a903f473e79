#include "values/FichierNoeudValeur.h"
#include "core/Colonnes.h"
#include "core/Heures.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/CodePageAnsi.h"
#include "platform/Erreurs.h"
#include "platform/Fichiers.h"
#include "platform/Nombres.h"
#include "core/IndexCodes.h"
#include "values/LectureListe.h"
#include "values/LimitesTables.h"

#include <string>
#include <vector>

namespace kelmo {

DetectionNoeudValeur DetecteDispositionNoeudValeur(std::string_view ligne1)
{
    bool lettre = false, deuxPoints = false;
    int p = 0;
    // The scan stops after the first letter: a colon behind a name is not a
    // clock. Codes 65 to 122 count as letters, the six signs between "Z" and
    // "a" included, as the files have always been read.
    for (std::size_t i = 0; i < ligne1.size() && !lettre; ++i) {
        const auto c = static_cast<unsigned char>(ligne1[i]);
        if (c >= 65 && c <= 122)
            lettre = true;
        if (c == ':') {
            deuxPoints = true;
            p = static_cast<int>(i + 1) - 2;
        }
    }
    DetectionNoeudValeur d;
    if (deuxPoints) {
        d.disposition = DispositionNoeudValeur::Horaire;
        d.colonneHeure = p;
    } else if (lettre) {
        d.disposition = DispositionNoeudValeur::Libelle;
    }
    return d;
}

namespace {

struct EnregistrementLu {
    int32_t code = 0;
    float valeur = 0;
};

struct Fichier {
    std::string contenu;
    DetectionNoeudValeur detection;
    bool vide = false; // no line 1, or an empty one: no record at all
};

Fichier ouvre(const QString& chemin)
{
    Fichier f;
    f.contenu = LitFichierEntier(chemin);
    std::string_view c = f.contenu;
    const std::size_t fin = c.find_first_of("\r\n");
    const std::string_view ligne1 = c.substr(0, fin == std::string_view::npos ? c.size() : fin);
    f.vide = ligne1.empty();
    f.detection = DetecteDispositionNoeudValeur(ligne1);
    return f;
}

// A NUL byte where a number or a code is read belongs to no text: a picture
// or another binary file is refused whole, not read as a few stray numbers.
// A NUL in the text a record carries (a name never written is all NULs)
// is ignored with the rest of that text.
std::string_view sansNul(std::string_view t)
{
    if (t.find('\0') != std::string_view::npos)
        LeveErreur(ErrTypeIncompatible);
    return t;
}

// hh.mm written as a number becomes minutes. The product is taken on the
// number as read (double), so that 2.05 gives 125 and not 124.99999.
double horaire(double v, bool hhmm) { return hhmm ? HeureEnMinutes(v * 100.0) : v; }

// A code of the clock layout: the ten columns hold a whole number alone.
int32_t codeEntier(std::string_view t)
{
    std::size_t a = 0, b = t.size();
    while (a < b && (t[a] == ' ' || t[a] == '\t'))
        ++a;
    while (b > a && (t[b - 1] == ' ' || t[b - 1] == '\t'))
        --b;
    std::size_t i = a;
    if (i < b && (t[i] == '+' || t[i] == '-'))
        ++i;
    if (i == b)
        LeveErreur(ErrTypeIncompatible);
    for (std::size_t k = i; k < b; ++k)
        if (t[k] < '0' || t[k] > '9')
            LeveErreur(ErrTypeIncompatible);
    return EnEntier32(ValeurNombre(t.substr(a, b - a)));
}

// The decimal comma of "751 12,5 PARIS" was taken for a separator: the text
// item starts with the decimals. The value is rebuilt from the value item's
// own text, so "-0,5" keeps its sign.
double repareVirgule(std::string_view valeur, std::string_view texte)
{
    const std::size_t blanc = texte.find(' ');
    const std::string_view decimales = blanc == std::string_view::npos ? texte : texte.substr(0, blanc + 1);
    std::string n(valeur);
    n.push_back('.');
    n.append(decimales);
    if (n.find(',') != std::string::npos || !TexteEstNombre(n))
        LeveErreur(ErrTypeIncompatible);
    return ValeurNombre(n);
}

std::vector<EnregistrementLu> litListe(std::string_view contenu, bool libelle, bool hhmm, std::size_t limite,
                                       bool& depasse)
{
    std::vector<EnregistrementLu> r;
    LectureListe l(contenu);
    LectureListe::Element code, valeur;
    while (l.Nombre(code)) {
        sansNul(code.texte);
        if (libelle && code.finDeLigne)
            continue; // a line with a code alone carries no value
        if (r.size() >= limite) {
            depasse = true;
            break;
        }
        if (!l.Nombre(valeur))
            break; // a last record cut short is dropped
        double v = ValeurNombre(sansNul(valeur.texte));
        if (libelle && !valeur.finDeLigne) {
            const LectureListe::Element texte = l.Texte();
            if (!texte.texte.empty() && texte.texte[0] >= '0' && texte.texte[0] <= '9')
                v = repareVirgule(valeur.texte, texte.texte);
            if (!texte.finDeLigne)
                l.FinDeLigne(); // items beyond the name are not records
        }
        r.push_back({EnEntier32(ValeurNombre(code.texte)), EnSimple(horaire(v, hhmm))});
    }
    return r;
}

std::vector<EnregistrementLu> litHoraire(std::string_view contenu, int p, std::size_t limite, bool& depasse)
{
    if (p < 1)
        LeveErreur(ErrAppelIncorrect);
    std::vector<EnregistrementLu> r;
    const std::size_t q = static_cast<std::size_t>(p);
    for (std::string_view ligne : DecoupeLignes(contenu)) {
        if (ligne.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        // The line carries no text besides its code and its clock: a NUL
        // anywhere in it, colon column and line end included, is no text.
        sansNul(ligne);
        if (r.size() >= limite) {
            depasse = true;
            break;
        }
        const int32_t code = codeEntier(Colonnes(ligne, 1, 10));
        const double hh = ValeurNombre(Colonnes(ligne, q, q + 1));
        const double mm = ValeurNombre(Colonnes(ligne, q + 3, q + 4));
        r.push_back({code, EnSimple(HeureEnMinutes(hh * 100.0 + mm))});
    }
    return r;
}

std::vector<EnregistrementLu> litEnregistrements(const Fichier& f, bool hhmm, std::size_t limite, bool& depasse)
{
    depasse = false;
    if (f.vide)
        return {};
    switch (f.detection.disposition) {
    case DispositionNoeudValeur::Horaire: return litHoraire(f.contenu, f.detection.colonneHeure, limite, depasse);
    case DispositionNoeudValeur::Libelle: return litListe(f.contenu, true, hhmm, limite, depasse);
    case DispositionNoeudValeur::Simple: break;
    }
    return litListe(f.contenu, false, hhmm, limite, depasse);
}

bool optionHHMM()
{
    const ModeleStatistiques& s = K.Formes.Statistiques;
    return s.ValHoraires && s.HoraireHHMM;
}

std::vector<ValeurNoeud> tableFichiers()
{
    std::vector<ValeurNoeud> t = K.ValeursFichiersNoeuds;
    if (t.size() < static_cast<std::size_t>(NbMaxValeursNoeuds) + 1)
        t.resize(static_cast<std::size_t>(NbMaxValeursNoeuds) + 1);
    return t;
}

} // namespace

void LitFichierNoeudValeur1(const QString& chemin)
{
    const Fichier f = ouvre(chemin);
    bool depasse = false;
    const std::vector<EnregistrementLu> lus = litEnregistrements(f, optionHHMM(), NbMaxValeursNoeuds, depasse);

    std::vector<ValeurNoeud> table = tableFichiers();
    for (std::size_t k = 0; k < lus.size(); ++k) {
        ValeurNoeud& v = table[k + 1];
        v.Code = lus[k].code;
        if (!K.FusionValeurs || lus[k].valeur < v.Valeur1)
            v.Valeur1 = lus[k].valeur;
    }

    K.ValeursFichiersNoeuds = std::move(table);
    K.NbValeursNoeuds = static_cast<int32_t>(lus.size());
    if (!f.vide && f.detection.disposition == DispositionNoeudValeur::Horaire) {
        ModeleStatistiques& s = K.Formes.Statistiques;
        s.ValHoraires = true;
        s.TypeHoraireVisible = true;
        s.HoraireHHMM = true;
        s.HoraireMinutes = false;
    }
    if (depasse)
        AvertitLimiteTable(chemin, NbMaxValeursNoeuds);
}

void LitFichierNoeudValeur2(const QString& chemin)
{
    const Fichier f = ouvre(chemin);
    const bool parCode = f.detection.disposition == DispositionNoeudValeur::Libelle;
    bool depasse = false;
    const std::size_t limite = parCode ? std::size_t(-1) : std::size_t(NbMaxValeursNoeuds);
    const std::vector<EnregistrementLu> lus = litEnregistrements(f, optionHHMM(), limite, depasse);

    std::vector<ValeurNoeud> table = tableFichiers();
    if (parCode) {
        // Position 1 is always looked at, even in an empty table.
        const int32_t n = std::max<int32_t>(1, std::min<int32_t>(K.NbValeursNoeuds, NbMaxValeursNoeuds));
        const IndexCodes index(n, [&](int32_t k) { return table[static_cast<std::size_t>(k)].Code; });
        for (const EnregistrementLu& e : lus)
            if (const int32_t k = index.Premier(e.code); k > 0)
                table[static_cast<std::size_t>(k)].Valeur2 = e.valeur;
    } else {
        for (std::size_t k = 0; k < lus.size(); ++k) {
            table[k + 1].Code = lus[k].code;
            table[k + 1].Valeur2 = lus[k].valeur;
        }
    }

    K.ValeursFichiersNoeuds = std::move(table);
    if (!f.vide && f.detection.disposition == DispositionNoeudValeur::Horaire)
        K.Formes.Statistiques.ValHoraires = true;
    if (depasse)
        AvertitLimiteTable(chemin, NbMaxValeursNoeuds);
}

} // namespace kelmo
