#include "TestImages.h"
#include "decode/EpsReader.h"
#include "decode/ImageDecoder.h"

#include <QtEndian>
#include <QtTest>

namespace {

// A drawing of 600 x 400 points: the left half red, the lower right quarter blue, the rest
// left transparent.
const QByteArray kDrawing = "%!PS-Adobe-3.0 EPSF-3.0\n"
                            "%%BoundingBox: 0 0 600 400\n"
                            "%%EndComments\n"
                            "1 0 0 setrgbcolor 0 0 300 400 rectfill\n"
                            "0 0 1 setrgbcolor 300 0 300 200 rectfill\n"
                            "showpage\n%%EOF\n";

QByteArray dosBinary(const QByteArray &postscript, const QByteArray &preview)
{
    QByteArray header(30, '\0');
    header.replace(0, 4, "\xC5\xD0\xD3\xC6");
    qToLittleEndian<quint32>(30, header.data() + 4);
    qToLittleEndian<quint32>(quint32(postscript.size()), header.data() + 8);
    qToLittleEndian<quint32>(quint32(30 + postscript.size()), header.data() + 20); // TIFF preview
    qToLittleEndian<quint32>(quint32(preview.size()), header.data() + 24);
    header[28] = header[29] = '\xff';
    return header + postscript + preview;
}

struct Decoded {
    DecodedImage image;
    FailureReason reason = FailureReason::None;
    QString error;
};

Decoded decode(const QByteArray &bytes)
{
    TestImages::saveFuzzSeed(QStringLiteral("eps"), bytes);
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/fixture-XXXXXX.eps"));
    file.open();
    file.write(bytes);
    file.flush();
    const Result<DecodedImage> decoded = ImageDecoder(file.fileName()).openAndDecode();
    Decoded d;
    d.image = decoded.value();
    d.reason = decoded.failure().reason;
    d.error = decoded.failure().detail;
    return d;
}

// A red bar over the left half of a 10 x 10 point box, and whatever `body` does before it.
QByteArray tenPointBox(const QByteArray &body, bool boxed = true)
{
    return "%!PS-Adobe-3.0 EPSF-3.0\n" + QByteArray(boxed ? "%%BoundingBox: 0 0 10 10\n" : "") +
           "%%EndComments\n" + body + "\n1 0 0 setrgbcolor 0 0 5 10 rectfill\nshowpage\n%%EOF\n";
}

} // namespace

class TestEps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void rendersTheDrawing_data();
    void rendersTheDrawing();
    void hostileFiles_data();
    void hostileFiles();
    void timeLimitStopsGhostscript();
    void pageStaysAtTheDeclaredBox_data();
    void pageStaysAtTheDeclaredBox();
    void largerRenderingIsRefused();
    void ghostscriptIsHeldToTheDeclaredMemory();
    void sandboxHoldsEveryEscape_data();
    void sandboxHoldsEveryEscape();

private:
    QTemporaryDir m_tmp; // the readers' temporary folders go here, to be counted
};

void TestEps::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty())
        QSKIP("Ghostscript is not installed (package ghostscript)");
    qputenv("TMPDIR", QFile::encodeName(m_tmp.path()));
}

