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
    return parent.isValid() ? 0 : int(m_entries.size());
}

QStringList ImageListModel::paths() const
{
    QStringList all;
    all.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        all << entry.path;
    return all;
}

QStringList ImageListModel::subfolders() const
{
    QStringList all;
    all.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        all << entry.subfolder;
    return all;
}

QVariant ImageListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    const Entry &entry = m_entries.at(index.row());
    const QString &path = entry.path;
    switch (role) {
    case Qt::DisplayRole:
        // A tree's picture shows where in the tree it is, as its output will be.
        return readableFileName((entry.subfolder.isEmpty() ? QString() : entry.subfolder + QLatin1Char('/')) +
                                QFileInfo(path).fileName());
    case Qt::ToolTipRole: {
        QString tip =
            pathKind(path) == PathKind::Missing ? tr("%1 — the file is no longer there").arg(path) : path;
        if (!entry.subfolder.isEmpty())
            tip += QLatin1Char('\n') +
                   tr("Written into the subfolder %1").arg(readableFileName(entry.subfolder));
        return tip;
    }
    case PathRole:
        return path;
    case MissingRole:
        return pathKind(path) == PathKind::Missing;
    case OutcomeRole:
        return int(entry.outcome.status);
    case OutcomeTextRole: {
        const FileResult &result = entry.outcome;
        if (result.status == FileStatus::NotStarted)
            return QString();
        QStringList lines;
        lines << (result.status == FileStatus::Written
                      ? tr("Converted: %1").arg(readableFileName(result.output))
                      : tr("Not converted: %1").arg(readableFileName(result.failure.text())));
        for (const QString &note : result.notes)
            lines << tr("Note: %1").arg(note);
        return lines.join(QLatin1Char('\n'));
    }
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
    setIndexSelected(m_entries.isEmpty() ? kNoSelection : 0);
}

void ImageListModel::setIndexSelected(int row)
{
    if (row < kNoSelection || row >= m_entries.size())
        row = kNoSelection;
    if (row == m_selected)
        return;
    m_selected = row;
    Q_EMIT indexSelectedChanged(row);
}

int ImageListModel::append(const QStringList &paths, int row, const QStringList &subfolders)
{
    if (paths.isEmpty())
        return 0;
    beginInsertRows(QModelIndex(), row, row + int(paths.size()) - 1);
    for (int i = 0; i < paths.size(); ++i) {
        m_entries.insert(row + i, Entry {paths.at(i), FileResult(), subfolders.value(i)});
        addToCache(paths.at(i));
    }
    endInsertRows();
    return int(paths.size());
}

int ImageListModel::addChosen(const QStringList &paths, Chosen kind)
{
    QStringList accepted, refused;
    for (const QString &path : paths)
        (kind == Chosen::AnyFile || hasAcceptedExtension(path, readableExtensions()) ? accepted : refused)
            << path;
    append(accepted, int(m_entries.size()));
    selectFirst();
    if (!refused.isEmpty())
        Q_EMIT skipped(refused);
    return int(accepted.size());
}

int ImageListModel::addFolder(const QString &folder)
{
    return insertDropped({folder}, int(m_entries.size()));
}

int ImageListModel::insertDropped(const QStringList &paths, int row)
{
    row = std::clamp(row, 0, int(m_entries.size()));
    // A dropped folder stands for the pictures in it, or in its whole tree.
    const ExpandedInputs expanded = expandInputs(paths, m_wholeFolders);
    QStringList accepted, subfolders, refused = expanded.skipped;
    for (int i = 0; i < expanded.inputs.size(); ++i) {
        if (!hasAcceptedExtension(expanded.inputs.at(i), readableExtensions())) {
            refused << expanded.inputs.at(i);
            continue;
        }
        accepted << expanded.inputs.at(i);
        subfolders << expanded.subfolders.at(i);
    }
    append(accepted, row, subfolders);
    selectFirst();
    if (!refused.isEmpty())
        Q_EMIT skipped(refused);
    if (!expanded.unreadable.isEmpty())
        Q_EMIT unreadableFolders(expanded.unreadable);
    return int(accepted.size());
}

bool ImageListModel::addOpened(const QString &path)
{
    if (pathKind(path) != PathKind::File || ::access(encodeFileName(path).constData(), R_OK) != 0) {
        selectFirst();
        return false;
    }
    append({path}, int(m_entries.size()));
    selectFirst();
    return true;
}

void ImageListModel::rememberForUndo()
{
    m_undo << m_entries;
    if (m_undo.size() > 20)
        m_undo.removeFirst();
    Q_EMIT undoAvailable(true);
}

