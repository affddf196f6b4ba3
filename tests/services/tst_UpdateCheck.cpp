#include "FileVersion.h"
#include "HttpGet.h"
#include "LoopbackServer.h"
#include "ServiceConfig.h"
#include "libAutoUpdate.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

class tst_UpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void versionQueryReachesTheEndpoint();
    void infoQueryCarriesTheLanguage();
    void newerVersionStartsTheUpdater();
    void onlyAPlainVersionAnswerCounts_data();
    void onlyAPlainVersionAnswerCounts();
    void versionTextsCompareAsPlainText_data();
    void versionTextsCompareAsPlainText();
    void failingAddressIsAskedFourTimesAndReportedOnce();
    void successInBetweenStartsTheCountAnew();
    void answerTypeDecidesTheCode();
    void withoutTheConfigurationNothingIsAsked();

private:
    QStringList versionRequests() const;
    void control(const QString& query);
    void writeConfig(const QByteArray& text);

    LoopbackServer m_server;
};

void tst_UpdateCheck::initTestCase()
{
    qputenv("DRAVO_APP_DIR", QDir::currentPath().toUtf8());
    QVERIFY2(m_server.start("http_server.py"), qPrintable(m_server.errorText()));
}

void tst_UpdateCheck::init()
{
    control("reset=1");
    writeConfig("[Update]\nBaseUrl=" + m_server.baseAddress().toUtf8() + "/\n");
}

void tst_UpdateCheck::cleanup()
{
    QFile::remove(ServiceConfig::filePath());
}

void tst_UpdateCheck::control(const QString& query)
{
    QCOMPARE(m_server.fetch("/_control?" + query), QByteArray("ok"));
}

void tst_UpdateCheck::writeConfig(const QByteArray& text)
{
    QFile file(ServiceConfig::filePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QStringList tst_UpdateCheck::versionRequests() const
{
    QStringList out;
    for (const QString& line : QString::fromUtf8(m_server.fetch("/_requests")).split('\n', Qt::SkipEmptyParts)) {
        if (line.contains("/verinfo.php"))
            out << line;
    }
    return out;
}

void tst_UpdateCheck::versionQueryReachesTheEndpoint()
{
    control("body=2.0.0.0");
    libAutoUpdate update; // the endpoint comes from services.ini
    QSignalSpy answers(&update, &libAutoUpdate::signalGetInfo);
    QCOMPARE(update.GetVersionInfo("p22", libAutoUpdate::Version), 0);
    QTRY_COMPARE(answers.count(), 1);
    QCOMPARE(answers.first().at(0).toInt(), 0);
    QCOMPARE(answers.first().at(1).toString(), QStringLiteral("2.0.0.0"));
    QCOMPARE(versionRequests(), QStringList { "GET /verinfo.php?pid=p22&type=ver -" });
}

void tst_UpdateCheck::infoQueryCarriesTheLanguage()
{
    control("body=news");
    libAutoUpdate update(m_server.baseAddress(), nullptr);
    QSignalSpy answers(&update, &libAutoUpdate::signalGetInfo);
    QCOMPARE(update.GetVersionInfoWithLanguage("p22", libAutoUpdate::Info, "fr"), 0);
    QTRY_COMPARE(answers.count(), 1);
    QCOMPARE(answers.first().at(0).toInt(), 1);
    QCOMPARE(answers.first().at(1).toString(), QStringLiteral("news"));
    // The language goes with information queries only.
    QCOMPARE(update.GetVersionInfoWithLanguage("p22", libAutoUpdate::Link, "fr"), 0);
    QTRY_COMPARE(answers.count(), 2);
    QCOMPARE(answers.last().at(0).toInt(), 2);
    QCOMPARE(update.GetVersionInfo("p22", 4), -1); // no such type: nothing asked
    QCOMPARE(versionRequests(),
             (QStringList { "GET /verinfo.php?pid=p22&type=info&lang=fr -", "GET /verinfo.php?pid=p22&type=link -" }));
}

void tst_UpdateCheck::newerVersionStartsTheUpdater()
{
    // What the main window does with the answer: start the updater for a newer version.
    const QString local = QString::fromStdString(RunningExecutableFileVersion());
    QVERIFY(!local.isEmpty());
    libAutoUpdate update;
    bool startUpdater = false;
    connect(&update, &libAutoUpdate::signalGetInfo, this, [&](int code, const QString& version) {
        startUpdater = libAutoUpdate::IsNewerVersion(code, version, local);
    });
    QSignalSpy answers(&update, &libAutoUpdate::signalGetInfo);

    control("body=99.0.0.0");
    update.GetVersionInfo("p22", libAutoUpdate::Version);
    QTRY_COMPARE(answers.count(), 1);
    QVERIFY(startUpdater);

    // The same version, even with the line end an endpoint may add, is not an update.
    control("body=" + QUrl::toPercentEncoding(local + "\n"));
    update.GetVersionInfo("p22", libAutoUpdate::Version);
    QTRY_COMPARE(answers.count(), 2);
    QVERIFY(!startUpdater);
}

void tst_UpdateCheck::onlyAPlainVersionAnswerCounts_data()
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

void tst_UpdateCheck::onlyAPlainVersionAnswerCounts()
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
    QCOMPARE(versionRequests().size(), 1);
    QVERIFY(longestLog < 1000);
}

void tst_UpdateCheck::versionTextsCompareAsPlainText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("remote");
    QTest::addColumn<QString>("local");
    QTest::addColumn<bool>("newer");
    QTest::newRow("newer") << 0 << "9.1"
                           << "9.0" << true;
    QTest::newRow("10.0 sorts below 9.0") << 0 << "10.0"
                                          << "9.0" << false;
    QTest::newRow("same") << 0 << "9.0"
                          << "9.0" << false;
    QTest::newRow("older") << 0 << "8.9"
                           << "9.0" << false;
    QTest::newRow("empty answer") << 0 << ""
                                  << "9.0" << false;
    QTest::newRow("text above the digits") << 0 << "v9.1"
                                           << "9.0" << false;
    QTest::newRow("trailing garbage") << 0 << "9.1 beta"
                                      << "9.0" << false;
    QTest::newRow("not a version answer") << 1 << "9.9"
                                          << "9.0" << false;
    QTest::newRow("unknown type") << 100 << "9.9"
                                  << "9.0" << false;
}

