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
    void startKeepsTheFileAndBadNumbersReadAsZero();
    void groupedFilesKeepEveryGroup();
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
    written.Read(); // a fresh install reads the defaults over what was there
    QCOMPARE(written.LastAppCleanDate, QStringLiteral("None"));
    QCOMPARE(written.AllJunkSize, quint64(0));
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

void tst_LocalConfig::startKeepsTheFileAndBadNumbersReadAsZero()
{
    QFile file(LocalConfig::ConfigPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[history]\nAllJunkSize=lots\nAllCacheSize=-5\nAllAppSize=42\n[AppSpaceSize\nKikSpaceSize=x\n");
    file.close();
    LocalConfig::EnsureFilesExist();
    QVERIFY(QFile::exists(LocalConfig::FragmentSizesPath()));
    QVERIFY(QFile::exists(LocalConfig::CleanSizeConfigPath()));
    LocalConfig config;
    config.Read();
    QCOMPARE(config.AllJunkSize, quint64(0));
    QCOMPARE(config.AllCacheSize, quint64(0));
    QCOMPARE(config.AllAppSize, quint64(42)); // an existing file is left as it was
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

void tst_LocalConfig::formatSize()
{
    const struct
    {
        quint64 bytes;
        int decimals;
        const char* expected;
    } cases[] = {
        { 0, 2, "0.00Byte" },
        { 1024, 2, "1024.00Byte" }, // 1024 stays bytes
        { 1025, 2, "1.00KB" },
        { 1536, 0, "2KB" },
        { 100ull << 20, 2, "100.00MB" },
        { 1536ull << 20, 1, "1.5GB" },
        { 2048ull << 30, 2, "2048.00GB" }, // past GB stays GB
    };
    for (const auto& c : cases)
        QCOMPARE(FormatSize(c.bytes, c.decimals), QString(c.expected));
}

QTEST_GUILESS_MAIN(tst_LocalConfig)
#include "tst_LocalConfig.moc"
