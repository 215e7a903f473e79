#include "values/LimitesTables.h"
#include "platform/Dialogues.h"

#include <algorithm>
#include <limits>

namespace kelmo {

void AvertitLimiteTable(const QString& chemin, int limite)
{
    MessageOK(QStringLiteral("Le fichier %1 dépasse la limite de %2 enregistrements : "
                             "les enregistrements suivants ne sont pas pris en compte.")
                  .arg(chemin)
                  .arg(limite),
              Icone::Exclamation);
}

float BorneSimple(double valeur)
{
    constexpr double max = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(valeur, -max, max));
}

} // namespace kelmo
