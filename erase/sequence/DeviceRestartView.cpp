#include "DeviceRestartView.h"

#include "AppStyle.h"
#include "CController.h"
#include "CEraseDataWid.h"
#include "CTaskCallback.h"
#include "Durations.h"
#include "EraseSafeConfirm.h"
#include "Log.h"
#include "MainWindowAccess.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"
#include "OvStyleProgressBar.h"
#include "SkinImage.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QMovie>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>

namespace {

constexpr int kRestartWaitMs = 300000;
constexpr int kFragmentsStopWaitMs = 6000;
constexpr int kRestoreProgress = 68;
constexpr int kRestoreEnd = 22;
constexpr int kFragmentsFeature = 4;

enum Page : int { RestorePage = 5, FillPage = 6, StoppedPage = 7, FailurePage = 8, FinishedPage = 9 };

// Set from the restore's "device restarts" until the device is seen again, and when a
// fragments restore failed and the device may go away: each is traced once when it happens.
std::atomic<bool> g_restartPending { false };
std::atomic<bool> g_disconnectExpected { false };

// The flags in the order of their end signals; the key names the category in the erase map.
const char* const kKeys[]
    = { "Message",       "Call History", "SafariCookie",      "SafariCache",    "SafariHistory", "Photo&Videos", "Note",
        "MsgAttach",     "NoteAttach",   "WhatsApp",          "WhatsAppAttach", "WeChat",        "Viber",        "Kik",
        "KikAttachment", "Contact",      "Calendar&Reminder", "Bookmark",       "Voice" };
const char* const kFlagNames[] = { "m_EraseMsgFinished",
                                   "m_EraseCallhistoryFinished",
                                   "m_EraseSafiriCookieFinished",
                                   "m_EraseSafiriCacheFinished",
                                   "m_EraseSafiriHistoryFinished",
                                   "m_ErasePhotosFinished",
                                   "m_EraseNoteFinished",
                                   "m_EraseMsgAttachFinished",
                                   "m_EraseNoteAttachFinished",
                                   "m_EraseWhatappsFinished",
                                   "m_EraseWhatappsAttachFinished",
                                   "m_EraseWechatFinished",
                                   "m_EraseViberFinished",
                                   "m_EraseKikFinished",
                                   "m_EraseKikAttachFinished",
                                   "m_EraseContactFinished",
                                   "m_EraseCalendarFinished",
                                   "m_EraseBookmarkFinished",
                                   "m_EraseVoiceFinished" };

MainWindowAccess* Window()
{
    return MainWindowAccess::instance();
}

void UnlockTabs()
{
    if (MainWindowAccess* window = Window())
        window->enableTabs(true);
}

} // namespace

