#include "skin/SkinnedControls.h"

#include "skin/SkinImages.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QStylePainter>

static const QString kKnob = QStringLiteral("knob");
static const QString kBar = QStringLiteral("sliderLine");

void SkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                   QPainter *painter, const QWidget *widget) const
{
    const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_Slider || !slider || slider->orientation != Qt::Horizontal) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionSlider plain = *slider;
    plain.subControls &= ~SC_SliderTickmarks; // never any tick marks
    // Each part falls back to the platform's drawing when its picture is missing.
    plain.subControls &= ~(skinImageExists(kBar) ? SC_SliderGroove : SC_None);
    plain.subControls &= ~(skinImageExists(kKnob) ? SC_SliderHandle : SC_None);
    if (plain.subControls != SC_None)
        QProxyStyle::drawComplexControl(control, &plain, painter, widget);
    const QRect groove = subControlRect(CC_Slider, slider, SC_SliderGroove, widget);
    drawSkinStretched(*painter,
                      QRectF(groove.x() + 1.0, groove.center().y() - 2.0, groove.width() - 2.0, 5.0), kBar);
    drawSkinStretched(*painter, subControlRect(CC_Slider, slider, SC_SliderHandle, widget), kKnob);
}

int SkinStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_SliderLength:
    case PM_SliderThickness:
    case PM_SliderControlThickness:
        return skinImageExists(kKnob) ? 18 : QProxyStyle::pixelMetric(metric, option, widget);
    case PM_SliderTickmarkOffset:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QRect SkinStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                                const QWidget *widget) const
{
    if (control == CC_Slider && sub == SC_SliderTickmarks)
        return QRect();
    return QProxyStyle::subControlRect(control, option, sub, widget);
}

SkinnedPopUp::SkinnedPopUp(Bezel bezel, QWidget *parent) : QComboBox(parent), m_bezel(bezel)
{
    const QSize picture = skinImageSize(bezelImage());
    if (!picture.isEmpty())
        setFixedSize(picture.width(), 20);
}

QString SkinnedPopUp::bezelImage() const
{
    switch (m_bezel) {
    case Bezel::Short:
        return QStringLiteral("popUpButton");
    case Bezel::Long:
        return QStringLiteral("popUpLongButton");
    case Bezel::Fonts:
        return QStringLiteral("popUpFontsButton");
    }
    return QString();
}

QRect SkinnedPopUp::bezelRect() const
{
    static const int widths[] = {57, 100, 140};
    return QRect(0, 1, widths[int(m_bezel)], 18);
}

void SkinnedPopUp::paintEvent(QPaintEvent *event)
{
    if (!skinImageExists(bezelImage())) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    drawSkinStretched(painter, bezelRect(), bezelImage());
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.frame = false;
    // The text stays clear of the arrows at the bezel's right end.
    option.rect = bezelRect().adjusted(6, 0, -18, 0);
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
        painter.drawRoundedRect(QRectF(bezelRect()).adjusted(0.75, 0.75, -0.75, -0.75), 4, 4);
    }
    // With nothing chosen, the placeholder, dimmed.
    const bool placeholder = currentIndex() < 0 && !placeholderText().isEmpty();
    painter.setPen(palette().color(placeholder ? QPalette::PlaceholderText : QPalette::ButtonText));
    painter.drawText(option.rect, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(placeholder ? placeholderText() : option.currentText,
                                              Qt::ElideRight, option.rect.width()));
}

SkinnedLineEdit::SkinnedLineEdit(Frame frame, QWidget *parent) : QLineEdit(parent), m_frame(frame)
{
    setFrame(false);
    QPalette clear = palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    setPalette(clear);
    setTextMargins(3, 1, 0, 0);
    setFixedHeight(22);
}

void SkinnedLineEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const QRect b = rect();
    if (m_frame == Frame::Overlay) {
        drawSkinStretched(painter, b, QStringLiteral("txtField"));
        return;
    }
    drawSkinTiled(painter, QRectF(b.x() + 2.0, b.y(), b.width() - 4.0, b.height()), QStringLiteral("TxtFld"),
                  QPointF(b.x() + 2.0, b.y()));
    drawSkinStretched(painter, QRectF(0.0, 0.0, 2.0, b.height()), QStringLiteral("TxtFld_l"));
    drawSkinStretched(painter, QRectF(b.width() - 2.0, 0.0, 2.0, b.height()), QStringLiteral("TxtFld_r"));
}

QPalette SkinStyle::standardPalette() const
{
    QPalette light(QColor(0xef, 0xf0, 0xf1), QColor(0xe4, 0xe6, 0xe9));
    light.setColor(QPalette::WindowText, QColor(0x1f, 0x21, 0x24));
    light.setColor(QPalette::Text, QColor(0x1f, 0x21, 0x24));
    light.setColor(QPalette::ButtonText, QColor(0x1f, 0x21, 0x24));
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::AlternateBase, QColor(0xf4, 0xf5, 0xf6));
    light.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xdc));
    light.setColor(QPalette::ToolTipText, Qt::black);
    light.setColor(QPalette::PlaceholderText, QColor(0x80, 0x84, 0x8a));
    light.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    light.setColor(QPalette::HighlightedText, Qt::white);
    light.setColor(QPalette::Link, QColor(0x1d, 0x6f, 0xb8));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        light.setColor(QPalette::Disabled, role, QColor(0x9a, 0x9d, 0xa2));
    return light;
}

void SkinStyle::polish(QPalette &palette)
{
    palette = standardPalette();
}

void applySkinPalette()
{
    const QPalette skin = SkinStyle(QStringLiteral("Fusion")).standardPalette();
    QApplication::setPalette(skin);
    // The classes Qt gives a theme's own palette, each overridden by name.
    for (const char *name :
         {"QAbstractButton", "QToolButton", "QCheckBox", "QRadioButton", "QComboBox", "QLabel",
          "QMessageBoxLabel", "QLineEdit", "QTextEdit", "QTextControl", "QPlainTextEdit", "QAbstractItemView",
          "QHeaderView", "QMenu", "QMenuBar", "QTabBar", "QGroupBox", "QAbstractSpinBox"})
        QApplication::setPalette(skin, name);
}
