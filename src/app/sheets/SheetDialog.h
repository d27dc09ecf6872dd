#pragma once

#include <QDialog>

// A dialog shown as a sheet of the main window: no system title bar, drawn on the section
// tile with a dark outline, movable by its background, placed by the window (placeSheet).
class SheetDialog : public QDialog {
    Q_OBJECT
public:
    explicit SheetDialog(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
