#include "CCtrlThread.h"
#include "CProcessTask.h"
#include "CTask.h"

#include <QSemaphore>
#include <QTest>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace {
/// What the tasks of one test did, shared by all of them.
struct Record
{
    std::mutex mutex;
    std::vector<int> started;
    std::atomic<int> running { 0 };
    std::atomic<bool> overlapped { false };
    std::atomic<int> finished { 0 };
    std::atomic<int> destroyed { 0 };
};

class RecordingProcess : public CProcessTask
{
public:
    RecordingProcess(Record& record, int number, QSemaphore* gate = nullptr)
        : m_record(record)
        , m_number(number)
        , m_gate(gate)
    { }
    ~RecordingProcess() override { ++m_record.destroyed; }

    void Run() override
    {
        if (++m_record.running > 1)
            m_record.overlapped = true;
        {
            std::lock_guard<std::mutex> lock(m_record.mutex);
            m_record.started.push_back(m_number);
        }
        if (m_gate)
            m_gate->acquire();
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        --m_record.running;
        ++m_record.finished;
    }

private:
    Record& m_record;
    int m_number;
    QSemaphore* m_gate;
};
} // namespace

class tst_CCtrlThread : public QObject
{
    Q_OBJECT

private slots:
    void tasksRunInPostingOrderOneAtATime();
    void stopFinishesTheRunningTaskAndDropsTheRest();
};

void tst_CCtrlThread::tasksRunInPostingOrderOneAtATime()
{
    Record record;
    CCtrlThread thread;
    QVERIFY(thread.isRunning());
    // Posted from two threads in turn, so the queue is used under contention.
    std::thread other([&] {
        for (int i = 0; i < 20; i += 2)
            thread.Post(new CTask(new RecordingProcess(record, i)));
    });
    other.join();
    for (int i = 1; i < 20; i += 2)
        thread.Post(new CTask(new RecordingProcess(record, i)));
    thread.Post(new CTask()); // an empty task does nothing
    QTRY_COMPARE(record.finished.load(), 20);
    QTRY_COMPARE(record.destroyed.load(), 20);
    QVERIFY(!record.overlapped);
    std::vector<int> expected;
    for (int i = 0; i < 20; ++i)
        expected.push_back(i < 10 ? 2 * i : 2 * i - 19);
    QCOMPARE(record.started, expected);
}

void tst_CCtrlThread::stopFinishesTheRunningTaskAndDropsTheRest()
{
    Record record;
    QSemaphore gate;
    auto* thread = new CCtrlThread;
    thread->Post(new CTask(new RecordingProcess(record, 0, &gate)));
    QTRY_COMPARE(record.running.load(), 1);
    // The first task holds the thread; posting must still return at once.
    for (int i = 1; i <= 3; ++i)
        thread->Post(new CTask(new RecordingProcess(record, i)));
    QCOMPARE(record.finished.load(), 0);

    std::atomic<bool> stopped { false };
    std::thread stopper([&] {
        thread->Stop();
        stopped = true;
    });
    QVERIFY(!QTest::qWaitFor([&] { return stopped.load(); }, 50)); // waits for the running task
    gate.release();
    stopper.join();
    QVERIFY(thread->isFinished());
    QCOMPARE(record.finished.load(), 1);
    QCOMPARE(record.destroyed.load(), 1);
    delete thread; // frees the tasks that never ran
    QCOMPARE(record.destroyed.load(), 4);
    QCOMPARE(record.finished.load(), 1);
}

QTEST_GUILESS_MAIN(tst_CCtrlThread)
#include "tst_CCtrlThread.moc"