void ImageListModel::undo()
{
    if (m_undo.isEmpty())
        return;
    const QList<Entry> restored = m_undo.takeLast();
    beginResetModel();
    for (const Entry &entry : std::as_const(m_entries))
        releaseFromCache(entry.path);
    m_entries = restored;
    for (const Entry &entry : restored)
        addToCache(entry.path);
    endResetModel();
    m_selected = kNoSelection;
    selectFirst();
    Q_EMIT undoAvailable(!m_undo.isEmpty());
    Q_EMIT outcomesChanged();
}

void ImageListModel::removeEntries(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (std::any_of(rows.begin(), rows.end(), [&](int r) { return r >= 0 && r < m_entries.size(); }))
        rememberForUndo();
    // From the last, so earlier rows keep their numbers.
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        const int row = *it;
        if (row < 0 || row >= m_entries.size())
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        releaseFromCache(m_entries.takeAt(row).path);
        endRemoveRows();
    }
    m_selected = kNoSelection; // the first entry is selected afresh, so its preview is made again
    selectFirst();
}

void ImageListModel::moveEntries(QList<int> rows, int destination)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [&](int r) { return r < 0 || r >= m_entries.size(); }),
        rows.end());
    if (rows.isEmpty())
        return;
    destination = std::clamp(destination, 0, int(m_entries.size()));
    beginResetModel();
    QList<Entry> moved;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        moved.prepend(m_entries.takeAt(*it));
    // The block goes before the same entry it was dropped on: skip the moved rows above it.
    const int below = int(std::count_if(rows.begin(), rows.end(), [&](int r) { return r < destination; }));
    const int at = destination - below;
    for (int i = 0; i < moved.size(); ++i)
        m_entries.insert(at + i, moved.at(i));
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
    if (!m_entries.isEmpty())
        rememberForUndo();
    setIndexSelected(kNoSelection);
    beginResetModel();
    m_entries.clear();
    m_metadata.clear();
    m_uses.clear();
    endResetModel();
}

void ImageListModel::markOutcomes(const ConversionReport &report)
{
    QList<bool> marked(m_entries.size(), false);
    for (const FileResult &result : report.files) {
        // A file stopped by a cancel was not converted, but nothing is wrong with it.
        if (result.status == FileStatus::NotStarted ||
            (result.status == FileStatus::Failed && result.failure.reason == FailureReason::Cancelled))
            continue;
        // The entry at the job's index, unless the list changed meanwhile: then the first
        // unmarked entry of the same file.
        int row = result.index;
        if (row < 0 || row >= m_entries.size() || m_entries.at(row).path != result.input || marked.at(row)) {
            row = -1;
            for (int i = 0; i < m_entries.size() && row < 0; ++i)
                if (!marked.at(i) && m_entries.at(i).path == result.input)
                    row = i;
        }
        if (row < 0)
            continue;
        m_entries[row].outcome = result;
        marked[row] = true;
    }
    if (!m_entries.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_entries.size()) - 1),
                           {OutcomeRole, OutcomeTextRole, Qt::ToolTipRole});
    Q_EMIT outcomesChanged();
}

void ImageListModel::clearOutcomes()
{
    if (!hasOutcomes())
        return;
    for (Entry &entry : m_entries)
        entry.outcome = FileResult();
    Q_EMIT dataChanged(index(0), index(int(m_entries.size()) - 1),
                       {OutcomeRole, OutcomeTextRole, Qt::ToolTipRole});
    Q_EMIT outcomesChanged();
}

bool ImageListModel::hasOutcomes() const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [](const Entry &entry) { return entry.outcome.status != FileStatus::NotStarted; });
}

const FileResult &ImageListModel::outcome(int row) const
{
    static const FileResult none;
    return row >= 0 && row < m_entries.size() ? m_entries.at(row).outcome : none;
}

QList<int> ImageListModel::rowsWith(FileStatus status) const
{
    QList<int> rows;
    for (int row = 0; row < m_entries.size(); ++row)
        if (m_entries.at(row).outcome.status == status)
            rows << row;
    return rows;
}

int ImageListModel::removeConverted()
{
    const QList<int> rows = rowsWith(FileStatus::Written);
    if (!rows.isEmpty())
        removeEntries(rows);
    return int(rows.size());
}

QString ImageListModel::countText() const
{
    // English says "1 image" by its own text; other languages take their plural forms from %n.
    const int count = int(m_entries.size());
    return count == 1 ? tr("1 image") : tr("%n images", nullptr, count);
}
