#pragma once

#include "sheets/SheetDialog.h"

#include <QStringList>

#include <functional>

class ElidedLabel;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The window-modal dialog shown while a conversion runs: a bar that advances one step as each
// file starts, the "started/total files" text with the name of the file started last, the time
// since the run started and, once a few files have finished, an estimate of the time left
// (RunTimes), and Cancel. It stays for the whole run.
class ConvertingDialog : public SheetDialog {
    Q_OBJECT
public:
    // `inputs`: the run's files in list order.
    ConvertingDialog(const QStringList &inputs, QWidget *parent);

    // The file at `index` has started; `started` is the count when the update is shown.
    void fileStarted(int index, int started);
    // `finished` files have their outcome: the estimate follows.
    void fileFinished(int finished);
    // The time line again, from the clock (each second by itself).
    void showTime();
    // The milliseconds since the run started; the sheet's own clock unless a test sets one.
    void setClock(std::function<qint64()> elapsed) { m_elapsed = std::move(elapsed); }

    QProgressBar *bar() const { return m_bar; }
    QLabel *countLabel() const { return m_count; }
    ElidedLabel *fileLabel() const { return m_file; }
    QLabel *timeLabel() const { return m_time; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Escape, and closing the sheet by any other road, mean Cancel: the sheet stays, modal,
    // until the run has ended and the window takes it away.
    void reject() override;

Q_SIGNALS:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showFile(int index);

    QStringList m_inputs;
    int m_total;
    int m_finished = 0;
    float m_progress = 0.0f; // percent, one step of 100 / total per update
    std::function<qint64()> m_elapsed;
    QProgressBar *m_bar;
    QLabel *m_count;
    ElidedLabel *m_file;
    QLabel *m_time;
    QPushButton *m_cancel;
    QTimer *m_tick;
};
