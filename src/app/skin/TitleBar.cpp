#include "skin/TitleBar.h"

#include "skin/EmbossedLabel.h"
#include "skin/SkinImages.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {

// A corner piece: its picture at one pixel per pixel, whatever part needs painting.
class CornerPiece : public QWidget {
public:
    CornerPiece(const QString &image, QWidget *parent) : QWidget(parent), m_image(image)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QSize own = skinImageSize(m_image);
        if (!own.isEmpty())
            drawSkinStretched(painter, QRectF(QPointF(0, 0), own), m_image);
    }

private:
    QString m_image;
};

// The buttons stay out of the Tab path (the window's own keys do what they do: Ctrl+W, Ctrl+M,
// Ctrl+Shift+M, F11); a screen reader finds them by name and presses them by their action.
QToolButton *makeButton(QWidget *parent, const char *name, const QString &tip, const QString &keys)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(tip);
    button->setAccessibleDescription(keys);
    button->setAutoRaise(true);
    button->setIconSize(QSize(14, 14));
    button->setFixedSize(14, 14);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(
        QStringLiteral("QToolButton { border: none; padding: 0; background: transparent; }"));
    button->setMouseTracking(true);
    return button;
}

} // namespace

TitleBar::TitleBar(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(kHeight);
    setMouseTracking(true);
    m_isActive = [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; };
    m_leftCorner = new CornerPiece(QStringLiteral("ltb"), this);
    m_rightCorner = new CornerPiece(QStringLiteral("rtb"), this);
    m_close = makeButton(this, "titleBarClose", tr("Close"), tr("Closes the window (Ctrl+W)"));
    m_minimize = makeButton(this, "titleBarMinimize", tr("Minimize"), tr("Minimizes the window (Ctrl+M)"));
    m_zoom = makeButton(this, "titleBarZoom", tr("Zoom"),
                        tr("Fills the screen with the window, or gives it its size back (Ctrl+Shift+M)"));
    m_fullScreen =
        makeButton(this, "titleBarFullScreen", tr("Full screen"), tr("Full screen on and off (F11)"));
    m_fullScreen->setIcon(skinIcon(QStringLiteral("btn_fullscreen")));
    m_title = new EmbossedLabel(QString(), EmbossedLabel::Shadow::Dark, this);
    m_title->setAlignment(Qt::AlignCenter);
    QPalette light = m_title->palette();
    light.setColor(QPalette::WindowText, QColor(0xdd, 0xdf, 0xe3));
    m_title->setPalette(light);
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QToolButton *button : {m_close, m_minimize, m_zoom})
        button->installEventFilter(this);
    setNormalPictures();

    connect(m_close, &QToolButton::clicked, this, [this] {
        Q_EMIT closeRequested();
        setNormalPictures();
    });
    connect(m_minimize, &QToolButton::clicked, this, [this] {
        Q_EMIT minimizeRequested();
        setNormalPictures();
    });
    connect(m_zoom, &QToolButton::clicked, this, [this] {
        Q_EMIT zoomRequested();
        setNormalPictures();
    });
    connect(m_fullScreen, &QToolButton::clicked, this, &TitleBar::fullScreenRequested);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            applicationActivated();
    });
}

void TitleBar::applicationActivated()
{
    if (!m_inside)
        setNormalPictures();
}

void TitleBar::setTitle(const QString &title)
{
    m_title->setText(title);
}

QString TitleBar::buttonImage(const QToolButton *button)
{
    return button->property("imageName").toString();
}

QRect TitleBar::trackingRect() const
{
    // (4, 2) from the strip's bottom-left corner, 58 x 14, mirrored into widget rows.
    return QRect(4, height() - 2 - 14, 58, 14);
}

void TitleBar::setPictures(const QString &close, const QString &minimize, const QString &zoom)
{
    const QList<QPair<QToolButton *, QString>> pictures = {
        {m_close, close}, {m_minimize, minimize}, {m_zoom, zoom}};
    for (const auto &[button, name] : pictures) {
        button->setProperty("imageName", name);
        button->setIcon(skinIcon(name));
    }
}

void TitleBar::setNormalPictures()
{
    setPictures(QStringLiteral("btn_close"), QStringLiteral("btn_min"), QStringLiteral("btn_zoom"));
}

void TitleBar::mouseEntered()
{
    setPictures(QStringLiteral("btn_closeHover"), QStringLiteral("btn_minHover"),
                QStringLiteral("btn_zoomHover"));
}

void TitleBar::mouseExited()
{
    if (m_isActive()) {
        setNormalPictures();
    } else {
        const QString off = QStringLiteral("btn_activeoff");
        setPictures(off, off, off);
    }
}

void TitleBar::trackPointer(const QPoint &position)
{
    const bool inside = trackingRect().contains(position);
    if (inside == m_inside)
        return;
    m_inside = inside;
    if (inside)
        mouseEntered();
    else
        mouseExited();
}

void TitleBar::mouseMoveEvent(QMouseEvent *event)
{
    trackPointer(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void TitleBar::leaveEvent(QEvent *event)
{
    if (!rect().contains(mapFromGlobal(QCursor::pos())))
        trackPointer(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QWidget *>(watched);
    if (button && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)) {
        trackPointer(button->mapTo(this, button->mapFromGlobal(QCursor::pos())));
    }
    return QWidget::eventFilter(watched, event);
}

void TitleBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int y = height() - 2 - 14;
    m_close->move(8, y);
    m_minimize->move(28, y);
    m_zoom->move(48, y);
    m_fullScreen->move(width() - 8 - 14 - 6, y);
    m_leftCorner->setGeometry(0, 0, 8, height());
    m_rightCorner->setGeometry(width() - 8, 0, 8, height());
    m_title->setGeometry(80, 0, width() - 160, height());
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The strip between the corner pieces, which draw the rounded ends.
    drawSkinTiled(painter, QRectF(8, 0, width() - 16, height()), QStringLiteral("tb"));
}
