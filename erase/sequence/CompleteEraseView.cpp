#include "CompleteEraseView.h"

#include "AppStyle.h"
#include "CController.h"
#include "CTaskCallback.h"
#include "DeviceRestartView.h"
#include "Durations.h"
#include "EraseSafeConfirm.h"
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
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kFillProgress = 14;
constexpr int kFillEnd = 12;
constexpr int kStuckAt99Ms = 300000;
constexpr int kFragmentsFeature = 4;

enum Page : int { StoppedPage = 7, FailurePage = 8, FinishedPage = 9 };

void UnlockTabs()
{
    if (MainWindowAccess* window = MainWindowAccess::instance())
        window->enableTabs(true);
}

} // namespace

CompleteEraseView::CompleteEraseView(int feature, EraseSafeConfirm* confirm, QWidget* parent)
    : QWidget(parent)
    , m_feature(feature)
    , m_confirm(confirm)
{
    setObjectName(QStringLiteral("completeEraseView"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    const AppStyle& style = AppStyle::instance();

    auto* device = new QLabel(this);
    device->setPixmap(SkinPixmap(QStringLiteral("device_mini.png")));
    device->setAccessibleName(tr("Device"));
    auto* animation = new QLabel(this);
    animation->setFixedSize(160, 160);
    m_animation = new QMovie(SkinImagePath(QStringLiteral("fill_process_gif.gif")), QByteArray(), this);
    if (m_animation->isValid())
        animation->setMovie(m_animation);

    auto* tip = new QLabel(this);
    tip->setPixmap(SkinPixmap(QStringLiteral("tip_erase.png")));
    auto* title = new QLabel(tr("Start unrecoverable erasing   "), this);
    title->setObjectName(QStringLiteral("fillTitle"));
    title->setFont(style.font(13));
    title->setStyleSheet(QStringLiteral("color:#3c4449;"));

    auto* first
        = new QLabel(tr("1. You may get the notice &quot;Storage Almost Full&quot; prompt on the device. Please "
                        "don't worry, tap &quot;Done&quot; to continue."),
                     this);
    first->setTextFormat(Qt::RichText);
    first->setWordWrap(true);
    auto* second = new QLabel(tr("2. Please don't disconnect the device."), this);
    for (QLabel* note : { first, second }) {
        note->setFont(style.font(0));
        note->setStyleSheet(QStringLiteral("color:#616c72;"));
    }

    m_bar = new OvStyleProgressBar(this);
    m_bar->setObjectName(QStringLiteral("fillProgress"));
    m_bar->setAccessibleName(tr("Progress"));
    m_bar->setFixedWidth(480);
    m_percent = new QLabel(this);
    m_percent->setObjectName(QStringLiteral("fillPercent"));
    m_percent->setFont(style.font(9));

    m_stop = new OvCustomNOButton(tr("Stop"), this);
    m_stop->setObjectName(QStringLiteral("fillStopButton"));
    m_stop->SetImages(QStringLiteral("stop_button_normal.png"), QStringLiteral("stop_button_hover.png"),
                      QStringLiteral("stop_button_pressing.png"), QString(), QString());
    m_stop->SetButtonFixedSize(60, 21);
    connect(m_stop, &QPushButton::clicked, this, &CompleteEraseView::OnFillDataStopBtn);

    m_stuckTimer = new QTimer(this);
    m_stuckTimer->setSingleShot(true);
    connect(m_stuckTimer, &QTimer::timeout, this, &CompleteEraseView::SetSendFinishedSignal);

    auto* pictures = new QHBoxLayout;
    pictures->addStretch();
    pictures->addWidget(device, 0, Qt::AlignVCenter);
    pictures->addSpacing(20);
    pictures->addWidget(animation);
    pictures->addStretch();
    auto* heading = new QHBoxLayout;
    heading->addWidget(tip);
    heading->addWidget(title, 1);
    auto* progress = new QHBoxLayout;
    progress->addWidget(m_bar, 1);
    progress->addWidget(m_percent);
    progress->addWidget(m_stop);
    auto* column = new QVBoxLayout;
    column->setSpacing(10);
    column->addLayout(heading);
    column->addLayout(progress);
    column->addWidget(first);
    column->addWidget(second);
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(column, 4);
    centred->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addStretch();
    layout->addLayout(pictures);
    layout->addSpacing(16);
    layout->addLayout(centred);
    layout->addStretch();

    connect(CTaskCallback::GetInstance(), &CTaskCallback::signalFillDataSignal, this,
            &CompleteEraseView::SlotEraseConducting);
    connect(this, &CompleteEraseView::signalUpdateFillProcess, this, &CompleteEraseView::slotUpdateFillProcess);
    // A fill that stays at 99 for five minutes has written what it can; the fragments model
    // decides for itself.
    if (feature != kFragmentsFeature)
        connect(this, &CompleteEraseView::signalFillDataFinished, this, &CompleteEraseView::SignalEraseSuccess);
    reset();
}

int CompleteEraseView::Progress() const
{
    return m_bar->Value();
}

QString CompleteEraseView::PercentText() const
{
    return m_percent->text();
}

void CompleteEraseView::reset()
{
    m_bar->SetValue(0);
    m_percent->setText(tr("0 %"));
    m_secondPass = false;
    m_stuckTimer->stop();
}

void CompleteEraseView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    reset();
    m_stopped = false;
    if (m_animation->isValid())
        m_animation->start();
}

void CompleteEraseView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    // The stopped flag stays until the page is shown again, so that a fill end already on
    // its way cannot turn a stop into "finished".
    reset();
    m_animation->stop();
}

