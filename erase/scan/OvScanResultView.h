#pragma once

#include "ScanCategory.h"

#include <QMap>
#include <QPair>
#include <QVector>
#include <QWidget>

class EraseListView;
class OvCustomNOButton;
class OvStyleProgressBar;
class QLabel;
class QMovie;
class QStackedWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

/// Page 2 of Erase Private Data and Erase Deleted Files: the tree of data categories with
/// their counts and boxes, and the list of the category clicked. The user's ticks are the
/// records' selected flags in CGlobalData.
class OvScanResultView : public QWidget
{
    Q_OBJECT

public:
    /// `mode` 0 keeps deleted records, 1 records that still exist; `feature` is 2 or 3.
    OvScanResultView(int mode, int feature, QWidget* parent = nullptr);
    ~OvScanResultView() override;

    int mode() const { return m_mode; }
    int feature() const { return m_feature; }

    /// The tree box of a category, by its erase key ("Message", "Call History", "Note",
    /// "Photo&Videos", "SafariHistory", "SafariCookie", "SafariCache", "MsgAttach",
    /// "NoteAttach", "WhatsApp", "WhatsAppAttach", "WeChat", "Viber", "Kik",
    /// "KikAttachment", "Contact", "Calendar&Reminder", "Bookmark", "Voice"):
    /// Qt::Unchecked for a key this mode does not show.
    Qt::CheckState CategoryCheckState(const QString& eraseKey) const;
    /// Discards the results: the next visit starts a fresh scan view.
    void ResetView();

    /// Records kept so far, over every finished category.
    int total() const { return m_total; }
    int scanProgress() const { return m_progress; }
    bool scanEnded() const { return m_scanEnded; }
    /// The tree item of a category (null when the mode does not show it), and of a WeChat
    /// account.
    QTreeWidgetItem* categoryItem(ScanCategory::Id id) const;
    QTreeWidgetItem* weChatItem(int account) const;
    /// The list shown on the right, null when none is.
    EraseListView* currentList() const;

signals:
    void signalClickedEraseBtn();
    void signalClickedBackBtn();
    void signalClickedStopBtn();
    void checkBoxChangeMessageSignal(bool);
    void checkBoxChangePhotoSignal(bool);
    void checkBoxChangeContactSignal(bool);
    void checkBoxChangeCallHistorySignal(bool);
    void checkBoxChangeNotesSignal(bool);
    void checkBoxChangeCalendarSignal(bool);
    void checkBoxChangeBookmarkSignal(bool);
    void checkBoxChangeSafariHistorySignal(bool);
    void checkBoxChangeSafariCookieSignal(bool);
    void checkBoxChangeSafariCacheSignal(bool);
    void checkBoxChangeVoiceMemoSignal(bool);
    void checkBoxChangeSMSAttachmentSignal(bool);
    void checkBoxChangeNoteAttachmentSignal(bool);
    void checkBoxChangeWhatsAppSignal(bool);
    void checkBoxChangeViberSignal(bool);
    void checkBoxChangeKikSignal(bool);
    void checkBoxChangeKikAttachmentSignal(bool);
    void checkBoxChangeWhatsAppAttachmentSignal(bool);
    void checkBoxChangeWechatSignal(bool);
    void checkBoxChangeWechatListSignal(bool, int);
    void SignalSwitchPage(int);
    void SignalInitConfirm();
    void SignalScanOver();

public slots:
    void OnClickedEraseNowBtn();
    void OnClickedBackBtn();
    void OnClickedStopBtn();
    void TreeItemClicked(QTreeWidgetItem* item, int column);
    void SlotCheckBoxChangeMessage(bool on);
    void SlotCheckBoxChangeContact(bool on);
    void SlotCheckBoxChangeCalendar(bool on);
    void SlotCheckBoxChangeCallHistory(bool on);
    void SlotCheckBoxChangeNotes(bool on);
    void SlotCheckBoxChangeSafariHistory(bool on);
    void SlotCheckBoxChangeBookmark(bool on);
    void SlotCheckBoxChangePhoto(bool on);
    void SlotCheckBoxChangeSafariCache(bool on);
    void SlotCheckBoxChangeSafariCookie(bool on);
    void SlotCheckBoxChangeVoiceMemo(bool on);
    void SlotCheckBoxChangeMsgAttachment(bool on);
    void SlotCheckBoxChangeNoteAttachment(bool on);
    void SlotCheckBoxChangeWhatsApp(bool on);
    void SlotCheckBoxChangeViber(bool on);
    void SlotCheckBoxChangeKik(bool on);
    void SlotCheckBoxChangeKikAttachments(bool on);
    void SlotCheckBoxChangeWhatsAppAttachment(bool on);
    void SlotCheckBoxChangeWechat(bool on);
    void SlotCheckBoxChangeWechatList(bool on, int account);
    void SlotCheckBoxChangeWechatExpand(bool on);
    void onTimerOut();
    void SlotScanMsgFinished();
    void SlotScanPhotoFinished();
    void SlotScanNoteFinished();
    void SlotScanCallhistoryFinished();
    void SlotScanWhatappsFinished();
    void SlotScanSafariHistoryFinished();
    void SlotScanSafariCookieFinished();
    void SlotScanSafariCacheFinished();
    void SlotScanViberFinished();
    void SlotScanKikFinished();
    void SlotScanWeChatFinished();
    void SlotScanCalendarFinished();
    void SlotScanBookmarkFinished();
    void SlotScanVoiceFinished();
    void receiveLeftCheckBoxState(bool on, int category);
    void synchronizeMsgCheckSlot(int check);
    void synchronizePhotoCheckSlot(int check);
    void synchronizeContactCheckSlot(int check);
    void synchronizeBookmarkCheckSlot(int check);
    void synchronizeCallHistoryCheckSlot(int check);
    void synchronizeSafariHistoryCheckSlot(int check);
    void synchronizeCalendarCheckSlot(int check);
    void synchronizeNotesCheckSlot(int check);
    void synchronizeSafariCookieCheckSlot(int check);
    void synchronizeSafariCacheCheckSlot(int check);
    void synchronizeVoiceMemoCheckSlot(int check);
    void synchronizeSMSAttachmentCheckSlot(int check);
    void synchronizeNoteAttachmentCheckSlot(int check);
    void synchronizeWhatsAppCheckSlot(int check);
    void synchronizeViberCheckSlot(int check);
    void synchronizeKikCheckSlot(int check);
    void synchronizeKikAttachmentsCheckSlot(int check);
    void synchronizeWhatsAppAttachmentCheckSlot(int check);
    void synchronizeWechatCheckSlot(int check);
    void synchronizeWechatCheckSlot(int check, int indexID);
    void synchronizeWechatListCheckSlot(int check, int indexID);
    void slotAllTaskEnd();
    void SlotInitData();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    using ListKey = QPair<int, int>; // category, WeChat account (-1 for the others)

