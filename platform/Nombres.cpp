#include "platform/Nombres.h"
#include "platform/Erreurs.h"
#include "platform/NombresChamps.h"

#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace kelmo {
namespace {

bool estBlanc(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool estChiffre(char c) { return c >= '0' && c <= '9'; }

// A typed text as the number rules read it: any character beyond ASCII
// ends a number, as a letter does.
std::string enAscii(const QString& texte)
{
    std::string s;
    s.reserve(static_cast<std::size_t>(texte.size()));
    for (QChar ch : texte)
        s.push_back(ch.unicode() < 128 ? static_cast<char>(ch.unicode()) : '\x7f');
    return s;
}

// Decimal digits of |v| to 15 significant digits, as the runtime's number
// formatting sees a value: digits "d1d2...d15" and the power of ten of d1.
struct ChiffresDecimaux {
    std::string chiffres;
    int exposant = 0; // value = 0.d1d2... * 10^(exposant + 1)
};

ChiffresDecimaux decompose(double v)
{
    ChiffresDecimaux r;
    if (v == 0.0) {
        r.chiffres = "0";
        return r;
    }
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
    std::string_view s(buf, res.ptr - buf);
    auto e = s.find('e');
    for (char c : s.substr(0, e))
        if (estChiffre(c))
            r.chiffres.push_back(c);
    r.exposant = std::atoi(std::string(s.substr(e + 1)).c_str());
    while (r.chiffres.size() > 1 && r.chiffres.back() == '0')
        r.chiffres.pop_back();
    return r;
}

// |v| rounded half away from zero to `decimales` places, as integer part and
// fraction part digit strings.
void arrondiDecimal(double v, int decimales, std::string& entiere, std::string& fraction)
{
    ChiffresDecimaux d = decompose(v);
    // Place the digits on a fixed grid: integer digits then fraction digits.
    std::string ent, frac;
    if (d.chiffres == "0") {
        ent = "0";
    } else if (d.exposant >= 0) {
        const std::size_t nEnt = static_cast<std::size_t>(d.exposant) + 1;
        ent = d.chiffres.substr(0, std::min(nEnt, d.chiffres.size()));
        while (ent.size() < nEnt)
            ent.push_back('0');
        if (d.chiffres.size() > nEnt)
            frac = d.chiffres.substr(nEnt);
    } else {
        ent = "0";
        frac = std::string(static_cast<std::size_t>(-d.exposant - 1), '0') + d.chiffres;
    }
    bool retenue = frac.size() > static_cast<std::size_t>(decimales) && frac[decimales] >= '5';
    frac.resize(static_cast<std::size_t>(decimales), '0');
    if (retenue) {
        int i = decimales - 1;
        for (; i >= 0; --i) {
            if (frac[i] == '9') {
                frac[i] = '0';
            } else {
                ++frac[i];
                break;
            }
        }
        if (i < 0) {
            int j = static_cast<int>(ent.size()) - 1;
            for (; j >= 0; --j) {
                if (ent[j] == '9') {
                    ent[j] = '0';
                } else {
                    ++ent[j];
                    break;
                }
            }
            if (j < 0)
                ent.insert(ent.begin(), '1');
        }
    }
    while (ent.size() > 1 && ent.front() == '0')
        ent.erase(ent.begin());
    entiere = ent;
    fraction = frac;
}

void analyseMotif(std::string_view motif, int& chiffresEntiers, int& decimales)
{
    chiffresEntiers = 0;
    decimales = 0;
    bool apresPoint = false;
    for (char c : motif) {
        if (c == '.')
            apresPoint = true;
        else if (c == '0' || c == '#')
            (apresPoint ? decimales : chiffresEntiers)++;
    }
}

std::string formatPositif(const std::string& ent, const std::string& frac, int chiffresEntiers, char sep)
{
    std::string r;
    if (static_cast<int>(ent.size()) < chiffresEntiers)
        r.assign(static_cast<std::size_t>(chiffresEntiers) - ent.size(), '0');
    if (!(chiffresEntiers == 0 && ent == "0" && !frac.empty()))
        r += ent;
    if (!frac.empty()) {
        r.push_back(sep);
        r += frac;
    }
    return r;
}

QString texteCourt(double valeur, bool simple, QChar sep, bool zeroDeTete)
{
    if (valeur == 0.0)
        return QStringLiteral("0");
    const int precision = simple ? 7 : 15;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(valeur), std::chars_format::general, precision);
    std::string s(buf, res.ptr);
    // The runtime writes exponents as "E+16" and never as "e+16".
    std::string sortie;
    auto e = s.find('e');
    std::string mant = s.substr(0, e);
    if (!zeroDeTete && mant.size() > 1 && mant[0] == '0' && mant[1] == '.')
        mant.erase(0, 1);
    for (char& c : mant)
        if (c == '.')
            c = static_cast<char>(sep.toLatin1());
    sortie = mant;
    if (e != std::string::npos) {
        std::string ex = s.substr(e + 1);
        char signe = ex[0] == '-' ? '-' : '+';
        if (ex[0] == '-' || ex[0] == '+')
            ex.erase(0, 1);
        while (ex.size() > 1 && ex[0] == '0')
            ex.erase(0, 1);
        sortie += 'E';
        sortie += signe;
        sortie += ex;
    }
    if (valeur < 0)
        sortie.insert(sortie.begin(), '-');
    return QString::fromLatin1(sortie);
}

// What one pass over a column finds: the digits as an integer while they
// fit, where the decimal point stands, the exponent, and whether the text is
// one number and nothing else.
struct LectureRapide {
    bool negatif = false;
    bool chiffres = false;
    bool exactes = true;        // every significant digit is in mantisse
    uint64_t mantisse = 0;
    int significatifs = 0;      // digits in mantisse, leading zeros aside
    int decimales = 0;          // digits after the decimal point
    bool exposant = false;      // an exponent letter with digits
    long long valeurExposant = 0;
    bool seulNombre = true;     // no blank inside, nothing after the number
};

// 10^0 to 10^22 are exact doubles: a mantissa below 2^53 multiplied or
// divided by one of them is rounded once, so the result is the correctly
// rounded value of the text, as the library's conversion gives it.
constexpr double kPuissances10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The plain column of a stored file: blanks, a sign, digits, a decimal
// point and digits, blanks. False for anything else (a blank between digits,
// an exponent, another character), which the full reading below takes.
bool litColonneSimple(std::string_view texte, bool virguleDecimale, LectureRapide& r)
{
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    while (p < fin && *p == ' ')
        ++p;
    if (p < fin && (*p == '-' || *p == '+'))
        r.negatif = *p++ == '-';
    const char* const debutChiffres = p;
    while (p < fin && *p == '0')
        ++p;
    const char* const debutSignificatifs = p;
    uint64_t m = 0;
    while (p < fin && estChiffre(*p))
        m = m * 10 + static_cast<uint64_t>(*p++ - '0');
    int significatifs = static_cast<int>(p - debutSignificatifs);
    bool chiffres = p > debutChiffres;
    if (p < fin && (*p == '.' || (virguleDecimale && *p == ','))) {
        const char* const debutDecimales = ++p;
        // Zeros right after the point, with no digit before it, are not
        // significant either.
        if (significatifs == 0)
            while (p < fin && *p == '0')
                ++p;
        const char* const significatifsDecimales = p;
        while (p < fin && estChiffre(*p))
            m = m * 10 + static_cast<uint64_t>(*p++ - '0');
        significatifs += static_cast<int>(p - significatifsDecimales);
        r.decimales = static_cast<int>(p - debutDecimales);
        chiffres = chiffres || p > debutDecimales;
    }
    while (p < fin && *p == ' ')
        ++p;
    if (p != fin || significatifs > 19)
        return false;
    r.chiffres = chiffres;
    r.mantisse = m;
    r.significatifs = significatifs;
    return true;
}

// The leading-number rule in full: blanks anywhere, an exponent, any other
// character ending the number. With nombre, the text taken is also gathered
// ("123.45e-6") for the library's correctly rounded conversion, for what the
// fast route cannot give exactly.
LectureRapide litRapide(std::string_view texte, bool virguleDecimale, std::string* nombre = nullptr)
{
    LectureRapide r;
    if (!nombre && litColonneSimple(texte, virguleDecimale, r))
        return r;
    r = LectureRapide();
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    bool blancInterieur = false;
    bool commence = false;
    // Skips blanks; those met after the first character of the number make
    // the text more than one plain number.
    auto suivant = [&]() -> char {
        while (p < fin && estBlanc(*p)) {
            ++p;
            blancInterieur = blancInterieur || commence;
        }
        return p < fin ? *p : '\0';
    };
    auto garde = [nombre](char c) {
        if (nombre)
            nombre->push_back(c);
    };
    char c = suivant();
    commence = true;
    if (c == '+' || c == '-') {
        r.negatif = c == '-';
        ++p;
    }
    garde('0'); // so that ".5" reads too
    auto chiffre = [&](char d) {
        garde(d);
        r.chiffres = true;
        if (r.significatifs == 0 && d == '0')
            return;
        if (r.significatifs < 19) {
            r.mantisse = r.mantisse * 10 + static_cast<uint64_t>(d - '0');
            ++r.significatifs;
        } else {
            r.exactes = false;
        }
    };
    while (estChiffre(c = suivant())) {
        chiffre(c);
        ++p;
    }
    if (c == '.' || (virguleDecimale && c == ',')) {
        garde('.');
        ++p;
        while (estChiffre(c = suivant())) {
            chiffre(c);
            ++r.decimales;
            ++p;
        }
    }
    if (r.chiffres && (c == 'E' || c == 'e' || c == 'D' || c == 'd')) {
        const char* sauve = p;
        const bool blancAvant = blancInterieur;
        const std::size_t longueur = nombre ? nombre->size() : 0;
        garde('e');
        ++p;
        char s = suivant();
        bool moins = false;
        if (s == '+' || s == '-') {
            moins = s == '-';
            garde(s);
            ++p;
        }
        bool chiffresEx = false;
        long long ex = 0;
        // Held far past any double and past the digits any text can hold
        // before or after the point, so that the position of the first
        // digit, added to it, still tells a number too large from one too
        // small ("0.000...01e300000").
        constexpr long long plafond = 1'000'000'000'000'000LL;
        while (estChiffre(s = suivant())) {
            garde(s);
            chiffresEx = true;
            ex = std::min(ex * 10 + (s - '0'), plafond);
            ++p;
        }
        if (chiffresEx) {
            r.exposant = true;
            r.valeurExposant = moins ? -ex : ex;
        } else {
            p = sauve;
            blancInterieur = blancAvant;
            if (nombre)
                nombre->resize(longueur);
        }
        // A "D" exponent reads as a number, but the whole-text test of the
        // re-formatting step does not take it: leave that case to the
        // general path.
        if (c == 'D' || c == 'd')
            r.seulNombre = false;
    }
    while (p < fin && estBlanc(*p))
        ++p;
    r.seulNombre = r.seulNombre && !blancInterieur && p == fin;
    return r;
}

// The value of a reading when the fast route gives it exactly; false sends
// the text to the general path.
bool valeurExacte(const LectureRapide& r, double& v)
{
    if (!r.chiffres) {
        v = 0.0;
        return true;
    }
    if (r.mantisse == 0) {
        v = r.negatif ? -0.0 : 0.0;
        return true;
    }
    if (!r.exactes || r.mantisse > (uint64_t{1} << 53))
        return false;
    const long long puissance = r.valeurExposant - r.decimales;
    if (puissance < -22 || puissance > 22)
        return false;
    const double m = static_cast<double>(r.mantisse);
    v = puissance >= 0 ? m * kPuissances10[puissance] : m / kPuissances10[-puissance];
    if (r.negatif)
        v = -v;
    return true;
}

// The power of ten of the first significant digit of a gathered number
// ("0012.5e3" gives 1 + 3, "0.004" gives -3): below 0 the number is less
// than 1 in size.
long long puissancePremierChiffre(std::string_view nombre, long long exposant)
{
    const std::string_view mantisse = nombre.substr(0, nombre.find('e'));
    const std::size_t point = std::min(mantisse.find('.'), mantisse.size());
    const std::size_t premier = mantisse.find_first_of("123456789");
    if (premier == std::string_view::npos)
        return std::numeric_limits<long long>::min();
    const long long p = premier < point ? static_cast<long long>(point - premier) - 1
                                        : -static_cast<long long>(premier - point);
    return p + exposant;
}

} // namespace

