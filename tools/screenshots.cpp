// Drives the real window through the states the documentation shows and grabs the screen in
// each: the empty list; photos with a preview and an open section; the name example with the
// keyboard's focus ring; a transparent photo previewed as JPEG; the Add dialog; the large
// preview; the converting sheet; the completion sheet with failures; the list after it, each
// entry marked converted or failed.
//   pressmark_screenshots OUTPUT_DIR PHOTO...     (on an X server with a compositor)
#include "ConversionController.h"
#include "MainWindow.h"
#include "browser/BrowserModel.h"
#include "browser/ImageBrowserView.h"
#include "browser/ImageListModel.h"
#include "browser/InputChooser.h"
#include "preview/LargePreview.h"
#include "sections/OptionsPanel.h"
#include "sections/OutputFolderRow.h"
#include "sections/SectionPanel.h"
#include "sections/TitleSizeSection.h"
#include "settings/SettingsStore.h"
#include "sheets/CompletionDialog.h"
#include "sheets/ConvertingDialog.h"
#include "skin/SkinnedControls.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolTip>

#include <cstdio>

namespace {

void spin(int milliseconds)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void grab(const QWidget &window, const QString &path)
{
    // The main window (drawing its own frame) fills the screen but a margin for its shadow: the
    // whole screen then, as the manager may have nudged it where Qt has not heard of yet.
    const QRect area = window.windowFlags() & Qt::FramelessWindowHint
                           ? QGuiApplication::primaryScreen()->geometry()
                           : window.frameGeometry().adjusted(-20, -20, 20, 20);
    QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(path);
    std::printf("%s\n", qPrintable(path));
}

AppSettings session()
{
    AppSettings s = shippedSettings();
    s.setInteger(Setting::OpenSection, 3);
    s.setInteger(Setting::Naming, 2);
    s.setText(Setting::Title, QStringLiteral("Holiday"));
    s.setInteger(Setting::TitleLightHidden, 0);
    s.setInteger(Setting::Resize, 1);
    s.setInteger(Setting::WidthSide, 1);
    s.setText(Setting::WidthText, QStringLiteral("1600"));
    s.setInteger(Setting::LogoOn, 1);
    s.setInteger(Setting::LogoLightHidden, 0);
    s.setInteger(Setting::LogoSize, 0);
    s.setInteger(Setting::WatermarkOn, 1);
    s.setInteger(Setting::WatermarkLightHidden, 0);
    s.setText(Setting::WatermarkText, QStringLiteral("© Ana Lima 2026"));
    s.setFraction(Setting::WatermarkOpacity, 0.75f);
    s.setInteger(Setting::WatermarkSize, 2);
    s.setText(Setting::FontFamily, QStringLiteral("DejaVu Sans"));
    s.setFraction(Setting::Zoom, 0.7f);
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new SkinStyle(QStringLiteral("Fusion")));
    applySkinPalette();
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: pressmark_screenshots OUTPUT_DIR PHOTO...\n");
        return 2;
    }
    const QString out = args.at(1);
    const QStringList photos = args.mid(2);
    QTemporaryDir work;

    MainWindow window;
    SettingsStore empty(work.filePath("first/pressmark.conf"));
    window.useSettings(&empty);
    window.resize(1100, 700);
    window.move(20, 20);
    window.show();
    spin(1500);
    grab(window, out + "/window-empty.png");

    SettingsStore store(work.filePath("session/pressmark.conf"));
    store.save(session());
    window.useSettings(&store);
    // A folder under Pictures that the run would make: the row says so.
    window.outputFolderRow()->setFolder(QDir::homePath() + QStringLiteral("/Pictures/Holiday for the web"));
    window.openFiles(photos);
    spin(4000);
    grab(window, out + "/window-preview.png");

    // The title section open: the first output's name under the naming controls, and the
    // keyboard's focus ring on the title field.
    SectionPanel *sections = window.options()->sections();
    sections->toggleTitleSection();
    spin(600);
    window.options()->titleAndSize()->titleField->setFocus(Qt::TabFocusReason);
    spin(400);
    grab(window, out + "/window-keyboard.png");
    sections->toggleWatermarkSection();
    window.browser()->setFocus(Qt::MouseFocusReason);
    spin(600);

    // A photo with a transparent border, written as JPEG: the preview lays it on white as the
    // file will be, and says that the white watermark hardly shows there.
    const QString framed = work.filePath("Framed.png");
    {
        const QImage photo = QImage(photos.first()).scaled(900, 900, Qt::KeepAspectRatio);
        QImage canvas(photo.width() + 400, photo.height() + 400, QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        QPainter(&canvas).drawImage(200, 200, photo);
        canvas.save(framed);
    }
    window.openFiles({framed});
    window.imageList()->setIndexSelected(window.imageList()->rowCount() - 1);
    spin(3000);
    window.browser()->scrollToBottom();
    spin(400);
    grab(window, out + "/window-transparent.png");
    window.imageList()->removeEntries({window.imageList()->rowCount() - 1});
    window.browser()->scrollToTop();

    // The Add dialog, in a folder of many picture types, with every type Pressmark reads.
    const QString types = work.filePath("Types");
    QDir().mkpath(types);
    {
        const QImage small = QImage(photos.first()).scaled(64, 64, Qt::KeepAspectRatio);
        for (const char *format : {"bmp", "png", "tif", "webp", "ico", "jpg"})
            small.save(types + QStringLiteral("/Sample.") + QLatin1String(format), format);
        QFile::copy(photos.first(), types + QStringLiteral("/Camera.JPG"));
        QFile notes(types + QStringLiteral("/notes.txt"));
        notes.open(QIODevice::WriteOnly);
    }
    window.inputChooser()->setLastFolder(types);
    QFileDialog *add = window.inputChooser()->makeFilesDialog();
    add->show();
    add->move(window.geometry().topLeft() + QPoint(60, 60));
    spin(1500);
    grab(*add, out + "/add-dialog.png");
    add->close();
    delete add;
    spin(300);

    // The large preview of the third photo, with the session's overlays.
    window.imageList()->setIndexSelected(2);
    window.openLargePreview();
    window.largePreview()->move(window.geometry().topLeft() + QPoint(40, 10));
    spin(3000);
    grab(*window.largePreview(), out + "/large-preview.png");
    window.largePreview()->close();
    spin(300);

    // A run with a file that went missing and one that is damaged.
    const QString missing = work.filePath("IMG_2041.jpg");
    const QString damaged = work.filePath("IMG_2042.jpg");
    QFile::copy(photos.first(), missing);
    QFile garbage(damaged);
    garbage.open(QIODevice::WriteOnly);
    garbage.write(QByteArray(4096, '\x5a'));
    garbage.close();
    QStringList batch;
    for (int i = 0; i < 6; ++i)
        batch += photos;
    window.imageList()->clear();
    window.openFiles(batch.mid(0, 8) + QStringList {missing, damaged} + batch.mid(8, 14));
    QFile::remove(missing);
    window.outputFolderRow()->setFolder(QDir::homePath() + QStringLiteral("/Pictures/Holiday for the web"));
    spin(1500);
    bool finished = false;
    QObject::connect(window.conversion(), &ConversionController::finished, &window, [&] { finished = true; });
    window.convert();
    spin(250); // the photos convert fast: the sheet is caught early
    grab(window, out + "/sheet-converting.png");
    while (!finished)
        spin(100);
    spin(800);
    grab(window, out + "/sheet-completed.png");
    window.completionDialog()->close();
    // The list after the run: a tick on each converted entry, a red mark on the two that failed,
    // the damaged one's tooltip saying why.
    const QModelIndex failed = window.browser()->model()->index(9, 0);
    window.browser()->scrollTo(failed, QAbstractItemView::PositionAtCenter);
    spin(800);
    const QRect cell = window.browser()->visualRect(failed);
    const QPoint over = window.browser()->viewport()->mapToGlobal(cell.center());
    QCursor::setPos(over);
    spin(300);
    QToolTip::showText(over, failed.data(Qt::ToolTipRole).toString(), window.browser()->viewport(), cell,
                       20000);
    spin(800);
    grab(window, out + "/window-marks.png");
    return 0;
}
