#pragma once

#include <QWidget>

#include <functional>

class ElidedLabel;
class QLabel;
class QPushButton;

// Where the outputs go, above Convert: the folder's path (cut in the middle, whole in its
// tooltip; the home folder as "~"), "Browse…", and what Convert will find there: a folder that
// does not exist yet "will be created" by Convert (ensureFolder()), and when it cannot be, the
// system's reason shows under the path. Choosing a folder only sets the row.
// Threading: UI thread only.
class OutputFolderRow : public QWidget {
    Q_OBJECT
public:
    explicit OutputFolderRow(QWidget *parent = nullptr);

    const QString &folder() const { return m_folder; }
    // Sets the folder (empty: none chosen yet) and says what is there.
    void setFolder(const QString &folder);
    // Asks for a folder with the chooser (it returns the folder, or empty when cancelled), and
    // sets the row with the answer. True when a folder was chosen.
    bool browse();
    void setChooser(std::function<QString()> chooser) { m_choose = std::move(chooser); }

    // Before a run: the folder is there, made now when it was not (with its missing parents).
    // False, with the reason shown, when there is no folder to write into.
    bool ensureFolder();
    // Looks at the folder again (it may have appeared, gone or been made meanwhile).
    void refresh();

    // A path as the window shows it: readable (escaped bytes as Latin-1), the home folder as "~".
    static QString shownPath(const QString &path);

    ElidedLabel *pathLabel() const { return m_path; }
    QLabel *stateLabel() const { return m_state; }
    QLabel *problemLabel() const { return m_problem; }
    QPushButton *browseButton() const { return m_browse; }

Q_SIGNALS:
    void folderChanged(const QString &folder);

private:
    void showProblem(const QString &text);

    QString m_folder;
    ElidedLabel *m_path;
    QLabel *m_state;
    QLabel *m_problem;
    QPushButton *m_browse;
    std::function<QString()> m_choose;
};
