#include "OvScanResultView.h"

#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "Durations.h"
#include "EraseListView.h"
#include "MainWindowAccess.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"
#include "OvStyleProgressBar.h"
#include "OvStyleTreeWidget.h"
#include "SkinImage.h"
#include "WebLinks.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QIcon>
#include <QLabel>
#include <QMovie>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kSettleMs = 1000;
constexpr int kIdRole = Qt::UserRole;
constexpr int kAccountRole = Qt::UserRole + 1;
constexpr int kNameRole = Qt::UserRole + 2;

using Cat = ScanCategory;

void SetTabsEnabled(bool enable)
{
    if (MainWindowAccess* window = MainWindowAccess::instance())
        window->enableTabs(enable);
}

QLabel* MakeLabel(const QString& objectName, const QString& text, int font, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(AppStyle::instance().font(font));
    return label;
}

void SetMovie(QLabel* label, QMovie* movie, const QString& gif)
{
    movie->stop();
    if (SkinImageExists(gif)) {
        movie->setFileName(SkinImagePath(gif));
        label->setMovie(movie);
        movie->start();
    }
}

} // namespace

OvScanResultView::OvScanResultView(int mode, int feature, QWidget* parent)
    : QWidget(parent)
    , m_mode(mode == 0 ? 0 : 1)
    , m_feature(feature)
{
    setObjectName(QStringLiteral("scanResultView"));

    m_title = MakeLabel(QStringLiteral("scanResultTitle"), m_mode == 0 ? tr("Deleted Data") : tr("    Private Data"),
                        12, this);
    m_status = MakeLabel(QStringLiteral("scanResultStatus"), tr("Scanning, please wait..."), 8, this);
    m_bar = new OvStyleProgressBar(this);
    m_bar->setObjectName(QStringLiteral("scanResultProgress"));
    m_bar->setAccessibleName(tr("Scan progress"));
    m_barOverlay = new QLabel(this);
    m_barOverlay->setObjectName(QStringLiteral("scanResultProgressOverlay"));
    m_barMovie = new QMovie(m_barOverlay);
    m_stop = new OvCustomNOButton(this);
    m_stop->setObjectName(QStringLiteral("scanResultStopButton"));
    m_stop->SetImageSet(OvCustomNOButton::StopImages);
    m_stop->SetButtonText(tr(" Stop"));
    m_stop->setAccessibleName(m_stop->text().trimmed());
    m_stop->SetButtonFixedSize(60, 21);
    m_device = new QLabel(this);
    m_device->setObjectName(QStringLiteral("scanResultDevice"));
    m_device->setPixmap(SkinPixmap(QStringLiteral("device_mini.png")));

    m_tree = new OvStyleTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("scanResultTree"));
    m_tree->setAccessibleName(tr("Data categories"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setFixedWidth(240);

    m_scanningData = new QWidget(this);
    m_scanningData->setObjectName(QStringLiteral("ScanningData"));
    m_scanningPicture = new QLabel(m_scanningData);
    m_scanningPicture->setObjectName(QStringLiteral("scanningDataPicture"));
    m_scanningPicture->setAlignment(Qt::AlignCenter);
    m_scanningMovie = new QMovie(m_scanningPicture);
    m_scanningText = MakeLabel(QStringLiteral("scanningDataText"), QString(), 10, m_scanningData);
    m_scanningText->setAlignment(Qt::AlignCenter);
    m_scanningHint = MakeLabel(QStringLiteral("scanningDataHint"), QString(), 8, m_scanningData);
    m_scanningHint->setAlignment(Qt::AlignCenter);
    m_scanningHint->setWordWrap(true);
    m_scanningHint->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_scanningHint->setText(
        QStringLiteral("%1%2 <a href=\"help\" style=\"color:#2990ff;\">%3</a>")
            .arg(tr("No data scanned?Please confirm your device can be backed up\t").toHtmlEscaped(),
                 tr("via itunes.if so,please").toHtmlEscaped(), tr("click here").toHtmlEscaped()));
    m_scanningHint->setAccessibleName(tr("click here"));
    connect(m_scanningHint, &QLabel::linkActivated, this, [] { WebLinks::open(WebLinks::address(WebLinks::Faq)); });
    auto* scanningLayout = new QVBoxLayout(m_scanningData);
    scanningLayout->addStretch();
    scanningLayout->addWidget(m_scanningPicture);
    scanningLayout->addWidget(m_scanningText);
    scanningLayout->addWidget(m_scanningHint);
    scanningLayout->addStretch();

    m_emptyPane = MakeLabel(QStringLiteral("scanResultEmptyPane"), QString(), 8, this);
    m_emptyPane->setAlignment(Qt::AlignCenter);
    m_emptyPane->setWordWrap(true);
    m_lists = new QStackedWidget(this);
    m_lists->setObjectName(QStringLiteral("scanResultLists"));
    m_lists->addWidget(m_emptyPane);
    m_right = new QStackedWidget(this);
    m_right->setObjectName(QStringLiteral("scanResultRight"));
    m_right->addWidget(m_scanningData);
    m_right->addWidget(m_lists);

    m_totalLabel = MakeLabel(QStringLiteral("scanResultTotal"), QStringLiteral("0"), 10, this);
    m_totalLabel->setStyleSheet(QStringLiteral("color:#2990ff;"));
    m_detectedLabel = MakeLabel(QStringLiteral("scanResultDetected"), tr("records detected."), 8, this);
    m_back = new OvCustomNOButton(this);
    m_back->setObjectName(QStringLiteral("scanResultBackButton"));
    m_back->SetImageSet(OvCustomNOButton::BackImages);
    m_back->SetButtonText(tr("   Back"));
    m_back->setAccessibleName(m_back->text().trimmed());
    m_eraseNowButton = new OvCustomNOButton(this);
    m_eraseNowButton->setObjectName(QStringLiteral("eraseNowButton"));
    m_eraseNowButton->SetImageSet(OvCustomNOButton::CommonImages);
    m_eraseNowButton->SetButtonText(tr("Erase Now"));

    auto* top = new QHBoxLayout;
    top->addWidget(m_device);
    auto* progressColumn = new QVBoxLayout;
    progressColumn->addWidget(m_title);
    progressColumn->addWidget(m_status);
    auto* barRow = new QHBoxLayout;
    barRow->addWidget(m_bar, 1);
    barRow->addWidget(m_stop);
    progressColumn->addLayout(barRow);
    progressColumn->addWidget(m_barOverlay);
    top->addLayout(progressColumn, 1);

    auto* body = new QHBoxLayout;
    body->addWidget(m_tree);
    body->addWidget(m_right, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_totalLabel);
    bottom->addWidget(m_detectedLabel);
    bottom->addStretch();
    bottom->addWidget(m_back);
    bottom->addWidget(m_eraseNowButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 12);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    layout->addLayout(bottom);

    BuildTree();

    m_timer = new QTimer(this); // declared for a periodic refresh nothing needs today
    connect(m_timer, &QTimer::timeout, this, &OvScanResultView::onTimerOut);
    m_finishTimer = new QTimer(this);
    m_finishTimer->setSingleShot(true);
    connect(m_finishTimer, &QTimer::timeout, this, &OvScanResultView::FinishScan);

    connect(m_stop, &QPushButton::clicked, this, &OvScanResultView::OnClickedStopBtn);
    connect(m_back, &QPushButton::clicked, this, &OvScanResultView::OnClickedBackBtn);
    connect(m_eraseNowButton, &QPushButton::clicked, this, &OvScanResultView::OnClickedEraseNowBtn);
    connect(m_tree, &QTreeWidget::itemClicked, this, &OvScanResultView::TreeItemClicked);
    connect(m_tree, &QTreeWidget::itemChanged, this, &OvScanResultView::OnItemChanged);
    // The keyboard moves the current item without clicking it: show its list all the same.
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && m_scanEnded)
            TreeItemClicked(item, 0);
    });
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (item == m_items[Cat::WeChat])
            SlotCheckBoxChangeWechatExpand(true);
    });
    connect(m_tree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (item == m_items[Cat::WeChat])
            SlotCheckBoxChangeWechatExpand(false);
    });

    CTaskCallback* callback = CTaskCallback::GetInstance();
    if (m_feature == 2) {
        connect(callback, &CTaskCallback::signalLoadSMSData, this, &OvScanResultView::SlotScanMsgFinished);
        connect(callback, &CTaskCallback::signalLoadCallendarData, this, &OvScanResultView::SlotScanCalendarFinished);
        connect(callback, &CTaskCallback::signalLoadCallLogData, this, &OvScanResultView::SlotScanCallhistoryFinished);
        connect(callback, &CTaskCallback::signalLoadNoteData, this, &OvScanResultView::SlotScanNoteFinished);
        connect(callback, &CTaskCallback::signalLoadSafariHistoryData, this,
                &OvScanResultView::SlotScanSafariHistoryFinished);
        connect(callback, &CTaskCallback::signalLoadBookMarkData, this, &OvScanResultView::SlotScanBookmarkFinished);
        connect(callback, &CTaskCallback::signalLoadPhotoAndVideoData, this, &OvScanResultView::SlotScanPhotoFinished);
        connect(callback, &CTaskCallback::signalLoadVoiceMemosData, this, &OvScanResultView::SlotScanVoiceFinished);
        connect(callback, &CTaskCallback::signalLoadWeChatData, this, &OvScanResultView::SlotScanWeChatFinished);
    } else if (m_feature == 3) {
        connect(callback, &CTaskCallback::signalLoadSMSData, this, &OvScanResultView::SlotScanMsgFinished);
        connect(callback, &CTaskCallback::signalLoadPhotoAndVideoData, this, &OvScanResultView::SlotScanPhotoFinished);
        connect(callback, &CTaskCallback::signalLoadNoteData, this, &OvScanResultView::SlotScanNoteFinished);
        connect(callback, &CTaskCallback::signalLoadCallLogData, this, &OvScanResultView::SlotScanCallhistoryFinished);
        connect(callback, &CTaskCallback::signalLoadWhatsAppData, this, &OvScanResultView::SlotScanWhatappsFinished);
        connect(callback, &CTaskCallback::signalLoadSafariHistoryData, this,
                &OvScanResultView::SlotScanSafariHistoryFinished);
        connect(callback, &CTaskCallback::signalLoadSafariCookieData, this,
                &OvScanResultView::SlotScanSafariCookieFinished);
        connect(callback, &CTaskCallback::signalLoadSafariCacheData, this,
                &OvScanResultView::SlotScanSafariCacheFinished);
        connect(callback, &CTaskCallback::signalLoadViberData, this, &OvScanResultView::SlotScanViberFinished);
        connect(callback, &CTaskCallback::signalLoadKikData, this, &OvScanResultView::SlotScanKikFinished);
        connect(callback, &CTaskCallback::signalLoadWeChatData, this, &OvScanResultView::SlotScanWeChatFinished);
    }
    connect(this, &OvScanResultView::SignalScanOver, this, &OvScanResultView::slotAllTaskEnd);

    ResetView();
}

