#pragma once

#include <QCoreApplication>
#include <QString>

struct ConversionOptions;
struct NameFacts;

// The lines under the naming controls: the name the first file of the list would be written
// under now, from the core's naming (outputStem(), candidateFileNames(), extensionFor()) and,
// when the output folder is there, the first of those names it does not hold yet
// (firstUntakenName()), with the name that is taken: "First file: Alps20241 (copy).jpg" above
// "Alps20241.jpg exists in the output folder". A file of a tree added whole is named with its
// subfolder ("First file: 2024/trip/IMG_1.jpg"). A rename template that cannot be used says why
// instead ("Template: unknown field {foo}…"). UI thread (it asks the file system whether names
// are taken).
struct FirstNameExample {
    Q_DECLARE_TR_FUNCTIONS(FirstNameExample)

public:
    QString name;               // "First file: Alps20241.jpg"
    QString clash;              // why the plain name is not the one taken; empty when it is
    bool templateError = false; // `name` says why the template cannot be used

    // `firstInput` is empty while the list is. `facts` are what a rename template takes of the
    // file (readNameFacts()).
    static FirstNameExample describe(const QString &firstInput, const ConversionOptions &options,
                                     const QString &outputFolder);
    static FirstNameExample describe(const QString &firstInput, const QString &subfolder,
                                     const ConversionOptions &options, const QString &outputFolder,
                                     const NameFacts &facts);
};
