#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "CallLogView.h"
#include "ChatModel.h"
#include "ChatPane.h"
#include "EraseImageControls.h"
#include "EraseTableView.h"
#include "ListCheckBox.h"
#include "MessageView.h"
#include "OvWechatView.h"
#include "PhotoView.h"
#include "SafariCache.h"
#include "SafariCacheModel.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"
#include "VoiceMemos.h"
#include "WeChatContentShow.h"
#include "ovdriver.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QImage>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <memory>

namespace {

CGlobalData& Store()
{
    return *CGlobalData::GetInstance();
}

template<class T> QVector<quint8> FlagsOf(const QVector<T>& list, std::function<bool(const T&)> keep = {})
{
    QVector<quint8> flags;
    for (const T& record : list) {
        if (!keep || keep(record))
            flags.append(record.m_bSelected);
    }
    return flags;
}

int Cleared(const QVector<quint8>& flags)
{
    return int(std::count(flags.cbegin(), flags.cend(), quint8(0)));
}

void ClearStore()
{
    CGlobalData& store = Store();
    store.m_obLSMSSession.clear();
    store.m_obLCallLogSession.clear();
    store.m_obLContact.clear();
    store.m_obLNote.clear();
    store.m_obLPhotoAndVideo.clear();
    store.m_obLWhatsApp.clear();
    store.m_obLWeChat.clear();
    store.m_obLWeChatAccount.clear();
    store.m_obLSafariCache.clear();
    store.m_obLVoiceMemo.clear();
}

/// The way a user unticks the first row of `view`: Space on a table row or a memo tile,
/// a click on a site's box or on a photo tile.
void UntickFirstRow(EraseListView* view)
{
    if (auto* table = view->findChild<QTableView*>(QStringLiteral("recordTable"))) {
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, table->model()->columnCount() - 1));
        QTest::keyClick(table, Qt::Key_Space);
    } else if (auto* cache = qobject_cast<SafariCache*>(view)) {
        cache->Model()->setData(cache->Model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    } else if (auto* memos = qobject_cast<VoiceMemos*>(view)) {
        memos->Grid()->setFocus();
        memos->Grid()->setCurrentIndex(memos->Model()->index(0, 0));
        QTest::keyClick(memos->Grid(), Qt::Key_Space);
    } else if (auto* photos = qobject_cast<PhotoView*>(view)) {
        QTest::mouseClick(photos->Tile(0), Qt::LeftButton);
    }
}

ListCheckBox* HeaderBox(EraseListView* view)
{
    if (auto* box = view->findChild<ListCheckBox*>(QStringLiteral("headerCheckBox")))
        return box;
    return view->findChild<ListCheckBox*>(QStringLiteral("selectAllCheckBox"));
}

} // namespace

class tst_EraseLists : public QObject
{
    Q_OBJECT

private slots:
    void everyListOfALoadedDeviceTicksExactlyItsRecords();
    void callKindsAndNamelessCalls();
    void conversationsTickTheirOwnMessages();
    void voiceMemoMenuChecksAndUnchecksAll();
    void safariCacheGroupsBySiteAndExpandsOnClick();
    void largeListsBuildOnlyWhatIsOnScreen();
    void photoDaysTickTheirPhotosByMouseAndKeyboard();
    void absurdRecordsAreShownSensibly();
    void weChatDrawsEveryKind();
};