OvScanResultView::~OvScanResultView() = default;

void OvScanResultView::BuildTree()
{
    m_updatingTree = true;
    for (Cat::Id id : Cat::Ordered(m_mode)) {
        const ScanCategory& category = Cat::of(id);
        auto* item = new QTreeWidgetItem(m_tree);
        item->setData(0, kIdRole, int(id));
        item->setData(0, kAccountRole, -1);
        item->setData(0, kNameRole, QString::fromLatin1(category.name));
        m_items[id] = item;
    }
    m_updatingTree = false;
}

QTreeWidgetItem* OvScanResultView::categoryItem(ScanCategory::Id id) const
{
    return id >= 0 && id < Cat::Count ? m_items[id] : nullptr;
}

QTreeWidgetItem* OvScanResultView::weChatItem(int account) const
{
    return account >= 0 && account < m_weChatItems.size() ? m_weChatItems.at(account) : nullptr;
}

EraseListView* OvScanResultView::currentList() const
{
    return qobject_cast<EraseListView*>(m_lists->currentWidget());
}

bool OvScanResultView::ConcernsMe() const
{
    MainWindowAccess* window = MainWindowAccess::instance();
    return window && window->currentTabIndex() == m_feature;
}

// ---- Loads ----------------------------------------------------------------------------

