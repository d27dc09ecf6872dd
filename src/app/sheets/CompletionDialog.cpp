#include "sheets/CompletionDialog.h"

#include "desktop/DesktopServices.h"
#include "skin/SkinImages.h"
#include "common/FileName.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

CompletionDialog::CompletionDialog(const ConversionReport &report, const QString &outputFolder,
                                   QWidget *parent)
    : SheetDialog(parent)
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
    m_headline = new QLabel(report.cancelled ? QStringLiteral("Image Conversion Canceled!")
                                             : QStringLiteral("Image Conversion Completed!"),
                            this);
    const int started = int(report.files.size()) - report.notStartedCount();
    m_counter = new QLabel(QStringLiteral("%1/%2").arg(started).arg(report.files.size()), this);
    m_counter->setVisible(report.cancelled);

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

    QStringList lines;
    for (const FileResult &file : report.files)
        if (file.status == FileStatus::Failed)
            lines << QStringLiteral("%1 — %2").arg(readableFileName(QFileInfo(file.input).fileName()),
                                                   file.failure.text());
    m_failures = new QPlainTextEdit(lines.join(QLatin1Char('\n')), this);
    m_failures->setReadOnly(true);
    m_failures->setVisible(!lines.isEmpty());
    m_failures->setMinimumHeight(lines.isEmpty() ? 0 : 160);

    auto *buttons = new QDialogButtonBox(this);
    m_open = buttons->addButton(tr("Open Folder"), QDialogButtonBox::ActionRole);
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
    connect(m_open, &QPushButton::clicked, this, [this, outputFolder, written] {
        // The written files selected in the file manager where it can; else their folder; and
        // where no file manager opens, where the files are.
        if (DesktopServices::showFiles(written, outputFolder)) {
            accept();
            return;
        }
        m_whereNote->setText(
            tr("No file manager opened. The files are in %1").arg(readableFileName(outputFolder)));
        m_whereNote->show();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(m_headline, 1);
    top->addWidget(m_counter);
    layout->addLayout(top);
    layout->addWidget(m_summary);
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
