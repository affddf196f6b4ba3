#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "EngineTestSupport.h"

#include <QSemaphore>
#include <QTest>

#include <atomic>

class tst_Loaders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void messagesWithNamesAndAttachments();
    void callLogNamesNumbersFromTheContacts();
    void contactsAreReloadedAfterABackup();
    void stopDuringALoadKeepsTheRecordsAndSilencesTheEnd();
    void aStopBeforeTheLoadRunsSkipsIt();
    void aMissingCategoryStillEnds();
    void photosAreOrderedNewestFirst();
    void chatAndSafariCategories();
    void weChatMessagesKnowTheirAccount();
    void eachMessageKeepsItsDeletedFlag();

private:
    FakeDevice& Device() { return m_session->device; }
    std::unique_ptr<FakeDeviceSession> m_session;
};

void tst_Loaders::init()
{
    m_session.reset(); // lets the previous test's work finish first
    m_session.reset(new FakeDeviceSession);
    CGlobalData::GetInstance()->m_bContactsLoaded = false;
    FakeDevice& device = Device();
    const OvContactPhone* phones = device.Keep<OvContactPhone>(
        { { device.Text("5550100"), "home", 1, 0, 3 }, { device.Text(""), "work", 2, 0, 3 } });
    device.privateData->contacts->items = {
        { device.Text("Ann"), device.Text("Lee"), device.Text("ACME"), phones, 2, 0 },
        { device.Text("Bob"), device.Text(""), nullptr, nullptr, 0, 1 },
    };
}

void tst_Loaders::messagesWithNamesAndAttachments()
{
    FakeDevice& device = Device();
    const OvMessageAttachment* attachment
        = device.Keep<OvMessageAttachment>({ { "photo.jpg", "/sms/photo.jpg", 10, 0 } });
    const OvMessage* messages = device.Keep<OvMessage>({
        { "hello", 1, 0, 1, nullptr, 0, 0 },
        { "\xEF\xBF\xBC", 0, 60, 0, attachment, 1, 0 }, // U+FFFC: the text stood for the attachment
    });
    device.privateData->messages->items = { { device.Text("+1 555-0100,999"), messages, 2, 1 } };
    device.privateData->messages->attachments = { { "photo.jpg", "/sms/photo.jpg", 10, 1 } };
    SignalRecorder loaded(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadSMSData);
    SignalRecorder contacts(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadAddressBookData);
    QVERIFY(CController::GetInstance()->PostLoadSMSDataTask());
    QTRY_COMPARE(loaded.count(), 1);
    QCOMPARE(contacts.count(), 1);

    CGlobalData* store = CGlobalData::GetInstance();
    QCOMPARE(store->m_obLContact.size(), 2);
    QCOMPARE(store->m_obLContact.at(0).m_strName, QString("Ann Lee"));
    QCOMPARE(store->m_obLContact.at(0).m_obLPhones, QStringList({ "5550100", "" }));
    QCOMPARE(store->m_obLContact.at(0).m_strOrganization, QString("ACME"));
    QCOMPARE(store->m_obLContact.at(1).m_strName, QString("Bob"));
    QCOMPARE(store->m_obLContact.at(1).m_bDeleted, quint8(1));

    QCOMPARE(store->m_obLSMSSession.size(), 1);
    const SMSSessionInfo& session = store->m_obLSMSSession.at(0);
    QCOMPARE(quint32(session.m_nHandle), OvItemHandle(&device.privateData->messages->items[0]));
    QCOMPARE(session.m_strNumbers, QString("+1 555-0100,999"));
    QCOMPARE(session.m_strNames, QString("Ann Lee,999"));
    QCOMPARE(session.m_bDeleted, quint8(1));
    QCOMPARE(session.m_bSelected, quint8(1));
    QCOMPARE(session.m_obLMessages.size(), 2);
    QCOMPARE(session.m_obLMessages.at(0).m_strText, QString("hello"));
    QCOMPARE(session.m_obLMessages.at(0).m_strTime, QString("01/01/2001 00:00:00"));
    QCOMPARE(session.m_obLMessages.at(1).m_strText, QString());
    QCOMPARE(session.m_obLMessages.at(1).m_obLAttachments.at(0).second, QString("/sms/photo.jpg"));
    QCOMPARE(store->m_obLSMSAttachment.size(), 1);
    QCOMPARE(quint32(store->m_obLSMSAttachment.at(0).m_nHandle),
             OvItemHandle(&device.privateData->messages->attachments[0]));
    QCOMPARE(store->m_obLSMSAttachment.at(0).m_bDeleted, quint8(1));
}

