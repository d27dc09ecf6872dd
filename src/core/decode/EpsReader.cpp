// EPS, rendered by Ghostscript in a separate process (never linked: its library is AGPL), always
// with -dSAFER, into a PNG with alpha in a private temporary folder that is always removed.
#include "decode/EpsReader.h"

#include "decode/EpsSource.h"
#include "decode/ImageLimits.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <atomic>
#include <cmath>

namespace {

std::atomic<int> g_timeLimit {30000};

constexpr double kRenderDpi = 72.0;

class EpsReader final : public FormatReader {
public:
    explicit EpsReader(const QByteArray &data) : m_data(data) {}

    Failure readHeader() override
    {
        Result<EpsSource> split = splitEps(m_data);
        if (!split.ok())
            return split.failure();
        m_source = split.value();
        if (!m_source.boundingBox.isEmpty()) {
            const double w = std::ceil(m_source.boundingBox.width() * kRenderDpi / 72.0);
            const double h = std::ceil(m_source.boundingBox.height() * kRenderDpi / 72.0);
            m_size = QSize(int(std::min(w, 2.0e9)), int(std::min(h, 2.0e9)));
        }
        return {};
    }

    QSize size() const override { return m_size; }

    Result<DecodedImage> read(QSize) override
    {
        const QString ghostscript = QStandardPaths::findExecutable(QStringLiteral("gs"));
        if (ghostscript.isEmpty())
            return Failure(FailureReason::NeedsGhostscript);
        QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/pressmark-eps-XXXXXX"));
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
        gs.start(ghostscript,
                 {QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"), QStringLiteral("-dNOPAUSE"),
                  QStringLiteral("-dQUIET"), QStringLiteral("-dEPSCrop"), QStringLiteral("-dLastPage=1"),
                  QStringLiteral("-sDEVICE=pngalpha"), QStringLiteral("-r%1").arg(kRenderDpi),
                  QStringLiteral("-dTextAlphaBits=4"), QStringLiteral("-dGraphicsAlphaBits=4"),
                  QStringLiteral("-sOutputFile=") + output, QStringLiteral("-f"), input});
        if (!gs.waitForStarted(10000))
            return Failure(FailureReason::NeedsGhostscript);
        if (!gs.waitForFinished(g_timeLimit.load())) {
            gs.kill();
            gs.waitForFinished(5000);
            return Failure(
                FailureReason::TimeLimitExceeded,
                QStringLiteral("Ghostscript took longer than %1 s").arg(g_timeLimit.load() / 1000.0));
        }
        if (gs.exitStatus() != QProcess::NormalExit || gs.exitCode() != 0) {
            const QByteArray said = gs.readAll().trimmed();
            return Failure(FailureReason::Unsupported,
                           QStringLiteral("Ghostscript could not render it: %1")
                               .arg(QString::fromLocal8Bit(said.left(200)).section(QLatin1Char('\n'), 0, 0)));
        }
        QImage image(output);
        if (image.isNull())
            return Failure(FailureReason::Unsupported, QStringLiteral("Ghostscript rendered nothing"));
        if (exceedsImageLimits(image.width(), image.height()))
            return Failure(FailureReason::TooLarge);
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
