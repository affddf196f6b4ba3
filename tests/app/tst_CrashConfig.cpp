#include "CrashConfig.h"

#include "FileVersion.h"

#include <QDir>
#include <QFile>
#include <QTest>

class tst_CrashConfig : public QObject
{
    Q_OBJECT

private slots:
    void bytesOfTheFile();
    void writtenForTheRunningProgram();
    void reporterStartsAndIsEnded();
};

void tst_CrashConfig::bytesOfTheFile()
{
    const QByteArray expected("Velmora Dravo Free\np22\n1.2.3.4\nDebian GNU/Linux 12\n\0"
                              "VelmoraDravoFree.exe\0crashcore.dmp\0",
                              19 + 4 + 8 + 20 + 1 + 20 + 1 + 13 + 1);
    QCOMPARE(CrashConfig::fileContents("1.2.3.4", "Debian GNU/Linux 12", "VelmoraDravoFree.exe"), expected);

    // An empty user line still keeps its line feed.
    QVERIFY(CrashConfig::fileContents("1.0", "", "a.exe")
                .startsWith(QByteArray("Velmora Dravo Free\np22\n1.0\n\n\0a.exe", 34)));
}

void tst_CrashConfig::writtenForTheRunningProgram()
{
    {
        QFile stale(CrashConfig::kFileName);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray(4096, 'x'));
    }
    QVERIFY(CrashConfig().write());
    QFile file(CrashConfig::kFileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QList<QByteArray> fields = bytes.split('\0');
    QCOMPARE(fields.size(), 4); // three fields, each closed by a zero byte
    QVERIFY(fields[3].isEmpty());
    QVERIFY(fields[0].startsWith("Velmora Dravo Free\np22\n" + QByteArray::fromStdString(RunningExecutableFileVersion())
                                 + "\n"));
    QCOMPARE(fields[1], QCoreApplication::applicationName().toLocal8Bit() + ".exe");
    QCOMPARE(fields[2], QByteArray("crashcore.dmp"));
}

void tst_CrashConfig::reporterStartsAndIsEnded()
{
    CrashConfig config;
    QVERIFY(!config.startReporter()); // none installed: skipped
    QVERIFY(!config.reporterRunning());
    config.endReporter();

    // On this system the reporter may be installed without its ".exe".
    QFile script("ZevOdivovo");
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho started > reporter.ran\nexec sleep 60\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    QVERIFY(config.startReporter());
    QTRY_VERIFY(QFile::exists("reporter.ran"));
    QVERIFY(config.reporterRunning());
    config.endReporter();
    QVERIFY(!config.reporterRunning());
    config.endReporter(); // a second end is harmless
}

QTEST_GUILESS_MAIN(tst_CrashConfig)
#include "tst_CrashConfig.moc"
