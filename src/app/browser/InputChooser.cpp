#include "browser/InputChooser.h"

#include "batch/InputFiles.h"
#include "common/FileName.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStandardPaths>
#include <QTreeView>

InputChooser::InputChooser(QWidget *window) : QObject(window), m_window(window) {}

QStringList InputChooser::nameFilters()
{
    const auto patterns = [](const QStringList &extensions) {
        QStringList list;
        for (const QString &extension : extensions)
            list << QStringLiteral("*.") + extension;
        return list.join(QLatin1Char(' '));
    };
    // Qt's dialog matches the first filter in any case; the second keeps both cases, as it
    // always listed them.
    return {tr("All images Pressmark reads (%1)").arg(patterns(readableExtensions())),
            tr("Images (%1)").arg(patterns(openDialogExtensions())), tr("All files (*)")};
}

QString InputChooser::startFolder() const
{
    if (!m_lastFolder.isEmpty() && pathKind(m_lastFolder) == PathKind::Folder)
        return m_lastFolder;
    // The Pictures folder, or home where there is none (the dialog would offer its name as a file).
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pathKind(pictures) == PathKind::Folder ? pictures : QDir::homePath();
}

void InputChooser::sizeDialog(QFileDialog *dialog) const
{
    // Qt's dialog sizes its columns for short texts ("mp3Folder"): the size, type and date take
    // what their contents need, the name the rest.
    if (auto *list = dialog->findChild<QTreeView *>(QStringLiteral("treeView"))) {
        QHeaderView *header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int section = 1; section < header->count(); ++section)
            header->setSectionResizeMode(section, QHeaderView::ResizeToContents);
    }
    // Wide enough for the name, size, type and date columns; never beyond the screen.
    QSize size(900, 560);
    if (const QScreen *screen =
            m_window && m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog->resize(size);
}

QFileDialog *InputChooser::makeFilesDialog() const
{
    auto *dialog = new QFileDialog(m_window, tr("Add Images"), startFolder());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setNameFilters(nameFilters());
    dialog->setLabelText(QFileDialog::Accept, tr("Add"));
    sizeDialog(dialog);
    return dialog;
}

QFileDialog *InputChooser::makeFolderDialog() const
{
    auto *dialog = new QFileDialog(m_window, tr("Add a Folder of Images"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setLabelText(QFileDialog::Accept, tr("Add"));
    // Below Qt's own rows: whether the folder's subfolders come too.
    auto *whole = new QCheckBox(tr("Include subfolders, written into the same subfolders"), dialog);
    whole->setObjectName(QStringLiteral("wholeFoldersBox"));
    whole->setToolTip(tr("The pictures of the folder's whole tree, each written into the same subfolder of "
                         "the output folder. Hidden folders and links to folders are passed over. Dropped "
                         "folders follow this choice too."));
    whole->setChecked(m_wholeFolders);
    if (auto *grid = qobject_cast<QGridLayout *>(dialog->layout()))
        grid->addWidget(whole, grid->rowCount(), 0, 1, grid->columnCount());
    // Beside the last folder, which is selected, so a sibling is one click away.
    const QString start = startFolder();
    if (start == m_lastFolder) {
        dialog->setDirectory(QFileInfo(start).absolutePath());
        dialog->selectFile(start);
    } else {
        dialog->setDirectory(start);
    }
    sizeDialog(dialog);
    return dialog;
}

InputChooser::Choice InputChooser::chooseFiles()
{
    Choice choice;
    if (m_filesAnswer) {
        choice = m_filesAnswer();
    } else {
        QFileDialog *dialog = makeFilesDialog();
        if (dialog->exec() == QDialog::Accepted) {
            choice.paths = dialog->selectedFiles();
            choice.anyFile = dialog->selectedNameFilter() == nameFilters().constLast();
        }
        delete dialog;
    }
    if (!choice.paths.isEmpty())
        m_lastFolder = QFileInfo(choice.paths.constFirst()).absolutePath();
    return choice;
}

QString InputChooser::chooseFolder()
{
    QString folder;
    if (m_folderAnswer) {
        folder = m_folderAnswer();
    } else {
        QFileDialog *dialog = makeFolderDialog();
        if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
            folder = dialog->selectedFiles().constFirst();
            if (auto *whole = dialog->findChild<QCheckBox *>(QStringLiteral("wholeFoldersBox")))
                m_wholeFolders = whole->isChecked();
        }
        delete dialog;
    }
    if (!folder.isEmpty())
        m_lastFolder = QDir::cleanPath(folder);
    return folder;
}
