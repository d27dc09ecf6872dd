#include "TestImages.h"
#include "browser/ImageListModel.h"
#include "common/FileName.h"

#include <QSignalSpy>
#include <QtTest>

#include <unistd.h>

class TestImageList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void dropKeepsOrderAtTheGap();
    void extensionsByRoad();
    void moveBlock_data();
    void moveBlock();
    void duplicatesShareTheirCache();
    void selectionAndCount();
    void nameThatIsNotUtf8();
    void removeAndClearCanBeUndone();

private:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestImageList::initTestCase()
{
    for (const char *name : {"x.png", "y.png", "p.jpg", "q.JPG", "r.tiff", "odd.Jpg", "logo.eps", "notes.txt",
                             "a.png", "b.png", "c.png", "d.png"})
        TestImages::writeWithQt(TestImages::quadrants(4, 4), file(QLatin1String(name)), "png");
    TestImages::setExif(file("p.jpg"), {{"Exif.Image.Make", "TestCam"}});
}

void TestImageList::dropKeepsOrderAtTheGap()
{
    ImageListModel list;
    list.addChosen({file("x.png"), file("y.png")});
    QCOMPARE(list.insertDropped({file("p.jpg"), file("q.JPG"), file("r.tiff")}, 1), 3);
    QCOMPARE(list.paths(),
             (QStringList {file("x.png"), file("p.jpg"), file("q.JPG"), file("r.tiff"), file("y.png")}));
    QCOMPARE(list.insertDropped({file("a.png")}, list.rowCount()), 1); // the count appends
    QCOMPARE(list.paths().last(), file("a.png"));
}

void TestImageList::extensionsByRoad()
{
    ImageListModel list;
    QSignalSpy skipped(&list, &ImageListModel::skipped);
    // The dialog and drops take every type Pressmark reads, EPS too, in any case.
    QCOMPARE(list.addChosen({file("logo.eps"), file("odd.Jpg"), file("q.JPG"), file("notes.txt")}), 3);
    QCOMPARE(skipped.takeFirst().first().toStringList(), QStringList {file("notes.txt")});
    // "All files" in the dialog takes any.
    QCOMPARE(list.addChosen({file("notes.txt")}, ImageListModel::Chosen::AnyFile), 1);
    list.removeEntries({3});
    QCOMPARE(list.insertDropped({file("logo.eps"), file("odd.Jpg"), file("notes.txt")}, 0), 2);
    QCOMPARE(skipped.takeFirst().first().toStringList(), QStringList {file("notes.txt")});
    QCOMPARE(list.paths(), (QStringList {file("logo.eps"), file("odd.Jpg"), file("logo.eps"), file("odd.Jpg"),
                                         file("q.JPG")}));
    // A dropped folder stands for its pictures, whatever their case; its other files are
    // passed over without a word.
    QCOMPARE(list.insertDropped({m_dir.path()}, list.rowCount()), 11);
    QVERIFY(skipped.isEmpty());
    list.clear();
    // Opening with the application takes any readable file, never a folder or a missing one.
    QVERIFY(list.addOpened(file("notes.txt")));
    QVERIFY(!list.addOpened(m_dir.path()));
    QVERIFY(!list.addOpened(file("missing.png")));
    QCOMPARE(list.rowCount(), 1);
}

void TestImageList::moveBlock_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QString>("order");
    QTest::newRow("first two before the fourth") << QList<int> {0, 1} << 3 << "cabd";
    QTest::newRow("last to the front") << QList<int> {3} << 0 << "dabc";
    QTest::newRow("to the end") << QList<int> {0, 2} << 4 << "bdac";
    QTest::newRow("onto itself") << QList<int> {1} << 1 << "abcd";
    QTest::newRow("rows outside the list ignored") << QList<int> {9} << 0 << "abcd";
}

void TestImageList::moveBlock()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, destination);
    QFETCH(QString, order);
    ImageListModel list;
    list.addChosen({file("a.png"), file("b.png"), file("c.png"), file("d.png")});
    list.setIndexSelected(2);
    list.moveEntries(rows, destination);
    QString names;
    for (const QString &path : list.paths())
        names += QFileInfo(path).baseName();
    QCOMPARE(names, order);
    // The selected entry stays selected where it went.
    QCOMPARE(list.paths().at(list.indexSelected()), file("c.png"));
}