// Every reader's temporary files are gone once it has finished, whatever it read.
void TestEps::cleanup()
{
    QCOMPARE(QDir(m_tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestEps::rendersTheDrawing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QPoint>("corner"); // the box's lower left, in points
    QTest::addColumn<QSize>("size");
    const QSize whole(600, 400), box(300, 200);
    QTest::newRow("at 72 dpi") << kDrawing << QPoint(0, 0) << whole;
    QBuffer preview;
    preview.open(QIODevice::WriteOnly);
    QImage(32, 32, QImage::Format_RGB32).save(&preview, "tiff");
    QTest::newRow("DOS-binary: its PostScript")
        << dosBinary(kDrawing, preview.data()) << QPoint(0, 0) << whole;
    QTest::newRow("cropped to the box")
        << QByteArray(kDrawing).replace("%%BoundingBox: 0 0 600 400",
                                        "%%BoundingBox: 200 100 500 300\n%%HiResBoundingBox: 200 100 500 300")
        << QPoint(200, 100) << box;

    // "%%BoundingBox: (atend)" defers to the trailer: the page is that box, as for one in the header.
    QByteArray atEnd = kDrawing;
    atEnd.replace("%%BoundingBox: 0 0 600 400", "%%BoundingBox: (atend)");
    const QByteArray trailer = "%%Trailer\n%%BoundingBox: 200 100 500 300\n";
    const QByteArray end = "showpage\n%%EOF\n";
    QTest::newRow("box in the trailer")
        << QByteArray(atEnd).replace(end, "showpage\n" + trailer + "%%EOF\n") << QPoint(200, 100) << box;
    QTest::newRow("box after %%EOF") << QByteArray(atEnd).replace(end, end + trailer) << QPoint(200, 100)
                                     << box;
    QTest::newRow("box beyond the first 256 KiB")
        << QByteArray(atEnd).replace(end, QByteArray("% padding\n").repeated(30000) + "showpage\n" + trailer +
                                              "%%EOF\n")
        << QPoint(200, 100) << box;
    // A DOS-binary EPS whose stated PostScript length stops inside its trailer, before the box
    // (as some writers leave it): the section runs on to the end of the file.
    const QByteArray postscript = QByteArray(atEnd).replace(end, "showpage\n" + trailer);
    const QByteArray tiff(64, '\x11');
    QByteArray header(30, '\0');
    header.replace(0, 4, "\xC5\xD0\xD3\xC6");
    qToLittleEndian<quint32>(quint32(30 + tiff.size()), header.data() + 4);
    qToLittleEndian<quint32>(quint32(postscript.indexOf("%%Trailer") + 2), header.data() + 8);
    qToLittleEndian<quint32>(30, header.data() + 20); // TIFF preview, before the PostScript
    qToLittleEndian<quint32>(quint32(tiff.size()), header.data() + 24);
    header[28] = header[29] = '\xff';
    QTest::newRow("DOS-binary, stated length short of the trailer")
        << header + tiff + postscript << QPoint(200, 100) << box;

    // An EPS need not call showpage: what it drew is the picture.
    const QByteArray unshown = QByteArray(kDrawing).replace("showpage\n", "");
    QTest::newRow("no showpage") << unshown << QPoint(0, 0) << whole;
    QTest::newRow("no showpage, headed as plain PostScript with a box")
        << QByteArray(unshown).replace("%!PS-Adobe-3.0 EPSF-3.0", "%!PS-Adobe-2.0") << QPoint(0, 0) << whole;
    QTest::newRow("showpage defined but never called")
        << QByteArray(unshown).replace("%%EndComments\n", "%%EndComments\n/sp {showpage} def\n")
        << QPoint(0, 0) << whole;
    QTest::newRow("showpage redefined to nothing")
        << QByteArray(unshown).replace("%%EndComments\n", "%%EndComments\n/showpage {} def\n") << QPoint(0, 0)
        << whole;
}

// Rendered at 72 dpi, its rows top-down (PostScript's y runs bottom-up), the box's corner at the
// picture's; one page, not two, for a file that does call showpage.
void TestEps::rendersTheDrawing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QPoint, corner);
    QFETCH(QSize, size);
    const Decoded d = decode(bytes);
    QVERIFY2(!d.image.image.isNull(), qPrintable(d.error));
    QCOMPARE(d.image.image.size(), size);
    QCOMPARE(d.image.statedDpi, 72.0);
    const auto at = [&](int x, int y) {
        return d.image.image.pixel(x - corner.x(), size.height() - (y - corner.y()));
    };
    QCOMPARE(at(250, 150), qRgb(255, 0, 0));
    QCOMPARE(at(450, 150), qRgb(0, 0, 255));
    QCOMPARE(qAlpha(at(450, 250)), 0);
}

