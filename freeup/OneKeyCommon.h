#pragma once

#include <QDateTime>
#include <QString>

class QLabel;
class QMovie;
class QPushButton;
class QWidget;

/// Set when the user reached a category page from the quick-scan result page: Back and
/// "Done" then return there instead of going home. Window thread only.
extern bool quickScanOrigin;

/// The fixed page indices of the 1-Click Free Up Space model.
namespace OneKeyPage {
enum : int {
    Home = 0,
    QuickScanning = 1,
    QuickResult = 2,
    JunkScanning = 3,
    JunkResult = 4,
    JunkCleaning = 5,
    JunkFinished = 6,
    JunkStopped = 7,
    TempCleaning = 8,
    TempFinished = 9,
    TempStopped = 10,
    PhotoScanning = 11,
    PhotoResult = 12,
    PhotoBackingUp = 13,
    PhotoCompressing = 14,
    CompressFinished = 15,
    CompressStopped = 16,
    PhotoBrowse = 17,
    PhotoExporting = 18,
    PhotoDeleting = 19,
    PhotoDeleteFinished = 20,
    PhotoExportFinished = 21,
    LargeScanning = 22,
    NoLargeFile = 23,
    LargeList = 24,
    LargeExporting = 25,
    LargeDeleting = 26,
    LargeExportFinished = 27,
    LargeDeleteFinished = 28,
    AppScanning = 29,
    AppList = 30,
    AppsRemoved = 31,
    Count = 32
};
}

/// The one-key device codes, as requested and as they come back in the replies.
namespace OneKeyCode {
enum : int {
    TempFiles = 2,
    LargeFiles = 8,
    Apps = 16,
    UserStorage = 32,
    PhotoCaches = 64,
    DownloadTemp = 128,
    CrashLogs = 256,
    ITunesCaches = 512,
    AllPhotos = 1024,
    CompressPhotos = 2048,
    Export = 4096,
    Delete = 8192,
    JunkMask = 0x3E0,
    /// The status of a clean reply that ends its task.
    Finished = 3599
};
}

/// Crash logs under this size are not worth a clean and count as nothing.
constexpr quint64 kCrashLogThreshold = 5 * 1024 * 1024;

/// Where the Back button of a category page leads: the quick result page (2) when
/// quickScanOrigin is set, which it clears; otherwise the home page (0) once the user
/// confirms leaving the result, or -1 when they decline.
int OneKeyBackTarget(QWidget* parent);

/// The enabled look of an action button: white text when enabled, grey when not.
void SetActionButtonEnabled(QPushButton* button, bool enabled);
/// A blue action button, disabled look included.
QPushButton* MakeActionButton(const QString& objectName, const QString& text, QWidget* parent);
/// A white outlined button ("Back", "Stop").
QPushButton* MakeSecondaryButton(const QString& objectName, const QString& text, QWidget* parent);

/// FormatSize with 2 decimals, its unit ("Byte", "KB", "MB", "GB") translated in the catalogue
/// of `context`, the class name of a page that prints sizes.
QString FormatSizeIn(const char* context, quint64 bytes);

/// `text`, escaped, as rich text in the colour of the pages' figures.
QString OrangeHtml(const QString& text);
/// A centred label that plays the skin animation `gif` through `movie` (made here, owned by
/// `parent`); the label stays empty when the skin lacks the animation.
QLabel* MakeMovieLabel(const QString& objectName, const QString& gif, QMovie*& movie, QWidget* parent);

/// Enables or disables the other feature tabs while device work runs (no-op without a
/// main window).
void EnableOtherTabs(bool enable);

/// Size and count of a junk code's list; crash logs below kCrashLogThreshold count as 0.
struct JunkTotal
{
    quint64 size = 0;
    quint64 count = 0;
};
JunkTotal JunkListTotal(int code);
/// The sum of every junk list, with the crash-log rule.
quint64 JunkSizeTotal();

/// The estimate of removable temporary files from used space and the last used space that
/// the clean history holds ("0" or empty when there is none).
quint64 TemporaryFileEstimate(quint64 usedBytes, quint64 totalBytes, const QString& lastUsedText);
/// The same for the connected device and its clean history.
quint64 TemporaryFileEstimate();

/// The connected device's entry of "CleanSizeConfig.ini".
struct CleanHistoryEntry
{
    bool exists = false;
    QString lastUsedSpace; // decimal bytes, "0" for a new entry
    QString totalCleaned;  // decimal bytes
    QString lastCleanDate; // "MM-dd-yyyy hh:mm:ss ddd"
};
CleanHistoryEntry ReadCleanHistory(const QString& deviceKey);
/// Records `totalReleased` and the time of the clean for the device.
void WriteCleanHistoryTotal(const QString& deviceKey, quint64 totalReleased,
                            const QDateTime& when = QDateTime::currentDateTime());
/// Records the device's used space after a temporary-file clean.
void WriteCleanHistoryUsedSpace(const QString& deviceKey, quint64 usedBytes);
/// The date format of the clean history.
QString CleanHistoryDateText(const QDateTime& when);
