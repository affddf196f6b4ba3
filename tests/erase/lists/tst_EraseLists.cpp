#include "CGlobalData.h"
#include "CallLogView.h"
#include "ChatModel.h"
#include "ChatPane.h"
#include "EraseImageControls.h"
#include "EraseTableView.h"
#include "ListCheckBox.h"
#include "MessageView.h"
#include "OvWechatView.h"
#include "PhotoView.h"
#include "RecordFlags.h"
#include "SafariCache.h"
#include "SafariCacheModel.h"
#include "VoiceMemos.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QListView>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

#include <memory>

namespace {

CGlobalData& Store()
{
    return *CGlobalData::GetInstance();
}

bool Shown(QWidget* view, QSize size = QSize(900, 600))
{
    view->resize(size);
    view->show();
    return QTest::qWaitForWindowExposed(view);
}

} // namespace

class tst_EraseLists : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void callKindsAndNamelessCalls();
    void conversationsTickTheirOwnMessages();
    void voiceMemoMenuChecksAndUnchecksAll();
    void safariCacheGroupsBySiteAndExpandsOnClick();
    void largeListsBuildOnlyWhatIsOnScreen();
    void photoDaysTickTheirPhotosByMouseAndKeyboard();
    void absurdRecordsAreShownSensibly();
};

void tst_EraseLists::cleanup()
{
    // Every test fills the shared store as it needs; none sees another's records.
    ClearRecords();
}

void tst_EraseLists::callKindsAndNamelessCalls()
{
    // The kind is a set of bits: extra ones keep the direction, unknown values say so.
    const QList<QPair<int, QString>> kinds { { 0, "incoming" }, { 9, "outgoing" }, { -1, "unknown" } };
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
    QVERIFY(Shown(&view, QSize(900, 400)));
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
}

void tst_EraseLists::conversationsTickTheirOwnMessages()
{
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
}

void tst_EraseLists::voiceMemoMenuChecksAndUnchecksAll()
{
    Store().m_obLVoiceMemo.resize(5);
    VoiceMemos view(1);
    QVERIFY(Shown(&view, QSize(600, 400)));
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
}

void tst_EraseLists::safariCacheGroupsBySiteAndExpandsOnClick()
{
    for (const char* url : { "https://a.example/1.js", "https://b.example/x", "https://a.example/2.css", "" }) {
        SafariCacheInfo entry;
        entry.m_strUrl = QString::fromLatin1(url);
        entry.m_nSize = 100;
        Store().m_obLSafariCache.append(entry);
    }
    SafariCache view(1);
    QVERIFY(Shown(&view, QSize(700, 400)));
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
}

void tst_EraseLists::largeListsBuildOnlyWhatIsOnScreen()
{
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
    QVERIFY(Shown(&messages));
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
}

void tst_EraseLists::photoDaysTickTheirPhotosByMouseAndKeyboard()
{
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
    QVERIFY(Shown(&view));
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
}

void tst_EraseLists::absurdRecordsAreShownSensibly()
{
    const QString huge(1 << 20, QChar('x'));
    CGlobalData& s = Store();
    s.m_obLSMSSession.resize(1); // no name
    s.m_obLSMSSession[0].m_obLMessages.resize(1);
    s.m_obLSMSSession[0].m_obLMessages[0].m_strText = huge;
    s.m_obLContact.resize(1); // nothing at all
    s.m_obLNote.resize(1);
    s.m_obLNote[0].m_strBody = s.m_obLNote[0].m_strTitle = huge;
    s.m_obLWhatsApp.resize(1);
    s.m_obLWhatsApp[0].m_strText = huge;
    s.m_obLWeChat.resize(1);
    s.m_obLWeChat[0].m_nMessageType = 987654;
    s.m_obLWeChat[0].m_strContent = huge;
    s.m_obLPhotoAndVideo.resize(1); // no date, no file
    s.m_obLPhotoAndVideo[0].m_strFileName = "IMG_0001.JPG";
    s.m_obLSafariCache.resize(1); // no address at all

    for (const char* name : { "Message", "Contact", "Note", "WhatsApp", "WeChat", "Photos & Videos", "Safari Cache",
                              "Call History", "Voice Memo", "Kik" }) {
        std::unique_ptr<EraseListView> view(CreateEraseListView(name, 1, 0, nullptr));
        QVERIFY(view);
        QVERIFY(Shown(view.get()));
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
}

QTEST_MAIN(tst_EraseLists)
#include "tst_EraseLists.moc"
