#include "FillDataProcessView.h"

#include "Durations.h"
#include "ErasePageParts.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"
#include "OvStyleProgressBar.h"
#include "SkinImage.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPointer>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kStartMinutes = 60;
constexpr int kMinuteMs = 60000;
constexpr int kWaitAt99Ms = 300000;

} // namespace

FillDataProcessView::FillDataProcessView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fillDataProcessView"));
    QLabel* background
        = MakeErasePicture(QStringLiteral("fillBackground"), QStringLiteral("/erasing_all_the free_bg.png"), this);
    QLabel* title = MakeEraseText(QStringLiteral("fillTitle"), QString(), 20, this);
    title->setTextFormat(Qt::RichText);
    title->setText(QStringLiteral("<b>%1</b>").arg(tr("Overwriting all personal data").toHtmlEscaped()));
    title->setAccessibleName(tr("Overwriting all personal data"));
    title->setAlignment(Qt::AlignCenter);

    m_bar = new OvStyleProgressBar(this);
    m_bar->setObjectName(QStringLiteral("fillBar"));
    m_bar->setAccessibleName(tr("Overwriting all personal data"));
    m_bar->setFixedWidth(480);
    m_percent = MakeEraseText(QStringLiteral("fillPercent"), QString(), 15, this);
    m_percent->setWordWrap(false);
    m_estimate = MakeEraseText(QStringLiteral("fillEstimate"), QString(), 13, this);
    m_estimate->setAlignment(Qt::AlignCenter);

    auto* tips = new QVBoxLayout;
    QLabel* tipIcon = MakeErasePicture(QStringLiteral("fillTipIcon"), QStringLiteral("/tip_erase.png"), this);
    tips->addWidget(tipIcon, 0, Qt::AlignLeft);
    tips->addWidget(
        MakeEraseText(QStringLiteral("fillTip1"),
                      tr("1. You may see a \"Storage Almost Full\" prompt on the device. Please don't worry, "
                         "tap \u201cDone\u201d to continue."),
                      13, this));
    tips->addWidget(
        MakeEraseText(QStringLiteral("fillTip2"), tr("2. Please don\u2019t disconnect the device."), 13, this));

    m_stop = MakeEraseStopButton(QStringLiteral("fillStopButton"), tr("Stop"), this);
    connect(m_stop, &QPushButton::clicked, this, &FillDataProcessView::slotStop);

    m_minuteTimer = new QTimer(this);
    m_minuteTimer->setObjectName(QStringLiteral("fillMinuteTimer"));
    connect(m_minuteTimer, &QTimer::timeout, this, &FillDataProcessView::slotUpdateFillTime);
    m_finishTimer = new QTimer(this);
    m_finishTimer->setObjectName(QStringLiteral("fillFinishTimer"));
    m_finishTimer->setSingleShot(true);
    connect(m_finishTimer, &QTimer::timeout, this, &FillDataProcessView::setSendFinishedSignal);

    auto* barRow = new QHBoxLayout;
    barRow->addStretch();
    barRow->addWidget(m_bar);
    barRow->addWidget(m_percent);
    barRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 30, 60, 30);
    layout->addStretch(2);
    layout->addWidget(background, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(title);
    layout->addSpacing(16);
    layout->addLayout(barRow);
    layout->addWidget(m_estimate);
    layout->addSpacing(16);
    layout->addLayout(tips);
    layout->addSpacing(16);
    layout->addWidget(m_stop, 0, Qt::AlignHCenter);
    layout->addStretch(3);

    Reset();
    m_minuteTimer->stop();
}

void FillDataProcessView::Reset()
{
    m_stopped = false;
    m_finishTimer->stop();
    m_minutes = kStartMinutes;
    m_estimate->setText(tr("Estimated time: 60 minutes"));
    m_bar->SetValue(0);
    m_percent->setText(tr("%1 %").arg(0));
    m_stop->show();
    m_minuteTimer->start(scaledMs(kMinuteMs));
}

void FillDataProcessView::SetProgress(int percent)
{
    if (m_stopped)
        return;
    const int value = qBound(0, percent, 100);
    m_bar->SetValue(value);
    m_percent->setText(tr("%1 %").arg(value));
    m_bar->setAccessibleDescription(m_percent->text());
    if (value >= 99 && !m_finishTimer->isActive())
        m_finishTimer->start(scaledMs(kWaitAt99Ms));
}

int FillDataProcessView::Progress() const
{
    return m_bar->Value();
}

QString FillDataProcessView::PercentText() const
{
    return m_percent->text();
}

QString FillDataProcessView::EstimateText() const
{
    return m_estimate->text();
}

bool FillDataProcessView::IsWaitingAt99() const
{
    return m_finishTimer->isActive();
}

void FillDataProcessView::showMinutes()
{
    m_estimate->setText(m_minutes <= 1 ? tr("Estimated time: 1 minutes")
                                       : tr("Estimated time: %1 minutes").arg(m_minutes));
}

void FillDataProcessView::slotUpdateFillTime()
{
    m_minutes = qMax(1, m_minutes - 1);
    showMinutes();
    if (m_minutes == 1)
        m_minuteTimer->stop();
}

void FillDataProcessView::setSendFinishedSignal()
{
    if (!m_stopped)
        emit signalFillDataFinished();
}

void FillDataProcessView::slotStop()
{
    if (m_stopped)
        return;
    // The box runs its own event loop: the fill may end, and this page go away, meanwhile.
    QPointer<FillDataProcessView> self(this);
    const int answer
        = OvMessageBox::Ask(this,
                            tr("It may damage your data or device if you stop the unrecoverable erasing "
                               "process. Are you sure you want to stop now?"),
                            OvMessageBox::Yes | OvMessageBox::No, QStringLiteral("/tip_warning.png"), tr("Warning"));
    if (!self || answer != OvMessageBox::Yes || !isVisible() || m_stopped)
        return;
    m_stopped = true;
    m_minuteTimer->stop();
    m_finishTimer->stop();
    m_stop->hide();
    emit SignalFillStop(10);
}

void FillDataProcessView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Reset();
}

void FillDataProcessView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    m_minuteTimer->stop();
    m_finishTimer->stop();
}
