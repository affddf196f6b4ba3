#include "FormatSize.h"
#include "LocalConfig.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class tst_LocalConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void recordRoundTripsThroughTheFile();
    void unreadableNumbersReadAsZero();
    void groupedFilesKeepEveryGroup();
    void filesExistAfterStart();
    void formatSize_data();
    void formatSize();

private:
    QTemporaryDir m_appDir;
};

void tst_LocalConfig::init()
{
    QVERIFY(m_appDir.isValid());
    qputenv("DRAVO_APP_DIR", m_appDir.path().toLocal8Bit());
    for (const QString& path :
         { LocalConfig::ConfigPath(), LocalConfig::FragmentSizesPath(), LocalConfig::CleanSizeConfigPath() })
        QFile::remove(path);
}

void tst_LocalConfig::recordRoundTripsThroughTheFile()
{
    LocalConfig written;
    written.LastAppCleanDate = "stale";
    written.AllJunkSize = 99;
    written.Read(); // a fresh install reads the defaults
    QCOMPARE(written.LastAllCleanDate, QStringLiteral("None"));
    QCOMPARE(written.LastAppCleanDate, QStringLiteral("None"));
    QCOMPARE(written.LastEraseDateLine, QStringLiteral("None"));
    QCOMPARE(written.AllJunkSize, quint64(0));
    QCOMPARE(written.WhatsAppSpaceSize, quint32(0));
    QVERIFY(!QFile::exists(LocalConfig::ConfigPath())); // reading never creates the file

    written.LastJunkCleanDate = "12-05-2026 10:00:00 Sat";
    written.AllLargeFilesSize = 5'000'000'000ull; // past 32 bits
    written.LastEraseDateWeChat = "today";
    written.LineSpaceSize = 4'000'000'000u;
    written.Write();

    QSettings raw(LocalConfig::ConfigPath(), QSettings::IniFormat);
    QCOMPARE(raw.value("history/AllLargeFilesSize").toString(), QStringLiteral("5000000000"));
    QCOMPARE(raw.value("fragmentsEraseHistory/LastEraseDateWeChat").toString(), QStringLiteral("today"));
    QCOMPARE(raw.value("AppSpaceSize/LineSpaceSize").toString(), QStringLiteral("4000000000"));
    QCOMPARE(raw.value("history/LastAllCleanDate").toString(), QStringLiteral("None"));

    LocalConfig read;
    read.Read();
    QCOMPARE(read.LastJunkCleanDate, written.LastJunkCleanDate);
    QCOMPARE(read.AllLargeFilesSize, written.AllLargeFilesSize);
    QCOMPARE(read.LineSpaceSize, written.LineSpaceSize);
}

void tst_LocalConfig::unreadableNumbersReadAsZero()
{
    QFile file(LocalConfig::ConfigPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[history]\nAllJunkSize=lots\nAllCacheSize=-5\nAllAppSize=42\n[AppSpaceSize\nKikSpaceSize=x\n");
    file.close();
    LocalConfig config;
    config.Read();
    QCOMPARE(config.AllJunkSize, quint64(0));
    QCOMPARE(config.AllCacheSize, quint64(0));
    QCOMPARE(config.AllAppSize, quint64(42));
    QCOMPARE(config.KikSpaceSize, quint32(0));
}

void tst_LocalConfig::groupedFilesKeepEveryGroup()
{
    // Device keys are folder paths: they must come back whole, not split at "/".
    const QString deviceA = "/home/user/Velmora/devices/0a1b2c";
    const QString deviceB = "plain-key";
    LocalConfig::GroupedValues history;
    history[deviceA] = { { "LastDevUsedSpaceSize", "123" }, { "AllCleanSize", "456" } };
    history[deviceB] = { { "LastAllCleanDate", "12-05-2026 10:00:00 Sat" } };
    LocalConfig::WriteCleanSizeConfig(history);

    const LocalConfig::GroupedValues read = LocalConfig::ReadCleanSizeConfig();
    QCOMPARE(read.keys(), (QStringList { deviceA, deviceB }));
    QCOMPARE(read[deviceA].value("AllCleanSize"), QStringLiteral("456"));
    QCOMPARE(read[deviceA].value("LastAllCleanDate"), QString()); // absent reads as empty
    QCOMPARE(read[deviceB].value("LastAllCleanDate"), QStringLiteral("12-05-2026 10:00:00 Sat"));
    QCOMPARE(read[deviceB].size(), 3);
}

void tst_LocalConfig::filesExistAfterStart()
{
    {
        QFile keep(LocalConfig::ConfigPath());
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.write("[history]\nAllAppSize=7\n");
    }
    LocalConfig::EnsureFilesExist();
    QVERIFY(QFile::exists(LocalConfig::FragmentSizesPath()));
    QVERIFY(QFile::exists(LocalConfig::CleanSizeConfigPath()));
    LocalConfig config;
    config.Read();
    QCOMPARE(config.AllAppSize, quint64(7)); // an existing file is left as it was
}

void tst_LocalConfig::formatSize_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << quint64(0) << 2 << "0.00Byte";
    QTest::newRow("1024 stays bytes") << quint64(1024) << 2 << "1024.00Byte";
    QTest::newRow("1025 is KB") << quint64(1025) << 2 << "1.00KB";
    QTest::newRow("1536") << quint64(1536) << 2 << "1.50KB";
    QTest::newRow("no decimals") << quint64(1536) << 0 << "2KB";
    QTest::newRow("100 MiB") << quint64(100) * 1024 * 1024 << 2 << "100.00MB";
    QTest::newRow("1.5 GiB") << quint64(1536) * 1024 * 1024 << 1 << "1.5GB";
    QTest::newRow("past GB stays GB") << quint64(2048) * 1024 * 1024 * 1024 << 2 << "2048.00GB";
}

void tst_LocalConfig::formatSize()
{
    QFETCH(quint64, bytes);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(FormatSize(bytes, decimals), expected);
}

QTEST_GUILESS_MAIN(tst_LocalConfig)
#include "tst_LocalConfig.moc"