void OvScanResultView::SlotScanMsgFinished()
{
    LoadFinished(Cat::LoadSMS);
}
void OvScanResultView::SlotScanPhotoFinished()
{
    LoadFinished(Cat::LoadPhoto);
}
void OvScanResultView::SlotScanNoteFinished()
{
    LoadFinished(Cat::LoadNote);
}
void OvScanResultView::SlotScanCallhistoryFinished()
{
    LoadFinished(Cat::LoadCallLog);
}
void OvScanResultView::SlotScanWhatappsFinished()
{
    LoadFinished(Cat::LoadWhatsApp);
}
void OvScanResultView::SlotScanSafariHistoryFinished()
{
    LoadFinished(Cat::LoadSafariHistory);
}
void OvScanResultView::SlotScanSafariCookieFinished()
{
    LoadFinished(Cat::LoadSafariCookie);
}
void OvScanResultView::SlotScanSafariCacheFinished()
{
    LoadFinished(Cat::LoadSafariCache);
}
void OvScanResultView::SlotScanViberFinished()
{
    LoadFinished(Cat::LoadViber);
}
void OvScanResultView::SlotScanKikFinished()
{
    LoadFinished(Cat::LoadKik);
}
void OvScanResultView::SlotScanWeChatFinished()
{
    LoadFinished(Cat::LoadWeChat);
}
void OvScanResultView::SlotScanCalendarFinished()
{
    LoadFinished(Cat::LoadCalendar);
}
void OvScanResultView::SlotScanBookmarkFinished()
{
    LoadFinished(Cat::LoadBookmark);
}
void OvScanResultView::SlotScanVoiceFinished()
{
    LoadFinished(Cat::LoadVoice);
}

void OvScanResultView::LoadFinished(ScanCategory::Load load)
{
    // A load for the other erase feature, a repeated announcement, or one that arrives after
    // the user left the page (its results were discarded) changes nothing.
    if (!ConcernsMe() || isHidden() || m_loadDone[load] || !Cat::Loads(m_feature).contains(load))
        return;
    m_loadDone[load] = true;
    CGlobalData& store = *CGlobalData::GetInstance();
    int added = 0;
    for (Cat::Id id : Cat::CategoriesOf(load, m_mode)) {
        Cat::Filter(id, m_mode, store);
        m_categoryDone[id] = true;
        added += Cat::RecordCount(id, store);
    }
    m_total += added;
    qDebug() << Cat::LoadName(load) << added;
    RefreshTree();
    ShowTotal();
    m_progress = qMin(100, m_progress + (m_mode == 0 ? 11 : 9));
    m_bar->SetValue(m_progress);

    bool all = true;
    for (Cat::Load wanted : Cat::Loads(m_feature))
        all = all && m_loadDone[wanted];
    if (all && !m_scanEnded)
        emit SignalScanOver();
}

