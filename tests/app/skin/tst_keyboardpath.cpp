#include "MainWindow.h"
#include "TestImages.h"
#include "browser/ImageBrowserView.h"
#include "sections/OptionsPanel.h"
#include "sections/SectionPanel.h"
#include "sections/WatermarkSection.h"
#include "settings/SettingsStore.h"
#include "skin/FocusRing.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The keyboard's way through the window: the Tab order reads like the window, and the control
// with the focus always shows the skin's ring.
class TestKeyboardPath : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void tabOrder_data();
    void tabOrder();
    void everyStopShowsTheRing();
    void ringAfterClicksAndTyping();

private:
    // Opens the section (-1 for none) and walks Tab from the grid until it comes back.
    QStringList walk(MainWindow &window, int open, Qt::Key key);
    QTemporaryDir m_dir;
};

void TestKeyboardPath::initTestCase()
{
    TestImages::writeWithQt(TestImages::quadrants(60, 40), m_dir.filePath("a.jpg"), "jpeg", 90);
}

QStringList TestKeyboardPath::walk(MainWindow &window, int open, Qt::Key key)
{
    SectionPanel *panel = window.options()->sections();
    panel->setAnimated(false);
    panel->collapseAll();
    const QList<void (SectionPanel::*)()> toggles = {&SectionPanel::toggleTitleSection,
                                                     &SectionPanel::toggleWatermarkSection,
                                                     &SectionPanel::toggleCopyrightSection};
    if (open == SectionPanel::Logo)
        panel->toggleLogoSection();
    else if (open >= 0)
        (panel->*toggles.at(open == 0 ? 0 : open - 1))();
    window.browser()->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (int step = 0; step < 80; ++step) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || (step > 0 && focus == window.browser()))
            break;
        names << focus->objectName();
        QTest::keyClick(focus, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return names;
}

void TestKeyboardPath::tabOrder_data()
{
    QTest::addColumn<int>("open");
    QTest::addColumn<QStringList>("middle");
    QTest::newRow("all closed") << -1 << QStringList();
    QTest::newRow("title and size") << int(SectionPanel::TitleAndSize)
                                    << QStringList {"keepNamesBox", "newNameBox", "addTextBox", "templateBox", "resizeBox"};
    QTest::newRow("logo") << int(SectionPanel::Logo)
                          << QStringList {"logoBox",       "chooseLogoButton",  "logoPosition0",
                                          "logoSizePopup", "logoOpacitySlider", "logoOpacityBox"};
    QTest::newRow("watermark") << int(SectionPanel::Watermark)
                               << QStringList {"watermarkBox",           "watermarkField",
                                               "watermarkSizePopup",     "fontPopup",
                                               "watermarkColorWell",     "watermarkPosition0",
                                               "watermarkOpacitySlider", "watermarkOpacityBox"};
    QTest::newRow("copyright") << int(SectionPanel::Copyright)
                               << QStringList {"copyrightBox", "copyrightPattern1", "copyrightColorWell",
                                               "copyrightOpacitySlider", "copyrightOpacityBox"};
}

void TestKeyboardPath::tabOrder()
{
    QFETCH(int, open);
    QFETCH(QStringList, middle);
    MainWindow window;
    SettingsStore store(m_dir.filePath("settings/pressmark.conf")); // the presets need a home
    window.useSettings(&store);
    window.openFiles({m_dir.filePath("a.jpg")});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The list and its buttons, each section's header followed by its controls when it is open,
    // the output's options, its folder, Convert; then round to the list again.
    QStringList expected = {"imageGrid",   "addImages",     "addFolder",   "removeImages",
                            "clearImages", "thumbnailZoom", "presetPopup", "presetMenu"};
    const QStringList headers = {"titleSectionHeader", "logoSectionHeader", "watermarkSectionHeader",
                                 "copyrightSectionHeader"};
    for (int section = 0; section < headers.size(); ++section) {
        expected << headers.at(section);
        if (section == open)
            expected << middle;
    }
    expected << QStringList {"formatPopup",   "qualitySlider", "qualityBox",         "srgbBox",
                             "metadataPopup", "resetSettings", "browseOutputFolder", "convertButton"};
    QCOMPARE(walk(window, open, Qt::Key_Tab), expected);
    // Shift+Tab goes the same way back.
    QStringList back = walk(window, open, Qt::Key_Backtab);
    std::reverse(back.begin() + 1, back.end());
    QCOMPARE(back, expected);
}

void TestKeyboardPath::everyStopShowsTheRing()
{
    MainWindow window;
    SettingsStore store(m_dir.filePath("settings/pressmark.conf")); // the presets need a home
    window.useSettings(&store);
    window.openFiles({m_dir.filePath("a.jpg")});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.options()->sections()->setAnimated(false);
    window.options()->sections()->toggleWatermarkSection();
    window.convertButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window.convertButton(), Qt::Key_Tab);
    const QColor highlight = window.palette().color(QPalette::Active, QPalette::Highlight);
    int stops = 0;
    do {
        QWidget *focus = QApplication::focusWidget();
        FocusRing *ring = FocusRing::of(&window);
        QVERIFY2(ring && ring->isVisible() && ring->target() == focus, qPrintable(focus->objectName()));
        // Round the control, or round the frame it names (a section's whole header bar).
        const QVariant own = focus->property("focusRingRect");
        const QRect frame = own.canConvert<QRect>() ? own.toRect() : focus->rect();
        const QRect shown = QRect(focus->mapTo(&window, frame.topLeft()), frame.size()) & window.rect();
        QVERIFY2(ring->ringRect().contains(shown.adjusted(2, 2, -2, -2)), qPrintable(focus->objectName()));
        // Drawn in the highlight colour, on top of whatever the control paints.
        const QImage shot = window.grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const QPoint top(ring->ringRect().center().x(), ring->ringRect().top() + 1);
        const QColor seen = shot.pixelColor(top * ratio);
        QVERIFY2(qAbs(seen.red() - highlight.red()) < 24 && qAbs(seen.green() - highlight.green()) < 24 &&
                     qAbs(seen.blue() - highlight.blue()) < 24,
                 qPrintable(QStringLiteral("%1: %2").arg(focus->objectName(), seen.name())));
        QTest::keyClick(focus, Qt::Key_Tab);
        ++stops;
    } while (QApplication::focusWidget() != window.browser() && stops < 60);
    QCOMPARE(stops, 28);
}

void TestKeyboardPath::ringAfterClicksAndTyping()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.options()->sections()->setAnimated(false);
    window.options()->sections()->toggleWatermarkSection();
    WatermarkSection *watermark = window.options()->watermark();
    // A click needs no ring on a button...
    QTest::mouseClick(watermark->watermarkBox, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), watermark->watermarkBox);
    QVERIFY(!FocusRing::of(&window) || !FocusRing::of(&window)->isVisible());
    // ...but a field being typed in always shows where the letters go.
    QTest::mouseClick(watermark->watermarkField, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), watermark->watermarkField);
    QVERIFY(FocusRing::of(&window) && FocusRing::of(&window)->isVisible());
    QCOMPARE(FocusRing::of(&window)->target(), watermark->watermarkField);
    // The ring goes with its section when the section closes, and hides.
    window.options()->sections()->collapseAll();
    QVERIFY(!FocusRing::of(&window)->isVisible() ||
            FocusRing::of(&window)->target() != watermark->watermarkField);
}

QTEST_MAIN(TestKeyboardPath)
#include "tst_keyboardpath.moc"
