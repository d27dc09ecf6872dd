#include "batch/ConversionRunner.h"

#include "batch/NamePlan.h"
#include "batch/OutputNaming.h"
#include "batch/PendingFile.h"
#include "common/Cancellation.h"
#include "common/CodecLibraries.h"
#include "common/FileName.h"
#include "common/LargeImage.h"
#include "encode/OutputEncoder.h"
#include "overlay/WatermarkOverlay.h"
#include "pipeline/ReadNameFacts.h"
#include "pipeline/RenderFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QSet>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

// A file that has been through the pipeline and waits for its turn to be named.
struct ConversionRunner::Outcome {
    Failure failure;
    QStringList notes;
    PendingFile file;
    bool skipped = false; // its planned name was taken when it started (skipExisting)
    bool metadataRemoved = false;
    bool metadataWritten = false;
    bool profileWritten = false;
    qint64 bytes = 0;
    QSize pixels;
    qint64 milliseconds = 0;
};

// What the run says once when the metadata option left something out of `files` outputs.
static QString metadataRemovalNote(MetadataKept kept, int files)
{
    // English has its singular spelt out; a translation gives each plural form of %n.
    const auto said = [files](const char *one, const char *many) {
        return files == 1 ? QCoreApplication::translate("ConversionRunner", one)
                          : QCoreApplication::translate("ConversionRunner", many, nullptr, files);
    };
    switch (kept) {
    case MetadataKept::NoLocation:
        return said(
            QT_TRANSLATE_NOOP("ConversionRunner", "the location was removed from the metadata of 1 file"),
            QT_TRANSLATE_N_NOOP("ConversionRunner",
                                "the location was removed from the metadata of %n files"));
    case MetadataKept::CopyrightOnly:
        return said(QT_TRANSLATE_NOOP("ConversionRunner",
                                      "the metadata of 1 file was reduced to authorship and rights"),
                    QT_TRANSLATE_N_NOOP("ConversionRunner",
                                        "the metadata of %n files was reduced to authorship and rights"));
    case MetadataKept::None:
        return said(QT_TRANSLATE_NOOP("ConversionRunner", "the metadata was removed from 1 file"),
                    QT_TRANSLATE_N_NOOP("ConversionRunner", "the metadata was removed from %n files"));
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
            *notes << QCoreApplication::translate(
                          "ConversionRunner", "the font \"%1\" is not installed; the watermark uses \"%2\"")
                          .arg(asked, family);
        o.watermark.fontFamily = family;
    }
    if (o.logo.enabled && o.logo.picture.isNull())
        *notes << QCoreApplication::translate(
            "ConversionRunner", "the logo is on but there is no logo picture; no logo is drawn");
    return job;
}

ConversionRunner::ConversionRunner(ConversionJob job)
    : m_job(prepared(std::move(job), &m_report.notes)),
      m_budget(m_job.memoryBudget > 0 ? m_job.memoryBudget : defaultMemoryBudget())
{
    const int count = std::max(1, m_job.shardCount);
    const int shard = std::clamp(m_job.shardIndex, 0, count - 1);
    m_report.listSize = int(m_job.inputs.size());
    m_report.shardIndex = shard;
    m_report.shardCount = count;
    for (int i = shard; i < m_job.inputs.size(); i += count)
        m_order << i;
    m_report.files.reserve(m_order.size()); // as many as that: resize() alone rounds up to a power of two
    m_report.files.resize(m_order.size());
    for (int slot = 0; slot < m_order.size(); ++slot) {
        m_report.files[slot].index = m_order.at(slot);
        m_report.files[slot].input = m_job.inputs.at(m_order.at(slot));
    }
}

