#pragma once

#include <QLabel>

// A one-line label whose text, when it is wider than the label, is cut in the middle ("…")
// so both ends stay readable, as a path's start and its last folder do; the whole text is its
// tooltip. It asks for no width of its own: the layout gives it what there is.
// Threading: UI thread only.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    // The whole text; what shows is cut to the width.
    void setFullText(const QString &text);
    const QString &fullText() const { return m_fullText; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elide();

    QString m_fullText;
};
