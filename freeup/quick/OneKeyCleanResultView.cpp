#include "OneKeyCleanResultView.h"

#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "FormatSize.h"
#include "OneKeyPages.h"
#include "OneKeyWidgets.h"
#include "OneScanResultSubWidget.h"
#include "OvMessageBox.h"
#include "StoreTotals.h"
#include "ovdriver.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cstring>
#include <mutex>

namespace {

QString PlainText(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

template<class Record> quint64 SumOf(const QVector<Record>& list, quint64 Record::*size)
{
    quint64 sum = 0;
    for (const Record& record : list)
        sum += record.*size;
    return sum;
}

} // namespace

OneKeyCleanResultView::OneKeyCleanResultView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("oneKeyCleanResultView"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    const QString family = AppStyle::instance().fontFamily();

    m_freeable = new QLabel(this);
    m_freeable->setObjectName(QStringLiteral("freeableLabel"));
    QFont headingFont(family);
    headingFont.setPixelSize(20);
    headingFont.setWeight(QFont::DemiBold);
    m_freeable->setFont(headingFont);
    m_freeable->setStyleSheet(QStringLiteral("color:#3c4449;"));
    m_releasedLabel = new QLabel(this);
    m_releasedLabel->setObjectName(QStringLiteral("releasedLabel"));
    QFont bodyFont(family);
    bodyFont.setPixelSize(13);
    m_releasedLabel->setFont(bodyFont);
    m_releasedLabel->setStyleSheet(QStringLiteral("color:#616c72;"));

    const QString about = tr("About %1", "approximately, %1 is a size");
    const QString saveUpTo = tr("You can save up to %1", "%1 is a size");
    m_rows[JunkRow] = new OneScanResultSubWidget(QStringLiteral("junkRow"), QStringLiteral("/quick_junk_files.png"),
                                                 tr("Junk Files:"), about, QString(), this);
    m_rows[TempRow] = new OneScanResultSubWidget(QStringLiteral("tempRow"), QStringLiteral("/quick_temp_files.png"),
                                                 tr("Temporary Files:"), about,
                                                 tr("Too few temporary files on your iPhone to clean."), this);
    m_rows[PhotoRow] = new OneScanResultSubWidget(QStringLiteral("photosRow"), QStringLiteral("/quick_photos.png"),
                                                  tr("Photos:"), saveUpTo, QString(), this);
    m_rows[LargeFileRow]
        = new OneScanResultSubWidget(QStringLiteral("largeFilesRow"), QStringLiteral("/quick_large_files.png"),
                                     tr("Large Files:"), saveUpTo, QString(), this);
    m_rows[AppRow] = new OneScanResultSubWidget(QStringLiteral("appsRow"), QStringLiteral("/quick_apps.png"),
                                                tr("Apps:"), saveUpTo, QString(), this);
    connect(m_rows[JunkRow], &OneScanResultSubWidget::ShowNextView, this, &OneKeyCleanResultView::slotShowJunkView);
    connect(m_rows[TempRow], &OneScanResultSubWidget::ShowNextView, this, &OneKeyCleanResultView::slotShowCacheView);
    connect(m_rows[PhotoRow], &OneScanResultSubWidget::ShowNextView, this, &OneKeyCleanResultView::slotShowImageView);
    connect(m_rows[LargeFileRow], &OneScanResultSubWidget::ShowNextView, this,
            &OneKeyCleanResultView::slotShowLargeFilesView);
    connect(m_rows[AppRow], &OneScanResultSubWidget::ShowNextView, this, &OneKeyCleanResultView::slotShowAppView);

    auto* list = new QFrame(this);
    list->setObjectName(QStringLiteral("resultRows"));
    list->setStyleSheet(QStringLiteral("QFrame#resultRows { border: 1px solid #e3e9ef; border-radius: 6px; }"));
    auto* rows = new QVBoxLayout(list);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    for (int row = 0; row < RowCount; ++row) {
        if (row > 0) {
            auto* line = new QFrame(list);
            line->setFrameShape(QFrame::HLine);
            line->setStyleSheet(QStringLiteral("color:#eef1f4;"));
            rows->addWidget(line);
        }
        rows->addWidget(m_rows[row]);
    }

    QPushButton* back = MakeSecondaryButton(QStringLiteral("backButton"), tr("Back"), this);
    QPushButton* rescan = MakeActionButton(QStringLiteral("rescanButton"), tr("Rescan"), this);
    connect(back, &QPushButton::clicked, this, &OneKeyCleanResultView::slotBackHome);
    connect(rescan, &QPushButton::clicked, this, &OneKeyCleanResultView::slotRescan);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addSpacing(12);
    buttons->addWidget(rescan);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 20);
    layout->setSpacing(0);
    layout->addWidget(m_freeable);
    layout->addSpacing(4);
    layout->addWidget(m_releasedLabel);
    layout->addSpacing(14);
    layout->addWidget(list);
    layout->addStretch();
    layout->addSpacing(12);
    layout->addLayout(buttons);

