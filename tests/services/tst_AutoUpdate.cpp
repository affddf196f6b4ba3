#include "DownloadControl.h"
#include "HttpGet.h"
#include "LoopbackServer.h"
#include "ServiceConfig.h"
#include "TestFiles.h"
#include "libAutoUpdate.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

// The update service against a loopback web server: the version query and its answers, the
// retries of a failing address, and the download of an update in parts.
class tst_AutoUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void queriesReachTheEndpoint();
    void onlyAPlainVersionAnswerCounts_data();
    void onlyAPlainVersionAnswerCounts();
    void versionTextsCompareAsPlainText();
    void failingAddressIsAskedFourTimesAndReportedOnce();
    void answerTypeDecidesTheCode();
    void withoutTheConfigurationNothingIsAsked();
    void partsWriteAtTheirOwnOffsets_data();
    void partsWriteAtTheirOwnOffsets();
    void brokenDownloadsLeaveNoFile();
    void stoppedDownloadLeavesAFreshController();
    void outputFileName();

private:
    void control(const QString& query);
    QStringList requests(const QString& path) const;

    LoopbackServer m_server;
    QByteArray m_original;
    QString m_target;
};

void tst_AutoUpdate::initTestCase()
{
    qputenv("DRAVO_APP_DIR", QDir::currentPath().toUtf8());
    QVERIFY(QDir().mkpath("served"));
    // A few megabytes that do not split evenly, so that the part boundaries are uneven too.
    m_original = randomBytes(3 * 1024 * 1024 + 7);
    QVERIFY(writeFile("served/update.bin", m_original));
    QVERIFY(writeFile("served/empty.bin", QByteArray()));
    QVERIFY2(m_server.start("http_server.py", { "--root", QDir::current().filePath("served") }),
             qPrintable(m_server.errorText()));
}

void tst_AutoUpdate::init()
{
    control("reset=1");
    QVERIFY(writeFile(ServiceConfig::filePath(), "[Update]\nBaseUrl=" + m_server.baseAddress().toUtf8() + "/\n"));
    m_target = QDir::current().filePath("downloads");
    QDir(m_target).removeRecursively();
    QVERIFY(QDir().mkpath(m_target));
}

void tst_AutoUpdate::cleanup()
{
    QFile::remove(ServiceConfig::filePath());
}

void tst_AutoUpdate::control(const QString& query)
{
    QCOMPARE(m_server.fetch("/_control?" + query), QByteArray("ok"));
}

// The requests the server saw for `path`, one "<method> <path with query> <range>" each.
QStringList tst_AutoUpdate::requests(const QString& path) const
{
    return QString::fromUtf8(m_server.fetch("/_requests")).split('\n', Qt::SkipEmptyParts).filter(path);
}

void tst_AutoUpdate::queriesReachTheEndpoint()
{
    control("body=2.0.0.0");
    libAutoUpdate update; // the endpoint comes from services.ini
    QSignalSpy answers(&update, &libAutoUpdate::signalGetInfo);
    QCOMPARE(update.GetVersionInfo("p22", libAutoUpdate::Version), 0);
    QTRY_COMPARE(answers.count(), 1);
    QCOMPARE(answers.last(), (QVariantList { 0, "2.0.0.0" }));

    // The language goes with information queries only.
    control("body=news");
    QCOMPARE(update.GetVersionInfoWithLanguage("p22", libAutoUpdate::Info, "fr"), 0);
    QTRY_COMPARE(answers.count(), 2);
    QCOMPARE(answers.last(), (QVariantList { 1, "news" }));
    QCOMPARE(update.GetVersionInfoWithLanguage("p22", libAutoUpdate::Link, "fr"), 0);
    QTRY_COMPARE(answers.count(), 3);
    QCOMPARE(answers.last().at(0).toInt(), 2);
    QCOMPARE(update.GetVersionInfo("p22", 4), -1); // no such type: nothing asked
    QCOMPARE(requests("/verinfo.php"),
             (QStringList { "GET /verinfo.php?pid=p22&type=ver -", "GET /verinfo.php?pid=p22&type=info&lang=fr -",
                            "GET /verinfo.php?pid=p22&type=link -" }));
}

