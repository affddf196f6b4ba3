#include "EraseSafeConfirm.h"

#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "DeviceRestartView.h"
#include "EraseTipDialog.h"
#include "MainWindowAccess.h"
#include "OvCustomNOButton.h"
#include "OvEraseDeletedFilesModel.h"
#include "OvErasePrivateDataModel.h"
#include "OvMessageBox.h"
#include "OvScanResultView.h"
#include "SafeLevelSettingDialog.h"
#include "SkinImage.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QShowEvent>
#include <QVBoxLayout>

#include <climits>
#include <functional>

namespace {

constexpr int kDeletedFilesTab = 2;
constexpr int kPrivateDataTab = 3;
constexpr int kFragmentsTab = 4;
constexpr int kErasePage = 4;
constexpr int kResultPage = 2;
constexpr int kFragmentsErasePage = 7;

// Lists are erased by their ticked item handles: the whole-category form of the library
// takes every deleted record of the category, ticked or not, so it is used only when every
// listed record is ticked.
constexpr int kSelectedItems = 1;
constexpr int kWholeCategory = 0;

constexpr quint64 kGiB = quint64(1024) * 1024 * 1024;

// Deleted records in Erase Deleted Files, existing ones in Erase Private Data: a record of
// the other kind is never handed over, even if a list still held one.
template<class Info> QList<quint32> TickedHandles(const QVector<Info>& records, bool deleted)
{
    QList<quint32> handles;
    for (const Info& record : records) {
        if (record.m_bSelected && (record.m_bDeleted != 0) == deleted)
            handles.append(static_cast<quint32>(record.m_nHandle));
    }
    return handles;
}

struct TickCount
{
    int ticked = 0;
    int total = 0;
};

template<class Info> TickCount DeletedTicks(const QVector<Info>& records)
{
    TickCount count;
    for (const Info& record : records) {
        if (!record.m_bDeleted)
            continue;
        ++count.total;
        if (record.m_bSelected)
            ++count.ticked;
    }
    return count;
}

void LockTabs(bool locked)
{
    if (MainWindowAccess* window = MainWindowAccess::instance())
        window->enableTabs(!locked);
}

int CurrentTab()
{
    MainWindowAccess* window = MainWindowAccess::instance();
    return window ? window->currentTabIndex() : -1;
}

QLabel* TextLabel(const QString& text, int font, const QString& color, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(AppStyle::instance().font(font));
    label->setStyleSheet(QStringLiteral("color:%1;").arg(color));
    return label;
}

} // namespace

/// One erase task to queue: its category key, what the debug channel says, and the post.
struct EraseSafeConfirm::Posting
{
    QString key;
    const char* startText;
    const char* postText;
    int count;
    std::function<bool()> post;
};

