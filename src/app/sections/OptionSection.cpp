#include "sections/OptionSection.h"

#include "skin/EmbossedLabel.h"
#include "skin/SkinImages.h"
#include "skin/SkinnedPanels.h"

#include <QMouseEvent>
#include <QPainter>

OptionSection::OptionSection(const QString &title, int openHeight, QWidget *parent)
    : QWidget(parent), m_openHeight(openHeight)
{
    m_button = new QToolButton(this);
    m_button->setAutoRaise(true);
    m_button->setIconSize(QSize(16, 16));
    m_button->setGeometry(6, 4, 24, 24);
    // The header's button carries the section's name for a screen reader; Space opens and closes it.
    m_button->setAccessibleName(title);
    m_button->setAccessibleDescription(tr("Opens or closes the section"));
    setHeaderImage(QStringLiteral("btnOpen"));

    m_title = new EmbossedLabel(title, EmbossedLabel::Shadow::Light, this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_light = new QLabel(this);
    m_light->setPixmap(skinPixmap(QStringLiteral("light"), QSize(12, 12), devicePixelRatioF()));
    m_light->setFixedSize(12, 12);
    m_light->setToolTip(tr("On"));
    m_light->hide();

    m_body = new TiledBackground(QStringLiteral("PrefBg"), true, this);
}

void OptionSection::mousePressEvent(QMouseEvent *event)
{
    m_headerPressed = event->button() == Qt::LeftButton && event->position().y() < kHeaderHeight;
    event->accept(); // a press on the options does not move the window
}

void OptionSection::mouseReleaseEvent(QMouseEvent *event)
{
    const bool onHeader =
        rect().contains(event->position().toPoint()) && event->position().y() < kHeaderHeight;
    if (m_headerPressed && event->button() == Qt::LeftButton && onHeader)
        m_button->click();
    m_headerPressed = false;
    event->accept();
}

QString OptionSection::headerImage() const
{
    return m_button->property("imageName").toString();
}

void OptionSection::setHeaderImage(const QString &name)
{
    m_button->setProperty("imageName", name);
    m_button->setIcon(skinIcon(name));
}

void OptionSection::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_title->setGeometry(34, 0, width() - 60, kHeaderHeight);
    m_light->move(width() - 22, (kHeaderHeight - m_light->height()) / 2);
    // The focus ring of the header's button goes round the whole header bar.
    m_button->setProperty("focusRingRect", QRect(-m_button->pos(), QSize(width(), kHeaderHeight)));
    // The body keeps its open size whatever the frame's height: closing clips it.
    m_body->setGeometry(0, kHeaderHeight, width(), m_openHeight - kHeaderHeight);
}

void OptionSection::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect header(0, 0, width(), kHeaderHeight);
    QLinearGradient shade(header.topLeft(), header.bottomLeft());
    shade.setColorAt(0, palette().color(QPalette::Button).lighter(106));
    shade.setColorAt(1, palette().color(QPalette::Button).darker(104));
    painter.fillRect(header, shade);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, kHeaderHeight - 1, width(), kHeaderHeight - 1);
}