void TestEps::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("reason");
    QByteArray huge = kDrawing;
    huge.replace("0 0 600 400", "0 0 1000000 1000000");
    QTest::newRow("bounding box of a trillion pixels") << huge << int(FailureReason::TooLarge);
    QByteArray snoop = kDrawing;
    snoop.replace("showpage", "(/etc/passwd) (r) file 100 string readstring pop pop showpage");
    QTest::newRow("reads a file outside (SAFER)") << snoop << int(FailureReason::Unsupported);
    QByteArray outside = dosBinary(kDrawing, QByteArray());
    qToLittleEndian<quint32>(0x7fffff00, outside.data() + 8);
    QTest::newRow("DOS header pointing outside") << outside << int(FailureReason::Unsupported);
    QTest::newRow("DOS header only") << QByteArray("\xC5\xD0\xD3\xC6\x1e", 5)
                                     << int(FailureReason::Unsupported);
    QTest::newRow("PostScript error")
        << QByteArray("%!PS\nnosuchoperator\n") << int(FailureReason::Unsupported);
}

void TestEps::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    const Decoded d = decode(bytes);
    QVERIFY(d.image.image.isNull());
    QTEST(int(d.reason), "reason");
}

void TestEps::timeLimitStopsGhostscript()
{
    setGhostscriptTimeLimit(1500);
    QElapsedTimer timer;
    timer.start();
    const Decoded d = decode("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 10 10\n{} loop\n");
    setGhostscriptTimeLimit(30000);
    QVERIFY(d.image.image.isNull());
    QCOMPARE(d.reason, FailureReason::TimeLimitExceeded);
    QVERIFY2(d.error.contains(QStringLiteral("longer than")), qPrintable(d.error));
    QVERIFY(timer.elapsed() < 10000);
}

void TestEps::pageStaysAtTheDeclaredBox_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    const QByteArray largerPage = "<< /PageSize [3000 3000] >> setpagedevice";
    const QByteArray insistingPage = "<< /PageSize [3000 3000] /HWResolution [144 144] "
                                     "/Policies << /PageSize 3 /HWResolution 3 >> >> setpagedevice";
    QTest::newRow("box, larger page set") << tenPointBox(largerPage) << QSize(10, 10);
    QTest::newRow("box, larger page and resolution insisted on")
        << tenPointBox(insistingPage) << QSize(10, 10);
    // Without a box, an A4 page of 595 x 842 points.
    QTest::newRow("no box") << tenPointBox(QByteArray(), false) << QSize(595, 842);
    QTest::newRow("no box, larger page set") << tenPointBox(largerPage, false) << QSize(595, 842);
}

// PostScript in the file cannot enlarge the page beyond the size its header gave, the size the
// memory budget admitted it for.
void TestEps::pageStaysAtTheDeclaredBox()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    TestImages::saveFuzzSeed(QStringLiteral("eps"), bytes);
    ImageDecoder decoder(bytes, "eps");
    QVERIFY(!decoder.open().failed());
    QCOMPARE(decoder.size(), size);
    const Result<DecodedImage> decoded = decoder.decode(QSize());
    QVERIFY2(decoded.ok(), qPrintable(decoded.failure().text()));
    const QImage &image = decoded.value().image;
    QCOMPARE(image.size(), size);
    QCOMPARE(image.pixel(2, size.height() - 5), qRgb(255, 0, 0));
    QCOMPARE(qAlpha(image.pixel(7, size.height() - 5)), 0);
}

