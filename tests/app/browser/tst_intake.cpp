// The ways pictures enter the list from the window: the Add dialog's filters against the core's
// list of readable extensions (which drops take too: tst_imagelist), Add Folder, the folder the dialogs
// remember, and a grid that stays where it was when entries are added or all selected.
#include "MainWindow.h"
#include "TestImages.h"
#include "batch/InputFiles.h"
#include "browser/ImageBrowserView.h"
#include "browser/ImageListModel.h"
#include "browser/InputChooser.h"
#include "settings/SettingsStore.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QtTest>

class TestIntake : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void firstFilterIsTheCoreList();
    void desktopEntryClaimsTheList();
    void dialogShowsEveryReadableFile();
    void addFolderInNameOrder();
    void lastFolderIsRemembered();
    void gridKeepsItsPlaceOnAddAndSelectAll();

private:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestIntake::initTestCase()
{
    TestImages::writeWithQt(TestImages::quadrants(60, 40), file("photo.jpg"), "jpeg", 90);
}

void TestIntake::firstFilterIsTheCoreList()
{
    const QStringList filters = InputChooser::nameFilters();
    QCOMPARE(filters.size(), 3);
    QVERIFY(filters.at(0).startsWith(QStringLiteral("All images Pressmark reads (")));
    QVERIFY(filters.at(1).startsWith(QStringLiteral("Images (*.png *.PNG *.tif")));
    QCOMPARE(filters.at(2), QStringLiteral("All files (*)"));
    // Every extension the decoders take, and nothing else, in the first filter.
    const QString inner = filters.at(0).section(QLatin1Char('('), 1).chopped(1);
    const QStringList patterns = inner.split(QLatin1Char(' '));
    QStringList extensions;
    for (const QString &pattern : patterns) {
        QVERIFY(pattern.startsWith(QStringLiteral("*.")));
        extensions << pattern.mid(2);
    }
    QCOMPARE(extensions, readableExtensions());

    // The dialog is Qt's own, at a size that shows its columns, with the three filters.
    MainWindow window;
    std::unique_ptr<QFileDialog> dialog(window.inputChooser()->makeFilesDialog());
    QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
    QCOMPARE(dialog->nameFilters(), filters);
    const QSize screen = window.screen()->availableGeometry().size();
    QVERIFY(dialog->width() >= qMin(800, screen.width() * 8 / 10));
    QVERIFY(dialog->height() >= qMin(500, screen.height() * 8 / 10));
}

void TestIntake::desktopEntryClaimsTheList()
{
    // File managers offer Pressmark for the types its entry names: every extension it reads that
    // the MIME database knows as a picture's is among them. (The database has no type for .psb,
    // and gives .vst to Visio stencils: those are left to Add and drops.)
    QFile entry(QStringLiteral(PRESSMARK_DESKTOP_ENTRY));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QStringList claimed;
    for (const QByteArray &line : entry.readAll().split('\n'))
        if (line.startsWith("MimeType="))
            claimed = QString::fromLatin1(line.mid(9)).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QVERIFY(!claimed.isEmpty());
    const QMimeDatabase types;
    for (const QString &extension : readableExtensions()) {
        const QMimeType type =
            types.mimeTypeForFile(QStringLiteral("x.") + extension, QMimeDatabase::MatchExtension);
        if (!type.name().startsWith(QLatin1String("image/")) &&
            !type.inherits(QStringLiteral("application/postscript")))
            continue;
        const bool named = claimed.contains(type.name()) ||
                           std::any_of(type.aliases().cbegin(), type.aliases().cend(),
                                       [&](const QString &alias) { return claimed.contains(alias); });
        QVERIFY2(named, qPrintable(QStringLiteral("%1 (%2)").arg(extension, type.name())));
    }
    // And it claims nothing more: every type it names has an extension that Add, drops and the
    // command line take.
    for (const QString &name : claimed) {
        const QStringList suffixes = types.mimeTypeForName(name).suffixes();
        const bool read = std::any_of(suffixes.cbegin(), suffixes.cend(), [](const QString &suffix) {
            return hasAcceptedExtension(QStringLiteral("x.") + suffix, readableExtensions());
        });
        QVERIFY2(read, qPrintable(name));
    }
}

