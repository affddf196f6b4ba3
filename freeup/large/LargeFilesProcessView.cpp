#include "LargeFilesProcessView.h"

#include "AppStyle.h"
#include "CController.h"
#include "OneKeyPages.h"
#include "OvCustomNOButton.h"
#include "OvStyleCleanProcessProgressBar.h"
#include "SkinImage.h"

#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

namespace {

constexpr QSize kAnimationSize(200, 200);

} // namespace

LargeFilesProcessView::LargeFilesProcessView(int pageIndex, QWidget* parent)
    : QWidget(parent)
    , m_pageIndex(pageIndex)
{
    setObjectName(QStringLiteral("largeFilesProcessView%1").arg(pageIndex));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    switch (pageIndex) {
    case OneKeyPage::PhotoExporting:
        m_text = tr("Exporting photos, please do not use the device to avoid any abnormity.");
        m_animationName = QStringLiteral("photos_exporting.gif");
        m_finishPage = OneKeyPage::PhotoExportFinished;
        break;
    case OneKeyPage::PhotoDeleting:
        m_text = tr("Deleting photos, please do not use the device to avoid any abnormity.");
        m_animationName = QStringLiteral("photos_deleting.gif");
        m_finishPage = OneKeyPage::PhotoDeleteFinished;
        break;
    case OneKeyPage::LargeDeleting:
        m_text = tr("Deleting large files, please do not use the device to avoid any abnormity.");
        m_animationName = QStringLiteral("large_files_exporting.gif");
        m_finishPage = OneKeyPage::LargeDeleteFinished;
        break;
    case OneKeyPage::LargeExporting:
    default:
        m_text = tr("Exporting large files, please do not use the device to avoid any abnormity.");
        m_animationName = QStringLiteral("large_files_exporting.gif");
        m_finishPage = OneKeyPage::LargeExportFinished;
        break;
    }

    m_animationLabel = new QLabel(this);
    m_animationLabel->setObjectName(QStringLiteral("largeFilesProcessAnimation"));
    m_animationLabel->setAccessibleName(m_text);
    m_animationLabel->setFixedSize(kAnimationSize);
    m_animationLabel->setAlignment(Qt::AlignCenter);
    const QString path = SkinImagePath(m_animationName);
    m_movie = new QMovie(path, QByteArray(), this);
    if (m_movie->isValid()) {
        m_movie->setScaledSize(kAnimationSize);
        m_animationLabel->setMovie(m_movie);
    } else {
        // A missing animation leaves an empty square rather than a broken page.
        m_animationLabel->clear();
    }

    m_bar = new OvStyleCleanProcessProgressBar(this);
    m_bar->setObjectName(QStringLiteral("largeFilesProcessBar"));
    m_bar->setAccessibleName(tr("Progress"));
    m_bar->setFixedWidth(540);

    m_textLabel = new QLabel(this);
    m_textLabel->setObjectName(QStringLiteral("largeFilesProcessText"));
    m_textLabel->setFont(AppStyle::instance().font(6));
    m_textLabel->setStyleSheet(QStringLiteral("color:#616c72;"));
    m_textLabel->setAlignment(Qt::AlignCenter);
    m_textLabel->setTextFormat(Qt::RichText);
    m_textLabel->setWordWrap(true);

    // A long export must not be a page the user can only wait on.
    m_stopButton = new OvCustomNOButton(tr("Stop"), this);
    m_stopButton->setObjectName(QStringLiteral("largeFilesStopButton"));
    m_stopButton->setAccessibleName(tr("Stop"));
    m_stopButton->SetImageSet(OvCustomNOButton::StopImages);
    connect(m_stopButton, &OvCustomNOButton::clicked, this, &LargeFilesProcessView::ClickedCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 40);
    layout->setSpacing(18);
    layout->addStretch(2);
    layout->addWidget(m_animationLabel, 0, Qt::AlignHCenter);
    layout->addWidget(m_bar, 0, Qt::AlignHCenter);
    layout->addWidget(m_textLabel);
    layout->addWidget(m_stopButton, 0, Qt::AlignHCenter);
    layout->addStretch(3);

    Reset();
}

void LargeFilesProcessView::Reset()
{
    m_bar->SetValue(1);
    m_doneCount = 0;
    m_doneSize = 0;
    m_running = 0;
    m_stopped = false;
    ShowCount();
}

int LargeFilesProcessView::ProgressValue() const
{
    return m_bar->Value();
}

QString LargeFilesProcessView::Text() const
{
    return m_text;
}

void LargeFilesProcessView::ShowCount()
{
    QString line = m_text.toHtmlEscaped();
    line += QStringLiteral("&nbsp;&nbsp;<span style=\"color:#f7961f; font-weight:bold;\">%1</span>").arg(m_doneCount);
    if (m_maxValue > 0)
        line += QStringLiteral("/%1").arg(m_maxValue);
    m_textLabel->setText(line);
}

void LargeFilesProcessView::SetMaxValue(quint64 value)
{
    m_maxValue = value;
    ShowCount();
}

void LargeFilesProcessView::SetMaxSize(quint64 size)
{
    m_maxSize = size;
    m_estimateMinutes = int(size / 1024 / 1024 / 150 + 1);
}

void LargeFilesProcessView::StartScan(int id)
{
    Q_UNUSED(id)
    if (isVisible())
        ++m_running;
}

void LargeFilesProcessView::StopScan(int id)
{
    Q_UNUSED(id)
    --m_running;
    if (m_running == 0) {
        ShowResultView();
    } else if (m_running < 0) {
        m_running = 0;
        hide();
        emit onShowBackView();
        emit onClickedCancel(m_doneSize);
    }
}

void LargeFilesProcessView::SetViewData(int id, quint64 value)
{
    Q_UNUSED(id)
    m_doneSize += value;
    ++m_doneCount;
    if (m_maxValue > 0)
        m_bar->SetValue(int(qMin<quint64>(quint64(m_doneCount) * 100 / m_maxValue, 100)));
    ShowCount();
    if (m_finishOnLastItem && m_maxValue > 0 && quint64(m_doneCount) >= m_maxValue)
        ShowResultView();
}

void LargeFilesProcessView::ShowResultView()
{
    if (!isVisible())
        return;
    hide();
    emit onShowNextView(m_finishPage);
    emit onShowResultView(m_doneSize);
}

void LargeFilesProcessView::ClickedCancel()
{
    if (m_stopped)
        return;
    m_stopped = true;
    CController::GetInstance()->StopTasks();
    emit onClickedCancel(m_doneSize);
}

void LargeFilesProcessView::SetLargeFileView(int count)
{
    ShowDone(count);
}

void LargeFilesProcessView::ShowDone(int count)
{
    m_doneCount = qMax(count, 0);
    if (m_maxValue > 0) {
        // The step is rounded down before it is multiplied, so 3 files end at 99, not 100.
        // Past 100 files that step would be 0 and the bar would never move: then the bar
        // shows the share done instead.
        const quint64 step = 100 / m_maxValue;
        const quint64 done = quint64(m_doneCount);
        const quint64 value = step > 0 ? step * done : done * 100 / m_maxValue;
        m_bar->SetValue(int(qMin<quint64>(value, 100)));
    }
    ShowCount();
}

void LargeFilesProcessView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_movie->isValid())
        m_movie->start();
}

void LargeFilesProcessView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_movie->stop();
}