void tst_AutoUpdate::onlyAPlainVersionAnswerCounts_data()
{
    const QString portal = QUrl::toPercentEncoding("<html><body>Sign in to the hotel Wi-Fi</body></html>");
    QTest::addColumn<QString>("serverState");
    QTest::addColumn<bool>("answered");
    QTest::newRow("redirect to a portal") << QStringLiteral("status=302&body=") + portal << false;
    QTest::newRow("portal page with 200") << QStringLiteral("body=") + portal << true;
    QTest::newRow("no content") << "status=204&body=" << false;
    QTest::newRow("a digit run, logged short") << "body=9&repeat=12000" << true;
    QTest::newRow("bigger than any version answer") << "body=9.9.9.9&repeat=200000" << false;
}

void tst_AutoUpdate::onlyAPlainVersionAnswerCounts()
{
    QFETCH(QString, serverState);
    QFETCH(bool, answered);
    control(serverState);
    static QtMessageHandler previous = nullptr;
    static int longestLog = 0;
    longestLog = 0;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        longestLog = qMax(longestLog, text.size());
        previous(type, context, text);
    });

    libAutoUpdate update;
    bool startUpdater = false;
    connect(&update, &libAutoUpdate::signalGetInfo, this, [&](int code, const QString& version) {
        startUpdater = libAutoUpdate::IsNewerVersion(code, version, "1.0.0.0");
    });
    QSignalSpy answers(&update, &libAutoUpdate::signalGetInfo);
    QSignalSpy errors(&update, &libAutoUpdate::signalReportError);
    update.GetVersionInfo("p22", libAutoUpdate::Version);
    QTRY_COMPARE(answers.count() + errors.count(), 1);
    qInstallMessageHandler(previous);

    QCOMPARE(answers.count(), answered ? 1 : 0);
    QVERIFY(!startUpdater);
    // An answer that is not an error is not asked again, and the redirect is not followed.
    QCOMPARE(requests("/verinfo.php").size(), 1);
    QVERIFY(longestLog < 1000);
}

void tst_AutoUpdate::versionTextsCompareAsPlainText()
{
    // Plain text, so "10.0" sorts below "9.0"; only a version answer (code 0) counts, and the
    // line end an endpoint may add is not part of the version.
    const struct
    {
        int code;
        const char* remote;
        bool newer;
    } cases[] = {
        { 0, "9.1", true },    { 0, "10.0", false },  { 0, "9.0", false },      { 0, "8.9", false },
        { 0, "", false },      { 0, "v9.1", false },  { 0, "9.1 beta", false }, { 1, "9.9", false },
        { 100, "9.9", false }, { 0, "9.0\n", false }, { 0, "9.1\r\n", true },
    };
    for (const auto& c : cases)
        QVERIFY2(libAutoUpdate::IsNewerVersion(c.code, c.remote, "9.0") == c.newer, c.remote);
}

void tst_AutoUpdate::failingAddressIsAskedFourTimesAndReportedOnce()
{
    HttpGet http;
    QSignalSpy errors(&http, &HttpGet::reportError);
    QSignalSpy bodies(&http, &HttpGet::signalGetFinished);
    const QString address = m_server.baseAddress() + "/verinfo.php?pid=p22&type=ver";
    control("fail=2"); // two failures, then the answer
    QCOMPARE(http.get(address), 0);
    QTRY_COMPARE(bodies.count(), 1);
    QCOMPARE(bodies.first(), (QVariantList { address, "1.0.0.0" }));
    QCOMPARE(requests("/verinfo.php").size(), 3);

    // Had the two earlier failures still counted, the error would come after two more tries.
    control("fail=-1");
    http.get(address);
    QTRY_COMPARE(errors.count(), 1);
    // Nothing more is asked after the report.
    QVERIFY(!QTest::qWaitFor([&] { return errors.count() > 1 || bodies.count() > 1; }, 200));
    QCOMPARE(requests("/verinfo.php").size(), 3 + 4);
    const QString message = errors.first().at(0).toString();
    QVERIFY2(message.startsWith("network error: ") && message.endsWith(",please check it!"), qPrintable(message));

    // The error also reaches the service's relay, which the main window leaves unconnected.
    control("reset=1");
    control("fail=-1");
    libAutoUpdate update(m_server.baseAddress(), nullptr);
    QSignalSpy relayed(&update, &libAutoUpdate::signalReportError);
    QSignalSpy answers(&update, &libAutoUpdate::signalGetInfo);
    update.GetVersionInfo("p22", libAutoUpdate::Version);
    QTRY_COMPARE(relayed.count(), 1);
    QCOMPARE(answers.count(), 0);
    QCOMPARE(requests("/verinfo.php").size(), 4);
}

