#pragma once

#include <QFileDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

// The output folder's chooser: Qt's own folder dialog (never the desktop's, so it behaves the
// same everywhere), with its "Create New Folder" button, that also takes the typed name of a
// folder that does not exist yet; the folder is made when a run needs it. Choosing only answers
// the question: the caller sets the output row with it, nothing starts.
// Threading: UI thread only.
class OutputFolderDialog : public QFileDialog {
    Q_OBJECT
public:
    // Opens at startFolder(current), the name of a folder still to be made typed in.
    OutputFolderDialog(const QString &current, QWidget *parent = nullptr);

    // Where the chooser opens for the folder the row holds: that folder, else the nearest of its
    // parents the user may write into, else Pictures, else home. Never a folder the user cannot
    // write into, such as a read-only input folder (the dialog's own default is the working
    // folder).
    static QString startFolder(const QString &current);

    // The folder chosen, existing or to be made; empty until the dialog is accepted.
    QString chosenFolder() const { return m_chosen; }
    QToolButton *newFolderButton() const;
    QLineEdit *nameField() const;
    QPushButton *chooseButton() const;

public Q_SLOTS:
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The folder the name field names when nothing is there yet; else empty.
    QString typedNewFolder() const;
    void allowNewFolder();

    QString m_chosen;
};