EraseSafeConfirm::EraseSafeConfirm(int feature, OvModel* model, QWidget* parent)
    : QWidget(parent)
    , m_feature(feature)
    , m_model(model)
{
    setObjectName(QStringLiteral("eraseSafeConfirm"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("confirmPicture"));
    m_picture->setFixedSize(160, 160);
    m_picture->setAlignment(Qt::AlignCenter);
    m_title = TextLabel(QString(), 21, QStringLiteral("#3c4449"), this);
    m_title->setObjectName(QStringLiteral("confirmTitle"));
    SetTitle(tr("Erase Deleted Files"));
    SetPicture(QStringLiteral("erase_deleted_files_icon.png"));

    auto* precautions = new QVBoxLayout;
    precautions->setSpacing(6);
    for (const QString& line : { tr("1. Please close all background apps, such as Music, Navigation, etc."),
                                 tr("2. If there are any apps updating on the device, please wait for them to "
                                    "complete."),
                                 tr("3. Please make sure you have backed up any needed data.") }) {
        QLabel* label = TextLabel(line, 8, QStringLiteral("#616c72"), this);
        label->setWordWrap(true);
        precautions->addWidget(label);
    }

    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(TextLabel(tr("Security Level:"), 8, QStringLiteral("#3c4449"), this));
    m_levelLink = new QLabel(this);
    m_levelLink->setObjectName(QStringLiteral("levelLink"));
    m_levelLink->setFont(AppStyle::instance().font(9));
    // Reachable by Tab and Enter as well as by the mouse.
    m_levelLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_levelLink->setFocusPolicy(Qt::StrongFocus);
    m_levelLink->setCursor(Qt::PointingHandCursor);
    connect(m_levelLink, &QLabel::linkActivated, this, &EraseSafeConfirm::OnLinkLevel);
    levelRow->addWidget(m_levelLink);
    levelRow->addStretch();

    auto* wordRow = new QHBoxLayout;
    wordRow->addWidget(TextLabel(tr("Please type"), 8, QStringLiteral("#3c4449"), this));
    wordRow->addWidget(TextLabel(tr("'delete'"), 9, QStringLiteral("#e0403a"), this));
    wordRow->addWidget(TextLabel(tr("to confirm."), 8, QStringLiteral("#3c4449"), this));
    wordRow->addStretch();
    m_word = new QLineEdit(this);
    m_word->setObjectName(QStringLiteral("confirmWordEdit"));
    m_word->setAccessibleName(tr("Type 'delete' to confirm"));
    m_word->setFixedSize(260, 32);
    m_word->setFont(AppStyle::instance().font(8));
    connect(m_word, &QLineEdit::returnPressed, this, &EraseSafeConfirm::OnClickedEraseNowBtn);

    m_back = new OvCustomNOButton(tr("      Back"), this);
    m_back->setObjectName(QStringLiteral("confirmBackButton"));
    m_back->setAccessibleName(tr("Back"));
    m_back->SetImageSet(OvCustomNOButton::BackImages);
    connect(m_back, &QPushButton::clicked, this, &EraseSafeConfirm::OnClickedCancelBtn);
    m_eraseNow = new OvCustomNOButton(tr("Erase Now"), this);
    m_eraseNow->setObjectName(QStringLiteral("confirmEraseNowButton"));
    m_eraseNow->SetImageSet(OvCustomNOButton::CommonImages);
    connect(m_eraseNow, &QPushButton::clicked, this, &EraseSafeConfirm::OnClickedEraseNowBtn);

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(m_title);
    text->addLayout(precautions);
    text->addSpacing(8);
    text->addLayout(levelRow);
    text->addLayout(wordRow);
    text->addWidget(m_word);
    text->addStretch();

    auto* body = new QHBoxLayout;
    body->addStretch();
    body->addWidget(m_picture, 0, Qt::AlignTop);
    body->addSpacing(30);
    body->addLayout(text);
    body->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_back);
    buttons->addSpacing(16);
    buttons->addWidget(m_eraseNow);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 30);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    setTabOrder(m_levelLink, m_word);
    setTabOrder(m_word, m_back);
    setTabOrder(m_back, m_eraseNow);
    Prepare();
}

void EraseSafeConfirm::SetTitle(const QString& title)
{
    m_title->setText(title);
}

void EraseSafeConfirm::SetEraseTargets(CategoryState categoryState, DeviceRestartView* erasePage)
{
    m_categoryState = std::move(categoryState);
    m_erasePage = erasePage;
}

void EraseSafeConfirm::SetPicture(const QString& picture)
{
    m_picture->setPixmap(SkinPixmap(picture));
}

void EraseSafeConfirm::Prepare()
{
    m_word->clear();
    setWordStyle(false);
    SafeLevelSettingDialog::EnsureLevelFile();
    showLevel(MainWindowAccess::securityLevel());
}