void tst_EraseLists::everyListOfALoadedDeviceTicksExactlyItsRecords()
{
    SimulatedPhone phone;
    DeviceContent content = DeviceImageFixture::smallContent();
    content.records = 6;
    QVERIFY2(phone.connect(content), qPrintable(phone.error()));
    CController* controller = CController::GetInstance();
    CTaskCallback* callback = CTaskCallback::GetInstance();
    SignalRecorder backup(callback, &CTaskCallback::signalBackupDevData);
    QVERIFY(controller->PostBackupDevDataTask());
    QVERIFY(QTest::qWaitFor(
        [&] { return !backup.isEmpty() && backup.last().at(0).toInt() != OV_NOTIFY_BACKUP_PROGRESS; }, 30000));
    SignalRecorder last(callback, &CTaskCallback::signalLoadVoiceMemosData);
    for (auto post : { &CController::PostLoadSMSDataTask, &CController::PostLoadPhotoAndVideoDataTask,
                       &CController::PostLoadNoteDataTask, &CController::PostLoadCallLogDataTask,
                       &CController::PostLoadWhatsAppDataTask, &CController::PostLoadSafariHistoryDataTask,
                       &CController::PostLoadSafariCookieDataTask, &CController::PostLoadSafariCacheDataTask,
                       &CController::PostLoadViberDataTask, &CController::PostLoadKikDataTask,
                       &CController::PostLoadWeChatDataTask, &CController::PostLoadCallendarDataTask,
                       &CController::PostLoadBookMarkDataTask, &CController::PostLoadVoiceMemosDataTask })
        QVERIFY((controller->*post)());
    QVERIFY(QTest::qWaitFor([&] { return last.count() == 1; }, 30000));
    QVERIFY(Store().m_obLWeChatAccount.size() >= 2);

    CGlobalData& s = Store();
    const auto accountFlags = [&s](int account) {
        return FlagsOf<WeChatSMSInfo>(s.m_obLWeChat,
                                      [account](const WeChatSMSInfo& m) { return m.m_nAccountIndex == account; });
    };
    const QList<QPair<QString, std::function<QVector<quint8>()>>> lists {
        { "Message", [&] { return FlagsOf(s.m_obLSMSSession); } },
        { "SMS Attachment", [&] { return FlagsOf(s.m_obLSMSAttachment); } },
        { "Photos & Videos", [&] { return FlagsOf(s.m_obLPhotoAndVideo); } },
        { "Call History", [&] { return FlagsOf(s.m_obLCallLogSession); } },
        { "Contact", [&] { return FlagsOf(s.m_obLContact); } },
        { "Note", [&] { return FlagsOf(s.m_obLNote); } },
        { "Memo Attachment", [&] { return FlagsOf(s.m_obLNoteAttachment); } },
        { "Bookmark", [&] { return FlagsOf(s.m_obLBookMark); } },
        { "Safari History", [&] { return FlagsOf(s.m_obLSafariHistory); } },
        { "Calendar", [&] { return FlagsOf(s.m_obLCalendar); } },
        { "Safari Cache", [&] { return FlagsOf(s.m_obLSafariCache); } },
        { "Safari Cookie", [&] { return FlagsOf(s.m_obLSafariCookie); } },
        { "Voice Memo", [&] { return FlagsOf(s.m_obLVoiceMemo); } },
        { "WhatsApp Attachments", [&] { return FlagsOf(s.m_obLWhatsAppAttachment); } },
        { "WhatsApp", [&] { return FlagsOf(s.m_obLWhatsApp); } },
        { "Viber", [&] { return FlagsOf(s.m_obLViber); } },
        { "Kik", [&] { return FlagsOf(s.m_obLKik); } },
        { "MKik Attachment", [&] { return FlagsOf(s.m_obLKikAttachment); } },
        { "WeChat_0", [&] { return accountFlags(0); } },
        { "WeChat_1", [&] { return accountFlags(1); } },
    };
    for (const auto& list : lists) {
        const QString name = list.first;
        const auto flags = list.second;
        const int account = name.startsWith("WeChat_") ? name.mid(7).toInt() : 0;
        QVERIFY2(flags().size() > 1, qPrintable(name));
        QCOMPARE(Cleared(flags()), 0); // every record starts selected

        std::unique_ptr<EraseListView> view(CreateEraseListView(name, 1, account, nullptr));
        QVERIFY2(view, qPrintable(name));
        view->resize(900, 600);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QSignalSpy reports(view.get(), &EraseListView::checkCheckSignal);
        const QVector<quint8> otherAccount = accountFlags(1 - account);

        UntickFirstRow(view.get());
        QVERIFY2(reports.count() == 1 && reports.last().at(0).toInt() == 1, qPrintable(name));
        const int cleared = Cleared(flags());
        QVERIFY2(cleared >= 1 && cleared < flags().size(), qPrintable(name));
        if (!name.startsWith("WeChat") && name != "WhatsApp" && name != "Safari Cache")
            QVERIFY2(cleared == 1 && flags().at(0) == 0, qPrintable(name)); // one row, one record
        QCOMPARE(HeaderBox(view.get())->checkState(), Qt::PartiallyChecked);

        HeaderBox(view.get())->click(); // partly checked: a click selects everything
        QVERIFY2(reports.last().at(0).toInt() == 2 && Cleared(flags()) == 0, qPrintable(name));

        view->receiveLeftCheckBoxState(false); // the tree's box
        QVERIFY2(Cleared(flags()) == flags().size(), qPrintable(name));
        QCOMPARE(HeaderBox(view.get())->checkState(), Qt::Unchecked);
        if (name.startsWith("WeChat"))
            QVERIFY2(accountFlags(1 - account) == otherAccount, "one account's box reached another's messages");
        view->receiveLeftCheckBoxState(true);
        QCOMPARE(Cleared(flags()), 0);
    }
    QVERIFY(!CreateEraseListView("Nothing", 1, 0, nullptr));
    ClearStore();
}

