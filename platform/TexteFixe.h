#pragma once
// Fixed-length text fields of the stored records: a shorter text is padded
// with blanks, a longer one cut; a field never assigned holds NUL characters.
#include <QString>
#include <array>
#include <cstddef>

namespace kelmo {

template <std::size_t N>
class TexteFixe {
public:
    TexteFixe() { c_.fill(u'\0'); }
    TexteFixe(const QString& s) { *this = s; } // NOLINT: assignment from text is the usual way
    TexteFixe& operator=(const QString& s)
    {
        const std::size_t n = std::min<std::size_t>(N, static_cast<std::size_t>(s.size()));
        for (std::size_t i = 0; i < n; ++i)
            c_[i] = s[static_cast<qsizetype>(i)].unicode();
        for (std::size_t i = n; i < N; ++i)
            c_[i] = u' ';
        return *this;
    }
    // All N characters, blanks and NULs included.
    QString texte() const { return QString(reinterpret_cast<const QChar*>(c_.data()), static_cast<qsizetype>(N)); }
    // The text without its trailing blanks and NULs, as the lists show it.
    QString sansBlancsFinaux() const
    {
        std::size_t n = N;
        while (n > 0 && (c_[n - 1] == u' ' || c_[n - 1] == u'\0'))
            --n;
        return QString(reinterpret_cast<const QChar*>(c_.data()), static_cast<qsizetype>(n));
    }
    // The first k characters, as written into a narrower column.
    QString debut(std::size_t k) const { return texte().left(static_cast<qsizetype>(std::min(k, N))); }
    char16_t operator[](std::size_t i) const { return c_[i]; }
    char16_t& operator[](std::size_t i) { return c_[i]; }
    bool operator==(const TexteFixe& o) const { return c_ == o.c_; }
    static constexpr std::size_t taille = N;

private:
    std::array<char16_t, N> c_;
};

} // namespace kelmo
