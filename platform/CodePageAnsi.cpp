#include "platform/CodePageAnsi.h"

namespace kelmo {
namespace {

// Code points of bytes 0x80-0x9F; 0 marks the five undefined bytes, which
// decode to the same C1 code point as in Latin-1.
constexpr char16_t k80a9F[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char encodeUn(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (k80a9F[i] == u || (k80a9F[i] == 0 && u == 0x80 + i))
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString DecodeAnsi(std::string_view octets)
{
    QString r(static_cast<qsizetype>(octets.size()), Qt::Uninitialized);
    QChar* d = r.data();
    for (unsigned char b : octets) {
        char16_t u = b;
        if (b >= 0x80 && b <= 0x9F && k80a9F[b - 0x80] != 0)
            u = k80a9F[b - 0x80];
        *d++ = QChar(u);
    }
    return r;
}

void AjouteAnsi(std::string& sortie, const QString& texte)
{
    for (QChar ch : texte)
        sortie.push_back(encodeUn(ch.unicode()));
}

std::string EncodeAnsi(const QString& texte)
{
    std::string r;
    r.reserve(static_cast<std::size_t>(texte.size()));
    AjouteAnsi(r, texte);
    return r;
}

} // namespace kelmo
