#include "OneKeyWidgets.h"

#include "AppStyle.h"
#include "FormatSize.h"
#include "SkinImage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMovie>
#include <QPushButton>

namespace {

const char* const kActionStyle
    = "QPushButton { background: #2990ff; border: none; border-radius: 4px; padding: 0 18px; }"
      "QPushButton:hover { background: #4aa3ff; } QPushButton:pressed { background: #1b74d6; }"
      "QPushButton:disabled { background: #c9d3dd; }";
const char* const kSecondaryStyle
    = "QPushButton { background: #ffffff; color: #2990ff; border: 1px solid #2990ff; border-radius: 4px;"
      " padding: 0 18px; } QPushButton:hover { background: #eef6ff; } QPushButton:pressed { background: #d9ebff; }"
      "QPushButton:disabled { color: #999999; border-color: #c9d3dd; }";

QPushButton* MakeButton(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(text);
    button->setMinimumSize(120, 36);
    button->setCursor(Qt::PointingHandCursor);
    button->setFont(AppStyle::instance().font(8));
    // Enter presses the focused button, as Space does, though the pages are no dialogs.
    button->setAutoDefault(true);
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
    { QT_TRANSLATE_NOOP("LargeFilesCleanView", "Byte"), QT_TRANSLATE_NOOP("LargeFilesCleanView", "KB"),
      QT_TRANSLATE_NOOP("LargeFilesCleanView", "MB"), QT_TRANSLATE_NOOP("LargeFilesCleanView", "GB") },
    { QT_TRANSLATE_NOOP("AppManagerView", "Byte"), QT_TRANSLATE_NOOP("AppManagerView", "KB"),
      QT_TRANSLATE_NOOP("AppManagerView", "MB"), QT_TRANSLATE_NOOP("AppManagerView", "GB") },
    { QT_TRANSLATE_NOOP("ImagePreviewControls", "Byte"), QT_TRANSLATE_NOOP("ImagePreviewControls", "KB"),
      QT_TRANSLATE_NOOP("ImagePreviewControls", "MB"), QT_TRANSLATE_NOOP("ImagePreviewControls", "GB") },
    { QT_TRANSLATE_NOOP("ImageExportBrowseView", "Byte"), QT_TRANSLATE_NOOP("ImageExportBrowseView", "KB"),
      QT_TRANSLATE_NOOP("ImageExportBrowseView", "MB"), QT_TRANSLATE_NOOP("ImageExportBrowseView", "GB") },
    { QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Byte"), QT_TRANSLATE_NOOP("ImageCompressionFinshed", "KB"),
      QT_TRANSLATE_NOOP("ImageCompressionFinshed", "MB"), QT_TRANSLATE_NOOP("ImageCompressionFinshed", "GB") },
    { QT_TRANSLATE_NOOP("ImageCompressionScanReslut", "Byte"), QT_TRANSLATE_NOOP("ImageCompressionScanReslut", "KB"),
      QT_TRANSLATE_NOOP("ImageCompressionScanReslut", "MB"), QT_TRANSLATE_NOOP("ImageCompressionScanReslut", "GB") },
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
