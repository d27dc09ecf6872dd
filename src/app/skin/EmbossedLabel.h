#pragma once

#include <QLabel>

// A label whose text is embossed: a copy one pixel below in a light shadow (dark text on a
// light ground) or a dark one (light text on a dark ground), then the text itself.
class EmbossedLabel : public QLabel {
    Q_OBJECT
public:
    enum class Shadow { Light, Dark };

    explicit EmbossedLabel(const QString &text, Shadow shadow, QWidget *parent = nullptr);

    Shadow shadow() const { return m_shadow; }
    QColor shadowColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shadow m_shadow;
};
