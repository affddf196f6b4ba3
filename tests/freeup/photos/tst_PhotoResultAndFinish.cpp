// The photo result page (page 12) and the finish page that every one-key flow ends on.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CGlobalData.h"
#include "DeviceImageFixture.h"
#include "FakeMainWindow.h"
#include "FormatSize.h"
#include "ImageCompressionFinshed.h"
#include "ImageCompressionScanReslut.h"
#include "MainWindowAccess.h"
#include "MessageBoxAnswerer.h"
#include "OneKeyPages.h"
#include "OvMessageBox.h"
#include "WebLinks.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <mutex>

/// Catches the addresses the page hands to the desktop instead of starting a browser.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class tst_PhotoResultAndFinish : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void offersAreEnabledOnlyWhenTheySaveSomething();
    void resultButtonsLeadToTheirPages();
    void backFollowsTheQuickScanOrigin();

    void finishPageTextsFollowThePage_data();
    void finishPageTextsFollowThePage();
    void releasedSizeAndCompressionRun();
    void randomFigureStaysInItsRange();
    void linksOpenTheFolderAndTheWebPages();
    void successAnimationPlaysOnceEachShow();

private:
    static void setLists(const QVector<quint64>& compressible, const QVector<quint64>& all);

    DeviceImageFixture m_devices; // no device plugged: posts reach nothing
    UrlRecorder m_urls;
};

void tst_PhotoResultAndFinish::initTestCase()
{
    QVERIFY(m_devices.isValid());
    AppStyle::instance().initialise(applicationDirectory());
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_urls, "open");
}

void tst_PhotoResultAndFinish::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void tst_PhotoResultAndFinish::init()
{
    quickScanOrigin = false;
    m_urls.urls.clear();
    setLists({}, {});
}

void tst_PhotoResultAndFinish::setLists(const QVector<quint64>& compressible, const QVector<quint64>& all)
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    store->m_obLCompressPhotos.clear();
    store->m_obLPhotos.clear();
    for (quint64 size : compressible) {
        OneKeyFileInfo file;
        file.m_nSize = size;
        store->m_obLCompressPhotos.append(file);
    }
    for (quint64 size : all) {
        OneKeyMediaInfo photo;
        photo.m_nSize = size;
        store->m_obLPhotos.append(photo);
    }
}

void tst_PhotoResultAndFinish::offersAreEnabledOnlyWhenTheySaveSomething()
{
    ImageCompressionScanReslut page;
    auto* compress = page.findChild<QPushButton*>("backupCompressButton");
    auto* exportDelete = page.findChild<QPushButton*>("exportDeleteButton");
    auto* compressLine = page.findChild<QLabel*>("compressionSavingLabel");
    auto* exportLine = page.findChild<QLabel*>("exportSavingLabel");
    QVERIFY(compress && exportDelete && compressLine && exportLine);

    // Nothing found at all.
    QVERIFY(!compress->isEnabled());
    QVERIFY(!exportDelete->isEnabled());
    QVERIFY(compress->styleSheet().contains("QPushButton{color:#999999;}"));

    // Photos, but none worth compressing.
    setLists({}, { 1000, 2000 });
    page.Refresh();
    QVERIFY(!compress->isEnabled());
    QVERIFY(exportDelete->isEnabled());
    QVERIFY(exportDelete->styleSheet().contains("QPushButton{color:#ffffff;}"));
    QCOMPARE(page.ExportSaving(), quint64(3000));
    QVERIFY(exportLine->text().contains("<font color = '#f7961f'>" + FormatSize(3000, 2) + "</font>"));

    // 75 % in integer arithmetic, past 32 bits: 4 000 000 000 + 4 000 000 + 3 bytes.
    setLists({ 4000000000ull, 4000000, 3 }, { 4000000000ull });
    page.Refresh();
    QCOMPARE(page.CompressionSaving(), quint64(3003000002));
    QVERIFY(compress->isEnabled());
    QVERIFY(compressLine->text().startsWith("<font color = '#f7961f'>" + FormatSize(3003000002ull, 2) + "</font>"));
    QVERIFY(compressLine->text().endsWith("space can be saved by lossless photo compression."));

    // A single byte saves nothing: 1 × 75 / 100 is 0.
    setLists({ 1 }, {});
    page.Refresh();
    QCOMPARE(page.CompressionSaving(), quint64(0));
    QVERIFY(!compress->isEnabled());
    QVERIFY(!exportDelete->isEnabled());
}

