#include "sheets/CompletionDialog.h"

#include "batch/ReportFile.h"
#include "common/FileName.h"
#include "desktop/DesktopServices.h"
#include "sections/OutputFolderRow.h"
#include "sheets/RunTimes.h"
#include "skin/SkinImages.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

CompletionDialog::CompletionDialog(const ConversionReport &report, const QString &outputFolder,
                                   QWidget *parent)
    : SheetDialog(parent), m_report(report), m_outputFolder(outputFolder)
{
    setWindowTitle(tr("Conversion finished"));
    setMinimumWidth(420);
    auto *icon = new QLabel(this);
    // The tick only when every file was written.
    const bool allWritten = report.writtenCount() == int(report.files.size());
    const QString image =
        allWritten && !report.cancelled ? QStringLiteral("done") : QStringLiteral("Attention");
    icon->setObjectName(QStringLiteral("notificationImage"));
    icon->setProperty("imageName", image);
    icon->setPixmap(skinPixmap(image, QSize(48, 48), devicePixelRatioF()));
    m_headline = new QLabel(
        report.cancelled ? tr("Image Conversion Canceled!") : tr("Image Conversion Completed!"), this);
    m_headline->setObjectName(QStringLiteral("runHeadline"));
    // The outcome in words, then what stopped the run, if anything did.
    QString outcome = tr("%1 of %2 converted").arg(report.writtenCount()).arg(report.files.size());
    if (report.failedCount() > 0)
        outcome += tr(", %1 failed").arg(report.failedCount());
    if (report.notStartedCount() > 0)
        outcome += tr(", %1 not started").arg(report.notStartedCount());
    m_summary = new QLabel(outcome, this);
    m_summary->setObjectName(QStringLiteral("runSummary"));
    m_summary->setVisible(!allWritten);
    QLabel *stopped = nullptr;
    if (!report.stopped.isEmpty()) {
        QString text = readableFileName(report.stopped);
        text[0] = text[0].toUpper();
        stopped = new QLabel(text + QLatin1Char('.'), this);
        stopped->setObjectName(QStringLiteral("runStopped"));
        stopped->setWordWrap(true);
    }

    // Where the files went, the folder a link that opens it; how long it took, once known.
    m_folderLink = new QLabel(this);
    m_folderLink->setObjectName(QStringLiteral("runFolder"));
    const QString shown =
        fontMetrics().elidedText(OutputFolderRow::shownPath(outputFolder), Qt::ElideMiddle, 300);
    m_folderLink->setText(tr("Saved in %1")
                              .arg(QStringLiteral("<a href=\"%1\">%2</a>")
                                       .arg(QUrl::fromLocalFile(outputFolder).toString(QUrl::FullyEncoded),
                                            shown.toHtmlEscaped())));
    m_folderLink->setTextFormat(Qt::RichText);
    m_folderLink->setToolTip(readableFileName(outputFolder));
    m_folderLink->setVisible(report.writtenCount() > 0);
    m_duration = new QLabel(this);
    m_duration->setObjectName(QStringLiteral("runDuration"));
    m_duration->hide();

    QStringList lines;
    for (const FileResult &file : report.files)
        if (file.status == FileStatus::Failed)
            lines << tr("%1 — %2").arg(readableFileName(QFileInfo(file.input).fileName()),
                                       file.failure.text());
    m_failures = new QPlainTextEdit(lines.join(QLatin1Char('\n')), this);
    m_failures->setReadOnly(true);
    m_failures->setVisible(!lines.isEmpty());
    m_failures->setMinimumHeight(lines.isEmpty() ? 0 : 160);

    auto *buttons = new QDialogButtonBox(this);
    m_open = buttons->addButton(tr("Open Folder"), QDialogButtonBox::ActionRole);
    m_saveReport = buttons->addButton(tr("Save Report…"), QDialogButtonBox::ActionRole);
    m_saveReport->setObjectName(QStringLiteral("saveReport"));
    buttons->addButton(QDialogButtonBox::Close);
    QStringList written;
    for (const FileResult &file : report.files)
        if (file.status == FileStatus::Written)
            written << file.output;
    m_whereNote = new QLabel(this);
    m_whereNote->setObjectName(QStringLiteral("whereNote"));
    m_whereNote->setWordWrap(true);
    m_whereNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_whereNote->hide();
    const QString noFileManager =
        tr("No file manager opened. The files are in %1").arg(readableFileName(outputFolder));
    connect(m_open, &QPushButton::clicked, this, [this, outputFolder, written, noFileManager] {
        // The written files selected in the file manager where it can; else their folder; and
        // where no file manager opens, where the files are.
        if (DesktopServices::showFiles(written, outputFolder)) {
            accept();
            return;
        }
        showWhere(noFileManager);
    });
    connect(m_folderLink, &QLabel::linkActivated, this, [this, outputFolder, noFileManager] {
        if (!DesktopServices::openUrl(QUrl::fromLocalFile(outputFolder)))
            showWhere(noFileManager);
    });
    connect(m_saveReport, &QPushButton::clicked, this, [this] {
        auto *dialog = new QFileDialog(this, tr("Save Report"), m_outputFolder,
                                       tr("Reports in JSON lines (*.jsonl);;All files (*)"));
        dialog->setObjectName(QStringLiteral("reportDialog"));
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setDefaultSuffix(QStringLiteral("jsonl"));
        dialog->selectFile(tr("pressmark-report.jsonl"));
        dialog->setWindowModality(Qt::WindowModal);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) { saveReport(path); });
        dialog->open();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(m_headline, 1);
    layout->addLayout(top);
    layout->addWidget(m_summary);
    auto *where = new QHBoxLayout;
    where->addWidget(m_folderLink, 1);
    where->addWidget(m_duration);
    layout->addLayout(where);
    if (stopped)
        layout->addWidget(stopped);
    if (!lines.isEmpty())
        layout->addWidget(new QLabel(tr("These files were not converted:"), this));
    layout->addWidget(m_failures);
    // What the run says once about itself (a font substituted, a logo switched on without a picture).
    if (!report.notes.isEmpty()) {
        auto *notes = new QLabel(report.notes.join(QLatin1Char('\n')), this);
        notes->setObjectName(QStringLiteral("runNotes"));
        notes->setWordWrap(true);
        layout->addWidget(notes);
    }
    layout->addWidget(m_whereNote);
    layout->addWidget(buttons);
}

void CompletionDialog::setDuration(qint64 ms)
{
    m_duration->setText(tr("Took %1").arg(RunTimes::duration(ms)));
    m_duration->show();
}

Failure CompletionDialog::saveReport(const QString &path)
{
    const Failure failure = writeReportFile(path, m_report);
    if (failure.failed())
        showWhere(tr("The report could not be saved: %1").arg(readableFileName(failure.text())));
    else
        showWhere(tr("Report saved as %1").arg(readableFileName(path)));
    return failure;
}

void CompletionDialog::showWhere(const QString &text)
{
    m_whereNote->setText(text);
    m_whereNote->show();
}
