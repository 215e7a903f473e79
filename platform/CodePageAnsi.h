#pragma once
// The stored text files use the Windows-1252 code page with CR LF line ends.
// Qt 6 has no such codec without ICU, so this is our own.
#include <QString>
#include <string>
#include <string_view>

namespace kelmo {

QString DecodeAnsi(std::string_view octets);
// Characters the code page cannot hold become "?".
std::string EncodeAnsi(const QString& texte);
void AjouteAnsi(std::string& sortie, const QString& texte);

} // namespace kelmo
