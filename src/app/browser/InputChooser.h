#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QFileDialog;
class QWidget;

// The Add dialogs: pictures to add, or a folder whose pictures to add. Qt's own file dialog (the
// same on every desktop, matching extensions in any case), at a size that shows its columns
// whole, opened in the folder the last choice was made in (remembered in the settings; the
// Pictures folder before any). Its filters: every type Pressmark reads, the classic image types,
// and all files.
// Threading: UI thread only.
class InputChooser : public QObject {
    Q_OBJECT
public:
    explicit InputChooser(QWidget *window);

    // What the files dialog gave: the files, and whether they were chosen among all files (any
    // extension then enters the list).
    struct Choice {
        QStringList paths;
        bool anyFile = false;
    };

    // The files dialog's filters, in their order: "All images Pressmark reads (*.png …)", "Images
    // (*.png *.PNG …)", "All files (*)".
    static QStringList nameFilters();
    // The dialog chooseFiles() shows, made afresh, not shown (tests look at it).
    QFileDialog *makeFilesDialog() const;
    QFileDialog *makeFolderDialog() const;

    Choice chooseFiles();
    QString chooseFolder();

    // Whether a folder brings its whole tree: the Add Folder dialog's "Include subfolders" box,
    // which drops follow too (remembered in the settings).
    bool wholeFolders() const { return m_wholeFolders; }
    void setWholeFolders(bool whole) { m_wholeFolders = whole; }

    // The folder the dialogs open in; empty: the Pictures folder.
    QString lastFolder() const { return m_lastFolder; }
    void setLastFolder(const QString &folder) { m_lastFolder = folder; }

    // Tests answer in place of the dialogs.
    void setFilesAnswer(std::function<Choice()> answer) { m_filesAnswer = std::move(answer); }
    void setFolderAnswer(std::function<QString()> answer) { m_folderAnswer = std::move(answer); }

private:
    QString startFolder() const;
    void sizeDialog(QFileDialog *dialog) const;

    QWidget *m_window;
    QString m_lastFolder;
    bool m_wholeFolders = false;
    std::function<Choice()> m_filesAnswer;
    std::function<QString()> m_folderAnswer;
};
