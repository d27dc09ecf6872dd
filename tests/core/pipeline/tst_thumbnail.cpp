// The image browser's reading of a file: every extension the list takes is read by a decoder,
// what the header tells (upright pixel size, format, bytes), and the failure a conversion would
// meet for a file that cannot be read.
#include "TestImages.h"
#include "batch/InputFiles.h"
#include "pipeline/Thumbnail.h"

#include <QtEndian>
#include <QtTest>

class TestThumbnail : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneListForEveryRoad();
    void everyKindIsRead_data();
    void everyKindIsRead();
    void folderTakesTheWholeList();
    void sizeIsUpright();
    void unreadableFiles_data();
    void unreadableFiles();

private:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

namespace {

// A 24-bit TGA, bottom-up, as its header states it: TGA has no signature, so its name decides.
QByteArray tgaFile(int width, int height)
{
    QByteArray header(18, '\0');
    header[2] = 2;
    qToLittleEndian<quint16>(quint16(width), header.data() + 12);
    qToLittleEndian<quint16>(quint16(height), header.data() + 14);
    header[16] = 24;
    return header + QByteArray(width * height * 3, char(0x80));
}

} // namespace

void TestThumbnail::oneListForEveryRoad()
{
    const QStringList &list = readableExtensions();
    // Lower case, each once: "any case" is the matching's business.
    for (const QString &extension : list) {
        QCOMPARE(extension, extension.toLower());
        QCOMPARE(list.count(extension), 1);
    }
    // The open dialog's classic list, and the types only drops and folders took before.
    for (const QString &extension : openDialogExtensions())
        QVERIFY2(list.contains(extension.toLower()), qPrintable(extension));
    for (const char *extension : {"eps", "bmp", "webp", "tga", "icb", "vda", "vst", "ico", "cur", "psb",
                                  "heic", "heif", "avif", "jxl", "jp2", "dng", "nef"})
        QVERIFY2(list.contains(QLatin1String(extension)), extension);
    QVERIFY(hasAcceptedExtension(QStringLiteral("/p/Sunset.Bmp"), list));
    QVERIFY(!hasAcceptedExtension(QStringLiteral("/p/notes.txt"), list));
}

void TestThumbnail::everyKindIsRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    QTest::newRow("png") << QStringLiteral("a.png") << "PNG";
    QTest::newRow("jpeg, upper case") << QStringLiteral("b.JPG") << "JPEG";
    QTest::newRow("tiff") << QStringLiteral("c.tif") << "TIFF";
    QTest::newRow("bmp") << QStringLiteral("e.bmp") << "BMP";
    QTest::newRow("bmp, mixed case") << QStringLiteral("f.Bmp") << "BMP";
    QTest::newRow("webp") << QStringLiteral("g.webp") << "WebP";
    QTest::newRow("ico") << QStringLiteral("h.ico") << "ICO";
    QTest::newRow("tga") << QStringLiteral("i.tga") << "TGA";
    QTest::newRow("tga named vst") << QStringLiteral("j.VST") << "TGA";
}

void TestThumbnail::everyKindIsRead()
{
    QFETCH(QString, name);
    QFETCH(QString, format);
    const QString path = file(name);
    const QString kind = QFileInfo(name).suffix().toLower();
    if (kind == QLatin1String("tga") || kind == QLatin1String("vst"))
        TestImages::writeFile(path, tgaFile(48, 32));
    else
        TestImages::writeWithQt(TestImages::quadrants(48, 32), path,
                                kind == QLatin1String("jpg")   ? "jpeg"
                                : kind == QLatin1String("tif") ? "tiff"
                                                               : qPrintable(kind));
    QVERIFY(hasAcceptedExtension(path, readableExtensions()));
    const Result<Thumbnail> read = makeThumbnail(path, 16);
    QVERIFY2(read.ok(), qPrintable(read.failure().text()));
    QCOMPARE(read.value().format, format);
    QCOMPARE(read.value().pixelSize, QSize(48, 32));
    QCOMPARE(read.value().fileBytes, QFileInfo(path).size());
    QCOMPARE(read.value().picture.size(), QSize(16, 10));
}

void TestThumbnail::folderTakesTheWholeList()
{
    // A folder stands for every picture Pressmark reads in it, in name order, whatever the case.
    QTemporaryDir folder;
    for (const char *name : {"d.heic", "a.bmp", "c.Tga", "b.WEBP", "e.psb", "notes.txt", "f.cur"})
        TestImages::writeFile(folder.filePath(QLatin1String(name)), "x");
    QStringList names;
    for (const QString &path : expandInputs({folder.path()}))
        names << QFileInfo(path).fileName();
    QCOMPARE(names, (QStringList {"a.bmp", "b.WEBP", "c.Tga", "d.heic", "e.psb", "f.cur"}));
}

void TestThumbnail::sizeIsUpright()
{
    // A photo stored 60 x 40 and shown turned a quarter (EXIF 6) is 40 x 60 pixels.
    const QString path = file("turned.jpg");
    TestImages::writeWithQt(TestImages::quadrants(60, 40), path, "jpeg", 95);
    TestImages::setExif(path, {{"Exif.Image.Orientation", "6"}});
    const Result<Thumbnail> read = makeThumbnail(path, 30);
    QVERIFY(read.ok());
    QCOMPARE(read.value().pixelSize, QSize(40, 60));
    QCOMPARE(read.value().picture.size(), QSize(20, 30));
}

void TestThumbnail::unreadableFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("failure");
    QTest::newRow("empty") << "x.jpg" << QByteArray() << "unsupported or damaged image: the file is empty";
    QTest::newRow("not a picture") << "words.png" << QByteArray("just some words")
                                   << "unsupported or damaged image: Unsupported image format";
    QTest::newRow("missing") << "gone.jpg" << QByteArray("-") << "missing";
}

void TestThumbnail::unreadableFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, failure);
    const QString path = file(name);
    if (bytes != "-")
        TestImages::writeFile(path, bytes);
    const Result<Thumbnail> read = makeThumbnail(path, 64);
    QVERIFY(!read.ok());
    QCOMPARE(read.failure().text(), failure);

    // A JPEG cut short is refused, never shown half grey.
    const QString whole = file("whole.jpg");
    TestImages::writeWithQt(TestImages::quadrants(300, 200), whole, "jpeg", 90);
    const QString cut = file("cut.jpg");
    TestImages::writeFile(cut, TestImages::readFile(whole).left(400));
    QVERIFY(!makeThumbnail(cut, 64).ok());
}

QTEST_GUILESS_MAIN(TestThumbnail)
#include "tst_thumbnail.moc"
