#include "sections/FirstNameExample.h"

#include "batch/NameTemplate.h"
#include "batch/OutputNaming.h"
#include "common/FileName.h"
#include "options/ConversionOptions.h"

#include <QCoreApplication>
#include <QDir>

FirstNameExample FirstNameExample::describe(const QString &firstInput, const ConversionOptions &options,
                                            const QString &outputFolder)
{
    return describe(firstInput, QString(), options, outputFolder, NameFacts());
}

FirstNameExample FirstNameExample::describe(const QString &firstInput, const QString &subfolder,
                                            const ConversionOptions &options, const QString &outputFolder,
                                            const NameFacts &facts)
{
    if (options.naming == NamingMode::Template) {
        const NameTemplate name = NameTemplate::parse(options.nameTemplate);
        // What is wrong first; how to mend it, when the error says, on the line below.
        if (!name.isValid())
            return {tr("Template: %1").arg(name.error().section(QStringLiteral("; "), 0, 0)),
                    name.error().section(QStringLiteral("; "), 1), true};
    }
    // A new name with a title is the same whatever the first photo is; the others need one.
    const bool needsPhoto = options.naming != NamingMode::NewName || options.title.isEmpty();
    if (firstInput.isEmpty() && needsPhoto)
        return {tr("First file: named once photos are added"), QString()};
    const QStringList names =
        candidateFileNames(outputStem(firstInput, 1, options, facts), extensionFor(options.format));
    const QString relative = outputSubfolder(subfolder);
    const QString prefix = relative.isEmpty() ? QString() : relative + QLatin1Char('/');
    const QString folder =
        relative.isEmpty() || outputFolder.isEmpty() ? outputFolder : QDir(outputFolder).filePath(relative);
    if (outputFolder.isEmpty() || pathKind(folder) != PathKind::Folder)
        return {tr("First file: %1").arg(prefix + names.first()), QString()};
    const QString free = firstUntakenName(folder, names);
    if (free.isEmpty())
        return {tr("First file: no free name"), tr("%1 and its %2 copies exist in the output folder")
                                                    .arg(prefix + names.first())
                                                    .arg(names.size() - 1)};
    if (free != names.first())
        return {tr("First file: %1").arg(prefix + free),
                tr("%1 exists in the output folder").arg(prefix + names.first())};
    return {tr("First file: %1").arg(prefix + free), QString()};
}
