#include "sheets/ConvertingDialog.h"

#include "common/FileName.h"
#include "sections/ElidedLabel.h"
#include "sheets/RunTimes.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

ConvertingDialog::ConvertingDialog(const QStringList &inputs, QWidget *parent)
    : SheetDialog(parent), m_inputs(inputs), m_total(int(inputs.size())), m_tick(new QTimer(this))
{
    setWindowTitle(tr("Converting"));
    setMinimumWidth(440);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    m_elapsed = [clock] { return clock->elapsed(); };
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("runCount"));
    m_file = new ElidedLabel(this);
    m_file->setObjectName(QStringLiteral("runFile"));
    m_time = new QLabel(this);
    m_time->setObjectName(QStringLiteral("runTime"));
    m_cancel = new QPushButton(tr("Cancel"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Converting images…"), this));
    layout->addWidget(m_bar);
    auto *lines = new QGridLayout;
    lines->setHorizontalSpacing(6);
    lines->addWidget(m_count, 0, 0);
    lines->addWidget(m_file, 0, 1, 1, 2);
    lines->addWidget(m_time, 1, 0, 1, 2);
    lines->addWidget(m_cancel, 1, 2, Qt::AlignRight);
    lines->setColumnStretch(1, 1);
    layout->addLayout(lines);
    if (m_total == 1) {
        m_bar->setValue(100);
        m_count->setText(tr("1/1 file"));
    }
    // The first file starts at once.
    if (m_total > 0)
        showFile(0);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_cancel->setEnabled(false);
        m_cancel->setText(tr("Canceling..."));
        showTime();
        Q_EMIT cancelRequested();
    });
    m_tick->setInterval(1000);
    connect(m_tick, &QTimer::timeout, this, &ConvertingDialog::showTime);
    m_tick->start();
    showTime();
}

void ConvertingDialog::reject()
{
    if (m_cancel->isEnabled())
        m_cancel->click();
}

void ConvertingDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
    reject();
}

void ConvertingDialog::fileStarted(int index, int started)
{
    m_progress += 100.0f / float(m_total);
    m_bar->setValue(qRound(m_progress));
    m_count->setText(m_total == 1 ? tr("1/1 file") : tr("%1/%n files", nullptr, m_total).arg(started));
    showFile(index);
}

void ConvertingDialog::showFile(int index)
{
    if (index >= 0 && index < m_inputs.size())
        m_file->setFullText(tr("· %1").arg(readableFileName(QFileInfo(m_inputs.at(index)).fileName())));
}

void ConvertingDialog::fileFinished(int finished)
{
    m_finished = finished;
    showTime();
}

void ConvertingDialog::showTime()
{
    const qint64 elapsed = m_elapsed();
    const QString spent = tr("%1 elapsed").arg(RunTimes::clock(elapsed));
    QString after;
    if (!m_cancel->isEnabled())
        after = tr("finishing the files in progress");
    else if (const std::optional<qint64> left = RunTimes::remaining(elapsed, m_finished, m_total))
        after = RunTimes::left(*left);
    else if (m_finished < m_total)
        after = tr("estimating the time left…");
    m_time->setText(after.isEmpty() ? spent : tr("%1 · %2").arg(spent, after));
}
