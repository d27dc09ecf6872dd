#pragma once

#include <QHash>
#include <QIcon>
#include <QIdentityProxyModel>
#include <QPixmap>
#include <QSet>

#include "options/ConversionOptions.h"
#include "overlay/OverlayContrast.h"

#include <atomic>
#include <memory>

class ImageListModel;

// What the image browser shows of the list: each entry's title and thumbnail. Thumbnails are
// made in the background and cached by path; until one is ready the cell shows a placeholder.
// Threading: lives on the UI thread and is used there only; thumbnails and previews are drawn
// through BackgroundWork, which hands them back on the UI thread.
class BrowserModel : public QIdentityProxyModel {
    Q_OBJECT
public:
    static constexpr int kThumbnailSide = 256;

    explicit BrowserModel(ImageListModel *list, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Renders the entry at `row` through the pipeline with these options, as the output will
    // hold it (previewFile()), on the thread pool; its cell shows the thumbnail until the preview
    // is ready. A newer request supersedes an older one.
    void showPreview(int row, const ConversionOptions &options);
    int previewRow() const { return m_previewRow; }
    // The overlays that hardly stand out from the picture in the current preview.
    const QList<OverlayKind> &faintOverlays() const { return m_faintOverlays; }

Q_SIGNALS:
    void previewReady(int row);
    void faintOverlaysChanged(const QList<OverlayKind> &faint);

private:
    void request(const QString &path) const;
    void store(const QString &path, const QImage &thumbnail);
    void setFaintOverlays(const QList<OverlayKind> &faint);

    ImageListModel *m_list;
    mutable QHash<QString, QIcon> m_thumbnails;
    mutable QSet<QString> m_pending;
    QIcon m_placeholder;
    int m_previewRow = -1;
    QString m_previewPath;
    QIcon m_preview;
    QList<OverlayKind> m_faintOverlays;
    std::shared_ptr<std::atomic<quint64>> m_previewGeneration = std::make_shared<std::atomic<quint64>>(0);
};
