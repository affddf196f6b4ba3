#include "OneKeyCommon.h"

#include "AppStyle.h"
#include "CGlobalData.h"
#include "FormatSize.h"
#include "LocalConfig.h"
#include "MainWindowAccess.h"
#include "OvMessageBox.h"
#include "SkinImage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMovie>
#include <QPushButton>

#include <mutex>

bool quickScanOrigin = false;

namespace {

constexpr quint64 kGiB = 1024ull * 1024 * 1024;

const char* const kActionStyle
    = "QPushButton { background: #2990ff; border: none; border-radius: 4px; padding: 0 18px; }"
      "QPushButton:hover { background: #4aa3ff; } QPushButton:pressed { background: #1b74d6; }"
      "QPushButton:disabled { background: #c9d3dd; }";
const char* const kSecondaryStyle
    = "QPushButton { background: #ffffff; color: #2990ff; border: 1px solid #2990ff; border-radius: 4px;"
      " padding: 0 18px; } QPushButton:hover { background: #eef6ff; } QPushButton:pressed { background: #d9ebff; }"
      "QPushButton:disabled { color: #999999; border-color: #c9d3dd; }";

QString Tr(const char* text)
{
    return QCoreApplication::translate("OneKeyCommon", text);
}

// Marked for lupdate, which cannot see through Tr().
const char* const kBackQuestion = QT_TRANSLATE_NOOP(
    "OneKeyCommon", "If you go back, the scanning result won't be saved. Are you sure you want to go back?");
const char* const kWarning = QT_TRANSLATE_NOOP("OneKeyCommon", "Warning");
const char* const kYes = QT_TRANSLATE_NOOP("OneKeyCommon", "Yes");
const char* const kNo = QT_TRANSLATE_NOOP("OneKeyCommon", "No");
const char* const kOk = QT_TRANSLATE_NOOP("OneKeyCommon", "OK");
const char* const kCancel = QT_TRANSLATE_NOOP("OneKeyCommon", "Cancel");

QPushButton* MakeButton(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(text);
    button->setMinimumSize(120, 36);
    button->setCursor(Qt::PointingHandCursor);
    button->setFont(AppStyle::instance().font(8));
    return button;
}

// The unit names, marked in the catalogue of every page that prints sizes with FormatSizeIn.
const char* const kUnitMarks[][4] = {
    { QT_TRANSLATE_NOOP("JunkCleanScanResultView", "Byte"), QT_TRANSLATE_NOOP("JunkCleanScanResultView", "KB"),
      QT_TRANSLATE_NOOP("JunkCleanScanResultView", "MB"), QT_TRANSLATE_NOOP("JunkCleanScanResultView", "GB") },
    { QT_TRANSLATE_NOOP("OneKeyCleanResultView", "Byte"), QT_TRANSLATE_NOOP("OneKeyCleanResultView", "KB"),
      QT_TRANSLATE_NOOP("OneKeyCleanResultView", "MB"), QT_TRANSLATE_NOOP("OneKeyCleanResultView", "GB") },
    { QT_TRANSLATE_NOOP("OneKeyCleanView", "Byte"), QT_TRANSLATE_NOOP("OneKeyCleanView", "KB"),
      QT_TRANSLATE_NOOP("OneKeyCleanView", "MB"), QT_TRANSLATE_NOOP("OneKeyCleanView", "GB") },
    { QT_TRANSLATE_NOOP("OneScanResultSubWidget", "Byte"), QT_TRANSLATE_NOOP("OneScanResultSubWidget", "KB"),
      QT_TRANSLATE_NOOP("OneScanResultSubWidget", "MB"), QT_TRANSLATE_NOOP("OneScanResultSubWidget", "GB") },
    { QT_TRANSLATE_NOOP("TaskExecuteView", "Byte"), QT_TRANSLATE_NOOP("TaskExecuteView", "KB"),
      QT_TRANSLATE_NOOP("TaskExecuteView", "MB"), QT_TRANSLATE_NOOP("TaskExecuteView", "GB") },
    { QT_TRANSLATE_NOOP("TaskWidget", "Byte"), QT_TRANSLATE_NOOP("TaskWidget", "KB"),
      QT_TRANSLATE_NOOP("TaskWidget", "MB"), QT_TRANSLATE_NOOP("TaskWidget", "GB") },
};
const char* const kUnits[] = { "Byte", "KB", "MB", "GB" };

} // namespace

QString FormatSizeIn(const char* context, quint64 bytes)
{
    Q_UNUSED(kUnitMarks);
    QString text = FormatSize(bytes, 2);
    for (const char* unit : kUnits) {
        if (text.endsWith(QLatin1String(unit))) {
            text.chop(int(qstrlen(unit)));
            return text + QCoreApplication::translate(context, unit);
        }
    }
    return text;
}

QString OrangeHtml(const QString& text)
{
    return QStringLiteral("<span style=\"color:#f7961f;\">") + text.toHtmlEscaped() + QStringLiteral("</span>");
}

QLabel* MakeMovieLabel(const QString& objectName, const QString& gif, QMovie*& movie, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    movie = new QMovie(parent);
    if (SkinImageExists(gif)) {
        movie->setFileName(SkinImagePath(gif));
        label->setMovie(movie);
    }
    return label;
}

int OneKeyBackTarget(QWidget* parent)
{
    if (quickScanOrigin) {
        quickScanOrigin = false;
        return 2;
    }
    OvMessageBox box(Tr(kBackQuestion), Tr(kWarning), OvMessageBox::Yes | OvMessageBox::No, parent);
    box.SetButtonText(Tr(kYes), Tr(kNo), Tr(kOk), Tr(kCancel));
    box.SetIcon(QStringLiteral("tip_warning.png"));
    box.exec();
    return box.GetResult() == OvMessageBox::Yes ? 0 : -1;
}

