#include "browser/ImageListModel.h"
#include "BackgroundWork.h"

#include "batch/InputFiles.h"
#include "common/FileName.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QThreadPool>

#include <algorithm>
#include <unistd.h>

ImageListModel::ImageListModel(QObject *parent) : QAbstractListModel(parent) {}

int ImageListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_paths.size());
}

QVariant ImageListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_paths.size())
        return QVariant();
    const QString &path = m_paths.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return readableFileName(QFileInfo(path).fileName());
    case Qt::ToolTipRole:
        return pathKind(path) == PathKind::Missing ? tr("%1 — the file is no longer there").arg(path) : path;
    case PathRole:
        return path;
    case MissingRole:
        return pathKind(path) == PathKind::Missing;
    default:
        return QVariant();
    }
}

void ImageListModel::addToCache(const QString &path)
{
    ++m_uses[path];
    // Read in the background, so adding hundreds of files keeps the window responsive; a path
    // added again is read again and replaces what was cached for it.
    BackgroundWork::run(
        this, [path] { return SourceMetadata::read(path); },
        [this, path](const SourceMetadata &metadata) {
            if (!m_uses.contains(path))
                return;
            m_metadata.insert(path, metadata);
            Q_EMIT metadataRead(path);
        });
}

void ImageListModel::releaseFromCache(const QString &path)
{
    if (--m_uses[path] > 0)
        return;
    m_uses.remove(path);
    m_metadata.remove(path);
}

void ImageListModel::selectFirst()
{
    setIndexSelected(m_paths.isEmpty() ? kNoSelection : 0);
}

void ImageListModel::setIndexSelected(int row)
{
    if (row < kNoSelection || row >= m_paths.size())
        row = kNoSelection;
    if (row == m_selected)
        return;
    m_selected = row;
    Q_EMIT indexSelectedChanged(row);
}

int ImageListModel::addChosen(const QStringList &paths)
{
    QStringList accepted, refused;
    for (const QString &path : paths)
        (hasAcceptedExtension(path, openDialogExtensions()) ? accepted : refused) << path;
    if (!accepted.isEmpty()) {
        beginInsertRows(QModelIndex(), int(m_paths.size()), int(m_paths.size() + accepted.size() - 1));
        for (const QString &path : accepted) {
            m_paths << path;
            addToCache(path);
        }
        endInsertRows();
    }
    selectFirst();
    if (!refused.isEmpty())
        Q_EMIT skipped(refused);
    return int(accepted.size());
}

int ImageListModel::insertDropped(const QStringList &paths, int row)
{
    row = std::clamp(row, 0, int(m_paths.size()));
    // A dropped folder stands for the pictures in it.
    QStringList accepted, refused;
    for (const QString &path : expandInputs(paths, &refused))
        (hasAcceptedExtension(path, dropExtensions()) ? accepted : refused) << path;
    if (!accepted.isEmpty()) {
        beginInsertRows(QModelIndex(), row, row + int(accepted.size()) - 1);
        for (int i = 0; i < accepted.size(); ++i) {
            m_paths.insert(row + i, accepted.at(i));
            addToCache(accepted.at(i));
        }
        endInsertRows();
    }
    selectFirst();
    if (!refused.isEmpty())
        Q_EMIT skipped(refused);
    return int(accepted.size());
}

bool ImageListModel::addOpened(const QString &path)
{
    if (pathKind(path) != PathKind::File || ::access(encodeFileName(path).constData(), R_OK) != 0) {
        selectFirst();
        return false;
    }
    beginInsertRows(QModelIndex(), int(m_paths.size()), int(m_paths.size()));
    m_paths << path;
    addToCache(path);
    endInsertRows();
    selectFirst();
    return true;
}

void ImageListModel::rememberForUndo()
{
    m_undo << m_paths;
    if (m_undo.size() > 20)
        m_undo.removeFirst();
    Q_EMIT undoAvailable(true);
}

void ImageListModel::undo()
{
    if (m_undo.isEmpty())
        return;
    const QStringList restored = m_undo.takeLast();
    beginResetModel();
    for (const QString &path : std::as_const(m_paths))
        releaseFromCache(path);
    m_paths = restored;
    for (const QString &path : restored)
        addToCache(path);
    endResetModel();
    m_selected = kNoSelection;
    selectFirst();
    Q_EMIT undoAvailable(!m_undo.isEmpty());
}

void ImageListModel::removeEntries(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (std::any_of(rows.begin(), rows.end(), [&](int r) { return r >= 0 && r < m_paths.size(); }))
        rememberForUndo();
    // From the last, so earlier rows keep their numbers.
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        const int row = *it;
        if (row < 0 || row >= m_paths.size())
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        releaseFromCache(m_paths.takeAt(row));
        endRemoveRows();
    }
    m_selected = kNoSelection; // the first entry is selected afresh, so its preview is made again
    selectFirst();
}

void ImageListModel::moveEntries(QList<int> rows, int destination)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [&](int r) { return r < 0 || r >= m_paths.size(); }),
               rows.end());
    if (rows.isEmpty())
        return;
    destination = std::clamp(destination, 0, int(m_paths.size()));
    beginResetModel();
    QStringList moved;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        moved.prepend(m_paths.takeAt(*it));
    // The block goes before the same entry it was dropped on: skip the moved rows above it.
    const int below = int(std::count_if(rows.begin(), rows.end(), [&](int r) { return r < destination; }));
    const int at = destination - below;
    for (int i = 0; i < moved.size(); ++i)
        m_paths.insert(at + i, moved.at(i));
    // The selected entry stays selected wherever it went, and keeps its preview.
    if (m_selected != kNoSelection) {
        const int inBlock = int(rows.indexOf(m_selected));
        if (inBlock >= 0) {
            m_selected = at + inBlock;
        } else {
            const int rest = m_selected - int(std::count_if(rows.begin(), rows.end(),
                                                            [&](int r) { return r < m_selected; }));
            m_selected = rest >= at ? rest + int(moved.size()) : rest;
        }
    }
    endResetModel();
    Q_EMIT indexSelectedChanged(m_selected);
}

void ImageListModel::clear()
{
    if (!m_paths.isEmpty())
        rememberForUndo();
    setIndexSelected(kNoSelection);
    beginResetModel();
    m_paths.clear();
    m_metadata.clear();
    m_uses.clear();
    endResetModel();
}

QString ImageListModel::countText() const
{
    return m_paths.size() == 1 ? QStringLiteral("1 image") : QStringLiteral("%1 images").arg(m_paths.size());
}