int EraseSafeConfirm::EstimateMinutes(quint64 totalBytes, quint64 freeBytes, int passes)
{
    // Without a device the library reports more free space than there is in all.
    const quint64 free = freeBytes > totalBytes ? 0 : freeBytes;
    const quint64 used = totalBytes - free;
    const quint64 minutes = (used / kGiB + 2) + (free / kGiB + 2) * quint64(qMax(passes, 0));
    return minutes > quint64(INT_MAX) ? INT_MAX : int(minutes);
}

void EraseSafeConfirm::showLevel(int level)
{
    m_level = level >= 0 && level <= 2 ? level : 1;
    const QString name = SafeLevelSettingDialog::LevelName(m_level);
    m_levelLink->setText(QStringLiteral("<a href=\"level\" style=\"color:#2990ff;\">%1</a>").arg(name.toHtmlEscaped()));
    m_levelLink->setAccessibleName(tr("Security Level: %1").arg(name));
}

void EraseSafeConfirm::setWordStyle(bool wrong)
{
    m_word->setStyleSheet(wrong ? QStringLiteral("QLineEdit{border:1px solid #e0403a;padding:0 6px;}")
                                : QStringLiteral("QLineEdit{border:1px solid #c8d2da;padding:0 6px;}"));
}

int EraseSafeConfirm::ask(const QString& text, const QString& title, int buttons, const QString& icon,
                          const QString& yesText, const QString& noText)
{
    return OvMessageBox::Ask(this, text, buttons, icon, title, yesText, noText);
}

void EraseSafeConfirm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showLevel(MainWindowAccess::securityLevel());
}

void EraseSafeConfirm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    m_word->clear();
    setWordStyle(false);
}

void EraseSafeConfirm::OnLinkLevel()
{
    SafeLevelSettingDialog dialog(this);
    connect(&dialog, &SafeLevelSettingDialog::onSettingLevel, this, &EraseSafeConfirm::onConfirmSettingLevel);
    dialog.exec();
}

void EraseSafeConfirm::onConfirmSettingLevel(int level)
{
    showLevel(level);
}

void EraseSafeConfirm::OnClickedCancelBtn()
{
    if (m_feature == kFragmentsTab)
        emit signalClickedCancelBtn(kResultPage);
    else
        emit SignalSwitchPage(kResultPage);
}

void EraseSafeConfirm::OnClickedEraseNowBtn()
{
    if (CController::GetInstance()->IsFindMyIPhoneOn()) {
        EraseTipDialog tip(EraseTipDialog::FindMyIPhone, this);
        tip.exec();
        return;
    }
    if (m_word->text().simplified().compare(tr("delete"), Qt::CaseInsensitive) != 0) {
        setWordStyle(true);
        ask(tr("Sorry, the input is not correct. Please type \"delete\" again."), tr("Attention"), OvMessageBox::OK,
            QStringLiteral("/tip_warning.png"));
        return;
    }
    m_fillPasses = SafeLevelSettingDialog::FillPasses(m_level);
    const int tab = CurrentTab();
    if (tab != kDeletedFilesTab && tab != kPrivateDataTab && tab != kFragmentsTab) {
        ask(tr("Error index when posting task:%1").arg(tab), tr("Test"), OvMessageBox::OK, QString());
        return;
    }
    if (!postErases(tab))
        return;
    emit signalClickedEraseNowBtn();
    emit SignalConfirmFinshed();
    emit SignalSwitchPage(tab == kFragmentsTab ? kFragmentsErasePage : kErasePage);
}

