#include "ConversionController.h"

#include "BackgroundWork.h"
#include "batch/ConversionRunner.h"

#include <QEventLoop>

ConversionController::ConversionController(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<ConversionReport>();
}

ConversionController::~ConversionController()
{
    cancel();
}

void ConversionController::start(const ConversionJob &job)
{
    if (m_running)
        return;
    m_running = true;
    m_finished = 0;
    m_runner = std::make_shared<ConversionRunner>(job);
    const int total = m_runner->total();
    const UiChannel channel(this);
    m_runner->setFileStartedHandler([this, channel, total](int index, int started) {
        channel.post([this, index, started, total] { Q_EMIT fileStarted(index, started, total); });
    });
    m_runner->setFileFinishedHandler([this, channel, total](const FileResult &) {
        channel.post([this, total] { Q_EMIT fileFinished(++m_finished, total); });
    });
    BackgroundWork::run(
        this, [runner = m_runner] { return runner->run(); },
        [this](const ConversionReport &report) {
            m_running = false;
            Q_EMIT finished(report);
        });
}

void ConversionController::cancel()
{
    if (m_runner)
        m_runner->cancel();
}

void ConversionController::waitForFinished()
{
    if (!m_running)
        return;
    QEventLoop loop;
    connect(this, &ConversionController::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

int ConversionController::startedCount() const
{
    return m_runner ? m_runner->startedCount() : 0;
}