// The names of the whole list, whichever part of it this run converts: each subfolder's entries
// planned among themselves. A rename template's facts are read as a dry run reads them, so a run,
// its dry run and its shards give the same names.
void ConversionRunner::planNames()
{
    const QString extension = extensionFor(m_job.options.format);
    const bool facts = m_job.options.naming == NamingMode::Template;
    const int count = int(m_job.inputs.size());
    m_stems.clear();
    m_stems.reserve(count);
    m_plan = QVector<int>(count, -1);
    QMap<QString, QVector<int>> bySubfolder;
    for (int i = 0; i < count && !m_cancel.load(); ++i) {
        const QString &path = m_job.inputs.at(i);
        m_stems << outputStem(path, i + 1, m_job.options,
                              facts ? readNameFacts(path, m_job.options) : NameFacts());
        bySubfolder[outputSubfolder(m_job.subfolderOf(i))] << i;
    }
    for (const QVector<int> &entries : std::as_const(bySubfolder)) {
        QStringList stems;
        for (int i : entries)
            stems << m_stems.at(i);
        const QVector<int> plan = plannedNameIndexes(stems, extension);
        for (int k = 0; k < entries.size(); ++k)
            m_plan[entries.at(k)] = plan.at(k);
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
    QElapsedTimer clock;
    clock.start();
    const HeapReuse heap; // a file's bytes and output reuse the last file's memory
    ConversionReport report = runTimed();
    report.milliseconds = clock.elapsed();
    return report;
}

ConversionReport ConversionRunner::runTimed()
{
    initializeCodecLibraries();
    planNames();
    if (m_job.dryRun)
        return runDry();
    const int count = total();
    if (count == 0)
        return m_report;
    const int allowed = std::max(1, m_job.workers > 0 ? m_job.workers : QThread::idealThreadCount());
    const int workers = std::min(allowed, count);
    m_spareCores.reset(allowed - workers);
    m_window = 2 * workers;
    // Every output goes into the folder opened here, whatever its path leads to later.
    Result<std::shared_ptr<const OutputFolder>> folder = OutputFolder::open(m_job.outputFolder);
    if (!folder.ok()) {
        // The first file fails with the system's reason; no other starts.
        FileResult &first = m_report.files[0];
        m_started.store(1);
        if (m_onStarted)
            m_onStarted(first.index, 1);
        first.status = FileStatus::Failed;
        first.failure = folder.failure();
        finish(first);
        m_report.stopped =
            pathKind(m_job.outputFolder) == PathKind::Missing
                ? QCoreApplication::translate("ConversionRunner",
                                              "the output folder %1 is gone; the run stopped")
                      .arg(m_job.outputFolder)
                : QCoreApplication::translate("ConversionRunner",
                                              "the output folder %1 cannot be opened; the run stopped")
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
        m_report.stopped =
            QCoreApplication::translate("ConversionRunner",
                                        "the output folder %1 was moved or replaced; the run stopped")
                .arg(m_job.outputFolder);
    else if (m_folderGone.load())
        m_report.stopped =
            QCoreApplication::translate("ConversionRunner", "the output folder %1 is gone; the run stopped")
                .arg(m_job.outputFolder);
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
        m_report.notes << QCoreApplication::translate("ConversionRunner",
                                                      "the outputs could not be flushed to disk: %1")
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
    // A picture's memory kept from file to file, not mapped and cleared anew for each.
    const LargeImageReuse reuse;
    // This worker's core goes to the others once it has no file left.
    const SpareCoresScope lending(&m_spareCores);
    struct Idle {
        SpareCores &cores;
        ~Idle() { cores.giveBack(); }
    } const idle {m_spareCores};
    const int total = this->total();
    for (;;) {
        int slot;
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
            slot = m_next++;
            index = m_order.at(slot);
            started = ++m_started;
        }
        if (m_onStarted)
            m_onStarted(index, started);
        Outcome outcome = processFile(index);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_waiting.emplace(slot, std::move(outcome));
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
    if (m_job.skipExisting && plannedNameTaken(index)) {
        outcome.skipped = true;
        return outcome;
    }
    QElapsedTimer clock;
    clock.start();
    // A fault in one file is that file's failure; the run goes on.
    try {
        convertInto(index, outcome);
    } catch (const std::bad_alloc &) {
        outcome.failure = Failure(FailureReason::OutOfMemory);
    } catch (const std::exception &e) {
        outcome.failure = Failure(FailureReason::InternalError, QString::fromLocal8Bit(e.what()));
    }
    outcome.milliseconds = clock.elapsed();
    return outcome;
}

// The names entry `index` may take, from its planned one on.
QStringList ConversionRunner::candidatesFor(int index) const
{
    const int first = m_plan.at(index);
    if (first < 0)
        return QStringList();
    return candidateFileNames(m_stems.at(index), extensionFor(m_job.options.format)).mid(first);
}

// The entry's planned name; empty when it has none. Made alone for the common plain name, so a
// list of 50,000 is not 5 million names.
QString ConversionRunner::plannedName(int index) const
{
    const int first = m_plan.at(index);
    if (first == 0)
        return m_stems.at(index) + extensionFor(m_job.options.format);
    return first < 0 ? QString() : candidatesFor(index).first();
}

// Whether anything (a file, a folder, a link) already has the entry's planned name.
bool ConversionRunner::plannedNameTaken(int index) const
{
    const QString name = plannedName(index);
    if (name.isEmpty())
        return false;
    if (!m_folder)
        return pathTaken(outputPathOf(index, name));
    // In the entry's own subfolder, through its handle (made when missing: it holds nothing then).
    const Result<std::shared_ptr<const OutputFolder>> into = subfolderFor(index);
    if (!into.ok())
        return false;
    struct stat info {};
    return ::fstatat(into.value()->descriptor(), encodeFileName(name).constData(), &info,
                     AT_SYMLINK_NOFOLLOW) == 0;
}

// Where the entry's output named `name` lies: in the output folder, under its subfolder.
QString ConversionRunner::outputPathOf(int index, const QString &name) const
{
    const QString relative = outputSubfolder(m_job.subfolderOf(index));
    const QString inFolder = relative.isEmpty() ? name : relative + QLatin1Char('/') + name;
    return m_folder ? m_folder->pathOf(inFolder) : QDir(m_job.outputFolder).filePath(inFolder);
}

void ConversionRunner::convertInto(int index, Outcome &outcome) const
{
    const QString &path = m_job.inputs.at(index);
    const ConversionOptions &options = m_job.options;
    // Held until the output is written: the picture and its encoded bytes are gone by then.
    MemoryBudget::Ticket ticket = m_budget.enter();
    // The memory this worker kept from its last picture is counted in no file's bytes: no more
    // than this file is admitted for is kept, and none while it waits for room.
    LargeImageReuse *kept = LargeImageReuse::current();
    const auto admit = [&ticket, kept](qint64 bytes) {
        if (kept)
            kept->keepAtMost(bytes);
        ticket.admit(bytes, [kept] {
            if (kept)
                kept->keepAtMost(0);
        });
    };
    PipelineResult picture = convertFile(path, options, admit, true);
    outcome.notes = picture.notes;
    if (picture.failure.failed()) {
        outcome.failure = picture.failure;
        return;
    }
    Result<EncodedOutput> encoded =
        picture.compressed.isEmpty()
            ? encodeOutput(picture.image, options, picture.imageDpi, picture.iccProfile, picture.metadata,
                           picture.untouchedJpeg)
            : encodeOutput(std::move(picture.compressed), options, picture.imageDpi, picture.iccProfile,
                           picture.metadata);
    picture.image = QImage();
    picture.compressed = CompressedPixels();
    picture.untouchedJpeg = QByteArray();
    if (!encoded.ok()) {
        outcome.failure = encoded.failure();
        return;
    }
    outcome.notes << encoded.value().notes;
    outcome.metadataRemoved = encoded.value().metadataRemoved;
    outcome.metadataWritten = encoded.value().metadataWritten;
    outcome.profileWritten = encoded.value().profileWritten;
    outcome.pixels = encoded.value().pixels;
    outcome.bytes = encoded.value().bytes.size();
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

void ConversionRunner::commit(int slot, Outcome &outcome)
{
    FileResult &result = m_report.files[slot];
    const int index = result.index;
    result.notes = outcome.notes;
    if (outcome.skipped) {
        result.status = FileStatus::Skipped;
        result.output = outputPathOf(index, plannedName(index));
        finish(result);
        return;
    }
    if (!outcome.failure.failed() && !folderStillInPlace())
        outcome.failure =
            m_folderReplaced.load()
                ? Failure(FailureReason::CannotWrite,
                          QCoreApplication::translate("ConversionRunner",
                                                      "the output folder was moved or replaced"))
                : Failure(FailureReason::CannotWrite,
                          QCoreApplication::translate("ConversionRunner", "the output folder is gone"));
    if (!outcome.failure.failed()) {
        const Result<QString> published = outcome.file.publish(candidatesFor(index));
        if (published.ok()) {
            result.status = FileStatus::Written;
            result.output = published.value();
            result.bytes = outcome.bytes;
            result.pixels = outcome.pixels;
            result.metadataWritten = outcome.metadataWritten;
            result.metadataRemoved = outcome.metadataRemoved;
            result.profileWritten = outcome.profileWritten;
            result.milliseconds = outcome.milliseconds;
            if (outcome.metadataRemoved)
                ++m_metadataRemoved;
        } else {
            outcome.failure = published.failure();
        }
    }
    if (outcome.failure.failed()) {
        result.status = FileStatus::Failed;
        result.failure = outcome.failure;
        result.milliseconds = outcome.milliseconds;
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
    m_report.dryRun = true;
    // The names a real run would give, with every input assumed to decode.
    QSet<QString> claimed;
    for (int slot = 0; slot < total() && !m_cancel.load(); ++slot) {
        FileResult &result = m_report.files[slot];
        const int index = result.index;
        const int started = ++m_started;
        if (m_onStarted)
            m_onStarted(index, started);
        if (pathKind(result.input) == PathKind::Missing) {
            result.status = FileStatus::Failed;
            result.failure = Failure(FailureReason::Missing);
            finish(result);
            continue;
        }
        const bool plannedTaken = plannedNameTaken(index);
        if (m_job.skipExisting && plannedTaken) {
            result.status = FileStatus::Skipped;
            result.output = outputPathOf(index, plannedName(index));
            finish(result);
            continue;
        }
        result.status = FileStatus::Failed;
        result.failure = Failure(FailureReason::NoFreeName);
        // The plain planned name alone unless it is taken: the whole list of names only then.
        const QString planned = plannedName(index);
        const bool free =
            !planned.isEmpty() && !plannedTaken && !claimed.contains(outputPathOf(index, planned));
        const QStringList names = free ? QStringList {planned} : candidatesFor(index);
        for (const QString &name : names) {
            const QString path = outputPathOf(index, name);
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
