#pragma once

#include <QHash>
#include <QIcon>
#include <QIdentityProxyModel>
#include <QPixmap>
#include <QSet>

#include "common/Failure.h"
#include "options/ConversionOptions.h"
#include "overlay/OverlayContrast.h"

#include <atomic>
#include <memory>

class ImageListModel;

// What the image browser shows of the list: each entry's title, thumbnail, badge and tooltip.
// Thumbnails are made in the background and cached by path; until one is ready the cell shows a
// placeholder, and a file that cannot be read shows a tile of its own, a badge, and the reason
// in its tooltip (the failure a conversion would meet). The tooltip also gives the picture's
// pixel size, the file's size and its format, and what the last run made of the entry.
// Threading: lives on the UI thread and is used there only; thumbnails and previews are drawn
// through BackgroundWork, which hands them back on the UI thread.
class BrowserModel : public QIdentityProxyModel {
    Q_OBJECT
public:
    static constexpr int kThumbnailSide = 256;

    enum Roles {
        BadgeRole = Qt::UserRole + 100, // a Badge: what the corner of the cell's picture shows
        ReadFailureRole,                // why the file cannot be read, in words; empty otherwise
        LoadingRole,                    // true while its thumbnail is being read
    };
    enum class Badge { None, Converted, Failed };

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

    // The rows that give no output as things stand: those whose file was found unreadable, and
    // those the last run failed on; in order.
    QList<int> failedRows() const;

Q_SIGNALS:
    void previewReady(int row);
    // A file's thumbnail was read, or found unreadable.
    void thumbnailRead(const QString &path);
    void faintOverlaysChanged(const QList<OverlayKind> &faint);

private:
    // What reading a file for its thumbnail told.
    struct FileFacts {
        Failure failure;
        QSize pixelSize;
        QString format;
        qint64 fileBytes = 0;
    };

    void request(const QString &path) const;
    void forgetFailures();
    QString toolTip(const QModelIndex &index) const;
    void setFaintOverlays(const QList<OverlayKind> &faint);

    ImageListModel *m_list;
    mutable QHash<QString, QIcon> m_thumbnails;
    QHash<QString, FileFacts> m_facts;
    mutable QSet<QString> m_pending;
    QIcon m_placeholder;
    QIcon m_unreadable;
    int m_previewRow = -1;
    QString m_previewPath;
    QIcon m_preview;
    QList<OverlayKind> m_faintOverlays;
    std::shared_ptr<std::atomic<quint64>> m_previewGeneration = std::make_shared<std::atomic<quint64>>(0);
};
