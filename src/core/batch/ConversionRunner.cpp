#include "batch/ConversionRunner.h"

#include "batch/OutputNaming.h"
#include "batch/PendingFile.h"
#include "common/Cancellation.h"
#include "common/CodecLibraries.h"
#include "common/FileName.h"
#include "encode/OutputEncoder.h"
#include "overlay/WatermarkOverlay.h"
#include "pipeline/ReadNameFacts.h"
#include "pipeline/RenderFile.h"

#include <QDir>
#include <QSet>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <vector>

// A file that has been through the pipeline and waits for its turn to be named.
struct ConversionRunner::Outcome {
    Failure failure;
    QStringList notes;
    QString stem;
    PendingFile file;
    bool metadataRemoved = false;
};

// What the run says once when the metadata option left something out of `files` outputs.
static QString metadataRemovalNote(MetadataKept kept, int files)
{
    const QString count = files == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(files);
    switch (kept) {
    case MetadataKept::NoLocation:
        return QStringLiteral("the location was removed from the metadata of %1").arg(count);
    case MetadataKept::CopyrightOnly:
        return QStringLiteral("the metadata of %1 was reduced to authorship and rights").arg(count);
    case MetadataKept::None:
        return QStringLiteral("the metadata was removed from %1").arg(count);
    case MetadataKept::All:
        break;
    }
    return QString();
}

// The job as the workers read it, and what the run should say about it once.
static ConversionJob prepared(ConversionJob job, QStringList *notes)
{
    job.outputFolder = QDir::cleanPath(job.outputFolder);
    ConversionOptions &o = job.options;
    if (o.watermark.active()) {
        const QString asked = o.watermark.fontFamily;
        const QString family = resolvedWatermarkFamily(asked);
        if (!asked.isEmpty() && family.compare(asked, Qt::CaseInsensitive) != 0)
            *notes << QStringLiteral("the font \"%1\" is not installed; the watermark uses \"%2\"")
                          .arg(asked, family);
        o.watermark.fontFamily = family;
    }
    if (o.logo.enabled && o.logo.picture.isNull())
        *notes << QStringLiteral("the logo is on but there is no logo picture; no logo is drawn");
    return job;
}

ConversionRunner::ConversionRunner(ConversionJob job)
    : m_job(prepared(std::move(job), &m_report.notes)),
      m_budget(m_job.memoryBudget > 0 ? m_job.memoryBudget : defaultMemoryBudget())
{
    m_report.files.resize(m_job.inputs.size());
    for (int i = 0; i < m_job.inputs.size(); ++i) {
        m_report.files[i].index = i;
        m_report.files[i].input = m_job.inputs.at(i);
    }
}

ConversionRunner::~ConversionRunner() = default;

void ConversionRunner::setFileStartedHandler(std::function<void(int, int)> handler)
{
    m_onStarted = std::move(handler);
}

void ConversionRunner::setFileFinishedHandler(std::function<void(const FileResult &)> handler)
{
    m_onFinished = std::move(handler);
}

void ConversionRunner::cancel()
{
    m_cancel.store(true);
}