void tst_EraseLists::callKindsAndNamelessCalls()
{
    ClearStore();
    const QList<QPair<int, QString>> kinds { { 0, "incoming" },
                                             { 1, "outgoing" },
                                             { 9, "outgoing" },
                                             { 17, "outgoing facetime" },
                                             { 64, "imcoming facetime missed" },
                                             { 65, "imcoming missed" },
                                             { 2, "unknown" },
                                             { -1, "unknown" } };
    for (const auto& kind : kinds) {
        CallLogSessionInfo call;
        call.m_nCallKind = kind.first;
        call.m_strNumber = "+1 555 0100";
        call.m_strName = kind.first == 0 ? QString() : QStringLiteral("Ann");
        Store().m_obLCallLogSession.append(call);
    }
    CallLogView view(1);
    const QAbstractItemModel* model = view.Table()->model();
    for (int row = 0; row < kinds.size(); ++row)
        QCOMPARE(model->index(row, 3).data().toString(), kinds.at(row).second);
    QCOMPARE(model->index(0, 0).data().toString(), QString("unknown"));

    // The mouse on a row's box: the item view's own click path, not a call into the model.
    view.resize(900, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy reports(&view, &EraseListView::checkCheckSignal);
    QStyleOptionViewItem option;
    option.initFrom(view.Table()->viewport());
    option.rect = view.Table()->visualRect(model->index(1, 0));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box
        = view.Table()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view.Table());
    QTest::mouseClick(view.Table()->viewport(), Qt::LeftButton, {}, box.center());
    QCOMPARE(Store().m_obLCallLogSession.at(1).m_bSelected, quint8(0));
    QCOMPARE(Cleared(FlagsOf(Store().m_obLCallLogSession)), 1);
    QCOMPARE(reports.count(), 1);
    QCOMPARE(reports.last().at(0).toInt(), 1);
    ClearStore();
}