void OvScanResultView::slotAllTaskEnd()
{
    m_scanEnded = true;
    if (isHidden())
        return;
    if (ConcernsMe()) {
        qDebug() << "load data End!";
        // Let the last counts be seen before the page settles; a timer instead of a sleep so
        // that the window keeps painting meanwhile.
        m_finishPending = true;
        m_finishTimer->start(scaledMs(kSettleMs));
    }
    SetTabsEnabled(true);
}

void OvScanResultView::FinishScan()
{
    m_finishPending = false;
    RefreshTree();
    m_tree->setEnabled(true);
    m_back->SetEnabled(true);
    ShowTotal();
    m_stop->hide();
    m_bar->hide();
    m_barMovie->stop();
    m_barOverlay->hide();
    m_status->hide();
    m_scanningMovie->stop();
    if (m_total == 0) {
        m_scanningPicture->setMovie(nullptr);
        m_scanningPicture->setPixmap(SkinPixmap(QStringLiteral("erase_scanning_no_data.png")));
        m_scanningText->setText(tr("No data scanned"));
        m_scanningHint->show();
        m_right->setCurrentWidget(m_scanningData);
    } else {
        m_emptyPane->setText(tr("Click a category on the left to see its records."));
        m_lists->setCurrentWidget(m_emptyPane);
        m_right->setCurrentWidget(m_lists);
    }
    m_device->setPixmap(SkinPixmap(QStringLiteral("device_mini.png")));
    UpdateEraseNow();
}

void OvScanResultView::OnClickedStopBtn()
{
    if (m_scanEnded)
        return;
    const int answer
        = OvMessageBox::Ask(window(), tr("If you stop scanning, some data won't be detected. Are you sure to stop?"),
                            OvMessageBox::Yes | OvMessageBox::No);
    // The scan may have ended, or the page gone, while the question was open.
    if (answer != OvMessageBox::Yes || m_scanEnded || isHidden())
        return;
    CController::GetInstance()->StopTasks();
    slotAllTaskEnd();
    emit signalClickedStopBtn();
}

// ---- The tree ---------------------------------------------------------------------------

void OvScanResultView::SetItemBox(QTreeWidgetItem* item, Qt::CheckState state)
{
    if (!item)
        return;
    const bool was = m_updatingTree;
    m_updatingTree = true;
    item->setCheckState(0, state);
    m_updatingTree = was;
}

void OvScanResultView::RefreshItem(ScanCategory::Id id)
{
    QTreeWidgetItem* item = m_items[id];
    if (!item)
        return;
    const ScanCategory& category = Cat::of(id);
    const CGlobalData& store = *CGlobalData::GetInstance();
    const int count = m_categoryDone[id] ? Cat::RecordCount(id, store) : 0;
    const bool was = m_updatingTree;
    m_updatingTree = true;
    item->setText(0, tr(category.label) + tr(" (%1)").arg(count));
    const QString icon = QString::fromLatin1(category.icon);
    item->setIcon(0, QIcon(SkinPixmap(count > 0 ? icon : Cat::NoDataIcon(icon))));
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    if (count > 0)
        flags |= Qt::ItemIsEnabled;
    item->setFlags(flags);
    item->setCheckState(0, count > 0 ? Cat::SelectionState(id, store) : Qt::Unchecked);
    m_updatingTree = was;
}

void OvScanResultView::RefreshWeChatChildren()
{
    QTreeWidgetItem* parent = m_items[Cat::WeChat];
    if (!parent)
        return;
    const CGlobalData& store = *CGlobalData::GetInstance();
    const int accounts = m_categoryDone[Cat::WeChat] ? store.m_obLWeChatAccount.size() : 0;
    const bool was = m_updatingTree;
    m_updatingTree = true;
    while (m_weChatItems.size() > accounts)
        delete m_weChatItems.takeLast();
    while (m_weChatItems.size() < accounts) {
        const int account = m_weChatItems.size();
        auto* item = new QTreeWidgetItem(parent);
        item->setData(0, kIdRole, int(Cat::WeChat));
        item->setData(0, kAccountRole, account);
        item->setData(0, kNameRole, QStringLiteral("WeChat_%1").arg(account));
        m_weChatItems.append(item);
    }
    for (int account = 0; account < m_weChatItems.size(); ++account) {
        QTreeWidgetItem* item = m_weChatItems.at(account);
        const int count = Cat::RecordCount(Cat::WeChat, store, account);
        QString name = store.m_obLWeChatAccount.at(account).m_strName.simplified();
        if (name.isEmpty())
            name = QStringLiteral("WeChat_%1").arg(account);
        item->setText(0, name + tr(" (%1)").arg(count));
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
        if (count > 0)
            flags |= Qt::ItemIsEnabled;
        item->setFlags(flags);
        item->setCheckState(0, count > 0 ? Cat::SelectionState(Cat::WeChat, store, account) : Qt::Unchecked);
    }
    m_updatingTree = was;
}

void OvScanResultView::RefreshTree()
{
    for (Cat::Id id : Cat::Ordered(m_mode))
        RefreshItem(id);
    RefreshWeChatChildren();
}

void OvScanResultView::ShowTotal()
{
    m_totalLabel->setText(QString::number(m_total));
    m_detectedLabel->setText(tr("records detected."));
}

