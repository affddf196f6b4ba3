// The photo result page (page 12) and the finish page that every one-key flow ends on.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CGlobalData.h"
#include "DeviceImageFixture.h"
#include "FormatSize.h"
#include "ImageCompressionFinshed.h"
#include "ImageCompressionScanReslut.h"
#include "MainWindowAccess.h"
#include "OneKeyPages.h"
#include "WebLinks.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
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
    void compressionRunCountsFromZero();
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

    // Photos, but none worth compressing.
    setLists({}, { 1000, 2000 });
    page.Refresh();
    QVERIFY(!compress->isEnabled());
    QVERIFY(exportDelete->isEnabled());
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

void tst_PhotoResultAndFinish::compressionRunCountsFromZero()
{
    // A second compression on the same page must not add to the first one's figure.
    ImageCompressionFinshed finish(OneKeyPage::CompressFinished);
    finish.SetReleasedSize(5);
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