ConversionReport ConversionRunner::run()
{
    initializeCodecLibraries();
    if (m_job.dryRun)
        return runDry();
    const int total = int(m_job.inputs.size());
    if (total == 0)
        return m_report;
    int workers = m_job.workers > 0 ? m_job.workers : QThread::idealThreadCount();
    workers = std::max(1, std::min(workers, total));
    m_window = 2 * workers;
    // Every output goes into the folder opened here, whatever its path leads to later.
    Result<std::shared_ptr<const OutputFolder>> folder = OutputFolder::open(m_job.outputFolder);
    if (!folder.ok()) {
        // The first file fails with the system's reason; no other starts.
        FileResult &first = m_report.files[0];
        m_started.store(1);
        if (m_onStarted)
            m_onStarted(0, 1);
        first.status = FileStatus::Failed;
        first.failure = folder.failure();
        finish(first);
        m_report.stopped =
            pathKind(m_job.outputFolder) == PathKind::Missing
                ? QStringLiteral("the output folder %1 is gone; the run stopped").arg(m_job.outputFolder)
                : QStringLiteral("the output folder %1 cannot be opened; the run stopped")
                      .arg(m_job.outputFolder);
        return m_report;
    }
    m_folder = folder.value();
    std::vector<std::thread> threads;
    threads.reserve(size_t(workers));
    for (int i = 0; i < workers; ++i)
        threads.emplace_back([this] { workerLoop(); });
    for (std::thread &t : threads)
        t.join();
    m_report.cancelled = m_cancel.load();
    if (m_folderReplaced.load())
        m_report.stopped = QStringLiteral("the output folder %1 was moved or replaced; the run stopped")
                               .arg(m_job.outputFolder);
    else if (m_folderGone.load())
        m_report.stopped =
            QStringLiteral("the output folder %1 is gone; the run stopped").arg(m_job.outputFolder);
    if (m_report.writtenCount() > 0 && !m_folderGone.load())
        flushOutputs();
    if (m_metadataRemoved > 0)
        m_report.notes << metadataRemovalNote(m_job.options.metadata, m_metadataRemoved);
    return m_report;
}

// Outputs are linked into place unflushed, which is fast; before the run reports, the output
// folder's file system is flushed once, so a power cut cannot leave complete-looking names with
// empty contents.
void ConversionRunner::flushOutputs()
{
    if (::syncfs(m_folder->descriptor()) != 0)
        m_report.notes << QStringLiteral("the outputs could not be flushed to disk: %1")
                              .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

// Whether the output folder's path still leads to the folder the run opened; when it does not,
// the run stops: no file starts after this one.
bool ConversionRunner::folderStillInPlace() const
{
    switch (m_folder->place()) {
    case OutputFolder::Place::InPlace:
        return true;
    case OutputFolder::Place::Replaced:
        m_folderReplaced.store(true);
        break;
    case OutputFolder::Place::Gone:
        break;
    }
    m_folderGone.store(true);
    return false;
}

void ConversionRunner::workerLoop()
{
    const CancellationScope cancellation(&m_cancel);
    const int total = int(m_job.inputs.size());
    for (;;) {
        int index;
        int started;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [&] {
                return m_cancel.load() || m_folderGone.load() || m_next >= total ||
                       m_next < m_turn + m_window;
            });
            if (m_cancel.load() || m_folderGone.load() || m_next >= total)
                return;
            index = m_next++;
            started = ++m_started;
        }
        if (m_onStarted)
            m_onStarted(index, started);
        Outcome outcome = processFile(index);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_waiting.emplace(index, std::move(outcome));
        for (auto it = m_waiting.find(m_turn); it != m_waiting.end(); it = m_waiting.find(m_turn)) {
            commit(m_turn, it->second);
            m_waiting.erase(it);
            ++m_turn;
        }
        m_wake.notify_all();
    }
}

ConversionRunner::Outcome ConversionRunner::processFile(int index) const
{
    Outcome outcome;
    // A fault in one file is that file's failure; the run goes on.
    try {
        convertInto(index, outcome);
    } catch (const std::bad_alloc &) {
        outcome.failure = Failure(FailureReason::OutOfMemory);
    } catch (const std::exception &e) {
        outcome.failure = Failure(FailureReason::InternalError, QString::fromLocal8Bit(e.what()));
    }
    return outcome;
}

