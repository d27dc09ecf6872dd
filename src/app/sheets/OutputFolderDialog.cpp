#include "sheets/OutputFolderDialog.h"

#include "common/FileName.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

#include <unistd.h>

namespace {

bool writableFolder(const QString &path)
{
    return pathKind(path) == PathKind::Folder && ::access(encodeFileName(path).constData(), W_OK | X_OK) == 0;
}

} // namespace

OutputFolderDialog::OutputFolderDialog(const QString &current, QWidget *parent)
    : QFileDialog(parent, tr("Choose the output folder"))
{
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly);
    setLabelText(QFileDialog::FileName, tr("Folder:"));
    setLabelText(QFileDialog::Accept, tr("Choose"));
    setWindowModality(Qt::WindowModal);
    resize(720, 460);
    const QString start = startFolder(current);
    setDirectory(start);
    // A folder still to be made stands typed in, in the folder that will hold it.
    if (!current.isEmpty() && pathKind(current) == PathKind::Missing &&
        QFileInfo(current).absolutePath() == QDir(start).absolutePath())
        selectFile(QFileInfo(current).fileName());

    // Qt's folder dialog disables its button for a name that names nothing; a new folder's
    // name is taken here, so the button comes back on for it.
    if (QPushButton *button = chooseButton())
        button->installEventFilter(this);
    if (QLineEdit *field = nameField())
        connect(field, &QLineEdit::textChanged, this,
                [this] { QTimer::singleShot(0, this, &OutputFolderDialog::allowNewFolder); });
    allowNewFolder();
}

QString OutputFolderDialog::startFolder(const QString &current)
{
    if (!current.isEmpty()) {
        for (QString folder = QDir::cleanPath(QDir(current).absolutePath());;) {
            if (writableFolder(folder))
                return folder;
            const QString parent = QFileInfo(folder).absolutePath();
            if (parent == folder)
                break;
            folder = parent;
        }
    }
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && writableFolder(pictures))
        return pictures;
    return QDir::homePath();
}

QToolButton *OutputFolderDialog::newFolderButton() const
{
    return findChild<QToolButton *>(QStringLiteral("newFolderButton"));
}

QLineEdit *OutputFolderDialog::nameField() const
{
    return findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

QPushButton *OutputFolderDialog::chooseButton() const
{
    auto *buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    return buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
}

QString OutputFolderDialog::typedNewFolder() const
{
    const QLineEdit *field = nameField();
    if (!field || field->text().isEmpty())
        return QString();
    const QString path = QDir::cleanPath(directory().absoluteFilePath(field->text()));
    return pathKind(path) == PathKind::Missing ? path : QString();
}

void OutputFolderDialog::allowNewFolder()
{
    QPushButton *button = chooseButton();
    if (button && !button->isEnabled() && !typedNewFolder().isEmpty())
        button->setEnabled(true);
}

bool OutputFolderDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == chooseButton() && event->type() == QEvent::EnabledChange)
        QTimer::singleShot(0, this, &OutputFolderDialog::allowNewFolder);
    return QFileDialog::eventFilter(watched, event);
}

void OutputFolderDialog::accept()
{
    const QString fresh = typedNewFolder();
    if (!fresh.isEmpty()) {
        m_chosen = fresh;
        QDialog::accept();
        return;
    }
    // An existing folder: Qt's own checks, and its answer.
    QFileDialog::accept();
    if (result() == QDialog::Accepted && !selectedFiles().isEmpty())
        m_chosen = selectedFiles().first();
}