void tst_AutoUpdate::answerTypeDecidesTheCode()
{
    libAutoUpdate update(m_server.baseAddress(), nullptr);
    QSignalSpy answers(&update, &libAutoUpdate::signalGetInfo);
    const QList<QPair<QString, QList<int>>> cases {
        { "https://h/verinfo.php?pid=p22&type=ver&x=1", { 0 } },
        { "https://h/verinfo.php?pid=p22&type=exinfo", { 3 } }, // up to the end
        { "https://h/verinfo.php?pid=p22&type=link&lang=fr", { 2 } },
        { "https://h/verinfo.php?pid=p22&type=bogus", { 100, -1 } },
        { "https://h/verinfo.php?pid=p22&type=", { 100, -1 } },
        { "https://h/other", { 100, -1 } },
        { QString(), { -1 } },
    };
    for (const auto& [address, expected] : cases) {
        answers.clear();
        update.slotGetInfo(address, "v");
        QList<int> codes;
        for (const QList<QVariant>& args : qAsConst(answers))
            codes << args.at(0).toInt();
        QCOMPARE(codes, expected);
    }
}

void tst_AutoUpdate::withoutTheConfigurationNothingIsAsked()
{
    // No file, and a file that is not INI at all: both are a file without an endpoint.
    QFile::remove(ServiceConfig::filePath());
    for (const QByteArray& contents : { QByteArray(), QByteArray("\x00\xff\xfe[[[=\n\x01", 9) }) {
        if (!contents.isEmpty())
            QVERIFY(writeFile(ServiceConfig::filePath(), contents));
        libAutoUpdate update;
        QSignalSpy answers(&update, &libAutoUpdate::signalGetInfo);
        QSignalSpy errors(&update, &libAutoUpdate::signalReportError);
        QVERIFY(update.baseAddress().isEmpty());
        QCOMPARE(update.GetVersionInfo("p22", libAutoUpdate::Version), -1);
        QVERIFY(!QTest::qWaitFor([&] { return answers.count() + errors.count() > 0; }, 50));
    }
    QCOMPARE(requests("/verinfo.php").size(), 0);
}

void tst_AutoUpdate::partsWriteAtTheirOwnOffsets_data()
{
    QTest::addColumn<int>("parts");
    QTest::addColumn<double>("reverse");
    QTest::newRow("four parts") << 4 << 0.0;
    QTest::newRow("four parts, the last first") << 4 << 0.8;
    QTest::newRow("one part") << 1 << 0.0;
}

void tst_AutoUpdate::partsWriteAtTheirOwnOffsets()
{
    QFETCH(int, parts);
    QFETCH(double, reverse);
    control(QStringLiteral("reverse=%1").arg(reverse));

    DownloadControl download;
    QSignalSpy finished(&download, &DownloadControl::FileDownloadFinished);
    QSignalSpy progress(&download, &DownloadControl::signalDownloadProgress);
    QSignalSpy errors(&download, &DownloadControl::reportError);
    QVERIFY(download.StartFileDownload(m_server.baseAddress() + "/files/update.bin", m_target, parts));
    QCOMPARE(download.fileSize(), qint64(m_original.size()));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(errors.count(), 0);

    QVERIFY2(readFile(m_target + "/update.bin") == m_original, "the downloaded file differs from the original");

    // One size request, then one range request per part with the computed offsets.
    const qint64 size = m_original.size();
    QStringList ranges;
    for (int i = 0; i < parts; ++i)
        ranges << QStringLiteral("GET /files/update.bin Bytes=%1-%2").arg(size * i / parts).arg(size * (i + 1) / parts);
    QStringList seen = requests("/files/");
    QCOMPARE(seen.takeFirst(), QStringLiteral("HEAD /files/update.bin -"));
    seen.sort();
    ranges.sort();
    QCOMPARE(seen, ranges);

    int last = -1;
    for (const QList<QVariant>& args : qAsConst(progress)) {
        QVERIFY(args.at(0).toInt() >= last);
        last = args.at(0).toInt();
    }
    QCOMPARE(last, 100);

    const QVector<int> order = download.completionOrder();
    QCOMPARE(order.size(), parts);
    if (reverse > 0)
        QCOMPARE(order.first(), parts - 1); // so the parts really did arrive out of order
}