    void BuildTree();
    void LoadFinished(ScanCategory::Load load);
    /// Count, icon, box and enabled state of every item from the store.
    void RefreshTree();
    void RefreshItem(ScanCategory::Id id);
    void RefreshWeChatChildren();
    void SetItemBox(QTreeWidgetItem* item, Qt::CheckState state);
    /// The user ticked or cleared a category (account -1) or a WeChat account.
    void CategoryTicked(ScanCategory::Id id, bool on, int account = -1);
    /// A list changed its rows: the box follows the records.
    void ListChanged(ScanCategory::Id id, int check, int account = -1);
    void UpdateEraseNow();
    void ShowTotal();
    void FinishScan();
    void ShowList(ScanCategory::Id id, int account);
    EraseListView* CreateList(ScanCategory::Id id, int account);
    void EmitChange(ScanCategory::Id id, bool on);
    bool ConcernsMe() const;
    void OnItemChanged(QTreeWidgetItem* item, int column);

    int m_mode;
    int m_feature;
    int m_total = 0;
    int m_progress = 0;
    bool m_scanEnded = false;
    bool m_eraseNow = false;
    bool m_updatingTree = false;
    bool m_finishPending = false;
    bool m_loadDone[ScanCategory::LoadCount] = {};
    bool m_categoryDone[ScanCategory::Count] = {};

    QLabel* m_title = nullptr;
    QLabel* m_status = nullptr;
    OvStyleProgressBar* m_bar = nullptr;
    QLabel* m_barOverlay = nullptr;
    QMovie* m_barMovie = nullptr;
    OvCustomNOButton* m_stop = nullptr;
    QTreeWidget* m_tree = nullptr;
    QTreeWidgetItem* m_items[ScanCategory::Count] = {};
    QVector<QTreeWidgetItem*> m_weChatItems;
    QStackedWidget* m_right = nullptr;
    QWidget* m_scanningData = nullptr;
    QLabel* m_scanningPicture = nullptr;
    QMovie* m_scanningMovie = nullptr;
    QLabel* m_scanningText = nullptr;
    QLabel* m_scanningHint = nullptr;
    QLabel* m_emptyPane = nullptr;
    QStackedWidget* m_lists = nullptr;
    QMap<ListKey, EraseListView*> m_listViews;
    QLabel* m_totalLabel = nullptr;
    QLabel* m_detectedLabel = nullptr;
    OvCustomNOButton* m_back = nullptr;
    OvCustomNOButton* m_eraseNowButton = nullptr;
    QLabel* m_device = nullptr;
    QTimer* m_timer = nullptr;
    QTimer* m_finishTimer = nullptr;
};
