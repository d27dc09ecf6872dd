#include "sections/NameFactsReader.h"

#include "BackgroundWork.h"
#include "options/ConversionOptions.h"
#include "pipeline/ReadNameFacts.h"

void NameFactsReader::request(const QString &path, const ConversionOptions &options,
                              std::function<void(const NameFacts &)> ready)
{
    const quint64 generation = ++m_generation;
    BackgroundWork::run(
        this, [path, options] { return readNameFacts(path, options); },
        [this, generation, ready = std::move(ready)](const NameFacts &facts) {
            if (generation == m_generation)
                ready(facts);
        });
}
