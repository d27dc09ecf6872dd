#include "BackgroundPool.h"

#include <QThread>
#include <QThreadPool>

QThreadPool *backgroundPool()
{
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool;
        p->setMaxThreadCount(qMax(2, QThread::idealThreadCount()));
        return p;
    }();
    return pool;
}
