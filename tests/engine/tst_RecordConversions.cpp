#include "ContactNameIndex.h"
#include "LookupContactName.h"
#include "PhotoOrder.h"
#include "RecordConversions.h"

#include <QRandomGenerator>
#include <QTest>

class tst_RecordConversions : public QObject
{
    Q_OBJECT

private slots:
    void callDuration_data();
    void callDuration();
    void libraryTimes();
    void contactLookup_data();
    void contactLookup();
    void indexGivesTheLiteralRulesNames();
    void participantsAreNamedOneByOne();
    void photosNewestFirst();
    void batchPhotoOrderEqualsOneByOneInsertion();
};

void tst_RecordConversions::callDuration_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("hour, minutes and seconds") << 3725 << "01:02:05";
    QTest::newRow("nothing") << 0 << "00:00:00";
    QTest::newRow("just under a minute") << 59 << "00:00:59";
    QTest::newRow("hours beyond two digits") << 360000 << "100:00:00";
}

void tst_RecordConversions::callDuration()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(FormatCallDuration(seconds), text);
}

void tst_RecordConversions::libraryTimes()
{
    // Library times count from 2001; the tests run in UTC.
    QCOMPARE(FormatLibraryTime(0, kMessageTimeFormat), QString("01/01/2001 00:00:00"));
    QCOMPARE(FormatLibraryTime(86400 + 3600 + 61, kCookieTimeFormat), QString("2001-01-02 01:01:01"));
    QCOMPARE(FormatLibraryTime(13 * 3600 + 5 * 60, kCalendarTimeFormat), QString("01/01/2001 13:05"));
    QCOMPARE(FormatLibraryTime(-86400, kPhotoDateFormat), QString("2000-12-31"));
    QCOMPARE(LibraryTimeToDateTime(0).toSecsSinceEpoch(), kSecondsFrom1970To2001);

    // Decimal texts are truncated to whole seconds; what cannot be read counts as 0.
    QCOMPARE(TextTimeToSeconds("599616000.75"), qint64(599616000));
    QCOMPARE(TextTimeToSeconds(" 12.9 "), qint64(12));
    QCOMPARE(TextTimeToSeconds("-3.5"), qint64(-3));
    QCOMPARE(TextTimeToSeconds("soon"), qint64(0));
    QCOMPARE(TextTimeToSeconds("1e300"), qint64(0));
    QCOMPARE(TextTimeToSeconds(nullptr), qint64(0));
}

void tst_RecordConversions::contactLookup_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("country prefix, spaces and dashes") << QString("+1 555-123 4567") << "Ann";
    QTest::newRow("non-breaking spaces") << QString("555\u00A0123\u00A04567") << "Ann";
    QTest::newRow("shorter number inside a stored one") << "1234567"
                                                        << "Ann";
    QTest::newRow("neither contains the other") << "5551239999"
                                                << "";
    QTest::newRow("first contact in list order wins") << "0099"
                                                      << "Bob";
    QTest::newRow("a stored number inside the longer cleaned one") << "44-0099-77"
                                                                   << "Bob";
    QTest::newRow("empty number matches the first stored number") << ""
                                                                  << "Ann";
    QTest::newRow("letters compare with case") << "ABC"
                                               << "";
    QTest::newRow("letters equal") << "abc"
                                   << "Cid";
}

void tst_RecordConversions::contactLookup()
{
    QFETCH(QString, number);
    QFETCH(QString, name);
    const QVector<ContactInfo> contacts { { "Ann", { "", "5551234567" }, {} },
                                          { "Bob", { "0099" }, {} },
                                          { "Bea", { "00990" }, {} },
                                          { "Cid", { "abc" }, {} } };
    QCOMPARE(LookupContactName(number, contacts), name);
    QCOMPARE(ContactNameIndex(contacts).Lookup(number), name);
}

void tst_RecordConversions::indexGivesTheLiteralRulesNames()
{
    // A small alphabet makes containment in both directions and ties between contacts
    // common, which is where an index could pick another contact than the literal rule.
    QRandomGenerator random(7);
    const auto randomNumber = [&](int minLength, int maxLength, const char* alphabet) {
        QString text;
        const int length = minLength + static_cast<int>(random.bounded(maxLength - minLength + 1));
        for (int i = 0; i < length; ++i)
            text += QChar(alphabet[random.bounded(static_cast<int>(qstrlen(alphabet)))]);
        return text;
    };
    QVector<ContactInfo> contacts;
    for (int c = 0; c < 150; ++c) {
        ContactInfo contact;
        contact.m_strName = QString("contact %1").arg(c);
        for (int p = random.bounded(3); p >= 0; --p)
            contact.m_obLPhones.append(p == 2 ? QString() : randomNumber(6, 9, "1234"));
        contacts.append(contact);
    }
    const ContactNameIndex index(contacts);
    int named = 0;
    for (int q = 0; q < 3000; ++q) {
        const QString number = randomNumber(0, 14, "1234- ");
        const QString expected = LookupContactName(number, contacts);
        QCOMPARE(index.Lookup(number), expected);
        named += expected.isEmpty() ? 0 : 1;
    }
    // Both outcomes must have been exercised for the comparison to mean anything.
    QVERIFY2(named > 300 && named < 2700, qPrintable(QString::number(named)));
    QCOMPARE(ContactNameIndex({}).Lookup("123"), QString());
}

void tst_RecordConversions::participantsAreNamedOneByOne()
{
    const ContactNameIndex index({ { "Ann", { "5551234567" }, {} }, { "Bob", { "777" }, {} } });
    QCOMPARE(index.LookupParticipants("+1 555 123 4567,user@example.com,777"), QString("Ann,user@example.com,Bob"));
    QCOMPARE(index.LookupParticipants("42"), QString("42"));
}

void tst_RecordConversions::photosNewestFirst()
{
    QVector<PhotoVideoInfo> photos;
    for (const int time : { 5, 9, 7 }) {
        PhotoVideoInfo photo;
        photo.m_nSortKey = time;
        photos.append(photo);
    }
    QVector<PhotoVideoInfo> inserted;
    for (const PhotoVideoInfo& photo : photos)
        InsertPhotoByKey(inserted, photo);
    SortPhotosByKey(photos);
    for (const QVector<PhotoVideoInfo>* list : { &photos, &inserted }) {
        QCOMPARE(list->size(), 3);
        QCOMPARE(list->at(0).m_nSortKey, 9);
        QCOMPARE(list->at(1).m_nSortKey, 7);
        QCOMPARE(list->at(2).m_nSortKey, 5);
    }
}

void tst_RecordConversions::batchPhotoOrderEqualsOneByOneInsertion()
{
    // Many equal keys: the later loaded record must come before the earlier one.
    QRandomGenerator random(11);
    QVector<PhotoVideoInfo> loaded;
    for (int i = 0; i < 2000; ++i) {
        PhotoVideoInfo photo;
        photo.m_nHandle = i;
        photo.m_nSortKey = static_cast<qint32>(random.bounded(50)) - 25;
        loaded.append(photo);
    }
    QVector<PhotoVideoInfo> inserted;
    for (const PhotoVideoInfo& photo : loaded)
        InsertPhotoByKey(inserted, photo);
    SortPhotosByKey(loaded);
    QCOMPARE(loaded.size(), inserted.size());
    for (int i = 0; i < loaded.size(); ++i)
        QCOMPARE(loaded.at(i).m_nHandle, inserted.at(i).m_nHandle);
}

QTEST_GUILESS_MAIN(tst_RecordConversions)
#include "tst_RecordConversions.moc"
