#include "LibraryTimeFormatter.h"
#include "RecordConversions.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstdlib>
#include <ctime>

// The formatter's texts against Qt's own conversion, in zones chosen for their trouble: daylight
// time in either hemisphere, a half-hour change, a day skipped at the date line, daylight time
// ended for good, none at all, and a whole-hour zone. Each zone is made the process's zone
// through TZ, as a user's system would.
class tst_LibraryTimeFormatter : public QObject
{
    Q_OBJECT

private slots:
    void sameTextsAsQt_data();
    void sameTextsAsQt();
};

void tst_LibraryTimeFormatter::sameTextsAsQt_data()
{
    QTest::addColumn<QByteArray>("zoneId");
    for (const char* id : { "America/New_York", "Europe/London", "Australia/Lord_Howe", "Pacific/Apia",
                            "America/Sao_Paulo", "Asia/Kolkata", "UTC" })
        QTest::newRow(id) << QByteArray(id);
    QTest::newRow("the machine's own") << QByteArray();
}

void tst_LibraryTimeFormatter::sameTextsAsQt()
{
    QFETCH(QByteArray, zoneId);
    if (zoneId.isEmpty())
        qunsetenv("TZ");
    else
        qputenv("TZ", zoneId);
    tzset();
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (!zoneId.isEmpty())
        QCOMPARE(zone.id(), zoneId);
    LibraryTimeFormatter formatter(zone);

    std::vector<qint64> times;
    // Spread over 1955 to 2060, so that some fall before 1970 and most land far from any
    // change of the zone's offset.
    QRandomGenerator random(7);
    for (int i = 0; i < 4000; ++i)
        times.push_back(static_cast<qint64>(random.generate64() % 3312000000ULL) - 472000000);
    const std::size_t spread = times.size();
    // The turn of 1970, which west of Greenwich is still 1969 on the zone's clock.
    for (qint64 t = -86400; t <= 86400; t += 7 * 60)
        times.push_back(t);
    // Around every change of offset, at the time read and 31 years before it, which lands on
    // the change once the years are added: every 7 minutes (reaching every quarter hour) in
    // the hours around it, and sparser out to the days where the fast way takes over.
    const QDateTime first = QDateTime(QDate(1965, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime last = QDateTime(QDate(2050, 1, 1), QTime(0, 0), Qt::UTC);
    for (const QTimeZone::OffsetData& change : zone.transitions(first, last)) {
        const qint64 at = change.atUtc.toSecsSinceEpoch();
        const qint64 before = QDateTime::fromSecsSinceEpoch(at, zone).addYears(-31).toSecsSinceEpoch();
        for (const qint64 centre : { at, before }) {
            for (qint64 t = centre - 6 * 3600; t <= centre + 6 * 3600; t += 7 * 60)
                times.push_back(t);
            for (qint64 t = centre - 3 * 86400; t <= centre + 3 * 86400; t += 37 * 60)
                times.push_back(t);
        }
    }
    // Leap days become 28 February in the years that have none.
    times.push_back(QDateTime(QDate(1972, 2, 29), QTime(12, 0), zone).toSecsSinceEpoch());
    times.push_back(QDateTime(QDate(1996, 2, 29), QTime(23, 59, 59), zone).toSecsSinceEpoch());

    const QString formats[] = { kMessageTimeFormat, kCookieTimeFormat, kCalendarTimeFormat, kPhotoDateFormat };
    int fast = 0;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const qint64 t = times[i];
        WallClock clock;
        if (i < spread && formatter.FastWallClock(t, clock))
            ++fast;
        // The formats differ only in the digits written, which the fast way writes alike.
        const QString& format = formats[i % 4];
        const QString expected = QDateTime::fromSecsSinceEpoch(t, zone).addYears(31).toString(format);
        const QString text = formatter.Format(t, format);
        if (text != expected)
            QFAIL(qPrintable(QStringLiteral("%1 in %2: %3 instead of %4").arg(t).arg(format, text, expected)));
    }
    // Most times must have taken the fast way, or this compared Qt with itself.
    QVERIFY2(fast > static_cast<int>(spread) * 3 / 4, qPrintable(QString::number(fast)));
    // Times before 1970 never do.
    WallClock clock;
    QVERIFY(!formatter.FastWallClock(-1, clock));
}

QTEST_GUILESS_MAIN(tst_LibraryTimeFormatter)
#include "tst_LibraryTimeFormatter.moc"
