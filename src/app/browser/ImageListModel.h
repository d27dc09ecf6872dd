#pragma once

#include "batch/ConversionReport.h"
#include "metadata/SourceMetadata.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QStringList>

// The ordered list of files a conversion will process, as the browser shows it. Entries are
// paths; the same file may stand in the list any number of times. Metadata read at intake is
// cached per path and kept while any entry uses the path. Each entry carries what the last run
// made of it (converted, with the output's path, or failed, with the reason): the marks belong to
// that run, follow their entries when they move, and are cleared all at once.
// Threading: lives on the UI thread and is used there only; metadata is read in the background
// (BackgroundWork) and put in the cache on the UI thread.
class ImageListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Roles {
        PathRole = Qt::UserRole + 1,
        MissingRole,     // true when the entry's file is no longer there (asked at each paint)
        OutcomeRole,     // the last run's FileStatus for the entry (NotStarted: no mark)
        OutcomeTextRole, // what the last run made of it, in words; empty without a mark
    };
    static constexpr int kNoSelection = -1;

    explicit ImageListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    QStringList paths() const;
    // Beside each entry, the folder below the output folder its output goes into: the entry's
    // folder within a tree added whole ("2024/trip"), empty for the others.
    QStringList subfolders() const;
    QString subfolderAt(int row) const
    {
        return row >= 0 && row < m_entries.size() ? m_entries.at(row).subfolder : QString();
    }
    QString pathAt(int row) const
    {
        return row >= 0 && row < m_entries.size() ? m_entries.at(row).path : QString();
    }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // The three ways in. Each returns how many files entered; after any of them the first
    // entry is the selected one.
    // Chosen in the open dialog: appended, when their extension is one Pressmark reads, or
    // whatever it is when the dialog showed all files (an unreadable one is marked when its
    // thumbnail fails).
    enum class Chosen { Pictures, AnyFile };
    int addChosen(const QStringList &paths, Chosen kind = Chosen::Pictures);
    // A folder chosen to add: its pictures appended in name order, as a drop of it takes them.
    int addFolder(const QString &folder);
    // Dropped before `row` (the count appends): the accepted ones keep their order there.
    int insertDropped(const QStringList &paths, int row);
    // Whether a folder added or dropped brings its whole tree (expandInputs()), each picture
    // with its subfolder, or only the pictures directly in it.
    void setWholeFolders(bool whole) { m_wholeFolders = whole; }
    bool wholeFolders() const { return m_wholeFolders; }
    // Opened with the application: appended whatever its extension, when its bytes are readable.
    bool addOpened(const QString &path);

    // Removes the entries at these rows; the first entry is selected again when any remain.
    void removeEntries(QList<int> rows);
    // Moves the entries at these rows, in their order, as one block to before `destination`
    // (a row of the list before the move; the count moves them to the end).
    void moveEntries(QList<int> rows, int destination);
    void clear();

    // Undo for Remove and Clear: a list of hundreds of photos is work to rebuild. The list as
    // it was before each of the last few removals comes back, entries and order.
    bool canUndo() const { return !m_undo.isEmpty(); }
    void undo();

    int indexSelected() const { return m_selected; }
    void setIndexSelected(int row);

    // The last run's outcome, mapped to the entries by the report's index and path (an entry
    // stopped by a cancel, or not started, gets no mark); clearOutcomes() takes every mark away,
    // when the options change or a new run starts.
    void markOutcomes(const ConversionReport &report);
    void clearOutcomes();
    bool hasOutcomes() const;
    const FileResult &outcome(int row) const;
    // The rows whose last run ended so, in order.
    QList<int> rowsWith(FileStatus status) const;
    // Removes the converted entries, as Remove does (undo brings them back with their marks).
    int removeConverted();

    // "1 image", "0 images", "12 images".
    QString countText() const;

    // What intake read of a file; empty until read, and when it had none.
    SourceMetadata metadataFor(const QString &path) const { return m_metadata.value(path); }

Q_SIGNALS:
    void indexSelectedChanged(int row);
    // Files offered to the list that it did not take: their type is not one it reads.
    void skipped(const QStringList &paths);
    // Folders of a tree added whole that could not be read: "path: reason".
    void unreadableFolders(const QStringList &folders);
    // The metadata of a file that entered the list has been read (on the thread pool).
    void metadataRead(const QString &path);
    void undoAvailable(bool available);
    // Marks were set or cleared.
    void outcomesChanged();

private:
    struct Entry {
        QString path;
        FileResult outcome; // NotStarted: no mark
        QString subfolder;  // within a tree added whole
    };

    int append(const QStringList &paths, int row, const QStringList &subfolders = QStringList());
    void rememberForUndo();
    void addToCache(const QString &path);
    void releaseFromCache(const QString &path);
    void selectFirst();

    QList<Entry> m_entries;
    QHash<QString, SourceMetadata> m_metadata;
    QHash<QString, int> m_uses; // entries per path
    QList<QList<Entry>> m_undo; // the lists before the last removals, the latest last
    int m_selected = kNoSelection;
    bool m_wholeFolders = false;
};
