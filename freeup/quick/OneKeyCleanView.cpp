#include "OneKeyCleanView.h"

#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "CleanHistory.h"
#include "DeviceInfoWidget.h"
#include "FormatSize.h"
#include "LanguageTable.h"
#include "OneKeyPages.h"
#include "OneKeyWidgets.h"
#include "OvMessageBox.h"
#include "SkinImage.h"
#include "StoreTotals.h"
#include "Translation.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstring>

namespace {

const char* const kCategoryStyle
    = "QToolButton { background: #ffffff; color: #3c4449; border: 1px solid #e3e9ef; border-radius: 6px;"
      " padding: 10px 4px 8px 4px; }"
      "QToolButton:hover { border-color: #2990ff; color: #2990ff; background: #f5faff; }"
      "QToolButton:pressed { background: #e6f1ff; }";

/// The locale of the language the program speaks, which the user chose in the program.
QLocale InterfaceLocale()
{
    for (int i = 0; i < LanguageTable::count(); ++i) {
        if (currentLanguageName == QLatin1String(LanguageTable::row(i).englishName))
            return QLocale(QLatin1String(LanguageTable::row(i).localeCode));
    }
    return QLocale();
}

QFont PixelFont(int pixels, int weight)
{
    QFont font(AppStyle::instance().fontFamily());
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

} // namespace

OneKeyCleanView::OneKeyCleanView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("oneKeyCleanView"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* heading = new QLabel(tr("1-Click Free Up Space"), this);
    heading->setObjectName(QStringLiteral("homeHeading"));
    heading->setFont(PixelFont(20, QFont::DemiBold));
    heading->setStyleSheet(QStringLiteral("color:#3c4449;"));

    auto* history = new QGridLayout;
    history->setHorizontalSpacing(10);
    history->setVerticalSpacing(6);
    const auto addHistoryLine = [&](int row, const QString& caption, const QString& objectName) {
        auto* captionLabel = new QLabel(caption, this);
        captionLabel->setFont(PixelFont(13, QFont::Normal));
        captionLabel->setStyleSheet(QStringLiteral("color:#616c72;"));
        auto* value = new QLabel(this);
        value->setObjectName(objectName);
        value->setFont(PixelFont(13, QFont::DemiBold));
        history->addWidget(captionLabel, row, 0);
        history->addWidget(value, row, 1);
        return value;
    };
    m_lastUseValue = addHistoryLine(0, tr("Last use:"), QStringLiteral("lastUseValue"));
    m_lastUseValue->setStyleSheet(QStringLiteral("color:#3c4449;"));
    m_releasedValue = addHistoryLine(1, tr("Total space released:"), QStringLiteral("totalReleasedValue"));
    m_releasedValue->setStyleSheet(QStringLiteral("color:#f7961f;"));
    history->setColumnStretch(2, 1);

    QPushButton* quickScan = MakeActionButton(QStringLiteral("quickScanButton"), tr("Quick Scan"), this);
    quickScan->setFixedSize(220, 52);
    quickScan->setFont(PixelFont(18, QFont::DemiBold));
    connect(quickScan, &QPushButton::clicked, this, &OneKeyCleanView::ClickedNextButton);

    auto* orScan = new QLabel(tr("Or scan one category:"), this);
    orScan->setFont(PixelFont(13, QFont::Normal));
    orScan->setStyleSheet(QStringLiteral("color:#616c72;"));

    m_categoryRow = new QWidget(this);
    auto* categories = new QHBoxLayout(m_categoryRow);
    categories->setContentsMargins(0, 0, 0, 0);
    categories->setSpacing(12);
    connect(AddCategory(QStringLiteral("junkFilesButton"), tr("Junk Files"), QStringLiteral("quick_junk_files.png")),
            &QToolButton::clicked, this, &OneKeyCleanView::slotScanJunk);
    connect(AddCategory(QStringLiteral("tempFilesButton"), tr("Temp Files"), QStringLiteral("quick_temp_files.png")),
            &QToolButton::clicked, this, &OneKeyCleanView::slotScanCache);
    connect(AddCategory(QStringLiteral("photosButton"), tr("Photos"), QStringLiteral("quick_photos.png")),
            &QToolButton::clicked, this, &OneKeyCleanView::slotScanImage);
    connect(AddCategory(QStringLiteral("largeFilesButton"), tr("Large Files"), QStringLiteral("quick_large_files.png")),
            &QToolButton::clicked, this, &OneKeyCleanView::slotScanLargeFile);
    connect(AddCategory(QStringLiteral("appsButton"), tr("Apps"), QStringLiteral("quick_apps.png")),
            &QToolButton::clicked, this, &OneKeyCleanView::slotScanApps);
    categories->addStretch();

    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addStretch(2);
    column->addWidget(heading);
    column->addSpacing(14);
    column->addLayout(history);
    column->addSpacing(34);
    column->addWidget(quickScan, 0, Qt::AlignLeft);
    column->addSpacing(40);
    column->addWidget(orScan);
    column->addSpacing(12);
    column->addWidget(m_categoryRow);
    column->addStretch(3);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    separator->setStyleSheet(QStringLiteral("color:#e3e9ef;"));

    m_deviceInfo = new DeviceInfoWidget(this);
    m_deviceInfo->setFixedWidth(240);
    // "name (model)" is longer than the name alone that the widget was made for.
    if (auto* name = m_deviceInfo->findChild<QLabel*>(QStringLiteral("deviceName")))
        name->setWordWrap(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(48, 32, 32, 32);
    layout->addLayout(column, 1);
    layout->addSpacing(24);
    layout->addWidget(separator);
    layout->addSpacing(16);
    layout->addWidget(m_deviceInfo);

    RefreshLabels();
}

QToolButton* OneKeyCleanView::AddCategory(const QString& objectName, const QString& text, const QString& icon)
{
    // QToolButton puts the icon above the text; QPushButton cannot.
    auto* button = new QToolButton(m_categoryRow);
    button->setObjectName(objectName);
    button->setText(text);
    button->setAccessibleName(text);
    button->setIcon(QIcon(SkinPixmap(icon)));
    button->setIconSize(QSize(48, 48));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(PixelFont(13, QFont::Normal));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QLatin1String(kCategoryStyle));
    // Five tiles share the row: a label longer than a tile goes onto two lines, broken at the
    // blank nearest its middle (or, without blanks, as in Japanese, at its middle).
    constexpr int kTileWidth = 104;
    if (button->sizeHint().width() > kTileWidth && text.size() > 1) {
        int cut = text.size() / 2;
        const int before = text.lastIndexOf(QLatin1Char(' '), cut);
        const int after = text.indexOf(QLatin1Char(' '), cut);
        if (before > 0 || after > 0) {
            cut = before <= 0 ? after : after <= 0 ? before : (cut - before <= after - cut ? before : after);
            button->setText(text.left(cut) + QLatin1Char('\n') + text.mid(cut + 1));
        } else {
            button->setText(text.left(cut) + QLatin1Char('\n') + text.mid(cut));
        }
    }
    button->setFixedSize(qMax(kTileWidth, button->sizeHint().width()), 96);
    m_categoryRow->layout()->addWidget(button);
    return button;
}

QString OneKeyCleanView::SizeText(quint64 bytes) const
{
    return FormatSizeIn(staticMetaObject.className(), bytes);
}

void OneKeyCleanView::RefreshLabels()
{
    const CGlobalData* store = CGlobalData::GetInstance();
    QString name = store->m_strDeviceName;
    if (!name.isEmpty() && !store->m_strModelName.isEmpty())
        name += QStringLiteral(" (") + store->m_strModelName + QLatin1Char(')');
    // Without a device the library reports a free space larger than the total.
    const quint64 total = store->m_nTotalSpace;
    const quint64 free = store->m_nFreeSpace > total ? 0 : store->m_nFreeSpace;
    m_deviceInfo->SetDeviceInfo(name, total, free);

    const CleanHistoryEntry entry = ReadCleanHistory(store->m_strDeviceKey);
    // An entry made by a temporary-file clean alone has no date yet ("0").
    const bool dated = entry.exists && !entry.lastCleanDate.isEmpty() && entry.lastCleanDate != QLatin1String("0");
    m_lastUseValue->setText(dated ? LocalDateText(entry.lastCleanDate) : tr("None"));
    m_releasedValue->setText(SizeText(entry.exists ? entry.totalCleaned.toULongLong() : 0));
}

QString OneKeyCleanView::LocalDateText(const QString& historyDate)
{
    // The file keeps its fixed English format; the page speaks the interface language.
    const QDateTime when = ParseCleanHistoryDate(historyDate);
    return when.isValid() ? InterfaceLocale().toString(when, QLocale::ShortFormat) : historyDate;
}

QString OneKeyCleanView::LastUseText() const
{
    return m_lastUseValue->text();
}

QString OneKeyCleanView::TotalReleasedText() const
{
    return m_releasedValue->text();
}

void OneKeyCleanView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    RefreshLabels();
}

void OneKeyCleanView::ClickedNextButton()
{
    if (!isVisible())
        return;
    hide();
    emit ShowNextView(1);
}

void OneKeyCleanView::slotScanJunk()
{
    emit onScanJunk(1);
}

void OneKeyCleanView::slotScanCache()
{
    if (TemporaryFileEstimate() != 0) {
        CController::GetInstance()->LoadDeviceInfo();
        quickScanOrigin = false;
        emit onScanCache(8);
        return;
    }
    OvMessageBox::Ask(this, OneKeyText::NothingToClean(), OvMessageBox::OK, QStringLiteral("/tip_succeed.png"));
}

void OneKeyCleanView::slotScanImage()
{
    emit onScanImage(11);
}

void OneKeyCleanView::slotScanLargeFile()
{
    emit onScanLargeFile(1);
}

void OneKeyCleanView::slotScanApps()
{
    emit onScanApps(29);
}
