// The grid cell's preview against the file a conversion with the same options writes, read back
// by Qt's own readers, at the cell preview's scale.
#include "MainWindow.h"
#include "TestImages.h"
#include "batch/ConversionRunner.h"
#include "browser/BrowserModel.h"
#include "browser/ImageListModel.h"
#include "preview/OverlayWarning.h"
#include "sections/OptionsPanel.h"
#include "sections/OutputControls.h"
#include "settings/SettingsSchema.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The preview is drawn at most this a side; the 800 x 600 source is drawn at 0.64 of its size.
constexpr int kPreviewSide = 2 * BrowserModel::kThumbnailSide;
constexpr double kScale = kPreviewSide / 800.0;

QPoint inFile(QPoint preview)
{
    return QPoint(int(preview.x() / kScale), int(preview.y() / kScale));
}

// Transparent pixels are alike whatever colour they hold.
bool near(QColor a, QColor b, int tolerance)
{
    if (a.alpha() == 0 && b.alpha() == 0)
        return true;
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}

QString describe(QColor c)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

// White overlays: a solid white logo at the bottom left, a white watermark at the bottom right and
// white diagonal lines.
ConversionOptions whiteOverlays(OutputFormat format)
{
    ConversionOptions o;
    o.format = format;
    o.jpegQuality = 100;
    o.logo.enabled = true;
    o.logo.picture = QImage(60, 60, QImage::Format_RGB32);
    o.logo.picture.fill(Qt::white);
    o.logo.position = Placement::BottomLeft;
    o.watermark.enabled = true;
    o.watermark.text = QStringLiteral("Pressmark 2024");
    o.watermark.size = TextSize::Large;
    o.watermark.color = Qt::white;
    o.watermark.position = Placement::BottomRight;
    o.copyright.enabled = true;
    o.copyright.pattern = LinePattern::DiagonalCross;
    o.copyright.color = Qt::white;
    return o;
}

} // namespace

class TestCellPreview : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void previewIsTheWrittenFile_data();
    void previewIsTheWrittenFile();
    void srgbConversionIsPreviewed_data();
    void srgbConversionIsPreviewed();
    void windowWarnsOfFaintOverlays();

private:
    QImage preview(const QString &path, const ConversionOptions &options);
    QImage written(const QString &path, const ConversionOptions &options);
    QTemporaryDir m_dir;
    QString m_transparent;
};

void TestCellPreview::initTestCase()
{
    // 800 x 600, transparent but for a blue rectangle 100 pixels in from each side, and two red
    // bands in the top border, at 40 % and 80 % opacity.
    m_transparent = m_dir.filePath("border.png");
    int status = 0;
    TestImages::run("convert",
                    {"-size", "800x600", "xc:none", "-fill", "#3060a0", "-draw", "rectangle 100,100 699,499",
                     "-fill", "rgba(220,30,30,0.4)", "-draw", "rectangle 200,20 399,60", "-fill",
                     "rgba(220,30,30,0.8)", "-draw", "rectangle 400,20 599,60", "PNG32:" + m_transparent},
                    &status);
    if (status != 0)
        QSKIP("needs ImageMagick (package imagemagick)");
}

QImage TestCellPreview::preview(const QString &path, const ConversionOptions &options)
{
    ImageListModel list;
    list.addChosen({path});
    BrowserModel model(&list);
    QSignalSpy ready(&model, &BrowserModel::previewReady);
    model.showPreview(0, options);
    if (!ready.wait(20000))
        return QImage();
    const QIcon icon = model.data(model.index(0, 0), Qt::DecorationRole).value<QIcon>();
    if (icon.availableSizes().isEmpty())
        return QImage();
    return icon.pixmap(icon.availableSizes().constFirst()).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage TestCellPreview::written(const QString &path, const ConversionOptions &options)
{
    ConversionJob job;
    job.inputs = {path};
    job.options = options;
    job.outputFolder = m_dir.filePath(QStringLiteral("out%1").arg(int(options.format)));
    QDir().mkpath(job.outputFolder);
    const FileResult result = ConversionRunner(job).run().files.value(0);
    if (result.status != FileStatus::Written)
        return QImage();
    // AVIF and JPEG XL read back by their own tools.
    QString readable = result.output;
    if (options.format == OutputFormat::Avif || options.format == OutputFormat::JpegXl) {
        readable = result.output + QStringLiteral(".png");
        int status = 0;
        TestImages::run(options.format == OutputFormat::Avif ? QStringLiteral("avifdec")
                                                             : QStringLiteral("djxl"),
                        {result.output, readable}, &status);
        if (status != 0)
            return QImage();
    }
    return QImage(readable).convertToFormat(QImage::Format_ARGB32);
}

void TestCellPreview::previewIsTheWrittenFile_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("JPEG") << int(OutputFormat::Jpeg) << 6;
    QTest::newRow("PNG") << int(OutputFormat::Png) << 2;
    QTest::newRow("GIF") << int(OutputFormat::Gif) << 10;
    // Lossless at 100, and keeping alpha as PNG does.
    QTest::newRow("WebP") << int(OutputFormat::WebP) << 2;
    QTest::newRow("AVIF") << int(OutputFormat::Avif) << 3;
    QTest::newRow("JPEG XL") << int(OutputFormat::JpegXl) << 2;
}

