#include "sections/SectionPanel.h"

#include "sections/OptionSection.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

static constexpr int kClosed = OptionSection::kHeaderHeight;

SectionPanel::SectionPanel(OptionSection *titleAndSize, OptionSection *logo, OptionSection *watermark,
                           OptionSection *copyright, QLineEdit *widthField, QLineEdit *heightField,
                           QWidget *parent)
    : QWidget(parent), m_sections {titleAndSize, logo, watermark, copyright}, m_frames(4),
      m_widthField(widthField), m_heightField(heightField)
{
    for (OptionSection *s : m_sections)
        s->setParent(this);
    connect(titleAndSize->headerButton(), &QAbstractButton::clicked, this, [this] { toggleTitleSection(); });
    connect(logo->headerButton(), &QAbstractButton::clicked, this, [this] { toggleLogoSection(false); });
    connect(watermark->headerButton(), &QAbstractButton::clicked, this, [this] { toggleWatermarkSection(); });
    connect(copyright->headerButton(), &QAbstractButton::clicked, this, [this] { toggleCopyrightSection(); });
    collapseAll();
}

QSize SectionPanel::sizeHint() const
{
    // Room for the tallest open section below three closed headers.
    int tallest = 0;
    for (OptionSection *s : m_sections)
        tallest = qMax(tallest, s->openHeight());
    return QSize(300, 3 * kClosed + tallest);
}

void SectionPanel::collapseAll()
{
    for (int i = 0; i < 4; ++i)
        m_frames[i] = QRect(0, 0, width(), kClosed);
    restack();
    setHeaderImages(-1);
    const bool animated = m_animated;
    m_animated = false;
    apply({TitleAndSize, Logo, Watermark, Copyright});
    m_animated = animated;
}

bool SectionPanel::isOpen(Section which) const
{
    return m_frames.at(which).height() != kClosed;
}

int SectionPanel::openSectionCode() const
{
    // Read from the header pictures, the later section first.
    for (int i = 3; i >= 0; --i)
        if (m_sections.at(i)->headerImage() == QLatin1String("btnClose"))
            return i + 1;
    return 0;
}

void SectionPanel::setHeaderImages(int open)
{
    for (int i = 0; i < 4; ++i) {
        OptionSection *section = m_sections.at(i);
        section->setHeaderImage(i == open ? QStringLiteral("btnClose") : QStringLiteral("btnOpen"));
        // A closed section's controls leave the focus chain at once (they are hidden once the
        // section has closed), so Tab and typing never reach what cannot be seen.
        QWidget *body = section->body();
        if (i == open) {
            body->show();
        } else if (body->isAncestorOf(QApplication::focusWidget())) {
            section->headerButton()->setFocus(Qt::OtherFocusReason);
        }
    }
}

void SectionPanel::hideClosedBodies()
{
    for (int i = 0; i < 4; ++i)
        if (!isOpen(Section(i)))
            m_sections.at(i)->body()->hide();
}

void SectionPanel::restack()
{
    int top = 0;
    for (int i = 0; i < 4; ++i) {
        m_frames[i].moveTop(top);
        top += m_frames.at(i).height();
    }
}

void SectionPanel::apply(const QList<Section> &order)
{
    if (m_animation) {
        m_animation->stop();
        delete m_animation;
        m_animation = nullptr;
    }
    if (!m_animated || !isVisible()) {
        for (Section s : order)
            m_sections.at(s)->setGeometry(m_frames.at(s));
        hideClosedBodies();
        return;
    }
    m_animation = new QParallelAnimationGroup(this);
    for (Section s : order) {
        auto *move = new QPropertyAnimation(m_sections.at(s), "geometry", m_animation);
        move->setDuration(200);
        move->setEasingCurve(QEasingCurve::InOutQuad);
        move->setEndValue(m_frames.at(s));
    }
    connect(m_animation, &QAbstractAnimation::finished, this, &SectionPanel::hideClosedBodies);
    m_animation->start();
}

void SectionPanel::toggleTitleSection()
{
    m_widthField->show();
    m_heightField->show();
    if (!isOpen(TitleAndSize)) {
        setHeaderImages(TitleAndSize);
        for (int i = 0; i < 4; ++i)
            m_frames[i].setHeight(i == TitleAndSize ? m_sections.at(i)->openHeight() : kClosed);
    } else {
        setHeaderImages(-1);
        m_frames[TitleAndSize].setHeight(kClosed);
    }
    restack();
    apply({TitleAndSize, Logo, Watermark, Copyright});
}

void SectionPanel::toggleLogoSection(bool keepOpened)
{
    if (!isOpen(Logo)) {
        setHeaderImages(Logo);
        for (int i = 0; i < 4; ++i)
            m_frames[i].setHeight(i == Logo ? m_sections.at(i)->openHeight() : kClosed);
        restack();
        apply({Logo, TitleAndSize, Watermark, Copyright});
    } else if (!keepOpened) {
        setHeaderImages(-1);
        m_frames[Logo].setHeight(kClosed);
        restack();
        apply({Logo, TitleAndSize, Watermark, Copyright});
    }
    m_widthField->hide();
    m_heightField->hide();
}

void SectionPanel::toggleWatermarkSection()
{
    if (!isOpen(Watermark)) {
        setHeaderImages(Watermark);
        for (int i = 0; i < 4; ++i)
            m_frames[i].setHeight(i == Watermark ? m_sections.at(i)->openHeight() : kClosed);
    } else {
        setHeaderImages(-1);
        m_frames[Watermark].setHeight(kClosed);
    }
    restack();
    apply({Watermark, TitleAndSize, Logo, Copyright});
    m_widthField->hide();
    m_heightField->hide();
}

void SectionPanel::toggleCopyrightSection()
{
    if (!isOpen(Copyright)) {
        setHeaderImages(Copyright);
        for (int i = 0; i < 4; ++i)
            m_frames[i].setHeight(i == Copyright ? m_sections.at(i)->openHeight() : kClosed);
    } else {
        setHeaderImages(-1);
        m_frames[Copyright].setHeight(kClosed);
    }
    restack();
    apply({Copyright, TitleAndSize, Logo, Watermark});
}

void SectionPanel::mousePressEvent(QMouseEvent *event)
{
    event->accept(); // a press on the options does not move the window
}

void SectionPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A section's x and width follow the panel; its top and height are the accordion's.
    for (int i = 0; i < 4; ++i) {
        m_frames[i].setLeft(0);
        m_frames[i].setWidth(width());
        if (!m_animation || m_animation->state() != QAbstractAnimation::Running)
            m_sections.at(i)->setGeometry(m_frames.at(i));
    }
}