void CompleteEraseView::SlotEraseConducting(int type, int value)
{
    MainWindowAccess* window = MainWindowAccess::instance();
    if (m_feature == kFragmentsFeature || !window || window->currentTabIndex() != m_feature || m_stopped)
        return;
    qDebug() << "<<<<<<type >>>>> " << type << "value ====== >" << value;
    const int passes = m_confirm ? m_confirm->FillPasses() : 1;
    if (type == kFillProgress) {
        const int shown = passes == 2 ? value / 2 + (m_secondPass ? 50 : 0) : value;
        emit signalUpdateFillProcess(shown);
        return;
    }
    if (type == kFillEnd) {
        if (passes == 2 && !m_secondPass) {
            CController::GetInstance()->PostFillDataTask();
            m_secondPass = true;
            return;
        }
        SignalEraseSuccess();
        return;
    }
    UnlockTabs();
    OvMessageBox::Ask(this, tr("Sorry, Fill failed!(error code: %1)").arg(value), OvMessageBox::OK, QString(),
                      tr("warning"));
    emit SignalSwitchPage(FailurePage);
}

void CompleteEraseView::slotUpdateFillProcess(int value)
{
    const int shown = qBound(0, value, 100);
    m_bar->SetValue(shown);
    m_percent->setText(tr("%1 %").arg(shown));
    m_bar->setAccessibleDescription(m_percent->text());
    if (shown == 99 && !m_stuckTimer->isActive())
        m_stuckTimer->start(scaledMs(kStuckAt99Ms));
    else if (shown != 99)
        m_stuckTimer->stop();
}

void CompleteEraseView::SetSendFinishedSignal()
{
    if (!m_stopped)
        emit signalFillDataFinished();
}

void CompleteEraseView::SignalEraseSuccess()
{
    m_stuckTimer->stop();
    UnlockTabs();
    if (m_feature != kFragmentsFeature)
        DeviceRestartView::RemoveAnalysisBackup();
    emit SignalSwitchPage(FinishedPage);
}

void CompleteEraseView::OnFillDataStopBtn()
{
    emit signalFillDataStopBtn();
    const int answer
        = OvMessageBox::Ask(this,
                            tr("It may damage your data or device if you stop the unrecoverable erasing "
                               "process. Are you sure you want to stop now?"),
                            OvMessageBox::OK | OvMessageBox::Cancel, QStringLiteral("/tip_warning.png"), tr("Warning"));
    // The fill ended or failed while the question was open: the page shown says so already.
    if (answer != OvMessageBox::OK || !isVisible())
        return;
    CController::GetInstance()->StopDeviceJob(2);
    UnlockTabs();
    m_stopped = true;
    m_stuckTimer->stop();
    emit SignalSwitchPage(StoppedPage);
}
