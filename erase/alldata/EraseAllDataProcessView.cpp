#include "EraseAllDataProcessView.h"

#include "CController.h"
#include "Durations.h"
#include "ErasePageParts.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"
#include "OvStyleProgressBar.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QShowEvent>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kBarWidth = 540;
// How long a stopped device job is given to end before the page reports the stop.
constexpr int kStopGraceMs = 5000;

} // namespace

EraseAllDataProcessView::EraseAllDataProcessView(int mode, QWidget* parent)
    : QWidget(parent)
    , m_mode(mode == RestartMode ? RestartMode : ScanMode)
{
    setObjectName(m_mode == ScanMode ? QStringLiteral("eraseAllProcessView") : QStringLiteral("eraseAllRestartView"));
    QLabel* device = MakeErasePicture(QStringLiteral("processDevice"), QStringLiteral("/device_mini.png"), this);
    m_animation = MakeEraseMovie(QStringLiteral("processAnimation"),
                                 m_mode == ScanMode ? QStringLiteral("/erase_analyzing.gif")
                                                    : QStringLiteral("/erase_process.gif"),
                                 m_animationMovie, this);
    m_status = MakeEraseText(QStringLiteral("processStatus"), QString(), 16, this);
    m_status->setAlignment(Qt::AlignCenter);
    m_bar = new OvStyleProgressBar(this);
    m_bar->setObjectName(QStringLiteral("processBar"));
    m_bar->setAccessibleName(tr("Erase progress"));
    m_bar->setFixedWidth(kBarWidth);
    m_overlay = MakeEraseMovie(QStringLiteral("processOverlay"), QStringLiteral("/cache_clean_processBar.gif"),
                               m_overlayMovie, this);
    m_overlay->setFixedSize(kBarWidth, 6);
    m_clock = MakeEraseText(QStringLiteral("processClock"), QString(), 13, this);
    m_clock->setAlignment(Qt::AlignCenter);
    m_stop = MakeEraseStopButton(QStringLiteral("processStopButton"), tr("Stop"), this);
    connect(m_stop, &QPushButton::clicked, this, &EraseAllDataProcessView::slotStop);

    m_backupClock = new QTimer(this);
    m_backupClock->setObjectName(QStringLiteral("processClockTimer"));
    connect(m_backupClock, &QTimer::timeout, this, &EraseAllDataProcessView::slotUpdateBackupTime);
    m_returnTimer = new QTimer(this);
    m_returnTimer->setSingleShot(true);
    connect(m_returnTimer, &QTimer::timeout, this, &EraseAllDataProcessView::SlotEraseReturnHome);

    auto* pictures = new QHBoxLayout;
    pictures->addStretch();
    pictures->addWidget(device);
    pictures->addWidget(m_animation);
    pictures->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addStretch(3);
    layout->addLayout(pictures);
    layout->addSpacing(24);
    layout->addWidget(m_status);
    layout->addSpacing(14);
    layout->addWidget(m_bar, 0, Qt::AlignHCenter);
    layout->addWidget(m_overlay, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(m_clock);
    layout->addSpacing(18);
    layout->addWidget(m_stop, 0, Qt::AlignHCenter);
    layout->addStretch(4);

    ResetView();
}

int EraseAllDataProcessView::Progress() const
{
    return m_bar->Value();
}

QString EraseAllDataProcessView::StatusText() const
{
    return m_status->text();
}

void EraseAllDataProcessView::setBar(int percent)
{
    m_bar->SetValue(percent);
    // The painted bar is no progress bar to assistive technology: it reads this instead.
    m_bar->setAccessibleDescription(m_bar->Text());
}

void EraseAllDataProcessView::setStatus(const QString& text)
{
    m_status->setText(text);
    // Screen readers announce the page's state by this name.
    m_status->setAccessibleName(text);
}

void EraseAllDataProcessView::showWorkingAnimation(bool play)
{
    // The device does not report how far a restart has come: a moving bar instead of one
    // that stands still.
    const bool moving = m_mode == RestartMode || m_stopping;
    m_bar->setVisible(!moving);
    m_overlay->setVisible(moving);
    if (play && moving && m_overlayMovie->isValid())
        m_overlayMovie->start();
    else if (!moving)
        m_overlayMovie->stop();
}

void EraseAllDataProcessView::ResetView()
{
    m_returnTimer->stop();
    m_stopping = false;
    m_erasing = false;
    setBar(1);
    setStatus(m_mode == ScanMode ? tr("Scanning, please wait...") : tr("Restarting device, please wait..."));
    m_stop->show();
    showWorkingAnimation(isVisible());
}

void EraseAllDataProcessView::ShowErasing()
{
    if (m_stopping || m_erasing)
        return;
    m_erasing = true;
    setStatus(tr("Erasing, please wait..."));
    setBar(1);
}

void EraseAllDataProcessView::SetProgress(int percent)
{
    if (!m_stopping)
        setBar(qBound(0, percent, 100));
}

void EraseAllDataProcessView::slotStop()
{
    if (m_stopping)
        return;
    const QString text = m_mode == ScanMode
        ? tr("It may damage your data or device, if you stop. Are you sure you want to stop now?")
        : tr("It may damage your data or device if you stop restarting. Are you sure you want to stop now?");
    // The box runs its own event loop: the job may end, and this page go away, meanwhile.
    QPointer<EraseAllDataProcessView> self(this);
    const int answer = OvMessageBox::Ask(this, text, OvMessageBox::OK | OvMessageBox::Cancel,
                                         QStringLiteral("/tip_warning.png"), tr("Warning"));
    if (!self || answer != OvMessageBox::OK || !isVisible() || m_stopping)
        return;
    m_stopping = true;
    SetEraseMovie(m_overlay, m_overlayMovie, QStringLiteral("cache_clean_processBar.gif"), true);
    showWorkingAnimation(true);
    setStatus(tr("Cancelling, please wait a moment ..."));
    m_stop->hide();
    CController::GetInstance()->StopDeviceJob(0);
    emit SignalStopConfirmed();
    m_returnTimer->start(scaledMs(kStopGraceMs));
}

void EraseAllDataProcessView::slotUpdateBackupTime()
{
    ++m_seconds;
    m_clock->setText(QTime(0, 0).addSecs(m_seconds).toString(QStringLiteral("hh:mm:ss")));
}

void EraseAllDataProcessView::slotScanDataProcess(int value)
{
    if (m_stopping)
        return;
    if (value >= 100) {
        ShowErasing();
        return;
    }
    if (!m_erasing)
        setBar(qBound(0, value, 99));
}

void EraseAllDataProcessView::slotEraseDataProcess(int value)
{
    if (m_stopping)
        return;
    setBar(qBound(0, value, 100));
    setStatus(value >= 100 ? tr("Scanning, please wait...") : tr("Erasing, please wait..."));
}

void EraseAllDataProcessView::SlotEraseReturnHome()
{
    m_stopping = false;
    setBar(1);
    setStatus(tr("Scanning, please wait..."));
    m_stop->show();
    showWorkingAnimation(isVisible());
    emit SignalBackupStop(3);
}

void EraseAllDataProcessView::BackupStopTime()
{
    m_backupClock->stop();
}

void EraseAllDataProcessView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        m_seconds = 0;
        m_clock->setText(QTime(0, 0).toString(QStringLiteral("hh:mm:ss")));
    }
    m_backupClock->start(scaledMs(1000));
    if (m_animationMovie->isValid())
        m_animationMovie->start();
    showWorkingAnimation(true);
}

void EraseAllDataProcessView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    BackupStopTime();
    m_animationMovie->stop();
    m_overlayMovie->stop();
    // Left for another page (the job ended, the device left): a stop still waiting must
    // not move the model away from that page later.
    if (m_stopping)
        ResetView();
}
