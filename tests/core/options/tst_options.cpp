#include "options/ControlTexts.h"
#include "options/FontList.h"
#include "options/OptionsFromSettings.h"
#include "settings/AppSettings.h"

#include <QtTest>

#include <cmath>

namespace {

const FontChoices kFonts {{"Alpha", "DejaVu Sans", "Zeta"}, "Zeta"};

ConversionOptions derive(const AppSettings &values, const ConversionOptions &previous = ConversionOptions())
{
    return optionsFromSettings(values, previous, kFonts);
}

} // namespace

// How the option controls' values become the options a conversion reads.
class TestOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resizeFieldsGovernInOrder_data();
    void resizeFieldsGovernInOrder();
    void leadingInteger_data();
    void leadingInteger();
    void namingModes();
    void overlaySizesFollowTheirPopupsOnlyWhileDrawn();
    void copyrightPatternSwitchesTheLinesOn();
    void installedFamiliesOnceWithoutFoundry();
    void fontByNameThenPosition();
    void qualityFromTheSlider();
    void formatFromItsStoredIndex();
    void shippedDefaults();
    void percentLabels_data();
    void percentLabels();
    void sizeTexts_data();
    void sizeTexts();
    void startingFont_data();
    void startingFont();
};

void TestOptions::resizeFieldsGovernInOrder_data()
{
    // The fields: width, height, long edge, short edge, box width, box height; the percent; the
    // never-enlarge row as stored (0 by the mode, 1 never, 2 enlarging).
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("enlarge");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("fitHeight");
    QTest::addColumn<bool>("neverEnlarge");
    const int none = int(ResizeMode::None), byWidth = int(ResizeMode::Width),
              longEdge = int(ResizeMode::LongEdge), shortEdge = int(ResizeMode::ShortEdge),
              fit = int(ResizeMode::Fit), percent = int(ResizeMode::Percent);
    const QStringList empty(6);
    const auto with = [&](int field, const QString &text, int other = -1, const QString &otherText = {}) {
        QStringList fields = empty;
        fields[field] = text;
        if (other >= 0)
            fields[other] = otherText;
        return fields;
    };
    QTest::newRow("older files: the width, enlarging")
        << with(0, "800") << 0 << 0 << byWidth << 800 << 0 << false;
    QTest::newRow("height, enlarging")
        << with(1, "600") << 0 << 0 << int(ResizeMode::Height) << 600 << 0 << false;
    QTest::newRow("the width before the height")
        << with(0, "800", 1, "600") << 0 << 0 << byWidth << 800 << 0 << false;
    QTest::newRow("a width of 0 before the height")
        << with(0, "0", 1, "300") << 0 << 0 << none << 0 << 0 << false;
    QTest::newRow("the width's leading digits") << with(0, "640px") << 0 << 0 << byWidth << 640 << 0 << false;
    QTest::newRow("a negative width") << with(0, "-20") << 0 << 0 << none << 0 << 0 << false;
    QTest::newRow("width, never enlarging by choice")
        << with(0, "800") << 0 << 1 << byWidth << 800 << 0 << true;
    QTest::newRow("long edge, never enlarging by default")
        << with(2, "1200") << 0 << 0 << longEdge << 1200 << 0 << true;
    QTest::newRow("long edge, enlarging by choice")
        << with(2, "1200") << 0 << 2 << longEdge << 1200 << 0 << false;
    QTest::newRow("short edge") << with(3, "500") << 0 << 0 << shortEdge << 500 << 0 << true;
    QTest::newRow("box") << with(4, "800", 5, "600") << 0 << 0 << fit << 800 << 600 << true;
    QTest::newRow("box height alone") << with(5, "600") << 0 << 0 << fit << 0 << 600 << true;
    QTest::newRow("percent") << empty << 25 << 0 << percent << 25 << 0 << true;
    QTest::newRow("the width before the long edge")
        << with(0, "800", 2, "1200") << 0 << 0 << byWidth << 800 << 0 << false;
    QTest::newRow("the long edge before the box")
        << with(2, "1200", 4, "800") << 0 << 0 << longEdge << 1200 << 0 << true;
    QTest::newRow("the box before the percent") << with(4, "800") << 50 << 0 << fit << 800 << 0 << true;
    QTest::newRow("an empty height leaves the long edge")
        << with(1, "", 2, "900") << 0 << 0 << longEdge << 900 << 0 << true;
    QTest::newRow("a long edge of 0 wins over the percent")
        << with(2, "0") << 50 << 0 << none << 0 << 0 << false;
    QTest::newRow("a box of 0 x 0") << with(4, "0", 5, "0") << 0 << 0 << none << 0 << 0 << false;
}

