#include "CheckItunesThread.h"

#include "SpawnedProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>

namespace {
std::atomic<int> g_warnings { 0 };

void CountWarning()
{
    ++g_warnings;
}

/// A watcher whose passes the test runs one at a time.
class SteppedWatcher : public CheckItunesThread
{
public:
    explicit SteppedWatcher(QString processName = {})
        : m_name(std::move(processName))
    {
        SetHandler(CountWarning);
    }
    ~SteppedWatcher() override { Stop(); }
    using CheckItunesThread::RunOnePass;
    using CheckItunesThread::s_nPassCount;

    // Every test process with a controller runs a watcher that ends "iTunes.exe" too, so
    // the counting is checked on a name no other watcher looks for.
    std::vector<ProcessId> FindItunesProcesses() override
    {
        if (pretendFound)
            return { 1 };
        return m_name.isEmpty() ? CheckItunesThread::FindItunesProcesses() : FindProcessIdsByName(m_name.toStdString());
    }
    bool EndProcess(ProcessId pid) override { return !pretendFound && CheckItunesThread::EndProcess(pid); }

    /// Every pass finds a process (that is never ended), so it waits the long wait.
    std::atomic<bool> pretendFound { false };

private:
    QString m_name;
};
} // namespace

class tst_CheckItunesThread : public QObject
{
    Q_OBJECT

private slots:
    void endsOnePerPassAndWarnsOncePer20Passes();
    void stopsAtOnceEvenWhileWaiting();
};

void tst_CheckItunesThread::endsOnePerPassAndWarnsOncePer20Passes()
{
    const QString name = QString("iTunes-%1.exe").arg(QCoreApplication::applicationPid());
    QTemporaryDir dir;
    const QString program = dir.filePath(name);
    QVERIFY(QFile::copy(QStandardPaths::findExecutable("sleep"), program));
    SteppedWatcher watcher(name);
    SteppedWatcher::s_nPassCount = 0;
    g_warnings = 0;
    const auto startTarget = [&](SpawnedProcess& process) {
        return process.start(program, { "60" })
            && QTest::qWaitFor([&] { return !FindProcessIdsByName(name.toStdString()).empty(); }, 5000);
    };

    SpawnedProcess first, second, third;
    QVERIFY(startTarget(first));
    QVERIFY(startTarget(second));
    watcher.RunOnePass(); // pass 1 finds and ends one, and warns
    QVERIFY(first.waitForEnd(5000) != second.waitForEnd(100));
    QCOMPARE(g_warnings.load(), 1);
    watcher.RunOnePass(); // pass 2 ends the other without a second warning
    QVERIFY(first.waitForEnd(5000) && second.waitForEnd(5000));
    QCOMPARE(first.terminatingSignal() + second.terminatingSignal(), 2 * SIGKILL);
    QCOMPARE(g_warnings.load(), 1);

    for (int pass = 3; pass <= 20; ++pass)
        watcher.RunOnePass(); // nothing to find; pass 20 allows the next warning
    QCOMPARE(g_warnings.load(), 1);
    QVERIFY(startTarget(third));
    watcher.RunOnePass();
    QVERIFY(third.waitForEnd(5000));
    QCOMPARE(g_warnings.load(), 2);
}

void tst_CheckItunesThread::stopsAtOnceEvenWhileWaiting()
{
    // At this test's time scale a pass waits 50 ms, and 200 ms more before it ends iTunes.
    SteppedWatcher watcher;
    watcher.pretendFound = true;
    g_warnings = 0;
    watcher.start();
    QTRY_COMPARE(g_warnings.load(), 1); // in the long wait of its next pass from now on
    QTest::qWait(80);
    QElapsedTimer timer;
    timer.start();
    watcher.Stop();
    QVERIFY(watcher.isFinished());
    QVERIFY2(timer.elapsed() < 100, qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(tst_CheckItunesThread)
#include "tst_CheckItunesThread.moc"
