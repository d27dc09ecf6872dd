#include "ConversionController.h"
#include "MainWindow.h"
#include "TestImages.h"
#include "browser/BrowserCellDelegate.h"
#include "browser/BrowserModel.h"
#include "browser/ImageBrowserView.h"
#include "browser/ImageListModel.h"
#include "browser/InputChooser.h"
#include "preview/LargePreview.h"
#include "sections/ElidedLabel.h"
#include "sections/OptionsPanel.h"
#include "sections/OutputControls.h"
#include "sections/OutputFolderRow.h"
#include "sections/TitleSizeSection.h"
#include "sections/WatermarkSection.h"
#include "settings/SettingsStore.h"
#include "sheets/CompletionDialog.h"
#include "sheets/ConvertingDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <cstring>

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void convertButtonFollowsTheList();
    void oneFileRun();
    void runWithFailures();
    void cancelledRun();
    void folderChoiceCancelledStartsNothing();
    void outputRowMakesTheFolder();
    void firstNameExample_data();
    void firstNameExample();
    void templateExampleAndATree();
    void previewFollowsTheSelection();
    void quittingDuringARunWaitsForIt();
    void deleteKeyRemovesTheSelection();
    void draggingReordersAndDropsInsert();
    void completionImages();
    void gridShowsEveryPictureWhole();
    void largePreview();
    void previewKeptUntilTheNextIsReady();

private:
    QStringList photos(int count);
    // The window writes into `folder` without asking.
    static void writeInto(MainWindow &window, const QString &folder);
    QTemporaryDir m_dir;
};

void TestMainWindow::initTestCase()
{
    TestImages::writeWithQt(TestImages::quadrants(600, 400), m_dir.filePath("photo.jpg"), "jpeg", 90);
}

QStringList TestMainWindow::photos(int count)
{
    return QStringList(count, m_dir.filePath("photo.jpg"));
}

void TestMainWindow::writeInto(MainWindow &window, const QString &folder)
{
    window.outputFolderRow()->setFolder(folder);
    window.setFolderChooser([] {
        [] { QFAIL("a folder is set: Convert asks for none"); }();
        return QString();
    });
}

void TestMainWindow::convertButtonFollowsTheList()
{
    MainWindow window;
    QVERIFY(!window.convertButton()->isEnabled());
    QVERIFY(!window.removeButton()->isEnabled());
    QVERIFY(!window.clearButton()->isEnabled());
    // Files the list does not take are counted aloud.
    window.imageList()->addChosen(
        {m_dir.filePath("photo.jpg"), m_dir.filePath("notes.txt"), m_dir.filePath("clip.mov")});
    QVERIFY(!window.intakeNote()->isHidden());
    QCOMPARE(window.intakeNote()->text(),
             QStringLiteral("2 files skipped: not picture types Pressmark reads"));
    QVERIFY(window.removeButton()->isEnabled());
    // The buttons do what the menu's Remove and Clear do, undo included.
    window.browser()->selectionModel()->select(window.browser()->model()->index(0, 0),
                                               QItemSelectionModel::ClearAndSelect);
    window.removeButton()->click();
    QVERIFY(window.imageList()->isEmpty());
    window.imageList()->undo();
    QCOMPARE(window.imageList()->rowCount(), 1);
    window.clearButton()->click();
    QVERIFY(window.imageList()->isEmpty());
    QCOMPARE(window.countLabel()->text(), QStringLiteral("0 images"));
    QVERIFY(!window.dropHint()->isHidden());
    window.openFiles(photos(1));
    QVERIFY(window.convertButton()->isEnabled());
    QCOMPARE(window.countLabel()->text(), QStringLiteral("1 image"));
    QVERIFY(window.dropHint()->isHidden());
    window.openFiles({m_dir.filePath("missing.jpg"), m_dir.path()}); // unreadable: not added
    QCOMPARE(window.countLabel()->text(), QStringLiteral("1 image"));
    window.imageList()->removeEntries({0});
    QVERIFY(!window.convertButton()->isEnabled());
}