void OvScanResultView::UpdateEraseNow()
{
    bool any = false;
    if (m_scanEnded && !m_finishPending) {
        const CGlobalData& store = *CGlobalData::GetInstance();
        for (Cat::Id id : Cat::Ordered(m_mode)) {
            if (m_categoryDone[id] && Cat::RecordCount(id, store) > 0
                && Cat::SelectionState(id, store) != Qt::Unchecked) {
                any = true;
                break;
            }
        }
    }
    m_eraseNowButton->SetEnabled(any);
}

void OvScanResultView::OnItemChanged(QTreeWidgetItem* item, int column)
{
    if (m_updatingTree || column != 0 || !item)
        return;
    const auto id = static_cast<Cat::Id>(item->data(0, kIdRole).toInt());
    const int account = item->data(0, kAccountRole).toInt();
    const bool on = item->checkState(0) != Qt::Unchecked;
    if (account >= 0) {
        SlotCheckBoxChangeWechatList(on, account);
        return;
    }
    receiveLeftCheckBoxState(on, int(id));
}

void OvScanResultView::receiveLeftCheckBoxState(bool on, int category)
{
    switch (category) {
    case Cat::Message:
        SlotCheckBoxChangeMessage(on);
        break;
    case Cat::Contact:
        SlotCheckBoxChangeContact(on);
        break;
    case Cat::Calendar:
        SlotCheckBoxChangeCalendar(on);
        break;
    case Cat::CallHistory:
        SlotCheckBoxChangeCallHistory(on);
        break;
    case Cat::Note:
        SlotCheckBoxChangeNotes(on);
        break;
    case Cat::SafariHistory:
        SlotCheckBoxChangeSafariHistory(on);
        break;
    case Cat::Bookmark:
        SlotCheckBoxChangeBookmark(on);
        break;
    case Cat::Photo:
        SlotCheckBoxChangePhoto(on);
        break;
    case Cat::VoiceMemo:
        SlotCheckBoxChangeVoiceMemo(on);
        break;
    case Cat::WeChat:
        SlotCheckBoxChangeWechat(on);
        break;
    case Cat::SafariCookie:
        SlotCheckBoxChangeSafariCookie(on);
        break;
    case Cat::SafariCache:
        SlotCheckBoxChangeSafariCache(on);
        break;
    case Cat::MsgAttachment:
        SlotCheckBoxChangeMsgAttachment(on);
        break;
    case Cat::NoteAttachment:
        SlotCheckBoxChangeNoteAttachment(on);
        break;
    case Cat::WhatsApp:
        SlotCheckBoxChangeWhatsApp(on);
        break;
    case Cat::WhatsAppAttachment:
        SlotCheckBoxChangeWhatsAppAttachment(on);
        break;
    case Cat::Viber:
        SlotCheckBoxChangeViber(on);
        break;
    case Cat::Kik:
        SlotCheckBoxChangeKik(on);
        break;
    case Cat::KikAttachment:
        SlotCheckBoxChangeKikAttachments(on);
        break;
    default:
        break;
    }
}

void OvScanResultView::CategoryTicked(ScanCategory::Id id, bool on, int account)
{
    CGlobalData& store = *CGlobalData::GetInstance();
    const bool usable
        = m_scanEnded && Cat::Shown(id, m_mode) && m_categoryDone[id] && Cat::RecordCount(id, store, account) > 0;
    if (usable) {
        // The records first: the confirmation page erases what they say, whatever a list
        // view that was never opened would have shown.
        Cat::SetSelected(id, on, store, account);
    }
    // The boxes always show the records, so a refused tick springs back.
    if (id == Cat::WeChat)
        RefreshWeChatChildren();
    RefreshItem(id);
    UpdateEraseNow();
    if (!usable)
        return;
    if (account >= 0)
        emit checkBoxChangeWechatListSignal(on, account);
    else
        EmitChange(id, on);
}

void OvScanResultView::EmitChange(ScanCategory::Id id, bool on)
{
    switch (id) {
    case Cat::Message:
        emit checkBoxChangeMessageSignal(on);
        break;
    case Cat::Photo:
        emit checkBoxChangePhotoSignal(on);
        break;
    case Cat::Contact:
        emit checkBoxChangeContactSignal(on);
        break;
    case Cat::CallHistory:
        emit checkBoxChangeCallHistorySignal(on);
        break;
    case Cat::Note:
        emit checkBoxChangeNotesSignal(on);
        break;
    case Cat::Calendar:
        emit checkBoxChangeCalendarSignal(on);
        break;
    case Cat::Bookmark:
        emit checkBoxChangeBookmarkSignal(on);
        break;
    case Cat::SafariHistory:
        emit checkBoxChangeSafariHistorySignal(on);
        break;
    case Cat::SafariCookie:
        emit checkBoxChangeSafariCookieSignal(on);
        break;
    case Cat::SafariCache:
        emit checkBoxChangeSafariCacheSignal(on);
        break;
    case Cat::VoiceMemo:
        emit checkBoxChangeVoiceMemoSignal(on);
        break;
    case Cat::MsgAttachment:
        emit checkBoxChangeSMSAttachmentSignal(on);
        break;
    case Cat::NoteAttachment:
        emit checkBoxChangeNoteAttachmentSignal(on);
        break;
    case Cat::WhatsApp:
        emit checkBoxChangeWhatsAppSignal(on);
        break;
    case Cat::Viber:
        emit checkBoxChangeViberSignal(on);
        break;
    case Cat::Kik:
        emit checkBoxChangeKikSignal(on);
        break;
    case Cat::KikAttachment:
        emit checkBoxChangeKikAttachmentSignal(on);
        break;
    case Cat::WhatsAppAttachment:
        emit checkBoxChangeWhatsAppAttachmentSignal(on);
        break;
    case Cat::WeChat:
        emit checkBoxChangeWechatSignal(on);
        break;
    default:
        break;
    }
}