void TestOptions::resizeFieldsGovernInOrder()
{
    QFETCH(QStringList, fields);
    AppSettings values = shippedSettings();
    const Setting rows[] = {Setting::WidthText,     Setting::HeightText,   Setting::LongEdgeText,
                            Setting::ShortEdgeText, Setting::FitWidthText, Setting::FitHeightText};
    for (int i = 0; i < 6; ++i)
        values.setText(rows[i], fields.at(i));
    QFETCH(int, percent);
    values.setInteger(Setting::ScalePercent, percent);
    QFETCH(int, enlarge);
    values.setInteger(Setting::NeverEnlarge, enlarge);
    const ConversionOptions o = derive(values);
    QTEST(int(o.resize), "mode");
    QTEST(o.resizeTo, "side");
    QTEST(o.fitHeight, "fitHeight");
    if (o.resize != ResizeMode::None)
        QTEST(o.neverEnlarge, "neverEnlarge");
}

void TestOptions::leadingInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "1500" << 1500;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("spaces then digits") << "  42" << 42;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("trailing text") << "12abc" << 12;
    QTest::newRow("no digits") << "x12" << 0;
    QTest::newRow("overflow clamps") << "99999999999" << 2147483647;
}

void TestOptions::leadingInteger()
{
    QFETCH(QString, text);
    QTEST(int(::leadingInteger(text)), "value");
}

void TestOptions::namingModes()
{
    AppSettings values = shippedSettings();
    values.setText(Setting::Title, QStringLiteral("Trip"));
    const QList<QPair<int, NamingMode>> modes = {{0, NamingMode::CurrentNames},
                                                 {1, NamingMode::CurrentNames},
                                                 {2, NamingMode::NewName},
                                                 {3, NamingMode::AddText}};
    for (const auto &[stored, mode] : modes) {
        values.setInteger(Setting::Naming, stored);
        const ConversionOptions o = derive(values);
        QCOMPARE(o.naming, mode);
        QCOMPARE(o.title, QStringLiteral("Trip"));
    }
}

void TestOptions::overlaySizesFollowTheirPopupsOnlyWhileDrawn()
{
    AppSettings values = shippedSettings();
    values.setInteger(Setting::LogoOn, 1);
    values.setPicture(Setting::LogoPicture, QImage(750, 300, QImage::Format_ARGB32));
    values.setInteger(Setting::WatermarkOn, 1);
    values.setText(Setting::WatermarkText, QStringLiteral("(c) Ann"));
    // The popups' items, in order: a fifth, a quarter, a third; the width over 80, 40, 20, 10.
    const int logo[] = {5, 4, 3};
    for (int i = 0; i < 3; ++i) {
        values.setInteger(Setting::LogoSize, i);
        QCOMPARE(derive(values).logo.division(), logo[i]);
    }
    const int text[] = {80, 40, 20, 10};
    for (int i = 0; i < 4; ++i) {
        values.setInteger(Setting::WatermarkSize, i);
        QCOMPARE(derive(values).watermark.division(), text[i]);
    }

    ConversionOptions previous;
    previous.logo.size = LogoSize::Quarter;
    previous.watermark.size = TextSize::Large;
    values.setInteger(Setting::LogoSize, 2);
    values.setInteger(Setting::WatermarkSize, 3);
    // The logo on with an empty well, the watermark on with no text: neither is drawn, and
    // their sizes keep the previous values.
    values.setPicture(Setting::LogoPicture, std::nullopt);
    values.setText(Setting::WatermarkText, QString());
    ConversionOptions o = derive(values, previous);
    QVERIFY(!o.logo.active());
    QVERIFY(!o.watermark.active());
    QCOMPARE(o.logo.size, LogoSize::Quarter);
    QCOMPARE(o.watermark.size, TextSize::Large);
    // An index outside the popup keeps the previous value too, as a popup keeps its selection.
    values.setPicture(Setting::LogoPicture, QImage(8, 8, QImage::Format_ARGB32));
    values.setText(Setting::WatermarkText, QStringLiteral("x"));
    values.setInteger(Setting::LogoSize, -1);
    values.setInteger(Setting::WatermarkSize, 7);
    o = derive(values, previous);
    QCOMPARE(o.logo.size, LogoSize::Quarter);
    QCOMPARE(o.watermark.size, TextSize::Large);
    QCOMPARE(o.logo.picture.size(), QSize(8, 8));
}