void tst_AutoUpdate::brokenDownloadsLeaveNoFile()
{
    // No size, no transfer.
    DownloadControl download;
    QVERIFY(!download.StartFileDownload(m_server.baseAddress() + "/files/missing.bin", m_target, 4));
    QVERIFY(!download.StartFileDownload(m_server.baseAddress() + "/files/empty.bin", m_target, 4));
    QVERIFY(!download.StartFileDownload(
        "http://127.0.0.1:" + QString::number(LoopbackServer::closedPort()) + "/files/update.bin", m_target, 4));
    QVERIFY(QDir(m_target).isEmpty());
    QCOMPARE(requests("/files/").size(), 2);

    // A failing part abandons the whole download; so does a server ignoring ranges, which
    // would give every part the file from its first byte.
    const struct
    {
        QString state;
        int parts;
        const char* error;
    } cases[] = {
        { "fail_range=" + QString::number(m_original.size() * 2 / 4), 4, "part 2" },
        { "reset=1&ignore_ranges=1", 3, nullptr },
    };
    for (const auto& c : cases) {
        control(c.state);
        DownloadControl broken;
        QSignalSpy finished(&broken, &DownloadControl::FileDownloadFinished);
        QSignalSpy errors(&broken, &DownloadControl::reportError);
        QVERIFY(broken.StartFileDownload(m_server.baseAddress() + "/files/update.bin", m_target, c.parts));
        QTRY_COMPARE(errors.count(), 1);
        QVERIFY(!QTest::qWaitFor([&] { return errors.count() > 1 || !finished.isEmpty(); }, 300));
        QVERIFY(!QFile::exists(m_target + "/update.bin"));
        if (c.error)
            QVERIFY2(errors.first().at(0).toString().contains(c.error), qPrintable(errors.first().at(0).toString()));
    }

    // Ignoring ranges, a single part gets exactly what it wants.
    DownloadControl whole;
    QSignalSpy done(&whole, &DownloadControl::FileDownloadFinished);
    QVERIFY(whole.StartFileDownload(m_server.baseAddress() + "/files/update.bin", m_target, 1));
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
    QVERIFY(readFile(m_target + "/update.bin") == m_original);
}

void tst_AutoUpdate::stoppedDownloadLeavesAFreshController()
{
    control("throttle=0.05");
    libAutoUpdate update(m_server.baseAddress(), nullptr);
    QSignalSpy finished(&update, &libAutoUpdate::FileDownloadFinished);
    QSignalSpy progress(&update, &libAutoUpdate::signalDownloadProgress);
    DownloadControl* first = update.downloadControl();
    QVERIFY(update.DownloadFile(m_server.baseAddress() + "/files/update.bin", m_target, 4));
    QTRY_VERIFY(!progress.isEmpty() && progress.last().at(0).toInt() > 0);
    QVERIFY(progress.last().at(0).toInt() < 100);
    update.StopDownload();
    QVERIFY(update.downloadControl() != first);
    QVERIFY(!QTest::qWaitFor([&] { return !finished.isEmpty(); }, 300));
    QVERIFY(!QFile::exists(m_target + "/update.bin"));

    control("throttle=0");
    QVERIFY(update.DownloadFile(m_server.baseAddress() + "/files/update.bin", m_target, 2));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QVERIFY(readFile(m_target + "/update.bin") == m_original);
}

void tst_AutoUpdate::outputFileName()
{
    QCOMPARE(DownloadControl::OutputFileName("https://example.test/files/setup.exe"), QStringLiteral("setup.exe"));
    QCOMPARE(DownloadControl::OutputFileName("https://example.test/get/setup.zip?v=2"), QStringLiteral("setup.zip"));
    QCOMPARE(DownloadControl::OutputFileName("https://example.test/files/"), QStringLiteral("index.html"));
    QCOMPARE(DownloadControl::OutputFileName("https://example.test"), QStringLiteral("index.html"));
}

QTEST_GUILESS_MAIN(tst_AutoUpdate)
#include "tst_AutoUpdate.moc"
