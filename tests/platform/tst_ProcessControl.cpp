#include "CProcessConsole.h"
#include "CompanionProcess.h"
#include "FileVersion.h"
#include "ProcessList.h"

#include "SpawnedProcess.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class tst_ProcessControl : public QObject
{
    Q_OBJECT

private slots:
    void killMatchesTheExactNameOnly();
    void companionFoundWithOrWithoutExe();
    void detachedProgramRunsInItsFolder();
    void fileVersionOfExecutables();

private:
    QString copyOfSleep(const QString& name);
    QTemporaryDir m_dir;
};

QString tst_ProcessControl::copyOfSleep(const QString& name)
{
    const QString sleep = QStandardPaths::findExecutable("sleep");
    const QString target = m_dir.filePath(name);
    if (!QFile::exists(target) && !QFile::copy(sleep, target))
        return {};
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return target;
}

void tst_ProcessControl::killMatchesTheExactNameOnly()
{
    const QString exact = copyOfSleep("AppleMobileBackup.exe");
    const QString otherCase = copyOfSleep("applemobilebackup.exe");
    const QString longer = copyOfSleep("AppleMobileBackup.exe2");
    QVERIFY(!exact.isEmpty() && !otherCase.isEmpty() && !longer.isEmpty());

    SpawnedProcess target, lowerCase, prefixed;
    QVERIFY(target.start(exact, { "60" }));
    QVERIFY(lowerCase.start(otherCase, { "60" }));
    QVERIFY(prefixed.start(longer, { "60" }));
    // The exe link appears once exec has happened.
    QTRY_VERIFY(FindProcessIdsByName("AppleMobileBackup.exe").size() == 1);
    QCOMPARE(FindProcessIdsByName("AppleMobileBackup.exe").front(), ProcessId(target.pid()));

    KillProcessByName("AppleMobileBackup.exe");
    QVERIFY(target.waitForEnd(5000));
    QCOMPARE(target.terminatingSignal(), SIGKILL);
    // An empty name matches nothing.
    QVERIFY(FindProcessIdsByName("").empty());
    KillProcessByName("");
    QVERIFY(!lowerCase.waitForEnd(300));
    QVERIFY(prefixed.isRunning());
    QCOMPARE(CProcessConsole().TerminateProcessesByName("applemobilebackup.exe"), 1);
    QVERIFY(lowerCase.waitForEnd(5000));
    QVERIFY(prefixed.isRunning());
}

void tst_ProcessControl::companionFoundWithOrWithoutExe()
{
    const std::string dir = m_dir.path().toStdString();
    QVERIFY(FindCompanionProgram(dir, "RestartApp.exe").empty());
    copyOfSleep("RestartApp");
    QCOMPARE(FindCompanionProgram(dir, "RestartApp.exe"), dir + "/RestartApp");
    copyOfSleep("RestartApp.exe");
    QCOMPARE(FindCompanionProgram(dir, "RestartApp.exe"), dir + "/RestartApp.exe");
    // A file that cannot be run is no program.
    QFile plain(m_dir.filePath("OvRemoveBack"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(FindCompanionProgram(dir, "OvRemoveBack.exe").empty());
}

void tst_ProcessControl::detachedProgramRunsInItsFolder()
{
    QTemporaryDir work;
    const QString script = m_dir.filePath("writer");
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\npwd > where.txt\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(StartDetachedProgram(script.toStdString(), work.path().toStdString()));
    const auto written = [&] {
        QFile where(work.filePath("where.txt"));
        return where.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(where.readAll()).trimmed() : QString();
    };
    QTRY_COMPARE(written(), QFileInfo(work.path()).canonicalFilePath());

    QVERIFY(!StartDetachedProgram(m_dir.filePath("missing").toStdString(), {}));
}

void tst_ProcessControl::fileVersionOfExecutables()
{
    QCOMPARE(QString::fromStdString(RunningExecutableFileVersion()), QStringLiteral(DRAVO_EXPECTED_VERSION));
    QCOMPARE(QString::fromStdString(RunningExecutablePath()), QCoreApplication::applicationFilePath());
    // Read back from the file, as the update check reads another program's version.
    QCOMPARE(QString::fromStdString(ExecutableFileVersion(RunningExecutablePath())),
             QStringLiteral(DRAVO_EXPECTED_VERSION));
    QCOMPARE(ExecutableFileVersion(copyOfSleep("plain").toStdString()), std::string());
    QCOMPARE(ExecutableFileVersion(m_dir.filePath("does-not-exist").toStdString()), std::string());
}

QTEST_GUILESS_MAIN(tst_ProcessControl)
#include "tst_ProcessControl.moc"