void TestImageList::duplicatesShareTheirCache()
{
    ImageListModel list;
    QSignalSpy read(&list, &ImageListModel::metadataRead);
    list.addChosen({file("p.jpg")});
    list.addChosen({file("p.jpg")});
    QCOMPARE(list.rowCount(), 2);
    QTRY_COMPARE(read.size(), 2);
    // Removing one of two entries of the same file keeps what the other needs.
    list.removeEntries({0});
    QCOMPARE(list.metadataFor(file("p.jpg")).hasExifXmpOrIptc(), true);
    list.removeEntries({0});
    QCOMPARE(list.metadataFor(file("p.jpg")).hasExifXmpOrIptc(), false);
}

void TestImageList::selectionAndCount()
{
    ImageListModel list;
    QSignalSpy selected(&list, &ImageListModel::indexSelectedChanged);
    QCOMPARE(list.indexSelected(), ImageListModel::kNoSelection);
    QCOMPARE(list.countText(), QStringLiteral("0 images"));
    list.addChosen({file("a.png")});
    QCOMPARE(list.countText(), QStringLiteral("1 image"));
    QCOMPARE(list.indexSelected(), 0);
    list.addChosen({file("b.png"), file("c.png")});
    QCOMPARE(list.countText(), QStringLiteral("3 images"));
    list.setIndexSelected(2);
    // Removing entries selects the first one again, and says so even when it was already first.
    selected.clear();
    list.removeEntries({2});
    QCOMPARE(list.indexSelected(), 0);
    QVERIFY(!selected.isEmpty());
    list.removeEntries({0, 1});
    QCOMPARE(list.indexSelected(), ImageListModel::kNoSelection);
    list.addChosen({file("a.png")});
    list.clear();
    QCOMPARE(list.rowCount(), 0);
    QCOMPARE(list.indexSelected(), ImageListModel::kNoSelection);
}

void TestImageList::nameThatIsNotUtf8()
{
    // A Latin-1 name (byte E9) opened with the application and dropped: taken, and shown readable.
    const QString latin1 = decodeFileName(QFile::encodeName(m_dir.path()) + "/caf\xe9.png");
    QVERIFY(QFile::copy(file("a.png"), file("staged.png")));
    QVERIFY(::rename(QFile::encodeName(file("staged.png")).constData(), encodeFileName(latin1).constData()) ==
            0);
    ImageListModel list;
    QVERIFY(list.addOpened(latin1));
    QCOMPARE(list.insertDropped({latin1}, 1), 1);
    QCOMPARE(list.data(list.index(1), Qt::DisplayRole).toString(), QStringLiteral("caf\u00e9.png"));
    ::unlink(encodeFileName(latin1).constData()); // Qt could not list it to remove it
}

void TestImageList::removeAndClearCanBeUndone()
{
    ImageListModel list;
    QSignalSpy available(&list, &ImageListModel::undoAvailable);
    QVERIFY(!list.canUndo());
    const QStringList four = {file("a.png"), file("b.png"), file("c.png"), file("a.png")};
    list.addChosen(four);
    list.removeEntries({1, 3});
    list.removeEntries({7}); // nothing removed: nothing to undo for it
    list.clear();
    QVERIFY(list.isEmpty());
    list.undo();
    QCOMPARE(list.paths(), (QStringList {file("a.png"), file("c.png")}));
    list.undo();
    QCOMPARE(list.paths(), four);
    QCOMPARE(list.indexSelected(), 0);
    QVERIFY(!list.canUndo());
    QCOMPARE(available.last().first().toBool(), false);
    list.undo(); // nothing left: no change
    QCOMPARE(list.paths(), four);

    // An entry whose file has gone says so.
    QVERIFY(QFile::copy(file("b.png"), file("gone.png")));
    list.addChosen({file("gone.png")});
    const QModelIndex gone = list.index(int(list.rowCount()) - 1);
    QVERIFY(!gone.data(ImageListModel::MissingRole).toBool());
    QVERIFY(QFile::remove(file("gone.png")));
    QVERIFY(gone.data(ImageListModel::MissingRole).toBool());
}

QTEST_GUILESS_MAIN(TestImageList)
#include "tst_imagelist.moc"
