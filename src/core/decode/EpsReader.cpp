// EPS, rendered by Ghostscript in a separate process (never linked: its library is AGPL), always
// with -dSAFER, into a PNG with alpha in a private temporary folder that is always removed.
// Ghostscript's SAFER mode still lets a file read and write its temporary folder, so the child
// gets that private folder as its only temporary folder and home, leave to read the input alone,
// a minimal environment, no inherited descriptors, limits on memory, time and file size, and
// dies with its parent.
// The page is fixed at the file's bounding box (an A4 page when it states none), so PostScript in
// the file cannot draw a larger picture than the header promised the memory budget; a PNG larger
// than that is refused before it is decoded. Ghostscript's address space is limited by the page's
// size, and counted in the memory the file is admitted for.
#include "decode/EpsReader.h"

#include "common/Cancellation.h"
#include "decode/EpsSource.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <atomic>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <linux/close_range.h>
#include <mutex>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<int> g_timeLimit {30000};

constexpr double kRenderDpi = 72.0;

// The page of a file that states no bounding box: A4, in points.
constexpr QSizeF kDefaultPage(595.0, 842.0);

// The address space Ghostscript may take for a page of this many pixels: what it takes to start
// (about 56 MiB for Ghostscript 10 in Debian 12, on a 10 x 10 point file), doubled for fonts,
// patterns and images, and twice the page at four bytes a pixel (it draws large pages in bands
// and needs far less); at most 4 GiB.
qint64 ghostscriptAddressSpace(QSize page)
{
    const qint64 start = qint64(128) << 20;
    const qint64 raster = qint64(page.width()) * page.height() * 4;
    return std::min(start + 2 * raster, qint64(4) << 30);
}

// The renderer's temporary folders: "pressmark-eps-<pid>-XXXXXX", so those of a process that is
// gone (killed with -9) are recognised and removed.
const QString kFolderPrefix = QStringLiteral("pressmark-eps-");

void removeStaleFolders()
{
    QDir temp(QDir::tempPath());
    const QStringList names = temp.entryList({kFolderPrefix + QStringLiteral("*")},
                                             QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &name : names) {
        bool ok = false;
        const qint64 pid = name.mid(kFolderPrefix.size()).section(QLatin1Char('-'), 0, 0).toLongLong(&ok);
        if (!ok || pid <= 0 || pid == qint64(getpid()))
            continue;
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue; // alive, or not ours to judge
        QDir(temp.filePath(name)).removeRecursively();
    }
}

std::once_flag g_staleFoldersRemoved;

// Runs in the child between fork and exec: only async-signal-safe calls.
void confineChild(pid_t parent, int seconds, rlim_t addressSpace)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) // the parent died before the line above took effect
        ::_exit(127);
    const struct {
        int resource;
        rlim_t limit;
    } limits[] = {
        {RLIMIT_AS, addressSpace},
        {RLIMIT_CPU, rlim_t(seconds) + 5}, // seconds of processor time
        {RLIMIT_FSIZE, rlim_t(2) << 30},   // largest file it may write: 2 GiB
        {RLIMIT_CORE, 0},
    };
    for (const auto &l : limits) {
        const struct rlimit value = {l.limit, l.limit};
        ::setrlimit(l.resource, &value);
    }
    // Descriptors the parent left inheritable close at exec, as the others already do.
    if (::syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
        const long most = ::sysconf(_SC_OPEN_MAX);
        for (int fd = 3; fd < (most > 0 && most < 65536 ? int(most) : 65536); ++fd)
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
}

class EpsReader final : public FormatReader {
public:
    explicit EpsReader(const QByteArray &data) : m_data(data) {}

    Failure readHeader() override
    {
        Result<EpsSource> split = splitEps(m_data);
        if (!split.ok())
            return split.failure();
        m_source = split.value();
        const QSizeF page = m_source.boundingBox.isEmpty() ? kDefaultPage : m_source.boundingBox.size();
        const double w = std::ceil(page.width() * kRenderDpi / 72.0);
        const double h = std::ceil(page.height() * kRenderDpi / 72.0);
        m_size = QSize(int(std::min(w, 2.0e9)), int(std::min(h, 2.0e9)));
        return {};
    }

    QString formatName() const override { return QStringLiteral("EPS"); }
    QSize size() const override { return m_size; }

    // The picture, and beside it Ghostscript, held to its address space while it renders.
    qint64 decodedBytes(QSize minimumSize) const override
    {
        return FormatReader::decodedBytes(minimumSize) + ghostscriptAddressSpace(m_size);
    }

    Result<DecodedImage> read(QSize) override
    {
        const QString ghostscript = QStandardPaths::findExecutable(QStringLiteral("gs"));
        if (ghostscript.isEmpty())
            return Failure(FailureReason::NeedsGhostscript);
        std::call_once(g_staleFoldersRemoved, removeStaleFolders);
        QTemporaryDir folder(QDir::tempPath() + QLatin1Char('/') + kFolderPrefix + QString::number(getpid()) +
                             QStringLiteral("-XXXXXX"));
        if (!folder.isValid())
            return Failure(FailureReason::CannotRead, folder.errorString());
        const QString input = folder.filePath(QStringLiteral("input.eps"));
        const QString output = folder.filePath(QStringLiteral("output.png"));
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(m_source.postscript) != m_source.postscript.size())
            return Failure(FailureReason::CannotRead, file.errorString());
        file.close();

