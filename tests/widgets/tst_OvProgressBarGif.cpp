#include "AppPaths.h"
#include "AppStyle.h"
#include "OvProgressBarGif.h"
#include "OvStyleProgressBar.h"

#include <QLabel>
#include <QTest>

namespace {

constexpr quint64 kGiB = 1024ull * 1024 * 1024;

} // namespace

class tst_OvProgressBarGif : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void countdownStopsAtOneMinute();
    void deviceEstimateIsUsedGiBPlusTwo_data();
    void deviceEstimateIsUsedGiBPlusTwo();
    void realTimerCountsDownOncePerScaledMinute();
    void progressReplacesTheEstimate();
    void timeoutDoneEndsTheCountdown();

private:
    static QLabel* timeLabel(OvProgressBarGif& gif) { return gif.findChild<QLabel*>("progressTimeLabel"); }
};

void tst_OvProgressBarGif::initTestCase()
{
    AppStyle::instance().initialise(applicationDirectory());
}

void tst_OvProgressBarGif::countdownStopsAtOneMinute()
{
    OvProgressBarGif gif;
    gif.StartFiveMinutes();
    QVERIFY(gif.IsCounting());
    QCOMPARE(gif.TimeText(), QStringLiteral("About 5 Minute(s)"));

    gif.SetMinutes(2);
    gif.slotProcessTimer();
    QCOMPARE(gif.Minutes(), 1);
    QCOMPARE(gif.TimeText(), QStringLiteral("About 1 Minute(s)"));
    QVERIFY(gif.IsCounting());

    gif.slotProcessTimer();
    QVERIFY(!gif.IsCounting());
    QCOMPARE(gif.Minutes(), 1);
    QCOMPARE(gif.TimeText(), QStringLiteral("About 1 Minute(s)"));

    // Whatever the owner sets, the label never reads less than one minute.
    gif.SetMinutes(0);
    QCOMPARE(gif.TimeText(), QStringLiteral("About 1 Minute(s)"));
}

void tst_OvProgressBarGif::deviceEstimateIsUsedGiBPlusTwo_data()
{
    QTest::addColumn<quint64>("total");
    QTest::addColumn<quint64>("free");
    QTest::addColumn<int>("minutes");
    QTest::newRow("100 GiB used") << 128 * kGiB << 28 * kGiB << 102;
    QTest::newRow("just under a GiB used counts 0") << 64 * kGiB << 63 * kGiB + 1 << 2;
    QTest::newRow("empty device") << 64 * kGiB << 64 * kGiB << 2;
    // Without a device the free space reads as all bits set, above the total.
    QTest::newRow("no device") << quint64(0) << ~quint64(0) << 2;
}

void tst_OvProgressBarGif::deviceEstimateIsUsedGiBPlusTwo()
{
    QFETCH(quint64, total);
    QFETCH(quint64, free);
    QFETCH(int, minutes);
    OvProgressBarGif gif;
    gif.StartDeviceEstimate(total, free);
    QCOMPARE(gif.Minutes(), minutes);
    QCOMPARE(gif.TimeText(), QStringLiteral("About %1 Minute(s)").arg(minutes));
    QVERIFY(gif.IsCounting());
}

void tst_OvProgressBarGif::realTimerCountsDownOncePerScaledMinute()
{
    // The tests run with DRAVO_TIME_SCALE 0.01: a minute lasts 600 ms.
    OvProgressBarGif gif;
    gif.show();
    gif.StartFiveMinutes();
    QTest::qWait(300);
    QCOMPARE(gif.Minutes(), 5);
    QTRY_COMPARE_WITH_TIMEOUT(gif.Minutes(), 4, 2000);
}

void tst_OvProgressBarGif::progressReplacesTheEstimate()
{
    OvProgressBarGif gif;
    gif.show();
    gif.StartFiveMinutes();
    auto* bar = gif.findChild<OvStyleProgressBar*>("progressBar");
    auto* animation = gif.findChild<QLabel*>("progressAnimation");
    QVERIFY(!bar->isVisible());
    QVERIFY(animation->isVisible());
    QVERIFY(timeLabel(gif)->isVisible());

    gif.SetProgress(40);
    QVERIFY(!gif.IsCounting());
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->Value(), 40);
    QCOMPARE(bar->Text(), QStringLiteral("40%"));
    QVERIFY(!timeLabel(gif)->isVisible());
    QVERIFY(!animation->isVisible());

    // The next job starts the estimate again.
    gif.StartFiveMinutes();
    QVERIFY(!bar->isVisible());
    QVERIFY(timeLabel(gif)->isVisible());
    QVERIFY(gif.IsCounting());
}

void tst_OvProgressBarGif::timeoutDoneEndsTheCountdown()
{
    OvProgressBarGif gif;
    gif.show();
    gif.StartFiveMinutes();
    gif.SlotTimeoutdone();
    QVERIFY(!gif.IsCounting());
    QVERIFY(!timeLabel(gif)->isVisible());
    QCOMPARE(gif.Minutes(), 5);

    // A missing animation leaves the estimate working.
    gif.SetAnimation("no_such_animation.gif");
    gif.StartFiveMinutes();
    QVERIFY(gif.IsCounting());
    QVERIFY(timeLabel(gif)->isVisible());
}

QTEST_MAIN(tst_OvProgressBarGif)
#include "tst_OvProgressBarGif.moc"
