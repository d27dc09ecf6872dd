#pragma once

#include <QWidget>

// Panels painted from the skin's pictures. Each is a drawing rule over its own bounds; a
// missing picture leaves only its part undrawn.

// A tiled background ("leftBg" for the options column, "PrefBg" behind a section's controls).
// With `holdsPresses`, a click on it does not start a window move.
class TiledBackground : public QWidget {
    Q_OBJECT
public:
    TiledBackground(const QString &imageName, bool holdsPresses, QWidget *parent = nullptr);
    QString imageName() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString m_image;
    bool m_holdsPresses;
};

// The bar below the browser: "bottomLineBg" tiled between 5-pixel caps "LeftBotLine" and
// "RightBotLine".
class BottomBar : public QWidget {
    Q_OBJECT
public:
    explicit BottomBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A sunken frame: 2-pixel side edges ("LBoxLine", "RBoxLine", tiled, 5 pixels short of each
// end) and 5-pixel top and bottom edges ("TBoxLine", "BBoxLine", stretched).
class BoxFrame : public QWidget {
    Q_OBJECT
public:
    explicit BoxFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
