#pragma once

#include "batch/ConversionJob.h"
#include "batch/ConversionReport.h"

#include "sheets/SheetDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The report at the end of a run: completed or cancelled, the count after a cancel, the outcome
// in words unless every file was written ("12 of 20 converted, 2 failed"), what stopped the run,
// and the inputs that produced no output, each with its reason. It can open the output folder.
class CompletionDialog : public SheetDialog {
    Q_OBJECT
public:
    CompletionDialog(const ConversionReport &report, const QString &outputFolder, QWidget *parent);

    QLabel *headline() const { return m_headline; }
    QLabel *counter() const { return m_counter; }
    QLabel *summary() const { return m_summary; }
    QPushButton *openButton() const { return m_open; }
    QPlainTextEdit *failures() const { return m_failures; }

private:
    QLabel *m_headline;
    QLabel *m_counter;
    QLabel *m_summary;
    QPlainTextEdit *m_failures;
    QPushButton *m_open;
    QLabel *m_whereNote;
};
