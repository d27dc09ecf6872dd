#include "TestImages.h"
#include "decode/ImageDecoder.h"
#include "decode/JpegHuffman.h"
#include "decode/RowSink.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csetjmp>
#include <cstring>
#include <jerror.h>

namespace {

// A picture decoded by libjpeg, with its own Huffman decoder or JpegHuffmanDecoder.
struct Decoded {
    QByteArray rows; // all of them, as libjpeg gives them
    bool installed = false;
    bool gaveUp = false;
    bool failed = false;
    bool endOfFile = false; // libjpeg's warning that the data ran out
};

struct Errors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    Decoded *out;
};

extern "C" void errorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<Errors *>(cinfo->err)->jump, 1);
}

extern "C" void emitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<Errors *>(cinfo->err)->out->endOfFile = true;
}

// Only state reached through pointers changes after the jump point.
void decodeSteps(jpeg_decompress_struct *cinfo, Errors *errors, const QByteArray *file, int denominator,
                 J_COLOR_SPACE space, JpegHuffmanDecoder *ours, Decoded *out)
{
    if (setjmp(errors->jump)) {
        out->failed = true;
        out->gaveUp = ours && ours->gaveUp();
        return;
    }
    jpeg_mem_src(cinfo, reinterpret_cast<const uchar *>(file->constData()), static_cast<unsigned long>(file->size()));
    jpeg_read_header(cinfo, TRUE);
    cinfo->scale_num = 1;
    cinfo->scale_denom = unsigned(denominator);
    if (space != JCS_UNKNOWN)
        cinfo->out_color_space = space;
    jpeg_start_decompress(cinfo);
    if (ours)
        out->installed = ours->install(cinfo);
    const qsizetype rowBytes = qsizetype(cinfo->output_width) * cinfo->output_components;
    out->rows = QByteArray(rowBytes * cinfo->output_height, '\0');
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(out->rows.data() + rowBytes * cinfo->output_scanline);
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
}

Decoded decode(const QByteArray &file, int denominator, bool ours, J_COLOR_SPACE space = JCS_UNKNOWN)
{
    Decoded out;
    Errors errors;
    errors.out = &out;
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = errorExit;
    errors.pub.emit_message = emitMessage;
    jpeg_create_decompress(&cinfo);
    {
        JpegHuffmanDecoder decoder;
        decodeSteps(&cinfo, &errors, &file, denominator, space, ours ? &decoder : nullptr, &out);
        jpeg_destroy_decompress(&cinfo);
    }
    return out;
}

// Every row it is given, in order.
class Rows final : public RowSink {
public:
    QByteArray rows;
    Failure begin(QSize size, QImage::Format, const DecodedImage &) override
    {
        m_rowBytes = qsizetype(size.width()) * 4;
        return {};
    }
    Failure take(uchar *band, qsizetype bytesPerLine, int count) override
    {
        for (int y = 0; y < count; ++y)
            rows.append(reinterpret_cast<const char *>(band + bytesPerLine * y), m_rowBytes);
        return {};
    }

private:
    qsizetype m_rowBytes = 0;
};

} // namespace

class TestJpegHuffman : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void sameCoefficientsAsLibjpeg_data();
    void sameCoefficientsAsLibjpeg();
    void damagedDataDecodesAsLibjpegDecodesIt_data();
    void damagedDataDecodesAsLibjpegDecodesIt();

private:
    QString fixture(const QString &kind);
    QTemporaryDir m_dir;
};

void TestJpegHuffman::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestImages::detailed(301, 203).save(m_dir.filePath("master.png"));
    // The same fine checker everywhere on grey: each block codes its last coefficient alone,
    // after runs of sixteen zeros.
    QImage checker(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < checker.height(); ++y)
        for (int x = 0; x < checker.width(); ++x)
            checker.setPixel(x, y, (x + y) % 2 ? qRgb(140, 140, 140) : qRgb(116, 116, 116));
    checker.save(m_dir.filePath("checker.png"));
}

// The fixture of a kind, made by ImageMagick, cjpeg and jpegtran.
QString TestJpegHuffman::fixture(const QString &kind)
{
    const QString path = m_dir.filePath(kind + ".jpg"), master = m_dir.filePath("master.png");
    if (QFile::exists(path))
        return path;
    const QMap<QString, QStringList> recipes {
        {"444", {master, "-quality", "92", "-sampling-factor", "1x1"}},
        {"422", {master, "-quality", "90", "-sampling-factor", "2x1"}},
        {"411", {master, "-quality", "90", "-sampling-factor", "4x1"}},
        {"gray", {master, "-colorspace", "Gray", "-quality", "90"}},
        {"cmyk", {master, "-colorspace", "CMYK", "-quality", "90"}},
        {"progressive", {master, "-quality", "88", "-interlace", "JPEG"}},
        // Every coefficient large: codes longer than the look-up, values of ten bits.
        {"noise", {"-size", "160x120", "xc:", "+noise", "Random", "-quality", "100", "-sampling-factor", "1x1"}},
        {"checker", {m_dir.filePath("checker.png"), "-quality", "100", "-sampling-factor", "1x1"}},
    };
    if (kind == "standard") { // libjpeg's standard tables, 4:2:0
        TestImages::run("convert", {master, path + ".ppm"});
        TestImages::run("cjpeg", {"-quality", "90", "-outfile", path, path + ".ppm"});
    } else if (kind.startsWith("restarts")) { // a restart every MCU, or every 7
        const QString every = kind == "restarts" ? "1B" : "7B";
        TestImages::run("jpegtran", {"-restart", every, "-outfile", path, fixture("422")});
    } else {
        TestImages::run("convert", QStringList(recipes.value(kind)) << path);
    }
    return path;
}