void tst_Loaders::callLogNamesNumbersFromTheContacts()
{
    FakeDevice& device = Device();
    device.privateData->callLog->items
        = { { device.Text("+1 555-0100"), 3600, 3725, 2, 0 }, { device.Text("12"), 0, 5, 3, 1 } };
    SignalRecorder loaded(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadCallLogData);
    QVERIFY(CController::GetInstance()->PostLoadCallLogDataTask());
    QTRY_COMPARE(loaded.count(), 1);
    const auto& calls = CGlobalData::GetInstance()->m_obLCallLogSession;
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls.at(0).m_strName, QString("Ann Lee"));
    QCOMPARE(calls.at(0).m_strDuration, QString("01:02:05"));
    QCOMPARE(calls.at(0).m_strTime, QString("01/01/2001 01:00:00"));
    QCOMPARE(calls.at(0).m_nTime, qint64(3600));
    QCOMPARE(calls.at(0).m_nCallKind, 2);
    QCOMPARE(calls.at(1).m_strName, QString());
    QCOMPARE(calls.at(1).m_bDeleted, quint8(1));
}

void tst_Loaders::contactsAreReloadedAfterABackup()
{
    CController* controller = CController::GetInstance();
    FakeJournal& journal = Device().journal;
    QVERIFY(controller->PostLoadSMSDataTask());
    QVERIFY(controller->PostLoadCallLogDataTask());
    QVERIFY(DrainControlThread());
    QCOMPARE(journal.Count("contacts:load"), 1); // loaded once, then reused

    Device().privateData->contacts->items.pop_back();
    QVERIFY(controller->PostBackupDevDataTask());
    QVERIFY(controller->PostLoadSMSDataTask());
    QVERIFY(DrainControlThread());
    QCOMPARE(journal.Count("contacts:load"), 2);
    QCOMPARE(CGlobalData::GetInstance()->m_obLContact.size(), 1);
}

void tst_Loaders::stopDuringALoadKeepsTheRecordsAndSilencesTheEnd()
{
    FakeDevice& device = Device();
    for (int i = 0; i < 10; ++i)
        device.privateData->notes->items.push_back({ device.Text("note"), device.Text("body"), 0, 0, 0 });
    std::atomic<bool> stopped { false };
    device.privateData->notes->onItem = [&stopped](int index) {
        if (index == 4) {
            CController::GetInstance()->StopTasks();
            stopped = true;
        }
    };
    SignalRecorder loaded(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadNoteData);
    QVERIFY(CController::GetInstance()->PostLoadNoteDataTask());
    // A drain posted before the stop would be dropped with the rest.
    QVERIFY(WaitFor([&] { return stopped.load(); }));
    QVERIFY(DrainControlThread());
    QCOMPARE(loaded.count(), 0);
    // Items before the stop were stored and stay; the load took no more after it.
    QCOMPARE(CGlobalData::GetInstance()->m_obLNote.size(), 5);

    // A new load clears the cancel and ends normally.
    device.privateData->notes->onItem = nullptr;
    QVERIFY(CController::GetInstance()->PostLoadNoteDataTask());
    QTRY_COMPARE(loaded.count(), 1);
    QCOMPARE(CGlobalData::GetInstance()->m_obLNote.size(), 10);
}

void tst_Loaders::aStopBeforeTheLoadRunsSkipsIt()
{
    QSemaphore hold;
    Device().onRun = [&](const std::string& job) {
        if (job == "backup")
            hold.acquire();
    };
    CController* controller = CController::GetInstance();
    SignalRecorder loaded(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadSMSData);
    QVERIFY(controller->PostBackupDevDataTask());
    QVERIFY(controller->PostLoadSMSDataTask());
    controller->StopTasks(); // while the load is still queued
    hold.release();
    QVERIFY(DrainControlThread());
    QCOMPARE(loaded.count(), 0);
    QVERIFY(!Device().journal.Has("messages:load"));
    QVERIFY(!Device().journal.Has("contacts:load"));
    QVERIFY(!CGlobalData::GetInstance()->m_bContactsLoaded);
}