void OvScanResultView::SlotCheckBoxChangeMessage(bool on)
{
    CategoryTicked(Cat::Message, on);
}
void OvScanResultView::SlotCheckBoxChangeContact(bool on)
{
    CategoryTicked(Cat::Contact, on);
}
void OvScanResultView::SlotCheckBoxChangeCalendar(bool on)
{
    CategoryTicked(Cat::Calendar, on);
}
void OvScanResultView::SlotCheckBoxChangeCallHistory(bool on)
{
    CategoryTicked(Cat::CallHistory, on);
}
void OvScanResultView::SlotCheckBoxChangeNotes(bool on)
{
    CategoryTicked(Cat::Note, on);
}
void OvScanResultView::SlotCheckBoxChangeSafariHistory(bool on)
{
    CategoryTicked(Cat::SafariHistory, on);
}
void OvScanResultView::SlotCheckBoxChangeBookmark(bool on)
{
    CategoryTicked(Cat::Bookmark, on);
}
void OvScanResultView::SlotCheckBoxChangePhoto(bool on)
{
    CategoryTicked(Cat::Photo, on);
}
void OvScanResultView::SlotCheckBoxChangeSafariCache(bool on)
{
    CategoryTicked(Cat::SafariCache, on);
}
void OvScanResultView::SlotCheckBoxChangeSafariCookie(bool on)
{
    CategoryTicked(Cat::SafariCookie, on);
}
void OvScanResultView::SlotCheckBoxChangeVoiceMemo(bool on)
{
    CategoryTicked(Cat::VoiceMemo, on);
}
void OvScanResultView::SlotCheckBoxChangeMsgAttachment(bool on)
{
    CategoryTicked(Cat::MsgAttachment, on);
}
void OvScanResultView::SlotCheckBoxChangeNoteAttachment(bool on)
{
    CategoryTicked(Cat::NoteAttachment, on);
}
void OvScanResultView::SlotCheckBoxChangeWhatsApp(bool on)
{
    CategoryTicked(Cat::WhatsApp, on);
}
void OvScanResultView::SlotCheckBoxChangeViber(bool on)
{
    CategoryTicked(Cat::Viber, on);
}
void OvScanResultView::SlotCheckBoxChangeKik(bool on)
{
    CategoryTicked(Cat::Kik, on);
}
void OvScanResultView::SlotCheckBoxChangeKikAttachments(bool on)
{
    CategoryTicked(Cat::KikAttachment, on);
}
void OvScanResultView::SlotCheckBoxChangeWhatsAppAttachment(bool on)
{
    CategoryTicked(Cat::WhatsAppAttachment, on);
}
void OvScanResultView::SlotCheckBoxChangeWechat(bool on)
{
    CategoryTicked(Cat::WeChat, on);
}
void OvScanResultView::SlotCheckBoxChangeWechatList(bool on, int account)
{
    CategoryTicked(Cat::WeChat, on, account);
}

void OvScanResultView::SlotCheckBoxChangeWechatExpand(bool on)
{
    if (QTreeWidgetItem* item = m_items[Cat::WeChat]) {
        if (item->isExpanded() != on)
            item->setExpanded(on);
    }
}

void OvScanResultView::onTimerOut() { }

// ---- The lists report back ----------------------------------------------------------------

void OvScanResultView::ListChanged(ScanCategory::Id id, int check, int account)
{
    if (!Cat::Shown(id, m_mode))
        return;
    // The box is drawn from the records the list has just set, not from what the list says,
    // so that a box can never promise an erase the records would not make.
    const Qt::CheckState state = Cat::SelectionState(id, *CGlobalData::GetInstance(), account);
    if (int(state) != check)
        qDebug() << "list of" << Cat::of(id).name << "reports" << check << "but its records say" << int(state);
    if (id == Cat::WeChat)
        RefreshWeChatChildren();
    RefreshItem(id);
    UpdateEraseNow();
}