void tst_UpdateCheck::versionTextsCompareAsPlainText()
{
    QFETCH(int, code);
    QFETCH(QString, remote);
    QFETCH(QString, local);
    QFETCH(bool, newer);
    QCOMPARE(libAutoUpdate::IsNewerVersion(code, remote, local), newer);
}

void tst_UpdateCheck::failingAddressIsAskedFourTimesAndReportedOnce()
{
    control("fail=-1");
    HttpGet http;
    QSignalSpy errors(&http, &HttpGet::reportError);
    QSignalSpy bodies(&http, &HttpGet::signalGetFinished);
    const QString address = m_server.baseAddress() + "/verinfo.php?pid=p22&type=ver";
    QCOMPARE(http.get(address), 0);
    QTRY_COMPARE(errors.count(), 1);
    // Nothing more is asked after the report.
    QVERIFY(!QTest::qWaitFor([&] { return errors.count() > 1 || !bodies.isEmpty(); }, 200));
    QCOMPARE(versionRequests().size(), 4);
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
    QCOMPARE(versionRequests().size(), 4);
}

void tst_UpdateCheck::successInBetweenStartsTheCountAnew()
{
    HttpGet http;
    QSignalSpy errors(&http, &HttpGet::reportError);
    QSignalSpy bodies(&http, &HttpGet::signalGetFinished);
    const QString address = m_server.baseAddress() + "/verinfo.php?pid=p22&type=ver";

    control("fail=2"); // two failures, then the answer
    http.get(address);
    QTRY_COMPARE(bodies.count(), 1);
    QCOMPARE(bodies.first().at(0).toString(), address);
    QCOMPARE(bodies.first().at(1).toString(), QStringLiteral("1.0.0.0"));
    QCOMPARE(versionRequests().size(), 3);

    // Had the two earlier failures still counted, the error would come after two more tries.
    control("fail=-1");
    http.get(address);
    QTRY_COMPARE(errors.count(), 1);
    QCOMPARE(versionRequests().size(), 3 + 4);
}

void tst_UpdateCheck::answerTypeDecidesTheCode()
{
    libAutoUpdate update(m_server.baseAddress(), nullptr);
    QSignalSpy answers(&update, &libAutoUpdate::signalGetInfo);
    const auto codes = [&] {
        QList<int> out;
        for (const QList<QVariant>& args : qAsConst(answers))
            out << args.at(0).toInt();
        answers.clear();
        return out;
    };
    update.slotGetInfo("https://h/verinfo.php?pid=p22&type=ver&x=1", "v");
    QCOMPARE(codes(), QList<int> { 0 });
    update.slotGetInfo("https://h/verinfo.php?pid=p22&type=exinfo", "v"); // up to the end
    QCOMPARE(codes(), QList<int> { 3 });
    update.slotGetInfo("https://h/verinfo.php?pid=p22&type=link&lang=fr", "v");
    QCOMPARE(codes(), QList<int> { 2 });
    update.slotGetInfo("https://h/verinfo.php?pid=p22&type=bogus", "v");
    QCOMPARE(codes(), (QList<int> { 100, -1 }));
    update.slotGetInfo("https://h/verinfo.php?pid=p22&type=", "v");
    QCOMPARE(codes(), (QList<int> { 100, -1 }));
    update.slotGetInfo("https://h/other", "v");
    QCOMPARE(codes(), (QList<int> { 100, -1 }));
    update.slotGetInfo(QString(), "body");
    QCOMPARE(codes(), QList<int> { -1 });
}

void tst_UpdateCheck::withoutTheConfigurationNothingIsAsked()
{
    QFile::remove(ServiceConfig::filePath());
    {
        libAutoUpdate update;
        QSignalSpy answers(&update, &libAutoUpdate::signalGetInfo);
        QSignalSpy errors(&update, &libAutoUpdate::signalReportError);
        QCOMPARE(update.GetVersionInfo("p22", libAutoUpdate::Version), -1);
        QVERIFY(!QTest::qWaitFor([&] { return answers.count() + errors.count() > 0; }, 50));
    }
    // A file that is not INI at all is a file without an endpoint.
    writeConfig(QByteArray("\x00\xff\xfe[[[=\n\x01", 9));
    libAutoUpdate update;
    QVERIFY(update.baseAddress().isEmpty());
    QCOMPARE(update.GetVersionInfo("p22", libAutoUpdate::Version), -1);
    QCOMPARE(versionRequests().size(), 0);
}

QTEST_GUILESS_MAIN(tst_UpdateCheck)
#include "tst_UpdateCheck.moc"
