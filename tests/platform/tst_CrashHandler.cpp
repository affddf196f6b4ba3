#include "SpawnedProcess.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class tst_CrashHandler : public QObject
{
    Q_OBJECT

private slots:
    void crashLeavesDumpAndKeepsTheSignal_data();
    void crashLeavesDumpAndKeepsTheSignal();
    void dumpReplacesAnOlderOne();
};

void tst_CrashHandler::crashLeavesDumpAndKeepsTheSignal_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("name");
    QTest::newRow("null write") << "segv" << SIGSEGV << "SIGSEGV";
    QTest::newRow("abort") << "abort" << SIGABRT << "SIGABRT";
    QTest::newRow("divide by zero") << "fpe" << SIGFPE << "SIGFPE";
    QTest::newRow("illegal instruction") << "ill" << SIGILL << "SIGILL";
    QTest::newRow("bus error") << "bus" << SIGBUS << "SIGBUS";
    // No stack left for an ordinary handler: the dump needs its own stack.
    QTest::newRow("stack overflow") << "overflow" << SIGSEGV << "SIGSEGV";
}

void tst_CrashHandler::crashLeavesDumpAndKeepsTheSignal()
{
    QFETCH(QString, how);
    QFETCH(int, signal);
    QFETCH(QString, name);

    QTemporaryDir dir;
    SpawnedProcess child;
    QVERIFY(child.start(CRASHCHILD, { how }, dir.path()));
    QVERIFY(child.waitForEnd(20000));
    QCOMPARE(child.terminatingSignal(), signal);

    QFile dump(dir.filePath("crashcore.dmp"));
    QVERIFY2(dump.open(QIODevice::ReadOnly), "no crashcore.dmp in the child's working directory");
    const QString text = QString::fromLatin1(dump.readAll());
    QVERIFY2(text.contains(QStringLiteral("signal: %1 (%2)\n").arg(signal).arg(name)), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\nprocess: %1\n").arg(child.pid())));
    // The main thread's id is the process id.
    QVERIFY(text.contains(QStringLiteral("\nthread: %1\n").arg(child.pid())));
    if (how == "segv")
        QVERIFY2(text.contains("\naddress: 0x10\n"), qPrintable(text));
    const QStringList frames = text.section("backtrace:\n", 1).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(frames.size() >= 2, qPrintable(text));
}

void tst_CrashHandler::dumpReplacesAnOlderOne()
{
    QTemporaryDir dir;
    QFile old(dir.filePath("crashcore.dmp"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'z'));
    old.close();

    SpawnedProcess child;
    QVERIFY(child.start(CRASHCHILD, { "abort" }, dir.path()));
    QVERIFY(child.waitForEnd(20000));
    QFile dump(dir.filePath("crashcore.dmp"));
    QVERIFY(dump.open(QIODevice::ReadOnly));
    const QByteArray bytes = dump.readAll();
    QVERIFY(bytes.startsWith("crashcore\n"));
    QVERIFY(!bytes.contains('z' + QByteArray(50, 'z')));
}

QTEST_GUILESS_MAIN(tst_CrashHandler)
#include "tst_CrashHandler.moc"
