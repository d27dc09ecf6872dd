#pragma once

#include <QColor>
#include <QPushButton>

// A colour well: a button filled with its colour that opens the colour chooser.
class ColorWell : public QPushButton {
    Q_OBJECT
public:
    explicit ColorWell(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    // Shows the colour without emitting colorChosen.
    void setColor(const QColor &color);

Q_SIGNALS:
    void colorChosen(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void choose();

    QColor m_color = Qt::white;
};
