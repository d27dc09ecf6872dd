#pragma once

#include "batch/NameTemplate.h"

#include <QObject>

#include <functional>

struct ConversionOptions;

// Reads what a rename template takes of a file (readNameFacts(): its header and metadata, never
// its picture) off the UI thread, for the first name's example; a newer request supersedes the
// ones before it, whose answers are dropped.
// Threading: lives on the UI thread; the reading runs through BackgroundWork and the answer
// comes back on the UI thread.
class NameFactsReader : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void request(const QString &path, const ConversionOptions &options,
                 std::function<void(const NameFacts &)> ready);
    // Drops the answer of the request on its way, if any.
    void drop() { ++m_generation; }

private:
    quint64 m_generation = 0;
};