    ShowFreeable();
    ShowReleased();
}

QString OneKeyCleanResultView::SizeText(quint64 bytes) const
{
    return FormatSizeIn(staticMetaObject.className(), bytes);
}

quint64 OneKeyCleanResultView::RowSize(int row) const
{
    return row >= 0 && row < RowCount ? m_rows[row]->Size() : 0;
}

OneScanResultSubWidget* OneKeyCleanResultView::RowWidget(int row) const
{
    return row >= 0 && row < RowCount ? m_rows[row] : nullptr;
}

QString OneKeyCleanResultView::FreeableText() const
{
    return PlainText(m_freeable->text());
}

QString OneKeyCleanResultView::ReleasedText() const
{
    return PlainText(m_releasedLabel->text());
}

void OneKeyCleanResultView::ShowFreeable()
{
    quint64 sum = 0;
    for (const OneScanResultSubWidget* row : m_rows)
        sum += row->Size();
    m_freeable->setText(tr("%1 More can be freed up.", "%1 is a size").toHtmlEscaped().arg(OrangeHtml(SizeText(sum))));
}

void OneKeyCleanResultView::ShowReleased()
{
    m_releasedLabel->setText(
        tr("%1 has been released!", "%1 is a size").toHtmlEscaped().arg(OrangeHtml(SizeText(m_released))));
}

void OneKeyCleanResultView::UpdateResultInfo(int nTaskType)
{
    CGlobalData* store = CGlobalData::GetInstance();
    switch (nTaskType) {
    case OV_ONEKEY_USER_STORAGE:
    case OV_ONEKEY_PHOTO_CACHES:
    case OV_ONEKEY_DOWNLOAD_TEMP:
    case OV_ONEKEY_CRASH_LOGS:
    case OV_ONEKEY_ITUNES_CACHES:
        m_rows[JunkRow]->SetSize(JunkSizeTotal());
        break;
    case OV_ONEKEY_TEMP_FILES:
        m_rows[TempRow]->SetSize(TemporaryFileEstimate());
        break;
    case OV_ONEKEY_PHOTOS: {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        m_rows[PhotoRow]->SetSize(SumOf(store->m_obLPhotos, &OneKeyMediaInfo::m_nSize));
        break;
    }
    case OV_ONEKEY_LARGE_FILES: {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        m_rows[LargeFileRow]->SetSize(SumOf(store->m_obLLargeFiles, &OneKeyFileInfo::m_nSize));
        break;
    }
    case OV_ONEKEY_APPS: {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        m_rows[AppRow]->SetSize(SumOf(store->m_obLApps, &AppResultInfo::m_nAppSize));
        break;
    }
    default:
        return;
    }
    ShowFreeable();
}

void OneKeyCleanResultView::UpdateClearSize(quint64 size, int nType)
{
    m_released = nType == 0 ? size : m_released + size;
    ShowReleased();
}

void OneKeyCleanResultView::slotRescan()
{
    emit Rescan();
}

void OneKeyCleanResultView::slotBackHome()
{
    const int answer = OvMessageBox::Ask(
        this, tr("If you go back, the scanning result won't be saved. Are you sure you want to go back?"),
        OvMessageBox::Yes | OvMessageBox::No, QStringLiteral("tip_warning.png"), tr("Warning"));
    if (answer == OvMessageBox::Yes)
        emit onBackHome(0);
}

void OneKeyCleanResultView::slotShowJunkView()
{
    emit ShowJunkView(4);
}

void OneKeyCleanResultView::slotShowCacheView()
{
    // "Done": there is nothing to clean, and a clean would only report a made-up figure.
    if (m_rows[TempRow]->Size() == 0) {
        OvMessageBox::Ask(this, OneKeyText::NothingToClean(), OvMessageBox::OK, QStringLiteral("/tip_succeed.png"));
        return;
    }
    CController::GetInstance()->LoadDeviceInfo();
    quickScanOrigin = true;
    emit ShowCacheView(8);
}

void OneKeyCleanResultView::slotShowImageView()
{
    emit ShowImageView(12);
}

void OneKeyCleanResultView::slotShowLargeFilesView()
{
    emit ShowLargeFilesView(24);
}

void OneKeyCleanResultView::slotShowAppView()
{
    emit ShowAppView(30);
}
