// The language restart companion, run as the program runs it: it must wait for the running
// instance to end and only then start the program from its working directory.
#include "ProcessList.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class tst_RestartApp : public QObject
{
    Q_OBJECT

private slots:
    void startsTheProgramOnceTheOldOneHasEnded();
    void withoutTheProgramStartsNothing();
};

void tst_RestartApp::startsTheProgramOnceTheOldOneHasEnded()
{
    // RestartApp would rightly wait for a running program too, so a wait for the test's
    // stand-in could not be told from a wait for that one.
    if (!FindProcessIdsByName("VelmoraDravoFree").empty())
        QSKIP("VelmoraDravoFree is running on this machine; close it to run this test");
    QTemporaryDir running;
    QTemporaryDir program;
    QVERIFY(running.isValid() && program.isValid());

    // The instance that is ending: a process of the program's name for another second.
    const QString sleeper = running.filePath("VelmoraDravoFree");
    QVERIFY(QFile::copy(QStandardPaths::findExecutable("sleep"), sleeper));
    QProcess oldInstance;
    oldInstance.start(sleeper, { "1" });
    QVERIFY(oldInstance.waitForStarted());

    // The program to start again: notes that it ran, where, and whether the old one was gone.
    const QString started = program.filePath("started");
    QFile script(program.filePath("VelmoraDravoFree"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\npwd > started\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));

    QElapsedTimer clock;
    clock.start();
    QProcess restart;
    restart.setWorkingDirectory(program.path());
    restart.start(QStringLiteral(RESTARTAPP), QStringList());
    QVERIFY(restart.waitForStarted());
    QVERIFY2(!QTest::qWaitFor([&] { return QFileInfo::exists(started); }, 300),
             "started while the old instance still ran");

    QVERIFY(restart.waitForFinished(30000));
    QCOMPARE(restart.exitCode(), 0);
    QVERIFY(oldInstance.waitForFinished(0) || oldInstance.state() == QProcess::NotRunning);
    QVERIFY(clock.elapsed() >= 900);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(started).size() > 0, 10000);
    QFile note(started);
    QVERIFY(note.open(QIODevice::ReadOnly));
    QCOMPARE(QFileInfo(QString::fromLocal8Bit(note.readAll().trimmed())).canonicalFilePath(),
             QFileInfo(program.path()).canonicalFilePath());
}

void tst_RestartApp::withoutTheProgramStartsNothing()
{
    QTemporaryDir empty;
    QProcess restart;
    restart.setWorkingDirectory(empty.path());
    restart.start(QStringLiteral(RESTARTAPP), QStringList());
    QVERIFY(restart.waitForFinished(10000));
    QCOMPARE(restart.exitCode(), 1);
    QVERIFY(restart.readAllStandardError().contains("not found"));
}

QTEST_GUILESS_MAIN(tst_RestartApp)
#include "tst_RestartApp.moc"
