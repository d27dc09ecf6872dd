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

    bool readHeader(QString *error) override
    {
        if (!splitEps(m_data, &m_source, error))
            return false;
        if (!m_source.boundingBox.isEmpty()) {
            const double w = std::ceil(m_source.boundingBox.width() * kRenderDpi / 72.0);
            const double h = std::ceil(m_source.boundingBox.height() * kRenderDpi / 72.0);
            m_size = QSize(int(std::min(w, 2.0e9)), int(std::min(h, 2.0e9)));
        }
        return true;
    }

    QSize size() const override { return m_size; }

    bool read(QSize, DecodedImage *out, FailureReason *reason, QString *error) override
    {
        const QString ghostscript = QStandardPaths::findExecutable(QStringLiteral("gs"));
        if (ghostscript.isEmpty()) {
            *reason = FailureReason::NeedsGhostscript;
            return false;
        }
        QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/pressmark-eps-XXXXXX"));
        if (!folder.isValid()) {
            *reason = FailureReason::CannotRead;
            *error = folder.errorString();
            return false;
        }
        const QString input = folder.filePath(QStringLiteral("input.eps"));
        const QString output = folder.filePath(QStringLiteral("output.png"));
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(m_source.postscript) != m_source.postscript.size()) {
            *reason = FailureReason::CannotRead;
            *error = file.errorString();
            return false;
        }
        file.close();

        QProcess gs;
        gs.setProcessChannelMode(QProcess::MergedChannels);
        gs.start(ghostscript,
                 {QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"), QStringLiteral("-dNOPAUSE"),
                  QStringLiteral("-dQUIET"), QStringLiteral("-dEPSCrop"), QStringLiteral("-dLastPage=1"),
                  QStringLiteral("-sDEVICE=pngalpha"), QStringLiteral("-r%1").arg(kRenderDpi),
                  QStringLiteral("-dTextAlphaBits=4"), QStringLiteral("-dGraphicsAlphaBits=4"),
                  QStringLiteral("-sOutputFile=") + output, QStringLiteral("-f"), input});
        if (!gs.waitForStarted(10000)) {
            *reason = FailureReason::NeedsGhostscript;
            return false;
        }
        if (!gs.waitForFinished(g_timeLimit.load())) {
            gs.kill();
            gs.waitForFinished(5000);
            *error = QStringLiteral("Ghostscript took longer than %1 s").arg(g_timeLimit.load() / 1000.0);
            return false;
        }
        if (gs.exitStatus() != QProcess::NormalExit || gs.exitCode() != 0) {
            const QByteArray said = gs.readAll().trimmed();
            *error = QStringLiteral("Ghostscript could not render it: %1")
                         .arg(QString::fromLocal8Bit(said.left(200)).section(QLatin1Char('\n'), 0, 0));
            return false;
        }
        QImage image(output);
        if (image.isNull()) {
            *error = QStringLiteral("Ghostscript rendered nothing");
            return false;
        }
        if (exceedsImageLimits(image.width(), image.height())) {
            *reason = FailureReason::TooLarge;
            return false;
        }
        out->image = image.convertToFormat(QImage::Format_ARGB32);
        out->storedSize = image.size();
        out->statedDpi = kRenderDpi;
        return true;
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
