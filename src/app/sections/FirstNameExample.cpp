#include "sections/FirstNameExample.h"

#include "batch/OutputNaming.h"
#include "common/FileName.h"
#include "options/ConversionOptions.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FirstNameExample", text);
}

} // namespace

FirstNameExample FirstNameExample::describe(const QString &firstInput, const ConversionOptions &options,
                                            const QString &outputFolder)
{
    // A new name with a title is the same whatever the first photo is; the others need one.
    const bool needsPhoto = options.naming != NamingMode::NewName || options.title.isEmpty();
    if (firstInput.isEmpty() && needsPhoto)
        return {tr("First file: named once photos are added"), QString()};
    const QStringList names =
        candidateFileNames(outputStem(firstInput, 1, options), extensionFor(options.format));
    if (outputFolder.isEmpty() || pathKind(outputFolder) != PathKind::Folder)
        return {tr("First file: %1").arg(names.first()), QString()};
    const QString free = firstUntakenName(outputFolder, names);
    if (free.isEmpty())
        return {
            tr("First file: no free name"),
            tr("%1 and its %2 copies exist in the output folder").arg(names.first()).arg(names.size() - 1)};
    if (free != names.first())
        return {tr("First file: %1").arg(free), tr("%1 exists in the output folder").arg(names.first())};
    return {tr("First file: %1").arg(free), QString()};
}