void TestOptions::copyrightPatternSwitchesTheLinesOn()
{
    AppSettings values = shippedSettings();
    QVERIFY(!derive(values).copyright.active());
    values.setInteger(Setting::CopyrightPattern, 3);
    ConversionOptions o = derive(values);
    QVERIFY(o.copyright.active());
    QCOMPARE(o.copyright.pattern, LinePattern::HorizontalPairs);

    // Switched on with no pattern chosen: on, drawing nothing.
    values.setInteger(Setting::CopyrightPattern, -1);
    values.setInteger(Setting::CopyrightOn, 1);
    o = derive(values);
    QVERIFY(o.copyright.active());
    QCOMPARE(o.copyright.pattern, LinePattern::None);

    // No colour of its own: the watermark's.
    values.setColor(Setting::CopyrightColor, std::nullopt);
    values.setColor(Setting::WatermarkColor, QColor(0x10, 0x20, 0x30));
    QCOMPARE(derive(values).copyright.color, QColor(0x10, 0x20, 0x30));
    values.setColor(Setting::CopyrightColor, QColor(Qt::red));
    QCOMPARE(derive(values).copyright.color, QColor(Qt::red));
}

void TestOptions::installedFamiliesOnceWithoutFoundry()
{
    // Families several foundries supply (Ghostscript's fonts come as "C059 [UKWN]" and
    // "C059 [URW ]") are listed once, by their name alone.
    const QStringList families = installedFontFamilies();
    QCOMPARE(families.size(), QSet<QString>(families.begin(), families.end()).size());
    for (const QString &family : families)
        QVERIFY2(!family.endsWith(QLatin1Char(']')), qPrintable(family));
    QCOMPARE(familyWithoutFoundry(QStringLiteral("Nimbus Sans [URW ]")), QStringLiteral("Nimbus Sans"));
    QCOMPARE(familyWithoutFoundry(QStringLiteral("Odd [name")), QStringLiteral("Odd [name"));
}

void TestOptions::fontByNameThenPosition()
{
    AppSettings values = shippedSettings();
    values.setText(Setting::FontFamily, QStringLiteral("DejaVu Sans"));
    values.setInteger(Setting::FontIndex, 2);
    QCOMPARE(derive(values).watermark.fontFamily, QStringLiteral("DejaVu Sans")); // the name wins
    // A name stored with its foundry (as Qt once listed it) finds the family.
    values.setText(Setting::FontFamily, QStringLiteral("DejaVu Sans [UKWN]"));
    QCOMPARE(derive(values).watermark.fontFamily, QStringLiteral("DejaVu Sans"));
    values.setText(Setting::FontFamily, QStringLiteral("Uninstalled"));
    QCOMPARE(derive(values).watermark.fontFamily, QStringLiteral("Zeta")); // then the position
    values.setInteger(Setting::FontIndex, 99);
    QCOMPARE(fontIndexForSettings(values, kFonts), 2); // then the popup's starting family
    // A family asked for by name alone stays as asked: the run substitutes it and says so.
    values.setInteger(Setting::FontIndex, -1);
    QCOMPARE(derive(values).watermark.fontFamily, QStringLiteral("Uninstalled"));
    values.setText(Setting::FontFamily, QString());
    QCOMPARE(derive(values).watermark.fontFamily, QStringLiteral("Zeta"));
}

void TestOptions::qualityFromTheSlider()
{
    AppSettings values = shippedSettings();
    const QList<QPair<float, int>> cases = {{0.85f, 85}, {1.0f, 100}, {0.333f, 33},
                                            {1.7f, 100}, {-1.0f, 0},  {std::nanf(""), kDefaultJpegQuality}};
    for (const auto &[slider, percent] : cases) {
        values.setFraction(Setting::JpegQuality, slider);
        QCOMPARE(derive(values).jpegQuality, percent);
    }
}

