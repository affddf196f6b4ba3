#include "CacheCleanProcessView.h"

#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "Durations.h"
#include "OneKeyPages.h"
#include "OneKeyWidgets.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"
#include "SkinImage.h"

#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <climits>

namespace {

constexpr int kColumnWidth = 540;
constexpr int kMinuteMs = 60000;

int ClampMinutes(quint64 minutes)
{
    return minutes > quint64(INT_MAX) ? INT_MAX : int(minutes);
}

} // namespace

CacheCleanProcessView::CacheCleanProcessView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("cacheCleanProcessView"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    const QString family = AppStyle::instance().fontFamily();

    m_animationLabel = MakeMovieLabel(QStringLiteral("cacheAnimation"), QStringLiteral("/cache_clean_process.gif"),
                                      m_animation, this);
    m_animationLabel->setFixedSize(200, 200);

    auto* text = new QLabel(tr("Clearing temporary files. Please do not use the device to avoid any problems."), this);
    text->setObjectName(QStringLiteral("cacheText"));
    QFont textFont(family);
    textFont.setPixelSize(16);
    text->setFont(textFont);
    text->setStyleSheet(QStringLiteral("color:#3c4449;"));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setFixedWidth(kColumnWidth);
    // Box layouts give aligned items no height for their width: the second line would go.
    text->setFixedHeight(qMax(text->fontMetrics().height(), text->heightForWidth(kColumnWidth)));

    m_barLabel = MakeMovieLabel(QStringLiteral("cacheBarAnimation"), QStringLiteral("/cache_clean_processBar.gif"),
                                m_barAnimation, this);
    m_barLabel->setFixedSize(kColumnWidth, 6);

    m_timeLabel = new QLabel(this);
    m_timeLabel->setObjectName(QStringLiteral("cacheTimeLabel"));
    QFont timeFont(family);
    timeFont.setPixelSize(13);
    m_timeLabel->setFont(timeFont);
    m_timeLabel->setStyleSheet(QStringLiteral("color:#616c72;"));
    m_timeLabel->setAlignment(Qt::AlignCenter);

    m_stopButton = new OvCustomNOButton(tr("Stop"), this);
    m_stopButton->setObjectName(QStringLiteral("cacheStopButton"));
    m_stopButton->SetImageSet(OvCustomNOButton::StopImages);
    connect(m_stopButton, &OvCustomNOButton::clicked, this, &CacheCleanProcessView::ClickedCancel);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("cacheMinuteTimer"));
    connect(m_timer, &QTimer::timeout, this, &CacheCleanProcessView::SlotTimerOut);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->setSpacing(0);
    layout->addStretch(3);
    layout->addWidget(m_animationLabel, 0, Qt::AlignHCenter);
    layout->addSpacing(24);
    layout->addWidget(text, 0, Qt::AlignHCenter);
    layout->addSpacing(18);
    layout->addWidget(m_barLabel, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(m_timeLabel, 0, Qt::AlignHCenter);
    layout->addSpacing(22);
    layout->addWidget(m_stopButton, 0, Qt::AlignHCenter);
    layout->addStretch(4);

    ShowMinutes();
}

quint64 CacheCleanProcessView::FreeSpaceGiB()
{
    const CGlobalData* store = CGlobalData::GetInstance();
    // Without a device the library reports a free space larger than the total.
    if (store->m_nFreeSpace > store->m_nTotalSpace)
        return 0;
    return store->m_nFreeSpace / 1024 / 1024 / 1024;
}

void CacheCleanProcessView::Reset()
{
    m_minutes = ClampMinutes(FreeSpaceGiB() + 5);
    ShowMinutes();
    m_timer->start(scaledMs(kMinuteMs));
}

void CacheCleanProcessView::StopTimer()
{
    m_timer->stop();
}

bool CacheCleanProcessView::IsCounting() const
{
    return m_timer->isActive();
}

QString CacheCleanProcessView::TimeText() const
{
    QTextDocument document;
    document.setHtml(m_timeLabel->text());
    return document.toPlainText();
}

void CacheCleanProcessView::ShowMinutes()
{
    m_timeLabel->setText(tr("About %1 Minute(s)").toHtmlEscaped().arg(OrangeHtml(QString::number(m_minutes))));
}

void CacheCleanProcessView::SlotTimerOut()
{
    --m_minutes;
    if (m_minutes <= 5) {
        // Near the end the estimate follows the device: its free space still grows while
        // the clean runs.
        CController::GetInstance()->LoadDeviceInfo();
        const int g = ClampMinutes(FreeSpaceGiB());
        if (g > m_minutes)
            m_minutes = g;
        else if (m_minutes == 0)
            m_minutes = g;
    }
    ShowMinutes();
}

void CacheCleanProcessView::ClickedCancel()
{
    // The box runs its own event loop: the clean may end, and this page go away, meanwhile.
    QPointer<CacheCleanProcessView> self(this);
    const bool accepted
        = OvMessageBox::Ask(this,
                            tr("If you stop clearing, some data won't be deleted. Are you sure you want to stop?"),
                            OvMessageBox::Yes | OvMessageBox::No, QStringLiteral("/tip_warning.png"))
        == OvMessageBox::Yes;
    if (!self)
        return;
    // The clean may have ended while the box was open: its result page stands.
    if (!accepted || !isVisible())
        return;
    m_timer->stop();
    CController::GetInstance()->StopTasks();
    emit onClickedCancel(OneKeyPage::TempStopped);
}

void CacheCleanProcessView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    for (QMovie* movie : { m_animation, m_barAnimation }) {
        if (movie->isValid())
            movie->start();
    }
}

void CacheCleanProcessView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_animation->stop();
    m_barAnimation->stop();
}
