#include "ConversionController.h"

#include "BackgroundPool.h"
#include "batch/ConversionRunner.h"

#include <QEventLoop>
#include <QPointer>
#include <QtConcurrent>

ConversionController::ConversionController(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<ConversionReport>();
    connect(&m_watcher, &QFutureWatcher<ConversionReport>::finished, this, [this] {
        m_running = false;
        const ConversionReport report = m_watcher.result();
        Q_EMIT finished(report);
    });
}

ConversionController::~ConversionController()
{
    if (m_running) {
        cancel();
        m_watcher.waitForFinished();
    }
}

void ConversionController::start(const ConversionJob &job)
{
    if (m_running)
        return;
    m_running = true;
    m_runner = std::make_unique<ConversionRunner>(job);
    QPointer<ConversionController> self(this);
    const int total = m_runner->total();
    m_runner->setFileStartedHandler([self, total](int, int started) {
        QMetaObject::invokeMethod(
            self,
            [self, started, total] {
                if (self)
                    Q_EMIT self->fileStarted(started, total);
            },
            Qt::QueuedConnection);
    });
    ConversionRunner *runner = m_runner.get();
    m_watcher.setFuture(QtConcurrent::run(backgroundPool(), [runner] { return runner->run(); }));
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
