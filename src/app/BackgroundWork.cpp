#include "BackgroundWork.h"

#include <QCoreApplication>
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
    static QObject *const dispatcher = [] {
        auto *object = new QObject;
        // Deliveries run where the application's event loop runs, whoever asked first.
        if (QCoreApplication *app = QCoreApplication::instance())
            object->moveToThread(app->thread());
        return object;
    }();
    return dispatcher;
}

void BackgroundWork::drain()
{
    pool()->clear();
    pool()->waitForDone();
}
