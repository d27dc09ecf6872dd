#include "MainWindow.h"
#include "browser/BrowserBackdrop.h"
#include "sheets/SheetPlacement.h"
#include "skin/SkinImages.h"
#include "skin/SkinnedControls.h"
#include "skin/SkinnedPanels.h"
#include "skin/TitleBar.h"
#include "skin/WindowChrome.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <QtTest>

namespace {

QImage render(QWidget &widget, QSize size)
{
    widget.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool columnDrawn(const QImage &image, int x)
{
    for (int y = 0; y < image.height(); ++y)
        if (qAlpha(image.pixel(x, y)) != 0)
            return true;
    return false;
}

bool rowDrawn(const QImage &image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, y)) != 0)
            return true;
    return false;
}

QStringList pictures(const TitleBar &bar)
{
    return {TitleBar::buttonImage(bar.closeButton()), TitleBar::buttonImage(bar.minimizeButton()),
            TitleBar::buttonImage(bar.zoomButton())};
}

} // namespace

class TestSkin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { setMissingSkinImages({}); }
    void hoverPictures();
    void hoverFollowsThePointerStrip();
    void sheetPlacement_data();
    void sheetPlacement();
    void sheetsHangFromTheWindow();
    void closeCommandClosesTheWindow();
    void bottomBarParts();
    void boxFrameEdges();
    void missingPicturesLeaveTheControlsOwnDrawing();
    void slidersHaveNoTickMarks();
    void dropPictureSitsLeftOfAndBelowTheCentre();
    void darkDesktopThemeDoesNotReachTheSkin();
    void fullScreenAndMaximisedFillTheScreen();
};

void TestSkin::hoverPictures()
{
    TitleBar bar;
    bool active = false;
    bar.setActiveQuery([&active] { return active; });
    const QStringList normal = {"btn_close", "btn_min", "btn_zoom"};
    QCOMPARE(pictures(bar), normal);
    bar.mouseEntered();
    QCOMPARE(pictures(bar), (QStringList {"btn_closeHover", "btn_minHover", "btn_zoomHover"}));
    bar.mouseExited(); // in the background: all three off
    QCOMPARE(pictures(bar), (QStringList {"btn_activeoff", "btn_activeoff", "btn_activeoff"}));
    // Back in front: the colours return without the pointer passing over them.
    bar.applicationActivated();
    QCOMPARE(pictures(bar), normal);
    bar.mouseEntered();
    bar.mouseExited();
    active = true;
    bar.mouseEntered();
    bar.mouseExited();
    QCOMPARE(pictures(bar), normal);

    // After each button's action the normal pictures come back, wherever the pointer is.
    QSignalSpy minimize(&bar, &TitleBar::minimizeRequested);
    bar.mouseEntered();
    bar.minimizeButton()->click();
    QCOMPARE(minimize.count(), 1);
    QCOMPARE(pictures(bar), normal);
    bar.mouseEntered();
    bar.zoomButton()->click();
    QCOMPARE(pictures(bar), normal);
    bar.mouseEntered();
    bar.closeButton()->click();
    QCOMPARE(pictures(bar), normal);
}

void TestSkin::hoverFollowsThePointerStrip()
{
    TitleBar bar;
    bar.setActiveQuery([] { return true; });
    bar.resize(600, TitleBar::kHeight);
    bar.show();
    QCOMPARE(bar.trackingRect(), QRect(4, TitleBar::kHeight - 16, 58, 14));
    for (QToolButton *button : {bar.closeButton(), bar.minimizeButton(), bar.zoomButton()})
        QVERIFY(bar.trackingRect().contains(button->geometry()));
    QMouseEvent inside(QEvent::MouseMove, QPointF(30, 10), QPointF(30, 10), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &inside);
    QCOMPARE(TitleBar::buttonImage(bar.closeButton()), QStringLiteral("btn_closeHover"));
    QMouseEvent outside(QEvent::MouseMove, QPointF(300, 10), QPointF(300, 10), Qt::NoButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &outside);
    QCOMPARE(TitleBar::buttonImage(bar.closeButton()), QStringLiteral("btn_close"));
}

void TestSkin::sheetPlacement_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("sheet");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("801 wide, 300 wide sheet") << QSize(801, 600) << QSize(300, 120) << QPoint(250, 24);
    QTest::newRow("odd sheet: halves cut before subtracting")
        << QSize(800, 600) << QSize(301, 120) << QPoint(250, 24);
    QTest::newRow("sheet wider than the window") << QSize(300, 400) << QSize(500, 100) << QPoint(-100, 24);
    QTest::newRow("no sheet") << QSize(1000, 700) << QSize(0, 0) << QPoint(500, 24);
}