double ValeurNombre(std::string_view texte, bool virguleDecimale)
{
    double v;
    if (valeurExacte(litRapide(texte, virguleDecimale), v))
        return v;
    std::string nombre;
    nombre.reserve(texte.size() + 2);
    const LectureRapide r = litRapide(texte, virguleDecimale, &nombre);
    if (valeurExacte(r, v))
        return v;
    v = 0.0;
    // Beyond a double's range either way: a number too large is an overflow,
    // one too small to tell from 0 ("1e-400") reads as 0 with its sign, as
    // the C library reads it.
    if (std::from_chars(nombre.data(), nombre.data() + nombre.size(), v).ec == std::errc::result_out_of_range
        && puissancePremierChiffre(nombre, r.valeurExposant) >= 0)
        LeveErreur(ErrDepassement);
    return r.negatif ? -v : v;
}

double ValeurNombre(const QString& texte, bool virguleDecimale)
{
    return ValeurNombre(enAscii(texte), virguleDecimale);
}

double ArrondiBanquier(double valeur)
{
    return std::nearbyint(valeur); // the default rounding mode is to nearest, ties to even
}

int16_t EnEntier16(double valeur)
{
    if (!TientDansChamp(valeur, GenreChamp::Entier16))
        LeveErreur(ErrDepassement);
    return static_cast<int16_t>(ArrondiBanquier(valeur));
}

