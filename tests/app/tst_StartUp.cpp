#include "SpawnedProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// Starts the real program (offscreen) and checks what start-up leaves behind.
class tst_StartUp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secondInstanceExitsSilentlyWithMinusOne();

private:
    /// Starts one more instance and returns its exit code, or -1000 if it keeps running.
    static int runExtraInstance();
    /// Starts an instance and waits until it is past the single-instance check.
    static bool startEstablished(SpawnedProcess& app);
    QTemporaryDir m_appDir;
};

void tst_StartUp::initTestCase()
{
    QVERIFY(m_appDir.isValid());
    qputenv("DRAVO_APP_DIR", m_appDir.path().toLocal8Bit());
}

int tst_StartUp::runExtraInstance()
{
    SpawnedProcess extra;
    if (!extra.start(DRAVO_EXE))
        return -2000;
    if (!extra.waitForEnd(10000))
        return -1000;
    return extra.exitedNormally() ? extra.exitCode() : -3000;
}

bool tst_StartUp::startEstablished(SpawnedProcess& app)
{
    // "crash_config" is written only after the instance has taken the name.
    QFile::remove("crash_config");
    if (!app.start(DRAVO_EXE))
        return false;
    return QTest::qWaitFor([&] { return QFile::exists("crash_config") || !app.isRunning(); }, 10000)
        && QFile::exists("crash_config") && app.isRunning();
}

void tst_StartUp::secondInstanceExitsSilentlyWithMinusOne()
{
    SpawnedProcess first;
    QVERIFY(startEstablished(first));
    QVERIFY(QDir(m_appDir.filePath("temp/appIconTemp")).exists()); // start-up made its folders
    QCOMPARE(runExtraInstance(), 255);                             // -1 as an exit status
    QVERIFY(first.isRunning());

    // Killed without a chance to clean up, the first instance must not block the next start.
    kill(first.pid(), SIGKILL);
    QVERIFY(first.waitForEnd(5000));
    QCOMPARE(first.terminatingSignal(), SIGKILL);

    SpawnedProcess next;
    QVERIFY(startEstablished(next));
    QCOMPARE(runExtraInstance(), 255);
    QVERIFY2(next.isRunning(), "the instance started after the kill must keep running");
    next.killHard();
}

QTEST_GUILESS_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
