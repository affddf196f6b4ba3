#include "DownloadControl.h"
#include "LoopbackServer.h"
#include "libAutoUpdate.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

class tst_UpdateDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void partsWriteAtTheirOwnOffsets_data();
    void partsWriteAtTheirOwnOffsets();
    void unknownSizeStartsNothing();
    void failingPartAbandonsTheDownload();
    void serverIgnoringRangesCannotCorruptTheFile();
    void stoppedDownloadLeavesAFreshController();
    void outputFileName_data();
    void outputFileName();

private:
    void control(const QString& query);
    QStringList fileRequests() const;

    LoopbackServer m_server;
    QByteArray m_original;
    QString m_target;
};

void tst_UpdateDownload::initTestCase()
{
    QVERIFY(QDir().mkpath("served"));
    // A few megabytes that do not split evenly, so that the part boundaries are uneven too.
    m_original.resize(3 * 1024 * 1024 + 7);
    auto* words = reinterpret_cast<quint32*>(m_original.data());
    QRandomGenerator::global()->fillRange(words, m_original.size() / 4);
    QFile file("served/update.bin");
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(m_original), qint64(m_original.size()));
    file.close();
    QFile empty("served/empty.bin");
    QVERIFY(empty.open(QIODevice::WriteOnly));
    QVERIFY2(m_server.start("http_server.py", { "--root", QDir::current().filePath("served") }),
             qPrintable(m_server.errorText()));
}

void tst_UpdateDownload::init()
{
    control("reset=1");
    m_target = QDir::current().filePath("downloads");
    QDir(m_target).removeRecursively();
    QVERIFY(QDir().mkpath(m_target));
}

void tst_UpdateDownload::control(const QString& query)
{
    QCOMPARE(m_server.fetch("/_control?" + query), QByteArray("ok"));
}

QStringList tst_UpdateDownload::fileRequests() const
{
    QStringList out;
    for (const QString& line : QString::fromUtf8(m_server.fetch("/_requests")).split('\n', Qt::SkipEmptyParts)) {
        if (line.contains("/files/"))
            out << line;
    }
    return out;
}

void tst_UpdateDownload::partsWriteAtTheirOwnOffsets_data()
{
    QTest::addColumn<int>("parts");
    QTest::addColumn<double>("reverse");
    QTest::newRow("four parts") << 4 << 0.0;
    QTest::newRow("four parts, the last first") << 4 << 0.8;
    QTest::newRow("one part") << 1 << 0.0;
    QTest::newRow("seven parts") << 7 << 0.0;
}

void tst_UpdateDownload::partsWriteAtTheirOwnOffsets()
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

    QFile file(m_target + "/update.bin");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(file.readAll() == m_original, "the downloaded file differs from the original");

    // One size request, then one range request per part with the computed offsets.
    const qint64 size = m_original.size();
    QStringList expected { "HEAD /files/update.bin -" };
    QStringList ranges;
    for (int i = 0; i < parts; ++i)
        ranges << QStringLiteral("GET /files/update.bin Bytes=%1-%2").arg(size * i / parts).arg(size * (i + 1) / parts);
    QStringList seen = fileRequests();
    QCOMPARE(seen.takeFirst(), expected.first());
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

void tst_UpdateDownload::unknownSizeStartsNothing()
{
    DownloadControl download;
    QVERIFY(!download.StartFileDownload(m_server.baseAddress() + "/files/missing.bin", m_target, 4));
    QVERIFY(!download.StartFileDownload(m_server.baseAddress() + "/files/empty.bin", m_target, 4));
    QVERIFY(!download.StartFileDownload(
        "http://127.0.0.1:" + QString::number(LoopbackServer::closedPort()) + "/files/update.bin", m_target, 4));
    QVERIFY(QDir(m_target).isEmpty());
    QCOMPARE(fileRequests().size(), 2); // two size requests, no transfer
}

void tst_UpdateDownload::failingPartAbandonsTheDownload()
{
    const qint64 size = m_original.size();
    control(QStringLiteral("fail_range=%1").arg(size * 2 / 4));
    DownloadControl download;
    QSignalSpy finished(&download, &DownloadControl::FileDownloadFinished);
    QSignalSpy errors(&download, &DownloadControl::reportError);
    QVERIFY(download.StartFileDownload(m_server.baseAddress() + "/files/update.bin", m_target, 4));
    QTRY_COMPARE(errors.count(), 1);
    QVERIFY(!QTest::qWaitFor([&] { return errors.count() > 1 || !finished.isEmpty(); }, 300));
    QVERIFY2(errors.first().at(0).toString().contains("part 2"), qPrintable(errors.first().at(0).toString()));
    QVERIFY(!QFile::exists(m_target + "/update.bin")); // no half file left behind
}

void tst_UpdateDownload::serverIgnoringRangesCannotCorruptTheFile()
{
    // Every part would get the file from its first byte; only part 0 may accept that.
    control("ignore_ranges=1");
    DownloadControl download;
    QSignalSpy finished(&download, &DownloadControl::FileDownloadFinished);
    QSignalSpy errors(&download, &DownloadControl::reportError);
    QVERIFY(download.StartFileDownload(m_server.baseAddress() + "/files/update.bin", m_target, 3));
    QTRY_COMPARE(errors.count(), 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!QFile::exists(m_target + "/update.bin"));

    // With a single part the whole answer is exactly what is wanted.
    DownloadControl whole;
    QSignalSpy done(&whole, &DownloadControl::FileDownloadFinished);
    QVERIFY(whole.StartFileDownload(m_server.baseAddress() + "/files/update.bin", m_target, 1));
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
    QFile file(m_target + "/update.bin");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() == m_original);
}

void tst_UpdateDownload::stoppedDownloadLeavesAFreshController()
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
    QFile file(m_target + "/update.bin");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() == m_original);
}

void tst_UpdateDownload::outputFileName_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::newRow("file") << "https://example.test/files/setup.exe"
                          << "setup.exe";
    QTest::newRow("with a query") << "https://example.test/get/setup.zip?v=2"
                                  << "setup.zip";
    QTest::newRow("folder") << "https://example.test/files/"
                            << "index.html";
    QTest::newRow("host only") << "https://example.test"
                               << "index.html";
}

void tst_UpdateDownload::outputFileName()
{
    QFETCH(QString, address);
    QFETCH(QString, name);
    QCOMPARE(DownloadControl::OutputFileName(address), name);
}

QTEST_GUILESS_MAIN(tst_UpdateDownload)
#include "tst_UpdateDownload.moc"
