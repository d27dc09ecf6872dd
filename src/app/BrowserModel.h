#pragma once

#include <QHash>
#include <QIdentityProxyModel>
#include <QIcon>
#include <QPixmap>
#include <QSet>

class ImageListModel;

// What the image browser shows of the list: each entry's title and thumbnail. Thumbnails are
// made on the thread pool and cached by path; until one is ready the cell shows a placeholder.
class BrowserModel : public QIdentityProxyModel {
    Q_OBJECT
public:
    static constexpr int kThumbnailSide = 256;

    explicit BrowserModel(ImageListModel *list, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // True once every requested thumbnail has arrived (for tests and for idle work).
    bool thumbnailsSettled() const { return m_pending.isEmpty(); }

Q_SIGNALS:
    void thumbnailReady(const QString &path);

private:
    void request(const QString &path) const;
    void store(const QString &path, const QImage &thumbnail);

    ImageListModel *m_list;
    mutable QHash<QString, QIcon> m_thumbnails;
    mutable QSet<QString> m_pending;
    QIcon m_placeholder;
};
