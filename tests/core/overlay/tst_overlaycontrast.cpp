// How well each overlay stands out from the picture under it, on synthetic pictures.
#include "options/ConversionOptions.h"
#include "overlay/OverlayContrast.h"

#include <QtTest>

namespace {

QImage filled(QSize size, QColor colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(colour);
    return image;
}

} // namespace

class TestOverlayContrast : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachOverlayAgainstThePicture_data();
    void eachOverlayAgainstThePicture();
    void transparentPartsAreLeftOut();
    void underMostOfItDecides();
};

void TestOverlayContrast::eachOverlayAgainstThePicture_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QColor>("overlay");
    QTest::addColumn<float>("opacity");
    QTest::addColumn<QColor>("picture");
    QTest::addColumn<bool>("faint");
    QTest::addColumn<double>("ratio"); // WCAG's ratio worked out by hand; 0 where not checked
    // White on white is 1:1, white on black 21:1. The ratio is (L1 + 0.05) / (L2 + 0.05) of the
    // relative luminances, 0.2126 R + 0.7152 G + 0.0722 B of the linear channels: pure red is
    // 0.2126, pure blue 0.0722.
    QTest::newRow("white text on white")
        << int(OverlayKind::Watermark) << QColor(Qt::white) << 1.0f << QColor(Qt::white) << true << 0.0;
    QTest::newRow("white text on black")
        << int(OverlayKind::Watermark) << QColor(Qt::white) << 1.0f << QColor(Qt::black) << false << 0.0;
    QTest::newRow("white text on light gray")
        << int(OverlayKind::Watermark) << QColor(Qt::white) << 1.0f << QColor(225, 225, 225) << true << 0.0;
    QTest::newRow("black text on white")
        << int(OverlayKind::Watermark) << QColor(Qt::black) << 1.0f << QColor(Qt::white) << false << 0.0;
    // At 10 % white over black shows as 26, 26, 26: 1.2:1; at 30 % as 77: 2.1:1.
    QTest::newRow("faint white text on black")
        << int(OverlayKind::Watermark) << QColor(Qt::white) << 0.1f << QColor(Qt::black) << true << 0.0;
    QTest::newRow("30 % white text on black")
        << int(OverlayKind::Watermark) << QColor(Qt::white) << 0.3f << QColor(Qt::black) << false << 0.0;
    QTest::newRow("white lines on white")
        << int(OverlayKind::CopyrightLines) << QColor(Qt::white) << 1.0f << QColor(Qt::white) << true << 0.0;
    QTest::newRow("white lines on blue") << int(OverlayKind::CopyrightLines) << QColor(Qt::white) << 1.0f
                                         << QColor(0x30, 0x60, 0xa0) << false << 0.0;
    QTest::newRow("white logo on white")
        << int(OverlayKind::Logo) << QColor(Qt::white) << 1.0f << QColor(Qt::white) << true << 1.0;
    QTest::newRow("red logo on white") // 1.05 / 0.2626
        << int(OverlayKind::Logo) << QColor(Qt::red) << 1.0f << QColor(Qt::white) << false << 3.998;
    QTest::newRow("blue logo on black") // 0.1222 / 0.05
        << int(OverlayKind::Logo) << QColor(Qt::blue) << 1.0f << QColor(Qt::black) << false << 2.444;
    QTest::newRow("green logo on black") // 0.7652 / 0.05
        << int(OverlayKind::Logo) << QColor(Qt::green) << 1.0f << QColor(Qt::black) << false << 15.304;
}

void TestOverlayContrast::eachOverlayAgainstThePicture()
{
    QFETCH(int, kind);
    QFETCH(QColor, overlay);
    QFETCH(float, opacity);
    QFETCH(QColor, picture);
    QFETCH(bool, faint);
    QFETCH(double, ratio);
    ConversionOptions o;
    switch (OverlayKind(kind)) {
    case OverlayKind::Watermark:
        o.watermark.enabled = true;
        o.watermark.text = QStringLiteral("Pressmark 2024");
        o.watermark.size = TextSize::Huge;
        o.watermark.color = overlay;
        o.watermark.opacity = opacity;
        break;
    case OverlayKind::CopyrightLines:
        o.copyright.enabled = true;
        o.copyright.pattern = LinePattern::DiagonalCross;
        o.copyright.color = overlay;
        o.copyright.opacity = opacity;
        break;
    case OverlayKind::Logo:
        o.logo.enabled = true;
        o.logo.picture = filled(QSize(40, 40), overlay);
        o.logo.opacity = opacity;
        break;
    }
    const QVector<OverlayContrast> found =
        overlayContrasts(filled(QSize(400, 300), picture), o, QSize(400, 300), false);
    QCOMPARE(found.size(), 1);
    QCOMPARE(int(found.first().kind), kind);
    QVERIFY2(found.first().hardlyVisible() == faint, qPrintable(QString::number(found.first().ratio)));
    QCOMPARE(hardlyVisibleOverlays(found).size(), faint ? 1 : 0);
    if (ratio > 0)
        QVERIFY2(qAbs(found.first().ratio - ratio) < 0.01, qPrintable(QString::number(found.first().ratio)));
}

void TestOverlayContrast::transparentPartsAreLeftOut()
{
    // A picture transparent but for its top half, white: the watermark at the bottom lies on
    // nothing (a PNG's viewer decides what shows there); the logo at the top on white.
    QImage picture = filled(QSize(400, 300), Qt::transparent, QImage::Format_ARGB32);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 400; ++x)
            picture.setPixel(x, y, qRgba(255, 255, 255, 255));
    ConversionOptions o;
    o.watermark.enabled = true;
    o.watermark.text = QStringLiteral("Pressmark");
    o.watermark.color = Qt::white;
    o.watermark.position = Placement::BottomRight;
    o.logo.enabled = true;
    o.logo.picture = filled(QSize(40, 40), Qt::white);
    o.logo.position = Placement::TopLeft;
    const QVector<OverlayContrast> found = overlayContrasts(picture, o, picture.size(), false);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().kind, OverlayKind::Logo);
    QVERIFY(found.first().hardlyVisible());
}

void TestOverlayContrast::underMostOfItDecides()
{
    // Lines across a picture white but for a black band: the diagonals cross the band for a
    // part of their length. Under most of them white is what they lie on.
    QImage picture = filled(QSize(400, 300), Qt::white);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            if (x >= 40 && x < 100)
                picture.setPixel(x, y, qRgb(0, 0, 0));
    ConversionOptions o;
    o.copyright.enabled = true;
    o.copyright.pattern = LinePattern::DiagonalCross;
    o.copyright.color = Qt::white;
    QVERIFY(hardlyVisibleOverlays(overlayContrasts(picture, o, picture.size(), false))
                .contains(OverlayKind::CopyrightLines));
    // Black under most of them: they stand out.
    picture.invertPixels();
    QVERIFY(hardlyVisibleOverlays(overlayContrasts(picture, o, picture.size(), false)).isEmpty());
    // Laid out for the full size and drawn on a preview a quarter of it: the same verdict.
    const QImage small = picture.scaled(100, 75);
    QVERIFY(hardlyVisibleOverlays(overlayContrasts(small, o, picture.size(), false)).isEmpty());
}

QTEST_MAIN(TestOverlayContrast)
#include "tst_overlaycontrast.moc"