void OvScanResultView::synchronizeMsgCheckSlot(int check)
{
    ListChanged(Cat::Message, check);
}
void OvScanResultView::synchronizePhotoCheckSlot(int check)
{
    ListChanged(Cat::Photo, check);
}
void OvScanResultView::synchronizeContactCheckSlot(int check)
{
    ListChanged(Cat::Contact, check);
}
void OvScanResultView::synchronizeBookmarkCheckSlot(int check)
{
    ListChanged(Cat::Bookmark, check);
}
void OvScanResultView::synchronizeCallHistoryCheckSlot(int check)
{
    ListChanged(Cat::CallHistory, check);
}
void OvScanResultView::synchronizeSafariHistoryCheckSlot(int check)
{
    ListChanged(Cat::SafariHistory, check);
}
void OvScanResultView::synchronizeCalendarCheckSlot(int check)
{
    ListChanged(Cat::Calendar, check);
}
void OvScanResultView::synchronizeNotesCheckSlot(int check)
{
    ListChanged(Cat::Note, check);
}
void OvScanResultView::synchronizeSafariCookieCheckSlot(int check)
{
    ListChanged(Cat::SafariCookie, check);
}
void OvScanResultView::synchronizeSafariCacheCheckSlot(int check)
{
    ListChanged(Cat::SafariCache, check);
}
void OvScanResultView::synchronizeVoiceMemoCheckSlot(int check)
{
    ListChanged(Cat::VoiceMemo, check);
}
void OvScanResultView::synchronizeSMSAttachmentCheckSlot(int check)
{
    ListChanged(Cat::MsgAttachment, check);
}
void OvScanResultView::synchronizeNoteAttachmentCheckSlot(int check)
{
    ListChanged(Cat::NoteAttachment, check);
}
void OvScanResultView::synchronizeWhatsAppCheckSlot(int check)
{
    ListChanged(Cat::WhatsApp, check);
}
void OvScanResultView::synchronizeViberCheckSlot(int check)
{
    ListChanged(Cat::Viber, check);
}
void OvScanResultView::synchronizeKikCheckSlot(int check)
{
    ListChanged(Cat::Kik, check);
}
void OvScanResultView::synchronizeKikAttachmentsCheckSlot(int check)
{
    ListChanged(Cat::KikAttachment, check);
}
void OvScanResultView::synchronizeWhatsAppAttachmentCheckSlot(int check)
{
    ListChanged(Cat::WhatsAppAttachment, check);
}
void OvScanResultView::synchronizeWechatCheckSlot(int check)
{
    ListChanged(Cat::WeChat, check);
}
void OvScanResultView::synchronizeWechatCheckSlot(int check, int indexID)
{
    ListChanged(Cat::WeChat, check, indexID);
}
void OvScanResultView::synchronizeWechatListCheckSlot(int check, int indexID)
{
    ListChanged(Cat::WeChat, check, indexID);
}

// ---- The list on the right ----------------------------------------------------------------

void OvScanResultView::TreeItemClicked(QTreeWidgetItem* item, int column)
{
    Q_UNUSED(column)
    if (!item || !m_scanEnded || m_finishPending || !(item->flags() & Qt::ItemIsEnabled))
        return;
    const auto id = static_cast<Cat::Id>(item->data(0, kIdRole).toInt());
    int account = item->data(0, kAccountRole).toInt();
    if (id == Cat::WeChat && account < 0) {
        // The accounts are the lists; the category opens on its first one that has messages.
        item->setExpanded(true);
        account = -1;
        for (int a = 0; a < m_weChatItems.size(); ++a) {
            if (m_weChatItems.at(a)->flags() & Qt::ItemIsEnabled) {
                account = a;
                break;
            }
        }
        if (account < 0)
            return;
    }
    ShowList(id, account);
}

void OvScanResultView::ShowList(ScanCategory::Id id, int account)
{
    const ListKey key(int(id), id == Cat::WeChat ? account : -1);
    EraseListView* view = m_listViews.value(key);
    if (!view) {
        view = CreateList(id, key.second);
        if (!view) {
            m_emptyPane->setText(tr("The records of this category cannot be shown."));
            m_lists->setCurrentWidget(m_emptyPane);
            m_right->setCurrentWidget(m_lists);
            return;
        }
        m_listViews.insert(key, view);
        m_lists->addWidget(view);
    }
    m_lists->setCurrentWidget(view);
    m_right->setCurrentWidget(m_lists);
}

