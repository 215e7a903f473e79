#pragma once
// Whole-file input and output of the stored text files. Writing goes to a
// temporary file renamed over the old one, so a failure mid-write never
// destroys the previous file.
#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QImage;

namespace kelmo {

// Raises error 53 when the file is missing, 75 when it cannot be read.
std::string LitFichierEntier(const QString& chemin);
// Raises error 75 when the file cannot be created, 57 when writing or the
// final rename fails; the old file is then left as it was.
void EnregistreFichier(const QString& chemin, const std::string& contenu);
// A picture in the given format ("BMP", "PNG"), encoded in memory and then
// saved as above; raises error 75 when it cannot be encoded.
void EnregistreImage(const QImage& image, const QString& chemin, const QByteArray& format);

// Splits a whole file into lines: CR LF, a lone LF or a lone CR end a line;
// a last line without its end is still a line.
std::vector<std::string_view> DecoupeLignes(std::string_view contenu);

} // namespace kelmo