void TestIntake::dialogShowsEveryReadableFile()
{
    // Qt's dialog lists, under the first filter, every readable file whatever the case of its
    // extension, and under the last every file.
    QTemporaryDir folder;
    QStringList expected;
    for (const QString &extension : readableExtensions()) {
        const QString name =
            QStringLiteral("f_%1.%2").arg(extension, extension == QLatin1String("bmp")   ? "BMP"
                                                     : extension == QLatin1String("tga") ? "Tga"
                                                                                         : extension);
        TestImages::writeFile(folder.filePath(name), "x");
        expected << name;
    }
    TestImages::writeFile(folder.filePath("notes.txt"), "x");
    MainWindow window;
    window.inputChooser()->setLastFolder(folder.path());
    std::unique_ptr<QFileDialog> dialog(window.inputChooser()->makeFilesDialog());
    QCOMPARE(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
    dialog->show();
    auto *list = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
    QVERIFY(list);
    const auto shown = [&] {
        QStringList names;
        QAbstractItemModel *model = list->model();
        const QModelIndex root = list->rootIndex();
        for (int row = 0; row < model->rowCount(root); ++row)
            names << model->index(row, 0, root).data().toString();
        names.sort();
        return names;
    };
    expected.sort();
    QTRY_COMPARE(shown(), expected);
    dialog->selectNameFilter(InputChooser::nameFilters().constLast());
    QTRY_COMPARE(shown().size(), expected.size() + 1);
    // The columns are not cut at the dialog's size: they end within the list, the names wide.
    QHeaderView *header = list->header();
    int columns = 0;
    for (int section = 0; section < header->count(); ++section)
        if (!header->isSectionHidden(section))
            columns += header->sectionSize(section);
    QVERIFY2(columns <= list->viewport()->width(),
             qPrintable(QStringLiteral("%1 of %2").arg(columns).arg(list->viewport()->width())));
    QVERIFY(header->sectionSize(0) >= 200);
    const QAbstractItemView *view = list; // the contents' widths, as the view measures them
    for (int section = 1; section < header->count(); ++section)
        QVERIFY2(header->isSectionHidden(section) ||
                     view->sizeHintForColumn(section) <= header->sectionSize(section),
                 qPrintable(QStringLiteral("column %1: %2 wide for %3")
                                .arg(section)
                                .arg(header->sectionSize(section))
                                .arg(view->sizeHintForColumn(section))));
}

void TestIntake::addFolderInNameOrder()
{
    QTemporaryDir folder;
    for (const char *name : {"IMG_10.jpg", "IMG_02.png", "a.bmp", "readme.txt", "B.webp"})
        QFile::copy(file("photo.jpg"), folder.filePath(QLatin1String(name)));
    MainWindow window;
    window.inputChooser()->setFolderAnswer([&] { return folder.path(); });
    window.openFiles({file("photo.jpg")});
    window.addFolderButton()->click();
    QStringList names;
    for (const QString &path : window.imageList()->paths())
        names << QFileInfo(path).fileName();
    QCOMPARE(names, (QStringList {"photo.jpg", "B.webp", "IMG_02.png", "IMG_10.jpg", "a.bmp"}));
    QCOMPARE(window.inputChooser()->lastFolder(), QDir::cleanPath(folder.path()));

    // A folder without pictures says so.
    QTemporaryDir empty;
    window.inputChooser()->setFolderAnswer([&] { return empty.path(); });
    window.addFolderButton()->click();
    QCOMPARE(window.imageList()->rowCount(), 5);
    QVERIFY(!window.intakeNote()->isHidden());
    QVERIFY(window.intakeNote()->text().startsWith(QStringLiteral("No pictures Pressmark reads")));
}

void TestIntake::lastFolderIsRemembered()
{
    QTemporaryDir folder;
    QFile::copy(file("photo.jpg"), folder.filePath("one.jpg"));
    SettingsStore store(m_dir.filePath("remember/pressmark.conf"));
    {
        MainWindow first;
        first.useSettings(&store);
        // Before any choice: the Pictures folder, as always.
        QCOMPARE(first.inputChooser()->lastFolder(), QString());
        std::unique_ptr<QFileDialog> dialog(first.inputChooser()->makeFilesDialog());
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        QCOMPARE(dialog->directory().absolutePath(),
                 QDir(QDir(pictures).exists() ? pictures : QDir::homePath()).absolutePath());
        first.inputChooser()->setFilesAnswer([&] {
            return InputChooser::Choice {{folder.filePath("one.jpg")}, false};
        });
        first.chooseImages();
        QCOMPARE(first.imageList()->rowCount(), 1);
        first.close();
    }
    QCOMPARE(store.load().text(Setting::LastInputFolder), folder.path());
    MainWindow second;
    second.useSettings(&store);
    std::unique_ptr<QFileDialog> dialog(second.inputChooser()->makeFilesDialog());
    QCOMPARE(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
}

void TestIntake::gridKeepsItsPlaceOnAddAndSelectAll()
{
    MainWindow window;
    window.resize(1000, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.openFiles(QStringList(80, file("photo.jpg")));
    ImageBrowserView *view = window.browser();
    QScrollBar *bar = view->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    const int middle = bar->maximum() / 2;
    bar->setValue(middle);
    QCoreApplication::processEvents();

    // A cell in view is clicked: the preview moves to it.
    const QModelIndex shown =
        view->indexAt(QPoint(view->viewport()->width() / 2, view->viewport()->height() / 2));
    QVERIFY(shown.isValid() && shown.row() > 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(shown).center());
    QCOMPARE(window.imageList()->indexSelected(), shown.row());
    QCOMPARE(bar->value(), middle);

    // Select All (the first entry takes the preview) leaves the grid where it is.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(view->selectedRows().size(), 80);
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), middle);

    // A dropped file lands where it is dropped, the grid unmoved.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(shown).center());
    QMimeData drop;
    drop.setUrls({QUrl::fromLocalFile(file("photo.jpg"))});
    view->performDrop(&drop, view->visualRect(shown).topLeft() + QPoint(2, 2), false);
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), middle);

    // Opened files (the end of the list) bring the grid to them.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(shown).center());
    window.openFiles({file("photo.jpg")});
    QCoreApplication::processEvents();
    const QRect last = view->visualRect(view->model()->index(view->model()->rowCount() - 1, 0));
    QVERIFY(view->viewport()->rect().intersects(last));
}

QTEST_MAIN(TestIntake)
#include "tst_intake.moc"
