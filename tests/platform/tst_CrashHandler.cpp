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

    // A larger dump of an earlier crash that the new one replaces.
    QTemporaryDir dir;
    QFile dump(dir.filePath("crashcore.dmp"));
    QVERIFY(dump.open(QIODevice::WriteOnly) && dump.write(QByteArray(100000, 'z')) == 100000);
    dump.close();
    SpawnedProcess child;
    QVERIFY(child.start(CRASHCHILD, { how }, dir.path()));
    QVERIFY(child.waitForEnd(20000));
    QCOMPARE(child.terminatingSignal(), signal);

    QVERIFY(dump.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(dump.readAll());
    QVERIFY2(text.startsWith("crashcore\n") && !text.contains("zzzz"), qPrintable(text.left(200)));
    QVERIFY2(text.contains(QStringLiteral("signal: %1 (%2)\n").arg(signal).arg(name)), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\nprocess: %1\n").arg(child.pid())));
    // The main thread's id is the process id.
    QVERIFY(text.contains(QStringLiteral("\nthread: %1\n").arg(child.pid())));
    if (how == "segv")
        QVERIFY2(text.contains("\naddress: 0x10\n"), qPrintable(text));
    const QStringList frames = text.section("backtrace:\n", 1).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(frames.size() >= 2, qPrintable(text));
}

QTEST_GUILESS_MAIN(tst_CrashHandler)
#include "tst_CrashHandler.moc"