EraseListView* OvScanResultView::CreateList(ScanCategory::Id id, int account)
{
    EraseListView* view = CreateEraseListView(QString::fromLatin1(Cat::of(id).name), m_mode, account, m_lists);
    if (!view)
        return nullptr;
    view->setObjectName(QStringLiteral("eraseList_%1").arg(QString::fromLatin1(Cat::of(id).name)));
    if (id == Cat::WeChat) {
        connect(view, &EraseListView::checkCheckSignal, this,
                [this, account](int check) { synchronizeWechatCheckSlot(check, account); });
        connect(this, &OvScanResultView::checkBoxChangeWechatListSignal, view, [view, account](bool on, int index) {
            if (index == account)
                view->receiveLeftCheckBoxState(on);
        });
        connect(this, &OvScanResultView::checkBoxChangeWechatSignal, view, &EraseListView::receiveLeftCheckBoxState);
        return view;
    }
    connect(view, &EraseListView::checkCheckSignal, this, [this, id](int check) { ListChanged(id, check); });
    using Change = void (OvScanResultView::*)(bool);
    static const QMap<int, Change> changes {
        { Cat::Message, &OvScanResultView::checkBoxChangeMessageSignal },
        { Cat::Photo, &OvScanResultView::checkBoxChangePhotoSignal },
        { Cat::Contact, &OvScanResultView::checkBoxChangeContactSignal },
        { Cat::CallHistory, &OvScanResultView::checkBoxChangeCallHistorySignal },
        { Cat::Note, &OvScanResultView::checkBoxChangeNotesSignal },
        { Cat::Calendar, &OvScanResultView::checkBoxChangeCalendarSignal },
        { Cat::Bookmark, &OvScanResultView::checkBoxChangeBookmarkSignal },
        { Cat::SafariHistory, &OvScanResultView::checkBoxChangeSafariHistorySignal },
        { Cat::SafariCookie, &OvScanResultView::checkBoxChangeSafariCookieSignal },
        { Cat::SafariCache, &OvScanResultView::checkBoxChangeSafariCacheSignal },
        { Cat::VoiceMemo, &OvScanResultView::checkBoxChangeVoiceMemoSignal },
        { Cat::MsgAttachment, &OvScanResultView::checkBoxChangeSMSAttachmentSignal },
        { Cat::NoteAttachment, &OvScanResultView::checkBoxChangeNoteAttachmentSignal },
        { Cat::WhatsApp, &OvScanResultView::checkBoxChangeWhatsAppSignal },
        { Cat::Viber, &OvScanResultView::checkBoxChangeViberSignal },
        { Cat::Kik, &OvScanResultView::checkBoxChangeKikSignal },
        { Cat::KikAttachment, &OvScanResultView::checkBoxChangeKikAttachmentSignal },
        { Cat::WhatsAppAttachment, &OvScanResultView::checkBoxChangeWhatsAppAttachmentSignal },
    };
    if (const Change change = changes.value(id, nullptr))
        connect(this, change, view, &EraseListView::receiveLeftCheckBoxState);
    return view;
}

// ---- Buttons and lifecycle ------------------------------------------------------------------

void OvScanResultView::OnClickedEraseNowBtn()
{
    if (!m_eraseNowButton->isEnabled())
        return;
    m_eraseNow = true;
    emit signalClickedEraseBtn();
    emit SignalInitConfirm();
    emit SignalSwitchPage(3);
}

void OvScanResultView::OnClickedBackBtn()
{
    const int answer = OvMessageBox::Ask(
        window(), tr("If you go back, the scanning result won't be saved. Are you sure you want to go back?"),
        OvMessageBox::Yes | OvMessageBox::No, QStringLiteral("tip_warning.png"), tr("Warning"));
    if (answer != OvMessageBox::Yes || isHidden())
        return;
    if (!m_scanEnded) {
        // Loads still queued would fill a list nobody looks at, and hold the tab lock.
        CController::GetInstance()->StopTasks();
        m_scanEnded = true;
        SetTabsEnabled(true);
    }
    emit signalClickedBackBtn();
    emit SignalSwitchPage(0);
}

void OvScanResultView::SlotInitData()
{
    ResetView();
}

void OvScanResultView::ResetView()
{
    m_finishTimer->stop();
    m_finishPending = false;
    m_lists->setCurrentWidget(m_emptyPane);
    for (EraseListView* view : qAsConst(m_listViews)) {
        m_lists->removeWidget(view);
        delete view;
    }
    m_listViews.clear();
    m_total = 0;
    m_progress = 0;
    m_scanEnded = false;
    m_eraseNow = false;
    std::fill(std::begin(m_loadDone), std::end(m_loadDone), false);
    std::fill(std::begin(m_categoryDone), std::end(m_categoryDone), false);
    RefreshTree();
    m_tree->collapseAll();
    m_tree->setEnabled(false);
    m_back->SetEnabled(true);
    m_eraseNowButton->SetEnabled(false);
    ShowTotal();
    m_bar->SetValue(0);
    m_bar->show();
    m_barOverlay->show();
    SetMovie(m_barOverlay, m_barMovie, QStringLiteral("cache_clean_process_540x6.gif"));
    m_status->show();
    m_stop->show();
    m_scanningPicture->setPixmap(QPixmap());
    SetMovie(m_scanningPicture, m_scanningMovie, QStringLiteral("erase_scanning_data.gif"));
    m_scanningText->setText(tr("Scanning, please wait..."));
    m_scanningHint->hide();
    m_right->setCurrentWidget(m_scanningData);
    if (!isVisible()) {
        m_barMovie->stop();
        m_scanningMovie->stop();
    }
}

void OvScanResultView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_eraseNow = false;
    if (!m_scanEnded) {
        m_barMovie->start();
        m_scanningMovie->start();
    }
}

void OvScanResultView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Only when the model shows another page: a minimised window keeps its results.
    if (isHidden() && !m_eraseNow)
        ResetView();
}

Qt::CheckState OvScanResultView::CategoryCheckState(const QString& eraseKey) const
{
    const Cat::Id id = Cat::ByEraseKey(eraseKey);
    if (id == Cat::Count || !Cat::Shown(id, m_mode) || !m_categoryDone[id])
        return Qt::Unchecked;
    const CGlobalData& store = *CGlobalData::GetInstance();
    if (Cat::RecordCount(id, store) == 0)
        return Qt::Unchecked;
    return Cat::SelectionState(id, store);
}
