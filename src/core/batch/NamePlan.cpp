#include "batch/NamePlan.h"

#include "batch/OutputNaming.h"

#include <QSet>

QVector<int> plannedNameIndexes(const QStringList &stems, const QString &extension)
{
    QVector<int> plan(stems.size(), -1);
    QSet<QString> claimed;
    claimed.reserve(stems.size());
    for (int i = 0; i < stems.size(); ++i) {
        // The plain name first: the list of candidates is made only for a name already taken.
        const QString plain = stems.at(i) + extension;
        if (!claimed.contains(plain)) {
            claimed.insert(plain);
            plan[i] = 0;
            continue;
        }
        const QStringList candidates = candidateFileNames(stems.at(i), extension);
        for (int k = 1; k < candidates.size(); ++k) {
            if (!claimed.contains(candidates.at(k))) {
                claimed.insert(candidates.at(k));
                plan[i] = k;
                break;
            }
        }
    }
    return plan;
}