int32_t EnEntier32(double valeur)
{
    if (!TientDansChamp(valeur, GenreChamp::Entier32))
        LeveErreur(ErrDepassement);
    return static_cast<int32_t>(ArrondiBanquier(valeur));
}

float EnSimple(double valeur)
{
    if (!TientDansChamp(valeur, GenreChamp::Simple))
        LeveErreur(ErrDepassement);
    return static_cast<float>(valeur);
}

std::string FormatMotif(double valeur, std::string_view motif, char separateur)
{
    int chiffresEntiers, decimales;
    analyseMotif(motif, chiffresEntiers, decimales);
    std::string ent, frac;
    arrondiDecimal(valeur, decimales, ent, frac);
    std::string r = formatPositif(ent, frac, chiffresEntiers, separateur);
    bool nul = ent == "0" && frac.find_first_not_of('0') == std::string::npos;
    if (valeur < 0 && !nul)
        r.insert(r.begin(), '-');
    return r;
}

bool FormatMotifDansColonne(double valeur, std::string_view motif, char separateur, std::string& sortie)
{
    // An infinity or a NaN has no digits to write: no column holds it.
    if (!std::isfinite(valeur)) {
        sortie.clear();
        return false;
    }
    sortie = FormatMotif(valeur, motif, separateur);
    if (sortie.size() <= motif.size())
        return true;
    // Give up leading zeros, one at a time, keeping one integer digit.
    std::size_t debut = sortie[0] == '-' ? 1 : 0;
    while (sortie.size() > motif.size() && sortie.size() > debut + 1 && sortie[debut] == '0'
           && estChiffre(sortie[debut + 1]))
        sortie.erase(debut, 1);
    return sortie.size() <= motif.size();
}