// Should Ghostscript ever draw a larger page than the file declares, the picture is refused
// before it is decoded. A stand-in for Ghostscript writes a 3000 x 3000 PNG.
void TestEps::largerRenderingIsRefused()
{
    Decoded d;
    {
        QTemporaryDir bin;
        const QString page = bin.filePath(QStringLiteral("page.png"));
        QVERIFY(QImage(3000, 3000, QImage::Format_ARGB32).save(page, "PNG"));
        const QString gs = bin.filePath(QStringLiteral("gs"));
        TestImages::writeFile(gs, "#!/bin/sh\nfor a in \"$@\"; do case \"$a\" in -sOutputFile=*) exec cp '" +
                                      QFile::encodeName(page) + "' \"${a#-sOutputFile=}\";; esac; done\n");
        QVERIFY(QFile::setPermissions(gs, QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        d = decode(tenPointBox(QByteArray()));
        qputenv("PATH", path);
    }
    QVERIFY(d.image.image.isNull());
    QCOMPARE(d.reason, FailureReason::TooLarge);
    QVERIFY2(d.error.contains(QStringLiteral("larger page than the file declares")), qPrintable(d.error));
}

// The memory an EPS is admitted for includes Ghostscript's: at least the 56 MiB of address space
// Ghostscript 10 takes to start, and Ghostscript cannot take more than was declared.
void TestEps::ghostscriptIsHeldToTheDeclaredMemory()
{
    ImageDecoder decoder(tenPointBox(QByteArray()), "eps");
    QVERIFY(!decoder.open().failed());
    const qint64 declaredMiB = decoder.decodedBytes(QSize()) >> 20;
    QVERIFY2(declaredMiB >= 56, qPrintable(QString::number(declaredMiB)));

    const auto hoarding = [](qint64 mebibytes) {
        return tenPointBox(QByteArrayLiteral("/hoard [1 1 ") + QByteArray::number(mebibytes) +
                           " {pop 1048576 string} for] def");
    };
    const Decoded modest = decode(hoarding(16));
    QVERIFY2(!modest.image.image.isNull(), qPrintable(modest.error));
    const Decoded greedy = decode(hoarding(declaredMiB + 16));
    QVERIFY(greedy.image.image.isNull());
    QCOMPARE(greedy.reason, FailureReason::OutOfMemory);
}

void TestEps::sandboxHoldsEveryEscape_data()
{
    QTest::addColumn<QByteArray>("attack");
    // TMP and HOME stand for this process's temporary folder and home.
    QTest::newRow("write in the temporary folder")
        << QByteArray("/f (TMP/victim) (w) file def f (owned) writestring f closefile");
    QTest::newRow("read the temporary folder")
        << QByteArray("(TMP/victim) (r) file 100 string readstring pop 10 10 moveto show");
    QTest::newRow("delete in the temporary folder") << QByteArray("(TMP/victim) deletefile");
    QTest::newRow("rename in the temporary folder") << QByteArray("(TMP/victim) (TMP/renamed) renamefile");
    QTest::newRow("read the home folder")
        << QByteArray("(HOME/secret) (r) file 100 string readstring pop pop");
    QTest::newRow("write in the home folder")
        << QByteArray("/f (HOME/planted) (w) file def f (x) writestring f closefile");
    QTest::newRow("run a command") << QByteArray("/f (%pipe%touch TMP/piped) (w) file def f closefile");
}

// Ghostscript's SAFER mode leaves the temporary folder open to a file's PostScript: every attempt
// to reach this process's files must fail, and the conversion say why.
void TestEps::sandboxHoldsEveryEscape()
{
    QFETCH(QByteArray, attack);
    QTemporaryDir home;
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString victim = QDir(m_tmp.path()).filePath("victim");
    const QString secret = QDir(home.path()).filePath("secret");
    TestImages::writeFile(victim, "intact");
    TestImages::writeFile(secret, "intact");
    attack.replace("TMP", QFile::encodeName(m_tmp.path())).replace("HOME", QFile::encodeName(home.path()));

    QByteArray eps = kDrawing;
    eps.replace("showpage", attack + "\nshowpage");
    const Decoded d = decode(eps);
    qputenv("HOME", previousHome);

    QCOMPARE(d.reason, FailureReason::Unsupported);
    QVERIFY2(d.error.contains(QStringLiteral("invalidfileaccess")) ||
                 d.error.contains(QStringLiteral("ioerror")),
             qPrintable(d.error));
    QCOMPARE(TestImages::readFile(victim), QByteArray("intact"));
    QCOMPARE(TestImages::readFile(secret), QByteArray("intact"));
    QVERIFY(!QFile::exists(QDir(m_tmp.path()).filePath("renamed")));
    QVERIFY(!QFile::exists(QDir(m_tmp.path()).filePath("piped")));
    QVERIFY(!QFile::exists(QDir(home.path()).filePath("planted")));
    QVERIFY(QFile::remove(victim));
}

QTEST_GUILESS_MAIN(TestEps)
#include "tst_eps.moc"
