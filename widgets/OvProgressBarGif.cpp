#include "OvProgressBarGif.h"

#include "AppStyle.h"
#include "Durations.h"
#include "OvStyleProgressBar.h"
#include "SkinImage.h"

#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kMinuteMs = 60000;
constexpr int kBarHeight = 20;

} // namespace

OvProgressBarGif::OvProgressBarGif(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("progressBarGif"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    m_animationLabel = new QLabel(this);
    m_animationLabel->setObjectName(QStringLiteral("progressAnimation"));
    m_animationLabel->setFixedHeight(kBarHeight);
    m_animationLabel->setAlignment(Qt::AlignCenter);
    m_animationLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(m_animationLabel);

    m_bar = new OvStyleProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setFixedHeight(kBarHeight);
    m_bar->hide();
    layout->addWidget(m_bar);

    m_timeLabel = new QLabel(this);
    m_timeLabel->setObjectName(QStringLiteral("progressTimeLabel"));
    m_timeLabel->setAlignment(Qt::AlignCenter);
    m_timeLabel->setFont(AppStyle::instance().font(0));
    m_timeLabel->setStyleSheet(QStringLiteral("color: rgb(97,108,114);"));
    m_timeLabel->hide();
    layout->addWidget(m_timeLabel);

    m_movie = new QMovie(this);
    m_timer = new QTimer(this);
    m_timer->setInterval(scaledMs(kMinuteMs));
    connect(m_timer, &QTimer::timeout, this, &OvProgressBarGif::slotProcessTimer);

    SetAnimation(QStringLiteral("cache_clean_processBar.gif"));
}

void OvProgressBarGif::SetAnimation(const QString& gifName)
{
    m_animationName = gifName;
    const bool running = m_movie->state() == QMovie::Running;
    m_movie->stop();
    m_animationLabel->setMovie(nullptr);
    m_movie->setFileName(SkinImagePath(gifName));
    if (!SkinImageExists(gifName) || !m_movie->isValid()) {
        // A missing animation leaves an empty strip; the time estimate still shows.
        m_animationLabel->clear();
        return;
    }
    m_frameSize = QImageReader(SkinImagePath(gifName)).size();
    m_animationLabel->setMovie(m_movie);
    fitAnimation();
    if (running && isVisible())
        m_movie->start();
}

void OvProgressBarGif::StartDeviceEstimate(quint64 totalSpace, quint64 freeSpace)
{
    startCountdown(DeviceEstimateMinutes(totalSpace, freeSpace));
}

void OvProgressBarGif::StartFiveMinutes()
{
    startCountdown(5);
}

void OvProgressBarGif::SetMinutes(int minutes)
{
    m_minutes = minutes;
    showMinutes();
}

void OvProgressBarGif::SetProgress(int percent)
{
    if (m_timer->isActive())
        m_timer->stop();
    m_timeLabel->hide();
    m_movie->stop();
    m_animationLabel->hide();
    m_bar->SetValue(percent);
    m_bar->show();
}

bool OvProgressBarGif::IsCounting() const
{
    return m_timer->isActive();
}

QString OvProgressBarGif::TimeText() const
{
    return m_timeLabel->text();
}

quint64 OvProgressBarGif::UsedSpaceGiB(quint64 totalSpace, quint64 freeSpace)
{
    const quint64 used = freeSpace < totalSpace ? totalSpace - freeSpace : 0;
    return used / 1024 / 1024 / 1024;
}

int OvProgressBarGif::DeviceEstimateMinutes(quint64 totalSpace, quint64 freeSpace)
{
    return int(qMin<quint64>(UsedSpaceGiB(totalSpace, freeSpace), 1u << 20)) + 2;
}

void OvProgressBarGif::slotProcessTimer()
{
    if (m_minutes < 2)
        m_timer->stop();
    else
        --m_minutes;
    showMinutes();
}

void OvProgressBarGif::SlotTimeoutdone()
{
    m_timer->stop();
    m_movie->stop();
    m_timeLabel->hide();
}

void OvProgressBarGif::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_movie->state() == QMovie::Paused)
        m_movie->setPaused(false);
}

void OvProgressBarGif::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Nobody sees a hidden animation; it would only keep the window thread busy.
    if (m_movie->state() == QMovie::Running)
        m_movie->setPaused(true);
}

void OvProgressBarGif::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitAnimation();
}

void OvProgressBarGif::startCountdown(int minutes)
{
    m_bar->hide();
    SetMinutes(minutes);
    m_timeLabel->show();
    m_animationLabel->show();
    if (m_movie->isValid())
        m_movie->start();
    if (!m_timer->isActive())
        m_timer->start();
}

void OvProgressBarGif::showMinutes()
{
    m_timeLabel->setText(tr("About %1 Minute(s)").arg(qMax(1, m_minutes)));
}

void OvProgressBarGif::fitAnimation()
{
    // The bar animation spans the widget; its height stays that of the image.
    if (m_frameSize.isEmpty() || width() <= 0)
        return;
    const QSize scaled(width(), m_frameSize.height());
    if (m_movie->scaledSize() == scaled)
        return;
    m_movie->setScaledSize(scaled);
    // The frame on show was cut at the old size; start again to show it at the new one.
    if (m_movie->state() == QMovie::Running) {
        m_movie->stop();
        m_movie->start();
    }
}
