#include "TaskExecuteView.h"

#include "AppStyle.h"
#include "CController.h"
#include "FormatSize.h"
#include "OneKeyPages.h"
#include "OneKeyWidgets.h"
#include "OvCustomNOButton.h"
#include "OvStyleCleanProcessProgressBar.h"
#include "SkinImage.h"

#include <QLabel>
#include <QMovie>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cstring>

namespace {

constexpr int kColumnWidth = 540;

} // namespace

TaskExecuteView::TaskExecuteView(int pageIndex, QWidget* parent)
    : QWidget(parent)
    , m_pageIndex(pageIndex)
    , m_cancelPage(pageIndex == OneKeyPage::JunkCleaning ? OneKeyPage::JunkStopped : OneKeyPage::CompressStopped)
{
    setObjectName(QStringLiteral("taskExecuteView"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    QString animation = QStringLiteral("/cache_clean_process.gif");
    if (pageIndex == OneKeyPage::PhotoBackingUp)
        animation = QStringLiteral("/photos_exporting.gif");
    else if (pageIndex == OneKeyPage::PhotoCompressing)
        animation = QStringLiteral("/photos_compressed.gif");
    m_animationLabel = MakeMovieLabel(QStringLiteral("taskAnimation"), animation, m_animation, this);
    m_animationLabel->setFixedSize(200, 200);

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("taskText"));
    QFont textFont(AppStyle::instance().fontFamily());
    textFont.setPixelSize(16);
    m_text->setFont(textFont);
    m_text->setStyleSheet(QStringLiteral("color:#3c4449;"));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setFixedWidth(kColumnWidth);

    // The junk clean reports no steps: a looping bar stands in until one arrives.
    m_barAnimationLabel = MakeMovieLabel(QStringLiteral("taskBarAnimation"),
                                         QStringLiteral("/cache_clean_processBar.gif"), m_barAnimation, this);
    m_barAnimationLabel->setFixedSize(kColumnWidth, 6);
    m_bar = new OvStyleCleanProcessProgressBar(this);
    m_bar->setObjectName(QStringLiteral("taskProgressBar"));
    m_bar->setFixedWidth(kColumnWidth);

    m_stopButton = new OvCustomNOButton(tr("Stop"), this);
    m_stopButton->setObjectName(QStringLiteral("taskStopButton"));
    m_stopButton->SetImageSet(OvCustomNOButton::StopImages);
    connect(m_stopButton, &OvCustomNOButton::clicked, this, &TaskExecuteView::ClickedCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->setSpacing(0);
    layout->addStretch(3);
    layout->addWidget(m_animationLabel, 0, Qt::AlignHCenter);
    layout->addSpacing(24);
    layout->addWidget(m_text, 0, Qt::AlignHCenter);
    layout->addSpacing(18);
    layout->addWidget(m_barAnimationLabel, 0, Qt::AlignHCenter);
    layout->addWidget(m_bar, 0, Qt::AlignHCenter);
    layout->addSpacing(22);
    layout->addWidget(m_stopButton, 0, Qt::AlignHCenter);
    layout->addStretch(4);

    Reset();
}

QString TaskExecuteView::SizeText(quint64 bytes) const
{
    return FormatSizeIn(staticMetaObject.className(), bytes);
}

void TaskExecuteView::Reset()
{
    m_maximum = 0;
    m_maxValue = 0;
    m_done = 0;
    m_sizeDone = 0;
    m_running = 0;
    m_stopped = false;
    ShowProgress();
}

int TaskExecuteView::Percent() const
{
    if (m_maximum <= 0)
        return 0;
    return int(qBound<qint64>(0, qint64(m_done) * 100 / m_maximum, 100));
}

QString TaskExecuteView::Text() const
{
    QTextDocument document;
    document.setHtml(m_text->text());
    return document.toPlainText();
}

void TaskExecuteView::ShowProgress()
{
    QString html;
    if (m_pageIndex == OneKeyPage::PhotoBackingUp) {
        html = tr("Exporting photos ").toHtmlEscaped() + OrangeHtml(QStringLiteral("%1/%2").arg(m_done).arg(m_maximum));
    } else if (m_pageIndex == OneKeyPage::PhotoCompressing) {
        html = tr("You are saving ").toHtmlEscaped() + OrangeHtml(SizeText(m_sizeDone));
    } else {
        // Its percentage, when known, is on the bar below.
        html = tr("Clearing junk files. Please wait. ").toHtmlEscaped();
    }
    m_text->setText(html);
    // Box layouts give aligned items no height for their width: a long translation would
    // lose its second line.
    m_text->setFixedHeight(qMax(m_text->fontMetrics().height(), m_text->heightForWidth(kColumnWidth)));
    const bool stepsKnown = m_maximum > 0 || m_pageIndex != OneKeyPage::JunkCleaning;
    m_bar->setVisible(stepsKnown);
    m_barAnimationLabel->setVisible(!stepsKnown);
    m_bar->SetValue(Percent());
}

void TaskExecuteView::SetMaxValue(quint64 value)
{
    m_maxValue = value;
}

void TaskExecuteView::SetMaxSize(int nCount)
{
    m_maximum = qMax(0, nCount);
    ShowProgress();
}

void TaskExecuteView::StartScan(int)
{
    if (!isVisible())
        return;
    ++m_running;
}

void TaskExecuteView::SetViewData(int, quint64 value)
{
    ++m_done;
    m_sizeDone += value;
    ShowProgress();
}

void TaskExecuteView::StopScan(int)
{
    --m_running;
    if (m_running == 0) {
        ShowResultView();
    } else if (m_running < 0) {
        m_running = 0;
        hide();
        emit onShowBackView();
        emit onClickedCancel(m_cancelPage);
    }
}

void TaskExecuteView::SetExportData(int nCountNum)
{
    m_done = qMax(0, nCountNum);
    ShowProgress();
}

void TaskExecuteView::SetExpressionData(int times, quint64 value)
{
    m_done = qMax(0, times);
    m_sizeDone = value;
    ShowProgress();
}

void TaskExecuteView::ShowResultView()
{
    if (!isVisible())
        return;
    hide();
    emit onShowNextView();
    emit onShowResultView(m_sizeDone);
}

void TaskExecuteView::ClickedCancel()
{
    m_stopped = true;
    CController::GetInstance()->StopTasks();
    // A stopped clean sends no end reply, so nothing else would unlock the other features.
    EnableOtherTabs(true);
    emit onClickedCancel(m_cancelPage);
}

void TaskExecuteView::StartMovies()
{
    for (QMovie* movie : { m_animation, m_barAnimation }) {
        if (movie->isValid())
            movie->start();
    }
}

void TaskExecuteView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    StartMovies();
}

void TaskExecuteView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_animation->stop();
    m_barAnimation->stop();
}