bool TexteEstNombre(std::string_view texte, bool virguleDecimale)
{
    std::size_t i = 0, n = texte.size();
    while (i < n && estBlanc(texte[i]))
        ++i;
    while (n > i && estBlanc(texte[n - 1]))
        --n;
    if (i < n && (texte[i] == '+' || texte[i] == '-'))
        ++i;
    bool chiffres = false;
    while (i < n && estChiffre(texte[i])) {
        ++i;
        chiffres = true;
    }
    if (i < n && (texte[i] == '.' || (virguleDecimale && texte[i] == ','))) {
        ++i;
        while (i < n && estChiffre(texte[i])) {
            ++i;
            chiffres = true;
        }
    }
    if (!chiffres)
        return false;
    if (i < n && (texte[i] == 'E' || texte[i] == 'e')) {
        ++i;
        if (i < n && (texte[i] == '+' || texte[i] == '-'))
            ++i;
        bool ex = false;
        while (i < n && estChiffre(texte[i])) {
            ++i;
            ex = true;
        }
        if (!ex)
            return false;
    }
    return i == n;
}

double ValeurReformatee3Decimales(std::string_view texte)
{
    // The usual column, a plain number of at most three decimals and fifteen
    // digits, is its own rounding: 15 digits come back unchanged from a
    // double, so the general steps below would give its value again.
    const LectureRapide l = litRapide(texte, true);
    if (l.seulNombre && l.chiffres && !l.exposant && l.exactes && l.decimales <= 3 && l.significatifs <= 15) {
        double v;
        if (valeurExacte(l, v))
            return v == 0 ? 0.0 : v; // a rounded "-0.000" comes back as 0
    }
    double v = ValeurNombre(texte, true);
    if (!TexteEstNombre(texte))
        return v;
    std::string ent, frac;
    arrondiDecimal(v, 3, ent, frac);
    double r = ValeurNombre(ent + "." + frac);
    return v < 0 ? -r : r;
}

