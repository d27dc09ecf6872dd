#include "sheets/ConvertingDialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ConvertingDialog::ConvertingDialog(int total, QWidget *parent) : SheetDialog(parent), m_total(total)
{
    setWindowTitle(tr("Converting"));
    setMinimumWidth(360);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_count = new QLabel(this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Converting images…"), this));
    layout->addWidget(m_bar);
    layout->addWidget(m_count);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    if (total == 1) {
        m_bar->setValue(100);
        m_count->setText(QStringLiteral("1/1 file"));
    }
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_cancel->setEnabled(false);
        m_cancel->setText(QStringLiteral("Canceling..."));
        Q_EMIT cancelRequested();
    });
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

void ConvertingDialog::advance(int started)
{
    m_progress += 100.0f / float(m_total);
    m_bar->setValue(qRound(m_progress));
    m_count->setText(QStringLiteral("%1/%2 files").arg(started).arg(m_total));
}
