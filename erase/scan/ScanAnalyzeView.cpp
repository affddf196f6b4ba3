#include "ScanAnalyzeView.h"

#include "AppStyle.h"
#include "CController.h"
#include "CTaskCallback.h"
#include "Durations.h"
#include "MainWindowAccess.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"
#include "OvStyleProgressBar.h"
#include "ScanCategory.h"
#include "SkinImage.h"
#include "ovdriver.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kReturnAfterStopMs = 5000;
constexpr int kStoppedOnRequest = 1003;

void Unlock(bool enable)
{
    if (MainWindowAccess* window = MainWindowAccess::instance())
        window->enableTabs(enable);
}

QMovie* LoopingMovie(QLabel* label, const QString& gif)
{
    auto* movie = new QMovie(label);
    if (SkinImageExists(gif)) {
        movie->setFileName(SkinImagePath(gif));
        label->setMovie(movie);
    }
    return movie;
}

} // namespace

ScanAnalyzeView::ScanAnalyzeView(int feature, QWidget* parent)
    : QWidget(parent)
    , m_feature(feature)
{
    setObjectName(QStringLiteral("scanAnalyzeView"));
    const AppStyle& style = AppStyle::instance();

    m_animationLabel = new QLabel(this);
    m_animationLabel->setObjectName(QStringLiteral("analyzeAnimation"));
    m_animationLabel->setAlignment(Qt::AlignCenter);
    m_animation = LoopingMovie(m_animationLabel, QStringLiteral("erase_analyzing.gif"));
    m_device = new QLabel(this);
    m_device->setObjectName(QStringLiteral("analyzeDevice"));
    m_device->setAlignment(Qt::AlignCenter);
    m_device->setPixmap(SkinPixmap(QStringLiteral("device_mini.png")));

    m_bar = new OvStyleProgressBar(this);
    m_bar->setObjectName(QStringLiteral("analyzeProgress"));
    m_bar->setAccessibleName(tr("Analysis progress"));
    m_overlayLabel = new QLabel(this);
    m_overlayLabel->setObjectName(QStringLiteral("analyzeProgressOverlay"));
    m_overlay = new QMovie(m_overlayLabel);
    SetOverlay(QStringLiteral("cache_clean_process_540x6.gif"));

    m_status = new QLabel(tr("Loading data, please wait..."), this);
    m_status->setObjectName(QStringLiteral("analyzeStatus"));
    m_status->setFont(style.font(10));
    m_status->setAlignment(Qt::AlignCenter);

    m_stop = new OvCustomNOButton(this);
    m_stop->setObjectName(QStringLiteral("analyzeStopButton"));
    m_stop->SetImageSet(OvCustomNOButton::StopImages);
    m_stop->SetButtonText(tr("Stop"));
    m_stop->SetButtonFixedSize(60, 21);
    connect(m_stop, &QPushButton::clicked, this, &ScanAnalyzeView::OnClickedAnalyzeStopBtn);

    m_returnTimer = new QTimer(this);
    m_returnTimer->setSingleShot(true);
    connect(m_returnTimer, &QTimer::timeout, this, &ScanAnalyzeView::SlotReturnHome);

    auto* barRow = new QHBoxLayout;
    barRow->addStretch();
    barRow->addWidget(m_bar, 4);
    barRow->addWidget(m_stop);
    barRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addStretch();
    layout->addWidget(m_animationLabel);
    layout->addWidget(m_device);
    layout->addSpacing(20);
    layout->addLayout(barRow);
    layout->addWidget(m_overlayLabel, 0, Qt::AlignHCenter);
    layout->addWidget(m_status);
    layout->addStretch();

    if (feature == 2 || feature == 3) {
        connect(CTaskCallback::GetInstance(), &CTaskCallback::signalBackupDevData, this,
                &ScanAnalyzeView::ShowDevTaskInitEnd, Qt::UniqueConnection);
        connect(this, &ScanAnalyzeView::signalUpdateBackupProcess, this, &ScanAnalyzeView::slotUpdateBackupProcess,
                Qt::UniqueConnection);
    }
}

int ScanAnalyzeView::progress() const
{
    return m_bar->Value();
}

QString ScanAnalyzeView::statusText() const
{
    return m_status->text();
}

QString ScanAnalyzeView::FailureText(int code)
{
    switch (code) {
    case kStoppedOnRequest:
        return QString();
    case -38:
        return tr("It failed to analyze your device. Please set up your iDevice first. Make sure you can access the "
                  "Home screen and try it again. (error code: %1)")
            .arg(code);
    case -36:
        return tr("Your PC doesn't have enough storage for data processing. Please free up space in the disk which "
                  "has the most available space and try it again. (error code: %1)")
            .arg(code);
    case -19:
        return tr("Please unlock your device and tap \"Trust\" from the pop-up alert on your device before you "
                  "continue. (error code: %1)")
            .arg(code);
    case -10:
        return tr("Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error "
                  "code: %1)")
            .arg(code);
    default:
        return tr("There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make "
                  "sure you have the latest version of iTunes and try it again. (error code: %1)")
            .arg(code);
    }
}

void ScanAnalyzeView::SetOverlay(const QString& gif)
{
    m_overlay->stop();
    if (SkinImageExists(gif)) {
        m_overlay->setFileName(SkinImagePath(gif));
        m_overlayLabel->setMovie(m_overlay);
        if (isVisible())
            m_overlay->start();
    }
    m_overlayLabel->setProperty("gif", gif);
}