void SetActionButtonEnabled(QPushButton* button, bool enabled)
{
    button->setEnabled(enabled);
    button->setStyleSheet(
        QLatin1String(kActionStyle)
        + (enabled ? QStringLiteral("QPushButton{color:#ffffff;}") : QStringLiteral("QPushButton{color:#999999;}")));
}

QPushButton* MakeActionButton(const QString& objectName, const QString& text, QWidget* parent)
{
    QPushButton* button = MakeButton(objectName, text, parent);
    SetActionButtonEnabled(button, true);
    return button;
}

QPushButton* MakeSecondaryButton(const QString& objectName, const QString& text, QWidget* parent)
{
    QPushButton* button = MakeButton(objectName, text, parent);
    button->setStyleSheet(QLatin1String(kSecondaryStyle));
    return button;
}

void EnableOtherTabs(bool enable)
{
    if (MainWindowAccess* window = MainWindowAccess::instance())
        window->enableTabs(enable);
}

JunkTotal JunkListTotal(int code)
{
    JunkTotal total;
    CGlobalData* store = CGlobalData::GetInstance();
    {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        const QVector<OneKeyFileInfo>* list = store->OneKeyFileList(code);
        if (!list)
            return total;
        for (const OneKeyFileInfo& file : *list)
            total.size += file.m_nSize;
        total.count = static_cast<quint64>(list->size());
    }
    if (code == OneKeyCode::CrashLogs && total.size < kCrashLogThreshold)
        total.size = 0;
    return total;
}

quint64 JunkSizeTotal()
{
    quint64 sum = 0;
    for (int code : { OneKeyCode::UserStorage, OneKeyCode::PhotoCaches, OneKeyCode::DownloadTemp, OneKeyCode::CrashLogs,
                      OneKeyCode::ITunesCaches })
        sum += JunkListTotal(code).size;
    return sum;
}

quint64 TemporaryFileEstimate(quint64 usedBytes, quint64 totalBytes, const QString& lastUsedText)
{
    if (!lastUsedText.isEmpty() && lastUsedText != QLatin1String("0")) {
        const quint64 last = lastUsedText.toULongLong();
        const quint64 difference = usedBytes > last ? usedBytes - last : last - usedBytes;
        return difference >= kGiB ? difference / 40 : 0;
    }
    if (totalBytes == 0)
        return 0;
    const double percent = double(usedBytes) * 100.0 / double(totalBytes);
    if (percent <= 20.0 || usedBytes < 2 * kGiB)
        return 0;
    return (usedBytes - 2 * kGiB) / 40;
}

quint64 TemporaryFileEstimate()
{
    const CGlobalData* store = CGlobalData::GetInstance();
    const quint64 total = store->m_nTotalSpace;
    const quint64 free = store->m_nFreeSpace;
    if (total == 0 || free > total)
        return 0;
    return TemporaryFileEstimate(total - free, total, ReadCleanHistory(store->m_strDeviceKey).lastUsedSpace);
}

QString CleanHistoryDateText(const QDateTime& when)
{
    // English day names whatever the system locale, so the file reads the same everywhere.
    return QLocale::c().toString(when, QStringLiteral("MM-dd-yyyy hh:mm:ss ddd"));
}

CleanHistoryEntry ReadCleanHistory(const QString& deviceKey)
{
    CleanHistoryEntry entry;
    if (deviceKey.isEmpty())
        return entry;
    const LocalConfig::GroupedValues groups = LocalConfig::ReadCleanSizeConfig();
    const auto found = groups.constFind(deviceKey);
    if (found == groups.constEnd())
        return entry;
    entry.exists = true;
    entry.lastUsedSpace = found->value(QStringLiteral("LastDevUsedSpaceSize"));
    entry.totalCleaned = found->value(QStringLiteral("AllCleanSize"));
    entry.lastCleanDate = found->value(QStringLiteral("LastAllCleanDate"));
    return entry;
}

namespace {

void UpdateCleanHistory(const QString& deviceKey, const LocalConfig::GroupValues& change)
{
    if (deviceKey.isEmpty())
        return;
    LocalConfig::GroupedValues groups = LocalConfig::ReadCleanSizeConfig();
    auto found = groups.find(deviceKey);
    if (found == groups.end()) {
        found = groups.insert(deviceKey,
                              { { QStringLiteral("LastDevUsedSpaceSize"), QStringLiteral("0") },
                                { QStringLiteral("AllCleanSize"), QStringLiteral("0") },
                                { QStringLiteral("LastAllCleanDate"), QStringLiteral("0") } });
    }
    for (auto it = change.constBegin(); it != change.constEnd(); ++it)
        found->insert(it.key(), it.value());
    LocalConfig::WriteCleanSizeConfig(groups);
}

} // namespace

void WriteCleanHistoryTotal(const QString& deviceKey, quint64 totalReleased, const QDateTime& when)
{
    UpdateCleanHistory(deviceKey,
                       { { QStringLiteral("AllCleanSize"), QString::number(totalReleased) },
                         { QStringLiteral("LastAllCleanDate"), CleanHistoryDateText(when) } });
}

void WriteCleanHistoryUsedSpace(const QString& deviceKey, quint64 usedBytes)
{
    UpdateCleanHistory(deviceKey, { { QStringLiteral("LastDevUsedSpaceSize"), QString::number(usedBytes) } });
}