        QProcess gs;
        gs.setProcessChannelMode(QProcess::MergedChannels);
        gs.setStandardInputFile(QProcess::nullDevice());
        gs.setWorkingDirectory(folder.path());
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        for (const char *name : {"TMPDIR", "TEMP", "TMP", "HOME"})
            environment.insert(QString::fromLatin1(name), folder.path());
        gs.setProcessEnvironment(environment);
        const pid_t parent = getpid();
        const int seconds = g_timeLimit.load() / 1000;
        const qint64 addressSpace = ghostscriptAddressSpace(m_size);
        gs.setChildProcessModifier(
            [parent, seconds, addressSpace] { confineChild(parent, seconds, rlim_t(addressSpace)); });
        // -g fixes the page at the box in pixels, and FIXEDMEDIA and FIXEDRESOLUTION keep
        // setpagedevice in the file from changing it; every page starts moved so the box's corner
        // is the page's (Ghostscript's -dEPSCrop knows no box stated at the end, nor one in a file
        // not headed as EPS). A file that never calls showpage, which an EPS need not, is shown
        // after it has run.
        const QPointF corner = m_source.boundingBox.isEmpty() ? QPointF() : m_source.boundingBox.topLeft();
        const QString beginPage =
            QStringLiteral("<< /BeginPage { pop %1 %2 translate } bind >> setpagedevice")
                .arg(-corner.x(), 0, 'f', 6)
                .arg(-corner.y(), 0, 'f', 6);
        gs.start(
            ghostscript,
            {QStringLiteral("-dSAFER"),
             QStringLiteral("--permit-file-read=") + input,
             QStringLiteral("-dBATCH"),
             QStringLiteral("-dNOPAUSE"),
             QStringLiteral("-dQUIET"),
             QStringLiteral("-dFIXEDMEDIA"),
             QStringLiteral("-dFIXEDRESOLUTION"),
             QStringLiteral("-g%1x%2").arg(m_size.width()).arg(m_size.height()),
             QStringLiteral("-dLastPage=1"),
             QStringLiteral("-sDEVICE=pngalpha"),
             QStringLiteral("-r%1").arg(kRenderDpi),
             QStringLiteral("-dTextAlphaBits=4"),
             QStringLiteral("-dGraphicsAlphaBits=4"),
             QStringLiteral("-sOutputFile=") + output,
             QStringLiteral("-c"),
             beginPage,
             QStringLiteral("-f"),
             input,
             QStringLiteral("-c"),
             QStringLiteral("currentpagedevice /PageCount get 0 eq { systemdict /showpage get exec } if")});
        if (!gs.waitForStarted(10000))
            return Failure(FailureReason::NeedsGhostscript);
        QElapsedTimer clock;
        clock.start();
        while (!gs.waitForFinished(50)) {
            const bool cancelled = cancellationRequested();
            if (!cancelled && !clock.hasExpired(g_timeLimit.load()) && gs.state() != QProcess::NotRunning)
                continue;
            gs.kill();
            gs.waitForFinished(5000);
            if (cancelled)
                return Failure(FailureReason::Cancelled);
            if (clock.hasExpired(g_timeLimit.load()))
                return Failure(
                    FailureReason::TimeLimitExceeded,
                    QStringLiteral("Ghostscript took longer than %1 s").arg(g_timeLimit.load() / 1000.0));
            break;
        }
        if (gs.exitStatus() != QProcess::NormalExit || gs.exitCode() != 0) {
            const QByteArray said = gs.readAll().trimmed();
            if (said.contains("/VMerror"))
                return Failure(FailureReason::OutOfMemory,
                               QStringLiteral("Ghostscript needed more than the %1 MiB allowed for this page")
                                   .arg(addressSpace >> 20));
            return Failure(FailureReason::Unsupported,
                           QStringLiteral("Ghostscript could not render it: %1")
                               .arg(QString::fromLocal8Bit(said.left(200)).section(QLatin1Char('\n'), 0, 0)));
        }
        // The size from the PNG's header, before anything is decoded: -g gave the page in whole
        // pixels, so it is never larger than the header's size.
        QImageReader reader(output, "png");
        const QSize rendered = reader.size();
        if (!rendered.isValid())
            return Failure(FailureReason::Unsupported, QStringLiteral("Ghostscript rendered nothing"));
        if (rendered.width() > m_size.width() || rendered.height() > m_size.height())
            return Failure(FailureReason::TooLarge,
                           QStringLiteral("Ghostscript rendered a larger page than the file declares: "
                                          "%1 x %2 pixels for %3 x %4")
                               .arg(rendered.width())
                               .arg(rendered.height())
                               .arg(m_size.width())
                               .arg(m_size.height()));
        const QImage image = reader.read();
        if (image.isNull())
            return Failure(FailureReason::Unsupported, QStringLiteral("Ghostscript rendered nothing"));
        DecodedImage out;
        out.image = image.convertToFormat(QImage::Format_ARGB32);
        out.storedSize = image.size();
        out.statedDpi = kRenderDpi;
        return out;
    }

private:
    QByteArray m_data;
    EpsSource m_source;
    QSize m_size;
};

} // namespace

bool isEps(const QByteArray &data)
{
    return data.startsWith("%!PS") || data.startsWith("\xC5\xD0\xD3\xC6");
}

void setGhostscriptTimeLimit(int milliseconds)
{
    g_timeLimit.store(milliseconds);
}

std::unique_ptr<FormatReader> createEpsReader(const QByteArray &data, const QByteArray &)
{
    return std::make_unique<EpsReader>(data);
}
