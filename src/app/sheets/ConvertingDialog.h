#pragma once

#include "sheets/SheetDialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The window-modal dialog shown while a conversion runs: a bar that advances one step as each
// file starts, the "started/total files" text, and Cancel. It stays for the whole run.
class ConvertingDialog : public SheetDialog {
    Q_OBJECT
public:
    ConvertingDialog(int total, QWidget *parent);

    // A file has started; `started` is the count when the update is shown.
    void advance(int started);
    QProgressBar *bar() const { return m_bar; }
    QLabel *countLabel() const { return m_count; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Escape, and closing the sheet by any other road, mean Cancel: the sheet stays, modal,
    // until the run has ended and the window takes it away.
    void reject() override;

Q_SIGNALS:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    int m_total;
    float m_progress = 0.0f; // percent, one step of 100 / total per update
    QProgressBar *m_bar;
    QLabel *m_count;
    QPushButton *m_cancel;
};