void TestSkin::sheetPlacement()
{
    QFETCH(QSize, window);
    QFETCH(QSize, sheet);
    QFETCH(QPoint, offset);
    QCOMPARE(sheetOffset(window, sheet), offset);
}

void TestSkin::sheetsHangFromTheWindow()
{
    MainWindow window;
    window.move(40, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QDialog sheet(&window);
    sheet.setFixedSize(300, 100);
    placeSheet(&sheet, window.visibleFrame());
    const QRect frame = window.visibleFrame();
    QCOMPARE(sheet.pos(), frame.topLeft() + QPoint(frame.width() / 2 - 150, 24));
}

void TestSkin::closeCommandClosesTheWindow()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction *close = nullptr;
    for (QAction *action : window.findChildren<QAction *>())
        if (action->shortcut() == QKeySequence(QKeySequence::Close))
            close = action;
    QVERIFY(close);
    QVERIFY(close->isEnabled());
    close->trigger();
    QVERIFY(!window.isVisible());
}

void TestSkin::bottomBarParts()
{
    // 110 wide: the middle 100 from x = 5, the caps at 0 and 105.
    BottomBar bar;
    QImage image = render(bar, QSize(110, 36));
    QVERIFY(columnDrawn(image, 0) && columnDrawn(image, 4));
    QVERIFY(columnDrawn(image, 50));
    QVERIFY(columnDrawn(image, 105) && columnDrawn(image, 109));

    setMissingSkinImages({"LeftBotLine", "RightBotLine"});
    image = render(bar, QSize(110, 36));
    QVERIFY(!columnDrawn(image, 0) && !columnDrawn(image, 4));
    QVERIFY(columnDrawn(image, 5) && columnDrawn(image, 104));
    QVERIFY(!columnDrawn(image, 105) && !columnDrawn(image, 109));
}

void TestSkin::boxFrameEdges()
{
    BoxFrame box;
    QImage image = render(box, QSize(80, 60));
    QVERIFY(rowDrawn(image, 0) && rowDrawn(image, 59));
    QVERIFY(qAlpha(image.pixel(0, 30)) == 255 && qAlpha(image.pixel(79, 30)) == 255);

    setMissingSkinImages({"TBoxLine", "BBoxLine"});
    image = render(box, QSize(80, 60));
    QVERIFY(!rowDrawn(image, 0) && !rowDrawn(image, 59));
    QCOMPARE(qAlpha(image.pixel(0, 30)), 255); // the sides still drawn
    QCOMPARE(qAlpha(image.pixel(0, 2)), 0);    // 5 pixels short of each end
}

void TestSkin::missingPicturesLeaveTheControlsOwnDrawing()
{
    // A text field with its groove, then without its caps: the caps' columns stay bare.
    SkinnedLineEdit field(SkinnedLineEdit::Frame::Groove);
    QImage image = render(field, QSize(120, 22));
    QCOMPARE(qAlpha(image.pixel(0, 10)), 255);
    setMissingSkinImages({"TxtFld_l", "TxtFld_r"});
    image = render(field, QSize(120, 22));
    QCOMPARE(qAlpha(image.pixel(0, 10)), 0);
    QCOMPARE(qAlpha(image.pixel(60, 0)), 255); // the groove's top line

    // A popup without its bezel draws as the platform's own popup.
    setMissingSkinImages({"popUpButton"});
    SkinnedPopUp popup(SkinnedPopUp::Bezel::Short);
    popup.addItem(QStringLiteral("JPEG"));
    QVERIFY(popup.width() != 57 || popup.height() != 20); // not sized to the missing bezel
    setMissingSkinImages({});
    SkinnedPopUp skinned(SkinnedPopUp::Bezel::Fonts);
    QCOMPARE(skinned.size(), QSize(140, 20));
    QCOMPARE(skinned.bezelRect(), QRect(0, 1, 140, 18));

    // Overlay frame missing: the field's own text drawing only, no frame pixels at its edge.
    SkinnedLineEdit overlay(SkinnedLineEdit::Frame::Overlay);
    image = render(overlay, QSize(80, 22));
    QVERIFY(qAlpha(image.pixel(0, 11)) > 0);
    setMissingSkinImages({"txtField"});
    image = render(overlay, QSize(80, 22));
    QCOMPARE(qAlpha(image.pixel(0, 11)), 0);

    // The backdrop without its picture still tiles and draws its dark right edge.
    setMissingSkinImages({"DragAndDropText"});
    BrowserBackdrop backdrop;
    image = render(backdrop, QSize(300, 200));
    QCOMPARE(image.pixel(299, 100), qRgb(7, 7, 7));
    QCOMPARE(qAlpha(image.pixel(150, 100)), 255);
}