void TestOptions::formatFromItsStoredIndex()
{
    // The stored indexes 0 to 3 keep their meaning; 4 to 6 are the newer formats; others leave
    // the format as it was.
    AppSettings values = shippedSettings();
    const QList<QPair<int, QString>> cases = {{0, ".jpg"},  {1, ".png"},  {2, ".gif"}, {3, ".tiff"},
                                              {4, ".webp"}, {5, ".avif"}, {6, ".jxl"}};
    for (const auto &[index, extension] : cases) {
        values.setInteger(Setting::Format, index);
        QCOMPARE(extensionFor(derive(values).format), extension);
    }
    for (int index : {7, -1, 42}) {
        values.setInteger(Setting::Format, index);
        QCOMPARE(derive(values).format, OutputFormat::Jpeg);
    }
}

void TestOptions::shippedDefaults()
{
    // What a new user converts with: JPEG at 85, the current names, no resize, no overlay.
    const ConversionOptions o = derive(shippedSettings());
    QCOMPARE(o.format, OutputFormat::Jpeg);
    QCOMPARE(o.jpegQuality, 85);
    QCOMPARE(o.naming, NamingMode::CurrentNames);
    QCOMPARE(o.resize, ResizeMode::None);
    QVERIFY(!o.anyOverlayActive());
    QCOMPARE(o.logo.position, Placement::TopRight);
    QCOMPARE(o.logo.size, LogoSize::Quarter);
    QCOMPARE(o.logo.opacity, 0.8f);
    QCOMPARE(o.watermark.position, Placement::BottomRight);
    QCOMPARE(o.watermark.opacity, 0.6f);
    QCOMPARE(o.watermark.color, QColor(Qt::white));
    QCOMPARE(o.copyright.opacity, 0.25f);
    QCOMPARE(extensionFor(o.format), QStringLiteral(".jpg"));
}

void TestOptions::percentLabels_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("label");
    QTest::newRow("0.456 rounds to hundredths first") << 0.456f << "46 %";
    QTest::newRow("one") << 1.0f << "100 %";
    QTest::newRow("half") << 0.5f << "50 %";
    QTest::newRow("quarter") << 0.25f << "25 %";
    QTest::newRow("zero") << 0.0f << "0 %";
    QTest::newRow("0.994 shows 99") << 0.994f << "99 %";
    QTest::newRow("0.996 shows 100") << 0.996f << "100 %";
}

void TestOptions::percentLabels()
{
    QFETCH(float, value);
    QFETCH(QString, label);
    QCOMPARE(percentLabel(value), label);
}

void TestOptions::sizeTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("6000") << "6000" << true;
    QTest::newRow("leading zeros") << "0042" << true;
    QTest::newRow("6001") << "6001" << false;
    QTest::newRow("fifth digit") << "12345" << false;
    QTest::newRow("letter") << "12a" << false;
    QTest::newRow("minus") << "-1" << false;
    QTest::newRow("space") << " 1" << false;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0661)) << false;
}

void TestOptions::sizeTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(isAcceptableSizeText(text), accepted);
}

void TestOptions::startingFont_data()
{
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QString>("systemSans");
    QTest::addColumn<int>("index");
    QTest::newRow("Lucida Grande beats Gill Sans before it")
        << QStringList {"Arial", "Gill Sans", "Lucida Grande"} << "Arial" << 2;
    QTest::newRow("Helvetica beats both")
        << QStringList {"Gill Sans", "Helvetica", "Lucida Grande"} << "" << 1;
    QTest::newRow("system sans when none")
        << QStringList {"C059", "DejaVu Sans", "Z003"} << "DejaVu Sans" << 1;
    QTest::newRow("item 0 when the sans is not listed") << QStringList {"C059", "Z003"} << "Nimbus" << 0;
    QTest::newRow("empty list") << QStringList {} << "DejaVu Sans" << -1;
    QTest::newRow("case matters") << QStringList {"helvetica", "Gill Sans"} << "" << 1;
}

void TestOptions::startingFont()
{
    QFETCH(QStringList, families);
    QFETCH(QString, systemSans);
    QFETCH(int, index);
    QCOMPARE(defaultFontIndex(families, systemSans), index);
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
