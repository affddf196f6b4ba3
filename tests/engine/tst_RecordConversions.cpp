#include "CompactText.h"
#include "ContactNameIndex.h"
#include "LibraryTimeFormatter.h"
#include "LookupContactName.h"
#include "MessageTimeText.h"
#include "PhotoOrder.h"
#include "RecordConversions.h"

#include <QRandomGenerator>
#include <QTest>

class tst_RecordConversions : public QObject
{
    Q_OBJECT

private slots:
    void callDuration();
    void libraryTimes();
    void contactLookup_data();
    void contactLookup();
    void indexGivesTheLiteralRulesNames();
    void participantsAreNamedOneByOneAndASingleOneWithoutCopies();
    void photosNewestFirstAsWhenInsertedOneByOne();
    // The compact texts of the message records read back exactly as the QStrings they hold.
    void textsReadBackExactly();
    void timesReadBackExactly();
    void sharedIndexFollowsTheContactList();
};

void tst_RecordConversions::callDuration()
{
    const QPair<int, const char*> rows[]
        = { { 3725, "01:02:05" }, { 0, "00:00:00" }, { 59, "00:00:59" }, { 360000, "100:00:00" } };
    for (const auto& row : rows)
        QCOMPARE(FormatCallDuration(row.first), QString(row.second));
}

void tst_RecordConversions::libraryTimes()
{
    // Library times count from 2001; the tests run in UTC.
    QCOMPARE(FormatLibraryTime(0, kMessageTimeFormat), QString("01/01/2001 00:00:00"));
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
    const char* const rows[][3] = {
        { "country prefix, spaces and dashes", "+1 555-123 4567", "Ann" },
        { "non-breaking spaces", "555\u00A0123\u00A04567", "Ann" },
        { "shorter number inside a stored one", "1234567", "Ann" },
        { "neither contains the other", "5551239999", "" },
        { "first contact in list order wins", "0099", "Bob" },
        { "a stored number inside the longer cleaned one", "44-0099-77", "Bob" },
        { "empty number matches the first stored number", "", "Ann" },
        { "letters compare with case", "ABC", "" },
        { "letters equal", "abc", "Cid" },
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString(row[2]);
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

void tst_RecordConversions::participantsAreNamedOneByOneAndASingleOneWithoutCopies()
{
    const QVector<ContactInfo> contacts { { "Ann", { "5551234567" }, {} }, { "Bob", { "777" }, {} } };
    const ContactNameIndex index(contacts);
    QCOMPARE(index.LookupParticipants("+1 555 123 4567,user@example.com,777"), QString("Ann,user@example.com,Bob"));
    const QString named("+1 555-123-4567");
    const QString unnamed("+44 20 7946 0000");
    QVERIFY(index.LookupParticipants(named).isSharedWith(contacts.at(0).m_strName));
    QVERIFY(index.LookupParticipants(unnamed).isSharedWith(unnamed));
    QCOMPARE(index.ContactOf(named), 0);
    QCOMPARE(index.ContactOf(unnamed), -1);
}

void tst_RecordConversions::photosNewestFirstAsWhenInsertedOneByOne()
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
    for (int i = 0; i < loaded.size(); ++i) {
        QCOMPARE(loaded.at(i).m_nHandle, inserted.at(i).m_nHandle);
        // Newest first.
        QVERIFY(i == 0 || loaded.at(i - 1).m_nSortKey >= loaded.at(i).m_nSortKey);
    }
}

void tst_RecordConversions::textsReadBackExactly()
{
    // Either side of the seven bytes kept without a heap block, and texts of several bytes a
    // character.
    for (const QString& text : { QString(), QString("OK"), QString("1234567"), QString("12345678"),
                                 QString("+44 20 1234 5678,+1 555-100-1234"), QString::fromUtf8("Zoë"),
                                 QString::fromUtf8("微信 Привет"), QString(QChar(0)) }) {
        const CompactText compact(text);
        QCOMPARE(compact.toString(), text);
        QCOMPARE(compact.isEmpty(), text.isEmpty());
        QCOMPARE(compact.size(), text.toUtf8().size());
        const CompactText copy = compact;
        QVERIFY(copy.isSharedWith(compact));
        QVERIFY(copy == compact);
    }
    QVERIFY(CompactText("12345678") != CompactText("12345679"));
    QVERIFY(CompactText("1234567") != CompactText("1234568"));

    // A copy outlives its original, and an assigned text lets go of the one it held.
    CompactText kept;
    {
        const CompactText original("a text longer than seven bytes");
        kept = original;
    }
    QCOMPARE(kept.toString(), QString("a text longer than seven bytes"));
    kept = CompactText("short");
    QCOMPARE(kept.toString(), QString("short"));
}

void tst_RecordConversions::timesReadBackExactly()
{
    for (const QString& text :
         { QString("01/01/2001 00:00:00"), QString("12/31/9999 23:59:59"), QString(), QString("02/29/2032 07:08:09"),
           QString("1/2/2031 3:04:05"), QString("01/01/10000 00:00:00"), QString("ab/cd/efgh ij:kl:mn") })
        QCOMPARE(MessageTimeText(text).toString(), text);

    WallClock clock;
    clock.year = 2031;
    clock.month = 2;
    clock.day = 28;
    clock.hour = 23;
    clock.minute = 5;
    clock.second = 9;
    QCOMPARE(MessageTimeText::FromClock(clock).toString(), QString("02/28/2031 23:05:09"));
    QVERIFY(MessageTimeText::FromClock(clock) == MessageTimeText(QString("02/28/2031 23:05:09")));
    // Beyond four digits of year the text is kept as it is.
    clock.year = 10000;
    QCOMPARE(MessageTimeText::FromClock(clock).toString(), QString("02/28/10000 23:05:09"));
}

void tst_RecordConversions::sharedIndexFollowsTheContactList()
{
    QVector<ContactInfo> contacts { { "Ann", { "5551234567" }, {} } };
    const auto first = ContactNameIndex::Shared(contacts);
    QCOMPARE(ContactNameIndex::Shared(contacts), first);
    QCOMPARE(ContactNameIndex::Shared(QVector<ContactInfo>(contacts)), first); // a copy is the same list

    // A number changed in place must not be answered from the old index.
    contacts[0].m_obLPhones[0] = "777";
    const auto changed = ContactNameIndex::Shared(contacts);
    QVERIFY(changed != first);
    QCOMPARE(changed->Lookup("777"), QString("Ann"));
    QCOMPARE(changed->Lookup("5551234567"), QString());
    QCOMPARE(first->Lookup("5551234567"), QString("Ann")); // still usable by a loader holding it
}

QTEST_GUILESS_MAIN(tst_RecordConversions)
#include "tst_RecordConversions.moc"
