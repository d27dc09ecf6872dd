#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <functional>
#include <type_traits>
#include <utility>

// The one way the window runs work off the UI thread: conversions, thumbnails, metadata reads
// and previews all go through here.
//
// Threading: work runs on a pool of its own, kept apart from Qt's global pool, which Qt's own
// painting and smooth scaling borrow from the UI thread (long decodes there made every repaint
// wait for a free thread). Work gets only the values it captured and must not touch widgets or
// any object of the UI thread. Its result comes back on the UI thread, to a receiver that lives
// there, and only while that receiver exists; a receiver destroyed meanwhile simply gets
// nothing. run() and UiChannel's constructor are called on the UI thread; UiChannel::post() on
// any thread. drain() waits for all work, before the application object goes away.
namespace BackgroundWork {

QThreadPool *pool();
// The object deliveries are queued to: made on the UI thread at first use, never destroyed.
QObject *uiDispatcher();
// Lets no new work start and waits for the work running.
void drain();

} // namespace BackgroundWork

// A way back to the UI thread for one receiver.
class UiChannel {
public:
    explicit UiChannel(QObject *receiver) : m_receiver(receiver) { BackgroundWork::uiDispatcher(); }

    // Runs `call` on the UI thread if the receiver still exists then.
    template <typename Call> void post(Call call) const
    {
        QMetaObject::invokeMethod(
            BackgroundWork::uiDispatcher(),
            [receiver = m_receiver, call = std::move(call)]() mutable {
                if (receiver)
                    call();
            },
            Qt::QueuedConnection);
    }

private:
    QPointer<QObject> m_receiver;
};

namespace BackgroundWork {

// Runs work() on the pool, then done(result) on the UI thread while `receiver` exists.
template <typename Work, typename Done> void run(QObject *receiver, Work work, Done done)
{
    const UiChannel channel(receiver);
    pool()->start([channel, work = std::move(work), done = std::move(done)]() mutable {
        using Value = std::invoke_result_t<Work &>;
        Value value = work();
        channel.post(
            [done = std::move(done), value = std::move(value)]() mutable { done(std::move(value)); });
    });
}

} // namespace BackgroundWork
