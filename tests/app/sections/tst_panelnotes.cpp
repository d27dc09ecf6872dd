// What the option panel shows around its controls: no empty row where the quality was for a
// format without one, and a note when the logo and the watermark share a place.
#include "TestImages.h"
#include "options/ConversionOptions.h"
#include "sections/LogoSection.h"
#include "sections/OptionsPanel.h"
#include "sections/OutputControls.h"
#include "sections/OverlayClashNote.h"
#include "sections/PercentBox.h"
#include "sections/UnitSlider.h"
#include "sections/WatermarkSection.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QtTest>

class TestPanelNotes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void qualityRowClosesForLosslessFormats();
    void clashNote_data();
    void clashNote();
};

void TestPanelNotes::qualityRowClosesForLosslessFormats()
{
    OptionsPanel panel;
    panel.resize(310, 900);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    OutputControls *output = panel.output();
    // The gap above the sRGB box, from the row just above it.
    const auto gapAboveSrgb = [&](QWidget *above) {
        QCoreApplication::processEvents();
        output->layout()->activate();
        return output->srgbBox->geometry().top() - above->geometry().bottom();
    };
    output->formatPopup->setCurrentIndex(int(OutputFormat::Jpeg));
    output->formatChosen();
    // The quality row's lowest part: the slider or the percent box beside it.
    QWidget *qualityRow = output->qualityBox->geometry().bottom() > output->qualitySlider->geometry().bottom()
                              ? static_cast<QWidget *>(output->qualityBox)
                              : output->qualitySlider;
    const int withQuality = gapAboveSrgb(qualityRow);
    for (const OutputFormat format : {OutputFormat::Png, OutputFormat::Gif, OutputFormat::Tiff}) {
        output->formatPopup->setCurrentIndex(int(format));
        output->formatChosen();
        QVERIFY(output->qualitySlider->isHidden());
        // The format row is then just above the sRGB box, as close as the quality row was.
        QTRY_VERIFY2(qAbs(gapAboveSrgb(output->formatPopup) - withQuality) <= 2,
                     qPrintable(QStringLiteral("%1 px, %2 with the quality")
                                    .arg(gapAboveSrgb(output->formatPopup))
                                    .arg(withQuality)));
    }
    output->formatPopup->setCurrentIndex(int(OutputFormat::WebP));
    output->formatChosen();
    QVERIFY(!output->qualitySlider->isHidden());
    QTRY_COMPARE(gapAboveSrgb(qualityRow), withQuality);
}

void TestPanelNotes::clashNote_data()
{
    QTest::addColumn<int>("logoAt");      // a Placement
    QTest::addColumn<int>("watermarkAt"); // a Placement
    QTest::addColumn<bool>("logoOn");
    QTest::addColumn<QString>("note");
    QTest::newRow("both bottom right")
        << int(Placement::BottomRight) << int(Placement::BottomRight) << true
        << "The logo and the watermark share the bottom-right corner, where they "
           "overlap.";
    QTest::newRow("both centred") << int(Placement::Center) << int(Placement::Center) << true
                                  << "The logo and the watermark are both centred, where they overlap.";
    QTest::newRow("apart") << int(Placement::TopRight) << int(Placement::BottomRight) << true << "";
    QTest::newRow("logo off") << int(Placement::BottomRight) << int(Placement::BottomRight) << false << "";
}

void TestPanelNotes::clashNote()
{
    QFETCH(int, logoAt);
    QFETCH(int, watermarkAt);
    QFETCH(bool, logoOn);
    QFETCH(QString, note);
    // Through the controls, as a user sets them.
    OptionsPanel panel;
    panel.show();
    panel.logo()->logoBox->setChecked(logoOn);
    panel.logo()->logoPositions->button(logoAt)->click();
    QTest::keyClicks(panel.watermark()->watermarkField, "Sample");
    panel.watermark()->watermarkBox->setChecked(true);
    panel.watermark()->watermarkPositions->button(watermarkAt)->click();
    OverlayClashNote *shown = panel.clashNote();
    QTRY_COMPARE(shown->text(), note);
    QCOMPARE(shown->isVisible(), !note.isEmpty());
}

QTEST_MAIN(TestPanelNotes)
#include "tst_panelnotes.moc"
