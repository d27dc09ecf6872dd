#include "sections/LogoWell.h"

#include "batch/InputFiles.h"
#include "common/Logging.h"
#include "pipeline/DecodeUpright.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>

static bool hasPictureData(const QMimeData *data)
{
    return data->hasFormat(QStringLiteral("image/png")) || data->hasFormat(QStringLiteral("image/tiff")) ||
           data->hasImage();
}

static bool hasLocalFiles(const QMimeData *data)
{
    if (!data->hasUrls())
        return false;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            return true;
    return false;
}

LogoWell::LogoWell(QWidget *parent) : QLabel(parent)
{
    setAcceptDrops(true);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setMinimumSize(96, 96);
    setToolTip(tr("Drop a logo here"));
    setAccessibleName(tr("Logo picture"));
    setAccessibleDescription(tr("Drop a logo here, or choose one with Choose…"));
    // A light logo needs a dark well to be seen.
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(0x5a, 0x5f, 0x66));
    setPalette(dark);
}

void LogoWell::showLogo(const QImage &logo)
{
    m_logo = logo;
    refreshPixmap();
}

void LogoWell::setLogo(const QImage &logo)
{
    showLogo(logo);
    Q_EMIT logoSet();
}

void LogoWell::refreshPixmap()
{
    if (m_logo.isNull()) {
        setPixmap(QPixmap());
        return;
    }
    const QSize room = contentsRect().size().shrunkBy(QMargins(6, 6, 6, 6)) * devicePixelRatioF();
    QPixmap pixmap = QPixmap::fromImage(
        m_logo.scaled(room.boundedTo(m_logo.size()), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    setPixmap(pixmap);
}

void LogoWell::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refreshPixmap();
}

void LogoWell::dragEnterEvent(QDragEnterEvent *event)
{
    if ((event->possibleActions() & Qt::CopyAction) &&
        (hasLocalFiles(event->mimeData()) || hasPictureData(event->mimeData()))) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void LogoWell::dropEvent(QDropEvent *event)
{
    if (acceptDrop(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

bool LogoWell::acceptDrop(const QMimeData *data)
{
    // File names win when a drop carries both.
    if (hasLocalFiles(data)) {
        QString path;
        for (const QUrl &url : data->urls()) {
            if (url.isLocalFile()) {
                path = url.toLocalFile();
                break;
            }
        }
        if (!openDialogExtensions().contains(QFileInfo(path).suffix())) {
            showReadingError(path);
            return false;
        }
        setLogoFromFile(path);
        return true;
    }
    if (hasPictureData(data)) {
        QImage logo;
        for (const QString &type : {QStringLiteral("image/png"), QStringLiteral("image/tiff")}) {
            if (data->hasFormat(type)) {
                logo = decodeImageData(data->data(type)).value();
                break;
            }
        }
        if (logo.isNull() && data->hasImage())
            logo = qvariant_cast<QImage>(data->imageData());
        // Data that does not decode leaves the well empty, the option still switched on.
        setLogo(logo);
        return true;
    }
    return false;
}

void LogoWell::setLogoFromFile(const QString &path)
{
    const Result<QImage> logo = decodeUpright(path);
    if (!logo.ok())
        qCWarning(lcSettings, "logo %s: %s", qPrintable(path), qPrintable(logo.failure().text()));
    setLogo(logo.value());
}

void LogoWell::showReadingError(const QString &path)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("File Reading Error"),
                                tr("Sorry, this type of file is incompatible! \n\n"
                                   "Failed to open the file at:\n\"%1\"")
                                    .arg(path),
                                QMessageBox::Ok, window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

void LogoWell::chooseLogo()
{
    QStringList patterns;
    for (const QString &extension : openDialogExtensions())
        patterns << QStringLiteral("*.") + extension;
    auto *dialog = new QFileDialog(window(), tr("Choose image"),
                                   QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                   tr("Images (%1)").arg(patterns.join(QLatin1Char(' '))));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QFileDialog::filesSelected, this, [this](const QStringList &files) {
        if (files.isEmpty())
            return;
        setLogoFromFile(files.first());
        qCInfo(lcSettings, "[zqBrainsClass updateSelectedItemImage]");
    });
    dialog->open();
}
