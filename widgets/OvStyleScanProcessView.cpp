#include "OvStyleScanProcessView.h"

#include "AppStyle.h"
#include "MainWindowAccess.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"
#include "OvProgressBarGif.h"
#include "SkinImage.h"

#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QVBoxLayout>

namespace {

constexpr int kAnimationSide = 200;
constexpr int kColumnWidth = 540;

} // namespace

OvStyleScanProcessView::OvStyleScanProcessView(int pageIndex, const QString& animation, QWidget* parent)
    : QWidget(parent)
    , m_pageIndex(pageIndex)
{
    setObjectName(QStringLiteral("scanProcessView"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->setSpacing(0);
    layout->addStretch(3);

    m_animationLabel = new QLabel(this);
    m_animationLabel->setObjectName(QStringLiteral("scanAnimation"));
    m_animationLabel->setFixedSize(kAnimationSide, kAnimationSide);
    m_animationLabel->setAlignment(Qt::AlignCenter);
    m_animation = new QMovie(this);
    if (SkinImageExists(animation)) {
        m_animation->setFileName(SkinImagePath(animation));
        m_animationLabel->setMovie(m_animation);
    } else {
        // Without its animation the page still shows the still device picture.
        m_animationLabel->setPixmap(SkinPixmap(QStringLiteral("device_space_default.png")));
    }
    layout->addWidget(m_animationLabel, 0, Qt::AlignHCenter);
    layout->addSpacing(24);

    m_textLabel = new QLabel(tr("Scanning your device. Please do not use the device to avoid any problems."), this);
    m_textLabel->setObjectName(QStringLiteral("scanText"));
    m_textLabel->setFont(AppStyle::instance().font(12));
    m_textLabel->setStyleSheet(QStringLiteral("color: rgb(88,88,88);"));
    m_textLabel->setAlignment(Qt::AlignCenter);
    m_textLabel->setWordWrap(true);
    m_textLabel->setFixedWidth(kColumnWidth);
    layout->addWidget(m_textLabel, 0, Qt::AlignHCenter);
    fitText();
    layout->addSpacing(22);

    m_progress = new OvProgressBarGif(this);
    m_progress->setObjectName(QStringLiteral("scanProgress"));
    m_progress->setFixedWidth(kColumnWidth);
    layout->addWidget(m_progress, 0, Qt::AlignHCenter);
    layout->addSpacing(22);

    m_stopButton = new OvCustomNOButton(tr("Stop"), this);
    m_stopButton->setObjectName(QStringLiteral("scanStopButton"));
    m_stopButton->SetImageSet(OvCustomNOButton::StopImages);
    layout->addWidget(m_stopButton, 0, Qt::AlignHCenter);
    layout->addStretch(4);

    connect(m_stopButton, &OvCustomNOButton::clicked, this, &OvStyleScanProcessView::StopScan);
}

void OvStyleScanProcessView::StartAnimation()
{
    m_progress->SetAnimation(QStringLiteral("/cache_clean_processBar.gif"));
    m_progress->StartFiveMinutes();
}

void OvStyleScanProcessView::StartAnimationWithEstimate(quint64 totalSpace, quint64 freeSpace)
{
    m_progress->SetAnimation(QStringLiteral("/cache_clean_processBar.gif"));
    m_progress->StartDeviceEstimate(totalSpace, freeSpace);
    m_progress->SetMinutes(ScanEstimateMinutes(totalSpace, freeSpace));
}

void OvStyleScanProcessView::SetText(const QString& text)
{
    m_textLabel->setText(text);
    fitText();
}

void OvStyleScanProcessView::fitText()
{
    // Box layouts do not give aligned items their height for width; a long translation
    // would lose its second line.
    m_textLabel->setFixedHeight(qMax(m_textLabel->fontMetrics().height(), m_textLabel->heightForWidth(kColumnWidth)));
}

QString OvStyleScanProcessView::Text() const
{
    return m_textLabel->text();
}

int OvStyleScanProcessView::ScanEstimateMinutes(quint64 totalSpace, quint64 freeSpace)
{
    return int(qMin<quint64>(OvProgressBarGif::UsedSpaceGiB(totalSpace, freeSpace), 1u << 20) / 3) + 2;
}

void OvStyleScanProcessView::StartScan(int)
{
    if (!isVisible())
        return;
    if (m_replyCount < 0)
        m_replyCount = 0;
    ++m_replyCount;
}

void OvStyleScanProcessView::StopScan()
{
    // The box runs its own event loop: the scan may end, and this page go away, meanwhile.
    QPointer<OvStyleScanProcessView> self(this);
    const int answer = OvMessageBox::Ask(
        this, tr("If you stop scanning, some data won't be detected. Are you sure you want to stop?"),
        OvMessageBox::Yes | OvMessageBox::No, QStringLiteral("tip_warning.png"));
    if (!self || answer != OvMessageBox::Yes || !isVisible())
        return;
    if (MainWindowAccess* window = MainWindowAccess::instance())
        window->enableTabs(true);
    emit StopRequested();
    emit ShowNextView(m_pageIndex == 1 ? 2 : 0);
}

void OvStyleScanProcessView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_animation->isValid())
        m_animation->start();
}

void OvStyleScanProcessView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_animation->stop();
}