void TestSkin::slidersHaveNoTickMarks()
{
    SkinStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    QSlider slider(Qt::Horizontal);
    slider.setStyle(&style);
    slider.setTickPosition(QSlider::TicksBothSides);
    slider.setTickInterval(1);
    slider.setRange(0, 10);
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = Qt::Horizontal;
    option.tickPosition = QSlider::TicksBothSides;
    QCOMPARE(style.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderTickmarks, &slider), QRect());
    // Drawn with and without ticks asked for, the pictures are the same.
    slider.resize(200, 24);
    const QImage withTicks = slider.grab().toImage();
    slider.setTickPosition(QSlider::NoTicks);
    QCOMPARE(slider.grab().toImage(), withTicks);
}

void TestSkin::dropPictureSitsLeftOfAndBelowTheCentre()
{
    // 400 x 300 with a 200 x 120 picture: x = 200 - 100 - 8; bottom-up y = 150 - 60 - 4 = 86,
    // so its top row is 300 - 86 - 120 = 94.
    QCOMPARE(BrowserBackdrop::dropPicturePosition(QSize(400, 300), QSize(200, 120)), QPoint(92, 94));
    // Halves round to the nearest whole pixel.
    QCOMPARE(BrowserBackdrop::dropPicturePosition(QSize(401, 301), QSize(200, 120)).x(), 93);
}

void TestSkin::darkDesktopThemeDoesNotReachTheSkin()
{
    // A dark theme gives light text to the application and to classes such as QComboBox and
    // QLabel; on the skin's light panels it vanished (1.1:1). The skin's palette holds.
    QPalette dark(QColor(0x20, 0x20, 0x20), QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    const QPalette before = QApplication::palette();
    QApplication::setPalette(dark);
    QApplication::setPalette(dark, "QComboBox");
    QApplication::setPalette(dark, "QLabel");
    applySkinPalette();
    SkinnedPopUp popup(SkinnedPopUp::Bezel::Short);
    QLabel label(QStringLiteral("Format"));
    const auto contrast = [](QColor a, QColor b) {
        // WCAG's contrast ratio, from relative luminance.
        const auto linear = [](float v) {
            return v <= 0.03928f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        const auto lum = [&](QColor c) {
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const double hi = qMax(lum(a), lum(b)) + 0.05, lo = qMin(lum(a), lum(b)) + 0.05;
        return hi / lo;
    };
    QVERIFY(contrast(label.palette().color(QPalette::WindowText), label.palette().color(QPalette::Window)) >
            7);
    QVERIFY(contrast(popup.palette().color(QPalette::ButtonText), popup.palette().color(QPalette::Button)) >
            7);
    QPalette polished = dark;
    SkinStyle(QStringLiteral("Fusion")).polish(polished);
    QCOMPARE(polished.color(QPalette::WindowText), label.palette().color(QPalette::WindowText));
    QApplication::setPalette(before);
}

void TestSkin::fullScreenAndMaximisedFillTheScreen()
{
    // F11 toggles full screen and Escape leaves it; full screen and maximised fill the screen
    // square: no shadow margin, no rounded corners. Full screen hides the title bar's buttons and
    // the window no longer moves by its background.
    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *chrome = window.findChild<WindowChrome *>();
    TitleBar *bar = chrome->titleBar();
    const QList<QToolButton *> buttons = {bar->closeButton(), bar->minimizeButton(), bar->zoomButton(),
                                          bar->fullScreenButton()};
    QTest::keyClick(&window, Qt::Key_Escape); // nothing to leave
    QVERIFY(!window.isFullScreen() && chrome->movableByBackground());
    QTest::keyClick(&window, Qt::Key_F11);
    QTRY_VERIFY(window.isFullScreen());
    QVERIFY(chrome->fillsScreen() && !chrome->movableByBackground());
    QCOMPARE(chrome->frameRect(), chrome->rect());
    for (QToolButton *button : buttons)
        QVERIFY(button->isHidden());
    QTest::keyClick(&window, Qt::Key_Escape);
    QTRY_VERIFY(!window.isFullScreen());
    QVERIFY(!chrome->fillsScreen() && chrome->movableByBackground());
    for (QToolButton *button : buttons)
        QVERIFY(!button->isHidden());
    window.showMaximized();
    QTRY_VERIFY(window.isMaximized());
    QVERIFY(chrome->fillsScreen());
    QCOMPARE(chrome->frameRect(), chrome->rect());
    // The corner pixel is the window's own colour, not the transparent outside of a rounded one.
    const QImage corner = chrome->grab(QRect(0, 0, 2, 2)).toImage();
    QCOMPARE(qAlpha(corner.pixel(0, 0)), 255);
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
