#include "CTaskCallback.h"

#include <QCoreApplication>
#include <QThread>

#if defined(__SANITIZE_THREAD__)
#define DRAVO_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define DRAVO_THREAD_SANITIZER 1
#endif
#endif

namespace {
#if defined(DRAVO_THREAD_SANITIZER)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
char g_handOver;

/// Qt is not built for the thread checker, so it cannot see that a queued signal orders
/// what its sender wrote before what the receiver reads (records of CGlobalData). The
/// emitters release, and every queued call handled on the window thread acquires.
class HandOverFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MetaCall)
            __tsan_acquire(&g_handOver);
        return false;
    }
};

void HandOverToReceivers()
{
    __tsan_release(&g_handOver);
}

void WatchHandOvers(QCoreApplication* app)
{
    if (QThread::currentThread() == app->thread())
        app->installEventFilter(new HandOverFilter(app));
}
#else
void HandOverToReceivers() { }
void WatchHandOvers(QCoreApplication*) { }
#endif
} // namespace

CTaskCallback* CTaskCallback::GetInstance()
{
    static CTaskCallback* const instance = [] {
        auto* created = new CTaskCallback;
        // Whichever thread asks first, the object belongs to the window thread.
        if (QCoreApplication* app = QCoreApplication::instance()) {
            created->moveToThread(app->thread());
            WatchHandOvers(app);
        }
        return created;
    }();
    return instance;
}

void CTaskCallback::HandOver()
{
    HandOverToReceivers();
}
