#include "preview/LargePreview.h"

#include "BackgroundWork.h"
#include "batch/NameTemplate.h"
#include "batch/OutputNaming.h"
#include "browser/ImageListModel.h"
#include "common/FileName.h"
#include "common/SpareCores.h"
#include "pipeline/ReadNameFacts.h"
#include "pipeline/RenderFile.h"
#include "preview/OverlayWarning.h"

#include <QAbstractSpinBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

LargePreview::LargePreview(ImageListModel *list, std::function<ConversionOptions()> options, QWidget *parent)
    : QDialog(parent), m_list(list), m_options(std::move(options))
{
    setWindowTitle(tr("Preview"));
    setWindowModality(Qt::WindowModal);
    resize(1000, 720);
    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("previewPicture"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->installEventFilter(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("previewScroll"));
    m_scroll->setWidget(m_picture);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setFrameShape(QFrame::NoFrame);
    QPalette dark = m_scroll->palette();
    dark.setColor(QPalette::Window, QColor(0x1e, 0x1f, 0x22));
    m_scroll->setPalette(dark);
    m_scroll->setBackgroundRole(QPalette::Window);

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("previewCaption"));
    m_caption->setTextInteractionFlags(Qt::NoTextInteraction);
    m_warning = new OverlayWarning(this);
    QPalette amber = m_warning->palette();
    amber.setColor(QPalette::WindowText, QColor(0x8a, 0x55, 0x00));
    m_warning->setPalette(amber);
    m_fitButton = new QPushButton(tr("100 %"), this);
    m_fitButton->setToolTip(tr("Fit to the window or show the output's pixels at 100 % (F, 1)"));
    m_beforeButton = new QPushButton(tr("Before"), this);
    m_beforeButton->setCheckable(true);
    m_beforeButton->setToolTip(tr("Show the picture without the overlays (B)"));
    auto *close = new QPushButton(tr("Close"), this);
    for (QPushButton *button : {m_fitButton, m_beforeButton, close})
        button->setFocusPolicy(Qt::NoFocus); // the arrow keys stay with the preview
    connect(m_fitButton, &QPushButton::clicked, this, [this] { setActualSize(!m_actualSize); });
    connect(m_beforeButton, &QPushButton::toggled, this, &LargePreview::setBefore);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    // Shortcuts, not key presses: they come before the focused child (the scroll area would
    // scroll with them), and a text field that takes the arrow keys keeps them.
    const auto stepOn = [this](QKeySequence key, int by) {
        auto *shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, by] { step(by); });
    };
    stepOn(QKeySequence(Qt::Key_Left), -1);
    stepOn(QKeySequence(Qt::Key_Up), -1);
    stepOn(QKeySequence(Qt::Key_Right), 1);
    stepOn(QKeySequence(Qt::Key_Down), 1);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_caption, 1);
    bar->addWidget(m_beforeButton);
    bar->addWidget(m_fitButton);
    bar->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_warning);
    layout->addLayout(bar);

    m_rerender = new QTimer(this);
    m_rerender->setSingleShot(true);
    m_rerender->setInterval(150);
    connect(m_rerender, &QTimer::timeout, this, &LargePreview::render);
}

void LargePreview::showRow(int row)
{
    if (row < 0 || row >= m_list->rowCount())
        return;
    m_row = row;
    const QString path = m_list->paths().at(row);
    setWindowTitle(tr("Preview of %1 (%2 of %3)")
                       .arg(readableFileName(QFileInfo(path).fileName()))
                       .arg(row + 1)
                       .arg(m_list->rowCount()));
    Q_EMIT rowShown(row);
    render();
}

void LargePreview::step(int by)
{
    // A text field keeps every arrow key (the left and right ones it takes before the shortcut).
    QWidget *focus = focusWidget();
    if (qobject_cast<QLineEdit *>(focus) || qobject_cast<QAbstractSpinBox *>(focus) ||
        qobject_cast<QTextEdit *>(focus) || qobject_cast<QPlainTextEdit *>(focus))
        return;
    if (m_row >= 0)
        showRow(std::clamp(m_row + by, 0, m_list->rowCount() - 1));
}

void LargePreview::setActualSize(bool actualSize)
{
    m_actualSize = actualSize;
    m_fitButton->setText(actualSize ? tr("Fit") : tr("100 %"));
    updateCaption();
    render();
}

void LargePreview::setBefore(bool before)
{
    m_before = before;
    if (m_beforeButton->isChecked() != before)
        m_beforeButton->setChecked(before);
    render();
}

QSize LargePreview::room() const
{
    return (m_scroll->contentsRect().size() * devicePixelRatioF()).expandedTo(QSize(64, 64));
}