DeviceRestartView::DeviceRestartView(int feature, int mode, QWidget* parent)
    : QWidget(parent)
    , m_feature(feature)
    , m_mode(mode)
{
    setObjectName(mode == RestoreMode ? QStringLiteral("restoreView") : QStringLiteral("eraseWaitView"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    for (bool& finished : m_finished)
        finished = true;

    auto* device = new QLabel(this);
    device->setPixmap(SkinPixmap(QStringLiteral("device_mini.png")));
    device->setAccessibleName(tr("Device"));
    auto* animation = new QLabel(this);
    animation->setObjectName(QStringLiteral("eraseAnimation"));
    animation->setFixedSize(160, 160);
    m_animation = new QMovie(SkinImagePath(QStringLiteral("erase_process.gif")), QByteArray(), this);
    if (m_animation->isValid())
        animation->setMovie(m_animation);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("restartStatus"));
    m_status->setFont(AppStyle::instance().font(10));
    m_status->setStyleSheet(QStringLiteral("color:#3c4449;"));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setText(mode == RestoreMode ? tr("Analying data,please wait...") : tr("Erasing data, please wait..."));

    m_bar = new OvStyleProgressBar(this);
    m_bar->setObjectName(QStringLiteral("restartProgress"));
    m_bar->setAccessibleName(tr("Progress"));
    m_bar->setFixedWidth(540);
    m_overlay = new QLabel(m_bar);
    m_overlay->setObjectName(QStringLiteral("restartOverlay"));
    m_overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_overlayMovie = new QMovie(this);
    m_overlay->setMovie(m_overlayMovie);
    setOverlay(QStringLiteral("cache_clean_process_540x6.gif"));

    m_stop = new OvCustomNOButton(tr("Stop"), this);
    m_stop->setObjectName(QStringLiteral("restartStopButton"));
    m_stop->SetImages(QStringLiteral("stop_button_normal.png"), QStringLiteral("stop_button_hover.png"),
                      QStringLiteral("stop_button_pressing.png"), QString(), QString());
    m_stop->SetButtonFixedSize(60, 21);
    connect(m_stop, &QPushButton::clicked, this, &DeviceRestartView::OnRestartStopBtn);

    m_eraseList = new CEraseDataWid(feature, this);
    m_eraseList->setVisible(mode == EraseMode);
    m_eraseList->setFixedSize(540, 150);

    m_restartTimer = new QTimer(this);
    m_restartTimer->setObjectName(QStringLiteral("restartTimer"));
    m_restartTimer->setSingleShot(true);
    connect(m_restartTimer, &QTimer::timeout, this, &DeviceRestartView::SlotTimeoutDone);

    auto* pictures = new QHBoxLayout;
    pictures->addStretch();
    pictures->addWidget(device, 0, Qt::AlignVCenter);
    pictures->addSpacing(20);
    pictures->addWidget(animation);
    pictures->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->setSpacing(12);
    layout->addStretch();
    layout->addLayout(pictures);
    layout->addWidget(m_status);
    layout->addWidget(m_bar, 0, Qt::AlignHCenter);
    layout->addWidget(m_stop, 0, Qt::AlignHCenter);
    layout->addWidget(m_eraseList, 0, Qt::AlignHCenter);
    layout->addStretch();

    CTaskCallback* callback = CTaskCallback::GetInstance();
    if (mode == EraseMode) {
        connect(callback, &CTaskCallback::signalEraseSMSData, this, &DeviceRestartView::slotEraseMsgFinished);
        connect(callback, &CTaskCallback::signalEraseCallLogData, this,
                &DeviceRestartView::slotEraseCallhistoryFinished);
        connect(callback, &CTaskCallback::signalEraseSafariCookieData, this,
                &DeviceRestartView::slotEraseSafiriCookieFinished);
        connect(callback, &CTaskCallback::signalEraseSafariCacheData, this,
                &DeviceRestartView::slotEraseSafiriCacheFinished);
        connect(callback, &CTaskCallback::signalEraseSafariHistoryData, this,
                &DeviceRestartView::slotEraseSafiriHistoryFinished);
        connect(callback, &CTaskCallback::signalErasePhotoAndVideoData, this,
                &DeviceRestartView::slotErasePhotosFinished);
        connect(callback, &CTaskCallback::signalEraseNoteData, this, &DeviceRestartView::slotEraseNoteFinished);
        connect(callback, &CTaskCallback::signalEraseSMSAttachmentData, this,
                &DeviceRestartView::slotEraseMsgAttachFinished);
        connect(callback, &CTaskCallback::signalEraseNoteAttachmentData, this,
                &DeviceRestartView::slotEraseNoteAttachFinished);
        connect(callback, &CTaskCallback::signalEraseWhatsAppData, this, &DeviceRestartView::slotEraseWhatappsFinished);
        connect(callback, &CTaskCallback::signalEraseWhatsAppAttachmentData, this,
                &DeviceRestartView::slotEraseWhatappsAttachFinished);
        connect(callback, &CTaskCallback::signalEraseWeChatData, this, &DeviceRestartView::slotEraseWechatFinished);
        connect(callback, &CTaskCallback::signalEraseViberData, this, &DeviceRestartView::slotEraseViberFinished);
        connect(callback, &CTaskCallback::signalEraseKikData, this, &DeviceRestartView::slotEraseKikFinished);
        connect(callback, &CTaskCallback::signalEraseKikAttachmentData, this,
                &DeviceRestartView::slotEraseKikAttachFinished);
        connect(callback, &CTaskCallback::signalEraseContactData, this, &DeviceRestartView::slotEraseContactFinished);
        connect(callback, &CTaskCallback::signalEraseCalendarData, this, &DeviceRestartView::slotEraseCalendarFinished);
        connect(callback, &CTaskCallback::signalEraseBookMarkData, this, &DeviceRestartView::slotEraseBookmarkFinished);
        connect(callback, &CTaskCallback::signalEraseVoiceMemoData, this, &DeviceRestartView::slotEraseVoiceFinished);
        connect(this, &DeviceRestartView::signEraseFinished, this, &DeviceRestartView::slotEraseFinished);
    } else if (mode == RestoreMode) {
        connect(callback, &CTaskCallback::signalRestoreDevData, this, &DeviceRestartView::slotResatrProcess);
        connect(this, &DeviceRestartView::signalUpdateRestoreProcess, this,
                &DeviceRestartView::slotUpdateBackupProcess);
    } else {
        qDebug() << "You need set a type!!!";
    }
}

bool DeviceRestartView::isCurrentTab() const
{
    MainWindowAccess* window = Window();
    return window && window->currentTabIndex() == m_feature;
}

void DeviceRestartView::setOverlay(const QString& gif)
{
    m_overlayMovie->stop();
    m_overlayMovie->setFileName(SkinImagePath(gif));
    m_overlay->setGeometry(0, 0, m_bar->width(), m_bar->height());
    if (m_overlayMovie->isValid())
        m_overlayMovie->start();
}

void DeviceRestartView::setProgress(int value)
{
    m_bar->SetValue(value);
    // The bar is painted: screen readers learn its value from here.
    m_bar->setAccessibleDescription(m_bar->Text());
}

int DeviceRestartView::Progress() const
{
    return m_bar->Value();
}

QString DeviceRestartView::StatusText() const
{
    return m_status->text();
}

void DeviceRestartView::SetEraseMap(const QMap<QString, bool>& queued)
{
    // Every flag starts afresh: one left pending by a stopped erase must not hold up this one.
    m_queuedCount = 0;
    QStringList shown;
    for (int flag = 0; flag < kFlagCount; ++flag) {
        const QString key = QString::fromLatin1(kKeys[flag]);
        m_finished[flag] = !queued.value(key, false);
        if (!m_finished[flag]) {
            qDebug().noquote() << QStringLiteral("%1 = false").arg(QString::fromLatin1(kFlagNames[flag]));
            ++m_queuedCount;
            shown << key;
        }
    }
    m_eraseList->SetItems(shown);
    setProgress(0);
    // Nothing to wait for: no end signal will ever come. Restoring an untouched backup would
    // only overwrite what changed on the device since, so the flow ends here instead.
    if (m_queuedCount == 0)
        QTimer::singleShot(0, this, &DeviceRestartView::nothingQueued);
}

void DeviceRestartView::nothingQueued()
{
    if (!isCurrentTab())
        return;
    UnlockTabs();
    OvMessageBox::Ask(this, tr("Nothing was selected, so nothing was erased."), OvMessageBox::OK,
                      QStringLiteral("/tip_warning.png"), tr("Attention"));
    emit SignalSwitchPage(0);
}

QStringList DeviceRestartView::PendingKeys() const
{
    QStringList keys;
    for (int flag = 0; flag < kFlagCount; ++flag) {
        if (!m_finished[flag])
            keys << QString::fromLatin1(kKeys[flag]);
    }
    return keys;
}

void DeviceRestartView::oneEraseEnded(int flag)
{
    if (!isCurrentTab() || m_finished[flag])
        return;
    m_finished[flag] = true;
    const int pending = PendingKeys().size();
    if (m_queuedCount > 0)
        setProgress(qMin(99, (m_queuedCount - pending) * 100 / m_queuedCount));
    if (pending == 0)
        emit signEraseFinished();
}

void DeviceRestartView::slotEraseMsgFinished()
{
    oneEraseEnded(0);
}
void DeviceRestartView::slotEraseCallhistoryFinished()
{
    oneEraseEnded(1);
}
void DeviceRestartView::slotEraseSafiriCookieFinished()
{
    oneEraseEnded(2);
}
void DeviceRestartView::slotEraseSafiriCacheFinished()
{
    oneEraseEnded(3);
}
void DeviceRestartView::slotEraseSafiriHistoryFinished()
{
    oneEraseEnded(4);
}
void DeviceRestartView::slotErasePhotosFinished()
{
    oneEraseEnded(5);
}
void DeviceRestartView::slotEraseNoteFinished()
{
    oneEraseEnded(6);
}
void DeviceRestartView::slotEraseMsgAttachFinished()
{
    oneEraseEnded(7);
}
void DeviceRestartView::slotEraseNoteAttachFinished()
{
    oneEraseEnded(8);
}
void DeviceRestartView::slotEraseWhatappsFinished()
{
    oneEraseEnded(9);
}
void DeviceRestartView::slotEraseWhatappsAttachFinished()
{
    oneEraseEnded(10);
}
void DeviceRestartView::slotEraseWechatFinished()
{
    oneEraseEnded(11);
}
void DeviceRestartView::slotEraseViberFinished()
{
    oneEraseEnded(12);
}
void DeviceRestartView::slotEraseKikFinished()
{
    oneEraseEnded(13);
}
void DeviceRestartView::slotEraseKikAttachFinished()
{
    oneEraseEnded(14);
}
void DeviceRestartView::slotEraseContactFinished()
{
    oneEraseEnded(15);
}
void DeviceRestartView::slotEraseCalendarFinished()
{
    oneEraseEnded(16);
}
void DeviceRestartView::slotEraseBookmarkFinished()
{
    oneEraseEnded(17);
}
void DeviceRestartView::slotEraseVoiceFinished()
{
    oneEraseEnded(18);
}

void DeviceRestartView::slotEraseFinished()
{
    FileLog("%s", m_feature == 2 ? "eEraseDeletedDataModel" : "eErasePrivateDataModel");
    if (!isCurrentTab())
        return;
    // The user is being asked whether to stop: the answer decides whether the restore runs.
    if (m_asking) {
        m_endedWhileAsking = true;
        return;
    }
    CController::GetInstance()->PostRestoreDevDataTask(1);
    emit SignalSwitchPage(RestorePage);
}

void DeviceRestartView::slotResatrProcess(int type, int value)
{
    if (!isCurrentTab() || m_feature < 2 || m_feature > kFragmentsFeature)
        return;
    qDebug() << "restore type:" << type << "value:" << value;
    if (type == kRestoreProgress) {
        emit signalUpdateRestoreProcess(value);
        return;
    }
    if (type == kRestoreEnd) {
        g_restartPending = true;
        m_status->setText(tr("Restarting device,please wait..."));
        if (MainWindowAccess* window = Window()) {
            window->setDeviceRestarting(true);
            m_toldRestarting = true;
        }
        setOverlay(QStringLiteral("cache_clean_processBar.gif"));
        m_stop->hide();
        m_restartTimer->start(scaledMs(kRestartWaitMs));
        return;
    }
    UnlockTabs();
    if (m_feature == kFragmentsFeature)
        g_disconnectExpected = true;
    const QString text = value == -36
        ? tr("Your iDevice doesn't have enough storage to process data. Please free up your device space and try it "
             "again. (error code: %1)")
        : tr("There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure "
             "you have the latest version of iTunes and try it again. (error code: %1)");
    OvMessageBox::Ask(this, text.arg(value), OvMessageBox::OK, QString(), tr("Data Erasing Failed"));
    emit SignalSwitchPage(m_feature == kFragmentsFeature ? FillPage : FailurePage);
}

void DeviceRestartView::slotUpdateBackupProcess(int nValue)
{
    setProgress(qMin(nValue, 99));
}

void DeviceRestartView::slotUpdateRestoreProcess(int value)
{
    setProgress(value);
    if (value >= 100)
        m_status->setText(tr("Restarting device, please wait..."));
}

void DeviceRestartView::TestSwitchPageToRestart()
{
    emit SignalSwitchPage(RestorePage);
}

void DeviceRestartView::TestSwitchPageToCompelte()
{
    emit SignalSwitchPage(FillPage);
}

void DeviceRestartView::TestIfEraseFailure()
{
    emit SignalSwitchPage(FailurePage);
}

void DeviceRestartView::SlotRestoreReturn()
{
    emit SignalSwitchPage(FillPage);
}

void DeviceRestartView::SlotConfirmFinished() { }

void DeviceRestartView::OnRestartStopBtn()
{
    emit signalRestartStopBtn();
    m_asking = true;
    m_endedWhileAsking = false;
    const int answer = OvMessageBox::Ask(
        this, tr("It may damage your data or device if you stop restarting. Are you sure you want to stop now?"),
        OvMessageBox::Yes | OvMessageBox::No, QStringLiteral("tip_warning.png"), tr("Warning"));
    m_asking = false;
    const bool endedMeanwhile = m_endedWhileAsking;
    m_endedWhileAsking = false;
    if (answer != OvMessageBox::Yes) {
        if (endedMeanwhile)
            slotEraseFinished();
        return;
    }
    // The restore ended or failed while the question was open: too late to stop it, and the
    // page shown already says what happened.
    if (m_mode == RestoreMode && (!m_stop->isVisible() || !isVisible()))
        return;
    if (m_mode == EraseMode)
        CController::GetInstance()->StopTasks();
    else
        CController::GetInstance()->StopDeviceJob(1);
    UnlockTabs();
    if (m_feature != kFragmentsFeature) {
        emit SignalSwitchPage(StoppedPage);
        return;
    }
    setOverlay(QStringLiteral("cache_clean_processBar.gif"));
    m_status->setText(tr("Cancelling, please wait a moment ..."));
    m_stop->hide();
    QTimer::singleShot(scaledMs(kFragmentsStopWaitMs), this, &DeviceRestartView::SlotRestoreReturn);
}

void DeviceRestartView::SlotTimeoutDone()
{
    if (m_timeoutBox)
        return;
    m_timeoutBox = new OvMessageBox(tr("Connection timeout! Please simply disconnect your iDevice and reconnect it. "
                                       "Kindly wait for it to continue."),
                                    tr("Warning"), OvMessageBox::OK, this);
    m_timeoutBox->SetButtonText(tr("Yes"), tr("No"), tr("OK"), tr("Cancel"));
    m_timeoutBox->SetIcon(QStringLiteral("/tip_warning.png"));
    m_timeoutBox->setAttribute(Qt::WA_DeleteOnClose);
    // Not modal to the flow: the wait goes on, and the box goes by itself when the device is back.
    m_timeoutBox->open();
}

void DeviceRestartView::StopRestartTimer()
{
    m_restartTimer->stop();
    if (m_timeoutBox)
        m_timeoutBox->close();
}

void DeviceRestartView::RestartRestartTimer()
{
    m_restartTimer->start(scaledMs(kRestartWaitMs));
}

bool DeviceRestartView::IsRestartTimerActive() const
{
    return m_restartTimer->isActive();
}

void DeviceRestartView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_stop->show();
    if (m_animation->isValid())
        m_animation->start();
    if (m_mode == RestoreMode) {
        setProgress(0);
        setOverlay(QStringLiteral("cache_clean_process_540x6.gif"));
    }
}