void TestMainWindow::oneFileRun()
{
    QTemporaryDir out;
    MainWindow window;
    window.openFiles(photos(1));
    writeInto(window, out.path());
    window.convert();
    QVERIFY(window.convertingDialog());
    // A one-file run shows a full bar and "1/1 file" from the start.
    QCOMPARE(window.convertingDialog()->bar()->value(), 100);
    QCOMPARE(window.convertingDialog()->countLabel()->text(), QStringLiteral("1/1 file"));
    QTRY_VERIFY_WITH_TIMEOUT(window.completionDialog(), 20000);
    QCOMPARE(window.completionDialog()->headline()->text(), QStringLiteral("Image Conversion Completed!"));
    QVERIFY(window.completionDialog()->failures()->isHidden());
    QVERIFY(QFile::exists(out.filePath("photo.jpg")));
    // Where the files went, and how long it took.
    QVERIFY(!window.completionDialog()->folderLink()->isHidden());
    QVERIFY(window.completionDialog()->durationLabel()->text().startsWith(QStringLiteral("Took ")));

    // The folder written into and the window's place are remembered for the next start.
    SettingsStore store(m_dir.filePath("remember/pressmark.conf"));
    {
        MainWindow first;
        first.useSettings(&store);
        first.openFiles(photos(1));
        QString chosen = out.path();
        first.setFolderChooser([&] { return chosen; });
        first.outputFolderRow()->browseButton()->click();
        QVERIFY(!first.conversion()->isRunning()); // choosing only sets the row
        chosen.clear();
        first.convert();
        QTRY_VERIFY_WITH_TIMEOUT(first.completionDialog(), 20000);
        first.setGeometry(120, 90, 1010, 640);
        first.close();
    }
    QCOMPARE(store.load().text(Setting::OutputFolder), out.path());
    MainWindow second;
    second.useSettings(&store);
    QCOMPARE(second.geometry(), QRect(120, 90, 1010, 640));
    // The remembered folder shows in the row, whole in its tooltip (Convert writes there unasked:
    // folderChoiceCancelledStartsNothing).
    QCOMPARE(second.outputFolderRow()->folder(), out.path());
    QCOMPARE(second.outputFolderRow()->pathLabel()->toolTip(), out.path());
    QVERIFY(second.outputFolderRow()->stateLabel()->text().isEmpty());
}

void TestMainWindow::runWithFailures()
{
    QTemporaryDir out;
    const QString damaged = m_dir.filePath("damaged.jpg");
    TestImages::writeFile(damaged, TestImages::readFile(m_dir.filePath("photo.jpg")).left(300));
    const QString doomed = m_dir.filePath("doomed.jpg");
    TestImages::writeFile(doomed, TestImages::readFile(m_dir.filePath("photo.jpg")));
    MainWindow window;
    window.openFiles({m_dir.filePath("photo.jpg"), doomed, damaged});
    QFile::remove(doomed); // gone before its turn
    writeInto(window, out.path());
    window.convert();
    QTRY_VERIFY_WITH_TIMEOUT(window.completionDialog(), 20000);
    const QString failures = window.completionDialog()->failures()->toPlainText();
    QVERIFY(!window.completionDialog()->failures()->isHidden());
    QCOMPARE(failures.split(QLatin1Char('\n')).size(), 2);
    QVERIFY(failures.contains(QStringLiteral("doomed.jpg — missing")));
    QVERIFY(failures.contains(QStringLiteral("damaged.jpg — unsupported or damaged image")));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList {"photo.jpg"});
}

void TestMainWindow::cancelledRun()
{
    QTemporaryDir out;
    MainWindow window;
    window.openFiles(photos(30));
    writeInto(window, out.path());
    window.convert();
    QPushButton *cancel = window.convertingDialog()->cancelButton();
    // Escape is Cancel there; the sheet stays, modal, until the run ends.
    QTest::keyClick(window.convertingDialog(), Qt::Key_Escape);
    QVERIFY(window.convertingDialog()->isVisible());
    QVERIFY(window.convertingDialog()->isModal() ||
            window.convertingDialog()->windowModality() != Qt::NonModal);
    QVERIFY(!cancel->isEnabled());
    QCOMPARE(cancel->text(), QStringLiteral("Canceling..."));
    QTRY_VERIFY_WITH_TIMEOUT(window.completionDialog(), 20000);
    CompletionDialog *done = window.completionDialog();
    QCOMPARE(done->headline()->text(), QStringLiteral("Image Conversion Canceled!"));
    const int written = int(QDir(out.path()).entryList(QDir::Files).size());
    QVERIFY(written < 30);
    // The count is said once, in words: no "12/30" beside "12 of 30 converted".
    QCOMPARE(done->summary()->text(),
             QStringLiteral("%1 of 30 converted, %2 not started").arg(written).arg(30 - written));
    QStringList shown;
    for (const QLabel *label : done->findChildren<QLabel *>())
        if (!label->isHidden())
            shown << label->text();
    QCOMPARE(shown.filter(QStringLiteral("/30")), QStringList());
    QCOMPARE(shown.filter(QStringLiteral("of 30")).size(), 1);
}