QString TexteAvecSigne(double valeur, bool simplePrecision)
{
    QString t = texteCourt(valeur, simplePrecision, QLatin1Char('.'), false);
    return valeur < 0 ? t : QLatin1Char(' ') + t;
}

QString TexteGeneral(double valeur, QChar separateur, bool simplePrecision)
{
    return texteCourt(valeur, simplePrecision, separateur, true);
}

double DegresEntiers(double radians)
{
    const double d = radians * 180 / Pi;
    const double proche = std::nearbyint(d);
    if (std::fabs(d - proche) < 1e-9)
        return proche;
    return std::floor(d);
}

int EntierBorne(double valeur, int minimum, int maximum)
{
    if (std::isnan(valeur) || valeur <= minimum)
        return minimum;
    if (valeur >= maximum)
        return maximum;
    return static_cast<int>(ArrondiBanquier(valeur));
}

QString TexteSansMilliers(const QString& texte)
{
    QString t = texte;
    // Whatever grouping the masked box showed: blanks of every width,
    // commas and apostrophes never belong to a whole number of people.
    static const QRegularExpression groupes(QStringLiteral("[,'\u00A0\u202F\u2009\u2019]"));
    t.remove(groupes);
    // Dots group thousands only where every dot is followed by three digits
    // and there is more than one (a single dot stays a decimal point).
    static const QRegularExpression points(QStringLiteral("^\\s*-?\\d{1,3}(\\.\\d{3}){2,}\\s*$"));
    if (points.match(t).hasMatch())
        t.remove(QLatin1Char('.'));
    return t;
}

QString TexteRegional(double valeur, char separateur, bool simplePrecision)
{
    return TexteGeneral(valeur, QLatin1Char(separateur), simplePrecision);
}

QString FormatDieses2(double valeur, char separateur)
{
    // Two decimals, halves away from zero, then the empty places dropped.
    const double r = std::round(std::fabs(valeur) * 100) / 100;
    double entier = std::floor(r);
    int centiemes = static_cast<int>(std::lround((r - entier) * 100));
    if (centiemes >= 100) {
        entier += 1;
        centiemes -= 100;
    }
    QString t = entier > 0 ? QString::number(entier, 'f', 0) : QString();
    t += QLatin1Char(separateur);
    if (centiemes > 0) {
        QString d = QStringLiteral("%1").arg(centiemes, 2, 10, QLatin1Char('0'));
        while (d.endsWith(QLatin1Char('0')))
            d.chop(1);
        t += d;
    }
    return (valeur < 0 && r > 0 ? QStringLiteral("-") : QString()) + t;
}

bool CommenceParNombre(const QString& texte, bool virguleDecimale)
{
    // Where the leading-number rule finds digits, blanks between the sign,
    // the point and the digits skipped as it skips them ("- 5" is -5).
    return litRapide(enAscii(texte), virguleDecimale).chiffres;
}

QString FormatDieses(double valeur)
{
    const double r = std::round(valeur); // halves away from zero, as the number patterns round
    if (r == 0)
        return QString();
    return QString::number(r, 'f', 0);
}

} // namespace kelmo
