#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>

// One section of the options accordion: a 32-pixel header (disclosure button, title, the
// indicator light) above a body of controls laid out for the open height. The section panel
// sets its frame; what lies below the frame is simply not shown.
class OptionSection : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeaderHeight = 32;

    OptionSection(const QString &title, int openHeight, QWidget *parent = nullptr);

    int openHeight() const { return m_openHeight; }
    QToolButton *headerButton() const { return m_button; }
    // The header picture's name: "btnClose" on the open section, "btnOpen" on the others.
    QString headerImage() const;
    void setHeaderImage(const QString &name);
    // Shown while the section's option is on.
    QLabel *light() const { return m_light; }
    QWidget *body() const { return m_body; }

protected:
    // A click anywhere on the header bar opens or closes the section, as its button does.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_openHeight;
    QToolButton *m_button;
    QLabel *m_title;
    QLabel *m_light;
    QWidget *m_body;
    bool m_headerPressed = false;
};
