#pragma once

#include "batch/ConversionJob.h"
#include "batch/ConversionReport.h"
#include "common/Failure.h"

#include "sheets/SheetDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The report at the end of a run: completed or cancelled, the outcome in words unless every file
// was written ("12 of 20 converted, 2 failed", said once, also after a cancel), the folder the
// files went into (a link that opens it) and how long the run took, what stopped the run, and the
// inputs that produced no output, each with its reason. It can open the output folder, and save
// the run's report as JSON lines (the core's writeReportFile(), as pressmark-cli --report writes
// it) through a window-modal file dialog.
class CompletionDialog : public SheetDialog {
    Q_OBJECT
public:
    CompletionDialog(const ConversionReport &report, const QString &outputFolder, QWidget *parent);

    QLabel *headline() const { return m_headline; }
    QLabel *summary() const { return m_summary; }
    // "Saved in <folder>", the folder a link; hidden when nothing was written.
    QLabel *folderLink() const { return m_folderLink; }
    QLabel *durationLabel() const { return m_duration; }
    // How long the run took, in words; not shown until set.
    void setDuration(qint64 ms);
    QPushButton *openButton() const { return m_open; }
    QPlainTextEdit *failures() const { return m_failures; }
    QPushButton *saveReportButton() const { return m_saveReport; }
    // Writes the run's report to the path and says where, or why it could not.
    Failure saveReport(const QString &path);

private:
    void showWhere(const QString &text);

    QLabel *m_headline;
    QLabel *m_summary;
    QLabel *m_folderLink;
    QLabel *m_duration;
    QPlainTextEdit *m_failures;
    QPushButton *m_open;
    QPushButton *m_saveReport;
    ConversionReport m_report;
    QString m_outputFolder;
    QLabel *m_whereNote;
};