bool ScanAnalyzeView::concernsMe() const
{
    MainWindowAccess* window = MainWindowAccess::instance();
    // A backup of the other erase feature, or one that ends after the user left this page
    // (the device went away, say), is not this page's business.
    return (m_feature == 2 || m_feature == 3) && window && window->currentTabIndex() == m_feature && !isHidden();
}

void ScanAnalyzeView::ShowDevTaskInitEnd(int type, int nParam)
{
    if (!concernsMe())
        return;
    qDebug() << "=======================type:" << type << "===========================nParam:" << nParam;
    switch (type) {
    case OV_NOTIFY_BACKUP_END:
        Unlock(true);
        if (m_stopping) {
            // The backup ended just as the user stopped it: nothing is loaded.
            SlotReturnHome();
            return;
        }
        Unlock(false);
        if (!PostLoads()) {
            CController::GetInstance()->StopTasks();
            Unlock(true);
            emit SignalSwitchPage(0);
            return;
        }
        emit SignalInitScanResult();
        emit SignalSwitchPage(2);
        return;
    case OV_NOTIFY_BACKUP_FAILED: {
        Unlock(true);
        emit SignalSwitchPage(0);
        const QString text = FailureText(nParam);
        if (!text.isEmpty())
            OvMessageBox::Ask(window(), text, OvMessageBox::OK, QString(), tr("Data Analysis Failed"));
        return;
    }
    default:
        emit signalUpdateBackupProcess(nParam);
        return;
    }
}

bool ScanAnalyzeView::PostLoads()
{
    CController* controller = CController::GetInstance();
    for (ScanCategory::Load load : ScanCategory::Loads(m_feature)) {
        bool posted = false;
        switch (load) {
        case ScanCategory::LoadSMS:
            posted = controller->PostLoadSMSDataTask();
            break;
        case ScanCategory::LoadPhoto:
            posted = controller->PostLoadPhotoAndVideoDataTask();
            break;
        case ScanCategory::LoadNote:
            posted = controller->PostLoadNoteDataTask();
            break;
        case ScanCategory::LoadCallLog:
            posted = controller->PostLoadCallLogDataTask();
            break;
        case ScanCategory::LoadWhatsApp:
            posted = controller->PostLoadWhatsAppDataTask();
            break;
        case ScanCategory::LoadSafariHistory:
            posted = controller->PostLoadSafariHistoryDataTask();
            break;
        case ScanCategory::LoadSafariCookie:
            posted = controller->PostLoadSafariCookieDataTask();
            break;
        case ScanCategory::LoadSafariCache:
            posted = controller->PostLoadSafariCacheDataTask();
            break;
        case ScanCategory::LoadViber:
            posted = controller->PostLoadViberDataTask();
            break;
        case ScanCategory::LoadKik:
            posted = controller->PostLoadKikDataTask();
            break;
        case ScanCategory::LoadWeChat:
            posted = controller->PostLoadWeChatDataTask();
            break;
        case ScanCategory::LoadCalendar:
            posted = controller->PostLoadCallendarDataTask();
            break;
        case ScanCategory::LoadBookmark:
            posted = controller->PostLoadBookMarkDataTask();
            break;
        case ScanCategory::LoadVoice:
            posted = controller->PostLoadVoiceMemosDataTask();
            break;
        default:
            break;
        }
        if (!posted)
            return false;
    }
    return true;
}

void ScanAnalyzeView::OnClickedAnalyzeStopBtn()
{
    if (m_stopping)
        return;
    const int answer
        = OvMessageBox::Ask(window(), tr("If you stop analyzing, no data will be scanned. Are you sure to stop?"),
                            OvMessageBox::Yes | OvMessageBox::No);
    // The backup may have ended while the question was open.
    if (answer != OvMessageBox::Yes || isHidden())
        return;
    m_stopping = true;
    SetOverlay(QStringLiteral("cache_clean_processBar.gif"));
    m_status->setText(tr("Cancelling, please wait a moment ..."));
    m_stop->hide();
    CController::GetInstance()->StopDeviceJob(0);
    emit signalAnalyzeStop();
    m_returnTimer->start(scaledMs(kReturnAfterStopMs));
}

void ScanAnalyzeView::slotUpdateBackupProcess(int value)
{
    // The bar never reads 100 before the loads have run.
    m_bar->SetValue(qBound(0, value, 99));
}

void ScanAnalyzeView::slotSwitchToResult()
{
    m_bar->SetValue(0);
    emit SignalSwitchPage(2);
}

void ScanAnalyzeView::SlotReturnHome()
{
    m_returnTimer->stop();
    Unlock(true);
    m_bar->SetValue(1);
    emit SignalSwitchPage(0);
}

void ScanAnalyzeView::SlotInitData()
{
    m_bar->SetValue(0);
}

void ScanAnalyzeView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_bar->SetValue(0);
    m_animation->start();
    m_overlay->start();
}

void ScanAnalyzeView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!isHidden())
        return; // the window was minimised, the page is still current
    // Whoever took the page away (a failure, the device leaving) has dealt with the tabs: a
    // late return must not unlock them for a device that is gone.
    m_returnTimer->stop();
    m_stopping = false;
    m_bar->SetValue(1);
    m_status->setText(tr("Loading data, please wait..."));
    m_stop->show();
    SetOverlay(QStringLiteral("cache_clean_process_540x6.gif"));
    m_animation->stop();
    m_overlay->stop();
}