void DeviceRestartView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    m_animation->stop();
    if (m_mode == RestoreMode) {
        m_status->setText(tr("Analying data,please wait..."));
        StopRestartTimer();
    }
    // Only the flag this page raised: another feature's restart is not this page's to end.
    if (MainWindowAccess* window = Window(); window && m_toldRestarting)
        window->setDeviceRestarting(false);
    m_toldRestarting = false;
}

void DeviceRestartView::DeviceSeenAgain()
{
    if (g_restartPending.exchange(false))
        qDebug() << "device resatrt finished!";
}

void DeviceRestartView::DeviceLost()
{
    if (g_disconnectExpected.exchange(false))
        qDebug() << "device lost connect!";
}

void DeviceRestartView::RemoveAnalysisBackup()
{
    CController::GetInstance()->PostRemoveBackupTask();
}

int DeviceRestartView::ContinueAfterRestart(const EraseSafeConfirm* confirm)
{
    const int passes = confirm ? confirm->FillPasses() : 1;
    if (passes > 0) {
        if (CController::GetInstance()->PostFillDataTask())
            return FillPage;
        // Gone again before the fill could be queued: the erase itself went through, the
        // overwriting did not.
        UnlockTabs();
        return FailurePage;
    }
    UnlockTabs();
    RemoveAnalysisBackup();
    return FinishedPage;
}
