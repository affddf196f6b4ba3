#include "CompactText.h"
#include "ContactNameIndex.h"
#include "LibraryTimeFormatter.h"
#include "MessageTimeText.h"

#include <QTest>

// The compact texts of the message records must read back exactly as the QStrings they hold.
class tst_CompactRecords : public QObject
{
    Q_OBJECT

private slots:
    void textsReadBackExactly();
    void timesReadBackExactly();
    void sharedIndexFollowsTheContactList();
    void aSingleParticipantIsNamedWithoutCopies();
};

void tst_CompactRecords::textsReadBackExactly()
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

void tst_CompactRecords::timesReadBackExactly()
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

void tst_CompactRecords::sharedIndexFollowsTheContactList()
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

void tst_CompactRecords::aSingleParticipantIsNamedWithoutCopies()
{
    const QVector<ContactInfo> contacts { { "Ann", { "5551234567" }, {} } };
    const ContactNameIndex index(contacts);
    const QString named("+1 555-123-4567");
    const QString unnamed("+44 20 7946 0000");
    QVERIFY(index.LookupParticipants(named).isSharedWith(contacts.at(0).m_strName));
    QVERIFY(index.LookupParticipants(unnamed).isSharedWith(unnamed));
    QCOMPARE(index.ContactOf(named), 0);
    QCOMPARE(index.ContactOf(unnamed), -1);
}

QTEST_GUILESS_MAIN(tst_CompactRecords)
#include "tst_CompactRecords.moc"