void TestCellPreview::previewIsTheWrittenFile()
{
    QFETCH(int, format);
    QFETCH(int, tolerance);
    const OutputFormat outputFormat = OutputFormat(format);
    const ConversionOptions options = whiteOverlays(outputFormat);
    const QImage shown = preview(m_transparent, options);
    QCOMPARE(shown.size(), QSize(kPreviewSide, kPreviewSide * 3 / 4));
    const QImage file = written(m_transparent, options);
    if (file.isNull() && (outputFormat == OutputFormat::Avif || outputFormat == OutputFormat::JpegXl))
        QSKIP("needs avifdec and djxl (packages libavif-bin, libjxl-tools)");
    QCOMPARE(file.size(), QSize(800, 600));

    const QPoint border(3, 200);        // the transparent border, left
    const QPoint logoOnBorder(25, 365); // the white logo where it lies on the border
    const QPoint blue(200, 120);
    const QPoint faintBand(192, 25);  // the band at 40 % opacity
    const QPoint strongBand(320, 25); // the band at 80 % opacity
    for (const QPoint &at : {border, logoOnBorder, blue, faintBand, strongBand}) {
        const QColor a = shown.pixelColor(at), b = file.pixelColor(inFile(at));
        QVERIFY2(near(a, b, tolerance),
                 qPrintable(QStringLiteral("at (%1, %2) the preview shows %3, the file holds %4")
                                .arg(at.x())
                                .arg(at.y())
                                .arg(describe(a), describe(b))));
    }
    const QColor white(255, 255, 255);
    switch (outputFormat) {
    case OutputFormat::Jpeg:
        // Laid on white: the border is white, and so is the white logo on it.
        QVERIFY(near(shown.pixelColor(border), white, 2));
        QVERIFY(near(shown.pixelColor(logoOnBorder), white, 2));
        break;
    case OutputFormat::Png:
    case OutputFormat::WebP:
    case OutputFormat::Avif:
    case OutputFormat::JpegXl:
        // Transparent where the source is; the logo stands out from it.
        QCOMPARE(shown.pixelColor(border).alpha(), 0);
        QVERIFY(near(shown.pixelColor(logoOnBorder), white, 2));
        QCOMPARE(shown.pixelColor(faintBand).alpha(), 102);
        break;
    case OutputFormat::Gif:
        // One transparent index: under half opacity transparent, the rest opaque.
        QCOMPARE(shown.pixelColor(border).alpha(), 0);
        QCOMPARE(shown.pixelColor(faintBand).alpha(), 0);
        QVERIFY(near(shown.pixelColor(strongBand), QColor(220, 30, 30), tolerance));
        break;
    default:
        break;
    }
    // The watermark in the bottom border: white on white in a JPEG, white on nothing in a PNG.
    const QRect corner(int(450 * kScale), int(520 * kScale), int(340 * kScale), int(75 * kScale));
    int opaque = 0, notWhite = 0;
    for (int y = corner.top(); y <= corner.bottom(); ++y)
        for (int x = corner.left(); x <= corner.right(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            opaque += c.alpha() > 200;
            notWhite += !near(c, white, 3);
        }
    if (outputFormat == OutputFormat::Jpeg)
        QCOMPARE(notWhite, 0);
    else
        QVERIFY2(opaque > 50, qPrintable(QString::number(opaque)));
    // The same letters in the same font: the file scaled to the preview's size is close to it.
    const QImage scaled = file.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double difference = 0;
    for (int y = corner.top(); y <= corner.bottom(); ++y)
        for (int x = corner.left(); x <= corner.right(); ++x)
            difference += std::abs(shown.pixelColor(x, y).alpha() - scaled.pixelColor(x, y).alpha());
    difference /= corner.width() * corner.height();
    QVERIFY2(difference < 12, qPrintable(QString::number(difference)));
}

void TestCellPreview::srgbConversionIsPreviewed_data()
{
    QTest::addColumn<int>("profile");
    QTest::newRow("kept") << int(OutputProfile::Keep);
    QTest::newRow("sRGB") << int(OutputProfile::Srgb);
}

void TestCellPreview::srgbConversionIsPreviewed()
{
    // A flat Adobe RGB green: converted to sRGB its numbers change.
    QFETCH(int, profile);
    const QString source = m_dir.filePath("adobe.jpg");
    QImage flat(800, 600, QImage::Format_RGB32);
    flat.fill(qRgb(40, 160, 60));
    TestImages::writeWithQt(flat, source, "jpeg", 100);
    TestImages::setIcc(source, TestImages::adobeRgbProfile());
    ConversionOptions options;
    options.jpegQuality = 100;
    options.outputProfile = OutputProfile(profile);
    const QImage shown = preview(source, options);
    const QImage file = written(source, options);
    QVERIFY(!shown.isNull() && !file.isNull());
    const QColor a = shown.pixelColor(100, 100), b = file.pixelColor(inFile(QPoint(100, 100)));
    QVERIFY2(near(a, b, 2), qPrintable(describe(a) + " against " + describe(b)));
    QCOMPARE(near(b, QColor(40, 160, 60), 3), OutputProfile(profile) == OutputProfile::Keep);
}

void TestCellPreview::windowWarnsOfFaintOverlays()
{
    // A white watermark at the bottom right, where the border is: on JPEG's white it hardly
    // shows; in a PNG it lies on transparency, which the viewer decides.
    MainWindow window;
    AppSettings settings = shippedSettings();
    settings.setInteger(Setting::LogoOn, 0);
    settings.setInteger(Setting::WatermarkOn, 1);
    settings.setText(Setting::WatermarkText, QStringLiteral("Pressmark 2024"));
    settings.setColor(Setting::WatermarkColor, QColor(Qt::white));
    settings.setFraction(Setting::WatermarkOpacity, 1.0f);
    settings.setInteger(Setting::WatermarkPosition, int(Placement::BottomRight));
    settings.setInteger(Setting::Format, int(OutputFormat::Jpeg));
    window.options()->applySettings(settings);
    window.openFiles({m_transparent});
    QTRY_VERIFY_WITH_TIMEOUT(!window.overlayWarning()->isHidden(), 20000);
    QCOMPARE(window.overlayWarning()->text(),
             QStringLiteral("⚠ The watermark is hardly visible on this picture."));

    // Choosing PNG renders the preview afresh: transparent where the source is, no warning.
    BrowserModel *model = window.browserModel();
    QSignalSpy ready(model, &BrowserModel::previewReady);
    QComboBox *format = window.options()->output()->formatPopup;
    format->setCurrentIndex(int(OutputFormat::Png));
    Q_EMIT format->activated(int(OutputFormat::Png));
    QVERIFY(ready.wait(20000));
    QVERIFY(window.overlayWarning()->isHidden());
    const QIcon icon = model->data(model->index(0, 0), Qt::DecorationRole).value<QIcon>();
    const QImage shown = icon.pixmap(icon.availableSizes().constFirst()).toImage();
    QCOMPARE(shown.pixelColor(3, 200).alpha(), 0);

    // Black letters stand out on JPEG's white.
    settings.setInteger(Setting::Format, int(OutputFormat::Jpeg));
    settings.setColor(Setting::WatermarkColor, QColor(Qt::black));
    window.options()->applySettings(settings);
    window.updatePreview();
    QVERIFY(ready.wait(20000));
    QVERIFY(window.overlayWarning()->isHidden());
}

QTEST_MAIN(TestCellPreview)
#include "tst_cellpreview.moc"