bool EraseSafeConfirm::postErases(int tab)
{
    const CGlobalData* store = CGlobalData::GetInstance();
    const bool fragments = tab == kFragmentsTab;
    QList<Posting> plan;
    QStringList keys;
    QStringList partlyTicked;
    OvScanResultView* view = nullptr;
    DeviceRestartView* erasePage = m_erasePage;
    if (tab == kDeletedFilesTab) {
        if (OvEraseDeletedFilesModel* owner = OvEraseDeletedFilesModel::GetInstance()) {
            view = owner->resultView();
            erasePage = erasePage ? erasePage : owner->erasePage();
        }
    } else if (tab == kPrivateDataTab) {
        if (OvErasePrivateDataModel* owner = OvErasePrivateDataModel::GetInstance()) {
            view = owner->resultView();
            erasePage = erasePage ? erasePage : owner->erasePage();
        }
    }
    const bool deleted = tab == kDeletedFilesTab;
    CController* controller = CController::GetInstance();
    const CategoryState& source = m_categoryState;
    auto checked = [view, &source](const QString& key) {
        if (source)
            return source(key) != Qt::Unchecked;
        return view && view->CategoryCheckState(key) != Qt::Unchecked;
    };
    using ListPost = bool (CController::*)(int, const QList<quint32>&);
    auto list = [&](const QString& key, const char* startText, const char* postText, const QList<quint32>& handles,
                    ListPost post) {
        keys << key;
        if (!checked(key) || handles.isEmpty())
            return;
        plan.append({ key, startText, postText, int(handles.size()),
                      [controller, post, handles] { return (controller->*post)(kSelectedItems, handles); } });
    };
    using WholePost = bool (CController::*)();
    auto whole = [&](const QString& key, const QString& what, const char* postText, TickCount ticks, WholePost post) {
        keys << key;
        if (!checked(key) || ticks.ticked == 0)
            return;
        // The library erases these only all at once: a part ticked would take the rest too.
        if (ticks.ticked < ticks.total) {
            partlyTicked << what;
            return;
        }
        plan.append({ key, "start erase Contact(DELETED)", postText, ticks.total,
                      [controller, post] { return (controller->*post)(); } });
    };
    auto wechat = [&] {
        keys << QStringLiteral("WeChat");
        if (!checked(QStringLiteral("WeChat")))
            return;
        QMap<WeChatAccountKey, QList<quint32>> accounts;
        int count = 0;
        for (const WeChatSMSInfo& message : store->m_obLWeChat) {
            if (!message.m_bSelected || (message.m_bDeleted != 0) != deleted)
                continue;
            if (message.m_nAccountIndex < 0 || message.m_nAccountIndex >= store->m_obLWeChatAccount.size())
                continue;
            const WeChatAccountInfo& account = store->m_obLWeChatAccount.at(message.m_nAccountIndex);
            accounts[WeChatAccountKey(account.m_pAccount, account.m_nIndex)].append(quint32(message.m_nHandle));
            ++count;
        }
        if (count == 0)
            return;
        plan.append(
            { QStringLiteral("WeChat"), "start erase wechat", "PostEraseWeChatTask - size = %1", count,
              [controller, accounts] { return controller->PostEraseWeChatDataTask(kSelectedItems, accounts); } });
    };

    // Deleted messages also hide in conversations that still exist; only the whole-category
    // erase reaches them without touching the messages kept beside them.
    auto deletedMessages = [&] {
        const QString key = QStringLiteral("Message");
        keys << key;
        if (!checked(key))
            return;
        int listed = 0;
        int ticked = 0;
        bool keptConversationTicked = false;
        QList<quint32> handles;
        for (const SMSSessionInfo& session : store->m_obLSMSSession) {
            bool holdsDeleted = session.m_bDeleted != 0;
            for (const SMSInfo& message : session.m_obLMessages)
                holdsDeleted = holdsDeleted || message.m_bDeleted;
            if (!holdsDeleted)
                continue;
            ++listed;
            if (!session.m_bSelected)
                continue;
            ++ticked;
            if (session.m_bDeleted)
                handles.append(static_cast<quint32>(session.m_nHandle));
            else
                keptConversationTicked = true;
        }
        if (ticked == 0)
            return;
        if (ticked == listed) {
            plan.append({ key, "start erase msg", "PostEraseMsgTask - size = %1", ticked,
                          [controller] { return controller->PostEraseSMSDataTask(kWholeCategory, {}); } });
        } else if (keptConversationTicked) {
            partlyTicked << tr("messages of conversations that still exist");
        } else {
            plan.append(
                { key, "start erase msg", "PostEraseMsgTask - size = %1", int(handles.size()),
                  [controller, handles] { return controller->PostEraseSMSDataTask(kSelectedItems, handles); } });
        }
    };

    if (tab == kDeletedFilesTab) {
        deletedMessages();
        whole(QStringLiteral("Contact"), tr("contacts"), "PostEraseContactTask", DeletedTicks(store->m_obLContact),
              &CController::PostEraseContactDataTask);
        whole(QStringLiteral("Calendar&Reminder"), tr("calendar events and reminders"), "PostEraseCalendarTask",
              DeletedTicks(store->m_obLCalendar), &CController::PostEraseCalendarDataTask);
        list(QStringLiteral("Call History"), "start erase call history", "PostEraseCallHistoryTask - size = %1",
             TickedHandles(store->m_obLCallLogSession, deleted), &CController::PostEraseCallLogDataTask);
        list(QStringLiteral("Note"), "start erase Note", "PostEraseNoteTask - size = %1",
             TickedHandles(store->m_obLNote, deleted), &CController::PostEraseNoteDataTask);
        list(QStringLiteral("SafariHistory"), "start erase SafariHistory", "PostEraseSafariHistoryTask - size = %1",
             TickedHandles(store->m_obLSafariHistory, deleted), &CController::PostEraseSafariHistoryDataTask);
        whole(QStringLiteral("Bookmark"), tr("bookmarks"), "PostEraseBookmarkTask", DeletedTicks(store->m_obLBookMark),
              &CController::PostEraseBooMarkDataTask);
        list(QStringLiteral("Photo&Videos"), "start erase photo videos", "PostErasePhotoVideosTask - size = %1",
             TickedHandles(store->m_obLPhotoAndVideo, deleted), &CController::PostErasePhotoAndVideoDataTask);
        whole(QStringLiteral("Voice"), tr("voice memos"), "PostEraseVoiceTask", DeletedTicks(store->m_obLVoiceMemo),
              &CController::PostEraseVoiceMemoDataTask);
        wechat();
    } else if (tab == kPrivateDataTab) {
        list(QStringLiteral("Message"), "start erase msg", "PostEraseMsgTask - size = %1",
             TickedHandles(store->m_obLSMSSession, deleted), &CController::PostEraseSMSDataTask);
        list(QStringLiteral("Call History"), "start erase call history", "PostEraseCallHistoryTask - size = %1",
             TickedHandles(store->m_obLCallLogSession, deleted), &CController::PostEraseCallLogDataTask);
        list(QStringLiteral("SafariCookie"), "start erase SafariCookie", "PostEraseSafariCookieTask - size = %1",
             TickedHandles(store->m_obLSafariCookie, deleted), &CController::PostEraseSafariCookieDataTask);
        list(QStringLiteral("SafariCache"), "start erase SafariCache", "PostEraseSafariCacheTask - size = %1",
             TickedHandles(store->m_obLSafariCache, deleted), &CController::PostEraseSafariCacheDataTask);
        list(QStringLiteral("SafariHistory"), "start erase SafariHistory", "PostEraseSafariHistoryTask - size = %1",
             TickedHandles(store->m_obLSafariHistory, deleted), &CController::PostEraseSafariHistoryDataTask);
        list(QStringLiteral("Photo&Videos"), "start erase photo videos", "PostErasePhotoVideosTask - size = %1",
             TickedHandles(store->m_obLPhotoAndVideo, deleted), &CController::PostErasePhotoAndVideoDataTask);
        list(QStringLiteral("Note"), "start erase Note", "PostEraseNoteTask - size = %1",
             TickedHandles(store->m_obLNote, deleted), &CController::PostEraseNoteDataTask);
        list(QStringLiteral("MsgAttach"), "start erase msg attachments", "PostEraseMsgAttachTask - size = %1",
             TickedHandles(store->m_obLSMSAttachment, deleted), &CController::PostEraseSMSAttachmentTask);
        list(QStringLiteral("NoteAttach"), "start erase note attachments", "PostEraseNoteAttachTask - size = %1",
             TickedHandles(store->m_obLNoteAttachment, deleted), &CController::PostEraseNoteAttachmentTask);
        list(QStringLiteral("WhatsApp"), "start erase WhatsApp", "PostEraseWhatsAppTask - size = %1",
             TickedHandles(store->m_obLWhatsApp, deleted), &CController::PostEraseWhatsAppDataTask);
        list(QStringLiteral("WhatsAppAttach"), "start erase WhatsAppAttachment",
             "PostEraseWhatsAppAttachTask - size = %1", TickedHandles(store->m_obLWhatsAppAttachment, deleted),
             &CController::PostEraseWhatsAppAttachmentDataTask);
        wechat();
        list(QStringLiteral("Viber"), "start erase viber", "PostEraseViberTask - size = %1",
             TickedHandles(store->m_obLViber, deleted), &CController::PostEraseViberDataTask);
        list(QStringLiteral("Kik"), "start erase kik", "PostEraseKikTask - size = %1",
             TickedHandles(store->m_obLKik, deleted), &CController::PostEraseKikDataTask);
        list(QStringLiteral("KikAttachment"), "start erase KikAttachment", "PostEraseKikAttachmentTask - size = %1",
             TickedHandles(store->m_obLKikAttachment, deleted), &CController::PostEraseKikAttachmentDataTask);
    }

    if (!partlyTicked.isEmpty()) {
        ask(tr("Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.")
                .arg(partlyTicked.join(tr(", "))),
            tr("Attention"), OvMessageBox::OK, QStringLiteral("/tip_warning.png"));
        return false;
    }
    // A checked category with nothing ticked in it would leave the erase page waiting for an
    // erase that never comes; the user learns it here, before anything touches the device.
    if (!fragments && plan.isEmpty()) {
        ask(tr("Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick "
               "what you want to erase."),
            tr("Attention"), OvMessageBox::OK, QStringLiteral("/tip_warning.png"));
        return false;
    }

    const CGlobalData* device = CGlobalData::GetInstance();
    const int minutes = EstimateMinutes(device->m_nTotalSpace, device->m_nFreeSpace, m_fillPasses);
    const int answer = ask(tr("It will need about %1 minutes to erase data. If you stop when erasing, it may damage "
                              "your device.  Are you sure to continue?")
                               .arg(minutes),
                           QString(), OvMessageBox::Yes | OvMessageBox::No, QString(), tr("Continue"), tr("Cancel"));
    if (answer != OvMessageBox::Yes)
        return false;

    setWordStyle(false);
    m_eraseMap.clear();
    LockTabs(true);
    if (fragments)
        return true;

    bool any = false;
    for (const QString& key : keys)
        m_eraseMap.insert(key, false);
    for (const Posting& posting : plan) {
        qDebug() << posting.startText << posting.count;
        const QString postText = QString::fromLatin1(posting.postText);
        qDebug().noquote() << (postText.contains(QLatin1String("%1")) ? postText.arg(posting.count) : postText);
        const bool queued = posting.post();
        m_eraseMap.insert(posting.key, queued);
        any = any || queued;
    }
    if (!any) {
        // The device went away before anything could be queued.
        LockTabs(false);
        ask(tr("The device is not connected. Nothing was erased."), tr("warning"), OvMessageBox::OK,
            QStringLiteral("/tip_warning.png"));
        return false;
    }
    if (view)
        view->ResetView();
    if (erasePage)
        erasePage->SetEraseMap(m_eraseMap);
    return true;
}