void tst_Loaders::aMissingCategoryStillEnds()
{
    CGlobalData::GetInstance()->m_obLWhatsApp.resize(3); // from an earlier device
    Device().privateData->whatsApp.reset();
    SignalRecorder loaded(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadWhatsAppData);
    QVERIFY(CController::GetInstance()->PostLoadWhatsAppDataTask());
    QTRY_COMPARE(loaded.count(), 1);
    QVERIFY(CGlobalData::GetInstance()->m_obLWhatsApp.isEmpty());

    // Without the private-data interface too.
    Device().noSubInterfaces = true;
    SignalRecorder calendar(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadCallendarData);
    QVERIFY(CController::GetInstance()->PostLoadCallendarDataTask());
    QTRY_COMPARE(calendar.count(), 1);
}

void tst_Loaders::photosAreOrderedNewestFirst()
{
    FakeDevice& device = Device();
    auto& photos = device.privateData->photos->items;
    for (const int time : { 5, 9, 7 })
        photos.push_back({ device.Text(std::to_string(time) + ".jpg"), device.Text("/DCIM"), 100, time, 0, 0 });
    photos.push_back({ device.Text(""), device.Text("/DCIM/hidden"), 1, 8, 0, 0 }); // no name: not shown
    photos.push_back({ device.Text("2.mov"), device.Text("/DCIM"), 1, 86400 * 365, 1, 1 });
    SignalRecorder loaded(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadPhotoAndVideoData);
    QVERIFY(CController::GetInstance()->PostLoadPhotoAndVideoDataTask());
    QTRY_COMPARE(loaded.count(), 1);
    const auto& list = CGlobalData::GetInstance()->m_obLPhotoAndVideo;
    QStringList names;
    for (const PhotoVideoInfo& photo : list)
        names << photo.m_strFileName;
    QCOMPARE(names, QStringList({ "2.mov", "9.jpg", "7.jpg", "5.jpg" }));
    QCOMPARE(list.at(0).m_strDate, QString("2002-01-01"));
    QCOMPARE(list.at(0).m_nMediaKind, 1);
    QCOMPARE(list.at(0).m_bDeleted, quint8(1));
    QCOMPARE(list.at(1).m_nSortKey, 9);
}

void tst_Loaders::chatAndSafariCategories()
{
    FakeDevice& device = Device();
    device.privateData->whatsApp->items = { { "Chat", "+44", "hi", "60.9", 1, 0 } };
    device.privateData->whatsApp->attachments = { { "a.jpg", "/wa/a.jpg", "0", 5, 1 } };
    device.privateData->kik->items = { { "kim", "Kim", "yo", "3600.5", 0, 1 } };
    device.privateData->kik->attachments = { { "k.jpg", "/kik/k.jpg", "bad", 7, 0 } };
    device.privateData->viber->items = { { "+1", "Val", "hey", "86400", 0, 0 } };
    device.privateData->cache->items
        = { { device.WideText(L"https://example.com/\u00e9"), device.WideText(L"f.bin"), 12, 0, 0 } };
    device.privateData->cookies->items = { { "example.com", "id", "1", "/", 3661, 1 } };
    device.privateData->safariHistory->items = { { "Home", "https://example.com", 0, 3, 1 } };
    device.privateData->calendar->items = { { "Meet", "Room", 600, 4200, 0 } };
    device.privateData->bookmarks->items = { { "Docs", "https://docs", 1 } };
    device.privateData->voiceMemos->items = { { "Memo", "/memo.m4a", 0, 30, 900, 1 } };
    CController* controller = CController::GetInstance();
    SignalRecorder last(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadVoiceMemosData);
    for (auto post : { &CController::PostLoadWhatsAppDataTask, &CController::PostLoadKikDataTask,
                       &CController::PostLoadViberDataTask, &CController::PostLoadSafariCacheDataTask,
                       &CController::PostLoadSafariCookieDataTask, &CController::PostLoadSafariHistoryDataTask,
                       &CController::PostLoadCallendarDataTask, &CController::PostLoadBookMarkDataTask,
                       &CController::PostLoadVoiceMemosDataTask })
        QVERIFY((controller->*post)());
    QTRY_COMPARE(last.count(), 1);

    CGlobalData* store = CGlobalData::GetInstance();
    QCOMPARE(store->m_obLWhatsApp.at(0).m_nTime, qint64(60));
    QCOMPARE(store->m_obLWhatsApp.at(0).m_strTime, QString("01/01/2001 00:01:00"));
    QCOMPARE(store->m_obLWhatsApp.at(0).m_strChatName, QString("Chat"));
    QCOMPARE(store->m_obLWhatsAppAttachment.at(0).m_bDeleted, quint8(1));
    QCOMPARE(store->m_obLKik.at(0).m_strTime, QString("01/01/2001 01:00:00"));
    QCOMPARE(store->m_obLKik.at(0).m_bDeleted, quint8(1));
    QCOMPARE(store->m_obLKikAttachment.at(0).m_strPath, QString("/kik/k.jpg"));
    QCOMPARE(store->m_obLViber.at(0).m_strTime, QString("01/02/2001 00:00:00"));
    QCOMPARE(store->m_obLSafariCache.at(0).m_strUrl, QString::fromUtf8("https://example.com/\xC3\xA9"));
    QCOMPARE(store->m_obLSafariCookie.at(0).m_strExpires, QString("2001-01-01 01:01:01"));
    QCOMPARE(store->m_obLSafariHistory.at(0).m_bDeleted, quint8(1));
    QCOMPARE(store->m_obLSafariHistory.at(0).m_bSelected, quint8(1));
    QCOMPARE(store->m_obLCalendar.at(0).m_strStart, QString("01/01/2001 00:10"));
    QCOMPARE(store->m_obLCalendar.at(0).m_strEnd, QString("01/01/2001 01:10"));
    QCOMPARE(store->m_obLBookMark.at(0).m_bDeleted, quint8(1));
    QCOMPARE(store->m_obLVoiceMemo.at(0).m_nSize, quint64(900));
    QCOMPARE(store->m_obLVoiceMemo.at(0).m_bDeleted, quint8(1));
}