void TestMainWindow::folderChoiceCancelledStartsNothing()
{
    // No folder yet: Convert asks for one, and choosing it only sets the row; cancelling sets
    // nothing. Neither starts a run.
    QTemporaryDir out;
    MainWindow window;
    window.openFiles(photos(2));
    QVERIFY(window.outputFolderRow()->folder().isEmpty());
    int asked = 0;
    window.setFolderChooser([&] {
        ++asked;
        return QString();
    });
    window.convert();
    QCOMPARE(asked, 1);
    QVERIFY(!window.convertingDialog());
    QVERIFY(!window.conversion()->isRunning());
    window.setFolderChooser([&] {
        ++asked;
        return out.path();
    });
    window.convert();
    QCOMPARE(asked, 2);
    QCOMPARE(window.outputFolderRow()->folder(), out.path());
    QVERIFY(!window.convertingDialog());
    QVERIFY(!window.conversion()->isRunning());
    QVERIFY(QDir(out.path()).isEmpty());
    // The next Convert writes there without asking.
    window.convert();
    QCOMPARE(asked, 2);
    QTRY_VERIFY_WITH_TIMEOUT(window.completionDialog(), 20000);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files).size(), 2);
}

void TestMainWindow::outputRowMakesTheFolder()
{
    // A folder that does not exist yet is shown as such and made by Convert, parents and all.
    QTemporaryDir base;
    const QString fresh = base.filePath("Alps 2024/web");
    MainWindow window;
    window.openFiles(photos(1));
    writeInto(window, fresh);
    OutputFolderRow *row = window.outputFolderRow();
    QCOMPARE(row->stateLabel()->text(), QStringLiteral("will be created"));
    QVERIFY(row->problemLabel()->isHidden());
    QVERIFY(!QFileInfo::exists(fresh));
    window.convert();
    QVERIFY(QFileInfo(fresh).isDir());
    QVERIFY(row->stateLabel()->text().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(window.completionDialog(), 20000);
    QVERIFY(QFile::exists(fresh + QStringLiteral("/photo.jpg")));

    // One that cannot be made says the system's reason, and nothing starts.
    TestImages::writeFile(base.filePath("plain"), "not a folder");
    const QString impossible = base.filePath("plain/out");
    writeInto(window, impossible);
    window.convert();
    QVERIFY(!window.conversion()->isRunning());
    QVERIFY(!row->problemLabel()->isHidden());
    QCOMPARE(row->problemLabel()->text(),
             QStringLiteral("It cannot be created: %1.").arg(QString::fromLocal8Bit(std::strerror(ENOTDIR))));
    // A file where the folder should be is said too.
    writeInto(window, base.filePath("plain"));
    QCOMPARE(row->problemLabel()->text(), QStringLiteral("This is a file, not a folder."));
    window.convert();
    QVERIFY(!window.conversion()->isRunning());
}

void TestMainWindow::firstNameExample_data()
{
    QTest::addColumn<int>("naming"); // the box clicked: 1 keep, 2 new name, 3 added text
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("present"); // in the output folder already
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("clash");
    // The extension of every format is tst_options' (formatFromItsStoredIndex).
    const QStringList none;
    QTest::newRow("kept, JPEG") << 1 << "" << 0 << none << "holiday.final.jpg" << QString();
    QTest::newRow("new name") << 2 << "Alps2024" << 0 << none << "Alps20241.jpg" << QString();
    QTest::newRow("new name, no title") << 2 << "" << 0 << none << "holiday.final.jpg" << QString();
    QTest::newRow("added text, PNG") << 3 << "-web" << 1 << none << "holiday.final-web.png" << QString();
    QTest::newRow("WebP") << 3 << " web" << 4 << none << "holiday.final web.webp" << QString();
    QTest::newRow("taken") << 2 << "Alps2024" << 0 << QStringList {"Alps20241.jpg"} << "Alps20241 (copy).jpg"
                           << "Alps20241.jpg exists in the output folder";
    QTest::newRow("taken twice") << 1 << "" << 1
                                 << QStringList {"holiday.final.png", "holiday.final (copy).png"}
                                 << "holiday.final (copy 2).png"
                                 << "holiday.final.png exists in the output folder";
    QTest::newRow("another format's name")
        << 2 << "Alps2024" << 4 << QStringList {"Alps20241.jpg"} << "Alps20241.webp" << QString();
}

void TestMainWindow::firstNameExample()
{
    // Under the naming controls, the first output's name as the core gives it, live.
    QFETCH(int, naming);
    QFETCH(QString, title);
    QFETCH(int, format);
    QFETCH(QStringList, present);
    QFETCH(QString, name);
    QFETCH(QString, clash);
    QTemporaryDir out;
    for (const QString &file : present)
        TestImages::writeFile(out.filePath(file), "there");
    const QString first = m_dir.filePath("holiday.final.jpg");
    QFile::copy(m_dir.filePath("photo.jpg"), first);
    MainWindow window;
    TitleSizeSection *section = window.options()->titleAndSize();
    QCOMPARE(section->nameExample->fullText(), QStringLiteral("First file: named once photos are added"));
    window.openFiles({first, m_dir.filePath("photo.jpg")});
    QCOMPARE(section->nameExample->fullText(), QStringLiteral("First file: holiday.final.jpg"));
    QList<QCheckBox *> boxes = {section->keepNamesBox, section->newNameBox, section->addTextBox};
    boxes.at(naming - 1)->click();
    QTest::keyClicks(section->titleField, title);
    window.options()->output()->formatPopup->setCurrentIndex(format);
    window.outputFolderRow()->setFolder(out.path());
    QCOMPARE(section->nameExample->fullText(), QStringLiteral("First file: ") + name);
    QCOMPARE(section->nameClash->fullText(), clash);
    QCOMPARE(section->nameClash->isHidden(), clash.isEmpty());

    // The list's order decides which file is first.
    window.imageList()->moveEntries({0}, 2);
    if (naming != 2 || title.isEmpty())
        QVERIFY(section->nameExample->fullText().contains(QStringLiteral("photo")));
    window.imageList()->moveEntries({1}, 0);

    // The run gives the first file the name announced.
    if (QTest::currentDataTag() == QLatin1String("taken")) {
        writeInto(window, out.path());
        window.convert();
        QTRY_VERIFY_WITH_TIMEOUT(window.completionDialog(), 20000);
        QVERIFY(QFile::exists(out.filePath(name)));
        // Now that name is taken too: the example moves on.
        QCOMPARE(section->nameExample->fullText(), QStringLiteral("First file: Alps20241 (copy 2).jpg"));
    }
}

void TestMainWindow::templateExampleAndATree()
{
    // A folder added whole: each picture with its subfolder, shown and written there.
    QTemporaryDir tree, out;
    QVERIFY(QDir().mkpath(tree.filePath("2024/trip")) && QDir().mkpath(tree.filePath(".hidden")));
    QVERIFY(QFile::copy(m_dir.filePath("photo.jpg"), tree.filePath("top.jpg")));
    QVERIFY(QFile::copy(m_dir.filePath("photo.jpg"), tree.filePath("2024/trip/IMG_1.jpg")));
    QVERIFY(QFile::copy(m_dir.filePath("photo.jpg"), tree.filePath(".hidden/no.jpg")));
    QTemporaryDir config;
    SettingsStore store(config.filePath("pressmark.conf"));
    MainWindow window;
    window.useSettings(&store);
    std::unique_ptr<QFileDialog> dialog(window.inputChooser()->makeFolderDialog());
    QCheckBox *whole = dialog->findChild<QCheckBox *>("wholeFoldersBox");
    QVERIFY(whole && !whole->isChecked());
    window.inputChooser()->setWholeFolders(true);
    window.inputChooser()->setFolderAnswer([&] { return tree.path(); });
    window.addFolderButton()->click();
    ImageListModel *list = window.imageList();
    QCOMPARE(list->rowCount(), 2);
    QCOMPARE(list->subfolders(), QStringList({"", "2024/trip"}));
    QCOMPARE(list->index(1).data().toString(), QStringLiteral("2024/trip/IMG_1.jpg"));
    list->moveEntries({1}, 0);

    // The template's example, live, with the output's size read off the UI thread.
    TitleSizeSection *section = window.options()->titleAndSize();
    QVERIFY(!section->templateField->isEnabled());
    section->templateBox->click();
    QVERIFY(section->templateField->isEnabled() && !section->keepNamesBox->isChecked());
    section->resizeBox->click();
    QTest::keyClicks(section->widthField, "60");
    QTest::keyClicks(section->templateField, "{n:3}_{width}x{height}");
    QTRY_COMPARE(section->nameExample->fullText(), QStringLiteral("First file: 2024/trip/001_60x40.jpg"));
    // A template that is not one says why under the field, and Convert starts nothing.
    QTest::keyClicks(section->templateField, "{nom}");
    QVERIFY2(section->nameExample->fullText().startsWith("Template: unknown field {nom}"),
             qPrintable(section->nameExample->fullText()));
    writeInto(window, out.path());
    window.convert();
    QVERIFY(!window.completionDialog());
    QVERIFY(QDir(out.path()).isEmpty());
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(section->templateField, Qt::Key_Backspace);
    QTRY_COMPARE(section->nameExample->fullText(), QStringLiteral("First file: 2024/trip/001_60x40.jpg"));
    window.convert();
    QTRY_VERIFY_WITH_TIMEOUT(window.completionDialog(), 20000);
    QVERIFY(QFile::exists(out.filePath("2024/trip/001_60x40.jpg")));
    QVERIFY(QFile::exists(out.filePath("002_60x40.jpg")));

    // Stored under keys of their own; the older key keeps the choice before the template.
    window.close();
    QSettings saved(store.filePath(), QSettings::IniFormat);
    QCOMPARE(saved.value("pmNamingTemplate").toInt(), 1);
    QCOMPARE(saved.value("pmNameTemplate").toString(), QStringLiteral("{n:3}_{width}x{height}"));
    QCOMPARE(saved.value("fileCheckBoxSelected").toInt(), 1);
    QCOMPARE(saved.value("pmAddWholeFolders").toInt(), 1);
    MainWindow again;
    again.useSettings(&store);
    QVERIFY(again.options()->titleAndSize()->templateBox->isChecked());
    QVERIFY(again.inputChooser()->wholeFolders());
}

void TestMainWindow::previewFollowsTheSelection()
{
    MainWindow window;
    QSignalSpy ready(window.browserModel(), &BrowserModel::previewReady);
    window.openFiles(photos(3));
    QCOMPARE(window.imageList()->indexSelected(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!ready.isEmpty() && ready.last().at(0).toInt() == 0, 20000);

    // Selecting cells 1 and 2 moves the preview to the first of them and keeps only that one.
    QItemSelectionModel *selection = window.browser()->selectionModel();
    QAbstractItemModel *model = window.browser()->model();
    selection->select(QItemSelection(model->index(1, 0), model->index(2, 0)),
                      QItemSelectionModel::ClearAndSelect);
    QCOMPARE(window.imageList()->indexSelected(), 1);
    QCOMPARE(window.browser()->selectedRows(), QList<int> {1});
    QTRY_VERIFY_WITH_TIMEOUT(ready.last().at(0).toInt() == 1, 20000);
    QCOMPARE(window.browserModel()->previewRow(), 1);

    // Clearing the selection keeps the preview where it is.
    selection->clearSelection();
    QCOMPARE(window.imageList()->indexSelected(), 1);
}

void TestMainWindow::quittingDuringARunWaitsForIt()
{
    QTemporaryDir out;
    auto *window = new MainWindow;
    window->openFiles(photos(30));
    writeInto(*window, out.path());
    window->convert();
    QVERIFY(window->conversion()->isRunning());
    window->close();
    // The run was cancelled and its files in flight written: no run, no partial file.
    QVERIFY(!window->conversion()->isRunning());
    const QStringList written = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
    QVERIFY(written.size() < 30);
    for (const QString &name : written)
        QVERIFY(QImage(out.filePath(name)).width() == 600);
    delete window;
}

void TestMainWindow::deleteKeyRemovesTheSelection()
{
    MainWindow window;
    window.openFiles(photos(4));
    QAbstractItemModel *model = window.browser()->model();
    window.browser()->selectionModel()->select(QItemSelection(model->index(1, 0), model->index(2, 0)),
                                               QItemSelectionModel::ClearAndSelect);
    // The selection shrank to its first cell, which is removed; the first entry is selected again.
    QTest::keyClick(window.browser(), Qt::Key_Delete);
    QCOMPARE(window.imageList()->rowCount(), 3);
    QCOMPARE(window.imageList()->indexSelected(), 0);
    QCOMPARE(window.countLabel()->text(), QStringLiteral("3 images"));
}

void TestMainWindow::draggingReordersAndDropsInsert()
{
    MainWindow window;
    window.resize(1000, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList files;
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "new one.jpg"}) {
        QFile::copy(m_dir.filePath("photo.jpg"), m_dir.filePath(name));
        files << m_dir.filePath(name);
    }
    window.openFiles(files.mid(0, 4));
    ImageBrowserView *view = window.browser();
    QAbstractItemModel *model = view->model();
    view->selectionModel()->select(model->index(0, 0), QItemSelectionModel::ClearAndSelect);
    // Dragged onto the right half of the third cell: it lands after it.
    const QRect third = view->visualRect(model->index(2, 0));
    view->performDrop(nullptr, QPoint(third.right() - 2, third.center().y()), true);
    QStringList names;
    for (const QString &path : window.imageList()->paths())
        names << QFileInfo(path).fileName();
    QCOMPARE(names, (QStringList {"b.jpg", "c.jpg", "a.jpg", "d.jpg"}));
    // The moved entry is still the selected one, in the list and in the view, and its cell
    // shows the preview.
    QCOMPARE(window.imageList()->indexSelected(), 2);
    QCOMPARE(view->selectedRows(), QList<int> {2});
    QCOMPARE(window.browserModel()->previewRow(), 2);

    // A file from the file manager dropped on the left half of the second cell goes before it.
    QMimeData drop;
    drop.setUrls({QUrl::fromLocalFile(files.at(4))});
    const QRect second = view->visualRect(model->index(1, 0));
    view->performDrop(&drop, QPoint(second.left() + 2, second.center().y()), false);
    QCOMPARE(QFileInfo(window.imageList()->paths().at(1)).fileName(), QStringLiteral("new one.jpg"));
    QCOMPARE(window.imageList()->rowCount(), 5);
}

void TestMainWindow::completionImages()
{
    ConversionReport done;
    done.files.resize(1);
    done.files[0].status = FileStatus::Written;
    CompletionDialog finished(done, m_dir.path(), nullptr);
    auto *image = finished.findChild<QLabel *>(QStringLiteral("notificationImage"));
    QCOMPARE(image->property("imageName").toString(), QStringLiteral("done"));
    QVERIFY(!image->pixmap().isNull());
    QVERIFY(!finished.findChild<QLabel *>(QStringLiteral("runNotes")));
    ConversionReport cancelled = done;
    cancelled.cancelled = true;
    cancelled.notes << QStringLiteral("the logo is on but there is no logo picture; no logo is drawn");
    CompletionDialog stopped(cancelled, m_dir.path(), nullptr);
    image = stopped.findChild<QLabel *>(QStringLiteral("notificationImage"));
    QCOMPARE(image->property("imageName").toString(), QStringLiteral("Attention"));
    QCOMPARE(stopped.findChild<QLabel *>(QStringLiteral("runNotes"))->text(), cancelled.notes.first());
    QVERIFY(!image->pixmap().isNull());
    QVERIFY(finished.summary()->isHidden());

    // Failures are never shown with the tick; the outcome is said in words, and why the run
    // stopped early.
    ConversionReport partly;
    partly.files.resize(20);
    for (int i = 0; i < 14; ++i)
        partly.files[i].status = i % 7 == 3 ? FileStatus::Failed : FileStatus::Written;
    partly.stopped = QStringLiteral("the output folder /media/stick is gone; the run stopped");
    CompletionDialog failed(partly, m_dir.path(), nullptr);
    image = failed.findChild<QLabel *>(QStringLiteral("notificationImage"));
    QCOMPARE(image->property("imageName").toString(), QStringLiteral("Attention"));
    QCOMPARE(failed.headline()->text(), QStringLiteral("Image Conversion Completed!"));
    QCOMPARE(failed.summary()->text(), QStringLiteral("12 of 20 converted, 2 failed, 6 not started"));
    QVERIFY(!failed.summary()->isHidden());
    QCOMPARE(failed.findChild<QLabel *>(QStringLiteral("runStopped"))->text(),
             QStringLiteral("The output folder /media/stick is gone; the run stopped."));
}

void TestMainWindow::gridShowsEveryPictureWhole()
{
    // Portrait, landscape, square, tiny and tall pictures in one colour each: at every zoom, and
    // after a move, each is drawn whole in its cell, standing on the same line, its name below;
    // the selected one (its preview) in its own colour, untinted.
    MainWindow window;
    window.resize(1100, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QList<QPair<QSize, QColor>> kinds = {{QSize(200, 300), QColor(0xEF, 0xAD, 0xAE)},
                                               {QSize(400, 200), QColor(Qt::blue)},
                                               {QSize(250, 250), QColor(Qt::green)},
                                               {QSize(30, 20), QColor(Qt::red)},
                                               {QSize(90, 400), QColor(Qt::yellow)}};
    QStringList paths;
    QHash<QString, QPair<QSize, QColor>> kindOf;
    for (int i = 0; i < kinds.size(); ++i) {
        QImage picture(kinds.at(i).first, QImage::Format_RGB32);
        picture.fill(kinds.at(i).second);
        paths << m_dir.filePath(QStringLiteral("cell%1.png").arg(i));
        QVERIFY(picture.save(paths.last()));
        kindOf.insert(paths.last(), kinds.at(i));
    }
    window.openFiles(paths);
    ImageBrowserView *view = window.browser();
    QAbstractItemModel *model = view->model();

    // What is wrong with the cell of this row as drawn, or nothing.
    const auto cellFault = [&](int row) -> QString {
        const QModelIndex index = model->index(row, 0);
        view->scrollTo(index);
        const QImage shown = view->viewport()->grab().toImage();
        const QRect cell = view->visualRect(index);
        const int side = view->iconSize().width();
        const auto kind = kindOf.value(window.imageList()->paths().at(row));
        const QRect area = BrowserCellDelegate::pictureArea(cell, side);
        const QRect picture = BrowserCellDelegate::pictureRect(area, kind.first);
        const QRect caption = BrowserCellDelegate::captionRect(cell, side, view->fontMetrics());
        if (!cell.contains(picture) || !cell.contains(caption) || picture.bottom() != area.bottom())
            return QStringLiteral("row %1: picture or name outside the cell").arg(row);
        if (qMax(picture.width(), picture.height()) != side)
            return QStringLiteral("row %1: not fitted to the cell").arg(row);
        const QList<QPoint> probes = {picture.center(),
                                      {picture.center().x(), picture.top() + 1},
                                      {picture.center().x(), picture.bottom() - 1},
                                      {picture.left() + 1, picture.center().y()},
                                      {picture.right() - 1, picture.center().y()}};
        for (const QPoint &p : probes) {
            const QColor c = shown.pixelColor(p);
            const QColor want = kind.second;
            if (qAbs(c.red() - want.red()) > 3 || qAbs(c.green() - want.green()) > 3 ||
                qAbs(c.blue() - want.blue()) > 3)
                return QStringLiteral("row %1: %2 where %3 was expected").arg(row).arg(c.name(), want.name());
        }
        return QString();
    };
    const auto gridFault = [&] {
        for (int row = 0; row < model->rowCount(); ++row)
            if (const QString fault = cellFault(row); !fault.isEmpty())
                return fault;
        return QString();
    };
    for (const double zoom : {0.0, 1.0, 0.5}) {
        view->setZoom(zoom);
        QTRY_COMPARE_WITH_TIMEOUT(gridFault(), QString(), 10000);
    }
    QCOMPARE(view->selectedRows(), QList<int> {0});
    window.imageList()->moveEntries({0}, 3);
    QTRY_COMPARE_WITH_TIMEOUT(gridFault(), QString(), 10000);

    // The spare width is spread evenly: the cells of a row fill it, whatever the window's width.
    for (const int width : {1100, 1317, 900}) {
        window.resize(width, 700);
        QTRY_VERIFY(view->viewport()->width() > 0);
        QCoreApplication::processEvents();
        int right = 0;
        for (int row = 0; row < model->rowCount(); ++row)
            right = qMax(right, view->visualRect(model->index(row, 0)).right());
        // What is left: less than a column's share, and the room the view keeps for a scroll bar.
        const int columns = view->viewport()->width() / view->gridSize().width();
        const int scrollBar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
        QVERIFY2(view->viewport()->width() - 1 - right <= columns + scrollBar,
                 qPrintable(QStringLiteral("%1 px spare").arg(view->viewport()->width() - 1 - right)));
    }
}

void TestMainWindow::largePreview()
{
    // Space on the grid opens the selected entry large with its overlays; the arrow keys step
    // (the window's selection follows), 1 shows 100 %, B the picture without overlays, Escape
    // closes.
    MainWindow window;
    window.resize(1000, 700);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList files;
    for (const char *name : {"p1.jpg", "p2.jpg", "p3.jpg"}) {
        QFile::copy(m_dir.filePath("photo.jpg"), m_dir.filePath(name));
        files << m_dir.filePath(name);
    }
    window.openFiles(files);
    QLineEdit *text = window.options()->watermark()->watermarkField;
    QTest::keyClicks(text, "Sample"); // typing switches the watermark on
    window.browser()->setFocus();
    QTest::keyClick(window.browser(), Qt::Key_Space);
    LargePreview *preview = window.largePreview();
    QVERIFY(preview && preview->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!preview->shownImage().isNull(), 10000);
    QCOMPARE(preview->row(), 0);

    QTest::keyClick(preview, Qt::Key_Right);
    QCOMPARE(preview->row(), 1);
    QCOMPARE(window.imageList()->indexSelected(), 1);
    QTest::keyClick(preview, Qt::Key_1);
    QTRY_COMPARE_WITH_TIMEOUT(preview->shownImage().size(), QSize(600, 400), 10000);
    const QImage after = preview->shownImage();
    QSignalSpy rendered(preview, &LargePreview::rendered);
    QTest::keyClick(preview, Qt::Key_B);
    QVERIFY(preview->before());
    QVERIFY(rendered.wait(10000));
    QCOMPARE(preview->shownImage().size(), QSize(600, 400));
    QVERIFY(preview->shownImage() != after); // the watermark is gone
    QTest::keyClick(preview, Qt::Key_Escape);
    QVERIFY(!preview->isVisible());
}

void TestMainWindow::previewKeptUntilTheNextIsReady()
{
    // Each keystroke in the watermark field asks for a new preview; the cell keeps showing the
    // last one until the new one is ready, never the plain thumbnail in between.
    MainWindow window;
    BrowserModel *model = window.browserModel();
    QSignalSpy ready(model, &BrowserModel::previewReady);
    window.openFiles(photos(2));
    QTRY_VERIFY_WITH_TIMEOUT(!ready.isEmpty(), 10000);
    const QModelIndex first = model->index(0, 0);
    const qint64 shown = model->data(first, Qt::DecorationRole).value<QIcon>().cacheKey();
    ready.clear();
    model->showPreview(0, ConversionOptions());
    QCOMPARE(model->data(first, Qt::DecorationRole).value<QIcon>().cacheKey(), shown);
    QTRY_VERIFY_WITH_TIMEOUT(!ready.isEmpty(), 10000);
    QVERIFY(model->data(first, Qt::DecorationRole).value<QIcon>().cacheKey() != shown);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
