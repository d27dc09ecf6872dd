#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QProxyStyle>

// Controls painted from the skin's pictures, each falling back to the platform's own drawing
// for a part whose picture is missing.

// Sliders with the "knob" picture on the "sliderLine" bar and never any tick marks.
class SkinStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget = nullptr) const override;
    // The skin's own light palette, whatever the desktop's theme: its panels are light, so a
    // dark theme's light text would vanish on them.
    QPalette standardPalette() const override;
    void polish(QPalette &palette) override;
    using QProxyStyle::polish;
};

// Puts the skin's palette on the application and on every class a desktop theme gives its own
// palette (combo boxes, buttons, labels, fields, menus...). Call once, before any window.
void applySkinPalette();

// A popup whose bezel is one of three pictures ("popUpButton" 57, "popUpLongButton" 100 or
// "popUpFontsButton" 140 pixels wide), drawn under its text.
class SkinnedPopUp : public QComboBox {
    Q_OBJECT
public:
    enum class Bezel { Short, Long, Fonts };
    explicit SkinnedPopUp(Bezel bezel, QWidget *parent = nullptr);

    QString bezelImage() const;
    // The bezel's place: (0, 1) and its picture's width by 18.
    QRect bezelRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Bezel m_bezel;
};

// A text field without a background of its own, its text moved 3 pixels right and 1 down, and
// a frame drawn over it: the "txtField" picture stretched (Overlay), or the "TxtFld" groove
// tiled between the 2-pixel caps "TxtFld_l" and "TxtFld_r" (Groove).
class SkinnedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class Frame { Overlay, Groove };
    explicit SkinnedLineEdit(Frame frame, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Frame m_frame;
};