void tst_PhotoResultAndFinish::resultButtonsLeadToTheirPages()
{
    FakeMainWindow window;
    setLists({ 5000000 }, { 5000000 });
    ImageCompressionScanReslut page;
    QSignalSpy compress(&page, SIGNAL(onCompressView(int)));
    QSignalSpy browse(&page, SIGNAL(onExportView(int)));
    // No device here: the compression cannot start, and the user is told instead of left
    // on a progress page that never moves.
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QTest::mouseClick(page.findChild<QPushButton*>("backupCompressButton"), Qt::LeftButton);
    QCOMPARE(compress.count(), 0);
    QCOMPARE(answerer.texts(), QStringList({ "The device is not connected. Please connect it and try again." }));
    QCOMPARE(window.calls, QList<bool>({ false, true }));
    QTest::mouseClick(page.findChild<QPushButton*>("exportDeleteButton"), Qt::LeftButton);
    QCOMPARE(browse.count(), 1);
    QCOMPARE(browse.at(0).at(0).toInt(), 17);
}

void tst_PhotoResultAndFinish::backFollowsTheQuickScanOrigin()
{
    ImageCompressionScanReslut page;
    QSignalSpy back(&page, SIGNAL(onShowBackView(int)));
    auto* button = page.findChild<QPushButton*>("photoResultBackButton");

    quickScanOrigin = true;
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(back.count(), 1);
    QCOMPARE(back.takeFirst().at(0).toInt(), 2);
    QVERIFY(!quickScanOrigin);

    MessageBoxAnswerer answerer(OvMessageBox::No);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(answerer.questions().size(), 1);
    QVERIFY(answerer.questions().first().text.contains("the scanning result won't be saved"));
    QCOMPARE(back.count(), 0); // declined: the result stays

    answerer.setButton(OvMessageBox::Yes);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(back.count(), 1);
    QCOMPARE(back.takeFirst().at(0).toInt(), 0);
}

void tst_PhotoResultAndFinish::finishPageTextsFollowThePage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("sizeLine");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("icon");

    const QString released = "%1 has been released!";
    const QString releasedDot = "%1 has been released.";
    const QString succeed = "succeed_icon.gif";
    const QString stopped = "stopped_icon.png";
    QTest::newRow("junk") << 6 << released << "Congratulations! Cleanup completed." << QString() << succeed;
    QTest::newRow("junk stopped") << 7 << released << "Cleanup stopped!" << QString() << stopped;
    QTest::newRow("temp") << 9 << released << "Congratulations! Cleanup completed." << QString() << succeed;
    QTest::newRow("temp stopped") << 10 << released << "Cleanup stopped!" << QString() << stopped;
    QTest::newRow("compressed") << 15 << released << "Congratulations! Cleanup completed."
                                << "Open Backup Folder" << succeed;
    QTest::newRow("compress stopped") << 16 << released << "Compress stopped!"
                                      << "Open Backup Folder" << stopped;
    QTest::newRow("photos deleted") << 20 << released << "Congratulations! Deleted successfully."
                                    << "Open Export Folder" << succeed;
    QTest::newRow("photos exported") << 21 << released << "Congratulations! Exported successfully."
                                     << "Open Export Folder" << succeed;
    QTest::newRow("no large file") << 23 << releasedDot << "There is no large file to be deleted on your device."
                                   << QString() << stopped;
    QTest::newRow("large exported") << 27 << QString() << "Congratulations! Exported successfully."
                                    << "Open Export Folder" << succeed;
    QTest::newRow("large deleted") << 28 << releasedDot << "Congratulations! Deleted successfully."
                                   << "Open Export Folder" << succeed;
    QTest::newRow("apps") << 31 << released << "All selected apps have been removed." << QString() << succeed;
}

void tst_PhotoResultAndFinish::finishPageTextsFollowThePage()
{
    QFETCH(int, page);
    QFETCH(QString, sizeLine);
    QFETCH(QString, message);
    QFETCH(QString, link);
    QFETCH(QString, icon);

    ImageCompressionFinshed finish(page);
    QCOMPARE(finish.SizeLineText(), sizeLine);
    QCOMPARE(finish.MessageText(), message);
    QCOMPARE(finish.IconName(), icon);
    QCOMPARE(finish.SizeText(), FormatSize(0, 2));

    // The link appears once the model names the folder, on the pages that have one.
    QVERIFY(!finish.IsFolderLinkShown());
    finish.SetFolder("/tmp/device/Export");
    auto* linkButton = finish.findChild<QPushButton*>("openFolderLink");
    QVERIFY(linkButton);
    QCOMPARE(finish.IsFolderLinkShown(), !link.isEmpty());
    if (!link.isEmpty()) {
        QCOMPARE(linkButton->text(), link);
        finish.SetFolderLinkVisible(false);
        QVERIFY(!finish.IsFolderLinkShown());
    }
    QCOMPARE(!finish.findChild<QPushButton*>("finishContinueButton")->isHidden(), page == 31);
}

