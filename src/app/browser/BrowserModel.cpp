#include "browser/BrowserModel.h"

#include "BackgroundWork.h"
#include "browser/ImageListModel.h"
#include "pipeline/RenderFile.h"
#include "pipeline/Thumbnail.h"

#include <QPainter>
#include <QPointer>
#include <QThreadPool>

BrowserModel::BrowserModel(ImageListModel *list, QObject *parent) : QIdentityProxyModel(parent), m_list(list)
{
    setSourceModel(list);
    QImage placeholder(kThumbnailSide, kThumbnailSide * 3 / 4, QImage::Format_ARGB32_Premultiplied);
    placeholder.fill(QColor(255, 255, 255, 40));
    m_placeholder = QIcon(QPixmap::fromImage(placeholder));
}

Qt::ItemFlags BrowserModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QIdentityProxyModel::flags(index) | Qt::ItemIsDropEnabled;
    return index.isValid() ? base | Qt::ItemIsDragEnabled : base;
}

QVariant BrowserModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DecorationRole)
        return QIdentityProxyModel::data(index, role);
    if (index.row() == m_previewRow && !m_preview.isNull())
        return m_preview;
    const QString path = QIdentityProxyModel::data(index, ImageListModel::PathRole).toString();
    const auto it = m_thumbnails.constFind(path);
    if (it != m_thumbnails.constEnd())
        return *it;
    request(path);
    return m_placeholder;
}

void BrowserModel::request(const QString &path) const
{
    if (path.isEmpty() || m_pending.contains(path))
        return;
    m_pending.insert(path);
    auto *self = const_cast<BrowserModel *>(this);
    BackgroundWork::run(
        self, [path] { return makeThumbnail(path, kThumbnailSide); },
        [self, path](const QImage &thumbnail) { self->store(path, thumbnail); });
}

void BrowserModel::store(const QString &path, const QImage &thumbnail)
{
    m_pending.remove(path);
    // An icon, so the view scales it to the zoom's size.
    m_thumbnails.insert(path, thumbnail.isNull() ? m_placeholder : QIcon(QPixmap::fromImage(thumbnail)));
    const QStringList &paths = m_list->paths();
    for (int row = 0; row < paths.size(); ++row)
        if (paths.at(row) == path)
            Q_EMIT dataChanged(index(row, 0), index(row, 0), {Qt::DecorationRole});
}

void BrowserModel::showPreview(int row, const ConversionOptions &options)
{
    const int previous = m_previewRow;
    const QString path = row >= 0 && row < m_list->rowCount() ? m_list->paths().at(row) : QString();
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