void tst_Loaders::weChatMessagesKnowTheirAccount()
{
    FakeDevice& device = Device();
    auto& weChat = *device.privateData->weChat;
    weChat.accounts.emplace_back(new FakeWeChatAccount(device, "alice"));
    weChat.accounts.emplace_back(new FakeWeChatAccount(device, "bob"));
    weChat.accounts[1]->messages = 1;
    weChat.items = { { weChat.accounts[1].get(), "bob", "carol", "hi", 3600, 1, 1, 0 } };
    SignalRecorder loaded(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadWeChatData);
    QVERIFY(CController::GetInstance()->PostLoadWeChatDataTask());
    QTRY_COMPARE(loaded.count(), 1);
    CGlobalData* store = CGlobalData::GetInstance();
    QCOMPARE(store->m_obLWeChatAccount.size(), 2);
    QCOMPARE(store->m_obLWeChatAccount.at(1).m_strName, QString("bob"));
    QCOMPARE(store->m_obLWeChatAccount.at(1).m_nMessageCount, 1);
    QCOMPARE(store->m_obLWeChat.size(), 1);
    QCOMPARE(store->m_obLWeChat.at(0).m_nAccountIndex, 1);
    QCOMPARE(store->m_obLWeChat.at(0).m_strTalker, QString("carol"));
    QCOMPARE(store->m_obLWeChat.at(0).m_strTime, QString("2001-01-01 01:00:00"));
    QCOMPARE(store->m_obLWeChat.at(0).m_bSelected, quint8(1));
}

QTEST_GUILESS_MAIN(tst_Loaders)

void tst_Loaders::eachMessageKeepsItsDeletedFlag()
{
    // The erase features tell deleted messages inside kept conversations from kept ones.
    FakeDevice& device = Device();
    const OvMessage* messages
        = device.Keep<OvMessage>({ { "gone", 1, 0, 1, nullptr, 0, 1 }, { "still here", 0, 60, 1, nullptr, 0, 0 } });
    device.privateData->messages->items = { { device.Text("999"), messages, 2, 0 } };
    SignalRecorder loaded(CTaskCallback::GetInstance(), &CTaskCallback::signalLoadSMSData);
    QVERIFY(CController::GetInstance()->PostLoadSMSDataTask());
    QTRY_COMPARE(loaded.count(), 1);
    const SMSSessionInfo& session = CGlobalData::GetInstance()->m_obLSMSSession.at(0);
    QCOMPARE(session.m_bDeleted, quint8(0));
    QCOMPARE(session.m_obLMessages.size(), 2);
    QCOMPARE(session.m_obLMessages.at(0).m_bDeleted, quint8(1));
    QCOMPARE(session.m_obLMessages.at(1).m_bDeleted, quint8(0));
}

#include "tst_Loaders.moc"
