#include "browser/BrowserModel.h"

#include "BackgroundWork.h"
#include "browser/ImageListModel.h"
#include "common/FileName.h"
#include "pipeline/RenderFile.h"
#include "pipeline/Thumbnail.h"

#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QThreadPool>

namespace {

// A tile of the shape thumbnails mostly have: `fill` inside, and a dashed border when `edge`
// is valid.
QIcon tile(const QColor &fill, const QColor &edge)
{
    QImage image(BrowserModel::kThumbnailSide, BrowserModel::kThumbnailSide * 3 / 4,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    if (edge.isValid()) {
        QPainter painter(&image);
        painter.setPen(QPen(edge, 6, Qt::DashLine));
        painter.drawRect(QRectF(image.rect()).adjusted(3, 3, -3, -3));
    }
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

BrowserModel::BrowserModel(ImageListModel *list, QObject *parent) : QIdentityProxyModel(parent), m_list(list)
{
    setSourceModel(list);
    // Still loading: a light tile. Unreadable: a dark one with a dashed edge, and a badge.
    m_placeholder = tile(QColor(255, 255, 255, 40), QColor());
    m_unreadable = tile(QColor(0, 0, 0, 90), QColor(255, 255, 255, 70));
    // A file the last run converted can be read now, whatever it was found to be before.
    connect(list, &ImageListModel::outcomesChanged, this, &BrowserModel::forgetFailures);
}

Qt::ItemFlags BrowserModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QIdentityProxyModel::flags(index) | Qt::ItemIsDropEnabled;
    return index.isValid() ? base | Qt::ItemIsDragEnabled : base;
}

QVariant BrowserModel::data(const QModelIndex &index, int role) const
{
    const QString path = index.isValid() ? m_list->pathAt(index.row()) : QString();
    switch (role) {
    case Qt::DecorationRole: {
        const auto it = m_thumbnails.constFind(path);
        // Read even under a preview: the thumbnail's reading tells the file's facts.
        if (it == m_thumbnails.constEnd())
            request(path);
        if (index.row() == m_previewRow && !m_preview.isNull())
            return m_preview;
        return it != m_thumbnails.constEnd() ? *it : m_placeholder;
    }
    case Qt::ToolTipRole:
        return toolTip(index);
    case ReadFailureRole: {
        const auto it = m_facts.constFind(path);
        return it != m_facts.constEnd() && it->failure.failed() ? it->failure.text() : QString();
    }
    case LoadingRole:
        return !path.isEmpty() && !m_facts.contains(path);
    case BadgeRole: {
        const auto it = m_facts.constFind(path);
        if (it != m_facts.constEnd() && it->failure.failed())
            return int(Badge::Failed);
        switch (FileStatus(QIdentityProxyModel::data(index, ImageListModel::OutcomeRole).toInt())) {
        case FileStatus::Written:
        case FileStatus::Skipped: // its output was there already
            return int(Badge::Converted);
        case FileStatus::Failed:
            return int(Badge::Failed);
        case FileStatus::NotStarted:
            break;
        }
        return int(Badge::None);
    }
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

QString BrowserModel::toolTip(const QModelIndex &index) const
{
    QStringList lines {QIdentityProxyModel::data(index, Qt::ToolTipRole).toString()};
    const QString outcome = QIdentityProxyModel::data(index, ImageListModel::OutcomeTextRole).toString();
    const auto it = m_facts.constFind(m_list->pathAt(index.row()));
    if (it != m_facts.constEnd() && it->failure.failed()) {
        const QString why = readableFileName(it->failure.text());
        // A run that failed on it says the same again: once is enough.
        if (!outcome.contains(why))
            lines << tr("Unreadable — %1").arg(why);
    } else if (it != m_facts.constEnd()) {
        QStringList facts;
        if (it->pixelSize.isValid())
            facts << tr("%1 × %2 pixels").arg(it->pixelSize.width()).arg(it->pixelSize.height());
        facts << QLocale().formattedDataSize(it->fileBytes, 1, QLocale::DataSizeSIFormat);
        if (!it->format.isEmpty())
            facts << it->format;
        lines << facts.join(QStringLiteral(" · "));
    }
    if (!outcome.isEmpty())
        lines << outcome;
    return lines.join(QLatin1Char('\n'));
}

void BrowserModel::request(const QString &path) const
{
    if (path.isEmpty() || m_pending.contains(path))
        return;
    m_pending.insert(path);
    auto *self = const_cast<BrowserModel *>(this);
    BackgroundWork::run(
        self, [path] { return makeThumbnail(path, kThumbnailSide); },
        [self, path](const Result<Thumbnail> &read) {
            self->m_pending.remove(path);
            FileFacts facts;
            if (read.ok()) {
                facts.pixelSize = read.value().pixelSize;
                facts.format = read.value().format;
                facts.fileBytes = read.value().fileBytes;
                // An icon, so the view scales it to the zoom's size.
                self->m_thumbnails.insert(path, QIcon(QPixmap::fromImage(read.value().picture)));
            } else {
                facts.failure = read.failure();
                self->m_thumbnails.insert(path, self->m_unreadable);
            }
            self->m_facts.insert(path, facts);
            const QStringList paths = self->m_list->paths();
            for (int row = 0; row < paths.size(); ++row)
                if (paths.at(row) == path)
                    Q_EMIT self->dataChanged(
                        self->index(row, 0), self->index(row, 0),
                        {Qt::DecorationRole, Qt::ToolTipRole, BadgeRole, ReadFailureRole, LoadingRole});
            Q_EMIT self->thumbnailRead(path);
        });
}

void BrowserModel::forgetFailures()
{
    for (const int row : m_list->rowsWith(FileStatus::Written)) {
        const QString path = m_list->pathAt(row);
        const auto it = m_facts.constFind(path);
        if (it == m_facts.constEnd() || !it->failure.failed() || m_pending.contains(path))
            continue;
        // Read again when the cell is next drawn.
        m_facts.remove(path);
        m_thumbnails.remove(path);
        Q_EMIT dataChanged(index(row, 0), index(row, 0));
    }
}

QList<int> BrowserModel::failedRows() const
{
    QList<int> rows;
    for (int row = 0; row < m_list->rowCount(); ++row) {
        const auto it = m_facts.constFind(m_list->pathAt(row));
        if ((it != m_facts.constEnd() && it->failure.failed()) ||
            m_list->outcome(row).status == FileStatus::Failed)
            rows << row;
    }
    return rows;
}

void BrowserModel::showPreview(int row, const ConversionOptions &options)
{
    const int previous = m_previewRow;
    const QString path = m_list->pathAt(row);
    m_previewRow = row;
    // The same file keeps its last preview until the new one is ready (wherever it moved);
    // another file shows its thumbnail until then.
    if (path != m_previewPath) {
        m_preview = QIcon();
        setFaintOverlays({});
    }
    m_previewPath = path;
    if (previous != row && previous >= 0 && previous < rowCount())
        Q_EMIT dataChanged(index(previous, 0), index(previous, 0), {Qt::DecorationRole});
    if (path.isEmpty())
        return;
    if (previous != row)
        Q_EMIT dataChanged(index(row, 0), index(row, 0), {Qt::DecorationRole});
    const ConversionOptions previewOptions = options;
    const quint64 generation = ++*m_previewGeneration;
    const auto current = m_previewGeneration;
    BackgroundWork::run(
        this,
        [path, previewOptions, generation, current] {
            if (current->load() != generation)
                return PipelineResult(); // superseded before it started
            // Drawn small from a reduced decode: a 24-megapixel photo costs a fraction of a conversion.
            PipelineResult result = previewFile(path, previewOptions, 2 * kThumbnailSide);
            if (!result.ok())
                result.image = QImage();
            return result;
        },
        [this, generation, current, row](const PipelineResult &result) {
            if (current->load() != generation || row != m_previewRow)
                return;
            // A file that can no longer be read shows its thumbnail, not an old preview.
            const QImage &shown = result.image;
            m_preview = shown.isNull() ? QIcon() : QIcon(QPixmap::fromImage(shown));
            Q_EMIT dataChanged(index(row, 0), index(row, 0), {Qt::DecorationRole});
            setFaintOverlays(hardlyVisibleOverlays(result.overlayContrasts));
            if (!shown.isNull())
                Q_EMIT previewReady(row);
        });
}

void BrowserModel::setFaintOverlays(const QList<OverlayKind> &faint)
{
    if (faint == m_faintOverlays)
        return;
    m_faintOverlays = faint;
    Q_EMIT faintOverlaysChanged(faint);
}