void ConversionRunner::convertInto(int index, Outcome &outcome) const
{
    const QString &path = m_job.inputs.at(index);
    const ConversionOptions &options = m_job.options;
    // Held until the output is written: the picture and its encoded bytes are gone by then.
    MemoryBudget::Ticket ticket = m_budget.enter();
    PipelineResult picture = convertFile(path, options, [&ticket](qint64 bytes) { ticket.admit(bytes); });
    outcome.notes = picture.notes;
    if (picture.failure.failed()) {
        outcome.failure = picture.failure;
        return;
    }
    // What a rename template says of the file, from what the conversion read of it.
    const NameFacts facts = options.naming == NamingMode::Template
                                ? nameFacts(picture.metadata, path, picture.outputSize)
                                : NameFacts();
    Result<EncodedOutput> encoded = encodeOutput(picture.image, options, picture.imageDpi, picture.iccProfile,
                                                 picture.metadata, picture.untouchedJpeg);
    picture.image = QImage();
    picture.untouchedJpeg = QByteArray();
    if (!encoded.ok()) {
        outcome.failure = encoded.failure();
        return;
    }
    outcome.notes << encoded.value().notes;
    outcome.metadataRemoved = encoded.value().metadataRemoved;
    const Result<std::shared_ptr<const OutputFolder>> into = subfolderFor(index);
    if (!into.ok()) {
        outcome.failure = into.failure();
        return;
    }
    Result<PendingFile> written = PendingFile::write(into.value(), encoded.value().bytes);
    if (!written.ok()) {
        outcome.failure = written.failure();
        // Every later file would fail the same way: the run stops here.
        folderStillInPlace();
        return;
    }
    outcome.file = std::move(written.value());
    outcome.stem = outputStem(path, index + 1, options, facts);
}

Result<std::shared_ptr<const OutputFolder>> ConversionRunner::subfolderFor(int index) const
{
    const QString relative = outputSubfolder(m_job.subfolderOf(index));
    if (relative.isEmpty())
        return m_folder;
    std::lock_guard<std::mutex> lock(m_subfolderMutex);
    auto known = m_subfolders.find(relative);
    if (known == m_subfolders.end())
        known = m_subfolders.emplace(relative, m_folder->subfolder(relative)).first;
    return known->second;
}

void ConversionRunner::commit(int index, Outcome &outcome)
{
    FileResult &result = m_report.files[index];
    result.notes = outcome.notes;
    if (!outcome.failure.failed() && !folderStillInPlace())
        outcome.failure =
            m_folderReplaced.load()
                ? Failure(FailureReason::CannotWrite,
                          QStringLiteral("the output folder was moved or replaced"))
                : Failure(FailureReason::CannotWrite, QStringLiteral("the output folder is gone"));
    if (!outcome.failure.failed()) {
        const Result<QString> published =
            outcome.file.publish(candidateFileNames(outcome.stem, extensionFor(m_job.options.format)));
        if (published.ok()) {
            result.status = FileStatus::Written;
            result.output = published.value();
            if (outcome.metadataRemoved)
                ++m_metadataRemoved;
        } else {
            outcome.failure = published.failure();
        }
    }
    if (outcome.failure.failed()) {
        result.status = FileStatus::Failed;
        result.failure = outcome.failure;
    }
    finish(result);
}

void ConversionRunner::finish(const FileResult &result)
{
    if (m_onFinished)
        m_onFinished(result);
}

ConversionReport ConversionRunner::runDry()
{
    // The names a real run would give, with every input assumed to decode.
    QSet<QString> claimed;
    for (int index = 0; index < m_job.inputs.size() && !m_cancel.load(); ++index) {
        FileResult &result = m_report.files[index];
        const int started = ++m_started;
        if (m_onStarted)
            m_onStarted(index, started);
        if (pathKind(result.input) == PathKind::Missing) {
            result.status = FileStatus::Failed;
            result.failure = Failure(FailureReason::Missing);
            finish(result);
            continue;
        }
        const QString stem =
            outputStem(result.input, index + 1, m_job.options, readNameFacts(result.input, m_job.options));
        result.status = FileStatus::Failed;
        result.failure = Failure(FailureReason::NoFreeName);
        const QString relative = outputSubfolder(m_job.subfolderOf(index));
        const QDir into(relative.isEmpty() ? m_job.outputFolder
                                           : QDir(m_job.outputFolder).filePath(relative));
        for (const QString &name : candidateFileNames(stem, extensionFor(m_job.options.format))) {
            const QString path = into.filePath(name);
            if (claimed.contains(path) || pathTaken(path))
                continue;
            claimed.insert(path);
            result.status = FileStatus::Written;
            result.failure = Failure();
            result.output = path;
            break;
        }
        finish(result);
    }
    m_report.cancelled = m_cancel.load();
    return m_report;
}
