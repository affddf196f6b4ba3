// The ovsim command line: what people and scripts use to make, plug and look at devices.
#include "DeviceImageFixture.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

#include <tuple>

namespace {

struct Result
{
    int code = -1;
    QString out;
    QString err;
};

Result ovsim(const QStringList& arguments)
{
    QProcess process;
    process.start(OVSIM, arguments);
    Result result;
    if (!process.waitForFinished(20000))
        return result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QJsonObject category(const Result& show, const QString& name)
{
    return QJsonDocument::fromJson(show.out.toUtf8()).object().value("categories").toObject().value(name).toObject();
}

} // namespace

class tst_ovdriverOvsim : public QObject
{
    Q_OBJECT

private slots:
    void createWithCountsAndShow();
    void commandsChangeTheImageFoundByNameOrAsTheOnlyOne();
    void mistakesAreRefused_data();
    void mistakesAreRefused();
};

void tst_ovdriverOvsim::createWithCountsAndShow()
{
    DeviceImageFixture fixture;
    const QString folder = fixture.root() + "/counted";
    const QStringList options = QString("--photos 3 --deleted-photos 1 --videos 0 --deleted-videos 0 --junk 2 "
                                        "--large-files 1 --large-file-size 2M --records 2 --deleted 1 "
                                        "--count messages=5,2 --count contacts=0 --photo-size 64x48 --apps 0")
                                    .split(' ');
    const Result created = ovsim(QStringList { "create", folder, "--name", "Test Phone" } + options);
    QVERIFY2(created.code == 0, qPrintable(created.err));

    const Result show = ovsim({ "show", folder, "--json" });
    QCOMPARE(show.code, 0);
    const QJsonObject root = QJsonDocument::fromJson(show.out.toUtf8()).object();
    QCOMPARE(root.value("name").toString(), QString("Test Phone"));
    QCOMPARE(root.value("plugged").toBool(), false);
    const QList<std::tuple<QString, int, int>> counts { { "photos", 3, 1 },   { "videos", 0, 0 },
                                                        { "messages", 5, 2 }, { "contacts", 0, -1 },
                                                        { "callLog", 2, 1 },  { "junk128", 2, -1 } };
    for (const auto& [name, existing, deleted] : counts) {
        QCOMPARE(category(show, name).value("existing").toInt(), existing);
        if (deleted >= 0)
            QCOMPARE(category(show, name).value("deleted").toInt(), deleted);
    }
    QCOMPARE(category(show, "apps").value("existing").toInt(), ImageBuilder::fragmentApps().size());
    QVERIFY(category(show, "largeFiles").value("bytes").toDouble() >= 2 * 1024 * 1024);
    // The same numbers as the fixture reads, and the human form names the categories.
    QCOMPARE(fixture.summary(folder).toJson(), root);
    const Result text = ovsim({ "show", folder });
    QVERIFY(text.out.contains("messages") && text.out.contains("Test Phone"));

    const Result again = ovsim({ "create", folder });
    QCOMPARE(again.code, 2);
    QVERIFY(again.err.contains("already holds a device image"));
}

void tst_ovdriverOvsim::commandsChangeTheImageFoundByNameOrAsTheOnlyOne()
{
    DeviceImageFixture fixture; // OVDRIVER_SIM_ROOT is the fixture's root now
    const QString folder = fixture.root() + "/phone";
    QCOMPARE(ovsim({ "create", folder, "--untrusted", "--locked", "--photo-size", "32x24" }).code, 0);
    QVERIFY(!fixture.isPlugged(folder));
    QCOMPARE(ovsim({ "plug" }).code, 0); // the only device needs no name
    QVERIFY(fixture.isPlugged(folder));

    QVERIFY(!fixture.image(folder).flag("trusted"));
    QCOMPARE(ovsim({ "trust", folder }).code, 0);
    QVERIFY(fixture.image(folder).flag("trusted"));
    QVERIFY(fixture.image(folder).flag("locked"));
    QCOMPARE(ovsim({ "unlock", folder }).code, 0);
    QVERIFY(!fixture.image(folder).flag("locked"));

    const auto fault = [&](const QString& what, const QString& value) {
        return ovsim({ "fault", folder, what, value }).code == 0;
    };
    QVERIFY(fault("backup", "-36") && fault("leave", "restore") && fault("password", "hunter2")
            && fault("findmy", "1"));
    QCOMPARE(ovsim({ "fault", "connect", "9" }).code, 0);
    DeviceImage image = fixture.image(folder);
    QCOMPARE(image.faultCode("backup"), -36);
    QCOMPARE(image.faultCode("connect"), 9);
    QCOMPARE(image.leaveDuring(), QString("restore"));
    QVERIFY(image.flag("backupEncrypted") && image.flag("findMyIPhone"));
    QCOMPARE(image.text("backupPassword"), QString("hunter2"));

    QVERIFY(fault("backup", "none") && fault("leave", "0") && fault("password", "none"));
    image = fixture.image(folder);
    QCOMPARE(image.faultCode("backup"), 0);
    QVERIFY(image.leaveDuring().isEmpty());
    QVERIFY(!image.flag("backupEncrypted"));

    // With two devices, a command must name one.
    QVERIFY(!fixture.create("second").isEmpty());
    const Result ambiguous = ovsim({ "unplug" });
    QCOMPARE(ambiguous.code, 2);
    QVERIFY(ambiguous.err.contains("2 device images"));
    QVERIFY(fixture.isPlugged(folder));
    QCOMPARE(ovsim({ "unplug", "phone" }).code, 0);
    QVERIFY(!fixture.isPlugged(folder));
    const Result listed = ovsim({ "list" });
    QVERIFY(listed.out.contains("phone") && listed.out.contains("second"));
}

void tst_ovdriverOvsim::mistakesAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::newRow("no command") << QStringList {} << 1;
    QTest::newRow("unknown command") << QStringList { "explode" } << 1;
    QTest::newRow("create without folder") << QStringList { "create" } << 1;
    QTest::newRow("unknown option") << QStringList { "create", "x", "--colour", "red" } << 1;
    QTest::newRow("bad count") << QStringList { "create", "x", "--photos", "many" } << 1;
    QTest::newRow("unknown category") << QStringList { "create", "x", "--count", "diary=3" } << 1;
    QTest::newRow("unknown fault") << QStringList { "fault", "x", "weather", "1" } << 1;
    QTest::newRow("unknown job to leave") << QStringList { "fault", "DIR", "leave", "lunch" } << 1;
    QTest::newRow("no such device") << QStringList { "show", "nowhere" } << 2;
}

void tst_ovdriverOvsim::mistakesAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    DeviceImageFixture fixture;
    const QString folder = fixture.create("DIR");
    QVERIFY(!folder.isEmpty());
    const Result result = ovsim(arguments);
    QCOMPARE(result.code, code);
    QVERIFY(result.err.startsWith("ovsim: "));
    QVERIFY(!QFile::exists("x/device.json"));
}

QTEST_GUILESS_MAIN(tst_ovdriverOvsim)
#include "tst_ovdriverOvsim.moc"
