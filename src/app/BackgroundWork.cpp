#include "BackgroundWork.h"

#include <QThread>

QThreadPool *BackgroundWork::pool()
{
    static QThreadPool *const threads = [] {
        auto *p = new QThreadPool;
        p->setMaxThreadCount(qMax(2, QThread::idealThreadCount()));
        return p;
    }();
    return threads;
}

QObject *BackgroundWork::uiDispatcher()
{
    static QObject *const dispatcher = new QObject;
    return dispatcher;
}

void BackgroundWork::drain()
{
    pool()->clear();
    pool()->waitForDone();
}