void TestJpegHuffman::sameCoefficientsAsLibjpeg_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("installed");
    QTest::newRow("4:4:4") << "444" << true;
    QTest::newRow("4:2:2") << "422" << true;
    QTest::newRow("4:1:1, six blocks an MCU") << "411" << true;
    QTest::newRow("4:2:0, libjpeg's standard tables") << "standard" << true;
    QTest::newRow("gray") << "gray" << true;
    QTest::newRow("CMYK") << "cmyk" << true;
    QTest::newRow("noise at quality 100") << "noise" << true;
    QTest::newRow("sixteen zeros at a time") << "checker" << true;
    QTest::newRow("a restart marker every MCU") << "restarts" << true;
    QTest::newRow("a restart marker every 7 MCUs") << "restarts7" << true;
    // Several scans: libjpeg's own decoder reads them all before the first row.
    QTest::newRow("progressive") << "progressive" << false;
}

// At every shrink on load, the pixels libjpeg makes of the coefficients found are those it makes
// of its own decoder's.
void TestJpegHuffman::sameCoefficientsAsLibjpeg()
{
    QFETCH(QString, kind);
    QFETCH(bool, installed);
    const QByteArray file = TestImages::readFile(fixture(kind));
    TestImages::saveFuzzSeed(QStringLiteral("jpeg-huffman"), file);
    for (const int denominator : {1, 2, 4, 8}) {
        const Decoded libjpeg = decode(file, denominator, false), ours = decode(file, denominator, true);
        QVERIFY(!libjpeg.failed && !ours.failed);
        QCOMPARE(ours.installed, installed);
        QVERIFY2(ours.rows == libjpeg.rows, qPrintable(QString("1/%1").arg(denominator)));
    }
}

void TestJpegHuffman::damagedDataDecodesAsLibjpegDecodesIt_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("from"); // replaced, a third into the scan's data
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<bool>("givesUp");
    const QByteArray ones("\xFF\x00\xFF\x00\xFF\x00", 6); // sixteen 1 bits and more: no code
    QTest::newRow("no code of any table") << "444" << QByteArray(6, 'x') << ones << true;
    QTest::newRow("an end marker in the scan") << "422" << QByteArray(2, 'x') << QByteArray("\xFF\xD9", 2) << true;
    QTest::newRow("cut in the scan") << "422" << QByteArray("cut") << QByteArray() << true;
    // libjpeg's marker reader finds the next interval's marker, and the interval between is
    // decoded from no data; a marker numbered further off is taken for the one missing.
    QTest::newRow("a restart marker missing") << "restarts7" << QByteArray("\xFF\xD3", 2) << QByteArray() << true;
    QTest::newRow("a restart marker misnumbered")
        << "restarts7" << QByteArray("\xFF\xD3", 2) << QByteArray("\xFF\xD6", 2) << false;
}

// Data the decoder gives up on is decoded by libjpeg's own decoder: the reader gives the pixels
// libjpeg gives, or fails where it reports data missing.
void TestJpegHuffman::damagedDataDecodesAsLibjpegDecodesIt()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(bool, givesUp);
    QByteArray file = TestImages::readFile(fixture(kind));
    const qsizetype scan = file.indexOf("\xFF\xDA");
    QVERIFY(scan > 0);
    const qsizetype at = scan + (file.size() - scan) / 3;
    if (from == "cut") {
        file.truncate(at);
    } else if (from.startsWith('\xFF')) { // a marker after a third of the data
        const qsizetype marker = file.indexOf(from, at);
        QVERIFY(marker > 0);
        file.replace(marker, from.size(), to);
    } else {
        file.replace(at, from.size(), to);
    }
    TestImages::saveFuzzSeed(QStringLiteral("jpeg-huffman"), file);

    const Decoded ours = decode(file, 2, true, JCS_EXT_BGRA);
    QVERIFY(ours.installed);
    QCOMPARE(ours.gaveUp, givesUp);
    const Decoded libjpeg = decode(file, 2, false, JCS_EXT_BGRA);
    if (!givesUp)
        QVERIFY(ours.rows == libjpeg.rows);

    const QString path = m_dir.filePath("damaged.jpg");
    TestImages::writeFile(path, file);
    // Streamed, the rows given before the decoder gave up are not given again.
    ImageDecoder streamed(path);
    QVERIFY(!streamed.open().failed());
    Rows rows;
    QCOMPARE(streamed.decodeRows(streamed.size() / 2, &rows).ok(), !libjpeg.endOfFile);
    if (!libjpeg.endOfFile)
        QVERIFY(rows.rows == libjpeg.rows);

    ImageDecoder reader(path);
    QVERIFY(!reader.open().failed());
    const Result<DecodedImage> decoded = reader.decode(reader.size() / 2);
    QCOMPARE(decoded.ok(), !libjpeg.endOfFile);
    if (!decoded.ok())
        return;
    const QImage &image = decoded.value().image;
    QCOMPARE(image.format(), QImage::Format_RGB32);
    const qsizetype rowBytes = qsizetype(image.width()) * 4;
    QCOMPARE(rowBytes * image.height(), libjpeg.rows.size());
    for (int y = 0; y < image.height(); ++y)
        QVERIFY2(std::memcmp(image.constScanLine(y), libjpeg.rows.constData() + rowBytes * y, size_t(rowBytes)) == 0,
                 qPrintable(QString("row %1").arg(y)));
}

QTEST_GUILESS_MAIN(TestJpegHuffman)
#include "tst_jpeghuffman.moc"