void tst_EraseLists::conversationsTickTheirOwnMessages()
{
    ClearStore();
    // Chats interleaved as the library hands them out; one has no name, only a number.
    const QList<QPair<QString, QString>> messages { { "Ann", "" },         { "Bob", "" }, { "Ann", "" },
                                                    { "", "+1 555 0199" }, { "Bob", "" }, { "Ann", "" } };
    for (const auto& from : messages) {
        WhatsAppInfo message;
        message.m_strChatName = from.first;
        message.m_strNumber = from.second;
        message.m_strText = "text";
        Store().m_obLWhatsApp.append(message);
    }
    std::unique_ptr<EraseListView> created(CreateEraseListView("WhatsApp", 1, 0, nullptr));
    auto* view = qobject_cast<EraseTableView*>(created.get());
    QVERIFY(view);
    QAbstractItemModel* model = view->Table()->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->index(2, 0).data().toString(), QString("+1 555 0199"));
    view->Table()->setCurrentIndex(model->index(1, 0)); // Bob's conversation opens beside the list
    QCOMPARE(created->findChild<ChatPane*>()->Model()->rowCount(), 2);

    QVERIFY(model->setData(model->index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(FlagsOf(Store().m_obLWhatsApp), (QVector<quint8> { 1, 0, 1, 1, 0, 1 }));
    Store().m_obLWhatsApp[2].m_bSelected = 0; // one of Ann's, as an erase page might leave it
    QCOMPARE(model->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::PartiallyChecked));
    QVERIFY(model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(FlagsOf(Store().m_obLWhatsApp), (QVector<quint8> { 1, 0, 1, 1, 0, 1 }));
    ClearStore();
}

void tst_EraseLists::voiceMemoMenuChecksAndUnchecksAll()
{
    ClearStore();
    Store().m_obLVoiceMemo.resize(5);
    VoiceMemos view(1);
    view.resize(600, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy reports(&view, &EraseListView::checkCheckSignal);
    const auto choose = [&](int action) {
        // Picks the entry from the open menu with the keyboard once the menu is up.
        auto* picker = new QTimer(&view);
        QObject::connect(picker, &QTimer::timeout, [picker, action] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            picker->deleteLater();
            menu->setActiveAction(menu->actions().at(action));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        picker->start(10);
        // The menu key, as a keyboard user opens it.
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(10, 10));
        QApplication::sendEvent(view.Grid()->viewport(), &event);
        QVERIFY(!QApplication::activePopupWidget());
    };
    choose(1); // "Uncheck All"
    QCOMPARE(Cleared(FlagsOf(Store().m_obLVoiceMemo)), 5);
    QCOMPARE(reports.last().at(0).toInt(), 0);
    choose(0); // "Check All"
    QCOMPARE(Cleared(FlagsOf(Store().m_obLVoiceMemo)), 0);
    QCOMPARE(reports.last().at(0).toInt(), 2);
    ClearStore();
}

void tst_EraseLists::safariCacheGroupsBySiteAndExpandsOnClick()
{
    ClearStore();
    for (const char* url : { "https://a.example/1.js", "https://b.example/x", "https://a.example/2.css", "" }) {
        SafariCacheInfo entry;
        entry.m_strUrl = QString::fromLatin1(url);
        entry.m_nSize = 100;
        Store().m_obLSafariCache.append(entry);
    }
    SafariCache view(1);
    view.resize(700, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    SafariCacheModel* model = view.Model();
    QCOMPARE(model->SiteCount(), 3); // a.example, b.example, and the entry without an address
    const QModelIndex site = model->index(0, 0);
    QCOMPARE(model->index(0, 1).data().toInt(), 2);
    QCOMPARE(model->index(0, 2).data().toString(), QString("200 B"));

    QTest::mouseClick(view.Tree()->viewport(), Qt::LeftButton, {},
                      view.Tree()->visualRect(model->index(0, 1)).center());
    QVERIFY(view.Tree()->isExpanded(site));
    QSignalSpy reports(&view, &EraseListView::checkCheckSignal);
    model->setData(model->index(1, 0, site), Qt::Unchecked, Qt::CheckStateRole);
    QCOMPARE(site.data(Qt::CheckStateRole).toInt(), int(Qt::PartiallyChecked));
    QCOMPARE(Store().m_obLSafariCache.at(2).m_bSelected, quint8(0)); // the site's second entry
    QCOMPARE(reports.last().at(0).toInt(), 1);
    QCOMPARE(view.HeaderBox()->checkState(), Qt::PartiallyChecked);
    ClearStore();
}

void tst_EraseLists::largeListsBuildOnlyWhatIsOnScreen()
{
    ClearStore();
    // 100 000 messages in 5 000 conversations, one of them holding 20 000.
    for (int c = 0; c < 5000; ++c) {
        SMSSessionInfo session;
        session.m_strNames = QStringLiteral("Person %1").arg(c);
        session.m_obLMessages.resize(c == 0 ? 20000 : 16);
        for (int m = 0; m < session.m_obLMessages.size(); ++m)
            session.m_obLMessages[m].m_strText = QStringLiteral("message %1").arg(m);
        Store().m_obLSMSSession.append(session);
    }
    MessageView messages(1);
    messages.resize(900, 600);
    messages.show();
    QVERIFY(QTest::qWaitForWindowExposed(&messages));
    QTableView* table = messages.Table();
    QCOMPARE(table->model()->rowCount(), 50);
    QCOMPARE(messages.Pane()->Model()->TotalCount(), 20000);
    QVERIFY(messages.Pane()->Model()->rowCount() <= 100);
    QVERIFY(messages.findChildren<QWidget*>().size() < 100);

    table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
    QCOMPARE(table->model()->rowCount(), 100);
    // The tree's box reaches the records no row was made for.
    messages.receiveLeftCheckBoxState(false);
    QCOMPARE(Cleared(FlagsOf(Store().m_obLSMSSession)), 5000);
    QCOMPARE(messages.CheckState(), 0);
    ClearStore();
}

void tst_EraseLists::photoDaysTickTheirPhotosByMouseAndKeyboard()
{
    ClearStore();
    // 30 000 photos over 300 days, newest first as the loader keeps them.
    const QDate newest(2024, 12, 31);
    for (int i = 0; i < 30000; ++i) {
        PhotoVideoInfo photo;
        photo.m_strFileName = QStringLiteral("IMG_%1.JPG").arg(i);
        photo.m_strPath = QStringLiteral("/no/such/folder/IMG_%1.JPG").arg(i); // never read: placeholder
        photo.m_strDate = newest.addDays(-(i / 100)).toString("yyyy-MM-dd");
        Store().m_obLPhotoAndVideo.append(photo);
    }
    PhotoView view(1);
    view.resize(900, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.DayCount(), 300);
    const int tilesOnScreen = view.TileCount();
    QVERIFY2(tilesOnScreen > 0 && tilesOnScreen < 120, qPrintable(QString::number(tilesOnScreen)));

    QScrollBar* bar = view.Grid()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    QVERIFY(view.TileCount() <= tilesOnScreen + 20); // reused, not added
    QVERIFY(view.DayBoxCount() < 10);

    // A day's box on screen ticks exactly that day's photos.
    QSignalSpy reports(&view, &PhotoView::SlotStateChanged);
    ListCheckBox* dayBox = nullptr;
    for (ListCheckBox* box : view.findChildren<ListCheckBox*>("dayCheckBox")) {
        if (box->isVisible())
            dayBox = box;
    }
    QVERIFY(dayBox);
    const int day = dayBox->Id();
    dayBox->click();
    QCOMPARE(view.DayState(day), 0);
    QCOMPARE(reports.last().at(0).toInt(), 1);
    const QString date = view.DayDate(day);
    for (const PhotoVideoInfo& photo : Store().m_obLPhotoAndVideo)
        QVERIFY(photo.m_bSelected == (photo.m_strDate == date ? 0 : 1));

    // The filter shows one day; arrows walk its tiles and Space ticks the focused one.
    view.DayFilter()->setCurrentIndex(1);
    EraseImageControls* first = view.Tile(0);
    QVERIFY(first && first->isVisible());
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Right);
    EraseImageControls* second = view.Tile(1);
    QVERIFY(second && second->hasFocus());
    QTest::keyClick(second, Qt::Key_Space);
    QCOMPARE(Store().m_obLPhotoAndVideo.at(1).m_bSelected, quint8(0));
    QCOMPARE(view.DayState(0), 1);
    QVERIFY(!first->HasThumbnail()); // a missing file keeps the placeholder

    view.SelectAllBox()->click();
    QCOMPARE(Cleared(FlagsOf(Store().m_obLPhotoAndVideo)), 0);
    QCOMPARE(reports.last().at(0).toInt(), 2);
    ClearStore();
}

void tst_EraseLists::absurdRecordsAreShownSensibly()
{
    ClearStore();
    const QString huge(1 << 20, QChar('x'));
    SMSSessionInfo nameless;
    nameless.m_obLMessages.resize(1);
    nameless.m_obLMessages[0].m_strText = huge;
    Store().m_obLSMSSession.append(nameless);
    ContactInfo contact;
    Store().m_obLContact.append(contact);
    NoteInfo note;
    note.m_strBody = huge;
    note.m_strTitle = huge;
    Store().m_obLNote.append(note);
    WhatsAppInfo whatsApp;
    whatsApp.m_strText = huge;
    Store().m_obLWhatsApp.append(whatsApp);
    WeChatSMSInfo weChat;
    weChat.m_nMessageType = 987654;
    weChat.m_strContent = huge;
    Store().m_obLWeChat.append(weChat);
    PhotoVideoInfo photo; // no date, no file
    photo.m_strFileName = "IMG_0001.JPG";
    Store().m_obLPhotoAndVideo.append(photo);
    SafariCacheInfo cache; // no address at all
    Store().m_obLSafariCache.append(cache);

    for (const char* name : { "Message", "Contact", "Note", "WhatsApp", "WeChat", "Photos & Videos", "Safari Cache",
                              "Call History", "Voice Memo", "Kik" }) {
        std::unique_ptr<EraseListView> view(CreateEraseListView(name, 1, 0, nullptr));
        QVERIFY(view);
        view->resize(900, 600);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        if (auto* table = qobject_cast<EraseTableView*>(view.get())) {
            for (int column = 0; column < table->Model()->columnCount() && table->Model()->rowCount() > 0; ++column)
                QVERIFY(table->Model()->index(0, column).data().toString().size() <= 201);
        }
        if (auto* detail = view->findChild<QTextBrowser*>("detailPane"))
            QVERIFY(detail->toPlainText().size() < 20000);
        if (auto* pane = view->findChild<ChatPane*>()) {
            QCOMPARE(pane->Model()->rowCount(), 1);
            QVERIFY(pane->Model()->index(0).data().toString().size() <= 4001);
        }
    }
    QCOMPARE(MessageView(1).Table()->model()->index(0, 0).data().toString(), QString("Unknown"));
    QCOMPARE(CreateEraseListView("Contact", 1, 0, nullptr)->findChild<QTableView*>()->model()->index(0, 0).data(),
             QVariant("Unknown"));

    // An account without messages: an empty list, a pane that says so, and a box that
    // reports nothing selected.
    OvWechatView empty(1, 3);
    QCOMPARE(empty.Table()->model()->rowCount(), 0);
    QCOMPARE(empty.CheckState(), 0);
    QVERIFY(!empty.Pane()->Bubbles()->isVisibleTo(&empty));
    ClearStore();
}

void tst_EraseLists::weChatDrawsEveryKind()
{
    ClearStore();
    const QList<int> kinds { WeChatContentShow::Text,     WeChatContentShow::Picture,     WeChatContentShow::Voice,
                             WeChatContentShow::Video,    WeChatContentShow::VoiceCall,   WeChatContentShow::RedPacket,
                             WeChatContentShow::Location, WeChatContentShow::BusinessCard };
    for (int kind : kinds) {
        WeChatSMSInfo message; // received, without text: only the kind's picture tells them apart
        message.m_strTalker = "friend";
        message.m_nMessageType = kind;
        Store().m_obLWeChat.append(message);
    }
    OvWechatView view(1, 0);
    view.resize(900, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QListView* bubbles = view.Pane()->Bubbles();
    QCOMPARE(bubbles->model()->rowCount(), kinds.size());
    QSet<QByteArray> pictures;
    for (int row = 0; row < kinds.size(); ++row) {
        const QModelIndex index = bubbles->model()->index(row, 0);
        QStyleOptionViewItem option;
        option.initFrom(bubbles);
        option.widget = bubbles;
        option.rect = QRect(0, 0, 600, bubbles->itemDelegate()->sizeHint(option, index).height());
        QImage image(option.rect.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        bubbles->itemDelegate()->paint(&painter, option, index);
        painter.end();
        // The corner of a received bubble where the kind's picture goes.
        const QImage corner = image.copy(16, 28, 32, 32);
        pictures.insert(QByteArray(reinterpret_cast<const char*>(corner.constBits()), int(corner.sizeInBytes())));
    }
    QCOMPARE(pictures.size(), kinds.size()); // each kind its own picture, none the plain bubble's
    ClearStore();
}

QTEST_MAIN(tst_EraseLists)
#include "tst_EraseLists.moc"