void LargePreview::render()
{
    if (m_row < 0 || m_row >= m_list->rowCount())
        return;
    const QString path = m_list->paths().at(m_row);
    ConversionOptions options = m_options();
    // A tree's picture is named in its subfolder; a template's date, camera and size come with the
    // rendering.
    const QString subfolder = outputSubfolder(m_list->subfolderAt(m_row));
    const QString prefix = subfolder.isEmpty() ? QString() : subfolder + QLatin1Char('/');
    const auto nameWith = [path, prefix, position = m_row + 1, options](const NameFacts &facts) {
        return prefix +
               candidateFileNames(outputStem(path, position, options, facts), extensionFor(options.format))
                   .first();
    };
    m_outputName = nameWith(NameFacts());
    if (m_before) {
        options.logo.enabled = false;
        options.watermark.enabled = false;
        options.copyright.enabled = false;
    }
    // Fitted: drawn within the room; at 100 %: the whole output.
    const QSize box = m_actualSize ? QSize() : room();
    const quint64 generation = ++*m_generation;
    const auto current = m_generation;
    BackgroundWork::run(
        this,
        [path, options, box, generation, current] {
            if (*current != generation)
                return PipelineResult(); // superseded before it started
            // The one picture the user waits on may take a second core, as a run's last files do:
            // a large picture's reducer and TIFF decoding work in two halves.
            SpareCores cores(std::min(1, QThread::idealThreadCount() - 1));
            const SpareCoresScope scope(&cores);
            return previewFile(path, options, box);
        },
        [this, generation, current, nameWith, path,
         byTemplate = options.naming == NamingMode::Template](const PipelineResult &result) {
            if (*current != generation)
                return;
            if (byTemplate && result.ok())
                m_outputName = nameWith(nameFacts(result.metadata, path, result.outputSize));
            // The previous picture stays until this one is ready.
            m_shown = result.ok() ? result.image : QImage();
            m_outputSize = result.ok() ? result.outputSize : QSize();
            m_failure = result.ok() ? QString() : result.failure.text();
            m_warning->showFaint(hardlyVisibleOverlays(result.overlayContrasts));
            updateCaption();
            place();
            Q_EMIT rendered();
        });
    updateCaption();
}

QString LargePreview::caption() const
{
    return m_caption->text();
}

void LargePreview::updateCaption()
{
    const QString scale = m_actualSize ? tr("100 % — output pixels") : tr("Fit");
    if (m_outputSize.isValid())
        m_caption->setText(tr("%1 — %2 × %3 px — %4")
                               .arg(m_outputName)
                               .arg(m_outputSize.width())
                               .arg(m_outputSize.height())
                               .arg(scale));
    else
        m_caption->setText(tr("%1 — %2").arg(m_outputName, scale));
}

void LargePreview::place()
{
    if (m_shown.isNull()) {
        m_picture->setPixmap(QPixmap());
        m_picture->setText(m_failure.isEmpty() ? tr("This file cannot be read.")
                                               : tr("This file cannot be shown: %1").arg(m_failure));
        m_picture->adjustSize();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(m_shown);
    // Rendered for the room; scaled only while the window is resized, until it renders again.
    const QSize room = this->room();
    if (!m_actualSize && (pixmap.width() > room.width() || pixmap.height() > room.height()))
        pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // One pixel of the picture to one device pixel.
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    m_picture->setPixmap(pixmap);
    m_picture->resize(pixmap.deviceIndependentSize().toSize());
    m_picture->setCursor(m_actualSize ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void LargePreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_B:
        setBefore(!m_before);
        return;
    case Qt::Key_F:
        setActualSize(false);
        return;
    case Qt::Key_1:
        setActualSize(true);
        return;
    case Qt::Key_Space:
        accept();
        return;
    default:
        QDialog::keyPressEvent(event); // Escape closes
    }
}

void LargePreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // Rescaled at once, rendered afresh for the new size once the resizing pauses.
    if (!m_actualSize) {
        place();
        m_rerender->start();
    }
}

bool LargePreview::eventFilter(QObject *watched, QEvent *event)
{
    // At 100 %, dragging the picture pans it.
    if (watched == m_picture && m_actualSize) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_dragFrom = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            m_picture->setCursor(Qt::ClosedHandCursor);
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            const QPoint now = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            const QPoint moved = now - m_dragFrom;
            m_dragFrom = now;
            m_scroll->horizontalScrollBar()->setValue(m_scroll->horizontalScrollBar()->value() - moved.x());
            m_scroll->verticalScrollBar()->setValue(m_scroll->verticalScrollBar()->value() - moved.y());
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            m_picture->setCursor(Qt::OpenHandCursor);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