void tst_PhotoResultAndFinish::releasedSizeAndCompressionRun()
{
    ImageCompressionFinshed finish(OneKeyPage::CompressFinished);
    finish.SetReleasedSize(41345024);
    QCOMPARE(finish.SizeText(), QString("39.43MB"));
    finish.AddReleasedSize(1024);
    QCOMPARE(finish.ReleasedSize(), quint64(41346048));
    finish.SetReleasedSize(5);
    QCOMPARE(finish.ReleasedSize(), quint64(5));

    // A run counts from 0 whatever the page showed, and shows nothing until it ends.
    finish.BeginRun();
    finish.AddRunSaving(4000000ull * 75 / 100);
    finish.AddRunSaving(2000000ull * 75 / 100);
    QCOMPARE(finish.ReleasedSize(), quint64(5));
    finish.EndRun();
    QCOMPARE(finish.ReleasedSize(), quint64(4500000));
    QCOMPARE(finish.SizeText(), FormatSize(4500000, 2));
    finish.BeginRun();
    finish.EndRun();
    QCOMPARE(finish.ReleasedSize(), quint64(0));
}

void tst_PhotoResultAndFinish::randomFigureStaysInItsRange()
{
    ImageCompressionFinshed finish(OneKeyPage::TempFinished);
    const QRegularExpression shape("^(\\d+(?:\\.\\d{1,2})?)MB$");
    for (int round = 0; round < 20; ++round) {
        const quint64 bytes = finish.ShowRandomReleased();
        const QRegularExpressionMatch match = shape.match(finish.SizeText());
        QVERIFY2(match.hasMatch(), qPrintable(finish.SizeText()));
        const double megabytes = match.captured(1).toDouble();
        QVERIFY2(megabytes >= 30.0 && megabytes <= 99.99, qPrintable(finish.SizeText()));
        QCOMPARE(bytes, quint64(megabytes * 1024 * 1024));
        QCOMPARE(finish.ReleasedSize(), bytes);
    }
}

void tst_PhotoResultAndFinish::linksOpenTheFolderAndTheWebPages()
{
    ImageCompressionFinshed finish(OneKeyPage::CompressFinished);
    finish.SetFolder("/tmp/device key/Compress");
    finish.show();
    QTest::mouseClick(finish.findChild<QPushButton*>("openFolderLink"), Qt::LeftButton);
    QCOMPARE(m_urls.urls.size(), 1);
    QCOMPARE(m_urls.urls.first().toString(), QString("file:///tmp/device key/Compress"));

    m_urls.urls.clear();
    QSignalSpy facebook(&finish, SIGNAL(onFacebook()));
    const QString product = WebLinks::address(WebLinks::ProductHome);
    QTest::mouseClick(finish.findChild<QPushButton*>("shareFacebookButton"), Qt::LeftButton);
    QTest::mouseClick(finish.findChild<QPushButton*>("shareTwitterButton"), Qt::LeftButton);
    QTest::mouseClick(finish.findChild<QPushButton*>("shareGoogleButton"), Qt::LeftButton);
    QCOMPARE(facebook.count(), 1);
    QCOMPARE(m_urls.urls.size(), 3);
    const QStringList hosts { "www.facebook.com", "twitter.com", "plus.google.com" };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(m_urls.urls.at(i).host(), hosts.at(i));
        // The product page travels as one parameter, not as part of the share address.
        QVERIFY2(m_urls.urls.at(i).toString(QUrl::FullyEncoded).contains(QUrl::toPercentEncoding(product)),
                 qPrintable(m_urls.urls.at(i).toString()));
    }

    m_urls.urls.clear();
    QSignalSpy link(&finish, SIGNAL(onOpenLink()));
    auto* crestline = finish.findChild<QLabel*>("crestlineLink");
    QVERIFY(crestline->text().startsWith("Want to transfer music between iDevice and PC/iTunes,"));
    emit crestline->linkActivated("crestline");
    QCOMPARE(link.count(), 1);
    QCOMPARE(m_urls.urls, QList<QUrl>({ QUrl(WebLinks::address(WebLinks::CrestlineHome)) }));
}

void tst_PhotoResultAndFinish::successAnimationPlaysOnceEachShow()
{
    ImageCompressionFinshed finish(OneKeyPage::PhotoExportFinished);
    QMovie* movie = finish.IconMovie();
    QVERIFY(movie);
    QVERIFY(movie->isValid());
    QVERIFY(movie->frameCount() > 1);
    QCOMPARE(movie->state(), QMovie::NotRunning);

    finish.show();
    QCOMPARE(movie->state(), QMovie::Running);
    QTRY_COMPARE_WITH_TIMEOUT(movie->state(), QMovie::NotRunning, 15000);
    QCOMPARE(movie->currentFrameNumber(), movie->frameCount() - 1); // held on its last frame

    finish.hide();
    finish.show();
    QCOMPARE(movie->state(), QMovie::Running);
    QVERIFY(movie->currentFrameNumber() < movie->frameCount() - 1);

    // A stopped page has a still image and no animation.
    finish.SetIcon("stopped_icon.png");
    QVERIFY(!finish.IconMovie());
    QVERIFY(!finish.findChild<QLabel*>("finishIcon")->pixmap(Qt::ReturnByValue).isNull());
}

QTEST_MAIN(tst_PhotoResultAndFinish)
#include "tst_PhotoResultAndFinish.moc"
